#include "controls/buttonpaint.h"
#include "controls/buttonpicture.h"
#include "controls/buttonstyles.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QRegion>
#include <QTest>

namespace {

// A white canvas to draw on; pixels read back as #RRGGBB.
QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

quint32 at(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}

} // namespace

class TestButtonPaint final : public QObject
{
    Q_OBJECT

private slots:
    void shiftColor_data()
    {
        QTest::addColumn<quint32>("color");
        QTest::addColumn<float>("amount");
        QTest::addColumn<quint32>("expected");
        QTest::newRow("style 4 colour") << RgbHex(0xD4D4D4) << 0.06f << RgbHex(0xE3E3E3);
        QTest::newRow("stays white") << RgbHex(0xFFFFFF) << 0.05f << RgbHex(0xFFFFFF);
        QTest::newRow("stays black") << RgbHex(0x000000) << -0.25f << RgbHex(0x000000);
        QTest::newRow("darker") << RgbHex(0xE3E3E3) << -0.15f << RgbHex(0xBDBDBD);
        QTest::newRow("half to even down") << RgbHex(0x010101) << 0.1f << RgbHex(0x1A1A1A);
        QTest::newRow("half to even up") << RgbHex(0x020202) << 0.1f << RgbHex(0x1C1C1C);
        QTest::newRow("channels apart") << RgbHex(0xFF1000) << 0.02f << RgbHex(0xFF1505);
        QTest::newRow("clamped per channel") << RgbHex(0x05FF80) << -0.04f << RgbHex(0x00F576);
    }

    void shiftColor()
    {
        QFETCH(quint32, color);
        QFETCH(float, amount);
        QFETCH(quint32, expected);
        QCOMPARE(ShiftColor(color, amount), expected);
    }

    void blendColors_data()
    {
        QTest::addColumn<quint32>("a");
        QTest::addColumn<quint32>("b");
        QTest::addColumn<quint32>("expected");
        QTest::newRow("black and white")
            << RgbHex(0x000000) << RgbHex(0xFFFFFF) << RgbHex(0x808080);
        QTest::newRow("half down to even")
            << RgbHex(0x020202) << RgbHex(0x030303) << RgbHex(0x020202);
        QTest::newRow("half up to even")
            << RgbHex(0x010101) << RgbHex(0x020202) << RgbHex(0x020202);
        QTest::newRow("per channel") << RgbHex(0xFF0000) << RgbHex(0x0000FF) << RgbHex(0x800080);
    }

    void blendColors()
    {
        QFETCH(quint32, a);
        QFETCH(quint32, b);
        QFETCH(quint32, expected);
        QCOMPARE(BlendColors(a, b), expected);
    }

    void translateColor()
    {
        QPalette palette;
        palette.setColor(QPalette::Active, QPalette::Button, QColor(0x12, 0x34, 0x56));
        palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(0x01, 0x02, 0x03));
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0xAA, 0xBB, 0xCC));
        QCOMPARE(TranslateColor(RgbHex(0xE3E3E3), palette), RgbHex(0xE3E3E3));
        QCOMPARE(TranslateColor(SystemColor::ButtonFace, palette), RgbHex(0x123456));
        QCOMPARE(TranslateColor(SystemColor::ButtonText, palette), RgbHex(0x010203));
        QCOMPARE(TranslateColor(SystemColor::GrayText, palette), RgbHex(0xAABBCC));
        // Values that name no colour give -1.
        QCOMPARE(TranslateColor(0x80000019u, palette), InvalidColor);
        QCOMPARE(TranslateColor(0x800000FFu, palette), InvalidColor);
        QCOMPARE(TranslateColor(0x80010005u, palette), InvalidColor);
        QCOMPARE(TranslateColor(0x01000000u, palette), InvalidColor);
    }

    void gradientOneColumnTakesHalves()
    {
        QImage image = canvas(3, 4);
        QPainter painter(&image);
        DrawGradient(painter, 1, 0, 1, 4, RgbHex(0xFF0101), RgbHex(0x0301FF), 0);
        painter.end();
        // Each channel is c1 / 2 + c2 / 2, so the two odd greens make 0, not 1.
        for (int y = 0; y < 4; ++y)
            QCOMPARE(at(image, 1, y), 0x80007Fu);
        QCOMPARE(at(image, 0, 0), 0xFFFFFFu);
        QCOMPARE(at(image, 2, 0), 0xFFFFFFu);
    }

    void gradientTopToBottom()
    {
        QImage image = canvas(2, 5);
        QPainter painter(&image);
        DrawGradient(painter, 0, 0, 2, 5, RgbHex(0x000000), RgbHex(0xFF0064), 1);
        painter.end();
        QCOMPARE(at(image, 0, 0), 0x000000u);
        QCOMPARE(at(image, 1, 1), 0x3F0019u); // 255 / 4 and 100 / 4, truncated
        QCOMPARE(at(image, 0, 2), 0x7F0032u);
        QCOMPARE(at(image, 1, 4), 0xFF0064u);
    }

    void gradientTruncatesTowardZero()
    {
        QImage image = canvas(4, 1);
        QPainter painter(&image);
        DrawGradient(painter, 0, 0, 4, 1, RgbHex(0x0A0A0A), RgbHex(0x000000), 0);
        painter.end();
        // 10 + (-10 x 1) / 3 is 7, not 6.
        QCOMPARE(at(image, 0, 0), 0x0A0A0Au);
        QCOMPARE(at(image, 1, 0), 0x070707u);
        QCOMPARE(at(image, 2, 0), 0x040404u);
        QCOMPARE(at(image, 3, 0), 0x000000u);
    }

    void gradientDiagonals()
    {
        QImage image = canvas(2, 2);
        QPainter painter(&image);
        DrawGradient(painter, 0, 0, 2, 2, RgbHex(0x000000), RgbHex(0x020202), 2);
        painter.end();
        QCOMPARE(at(image, 0, 0), 0x000000u);
        QCOMPARE(at(image, 1, 0), 0x010101u);
        QCOMPARE(at(image, 1, 1), 0x020202u);

        QImage rising = canvas(2, 2);
        QPainter risingPainter(&rising);
        DrawGradient(risingPainter, 0, 0, 2, 2, RgbHex(0x000000), RgbHex(0x020202), 3);
        risingPainter.end();
        QCOMPARE(at(rising, 0, 1), 0x000000u);
        QCOMPARE(at(rising, 1, 0), 0x020202u);
    }

    void emptyGradientDrawsNothing()
    {
        QImage image = canvas(3, 3);
        QPainter painter(&image);
        DrawGradient(painter, 0, 0, 0, 3, 0, 0, 1);
        DrawGradient(painter, 0, 0, 3, -2, 0, 0, 1);
        painter.end();
        QCOMPARE(image, canvas(3, 3));
    }

    void lineLeavesItsEndPoint()
    {
        QImage image = canvas(8, 8);
        QPainter painter(&image);
        DrawLine(painter, 1, 1, 5, 1, 0);
        DrawLine(painter, 6, 2, 6, 6, 0);
        DrawLine(painter, 3, 3, 3, 3, 0);
        painter.end();
        for (int x = 1; x < 5; ++x)
            QCOMPARE(at(image, x, 1), 0u);
        QCOMPARE(at(image, 5, 1), 0xFFFFFFu);
        QCOMPARE(at(image, 6, 5), 0u);
        QCOMPARE(at(image, 6, 6), 0xFFFFFFu);
        QCOMPARE(at(image, 3, 3), 0xFFFFFFu);
    }

    void rectIsAOnePixelFrame()
    {
        QImage image = canvas(8, 8);
        QPainter painter(&image);
        DrawRect(painter, 2, 2, 4, 3, 0);
        painter.end();
        QCOMPARE(at(image, 2, 2), 0u);
        QCOMPARE(at(image, 5, 4), 0u);
        QCOMPARE(at(image, 3, 3), 0xFFFFFFu);
        QCOMPARE(at(image, 6, 2), 0xFFFFFFu);
        QCOMPARE(at(image, 2, 5), 0xFFFFFFu);
    }

    void cornerPixelsAndRoundCorners()
    {
        QImage image = canvas(40, 30);
        QPainter painter(&image);
        SetCornerPixels(painter, 40, 30, 0);
        DrawRoundCorners(painter, 40, 30, RgbHex(0x0000FF));
        painter.end();
        QCOMPARE(at(image, 1, 1), 0u);
        QCOMPARE(at(image, 38, 1), 0u);
        QCOMPARE(at(image, 1, 28), 0u);
        QCOMPARE(at(image, 38, 28), 0u);
        for (const QPoint p : {QPoint(7, 1), QPoint(32, 1), QPoint(7, 28), QPoint(32, 28),
                               QPoint(1, 8), QPoint(38, 21), QPoint(4, 4)})
            QCOMPARE(at(image, p.x(), p.y()), 0x0000FFu);
        QCOMPARE(at(image, 2, 2), 0xFFFFFFu);
    }

    void focusRectInvertsEveryOtherPixel()
    {
        QImage image = canvas(10, 10);
        QPainter painter(&image);
        DrawFocusRect(painter, 2, 2, 8, 8);
        painter.end();
        QCOMPARE(at(image, 2, 2), 0x000000u);
        QCOMPARE(at(image, 3, 2), 0xFFFFFFu);
        QCOMPARE(at(image, 4, 2), 0x000000u);
        QCOMPARE(at(image, 7, 7), 0x000000u);
        QCOMPARE(at(image, 4, 4), 0xFFFFFFu);
        QCOMPARE(at(image, 8, 8), 0xFFFFFFu);

        // A window surface with an alpha channel stays opaque.
        QImage surface(10, 10, QImage::Format_ARGB32_Premultiplied);
        surface.fill(QColor(0x20, 0x40, 0x60));
        QPainter surfacePainter(&surface);
        DrawFocusRect(surfacePainter, 2, 2, 8, 8);
        surfacePainter.end();
        QCOMPARE(surface.pixel(2, 2), qRgba(0xDF, 0xBF, 0x9F, 0xFF));
    }

    void roundedOutlines()
    {
        // Corner 3 cuts the one corner pixel; the region covers the whole surface otherwise.
        const QRegion small = StyleRegion(4, 103, 33);
        QVERIFY(!small.contains(QPoint(0, 0)));
        QVERIFY(!small.contains(QPoint(102, 0)));
        QVERIFY(!small.contains(QPoint(0, 32)));
        QVERIFY(!small.contains(QPoint(102, 32)));
        QVERIFY(small.contains(QPoint(1, 0)));
        QVERIFY(small.contains(QPoint(0, 1)));
        QVERIFY(small.contains(QPoint(102, 31)));
        QVERIFY(!small.contains(QPoint(103, 10)));

        // Corner 18 follows the round style's curved outline.
        const QRegion round = StyleRegion(14, 100, 40);
        QVERIFY(!round.contains(QPoint(4, 1)));
        QVERIFY(round.contains(QPoint(5, 1)));
        QVERIFY(!round.contains(QPoint(0, 5)));
        QVERIFY(round.contains(QPoint(1, 5)));
        QVERIFY(round.contains(QPoint(50, 0)));
        QVERIFY(round.contains(QPoint(0, 20)));

        QCOMPARE(StyleRegion(5, 50, 20), QRegion(0, 0, 50, 20));
    }

    void disabledBitmapIsOpaqueGrey()
    {
        // An odd width leaves padding at the end of each row of a packed bitmap; every
        // pixel must still come out as the mean of its own three channels.
        QImage bitmap(5, 3, QImage::Format_RGB32);
        bitmap.fill(QColor(255, 0, 0));
        bitmap.setPixel(4, 2, qRgb(10, 20, 30));
        QImage image = canvas(5, 3);
        image.fill(Qt::blue);
        QPainter painter(&image);
        DrawDisabledPicture(painter, ButtonPicture::fromBitmap(bitmap), 0, 0, 5, 3);
        painter.end();
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 5; ++x) {
                const quint32 expected = (x == 4 && y == 2) ? 0x141414u : 0x555555u;
                QCOMPARE(at(image, x, y), expected);
            }
        }
    }

    void disabledIconKeepsTransparency()
    {
        QImage pixels(16, 16, QImage::Format_ARGB32);
        pixels.fill(Qt::transparent);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 8; ++x)
                pixels.setPixel(x, y, qRgba(0, 0, 255, 255));
        }
        const ButtonPicture icon = ButtonPicture::fromIcon(QIcon(QPixmap::fromImage(pixels)));
        QImage image = canvas(16, 16);
        image.fill(QColor(0, 255, 0));
        QPainter painter(&image);
        DrawDisabledPicture(painter, icon, 0, 0, 16, 16);
        painter.end();
        QCOMPARE(at(image, 2, 5), 0x555555u);
        QCOMPARE(at(image, 12, 5), 0x00FF00u);
    }
};

QTEST_MAIN(TestButtonPaint)
#include "tst_buttonpaint.moc"
