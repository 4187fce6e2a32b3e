#ifndef RADIOBUTTONSELECTION_H
#define RADIOBUTTONSELECTION_H

#include <QList>
#include <QString>
#include <QWidget>

class QButtonGroup;
class QRadioButton;

// An exclusive list of texts that stand for ids; yields the id of the chosen entry.
class RadioButtonSelection : public QWidget
{
    Q_OBJECT

public:
    explicit RadioButtonSelection(QWidget *parent = nullptr);

    // One entry per (id, text) pair, none chosen. Called once, right after construction.
    void setItems(const QList<int> &ids, const QList<QString> &texts);
    // The id of the chosen entry, -1 when none is chosen or the list is empty.
    int getSelectedId() const;
    // Chooses the entry of the id, without announcing it; an unknown id chooses nothing.
    void setSelectedId(int id);

signals:
    void somethingChanged();
    void somethingChanged(int selectedId);

public slots:
    void somethingChangedSlot();

private:
    QList<int> ids;
    QList<QRadioButton *> radioButtons;
    QButtonGroup *buttonGroup;
};

#endif // RADIOBUTTONSELECTION_H
