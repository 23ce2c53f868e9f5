#include "controls/buttonpaint.h"
#include "controls/tavibutton.h"
#include "controls/tavibuttonicons.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

// Every style in every look, with and without a picture, in one picture for a person to look at:
// build/button-gallery.png.
namespace {

enum class Look { Normal, Hot, Down, Focused, Disabled };
constexpr std::array<Look, 5> Looks = {Look::Normal, Look::Hot, Look::Down, Look::Focused,
                                       Look::Disabled};
const QStringList LookNames = {"Normal", "Hot", "Down", "Focused", "Disabled"};
constexpr int CellW = 104;
constexpr int CellH = 30;
constexpr int Gap = 6;
constexpr int LabelW = 60;
constexpr int HeaderH = 20;

QImage render(int style, Look look, bool withPicture)
{
    QWidget host;
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, QColor(0xF4, 0xF4, 0xF4));
    host.setPalette(palette);
    auto *button = new TaviButton(&host);
    button->setButtonStyle(style);
    button->setCaption(QStringLiteral("&Start"));
    if (withPicture) {
        button->setPicture(ButtonPicture::fromIcon(commandIcon(CommandIcon::Start)));
        button->setPictureSize(1);
    }
    button->setGeometry(0, 0, CellW, CellH);
    const QPointF inside(CellW / 2.0, CellH / 2.0);
    QMouseEvent move(QEvent::MouseMove, inside, inside, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QMouseEvent press(QEvent::MouseButtonPress, inside, inside, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QEvent activate(QEvent::WindowActivate);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    switch (look) {
    case Look::Normal:
        break;
    case Look::Hot:
        QApplication::sendEvent(button, &move);
        break;
    case Look::Down:
        QApplication::sendEvent(button, &move);
        QApplication::sendEvent(button, &press);
        break;
    case Look::Focused:
        QApplication::sendEvent(&host, &activate);
        QApplication::sendEvent(button, &focusIn);
        break;
    case Look::Disabled:
        button->setEnabled(false);
        break;
    }
    return button->snapshot();
}

} // namespace

class TestButtonGallery final : public QObject
{
    Q_OBJECT

private slots:
    void everyStyleDrawsItsLooks()
    {
        const int columns = int(Looks.size()) * 2;
        QImage gallery(LabelW + columns * (CellW + Gap), HeaderH + 16 * (CellH + Gap),
                       QImage::Format_RGB32);
        gallery.fill(QColor(0xF4, 0xF4, 0xF4));
        QPainter painter(&gallery);
        painter.setPen(Qt::black);
        for (int c = 0; c < columns; ++c) {
            const QString name = LookNames.at(c % int(Looks.size())) +
                                 (c >= int(Looks.size()) ? QStringLiteral(" + pic") : QString());
            painter.drawText(QRect(LabelW + c * (CellW + Gap), 0, CellW, HeaderH), Qt::AlignCenter,
                             name);
        }
        for (int style = 0; style < ButtonStyleCount; ++style) {
            const int y = HeaderH + style * (CellH + Gap);
            painter.drawText(QRect(0, y, LabelW, CellH), Qt::AlignCenter,
                             QStringLiteral("Style %1").arg(style));
            for (int c = 0; c < columns; ++c) {
                const Look look = Looks.at(std::size_t(c) % Looks.size());
                const QImage cell = render(style, look, c >= int(Looks.size()));
                painter.drawImage(LabelW + c * (CellW + Gap), y, cell);
            }
            // Every painter draws something, and pressing changes the look.
            QVERIFY2(render(style, Look::Normal, false) != render(style, Look::Down, false),
                     qPrintable(QStringLiteral("style %1").arg(style)));
        }
        painter.end();
        const QString path =
            QDir(QCoreApplication::applicationDirPath()).filePath("../button-gallery.png");
        QVERIFY(gallery.save(path));
    }
};

QTEST_MAIN(TestButtonGallery)
#include "tst_buttongallery.moc"
