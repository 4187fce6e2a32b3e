#include "checkboxselection.h"

#include "checkbox.h"

#include <QLabel>
#include <QVBoxLayout>

CheckBoxSelection::CheckBoxSelection(QWidget *parent) : QWidget(parent)
{
    // The selection travels in a signal, also through queued connections and spies.
    qRegisterMetaType<QList<int>>();
    new QVBoxLayout(this);
    connect(this, qOverload<>(&CheckBoxSelection::somethingChanged), this,
            &CheckBoxSelection::somethingChangedSlot);
}

void CheckBoxSelection::setItems(const QList<int> &ids, const QList<QString> &texts,
                                 const QList<int> &checkedIds)
{
    // Only complete (id, text) pairs become entries, so ids and boxes stay parallel.
    const int count = qMin(ids.size(), texts.size());
    this->ids = ids.mid(0, count);
    if (count == 0) {
        layout()->addWidget(new QLabel(tr("There is nothing to show!"), this));
        return;
    }
    for (int i = 0; i < count; ++i)
        addEntry(texts.at(i), checkedIds.contains(ids.at(i)));
}

void CheckBoxSelection::appendItems(const QList<int> &ids, const QList<QString> &texts)
{
    const int count = qMin(ids.size(), texts.size());
    for (int i = 0; i < count; ++i) {
        this->ids.append(ids.at(i));
        addEntry(texts.at(i), false);
    }
}

void CheckBoxSelection::addEntry(const QString &text, bool checked)
{
    auto *box = new CheckBox(this);
    checkBoxes.append(box);
    box->setText(text);
    if (checked)
        box->setChecked(true);
    layout()->addWidget(box);
    // Connected only after the pre-check, so filling announces nothing.
    connect(box, &CheckBox::stateChanged, this, qOverload<>(&CheckBoxSelection::somethingChanged));
}

QList<int> CheckBoxSelection::getSelectedIds() const
{
    QList<int> selected;
    for (int i = 0; i < checkBoxes.size(); ++i) {
        if (checkBoxes.at(i)->isChecked())
            selected.append(ids.at(i));
    }
    return selected;
}

void CheckBoxSelection::setEntryShown(int index, bool shown)
{
    checkBoxes.at(index)->setVisible(shown);
}

void CheckBoxSelection::somethingChangedSlot()
{
    emit somethingChanged(getSelectedIds());
}
