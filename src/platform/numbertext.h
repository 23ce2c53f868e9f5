#pragma once

#include <QString>

#include <optional>

// Texts typed by the user are kept as typed and read as numbers only when they are used.
namespace NumberText {

// The text as a number: surrounding spaces are allowed, nothing else. Both "7.5" and the user's
// own decimal separator are understood.
std::optional<double> toNumber(const QString &text);

// The text rounded to the nearest whole number (halves to even), when it is a number within
// [minimum, maximum].
std::optional<qint64> toWholeNumber(const QString &text, qint64 minimum, qint64 maximum);

} // namespace NumberText
