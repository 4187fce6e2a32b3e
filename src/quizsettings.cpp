#include "quizsettings.h"

#include "cataloguechange.h"
#include "controller.h"
#include "invalidmarking.h"
#include "learningstore.h"
#include "practicedraw.h"
#include "questionfilereader.h"
#include "questionimport.h"
#include "samplecatalogue.h"

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
    showEmptyCatalogue();
    connect(ui.categorySelection, qOverload<QList<int>>(&CheckBoxSelection::somethingChanged), this,
            &QuizSettings::showPracticeCounts);
    connect(ui.cbQuizMode, qOverload<int>(&QComboBox::currentIndexChanged), ui.tlNoMistakes,
            &QWidget::hide);

    // Connected only now, so presetting the check box never resets the time.
    connect(ui.cbTime, &QCheckBox::stateChanged, this, &QuizSettings::timeStateSlot);
    connect(ui.pbMenu, &QPushButton::clicked, controller, &Controller::showMenu);
    connect(ui.pbStart, &QPushButton::clicked, this, &QuizSettings::startQuiz);
    connect(ui.pbImportSample, &QPushButton::clicked, this, &QuizSettings::importSampleCatalogue);
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

void QuizSettings::showEmptyCatalogue()
{
    bool empty = true;
    for (const QList<int> &questions : qAsConst(questionsOfCategory))
        empty = empty && questions.isEmpty();
    const bool sampleFound = !SampleCatalogue::fileName().isEmpty();
    ui.tlEmptyCatalogue->setVisible(empty);
    ui.pbImportSample->setVisible(empty && sampleFound);
    if (empty && !sampleFound) {
        // Named as the buttons on the way there read.
        ui.tlEmptyCatalogue->setText(
            tr("The catalogue is empty. Questions are added in the management area: \"%1\" "
               "in the main menu, then \"%2\" or \"%3\".")
                .arg(QCoreApplication::translate("Menu", "Manage questions"),
                     QCoreApplication::translate("ManageQuestionsMenu",
                                                 "Import questions via CSV-File"),
                     QCoreApplication::translate("ManageQuestionsMenu", "Add questions")));
    }
}

void QuizSettings::importSampleCatalogue()
{
    QuestionFileReader reader;
    QuestionImport::Outcome outcome;
    if (reader.read({SampleCatalogue::fileName()}))
        outcome = QuestionImport(controller).store(reader.lines());
    if (outcome.result != QuestionImport::Result::Stored) {
        ui.tlEmptyCatalogue->setText(tr("The sample catalogue could not be imported."));
        InvalidMarking::mark(ui.tlEmptyCatalogue);
        return;
    }
    Controller *owner = controller;
    // Replaces and deletes this screen; the fresh one lists the new categories.
    owner->showQuizSettings();
    if (auto *fresh = owner->findChild<QuizSettings *>()) {
        fresh->ui.tlEmptyCatalogue->setText(outcome.summary());
        fresh->ui.tlEmptyCatalogue->show();
    }
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
