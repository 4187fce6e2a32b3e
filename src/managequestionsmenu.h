#ifndef MANAGEQUESTIONSMENU_H
#define MANAGEQUESTIONSMENU_H

#include "questionfilereader.h"
#include "ui_managequestionsmenu.h"

#include <QString>
#include <QWidget>

class Controller;

// The management menu: database editor, add, import, export, delete and edit questions,
// and reset the learning history.
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
    // Writes every question with a true answer to exportFileName as Moodle XML, whole or
    // not at all, and names the questions left out.
    bool writeMoodleXml();

    // Says in red below the buttons why a change was refused.
    void showRefusal(const QString &message) { showExportFailure(message); }

public slots:
    void openExportFileDialog();
    // Asks first; then drops every recorded answer and memory in one change.
    void resetLearningHistory();

private:
    // Every question of the catalogue, true answers first; *read is false when the
    // catalogue could not be read consistently.
    QList<QuestionFileReader::Question> allQuestions(bool *read);
    // A question's text in the interface language, to name it in a message.
    QString shownText(const QuestionFileReader::Question &question);
    // Shows why nothing was exported, in red below the buttons.
    void showExportFailure(const QString &message);

    Ui::ManageQuestionsMenu ui;
    Controller *controller;
    QString exportFileName;
};

#endif // MANAGEQUESTIONSMENU_H
