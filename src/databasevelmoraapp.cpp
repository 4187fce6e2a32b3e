#include "databasevelmoraapp.h"

#include <QDebug>

namespace {
const char databaseFileName[] = "./databaseVelmoraApp";
// The external editor may hold a lock on the same file for a moment; wait for it
// instead of losing the write.
const char connectOptions[] = "QSQLITE_BUSY_TIMEOUT=5000";
} // namespace

DatabaseVelmoraApp::DatabaseVelmoraApp(QObject *parent) : QObject(parent)
{
    openDatabase();
}

DatabaseVelmoraApp::~DatabaseVelmoraApp()
{
    closeDatabase();
    // Release the handle before unregistering, so the next instance (a restarted
    // program, a test) registers a fresh default connection without a warning.
    const QString name = database.connectionName();
    database = QSqlDatabase();
    if (!name.isEmpty())
        QSqlDatabase::removeDatabase(name);
}

void DatabaseVelmoraApp::openDatabase()
{
    database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    database.setDatabaseName(QString::fromLatin1(databaseFileName));
    database.setConnectOptions(QString::fromLatin1(connectOptions));
    // SQLite opens lazily, so a file that is not a database (or is damaged) only shows
    // on the first read: probe the schema now and treat such a file as not openable.
    // The file itself is left exactly as it is.
    if (!database.open() || !statements.isReadable()) {
        qDebug().noquote() << QStringLiteral("DB Verbingung könnte nicht geöffnet werden!");
        database.close();
    }
}

void DatabaseVelmoraApp::closeDatabase()
{
    database.close();
}

QString DatabaseVelmoraApp::getCurrentCountryCode()
{
    return statements.text(QStringLiteral("SELECT current_country_code FROM settings"));
}

void DatabaseVelmoraApp::setCurrentCountryCode(QString countryCode)
{
    // Bound, not spliced into the statement: no text can change what runs.
    statements.runPrepared(
        QStringLiteral("UPDATE settings SET current_country_code = :current_country_code"),
        {{QStringLiteral(":current_country_code"), countryCode}});
}

int DatabaseVelmoraApp::getCurrentLanguageId()
{
    return statements.integer(QStringLiteral("SELECT current_lang_id FROM settings"));
}

void DatabaseVelmoraApp::setCurrentLanguageId(int langId)
{
    statements.run(QStringLiteral("UPDATE settings SET current_lang_id = ") +
                       QString::number(langId));
}

int DatabaseVelmoraApp::getNumberOfQuestions()
{
    return statements.integer(QStringLiteral("SELECT question_number FROM quiz_settings"));
}

void DatabaseVelmoraApp::setNumberOfQuestions(int qNumber)
{
    statements.run(QStringLiteral("UPDATE quiz_settings SET question_number = ") +
                       QString::number(qNumber));
}

int DatabaseVelmoraApp::getTimePerQuestion()
{
    return statements.integer(QStringLiteral("SELECT time_per_question FROM quiz_settings"));
}

void DatabaseVelmoraApp::setTimePerQuestion(int time)
{
    statements.run(QStringLiteral("UPDATE quiz_settings SET time_per_question = ") +
                       QString::number(time));
}

QList<int> DatabaseVelmoraApp::getCurrentCategoryIds()
{
    return statements.integers(
        QStringLiteral("SELECT current_category_id FROM quiz_settings_current_category_id"));
}

void DatabaseVelmoraApp::setCurrentCategoryIds(QList<int> categoryIds)
{
    statements.run(QStringLiteral("DELETE FROM quiz_settings_current_category_id"));
    for (int id : categoryIds) {
        statements.runPrepared(
            QStringLiteral(
                "INSERT INTO quiz_settings_current_category_id VALUES( :current_category_id )"),
            {{QStringLiteral(":current_category_id"), id}});
    }
}
