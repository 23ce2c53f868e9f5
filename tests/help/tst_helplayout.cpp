#include "help/helplayout.h"

#include <QTest>

namespace {

// The window as it is designed: the tabs side by side from the left, the page view below.
HelpGeometry designed()
{
    HelpGeometry geometry;
    for (int i = 0; i < 6; ++i)
        geometry.tabs[static_cast<std::size_t>(i)] = {i * 2100, 0, 2000, 495};
    geometry.browser = {0, 495, 12160, 8290};
    return geometry;
}

} // namespace

class TestHelpLayout final : public QObject
{
    Q_OBJECT

private slots:
    void rowIsRightAlignedWithGaps()
    {
        HelpGeometry start = designed();
        for (TwipRect &tab : start.tabs)
            tab.top = 300;
        const HelpGeometry result = arrangeHelpWindow(start, 12360, 9285);

        QCOMPARE(result.tabs.back().left + result.tabs.back().width, 12360 - 100);
        for (std::size_t i = 1; i < result.tabs.size(); ++i)
            QCOMPARE(result.tabs[i].left - (result.tabs[i - 1].left + result.tabs[i - 1].width),
                     100);
        for (const TwipRect &tab : result.tabs) {
            QCOMPARE(tab.top, 0);
            QCOMPARE(tab.width, 2000);
            QCOMPARE(tab.height, 495);
        }
        // The row needs 12600 twips, so at the initial size the first tab starts left of the edge.
        QCOMPARE(result.tabs.front().left, -240);
        QCOMPARE(result.browser, (TwipRect{0, 495, 12160, 8290}));
    }

    void sizes_data()
    {
        QTest::addColumn<int>("outerWidth");
        QTest::addColumn<int>("outerHeight");
        QTest::addColumn<int>("firstLeft");
        QTest::addColumn<int>("lastLeft");
        QTest::addColumn<int>("browserWidth");
        QTest::addColumn<int>("browserHeight");

        QTest::newRow("initial") << 12360 << 9285 << -240 << 10260 << 12160 << 8290;
        QTest::newRow("wide") << 15000 << 10000 << 2400 << 12900 << 14800 << 9005;
        QTest::newRow("narrow") << 6000 << 9285 << -6600 << 3900 << 5800 << 8290;
        QTest::newRow("height 995 leaves none") << 12360 << 995 << -240 << 10260 << 12160 << 0;
        QTest::newRow("height below 995") << 9000 << 994 << -3600 << 6900 << 8800 << 7000;
        QTest::newRow("width 200 leaves none") << 200 << 9285 << -12400 << -1900 << 0 << 8290;
        QTest::newRow("width below 200") << 199 << 9285 << -12401 << -1901 << 9800 << 8290;
        QTest::newRow("both too small") << 0 << 0 << -12600 << -2100 << 9800 << 7000;
    }

    // A browser size that would come out negative is left as it was; everything else still moves.
    void sizes()
    {
        QFETCH(int, outerWidth);
        QFETCH(int, outerHeight);
        QFETCH(int, firstLeft);
        QFETCH(int, lastLeft);
        QFETCH(int, browserWidth);
        QFETCH(int, browserHeight);

        // A window that was 10000 x 7995 twips before this resize.
        const HelpGeometry before = arrangeHelpWindow(designed(), 10000, 7995);
        QCOMPARE(before.browser, (TwipRect{0, 495, 9800, 7000}));

        const HelpGeometry result = arrangeHelpWindow(before, outerWidth, outerHeight);
        QCOMPARE(result.tabs.front().left, firstLeft);
        QCOMPARE(result.tabs.back().left, lastLeft);
        QCOMPARE(result.browser.width, browserWidth);
        QCOMPARE(result.browser.height, browserHeight);
        QCOMPARE(result.browser.left, 0);
        QCOMPARE(result.browser.top, 495);
    }

    void browserKeepsItsLeft()
    {
        HelpGeometry start = designed();
        start.browser.left = 45;
        QCOMPARE(arrangeHelpWindow(start, 12360, 9285).browser.left, 45);
    }

    void twipsToPixels_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");

        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("under half") << 7 << 0;
        QTest::newRow("half and more") << 8 << 1;
        QTest::newRow("tab width") << 2000 << 133;
        QTest::newRow("tab height") << 495 << 33;
        QTest::newRow("window width") << 12360 << 824;
        QTest::newRow("negative") << -240 << -16;
        QTest::newRow("negative under half") << -7 << 0;
        QTest::newRow("negative half and more") << -8 << -1;
    }

    void twipsToPixels()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(::twipsToPixels(twips), pixels);
        QCOMPARE(pixelsToTwips(pixels) / TwipsPerPixel, pixels);
    }
};

QTEST_GUILESS_MAIN(TestHelpLayout)
#include "tst_helplayout.moc"
