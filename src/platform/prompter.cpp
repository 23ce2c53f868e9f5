#include "prompter.h"

void Prompter::tell(Icon icon, const QString &title, const QString &text)
{
    ask({icon, title, text, Buttons::Ok, Answer::Ok, false});
}

bool Prompter::confirm(Icon icon, const QString &title, const QString &text, bool rightToLeft)
{
    return ask({icon, title, text, Buttons::YesNo, Answer::No, rightToLeft}) == Answer::Yes;
}
