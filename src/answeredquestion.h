#ifndef ANSWEREDQUESTION_H
#define ANSWEREDQUESTION_H

#include <QList>
#include <QString>

// One checked question of a quiz run as the learner met it: the rows in the order shown,
// what was chosen and how it was judged. Kept in memory for the review of the run only.
struct AnsweredQuestion
{
    QString questionText;
    QList<QString> answerTexts;
    QList<bool> answerIsTrue;
    QList<bool> chosen;
    bool correct = false;
    // Judged when the time ran out rather than on the learner's "->".
    bool timedOut = false;
};

#endif // ANSWEREDQUESTION_H
