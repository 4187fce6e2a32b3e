#include "quizreview.h"

#include "answermark.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QLabel *plainLabel(const QString &text, QWidget *parent, const char *name)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    // Catalogue texts are shown as written, even when they look like markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// A box that shows a state and cannot be changed, without the grey of a disabled one.
QCheckBox *stateBox(bool checked, QWidget *parent, const char *name)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}
} // namespace

QuizReview::QuizReview(const QList<AnsweredQuestion> &answered, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(layout->spacing() * 3);
    for (int i = 0; i < answered.size(); ++i)
        layout->addWidget(questionBlock(i + 1, answered.at(i)));
    layout->addStretch();
}

QWidget *QuizReview::questionBlock(int number, const AnsweredQuestion &question)
{
    auto *block = new QWidget(this);
    block->setObjectName(QStringLiteral("reviewQuestion"));
    auto *grid = new QGridLayout(block);
    grid->setColumnStretch(2, 1);
    grid->setHorizontalSpacing(grid->horizontalSpacing() * 3);

    QLabel *text =
        plainLabel(QString::number(number) + QStringLiteral(". ") + question.questionText, block,
                   "tlReviewQuestion");
    QFont bold = text->font();
    bold.setBold(true);
    text->setFont(bold);
    grid->addWidget(text, 0, 0, 1, 3);

    // Signed as the verdict of the quiz was, outside the translated sentence.
    QString verdict = AnswerMark::sign(question.correct) + QLatin1Char(' ') +
                      (question.correct ? tr("Answered correctly.") : tr("Answered wrongly."));
    if (question.timedOut)
        verdict += QLatin1Char(' ') + tr("The time ran out.");
    QLabel *verdictLabel = plainLabel(verdict, block, "tlReviewVerdict");
    AnswerMark::setColour(verdictLabel, question.correct);
    grid->addWidget(verdictLabel, 1, 0, 1, 3);

    grid->addWidget(new QLabel(tr("Your choice"), block), 2, 0);
    grid->addWidget(new QLabel(tr("True"), block), 2, 1);
    for (int row = 0; row < question.answerTexts.size(); ++row) {
        const bool isTrue = question.answerIsTrue.value(row);
        const bool chosen = question.chosen.value(row);
        grid->addWidget(stateBox(chosen, block, "cbChosen"), row + 3, 0, Qt::AlignHCenter);
        // Marked, numbered, coloured and, when chosen, bold as the row was in the quiz.
        auto *mark = new QLabel(block);
        mark->setObjectName(QStringLiteral("tlReviewMark"));
        AnswerMark::markRow(mark, isTrue, chosen);
        grid->addWidget(mark, row + 3, 1, Qt::AlignHCenter);
        QLabel *answer = plainLabel(QString::number(row + 1) + QStringLiteral(": ") +
                                        question.answerTexts.at(row),
                                    block, "tlReviewAnswer");
        AnswerMark::setColour(answer, isTrue);
        QFont font = answer->font();
        font.setBold(chosen);
        answer->setFont(font);
        grid->addWidget(answer, row + 3, 2);
    }
    return block;
}
