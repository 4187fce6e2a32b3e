#include "questionanswerwidget.h"

#include "answermark.h"
#include "checkbox.h"
#include "questiondraw.h"

#include <QGridLayout>
#include <QLabel>

QuestionAnswerWidget::QuestionAnswerWidget(QWidget *parent) : QWidget(parent) {}

void QuestionAnswerWidget::setRandomSource(RandomSource *source)
{
    random = source ? source : &ownRandom;
}

void QuestionAnswerWidget::createAnswerRows(int count)
{
    answerBoxes.clear();
    answerMarks.clear();
    answerIsTrue.clear();
    answerIds.clear();
    answerTexts.clear();
    if (QLayout *oldLayout = layout()) {
        while (oldLayout->count() > 0) {
            QLayoutItem *item = oldLayout->takeAt(oldLayout->count() - 1);
            delete item->widget();
            delete item;
        }
        delete oldLayout;
    }

    auto *grid = new QGridLayout(this);
    questionLabel = new QLabel(this);
    questionLabel->setWordWrap(true);
    // Catalogue texts are shown as written, even when they look like markup.
    questionLabel->setTextFormat(Qt::PlainText);
    grid->addWidget(questionLabel, 0, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    for (int row = 1; row <= count; ++row) {
        auto *box = new CheckBox(this);
        answerBoxes.append(box);
        // Empty until the check, but already as wide as its sign will be.
        auto *mark = new QLabel(this);
        mark->setObjectName(QStringLiteral("tlMark"));
        mark->setAlignment(Qt::AlignCenter);
        mark->setMinimumWidth(AnswerMark::signWidth(mark));
        answerMarks.append(mark);
        answerIsTrue.append(false);
        answerIds.append(-1);
        answerTexts.append(QString());
        grid->addWidget(new QLabel(QString::number(row) + QLatin1Char(':'), this), row, 0);
        grid->addWidget(mark, row, 1);
        grid->addWidget(box, row, 2);
    }
}

void QuestionAnswerWidget::setQuestion(const QString &questionText, const QList<QString> &trueTexts,
                                       const QList<int> &trueIds, const QList<QString> &falseTexts,
                                       const QList<int> &falseIds)
{
    // Rows are counted from the texts; an id list that is longer is cut to match, one that
    // is shorter leaves -1 as the id of the rows it cannot fill.
    const int rowCount = trueTexts.size() + falseTexts.size();
    createAnswerRows(rowCount);
    questionLabel->setText(questionText);

    // Answer k (the true ones first) goes to row order[k]: every arrangement equally likely.
    const QList<int> order = QuestionDraw::permutation(rowCount, *random);
    for (int k = 0; k < rowCount; ++k) {
        const int row = order.at(k);
        const bool isTrue = k < trueTexts.size();
        const int index = isTrue ? k : k - trueTexts.size();
        const QList<QString> &texts = isTrue ? trueTexts : falseTexts;
        const QList<int> &ids = isTrue ? trueIds : falseIds;
        answerIsTrue[row] = isTrue;
        answerBoxes.at(row)->setText(texts.at(index));
        answerTexts[row] = texts.at(index);
        answerIds[row] = index < ids.size() ? ids.at(index) : -1;
    }
}

bool QuestionAnswerWidget::isAnsweredCorrectly() const
{
    for (int row = 0; row < answerBoxes.size(); ++row) {
        if (answerBoxes.at(row)->isChecked() != answerIsTrue.at(row))
            return false;
    }
    return true;
}

QString QuestionAnswerWidget::getQuestionText() const
{
    return questionLabel ? questionLabel->text() : QString();
}

QList<bool> QuestionAnswerWidget::getCheckedAnswers() const
{
    QList<bool> checked;
    for (const CheckBox *box : answerBoxes)
        checked.append(box->isChecked());
    return checked;
}

void QuestionAnswerWidget::toggleAnswer(int row)
{
    if (row >= 0 && row < answerBoxes.size() && answerBoxes.at(row)->isEnabled())
        answerBoxes.at(row)->setCB();
}

void QuestionAnswerWidget::showRightAndWrongAnswers()
{
    for (int row = 0; row < answerBoxes.size(); ++row) {
        CheckBox *box = answerBoxes.at(row);
        const bool isTrue = answerIsTrue.at(row);
        const bool chosen = box->isChecked();
        // Colour alone does not tell everyone: a sign says true or false, bold text says
        // chosen, beside the box that stays as it was.
        AnswerMark::setColour(box, isTrue);
        AnswerMark::markRow(answerMarks.at(row), isTrue, chosen);
        QFont font = box->font();
        font.setBold(chosen);
        box->setFont(font);
    }
}

void QuestionAnswerWidget::setAnswersEnabled(bool enabled)
{
    for (CheckBox *box : qAsConst(answerBoxes))
        box->setEnabled(enabled);
}
