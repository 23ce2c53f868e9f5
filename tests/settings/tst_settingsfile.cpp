#include "fixtures.h"
#include "platform/platformcontext.h"
#include "settings/settingsfile.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Fixtures::readBytes;
using Fixtures::writeBytes;

class TestSettingsFile final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QVERIFY(m_dir.isValid()); }

    void savedInKeyOrder()
    {
        const SettingsFile file(m_dir.filePath(QStringLiteral("Settings.ini")));
        QVERIFY(file.save({"10", "abc", "255", "Tahoma", "17", "-1", "On", "0"}));
        QCOMPARE(readBytes(file.path()),
                 QByteArray("[Settings]\r\nShowTime=10\r\nInvertal=abc\r\nColor=255\r\n"
                            "Font=Tahoma\r\nFontSize=17\r\nLocation=-1\r\nAutoStart=On\r\n"
                            "Options=0\r\n"));
        QCOMPARE(file.load(),
                 SettingsValues({"10", "abc", "255", "Tahoma", "17", "-1", "On", "0"}));
    }

    void loadsWhatIsThere()
    {
        const SettingsFile file(m_dir.filePath(QStringLiteral("Settings.ini")));
        writeBytes(file.path(),
                   "; kept\r\n[settings]\r\nlocation=2\r\nOptions=1\r\nAutoStart=On\r\n"
                   "Color=" +
                       QByteArray(600, '9') + "\r\n");
        const SettingsValues values = file.load();
        QCOMPARE(values.location, QStringLiteral("2"));
        QCOMPARE(values.options, QStringLiteral("1"));
        QCOMPARE(values.autoStart, QStringLiteral("On"));
        QCOMPARE(values.color, QString(499, u'9'));
        QVERIFY(values.showTime.isNull()); // missing

        // A save keeps the comment and replaces the keys where they stand.
        QVERIFY(file.save(values));
        const QByteArray bytes = readBytes(file.path());
        QVERIFY(bytes.startsWith("; kept\r\n[settings]\r\nLocation=2\r\nOptions=1\r\n"));
        QCOMPARE(file.load(), values);
    }

    void emptyValueIsNotAMissingKey()
    {
        const SettingsFile file(m_dir.filePath(QStringLiteral("Settings.ini")));
        writeBytes(file.path(), "[Settings]\r\nFont=\r\n");
        const SettingsValues values = file.load();
        QVERIFY(!values.font.isNull());
        QVERIFY(values.font.isEmpty());
        QVERIFY(values.fontSize.isNull());
    }

    void missingFileReadsEmpty()
    {
        const SettingsFile file(m_dir.filePath(QStringLiteral("none.ini")));
        QCOMPARE(file.load(), SettingsValues());
    }

    void failedSaveReportsFalse()
    {
        const SettingsFile file(m_dir.filePath(QStringLiteral("gone/Settings.ini")));
        QVERIFY(!file.save({"1", "2", "3", "4", "5", "6", "7", "8"}));
        QVERIFY(!QFile::exists(file.path()));
    }

    void livesBesideAWritableProgram()
    {
        QCOMPARE(settingsFilePath(m_dir.path()), m_dir.path() + QStringLiteral("/Settings.ini"));
        const QString elsewhere =
            settingsFilePath(m_dir.filePath(QStringLiteral("no-such-folder")));
        QVERIFY(elsewhere.endsWith(QStringLiteral("/Settings.ini")));
        QVERIFY(!elsewhere.startsWith(m_dir.path()));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
