#ifndef PROGRAMINFO_H
#define PROGRAMINFO_H

#include <QIcon>
#include <QString>

// What the program says about itself: its name in every window title, its version, icon and
// desktop identity, where its data lives and where its user guide is.
class ProgramInfo
{
public:
    static QString name();
    static QString version();
    // The id of the desktop entry, the icon and the AppStream metadata.
    static QString desktopFileName();
    // "Quiz settings — Velmora": the window's own title, then the program's name.
    static QString windowTitle(const QString &title);
    // The installed icon of the theme when there is one, else the emblem of the bundled logo.
    static QIcon icon();
    // The database file in the working directory, as an absolute path.
    static QString databaseFile();
    // The installed user guide beside the program, else the one of the source tree it was
    // built from; empty when neither is there.
    static QString userGuide();
};

#endif // PROGRAMINFO_H
