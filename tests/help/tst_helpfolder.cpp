#include "help/helpfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestHelpFolder final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_root.emplace();
        QVERIFY(m_root->isValid());
        m_bin = m_root->filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(m_bin));
    }

    void pagesBesideTheProgram()
    {
        QVERIFY(QDir().mkpath(m_bin + QStringLiteral("/Help")));
        QCOMPARE(helpProgramFolder(m_bin), m_bin);
    }

    void installedPages()
    {
        const QString data = installedDataFolder(m_bin);
        QCOMPARE(data, QDir::cleanPath(m_root->filePath(QStringLiteral("share/sunveil"))));
        QVERIFY(QDir().mkpath(data + QStringLiteral("/Help")));
        QCOMPARE(helpProgramFolder(m_bin), data);
        QCOMPARE(helpPageAddress(helpProgramFolder(m_bin), QStringLiteral("/Help/index.html")),
                 m_root->filePath(QStringLiteral("share/sunveil/Help/index.html")));
    }

    void pagesBesideTheProgramComeFirst()
    {
        QVERIFY(QDir().mkpath(installedDataFolder(m_bin) + QStringLiteral("/Help")));
        QVERIFY(QDir().mkpath(m_bin + QStringLiteral("/Help")));
        QCOMPARE(helpProgramFolder(m_bin), m_bin);
    }

    // With no pages anywhere the addresses point beside the program, where the missing page is
    // then reported.
    void noPagesAnywhere()
    {
        QFile notAFolder(m_bin + QStringLiteral("/Help"));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        notAFolder.close();
        QCOMPARE(helpProgramFolder(m_bin), m_bin);
    }

    void addressIsFolderFollowedByPage()
    {
        QCOMPARE(helpPageAddress(QStringLiteral("/opt/sunveil"),
                                 QStringLiteral("/Help/Uninistall.html")),
                 QStringLiteral("/opt/sunveil/Help/Uninistall.html"));
    }

private:
    std::optional<QTemporaryDir> m_root;
    QString m_bin;
};

QTEST_GUILESS_MAIN(TestHelpFolder)
#include "tst_helpfolder.moc"
