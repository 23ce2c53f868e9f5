#include "controls/updown.h"
#include "fixtures.h"
#include "recordingprompter.h"
#include "settings/settingspanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Fixtures::readBytes;
using Fixtures::writeBytes;

class TestSettingsPanel final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompter = RecordingPrompter();
        m_context =
            AppContext{m_dir->path(), m_dir->path(), QString(), m_dir->filePath("Settings.ini"),
                       &m_prompter,   1000};
        m_panel = std::make_unique<SettingsPanel>(m_context);
    }

    void cleanup()
    {
        m_panel.reset();
        m_dir.reset();
    }

    void firstStartKeepsTheInitialSettings()
    {
        m_panel->LoadSettings();
        QCOMPARE(m_panel->showTimeText(), QStringLiteral("10"));
        QCOMPARE(m_panel->intervalText(), QStringLiteral("60"));
        QCOMPARE(m_panel->fontName(), QStringLiteral("Tahoma"));
        QCOMPARE(m_panel->fontSizeText(), QStringLiteral("17"));
        QCOMPARE(m_panel->color(), quint32(0x0000ff));
        QCOMPARE(m_panel->location(), -1);
        QCOMPARE(m_panel->displayKind(), MessageKind::Emphasis);
        QCOMPARE(readBytes(m_context.settingsFile),
                 QByteArray("[Settings]\r\nShowTime=10\r\nInvertal=60\r\nColor=255\r\n"
                            "Font=Tahoma\r\nFontSize=17\r\nLocation=-1\r\nAutoStart=0\r\n"
                            "Options=0\r\n"));
    }

    void loadsLocationKindAndStartUp()
    {
        writeBytes(m_context.settingsFile,
                   "[Settings]\r\nShowTime=5\r\nInvertal=abc\r\nColor=65280\r\nFont=Arial\r\n"
                   "FontSize=12\r\nLocation=2\r\nAutoStart=On\r\nOptions=1\r\n");
        QSignalSpy kindChosen(m_panel.get(), &SettingsPanel::kindChosen);
        m_panel->LoadSettings();
        QCOMPARE(kindChosen.size(), 1);
        QCOMPARE(m_panel->displayKind(), MessageKind::Successful);
        QCOMPARE(child<QComboBox>("cmbLocation")->currentText(),
                 QStringLiteral("Middle of the screen"));
        QVERIFY(child<QCheckBox>("CheckStartUp")->isChecked());
        QCOMPARE(m_panel->autoStart(), QStringLiteral("On"));
        QCOMPARE(m_panel->color(), quint32(65280));
        QCOMPARE(m_panel->fontName(), QStringLiteral("Arial"));
        QCOMPARE(child<UpDown>("UpShowTime")->value(), 5);
        QCOMPARE(child<UpDown>("UpFontSize")->value(), 12);
        QCOMPARE(child<UpDown>("UpInvertal")->value(), 60); // "abc" leaves the up-down
        QCOMPARE(m_panel->intervalText(), QStringLiteral("abc"));
        QCOMPARE(readBytes(m_context.settingsFile),
                 QByteArray("[Settings]\r\nShowTime=5\r\nInvertal=abc\r\nColor=65280\r\n"
                            "Font=Arial\r\nFontSize=12\r\nLocation=2\r\nAutoStart=On\r\n"
                            "Options=1\r\n"));
    }

    void refusedValuesAreReplaced()
    {
        writeBytes(m_context.settingsFile,
                   "[Settings]\r\nColor=abc\r\nLocation=7\r\nOptions=5\r\nFont=" +
                       QByteArray(600, 'F') + "\r\n");
        m_panel->LoadSettings();
        QCOMPARE(m_panel->color(), quint32(0x0000ff));
        QCOMPARE(m_panel->location(), -1);
        QCOMPARE(m_panel->displayKind(), MessageKind::Emphasis);
        QCOMPARE(m_panel->fontName(), QString(499, u'F'));
        const QByteArray bytes = readBytes(m_context.settingsFile);
        QVERIFY(bytes.contains("\r\nColor=255\r\n"));
        QVERIFY(bytes.contains("\r\nLocation=-1\r\n"));
        QVERIFY(bytes.contains("\r\nOptions=0\r\n"));
    }

    void boxesAndUpDowns()
    {
        auto *box = child<QLineEdit>("txtInvertal");
        auto *upDown = child<UpDown>("UpInvertal");
        QSignalSpy intervalChanged(m_panel.get(), &SettingsPanel::intervalChanged);

        // Typed letters are kept and saved as typed; the up-down keeps its value.
        box->clear();
        QTest::keyClicks(box, "abc");
        QCOMPARE(upDown->value(), 60);
        QVERIFY(readBytes(m_context.settingsFile).contains("\r\nInvertal=abc\r\n"));
        QVERIFY(intervalChanged.size() >= 3);

        // An arrow writes the up-down's value plus one over the letters.
        upDown->stepUp();
        QCOMPARE(box->text(), QStringLiteral("61"));
        QVERIFY(readBytes(m_context.settingsFile).contains("\r\nInvertal=61\r\n"));

        // 7.6 pasted over the show time: the up-down rounds to 8 and rewrites the box.
        auto *showTime = child<QLineEdit>("txtShowTime");
        showTime->selectAll();
        showTime->insert(QStringLiteral("7.6"));
        QCOMPARE(child<UpDown>("UpShowTime")->value(), 8);
        QCOMPARE(showTime->text(), QStringLiteral("8"));
        QVERIFY(readBytes(m_context.settingsFile).contains("ShowTime=8\r\n"));

        // Outside the range: the up-down keeps its value, the box its text.
        showTime->setText(QStringLiteral("500"));
        QCOMPARE(child<UpDown>("UpShowTime")->value(), 8);
        QCOMPARE(showTime->text(), QStringLiteral("500"));
        // The arrows stop at the ends of the range.
        auto *size = child<UpDown>("UpFontSize");
        size->setValue(100);
        size->stepUp();
        QCOMPARE(size->value(), 100);
        QCOMPARE(child<QLineEdit>("txtFontSize")->text(), QStringLiteral("100"));
    }

    void locationIsSavedWhenChosen()
    {
        child<QComboBox>("cmbLocation")->setCurrentIndex(3);
        QVERIFY(readBytes(m_context.settingsFile).contains("\r\nLocation=3\r\n"));
    }

    void dialogs()
    {
        // Cancelled: nothing changes, nothing is written.
        QTest::mouseClick(child<QLabel>("lblColor"), Qt::LeftButton);
        QTest::mouseClick(child<QLabel>("lblFont"), Qt::LeftButton);
        QCOMPARE(m_prompter.colorDialogs, 1);
        QCOMPARE(m_prompter.fontDialogs, 1);
        QCOMPARE(m_prompter.lastFontFamily, QStringLiteral("Tahoma"));
        QCOMPARE(m_prompter.lastFontSize, 17.0);
        QVERIFY(!QFile::exists(m_context.settingsFile));

        m_prompter.colors.append(quint32(0x123456));
        QTest::mouseClick(child<QLabel>("lblColor"), Qt::LeftButton);
        QCOMPARE(m_panel->color(), quint32(0x123456));
        QVERIFY(readBytes(m_context.settingsFile).contains("\r\nColor=1193046\r\n"));

        // Bold is not taken over: only the name and the size are.
        m_prompter.fonts.append(Prompter::FontChoice{QStringLiteral("Arial"), 14, true, false});
        QTest::mouseClick(child<QLabel>("lblFont"), Qt::LeftButton);
        QCOMPARE(m_panel->fontName(), QStringLiteral("Arial"));
        QCOMPARE(m_panel->fontSizeText(), QStringLiteral("14"));
        QCOMPARE(child<UpDown>("UpFontSize")->value(), 14);
        const QByteArray bytes = readBytes(m_context.settingsFile);
        QVERIFY(bytes.contains("\r\nFont=Arial\r\nFontSize=14\r\n"));
    }

    void controlsAndCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("place");
        QTest::newRow("option 0") << "OptionShowText(0)"
                                  << "Display emphasis messages" << QRect(32, 24, 209, 17);
        QTest::newRow("option 2") << "OptionShowText(2)"
                                  << "Display instructive message" << QRect(32, 72, 209, 17);
        QTest::newRow("location") << "lblCaption(6)"
                                  << "Location Messages:" << QRect(304, 24, 105, 17);
        QTest::newRow("interval") << "lblCaption(2)"
                                  << "Display messages every" << QRect(32, 112, 129, 17);
        QTest::newRow("show time") << "lblCaption(4)"
                                   << "Display messages for" << QRect(32, 136, 121, 17);
        QTest::newRow("start-up") << "CheckStartUp"
                                  << "launch \"Sunveil\" on startup" << QRect(304, 112, 257, 17);
        QTest::newRow("size box") << "txtFontSize"
                                  << "17" << QRect(520, 72, 33, 19);
    }

    void controlsAndCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, place);
        auto *widget = m_panel->findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->geometry(), place);
        QCOMPARE(widget->property("text").toString(), text);
    }

private:
    template<typename T>
    T *child(const char *name) const
    {
        T *widget = m_panel->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingPrompter m_prompter;
    AppContext m_context;
    std::unique_ptr<SettingsPanel> m_panel;
};

QTEST_MAIN(TestSettingsPanel)
#include "tst_settingspanel.moc"
