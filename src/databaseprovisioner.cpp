#include "databaseprovisioner.h"

#include <QDebug>
#include <QFile>

const QString DatabaseProvisioner::templatePath =
    QStringLiteral(":/Database/Database/databaseVelmoraApp");
const QString DatabaseProvisioner::databasePath = QStringLiteral("./databaseVelmoraApp");

void DatabaseProvisioner::provision(const QString &templateFile, const QString &databaseFile)
{
    if (!QFile::exists(templateFile)) {
        qDebug() << "Nicht verfügbar: ";
        return;
    }
    // QFile::copy refuses to overwrite, so an existing database (whatever its state)
    // keeps everything the user stored in it.
    QFile::copy(templateFile, databaseFile);
    // The copy of a resource is read-only; the owner must be able to write, on every start.
    QFile::setPermissions(databaseFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
