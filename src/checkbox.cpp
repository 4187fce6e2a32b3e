#include "checkbox.h"

#include "clickablelabel.h"

#include <QCheckBox>
#include <QHBoxLayout>

CheckBox::CheckBox(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    // Rows sit close together; the surrounding list or grid spaces them.
    layout->setContentsMargins(0, 2, 0, 2);
    checkBox = new QCheckBox(this);
    checkBox->setObjectName(QStringLiteral("checkBox"));
    label = new ClickableLabel(this);
    label->setObjectName(QStringLiteral("label"));
    label->setWordWrap(true);
    // Catalogue texts are shown as written, never interpreted as markup.
    label->setTextFormat(Qt::PlainText);
    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    layout->addWidget(checkBox);
    layout->addWidget(label);

    connect(checkBox, &QCheckBox::stateChanged, this, &CheckBox::stateChanged);
    connect(label, &ClickableLabel::clicked, this, &CheckBox::setCB);
}

void CheckBox::setText(const QString &text)
{
    label->setText(text);
}

void CheckBox::setChecked(bool state)
{
    checkBox->setChecked(state);
}

bool CheckBox::isChecked() const
{
    return checkBox->isChecked();
}

void CheckBox::setCB()
{
    checkBox->setChecked(!checkBox->isChecked());
}
