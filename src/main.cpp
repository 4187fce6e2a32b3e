#include "commandline.h"
#include "connectionwindow.h"
#include "controller.h"
#include "databaselocation.h"
#include "databaseprovisioner.h"
#include "programinfo.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Read before the application object, which needs a display: --help, --version and
    // mistakes are answered on any terminal.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine(arguments);
    if (!commandLine.starts())
        return commandLine.finish();

    // Must precede the application object: the window then scales with the screen's
    // device pixel ratio, and icons pick their larger source pictures there.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(ProgramInfo::version());
    // The desktop finds the menu entry, and with it the icon, of the running program.
    QGuiApplication::setDesktopFileName(ProgramInfo::desktopFileName());
    QApplication::setWindowIcon(ProgramInfo::icon());
    const DatabaseLocation location =
        DatabaseLocation::resolve(commandLine.value(QStringLiteral("database")));
    if (!location.isServer())
        DatabaseProvisioner::provision(DatabaseProvisioner::templatePath, location.filePath());
    else if (!ConnectionWindow::untilUsable(location))
        return 1;
    Controller controller(location);
    controller.show();
    return application.exec();
}
