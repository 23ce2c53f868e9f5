#include "help/frmhelp.h"
#include "help/helpbrowser.h"
#include "help/helpfolder.h"
#include "help/helptabs.h"
#include "help/tabbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>

// The help pages as the build leaves them in Help/ beside the executables, where both the Help
// program and the main program's Help button look for them.
class TestHelpPages final : public QObject
{
    Q_OBJECT

private slots:
    void pagesSitBesideTheExecutable()
    {
        const QFileInfo executable(binDir() + QStringLiteral("/" SUNVEIL_HELP_EXECUTABLE));
        QVERIFY2(executable.isExecutable(), qPrintable(executable.filePath()));
        for (const HelpTab &tab : helpTabs())
            QVERIFY2(QFileInfo(binDir() + tab.page).isFile(), qPrintable(tab.page));
        QVERIFY(QFileInfo(binDir() + QStringLiteral("/Help/help.css")).isFile());
        QCOMPARE(helpProgramFolder(binDir()), binDir());
    }

    void everyTabShowsItsPage_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("page");
        for (const HelpTab &tab : helpTabs())
            QTest::newRow(tab.boxName) << QString::fromLatin1(tab.boxName) << tab.page;
    }

    void everyTabShowsItsPage()
    {
        QFETCH(QString, box);
        QFETCH(QString, page);

        frmHelp window(binDir());
        const auto *browser = window.findChild<HelpBrowser *>(QStringLiteral("WebBrowser1"));
        QTest::mouseClick(window.findChild<TabBox *>(box), Qt::LeftButton);
        QCOMPARE(browser->location().toLocalFile(), binDir() + page);
        QVERIFY(!browser->showsErrorPage());
        QVERIFY(browser->documentTitle().startsWith(QStringLiteral("Sunveil Help")));
        // Every page starts with its heading, drawn in the heading colour of the shared stylesheet.
        QTextBlock block = browser->document()->firstBlock();
        while (block.isValid() && block.blockFormat().headingLevel() != 1)
            block = block.next();
        QVERIFY(block.isValid());
        QCOMPARE(block.charFormat().foreground().color(), QColor(0x00, 0x00, 0x80));
    }

    // Links between the pages lead to pages that exist; every other link leaves for the desktop.
    void linksLeadSomewhere()
    {
        const QDir pages(binDir() + QStringLiteral("/Help"));
        const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
        for (const HelpTab &tab : helpTabs()) {
            QFile file(binDir() + tab.page);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            QVERIFY2(html.contains(QStringLiteral("href=\"help.css\"")), qPrintable(tab.page));
            for (auto match = href.globalMatch(html); match.hasNext();) {
                const QUrl link(match.next().captured(1));
                const QString context = tab.page + QStringLiteral(": ") + link.toString();
                if (link.isRelative()) {
                    QVERIFY2(pages.exists(link.path()), qPrintable(context));
                } else {
                    QVERIFY2(link.scheme() == QLatin1String("https") ||
                                 link.scheme() == QLatin1String("mailto"),
                             qPrintable(context));
                }
            }
        }
    }

private:
    static QString binDir() { return QDir::cleanPath(QStringLiteral(SUNVEIL_BIN_DIR)); }
};

QTEST_MAIN(TestHelpPages)
#include "tst_helppages.moc"
