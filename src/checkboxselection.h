#ifndef CHECKBOXSELECTION_H
#define CHECKBOXSELECTION_H

#include <QList>
#include <QString>
#include <QWidget>

class CheckBox;

// A multiple-choice list of texts that stand for ids; yields the ids of the checked entries.
class CheckBoxSelection : public QWidget
{
    Q_OBJECT

public:
    explicit CheckBoxSelection(QWidget *parent = nullptr);

    // One entry per (id, text) pair; entries whose id is in checkedIds start checked.
    // Filling announces nothing. Called once, right after construction.
    void setItems(const QList<int> &ids, const QList<QString> &texts, const QList<int> &checkedIds);
    // Adds unchecked entries after those there are, for a list filled in pieces; like
    // filling, it announces nothing.
    void appendItems(const QList<int> &ids, const QList<QString> &texts);
    // The ids of the checked entries, in display order.
    QList<int> getSelectedIds() const;
    // Shows or hides the entry at index; a hidden entry keeps its check mark.
    void setEntryShown(int index, bool shown);

signals:
    void somethingChanged();
    void somethingChanged(QList<int> selectedIds);

public slots:
    void somethingChangedSlot();

private:
    void addEntry(const QString &text, bool checked);

    QList<int> ids;
    QList<CheckBox *> checkBoxes;
};

#endif // CHECKBOXSELECTION_H
