#include "settingspanel.h"
#include "controls/placedlabel.h"

#include "controls/updown.h"
#include "platform/colorvalue.h"
#include "platform/numbertext.h"
#include "platform/prompter.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QRadioButton>

#include <limits>

namespace {

QFont panelFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    return font;
}

QLineEdit *makeBox(QWidget *parent, const QString &name, const QString &text, QRect place)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

UpDown *makeUpDown(QWidget *parent, const QString &name, int minimum, int maximum, int value,
                   QRect place)
{
    auto *upDown = new UpDown(minimum, maximum, value, parent);
    upDown->setObjectName(name);
    upDown->setGeometry(place);
    return upDown;
}

} // namespace

SettingsPanel::SettingsPanel(const AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_file(context.settingsFile)
{
    setFont(panelFont());
    buildControls();
    connectControls();
}

void SettingsPanel::buildControls()
{
    // Four light-grey outlines group the controls; they lie below everything else.
    for (const QRect &place : {twipsRect(240, 240, 4095, 1215), twipsRect(4440, 240, 4095, 1215),
                               twipsRect(240, 1560, 4095, 855), twipsRect(4440, 1560, 4095, 855)}) {
        auto *shape = new QFrame(this);
        shape->setGeometry(place);
        shape->setStyleSheet(QStringLiteral("QFrame { border: 1px solid rgb(192, 192, 192); }"));
    }

    for (int i = 0; i < 3; ++i) {
        MessageKind kind = MessageKind::Emphasis;
        kindFromIndex(i, &kind);
        auto *option = new QRadioButton(QString::fromUtf16(kindInfo(kind).optionCaption), this);
        option->setObjectName(QStringLiteral("OptionShowText(%1)").arg(i));
        option->setGeometry(twipsRect(480, 360 + 360 * i, 3135, 255));
        OptionShowText.at(std::size_t(i)) = option;
    }
    OptionShowText[0]->setChecked(true);

    placeLabel(this, QStringLiteral("lblCaption(6)"), QStringLiteral("Location Messages:"),
               twipsRect(4560, 360, 1575, 255));
    cmbLocation = new QComboBox(this);
    cmbLocation->setObjectName(QStringLiteral("cmbLocation"));
    cmbLocation->addItems({QStringLiteral("Top right"), QStringLiteral("Top left"),
                           QStringLiteral("Middle of the screen"), QStringLiteral("Bottom right"),
                           QStringLiteral("Bottom left")});
    cmbLocation->setCurrentIndex(-1);
    cmbLocation->setGeometry(twipsRect(6120, 360, 2175, 315));

    placeLabel(this, QStringLiteral("lblCaption(7)"), QStringLiteral("Font Name:"),
               twipsRect(4560, 720, 1455, 255));
    lblFont = placeLabel(this, QStringLiteral("lblFont"), QStringLiteral("Tahoma"),
                         twipsRect(6120, 720, 2295, 255));
    QFont bold = font();
    bold.setBold(true);
    lblFont->setFont(bold);
    QPalette darkBlue = lblFont->palette();
    darkBlue.setColor(QPalette::WindowText, QColor(0, 0, 128));
    lblFont->setPalette(darkBlue);
    lblFont->setCursor(Qt::PointingHandCursor);
    lblFont->installEventFilter(this);

    placeLabel(this, QStringLiteral("lblCaption(11)"), QStringLiteral("Font color:"),
               twipsRect(4560, 1080, 1455, 255));
    lblColor =
        placeLabel(this, QStringLiteral("lblColor"), QString(), twipsRect(6120, 1080, 495, 255));
    lblColor->setFrameShape(QFrame::Box);
    lblColor->setAutoFillBackground(true);
    lblColor->setCursor(Qt::PointingHandCursor);
    lblColor->installEventFilter(this);
    setColor(m_color);

    placeLabel(this, QStringLiteral("lblCaption(10)"), QStringLiteral("Font size:"),
               twipsRect(6720, 1080, 855, 255));
    UpFontSize =
        makeUpDown(this, QStringLiteral("UpFontSize"), 1, 100, 17, twipsRect(7560, 1065, 255, 300));
    txtFontSize = makeBox(this, QStringLiteral("txtFontSize"), QStringLiteral("17"),
                          twipsRect(7800, 1080, 495, 285));

    placeLabel(this, QStringLiteral("lblCaption(2)"), QStringLiteral("Display messages every"),
               twipsRect(480, 1680, 1935, 255));
    UpInvertal = makeUpDown(this, QStringLiteral("UpInvertal"), 1, 1000, 60,
                            twipsRect(2520, 1665, 255, 300));
    txtInvertal = makeBox(this, QStringLiteral("txtInvertal"), QStringLiteral("60"),
                          twipsRect(2760, 1680, 495, 285));
    placeLabel(this, QStringLiteral("lblCaption(3)"), QStringLiteral("seconds"),
               twipsRect(3360, 1680, 735, 255));

    placeLabel(this, QStringLiteral("lblCaption(4)"), QStringLiteral("Display messages for"),
               twipsRect(480, 2040, 1815, 255));
    UpShowTime =
        makeUpDown(this, QStringLiteral("UpShowTime"), 1, 100, 10, twipsRect(2520, 2025, 255, 300));
    txtShowTime = makeBox(this, QStringLiteral("txtShowTime"), QStringLiteral("10"),
                          twipsRect(2760, 2040, 495, 285));
    placeLabel(this, QStringLiteral("lblCaption(5)"), QStringLiteral("seconds"),
               twipsRect(3360, 2040, 735, 255));

    CheckStartUp = new QCheckBox(QStringLiteral("launch \"Sunveil\" on startup"), this);
    CheckStartUp->setObjectName(QStringLiteral("CheckStartUp"));
    CheckStartUp->setGeometry(twipsRect(4560, 1680, 3855, 255));
}

void SettingsPanel::connectControls()
{
    for (QRadioButton *option : OptionShowText) {
        connect(option, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                emit kindChosen();
        });
    }
    connect(cmbLocation, &QComboBox::currentIndexChanged, this, &SettingsPanel::SaveSettings);

    const auto pair = [this](QLineEdit *box, UpDown *upDown, void (SettingsPanel::*changed)()) {
        connect(box, &QLineEdit::textChanged, this, [this, box, upDown, changed] {
            onBoxChanged(box, upDown);
            if (changed)
                emit(this->*changed)();
        });
        connect(upDown, &UpDown::valueChanged, box,
                [box](int value) { box->setText(QString::number(value)); });
    };
    pair(txtShowTime, UpShowTime, &SettingsPanel::showTimeChanged);
    pair(txtInvertal, UpInvertal, &SettingsPanel::intervalChanged);
    pair(txtFontSize, UpFontSize, nullptr);

    connect(CheckStartUp, &QCheckBox::clicked, this, &SettingsPanel::startUpClicked);
}

void SettingsPanel::onBoxChanged(QLineEdit *box, UpDown *upDown)
{
    // The up-down follows the box when the box holds a whole number in its range; the box's text
    // is kept as typed either way.
    const std::optional<qint64> value =
        NumberText::toWholeNumber(box->text(), upDown->minimum(), upDown->maximum());
    if (value)
        upDown->setValue(int(*value));
    SaveSettings();
}

MessageKind SettingsPanel::displayKind() const
{
    MessageKind kind = MessageKind::Emphasis;
    for (int i = 0; i < 3; ++i) {
        if (OptionShowText.at(std::size_t(i))->isChecked())
            kindFromIndex(i, &kind);
    }
    return kind;
}

QString SettingsPanel::intervalText() const
{
    return txtInvertal->text();
}

QString SettingsPanel::showTimeText() const
{
    return txtShowTime->text();
}

QString SettingsPanel::fontName() const
{
    return lblFont->text();
}

QString SettingsPanel::fontSizeText() const
{
    return txtFontSize->text();
}

int SettingsPanel::location() const
{
    return cmbLocation->currentIndex();
}

void SettingsPanel::setAutoStart(const QString &state)
{
    m_autoStart = state;
    CheckStartUp->setChecked(state == QStringLiteral("On"));
}

void SettingsPanel::setColor(quint32 value)
{
    m_color = value;
    QPalette palette = lblColor->palette();
    palette.setColor(QPalette::Window, ColorValue::toColor(value));
    lblColor->setPalette(palette);
}

void SettingsPanel::SaveSettings()
{
    m_file.save({txtShowTime->text(), txtInvertal->text(), QString::number(m_color),
                 lblFont->text(), txtFontSize->text(), QString::number(cmbLocation->currentIndex()),
                 m_autoStart, QString::number(kindIndex(displayKind()))});
}

void SettingsPanel::LoadSettings()
{
    // Every key is read before the first value is applied, so the saves that applying a value
    // runs cannot disturb the load. A key missing from the file keeps the control as it is.
    const SettingsValues values = m_file.load();
    if (!values.showTime.isNull())
        txtShowTime->setText(values.showTime);
    if (!values.invertal.isNull())
        txtInvertal->setText(values.invertal);
    if (const auto color = NumberText::toWholeNumber(values.color, 0, 0xffffff))
        setColor(quint32(*color));
    if (!values.font.isNull())
        lblFont->setText(values.font);
    if (!values.fontSize.isNull())
        txtFontSize->setText(values.fontSize);
    if (const auto location = NumberText::toWholeNumber(values.location, -1, 4))
        cmbLocation->setCurrentIndex(int(*location));
    if (!values.autoStart.isNull())
        setAutoStart(values.autoStart);
    if (const auto option = NumberText::toWholeNumber(values.options, 0, 2))
        OptionShowText.at(std::size_t(*option))->setChecked(true);

    for (const auto &[box, upDown] :
         {std::pair{txtFontSize, UpFontSize}, std::pair{txtInvertal, UpInvertal},
          std::pair{txtShowTime, UpShowTime}}) {
        if (const auto value =
                NumberText::toWholeNumber(box->text(), upDown->minimum(), upDown->maximum()))
            upDown->setValue(int(*value));
    }
    // The file now mirrors the panel, values the controls refused included.
    SaveSettings();
}

bool SettingsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == lblColor || watched == lblFont)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        auto *label = static_cast<QLabel *>(watched);
        if (mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            if (watched == lblColor)
                chooseColor();
            else
                chooseFont();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SettingsPanel::chooseColor()
{
    const std::optional<quint32> chosen = m_context.prompter->chooseColor(m_color);
    if (!chosen)
        return;
    setColor(*chosen & 0xffffff);
    SaveSettings();
}

void SettingsPanel::chooseFont()
{
    // A size box that is not a number presets no size rather than refusing to open the dialog.
    const double size = NumberText::toNumber(txtFontSize->text()).value_or(0);
    const std::optional<Prompter::FontChoice> chosen =
        m_context.prompter->chooseFont(lblFont->text(), float(size));
    if (!chosen)
        return;
    // Only the name and the size are used; the style stays regular.
    txtFontSize->setText(QLocale::system().toString(double(float(chosen->pointSize)), 'g', 7));
    lblFont->setText(chosen->family);
    SaveSettings();
}
