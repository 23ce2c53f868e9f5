#include "diskkindsource.h"
#include "display/displaycycle.h"
#include "display/messageshower.h"
#include "fakedisplaysettings.h"
#include "fixtures.h"
#include "recordingprompter.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Fixtures::makeCategory;
using Fixtures::writeBytes;

namespace {

// Records what would be on the screen; the test decides when a message's time is over.
struct RecordingShower final : MessageShower
{
    QStringList shown;
    int removed = 0;
    void showMessage(const QString &message) override { shown.append(message); }
    void removeMessage() override { ++removed; }
};

} // namespace

class TestDisplayCycle final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompter = RecordingPrompter();
        m_shower = RecordingShower();
        m_settings = FakeDisplaySettings();
        m_context = AppContext{m_dir->path(), m_dir->path(), QString(), QString(), &m_prompter, 10};
        m_source = std::make_unique<DiskKindSource>(m_dir->path());
        m_cycle = std::make_unique<DisplayCycle>(m_context, *m_source, m_settings, m_shower);
    }

    void cleanup()
    {
        m_cycle.reset();
        m_dir.reset();
    }

    void showsTheQueueAndBuildsItAgain()
    {
        makeCategory(documents(), "Subliminal", "Alpha", {"A1", "", "A2"});
        makeCategory(documents(), "Subliminal", "Beta", {"B1"});
        makeCategory(documents(), "Subliminal", "gamma", {"G1"}); // not ticked
        tick("Subliminal", "\r\nAlpha\r\nBeta\r\n");
        QSignalSpy running(m_cycle.get(), &DisplayCycle::runningChanged);

        m_cycle->start();
        QCOMPARE(m_shower.shown, QStringList{"A1"});
        QCOMPARE(m_cycle->state(), DisplayCycle::State::Showing);
        QCOMPARE(running.size(), 1);
        QCOMPARE(running.first().first().toBool(), true);

        for (const char *next : {"A2", "B1", "A1", "A2"}) {
            m_cycle->onMessageHidden();
            QCOMPARE(m_cycle->state(), DisplayCycle::State::Waiting);
            QTRY_COMPARE(m_shower.shown.last(), QString(next));
        }
        QCOMPARE(m_shower.shown, QStringList({"A1", "A2", "B1", "A1", "A2"}));
        QVERIFY(m_prompter.messages.isEmpty());
    }

    void duplicatesAndSpacesTakeTheirTurn()
    {
        makeCategory(documents(), "Subliminal", "a", {"same", "   ", "same"});
        makeCategory(documents(), "Subliminal", "b", {"same"});
        tick("Subliminal", "\r\na\r\nb\r\n");
        m_cycle->start();
        QCOMPARE(m_cycle->queue(), QStringList({"   ", "same", "same"}));
        QCOMPARE(m_cycle->currentMessage(), QStringLiteral("same"));
    }

    void nothingTickedWarns_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("warning");
        QTest::newRow("emphasis") << 0 << "Please select an emphasis messages";
        QTest::newRow("successful") << 1 << "Please select a successful messages";
        QTest::newRow("instructive") << 2 << "Please select an instructive messages";
    }

    void nothingTickedWarns()
    {
        QFETCH(int, kind);
        QFETCH(QString, warning);
        // Ticks of another kind do not count.
        makeCategory(documents(), "success", "Work", {"S1"});
        makeCategory(documents(), "advice", "Work", {"I1"});
        makeCategory(documents(), "Subliminal", "Work", {"E1"});
        if (kind != 1)
            tick("success", "\r\nWork\r\n");
        else
            tick("Subliminal", "\r\nWork\r\n");
        kindFromIndex(kind, &m_settings.kind);
        QSignalSpy running(m_cycle.get(), &DisplayCycle::runningChanged);

        m_cycle->start();
        QCOMPARE(m_prompter.messages.size(), 1);
        const Prompter::Message &box = m_prompter.messages.first();
        QCOMPARE(box.icon, Prompter::Icon::Exclamation);
        QCOMPARE(box.title, QStringLiteral("Sunveil"));
        QCOMPARE(box.text, warning);
        QCOMPARE(m_cycle->state(), DisplayCycle::State::Idle);
        QCOMPARE(running.size(), 2); // on for the build, off again
        QVERIFY(m_shower.shown.isEmpty());
    }

    void categoryWithoutMessageFileIsNoError()
    {
        makeCategory(documents(), "Subliminal", "Empty");
        makeCategory(documents(), "Subliminal", "Full", {"F1"});
        tick("Subliminal", "\r\nEmpty\r\nFull\r\n");
        m_cycle->start();
        QVERIFY(m_prompter.messages.isEmpty());
        QCOMPARE(m_shower.shown, QStringList{"F1"});
    }

    void tickedCategoriesWithoutMessagesEndTheCycle()
    {
        makeCategory(documents(), "Subliminal", "Empty");
        writeBytes(makeCategory(documents(), "Subliminal", "Blank") + "/text.txt", "\r\n\r\n");
        tick("Subliminal", "\r\nBlank\r\nEmpty\r\n");
        m_cycle->start();
        QCOMPARE(m_prompter.texts(), QStringList{"The selected categories hold no messages."});
        QCOMPARE(m_prompter.messages.first().icon, Prompter::Icon::Exclamation);
        QCOMPARE(m_cycle->state(), DisplayCycle::State::Idle);
        QVERIFY(m_shower.shown.isEmpty());
    }

    void unreadableMessageFileReportsAndStops()
    {
        makeCategory(documents(), "Subliminal", "A", {"A1"});
        QDir().mkpath(makeCategory(documents(), "Subliminal", "B") + "/text.txt");
        makeCategory(documents(), "Subliminal", "C", {"C1"});
        tick("Subliminal", "\r\nA\r\nB\r\nC\r\n");
        m_cycle->start();
        QCOMPARE(m_prompter.texts(),
                 QStringList{"Error 75 (Path/File access error) in procedure cmdStart_Click of "
                             "Form frmMain"});
        QCOMPARE(m_prompter.messages.first().icon, Prompter::Icon::None);
        QCOMPARE(m_cycle->state(), DisplayCycle::State::Idle);
        QCOMPARE(m_cycle->queue(), QStringList{"A1"}); // what was read before the failure
        QVERIFY(m_shower.shown.isEmpty());
    }

    void kindSwitchKeepsTheMessageAndDrawsTheNewKindNext()
    {
        makeCategory(documents(), "Subliminal", "E", {"E1", "E2"});
        makeCategory(documents(), "success", "S", {"S1"});
        tick("Subliminal", "\r\nE\r\n");
        tick("success", "\r\nS\r\n");
        m_cycle->start();
        m_settings.kind = MessageKind::Successful;
        QVERIFY(m_cycle->switchKind());
        QCOMPARE(m_shower.removed, 0);
        QCOMPARE(m_cycle->state(), DisplayCycle::State::Showing);
        m_cycle->onMessageHidden();
        QTRY_COMPARE(m_shower.shown, QStringList({"E1", "S1"}));
    }

    void untickingEverythingEndsAtTheRebuild()
    {
        makeCategory(documents(), "Subliminal", "E", {"E1", "E2"});
        tick("Subliminal", "\r\nE\r\n");
        m_cycle->start();
        tick("Subliminal", "\r\n");
        m_cycle->onMessageHidden();
        QTRY_COMPARE(m_shower.shown, QStringList({"E1", "E2"}));
        m_cycle->onMessageHidden();
        QTRY_COMPARE(m_cycle->state(), DisplayCycle::State::Idle);
        QCOMPARE(m_prompter.texts(), QStringList{"Please select an emphasis messages"});
    }

    void pauseFollowsTheIntervalBox()
    {
        makeCategory(documents(), "Subliminal", "E", {"E1", "E2", "E3"});
        tick("Subliminal", "\r\nE\r\n");
        m_cycle->start();

        // Not a number: the next message comes at once.
        m_settings.interval = QStringLiteral("abc");
        m_cycle->onMessageHidden();
        QTRY_COMPARE(m_shower.shown.size(), 2);

        // A pause of an hour of test seconds is cut short when the box changes.
        m_settings.interval = QStringLiteral("360000");
        m_cycle->onMessageHidden();
        QTest::qWait(50);
        QCOMPARE(m_shower.shown.size(), 2);
        QCOMPARE(m_cycle->state(), DisplayCycle::State::Waiting);
        m_settings.interval = QString();
        m_cycle->onIntervalChanged();
        QTRY_COMPARE(m_shower.shown.size(), 3);
    }

    void stopRemovesTheMessageAndStartBeginsAgain()
    {
        makeCategory(documents(), "Subliminal", "E", {"E1", "E2"});
        tick("Subliminal", "\r\nE\r\n");
        m_cycle->start();
        m_cycle->onMessageHidden();
        QTRY_COMPARE(m_shower.shown.size(), 2);
        m_cycle->stop();
        QCOMPARE(m_shower.removed, 1);
        QCOMPARE(m_cycle->state(), DisplayCycle::State::Idle);
        m_cycle->onMessageHidden(); // a late notice changes nothing
        QCOMPARE(m_cycle->state(), DisplayCycle::State::Idle);
        m_cycle->start();
        QCOMPARE(m_shower.shown.last(), QStringLiteral("E1"));
    }

    void kindSwitchFailureIsReported()
    {
        QDir().mkpath(makeCategory(documents(), "Subliminal", "B") + "/text.txt");
        tick("Subliminal", "\r\nB\r\n");
        QVERIFY(!m_cycle->switchKind());
        QCOMPARE(m_prompter.texts(),
                 QStringList{"Error 75 (Path/File access error) in procedure OptionShowText_Click "
                             "of Form frmMain"});
    }

private:
    QString documents() const { return m_dir->path(); }
    void tick(const QString &kindFolder, const QByteArray &bytes)
    {
        writeBytes(documents() + "/Sunveil/" + kindFolder + "/Checked.txt", bytes);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingPrompter m_prompter;
    RecordingShower m_shower;
    FakeDisplaySettings m_settings;
    AppContext m_context;
    std::unique_ptr<DiskKindSource> m_source;
    std::unique_ptr<DisplayCycle> m_cycle;
};

QTEST_GUILESS_MAIN(TestDisplayCycle)
#include "tst_displaycycle.moc"
