#ifndef DELETEQUESTION_H
#define DELETEQUESTION_H

#include "ui_deletequestion.h"

#include <QWidget>

class CatalogueList;
class Controller;

// Lists every question, grouped by category, and deletes the checked ones with their
// answers after asking. A search narrows the list to the questions with the typed words;
// the questions it hides stay checked and are deleted too.
class DeleteQuestion : public QWidget
{
    Q_OBJECT

public:
    explicit DeleteQuestion(Controller *controller, QWidget *parent = nullptr);

    // How long deleting may take before a progress dialog appears, in milliseconds.
    void setProgressDelay(int milliseconds) { progressDelay = milliseconds; }

public slots:
    void selectedQuestionsChanged();
    void deleteSlot();

private:
    Ui::DeleteQuestion ui;
    Controller *controller;
    CatalogueList *list;
    int progressDelay;
};

#endif // DELETEQUESTION_H
