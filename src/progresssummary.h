#ifndef PROGRESSSUMMARY_H
#define PROGRESSSUMMARY_H

#include "fsrs.h"

#include <QHash>
#include <QList>
#include <QString>

// What the progress screen shows of the catalogue's memory, worked out from plain values so
// it can be checked without a screen or a database.
//
// Each question of a category is in at most one of three classes, so the stacked bars add
// up: never answered (no memory), due (its due time has come), known (not due and recall at
// least 0.9 now). Due comes before known because that is what the quiz settings count as
// due and what "Due and weakest first" asks next, even while the model still gives a
// just-due question a recall above 0.9. A question in none of them (not due, recall below
// 0.9, possible with a desired retention below 0.9) fills the rest of its bar.
class ProgressSummary
{
public:
    static constexpr double knownRecall = 0.9;
    static constexpr int weakestCount = 10;

    struct CategoryCounts
    {
        int categoryId = 0;
        QString name;
        int questions = 0;
        int known = 0;
        int due = 0;
        int neverAnswered = 0;
    };

    struct WeakQuestion
    {
        int questionId = 0;
        QString text;
        QString categoryName;
        qint64 lastAnswerMs = 0;
        int lapses = 0;
        double recall = 0;
    };

    // Memories of questions no category holds are ignored.
    ProgressSummary(const QHash<int, Fsrs::Memory> &memories,
                    const QHash<int, QList<int>> &questionIdsPerCategory,
                    const QHash<int, QString> &categoryNames,
                    const QHash<int, QString> &questionTexts, qint64 nowMs, const Fsrs &model);

    // By category id, the order of the quiz settings.
    const QList<CategoryCounts> &categories() const { return categoryCounts; }
    // Most lapses first, then lowest recall now; at most weakestCount.
    const QList<WeakQuestion> &weakest() const { return weakestQuestions; }

private:
    QList<CategoryCounts> categoryCounts;
    QList<WeakQuestion> weakestQuestions;
};

#endif // PROGRESSSUMMARY_H
