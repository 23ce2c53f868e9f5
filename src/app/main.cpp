#include "platform/messageboxprompter.h"
#include "platform/platformcontext.h"
#include "settings/settingsfile.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sunveil"));
    MessageBoxPrompter prompter;
    const AppContext context = platformContext(prompter);

    const SettingsFile settings(context.settingsFile);
    settings.save(settings.load());

    QLabel window(QStringLiteral("Sunveil"));
    window.setWindowTitle(QStringLiteral("Sunveil V1.0"));
    window.setFixedSize(607, 537);
    window.setAlignment(Qt::AlignCenter);
    prompter.setParent(&window);
    window.show();
    return app.exec();
}
