#include "app/frmmain.h"
#include "platform/messageboxprompter.h"
#include "platform/platformcontext.h"
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

    FrmMain window(context);
    prompter.setParent(&window);
    window.startUp();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
