#include "numbertext.h"

#include <QLocale>

#include <cmath>

namespace NumberText {

std::optional<double> toNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    double value = c.toDouble(trimmed, &ok);
    if (!ok) {
        QLocale user = QLocale::system();
        user.setNumberOptions(QLocale::RejectGroupSeparator);
        value = user.toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> toWholeNumber(const QString &text, qint64 minimum, qint64 maximum)
{
    const std::optional<double> number = toNumber(text);
    if (!number)
        return std::nullopt;
    // nearbyint rounds halves to even under the default rounding mode.
    const double rounded = std::nearbyint(*number);
    if (rounded < static_cast<double>(minimum) || rounded > static_cast<double>(maximum))
        return std::nullopt;
    return static_cast<qint64>(rounded);
}

} // namespace NumberText
