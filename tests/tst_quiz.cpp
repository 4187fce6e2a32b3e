#include "cancelwindow.h"
#include "checkbox.h"
#include "checkboxselection.h"
#include "controller.h"
#include "menu.h"
#include "questionanswerwidget.h"
#include "questiondraw.h"
#include "quiz.h"
#include "randomsource.h"
#include "testworkspace.h"

#include <QApplication>
#include <QCheckBox>
#include <QHash>
#include <QLCDNumber>
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <algorithm>

// The quiz: its random draws, and the quiz as a user meets it: settings, questions with
// their answers, countdown, cancel confirmation and evaluation.
class TestQuiz : public QObject
{
    Q_OBJECT

private slots:
    void drawsAreDistinctAndUniform_data();
    void drawsAreDistinctAndUniform();
    void settingsPresetFromTheStore_data();
    void settingsPresetFromTheStore();
    void judgingEveryCheckPattern_data();
    void judgingEveryCheckPattern();
    void wholeQuizFromTheSettingsThenRestart();
    void cancelYesStopsThenShowsMenu();
};

namespace {
QStringList labelTexts(QWidget *parent, std::initializer_list<const char *> names)
{
    QStringList texts;
    for (const char *name : names)
        texts << child<QLabel>(parent, name)->text();
    return texts;
}

int lcdValue(QWidget *parent, const char *name)
{
    return child(parent, name)->findChild<QLCDNumber *>()->intValue();
}

// Presses the text beside the box, as a user does.
void pressText(CheckBox *box)
{
    press(box->findChild<QLabel *>());
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

// The questions, in order, that a quiz seeded with `seconds` asks out of Cat1's eight.
QStringList expectedQuestions(int count, qint64 seconds)
{
    RandomSource random;
    random.setClock([seconds] { return seconds; });
    random.reseedFromClock();
    QStringList texts;
    for (int id : QuestionDraw::drawQuestions({1, 2, 3, 4, 5, 6, 7, 8}, count, random))
        texts << QStringLiteral("Q%1 EN").arg(id);
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
            QStringList({QStringLiteral("%1 / %2").arg(i + 1).arg(answers.size()), "Cat1 EN"}));
        const QList<CheckBox *> boxes = answerBoxes(questionWidget);
        asked << qobject_cast<QLabel *>(questionWidget->layout()->itemAt(0)->widget())->text();
        QStringList expectedExplanations;
        for (int row = 0; row < boxes.size(); ++row) {
            const bool isTrue = textOf(boxes[row]).startsWith(QLatin1String("right"));
            if (answer == 'w' || (answer == 'r' && isTrue))
                pressText(boxes[row]);
            // Numbered by the row of the true answer.
            if (isTrue)
                expectedExplanations << QStringLiteral("Explanation %1: because %2")
                                            .arg(row + 1)
                                            .arg(textOf(boxes[row]).mid(6));
        }
        if (answer == 't')
            QTRY_VERIFY_WITH_TIMEOUT(result->isVisible(), 4000);
        else
            press(quiz, "pbForward");
        QVERIFY(result->isVisible());
        // The result first, then the explanations, top to bottom.
        QStringList shown;
        for (int item = 0; item < result->layout()->count(); ++item)
            shown << qobject_cast<QLabel *>(result->layout()->itemAt(item)->widget())->text();
        QCOMPARE(shown, QStringList{answer == 'r' ? "You answered the question correctly!"
                                                  : "You answered the question wrongly!"} +
                            expectedExplanations);
        press(quiz, "pbForward");
    }
}
} // namespace

void TestQuiz::drawsAreDistinctAndUniform_data()
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

void TestQuiz::drawsAreDistinctAndUniform()
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
    seedCatalogue(workspace, 3, {});
    storeQuizSettings(workspace, stored.at(0), stored.at(1), stored.mid(2));
    Controller controller;
    controller.show();
    press(currentScreen(&controller), "pbQuizSettings");
    QWidget *screen = currentScreen(&controller);
    auto *numberDisplay = child(screen, "sfQuestionNumber")->findChild<QLCDNumber *>();
    QTRY_VERIFY(numberDisplay->height() >= 30); // legible
    QVERIFY(numberDisplay->segmentStyle() != QLCDNumber::Outline);
    const bool timeShown = child(screen, "sfTimePerQuestion")->isVisible();
    QCOMPARE(child<QCheckBox>(screen, "cbTime")->isChecked(), timeShown);
    auto *selection = child<CheckBoxSelection>(screen, "categorySelection");
    QCOMPARE(QList<int>({lcdValue(screen, "sfQuestionNumber"),
                         timeShown ? lcdValue(screen, "sfTimePerQuestion") : -1}) +
                 selection->getSelectedIds(),
             shown);
    // Leaving through the menu button stores nothing, not even the clamped values.
    press(screen, "pbMenu");
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
                pressText(boxes[row]);
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
        pressText(box);
        QCOMPARE(box->isChecked(), before);
    }
}

void TestQuiz::wholeQuizFromTheSettingsThenRestart()
{
    TestWorkspace workspace;
    workspace.provision();
    // Eight questions in Cat1 with one to three true answers, one in Cat2, which is not
    // chosen.
    seedCatalogue(workspace, 3, {1, 1, 1, 1, 1, 1, 1, 1, 2});
    storeQuizSettings(workspace, 1, 30, {2});
    Controller controller;
    controller.show();
    qint64 now = 1000;
    controller.randomSource().setClock([&now] { return now; });
    press(currentScreen(&controller), "pbQuizSettings");
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
    pressText(boxes.at(1));
    press(settings, "pbStart");
    QCOMPARE(currentScreen(&controller), settings.data());
    QCOMPARE(child<QLabel>(settings, "tlCategories")->palette().color(QPalette::WindowText),
             QColor(Qt::red));
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings")), QStringList{"1|30"});
    // Stored in display order, whatever the click order.
    pressText(boxes.at(2));
    pressText(boxes.at(0));
    press(settings, "pbStart");
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings")), QStringList{"25|0"});
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings_current_category_id")),
             QStringList({"1", "3"}));

    QStringList asked;
    answerQuiz(controller, QStringLiteral("rwrrwrwr"), asked);
    // All eight of Cat1, none twice, in the order the clock's seed gives.
    QCOMPARE(asked, expectedQuestions(25, 1000));
    QCOMPARE(
        evaluationTexts(currentScreen(&controller)),
        QStringList({"25", "Unlimited", "Cat1 EN; Cat3 EN; ", "5 / 8", "62.5 %", "0 s", "0 s"}));

    // "Restart" runs the stored settings again, without the settings screen, with a new
    // draw: now three questions with a one-second limit.
    storeQuizSettings(workspace, 3, 1, {1});
    now = 1001;
    press(currentScreen(&controller), "pbRestart");
    asked.clear();
    answerQuiz(controller, QStringLiteral("rtr"), asked);
    QCOMPARE(asked, expectedQuestions(3, 1001));
    QVERIFY(asked != expectedQuestions(3, 1000));
    // The question left to the time-out counts wrong and its full second.
    QCOMPARE(evaluationTexts(currentScreen(&controller)),
             QStringList({"3", "1 s", "Cat1 EN; ", "2 / 3", "66.6667 %", "1 s", "0 s"}));

    // With no question to ask, the evaluation the quiz requests while it is built stays on
    // display, without dividing by zero.
    storeQuizSettings(workspace, 10, 0, {3});
    workspace.execute({"UPDATE settings SET current_country_code = 'DE', current_lang_id = 1"});
    QTest::ignoreMessage(QtDebugMsg, "Es gibt keine Fragen zur Auswahl!");
    press(currentScreen(&controller), "pbRestart");
    QVERIFY(controller.findChildren<Quiz *>().isEmpty());
    const QString dash(QChar(0x2013));
    QCOMPARE(evaluationTexts(currentScreen(&controller)),
             QStringList({"10", "Unbegrenzt", "Cat3 DE; ", "0 / 0", dash, "0 s", dash}));
    QTRY_VERIFY(currentScreen(&controller)->isVisible());
    press(currentScreen(&controller), "pbMenu");
    QVERIFY(qobject_cast<Menu *>(currentScreen(&controller)));
}

void TestQuiz::cancelYesStopsThenShowsMenu()
{
    TestWorkspace workspace;
    workspace.provision();
    seedCatalogue(workspace, 1, {1, 1});
    storeQuizSettings(workspace, 2, 1, {1});
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
    press(quiz, "pbCancel");
    for (QWidget *topLevel : QApplication::topLevelWidgets())
        if (!window)
            window = qobject_cast<CancelWindow *>(topLevel);
    QVERIFY(window && window->isVisible());
    press(window, "pbYes");
    QCOMPARE(whenQuitted, QList<bool>({true, true, true}));
    QVERIFY(quiz.isNull());
    QVERIFY(qobject_cast<Menu *>(currentScreen(&controller)));
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
