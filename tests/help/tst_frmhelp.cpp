#include "fixtures.h"
#include "help/frmhelp.h"
#include "help/helpbrowser.h"
#include "help/helptabs.h"
#include "help/tabbox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using Fixtures::writeBytes;

namespace {

const QStringList PageFiles = {
    QStringLiteral("index.html"),      QStringLiteral("SystemRequirement.html"),
    QStringLiteral("RunProgram.html"), QStringLiteral("Settings.html"),
    QStringLiteral("Uninistall.html"), QStringLiteral("Support.html"),
};

} // namespace

class TestFrmHelp final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
        m_folder = m_dir->path();
        for (const QString &file : PageFiles)
            writePage(file, file);
        writePage(QStringLiteral("Other.html"), QStringLiteral("Other"));
        writeBytes(m_folder + QStringLiteral("/Help/help.css"), "h1 { color: #123456; }\n");
    }

    void startsOnTheMainPage()
    {
        frmHelp window(m_folder);
        const HelpBrowser *browser = this->browser(window);
        QCOMPARE(browser->location().toLocalFile(), m_folder + QStringLiteral("/Help/index.html"));
        QVERIFY(browser->location().toLocalFile().endsWith(QStringLiteral("/Help/index.html")));
        QVERIFY(!browser->showsErrorPage());
        QCOMPARE(browser->documentTitle(), QStringLiteral("index.html"));
    }

    void windowAndTabs()
    {
        frmHelp window(m_folder);
        QCOMPARE(window.windowTitle(), QStringLiteral("Help"));
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.size(), QSize(824, 619));
        QCOMPARE(window.geometry().center(),
                 QGuiApplication::primaryScreen()->availableGeometry().center());
        QCOMPARE(window.font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(window.font().pointSizeF(), 8.25);

        for (const HelpTab &tab : helpTabs()) {
            const TabBox *box = window.findChild<TabBox *>(QString::fromLatin1(tab.boxName));
            QVERIFY2(box, tab.boxName);
            QCOMPARE(box->palette().color(QPalette::Window), tab.colour);
            QCOMPARE(box->size(), QSize(133, 33));
            QCOMPARE(box->cursor().shape(), Qt::PointingHandCursor);
            const QLabel *label = window.findChild<QLabel *>(QString::fromLatin1(tab.labelName));
            QVERIFY2(label, tab.labelName);
            QCOMPARE(label->parentWidget(), box);
            QCOMPARE(label->text(), tab.caption);
            QVERIFY(label->font().bold());
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
            QCOMPARE(label->geometry(), QRect(0, 8, 137, 17));
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        }
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblSystemRequirment"))->text(),
                 QStringLiteral("System Requirements\n\n"));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblStart"))->text(),
                 QStringLiteral("Start working "));
    }

    void clicksOpenTheirPage_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("page");

        for (const HelpTab &tab : helpTabs())
            QTest::newRow(tab.boxName) << QString::fromLatin1(tab.boxName)
                                       << QString::fromLatin1(tab.labelName) << tab.page;
    }

    // The box and its caption open the same page, whichever page was open before.
    void clicksOpenTheirPage()
    {
        QFETCH(QString, box);
        QFETCH(QString, label);
        QFETCH(QString, page);

        frmHelp window(m_folder);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        HelpBrowser *browser = this->browser(window);
        const QString expected = m_folder + page;

        browser->Navigate(m_folder + QStringLiteral("/Help/Other.html"));
        QTest::mouseClick(window.findChild<TabBox *>(box), Qt::LeftButton);
        QCOMPARE(browser->location().toLocalFile(), expected);
        QCOMPARE(browser->documentTitle(), page.mid(6));

        browser->Navigate(m_folder + QStringLiteral("/Help/Other.html"));
        QTest::mouseClick(window.findChild<QLabel *>(label), Qt::LeftButton);
        QCOMPARE(browser->location().toLocalFile(), expected);
        QCOMPARE(browser->documentTitle(), page.mid(6));
    }

    void onlyLeftClicksOpenPages()
    {
        frmHelp window(m_folder);
        HelpBrowser *browser = this->browser(window);
        QSignalSpy opened(browser, &QTextBrowser::sourceChanged);
        QTest::mouseClick(window.findChild<TabBox *>(QStringLiteral("PicSupport")),
                          Qt::RightButton);
        QTest::mouseClick(window.findChild<QLabel *>(QStringLiteral("lblSupport")),
                          Qt::RightButton);
        QCOMPARE(opened.count(), 0);
        QTest::mouseClick(window.findChild<QLabel *>(QStringLiteral("lblSupport")), Qt::LeftButton);
        QCOMPARE(opened.count(), 1);
    }

    // The layout works from the window's outer size, frame included, as the window manager
    // reports it.
    void initialLayout()
    {
        frmHelp window(m_folder);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(824, 619));
        const int outerWidth = pixelsToTwips(window.frameGeometry().width());
        const int outerHeight = pixelsToTwips(window.frameGeometry().height());

        const HelpGeometry &twips = window.geometryInTwips();
        QCOMPARE(twips.tabs.back().left + twips.tabs.back().width, outerWidth - 100);
        QCOMPARE(twips.tabs.front().left, outerWidth - 12600);
        QVERIFY(twips.tabs.front().left < 0);
        for (std::size_t i = 0; i < helpTabs().size(); ++i) {
            const QWidget *box = window.findChild<TabBox *>(helpTabs()[i].boxName);
            QCOMPARE(
                box->geometry(),
                QRect(twipsToPixels(outerWidth - 12600 + static_cast<int>(i) * 2100), 0, 133, 33));
        }
        QCOMPARE(browser(window)->geometry(),
                 QRect(0, 33, twipsToPixels(outerWidth - 200), twipsToPixels(outerHeight - 995)));
    }

    void narrowerWindowMovesTheTabs()
    {
        frmHelp window(m_folder);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QWidget *first = window.findChild<TabBox *>(QStringLiteral("PicIndex"));
        const QWidget *last = window.findChild<TabBox *>(QStringLiteral("PicSupport"));
        const int lastRightBefore = last->geometry().right();
        const int firstBefore = first->x();

        window.resize(400, 619);
        QTRY_COMPARE(window.width(), 400);
        const int outerWidth = pixelsToTwips(window.frameGeometry().width());
        QCOMPARE(last->geometry().right(), lastRightBefore - (824 - 400));
        QCOMPARE(last->x(), twipsToPixels(outerWidth - 2100));
        QCOMPARE(first->x(), twipsToPixels(outerWidth - 12600));
        QCOMPARE(first->x(), firstBefore - (824 - 400));
        QVERIFY(window.findChild<TabBox *>(QStringLiteral("PicStart"))->geometry().right() < 0);
        QCOMPARE(browser(window)->width(), twipsToPixels(outerWidth - 200));
    }

    void shortWindowKeepsTheBrowserHeight()
    {
        frmHelp window(m_folder);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const HelpBrowser *browser = this->browser(window);
        const int heightBefore = browser->height();
        const int twipsBefore = window.geometryInTwips().browser.height;
        const int frameHeight = window.frameGeometry().height() - window.height();

        // An outer height of 900 twips: less than the tabs and the margin below them.
        window.resize(700, 60 - frameHeight);
        QTRY_COMPARE(window.frameGeometry().height(), 60);
        QCOMPARE(browser->height(), heightBefore);
        QCOMPARE(window.geometryInTwips().browser.height, twipsBefore);
        QCOMPARE(browser->width(),
                 twipsToPixels(pixelsToTwips(window.frameGeometry().width()) - 200));

        // 1500 twips leave 505 for the browser.
        window.resize(700, 100 - frameHeight);
        QTRY_COMPARE(window.frameGeometry().height(), 100);
        QCOMPARE(window.geometryInTwips().browser.height, 505);
        QCOMPARE(browser->height(), 34);
    }

    void missingPageShowsAnErrorPage()
    {
        QVERIFY(QFile::remove(m_folder + QStringLiteral("/Help/Support.html")));
        frmHelp window(m_folder);
        HelpBrowser *browser = this->browser(window);

        QTest::mouseClick(window.findChild<TabBox *>(QStringLiteral("PicSupport")), Qt::LeftButton);
        QVERIFY(browser->showsErrorPage());
        QCOMPARE(browser->location().toLocalFile(),
                 m_folder + QStringLiteral("/Help/Support.html"));
        QVERIFY2(browser->toPlainText().contains(m_folder + QStringLiteral("/Help/Support.html")),
                 qPrintable(browser->toPlainText()));

        // Once the file is back, the same tab shows it.
        writePage(QStringLiteral("Support.html"), QStringLiteral("Support.html"));
        QTest::mouseClick(window.findChild<QLabel *>(QStringLiteral("lblSupport")), Qt::LeftButton);
        QVERIFY(!browser->showsErrorPage());
        QCOMPARE(browser->documentTitle(), QStringLiteral("Support.html"));

        // The page that was open before the error opens again in full.
        QTest::mouseClick(window.findChild<TabBox *>(QStringLiteral("PicIndex")), Qt::LeftButton);
        QVERIFY(!browser->showsErrorPage());
        QCOMPARE(browser->documentTitle(), QStringLiteral("index.html"));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Body of index.html")));
    }

    void missingHelpFolderShowsTheErrorPageAtStart()
    {
        QTemporaryDir empty;
        frmHelp window(empty.path());
        QVERIFY(this->browser(window)->showsErrorPage());
        QVERIFY(this->browser(window)->toPlainText().contains(empty.path() +
                                                              QStringLiteral("/Help/index.html")));
    }

    void pageNamesAreEscapedOnTheErrorPage()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("<b>x&y"));
        frmHelp window(folder);
        QVERIFY(this->browser(window)->toPlainText().contains(folder +
                                                              QStringLiteral("/Help/index.html")));
    }

    void relativeLinksStayInside()
    {
        frmHelp window(m_folder);
        HelpBrowser *browser = this->browser(window);
        QStringList opened;
        browser->setExternalOpener([&opened](const QUrl &url) { opened << url.toString(); });

        emit browser->anchorClicked(QUrl(QStringLiteral("Settings.html")));
        QCOMPARE(browser->location().toLocalFile(),
                 m_folder + QStringLiteral("/Help/Settings.html"));
        QCOMPARE(browser->documentTitle(), QStringLiteral("Settings.html"));

        emit browser->anchorClicked(QUrl(QStringLiteral("#end")));
        QCOMPARE(browser->location().toLocalFile(),
                 m_folder + QStringLiteral("/Help/Settings.html"));
        QCOMPARE(browser->location().fragment(), QStringLiteral("end"));
        QVERIFY(!browser->showsErrorPage());

        emit browser->anchorClicked(QUrl(QStringLiteral("Gone.html")));
        QVERIFY(browser->showsErrorPage());
        QVERIFY(browser->toPlainText().contains(QStringLiteral("/Help/Gone.html")));
        QVERIFY(opened.isEmpty());
    }

    // Back and forward (Alt+Left, Alt+Right) walk the pages opened, error pages included.
    void backAndForward()
    {
        QVERIFY(QFile::remove(m_folder + QStringLiteral("/Help/Support.html")));
        frmHelp window(m_folder);
        HelpBrowser *browser = this->browser(window);
        QTest::mouseClick(window.findChild<TabBox *>(QStringLiteral("PicSupport")), Qt::LeftButton);
        emit browser->anchorClicked(QUrl(QStringLiteral("Settings.html")));
        emit browser->anchorClicked(QUrl(QStringLiteral("#end")));
        QCOMPARE(browser->documentTitle(), QStringLiteral("Settings.html"));

        QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(browser->location().fileName(), QStringLiteral("Settings.html"));
        QCOMPARE(browser->location().fragment(), QString());
        QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(browser->location().fileName(), QStringLiteral("Support.html"));
        QVERIFY(browser->showsErrorPage());
        browser->backward();
        QCOMPARE(browser->location().fileName(), QStringLiteral("index.html"));
        QVERIFY(!browser->showsErrorPage());
        QCOMPARE(browser->documentTitle(), QStringLiteral("index.html"));

        // A relative link now resolves against the page shown, not the last one opened.
        emit browser->anchorClicked(QUrl(QStringLiteral("RunProgram.html")));
        QCOMPARE(browser->location().toLocalFile(),
                 m_folder + QStringLiteral("/Help/RunProgram.html"));
    }

    void webAndMailLinksGoToTheDesktop_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("handedOver");

        QTest::newRow("web") << "https://example.org/help/" << true;
        QTest::newRow("plain web") << "http://example.org/" << true;
        QTest::newRow("mail") << "mailto:someone@example.org?subject=Sunveil" << true;
        QTest::newRow("script") << "javascript:alert(1)" << false;
        QTest::newRow("other scheme") << "ftp://example.org/file" << false;
    }

    void webAndMailLinksGoToTheDesktop()
    {
        QFETCH(QString, link);
        QFETCH(bool, handedOver);

        frmHelp window(m_folder);
        HelpBrowser *browser = this->browser(window);
        QList<QUrl> opened;
        browser->setExternalOpener([&opened](const QUrl &url) { opened << url; });

        emit browser->anchorClicked(QUrl(link));
        QCOMPARE(opened, handedOver ? QList<QUrl>{QUrl(link)} : QList<QUrl>{});
        QCOMPARE(browser->location().toLocalFile(), m_folder + QStringLiteral("/Help/index.html"));
        QCOMPARE(browser->documentTitle(), QStringLiteral("index.html"));
    }

    void pagesUseTheSharedStylesheet()
    {
        frmHelp window(m_folder);
        const QTextBlock heading = this->browser(window)->document()->firstBlock();
        QCOMPARE(heading.text(), QStringLiteral("Heading"));
        QCOMPARE(heading.charFormat().foreground().color(), QColor(0x12, 0x34, 0x56));
    }

private:
    void writePage(const QString &file, const QString &title)
    {
        writeBytes(m_folder + QStringLiteral("/Help/") + file,
                   QStringLiteral("<html><head><title>%1</title>"
                                  "<link rel=\"stylesheet\" type=\"text/css\" href=\"help.css\">"
                                  "</head><body><h1>Heading</h1><p>Body of %1</p>"
                                  "<p><a name=\"end\">End</a></p></body></html>")
                       .arg(title)
                       .toUtf8());
    }

    static HelpBrowser *browser(const frmHelp &window)
    {
        return window.findChild<HelpBrowser *>(QStringLiteral("WebBrowser1"));
    }

    std::optional<QTemporaryDir> m_dir;
    QString m_folder;
};

QTEST_MAIN(TestFrmHelp)
#include "tst_frmhelp.moc"
