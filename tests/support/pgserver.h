#ifndef PGSERVER_H
#define PGSERVER_H

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throw-away PostgreSQL cluster for one test program: its data and its Unix socket in a
// temporary directory, no TCP, trust authentication, durability switched off for speed.
// initdb refuses root, so a suite started as root runs the server as the system user
// velmora-test (created when missing), as scripts/tester.sh runs the suites.
class PgServer
{
public:
    PgServer();  // starts the cluster; see isRunning()/errorString()
    ~PgServer(); // stops it at once and removes the directory
    PgServer(const PgServer &) = delete;
    PgServer &operator=(const PgServer &) = delete;

    bool isRunning() const { return running; }
    QString errorString() const { return error; }
    QString socketDirectory() const;

    // Creates the database unless it exists and applies dist/postgresql/schema.sql to it
    // with psql as the superuser "postgres" (extra psql -v variables as "name=value");
    // false with errorString().
    bool createSchoolDatabase(const QString &database, const QStringList &variables = {});
    // LOGIN roles without password in a group role.
    bool createLearner(const QString &role, const QString &group = "velmora_learner");
    bool createTeacher(const QString &role, const QString &group = "velmora_teacher");
    // libpq URI for the role on the database, through the socket.
    QString uri(const QString &role, const QString &database) const;

    struct Result
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    // psql as the role, stopping at the first error; SQL may hold several statements.
    Result psql(const QString &role, const QString &database, const QString &sql) const;
    // pg_dump of the database, schema and data, as "postgres".
    Result dump(const QString &database) const;

    bool stop();  // a fast shutdown; the socket disappears
    bool start(); // again on the same directory and socket

private:
    Result runPsql(const QString &role, const QString &database,
                   const QStringList &arguments) const;
    bool control(const QString &tool, const QStringList &arguments);
    void watchOverCluster();
    bool fail(const QString &step, const QString &reason);
    QString dataDirectory() const;

    QTemporaryDir dir;
    QString error;
    bool running = false;
};

#endif // PGSERVER_H
