#include "sqlrunner.h"

#include "databaseconnection.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
// Statements on a connection that failed to open are skipped: they could only fail.
bool connectionOpen()
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).isOpen();
}
} // namespace

SqlRunner::SqlRunner()
    : fixedDialect(SqlDialect::ofDriver(
          QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false)
              .driverName()))
{
}

SqlRunner::SqlRunner(DatabaseConnection *connection) : connection(connection) {}

SqlDialect SqlRunner::dialect() const
{
    return connection ? connection->dialect() : fixedDialect;
}

bool SqlRunner::usable()
{
    if (depth > 0 && failed)
        return false;
    if (connection && depth == 0 && !connection->reconnectIfLost())
        return false;
    // Statements prepared on a connection that was opened again are gone with it.
    if (connection && connection->openings() != openingsSeen) {
        prepared.clear();
        openingsSeen = connection->openings();
    }
    return connectionOpen();
}

bool SqlRunner::select(QSqlQuery &query, const QString &statement)
{
    if (!usable())
        return noted(false);
    query.setForwardOnly(true);
    return noted(query.exec(statement));
}

// A read can also fail while stepping through its rows (a lock taken meanwhile).
bool SqlRunner::readEnded(const QSqlQuery &query)
{
    return noted(!query.lastError().isValid());
}

QVariant SqlRunner::firstValue(const QString &statement)
{
    QSqlQuery query;
    if (!select(query, statement))
        return QVariant();
    const QVariant value = query.next() ? query.value(0) : QVariant();
    return readEnded(query) ? value : QVariant();
}

QString SqlRunner::text(const QString &statement)
{
    return firstValue(statement).toString();
}

int SqlRunner::integer(const QString &statement)
{
    return firstValue(statement).toInt();
}

QList<QString> SqlRunner::texts(const QString &statement)
{
    QList<QString> result;
    QSqlQuery query;
    if (!select(query, statement))
        return result;
    while (query.next())
        result.append(query.value(0).toString());
    return readEnded(query) ? result : QList<QString>();
}

QList<int> SqlRunner::integers(const QString &statement)
{
    QList<int> result;
    QSqlQuery query;
    if (!select(query, statement))
        return result;
    while (query.next())
        result.append(query.value(0).toInt());
    return readEnded(query) ? result : QList<int>();
}

QList<QPair<int, QVariant>> SqlRunner::pairs(const QString &statement)
{
    QList<QPair<int, QVariant>> result;
    QSqlQuery query;
    if (!select(query, statement))
        return result;
    while (query.next())
        result.append({query.value(0).toInt(), query.value(1)});
    return readEnded(query) ? result : QList<QPair<int, QVariant>>();
}

QList<QVariantList> SqlRunner::rows(const QString &statement)
{
    QList<QVariantList> result;
    QSqlQuery query;
    if (!select(query, statement))
        return result;
    const int columns = query.record().count();
    while (query.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int column = 0; column < columns; ++column)
            row.append(query.value(column));
        result.append(row);
    }
    return readEnded(query) ? result : QList<QVariantList>();
}

bool SqlRunner::run(const QString &statement)
{
    if (!usable())
        return noted(false);
    QSqlQuery query;
    return noted(query.exec(statement));
}

QSqlQuery *SqlRunner::preparedQuery(const QString &statement)
{
    if (!usable())
        return nullptr;
    auto kept = prepared.find(statement);
    if (kept == prepared.end()) {
        QSqlQuery query;
        if (!query.prepare(statement))
            return nullptr;
        kept = prepared.insert(statement, query);
    }
    return &kept.value();
}

bool SqlRunner::runPrepared(const QString &statement, const Bindings &bindings)
{
    QSqlQuery *query = preparedQuery(statement);
    if (!query)
        return noted(false);
    for (const auto &binding : bindings)
        query->bindValue(binding.first, binding.second);
    const bool ok = query->exec();
    query->finish();
    return noted(ok);
}

QVariant SqlRunner::valuePrepared(const QString &statement, const Bindings &bindings)
{
    QSqlQuery *query = preparedQuery(statement);
    if (!query) {
        noted(false);
        return QVariant();
    }
    for (const auto &binding : bindings)
        query->bindValue(binding.first, binding.second);
    const bool ok = query->exec() && query->next();
    const QVariant value = ok ? query->value(0) : QVariant();
    query->finish();
    return noted(ok) ? value : QVariant();
}

void SqlRunner::forgetPrepared()
{
    prepared.clear();
}

void SqlRunner::beginChange()
{
    if (depth > 0) {
        ++depth;
        return;
    }
    failed = false;
    // Outside the change still: a lost connection is opened again first.
    const bool ready = usable();
    depth = 1;
    if (!ready || !QSqlDatabase::database().transaction())
        failed = true;
}

bool SqlRunner::endChange()
{
    if (depth == 0)
        return false;
    if (--depth > 0)
        return !failed;
    QSqlDatabase db = QSqlDatabase::database();
    if (!failed && db.commit())
        return true;
    db.rollback();
    failed = false;
    return false;
}

void SqlRunner::failChange()
{
    if (depth > 0)
        failed = true;
}

bool SqlRunner::noted(bool ok)
{
    if (!ok && depth > 0)
        failed = true;
    return ok;
}
