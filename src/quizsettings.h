#ifndef QUIZSETTINGS_H
#define QUIZSETTINGS_H

#include "ui_quizsettings.h"

#include "fsrs.h"

#include <QHash>
#include <QList>
#include <QWidget>

class Controller;

// The screen between the main menu and a quiz: number of questions, time per question
// (or none), the practice mode and the categories to draw from, with how many of their
// questions are due or new. A start stores them and runs the quiz.
class QuizSettings : public QWidget
{
    Q_OBJECT

public:
    explicit QuizSettings(Controller *controller, QWidget *parent = nullptr);

public slots:
    void timeStateSlot(int timeState);
    // False when the settings could not be stored.
    bool saveQuizSettings();
    void startQuiz();

private:
    // Due and never-answered questions of the checked categories.
    void showPracticeCounts();
    // With no question in the catalogue: says so and offers the sample catalogue.
    void showEmptyCatalogue();
    // Imports the sample catalogue in one change, then shows the screen afresh.
    void importSampleCatalogue();

    Ui::QuizSettings ui;
    Controller *controller;
    // Read once: the counts follow every click without asking the database again.
    QHash<int, QList<int>> questionsOfCategory;
    QHash<int, Fsrs::Memory> memories;
    qint64 openedMs = 0;
};

#endif // QUIZSETTINGS_H
