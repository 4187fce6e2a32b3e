#include "printtest.h"

#include "controller.h"
#include "invalidmarking.h"
#include "testpaper.h"
#include "testpapertexts.h"
#include "testpdfwriter.h"
#include "workprogress.h"

#include <QRandomGenerator>
#include <QShortcut>

namespace {
const int defaultQuestions = 20;
// Short enough to be read off a page and typed again.
const int largestNewSeed = 999999;
} // namespace

PrintTest::PrintTest(Controller *controller, QWidget *parent)
    : QWidget(parent), controller(controller)
{
    ui.setupUi(this);
    const QList<int> categoryIds = controller->getAllCategoryIds();
    const QHash<int, QString> names = controller->getAllCategoryNames();
    QList<QString> categoryNames;
    for (int id : categoryIds)
        categoryNames.append(names.value(id));
    ui.categorySelection->setItems(categoryIds, categoryNames, categoryIds);
    ui.categorySelection->layout()->setAlignment(Qt::AlignTop);
    questionsOfCategory = controller->getQuestionIdsOfAllCategories();

    const int languageIndex = controller->getCurrentLanguageId() - 1;
    ui.cbLanguage->setCurrentIndex(
        languageIndex >= 0 && languageIndex < ui.cbLanguage->count() ? languageIndex : 1);
    ui.sbVersions->setRange(1, TestPaper::maximumVersions);
    ui.sbSeed->setRange(0, int(TestPaper::maximumSeed));
    ui.sbSeed->setValue(QRandomGenerator::global()->bounded(1, largestNewSeed + 1));
    showAvailable();
    ui.sbQuestions->setValue(defaultQuestions);
    InvalidMarking::mark(ui.tlOutcome);
    ui.tlOutcome->hide();

    connect(ui.categorySelection, qOverload<QList<int>>(&CheckBoxSelection::somethingChanged), this,
            &PrintTest::showAvailable);
    connect(ui.pbNewSeed, &QPushButton::clicked, ui.sbSeed, [this] {
        ui.sbSeed->setValue(QRandomGenerator::global()->bounded(1, largestNewSeed + 1));
    });
    connect(ui.pbSave, &QPushButton::clicked, this, &PrintTest::savePdf);
    connect(ui.pbBack, &QPushButton::clicked, controller, &Controller::showManageQuestionsMenu);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, ui.pbBack, &QAbstractButton::click);
}

void PrintTest::showAvailable()
{
    int available = 0;
    for (int categoryId : ui.categorySelection->getSelectedIds())
        available += questionsOfCategory.value(categoryId).size();
    ui.sbQuestions->setMaximum(qMax(1, available));
    ui.tlAvailable->setText(tr("of %n", nullptr, available));
    InvalidMarking::mark(ui.tlCategories, false);
}

void PrintTest::showOutcome(const QString &text, bool failed)
{
    ui.tlOutcome->setText(text);
    InvalidMarking::mark(ui.tlOutcome, failed);
    ui.tlOutcome->show();
}

bool PrintTest::savePdf()
{
    const QList<int> categoryIds = ui.categorySelection->getSelectedIds();
    if (categoryIds.isEmpty()) {
        InvalidMarking::mark(ui.tlCategories);
        showOutcome(tr("Choose at least one category."), true);
        return false;
    }
    QString fileName = controller->fileDialogs()->getSaveFileName(
        this, tr("Save the test as PDF"), tr("PDF files (*.pdf)"));
    if (fileName.isEmpty())
        return false;
    if (!fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        fileName += QLatin1String(".pdf");

    // Read now: the catalogue may have changed since the screen was opened.
    const TestPaperTexts texts = TestPaperTexts::fromCatalogue(
        controller->getAllTexts(), ui.cbLanguage->currentIndex(), categoryIds);
    if (texts.candidates.isEmpty()) {
        showOutcome(tr("The chosen categories hold no questions."), true);
        return false;
    }
    const TestPaper paper =
        TestPaper::draw(texts.candidates, texts.answersOf, ui.sbQuestions->value(),
                        ui.sbVersions->value(), quint64(ui.sbSeed->value()));
    TestPdfWriter::Options options;
    options.key = ui.cbKey->isChecked();
    options.explanations = ui.cbExplanations->isChecked();
    options.paper = TestPdfWriter::systemPaper();
    options.date = QDate::currentDate();
    TestPdfWriter writer(paper, texts, options);
    bool written = false;
    {
        WorkProgress progress(this, tr("Writing the test..."), tr("Cancel"), writer.steps());
        writer.setProgress([&progress](int done, int) { return progress.step(done); });
        written = writer.write(fileName);
    }
    if (!written) {
        showOutcome(writer.errorString(), true);
        return false;
    }
    showOutcome(tr("%n page(s) written to %1.", nullptr, writer.pageCount()).arg(fileName), false);
    return true;
}
