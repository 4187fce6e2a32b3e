#ifndef QUIZEVALUATION_H
#define QUIZEVALUATION_H

#include "answeredquestion.h"
#include "ui_quizevaluation.h"

#include <QWidget>

class Controller;

// The result screen after a quiz: the stored settings above, the run's result below;
// leads back to the menu or into a new run with the same settings.
class QuizEvaluation : public QWidget
{
    Q_OBJECT

public:
    explicit QuizEvaluation(Controller *controller, QWidget *parent = nullptr);

    void setValues(int numberOfTrueAnsweredQuestions, int numberOfQuestions, int totalTime);
    // The run's questions for "Review answers"; without any the review is not offered.
    void setAnswered(const QList<AnsweredQuestion> &answered);
    // Whether every answer of the run reached the learner's history.
    void setHistorySaved(bool saved);

private:
    void showReviewSlot();

    Ui::QuizEvaluation ui;
    Controller *controller;
    QList<AnsweredQuestion> answered;
};

#endif // QUIZEVALUATION_H
