#include "sqldialect.h"

#include <QHash>

SqlDialect SqlDialect::ofDriver(const QString &driverName)
{
    return SqlDialect(driverName == QLatin1String("QPSQL") ? PostgreSQL : SQLite);
}

QString SqlDialect::driverName() const
{
    return kind == PostgreSQL ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
}

QString SqlDialect::table(const QString &name) const
{
    if (kind == SQLite)
        return name.startsWith(QLatin1String("every_")) ? name.mid(6) : name;
    static const QHash<QString, QString> perLearner{
        {QStringLiteral("settings"), QStringLiteral("learner_settings")},
        {QStringLiteral("quiz_settings"), QStringLiteral("learner_quiz_settings")},
        {QStringLiteral("quiz_settings_current_category_id"),
         QStringLiteral("learner_quiz_category")}};
    return perLearner.value(name, name);
}

QString SqlDialect::tableExists(const QString &name) const
{
    if (kind == SQLite)
        return QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                              "name = '%1'")
            .arg(name);
    return QStringLiteral("SELECT count(*) FROM pg_catalog.pg_tables WHERE tablename = '%1' "
                          "AND schemaname = current_schema()")
        .arg(name);
}

QString SqlDialect::recordedOrder() const
{
    return kind == SQLite ? QStringLiteral("rowid") : QStringLiteral("answer_no");
}

QString SqlDialect::memoryKey() const
{
    return kind == SQLite ? QStringLiteral("question_id") : QStringLiteral("learner, question_id");
}

QString SqlDialect::lockWait(int milliseconds) const
{
    return kind == SQLite ? QStringLiteral("PRAGMA busy_timeout = %1").arg(milliseconds)
                          : QStringLiteral("SET lock_timeout = %1").arg(milliseconds);
}
