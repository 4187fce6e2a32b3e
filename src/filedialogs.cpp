#include "filedialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString lastDirectoryKey = QStringLiteral("fileDialogs/lastDirectory");

// The settings file of the program (~/.config/velmora/velmora.conf); named here rather
// than through the application's names, which nothing else relies on.
const QString settingsOrganisation = QStringLiteral("velmora");
const QString settingsApplication = QStringLiteral("velmora");

// The program keeps its database in the working directory; the desktop launcher makes
// that the hidden data directory. Neither is a place for the user's files.
bool isDataDirectory(const QString &directory)
{
    const QString canonical = QFileInfo(directory).canonicalFilePath();
    const QString launcherData =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        QStringLiteral("/velmora");
    return canonical == QDir::current().canonicalPath() ||
           canonical == QFileInfo(launcherData).canonicalFilePath();
}

bool usable(const QString &directory)
{
    return !directory.isEmpty() && QFileInfo(directory).isDir() && !isDataDirectory(directory);
}
} // namespace

QString FileDialogs::startDirectory()
{
    const QSettings settings(settingsOrganisation, settingsApplication);
    const QString last = settings.value(lastDirectoryKey).toString();
    if (usable(last))
        return last;
    const QString documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (usable(documents))
        return documents;
    return QDir::homePath();
}

void FileDialogs::remember(const QString &chosenFile)
{
    QSettings settings(settingsOrganisation, settingsApplication);
    if (chosenFile.isEmpty())
        settings.remove(lastDirectoryKey);
    else
        settings.setValue(lastDirectoryKey, QFileInfo(chosenFile).absolutePath());
}

QStringList FileDialogs::getOpenFileNames(QWidget *parent, const QString &caption,
                                          const QString &filter)
{
    if (nextOpenFileNames) {
        const QStringList answer = *nextOpenFileNames;
        nextOpenFileNames.reset();
        return answer;
    }
    const QStringList chosen =
        QFileDialog::getOpenFileNames(parent, caption, startDirectory(), filter);
    if (!chosen.isEmpty())
        remember(chosen.first());
    return chosen;
}

QString FileDialogs::getSaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                                     QString *selectedFilter)
{
    if (nextSaveFileName) {
        const QString answer = *nextSaveFileName;
        nextSaveFileName.reset();
        return answer;
    }
    const QString chosen =
        QFileDialog::getSaveFileName(parent, caption, startDirectory(), filter, selectedFilter);
    if (!chosen.isEmpty())
        remember(chosen);
    return chosen;
}
