#pragma once

#include "library/messagekind.h"
#include "platform/appcontext.h"
#include "settings/settingsfile.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class UpDown;

// The settings in force: which kind is shown, where, in which font, size and colour, how long
// each message stays and how long the pause between messages is. Every change is written to the
// settings file at once; the file is read once, at start-up.
class SettingsPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPanel(const AppContext &context, QWidget *parent = nullptr);

    // What the display reads, always at the moment of use.
    MessageKind displayKind() const;
    QString intervalText() const;
    QString showTimeText() const;
    QString fontName() const;
    QString fontSizeText() const;
    quint32 color() const { return m_color; }
    int location() const;
    QString autoStart() const { return m_autoStart; }
    void setAutoStart(const QString &state);

    void LoadSettings();
    void SaveSettings();

signals:
    // An option button was selected, by the user or by the settings file.
    void kindChosen();
    void intervalChanged();
    void showTimeChanged();
    // The start-up box was clicked; its new state is checked.
    void startUpClicked(bool checked);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectControls();
    void setColor(quint32 value);
    void chooseColor();
    void chooseFont();
    void onBoxChanged(QLineEdit *box, UpDown *upDown);

    const AppContext &m_context;
    SettingsFile m_file;
    quint32 m_color = 0x0000ff; // red
    QString m_autoStart = QStringLiteral("0");

    std::array<QRadioButton *, 3> OptionShowText{};
    QComboBox *cmbLocation = nullptr;
    QLabel *lblFont = nullptr;
    QLabel *lblColor = nullptr;
    UpDown *UpFontSize = nullptr;
    QLineEdit *txtFontSize = nullptr;
    UpDown *UpInvertal = nullptr;
    QLineEdit *txtInvertal = nullptr;
    UpDown *UpShowTime = nullptr;
    QLineEdit *txtShowTime = nullptr;
    QCheckBox *CheckStartUp = nullptr;
};
