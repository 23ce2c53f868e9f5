#pragma once

#include "library/messagekind.h"
#include "platform/appcontext.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

class DisplaySettings;
class KindSource;
class MessageShower;

// Shows the messages of the ticked categories of the chosen kind one after another, without end,
// until it is stopped. Start builds the queue and draws the first message; the shower shows it for
// the show time and then calls onMessageHidden; after the interval the next message is drawn; an
// empty queue is built again from the message files.
class DisplayCycle final : public QObject
{
    Q_OBJECT

public:
    enum class State { Idle, Showing, Waiting };

    DisplayCycle(const AppContext &context, const KindSource &kinds,
                 const DisplaySettings &settings, MessageShower &shower, QObject *parent = nullptr);

    State state() const { return m_state; }
    bool isRunning() const { return m_state != State::Idle; }
    QStringList queue() const { return m_queue; }
    QString currentMessage() const { return m_current; }

    // The Start button.
    void start();
    // The Stop button: the message on screen disappears at once.
    void stop();
    // A new kind was chosen: its queue replaces the current one; a running cycle draws from it
    // next. Gives false when the queue could not be built (the error box has been shown).
    bool switchKind();

    // The shower hid the message: the pause before the next one begins.
    void onMessageHidden();
    // The interval box changed: a pause under way is measured against the new value.
    void onIntervalChanged();

signals:
    void runningChanged(bool running);

private:
    void draw();
    // Fills the queue from the ticked categories of the chosen kind; gives whether one was ticked.
    bool buildQueue();
    void setState(State state);
    double pauseRemainingMs() const;
    void armPause();
    void onPauseTimeout();

    const AppContext &m_context;
    const KindSource &m_kinds;
    const DisplaySettings &m_settings;
    MessageShower &m_shower;
    State m_state = State::Idle;
    QStringList m_queue;
    QString m_current;
    QTimer m_pause;
    QElapsedTimer m_pauseClock;
};
