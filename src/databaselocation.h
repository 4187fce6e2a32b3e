#ifndef DATABASELOCATION_H
#define DATABASELOCATION_H

#include <QCoreApplication>
#include <QString>

// Where the catalogue lives: the SQLite file (by default ./databaseVelmoraApp) or a
// PostgreSQL server named by a connection URI in libpq's syntax. Chosen, first to last, by
// the command line, the environment variable VELMORA_DATABASE and the key database/url of
// velmora.conf (the user's, then the system's); without any of them, the default file.
class DatabaseLocation
{
    Q_DECLARE_TR_FUNCTIONS(DatabaseLocation)

public:
    static const char environmentVariable[];
    static const char settingsKey[];

    // The default file.
    DatabaseLocation();
    // A URI (postgresql:// or postgres://) or else a file name.
    static DatabaseLocation parse(const QString &fileOrUri);
    // The choice as the program makes it; an empty commandLineValue was not given.
    static DatabaseLocation resolve(const QString &commandLineValue = QString());

    bool isServer() const { return server; }
    // Empty unless a URI could not be read; then nothing can be opened.
    QString errorString() const { return error; }
    QString filePath() const { return file; }
    QString uri() const { return text; }
    // libpq's keyword=value form of the URI, as the Qt driver hands it on (";" between
    // pairs), with a connect timeout unless the URI names one.
    QString connectOptions() const { return options; }
    // For people: the file, or "database on host:port" without user or password.
    QString displayName() const;

private:
    bool server = false;
    QString file;
    QString text;
    QString options;
    QString error;
    QString host;
    QString port;
    QString database;
};

#endif // DATABASELOCATION_H
