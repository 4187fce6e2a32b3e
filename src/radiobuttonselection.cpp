#include "radiobuttonselection.h"

#include <QLabel>
#include <QLayoutItem>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// Entries of an earlier filling leave at the next turn of the event loop, so a filling
// triggered from one of their own signals never deletes the sender under its feet.
void discardEntries(QLayout *layout)
{
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
}
} // namespace

RadioButtonSelection::RadioButtonSelection(QWidget *parent) : QWidget(parent)
{
    new QVBoxLayout(this);
    connect(this, qOverload<>(&RadioButtonSelection::somethingChanged), this,
            &RadioButtonSelection::somethingChangedSlot);
}

void RadioButtonSelection::setItems(const QList<int> &ids, const QList<QString> &texts)
{
    discardEntries(layout());
    radioButtons.clear();
    // Only complete (id, text) pairs become entries, so ids and buttons stay parallel.
    const int count = qMin(ids.size(), texts.size());
    this->ids = ids.mid(0, count);
    if (count == 0) {
        layout()->addWidget(new QLabel(tr("There is nothing to show!"), this));
        return;
    }
    for (int i = 0; i < count; ++i) {
        auto *button = new QRadioButton(texts.at(i), this);
        radioButtons.append(button);
        layout()->addWidget(button);
        connect(button, &QRadioButton::clicked, this,
                qOverload<>(&RadioButtonSelection::somethingChanged));
    }
}

int RadioButtonSelection::getSelectedId() const
{
    int selected = -1;
    for (int i = 0; i < radioButtons.size(); ++i) {
        if (radioButtons.at(i)->isChecked())
            selected = ids.at(i);
    }
    return selected;
}

void RadioButtonSelection::somethingChangedSlot()
{
    emit somethingChanged(getSelectedId());
}
