#include "desktop.h"

#include <QFile>
#include <QTest>

using namespace Desktop;

namespace {

const QString Title = QStringLiteral("Sunveil V1.0");
const QColor Green(0, 255, 0);
// The notification area sits at the bottom right of the screen.
const QRect TrayArea(624, 720, 400, 48);

// The program icon's golden sun.
QRect findTrayIcon()
{
    return findPixels(grabScreen(), TrayArea, [](QRgb pixel) {
        return qRed(pixel) > 230 && qGreen(pixel) > 130 && qGreen(pixel) < 240 && qBlue(pixel) < 90;
    });
}

int visibleWindowsOf(const QString &windowClass)
{
    return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--class"), windowClass})
        .split(u'\n', Qt::SkipEmptyParts)
        .size();
}

} // namespace

class TestEndToEndShell final : public QObject
{
    Q_OBJECT

private slots:
    void startsHiddenAndLivesInTheNotificationArea()
    {
        ProgramUnderTest program;
        program.writeSettings(
            "ShowTime=1000\r\nInvertal=1000\r\nColor=65280\r\nFont=DejaVu Sans\r\n"
            "FontSize=30\r\nLocation=1\r\nAutoStart=On\r\nOptions=0\r\n");
        program.addCategory(QStringLiteral("Subliminal"), QStringLiteral("Work"), {"IIII"}, true);
        program.start();

        // Up with no window, its icon in the notification area, the start-up entry written and a
        // message on the screen.
        QTRY_VERIFY_WITH_TIMEOUT(!findTrayIcon().isEmpty(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!findColor(grabScreen(), Green, QRect(0, 0, 700, 110)).isEmpty(),
                                 60000);
        QCOMPARE(findWindow(Title, true), quint64(0));
        QVERIFY(QFile::exists(program.home() + "/.config/autostart/Shortcut to Sunveil.desktop"));

        // A second start says so and ends once the box is answered; the first runs on.
        ProgramUnderTest second;
        second.start();
        quint64 box = 0;
        QTRY_VERIFY_WITH_TIMEOUT((box = findWindow(Title, true)) != 0, 60000);
        xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(box)});
        xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        QVERIFY(second.process().waitForFinished(60000));
        QCOMPARE(second.process().exitCode(), 0);
        QCOMPARE(program.process().state(), QProcess::Running);
        QCOMPARE(findWindow(Title, true), quint64(0));

        // A click on the icon shows the window.
        const QRect icon = findTrayIcon();
        clickOnScreen(icon.center());
        QTRY_VERIFY_WITH_TIMEOUT(findWindow(Title, true) != 0, 60000);

        // The menu's Exit ends the program, and the icon goes with it. The menu opens at the
        // pointer; Up from nothing selected picks its last item.
        const int windowsBefore = visibleWindowsOf(QStringLiteral("sunveil"));
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"),
                 QString::number(icon.center().x()), QString::number(icon.center().y()),
                 QStringLiteral("click"), QStringLiteral("3")});
        QTRY_VERIFY_WITH_TIMEOUT(visibleWindowsOf(QStringLiteral("sunveil")) > windowsBefore,
                                 60000);
        xdotool({QStringLiteral("key"), QStringLiteral("Up"), QStringLiteral("Return")});
        QVERIFY(program.process().waitForFinished(60000));
        QCOMPARE(program.process().exitStatus(), QProcess::NormalExit);
        QTRY_VERIFY_WITH_TIMEOUT(findTrayIcon().isEmpty(), 60000);
    }
};

QTEST_MAIN(TestEndToEndShell)
#include "tst_e2e_shell.moc"
