#pragma once

#include <QString>

#include <functional>
#include <initializer_list>

class Prompter;

// The three ways a handler fails. Each handler names its way in one line:
//
//   reportAndStop(prompter, u") in procedure Getdir of Form frmSettings"_s, [&] { ... });
//
// reportAndStop: the first failure skips the rest of the body and shows, under the title "Sunveil"
//                with no icon, "Error <number> (<description>" followed by the handler's suffix.
// stopSilently:  the first failure skips the rest of the body; nothing is shown.
// ignoreEach:    a failing step is skipped and the next step runs.
//
// Each returns whether everything ran without a failure.
bool reportAndStop(Prompter &prompter, const QString &suffix, const std::function<void()> &body);
bool stopSilently(const std::function<void()> &body);
bool ignoreEach(std::initializer_list<std::function<void()>> steps);

// The text of the report box, for handlers that report from more than one place.
QString errorReportText(int number, const QString &description, const QString &suffix);
