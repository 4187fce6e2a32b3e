#include "pgserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QUrl>

#include <pwd.h>
#include <unistd.h>

namespace {

const QString serverBinaries = QStringLiteral("/usr/lib/postgresql/15/bin/");
// The user that runs the cluster when the suite runs as root; scripts/tester.sh runs the
// suites as the same one.
const char *const clusterUser = "velmora-test";
const int processTimeoutMs = 120000;

QString identifier(QString name)
{
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// pg_ctl hands its -o options to the shell.
QString shellWord(QString word)
{
    return QLatin1Char('\'') + word.replace(QLatin1Char('\''), QStringLiteral("'\\''")) +
           QLatin1Char('\'');
}

// Nothing of the caller's libpq settings (PGHOST, PGPORT, PGUSER...) may steer a tool to
// another server; messages in English, and a reapplied schema without its notices.
QProcessEnvironment toolEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : environment.keys()) {
        if (name.startsWith(QLatin1String("PG")))
            environment.remove(name);
    }
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("PGOPTIONS", "-c client_min_messages=warning");
    return environment;
}

PgServer::Result execute(const QString &program, const QStringList &arguments,
                         const QString &workingDirectory = {})
{
    QProcess process;
    process.setProcessEnvironment(toolEnvironment());
    process.setWorkingDirectory(workingDirectory); // empty: the caller's
    process.start(program, arguments);
    process.closeWriteChannel();
    PgServer::Result result;
    if (!process.waitForFinished(processTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.err = process.errorString();
    }
    if (process.exitStatus() == QProcess::NormalExit && process.error() != QProcess::FailedToStart)
        result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err += QString::fromUtf8(process.readAllStandardError());
    if (process.error() == QProcess::FailedToStart)
        result.err = program + ": " + process.errorString();
    return result;
}

} // namespace

PgServer::PgServer()
{
    QElapsedTimer timer;
    timer.start();
    const QString socket = socketDirectory();
    if (!dir.isValid() || !QDir().mkdir(socket)) {
        fail("temporary directory", dir.isValid() ? socket : dir.errorString());
        return;
    }
    // The test program reaches the socket; initdb makes the data directory itself, 0700.
    const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(dir.path(), open);
    QFile::setPermissions(socket, open);
    if (geteuid() == 0) {
        if (!getpwnam(clusterUser)) {
            const Result added =
                execute("useradd", {"--system", "--user-group", "--create-home", "--home-dir",
                                    QString("/var/lib/") + clusterUser, "--shell",
                                    "/usr/sbin/nologin", clusterUser});
            // Another suite started at the same moment may have made it first.
            if (added.exitCode != 0 && !getpwnam(clusterUser)) {
                fail("useradd", added.err);
                return;
            }
        }
        const passwd *user = getpwnam(clusterUser);
        for (const QString &path : {dir.path(), socket}) {
            if (!user ||
                chown(QFile::encodeName(path).constData(), user->pw_uid, user->pw_gid) != 0) {
                fail("chown", path);
                return;
            }
        }
    }
    watchOverCluster();
    if (control("initdb", {"-D", dataDirectory(), "-A", "trust", "-U", "postgres", "--no-sync",
                           "-E", "UTF8", "--locale=C.UTF-8"}) &&
        start())
        qInfo("PostgreSQL ready in %lld ms at %s", timer.elapsed(), qPrintable(socket));
}

PgServer::~PgServer()
{
    if (running)
        control("pg_ctl", {"stop", "-w", "-s", "-m", "immediate", "-D", dataDirectory()});
}

// A test program that crashes or is killed on a timeout never reaches the destructor: a
// watcher ends the server at once (SIGQUIT) and removes the directory when it has gone.
void PgServer::watchOverCluster()
{
    QProcess watcher;
    watcher.setProgram(QStringLiteral("sh"));
    watcher.setArguments(
        {"-c",
         "while kill -0 \"$1\" 2>/dev/null; do sleep 1; done; "
         "kill -QUIT \"$(head -n 1 \"$2/data/postmaster.pid\" 2>/dev/null)\" 2>/dev/null; "
         "sleep 1; rm -rf \"$2\"",
         "pgserver-watch", QString::number(QCoreApplication::applicationPid()), dir.path()});
    // Nothing of the test's output: ctest waits for every holder of its pipes.
    watcher.setStandardInputFile(QProcess::nullDevice());
    watcher.setStandardOutputFile(QProcess::nullDevice());
    watcher.setStandardErrorFile(QProcess::nullDevice());
    watcher.startDetached();
}

QString PgServer::socketDirectory() const
{
    return dir.filePath(QStringLiteral("socket"));
}

QString PgServer::dataDirectory() const
{
    return dir.filePath(QStringLiteral("data"));
}

bool PgServer::start()
{
    const QString options = "-c listen_addresses='' -k " + shellWord(socketDirectory()) +
                            " -c fsync=off -c synchronous_commit=off -c full_page_writes=off"
                            " -c max_connections=200";
    const QString log = dir.filePath("server.log");
    running = control("pg_ctl", {"start", "-w", "-s", "-t", "60", "-D", dataDirectory(), "-l", log,
                                 "-o", options});
    if (!running) {
        QFile file(log);
        if (file.open(QIODevice::ReadOnly))
            error += "\n" + QString::fromUtf8(file.readAll().right(2000));
    }
    return running;
}

bool PgServer::stop()
{
    if (!control("pg_ctl", {"stop", "-w", "-s", "-m", "fast", "-D", dataDirectory()}))
        return false;
    running = false;
    return true;
}

// initdb and pg_ctl run as the owner of the cluster, which root may not be.
bool PgServer::control(const QString &tool, const QStringList &arguments)
{
    QString program = serverBinaries + tool;
    QStringList all = arguments;
    if (geteuid() == 0) {
        all.prepend(program);
        all = QStringList{"-u", clusterUser, "--"} + all;
        program = QStringLiteral("runuser");
    }
    // Inside the temporary directory: the caller's working directory may be closed to
    // the cluster's user.
    const Result result = execute(program, all, dir.path());
    if (result.exitCode == 0)
        return true;
    return fail(tool + ' ' + arguments.value(0),
                result.err.trimmed().isEmpty() ? result.out : result.err);
}

bool PgServer::fail(const QString &step, const QString &reason)
{
    error = step + ": " + reason.trimmed();
    return false;
}

PgServer::Result PgServer::runPsql(const QString &role, const QString &database,
                                   const QStringList &arguments) const
{
    return execute("psql", QStringList{"-X", "-q", "-At", "-v", "ON_ERROR_STOP=1", "-h",
                                       socketDirectory(), "-U", role, "-d", database} +
                               arguments);
}

PgServer::Result PgServer::psql(const QString &role, const QString &database,
                                const QString &sql) const
{
    return runPsql(role, database, {"-c", sql});
}

PgServer::Result PgServer::dump(const QString &database) const
{
    // pg_dump writes a random \\restrict key into every dump unless it is given one.
    return execute(
        serverBinaries + QStringLiteral("pg_dump"),
        {"--restrict-key=velmora", "-h", socketDirectory(), "-U", "postgres", "-d", database});
}

bool PgServer::createSchoolDatabase(const QString &database, const QStringList &variables)
{
    const Result created = psql("postgres", "postgres", "CREATE DATABASE " + identifier(database));
    if (created.exitCode != 0 && !created.err.contains("already exists"))
        return fail("CREATE DATABASE", created.err);
    QStringList arguments;
    for (const QString &variable : variables)
        arguments << "-v" << variable;
    const Result applied =
        runPsql("postgres", database, arguments << "-f" << VELMORA_POSTGRESQL_SCHEMA);
    return applied.exitCode == 0 || fail("schema.sql", applied.err);
}

bool PgServer::createLearner(const QString &role, const QString &group)
{
    const Result created = psql(
        "postgres", "postgres",
        QStringLiteral("CREATE ROLE %1 LOGIN IN ROLE %2").arg(identifier(role), identifier(group)));
    return created.exitCode == 0 || fail("CREATE ROLE", created.err);
}

// A teacher is the same kind of LOGIN role; only the group differs.
bool PgServer::createTeacher(const QString &role, const QString &group)
{
    return createLearner(role, group);
}

QString PgServer::uri(const QString &role, const QString &database) const
{
    return QStringLiteral("postgresql://%1@/%2?host=%3")
        .arg(QString::fromUtf8(QUrl::toPercentEncoding(role)),
             QString::fromUtf8(QUrl::toPercentEncoding(database)),
             QString::fromUtf8(QUrl::toPercentEncoding(socketDirectory())));
}
