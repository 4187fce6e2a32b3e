#ifndef EDITQUESTIONS_H
#define EDITQUESTIONS_H

#include "ui_editquestions.h"

#include <QWidget>

class Controller;

// Lists every question, grouped by category and with the delete screen's search; pressing
// one opens it in the add form to be edited.
class EditQuestions : public QWidget
{
    Q_OBJECT

public:
    explicit EditQuestions(Controller *controller, QWidget *parent = nullptr);

    // A line saying how the last edit went, shown until the next action; empty: none.
    void setOutcome(const QString &outcome);

private:
    Ui::EditQuestions ui;
};

#endif // EDITQUESTIONS_H
