#include "controller.h"
#include "databaseprovisioner.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Must precede the application object: the window then scales with the screen's
    // device pixel ratio, and icons pick their larger source pictures there.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication application(argc, argv);
    DatabaseProvisioner::provision();
    Controller controller;
    controller.show();
    return application.exec();
}
