#include "controls/buttonlayout.h"
#include "controls/buttonpaint.h"
#include "controls/tavibutton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

namespace {

quint32 at(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}

ContentInput buttonOf103By33()
{
    ContentInput input;
    input.width = 103;
    input.height = 33;
    input.text = QSize(40, 13);
    input.picture = QSize(16, 16);
    input.hasPicture = true;
    input.pictureAlign = 0;
    input.captionAlign = 1;
    input.style = 4;
    return input;
}

QImage filled(int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

bool contains(const QImage &image, const QRect &area, quint32 rgb)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (at(image, x, y) == rgb)
                return true;
        }
    }
    return false;
}

} // namespace

class TestButtonLayout final : public QObject
{
    Q_OBJECT

private slots:
    void accessKey_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QChar>("key");
        QTest::newRow("Save &As") << QStringLiteral("Save &As") << QChar(u'a');
        QTest::newRow("A&&B") << QStringLiteral("A&&B") << QChar();
        QTest::newRow("&&x&y") << QStringLiteral("&&x&y") << QChar(u'y');
        QTest::newRow("x&") << QStringLiteral("x&") << QChar();
        QTest::newRow("&") << QStringLiteral("&") << QChar();
        QTest::newRow("&&&") << QStringLiteral("&&&") << QChar();
        QTest::newRow("none") << QStringLiteral("Start") << QChar();
        QTest::newRow("beyond ASCII") << QStringLiteral("&Übernehmen") << QChar(u'ü');
    }

    void accessKey()
    {
        QFETCH(QString, caption);
        QFETCH(QChar, key);
        QCOMPARE(AccessKeyOf(caption), key);
    }

    void placement_data()
    {
        QTest::addColumn<int>("pictureAlign");
        QTest::addColumn<int>("captionAlign");
        QTest::addColumn<bool>("hasPicture");
        QTest::addColumn<QPoint>("picture");
        QTest::addColumn<QPoint>("caption");
        // 103 x 33, a 16 x 16 picture and a 40 x 13 caption.
        QTest::newRow("left edge") << 0 << 1 << true << QPoint(4, 8) << QPoint(39, 10);
        QTest::newRow("left of caption") << 1 << 1 << true << QPoint(23, 8) << QPoint(42, 10);
        QTest::newRow("right edge") << 2 << 1 << true << QPoint(83, 8) << QPoint(31, 10);
        QTest::newRow("right of caption") << 3 << 1 << true << QPoint(63, 8) << QPoint(20, 10);
        QTest::newRow("behind") << 4 << 1 << true << QPoint(43, 8) << QPoint(31, 10);
        QTest::newRow("top edge") << 5 << 1 << true << QPoint(43, 4) << QPoint(31, 20);
        QTest::newRow("above") << 6 << 1 << true << QPoint(43, 4) << QPoint(31, 20);
        QTest::newRow("bottom edge") << 7 << 1 << true << QPoint(43, 13) << QPoint(31, 0);
        QTest::newRow("below") << 8 << 1 << true << QPoint(43, 13) << QPoint(31, 0);
        QTest::newRow("left edge, caption left")
            << 0 << 0 << true << QPoint(4, 8) << QPoint(24, 10);
        QTest::newRow("left of, caption left") << 1 << 0 << true << QPoint(4, 8) << QPoint(24, 10);
        QTest::newRow("right of, caption left") << 3 << 0 << true << QPoint(44, 8) << QPoint(4, 10);
        QTest::newRow("left edge, caption right")
            << 0 << 2 << true << QPoint(4, 8) << QPoint(59, 10);
        QTest::newRow("left of, caption right")
            << 1 << 2 << true << QPoint(39, 8) << QPoint(59, 10);
        QTest::newRow("right edge, caption right")
            << 2 << 2 << true << QPoint(83, 8) << QPoint(43, 10);
        QTest::newRow("no picture, left") << 0 << 0 << false << QPoint(0, 0) << QPoint(4, 10);
        QTest::newRow("no picture, centre") << 0 << 1 << false << QPoint(0, 0) << QPoint(31, 10);
        QTest::newRow("no picture, right") << 0 << 2 << false << QPoint(0, 0) << QPoint(59, 10);
    }

    void placement()
    {
        QFETCH(int, pictureAlign);
        QFETCH(int, captionAlign);
        QFETCH(bool, hasPicture);
        QFETCH(QPoint, picture);
        QFETCH(QPoint, caption);
        ContentInput input = buttonOf103By33();
        input.pictureAlign = pictureAlign;
        input.captionAlign = captionAlign;
        input.hasPicture = hasPicture;
        const ContentLayout layout = LayoutContent(input);
        QCOMPARE(layout.picturePos, picture);
        QCOMPARE(layout.caption.topLeft(), caption);
        QCOMPARE(layout.caption.size(), QSize(40, 13));
    }

    void accessKeyMovesCaptionRight()
    {
        ContentInput input = buttonOf103By33();
        const int without = LayoutContent(input).caption.left();
        input.hasAccessKey = true;
        QCOMPARE(LayoutContent(input).caption.left(), without + 3);
    }

    void pressedOffsets_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QPoint>("picture");
        QTest::addColumn<QRect>("caption");
        QTest::addColumn<bool>("focusRect");
        QTest::newRow("style 4") << 4 << false << QPoint(4, 8) << QRect(39, 10, 40, 13) << true;
        QTest::newRow("style 4 down")
            << 4 << true << QPoint(4, 8) << QRect(39, 10, 40, 13) << false;
        QTest::newRow("style 0 down")
            << 0 << true << QPoint(5, 9) << QRect(40, 11, 40, 13) << false;
        QTest::newRow("style 8 down")
            << 8 << true << QPoint(5, 9) << QRect(40, 11, 40, 13) << false;
        QTest::newRow("style 5") << 5 << false << QPoint(3, 7) << QRect(37, 8, 40, 13) << false;
        QTest::newRow("style 5 down")
            << 5 << true << QPoint(6, 10) << QRect(40, 12, 40, 12) << false;
    }

    void pressedOffsets()
    {
        QFETCH(int, style);
        QFETCH(bool, down);
        QFETCH(QPoint, picture);
        QFETCH(QRect, caption);
        QFETCH(bool, focusRect);
        ContentInput input = buttonOf103By33();
        input.style = style;
        input.state = down ? ButtonState::Down : ButtonState::Normal;
        const ContentLayout layout = LayoutContent(input);
        QCOMPARE(layout.picturePos, picture);
        QCOMPARE(layout.caption, caption);
        QCOMPARE(layout.captionFocusRect.has_value(), focusRect);
        if (focusRect)
            QCOMPARE(*layout.captionFocusRect, QRect(37, 10, 43, 14));
    }

    void pictureTooLargeIsReduced()
    {
        ContentInput input = buttonOf103By33();
        input.width = 30;
        input.height = 20;
        input.picture = QSize(32, 32);
        const ContentLayout layout = LayoutContent(input);
        QCOMPARE(layout.picturePos, QPoint(4, 1));
        QCOMPARE(layout.pictureSize, QSize(22, 16));
    }

    void pictureDrawSize()
    {
        const ButtonPicture bitmap = ButtonPicture::fromBitmap(filled(20, 12, Qt::red));
        QCOMPARE(PictureDrawSize(0, bitmap), QSize(20, 12));
        QCOMPARE(PictureDrawSize(0, ButtonPicture()), QSize(0, 0));
        QCOMPARE(PictureDrawSize(1, bitmap), QSize(16, 16));
        QCOMPARE(PictureDrawSize(2, bitmap), QSize(24, 24));
        QCOMPARE(PictureDrawSize(3, ButtonPicture()), QSize(32, 32));
    }

    // Pictures as the button draws them: a 103 x 33 style 4 button, picture at the left edge
    // (4, 8), 16 x 16.
    void init()
    {
        m_host = std::make_unique<QWidget>();
        m_button = new TaviButton(m_host.get());
        m_button->setButtonStyle(4);
        m_button->setCaption(QString());
        m_button->setPictureAlign(0);
        m_button->setPictureSize(1);
        m_button->setGeometry(0, 0, 103, 33);
    }

    void cleanup() { m_host.reset(); }

    void bitmapIsCutIconIsScaled()
    {
        QImage big = filled(32, 32, Qt::blue);
        QPainter(&big).fillRect(0, 0, 16, 16, Qt::red);
        m_button->setPicture(ButtonPicture::fromBitmap(big));
        QImage image = m_button->snapshot();
        QCOMPARE(at(image, 4, 8), 0xFF0000u);
        QCOMPARE(at(image, 19, 23), 0xFF0000u);

        QImage halves = filled(32, 32, Qt::blue);
        QPainter(&halves).fillRect(0, 0, 16, 32, Qt::red);
        m_button->setPicture(ButtonPicture::fromIcon(QIcon(QPixmap::fromImage(halves))));
        image = m_button->snapshot();
        QCOMPARE(at(image, 5, 16), 0xFF0000u);
        QCOMPARE(at(image, 18, 16), 0x0000FFu);
    }

    void maskColour()
    {
        QImage bitmap = filled(16, 16, Qt::white);
        bitmap.setPixel(8, 8, qRgb(0, 0, 0));
        m_button->setPicture(ButtonPicture::fromBitmap(bitmap));
        m_button->setMaskColor(RgbHex(0xFFFFFF));
        const quint32 face = at(m_button->snapshot(), 40, 16);

        // Without the mask colour the bitmap is copied opaque.
        QImage image = m_button->snapshot();
        QCOMPARE(at(image, 5, 9), 0xFFFFFFu);
        QCOMPARE(at(image, 12, 16), 0x000000u);

        m_button->setUseMaskColor(true);
        image = m_button->snapshot();
        QCOMPARE(at(image, 5, 16), face);
        QCOMPARE(at(image, 12, 16), 0x000000u);
    }

    void disabledPictureAndCaptionAreGrey()
    {
        QPalette palette = m_button->palette();
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0xFF, 0x00, 0xFF));
        m_button->setPalette(palette);
        QFont font = m_button->font();
        font.setPixelSize(14);
        font.setBold(true);
        m_button->setFont(font);
        m_button->setCaption(QStringLiteral("MMMM"));
        m_button->setForeColor(RgbHex(0x0000FF));
        m_button->setPicture(ButtonPicture::fromBitmap(filled(16, 16, Qt::red)));
        const QRect captionArea(30, 4, 70, 26);

        QImage image = m_button->snapshot();
        QCOMPARE(at(image, 8, 12), 0xFF0000u);
        QVERIFY(contains(image, captionArea, 0x0000FFu));

        m_button->setEnabled(false);
        image = m_button->snapshot();
        QCOMPARE(at(image, 8, 12), 0x555555u);
        QVERIFY(contains(image, captionArea, 0xFF00FFu));
        QVERIFY(!contains(image, captionArea, 0x0000FFu));
    }

    void hoverPictureOfAnotherKindIsIgnored()
    {
        m_button->setPicture(ButtonPicture::fromBitmap(filled(16, 16, Qt::red)));
        m_button->setPictureHover(
            ButtonPicture::fromIcon(QIcon(QPixmap::fromImage(filled(16, 16, Qt::green)))));
        hover();
        QCOMPARE(m_button->State(), ButtonState::Hot);
        QCOMPARE(at(m_button->snapshot(), 8, 12), 0xFF0000u);

        m_button->setPictureHover(ButtonPicture::fromBitmap(filled(16, 16, Qt::green)));
        QCOMPARE(at(m_button->snapshot(), 8, 12), 0x00FF00u);
    }

    void hoverPictureAloneBecomesThePicture()
    {
        m_button->setPictureHover(ButtonPicture::fromBitmap(filled(16, 16, Qt::green)));
        QCOMPARE(m_button->Picture().kind(), ButtonPicture::Kind::Bitmap);
        QCOMPARE(at(m_button->snapshot(), 8, 12), 0x00FF00u);
    }

private:
    void hover()
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(50, 16), QPointF(50, 16), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(m_button, &move);
    }

    std::unique_ptr<QWidget> m_host;
    TaviButton *m_button = nullptr;
};

QTEST_MAIN(TestButtonLayout)
#include "tst_buttonlayout.moc"
