#include "databaselocation.h"

#include "databaseprovisioner.h"

#include <QSettings>
#include <QStringList>

#include <libpq-fe.h>

const char DatabaseLocation::environmentVariable[] = "VELMORA_DATABASE";
const char DatabaseLocation::settingsKey[] = "database/url";

namespace {
// A server that does not answer must not hold the window for libpq's default of forever.
const char defaultConnectTimeout[] = "10";

// A value as libpq's keyword=value form reads it.
QString quoted(const QString &value)
{
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}
} // namespace

DatabaseLocation::DatabaseLocation() : file(DatabaseProvisioner::databasePath) {}

DatabaseLocation DatabaseLocation::parse(const QString &fileOrUri)
{
    DatabaseLocation location;
    const bool uri = fileOrUri.startsWith(QLatin1String("postgresql://")) ||
                     fileOrUri.startsWith(QLatin1String("postgres://"));
    if (!uri) {
        location.file = fileOrUri;
        return location;
    }
    location.server = true;
    location.file.clear();
    location.text = fileOrUri;
    // libpq reads the URI itself, so every form it accepts (several hosts, percent-encoding,
    // query parameters) means here what it means to psql.
    char *message = nullptr;
    PQconninfoOption *parsed = PQconninfoParse(fileOrUri.toUtf8().constData(), &message);
    if (!parsed) {
        location.error = message ? QString::fromUtf8(message).trimmed()
                                 : QStringLiteral("out of memory");
        PQfreemem(message);
        return location;
    }
    QStringList pairs;
    bool timeoutGiven = false;
    for (const PQconninfoOption *option = parsed; option->keyword; ++option) {
        if (!option->val)
            continue;
        const QString keyword = QString::fromLatin1(option->keyword);
        const QString value = QString::fromUtf8(option->val);
        // The Qt driver turns every ";" of its options into a space before libpq sees them.
        if (value.contains(QLatin1Char(';'))) {
            location.error = QStringLiteral("the value of %1 holds a \";\", which cannot be "
                                            "passed on to the server")
                                 .arg(keyword);
            break;
        }
        if (keyword == QLatin1String("host") || keyword == QLatin1String("hostaddr"))
            location.host = location.host.isEmpty() ? value : location.host;
        else if (keyword == QLatin1String("port"))
            location.port = value;
        else if (keyword == QLatin1String("dbname"))
            location.database = value;
        else if (keyword == QLatin1String("connect_timeout"))
            timeoutGiven = true;
        pairs << keyword + QLatin1Char('=') + quoted(value);
    }
    PQconninfoFree(parsed);
    if (!timeoutGiven)
        pairs << QStringLiteral("connect_timeout=") + QLatin1String(defaultConnectTimeout);
    location.options = pairs.join(QLatin1Char(';'));
    return location;
}

DatabaseLocation DatabaseLocation::resolve(const QString &commandLineValue)
{
    if (!commandLineValue.isEmpty())
        return parse(commandLineValue);
    const QString environment = qEnvironmentVariable(environmentVariable);
    if (!environment.isEmpty())
        return parse(environment);
    // The user's file, then the system's (/etc/xdg/velmora/velmora.conf): an administrator
    // points every computer at the server once.
    const QSettings settings(QStringLiteral("velmora"), QStringLiteral("velmora"));
    // An unquoted value with commas (a URI naming several hosts) reads as a list.
    const QString configured =
        settings.value(QLatin1String(settingsKey)).toStringList().join(QLatin1Char(','));
    if (!configured.isEmpty())
        return parse(configured);
    return DatabaseLocation();
}

QString DatabaseLocation::displayName() const
{
    if (!server)
        return file;
    // The socket directory is where libpq looks without a host.
    QString where = host.isEmpty() ? QStringLiteral("localhost") : host;
    if (!port.isEmpty())
        where += QLatin1Char(':') + port;
    const QString name = database.isEmpty() ? tr("(the default database)") : database;
    return tr("%1 on %2", "database on server").arg(name, where);
}
