#ifndef DELETEQUESTION_H
#define DELETEQUESTION_H

#include "ui_deletequestion.h"

#include <QList>
#include <QWidget>

class CheckBoxSelection;
class Controller;

// Lists every question, grouped by category, and deletes the checked ones with their
// answers.
class DeleteQuestion : public QWidget
{
    Q_OBJECT

public:
    explicit DeleteQuestion(Controller *controller, QWidget *parent = nullptr);

public slots:
    void selectedQuestionsChanged();
    void deleteSlot();

private:
    Ui::DeleteQuestion ui;
    Controller *controller;
    QList<CheckBoxSelection *> selections;
};

#endif // DELETEQUESTION_H
