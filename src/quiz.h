#ifndef QUIZ_H
#define QUIZ_H

#include "ui_quiz.h"

#include <QList>
#include <QWidget>

class Controller;

// One quiz run, from the draw to the hand-over to the evaluation. pbForward (or a
// time-out) checks the question on display; the next click moves on.
class Quiz : public QWidget
{
    Q_OBJECT

public:
    // Starts the run: on return the first question is on display, or, with no question
    // to ask, the evaluation has been requested.
    explicit Quiz(Controller *controller, QWidget *parent = nullptr);

public slots:
    void nextStep();
    void nextQuestion();
    void checkQuestion();

private:
    Ui::Quiz ui;
    Controller *controller;
    QList<int> questionIds;
    int currentQuestionNumber = 0;
    int numberOfTrueAnsweredQuestions = 0;
    int usedTime = 0;
    // True while the question on display has been checked, and before the first one.
    bool questionChecked = true;
};

#endif // QUIZ_H
