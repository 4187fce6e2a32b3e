#include "quizreview.h"

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

void setColour(QWidget *widget, Qt::GlobalColor colour)
{
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(colour, Qt::SolidPattern));
    widget->setPalette(palette);
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

    QString verdict = question.correct ? tr("Answered correctly.") : tr("Answered wrongly.");
    if (question.timedOut)
        verdict += QLatin1Char(' ') + tr("The time ran out.");
    QLabel *verdictLabel = plainLabel(verdict, block, "tlReviewVerdict");
    setColour(verdictLabel, question.correct ? Qt::darkGreen : Qt::red);
    grid->addWidget(verdictLabel, 1, 0, 1, 3);

    grid->addWidget(new QLabel(tr("Your choice"), block), 2, 0);
    grid->addWidget(new QLabel(tr("True"), block), 2, 1);
    for (int row = 0; row < question.answerTexts.size(); ++row) {
        const bool isTrue = question.answerIsTrue.value(row);
        grid->addWidget(stateBox(question.chosen.value(row), block, "cbChosen"), row + 3, 0,
                        Qt::AlignHCenter);
        grid->addWidget(stateBox(isTrue, block, "cbTrue"), row + 3, 1, Qt::AlignHCenter);
        // Numbered and coloured as the row was in the quiz.
        QLabel *answer = plainLabel(QString::number(row + 1) + QStringLiteral(": ") +
                                        question.answerTexts.at(row),
                                    block, "tlReviewAnswer");
        setColour(answer, isTrue ? Qt::darkGreen : Qt::red);
        grid->addWidget(answer, row + 3, 2);
    }
    return block;
}
