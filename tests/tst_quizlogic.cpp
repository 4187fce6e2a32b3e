#include "evaluationformatter.h"
#include "questiondraw.h"
#include "randomsource.h"

#include <QHash>
#include <QSet>
#include <QTest>

// The quiz's random draw and the evaluation texts, without any widget.
class TestQuizLogic : public QObject
{
    Q_OBJECT

private slots:
    void drawsDistinctCandidates_data();
    void drawsDistinctCandidates();
    void everyOrderIsEquallyLikely_data();
    void everyOrderIsEquallyLikely();
    void evaluationTexts_data();
    void evaluationTexts();
};

namespace {
QList<int> range(int first, int last)
{
    QList<int> values;
    for (int i = first; i <= last; ++i)
        values.append(i);
    return values;
}

RandomSource seededSource(qint64 seconds)
{
    RandomSource random;
    random.setClock([seconds] { return seconds; });
    random.reseedFromClock();
    return random;
}
} // namespace

void TestQuizLogic::drawsDistinctCandidates_data()
{
    QTest::addColumn<QList<int>>("candidates");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expectedSize");
    QTest::newRow("fewer than available") << range(1, 10) << 3 << 3;
    QTest::newRow("more than available") << range(1, 4) << 10 << 4;
    QTest::newRow("exactly all") << range(1, 5) << 5 << 5;
    QTest::newRow("zero draws every one") << range(1, 6) << 0 << 6;
    QTest::newRow("negative draws every one") << range(1, 6) << -3 << 6;
    QTest::newRow("duplicates asked once") << QList<int>{5, 5, 7, 9, 7} << 0 << 3;
    QTest::newRow("duplicates, more than distinct") << QList<int>{5, 5, 7} << 3 << 2;
    QTest::newRow("no candidate") << QList<int>{} << 5 << 0;
    QTest::newRow("thousands, all of them") << range(1, 20000) << 0 << 20000;
    QTest::newRow("thousands, nearly all") << range(1, 20000) << 19999 << 19999;
}

void TestQuizLogic::drawsDistinctCandidates()
{
    QFETCH(QList<int>, candidates);
    QFETCH(int, count);
    QFETCH(int, expectedSize);
    for (qint64 seed : {1, 2, 3}) {
        RandomSource random = seededSource(seed);
        const QList<int> drawn = QuestionDraw::drawQuestions(candidates, count, random);
        QCOMPARE(drawn.size(), expectedSize);
        const QSet<int> distinct(drawn.cbegin(), drawn.cend());
        QCOMPARE(distinct.size(), drawn.size());
        for (int id : drawn)
            QVERIFY(candidates.contains(id));
    }
}

void TestQuizLogic::everyOrderIsEquallyLikely_data()
{
    QTest::addColumn<QList<int>>("candidates");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("outcomes"); // number of ordered choices
    QTest::newRow("questions, 3 of 3") << range(1, 3) << 3 << 6;
    QTest::newRow("questions, 2 of 4") << range(1, 4) << 2 << 12;
    QTest::newRow("questions, 1 of 5") << range(1, 5) << 1 << 5;
    // An empty candidate list marks the answer-row arrangement of `count` rows.
    QTest::newRow("answer rows, 4") << QList<int>{} << 4 << 24;
}

void TestQuizLogic::everyOrderIsEquallyLikely()
{
    QFETCH(QList<int>, candidates);
    QFETCH(int, count);
    QFETCH(int, outcomes);
    const int perOutcome = 1000;
    RandomSource random = seededSource(20240601);
    QHash<QList<int>, int> seen;
    for (int i = 0; i < outcomes * perOutcome; ++i) {
        const QList<int> drawn = candidates.isEmpty()
                                     ? QuestionDraw::permutation(count, random)
                                     : QuestionDraw::drawQuestions(candidates, count, random);
        ++seen[drawn];
    }
    QCOMPARE(seen.size(), outcomes);
    // About 31 draws of standard deviation: 15 % off is far beyond chance.
    for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
        QVERIFY2(it.value() > perOutcome * 85 / 100 && it.value() < perOutcome * 115 / 100,
                 qPrintable(QStringLiteral("outcome drawn %1 times").arg(it.value())));
    }
}

void TestQuizLogic::evaluationTexts_data()
{
    QTest::addColumn<int>("trueAnswered");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("totalTime");
    QTest::addColumn<QStringList>("texts"); // correct, percent, total, average
    QTest::newRow("5 of 8 in 41 s")
        << 5 << 8 << 41 << QStringList{"5 / 8", "62.5 %", "41 s", "5 s"};
    QTest::newRow("7 of 10") << 7 << 10 << 0 << QStringList{"7 / 10", "70 %", "0 s", "0 s"};
    QTest::newRow("2 of 3") << 2 << 3 << 10 << QStringList{"2 / 3", "66.6667 %", "10 s", "3 s"};
    QTest::newRow("1 of 3") << 1 << 3 << 2 << QStringList{"1 / 3", "33.3333 %", "2 s", "0 s"};
    QTest::newRow("all right") << 10 << 10 << 99 << QStringList{"10 / 10", "100 %", "99 s", "9 s"};
    QTest::newRow("none right") << 0 << 4 << 25 << QStringList{"0 / 4", "0 %", "25 s", "6 s"};
    QTest::newRow("1 of 7") << 1 << 7 << 7 << QStringList{"1 / 7", "14.2857 %", "7 s", "1 s"};
    const QString dash(QChar(0x2013));
    QTest::newRow("no question asked") << 0 << 0 << 0 << QStringList{"0 / 0", dash, "0 s", dash};
}

void TestQuizLogic::evaluationTexts()
{
    QFETCH(int, trueAnswered);
    QFETCH(int, questions);
    QFETCH(int, totalTime);
    QFETCH(QStringList, texts);
    QCOMPARE(QStringList({EvaluationFormatter::correct(trueAnswered, questions),
                          EvaluationFormatter::correctPercent(trueAnswered, questions),
                          EvaluationFormatter::seconds(totalTime),
                          EvaluationFormatter::averageSeconds(totalTime, questions)}),
             texts);
}

QTEST_APPLESS_MAIN(TestQuizLogic)
#include "tst_quizlogic.moc"
