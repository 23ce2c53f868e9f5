#include "controls/buttonpaint.h"
#include "controls/tavibutton.h"
#include "controls/tavibuttonfactory.h"
#include "controls/tavibuttonicons.h"
#include "controls/tavibuttonpropertybag.h"
#include "recordingprompter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <utility>

namespace {

// The events a button raises, in order, by name.
class EventLog final : public QObject
{
public:
    explicit EventLog(TaviButton *button)
        : QObject(button)
    {
        connect(button, &TaviButton::Click, this, [this] { names << QStringLiteral("Click"); });
        connect(button, &TaviButton::DblClick, this,
                [this] { names << QStringLiteral("DblClick"); });
        connect(button, &TaviButton::MouseEnter, this,
                [this] { names << QStringLiteral("MouseEnter"); });
        connect(button, &TaviButton::MouseLeave, this,
                [this] { names << QStringLiteral("MouseLeave"); });
        connect(button, &TaviButton::MouseMove, this,
                [this](int, int, float, float) { names << QStringLiteral("MouseMove"); });
        connect(button, &TaviButton::MouseDown, this,
                [this](int, int, float, float) { names << QStringLiteral("MouseDown"); });
        connect(button, &TaviButton::MouseUp, this,
                [this](int, int, float, float) { names << QStringLiteral("MouseUp"); });
        connect(button, &TaviButton::KeyDown, this,
                [this](int code, int) { names << QStringLiteral("KeyDown %1").arg(code); });
        connect(button, &TaviButton::KeyUp, this,
                [this](int code, int) { names << QStringLiteral("KeyUp %1").arg(code); });
    }

    QStringList take() { return std::exchange(names, {}); }

    QStringList names;
};

void mouse(TaviButton &button, QEvent::Type type, QPointF pos, Qt::MouseButton which,
           Qt::MouseButtons held)
{
    QMouseEvent event(type, pos, button.mapToGlobal(pos), which, held, Qt::NoModifier);
    QApplication::sendEvent(&button, &event);
}

void moveTo(TaviButton &button, QPointF pos, Qt::MouseButtons held = Qt::NoButton)
{
    mouse(button, QEvent::MouseMove, pos, Qt::NoButton, held);
}

void press(TaviButton &button, QPointF pos)
{
    mouse(button, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
}

void release(TaviButton &button, QPointF pos)
{
    mouse(button, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}

void key(TaviButton &button, QEvent::Type type, int qtKey, Qt::KeyboardModifiers modifiers = {},
         bool autoRepeat = false)
{
    const QString text = qtKey == Qt::Key_Space ? QStringLiteral(" ") : QString();
    QKeyEvent event(type, qtKey, modifiers, text, autoRepeat);
    QApplication::sendEvent(&button, &event);
}

void activate(QWidget &window, bool active)
{
    QEvent event(active ? QEvent::WindowActivate : QEvent::WindowDeactivate);
    QApplication::sendEvent(&window, &event);
}

const QPointF Inside(40, 12);

} // namespace

class TestTaviButton final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_host = std::make_unique<QWidget>();
        m_host->resize(300, 200);
        m_button = new TaviButton(m_host.get(), QStringLiteral("cmdTest"));
        m_button->setGeometry(10, 10, 80, 25);
        m_log = new EventLog(m_button);
    }

    void cleanup() { m_host.reset(); }

    void newButton()
    {
        QCOMPARE(m_button->Caption(), QStringLiteral("cmdTest"));
        QCOMPARE(m_button->ButtonStyle(), 0);
        QCOMPARE(m_button->BackColor(), SystemColor::ButtonFace);
        QCOMPARE(m_button->ForeColor(), SystemColor::ButtonText);
        QCOMPARE(m_button->ShowFocusRect(), true);
        QCOMPARE(m_button->PictureAlign(), 1);
        QCOMPARE(m_button->CaptionAlign(), 1);
        QCOMPARE(m_button->MaskColor(), RgbHex(0xE0E0E0));
        QCOMPARE(m_button->Font().family(), QStringLiteral("Tahoma"));
    }

    void settersTellWhatChanged()
    {
        QSignalSpy changed(m_button, &TaviButton::PropertyChanged);
        m_button->setCaption(QStringLiteral("Stop"));
        m_button->setPictureAlign(0);
        m_button->setEnabled(false);
        QStringList names;
        for (const QList<QVariant> &arguments : changed)
            names << arguments.first().toString();
        QCOMPARE(names, QStringList({"Caption", "PictureAlign", "Enabled"}));
    }

    void styleDefaults_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<quint32>("back");
        QTest::addColumn<quint32>("fore");
        QTest::addColumn<bool>("focusRect");
        QTest::newRow("1") << 1 << SystemColor::ButtonFace << SystemColor::ButtonText << true;
        QTest::newRow("4") << 4 << RgbHex(0xE3E3E3) << SystemColor::ButtonText << false;
        QTest::newRow("5") << 5 << RgbHex(0x006DAA) << RgbHex(0xFFFFFF) << true;
        QTest::newRow("7") << 7 << RgbHex(0xADD1FF) << SystemColor::ButtonText << false;
        QTest::newRow("12") << 12 << SystemColor::ButtonFace << SystemColor::ButtonText << false;
        QTest::newRow("14") << 14 << RgbHex(0xD0D0D0) << SystemColor::ButtonText << false;
        QTest::newRow("15") << 15 << RgbHex(0xA7CAE6) << SystemColor::ButtonText << true;
    }

    void styleDefaults()
    {
        QFETCH(int, style);
        QFETCH(quint32, back);
        QFETCH(quint32, fore);
        QFETCH(bool, focusRect);
        m_button->setBackColor(RgbHex(0x123456));
        m_button->setButtonStyle(style);
        QCOMPARE(m_button->BackColor(), back);
        QCOMPARE(m_button->ForeColor(), fore);
        QCOMPARE(m_button->ShowFocusRect(), focusRect);
    }

    void clickOrder()
    {
        moveTo(*m_button, Inside);
        QCOMPARE(m_log->take(), QStringList({"MouseMove", "MouseEnter"}));
        QCOMPARE(m_button->State(), ButtonState::Hot);
        press(*m_button, Inside);
        QCOMPARE(m_button->State(), ButtonState::Down);
        release(*m_button, Inside);
        QCOMPARE(m_log->take(), QStringList({"MouseDown", "Click", "MouseUp"}));
        // The pressed look stays until the next move.
        QCOMPARE(m_button->State(), ButtonState::Down);
        moveTo(*m_button, Inside);
        QCOMPARE(m_button->State(), ButtonState::Hot);
    }

    void doubleClickOrder()
    {
        moveTo(*m_button, Inside);
        m_log->take();
        press(*m_button, Inside);
        release(*m_button, Inside);
        mouse(*m_button, QEvent::MouseButtonDblClick, Inside, Qt::LeftButton, Qt::LeftButton);
        release(*m_button, Inside);
        QCOMPARE(m_log->take(), QStringList({"MouseDown", "Click", "MouseUp", "MouseDown",
                                             "DblClick", "Click", "MouseUp"}));
    }

    void releaseOutsideDoesNotClick_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::newRow("right of it") << QPointF(95, 12);
        QTest::newRow("above it") << QPointF(40, -3);
        QTest::newRow("column 0") << QPointF(0, 12);
        QTest::newRow("row 0") << QPointF(40, 0);
        QTest::newRow("column width") << QPointF(80, 12);
    }

    void releaseOutsideDoesNotClick()
    {
        QFETCH(QPointF, at);
        moveTo(*m_button, Inside);
        m_log->take();
        press(*m_button, Inside);
        release(*m_button, at);
        QCOMPARE(m_log->take(), QStringList({"MouseDown", "MouseUp"}));
    }

    void otherButtonsRaiseOnlyMouseUp()
    {
        moveTo(*m_button, Inside);
        m_log->take();
        mouse(*m_button, QEvent::MouseButtonPress, Inside, Qt::RightButton, Qt::RightButton);
        mouse(*m_button, QEvent::MouseButtonRelease, Inside, Qt::RightButton, Qt::NoButton);
        QCOMPARE(m_log->take(), QStringList({"MouseUp"}));
        QCOMPARE(m_button->State(), ButtonState::Hot);
    }

    void draggedOffAndBack()
    {
        moveTo(*m_button, Inside);
        press(*m_button, Inside);
        m_log->take();
        moveTo(*m_button, QPointF(120, 12), Qt::LeftButton);
        QCOMPARE(m_log->take(), QStringList({"MouseLeave", "MouseMove", "MouseEnter"}));
        QCOMPARE(m_button->State(), ButtonState::Hot);
        moveTo(*m_button, QPointF(130, 12), Qt::LeftButton);
        QCOMPARE(m_log->take(), QStringList({"MouseLeave", "MouseMove", "MouseEnter"}));
        moveTo(*m_button, Inside, Qt::LeftButton);
        QCOMPARE(m_log->take(), QStringList({"MouseMove"}));
        QCOMPARE(m_button->State(), ButtonState::Down);
    }

    void leavingShowsNormal()
    {
        moveTo(*m_button, Inside);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(m_button, &leave);
        QCOMPARE(m_button->State(), ButtonState::Normal);
        QVERIFY(!m_button->IsMouseInside());
        QCOMPARE(m_log->take(), QStringList({"MouseMove", "MouseEnter", "MouseLeave"}));
    }

    void enterClicksAtEveryKeyDown()
    {
        key(*m_button, QEvent::KeyPress, Qt::Key_Return);
        key(*m_button, QEvent::KeyPress, Qt::Key_Return, {}, true);
        key(*m_button, QEvent::KeyPress, Qt::Key_Return, {}, true);
        key(*m_button, QEvent::KeyRelease, Qt::Key_Return);
        QCOMPARE(m_log->take(), QStringList({"Click", "KeyDown 13", "Click", "KeyDown 13", "Click",
                                             "KeyDown 13"}));
        QCOMPARE(m_button->State(), ButtonState::Normal);
    }

    void spaceClicksOnRelease()
    {
        key(*m_button, QEvent::KeyPress, Qt::Key_Space);
        QCOMPARE(m_button->State(), ButtonState::Down);
        QVERIFY(m_button->IsSpaceDown());
        key(*m_button, QEvent::KeyPress, Qt::Key_Space, {}, true);
        key(*m_button, QEvent::KeyRelease, Qt::Key_Space, {}, true);
        QCOMPARE(m_log->take(), QStringList({"KeyDown 32", "KeyDown 32"}));
        key(*m_button, QEvent::KeyRelease, Qt::Key_Space);
        QCOMPARE(m_log->take(), QStringList({"Click", "KeyUp 32"}));
        QCOMPARE(m_button->State(), ButtonState::Normal);
        QVERIFY(!m_button->IsSpaceDown());
    }

    void spaceReleasedWithPointerInsideShowsHot()
    {
        moveTo(*m_button, Inside);
        key(*m_button, QEvent::KeyPress, Qt::Key_Space);
        key(*m_button, QEvent::KeyRelease, Qt::Key_Space);
        QCOMPARE(m_button->State(), ButtonState::Hot);
        QCOMPARE(m_log->names.count(QStringLiteral("Click")), 1);
    }

    void spaceInCheckBoxModeTogglesAtEveryKeyDown()
    {
        m_button->setCheckBoxMode(true);
        key(*m_button, QEvent::KeyPress, Qt::Key_Space);
        QCOMPARE(m_button->Value(), true);
        key(*m_button, QEvent::KeyPress, Qt::Key_Space, {}, true);
        QCOMPARE(m_button->Value(), false);
        key(*m_button, QEvent::KeyPress, Qt::Key_Space, {}, true);
        QCOMPARE(m_button->Value(), true);
        QVERIFY(!m_log->names.contains(QStringLiteral("Click")));
        key(*m_button, QEvent::KeyRelease, Qt::Key_Space);
        QCOMPARE(m_log->names.count(QStringLiteral("Click")), 1);
        QCOMPARE(m_button->Value(), true);
    }

    void altSpaceDoesNothing()
    {
        key(*m_button, QEvent::KeyPress, Qt::Key_Space, Qt::AltModifier);
        QCOMPARE(m_button->State(), ButtonState::Normal);
        QVERIFY(!m_button->IsSpaceDown());
        // Its release does not click either.
        key(*m_button, QEvent::KeyRelease, Qt::Key_Space);
        QVERIFY(!m_log->names.contains(QStringLiteral("Click")));
        QVERIFY(!m_log->names.contains(QStringLiteral("KeyDown 32")));
    }

    void arrowsMoveTheFocus()
    {
        auto *second = new TaviButton(m_host.get(), QStringLiteral("cmdSecond"));
        auto *third = new TaviButton(m_host.get(), QStringLiteral("cmdThird"));
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
        second->setFocus();
        QTRY_COMPARE(m_host->focusWidget(), second);
        key(*second, QEvent::KeyPress, Qt::Key_Right);
        QTRY_COMPARE(m_host->focusWidget(), third);
        key(*third, QEvent::KeyPress, Qt::Key_Up);
        QTRY_COMPARE(m_host->focusWidget(), second);
        key(*second, QEvent::KeyPress, Qt::Key_Left);
        QTRY_COMPARE(m_host->focusWidget(), m_button);
    }

    void neverSmallerThan220Twips()
    {
        QCOMPARE(TaviButton::MinimumPixels, 15);
        m_button->resize(10, 5);
        QCOMPARE(m_button->size(), QSize(15, 15));
        m_button->resize(100, 12);
        QCOMPARE(m_button->size(), QSize(100, 15));
    }

    void valueOutsideCheckBoxModeStaysFalse()
    {
        moveTo(*m_button, Inside);
        QCOMPARE(m_button->State(), ButtonState::Hot);
        m_button->setValue(true);
        QCOMPARE(m_button->Value(), false);
        QCOMPARE(m_button->State(), ButtonState::Normal);
    }

    void checkBoxMode()
    {
        m_button->setButtonStyle(4);
        m_button->setCheckBoxMode(true);
        moveTo(*m_button, Inside);
        press(*m_button, Inside);
        release(*m_button, Inside);
        QCOMPARE(m_button->Value(), true);
        // A checked button of style 4 shows pressed, even after the pointer leaves.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(m_button, &leave);
        QCOMPARE(m_button->State(), ButtonState::Down);
        m_button->setValue(false);
        QCOMPARE(m_button->State(), ButtonState::Normal);

        // Style 0 has its own checked look and stays Normal.
        m_button->setButtonStyle(0);
        m_button->setValue(true);
        QCOMPARE(m_button->State(), ButtonState::Normal);

        m_button->setCheckBoxMode(false);
        QCOMPARE(m_button->State(), ButtonState::Normal);
    }

    void accessKey()
    {
        m_button->setCaption(QStringLiteral("Save &As"));
        QCOMPARE(m_button->AccessKey(), QChar(u'a'));
        m_button->AccessKeyPress('a');
        QCOMPARE(m_log->take(), QStringList({"Click"}));

        m_button->setCheckBoxMode(true);
        m_button->AccessKeyPress('a');
        QCOMPARE(m_button->Value(), true);
        QCOMPARE(m_log->take(), QStringList({"Click"}));
        // As a default or cancel button in check-box mode Enter and Esc do nothing.
        m_button->AccessKeyPress(13);
        m_button->AccessKeyPress(27);
        QCOMPARE(m_button->Value(), true);
        QCOMPARE(m_log->take(), QStringList());

        m_button->setEnabled(false);
        m_button->AccessKeyPress('a');
        QCOMPARE(m_log->take(), QStringList());
    }

    void altAndTheKeyClicks()
    {
        m_button->setCaption(QStringLiteral("Save &As"));
        m_host->show();
        m_host->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_host.get()));
        QSignalSpy clicks(m_button, &TaviButton::Click);
        QTest::keyClick(m_host.get(), Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(clicks.count(), 1);

        m_button->setCaption(QStringLiteral("Save As"));
        QTest::keyClick(m_host.get(), Qt::Key_A, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
    }

    void hostActivation()
    {
        activate(*m_host, true);
        QVERIFY(m_button->IsHostActive());
        key(*m_button, QEvent::KeyPress, Qt::Key_Space);
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(m_button, &focusIn);
        QVERIFY(m_button->HasFocus());

        activate(*m_host, false);
        QVERIFY(!m_button->IsHostActive());
        QVERIFY(!m_button->HasFocus());
        QVERIFY(!m_button->IsSpaceDown());
        QCOMPARE(m_button->State(), ButtonState::Normal);
    }

    void style3TurnsItsCaptionWhileDown()
    {
        m_button->setButtonStyle(3);
        moveTo(*m_button, Inside);
        press(*m_button, Inside);
        QCOMPARE(m_button->ForeColor(), RgbHex(0xFFFFFF));
        release(*m_button, Inside);
        QCOMPARE(m_button->ForeColor(), RgbHex(0xFFFFFF));
        moveTo(*m_button, Inside);
        QCOMPARE(m_button->ForeColor(), SystemColor::ButtonText);
    }

    void hostColourAroundTheFace_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<QPoint>("outside");
        QTest::newRow("style 3 corner") << 3 << false << QPoint(0, 0);
        QTest::newRow("style 5 shadow margin") << 5 << false << QPoint(78, 1);
        QTest::newRow("style 14 focused, corner") << 14 << true << QPoint(1, 1);
    }

    void hostColourAroundTheFace()
    {
        QFETCH(int, style);
        QFETCH(bool, focused);
        QFETCH(QPoint, outside);
        QPalette palette = m_host->palette();
        palette.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
        m_host->setPalette(palette);
        m_button->setButtonStyle(style);
        if (focused) {
            QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(m_button, &focusIn);
        }
        const QImage image = m_button->snapshot();
        QCOMPARE(image.pixel(outside) & 0xFFFFFFu, 0x123456u);
    }

    void savedForm()
    {
        TaviButtonPropertyBag bag;
        m_button->setButtonStyle(1);
        m_button->setCaption(QStringLiteral("tavibutton"));
        m_button->setShowFocusRect(false);
        m_button->setFont(m_host->font());
        m_button->WriteProperties(bag);
        // A button at its save defaults writes nothing.
        QCOMPARE(bag.names(), QStringList());

        m_button->setButtonStyle(4);
        m_button->setCaption(QStringLiteral("&Start"));
        m_button->setPictureSize(1);
        m_button->setUseMaskColor(true);
        m_button->setCheckBoxMode(true);
        m_button->setValue(true);
        m_button->WriteProperties(bag);
        QCOMPARE(bag.names(), QStringList({"ButtonStyle", "BackColor", "Caption", "CheckBoxMode",
                                           "Value", "pictureSize", "UseMaskCOlor"}));

        TaviButton loaded(m_host.get());
        loaded.ReadProperties(bag);
        QCOMPARE(loaded.ButtonStyle(), 4);
        QCOMPARE(loaded.BackColor(), RgbHex(0xE3E3E3));
        QCOMPARE(loaded.Caption(), QStringLiteral("&Start"));
        QCOMPARE(loaded.AccessKey(), QChar(u's'));
        QCOMPARE(loaded.PictureSize(), 1);
        QCOMPARE(loaded.UseMaskColor(), true);
        QCOMPARE(loaded.Value(), true);
        QCOMPARE(loaded.State(), ButtonState::Down);
    }

    void loadDefaultsAndNamesWithoutCase()
    {
        TaviButtonPropertyBag bag;
        bag.set(QStringLiteral("CAPTION"), QStringLiteral("Exit"));
        bag.set(QStringLiteral("picturesize"), 2);
        bag.set(QStringLiteral("usemaskcolor"), true);
        TaviButton loaded(m_host.get());
        loaded.ReadProperties(bag);
        QCOMPARE(loaded.Caption(), QStringLiteral("Exit"));
        QCOMPARE(loaded.PictureSize(), 2);
        QCOMPARE(loaded.UseMaskColor(), true);
        // Missing values take their load defaults.
        QCOMPARE(loaded.ButtonStyle(), 1);
        QCOMPARE(loaded.ShowFocusRect(), false);
        QCOMPARE(loaded.BackColor(), SystemColor::ButtonFace);
        QCOMPARE(loaded.MaskColor(), RgbHex(0xE0E0E0));
        QCOMPARE(loaded.PictureAlign(), 1);
        QCOMPARE(loaded.Enabled(), true);

        TaviButtonPropertyBag empty;
        loaded.ReadProperties(empty);
        QCOMPARE(loaded.Caption(), QStringLiteral("tavibutton"));
    }

    void pointerSettings()
    {
        m_button->setMousePointer(11);
        QCOMPARE(m_button->cursor().shape(), Qt::WaitCursor);
        m_button->setMouseIcon(ButtonPicture::fromIcon(commandIcon(CommandIcon::Ok)));
        QCOMPARE(m_button->MousePointer(), qint16(99));
        QCOMPARE(m_button->cursor().shape(), Qt::BitmapCursor);
        m_button->setMouseIcon(ButtonPicture());
        QCOMPARE(m_button->MousePointer(), qint16(0));

        m_button->setHandPointer(true);
        moveTo(*m_button, Inside);
        moveTo(*m_button, Inside);
        QCOMPARE(m_button->cursor().shape(), Qt::PointingHandCursor);
    }

    void about()
    {
        RecordingPrompter prompter;
        m_button->About(prompter);
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages.first().title, QStringLiteral("About"));
        QCOMPARE(prompter.messages.first().icon, Prompter::Icon::Information);
        QVERIFY(prompter.messages.first().text.startsWith(
            QStringLiteral("TaviButton\nA Multistyle Button Control\n\n")));
    }

    void commandButton()
    {
        TaviButton *button =
            makeCommandButton(m_host.get(), QStringLiteral("cmdStart"), QStringLiteral("Start"),
                              commandIcon(CommandIcon::Start), 0);
        QCOMPARE(button->objectName(), QStringLiteral("cmdStart"));
        QCOMPARE(button->ButtonStyle(), 4);
        QCOMPARE(button->BackColor(), RgbHex(0xE3E3E3));
        QCOMPARE(button->Caption(), QStringLiteral("Start"));
        QCOMPARE(button->PictureAlign(), 0);
        QCOMPARE(button->Picture().kind(), ButtonPicture::Kind::Icon);
        QCOMPARE(PictureDrawSize(button->PictureSize(), button->Picture()), QSize(16, 16));
    }

private:
    std::unique_ptr<QWidget> m_host;
    TaviButton *m_button = nullptr;
    EventLog *m_log = nullptr;
};

QTEST_MAIN(TestTaviButton)
#include "tst_tavibutton.moc"
