#ifndef SQLRUNNER_H
#define SQLRUNNER_H

#include <QHash>
#include <QList>
#include <QPair>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include "sqldialect.h"

class DatabaseConnection;

// Runs statements on the default connection and reads their results the way the data
// store needs them: a missing row or a failed statement reads as an empty text, 0 or an
// empty list. It also carries the bookkeeping of nested all-or-nothing changes: inside a
// change, a failed read fails the change like a failed write, because what the change
// writes next was decided on that read (an empty category list is not "no category").
class SqlRunner
{
public:
    using Bindings = QList<QPair<QString, QVariant>>;

    // On the default connection as it is open now (a tool's read-only file, say).
    SqlRunner();
    // On the data store's connection, which a statement outside a change opens again when
    // the server's connection was lost.
    explicit SqlRunner(DatabaseConnection *connection);

    SqlDialect dialect() const;

    // First row, column 0.
    QString text(const QString &statement);
    int integer(const QString &statement);
    // Column 0 of every row, in the order the database returns them.
    QList<QString> texts(const QString &statement);
    QList<int> integers(const QString &statement);
    // Column 0 as an integer with column 1 of every row, in the order returned.
    QList<QPair<int, QVariant>> pairs(const QString &statement);

    // Every column of every row, in the order returned.
    QList<QVariantList> rows(const QString &statement);

    // A concatenated write (UPDATE, DELETE); false when it failed or was skipped.
    bool run(const QString &statement);
    // A prepared write with named placeholders, bound in the order given. Each statement
    // is prepared once and kept for reuse until forgetPrepared().
    bool runPrepared(const QString &statement, const Bindings &bindings);
    // The same for a write that returns one value (INSERT ... RETURNING); null when failed.
    QVariant valuePrepared(const QString &statement, const Bindings &bindings);
    // Drops the kept statements; needed before the connection closes.
    void forgetPrepared();

    // Nested change scopes: the outermost begin opens a transaction and the matching
    // end commits it, or rolls it back when any write inside failed. Once a write has
    // failed, later writes of the scope are skipped, so nothing can slip into autocommit
    // after SQLite has dropped the transaction on its own.
    void beginChange();
    // Returns whether every write of the whole outermost scope so far succeeded (and,
    // for the outermost scope, whether the commit succeeded).
    bool endChange();
    // Marks the running scope as failed, so that it rolls back.
    void failChange();
    bool changeFailed() const { return failed; }
    int changeDepth() const { return depth; }

private:
    // Whether a statement may run now: not after a failure inside a change, and only on an
    // open connection (opened again first, outside a change, when it was lost).
    bool usable();
    // Runs a read; false (and the change failed) when it could not run to its end.
    bool select(QSqlQuery &query, const QString &statement);
    bool readEnded(const QSqlQuery &query);
    QVariant firstValue(const QString &statement);
    // Records the outcome of a statement: a failure inside a change fails the change.
    bool noted(bool ok);

    QSqlQuery *preparedQuery(const QString &statement);

    DatabaseConnection *connection = nullptr;
    SqlDialect fixedDialect;
    int openingsSeen = 0;
    QHash<QString, QSqlQuery> prepared;
    int depth = 0;
    bool failed = false;
};

#endif // SQLRUNNER_H
