#include "learningstore.h"

#include "sqldialect.h"
#include "sqlrunner.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QSet>

namespace {
const char *const createStatements[] = {
    "CREATE TABLE IF NOT EXISTS quiz_run( run_id INTEGER PRIMARY KEY, started_utc INTEGER NOT NULL )",
    "CREATE TABLE IF NOT EXISTS answer_history( question_id INTEGER NOT NULL, answered_utc INTEGER "
    "NOT NULL, checked_answer_ids TEXT NOT NULL, correct INTEGER NOT NULL, timed_out INTEGER NOT "
    "NULL, duration_ms INTEGER NOT NULL, run_id INTEGER NOT NULL, lang_id INTEGER NOT NULL )",
    "CREATE INDEX IF NOT EXISTS answer_history_question ON answer_history( question_id )",
    "CREATE INDEX IF NOT EXISTS answer_history_run ON answer_history( run_id )",
    "CREATE TABLE IF NOT EXISTS question_memory( question_id INTEGER PRIMARY KEY, fingerprint "
    "INTEGER NOT NULL, reviews INTEGER NOT NULL, lapses INTEGER NOT NULL, stability REAL NOT NULL, "
    "difficulty REAL NOT NULL, last_answer_utc INTEGER NOT NULL, due_utc INTEGER NOT NULL )",
    "CREATE TABLE IF NOT EXISTS practice_settings( quiz_mode INTEGER NOT NULL )",
};

const char memoryColumns[] =
    "question_id, fingerprint, reviews, lapses, stability, difficulty, last_answer_utc, due_utc";

Fsrs::Memory memoryOfRow(const QVariantList &row)
{
    Fsrs::Memory memory;
    memory.reviews = row.at(2).toInt();
    memory.lapses = row.at(3).toInt();
    memory.stability = row.at(4).toDouble();
    memory.difficulty = row.at(5).toDouble();
    memory.lastAnswerMs = row.at(6).toLongLong();
    memory.dueMs = row.at(7).toLongLong();
    return memory;
}

QString idList(const QList<int> &ids)
{
    // An answer with nothing checked is an empty list, not a missing one.
    if (ids.isEmpty())
        return QStringLiteral("");
    QStringList texts;
    texts.reserve(ids.size());
    for (int id : ids)
        texts.append(QString::number(id));
    return texts.join(QLatin1Char(','));
}
} // namespace

LearningStore::LearningStore(SqlRunner &statements)
    : statements(statements), clock([] { return QDateTime::currentMSecsSinceEpoch(); })
{
}

qint64 LearningStore::fingerprint(const QList<QString> &questionTexts)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString &text : questionTexts) {
        hash.addData(text.toUtf8());
        hash.addData("\x1f", 1);
    }
    const QByteArray digest = hash.result();
    qint64 value = 0;
    for (int i = 0; i < 8; ++i)
        value = (value << 8) | quint8(digest.at(i));
    return value;
}

bool LearningStore::tablesExist()
{
    // A server has them from its schema script.
    if (!statements.dialect().createsTables())
        return true;
    return statements.integer(statements.dialect().tableExists(QStringLiteral("question_memory"))) >
           0;
}

bool LearningStore::createTables()
{
    if (!statements.dialect().createsTables())
        return true;
    bool ok = true;
    for (const char *statement : createStatements)
        ok = statements.run(QString::fromLatin1(statement)) && ok;
    return ok;
}

QList<QString> LearningStore::questionTexts(int questionId)
{
    return statements.texts(
        QStringLiteral("SELECT question_text FROM question_lang WHERE question_id = %1 "
                       "ORDER BY lang_id")
            .arg(questionId));
}

std::optional<Fsrs::Memory> LearningStore::storedMemory(int questionId, qint64 *textsFingerprint)
{
    // The texts and the memory in one statement: on a server each statement is a round trip,
    // and recording is what thirty learners do at once.
    const QList<QVariantList> rows = statements.rows(
        QStringLiteral("SELECT t.question_text, m.fingerprint, m.reviews, m.lapses, m.stability, "
                       "m.difficulty, m.last_answer_utc, m.due_utc FROM question_lang t LEFT "
                       "JOIN question_memory m ON m.question_id = t.question_id WHERE "
                       "t.question_id = %1 ORDER BY t.lang_id")
            .arg(questionId));
    QList<QString> texts;
    for (const QVariantList &row : rows)
        texts.append(row.at(0).toString());
    *textsFingerprint = fingerprint(texts);
    if (rows.isEmpty() || rows.first().at(1).isNull())
        return std::nullopt;
    if (rows.first().at(1).toLongLong() != *textsFingerprint) {
        // The id now names another question: its predecessor's answers are not its own.
        forget({questionId}, OwnRows);
        return std::nullopt;
    }
    return memoryOfRow(rows.first());
}

bool LearningStore::record(int &runId, const RecordedAnswer &answer)
{
    const qint64 at = answer.answeredMs != 0 ? answer.answeredMs : now();
    statements.beginChange();
    createTables();
    qint64 texts = 0;
    const std::optional<Fsrs::Memory> before = storedMemory(answer.questionId, &texts);
    int run = runId;
    if (run == 0) {
        run = statements
                  .valuePrepared(QStringLiteral("INSERT INTO quiz_run( started_utc ) VALUES( "
                                                ":started_utc ) RETURNING run_id"),
                                 {{QStringLiteral(":started_utc"), at}})
                  .toInt();
    }
    statements.runPrepared(
        QStringLiteral("INSERT INTO answer_history( question_id, answered_utc, "
                       "checked_answer_ids, correct, timed_out, duration_ms, run_id, lang_id ) "
                       "VALUES( :question_id, :answered_utc, :checked, :correct, :timed_out, "
                       ":duration_ms, :run_id, :lang_id )"),
        {{QStringLiteral(":question_id"), answer.questionId},
         {QStringLiteral(":answered_utc"), at},
         {QStringLiteral(":checked"), idList(answer.checkedAnswerIds)},
         {QStringLiteral(":correct"), answer.correct ? 1 : 0},
         {QStringLiteral(":timed_out"), answer.timedOut ? 1 : 0},
         {QStringLiteral(":duration_ms"), qMax(0, answer.millisecondsUsed)},
         {QStringLiteral(":run_id"), run},
         {QStringLiteral(":lang_id"), answer.languageId}});
    const Fsrs::Memory after =
        fsrs.answered(before, at, answer.correct ? Fsrs::Good : Fsrs::Again);
    statements.runPrepared(
        QStringLiteral("INSERT INTO question_memory( %1 ) VALUES( :question_id, :fingerprint, "
                       ":reviews, :lapses, :stability, :difficulty, :last, :due ) ON CONFLICT( "
                       "%2 ) DO UPDATE SET fingerprint = excluded.fingerprint, reviews = "
                       "excluded.reviews, lapses = excluded.lapses, stability = "
                       "excluded.stability, difficulty = excluded.difficulty, last_answer_utc = "
                       "excluded.last_answer_utc, due_utc = excluded.due_utc")
            .arg(QLatin1String(memoryColumns), statements.dialect().memoryKey()),
        {{QStringLiteral(":question_id"), answer.questionId},
         {QStringLiteral(":fingerprint"), texts},
         {QStringLiteral(":reviews"), after.reviews},
         {QStringLiteral(":lapses"), after.lapses},
         {QStringLiteral(":stability"), after.stability},
         {QStringLiteral(":difficulty"), after.difficulty},
         {QStringLiteral(":last"), after.lastAnswerMs},
         {QStringLiteral(":due"), after.dueMs}});
    if (!statements.endChange())
        return false;
    runId = run;
    return true;
}

int LearningStore::quizMode()
{
    if (!tablesExist())
        return AllAtRandom;
    const int mode =
        statements.integer(QStringLiteral("SELECT quiz_mode FROM practice_settings LIMIT 1"));
    return mode >= AllAtRandom && mode <= MistakesOfLastQuiz ? mode : AllAtRandom;
}

bool LearningStore::setQuizMode(int mode)
{
    // The default needs no table: a file never used for practice stays as provisioned.
    if (mode == AllAtRandom && !tablesExist())
        return true;
    statements.beginChange();
    createTables();
    statements.run(QStringLiteral("DELETE FROM practice_settings"));
    statements.runPrepared(
        QStringLiteral("INSERT INTO practice_settings( quiz_mode ) VALUES( :quiz_mode )"),
        {{QStringLiteral(":quiz_mode"), mode}});
    return statements.endChange();
}

QHash<int, Fsrs::Memory> LearningStore::memories()
{
    QHash<int, Fsrs::Memory> result;
    if (!tablesExist())
        return result;
    // Fingerprints of the questions' present texts, to leave out memories of replaced ones.
    QHash<int, QList<QString>> texts;
    const auto textRows = statements.pairs(QStringLiteral(
        "SELECT question_id, question_text FROM question_lang WHERE question_id IN (SELECT "
        "question_id FROM question_memory) ORDER BY question_id, lang_id"));
    for (const auto &row : textRows)
        texts[row.first].append(row.second.toString());
    const QList<QVariantList> rows = statements.rows(
        QStringLiteral("SELECT %1 FROM question_memory").arg(QLatin1String(memoryColumns)));
    result.reserve(rows.size());
    for (const QVariantList &row : rows) {
        const int questionId = row.at(0).toInt();
        const auto questionTexts = texts.constFind(questionId);
        if (questionTexts != texts.constEnd() &&
            fingerprint(*questionTexts) == row.at(1).toLongLong())
            result.insert(questionId, memoryOfRow(row));
    }
    return result;
}

QList<int> LearningStore::mistakesOfLastRun()
{
    if (!tablesExist())
        return {};
    const QList<int> ids = statements.integers(
        QStringLiteral("SELECT DISTINCT question_id FROM answer_history WHERE correct = 0 AND "
                       "run_id = (SELECT run_id FROM answer_history ORDER BY answered_utc DESC, "
                       "%1 DESC LIMIT 1) ORDER BY question_id")
            .arg(statements.dialect().recordedOrder()));
    // Only questions that still exist as they were answered.
    const QHash<int, Fsrs::Memory> remembered = memories();
    QList<int> result;
    for (int id : ids) {
        if (remembered.contains(id))
            result.append(id);
    }
    return result;
}

bool LearningStore::reset()
{
    if (!tablesExist())
        return true;
    statements.beginChange();
    statements.run(QStringLiteral("DELETE FROM answer_history"));
    statements.run(QStringLiteral("DELETE FROM question_memory"));
    statements.run(QStringLiteral("DELETE FROM quiz_run"));
    return statements.endChange();
}

bool LearningStore::forget(const QList<int> &questionIds, Whose whose)
{
    if (questionIds.isEmpty())
        return true;
    const QString ids = idList(questionIds);
    const SqlDialect dialect = statements.dialect();
    const QString prefix = whose == EveryLearner ? QStringLiteral("every_") : QString();
    const bool history =
        statements.run(QStringLiteral("DELETE FROM %1 WHERE question_id IN (%2)")
                           .arg(dialect.table(prefix + QStringLiteral("answer_history")), ids));
    const bool memory =
        statements.run(QStringLiteral("DELETE FROM %1 WHERE question_id IN (%2)")
                           .arg(dialect.table(prefix + QStringLiteral("question_memory")), ids));
    return history && memory;
}

bool LearningStore::forgetQuestion(int questionId)
{
    if (!tablesExist())
        return true;
    return forget({questionId}, EveryLearner);
}

bool LearningStore::forgetQuestions(const QList<int> &questionIds)
{
    if (questionIds.isEmpty() || !tablesExist())
        return true;
    return forget(questionIds, EveryLearner);
}

bool LearningStore::textsChanged(int questionId, const QList<QString> &formerTexts)
{
    if (!tablesExist())
        return true;
    // A memory of other texts (a replaced question) is not revived by the edit.
    // Every learner's memory of the question follows its new texts.
    return statements.runPrepared(
        QStringLiteral("UPDATE %1 SET fingerprint = :fingerprint WHERE question_id = "
                       ":question_id AND fingerprint = :former")
            .arg(statements.dialect().table(QStringLiteral("every_question_memory"))),
        {{QStringLiteral(":fingerprint"), fingerprint(questionTexts(questionId))},
         {QStringLiteral(":question_id"), questionId},
         {QStringLiteral(":former"), fingerprint(formerTexts)}});
}

bool LearningStore::forgetReplacedQuestions(QHash<int, Fsrs::Memory> *kept)
{
    if (!tablesExist())
        return true;
    const QHash<int, Fsrs::Memory> valid = memories();
    if (kept)
        *kept = valid;
    const QList<int> remembered =
        statements.integers(QStringLiteral("SELECT question_id FROM question_memory"));
    QList<int> stale;
    for (int id : remembered) {
        if (!valid.contains(id))
            stale.append(id);
    }
    if (stale.isEmpty())
        return true;
    statements.beginChange();
    forget(stale, OwnRows);
    return statements.endChange();
}

bool LearningStore::hasHistory()
{
    return tablesExist() &&
           statements.integer(QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM "
                                             "answer_history LIMIT 1)")) > 0;
}

QList<HistoryEntry> LearningStore::history()
{
    QList<HistoryEntry> entries;
    if (!tablesExist())
        return entries;
    const QList<QVariantList> rows = statements.rows(
        QStringLiteral("SELECT question_id, answered_utc, correct, timed_out, duration_ms FROM "
                       "answer_history ORDER BY answered_utc, %1")
            .arg(statements.dialect().recordedOrder()));
    entries.reserve(rows.size());
    QSet<int> seen;
    for (const QVariantList &row : rows) {
        HistoryEntry entry;
        entry.questionId = row.at(0).toInt();
        entry.answeredMs = row.at(1).toLongLong();
        entry.correct = row.at(2).toInt() != 0;
        entry.timedOut = row.at(3).toInt() != 0;
        entry.millisecondsUsed = row.at(4).toInt();
        entry.answeredBefore = seen.contains(entry.questionId);
        seen.insert(entry.questionId);
        entries.append(entry);
    }
    return entries;
}

QMap<QDate, int> LearningStore::answersPerDay(const QDate &from)
{
    QMap<QDate, int> days;
    if (!tablesExist())
        return days;
    // A day's start in local time, a day early so that no time zone is cut off.
    const qint64 since = QDateTime(from.addDays(-1), QTime(0, 0)).toMSecsSinceEpoch();
    // Counted per quarter of an hour, the step of every time zone's offset, and put into
    // this computer's local days here: a server knows nothing of the learner's zone.
    constexpr qint64 quarterHour = 15 * 60 * 1000;
    const QList<QPair<int, QVariant>> rows = statements.pairs(
        QStringLiteral("SELECT answered_utc / %1 AS quarter, count(*) FROM answer_history WHERE "
                       "answered_utc >= %2 GROUP BY answered_utc / %1")
            .arg(quarterHour)
            .arg(since));
    for (const auto &row : rows) {
        const QDate day =
            QDateTime::fromMSecsSinceEpoch(qint64(row.first) * quarterHour).toLocalTime().date();
        if (day.isValid() && day >= from)
            days[day] += row.second.toInt();
    }
    return days;
}

QPair<int, int> LearningStore::answersSince(qint64 sinceMs)
{
    if (!tablesExist())
        return {0, 0};
    const QList<QVariantList> rows = statements.rows(
        QStringLiteral("SELECT count(*), coalesce(sum(correct), 0) FROM answer_history WHERE "
                       "answered_utc >= %1")
            .arg(sinceMs));
    if (rows.isEmpty())
        return {0, 0};
    return {rows.first().at(0).toInt(), rows.first().at(1).toInt()};
}

int LearningStore::answerCount()
{
    return tablesExist() ? statements.integer(QStringLiteral("SELECT count(*) FROM answer_history"))
                         : 0;
}

int LearningStore::runCount()
{
    return tablesExist() ? statements.integer(QStringLiteral(
                               "SELECT count(DISTINCT run_id) FROM answer_history"))
                         : 0;
}

QList<RunResult> LearningStore::lastRuns(int count)
{
    QList<RunResult> runs;
    if (!tablesExist() || count <= 0)
        return runs;
    const QList<QVariantList> rows = statements.rows(
        QStringLiteral("SELECT run_id, min(answered_utc), count(*), sum(correct) FROM "
                       "answer_history GROUP BY run_id ORDER BY run_id DESC LIMIT %1")
            .arg(count));
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        runs.append({row->at(0).toInt(), row->at(1).toLongLong(), row->at(2).toInt(),
                     row->at(3).toInt()});
    return runs;
}
