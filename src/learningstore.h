#ifndef LEARNINGSTORE_H
#define LEARNINGSTORE_H

#include "fsrs.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

#include <functional>

class SqlRunner;

// One judged answer as the history keeps it.
struct RecordedAnswer
{
    int questionId = 0;
    // UTC, ms since the epoch; 0 takes the store's clock.
    qint64 answeredMs = 0;
    // Catalogue answer ids, not the rows the answers were shown in.
    QList<int> checkedAnswerIds;
    bool correct = false;
    bool timedOut = false;
    int millisecondsUsed = 0;
    int languageId = 0;
};

// A recorded answer read back, for the export of the history.
struct HistoryEntry
{
    int questionId = 0;
    qint64 answeredMs = 0;
    bool correct = false;
    bool timedOut = false;
    int millisecondsUsed = 0;
    // Whether the question had been answered before this answer.
    bool answeredBefore = false;
};

// One quiz run that judged at least one question.
struct RunResult
{
    int runId = 0;
    qint64 startedMs = 0;
    int answers = 0;
    int right = 0;
};

// The learner's answer history and the memory of every answered question, kept beside
// the catalogue in tables that the first change needing them creates, so a database that
// was never used for practice stays exactly as provisioned.
class LearningStore
{
public:
    enum QuizMode { AllAtRandom = 0, DueAndWeakestFirst = 1, MistakesOfLastQuiz = 2 };
    using Clock = std::function<qint64()>;

    explicit LearningStore(SqlRunner &statements);

    // UTC ms since the epoch; replaceable for tests and generated histories.
    qint64 now() const { return clock(); }
    void setClock(Clock replacement) { clock = std::move(replacement); }
    const Fsrs &model() const { return fsrs; }

    // Records the answer and updates its question's memory in one change. A runId of 0
    // opens a new run, whose id is then set. False when nothing was stored.
    bool record(int &runId, const RecordedAnswer &answer);

    // The practice mode of the quiz settings; AllAtRandom until another was chosen.
    int quizMode();
    bool setQuizMode(int mode);

    // Memory of every answered question whose texts are still those it was answered with.
    QHash<int, Fsrs::Memory> memories();
    // Questions answered wrong or timed out in the latest run that judged any.
    QList<int> mistakesOfLastRun();

    // Drops every answer, run and memory, in one change.
    bool reset();
    // Drops one question's answers and memory; joins the caller's change.
    bool forgetQuestion(int questionId);
    // The same for several questions at once.
    bool forgetQuestions(const QList<int> &questionIds);
    // After the question's texts were edited: its memory, if it was the memory of the
    // former texts, stays with it under the new ones. Joins the caller's change.
    bool textsChanged(int questionId, const QList<QString> &formerTexts);
    // Drops the answers and memory of questions that are gone or whose texts changed
    // (an id reused by another program), in one change. Hands the memories kept to
    // `kept`, so that a screen need not read them again.
    bool forgetReplacedQuestions(QHash<int, Fsrs::Memory> *kept = nullptr);

    // Reads for the progress screen and the export.
    bool hasHistory();
    QList<HistoryEntry> history();
    // Answers per local calendar day from the given day on.
    QMap<QDate, int> answersPerDay(const QDate &from);
    // Answers (first) and right answers (second) since the given time.
    QPair<int, int> answersSince(qint64 sinceMs);
    int answerCount();
    int runCount();
    // The latest runs, oldest first.
    QList<RunResult> lastRuns(int count);

    // A number that changes when any of the question's texts changes.
    static qint64 fingerprint(const QList<QString> &questionTexts);

private:
    bool tablesExist();
    bool createTables();
    QList<QString> questionTexts(int questionId);
    // The question's memory if it is of its present texts, whose fingerprint it sets.
    std::optional<Fsrs::Memory> storedMemory(int questionId, qint64 *textsFingerprint);
    // The learner's own rows, or every learner's (a teacher's change of the catalogue; on a
    // file they are the same rows).
    enum Whose { OwnRows, EveryLearner };
    bool forget(const QList<int> &questionIds, Whose whose);

    SqlRunner &statements;
    Fsrs fsrs;
    Clock clock;
};

#endif // LEARNINGSTORE_H
