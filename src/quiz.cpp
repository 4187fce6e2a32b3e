#include "quiz.h"

#include "controller.h"
#include "questiondraw.h"
#include "randomsource.h"

#include <QDebug>

namespace {
// Without a limit the hidden countdown still measures the time used.
const int unlimitedSeconds = 100000;
} // namespace

Quiz::Quiz(Controller *controller, QWidget *parent) : QWidget(parent), controller(controller)
{
    RandomSource &random = controller->randomSource();
    random.reseedFromClock();
    ui.setupUi(this);
    ui.questionAnswerWidget->setRandomSource(&random);
    ui.answerExplanationWidget->hide();
    // Category names come from the catalogue and are shown as written.
    ui.tlCurrentQuestionCategory->setTextFormat(Qt::PlainText);

    const int numberOfQuestions = controller->getNumberOfQuestions();
    int timePerQuestion = controller->getTimePerQuestion();
    if (timePerQuestion != 0) {
        connect(ui.countdown, &Countdown::timeout, this, &Quiz::nextStep);
    } else {
        ui.countdown->hide();
        ui.line_2->hide();
        timePerQuestion = unlimitedSeconds;
    }
    ui.countdown->start(timePerQuestion);

    connect(controller, &Controller::quizQuitted, ui.countdown, &Countdown::stop);
    connect(ui.pbCancel, &QPushButton::clicked, controller, &Controller::showQuizCancelWindow);
    connect(ui.pbForward, &QPushButton::clicked, this, &Quiz::nextStep);

    const QList<int> candidates =
        controller->getQuestionIdsToCategoryIds(controller->getCurrentCategoryIds());
    if (!candidates.isEmpty())
        questionIds = QuestionDraw::drawQuestions(candidates, numberOfQuestions, random);
    else
        qDebug() << "Es gibt keine Fragen zur Auswahl!";

    // Shows the first question, or requests the evaluation when there is none; the
    // Controller then keeps that evaluation on display and drops this screen.
    nextStep();
}

void Quiz::nextStep()
{
    if (!questionChecked) {
        ui.line_4->show();
        ui.answerExplanationWidget->show();
        questionChecked = true;
        checkQuestion();
        ui.countdown->stop();
    } else if (currentQuestionNumber >= questionIds.size()) {
        // Replaces and deletes this screen: nothing of it may be touched afterwards.
        controller->showQuizEvaluation(numberOfTrueAnsweredQuestions, questionIds.size(), usedTime);
    } else {
        ui.line_4->hide();
        ui.answerExplanationWidget->hide();
        questionChecked = false;
        ui.countdown->restart();
        nextQuestion();
    }
}

void Quiz::nextQuestion()
{
    ++currentQuestionNumber;
    ui.tlCurrentQuestionNumber->setText(QString::number(currentQuestionNumber) +
                                        QStringLiteral(" / ") +
                                        QString::number(questionIds.size()));
    const int id = questionIds.at(currentQuestionNumber - 1);
    ui.tlCurrentQuestionCategory->setText(controller->getCategoryNameForQuestionId(id));

    const QList<int> falseIds = controller->getFalseAnswerIdsToQuestionId(id);
    const QList<QString> falseTexts = controller->getFalseAnswerTextsToQuestionId(id);
    const QList<int> trueIds = controller->getTrueAnswerIdsToQuestionId(id);
    const QList<QString> trueTexts = controller->getTrueAnswerTextsToQuestionId(id);
    const QString questionText = controller->getQuestionTextAt(id);
    ui.questionAnswerWidget->setQuestion(questionText, trueTexts, trueIds, falseTexts, falseIds);
}

void Quiz::checkQuestion()
{
    if (ui.questionAnswerWidget->isAnsweredCorrectly())
        ++numberOfTrueAnsweredQuestions;
    // Read before the countdown is stopped: a stopped countdown reports its full limit.
    usedTime += ui.countdown->getUsedTime();

    // Numbered by the row of the true answer, as shown beside it.
    const QList<bool> answerIsTrue = ui.questionAnswerWidget->getAnswerIsTrue();
    const QList<int> answerIds = ui.questionAnswerWidget->getAnswerIds();
    QList<QString> explanations;
    for (int row = 0; row < answerIsTrue.size(); ++row) {
        if (answerIsTrue.at(row))
            explanations.append(tr("Explanation ") + QString::number(row + 1) +
                                QStringLiteral(": ") +
                                controller->getExplanationTextToAnswerId(answerIds.at(row)));
    }
    ui.answerExplanationWidget->setExplanations(explanations);

    ui.questionAnswerWidget->showRightAndWrongAnswers();
    ui.questionAnswerWidget->setAnswersEnabled(false);
    ui.answerExplanationWidget->setResult(ui.questionAnswerWidget->isAnsweredCorrectly());
}
