#include "testworkspace.h"

#include "databaseprovisioner.h"

#include <QLayout>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QWidget>

namespace {
const char inspectionConnection[] = "velmora-test-inspection";

// Opens the database file under a connection of its own and runs fn on it.
template <typename Fn> void withDatabase(const QString &file, Fn fn)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QLatin1String(inspectionConnection));
        db.setDatabaseName(file);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(file));
        fn(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(inspectionConnection));
}
} // namespace

TestWorkspace::TestWorkspace() : previous(QDir::currentPath())
{
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        qFatal("cannot enter a temporary working directory");
}

TestWorkspace::~TestWorkspace()
{
    QDir::setCurrent(previous);
}

void TestWorkspace::provision() const
{
    DatabaseProvisioner::provision(DatabaseProvisioner::templatePath, databaseFile());
}

void TestWorkspace::execute(const QStringList &statements) const
{
    withDatabase(databaseFile(), [&](QSqlDatabase &db) {
        for (const QString &statement : statements) {
            QSqlQuery query(db);
            if (!query.exec(statement))
                qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        }
    });
}

QStringList TestWorkspace::query(const QString &statement) const
{
    QStringList rows;
    withDatabase(databaseFile(), [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        if (!query.exec(statement))
            qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        while (query.next()) {
            QStringList fields;
            for (int i = 0; i < query.record().count(); ++i)
                fields << (query.isNull(i) ? QStringLiteral("NULL") : query.value(i).toString());
            rows << fields.join(QLatin1Char('|'));
        }
    });
    return rows;
}

QStringList TestWorkspace::snapshot() const
{
    QStringList rows;
    for (const char *table :
         {"category", "category_lang", "question", "question_lang", "answer", "answer_lang",
          "question_answer", "quiz_settings", "quiz_settings_current_category_id", "settings"}) {
        const QStringList tableRows = query(QStringLiteral("SELECT * FROM %1").arg(table));
        for (const QString &row : tableRows)
            rows << QLatin1String(table) + QLatin1Char(':') + row;
    }
    rows.sort();
    return rows;
}

QWidget *currentScreen(QWidget *controller)
{
    QLayoutItem *item = controller->layout() ? controller->layout()->itemAt(0) : nullptr;
    return item ? item->widget() : nullptr;
}
