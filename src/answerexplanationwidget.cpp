#include "answerexplanationwidget.h"

#include "answermark.h"

AnswerExplanationWidget::AnswerExplanationWidget(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
}

void AnswerExplanationWidget::setResult(bool correct)
{
    // The sign stays out of the translated sentence: the same in every language.
    ui.tlResult->setText(AnswerMark::sign(correct) + QLatin1Char(' ') +
                         (correct ? tr("You answered the question correctly!")
                                  : tr("You answered the question wrongly!")));
    AnswerMark::setColour(ui.tlResult, correct);
}

void AnswerExplanationWidget::setExplanations(const QList<QString> &texts)
{
    // Only tlResult, the first item, stays.
    while (ui.gridLayout->count() > 1) {
        QLayoutItem *item = ui.gridLayout->takeAt(ui.gridLayout->count() - 1);
        delete item->widget();
        delete item;
    }
    // Rows 1, 2, ... below tlResult are reused, so the grid does not grow with every check.
    for (int i = 0; i < texts.size(); ++i) {
        auto *label = new QLabel(texts.at(i), this);
        // Catalogue texts are shown as written, even when they look like markup.
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        ui.gridLayout->addWidget(label, i + 1, 0);
        // Shown now, not on the next turn of the event loop, so the quiz can place the
        // result in view right away.
        label->show();
    }
}
