#include "databaseprovisioner.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

const QString DatabaseProvisioner::templatePath =
    QStringLiteral(":/Database/Database/databaseVelmoraApp");
const QString DatabaseProvisioner::databasePath = QStringLiteral("./databaseVelmoraApp");

void DatabaseProvisioner::provision(const QString &templateFile, const QString &databaseFile)
{
    if (!QFile::exists(templateFile)) {
        qDebug() << "Nicht verfügbar: ";
        return;
    }
    // A file of zero bytes holds nothing: a first copy that failed (full disk) leaves one
    // once SQLite has opened the name. It is provisioned like a missing one; anything else
    // of that name, whatever its state, keeps everything the user stored in it.
    const QFileInfo existing(databaseFile);
    if (existing.isFile() && !existing.isSymLink() && existing.size() == 0)
        QFile::remove(databaseFile);
    if (!QFileInfo::exists(databaseFile) && !QFile::copy(templateFile, databaseFile))
        qDebug().noquote() << QStringLiteral("Vorlage konnte nicht kopiert werden: ") +
                                  databaseFile;
    // The copy of a resource is read-only; the owner must be able to write, on every
    // start. Only a regular file: a directory of that name is none of our business.
    if (QFileInfo(databaseFile).isFile())
        QFile::setPermissions(databaseFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
