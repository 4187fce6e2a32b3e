#include "controller.h"
#include "fsrs.h"
#include "learningstore.h"
#include "questionanswerwidget.h"
#include "quiz.h"
#include "testworkspace.h"

namespace {
// 2026-01-05 00:00 UTC: the answers of a table row are days after it.
const qint64 firstDayMs = 1767571200000;

// The rows of memory per question as "question:reviews:lapses", by id.
QString remembered(LearningStore &learning)
{
    const QHash<int, Fsrs::Memory> memories = learning.memories();
    QList<int> ids = memories.keys();
    std::sort(ids.begin(), ids.end());
    QStringList rows;
    for (int id : ids)
        rows << QStringLiteral("%1:%2:%3").arg(id).arg(memories[id].reviews).arg(memories[id].lapses);
    return rows.join(' ');
}

QString joined(const QList<int> &ids)
{
    QStringList texts;
    for (int id : ids)
        texts << QString::number(id);
    return texts.join(' ');
}
} // namespace

class TestLearning : public QObject
{
    Q_OBJECT

private slots:
    // Answers as "day:grade ..." (days after the first, A again, G good) and the memory after
    // the last one. The first six rows are the reference implementation's own figures; the
    // others follow its formulas.
    void memoryModel_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<double>("stability");
        QTest::addColumn<double>("difficulty");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("lapses");
        QTest::newRow("first good") << "0:G" << 2.3065 << 2.1181 << 2 << 0;
        QTest::newRow("good after two days") << "0:G 2:G" << 10.9643 << 2.1112 << 11 << 0;
        QTest::newRow("lapse") << "0:G 2:G 13:A" << 1.5383 << 7.3922 << 2 << 1;
        QTest::newRow("relearned") << "0:G 2:G 13:A 14:G" << 3.5539 << 7.3801 << 4 << 1;
        QTest::newRow("first again") << "0:A" << 0.2120 << 6.4133 << 1 << 0;
        QTest::newRow("same day good") << "0:A 0.1:G" << 0.2467 << 6.4021 << 1 << 0;
        QTest::newRow("same day again") << "0:G 0.5:A" << 0.7751 << 7.3945 << 1 << 1;
        QTest::newRow("a minute short of a day") << "0:G 0.9999:G" << 2.3065 << 2.1112 << 2 << 0;
        QTest::newRow("a day and a half") << "0:G 1.5:G" << 7.3153 << 2.1112 << 7 << 0;
        QTest::newRow("clock set back") << "0:G -3:G" << 2.3065 << 2.1112 << 2 << 0;
        QTest::newRow("interval capped")
            << "0:G 3:G 15:G 60:G 300:G 2000:G 12000:G 60000:G 100000:G" << 68230.861 << 2.0632
            << 36500 << 0;
    }

    void memoryModel()
    {
        QFETCH(QString, answers);
        const Fsrs model;
        std::optional<Fsrs::Memory> memory;
        for (const QString &answer : answers.split(' ')) {
            const qint64 at = firstDayMs + qint64(answer.section(':', 0, 0).toDouble() * Fsrs::dayMs);
            memory = model.answered(memory, at, answer.endsWith('G') ? Fsrs::Good : Fsrs::Again);
            QCOMPARE(memory->lastAnswerMs, at);
        }
        QFETCH(double, stability);
        QFETCH(double, difficulty);
        // The figures are rounded to four places, large ones to their first eight digits.
        QVERIFY2(qAbs(memory->stability - stability) <= 0.00005 * qMax(1.0, stability / 1000),
                 qPrintable(QString::number(memory->stability, 'f', 4)));
        QVERIFY2(qAbs(memory->difficulty - difficulty) <= 0.00005,
                 qPrintable(QString::number(memory->difficulty, 'f', 4)));
        QFETCH(int, interval);
        QCOMPARE(memory->dueMs - memory->lastAnswerMs, interval * Fsrs::dayMs);
        QFETCH(int, lapses);
        QCOMPARE(memory->lapses, lapses);
        QCOMPARE(memory->reviews, answers.count(':'));
    }

    // Steps: n a new run, r<q> or w<q> a right or wrong answer, d<q> the question deleted by
    // the program, e<q> its texts replaced by another program (an id reused), s the check
    // for such replacements, x a reset. Then: the memories, the answers kept per question and
    // the mistakes of the last run.
    void historyStaysTrue_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("memories");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("mistakes");
        QTest::newRow("answers of one question") << "n r1 w1 r1" << "1:3:1" << "1:3" << "1";
        QTest::newRow("a first wrong answer is no lapse") << "n w1 w1" << "1:2:1" << "1:2" << "1";
        QTest::newRow("deleting drops the history")
            << "n r1 w2 d2" << "1:1:0" << "1:1" << "";
        QTest::newRow("reused id starts afresh") << "n r1 w1 e1 r1" << "1:1:0" << "1:1" << "";
        QTest::newRow("reused id is not remembered") << "n r1 e1" << "" << "1:1" << "";
        QTest::newRow("replaced answers dropped") << "n w1 r2 e1 s" << "2:1:0" << "2:1" << "";
        QTest::newRow("mistakes of the latest run")
            << "n w1 w2 r3 n r1 w3 w4 w3" << "1:2:0 2:1:0 3:3:2 4:1:0" << "1:2 2:1 3:3 4:1"
            << "3 4";
        QTest::newRow("reset") << "n r1 w2 x" << "" << "" << "";
    }

    void historyStaysTrue()
    {
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 2, {1, 1, 2, 2});
        const QString schema = "SELECT group_concat(name) FROM sqlite_master";
        const QStringList provisioned = workspace.query(schema);
        Controller controller;
        LearningStore &learning = controller.learning();
        // Nothing is added to the file before the first answer.
        QCOMPARE(learning.quizMode(), int(LearningStore::AllAtRandom));
        QVERIFY(learning.setQuizMode(LearningStore::AllAtRandom));
        QVERIFY(learning.memories().isEmpty());
        QCOMPARE(workspace.query(schema), provisioned);

        qint64 now = firstDayMs;
        learning.setClock([&now] { return now; });
        int run = 0;
        QFETCH(QString, steps);
        for (const QString &step : steps.split(' ')) {
            now += 3 * Fsrs::dayMs;
            const int question = step.mid(1).toInt();
            switch (step.at(0).toLatin1()) {
            case 'n':
                run = 0;
                break;
            case 'r':
            case 'w': {
                RecordedAnswer answer;
                answer.questionId = question;
                answer.correct = step.startsWith('r');
                answer.languageId = 2;
                QVERIFY(learning.record(run, answer));
                QVERIFY(run > 0);
                break;
            }
            case 'd':
                QVERIFY(controller.deleteQuestionAndAnswers(question));
                break;
            case 'e':
                workspace.execute({QStringLiteral("UPDATE question_lang SET question_text = "
                                                  "'other ' || question_text WHERE question_id = %1")
                                       .arg(question)});
                break;
            case 's':
                QVERIFY(learning.forgetReplacedQuestions());
                break;
            case 'x':
                QVERIFY(learning.reset());
                break;
            }
        }
        QTEST(remembered(learning), "memories");
        QTEST(workspace
                  .query("SELECT ifnull(group_concat(question_id || ':' || n, ' '), '') FROM (SELECT "
                         "question_id, count(*) AS n FROM answer_history GROUP BY question_id "
                         "ORDER BY question_id)")
                  .value(0),
              "answers");
        QTEST(joined(learning.mistakesOfLastRun()), "mistakes");
        // History and memory always agree: a memory for every answered question and back.
        QCOMPARE(workspace.query("SELECT count(*) FROM question_memory m WHERE reviews <> (SELECT "
                                 "count(*) FROM answer_history h WHERE h.question_id = "
                                 "m.question_id)"),
                 QStringList{"0"});
    }

    // Quiz, evaluation, progress screen: what the learner answered is what is kept.
    void quizIsRememberedAndShown()
    {
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 1, {1, 1});
        storeQuizSettings(workspace, 2, 0, {1});
        Controller controller;
        controller.show();
        controller.showQuiz();
        auto *quiz = qobject_cast<Quiz *>(currentScreen(&controller));
        QVERIFY(quiz);
        auto *questionWidget = child<QuestionAnswerWidget>(quiz, "questionAnswerWidget");
        // The first question answered by checking its true answers, the second with all four.
        QList<int> expectedChecked;
        for (int question = 0; question < 2; ++question) {
            const QList<bool> isTrue = questionWidget->getAnswerIsTrue();
            const QList<int> ids = questionWidget->getAnswerIds();
            for (int row = 0; row < isTrue.size(); ++row) {
                if (question == 1 || isTrue[row]) {
                    questionWidget->toggleAnswer(row);
                    if (question == 0)
                        expectedChecked << ids[row];
                }
            }
            press(quiz, "pbForward");
            press(quiz, "pbForward");
        }
        QWidget *evaluation = currentScreen(&controller);
        QVERIFY(!child<QLabel>(evaluation, "tlHistoryFailed")->isVisible());
        std::sort(expectedChecked.begin(), expectedChecked.end());
        const QStringList rows = workspace.query(
            "SELECT correct || ' ' || timed_out || ' ' || lang_id || ' ' || run_id || ' ' || "
            "checked_answer_ids FROM answer_history ORDER BY rowid");
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0], "1 0 2 1 " + QStringList(joined(expectedChecked).split(' ')).join(','));
        QVERIFY(rows[1].startsWith("0 0 2 1 "));
        QCOMPARE(rows[1].section(' ', 4).split(',').size(), 4);

        press(evaluation, "pbMenu");
        controller.showProgress();
        QWidget *progress = currentScreen(&controller);
        QVERIFY(!child<QLabel>(progress, "tlNoHistory")->isVisible());
        QVERIFY(child<QLabel>(progress, "tlQuizzes")->text().contains('1'));
        QVERIFY(child<QLabel>(progress, "tlAnswers")->text().contains('2'));
        QVERIFY(child<QLabel>(progress, "tlShare7")->text().contains("50"));
    }
};

QTEST_MAIN(TestLearning)
#include "tst_learning.moc"
