#include "controls/programicon.h"
#include "controls/trayicon.h"

#include <QSignalSpy>
#include <QTest>

class TestTrayIcon final : public QObject
{
    Q_OBJECT

private slots:
    void platformReportsBecomeEvents()
    {
        TrayIcon icon;
        QSignalSpy down(&icon, &TrayIcon::MouseDown);
        QSignalSpy up(&icon, &TrayIcon::MouseUp);
        QSignalSpy doubleClick(&icon, &TrayIcon::DblClick);

        icon.handleActivation(QSystemTrayIcon::Trigger);
        QCOMPARE(down.size(), 1);
        QCOMPARE(down.last().first().toInt(), 1);
        QCOMPARE(up.last().first().toInt(), 1);

        icon.handleActivation(QSystemTrayIcon::Context);
        QCOMPARE(down.last().first().toInt(), 2);
        QCOMPARE(up.last().first().toInt(), 2);

        icon.handleActivation(QSystemTrayIcon::DoubleClick);
        QCOMPARE(doubleClick.size(), 1);
        QCOMPARE(down.size(), 2); // a double click is no press

        icon.handleActivation(QSystemTrayIcon::MiddleClick);
        QCOMPARE(down.size(), 2);
        QCOMPARE(up.size(), 2);
        QCOMPARE(doubleClick.size(), 1);
    }

    void addAndRemove()
    {
        TrayIcon icon;
        QVERIFY(!icon.Tray());
        icon.setTooltip(QStringLiteral("Sunveil"));
        icon.setTray(true);
        icon.setTray(true);
        QVERIFY(icon.platformIcon().isVisible());
        QCOMPARE(icon.platformIcon().toolTip(), QStringLiteral("Sunveil"));

        // A new tooltip waits for the next time the icon is put there.
        icon.setTooltip(QStringLiteral("Other"));
        QCOMPARE(icon.platformIcon().toolTip(), QStringLiteral("Sunveil"));

        icon.setTray(false);
        QVERIFY(!icon.Tray());
        QVERIFY(!icon.platformIcon().isVisible());
        icon.setTray(true);
        QCOMPARE(icon.platformIcon().toolTip(), QStringLiteral("Other"));
    }

    void savedForm()
    {
        TrayIcon icon;
        QSignalSpy changed(&icon, &TrayIcon::propertyChanged);
        QVERIFY(icon.writeProperties().isEmpty()); // defaults are not written
        QCOMPARE(icon.Tooltip(), QStringLiteral("Tool Tip"));
        QCOMPARE(icon.BaloonTitle(), QStringLiteral("Title"));
        QCOMPARE(icon.BaloonText(), QStringLiteral("Text for information"));

        icon.setBaloonText(QStringLiteral("Sunveil"));
        icon.setBaloonIcon(2);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed.first().first().toString(), QStringLiteral("baloontext"));
        const QVariantMap bag = icon.writeProperties();
        QCOMPARE(bag.keys(), QStringList({"baloonicon", "baloontext"}));

        TrayIcon copy;
        copy.readProperties({{QStringLiteral("BaloonText"), QStringLiteral("Sunveil")},
                             {QStringLiteral("TOOLTIP"), QStringLiteral("Tip")}});
        QCOMPARE(copy.BaloonText(), QStringLiteral("Sunveil"));
        QCOMPARE(copy.Tooltip(), QStringLiteral("Tip"));
        QCOMPARE(copy.BaloonIcon(), 0);
    }

    void programIconIsDrawn()
    {
        const QImage image = programPicture(32).toImage();
        QCOMPARE(image.size(), QSize(32, 32));
        QVERIFY(qAlpha(image.pixel(16, 14)) == 255); // the sun
        QVERIFY(!programIcon().availableSizes().isEmpty());
    }
};

QTEST_MAIN(TestTrayIcon)
#include "tst_trayicon.moc"
