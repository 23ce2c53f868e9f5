#include "app/frmmain.h"
#include "platform/messageboxprompter.h"
#include "platform/platformcontext.h"
#include "platform/singleinstance.h"
#include "platform/waylandsession.h"
#include "platform/windowsfonts.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    preferX11OnWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sunveil"));
    loadTahoma();
    MessageBoxPrompter prompter;
    const AppContext context = platformContext(prompter);

    SingleInstance instance;
    if (!instance.claim()) {
        prompter.tell(Prompter::Icon::Information, QStringLiteral("Sunveil V1.0"),
                      QStringLiteral("The program is running."));
        return 0;
    }

    QApplication::setQuitOnLastWindowClosed(false); // only Exit ends the program
    FrmMain window(context);
    prompter.setParent(&window);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.startUp();
    return app.exec();
}
