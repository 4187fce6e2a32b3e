#include "questiondraw.h"
#include "randomsource.h"

#include <QHash>
#include <QSet>
#include <QTest>

// The quiz's random draws: which questions, in which order, and the rows of the answers.
class TestQuizLogic : public QObject
{
    Q_OBJECT

private slots:
    void drawsAreDistinctAndUniform_data();
    void drawsAreDistinctAndUniform();
};

void TestQuizLogic::drawsAreDistinctAndUniform_data()
{
    QTest::addColumn<bool>("answerRows"); // arranges `count` rows instead of drawing questions
    QTest::addColumn<QList<int>>("candidates");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("outcomes"); // ordered choices, all equally likely; 0: not counted
    QTest::newRow("2 of 4") << false << QList<int>{1, 2, 3, 4} << 2 << 2 << 12;
    QTest::newRow("more than available") << false << QList<int>{1, 2, 3} << 5 << 3 << 6;
    QTest::newRow("zero draws every one") << false << QList<int>{1, 2, 3} << 0 << 3 << 6;
    QTest::newRow("negative draws every one") << false << QList<int>{1, 2, 3} << -3 << 3 << 6;
    QTest::newRow("duplicates asked once") << false << QList<int>{5, 7, 5, 7} << 0 << 2 << 2;
    QTest::newRow("no candidate") << false << QList<int>{} << 5 << 0 << 0;
    QTest::newRow("answer rows, 4") << true << QList<int>{0, 1, 2, 3} << 4 << 4 << 24;
}

void TestQuizLogic::drawsAreDistinctAndUniform()
{
    QFETCH(bool, answerRows);
    QFETCH(QList<int>, candidates);
    QFETCH(int, count);
    QFETCH(int, size);
    QFETCH(int, outcomes);
    RandomSource random;
    random.setClock([] { return qint64(20240601); });
    random.reseedFromClock();
    const int perOutcome = 1000;
    QHash<QList<int>, int> seen;
    for (int i = 0; i < qMax(3, outcomes * perOutcome); ++i) {
        const QList<int> drawn = answerRows
                                     ? QuestionDraw::permutation(count, random)
                                     : QuestionDraw::drawQuestions(candidates, count, random);
        QCOMPARE(drawn.size(), size);
        const QSet<int> distinct(drawn.cbegin(), drawn.cend());
        QCOMPARE(distinct.size(), size);
        QVERIFY(QSet<int>(candidates.cbegin(), candidates.cend()).contains(distinct));
        ++seen[drawn];
    }
    // About 31 draws of standard deviation: 15 % off is far beyond chance.
    QVERIFY(outcomes == 0 || seen.size() == outcomes);
    for (int times : seen)
        QVERIFY2(outcomes == 0 || qAbs(times - perOutcome) < perOutcome * 15 / 100,
                 qPrintable(QStringLiteral("outcome drawn %1 times").arg(times)));
}

QTEST_APPLESS_MAIN(TestQuizLogic)
#include "tst_quizlogic.moc"
