#ifndef DATABASEVELMORAAPP_H
#define DATABASEVELMORAAPP_H

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

#include "databaseconnection.h"
#include "learningstore.h"
#include "sqlrunner.h"

// Every text and answer link of the catalogue, each kind read with one statement. The
// lists are exactly what the single reads give for that id (getCategoryNamesAt,
// getQuestionTextsAt, getAnswerTextsAt, getExplanationTextsToAnswerId,
// getTrueAnswerIdsToQuestionId, getFalseAnswerIdsToQuestionId, getCategoryIdForQuestionId).
struct CatalogueTexts
{
    QHash<int, int> categoryOfQuestion;
    QHash<int, QList<QString>> categoryNames;
    QHash<int, QList<QString>> questionTexts;
    QHash<int, QList<QString>> answerTexts;
    QHash<int, QList<QString>> explanationTexts;
    QHash<int, QList<int>> trueAnswerIds;
    QHash<int, QList<int>> falseAnswerIds;
};

// One question of a quiz run in the interface language, read before the run begins, so
// that the run goes on while a server is out of reach. Answers are in id order, true and
// false apart, as the single reads give them.
struct QuizQuestion
{
    QString category;
    QString text;
    QList<int> trueAnswerIds;
    QList<QString> trueAnswerTexts;
    QList<int> falseAnswerIds;
    QList<QString> falseAnswerTexts;
    QHash<int, QString> explanations;
};

// The one data-access object: owns the default connection (the SQLite file
// "./databaseVelmoraApp" unless another database was chosen) and runs every settings and
// catalogue statement on it.
class DatabaseVelmoraApp : public QObject
{
    Q_OBJECT

public:
    explicit DatabaseVelmoraApp(QObject *parent = nullptr);
    explicit DatabaseVelmoraApp(const DatabaseLocation &location, QObject *parent = nullptr);
    ~DatabaseVelmoraApp() override;

    void openDatabase();
    void closeDatabase();
    // How long a statement waits for a lock another program holds on the file (or another
    // connection on the server) before it fails; tests shorten it.
    void setBusyTimeout(int milliseconds);
    // The connection, its location and why it could not be opened.
    DatabaseConnection &connection() { return databaseConnection; }

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

    // Catalogue reads; language-dependent ones ask for the current language each time.
    int getCategoryIdForQuestionId(int questionId);
    QString getCategoryNameAt(int id);
    QString getCategoryNameForQuestionId(int questionId);
    QList<QString> getCategoryNamesAt(int categoryId);
    QList<int> getAllCategoryIds();
    QString getQuestionTextAt(int questionId);
    QList<QString> getQuestionTextsAt(int questionId);
    QList<int> getAllQuestionIds();
    QList<int> getQuestionIdsToCategoryIds(QList<int> categoryIds);
    QList<QString> getTrueAnswerTextsToQuestionId(int questionId);
    QList<QString> getFalseAnswerTextsToQuestionId(int questionId);
    QList<int> getTrueAnswerIdsToQuestionId(int questionId);
    QList<int> getFalseAnswerIdsToQuestionId(int questionId);
    QList<int> getAllAnswerIds();
    QList<QString> getAnswerTextsAt(int answerId);
    QString getExplanationTextToAnswerId(int answerId);
    QList<QString> getExplanationTextsToAnswerId(int answerId);

    // The same texts and ids as the single reads above, for every entry at once: for
    // screens that list the whole catalogue.
    QHash<int, QString> getAllCategoryNames();
    QHash<int, QString> getAllQuestionTexts();
    // Each category's question ids, ascending, as getQuestionIdsToCategoryIds gives them.
    QHash<int, QList<int>> getQuestionIdsOfAllCategories();

    CatalogueTexts getAllTexts();
    // The questions of a quiz run by id, with a few statements for any number of them.
    QHash<int, QuizQuestion> getQuizQuestions(const QList<int> &questionIds);
    // The same read on any connection's runner: for tools that open the file read-only.
    static CatalogueTexts readAllTexts(SqlRunner &statements);

    // Catalogue writes. New entries get the lowest id their table does not use.
    int addCategory();
    void setCategoryText(int langId, int categoryId, QString categoryText);
    void deleteCategory(int categoryId);
    int addQuestion(int categoryId);
    void setQuestionText(int langId, int questionId, QString questionText);
    void deleteQuestion(int questionId);
    void deleteQuestionAnswers(int questionId);
    // For an edit that keeps the question's id: drops its three texts, or moves it.
    void deleteQuestionTexts(int questionId);
    void setQuestionCategory(int questionId, int categoryId);
    int addAnswer();
    void setAnswerText(int langId, int answerId, QString answerText, QString explanationText);
    void deleteAnswer(int answerId);
    void setQuestionAnswer(int answerId, int questionId, bool isAnswerTrue);
    // Deletes the questions as deleting them one by one would (texts, answers with their
    // texts and links, learning history and memory, the categories left empty), in one
    // change whose cost grows with the number of questions, not with the catalogue.
    // step is told the count done now and then; when it returns false, everything is
    // rolled back. False when cancelled or nothing was deleted.
    bool deleteQuestions(const QList<int> &questionIds, const std::function<bool(int)> &step = {});

    // Lowest positive id missing from an ascending id list.
    static int getNextFreeId(const QList<int> &ids);
    int getNewCategoryId();
    int getNewQuestionId();
    int getNewAnswerId();

    // All-or-nothing changes made of several writes; scopes nest, and a failed write
    // anywhere inside rolls back the outermost scope. endChange() tells whether every
    // write of the scope took effect.
    void beginChange();
    bool endChange();
    void abandonChange();

    // The answer history and memory, on the same connection and in the same changes.
    LearningStore &learning() { return learningStore; }

private:
    // A settings table as this database names it (see SqlDialect::table).
    QString settingsTable(const char *name) const;
    QString languageCondition();
    int lowestFreeId(const QString &table, const QString &column, bool *dense = nullptr);
    // The id an add operation inserts, and the bookkeeping after its insert.
    int allocateId(const QString &table, const QString &column);
    void allocated(const QString &table, int id, bool stored);

    DatabaseConnection databaseConnection;
    SqlRunner statements{&databaseConnection};
    LearningStore learningStore{statements};
    // Inside a change: the next id of each table known to hold exactly 1..id-1.
    QHash<QString, int> nextDenseIds;
};

#endif // DATABASEVELMORAAPP_H
