#include "controller.h"
#include "progresssummary.h"
#include "testworkspace.h"

namespace {
const qint64 now = 400 * Fsrs::dayMs;
const QHash<int, QList<int>> categories = {{1, {1, 2, 3, 4, 5, 6}}, {2, {7, 8, 9, 10, 11, 12}}};
const QHash<int, QString> categoryNames = {{1, "Geography"}, {2, "History"}};

// "id lapses stability answeredDaysAgo dueInDays" per answered question.
QHash<int, Fsrs::Memory> memories(const QStringList &rows)
{
    QHash<int, Fsrs::Memory> memories;
    for (const QString &row : rows) {
        const QStringList v = row.split(' ');
        Fsrs::Memory memory;
        memory.lapses = v.at(1).toInt();
        memory.reviews = memory.lapses + 1;
        memory.stability = v.at(2).toDouble();
        memory.difficulty = 5;
        memory.lastAnswerMs = now - qint64(v.at(3).toDouble() * Fsrs::dayMs);
        memory.dueMs = now + qint64(v.at(4).toDouble() * Fsrs::dayMs);
        memories.insert(v.at(0).toInt(), memory);
    }
    return memories;
}
} // namespace

// The progress screen: what it counts of the catalogue's memory, and the screen itself.
class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void summaryCountsAndRanks_data()
    {
        QTest::addColumn<QStringList>("answered");
        // Per category "name known/due/never of questions".
        QTest::addColumn<QStringList>("counts");
        // The weakest as "id category daysAgo", weakest first.
        QTest::addColumn<QStringList>("weakest");

        QTest::newRow("nothing answered")
            << QStringList{} << QStringList{"Geography 0/0/6 of 6", "History 0/0/6 of 6"}
            << QStringList{};
        // Recall after 9 of 10 days is still above 0.9, yet the question is due.
        QTest::newRow("due before known")
            << QStringList{"1 0 10 9 0", "2 0 10 5 5", "7 0 10 12 -2"}
            << QStringList{"Geography 1/1/4 of 6", "History 0/1/5 of 6"}
            << QStringList{"7 History 12", "1 Geography 9", "2 Geography 5"};
        // Not due but fading (recall 0.81), as with a desired retention below 0.9; a
        // memory of a question no category holds any more counts nowhere.
        QTest::newRow("neither known nor due")
            << QStringList{"3 0 1 3 1", "99 5 1 30 -20"}
            << QStringList{"Geography 0/0/5 of 6", "History 0/0/6 of 6"}
            << QStringList{"3 Geography 3"};
        QTest::newRow("equal lapses by lower recall, then by id")
            << QStringList{"4 1 20 3 17", "5 1 5 3 2", "6 2 50 1 49", "8 1 5 3 2"}
            << QStringList{"Geography 3/0/3 of 6", "History 1/0/5 of 6"}
            << QStringList{"6 Geography 1", "5 Geography 3", "8 History 3", "4 Geography 3"};
        QTest::newRow("ten of twelve")
            << QStringList{"1 0 1 0 1", "2 0 1 0 1",  "3 0 1 0 1",  "4 0 1 0 1",
                           "5 0 1 0 1", "6 0 1 0 1",  "7 3 1 0 1",  "8 0 1 0 1",
                           "9 0 1 0 1", "10 0 1 0 1", "11 0 1 0 1", "12 2 1 0 1"}
            << QStringList{"Geography 6/0/0 of 6", "History 6/0/0 of 6"}
            << QStringList{"7 History 0",   "12 History 0",  "1 Geography 0", "2 Geography 0",
                           "3 Geography 0", "4 Geography 0", "5 Geography 0", "6 Geography 0",
                           "8 History 0",   "9 History 0"};
    }

    void summaryCountsAndRanks()
    {
        QFETCH(QStringList, answered);
        QFETCH(QStringList, counts);
        QFETCH(QStringList, weakest);
        QHash<int, QString> texts;
        for (int id = 1; id <= 12; ++id)
            texts.insert(id, "Q" + QString::number(id));
        const ProgressSummary summary(memories(answered), categories, categoryNames, texts, now,
                                      Fsrs());
        QStringList shownCounts;
        for (const auto &c : summary.categories())
            shownCounts << QString("%1 %2/%3/%4 of %5")
                               .arg(c.name)
                               .arg(c.known)
                               .arg(c.due)
                               .arg(c.neverAnswered)
                               .arg(c.questions);
        QCOMPARE(shownCounts, counts);
        QStringList shownWeakest;
        for (const auto &q : summary.weakest()) {
            QCOMPARE(q.text, "Q" + QString::number(q.questionId));
            shownWeakest << QString("%1 %2 %3")
                                .arg(q.questionId)
                                .arg(q.categoryName)
                                .arg((now - q.lastAnswerMs) / Fsrs::dayMs);
        }
        QCOMPARE(shownWeakest, weakest);
    }

    // Without history the screen says how to begin; the button and Escape lead back.
    void emptyScreenLeadsBack()
    {
        TestWorkspace workspace;
        workspace.provision();
        const QByteArray provisioned = readFile(workspace.databaseFile());
        Controller controller;
        controller.show();
        // Shortcuts answer only in the active window.
        QVERIFY(QTest::qWaitForWindowActive(&controller));
        for (const bool byEscape : {false, true}) {
            press(currentScreen(&controller), "pbProgress");
            QWidget *screen = currentScreen(&controller);
            QCOMPARE(controller.windowTitle(), "Progress — Velmora");
            QVERIFY(child<QLabel>(screen, "tlNoHistory")->isVisibleTo(screen));
            QVERIFY(!child(screen, "gbCalendar")->isVisibleTo(screen));
            QCOMPARE(child<QLabel>(screen, "tlAnswers")->text(), "0");
            if (byEscape)
                QTest::keyClick(screen, Qt::Key_Escape);
            else
                press(screen, "pbMenu");
            QCOMPARE(currentScreen(&controller)->metaObject()->className(), "Menu");
        }
        // Looking is no change: the file stays as provisioned.
        QCOMPARE(readFile(workspace.databaseFile()), provisioned);
    }
};

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
