#include "programinfo.h"

#include "databaseprovisioner.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPixmap>

QString ProgramInfo::name()
{
    return QStringLiteral("Velmora");
}

QString ProgramInfo::version()
{
    return QStringLiteral(VELMORA_VERSION);
}

QString ProgramInfo::desktopFileName()
{
    return QStringLiteral("org.velmora.Velmora");
}

QString ProgramInfo::windowTitle(const QString &title)
{
    // U+2014 EM DASH between spaces, as desktops join a window's title and its program.
    return title + QStringLiteral(" \u2014 ") + name();
}

QIcon ProgramInfo::icon()
{
    // The logo begins with the emblem that the application icon shows, on a square as high
    // as the logo.
    QIcon emblem;
    for (const char *file :
         {":/Images/Images/velmora_logo.png", ":/Images/Images/velmora_logo@2x.png"}) {
        const QPixmap logo{QString::fromLatin1(file)};
        if (!logo.isNull())
            emblem.addPixmap(logo.copy(0, 0, logo.height(), logo.height()));
    }
    return QIcon::fromTheme(desktopFileName(), emblem);
}

QString ProgramInfo::databaseFile()
{
    return QFileInfo(DatabaseProvisioner::databasePath).absoluteFilePath();
}

QString ProgramInfo::userGuide()
{
    const QString installed = QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                              QStringLiteral(VELMORA_GUIDE_FROM_BINDIR);
    for (const QString &guide : {installed, QStringLiteral(VELMORA_GUIDE_IN_SOURCES)}) {
        if (QFileInfo(guide).isFile())
            return QFileInfo(guide).canonicalFilePath();
    }
    return QString();
}
