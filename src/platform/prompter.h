#pragma once

#include <QString>

#include <optional>

// Every message box and every colour or font dialog of the program goes through a Prompter, so
// tests can answer them and read back exactly what was shown.
class Prompter
{
public:
    enum class Icon { None, Information, Question, Exclamation, Critical };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    struct Message
    {
        Icon icon = Icon::None;
        QString title;
        QString text;
        Buttons buttons = Buttons::Ok;
        Answer defaultAnswer = Answer::Ok;
        bool rightToLeft = false;

        bool operator==(const Message &) const = default;
    };

    struct FontChoice
    {
        QString family;
        double pointSize = 0;
        bool bold = false;
        bool italic = false;
    };

    virtual ~Prompter() = default;

    virtual Answer ask(const Message &message) = 0;
    // Colours are 0x00BBGGRR values; nothing is returned when the user cancels.
    virtual std::optional<quint32> chooseColor(quint32 initial) = 0;
    virtual std::optional<FontChoice> chooseFont(const QString &family, double pointSize) = 0;

    // A box with an OK button.
    void tell(Icon icon, const QString &title, const QString &text);
    // A Yes/No question; No is the default answer.
    bool confirm(Icon icon, const QString &title, const QString &text, bool rightToLeft = false);
};
