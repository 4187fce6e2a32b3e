#ifndef DATABASECONNECTION_H
#define DATABASECONNECTION_H

#include "databaselocation.h"
#include "sqldialect.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>

#include <functional>

// The default connection to the catalogue: the SQLite file or a PostgreSQL server, opened,
// checked, and on a server opened again after it was lost. It also holds what only a server
// needs: the lock that makes changes of the catalogue one at a time, and the check whether
// the connected role may change the catalogue at all.
class DatabaseConnection
{
    Q_DECLARE_TR_FUNCTIONS(DatabaseConnection)

public:
    enum class Mode { ReadWrite, ReadOnly };
    // Why the database cannot be used.
    enum class Problem { None, InvalidLocation, Missing, NotADatabase, Unreachable, NoSchema,
                         OtherSchemaVersion, Refused };
    static constexpr int schemaVersion = 1;
    // How long a change of the catalogue waits for another's, by default.
    static constexpr int catalogueLockWait = 60000;

    explicit DatabaseConnection(const DatabaseLocation &location, Mode mode = Mode::ReadWrite);
    ~DatabaseConnection();
    DatabaseConnection(const DatabaseConnection &) = delete;
    DatabaseConnection &operator=(const DatabaseConnection &) = delete;

    // Opens (again); false with problem() and errorString().
    bool open();
    void close();
    bool isOpen() const;
    Problem problem() const { return trouble; }
    // The reason, for people, naming the database.
    QString errorString() const { return reason; }
    const DatabaseLocation &location() const { return where; }
    SqlDialect dialect() const { return sqlDialect; }

    // On a server whose connection broke (restart, network): opens it again. An attempt
    // that had to wait for its answer (a host that does not reply) is not repeated for a
    // few seconds, so that such a server costs no time on every statement; one refused at
    // once is tried again on the next statement.
    // True when the connection is usable; called before statements outside a change.
    bool reconnectIfLost();
    // Counts each opening after the first, so prepared statements can be dropped.
    int openings() const { return openCount; }

    // Makes the running transaction the only change of the catalogue until it ends: waits
    // for another's change up to the wait limit, telling `waiting` how long it has waited
    // (ms) now and then and -1 when the wait is over. A file needs no lock of its own.
    bool lockCatalogue();
    void setCatalogueLockWait(int milliseconds) { lockWaitLimit = milliseconds; }
    int catalogueLockWaitLimit() const { return lockWaitLimit; }
    // Whether statements can run now (false after a server's connection was lost).
    bool isUsable() const { return !lost(); }
    void setWaitingNotifier(std::function<void(int)> notifier) { waiting = std::move(notifier); }
    // Whether the connected role may change the catalogue (always, for a file).
    bool mayChangeCatalogue();

private:
    bool openFile();
    bool openServer();
    bool fail(Problem problem, const QString &text);
    bool lost() const;

    DatabaseLocation where;
    Mode mode;
    SqlDialect sqlDialect;
    QSqlDatabase database;
    Problem trouble = Problem::None;
    QString reason;
    int openCount = 0;
    qint64 nextReconnectMs = 0;
    int lockWaitLimit = catalogueLockWait;
    std::function<void(int)> waiting;
    int teacher = -1;
};

#endif // DATABASECONNECTION_H
