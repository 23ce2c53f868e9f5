#include "displaycycle.h"

#include "displaysettings.h"
#include "kindsource.h"
#include "messageshower.h"

#include "library/libraryfiles.h"
#include "library/librarypaths.h"
#include "platform/failure.h"
#include "platform/numbertext.h"
#include "platform/prompter.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace {

const QString Title = QStringLiteral("Sunveil");

QString nothingTickedWarning(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Successful:
        return QStringLiteral("Please select a successful messages");
    case MessageKind::Instructive:
        return QStringLiteral("Please select an instructive messages");
    case MessageKind::Emphasis:
        break;
    }
    return QStringLiteral("Please select an emphasis messages");
}

} // namespace

DisplayCycle::DisplayCycle(const AppContext &context, const KindSource &kinds,
                           const DisplaySettings &settings, MessageShower &shower, QObject *parent)
    : QObject(parent)
    , m_context(context)
    , m_kinds(kinds)
    , m_settings(settings)
    , m_shower(shower)
{
    m_pause.setSingleShot(true);
    m_pause.setTimerType(Qt::CoarseTimer);
    connect(&m_pause, &QTimer::timeout, this, &DisplayCycle::onPauseTimeout);
}

void DisplayCycle::setState(State state)
{
    const bool wasRunning = isRunning();
    m_state = state;
    if (wasRunning != isRunning())
        emit runningChanged(isRunning());
}

bool DisplayCycle::buildQueue()
{
    m_queue.clear();
    bool found = false;
    const MessageKind kind = m_settings.displayKind();
    for (const LibraryFiles::TickEntry &category : m_kinds.categories(kind)) {
        if (!category.ticked)
            continue;
        found = true;
        const QString file =
            LibraryPaths::messageFile(m_context.documentsFolder, kind, category.name);
        // A category without a message file simply has no messages yet.
        if (QFileInfo::exists(file))
            m_queue.append(LibraryFiles::ReadLibraryLines(file));
    }
    return found;
}

void DisplayCycle::start()
{
    m_pause.stop();
    setState(State::Showing);
    bool found = false;
    const bool built = reportAndStop(
        *m_context.prompter, QStringLiteral(") in procedure cmdStart_Click of Form frmMain"),
        [&] { found = buildQueue(); });
    if (!built) {
        setState(State::Idle);
        return;
    }
    if (!found) {
        setState(State::Idle);
        m_context.prompter->tell(Prompter::Icon::Exclamation, Title,
                                 nothingTickedWarning(m_settings.displayKind()));
        return;
    }
    if (m_queue.isEmpty()) {
        // Drawing from an empty queue would only rebuild it again, without end.
        setState(State::Idle);
        m_context.prompter->tell(Prompter::Icon::Exclamation, Title,
                                 QStringLiteral("The selected categories hold no messages."));
        return;
    }
    draw();
}

void DisplayCycle::draw()
{
    if (m_queue.isEmpty()) {
        start();
        return;
    }
    m_current = m_queue.takeFirst();
    setState(State::Showing);
    m_shower.showMessage(m_current);
}

void DisplayCycle::stop()
{
    m_pause.stop();
    m_shower.removeMessage();
    setState(State::Idle);
}

bool DisplayCycle::switchKind()
{
    return reportAndStop(*m_context.prompter,
                         QStringLiteral(") in procedure OptionShowText_Click of Form frmMain"),
                         [&] { buildQueue(); });
}

void DisplayCycle::onMessageHidden()
{
    if (m_state != State::Showing)
        return;
    setState(State::Waiting);
    m_pauseClock.start();
    armPause();
}

void DisplayCycle::onIntervalChanged()
{
    if (m_state == State::Waiting)
        armPause();
}

double DisplayCycle::pauseRemainingMs() const
{
    // An interval that is not a number, or not above zero, draws at once.
    const double seconds = NumberText::toNumber(m_settings.intervalText()).value_or(0);
    return std::max(0.0, seconds) * m_context.secondMs - double(m_pauseClock.elapsed());
}

void DisplayCycle::armPause()
{
    // A very long pause is waited for in steps a timer can hold.
    const double step =
        std::clamp(pauseRemainingMs(), 0.0, double(std::numeric_limits<int>::max() / 2));
    m_pause.start(int(step));
}

void DisplayCycle::onPauseTimeout()
{
    if (m_state != State::Waiting)
        return;
    if (pauseRemainingMs() > 0)
        armPause();
    else
        draw();
}
