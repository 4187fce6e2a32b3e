#include "cataloguechange.h"
#include "controller.h"
#include "testworkspace.h"

#include <QTest>

// How the catalogue writes scale with a large catalogue: the lowest-free-id allocation
// must not read every id for each new row, or a big import slows down quadratically.
class BenchCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void addAnswerToLargeCatalogue_data();
    void addAnswerToLargeCatalogue();
    void importSizedChange();
};

namespace {
void fillAnswers(const TestWorkspace &workspace, int count, bool withGap)
{
    workspace.execute({QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                      "FROM n WHERE i < %1) INSERT INTO answer SELECT i FROM n")
                           .arg(count)});
    if (withGap)
        workspace.execute(
            {QStringLiteral("DELETE FROM answer WHERE answer_id = %1").arg(count / 2)});
}
} // namespace

void BenchCatalogue::addAnswerToLargeCatalogue_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("withGap");
    QTest::newRow("1000 dense") << 1000 << false;
    QTest::newRow("50000 dense") << 50000 << false;
    QTest::newRow("50000 with a gap") << 50000 << true;
}

void BenchCatalogue::addAnswerToLargeCatalogue()
{
    QFETCH(int, rows);
    QFETCH(bool, withGap);
    TestWorkspace workspace;
    workspace.provision();
    fillAnswers(workspace, rows, withGap);
    Controller controller;
    QBENCHMARK
    {
        // Left without commit: rolled back, so every iteration meets the same table.
        CatalogueChange change(&controller);
        controller.addAnswer();
    }
}

// One import-sized change: 2500 questions with four answers each, in one transaction.
void BenchCatalogue::importSizedChange()
{
    TestWorkspace workspace;
    workspace.provision();
    fillAnswers(workspace, 20000, false);
    Controller controller;
    QBENCHMARK_ONCE
    {
        CatalogueChange change(&controller);
        for (int q = 0; q < 2500; ++q) {
            const int question = controller.addQuestion(1);
            controller.setDEQuestionText(question, QStringLiteral("Frage"));
            for (int a = 0; a < 4; ++a) {
                const int answer = controller.addAnswer();
                controller.setDEAnswerText(answer, QStringLiteral("Antwort"), QString());
                controller.setQuestionAnswer(answer, question, a == 0);
            }
        }
        QVERIFY(change.commit());
    }
    QCOMPARE(workspace.query(QStringLiteral("SELECT count(*) FROM answer")), QStringList{"30000"});
}

QTEST_MAIN(BenchCatalogue)
#include "bench_catalogue.moc"
