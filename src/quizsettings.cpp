#include "quizsettings.h"

#include "cataloguechange.h"
#include "controller.h"
#include "invalidmarking.h"
#include "learningstore.h"
#include "practicedraw.h"

#include <QShortcut>

namespace {
const int minimumQuestions = 1;
const int maximumQuestions = 30;
const int minimumSeconds = 5;
const int maximumSeconds = 99;
const int defaultSeconds = 25;
} // namespace

QuizSettings::QuizSettings(Controller *controller, QWidget *parent)
    : QWidget(parent), controller(controller)
{
    ui.setupUi(this);
    ui.tlStoreFailed->hide();
    InvalidMarking::mark(ui.tlStoreFailed);
    ui.tlNoMistakes->hide();
    InvalidMarking::mark(ui.tlNoMistakes);

    ui.sfQuestionNumber->setRangeAndValue(minimumQuestions, maximumQuestions,
                                          controller->getNumberOfQuestions());
    if (controller->getTimePerQuestion() != 0) {
        ui.cbTime->setChecked(true);
        ui.sfTimePerQuestion->setRangeAndValue(minimumSeconds, maximumSeconds,
                                               controller->getTimePerQuestion());
    } else {
        ui.cbTime->setChecked(false);
        ui.sfTimePerQuestion->hide();
    }

    const QList<int> categoryIds = controller->getAllCategoryIds();
    QList<QString> categoryNames;
    categoryNames.reserve(categoryIds.size());
    for (int id : categoryIds)
        categoryNames.append(controller->getCategoryNameAt(id));
    ui.categorySelection->setItems(categoryIds, categoryNames, controller->getCurrentCategoryIds());
    // A short list starts at the top of its area, beside its caption.
    ui.categorySelection->layout()->setAlignment(Qt::AlignTop);

    LearningStore &learning = controller->learning();
    const int mode = learning.quizMode();
    ui.cbQuizMode->setCurrentIndex(mode >= 0 && mode < ui.cbQuizMode->count() ? mode : 0);
    // Questions changed by another program must not be counted with an old memory.
    learning.forgetReplacedQuestions(&memories);
    openedMs = learning.now();
    questionsOfCategory = controller->getQuestionIdsOfAllCategories();
    showPracticeCounts();
    connect(ui.categorySelection, qOverload<QList<int>>(&CheckBoxSelection::somethingChanged), this,
            &QuizSettings::showPracticeCounts);
    connect(ui.cbQuizMode, qOverload<int>(&QComboBox::currentIndexChanged), ui.tlNoMistakes,
            &QWidget::hide);

    // Connected only now, so presetting the check box never resets the time.
    connect(ui.cbTime, &QCheckBox::stateChanged, this, &QuizSettings::timeStateSlot);
    connect(ui.pbMenu, &QPushButton::clicked, controller, &Controller::showMenu);
    connect(ui.pbStart, &QPushButton::clicked, this, &QuizSettings::startQuiz);
    // Enter starts, wherever the focus is; through the button, exactly as a click.
    for (int enter : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *key = new QShortcut(QKeySequence(enter), this);
        connect(key, &QShortcut::activated, ui.pbStart, &QAbstractButton::click);
    }
}

void QuizSettings::timeStateSlot(int timeState)
{
    if (timeState == Qt::Checked) {
        ui.sfTimePerQuestion->setRangeAndValue(minimumSeconds, maximumSeconds, defaultSeconds);
        ui.sfTimePerQuestion->show();
    } else {
        ui.sfTimePerQuestion->hide();
    }
}

void QuizSettings::showPracticeCounts()
{
    QList<int> candidates;
    for (int categoryId : ui.categorySelection->getSelectedIds())
        candidates += questionsOfCategory.value(categoryId);
    const PracticeDraw::Counts counts = PracticeDraw::counts(candidates, memories, openedMs);
    ui.tlPracticeCounts->setText(
        tr("Due now: %1 · Never answered: %2").arg(counts.due).arg(counts.neverAnswered));
}

bool QuizSettings::saveQuizSettings()
{
    const QList<int> categoryIds = ui.categorySelection->getSelectedIds();
    const int time = ui.cbTime->isChecked() ? ui.sfTimePerQuestion->getValue() : 0;
    const int number = ui.sfQuestionNumber->getValue();
    // The mode and the other settings are kept together or not at all.
    CatalogueChange change(controller);
    const bool stored = controller->saveQuizSettings(number, time, categoryIds) &&
                        controller->learning().setQuizMode(ui.cbQuizMode->currentIndex());
    return stored && change.commit();
}

void QuizSettings::startQuiz()
{
    const bool mistakesOnly = ui.cbQuizMode->currentIndex() == LearningStore::MistakesOfLastQuiz;
    // The mistakes are asked whatever categories are chosen.
    if (!mistakesOnly && ui.categorySelection->getSelectedIds().isEmpty()) {
        InvalidMarking::mark(ui.tlCategories);
        return;
    }
    if (mistakesOnly && controller->learning().mistakesOfLastRun().isEmpty()) {
        ui.tlNoMistakes->show();
        return;
    }
    if (!saveQuizSettings()) {
        // The earlier settings stay, and so does every choice made here.
        ui.tlStoreFailed->show();
        return;
    }
    // Replaces and deletes this screen: nothing of it may be touched afterwards.
    controller->showQuiz();
}
