#ifndef QUIZSETTINGS_H
#define QUIZSETTINGS_H

#include "ui_quizsettings.h"

#include <QWidget>

class Controller;

// The screen between the main menu and a quiz: number of questions, time per question
// (or none) and the categories to draw from. A start stores them and runs the quiz.
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
    Ui::QuizSettings ui;
    Controller *controller;
};

#endif // QUIZSETTINGS_H
