#ifndef MANAGEQUESTIONSMENU_H
#define MANAGEQUESTIONSMENU_H

#include "ui_managequestionsmenu.h"

#include <QString>
#include <QWidget>

class Controller;

// The management menu: database editor, add, import, export and delete questions, and
// reset the learning history.
class ManageQuestionsMenu : public QWidget
{
    Q_OBJECT

public:
    explicit ManageQuestionsMenu(Controller *controller, QWidget *parent = nullptr);

    // The entries joined by ";".
    QString buildCsvLine(QList<QString> fields);
    // Writes every question of the catalogue to exportFileName; false, with the reason
    // shown, when nothing was written (an earlier file of that name is left as it was).
    bool writeAllQuestions();

public slots:
    void openExportFileDialog();
    // Asks first; then drops every recorded answer and memory in one change.
    void resetLearningHistory();

private:
    // Shows why nothing was exported, in red below the buttons.
    void showExportFailure(const QString &message);

    Ui::ManageQuestionsMenu ui;
    Controller *controller;
    QString exportFileName;
};

#endif // MANAGEQUESTIONSMENU_H
