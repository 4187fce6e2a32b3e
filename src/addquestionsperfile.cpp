#include "addquestionsperfile.h"

#include "cataloguechange.h"
#include "controller.h"
#include "invalidmarking.h"
#include "questionfilereader.h"
#include "workprogress.h"

#include <QDebug>
#include <QPixmap>

namespace {
// How much of the files the preview shows at most.
constexpr int previewLines = 300;
constexpr int previewCharacters = 60000;
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
    ui.tlImportCancelled->hide();
    InvalidMarking::mark(ui.tlStoreFailed);
    connect(ui.pbMenu, &QPushButton::clicked, controller, &Controller::showManageQuestionsMenu);
    connect(ui.pbOpenFile, &QPushButton::clicked, this, &AddQuestionsPerFile::openFileDialog);
    connect(ui.pbAddValues, &QPushButton::clicked, this,
            &AddQuestionsPerFile::addSplitLinesToDatabase);
}

void AddQuestionsPerFile::openFileDialog()
{
    fileNames = controller->fileDialogs()->getOpenFileNames(this, tr("Open file..."),
                                                            QStringLiteral("CSV-file (*.csv)"));
    fileLines.clear();
    if (readFiles()) {
        showFileTexts();
        return;
    }
    ui.tlFileIncorrect->show();
    ui.pbAddValues->hide();
}

bool AddQuestionsPerFile::readFiles()
{
    QuestionFileReader reader;
    const bool accepted = reader.read(fileNames);
    if (!accepted) {
        qDebug().noquote() << QStringLiteral("CSV-Datei ist fehlerhaft!");
        for (const auto &finding : reader.errors()) {
            qDebug().noquote() << QStringLiteral("%1:%2: %3")
                                      .arg(finding.fileName)
                                      .arg(finding.line)
                                      .arg(finding.message());
        }
        return false;
    }
    fileLines = reader.lines();
    ui.tlNumberOfQuestions->setText(QString::number(reader.questionCount()));
    ui.tlNumberOfQuestions->show();
    ui.tlNumberOfQuestionsText->show();
    return true;
}

void AddQuestionsPerFile::showFileTexts()
{
    // File texts are shown as written, never as markup. A large file is shown only in
    // part: laying out megabytes in one label would take many seconds and much memory.
    QString text;
    int shown = 0;
    for (; shown < fileLines.size() && shown < previewLines; ++shown) {
        const QString &line = fileLines.at(shown);
        if (text.size() + line.size() > previewCharacters) {
            if (shown == 0) {
                text += line.left(previewCharacters) + QStringLiteral("...\r\n");
                ++shown;
            }
            break;
        }
        text += line + QStringLiteral("\r\n");
    }
    if (shown < fileLines.size()) {
        const int questionsShown = shown / QuestionFileReader::linesPerQuestion;
        const int moreQuestions =
            fileLines.size() / QuestionFileReader::linesPerQuestion - questionsShown;
        text += tr("... and %1 (%2)")
                    .arg(tr("%n more line(s)", nullptr, fileLines.size() - shown),
                         tr("%n more question(s)", nullptr, moreQuestions));
    }
    ui.tlFileTexts->setText(text);
    ui.tlFileTexts->show();
    ui.tlExplanation->hide();
    ui.tlCSVTemplateImage->hide();
    ui.tlFileIncorrect->hide();
    ui.pbOpenFile->hide();
    ui.pbAddValues->show();
}

int AddQuestionsPerFile::categoryIdFor(const QStringList &names,
                                       QHash<QString, int> *categoryByName)
{
    const int language = controller->getCurrentLanguageId();
    const bool known = language >= 1 && language <= 3;
    if (known) {
        const auto found = categoryByName->constFind(names.at(language - 1));
        if (found != categoryByName->constEnd())
            return found.value();
    }
    const int categoryId = controller->addCategory();
    controller->setDECategoryText(categoryId, names.at(0));
    controller->setENCategoryText(categoryId, names.at(1));
    controller->setEECategoryText(categoryId, names.at(2));
    if (known)
        categoryByName->insert(names.at(language - 1), categoryId);
    return categoryId;
}

QHash<QString, int> AddQuestionsPerFile::categoriesByName()
{
    // The first category (lowest id) of a name wins, as a walk in id order would find it.
    QHash<QString, int> byName;
    const QList<int> categoryIds = controller->getAllCategoryIds();
    for (int id : categoryIds) {
        const QString name = controller->getCategoryNameAt(id);
        if (!byName.contains(name))
            byName.insert(name, id);
    }
    return byName;
}

void AddQuestionsPerFile::addSplitLinesToDatabase()
{
    ui.pbAddValues->setEnabled(false);
    ui.tlStoreFailed->hide();
    ui.tlImportCancelled->hide();
    const int linesPerQuestion = QuestionFileReader::linesPerQuestion;
    const int count = fileLines.size() / linesPerQuestion;
    // The whole import is one change: every question of the files is stored, or none.
    CatalogueChange change(controller);
    // Categories by name for the length of this import; the ones it creates join them.
    QHash<QString, int> categoryByName = categoriesByName();
    WorkProgress progress(this, tr("Storing the questions..."), tr("Cancel"), count, progressDelay);
    for (int q = 0; q < count; ++q) {
        if (!progress.step(q)) {
            // Left without commit, the change is rolled back: nothing of the files stays.
            ui.tlImportCancelled->show();
            ui.pbAddValues->setEnabled(true);
            return;
        }
        // The lines are split only now, one question at a time: kept split, a large
        // file would take several times its size.
        const QuestionFileReader::Question question = QuestionFileReader::question(fileLines, q);
        const int categoryId = categoryIdFor(question.category, &categoryByName);
        const int questionId = controller->addQuestion(categoryId);
        controller->setDEQuestionText(questionId, question.question.at(0));
        controller->setENQuestionText(questionId, question.question.at(1));
        controller->setEEQuestionText(questionId, question.question.at(2));
        for (int n = 0; n < question.answers.size(); ++n) {
            const QStringList &texts = question.answers.at(n);
            const QStringList &explanations = question.explanations.at(n);
            const int answerId = controller->addAnswer();
            controller->setDEAnswerText(answerId, texts.at(0), explanations.at(0));
            controller->setENAnswerText(answerId, texts.at(1), explanations.at(1));
            controller->setEEAnswerText(answerId, texts.at(2), explanations.at(2));
            // A true answer is one with explanations (six fields in its line).
            controller->setQuestionAnswer(answerId, questionId, question.answerTrue.at(n) ? 1 : 0);
        }
    }
    if (!change.commit()) {
        // Nothing was stored: stay on the read files and let the user try again.
        qDebug().noquote() << QStringLiteral("CSV-Datei konnte nicht gespeichert werden!");
        ui.tlStoreFailed->show();
        ui.pbAddValues->setEnabled(true);
        return;
    }
    controller->showAddQuestionsPerFile();
}
