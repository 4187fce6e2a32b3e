#ifndef CATALOGUELIST_H
#define CATALOGUELIST_H

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class CheckBoxSelection;
class Controller;
class QGroupBox;
class QLineEdit;
class QScrollArea;
class QWidget;

// Fills a scroll area with every question of the catalogue, grouped by category, in the
// current language, and narrows it to the questions holding every word typed into a search
// line. Its rows are check boxes (several questions are marked) or choices (pressing one
// chooses that question).
//
// On a large catalogue the rows are built only when they come near the visible part of the
// list: until then a placeholder keeps the height they will take.
class CatalogueList : public QObject
{
    Q_OBJECT

public:
    enum Rows { CheckRows, ChoiceRows };

    // The area's content widget receives the groups; both widgets must outlive the list,
    // which the area's owner should parent.
    CatalogueList(Controller *controller, Rows rows, QLineEdit *search, QScrollArea *area,
                  QObject *parent);

    // The checked questions, whether the search shows them or not, by category and row.
    QList<int> checkedIds() const;
    // How many of the checked questions the search hides.
    int hiddenCheckedCount() const;

signals:
    // A check mark was set or taken away.
    void checkedChanged();
    // A question's choice row was pressed.
    void chosen(int questionId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Group
    {
        QGroupBox *box;
        CheckBoxSelection *selection; // check rows
        QWidget *choices;             // choice rows
        QList<QWidget *> choiceRows;
        QWidget *rest; // holds the place of the rows not built yet
        QList<int> questionIds;
        QList<QString> questionTexts;
        QList<bool> shown; // per question: matches the search
        int shownCount;
        int builtRows; // the first rows, in order; -1 before the first is built
    };

    // Builds the group's rows up to row end (at least the empty-list text).
    void buildRows(Group &group, int end);
    QWidget *choiceRow(QWidget *parent, int questionId, const QString &text);
    void setRowShown(Group &group, int row, bool shown);
    void buildVisibleRows();
    void scheduleBuild();
    void searchSlot(const QString &text);
    void applySearch(Group &group);
    void updateRest(Group &group);

    Rows rows;
    QScrollArea *area;
    QList<Group> groups;
    QStringList searchWords;
    int rowHeight = 0;
    bool buildPending = false;
};

#endif // CATALOGUELIST_H
