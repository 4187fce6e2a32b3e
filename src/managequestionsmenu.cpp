#include "managequestionsmenu.h"

#include "controller.h"
#include "filedialogs.h"
#include "questionfilewriter.h"

#include <QDebug>

ManageQuestionsMenu::ManageQuestionsMenu(Controller *controller, QWidget *parent)
    : QWidget(parent), controller(controller)
{
    ui.setupUi(this);
    connect(ui.pbAddQuestion, &QPushButton::clicked, controller, &Controller::showAddQuestion);
    connect(ui.pbAddQuestionsPerFile, &QPushButton::clicked, controller,
            &Controller::showAddQuestionsPerFile);
    connect(ui.pbExportQuestions, &QPushButton::clicked, this,
            &ManageQuestionsMenu::openExportFileDialog);
    connect(ui.pbDeleteQuestion, &QPushButton::clicked, controller,
            &Controller::showDeleteQuestion);
    connect(ui.pbDatabaseEditor, &QPushButton::clicked, controller,
            &Controller::showDatabaseEditor);
    connect(ui.pbMenu, &QPushButton::clicked, controller, &Controller::showMenu);
}

void ManageQuestionsMenu::openExportFileDialog()
{
    exportFileName = controller->fileDialogs()->getSaveFileName(this, tr("Export questions..."),
                                                                QStringLiteral("CSV-file (*.csv)"));
    if (exportFileName.isEmpty())
        return;
    exportFileName = QuestionFileWriter::exportFileName(exportFileName);
    writeAllQuestions();
}

QString ManageQuestionsMenu::buildCsvLine(QList<QString> fields)
{
    return QuestionFileWriter::buildCsvLine(fields);
}

bool ManageQuestionsMenu::writeAllQuestions()
{
    const QString &lineEnd = QuestionFileWriter::lineEnd;
    QString text;
    const QList<int> questionIds = controller->getAllQuestionIds();
    for (int questionId : questionIds) {
        const int categoryId = controller->getCategoryIdForQuestionId(questionId);
        text += buildCsvLine(controller->getCategoryNamesAt(categoryId)) + lineEnd;
        text += buildCsvLine(controller->getQuestionTextsAt(questionId)) + lineEnd;
        // True answers first, so the file lists them the way the quiz judges them.
        const QList<int> trueIds = controller->getTrueAnswerIdsToQuestionId(questionId);
        const QList<int> answerIds =
            trueIds + controller->getFalseAnswerIdsToQuestionId(questionId);
        for (int i = 0; i < answerIds.size(); ++i) {
            text += QuestionFileWriter::answerLine(
                        controller->getAnswerTextsAt(answerIds.at(i)),
                        controller->getExplanationTextsToAnswerId(answerIds.at(i)),
                        i < trueIds.size()) +
                    lineEnd;
        }
    }
    if (!QuestionFileWriter::save(exportFileName, text)) {
        qDebug().noquote() << QStringLiteral("CSV-Datei konnte nicht geschrieben werden: ") +
                                  exportFileName;
        return false;
    }
    return true;
}
