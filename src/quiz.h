#ifndef QUIZ_H
#define QUIZ_H

#include "answeredquestion.h"
#include "ui_quiz.h"

#include "databasevelmoraapp.h"

#include <QHash>
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
    // The number keys toggle the rows, Enter presses "->", Escape asks to cancel.
    void addKeys();
    void toggleAnswerSlot(int row);
    // Scrolls the verdict into view, with as many explanations below it as fit.
    void revealResult();
    // The run's questions in the practice mode chosen on the settings screen.
    QList<int> drawQuestions(int count);
    // Keeps the judged answer in the learner's history; a failure never stops the quiz.
    void recordAnswer(int questionId, bool correct, bool timedOut);

    Ui::Quiz ui;
    Controller *controller;
    QList<int> questionIds;
    // Read before the first question is shown, like the language the run is in: the run
    // needs nothing more from the database than to record its answers.
    QHash<int, QuizQuestion> questions;
    int languageId = 0;
    int currentQuestionNumber = 0;
    int numberOfTrueAnsweredQuestions = 0;
    int usedTime = 0;
    // True while the question on display has been checked, and before the first one.
    bool questionChecked = true;
    bool timeLimited = false;
    // Every checked question so far, in asking order, for the review after the run.
    QList<AnsweredQuestion> answered;
    // The run in the learner's history; 0 until its first answer is recorded.
    int runId = 0;
    bool historySaved = true;
};

#endif // QUIZ_H
