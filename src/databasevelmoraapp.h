#ifndef DATABASEVELMORAAPP_H
#define DATABASEVELMORAAPP_H

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include "sqlrunner.h"

// The one data-access object: owns the default SQLite connection on
// "./databaseVelmoraApp" and runs every settings and catalogue statement on it.
class DatabaseVelmoraApp : public QObject
{
    Q_OBJECT

public:
    explicit DatabaseVelmoraApp(QObject *parent = nullptr);
    ~DatabaseVelmoraApp() override;

    void openDatabase();
    void closeDatabase();

    // Settings
    QString getCurrentCountryCode();
    void setCurrentCountryCode(QString countryCode);
    int getCurrentLanguageId();
    void setCurrentLanguageId(int langId);
    int getNumberOfQuestions();
    void setNumberOfQuestions(int qNumber);
    int getTimePerQuestion();
    void setTimePerQuestion(int time);
    QList<int> getCurrentCategoryIds();
    void setCurrentCategoryIds(QList<int> categoryIds);

private:
    QSqlDatabase database;
    SqlRunner statements;
};

#endif // DATABASEVELMORAAPP_H
