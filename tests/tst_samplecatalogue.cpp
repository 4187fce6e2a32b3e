#include "controller.h"
#include "testworkspace.h"

#include <QPushButton>
#include <QTest>

// The sample catalogue shipped in examples/ imports cleanly through the import screen,
// complete in all three languages.
class TestSampleCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void importsCompleteInEveryLanguage()
    {
        TestWorkspace workspace;
        workspace.provision();
        Controller controller;
        controller.show();
        QWidget *screen = openQuestionFiles(controller, {QStringLiteral(VELMORA_SAMPLE_CATALOGUE)});
        child<QPushButton>(screen, "pbAddValues")->click();

        const auto count = [&](const QString &from) {
            return workspace.query("SELECT count(*) FROM " + from).value(0).toInt();
        };
        QCOMPARE(count("question"), 42);
        QCOMPARE(count("category"), 6);
        QCOMPARE(count("question_answer WHERE is_True = 'true'"), 55);
        // Every text exists in all three languages, and every true answer explains itself in
        // each of them.
        QCOMPARE(count("category_lang WHERE category_text <> ''"), 6 * 3);
        QCOMPARE(count("question_lang WHERE question_text <> ''"), 42 * 3);
        QCOMPARE(count("answer_lang WHERE answer_text <> ''"), 42 * 4 * 3);
        QCOMPARE(count("answer_lang al JOIN question_answer qa ON qa.answer_id = al.answer_id "
                       "AND qa.is_True = 'true' WHERE ifnull(al.explanation_text, '') <> ''"),
                 55 * 3);
    }
};

QTEST_MAIN(TestSampleCatalogue)
#include "tst_samplecatalogue.moc"
