#include "sqlrunner.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace {
// Statements on a connection that failed to open are skipped: they could only fail.
bool connectionOpen()
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).isOpen();
}

QVariant firstValue(const QString &statement)
{
    if (!connectionOpen())
        return QVariant();
    QSqlQuery query(statement);
    return query.next() ? query.value(0) : QVariant();
}
} // namespace

QString SqlRunner::text(const QString &statement) const
{
    return firstValue(statement).toString();
}

int SqlRunner::integer(const QString &statement) const
{
    return firstValue(statement).toInt();
}

QList<QString> SqlRunner::texts(const QString &statement) const
{
    QList<QString> result;
    if (!connectionOpen())
        return result;
    QSqlQuery query(statement);
    while (query.next())
        result.append(query.value(0).toString());
    return result;
}

QList<int> SqlRunner::integers(const QString &statement) const
{
    QList<int> result;
    if (!connectionOpen())
        return result;
    QSqlQuery query(statement);
    while (query.next())
        result.append(query.value(0).toInt());
    return result;
}

bool SqlRunner::run(const QString &statement)
{
    if ((depth > 0 && failed) || !connectionOpen())
        return written(false);
    QSqlQuery query;
    return written(query.exec(statement));
}

bool SqlRunner::runPrepared(const QString &statement, const Bindings &bindings)
{
    if ((depth > 0 && failed) || !connectionOpen())
        return written(false);
    QSqlQuery query;
    query.prepare(statement);
    for (const auto &binding : bindings)
        query.bindValue(binding.first, binding.second);
    return written(query.exec());
}

bool SqlRunner::isReadable() const
{
    QSqlQuery query;
    return query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && query.next();
}

void SqlRunner::beginChange()
{
    if (depth++ == 0) {
        failed = false;
        if (!QSqlDatabase::database().transaction())
            failed = true;
    }
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

bool SqlRunner::written(bool ok)
{
    if (!ok && depth > 0)
        failed = true;
    return ok;
}
