#include "quiz.h"

#include "controller.h"
#include "practicedraw.h"
#include "questiondraw.h"
#include "randomsource.h"

#include <QCoreApplication>
#include <algorithm>
#include <QDebug>
#include <QScrollBar>
#include <QShortcut>

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
    timeLimited = timePerQuestion != 0;
    if (timeLimited) {
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
    addKeys();

    questionIds = drawQuestions(numberOfQuestions);
    if (questionIds.isEmpty())
        qDebug() << "Es gibt keine Fragen zur Auswahl!";
    questions = controller->getQuizQuestions(questionIds);
    languageId = controller->getCurrentLanguageId();

    // Shows the first question, or requests the evaluation when there is none; the
    // Controller then keeps that evaluation on display and drops this screen.
    nextStep();
}

QList<int> Quiz::drawQuestions(int count)
{
    RandomSource &random = controller->randomSource();
    LearningStore &learning = controller->learning();
    const int mode = learning.quizMode();
    if (mode == LearningStore::AllAtRandom) {
        const QList<int> candidates =
            controller->getQuestionIdsToCategoryIds(controller->getCurrentCategoryIds());
        return QuestionDraw::drawQuestions(candidates, count, random);
    }
    // Mistakes are asked whatever categories are chosen.
    const QList<int> candidates =
        mode == LearningStore::MistakesOfLastQuiz
            ? QList<int>()
            : controller->getQuestionIdsToCategoryIds(controller->getCurrentCategoryIds());
    const QList<int> mistakes = mode == LearningStore::MistakesOfLastQuiz
                                    ? learning.mistakesOfLastRun()
                                    : QList<int>();
    return PracticeDraw::draw(mode, candidates, mistakes, learning.memories(), learning.now(),
                              count, learning.model(), random);
}

void Quiz::nextStep()
{
    if (!questionChecked) {
        ui.line_4->show();
        ui.answerExplanationWidget->show();
        questionChecked = true;
        checkQuestion();
        ui.countdown->stop();
        revealResult();
    } else if (currentQuestionNumber >= questionIds.size()) {
        // Replaces and deletes this screen: nothing of it may be touched afterwards.
        controller->showQuizEvaluation(numberOfTrueAnsweredQuestions, questionIds.size(), usedTime,
                                       answered, historySaved);
    } else {
        ui.line_4->hide();
        ui.answerExplanationWidget->hide();
        questionChecked = false;
        ui.countdown->restart();
        nextQuestion();
        // Each question starts at its top, wherever the last result was scrolled to.
        ui.mainScrollArea->verticalScrollBar()->setValue(0);
    }
}

void Quiz::nextQuestion()
{
    ++currentQuestionNumber;
    ui.tlCurrentQuestionNumber->setText(QString::number(currentQuestionNumber) +
                                        QStringLiteral(" / ") +
                                        QString::number(questionIds.size()));
    const QuizQuestion question = questions.value(questionIds.at(currentQuestionNumber - 1));
    ui.tlCurrentQuestionCategory->setText(question.category);
    ui.questionAnswerWidget->setQuestion(question.text, question.trueAnswerTexts,
                                         question.trueAnswerIds, question.falseAnswerTexts,
                                         question.falseAnswerIds);
}

void Quiz::checkQuestion()
{
    const bool correct = ui.questionAnswerWidget->isAnsweredCorrectly();
    if (correct)
        ++numberOfTrueAnsweredQuestions;
    // A running countdown means "->" was pressed; after its time-out it has stopped.
    const bool timedOut = timeLimited && !ui.countdown->isRunning();
    answered.append(
        {ui.questionAnswerWidget->getQuestionText(), ui.questionAnswerWidget->getAnswerTexts(),
         ui.questionAnswerWidget->getAnswerIsTrue(), ui.questionAnswerWidget->getCheckedAnswers(),
         correct, timedOut});
    // Read before the countdown is stopped: a stopped countdown reports its full limit.
    usedTime += ui.countdown->getUsedTime();
    recordAnswer(questionIds.at(currentQuestionNumber - 1), correct, timedOut);

    // Numbered by the row of the true answer, as shown beside it.
    const QList<bool> answerIsTrue = ui.questionAnswerWidget->getAnswerIsTrue();
    const QList<int> answerIds = ui.questionAnswerWidget->getAnswerIds();
    const QHash<int, QString> known =
        questions.value(questionIds.at(currentQuestionNumber - 1)).explanations;
    QList<QString> explanations;
    for (int row = 0; row < answerIsTrue.size(); ++row) {
        if (answerIsTrue.at(row))
            explanations.append(tr("Explanation ") + QString::number(row + 1) +
                                QStringLiteral(": ") + known.value(answerIds.at(row)));
    }
    ui.answerExplanationWidget->setExplanations(explanations);

    ui.questionAnswerWidget->showRightAndWrongAnswers();
    ui.questionAnswerWidget->setAnswersEnabled(false);
    ui.answerExplanationWidget->setResult(ui.questionAnswerWidget->isAnsweredCorrectly());
}

void Quiz::recordAnswer(int questionId, bool correct, bool timedOut)
{
    RecordedAnswer answer;
    answer.questionId = questionId;
    const QList<int> answerIds = ui.questionAnswerWidget->getAnswerIds();
    const QList<bool> checked = ui.questionAnswerWidget->getCheckedAnswers();
    for (int row = 0; row < answerIds.size() && row < checked.size(); ++row) {
        if (checked.at(row))
            answer.checkedAnswerIds.append(answerIds.at(row));
    }
    std::sort(answer.checkedAnswerIds.begin(), answer.checkedAnswerIds.end());
    answer.correct = correct;
    answer.timedOut = timedOut;
    answer.millisecondsUsed = ui.countdown->getUsedMilliseconds();
    answer.languageId = languageId;
    if (!controller->learning().record(runId, answer))
        historySaved = false;
}

void Quiz::addKeys()
{
    // Window-wide, so the keys work wherever the focus is; they go with the screen.
    for (int row = 0; row < 9; ++row) {
        auto *key = new QShortcut(QKeySequence(Qt::Key_1 + row), this);
        connect(key, &QShortcut::activated, this, [this, row] { toggleAnswerSlot(row); });
    }
    // Through the buttons, exactly as a click: "->" may replace this screen.
    for (int enter : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *key = new QShortcut(QKeySequence(enter), this);
        connect(key, &QShortcut::activated, ui.pbForward, &QAbstractButton::click);
    }
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, ui.pbCancel, &QAbstractButton::click);
}

void Quiz::toggleAnswerSlot(int row)
{
    // A checked question keeps its answers.
    if (!questionChecked)
        ui.questionAnswerWidget->toggleAnswer(row);
}

void Quiz::revealResult()
{
    // The result just shown must have its place before its position can be known: the
    // scroll area sizes its content now rather than on its next turn of the event loop.
    QEvent layoutRequest(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(ui.mainScrollArea, &layoutRequest);
    QScrollBar *bar = ui.mainScrollArea->verticalScrollBar();
    const int top = ui.answerExplanationWidget->mapTo(ui.mainScrollAreaWidget, QPoint()).y();
    const int bottom = top + ui.answerExplanationWidget->height();
    const int visible = ui.mainScrollArea->viewport()->height();
    if (top < bar->value())
        bar->setValue(top);
    else if (bottom > bar->value() + visible)
        bar->setValue(qMin(top, bottom - visible));
}
