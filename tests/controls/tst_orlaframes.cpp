#include "controls/orlaframes.h"
#include "controls/orlaframescolor.h"
#include "controls/orlaframesinstances.h"
#include "controls/orlaframespropertybag.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <utility>

using OrlaFramesColor::rgb;
using OrlaFramesColor::systemColor;

Q_DECLARE_METATYPE(OrlaFrames::ThemeColors)

namespace {

// A window with a background colour of its own, so that "the host's" values can be told apart
// from anything else.
class Host final
{
public:
    Host()
    {
        QPalette palette = m_window.palette();
        palette.setColor(QPalette::Window, QColor(12, 34, 56));
        m_window.setPalette(palette);
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSizeF(11);
        m_window.setFont(font);
        m_window.resize(400, 300);
    }

    QWidget *window() { return &m_window; }
    static quint32 backColor() { return rgb(12, 34, 56); }

private:
    QWidget m_window;
};

QStringList keysOf(const QSignalSpy &spy)
{
    QStringList keys;
    for (const QList<QVariant> &arguments : spy)
        keys.append(arguments.at(0).toString());
    return keys;
}

void sendMouseMove(QWidget *target, QPoint position, Qt::MouseButtons buttons,
                   Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(position), QPointF(target->mapToGlobal(position)),
                      Qt::NoButton, buttons, modifiers);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestOrlaFrames final : public QObject
{
    Q_OBJECT

private slots:
    void newInstanceTakesStartingValues()
    {
        Host host;
        OrlaFrames frame(host.window());
        frame.setObjectName(QStringLiteral("OrlaFrames7"));
        frame.initProperties();

        QCOMPARE(frame.Caption(), QStringLiteral("OrlaFrames7"));
        QCOMPARE(frame.BackColor(), Host::backColor());
        QCOMPARE(frame.FillColor(), Host::backColor());
        QCOMPARE(frame.FrameColor(), 0u);
        QCOMPARE(frame.TextColor(), 0u);
        QCOMPARE(frame.Alignment(), OrlaFrames::AlignCenter);
        QVERIFY(frame.RoundedCorner());
        QCOMPARE(frame.Style(), 0);
        QCOMPARE(frame.TextBoxColor(), rgb(255, 255, 255));
        QCOMPARE(frame.TextBoxHeight(), 22);
        QVERIFY(!frame.RoundedCornerTxtBox());
        QVERIFY(frame.Picture().isNull());
        QCOMPARE(frame.IconSize(), qint16(16));
        QCOMPARE(frame.IconAlignment(), 0);
        QCOMPARE(frame.ThemeColor(), 0);
        QCOMPARE(frame.ColorFrom(), 0u);
        QCOMPARE(frame.ColorTo(), 0u);
        QCOMPARE(frame.themeColors(), OrlaFrames::themeFor(0, 0, 0, 0));
        QCOMPARE(frame.textFormat(), int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine));
        // The caption font is the frame's own, not the host's.
        QVERIFY(frame.Font().family() != host.window()->font().family());
    }

    void everySetterButCaptionReportsItsKey()
    {
        Host host;
        OrlaFrames frame(host.window());
        QPixmap picture(8, 8);
        picture.fill(Qt::red);
        const std::pair<QString, std::function<void()>> setters[] = {
            {"FrameColor",
             [&] {
                 frame.setFrameColor(rgb(1, 2, 3));
             }},
            {"BackColor",
             [&] {
                 frame.setBackColor(rgb(1, 2, 3));
             }},
            {"FillColor",
             [&] {
                 frame.setFillColor(rgb(1, 2, 3));
             }},
            {"TextColor",
             [&] {
                 frame.setTextColor(rgb(1, 2, 3));
             }},
            {"Alignment",
             [&] {
                 frame.setAlignment(0);
             }},
            {"RoundedCorner",
             [&] {
                 frame.setRoundedCorner(false);
             }},
            {"Font",
             [&] {
                 frame.setFontFrom(QFont(QStringLiteral("DejaVu Sans")));
             }},
            {"Style",
             [&] {
                 frame.setStyleIndex(3);
             }},
            {"TextBoxColor",
             [&] {
                 frame.setTextBoxColor(rgb(1, 2, 3));
             }},
            {"TextBoxHeight",
             [&] {
                 frame.setTextBoxHeight(30);
             }},
            {"RoundedCornerTxtBox",
             [&] {
                 frame.setRoundedCornerTxtBox(true);
             }},
            {"Picture",
             [&] {
                 frame.setPicture(picture);
             }},
            {"IconSize",
             [&] {
                 frame.setIconSize(24);
             }},
            {"IconAlignment",
             [&] {
                 frame.setIconAlignment(1);
             }},
            {"ThemeColor",
             [&] {
                 frame.setThemeColor(3);
             }},
            {"ColorFrom",
             [&] {
                 frame.setColorFrom(rgb(1, 2, 3));
             }},
            {"ColorTo",
             [&] {
                 frame.setColorTo(rgb(1, 2, 3));
             }},
        };
        for (const auto &[key, set] : setters) {
            QSignalSpy spy(&frame, &OrlaFrames::propertyChanged);
            set();
            QCOMPARE(keysOf(spy), QStringList{key});
        }

        QSignalSpy spy(&frame, &OrlaFrames::propertyChanged);
        frame.setCaption(QStringLiteral("Quiet"));
        QCOMPARE(frame.Caption(), QStringLiteral("Quiet"));
        QCOMPARE(spy.count(), 0);
    }

    void settersCarryTheirFurtherEffects()
    {
        Host host;
        OrlaFrames frame(host.window());

        frame.setBackColor(rgb(200, 100, 50));
        QCOMPARE(frame.palette().color(QPalette::Window), QColor(200, 100, 50));
        QCOMPARE(frame.surface().pixelColor(frame.width() - 1, 0), QColor(200, 100, 50));

        frame.setAlignment(0);
        QCOMPARE(frame.textFormat(), int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine));
        frame.setAlignment(1);
        QCOMPARE(frame.textFormat(), int(Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine));
        frame.setAlignment(9);
        QCOMPARE(frame.textFormat(), int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine));

        // The font is copied: family, size, bold and italic, nothing else, and later changes of
        // the caller's font do not reach the frame.
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSizeF(14.5);
        font.setBold(true);
        font.setItalic(true);
        font.setUnderline(true);
        frame.setFontFrom(font);
        font.setPointSizeF(30);
        QCOMPARE(frame.Font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(frame.Font().pointSizeF(), 14.5);
        QVERIFY(frame.Font().bold());
        QVERIFY(frame.Font().italic());
        QVERIFY(!frame.Font().underline());

        // The frame colour becomes the theme's border only under theme 5; the start and end
        // colours are taken whatever the theme.
        const OrlaFrames::ThemeColors themeZero = OrlaFrames::themeFor(0, 0, 0, 0);
        frame.setFrameColor(rgb(9, 9, 9));
        QCOMPARE(frame.themeColors().border, themeZero.border);
        frame.setColorFrom(rgb(1, 1, 1));
        frame.setColorTo(rgb(2, 2, 2));
        QCOMPARE(frame.themeColors(),
                 OrlaFrames::ThemeColors({rgb(1, 1, 1), rgb(2, 2, 2), themeZero.border}));
        frame.setThemeColor(5);
        QCOMPARE(frame.themeColors(),
                 OrlaFrames::ThemeColors({rgb(1, 1, 1), rgb(2, 2, 2), rgb(9, 9, 9)}));
        frame.setFrameColor(rgb(7, 7, 7));
        QCOMPARE(frame.themeColors().border, rgb(7, 7, 7));
    }

    void themeColorReportsOnlyChanges()
    {
        OrlaFrames frame;
        QSignalSpy spy(&frame, &OrlaFrames::propertyChanged);
        frame.setThemeColor(0);
        QCOMPARE(spy.count(), 0);
        frame.setThemeColor(4);
        frame.setThemeColor(4);
        QCOMPARE(keysOf(spy), QStringList{QStringLiteral("ThemeColor")});
        QCOMPARE(frame.themeColors(),
                 OrlaFrames::ThemeColors({rgb(217, 172, 1), rgb(255, 239, 165), rgb(117, 91, 30)}));
    }

    void themeTable_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<OrlaFrames::ThemeColors>("colors");
        const OrlaFrames::ThemeColors other{rgb(153, 151, 180), rgb(244, 244, 251),
                                            rgb(75, 75, 111)};
        QTest::newRow("0") << 0
                           << OrlaFrames::ThemeColors{rgb(129, 169, 226), rgb(221, 236, 254),
                                                      rgb(0, 0, 128)};
        QTest::newRow("1") << 1 << other;
        QTest::newRow("2") << 2
                           << OrlaFrames::ThemeColors{rgb(181, 197, 143), rgb(247, 249, 225),
                                                      rgb(63, 93, 56)};
        QTest::newRow("3") << 3
                           << OrlaFrames::ThemeColors{rgb(194, 194, 171), rgb(248, 248, 242),
                                                      rgb(145, 145, 115)};
        QTest::newRow("5") << 5
                           << OrlaFrames::ThemeColors{rgb(10, 0, 0), rgb(20, 0, 0), rgb(30, 0, 0)};
        QTest::newRow("-1") << -1 << other;
        QTest::newRow("99") << 99 << other;
    }

    void themeTable()
    {
        QFETCH(int, theme);
        QFETCH(OrlaFrames::ThemeColors, colors);
        OrlaFrames frame;
        frame.setColorFrom(rgb(10, 0, 0));
        frame.setColorTo(rgb(20, 0, 0));
        frame.setFrameColor(rgb(30, 0, 0));
        // Setting the theme it already has would change nothing.
        frame.setThemeColor(theme == 0 ? 1 : 0);
        frame.setThemeColor(theme);
        QCOMPARE(frame.themeColors(), colors);
    }

    void savedFormKeepsWhatDiffersFromDefaults()
    {
        Host host;
        OrlaFrames fresh(host.window());
        fresh.setObjectName(QStringLiteral("OrlaFrames3"));
        fresh.initProperties();
        OrlaFramesPropertyBag freshBag;
        fresh.writeProperties(freshBag);
        // A new instance differs from the saved defaults only in its own new font (the saved
        // default is the host's) and its theme start and end colours.
        QCOMPARE(freshBag.names(), QStringList({"Font", "ColorFrom", "ColorTo"}));

        OrlaFrames frame(host.window());
        frame.setObjectName(QStringLiteral("OrlaFrames3"));
        QPixmap picture(4, 4);
        picture.fill(Qt::green);
        frame.setCaption(QStringLiteral("Kept"));
        frame.setFrameColor(systemColor(10));
        frame.setBackColor(systemColor(5));
        frame.setFillColor(rgb(1, 2, 3));
        frame.setTextColor(rgb(4, 5, 6));
        frame.setAlignment(0);
        frame.setRoundedCorner(false);
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPointSizeF(8.25);
        font.setItalic(true);
        frame.setFontFrom(font);
        frame.setTextBoxColor(rgb(7, 8, 9));
        frame.setTextBoxHeight(40);
        frame.setRoundedCornerTxtBox(true);
        frame.setPicture(picture);
        frame.setIconSize(32);
        frame.setIconAlignment(1);
        frame.setColorFrom(rgb(255, 158, 158));
        frame.setColorTo(rgb(11, 12, 13));
        frame.setThemeColor(5);
        frame.setStyleIndex(2);

        OrlaFramesPropertyBag bag;
        frame.writeProperties(bag);
        // The start colour equals its saved default and is left out.
        QVERIFY(!bag.contains(QStringLiteral("ColorFrom")));
        QCOMPARE(bag.names().size(), 17);

        OrlaFrames loaded(host.window());
        loaded.setObjectName(QStringLiteral("OrlaFrames3"));
        QSignalSpy spy(&loaded, &OrlaFrames::propertyChanged);
        loaded.readProperties(bag);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(loaded.Caption(), QStringLiteral("Kept"));
        QCOMPARE(loaded.FrameColor(), systemColor(10));
        QCOMPARE(loaded.BackColor(), systemColor(5));
        QCOMPARE(loaded.FillColor(), rgb(1, 2, 3));
        QCOMPARE(loaded.TextColor(), rgb(4, 5, 6));
        QCOMPARE(loaded.Alignment(), 0);
        QCOMPARE(loaded.textFormat(), int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine));
        QVERIFY(!loaded.RoundedCorner());
        QCOMPARE(loaded.Font().family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(loaded.Font().pointSizeF(), 8.25);
        QVERIFY(loaded.Font().italic());
        QCOMPARE(loaded.Style(), 2);
        QCOMPARE(loaded.TextBoxColor(), rgb(7, 8, 9));
        QCOMPARE(loaded.TextBoxHeight(), 40);
        QVERIFY(loaded.RoundedCornerTxtBox());
        QCOMPARE(loaded.Picture().toImage(), picture.toImage());
        QCOMPARE(loaded.IconSize(), qint16(32));
        QCOMPARE(loaded.IconAlignment(), 1);
        QCOMPARE(loaded.ThemeColor(), 5);
        QCOMPARE(loaded.ColorFrom(), rgb(255, 158, 158));
        QCOMPARE(loaded.ColorTo(), rgb(11, 12, 13));
        QCOMPARE(loaded.themeColors(),
                 OrlaFrames::ThemeColors({rgb(255, 158, 158), rgb(11, 12, 13), systemColor(10)}));
        QCOMPARE(loaded.palette().color(QPalette::Window),
                 OrlaFramesColor::translate(systemColor(5), QApplication::palette()));
    }

    void savedFormReadsDefaultsAndKeysWithoutCase()
    {
        Host host;
        OrlaFrames frame(host.window());
        frame.setObjectName(QStringLiteral("OrlaFrames4"));
        frame.setBackColor(rgb(1, 1, 1));
        frame.setRoundedCorner(false);
        frame.setCaption(QStringLiteral("old"));

        OrlaFramesPropertyBag empty;
        frame.readProperties(empty);
        QCOMPARE(frame.Caption(), QStringLiteral("OrlaFrames4"));
        QCOMPARE(frame.BackColor(), Host::backColor());
        QCOMPARE(frame.FillColor(), Host::backColor());
        QVERIFY(frame.RoundedCorner());
        QCOMPARE(frame.Alignment(), OrlaFrames::AlignCenter);
        QCOMPARE(frame.TextBoxColor(), rgb(255, 255, 255));
        QCOMPARE(frame.ColorFrom(), rgb(255, 158, 158));
        QCOMPARE(frame.ColorTo(), rgb(255, 240, 240));
        QCOMPARE(frame.Font().family(), host.window()->font().family());
        QCOMPARE(frame.Font().pointSizeF(), host.window()->font().pointSizeF());

        OrlaFramesPropertyBag bag;
        bag.write(QStringLiteral("caption"), QStringLiteral("lower"), QVariant());
        bag.write(QStringLiteral("FRAMECOLOR"), rgb(9, 8, 7), QVariant());
        bag.write(QStringLiteral("Caption"), QStringLiteral("replaced"), QVariant());
        QCOMPARE(bag.names(), QStringList({"caption", "FRAMECOLOR"}));
        frame.readProperties(bag);
        QCOMPARE(frame.Caption(), QStringLiteral("replaced"));
        QCOMPARE(frame.FrameColor(), rgb(9, 8, 7));

        // Writing a default removes what was stored under that name.
        bag.write(QStringLiteral("Framecolor"), 0u, 0u);
        QVERIFY(!bag.contains(QStringLiteral("FrameColor")));
    }

    void mouseMovesOverTheSurfaceOnly()
    {
        Host host;
        auto *frame = new OrlaFrames(host.window());
        frame->setGeometry(10, 10, 200, 100);
        // A label that follows the mouse itself but leaves the moves to its parent, and one
        // that does not follow the mouse at all.
        auto *tracking = new QLabel(QStringLiteral("tracking"), frame);
        tracking->setGeometry(20, 20, 60, 20);
        tracking->setMouseTracking(true);
        auto *plain = new QLabel(QStringLiteral("plain"), frame);
        plain->setGeometry(100, 20, 60, 20);
        host.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.window()));

        QSignalSpy spy(frame, &OrlaFrames::MouseMove);
        sendMouseMove(frame, QPoint(150, 70), Qt::LeftButton | Qt::RightButton,
                      Qt::ShiftModifier | Qt::AltModifier);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<qint16>(), qint16(3));
        QCOMPARE(spy.at(0).at(1).value<qint16>(), qint16(5));
        QCOMPARE(spy.at(0).at(2).toFloat(), 150.0f);
        QCOMPARE(spy.at(0).at(3).toFloat(), 70.0f);

        sendMouseMove(frame, QPoint(5, 5), Qt::NoButton, Qt::NoModifier);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).value<qint16>(), qint16(0));

        sendMouseMove(tracking, QPoint(5, 5), Qt::NoButton, Qt::NoModifier);
        sendMouseMove(plain, QPoint(5, 5), Qt::NoButton, Qt::NoModifier);
        sendMouseMove(tracking, QPoint(5, 5), Qt::MiddleButton, Qt::NoModifier);
        QCOMPARE(spy.count(), 2);
    }

    void programInstances_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("windowBackground");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<bool>("visible");

        QTest::newRow("OptionsFrames(0)") << 0 << "OptionsFrames(0)"
                                          << "Emphasis message"
                                          << "Arial" << true << QRect(168, 32, 417, 281) << true;
        QTest::newRow("OptionsFrames(1)") << 1 << "OptionsFrames(1)"
                                          << "Successful messages"
                                          << "Arial" << true << QRect(-1333, 32, 417, 281) << false;
        QTest::newRow("OptionsFrames(2)") << 2 << "OptionsFrames(2)"
                                          << "Instructive message"
                                          << "Arial" << true << QRect(-1333, 32, 417, 281) << false;
        QTest::newRow("button column") << 3 << "OrlaFrames1"
                                       << ""
                                       << "Tahoma" << false << QRect(8, 8, 137, 313) << true;
        QTest::newRow("settings") << 4 << "OrlaFrames2"
                                  << "Settings"
                                  << "Tahoma" << false << QRect(8, 328, 585, 169) << true;
        QTest::newRow("about") << 5 << "OrlaFrames1"
                               << "About"
                               << "Arial" << false << QRect(8, 8, 313, 145) << true;
    }

    void programInstances()
    {
        QFETCH(int, which);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, family);
        QFETCH(bool, windowBackground);
        QFETCH(QRect, place);
        QFETCH(bool, visible);

        Host host;
        OrlaFrames *frame = nullptr;
        if (which < 3)
            frame = OrlaFramesInstances::makeKindPanelFrame(host.window(), which);
        else if (which == 3)
            frame = OrlaFramesInstances::makeButtonColumnFrame(host.window());
        else if (which == 4)
            frame = OrlaFramesInstances::makeSettingsFrame(host.window());
        else
            frame = OrlaFramesInstances::makeAboutFrame(host.window());

        QCOMPARE(frame->parentWidget(), host.window());
        QCOMPARE(frame->objectName(), name);
        QCOMPARE(frame->Caption(), caption);
        QCOMPARE(frame->Font().family(), family);
        QCOMPARE(frame->Font().pointSizeF(), 8.25);
        QVERIFY(!frame->Font().bold());
        QVERIFY(!frame->Font().italic());
        QCOMPARE(frame->FrameColor(), systemColor(10));
        const quint32 back = windowBackground ? systemColor(5) : Host::backColor();
        QCOMPARE(frame->BackColor(), back);
        QCOMPARE(frame->FillColor(), back);
        QCOMPARE(frame->TextColor(), 0u);
        QCOMPARE(frame->Alignment(), OrlaFrames::AlignLeft);
        QVERIFY(frame->RoundedCorner());
        QCOMPARE(frame->Style(), 0);
        QCOMPARE(frame->geometry(), place);
        QCOMPARE(frame->isVisibleTo(host.window()), visible);
    }
};

QTEST_MAIN(TestOrlaFrames)
#include "tst_orlaframes.moc"
