#ifndef ADDQUESTION_H
#define ADDQUESTION_H

#include "ui_addquestion.h"

#include <QList>
#include <QWidget>

class AddAnswerWidget;
class Controller;
class QRadioButton;

// The add-question form: category (existing or new), question and four answers, all in
// three languages, checked and then stored as one change.
class AddQuestion : public QWidget
{
    Q_OBJECT

public:
    explicit AddQuestion(Controller *controller, QWidget *parent = nullptr);

    // Marks every missing or invalid input red and every good one normal; true when all
    // inputs are good.
    bool checkAllValues();

public slots:
    void displayRightCategoryWidget();
    void displayRightMleAnswer();
    void addAllValues();

private:
    // Writes the category (when new), the question and its answers; true only when all
    // of it was stored.
    bool storeQuestion();

    Ui::AddQuestion ui;
    Controller *controller;
    QList<QRadioButton *> answerButtons;
    QList<AddAnswerWidget *> answerWidgets;
};

#endif // ADDQUESTION_H
