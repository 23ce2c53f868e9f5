#include "desktop.h"

#include <QMouseEvent>
#include <QTest>
#include <QWidget>

using namespace Desktop;

namespace {

const QColor Green(0, 255, 0);
const QColor Blue(0, 0, 255);
const QColor RootBlack(0, 0, 0);
// The Start button's middle, in the main window's own coordinates.
const QPoint StartButton(75, 40);
// The top left of the screen, where the "Top left" location puts the letters: from 250 twips
// plus 10 pixels, that is from 26 pixels.
const QRect TopLeftArea(0, 0, 700, 110);

const QByteArray Settings = "ShowTime=%1\r\nInvertal=%2\r\nColor=65280\r\nFont=DejaVu Sans\r\n"
                            "FontSize=30\r\nLocation=1\r\nAutoStart=Off\r\nOptions=0\r\n";

QByteArray settings(int showTime, int interval)
{
    return QString::fromLatin1(Settings).arg(showTime).arg(interval).toLatin1();
}

void startAndPressStart(ProgramUnderTest &program)
{
    program.start();
    quint64 window = 0;
    QTRY_VERIFY_WITH_TIMEOUT((window = findWindow(QStringLiteral("Sunveil V1.0"))) != 0, 60000);
    // The window may be mapped before it can take clicks: press until something shows.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            if (!findColor(grabScreen(), Green, TopLeftArea).isEmpty())
                return true;
            clickInWindow(window, StartButton);
            return !findColor(grabScreen(), Green, TopLeftArea).isEmpty();
        }(),
        60000);
}

// The colours met along a row of the image, in order, without repeats.
QList<QRgb> colorsAlong(const QImage &image, int y, int left, int right)
{
    QList<QRgb> colors;
    for (int x = left; x <= right; ++x) {
        const QRgb pixel = image.pixel(x, y) | 0xff000000;
        if (colors.isEmpty() || colors.last() != pixel)
            colors.append(pixel);
    }
    return colors;
}

// A window of the test's own, under the letters, that records where it is clicked.
class Underneath final : public QWidget
{
public:
    Underneath()
        : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        setWindowTitle(QStringLiteral("Underneath"));
        setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, Blue);
        setPalette(palette);
        setGeometry(0, 0, 700, 110);
    }
    QList<QPoint> presses;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        presses.append(event->globalPosition().toPoint());
    }
};

} // namespace

class TestEndToEndDisplay final : public QObject
{
    Q_OBJECT

private slots:
    void messagesComeAndGo()
    {
        ProgramUnderTest program;
        program.writeSettings(settings(1, 1));
        program.addCategory(QStringLiteral("Subliminal"), QStringLiteral("Alpha"), {"IIII"}, true);
        program.addCategory(QStringLiteral("Subliminal"), QStringLiteral("Beta"),
                            {"IIIIIIIIIIIIIIII"}, true);
        startAndPressStart(program);
        if (QTest::currentTestFailed())
            return;

        // The first message: green letters from 26 pixels right of and below the corner, the root
        // window's black between them.
        const QImage first = grabScreen();
        const QRect letters = findColor(first, Green, TopLeftArea);
        QVERIFY2(letters.left() >= 26 && letters.left() < 40,
                 qPrintable(QString::number(letters.left())));
        QVERIFY2(letters.top() >= 26 && letters.top() < 60,
                 qPrintable(QString::number(letters.top())));
        const QList<QRgb> row =
            colorsAlong(first, letters.center().y(), letters.left(), letters.right());
        QCOMPARE(row.size(), 7); // four letters with the black root between them
        QCOMPARE(row.at(1), RootBlack.rgb());
        const int narrow = letters.width();

        // Then the letters go, and after the pause the next, wider message comes.
        enum Seen { First, Gone, Next } seen = First;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QRect now = findColor(grabScreen(), Green, TopLeftArea);
                if (seen == First && now.isEmpty())
                    seen = Gone;
                else if (seen == Gone && now.width() > narrow * 2)
                    seen = Next;
                return seen == Next;
            }(),
            120000);
    }

    void lettersStayOnTopAndLetClicksThrough()
    {
        ProgramUnderTest program;
        program.writeSettings(settings(1000, 1000));
        program.addCategory(QStringLiteral("Subliminal"), QStringLiteral("Alpha"), {"IIII"}, true);
        startAndPressStart(program);
        if (QTest::currentTestFailed())
            return;
        const QRect letters = findColor(grabScreen(), Green, TopLeftArea);

        // A normal window opened and raised over the spot does not cover the letters.
        Underneath underneath;
        underneath.show();
        QTRY_VERIFY_WITH_TIMEOUT(!findColor(grabScreen(), Blue, letters).isEmpty(), 60000);
        const quint64 below = findWindow(QStringLiteral("Underneath"));
        QVERIFY(below != 0);
        xdotool(
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(below)});
        xdotool({QStringLiteral("windowraise"), QString::number(below)});
        QTRY_VERIFY_WITH_TIMEOUT(underneath.isActiveWindow(), 60000);
        const QImage screen = grabScreen();
        QCOMPARE(findColor(screen, Green, TopLeftArea), letters);

        // A click between two letters reaches the window below.
        const int y = letters.center().y();
        int x = letters.left();
        while (x < letters.right() && (screen.pixel(x, y) | 0xff000000) != Blue.rgb())
            ++x;
        QVERIFY(x < letters.right());
        clickOnScreen(QPoint(x, y));
        QTRY_VERIFY_WITH_TIMEOUT(underneath.presses.contains(QPoint(x, y)), 60000);

        // A click on a letter does not.
        clickOnScreen(QPoint(letters.left() + 1, y));
        QTest::qWait(300);
        QCOMPARE(underneath.presses.size(), 1);
    }
};

QTEST_MAIN(TestEndToEndDisplay)
#include "tst_e2e_display.moc"
