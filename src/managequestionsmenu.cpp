#include "managequestionsmenu.h"

#include "cataloguechange.h"
#include "confirmations.h"
#include "controller.h"
#include "filedialogs.h"
#include "invalidmarking.h"
#include "moodlexmlwriter.h"
#include "questionfilewriter.h"

#include <QDebug>

ManageQuestionsMenu::ManageQuestionsMenu(Controller *controller, QWidget *parent)
    : QWidget(parent), controller(controller)
{
    ui.setupUi(this);
    ui.tlExportFailed->hide();
    InvalidMarking::mark(ui.tlExportFailed);
    ui.tlResetOutcome->hide();
    connect(ui.pbAddQuestion, &QPushButton::clicked, controller, &Controller::showAddQuestion);
    connect(ui.pbAddQuestionsPerFile, &QPushButton::clicked, controller,
            &Controller::showAddQuestionsPerFile);
    connect(ui.pbExportQuestions, &QPushButton::clicked, this,
            &ManageQuestionsMenu::openExportFileDialog);
    connect(ui.pbDeleteQuestion, &QPushButton::clicked, controller,
            &Controller::showDeleteQuestion);
    connect(ui.pbPrintTest, &QPushButton::clicked, controller, &Controller::showPrintTest);
    connect(ui.pbEditQuestion, &QPushButton::clicked, controller,
            qOverload<>(&Controller::showEditQuestions));
    connect(ui.pbResetHistory, &QPushButton::clicked, this,
            &ManageQuestionsMenu::resetLearningHistory);
    connect(ui.pbDatabaseEditor, &QPushButton::clicked, controller,
            &Controller::showDatabaseEditor);
    connect(ui.pbMenu, &QPushButton::clicked, controller, &Controller::showMenu);
}

void ManageQuestionsMenu::openExportFileDialog()
{
    const QString moodleFilter = QStringLiteral("Moodle XML (*.xml)");
    QString filter;
    exportFileName = controller->fileDialogs()->getSaveFileName(
        this, tr("Export questions..."), QStringLiteral("CSV-file (*.csv);;") + moodleFilter,
        &filter);
    if (exportFileName.isEmpty())
        return;
    // Moodle XML when its filter was chosen or the name says so; else CSV, as always.
    if (filter == moodleFilter ||
        exportFileName.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive)) {
        exportFileName = MoodleXmlWriter::exportFileName(exportFileName);
        writeMoodleXml();
        return;
    }
    exportFileName = QuestionFileWriter::exportFileName(exportFileName);
    writeAllQuestions();
}

void ManageQuestionsMenu::resetLearningHistory()
{
    if (!controller->confirmations()->confirm(
            this, tr("Reset learning history"),
            tr("Reset the learning history? Every recorded answer and the memory of every "
               "question will be deleted."),
            tr("Reset")))
        return;
    const bool reset = controller->learning().reset();
    ui.tlResetOutcome->setText(reset ? tr("The learning history was reset.")
                                     : tr("The learning history could not be reset."));
    InvalidMarking::mark(ui.tlResetOutcome, !reset);
    ui.tlResetOutcome->show();
}

QString ManageQuestionsMenu::buildCsvLine(QList<QString> fields)
{
    return QuestionFileWriter::buildCsvLine(fields);
}

bool ManageQuestionsMenu::writeAllQuestions()
{
    ui.tlExportFailed->hide();
    InvalidMarking::mark(ui.tlExportFailed);
    bool read = false;
    const QList<QuestionFileReader::Question> questions = allQuestions(&read);
    QString text;
    for (const QuestionFileReader::Question &question : questions) {
        // A file that its own import would refuse is no backup: write none at all.
        if (read && !QuestionFileWriter::writable(question)) {
            showExportFailure(
                tr("Nothing was exported: the question \"%1\" cannot be written to a CSV file. "
                   "Each of its texts must be filled in and hold no \";\" and no line break, "
                   "and it needs four answers.")
                    .arg(shownText(question)));
            return false;
        }
        text += QuestionFileWriter::questionLines(question);
    }
    if (!read || !QuestionFileWriter::save(exportFileName, text)) {
        qDebug().noquote() << QStringLiteral("CSV-Datei konnte nicht geschrieben werden: ") +
                                  exportFileName;
        showExportFailure(tr("The questions could not be exported."));
        return false;
    }
    // The same line says what was written, until the next export.
    ui.tlExportFailed->setText(
        tr("%n question(s) exported to %1.", nullptr, questions.size()).arg(exportFileName));
    InvalidMarking::mark(ui.tlExportFailed, false);
    ui.tlExportFailed->show();
    return true;
}

QString ManageQuestionsMenu::shownText(const QuestionFileReader::Question &question)
{
    // The texts come in language order; one missing shifts the rest, so fall back to the first.
    const QList<QString> &texts = question.question;
    return texts.size() == 3 ? texts.value(controller->getCurrentLanguageId() - 1) : texts.value(0);
}

QList<QuestionFileReader::Question> ManageQuestionsMenu::allQuestions(bool *read)
{
    QList<QuestionFileReader::Question> questions;
    // One consistent view of the catalogue; a read that fails (a lock held too long)
    // fails it, rather than passing for an empty catalogue.
    CatalogueChange reading(controller);
    const QList<int> questionIds = controller->getAllQuestionIds();
    // One read per kind of text instead of several per question.
    const CatalogueTexts all = controller->getAllTexts();
    for (int questionId : questionIds) {
        QuestionFileReader::Question question;
        question.category = all.categoryNames.value(all.categoryOfQuestion.value(questionId));
        question.question = all.questionTexts.value(questionId);
        // True answers first, in the order of the CSV export.
        const QList<int> trueIds = all.trueAnswerIds.value(questionId);
        const QList<int> answerIds = trueIds + all.falseAnswerIds.value(questionId);
        for (int i = 0; i < answerIds.size(); ++i) {
            question.answers << all.answerTexts.value(answerIds.at(i));
            question.explanations << all.explanationTexts.value(answerIds.at(i));
            question.answerTrue << (i < trueIds.size());
        }
        questions << question;
    }
    *read = reading.commit();
    return questions;
}

bool ManageQuestionsMenu::writeMoodleXml()
{
    ui.tlExportFailed->hide();
    bool read = false;
    const QList<QuestionFileReader::Question> questions = allQuestions(&read);
    QList<int> leftOut;
    const QByteArray document = MoodleXmlWriter::document(questions, &leftOut);
    if (!read || !MoodleXmlWriter::save(exportFileName, document)) {
        qDebug().noquote() << QStringLiteral("XML-Datei konnte nicht geschrieben werden: ") +
                                  exportFileName;
        InvalidMarking::mark(ui.tlExportFailed);
        showExportFailure(tr("The questions could not be exported."));
        return false;
    }
    QString outcome = tr("%n question(s) exported to %1.", nullptr,
                         questions.size() - leftOut.size())
                          .arg(exportFileName);
    // A question without a true answer has no form on the platform: say which stayed out.
    QStringList names;
    for (int index : leftOut)
        names << QStringLiteral("\"%1\"").arg(shownText(questions.at(index)));
    if (!names.isEmpty())
        outcome += QLatin1Char(' ') + tr("Left out, having no true answer: %1").arg(names.join(QStringLiteral(", ")));
    ui.tlExportFailed->setText(outcome);
    InvalidMarking::mark(ui.tlExportFailed, false);
    ui.tlExportFailed->show();
    return true;
}

void ManageQuestionsMenu::showExportFailure(const QString &message)
{
    ui.tlExportFailed->setText(message);
    ui.tlExportFailed->show();
}
