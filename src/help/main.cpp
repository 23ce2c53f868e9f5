#include "frmhelp.h"
#include "helpfolder.h"
#include "platform/windowsfonts.h"

#include <QApplication>

// The Help program: one window showing the help pages. It reads no arguments of its own and keeps
// no state; closing the window ends it.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sunveil Help"));
    loadTahoma();
    frmHelp window(helpProgramFolder(QApplication::applicationDirPath()));
    window.show();
    return app.exec();
}
