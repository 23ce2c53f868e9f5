#include "controls/orlaframes.h"
#include "controls/orlaframescolor.h"
#include "controls/orlaframesinstances.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using OrlaFramesColor::rgb;

namespace {

// Colours that cannot be mistaken for one another, nor for a blend of caption and fill.
const QColor Back(0, 160, 0);
const QColor Fill(255, 255, 255);
const QColor Outline(0, 0, 255);
const QColor Text(255, 0, 0);

// A frame with the colours above and a fixed font, on a host window of its own.
struct Fixture
{
    QWidget host;
    OrlaFrames *frame = new OrlaFrames(&host);

    Fixture(const QString &caption, qint32 alignment, QSize size, bool rounded = true)
    {
        frame->resize(size);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(9);
        frame->setFontFrom(font);
        frame->setBackColor(OrlaFramesColor::fromQColor(Back));
        frame->setFillColor(OrlaFramesColor::fromQColor(Fill));
        frame->setFrameColor(OrlaFramesColor::fromQColor(Outline));
        frame->setTextColor(OrlaFramesColor::fromQColor(Text));
        frame->setRoundedCorner(rounded);
        frame->setAlignment(alignment);
        frame->setCaption(caption);
    }

    QColor at(int x, int y) const { return frame->surface().pixelColor(x, y); }
};

// The columns where any pixel is neither background, fill nor outline: the caption's ink.
QPair<int, int> inkColumns(const QImage &image, int rows)
{
    int first = image.width();
    int last = -1;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor color = image.pixelColor(x, y);
            if (color != Back && color != Fill && color != Outline) {
                first = qMin(first, x);
                last = qMax(last, x);
            }
        }
    }
    return {first, last};
}

} // namespace

class TestOrlaFramesDrawing final : public QObject
{
    Q_OBJECT

private slots:
    void emptyCaptionPutsTheTopEdgeOnRowZero()
    {
        Fixture f(QString(), OrlaFrames::AlignLeft, QSize(120, 60));
        QCOMPARE(f.frame->frameTop(), 0);
        QCOMPARE(f.frame->captionSize(), QSize(0, 0));
        for (int x = 6; x < 114; ++x)
            QCOMPARE(f.at(x, 0), Outline);
        QCOMPARE(f.at(0, 30), Outline);
        QCOMPARE(f.at(119, 30), Outline);
        QCOMPARE(f.at(60, 59), Outline);
        QCOMPARE(f.at(60, 30), Fill);
        QCOMPARE(inkColumns(f.frame->surface(), 60).second, -1);
    }

    void gapAndCaptionFollowAlignment_data()
    {
        QTest::addColumn<qint32>("alignment");
        QTest::addColumn<int>("width");
        QTest::newRow("left") << 0 << 200;
        QTest::newRow("right") << 1 << 200;
        QTest::newRow("centre, even width") << 2 << 200;
        QTest::newRow("centre, odd width") << 2 << 201;
        QTest::newRow("other values centre") << 7 << 200;
    }

    void gapAndCaptionFollowAlignment()
    {
        QFETCH(qint32, alignment);
        QFETCH(int, width);
        Fixture f(QStringLiteral("Emphasis"), alignment, QSize(width, 80));
        const int w = f.frame->captionSize().width();
        const int h = f.frame->captionSize().height();
        QVERIFY(w > 20);
        QVERIFY(h > 8);
        const int top = int(std::nearbyint(h / 2.0));
        QCOMPARE(f.frame->frameTop(), top);

        int x = 0;
        if (alignment == 0)
            x = 15;
        else if (alignment == 1)
            x = width - w - 21;
        else
            x = int(std::nearbyint((width - w) / 2.0));

        // The top edge runs up to x, is interrupted from x to x + W + 6 (end excluded) and runs
        // on from there.
        QCOMPARE(f.at(x - 1, top), Outline);
        for (int i = x; i < x + w + 6; ++i)
            QVERIFY2(f.at(i, top) != Outline, qPrintable(QString::number(i)));
        QCOMPARE(f.at(x + w + 6, top), Outline);
        // Above the frame is the background; below the top edge the fill.
        QCOMPARE(f.at(x - 1, top - 1), Back);
        QCOMPARE(f.at(width / 2, 60), Fill);

        // The caption's ink starts at x + 3, give or take its first letter's bearing, and stays
        // inside the caption rectangle.
        const auto [first, last] = inkColumns(f.frame->surface(), h);
        QVERIFY2(first >= x + 3 && first <= x + 5, qPrintable(QString::number(first)));
        QVERIFY2(last < x + w + 3, qPrintable(QString::number(last)));
        QCOMPARE(inkColumns(f.frame->surface(), 80).first, first);
    }

    void cornersAreRoundedOrSquare_data()
    {
        QTest::addColumn<bool>("rounded");
        QTest::newRow("rounded") << true;
        QTest::newRow("square") << false;
    }

    void cornersAreRoundedOrSquare()
    {
        QFETCH(bool, rounded);
        Fixture f(QStringLiteral("Box"), OrlaFrames::AlignLeft, QSize(100, 70), rounded);
        const int top = f.frame->frameTop();
        const QPoint corners[] = {{0, top}, {99, top}, {0, 69}, {99, 69}};
        for (const QPoint corner : corners)
            QCOMPARE(f.at(corner.x(), corner.y()), rounded ? Back : Outline);
        // The sides themselves are there either way, one pixel wide.
        QCOMPARE(f.at(0, 40), Outline);
        QCOMPARE(f.at(1, 40), Fill);
        QCOMPARE(f.at(99, 40), Outline);
        QCOMPARE(f.at(98, 40), Fill);
        QCOMPARE(f.at(50, 69), Outline);
        QCOMPARE(f.at(50, 68), Fill);
        QCOMPARE(f.at(80, top), Outline);
        QCOMPARE(f.at(80, top + 1), Fill);
        if (rounded) {
            // The curve of a 10 x 10 ellipse, closed and the same in every corner.
            const QPoint outline[] = {{3, 0}, {4, 0}, {1, 1}, {2, 1}, {1, 2}, {0, 3}, {0, 4}};
            const QPoint outside[] = {{0, 0}, {2, 0}, {0, 1}, {0, 2}};
            const QPoint inside[] = {{3, 1}, {2, 2}, {1, 3}};
            for (int corner = 0; corner < 4; ++corner) {
                const auto at = [&](QPoint p) {
                    const int x = corner & 1 ? 99 - p.x() : p.x();
                    const int y = corner & 2 ? 69 - p.y() : top + p.y();
                    return f.at(x, y);
                };
                for (const QPoint p : outline)
                    QCOMPARE(at(p), Outline);
                for (const QPoint p : outside)
                    QCOMPARE(at(p), Back);
                for (const QPoint p : inside)
                    QCOMPARE(at(p), Fill);
            }
        }
    }

    void narrowFrameClipsTheCaption()
    {
        Fixture f(QStringLiteral("Instructive message"), OrlaFrames::AlignRight, QSize(60, 50));
        const int w = f.frame->captionSize().width();
        QVERIFY(60 < w + 21);
        const int top = f.frame->frameTop();
        const int x = 60 - w - 21;
        QVERIFY(x < 0);
        // The gap starts before the frame's left edge; the top edge resumes at x + W + 6.
        for (int i = 0; i < x + w + 6; ++i)
            QVERIFY(f.at(i, top) != Outline);
        QCOMPARE(f.at(x + w + 6, top), Outline);
        QCOMPARE(f.at(59, 30), Outline);
        QCOMPARE(f.at(0, 30), Outline);
        // What shows of the caption is clipped at the caption rectangle's right end.
        const auto [first, last] = inkColumns(f.frame->surface(), 50);
        QVERIFY(first >= 0);
        QVERIFY(last < x + w + 3);
    }

    void styleZeroPresetDrawsBlueCaptionOnTheRight()
    {
        Fixture f(QStringLiteral("Settings"), OrlaFrames::AlignLeft, QSize(200, 60));
        const quint32 hostBack =
            OrlaFramesColor::fromQColor(f.host.palette().color(QPalette::Window));
        QSignalSpy spy(f.frame, &OrlaFrames::propertyChanged);
        f.frame->setStyleIndex(0);
        QStringList keys;
        for (const QList<QVariant> &arguments : spy)
            keys.append(arguments.at(0).toString());
        keys.sort();
        QCOMPARE(keys, QStringList({"Alignment", "FillColor", "FrameColor", "Style", "TextBoxColor",
                                    "TextBoxHeight", "TextColor"}));
        QCOMPARE(f.frame->TextColor(), rgb(3, 54, 207));
        QCOMPARE(f.frame->FrameColor(), rgb(195, 195, 195));
        QCOMPARE(f.frame->Alignment(), OrlaFrames::AlignRight);
        QCOMPARE(f.frame->TextBoxColor(), rgb(255, 255, 255));
        QCOMPARE(f.frame->TextBoxHeight(), 22);
        QCOMPARE(f.frame->FillColor(), hostBack);

        const int top = f.frame->frameTop();
        const int w = f.frame->captionSize().width();
        QCOMPARE(f.at(0, 40), QColor(195, 195, 195));
        QCOMPARE(f.at(200 - w - 22, top), QColor(195, 195, 195));
        // The caption sits right of the middle and is drawn in the preset blue: its darkest
        // pixels are exactly that colour.
        bool blue = false;
        for (int y = 0; y < f.frame->captionSize().height(); ++y) {
            for (int x = 0; x < 200; ++x) {
                const QColor color = f.at(x, y);
                if (color == QColor(3, 54, 207)) {
                    blue = true;
                    QVERIFY(x > 100);
                }
            }
        }
        QVERIFY(blue);
    }

    void otherStylesDrawNoFrameAndPlaceThePicture_data()
    {
        QTest::addColumn<qint32>("style");
        QTest::addColumn<qint32>("iconAlignment");
        QTest::addColumn<int>("left");
        QTest::newRow("style 0 never draws it") << 0 << 0 << -1;
        QTest::newRow("left") << 3 << 0 << 6;
        QTest::newRow("right") << 3 << 1 << 100 - 6 - 20;
    }

    void otherStylesDrawNoFrameAndPlaceThePicture()
    {
        QFETCH(qint32, style);
        QFETCH(qint32, iconAlignment);
        QFETCH(int, left);
        Fixture f(QStringLiteral("Pic"), OrlaFrames::AlignLeft, QSize(100, 50));
        QPixmap picture(8, 8);
        picture.fill(QColor(255, 0, 255));
        f.frame->setPicture(picture);
        f.frame->setIconSize(20);
        f.frame->setIconAlignment(iconAlignment);
        // A non-zero style keeps the colours as they are.
        const quint32 frameColor = f.frame->FrameColor();
        f.frame->setStyleIndex(style);
        if (style != 0)
            QCOMPARE(f.frame->FrameColor(), frameColor);

        int magenta = 0;
        QRect box;
        const QImage &surface = f.frame->surface();
        for (int y = 0; y < surface.height(); ++y) {
            for (int x = 0; x < surface.width(); ++x) {
                const QColor color = surface.pixelColor(x, y);
                if (color == QColor(255, 0, 255)) {
                    ++magenta;
                    box |= QRect(x, y, 1, 1);
                } else if (style != 0) {
                    QCOMPARE(color, Back);
                }
            }
        }
        if (left < 0) {
            QCOMPARE(magenta, 0);
        } else {
            QCOMPARE(box, QRect(left, 2, 20, 20));
            QCOMPARE(magenta, 400);
        }
    }

    void drawingSurvivesBeingCoveredAndResized()
    {
        Fixture f(QStringLiteral("About"), OrlaFrames::AlignLeft, QSize(150, 80));
        f.host.resize(200, 120);
        auto *cover = new QWidget(&f.host);
        cover->setAutoFillBackground(true);
        cover->setGeometry(0, 0, 200, 120);
        f.host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.host));
        cover->raise();
        cover->hide();
        QTRY_COMPARE(f.frame->grab().toImage().convertToFormat(QImage::Format_RGB32),
                     f.frame->surface());
        QCOMPARE(f.at(0, 40), Outline);

        f.frame->resize(90, 60);
        QCOMPARE(f.frame->surface().size(), QSize(90, 60));
        QCOMPARE(f.at(89, 40), Outline);
        QCOMPARE(f.at(45, 59), Outline);
        QTRY_COMPARE(f.frame->grab().toImage().convertToFormat(QImage::Format_RGB32),
                     f.frame->surface());
    }

    void systemColoursFollowThePalette()
    {
        Fixture f(QString(), OrlaFrames::AlignLeft, QSize(60, 40));
        f.frame->setFrameColor(OrlaFramesColor::systemColor(10));
        f.frame->setFillColor(OrlaFramesColor::systemColor(5));
        f.frame->setBackColor(OrlaFramesColor::systemColor(15));
        const QPalette original = QApplication::palette();
        QCOMPARE(f.at(0, 20).rgb(), original.color(QPalette::Mid).rgb());
        QCOMPARE(f.at(30, 20).rgb(), original.color(QPalette::Base).rgb());

        QPalette changed = original;
        changed.setColor(QPalette::Mid, QColor(1, 2, 3));
        changed.setColor(QPalette::Base, QColor(4, 5, 6));
        changed.setColor(QPalette::Button, QColor(7, 8, 9));
        QApplication::setPalette(changed);
        QTRY_COMPARE(f.at(0, 20), QColor(1, 2, 3));
        QCOMPARE(f.at(30, 20), QColor(4, 5, 6));
        QCOMPARE(f.at(0, 0), QColor(7, 8, 9));
        QCOMPARE(f.frame->palette().color(QPalette::Window), QColor(7, 8, 9));
        QApplication::setPalette(original);
    }

    // Not a check: a picture of a few frames in the build folder, to look at.
    void writesPreview()
    {
        QImage sheet(640, 560, QImage::Format_RGB32);
        sheet.fill(QColor(240, 240, 240));
        QPainter painter(&sheet);
        int slot = 0;
        const auto place = [&](const OrlaFrames &frame) {
            painter.drawImage(QPoint(10 + (slot % 3) * 210, 10 + (slot / 3) * 110),
                              frame.surface());
            ++slot;
        };
        const QString captions[] = {QStringLiteral("Left caption"), QStringLiteral("Right caption"),
                                    QStringLiteral("Centred caption")};
        for (int rounded = 1; rounded >= 0; --rounded) {
            for (int alignment = 0; alignment < 3; ++alignment) {
                Fixture f(captions[alignment], alignment, QSize(200, 100), rounded != 0);
                place(*f.frame);
            }
        }
        {
            Fixture f(QStringLiteral("Style 0 preset"), 0, QSize(200, 100));
            f.frame->setStyleIndex(0);
            place(*f.frame);
        }
        {
            Fixture f(QString(), 0, QSize(200, 100));
            place(*f.frame);
        }
        {
            Fixture f(QStringLiteral("A caption far too long"), 1, QSize(80, 100));
            place(*f.frame);
        }
        QWidget host;
        for (int i = 0; i < 4; ++i) {
            OrlaFrames *frame = i < 2 ? OrlaFramesInstances::makeKindPanelFrame(&host, i * 2)
                                      : (i == 2 ? OrlaFramesInstances::makeSettingsFrame(&host)
                                                : OrlaFramesInstances::makeAboutFrame(&host));
            frame->resize(200, 100);
            // A frame that was never shown gets its resize when it is first drawn.
            painter.drawImage(QPoint(10 + (slot % 3) * 210, 10 + (slot / 3) * 110),
                              frame->grab().toImage());
            ++slot;
        }
        painter.end();
        const QString path =
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("orlaframes.png"));
        QVERIFY(sheet.save(path));
        qInfo("preview: %s", qPrintable(path));
    }
};

QTEST_MAIN(TestOrlaFramesDrawing)
#include "tst_orlaframesdrawing.moc"
