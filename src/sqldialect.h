#ifndef SQLDIALECT_H
#define SQLDIALECT_H

#include <QString>

// Where the SQLite file and a PostgreSQL server differ, said once. Everything else is the
// same statement on both:
// - ids of the catalogue are chosen by the program (the lowest free one) on both; only the
//   order of recorded answers and the run ids come from the server's identity columns;
// - is_True holds 'true' or 'false': text in the file, a boolean on the server, and the
//   same literals compare and bind on both;
// - no statement uses LIKE (its case rules differ); searches are done by the screens;
// - a failed statement ends a PostgreSQL transaction on the spot, so SqlRunner runs
//   nothing more in a change once a statement of it failed, on both;
// - a server returns rows in no particular order, where the file happens to keep its
//   keys' order: every read whose order matters names it;
// - a day of the answer history is reckoned by the program in local time, from
//   quarter-hour counts that both compute alike.
class SqlDialect
{
public:
    enum Kind { SQLite, PostgreSQL };

    explicit SqlDialect(Kind kind = SQLite) : kind(kind) {}
    // The dialect of the connection's Qt driver (QSQLITE or QPSQL).
    static SqlDialect ofDriver(const QString &driverName);

    bool isServer() const { return kind == PostgreSQL; }
    QString driverName() const;

    // The table a statement names: on a server, each learner's settings live in tables keyed
    // by role, and "every_" tables (everyone's history, for a teacher's change of the
    // catalogue) are views past the row-level security; in the file both are the plain table.
    QString table(const QString &name) const;
    // Statement giving 1 when the table exists, 0 when not.
    QString tableExists(const QString &name) const;
    // Whether the program creates its history tables itself (the file), or finds them made
    // by the schema script (the server, where learners may create nothing).
    bool createsTables() const { return kind == SQLite; }
    // The column in which rows of the answer history are in the order they were recorded.
    QString recordedOrder() const;
    // The key of a learner's memory of a question.
    QString memoryKey() const;
    // How long a statement waits for a lock another connection holds.
    QString lockWait(int milliseconds) const;

private:
    Kind kind;
};

#endif // SQLDIALECT_H
