#include "radiobuttonselection.h"

#include "literaltext.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

RadioButtonSelection::RadioButtonSelection(QWidget *parent) : QWidget(parent)
{
    new QVBoxLayout(this);
    // An explicit group keeps a lone entry checked when it is clicked again; plain
    // auto-exclusive buttons only hold each other.
    buttonGroup = new QButtonGroup(this);
    connect(this, qOverload<>(&RadioButtonSelection::somethingChanged), this,
            &RadioButtonSelection::somethingChangedSlot);
}

void RadioButtonSelection::setItems(const QList<int> &ids, const QList<QString> &texts)
{
    // Only complete (id, text) pairs become entries, so ids and buttons stay parallel.
    const int count = qMin(ids.size(), texts.size());
    this->ids = ids.mid(0, count);
    if (count == 0) {
        layout()->addWidget(new QLabel(tr("There is nothing to show!"), this));
        return;
    }
    for (int i = 0; i < count; ++i) {
        auto *button = new QRadioButton(LiteralText::withoutMnemonic(texts.at(i)), this);
        radioButtons.append(button);
        buttonGroup->addButton(button);
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

void RadioButtonSelection::setSelectedId(int id)
{
    const int index = ids.indexOf(id);
    if (index >= 0)
        radioButtons.at(index)->setChecked(true);
}

void RadioButtonSelection::somethingChangedSlot()
{
    emit somethingChanged(getSelectedId());
}
