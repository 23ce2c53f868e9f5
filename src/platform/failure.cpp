#include "failure.h"

#include "prompter.h"
#include "sunveilerror.h"

QString errorReportText(int number, const QString &description, const QString &suffix)
{
    return QStringLiteral("Error %1 (%2").arg(number).arg(description) + suffix;
}

bool reportAndStop(Prompter &prompter, const QString &suffix, const std::function<void()> &body)
{
    try {
        body();
        return true;
    } catch (const SunveilError &error) {
        prompter.tell(Prompter::Icon::None, QStringLiteral("Sunveil"),
                      errorReportText(error.number(), error.description(), suffix));
        return false;
    }
}

bool stopSilently(const std::function<void()> &body)
{
    try {
        body();
        return true;
    } catch (const SunveilError &) {
        return false;
    }
}

bool ignoreEach(std::initializer_list<std::function<void()>> steps)
{
    bool allRan = true;
    for (const auto &step : steps)
        allRan = stopSilently(step) && allRan;
    return allRan;
}
