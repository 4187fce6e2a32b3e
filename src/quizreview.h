#ifndef QUIZREVIEW_H
#define QUIZREVIEW_H

#include "answeredquestion.h"

#include <QList>
#include <QWidget>

// Every question of a finished run in asking order: its rows as they were shown, with the
// learner's choice and the true answers side by side, and how the question was judged.
class QuizReview : public QWidget
{
    Q_OBJECT

public:
    explicit QuizReview(const QList<AnsweredQuestion> &answered, QWidget *parent = nullptr);

private:
    QWidget *questionBlock(int number, const AnsweredQuestion &question);
};

#endif // QUIZREVIEW_H
