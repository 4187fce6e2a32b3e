#ifndef ADDQUESTION_H
#define ADDQUESTION_H

#include "ui_addquestion.h"

#include <QList>
#include <QWidget>

class AddAnswerWidget;
class Controller;
class QRadioButton;

// The add-question form: category (existing or new), question and four answers, all in
// three languages, checked and then stored as one change. It also edits a stored question:
// filled with its texts, it replaces them and keeps the question's id.
class AddQuestion : public QWidget
{
    Q_OBJECT

public:
    explicit AddQuestion(Controller *controller, QWidget *parent = nullptr);

    // Marks every missing or invalid input red and every good one normal; true when all
    // inputs are good.
    bool checkAllValues();
    // Turns the form into the editor of the stored question, filled with its texts.
    void editQuestion(int questionId);

public slots:
    void displayRightCategoryWidget();
    void displayRightMleAnswer();
    void addAllValues();

private:
    // Writes the category (when new), the question and its answers; true only when all
    // of it was stored.
    bool storeQuestion();
    // Writes the question's texts and answers; the caller's change holds them.
    void writeTextsAndAnswers(int questionId);

    Ui::AddQuestion ui;
    Controller *controller;
    QList<QRadioButton *> answerButtons;
    QList<AddAnswerWidget *> answerWidgets;
    int editedQuestionId = 0; // 0: a new question is added
};

#endif // ADDQUESTION_H
