#include "quizevaluation.h"

#include "controller.h"
#include "evaluationformatter.h"
#include "invalidmarking.h"
#include "quizreview.h"

QuizEvaluation::QuizEvaluation(Controller *controller, QWidget *parent)
    : QWidget(parent), controller(controller)
{
    ui.setupUi(this);

    // The configured number, which can exceed the number of questions asked.
    ui.tlNumberOfQuestion->setText(QString::number(controller->getNumberOfQuestions()));
    const int timePerQuestion = controller->getTimePerQuestion();
    ui.tlTimePerQuestion->setText(
        timePerQuestion != 0 ? EvaluationFormatter::seconds(timePerQuestion) : tr("Unlimited"));
    QList<QString> categoryNames;
    for (int id : controller->getCurrentCategoryIds())
        categoryNames.append(controller->getCategoryNameAt(id));
    // Category names come from the catalogue and are shown as written.
    ui.tlCategories->setTextFormat(Qt::PlainText);
    ui.tlCategories->setText(EvaluationFormatter::categoryList(categoryNames));

    connect(ui.pbMenu, &QPushButton::clicked, controller, &Controller::showMenu);
    connect(ui.pbRestart, &QPushButton::clicked, controller, &Controller::showQuiz);
    connect(ui.pbReview, &QPushButton::clicked, this, &QuizEvaluation::showReviewSlot);
    connect(ui.pbBackToEvaluation, &QPushButton::clicked, this,
            [this] { ui.swPages->setCurrentWidget(ui.evaluationPage); });
    ui.pbReview->setEnabled(false);
    InvalidMarking::mark(ui.tlHistoryFailed);
    ui.tlHistoryFailed->hide();
}

void QuizEvaluation::setHistorySaved(bool saved)
{
    ui.tlHistoryFailed->setVisible(!saved);
}

void QuizEvaluation::setValues(int numberOfTrueAnsweredQuestions, int numberOfQuestions,
                               int totalTime)
{
    ui.tlCorrect->setText(
        EvaluationFormatter::correct(numberOfTrueAnsweredQuestions, numberOfQuestions));
    ui.tlCorrectPercent->setText(
        EvaluationFormatter::correctPercent(numberOfTrueAnsweredQuestions, numberOfQuestions));
    ui.tlTotalTime->setText(EvaluationFormatter::seconds(totalTime));
    ui.tlAverageTimePerQuestion->setText(
        EvaluationFormatter::averageSeconds(totalTime, numberOfQuestions));
}

void QuizEvaluation::setAnswered(const QList<AnsweredQuestion> &answered)
{
    this->answered = answered;
    ui.pbReview->setEnabled(!answered.isEmpty());
}

void QuizEvaluation::showReviewSlot()
{
    // Built on first demand: most runs are never reviewed.
    if (!ui.saReview->widget())
        ui.saReview->setWidget(new QuizReview(answered));
    ui.swPages->setCurrentWidget(ui.reviewPage);
}
