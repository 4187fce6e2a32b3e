#include "databasevelmoraapp.h"

#include <QDebug>
#include <QStringList>

#include <algorithm>

namespace {
// A few hundred ids per statement: long enough that the statements are few, short enough
// for any database's limit on a statement.
constexpr int idsPerStatement = 500;

QString idList(const QList<int> &ids)
{
    QStringList texts;
    for (int id : ids)
        texts << QString::number(id);
    return texts.join(QLatin1Char(','));
}

// Column 1 of every row, gathered by column 0, in the order returned.
QHash<int, QList<QString>> textsByKey(SqlRunner &statements, const QString &statement)
{
    QHash<int, QList<QString>> texts;
    const auto rows = statements.pairs(statement);
    for (const auto &row : rows)
        texts[row.first].append(row.second.toString());
    return texts;
}

QHash<int, QList<int>> idsByKey(SqlRunner &statements, const QString &statement)
{
    QHash<int, QList<int>> ids;
    const auto rows = statements.pairs(statement);
    for (const auto &row : rows)
        ids[row.first].append(row.second.toInt());
    return ids;
}
} // namespace

DatabaseVelmoraApp::DatabaseVelmoraApp(QObject *parent)
    : DatabaseVelmoraApp(DatabaseLocation::resolve(), parent)
{
}

DatabaseVelmoraApp::DatabaseVelmoraApp(const DatabaseLocation &location, QObject *parent)
    : QObject(parent), databaseConnection(location)
{
    openDatabase();
}

DatabaseVelmoraApp::~DatabaseVelmoraApp()
{
    closeDatabase();
}

void DatabaseVelmoraApp::openDatabase()
{
    statements.forgetPrepared();
    nextDenseIds.clear();
    if (!databaseConnection.open()) {
        qDebug().noquote() << QStringLiteral("DB Verbingung könnte nicht geöffnet werden!");
        qDebug().noquote() << databaseConnection.errorString();
    }
}

void DatabaseVelmoraApp::setBusyTimeout(int milliseconds)
{
    statements.run(statements.dialect().lockWait(milliseconds));
}

void DatabaseVelmoraApp::closeDatabase()
{
    statements.forgetPrepared();
    databaseConnection.close();
}

QString DatabaseVelmoraApp::settingsTable(const char *name) const
{
    return statements.dialect().table(QLatin1String(name));
}

QString DatabaseVelmoraApp::getCurrentCountryCode()
{
    return statements.text(QStringLiteral("SELECT current_country_code FROM ") +
                           settingsTable("settings"));
}

void DatabaseVelmoraApp::setCurrentCountryCode(QString countryCode)
{
    // Bound, not spliced into the statement: no text can change what runs.
    statements.runPrepared(
        QStringLiteral("UPDATE %1 SET current_country_code = :current_country_code")
            .arg(settingsTable("settings")),
        {{QStringLiteral(":current_country_code"), countryCode}});
}

int DatabaseVelmoraApp::getCurrentLanguageId()
{
    return statements.integer(QStringLiteral("SELECT current_lang_id FROM ") +
                              settingsTable("settings"));
}

void DatabaseVelmoraApp::setCurrentLanguageId(int langId)
{
    statements.run(QStringLiteral("UPDATE %1 SET current_lang_id = ").arg(settingsTable("settings")) +
                   QString::number(langId));
}

int DatabaseVelmoraApp::getNumberOfQuestions()
{
    return statements.integer(QStringLiteral("SELECT question_number FROM ") +
                              settingsTable("quiz_settings"));
}

void DatabaseVelmoraApp::setNumberOfQuestions(int qNumber)
{
    statements.run(QStringLiteral("UPDATE %1 SET question_number = ")
                       .arg(settingsTable("quiz_settings")) +
                   QString::number(qNumber));
}

int DatabaseVelmoraApp::getTimePerQuestion()
{
    return statements.integer(QStringLiteral("SELECT time_per_question FROM ") +
                              settingsTable("quiz_settings"));
}

void DatabaseVelmoraApp::setTimePerQuestion(int time)
{
    statements.run(QStringLiteral("UPDATE %1 SET time_per_question = ")
                       .arg(settingsTable("quiz_settings")) +
                   QString::number(time));
}

QList<int> DatabaseVelmoraApp::getCurrentCategoryIds()
{
    return statements.integers(QStringLiteral("SELECT current_category_id FROM ") +
                               settingsTable("quiz_settings_current_category_id"));
}

void DatabaseVelmoraApp::setCurrentCategoryIds(QList<int> categoryIds)
{
    const QString table = settingsTable("quiz_settings_current_category_id");
    statements.run(QStringLiteral("DELETE FROM ") + table);
    for (int id : categoryIds) {
        // The column is named: on a server the table also holds the learner's role.
        statements.runPrepared(
            QStringLiteral("INSERT INTO %1( current_category_id ) VALUES( :current_category_id )")
                .arg(table),
            {{QStringLiteral(":current_category_id"), id}});
    }
}

// The current language, read anew for every statement that depends on it.
QString DatabaseVelmoraApp::languageCondition()
{
    return QString::number(getCurrentLanguageId());
}

int DatabaseVelmoraApp::getCategoryIdForQuestionId(int questionId)
{
    return statements.integer(
        QStringLiteral("SELECT category_id FROM question WHERE question_id = ") +
        QString::number(questionId));
}

QString DatabaseVelmoraApp::getCategoryNameAt(int id)
{
    const QString lang = languageCondition();
    return statements.text(
        QStringLiteral("SELECT category_text    FROM category_lang    WHERE lang_id = ") + lang +
        QStringLiteral("        AND category_id = ") + QString::number(id));
}

QString DatabaseVelmoraApp::getCategoryNameForQuestionId(int questionId)
{
    const int categoryId = statements.integer(
        QStringLiteral("SELECT category_id    FROM question    WHERE question_id = ") +
        QString::number(questionId));
    return getCategoryNameAt(categoryId);
}

QList<QString> DatabaseVelmoraApp::getCategoryNamesAt(int categoryId)
{
    return statements.texts(
        QStringLiteral("SELECT category_text    FROM category_lang        WHERE category_id = ") +
        QString::number(categoryId) + QStringLiteral(" ORDER BY lang_id"));
}

QList<int> DatabaseVelmoraApp::getAllCategoryIds()
{
    return statements.integers(
        QStringLiteral("SELECT category_id    FROM category    ORDER BY category_id ASC"));
}

QString DatabaseVelmoraApp::getQuestionTextAt(int questionId)
{
    const QString lang = languageCondition();
    return statements.text(
        QStringLiteral("SELECT question_text    FROM question_lang    WHERE lang_id = ") + lang +
        QStringLiteral("        AND question_id = ") + QString::number(questionId));
}

QList<QString> DatabaseVelmoraApp::getQuestionTextsAt(int questionId)
{
    return statements.texts(
        QStringLiteral("SELECT question_text    FROM question_lang        WHERE question_id = ") +
        QString::number(questionId) + QStringLiteral(" ORDER BY lang_id"));
}

QList<int> DatabaseVelmoraApp::getAllQuestionIds()
{
    return statements.integers(
        QStringLiteral("SELECT question_id    FROM question    ORDER BY question_id ASC"));
}

QList<int> DatabaseVelmoraApp::getQuestionIdsToCategoryIds(QList<int> categoryIds)
{
    QList<int> questionIds;
    // Each statement scans the whole table: for many categories, one scan serves all.
    if (categoryIds.size() > 1) {
        const QHash<int, QList<int>> byCategory = getQuestionIdsOfAllCategories();
        for (int categoryId : categoryIds)
            questionIds += byCategory.value(categoryId);
        return questionIds;
    }
    for (int categoryId : categoryIds) {
        questionIds += statements.integers(
            QStringLiteral("SELECT question_id FROM question WHERE category_id = ") +
            QString::number(categoryId) + QStringLiteral(" ORDER BY question_id"));
    }
    return questionIds;
}

QList<QString> DatabaseVelmoraApp::getTrueAnswerTextsToQuestionId(int questionId)
{
    const QString lang = languageCondition();
    return statements.texts(
        QStringLiteral(
            "SELECT answer_text    FROM answer_lang, question_answer    WHERE lang_id = ") +
        lang + QStringLiteral("        AND question_id = ") + QString::number(questionId) +
        QStringLiteral("        AND is_True = 'true'        AND answer_lang.answer_id = "
                       "question_answer.answer_id ORDER BY question_answer.answer_id"));
}

QList<QString> DatabaseVelmoraApp::getFalseAnswerTextsToQuestionId(int questionId)
{
    const QString lang = languageCondition();
    return statements.texts(
        QStringLiteral(
            "SELECT answer_text    FROM answer_lang, question_answer    WHERE lang_id = ") +
        lang + QStringLiteral("        AND question_id = ") + QString::number(questionId) +
        QStringLiteral("        AND is_True = 'false'        AND answer_lang.answer_id = "
                       "question_answer.answer_id ORDER BY question_answer.answer_id"));
}

QList<int> DatabaseVelmoraApp::getTrueAnswerIdsToQuestionId(int questionId)
{
    return statements.integers(
        QStringLiteral("SELECT answer_id    FROM question_answer    WHERE question_id = ") +
        QString::number(questionId) +
        QStringLiteral("        AND is_True = 'true' ORDER BY answer_id"));
}

QList<int> DatabaseVelmoraApp::getFalseAnswerIdsToQuestionId(int questionId)
{
    return statements.integers(
        QStringLiteral("SELECT answer_id    FROM question_answer    WHERE question_id = ") +
        QString::number(questionId) +
        QStringLiteral("        AND is_True = 'false' ORDER BY answer_id"));
}

QList<int> DatabaseVelmoraApp::getAllAnswerIds()
{
    return statements.integers(
        QStringLiteral("SELECT answer_id    FROM answer    ORDER BY answer_id ASC"));
}

QList<QString> DatabaseVelmoraApp::getAnswerTextsAt(int answerId)
{
    const QList<QString> texts = statements.texts(
        QStringLiteral("SELECT answer_text    FROM answer_lang        WHERE answer_id = ") +
        QString::number(answerId) + QStringLiteral(" ORDER BY lang_id"));
    qDebug() << texts;
    return texts;
}

QString DatabaseVelmoraApp::getExplanationTextToAnswerId(int answerId)
{
    const QString lang = languageCondition();
    return statements.text(
        QStringLiteral("SELECT explanation_text    FROM answer_lang    WHERE lang_id = ") + lang +
        QStringLiteral("        AND answer_id = ") + QString::number(answerId));
}

QList<QString> DatabaseVelmoraApp::getExplanationTextsToAnswerId(int answerId)
{
    return statements.texts(
        QStringLiteral("SELECT explanation_text    FROM answer_lang        WHERE answer_id = ") +
        QString::number(answerId) + QStringLiteral(" ORDER BY lang_id"));
}

QHash<int, QString> DatabaseVelmoraApp::getAllCategoryNames()
{
    QHash<int, QString> names;
    const auto rows = statements.pairs(
        QStringLiteral("SELECT category_id, category_text FROM category_lang WHERE lang_id = ") +
        languageCondition());
    for (const auto &row : rows)
        names.insert(row.first, row.second.toString());
    return names;
}

QHash<int, QString> DatabaseVelmoraApp::getAllQuestionTexts()
{
    QHash<int, QString> texts;
    const auto rows = statements.pairs(
        QStringLiteral("SELECT question_id, question_text FROM question_lang WHERE lang_id = ") +
        languageCondition());
    for (const auto &row : rows)
        texts.insert(row.first, row.second.toString());
    return texts;
}

QHash<int, QList<int>> DatabaseVelmoraApp::getQuestionIdsOfAllCategories()
{
    return idsByKey(statements,
        QStringLiteral("SELECT category_id, question_id FROM question ORDER BY question_id ASC"));
}


CatalogueTexts DatabaseVelmoraApp::getAllTexts()
{
    return readAllTexts(statements);
}

CatalogueTexts DatabaseVelmoraApp::readAllTexts(SqlRunner &statements)
{
    // Ordered as the single reads return their rows: by the tables' keys.
    CatalogueTexts all;
    const auto categories =
        statements.pairs(QStringLiteral("SELECT question_id, category_id FROM question"));
    for (const auto &row : categories)
        all.categoryOfQuestion.insert(row.first, row.second.toInt());
    all.categoryNames = textsByKey(statements, QStringLiteral(
        "SELECT category_id, category_text FROM category_lang ORDER BY category_id, lang_id"));
    all.questionTexts = textsByKey(statements, QStringLiteral(
        "SELECT question_id, question_text FROM question_lang ORDER BY question_id, lang_id"));
    all.answerTexts = textsByKey(statements, QStringLiteral(
        "SELECT answer_id, answer_text FROM answer_lang ORDER BY answer_id, lang_id"));
    all.explanationTexts = textsByKey(statements, QStringLiteral(
        "SELECT answer_id, explanation_text FROM answer_lang ORDER BY answer_id, lang_id"));
    all.trueAnswerIds = idsByKey(statements,
        QStringLiteral("SELECT question_id, answer_id FROM question_answer WHERE is_True = "
                       "'true' ORDER BY question_id, answer_id"));
    all.falseAnswerIds = idsByKey(statements,
        QStringLiteral("SELECT question_id, answer_id FROM question_answer WHERE is_True = "
                       "'false' ORDER BY question_id, answer_id"));
    return all;
}

QHash<int, QuizQuestion> DatabaseVelmoraApp::getQuizQuestions(const QList<int> &questionIds)
{
    QHash<int, QuizQuestion> questions;
    const QString lang = languageCondition();
    for (int start = 0; start < questionIds.size(); start += idsPerStatement) {
        const QString ids = idList(questionIds.mid(start, idsPerStatement));
        const auto texts = statements.rows(
            QStringLiteral("SELECT q.question_id, ql.question_text, cl.category_text FROM "
                           "question q LEFT JOIN question_lang ql ON ql.question_id = "
                           "q.question_id AND ql.lang_id = %1 LEFT JOIN category_lang cl ON "
                           "cl.category_id = q.category_id AND cl.lang_id = %1 WHERE "
                           "q.question_id IN (%2)")
                .arg(lang, ids));
        for (const QVariantList &row : texts) {
            QuizQuestion &question = questions[row.at(0).toInt()];
            question.text = row.at(1).toString();
            question.category = row.at(2).toString();
        }
        const auto answers = statements.rows(
            QStringLiteral("SELECT qa.question_id, qa.answer_id, qa.is_True, al.answer_text, "
                           "al.explanation_text FROM question_answer qa LEFT JOIN answer_lang al "
                           "ON al.answer_id = qa.answer_id AND al.lang_id = %1 WHERE "
                           "qa.question_id IN (%2) ORDER BY qa.question_id, qa.answer_id")
                .arg(lang, ids));
        for (const QVariantList &row : answers) {
            const auto question = questions.find(row.at(0).toInt());
            if (question == questions.end())
                continue;
            const int answerId = row.at(1).toInt();
            // Text in the file, a boolean on a server: both read as "true" or "false".
            const QString truth = row.at(2).toString();
            if (truth == QLatin1String("true")) {
                question->trueAnswerIds.append(answerId);
                question->trueAnswerTexts.append(row.at(3).toString());
                question->explanations.insert(answerId, row.at(4).toString());
            } else if (truth == QLatin1String("false")) {
                question->falseAnswerIds.append(answerId);
                question->falseAnswerTexts.append(row.at(3).toString());
            }
        }
    }
    return questions;
}

int DatabaseVelmoraApp::addCategory()
{
    const QString table = QStringLiteral("category");
    const int id = allocateId(table, QStringLiteral("category_id"));
    allocated(table, id,
              statements.runPrepared(
                  QStringLiteral("INSERT INTO category( category_id ) VALUES( :category_id )"),
                  {{QStringLiteral(":category_id"), id}}));
    return id;
}

void DatabaseVelmoraApp::setCategoryText(int langId, int categoryId, QString categoryText)
{
    statements.runPrepared(
        QStringLiteral("INSERT INTO category_lang( category_id, lang_id, category_text ) VALUES( "
                       ":category_id, :lang_id, :category_text )"),
        {{QStringLiteral(":category_id"), categoryId},
         {QStringLiteral(":lang_id"), langId},
         {QStringLiteral(":category_text"), categoryText}});
}

void DatabaseVelmoraApp::deleteCategory(int categoryId)
{
    nextDenseIds.clear();
    const QString id = QString::number(categoryId);
    statements.run(QStringLiteral("DELETE FROM category WHERE category_id = ") + id);
    statements.run(QStringLiteral("DELETE FROM category_lang WHERE category_id = ") + id);
}

int DatabaseVelmoraApp::addQuestion(int categoryId)
{
    const QString table = QStringLiteral("question");
    const int id = allocateId(table, QStringLiteral("question_id"));
    allocated(
        table, id,
        statements.runPrepared(
            QStringLiteral("INSERT INTO question( question_id, category_id ) VALUES( "
                           ":question_id , :category_id )"),
            {{QStringLiteral(":question_id"), id}, {QStringLiteral(":category_id"), categoryId}}));
    return id;
}

void DatabaseVelmoraApp::setQuestionText(int langId, int questionId, QString questionText)
{
    statements.runPrepared(
        QStringLiteral("INSERT INTO question_lang( question_id, lang_id, question_text ) VALUES( "
                       ":question_id, :lang_id, :question_text )"),
        {{QStringLiteral(":question_id"), questionId},
         {QStringLiteral(":lang_id"), langId},
         {QStringLiteral(":question_text"), questionText}});
}

void DatabaseVelmoraApp::deleteQuestion(int questionId)
{
    nextDenseIds.clear();
    const QString id = QString::number(questionId);
    statements.run(QStringLiteral("DELETE FROM question WHERE question_id = ") + id);
    statements.run(QStringLiteral("DELETE FROM question_lang WHERE question_id = ") + id);
    deleteQuestionAnswers(questionId);
    // Its history goes with it: a later question under the same id starts afresh.
    learningStore.forgetQuestion(questionId);
}

void DatabaseVelmoraApp::deleteQuestionAnswers(int questionId)
{
    statements.run(QStringLiteral("DELETE FROM question_answer WHERE question_id = ") +
                   QString::number(questionId));
}

void DatabaseVelmoraApp::deleteQuestionTexts(int questionId)
{
    statements.run(QStringLiteral("DELETE FROM question_lang WHERE question_id = ") +
                   QString::number(questionId));
}

void DatabaseVelmoraApp::setQuestionCategory(int questionId, int categoryId)
{
    statements.runPrepared(
        QStringLiteral("UPDATE question SET category_id = :category_id WHERE question_id = "
                       ":question_id"),
        {{QStringLiteral(":category_id"), categoryId},
         {QStringLiteral(":question_id"), questionId}});
}

int DatabaseVelmoraApp::addAnswer()
{
    const QString table = QStringLiteral("answer");
    const int id = allocateId(table, QStringLiteral("answer_id"));
    allocated(table, id,
              statements.runPrepared(
                  QStringLiteral("INSERT INTO answer( answer_id ) VALUES( :answer_id )"),
                  {{QStringLiteral(":answer_id"), id}}));
    return id;
}

void DatabaseVelmoraApp::setAnswerText(int langId, int answerId, QString answerText,
                                       QString explanationText)
{
    // A null explanation is stored as NULL, any other text (even an empty one) as text.
    statements.runPrepared(
        QStringLiteral(
            "INSERT INTO answer_lang( answer_id, lang_id, answer_text, explanation_text ) "
            "VALUES( :answer_id, :lang_id, :answer_text, :explanation_text )"),
        {{QStringLiteral(":answer_id"), answerId},
         {QStringLiteral(":lang_id"), langId},
         {QStringLiteral(":answer_text"), answerText},
         {QStringLiteral(":explanation_text"), explanationText}});
}

void DatabaseVelmoraApp::deleteAnswer(int answerId)
{
    nextDenseIds.clear();
    const QString id = QString::number(answerId);
    statements.run(QStringLiteral("DELETE FROM answer WHERE answer_id = ") + id);
    statements.run(QStringLiteral("DELETE FROM answer_lang WHERE answer_id = ") + id);
}

void DatabaseVelmoraApp::setQuestionAnswer(int answerId, int questionId, bool isAnswerTrue)
{
    statements.runPrepared(
        QStringLiteral("INSERT INTO question_answer( answer_id, question_id, is_True ) VALUES( "
                       ":answer_id, :question_id, :is_True )"),
        {{QStringLiteral(":answer_id"), answerId},
         {QStringLiteral(":question_id"), questionId},
         {QStringLiteral(":is_True"),
          isAnswerTrue ? QStringLiteral("true") : QStringLiteral("false")}});
}

bool DatabaseVelmoraApp::deleteQuestions(const QList<int> &questionIds,
                                         const std::function<bool(int)> &step)
{
    beginChange();
    bool cancelled = false;
    QList<int> categoryIds;
    for (int start = 0; start < questionIds.size(); start += idsPerStatement) {
        if (step && !step(start)) {
            cancelled = true;
            break;
        }
        const QList<int> chunk = questionIds.mid(start, idsPerStatement);
        const QString ids = idList(chunk);
        categoryIds += statements.integers(
            QStringLiteral("SELECT DISTINCT category_id FROM question WHERE question_id IN (%1)")
                .arg(ids));
        // The answers a single deletion finds: those linked as true or as false.
        const QString answers =
            QStringLiteral("SELECT answer_id FROM question_answer WHERE question_id IN (%1) AND "
                           "is_True IN ('true', 'false')")
                .arg(ids);
        statements.run(
            QStringLiteral("DELETE FROM answer_lang WHERE answer_id IN (%1)").arg(answers));
        statements.run(QStringLiteral("DELETE FROM answer WHERE answer_id IN (%1)").arg(answers));
        for (const char *table : {"question_answer", "question_lang", "question"})
            statements.run(QStringLiteral("DELETE FROM %1 WHERE question_id IN (%2)")
                               .arg(QLatin1String(table), ids));
        learningStore.forgetQuestions(chunk);
    }
    // The categories left without a question go, as after the last single deletion;
    // the questions left are read once per statement, not once per category.
    std::sort(categoryIds.begin(), categoryIds.end());
    categoryIds.erase(std::unique(categoryIds.begin(), categoryIds.end()), categoryIds.end());
    for (int start = 0; start < categoryIds.size() && !cancelled; start += idsPerStatement) {
        const QString ids = idList(categoryIds.mid(start, idsPerStatement));
        for (const char *table : {"category_lang", "category"})
            statements.run(QStringLiteral("DELETE FROM %1 WHERE category_id IN (%2) AND "
                                          "category_id NOT IN (SELECT category_id FROM question)")
                               .arg(QLatin1String(table), ids));
    }
    if (cancelled)
        statements.failChange();
    const bool stored = endChange();
    return stored && !cancelled;
}

int DatabaseVelmoraApp::getNextFreeId(const QList<int> &ids)
{
    for (int position = 1; position <= ids.size(); ++position) {
        if (ids.at(position - 1) != position)
            return position;
    }
    return ids.size() + 1;
}

// Same result as getNextFreeId() over the table's ascending ids, without reading them
// all: a table whose ids are exactly 1..max (the usual case) yields max + 1 from three
// cheap lookups; only a table with a gap is searched for the first one.
int DatabaseVelmoraApp::lowestFreeId(const QString &table, const QString &column, bool *dense)
{
    const int count = statements.integer(QStringLiteral("SELECT count(*) FROM %1").arg(table));
    const int minimum =
        statements.integer(QStringLiteral("SELECT coalesce(min(%2), 1) FROM %1").arg(table, column));
    const int maximum =
        statements.integer(QStringLiteral("SELECT coalesce(max(%2), 0) FROM %1").arg(table, column));
    if (minimum >= 1 && count == maximum) {
        if (dense)
            *dense = true;
        return maximum + 1;
    }
    if (minimum > 1)
        return 1;
    if (statements.integer(
            QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = 1").arg(table, column)) == 0)
        return 1;
    return statements.integer(
        QStringLiteral("SELECT min(a.%2) + 1 FROM %1 a WHERE a.%2 > 0 AND NOT EXISTS "
                       "(SELECT 1 FROM %1 b WHERE b.%2 = a.%2 + 1)")
            .arg(table, column));
}

int DatabaseVelmoraApp::allocateId(const QString &table, const QString &column)
{
    const auto known = nextDenseIds.constFind(table);
    if (known != nextDenseIds.constEnd())
        return known.value();
    bool dense = false;
    const int id = lowestFreeId(table, column, &dense);
    // A table whose ids are exactly 1..id-1 stays so when id is added.
    if (dense && statements.changeDepth() > 0)
        nextDenseIds.insert(table, id);
    return id;
}

void DatabaseVelmoraApp::allocated(const QString &table, int id, bool stored)
{
    // Within one change nobody else writes, so the next id of a gap-free table is known;
    // outside a change another program (the database editor) may write in between.
    if (stored && statements.changeDepth() > 0 && nextDenseIds.value(table) == id)
        nextDenseIds.insert(table, id + 1);
    else
        nextDenseIds.remove(table);
}

int DatabaseVelmoraApp::getNewCategoryId()
{
    return lowestFreeId(QStringLiteral("category"), QStringLiteral("category_id"));
}

int DatabaseVelmoraApp::getNewQuestionId()
{
    return lowestFreeId(QStringLiteral("question"), QStringLiteral("question_id"));
}

int DatabaseVelmoraApp::getNewAnswerId()
{
    return lowestFreeId(QStringLiteral("answer"), QStringLiteral("answer_id"));
}

void DatabaseVelmoraApp::beginChange()
{
    const bool outermost = statements.changeDepth() == 0;
    if (outermost)
        nextDenseIds.clear();
    statements.beginChange();
    // On a server the change sees, and waits for, every other change of the catalogue:
    // the lowest free id and the categories matched by name are those committed last.
    if (outermost && !statements.changeFailed() && !databaseConnection.lockCatalogue())
        statements.failChange();
}

bool DatabaseVelmoraApp::endChange()
{
    const bool ok = statements.endChange();
    if (statements.changeDepth() == 0)
        nextDenseIds.clear();
    return ok;
}

void DatabaseVelmoraApp::abandonChange()
{
    statements.failChange();
    statements.endChange();
    if (statements.changeDepth() == 0)
        nextDenseIds.clear();
}
