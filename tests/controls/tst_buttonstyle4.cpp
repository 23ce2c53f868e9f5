#include "controls/buttonpaint.h"
#include "controls/tavibutton.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

// The style of every button on the program's windows, on #E3E3E3 at 103 by 33 pixels.
namespace {

quint32 at(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}

void moveTo(TaviButton &button, QPointF pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(QEvent::MouseMove, pos, button.mapToGlobal(pos), Qt::NoButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&button, &event);
}

void press(TaviButton &button, QPointF pos)
{
    QMouseEvent event(QEvent::MouseButtonPress, pos, button.mapToGlobal(pos), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &event);
}

void activate(QWidget &window)
{
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &event);
}

void giveFocus(TaviButton &button)
{
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&button, &event);
}

} // namespace

class TestButtonStyle4 final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_host = std::make_unique<QWidget>();
        m_button = new TaviButton(m_host.get(), QStringLiteral("cmdTest"));
        m_button->setButtonStyle(4);
        m_button->setCaption(QString());
        m_button->setGeometry(10, 10, 103, 33);
    }

    void cleanup() { m_host.reset(); }

    void newStyleFourIsE3()
    {
        QCOMPARE(m_button->BackColor(), RgbHex(0xE3E3E3));
        QCOMPARE(m_button->ShowFocusRect(), false);
    }

    void normal()
    {
        const QImage image = m_button->snapshot();
        QCOMPARE(at(image, 0, 10), 0x707070u);
        QCOMPARE(at(image, 50, 0), 0x707070u);
        QCOMPARE(at(image, 102, 20), 0x707070u);
        QCOMPARE(at(image, 1, 10), 0xFFFFFFu);
        QCOMPARE(at(image, 50, 31), 0xFFFFFFu);
        for (const QPoint p : {QPoint(1, 1), QPoint(101, 1), QPoint(1, 31), QPoint(101, 31)})
            QCOMPARE(at(image, p.x(), p.y()), 0x5F96BEu);
        // Upper face from ShiftColor(base, 0.05) = #F0F0F0 towards the base colour; its first
        // row lies under the white frame, its second is still #F0F0F0, the last above the
        // lower face (row 15) #EBEBEB.
        QCOMPARE(at(image, 5, 2), 0xF0F0F0u);
        QCOMPARE(at(image, 5, 15), 0xEBEBEBu);
        // The lower face starts at row 16 with ShiftColor(base, -0.02) = #DEDEDE and runs
        // towards ShiftColor(base, -0.15) = #BDBDBD over 31 rows; row 30 is #CFCFCF.
        QCOMPARE(at(image, 5, 16), 0xDEDEDEu);
        QCOMPARE(at(image, 5, 30), 0xCFCFCFu);
    }

    void paintsOnScreenAsInItsSnapshot()
    {
        m_host->resize(200, 100);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
        const QImage onScreen = m_button->grab().toImage();
        const QImage snapshot = m_button->snapshot();
        QCOMPARE(onScreen.size(), snapshot.size());
        for (const QPoint p :
             {QPoint(0, 10), QPoint(1, 1), QPoint(5, 2), QPoint(50, 20), QPoint(101, 31)})
            QCOMPARE(at(onScreen, p.x(), p.y()), at(snapshot, p.x(), p.y()));
    }

    void hot()
    {
        moveTo(*m_button, QPointF(50, 16));
        QCOMPARE(m_button->State(), ButtonState::Hot);
        const QImage image = m_button->snapshot();
        QCOMPARE(at(image, 0, 10), 0x3275A7u);
        QCOMPARE(at(image, 1, 10), 0xFFFFFFu);
        QCOMPARE(at(image, 50, 5), 0xE2F6FFu);  // the upper face, #E4F7FF to #DAF3FF
        QCOMPARE(at(image, 2, 5), 0xD2F0FFu);   // the left band's second column
        QCOMPARE(at(image, 50, 20), 0xBFE8FFu); // the lower face, #C1E9FF to #AEE1FD
        QCOMPARE(at(image, 1, 1), 0x5F96BEu);
    }

    void down()
    {
        moveTo(*m_button, QPointF(50, 16));
        press(*m_button, QPointF(50, 16));
        QCOMPARE(m_button->State(), ButtonState::Down);
        const QImage image = m_button->snapshot();
        QCOMPARE(at(image, 0, 10), 0x1D415Cu);
        QCOMPARE(at(image, 50, 32), 0x1D415Cu);
        // The inner shadow lines under the top edge and down the left side.
        QCOMPARE(at(image, 50, 1), 0x719CB3u);
        QCOMPARE(at(image, 50, 2), 0xA9C6D6u);
        QCOMPARE(at(image, 50, 3), 0xB9D9ECu);
        QCOMPARE(at(image, 1, 2), 0x73B0CFu);
        QCOMPARE(at(image, 50, 10), 0xC2E4F6u);
        QCOMPARE(at(image, 50, 20), 0x9AD2F0u);
        QCOMPARE(at(image, 1, 1), 0x5F96BEu);
    }

    void focusedInActiveWindow()
    {
        activate(*m_host);
        QVERIFY(m_button->IsHostActive());
        giveFocus(*m_button);
        QVERIFY(m_button->HasFocus());
        QCOMPARE(m_button->ShowFocusRect(), false);
        QImage image = m_button->snapshot();
        QCOMPARE(at(image, 0, 10), 0x3275A7u);
        QCOMPARE(at(image, 1, 10), 0x48D8FBu);
        // No dotted rectangle: the pixels at 2, 2 .. stay the face colour.
        QCOMPARE(at(image, 4, 2), 0xF0F0F0u);
        QCOMPARE(at(image, 2, 10), at(image, 3, 10));

        // With ShowFocusRect the dotted rectangle inverts every other pixel.
        m_button->setShowFocusRect(true);
        image = m_button->snapshot();
        QCOMPARE(at(image, 4, 2), 0x0F0F0Fu);
        QCOMPARE(at(image, 5, 2), 0xF0F0F0u);

        // Hot, the same button shows the hot frame with a white inner frame.
        m_button->setShowFocusRect(false);
        moveTo(*m_button, QPointF(50, 16));
        image = m_button->snapshot();
        QCOMPARE(at(image, 0, 10), 0x3275A7u);
        QCOMPARE(at(image, 1, 10), 0xFFFFFFu);
    }

    void focusNeedsAnActiveWindow()
    {
        giveFocus(*m_button);
        QVERIFY(!m_button->IsHostActive());
        const QImage image = m_button->snapshot();
        QCOMPARE(at(image, 0, 10), 0x707070u);
        QCOMPARE(at(image, 1, 10), 0xFFFFFFu);
    }

    void shownAsDefault()
    {
        activate(*m_host);
        m_button->setDisplayAsDefault(true);
        QVERIFY(m_button->ShownAsDefault());
        const QImage image = m_button->snapshot();
        QCOMPARE(at(image, 1, 10), 0x48D8FBu);
    }

    void disabled_data()
    {
        QTest::addColumn<bool>("hot");
        QTest::newRow("normal") << false;
        QTest::newRow("pointer over it") << true;
    }

    void disabled()
    {
        QFETCH(bool, hot);
        if (hot)
            moveTo(*m_button, QPointF(50, 16));
        m_button->setEnabled(false);
        const QImage image = m_button->snapshot();
        QCOMPARE(at(image, 50, 10), 0xEBEBEBu); // ShiftColor(base, 0.03)
        QCOMPARE(at(image, 50, 25), 0xEBEBEBu);
        QCOMPARE(at(image, 0, 10), 0xA3A3A3u); // ShiftColor(base, -0.25)
        QCOMPARE(at(image, 1, 10), 0xFFFFFFu); // ShiftColor(base, 0.25)
        QCOMPARE(at(image, 1, 1), 0xDBDBDBu);  // ShiftColor(base, -0.03)
    }

    void outlineIsRounded()
    {
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
        QVERIFY(!m_button->mask().contains(QPoint(0, 0)));
        QVERIFY(m_button->mask().contains(QPoint(1, 0)));
        m_button->resize(60, 40);
        QVERIFY(!m_button->mask().contains(QPoint(59, 39)));
        QVERIFY(m_button->mask().contains(QPoint(58, 39)));
    }

private:
    std::unique_ptr<QWidget> m_host;
    TaviButton *m_button = nullptr;
};

QTEST_MAIN(TestButtonStyle4)
#include "tst_buttonstyle4.moc"
