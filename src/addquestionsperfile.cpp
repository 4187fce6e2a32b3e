#include "addquestionsperfile.h"

#include "bankreader.h"
#include "controller.h"
#include "invalidmarking.h"
#include "questionfilereader.h"
#include "questionimport.h"
#include "workprogress.h"

#include <QDebug>
#include <QFileInfo>
#include <QPixmap>

namespace {
// How much of the files the preview shows at most.
constexpr int previewLineCount = 300;
constexpr int previewCharacters = 60000;
// How many problems of refused files the screen lists before it only counts the rest.
constexpr int problemsListed = 20;
} // namespace

AddQuestionsPerFile::AddQuestionsPerFile(Controller *controller, QWidget *parent)
    : QWidget(parent), controller(controller), progressDelay(WorkProgress::defaultDelay)
{
    ui.setupUi(this);
    // The template picture names its cells in the interface language (1 German, 3 Estonian).
    const int language = controller->getCurrentLanguageId();
    const char *pictureLanguage = language == 1 ? "de" : language == 3 ? "ee" : "en";
    ui.tlCSVTemplateImage->setPixmap(QPixmap(
        QStringLiteral(":/Images/Images/csv_template_%1.png").arg(QLatin1String(pictureLanguage))));
    ui.tlFileIncorrect->hide();
    ui.tlFileTexts->hide();
    ui.tlNumberOfQuestionsText->hide();
    ui.tlNumberOfQuestions->hide();
    ui.pbAddValues->hide();
    ui.tlStoreFailed->hide();
    ui.tlFileChanged->hide();
    ui.tlImportCancelled->hide();
    ui.tlProblems->hide();
    ui.tlLeftOut->hide();
    ui.tlDuplicates->hide();
    ui.cbImportAgain->hide();
    ui.tlImported->hide();
    InvalidMarking::mark(ui.tlStoreFailed);
    InvalidMarking::mark(ui.tlFileChanged);
    InvalidMarking::mark(ui.tlProblems);
    connect(ui.pbMenu, &QPushButton::clicked, controller, &Controller::showManageQuestionsMenu);
    connect(ui.pbOpenFile, &QPushButton::clicked, this, &AddQuestionsPerFile::openFileDialog);
    connect(ui.pbAddValues, &QPushButton::clicked, this,
            &AddQuestionsPerFile::addSplitLinesToDatabase);
}

void AddQuestionsPerFile::openFileDialog()
{
    // Any mix of formats; each file's format is told by its content.
    const QStringList chosen = controller->fileDialogs()->getOpenFileNames(
        this, tr("Open file..."),
        tr("Question files") +
            QStringLiteral(" (*.csv *.xml *.gift *.txt);;CSV-file (*.csv);;Moodle XML (*.xml);;"
                           "GIFT (*.gift *.txt);;Aiken (*.txt)"));
    // A cancelled dialog leaves the screen as it was.
    if (chosen.isEmpty())
        return;
    fileNames = chosen;
    ui.tlImported->hide();
    ui.tlFileChanged->hide();
    if (readFiles()) {
        showDuplicates();
        showFileTexts();
        return;
    }
    ui.tlFileIncorrect->show();
    ui.tlProblems->show();
    ui.tlLeftOut->hide();
    ui.pbAddValues->hide();
}

bool AddQuestionsPerFile::readFiles()
{
    // The catalogue's questions are read once, each question of the files compared as it
    // comes; of the files only what the preview shows is kept.
    QuestionImport catalogue(controller);
    catalogue.readCatalogue();
    previewLines.clear();
    lineCount = 0;
    duplicates.clear();
    const auto take = [&](const QStringList &questionLines) {
        if (catalogue.inCatalogue(questionLines))
            duplicates.insert(lineCount / QuestionFileReader::linesPerQuestion);
        if (previewLines.size() < previewLineCount)
            previewLines += questionLines;
        lineCount += questionLines.size();
        return true;
    };
    const auto keepFirst = [&](int questions) {
        lineCount = questions * QuestionFileReader::linesPerQuestion;
        previewLines = previewLines.mid(0, lineCount);
        for (auto it = duplicates.begin(); it != duplicates.end();) {
            if (*it >= questions)
                it = duplicates.erase(it);
            else
                ++it;
        }
    };
    const bool accepted = reader.read(fileNames, take, keepFirst);
    // "file, line N: reason", or without the line when it is about the whole file.
    const auto describe = [this](const BankReader::Note &note) {
        const QString file = QFileInfo(note.fileName).fileName();
        return note.line > 0 ? tr("%1, line %2: %3").arg(file).arg(note.line).arg(note.reason)
                             : tr("%1: %2").arg(file, note.reason);
    };
    if (!accepted) {
        qDebug().noquote() << QStringLiteral("CSV-Datei ist fehlerhaft!");
        QStringList problems;
        for (const auto &finding : reader.errors()) {
            qDebug().noquote() << QStringLiteral("%1:%2: %3")
                                      .arg(finding.fileName)
                                      .arg(finding.line)
                                      .arg(finding.reason);
            if (problems.size() == problemsListed)
                continue;
            problems << describe(finding);
        }
        const int more = reader.errors().size() - problems.size();
        if (more > 0)
            problems << tr("%n more problem(s)", nullptr, more);
        ui.tlProblems->setText(problems.join(QLatin1Char('\n')));
        return false;
    }
    // What a foreign bank leaves out is listed whole: the teacher decides on all of it.
    QStringList leftOut;
    if (!reader.counts().isEmpty())
        leftOut << reader.counts();
    for (const auto &note : reader.leftOut())
        leftOut << describe(note);
    for (const auto &note : reader.warnings())
        leftOut << describe(note);
    ui.tlLeftOut->setText(leftOut.join(QLatin1Char('\n')));
    ui.tlLeftOut->setVisible(!leftOut.isEmpty());
    ui.tlNumberOfQuestions->setText(QString::number(reader.questionCount()));
    ui.tlNumberOfQuestions->show();
    ui.tlNumberOfQuestionsText->show();
    return true;
}

void AddQuestionsPerFile::showDuplicates()
{
    ui.tlDuplicates->setText(
        tr("%n of these questions are already in the catalogue with the same texts and are "
           "skipped.",
           nullptr, duplicates.size()));
    ui.tlDuplicates->setVisible(!duplicates.isEmpty());
    ui.cbImportAgain->setVisible(!duplicates.isEmpty());
    ui.cbImportAgain->setChecked(false);
}

void AddQuestionsPerFile::showImported(const QString &summary)
{
    ui.tlImported->setText(summary);
    ui.tlImported->show();
}

void AddQuestionsPerFile::showFileTexts()
{
    // File texts are shown as written, never as markup. A large file is shown only in
    // part: laying out megabytes in one label would take many seconds and much memory.
    QString text;
    int shown = 0;
    for (; shown < previewLines.size() && shown < previewLineCount; ++shown) {
        const QString &line = previewLines.at(shown);
        if (text.size() + line.size() > previewCharacters) {
            if (shown == 0) {
                text += line.left(previewCharacters) + QStringLiteral("...\r\n");
                ++shown;
            }
            break;
        }
        text += line + QStringLiteral("\r\n");
    }
    if (shown < lineCount) {
        const int questionsShown = shown / QuestionFileReader::linesPerQuestion;
        const int moreQuestions = lineCount / QuestionFileReader::linesPerQuestion - questionsShown;
        text += tr("... and %1 (%2)")
                    .arg(tr("%n more line(s)", nullptr, lineCount - shown),
                         tr("%n more question(s)", nullptr, moreQuestions));
    }
    ui.tlFileTexts->setText(text);
    ui.tlFileTexts->show();
    ui.tlExplanation->hide();
    ui.tlCSVTemplateImage->hide();
    ui.tlFileIncorrect->hide();
    ui.tlProblems->hide();
    ui.pbOpenFile->hide();
    ui.pbAddValues->show();
}

void AddQuestionsPerFile::addSplitLinesToDatabase()
{
    ui.pbAddValues->setEnabled(false);
    ui.tlStoreFailed->hide();
    ui.tlImportCancelled->hide();
    const QSet<int> skip = ui.cbImportAgain->isChecked() ? QSet<int>() : duplicates;
    const int count = lineCount / QuestionFileReader::linesPerQuestion - skip.size();
    WorkProgress progress(this, tr("Storing the questions..."), tr("Cancel"), count, progressDelay);
    // The bar repaints on every new count: a thousand steps at most, whatever the size,
    // the last question among them.
    const int stride = qMax(1, count / 1000);
    // The files are read again rather than kept: a large file would be held whole.
    const QuestionImport::Outcome outcome =
        QuestionImport(controller)
            .store([this](const QuestionImport::Take &take) { return reader.readAgain(take); },
                   skip,
                   [&progress, stride, count](int done) {
                       return (done % stride != 0 && done + 1 != count) || progress.step(done);
                   });
    switch (outcome.result) {
    case QuestionImport::Result::Cancelled:
        ui.tlImportCancelled->show();
        ui.pbAddValues->setEnabled(true);
        return;
    case QuestionImport::Result::Failed:
        // Nothing was stored: stay on the read files and let the user try again.
        qDebug().noquote() << QStringLiteral("CSV-Datei konnte nicht gespeichert werden!");
        ui.tlStoreFailed->show();
        ui.pbAddValues->setEnabled(true);
        return;
    case QuestionImport::Result::Changed:
        // What was read is no longer what would be stored: the files must be read anew.
        ui.tlFileChanged->setText(
            tr("%1 has changed since it was read: nothing was stored. Open it again.")
                .arg(QFileInfo(reader.changedFile()).fileName()));
        ui.tlFileChanged->show();
        ui.pbAddValues->hide();
        ui.pbAddValues->setEnabled(true);
        ui.pbOpenFile->show();
        return;
    case QuestionImport::Result::Stored:
        break;
    }
    Controller *owner = controller;
    // Replaces and deletes this screen; the fresh one says what was stored.
    owner->showAddQuestionsPerFile();
    if (auto *fresh = owner->findChild<AddQuestionsPerFile *>())
        fresh->showImported(outcome.summary());
}
