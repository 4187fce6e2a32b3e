#include "controller.h"
#include "questiondraw.h"
#include "quiz.h"
#include "randomsource.h"
#include "testworkspace.h"

#include <QTest>

// How the start of a quiz scales with the number of candidate questions: drawing nearly
// all of them must stay linear, not slow down as the unused ones grow rare.
class BenchQuizDraw : public QObject
{
    Q_OBJECT

private slots:
    void draw_data();
    void draw();
    void buildQuizOnLargeCategory_data();
    void buildQuizOnLargeCategory();
};

void BenchQuizDraw::draw_data()
{
    QTest::addColumn<int>("candidates");
    QTest::addColumn<int>("count");
    QTest::newRow("30 of 50000") << 50000 << 30;
    QTest::newRow("49999 of 50000") << 50000 << 49999;
    QTest::newRow("all of 50000") << 50000 << 0;
}

void BenchQuizDraw::draw()
{
    QFETCH(int, candidates);
    QFETCH(int, count);
    QList<int> ids;
    for (int i = 1; i <= candidates; ++i)
        ids.append(i);
    RandomSource random;
    QBENCHMARK
    {
        const QList<int> drawn = QuestionDraw::drawQuestions(ids, count, random);
        Q_UNUSED(drawn)
    }
}

void BenchQuizDraw::buildQuizOnLargeCategory_data()
{
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("count");
    QTest::newRow("30 of 20000") << 20000 << 30;
    QTest::newRow("all of 20000") << 20000 << 0;
}

void BenchQuizDraw::buildQuizOnLargeCategory()
{
    QFETCH(int, questions);
    QFETCH(int, count);
    TestWorkspace workspace;
    workspace.provision();
    workspace.execute(
        {QStringLiteral("INSERT INTO category VALUES (1)"),
         QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                        "%1) INSERT INTO question SELECT i, 1 FROM n")
             .arg(questions),
         QStringLiteral("UPDATE quiz_settings SET question_number = %1, time_per_question = 0")
             .arg(count)});
    Controller controller;
    QBENCHMARK
    {
        controller.showQuiz();
    }
    QVERIFY(qobject_cast<Quiz *>(currentScreen(&controller)));
}

QTEST_MAIN(BenchQuizDraw)
#include "bench_quizdraw.moc"
