#ifndef DELETEQUESTION_H
#define DELETEQUESTION_H

#include "ui_deletequestion.h"

#include <QList>
#include <QString>
#include <QWidget>

class CheckBoxSelection;
class Controller;
class QGroupBox;

// Lists every question, grouped by category, and deletes the checked ones with their
// answers. A search narrows the list to the questions with the typed words.
//
// On a large catalogue the rows are built only when they come near the visible part of the
// list: until then a placeholder keeps the height they will take.
class DeleteQuestion : public QWidget
{
    Q_OBJECT

public:
    explicit DeleteQuestion(Controller *controller, QWidget *parent = nullptr);

public slots:
    void selectedQuestionsChanged();
    void deleteSlot();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Group
    {
        QGroupBox *box;
        CheckBoxSelection *selection;
        QWidget *rest; // holds the place of the rows not built yet
        QList<int> questionIds;
        QList<QString> questionTexts;
        QList<bool> shown; // per question: matches the search
        int shownCount;
        int builtRows; // the first rows, in order; -1 before the selection is filled
    };

    // Builds the group's rows up to row end (at least the empty-list text).
    void buildRows(Group &group, int end);
    void buildVisibleRows();
    void scheduleBuild();
    void searchSlot(const QString &text);
    void applySearch(Group &group);
    void updateRest(Group &group);

    Ui::DeleteQuestion ui;
    Controller *controller;
    QList<CheckBoxSelection *> selections;
    QList<Group> groups;
    QStringList searchWords;
    int rowHeight = 0;
    bool buildPending = false;
};

#endif // DELETEQUESTION_H
