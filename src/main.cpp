#include "controller.h"
#include "databaseprovisioner.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    DatabaseProvisioner::provision();
    Controller controller;
    controller.show();
    return application.exec();
}
