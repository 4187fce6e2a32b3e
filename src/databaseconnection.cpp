#include "databaseconnection.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>
#include <QVariant>

#include <libpq-fe.h>

namespace {
// Another program may hold a lock for a moment (the external editor on the file, another
// learner's recording on the server): wait for it instead of losing the write.
constexpr int statementLockWait = 5000;
// "Velmora" in ASCII: the advisory lock of the catalogue, one per database.
const char catalogueLockKey[] = "24318364364010081";
// A server that took this long to fail is asked again only after the pause.
constexpr qint64 slowAttempt = 500;
constexpr qint64 reconnectPause = 3000;
constexpr int lockPoll = 100;

QString driverMessage(const QSqlError &error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}
} // namespace

DatabaseConnection::DatabaseConnection(const DatabaseLocation &location, Mode mode)
    : where(location), mode(mode),
      sqlDialect(location.isServer() ? SqlDialect::PostgreSQL : SqlDialect::SQLite)
{
}

DatabaseConnection::~DatabaseConnection()
{
    close();
    // Released before unregistering, so the next instance (a restarted program, a test)
    // registers a fresh default connection without a warning.
    const QString name = database.connectionName();
    database = QSqlDatabase();
    if (!name.isEmpty())
        QSqlDatabase::removeDatabase(name);
}

bool DatabaseConnection::fail(Problem problem, const QString &text)
{
    trouble = problem;
    reason = text;
    database.close();
    return false;
}

bool DatabaseConnection::open()
{
    trouble = Problem::None;
    reason.clear();
    teacher = -1;
    if (!where.errorString().isEmpty())
        return fail(Problem::InvalidLocation,
                    tr("The database address %1 cannot be read: %2")
                        .arg(QUrl(where.uri()).toString(QUrl::RemovePassword),
                             where.errorString()));
    if (database.isValid())
        database.close();
    else
        database = QSqlDatabase::addDatabase(sqlDialect.driverName());
    const bool opened = sqlDialect.isServer() ? openServer() : openFile();
    if (opened)
        ++openCount;
    return opened;
}

bool DatabaseConnection::openFile()
{
    const QFileInfo file(where.filePath());
    // SQLite would create a missing file, even one opened only to be read.
    if (mode == Mode::ReadOnly && !file.exists())
        return fail(Problem::Missing, tr("%1 does not exist").arg(where.filePath()));
    if (mode == Mode::ReadOnly && (!file.isFile() || !file.isReadable()))
        return fail(Problem::NotADatabase, tr("%1 cannot be read").arg(where.filePath()));
    database.setDatabaseName(where.filePath());
    database.setConnectOptions(
        (mode == Mode::ReadOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;") : QString()) +
        QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(statementLockWait));
    // SQLite opens lazily, so a file that is not a database (or is damaged) only shows on
    // the first read: probe the schema now. The file itself is left exactly as it is.
    QSqlQuery probe(database);
    if (!database.open() || !probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) ||
        !probe.next())
        return fail(Problem::NotADatabase, tr("%1 is not a database").arg(where.filePath()));
    if (mode == Mode::ReadOnly &&
        (!probe.exec(sqlDialect.tableExists(QStringLiteral("question_lang"))) || !probe.next() ||
         probe.value(0).toInt() == 0))
        return fail(Problem::NoSchema, tr("%1 is not a Velmora database").arg(where.filePath()));
    return true;
}

bool DatabaseConnection::openServer()
{
    const QString server = where.displayName();
    if (!QSqlDatabase::isDriverAvailable(sqlDialect.driverName()))
        return fail(Problem::Unreachable,
                    tr("The database %1 cannot be reached: Qt's PostgreSQL driver "
                       "(libqt5sql5-psql) is not installed.")
                        .arg(server));
    database.setConnectOptions(where.connectOptions());
    if (!database.open())
        return fail(Problem::Unreachable, tr("The database %1 cannot be reached: %2")
                                              .arg(server, driverMessage(database.lastError())));
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("SELECT to_regclass('velmora_schema') IS NOT NULL")) ||
        !query.next() || !query.value(0).toBool())
        return fail(Problem::NoSchema,
                    tr("The database %1 holds no Velmora catalogue. Apply the schema to it "
                       "with psql: psql -d DATABASE -f %2")
                        .arg(server, QStringLiteral(VELMORA_SCHEMA_FILE)));
    if (!query.exec(QStringLiteral("SELECT max(version) FROM velmora_schema")) || !query.next())
        return fail(Problem::Refused, tr("The database %1 refused to be read: %2")
                                          .arg(server, driverMessage(query.lastError())));
    const int version = query.value(0).toInt();
    if (version != schemaVersion)
        return fail(Problem::OtherSchemaVersion,
                    tr("The database %1 has version %2 of the Velmora schema; this program "
                       "needs version %3. Apply the schema of this program (%4), or use the "
                       "program that matches the database.")
                        .arg(server)
                        .arg(version)
                        .arg(schemaVersion)
                        .arg(QStringLiteral(VELMORA_SCHEMA_FILE)));
    // A learner's first connection starts from the defaults of the settings tables; the
    // chosen categories only with the quiz settings they belong to.
    const char *const ownRows[] = {
        "INSERT INTO learner_settings (current_country_code, current_lang_id) SELECT "
        "current_country_code, current_lang_id FROM settings LIMIT 1 ON CONFLICT DO NOTHING",
        "INSERT INTO learner_quiz_category (current_category_id) SELECT current_category_id "
        "FROM quiz_settings_current_category_id WHERE NOT EXISTS (SELECT FROM "
        "learner_quiz_settings)",
        "INSERT INTO learner_quiz_settings (question_number, time_per_question) SELECT "
        "question_number, time_per_question FROM quiz_settings LIMIT 1 ON CONFLICT DO NOTHING",
    };
    if (mode == Mode::ReadWrite) {
        bool ok = database.transaction();
        for (const char *statement : ownRows)
            ok = ok && query.exec(QString::fromLatin1(statement));
        if (!ok || !database.commit()) {
            const QString message = driverMessage(query.lastError());
            database.rollback();
            return fail(Problem::Refused,
                        tr("The database %1 refused this role its settings: %2")
                            .arg(server, message));
        }
    }
    query.exec(sqlDialect.lockWait(statementLockWait));
    return true;
}

void DatabaseConnection::close()
{
    if (database.isValid())
        database.close();
}

bool DatabaseConnection::isOpen() const
{
    return database.isOpen();
}

bool DatabaseConnection::lost() const
{
    if (!sqlDialect.isServer() || !database.isOpen())
        return !database.isOpen();
    const QVariant handle = database.driver()->handle();
    if (qstrcmp(handle.typeName(), "PGconn*") != 0)
        return false;
    PGconn *connection = *static_cast<PGconn *const *>(handle.data());
    return !connection || PQstatus(connection) == CONNECTION_BAD;
}

bool DatabaseConnection::reconnectIfLost()
{
    if (!lost())
        return true;
    // A file is opened once; what failed there does not mend itself.
    if (!sqlDialect.isServer())
        return false;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now < nextReconnectMs)
        return false;
    QElapsedTimer attempt;
    attempt.start();
    if (open())
        return true;
    if (attempt.elapsed() >= slowAttempt)
        nextReconnectMs = QDateTime::currentMSecsSinceEpoch() + reconnectPause;
    return false;
}

bool DatabaseConnection::lockCatalogue()
{
    // A file needs no lock of its own; a learner changes only their own rows, which no
    // change of another waits for (and may not take the teachers' lock).
    if (!sqlDialect.isServer() || !mayChangeCatalogue())
        return true;
    // Asked again and again instead of waiting in the server, so the window stays painted
    // and says that it waits.
    QSqlQuery query(database);
    const QString tryLock =
        QStringLiteral("SELECT pg_try_advisory_xact_lock(%1)").arg(QLatin1String(catalogueLockKey));
    QElapsedTimer waited;
    waited.start();
    bool told = false;
    bool locked = false;
    while (query.exec(tryLock) && query.next()) {
        if (query.value(0).toBool()) {
            locked = true;
            break;
        }
        if (waited.elapsed() >= lockWaitLimit)
            break;
        if (waiting)
            waiting(int(waited.elapsed()));
        told = true;
        QThread::msleep(lockPoll);
    }
    if (told && waiting)
        waiting(-1);
    return locked;
}

bool DatabaseConnection::mayChangeCatalogue()
{
    if (!sqlDialect.isServer())
        return true;
    if (teacher < 0) {
        QSqlQuery query(database);
        // Unknown (the server is gone): the write is tried and the server's rights decide.
        if (!query.exec(QStringLiteral("SELECT has_table_privilege('question', 'INSERT')")) ||
            !query.next())
            return true;
        teacher = query.value(0).toBool() ? 1 : 0;
    }
    return teacher == 1;
}
