#include "addanswerwidget.h"

AddAnswerWidget::AddAnswerWidget(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    connect(ui.cbAnswerTrue, &QCheckBox::clicked, this, &AddAnswerWidget::showExplanationMLE);
    showExplanationMLE(false);
}

void AddAnswerWidget::showExplanationMLE(bool state)
{
    ui.tlExplanation->setVisible(state);
    ui.mleExplanation->setVisible(state);
}

QString AddAnswerWidget::getDEAnswerText() const
{
    return ui.mleAnswer->getDEText();
}

QString AddAnswerWidget::getENAnswerText() const
{
    return ui.mleAnswer->getENText();
}

QString AddAnswerWidget::getEEAnswerText() const
{
    return ui.mleAnswer->getEEText();
}

QString AddAnswerWidget::getDEExplanationText() const
{
    return ui.mleExplanation->getDEText();
}

QString AddAnswerWidget::getENExplanationText() const
{
    return ui.mleExplanation->getENText();
}

QString AddAnswerWidget::getEEExplanationText() const
{
    return ui.mleExplanation->getEEText();
}

bool AddAnswerWidget::isAnswerTrue() const
{
    return ui.cbAnswerTrue->isChecked();
}

bool AddAnswerWidget::hasMissingText() const
{
    if (ui.mleAnswer->hasEmptyText())
        return true;
    if (ui.cbAnswerTrue->isChecked())
        return ui.mleExplanation->hasEmptyText();
    return false;
}

bool AddAnswerWidget::hasInvalidText() const
{
    // The explanation counts only while it is shown, for a true answer: the user cannot
    // see, let alone mend, a hidden one (and the export writes none for a false answer).
    return ui.mleAnswer->hasInvalidText() ||
           (ui.cbAnswerTrue->isChecked() && ui.mleExplanation->hasInvalidText());
}

void AddAnswerWidget::setAnswer(const QList<QString> &texts, const QList<QString> &explanations,
                                bool isTrue)
{
    ui.mleAnswer->setTexts(texts);
    // A false answer may hold an explanation too; it is kept, hidden, as the form keeps one.
    ui.mleExplanation->setTexts(explanations);
    ui.cbAnswerTrue->setChecked(isTrue);
    showExplanationMLE(isTrue);
}

void AddAnswerWidget::clear()
{
    ui.mleAnswer->clear();
    ui.mleExplanation->clear();
    // setChecked emits no clicked(), so the explanation keeps its visibility.
    ui.cbAnswerTrue->setChecked(false);
}
