#include "cancelwindow.h"
#include "checkbox.h"
#include "checkboxselection.h"
#include "controller.h"
#include "countdown.h"
#include "menu.h"
#include "questionanswerwidget.h"
#include "questiondraw.h"
#include "quiz.h"
#include "randomsource.h"
#include "testworkspace.h"

#include <QApplication>
#include <QCheckBox>
#include <QLCDNumber>
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <algorithm>

// The quiz as a user meets it: settings, questions with their answers, countdown, cancel
// confirmation and evaluation, on a catalogue seeded for each test.
class TestQuiz : public QObject
{
    Q_OBJECT

private slots:
    void countdownTimesOutOnceAndCountsTheFullLimit();
    void settingsPresetFromTheStore_data();
    void settingsPresetFromTheStore();
    void judgingEveryCheckPattern_data();
    void judgingEveryCheckPattern();
    void wholeQuizFromTheSettingsThenRestart();
    void cancelNoKeepsRunningYesStopsThenShowsMenu();
};

namespace {
// The stored quiz settings, over categories 1 General, 2 Maths and 3 Art (added once) whose
// names are marked with their language.
QStringList settingsRows(int number, int time, const QList<int> &categoryIds)
{
    QStringList sql{QStringLiteral("UPDATE quiz_settings SET question_number = %1, "
                                   "time_per_question = %2")
                        .arg(number)
                        .arg(time),
                    QStringLiteral("DELETE FROM quiz_settings_current_category_id")};
    for (int id : categoryIds)
        sql << QStringLiteral("INSERT INTO quiz_settings_current_category_id VALUES (%1)").arg(id);
    const QStringList names{"General", "Maths", "Art"};
    for (int id = 1; id <= names.size(); ++id)
        sql << QStringLiteral("INSERT OR IGNORE INTO category VALUES (%1)").arg(id)
            << QStringLiteral("INSERT OR IGNORE INTO category_lang VALUES (%1, 1, '%2 (DE)'), "
                              "(%1, 2, '%2'), (%1, 3, '%2 (EE)')")
                   .arg(id)
                   .arg(names.at(id - 1));
    return sql;
}

// Question <id> with answers <id>1, <id>2, ...: the true ones read "right <answer id>" and
// are explained by "because <answer id>", the false ones read "wrong <answer id>".
QStringList questionRows(int id, int categoryId, int trueCount, int falseCount)
{
    QStringList sql{QStringLiteral("INSERT INTO question VALUES (%1, %2)").arg(id).arg(categoryId),
                    QStringLiteral("INSERT INTO question_lang SELECT %1, lang_id, 'Question %1' "
                                   "FROM lang")
                        .arg(id)};
    for (int k = 1; k <= trueCount + falseCount; ++k) {
        const bool isTrue = k <= trueCount;
        sql << QStringLiteral("INSERT INTO answer VALUES (%1)").arg(id * 10 + k)
            << QStringLiteral("INSERT INTO question_answer VALUES (%1, %2, '%3')")
                   .arg(id * 10 + k)
                   .arg(id)
                   .arg(isTrue ? "true" : "false")
            << QStringLiteral("INSERT INTO answer_lang SELECT %1, lang_id, '%2 %1', %3 FROM lang")
                   .arg(QString::number(id * 10 + k), isTrue ? "right" : "wrong",
                        isTrue ? QStringLiteral("'because %1'").arg(id * 10 + k) : "NULL");
    }
    return sql;
}

template <typename T = QWidget> T *child(QWidget *parent, const char *name)
{
    return parent ? parent->findChild<T *>(QLatin1String(name)) : nullptr;
}

QStringList labelTexts(QWidget *parent, std::initializer_list<const char *> names)
{
    QStringList texts;
    for (const char *name : names) {
        auto *label = child<QLabel>(parent, name);
        texts << (label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name)));
    }
    return texts;
}

void click(QWidget *parent, const char *name)
{
    auto *button = child<QAbstractButton>(parent, name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

int lcdValue(QWidget *parent, const char *name)
{
    return child(parent, name)->findChild<QLCDNumber *>()->intValue();
}

// Presses the text beside the box, as a user does.
void press(CheckBox *box)
{
    QTest::mouseClick(box->findChild<QLabel *>(), Qt::LeftButton);
}

QString textOf(CheckBox *box)
{
    return box->findChild<QLabel *>()->text();
}

// The answer rows top to bottom, in the order they are built.
QList<CheckBox *> answerBoxes(QWidget *questionWidget)
{
    return questionWidget->findChildren<CheckBox *>(QString(), Qt::FindDirectChildrenOnly);
}

bool anyTimerActive(QObject *countdown)
{
    for (QTimer *timer : countdown->findChildren<QTimer *>())
        if (timer->isActive())
            return true;
    return false;
}

// Number of questions, time per question, categories, correct, percent, total, average.
QStringList evaluationTexts(QWidget *evaluation)
{
    return labelTexts(evaluation,
                      {"tlNumberOfQuestion", "tlTimePerQuestion", "tlCategories", "tlCorrect",
                       "tlCorrectPercent", "tlTotalTime", "tlAverageTimePerQuestion"});
}

// The questions, in order, that a quiz seeded with `seconds` asks out of General's eight.
QStringList expectedQuestions(int count, qint64 seconds)
{
    RandomSource random;
    random.setClock([seconds] { return seconds; });
    random.reseedFromClock();
    QStringList texts;
    for (int id : QuestionDraw::drawQuestions({1, 2, 3, 4, 5, 6, 7, 8}, count, random))
        texts << QStringLiteral("Question %1").arg(id);
    return texts;
}

// Answers every question of the quiz on display, one letter each: 'r' right, 'w' wrong
// (every box checked), 't' left to the time-out. Collects the questions asked.
void answerQuiz(Controller &controller, const QString &answers, QStringList &asked)
{
    auto *quiz = qobject_cast<Quiz *>(currentScreen(&controller));
    QVERIFY(quiz);
    auto *questionWidget = child(quiz, "questionAnswerWidget");
    auto *result = child(quiz, "answerExplanationWidget");
    for (int i = 0; i < answers.size(); ++i) {
        const char answer = answers.at(i).toLatin1();
        QVERIFY(!result->isVisible());
        QCOMPARE(
            labelTexts(quiz, {"tlCurrentQuestionNumber", "tlCurrentQuestionCategory"}),
            QStringList({QStringLiteral("%1 / %2").arg(i + 1).arg(answers.size()), "General"}));
        const QList<CheckBox *> boxes = answerBoxes(questionWidget);
        asked << qobject_cast<QLabel *>(questionWidget->layout()->itemAt(0)->widget())->text();
        QStringList expectedExplanations;
        for (int row = 0; row < boxes.size(); ++row) {
            const bool isTrue = textOf(boxes[row]).startsWith(QLatin1String("right"));
            if (answer == 'w' || (answer == 'r' && isTrue))
                press(boxes[row]);
            // Numbered by the row of the true answer.
            if (isTrue)
                expectedExplanations << QStringLiteral("Explanation %1: because %2")
                                            .arg(row + 1)
                                            .arg(textOf(boxes[row]).mid(6));
        }
        if (answer == 't')
            QTRY_VERIFY_WITH_TIMEOUT(result->isVisible(), 4000);
        else
            click(quiz, "pbForward");
        QVERIFY(result->isVisible());
        // The result first, then the explanations, top to bottom.
        QStringList shown;
        for (int item = 0; item < result->layout()->count(); ++item)
            shown << qobject_cast<QLabel *>(result->layout()->itemAt(item)->widget())->text();
        QCOMPARE(shown, QStringList{answer == 'r' ? "You answered the question correctly!"
                                                  : "You answered the question wrongly!"} +
                            expectedExplanations);
        click(quiz, "pbForward");
    }
}
} // namespace

void TestQuiz::countdownTimesOutOnceAndCountsTheFullLimit()
{
    Countdown countdown;
    QSignalSpy timeouts(&countdown, &Countdown::timeout);
    // Per time-out the used time and whether a timer still runs, as the quiz's check sees
    // them: connected after construction, like the quiz's.
    QList<int> heard;
    connect(&countdown, &Countdown::timeout, this,
            [&] { heard << countdown.getUsedTime() << anyTimerActive(&countdown); });
    countdown.start(1);
    QCOMPARE(countdown.getUsedTime(), 0);
    QVERIFY(timeouts.wait(3000));
    countdown.restart();
    QCOMPARE(countdown.getUsedTime(), 0);
    QVERIFY(timeouts.wait(3000));
    QCOMPARE(heard, QList<int>({1, 0, 1, 0}));

    // A stopped countdown has no remaining time, so the whole limit counts as used.
    countdown.restart();
    countdown.stop();
    QVERIFY(!anyTimerActive(&countdown));
    QCOMPARE(countdown.getUsedTime(), 1);
    QVERIFY(!timeouts.wait(1300));
    QCOMPARE(timeouts.count(), 2);
}

void TestQuiz::settingsPresetFromTheStore_data()
{
    QTest::addColumn<QList<int>>("stored"); // number, time, category ids
    QTest::addColumn<QList<int>>("shown");  // number, time or -1 when hidden, checked ids
    QTest::newRow("no time limit") << QList<int>{12, 0, 3, 2} << QList<int>{12, -1, 2, 3};
    QTest::newRow("clamped from above") << QList<int>{45, 120} << QList<int>{30, 99};
    QTest::newRow("clamped from below, unknown id")
        << QList<int>{0, 3, 9, 3} << QList<int>{1, 5, 3};
}

void TestQuiz::settingsPresetFromTheStore()
{
    QFETCH(QList<int>, stored);
    QFETCH(QList<int>, shown);
    TestWorkspace workspace;
    workspace.provision();
    workspace.execute(settingsRows(stored.at(0), stored.at(1), stored.mid(2)));
    Controller controller;
    controller.show();
    click(currentScreen(&controller), "pbQuizSettings");
    QWidget *screen = currentScreen(&controller);
    const bool timeShown = child(screen, "sfTimePerQuestion")->isVisible();
    QCOMPARE(child<QCheckBox>(screen, "cbTime")->isChecked(), timeShown);
    auto *selection = child<CheckBoxSelection>(screen, "categorySelection");
    QCOMPARE(QList<int>({lcdValue(screen, "sfQuestionNumber"),
                         timeShown ? lcdValue(screen, "sfTimePerQuestion") : -1}) +
                 selection->getSelectedIds(),
             shown);
    // Leaving through the menu button stores nothing, not even the clamped values.
    click(screen, "pbMenu");
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings")),
             QStringList{QStringLiteral("%1|%2").arg(stored.at(0)).arg(stored.at(1))});
}

void TestQuiz::judgingEveryCheckPattern_data()
{
    QTest::addColumn<int>("trueCount");
    QTest::addColumn<int>("count");
    QTest::newRow("no answer") << 0 << 0;
    for (int trueCount = 0; trueCount <= 4; ++trueCount)
        QTest::addRow("%d of 4 true", trueCount) << trueCount << 4;
}

void TestQuiz::judgingEveryCheckPattern()
{
    QFETCH(int, trueCount);
    QFETCH(int, count);
    QStringList texts[2]; // false, true
    QList<int> ids[2];
    for (int k = 0; k < count; ++k) {
        ids[k < trueCount] << k;
        texts[k < trueCount] << (k < trueCount ? "right " : "wrong ") + QString::number(k);
    }
    QuestionAnswerWidget widget;
    widget.show();
    QSet<QList<int>> arrangements;
    for (int pattern = 0; pattern < (1 << count); ++pattern) {
        widget.setQuestion(QStringLiteral("Which?"), texts[1], ids[1], texts[0], ids[0]);
        QList<int> rowIds = widget.getAnswerIds();
        arrangements.insert(rowIds);
        const QList<CheckBox *> boxes = answerBoxes(&widget);
        bool expected = true;
        for (int row = 0; row < boxes.size(); ++row) {
            // Each row keeps the id of the answer whose text it shows.
            QCOMPARE(textOf(boxes[row]).mid(6).toInt(), rowIds.at(row));
            const bool checked = pattern & (1 << row);
            if (checked)
                press(boxes[row]);
            QCOMPARE(boxes[row]->isChecked(), checked);
            expected = expected && checked == (rowIds.at(row) < trueCount);
        }
        QCOMPARE(widget.isAnsweredCorrectly(), expected);
        std::sort(rowIds.begin(), rowIds.end());
        QCOMPARE(rowIds, ids[1] + ids[0]); // every answer once
    }
    // Sixteen placements of four answers that always agree are no random placement.
    QVERIFY(count < 4 || arrangements.size() > 1);

    // After the check every text is coloured by its truth, whatever was checked, in every
    // colour group, so the disabled rows keep it; disabled rows no longer toggle.
    widget.showRightAndWrongAnswers();
    widget.setAnswersEnabled(false);
    for (CheckBox *box : answerBoxes(&widget)) {
        const QPalette palette = box->findChild<QLabel *>()->palette();
        const bool isTrue = textOf(box).startsWith(QLatin1String("right"));
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(palette.color(group, QPalette::WindowText),
                     QColor(isTrue ? Qt::darkGreen : Qt::red));
        const bool before = box->isChecked();
        press(box);
        QCOMPARE(box->isChecked(), before);
    }
}

void TestQuiz::wholeQuizFromTheSettingsThenRestart()
{
    TestWorkspace workspace;
    workspace.provision();
    // Eight questions in General with one to three true answers; Maths is not chosen.
    QStringList rows = settingsRows(1, 30, {2}) + questionRows(9, 2, 1, 3);
    for (int id = 1; id <= 8; ++id)
        rows += questionRows(id, 1, 1 + id % 3, 3 - id % 3);
    workspace.execute(rows);
    Controller controller;
    controller.show();
    qint64 now = 1000;
    controller.randomSource().setClock([&now] { return now; });
    click(currentScreen(&controller), "pbQuizSettings");
    QPointer<QWidget> settings = currentScreen(&controller);

    // Switching the limit off and on again starts from 25 seconds, not from the stored 30.
    auto *cbTime = child<QCheckBox>(settings, "cbTime");
    cbTime->click();
    QVERIFY(!child(settings, "sfTimePerQuestion")->isVisible());
    cbTime->click();
    QCOMPARE(lcdValue(settings, "sfTimePerQuestion"), 25);
    cbTime->click();
    child(settings, "sfQuestionNumber")->findChild<QSlider *>()->setValue(25);
    // No category checked: the caption turns red and nothing is stored.
    const auto boxes = child(settings, "categorySelection")->findChildren<CheckBox *>();
    press(boxes.at(1));
    click(settings, "pbStart");
    QCOMPARE(currentScreen(&controller), settings.data());
    QCOMPARE(child<QLabel>(settings, "tlCategories")->palette().color(QPalette::WindowText),
             QColor(Qt::red));
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings")), QStringList{"1|30"});
    // Stored in display order, whatever the click order.
    press(boxes.at(2));
    press(boxes.at(0));
    click(settings, "pbStart");
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings")), QStringList{"25|0"});
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings_current_category_id")),
             QStringList({"1", "3"}));

    QStringList asked;
    answerQuiz(controller, QStringLiteral("rwrrwrwr"), asked);
    // All eight of General, none twice, in the order the clock's seed gives.
    QCOMPARE(asked, expectedQuestions(25, 1000));
    QCOMPARE(evaluationTexts(currentScreen(&controller)),
             QStringList({"25", "Unlimited", "General; Art; ", "5 / 8", "62.5 %", "0 s", "0 s"}));

    // "Restart" runs the stored settings again, without the settings screen, with a new
    // draw: now three questions with a one-second limit.
    workspace.execute(settingsRows(3, 1, {1}));
    now = 1001;
    click(currentScreen(&controller), "pbRestart");
    asked.clear();
    answerQuiz(controller, QStringLiteral("rtr"), asked);
    QCOMPARE(asked, expectedQuestions(3, 1001));
    QVERIFY(asked != expectedQuestions(3, 1000));
    // The question left to the time-out counts wrong and its full second.
    QCOMPARE(evaluationTexts(currentScreen(&controller)),
             QStringList({"3", "1 s", "General; ", "2 / 3", "66.6667 %", "1 s", "0 s"}));

    // With no question to ask, the evaluation the quiz requests while it is built stays on
    // display, without dividing by zero.
    workspace.execute(settingsRows(10, 0, {3}) + QStringList{"UPDATE settings SET "
                                                             "current_country_code = 'DE', "
                                                             "current_lang_id = 1"});
    QTest::ignoreMessage(QtDebugMsg, "Es gibt keine Fragen zur Auswahl!");
    click(currentScreen(&controller), "pbRestart");
    QVERIFY(controller.findChildren<Quiz *>().isEmpty());
    const QString dash(QChar(0x2013));
    QCOMPARE(evaluationTexts(currentScreen(&controller)),
             QStringList({"10", "Unbegrenzt", "Art (DE); ", "0 / 0", dash, "0 s", dash}));
    QTRY_VERIFY(currentScreen(&controller)->isVisible());

    // The arithmetic on the values of longer runs, as the quiz hands them over.
    controller.showQuizEvaluation(5, 8, 41);
    QCOMPARE(evaluationTexts(currentScreen(&controller)).mid(3),
             QStringList({"5 / 8", "62.5 %", "41 s", "5 s"}));
    controller.showQuizEvaluation(1, 3, 2);
    QCOMPARE(evaluationTexts(currentScreen(&controller)).mid(3),
             QStringList({"1 / 3", "33.3333 %", "2 s", "0 s"}));
    click(currentScreen(&controller), "pbMenu");
    QVERIFY(qobject_cast<Menu *>(currentScreen(&controller)));
}

void TestQuiz::cancelNoKeepsRunningYesStopsThenShowsMenu()
{
    TestWorkspace workspace;
    workspace.provision();
    workspace.execute(settingsRows(2, 1, {1}) + questionRows(1, 1, 1, 3) +
                      questionRows(2, 1, 2, 2));
    Controller controller;
    controller.show();
    controller.showQuiz();
    QPointer<Quiz> quiz = qobject_cast<Quiz *>(currentScreen(&controller));
    QVERIFY(quiz);
    auto *countdown = child(quiz, "countdown");
    QPointer<CancelWindow> window;
    // Per quizQuitted: window still open, quiz still shown, countdown stopped.
    QList<bool> whenQuitted;
    connect(&controller, &Controller::quizQuitted, this, [&] {
        whenQuitted << (window && window->isVisible()) << (currentScreen(&controller) == quiz)
                    << (quiz && !anyTimerActive(countdown));
    });
    auto openCancelWindow = [&] {
        click(quiz, "pbCancel");
        for (QWidget *topLevel : QApplication::topLevelWidgets())
            if (!window)
                window = qobject_cast<CancelWindow *>(topLevel);
        return window && window->isVisible();
    };

    QVERIFY(openCancelWindow());
    click(window, "pbNo");
    QTRY_VERIFY(window.isNull());
    QCOMPARE(currentScreen(&controller), quiz.data());
    QVERIFY(whenQuitted.isEmpty());
    // The countdown was never paused: its time-out still checks the question, and the next
    // question counts again.
    QTRY_VERIFY_WITH_TIMEOUT(child(quiz, "answerExplanationWidget")->isVisible(), 4000);
    click(quiz, "pbForward");
    QVERIFY(anyTimerActive(countdown));

    QVERIFY(openCancelWindow());
    click(window, "pbYes");
    QCOMPARE(whenQuitted, QList<bool>({true, true, true}));
    QVERIFY(quiz.isNull());
    QVERIFY(qobject_cast<Menu *>(currentScreen(&controller)));
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
