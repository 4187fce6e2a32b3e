#include "controller.h"
#include "filedialogs.h"
#include "testworkspace.h"

#include <QPushButton>
#include <QTest>

// The sample catalogue shipped in examples/ imports cleanly through the import screen,
// complete in all three languages.
class TestSampleCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void importsCompleteInEveryLanguage();
};

void TestSampleCatalogue::importsCompleteInEveryLanguage()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    controller.show();
    controller.showAddQuestionsPerFile();
    controller.fileDialogs()->setNextOpenFileNames({QStringLiteral(VELMORA_SAMPLE_CATALOGUE)});
    QWidget *screen = currentScreen(&controller);
    QTest::mouseClick(screen->findChild<QPushButton *>("pbOpenFile"), Qt::LeftButton);
    auto *add = screen->findChild<QPushButton *>("pbAddValues");
    QVERIFY(add && add->isVisible());
    QTest::mouseClick(add, Qt::LeftButton);

    const auto count = [&](const char *statement) {
        const QStringList rows = workspace.query(QLatin1String(statement));
        return rows.isEmpty() ? -1 : rows.first().toInt();
    };
    QTRY_COMPARE(count("SELECT count(*) FROM question"), 42);
    QCOMPARE(count("SELECT count(*) FROM category"), 6);
    QCOMPARE(count("SELECT count(*) FROM question_answer WHERE is_True = 'true'"), 55);
    // Every question has one to three true answers.
    QCOMPARE(count("SELECT count(*) FROM (SELECT question_id FROM question_answer "
                   "GROUP BY question_id HAVING sum(is_True = 'true') NOT BETWEEN 1 AND 3)"),
             0);
    // Every text exists in all three languages, and every true answer explains itself in
    // each of them.
    QCOMPARE(count("SELECT count(*) FROM category_lang WHERE category_text <> ''"), 6 * 3);
    QCOMPARE(count("SELECT count(*) FROM question_lang WHERE question_text <> ''"), 42 * 3);
    QCOMPARE(count("SELECT count(*) FROM answer_lang WHERE answer_text <> ''"), 42 * 4 * 3);
    QCOMPARE(count("SELECT count(*) FROM answer_lang al JOIN question_answer qa "
                   "ON qa.answer_id = al.answer_id AND qa.is_True = 'true' "
                   "WHERE ifnull(al.explanation_text, '') <> ''"),
             55 * 3);
}

QTEST_MAIN(TestSampleCatalogue)
#include "tst_samplecatalogue.moc"
