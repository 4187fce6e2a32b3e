#include "addquestionsperfile.h"

#include "cataloguechange.h"
#include "controller.h"
#include "invalidmarking.h"
#include "questionfilereader.h"
#include "workprogress.h"

#include <QDebug>

namespace {
// How much of the files the preview shows at most.
constexpr int previewLines = 300;
constexpr int previewCharacters = 60000;
} // namespace

AddQuestionsPerFile::AddQuestionsPerFile(Controller *controller, QWidget *parent)
    : QWidget(parent), controller(controller), progressDelay(WorkProgress::defaultDelay)
{
    ui.setupUi(this);
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
        splitLines();
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

void AddQuestionsPerFile::splitLines()
{
    const QList<QList<QString> *> answers = {&answer1Texts, &answer2Texts, &answer3Texts,
                                             &answer4Texts};
    const QList<QList<QString> *> explanations = {&explanation1Texts, &explanation2Texts,
                                                  &explanation3Texts, &explanation4Texts};
    for (int block = 0; block < fileLines.size(); block += QuestionFileReader::linesPerQuestion) {
        QList<QStringList> fields;
        for (int line = 0; line < QuestionFileReader::linesPerQuestion; ++line)
            fields << QuestionFileReader::splitLine(fileLines.at(block + line));
        for (int language = 0; language < 3; ++language) {
            categoryTexts << fields.at(0).at(language);
            questionTexts << fields.at(1).at(language);
            for (int answer = 0; answer < 4; ++answer) {
                const QStringList &answerFields = fields.at(2 + answer);
                *answers.at(answer) << answerFields.at(language);
                *explanations.at(answer)
                    << (answerFields.size() == 6 ? answerFields.at(3 + language) : QString());
            }
        }
    }
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

int AddQuestionsPerFile::categoryIdFor(int index, QHash<QString, int> *categoryByName)
{
    const int language = controller->getCurrentLanguageId();
    if (language >= 1 && language <= 3) {
        const auto found = categoryByName->constFind(categoryTexts.at(index + language - 1));
        if (found != categoryByName->constEnd())
            return found.value();
    }
    const int categoryId = controller->addCategory();
    controller->setDECategoryText(categoryId, categoryTexts.at(index));
    controller->setENCategoryText(categoryId, categoryTexts.at(index + 1));
    controller->setEECategoryText(categoryId, categoryTexts.at(index + 2));
    if (language >= 1 && language <= 3)
        categoryByName->insert(categoryTexts.at(index + language - 1), categoryId);
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
    const QList<const QList<QString> *> answers = {&answer1Texts, &answer2Texts, &answer3Texts,
                                                   &answer4Texts};
    const QList<const QList<QString> *> explanations = {&explanation1Texts, &explanation2Texts,
                                                        &explanation3Texts, &explanation4Texts};
    // The whole import is one change: every question of the files is stored, or none.
    CatalogueChange change(controller);
    // Categories by name for the length of this import; the ones it creates join them.
    QHash<QString, int> categoryByName = categoriesByName();
    WorkProgress progress(this, tr("Storing the questions..."), tr("Cancel"),
                          categoryTexts.size() / 3, progressDelay);
    for (int i = 0; i < categoryTexts.size(); i += 3) {
        if (!progress.step(i / 3)) {
            // Left without commit, the change is rolled back: nothing of the files stays.
            ui.tlImportCancelled->show();
            ui.pbAddValues->setEnabled(true);
            return;
        }
        const int categoryId = categoryIdFor(i, &categoryByName);
        const int questionId = controller->addQuestion(categoryId);
        controller->setDEQuestionText(questionId, questionTexts.at(i));
        controller->setENQuestionText(questionId, questionTexts.at(i + 1));
        controller->setEEQuestionText(questionId, questionTexts.at(i + 2));
        for (int n = 0; n < answers.size(); ++n) {
            const QList<QString> &texts = *answers.at(n);
            const QList<QString> &explanation = *explanations.at(n);
            const int answerId = controller->addAnswer();
            controller->setDEAnswerText(answerId, texts.at(i), explanation.at(i));
            controller->setENAnswerText(answerId, texts.at(i + 1), explanation.at(i + 1));
            controller->setEEAnswerText(answerId, texts.at(i + 2), explanation.at(i + 2));
            controller->setQuestionAnswer(answerId, questionId,
                                          explanation.at(i).isEmpty() ? 0 : 1);
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
