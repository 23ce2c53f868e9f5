#include "platform/numbertext.h"
#include "platform/waylandsession.h"

#include <QTest>

class TestNumberText final : public QObject
{
    Q_OBJECT

private slots:
    void wholeNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -999 for "not a whole number in range"
        QTest::newRow("plain") << "60" << 60;
        QTest::newRow("spaces around") << " 5 " << 5;
        QTest::newRow("rounded up") << "7.6" << 8;
        QTest::newRow("half to even, down") << "2.5" << 2;
        QTest::newRow("half to even, up") << "3.5" << 4;
        QTest::newRow("letters") << "abc" << -999;
        QTest::newRow("empty") << "" << -999;
        QTest::newRow("trailing letters") << "5abc" << -999;
        QTest::newRow("grouping is not a number") << "1,000" << -999;
        QTest::newRow("below the range") << "0" << -999;
        QTest::newRow("above the range") << "1001" << -999;
        QTest::newRow("infinite") << "inf" << -999;
    }

    void wholeNumbers()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const auto value = NumberText::toWholeNumber(text, 1, 1000);
        QCOMPARE(value ? int(*value) : -999, expected);
    }

    void waylandSessionsRunOnX11_data()
    {
        QTest::addColumn<QByteArray>("qtPlatform");
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("x11");
        QTest::addColumn<QByteArray>("chosen");
        QTest::newRow("wayland with XWayland")
            << QByteArray() << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0")
            << QByteArray("xcb");
        QTest::newRow("the user's choice stands")
            << QByteArray("wayland") << QByteArray("wayland") << QByteArray("wayland-0")
            << QByteArray(":0") << QByteArray();
        QTest::newRow("no X display") << QByteArray() << QByteArray("wayland")
                                      << QByteArray("wayland-0") << QByteArray() << QByteArray();
        QTest::newRow("X11 session") << QByteArray() << QByteArray("x11") << QByteArray()
                                     << QByteArray(":0") << QByteArray();
    }

    void waylandSessionsRunOnX11()
    {
        QFETCH(QByteArray, qtPlatform);
        QFETCH(QByteArray, session);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, x11);
        QFETCH(QByteArray, chosen);
        QCOMPARE(preferredPlatform(qtPlatform, session, wayland, x11), chosen);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
