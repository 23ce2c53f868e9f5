#include "display/flashhost.h"
#include "display/flashplacement.h"
#include "display/flashwindow.h"
#include "fakedisplaysettings.h"
#include "recordingprompter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

class TestFlashWindow final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_settings = FakeDisplaySettings();
        m_context = AppContext{QString(), QString(), QString(), QString(), &m_prompter, 10};
    }

    void placement_data()
    {
        QTest::addColumn<int>("location");
        QTest::addColumn<QSizeF>("text");
        QTest::addColumn<QPointF>("corner");
        QTest::newRow("top right") << 0 << QSizeF(3000, 300) << QPointF(15360 - 3000 - 250, 250);
        QTest::newRow("top left") << 1 << QSizeF(3000, 300) << QPointF(250, 250);
        QTest::newRow("middle") << 2 << QSizeF(3000, 300) << QPointF(7680 - 1500, 5760 - 150);
        QTest::newRow("bottom right") << 3 << QSizeF(3000, 300) << QPointF(12110, 10520);
        QTest::newRow("bottom left") << 4 << QSizeF(3000, 300) << QPointF(250, 10520);
        QTest::newRow("wider than the screen")
            << 0 << QSizeF(20000, 300) << QPointF(15360 - 20000 - 250, 250);
    }

    void placement()
    {
        QFETCH(int, location);
        QFETCH(QSizeF, text);
        QFETCH(QPointF, corner);
        const auto placed = flashPlacement(location, QSizeF(15360, 11520), text);
        QVERIFY(placed);
        QCOMPARE(*placed, corner);
    }

    void noLocationIsNotPlaced()
    {
        QVERIFY(!flashPlacement(-1, QSizeF(15360, 11520), QSizeF(100, 100)));
        QVERIFY(!flashPlacement(5, QSizeF(15360, 11520), QSizeF(100, 100)));
    }

    void shapedToTheLetters()
    {
        m_settings.where = 1; // top left: letters from 250 / 15 + 10 pixels
        m_settings.rgb = 0x00ff00;
        m_settings.fontSize = QStringLiteral("40");
        FlashWindow window(m_context, m_settings);
        window.present(QStringLiteral("I I"));

        const QPointF origin = QPointF(250.0 / 15 + 10, 250.0 / 15 + 10) +
                               QGuiApplication::primaryScreen()->geometry().topLeft();
        QCOMPARE(window.letterOrigin(), origin);
        QVERIFY(window.isVisible());
        QCOMPARE(window.color(), QColor(0, 255, 0));
        const QRegion mask = window.mask().translated(window.pos());
        QVERIFY(!mask.isEmpty());
        // Letters below and right of the origin, none above or left of it.
        QVERIFY(mask.boundingRect().left() >= int(origin.x()));
        QVERIFY(mask.boundingRect().top() >= int(origin.y()));
        // Between the two letters there is a gap that is not part of the window.
        const QRect box = mask.boundingRect();
        const int middleRow = box.center().y();
        int columnsCovered = 0;
        for (int x = box.left(); x <= box.right(); ++x)
            columnsCovered += mask.contains(QPoint(x, middleRow)) ? 1 : 0;
        QVERIFY(columnsCovered > 0);
        QVERIFY(columnsCovered < box.width() / 2);
    }

    void textBeyondTheScreenIsCut()
    {
        m_settings.where = 0; // top right
        m_settings.fontSize = QStringLiteral("100");
        FlashWindow window(m_context, m_settings);
        window.present(QString(200, u'W'));
        QVERIFY(window.letterOrigin().x() < 0);
        QVERIFY(QGuiApplication::primaryScreen()->geometry().contains(window.geometry()));
    }

    void fontAndColourAreReadAtEachMessage()
    {
        FlashWindow window(m_context, m_settings);
        m_settings.font = QStringLiteral("DejaVu Serif");
        m_settings.fontSize = QStringLiteral("14");
        window.present(QStringLiteral("one"));
        m_settings.rgb = 0xff0000;
        m_settings.fontSize = QStringLiteral("abc"); // not a number: the size stays
        QCOMPARE(window.color(), QColor(255, 0, 0)); // the shown message keeps its colour
        window.present(QStringLiteral("two"));
        QCOMPARE(window.color(), QColor(0, 0, 255));
        QCOMPARE(window.textFont().pointSizeF(), 14.0);
        QCOMPARE(window.textFont().family(), QStringLiteral("DejaVu Serif"));
        QVERIFY(!window.textFont().bold());
    }

    void showTime_data()
    {
        QTest::addColumn<QString>("showTime");
        QTest::addColumn<int>("seconds");
        QTest::newRow("10") << "10" << 11;
        QTest::newRow("0") << "0" << 1;
        QTest::newRow("negative") << "-4" << 1;
        QTest::newRow("empty") << "" << 1;
        QTest::newRow("letters") << "abc" << 1;
        QTest::newRow("fraction") << "2.5" << 3;
    }

    void showTime()
    {
        QFETCH(QString, showTime);
        QFETCH(int, seconds);
        // One test second is 10 ms here; the message goes at the first whole second past the
        // show time, and not a second earlier.
        m_settings.showTime = showTime;
        FlashWindow window(m_context, m_settings);
        QSignalSpy hidden(&window, &FlashWindow::messageHidden);
        QElapsedTimer clock;
        clock.start();
        window.present(QStringLiteral("x"));
        QTRY_COMPARE(hidden.size(), 1);
        QVERIFY(clock.elapsed() >= seconds * m_context.secondMs);
        QVERIFY(!window.isVisible());
        QVERIFY(!window.isShowing());
    }

    void showTimeChangeTakesEffectAtOnce()
    {
        m_settings.showTime = QStringLiteral("100000");
        FlashWindow window(m_context, m_settings);
        QSignalSpy hidden(&window, &FlashWindow::messageHidden);
        window.present(QStringLiteral("x"));
        m_settings.showTime = QStringLiteral("0");
        window.onShowTimeChanged();
        QTRY_COMPARE(hidden.size(), 1);
    }

    void spacesShowNothingButTakeTheirTime()
    {
        FlashWindow window(m_context, m_settings);
        QSignalSpy hidden(&window, &FlashWindow::messageHidden);
        window.present(QStringLiteral("    "));
        QVERIFY(!window.isVisible());
        QTRY_COMPARE(hidden.size(), 1);
    }

    void noLocationShowsTheMessageInTheMiddle()
    {
        m_settings.where = -1;
        FlashWindow window(m_context, m_settings);
        window.present(QStringLiteral("centre"));
        QVERIFY(window.isVisible());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(qAbs(window.geometry().center().x() - screen.center().x()) < 30);
    }

    void floatsAboveWithoutTakingTheFocus()
    {
        FlashWindow window(m_context, m_settings);
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(flags.testFlag(Qt::X11BypassWindowManagerHint));
        QVERIFY(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
        QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(!window.isVisible());
        QVERIFY(window.x() < 0); // off the screen until the first message
    }

    void hostMakesAndEndsTheWindow()
    {
        FlashHost host(m_context, m_settings);
        QSignalSpy hidden(&host, &FlashHost::messageHidden);
        QVERIFY(!host.window());
        host.showMessage(QStringLiteral("one"));
        FlashWindow *first = host.window();
        QVERIFY(first && first->isVisible());
        QTRY_COMPARE(hidden.size(), 1);
        host.showMessage(QStringLiteral("two"));
        QCOMPARE(host.window(), first); // reused between messages
        host.removeMessage();
        QVERIFY(!host.window());
        QTest::qWait(30);
        QCOMPARE(hidden.size(), 1); // the removed message's time ended with it
    }

private:
    RecordingPrompter m_prompter;
    FakeDisplaySettings m_settings;
    AppContext m_context;
};

QTEST_MAIN(TestFlashWindow)
#include "tst_flashwindow.moc"
