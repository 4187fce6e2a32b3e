#include "answerexplanationwidget.h"
#include "cancelwindow.h"
#include "checkbox.h"
#include "checkboxselection.h"
#include "controller.h"
#include "countdown.h"
#include "menu.h"
#include "questionanswerwidget.h"
#include "questiondraw.h"
#include "quiz.h"
#include "quizevaluation.h"
#include "quizsettings.h"
#include "randomsource.h"
#include "settingform.h"
#include "testworkspace.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
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
    void settingsPresetFromTheStore_data();
    void settingsPresetFromTheStore();
    void settingsChangedRefusedThenStored();
    void judgingEveryCheckPattern_data();
    void judgingEveryCheckPattern();
    void explanationsAreReplaced();
    void wholeQuizFromTheMenuThenRestart();
    void evaluationShows_data();
    void evaluationShows();
    void noQuestionLeavesTheEvaluationOnDisplay();
    void cancelNoKeepsRunningYesStopsThenShowsMenu();
};

namespace {
// Category names carry their language, so a test sees which one is read.
QStringList categoryRows(int id, const QString &name)
{
    return {QStringLiteral("INSERT INTO category VALUES (%1)").arg(id),
            QStringLiteral("INSERT INTO category_lang VALUES (%1, 1, '%2 (DE)'), (%1, 2, '%2'), "
                           "(%1, 3, '%2 (EE)')")
                .arg(id)
                .arg(name)};
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
        sql << QStringLiteral("INSERT INTO answer VALUES (%1%2)").arg(id).arg(k)
            << QStringLiteral("INSERT INTO question_answer VALUES (%1%2, %1, '%3')")
                   .arg(id)
                   .arg(k)
                   .arg(isTrue ? "true" : "false")
            << (isTrue ? QStringLiteral("INSERT INTO answer_lang SELECT %1%2, lang_id, "
                                        "'right %1%2', 'because %1%2' FROM lang")
                       : QStringLiteral("INSERT INTO answer_lang SELECT %1%2, lang_id, "
                                        "'wrong %1%2', NULL FROM lang"))
                   .arg(id)
                   .arg(k);
    }
    return sql;
}

QStringList settingsRows(int number, int time, const QList<int> &categories)
{
    QStringList sql{QStringLiteral("UPDATE quiz_settings SET question_number = %1, "
                                   "time_per_question = %2")
                        .arg(number)
                        .arg(time),
                    QStringLiteral("DELETE FROM quiz_settings_current_category_id")};
    for (int id : categories)
        sql << QStringLiteral("INSERT INTO quiz_settings_current_category_id VALUES (%1)").arg(id);
    return sql;
}

template <typename T> T *child(QWidget *parent, const char *name)
{
    return parent ? parent->findChild<T *>(QLatin1String(name)) : nullptr;
}

QString labelText(QWidget *parent, const char *name)
{
    auto *label = child<QLabel>(parent, name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

void click(QWidget *parent, const char *name)
{
    auto *button = child<QAbstractButton>(parent, name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

int lcdValue(QWidget *settingForm)
{
    return settingForm->findChild<QLCDNumber *>()->intValue();
}

QSlider *slider(QWidget *settingForm)
{
    return settingForm->findChild<QSlider *>();
}

// One answer row as the user sees it: the number beside it, its box and its text.
struct AnswerRow
{
    QString number;
    CheckBox *box;
    QString text;
    bool isTrue() const { return text.startsWith(QLatin1String("right")); }
    int answerId() const { return text.section(QLatin1Char(' '), 1).toInt(); }
};

// The rows below the question label (row 0 of the grid), top to bottom.
QList<AnswerRow> answerRows(QWidget *questionAnswerWidget)
{
    QList<AnswerRow> rows;
    auto *grid = qobject_cast<QGridLayout *>(questionAnswerWidget->layout());
    for (int row = 1; grid && row < grid->rowCount(); ++row) {
        auto *box = qobject_cast<CheckBox *>(grid->itemAtPosition(row, 1)->widget());
        rows.append({qobject_cast<QLabel *>(grid->itemAtPosition(row, 0)->widget())->text(), box,
                     box->findChild<QLabel *>()->text()});
    }
    return rows;
}

QString questionText(QWidget *questionAnswerWidget)
{
    auto *grid = qobject_cast<QGridLayout *>(questionAnswerWidget->layout());
    return qobject_cast<QLabel *>(grid->itemAtPosition(0, 0)->widget())->text();
}

// The explanation labels below the result, top to bottom.
QStringList explanations(QWidget *answerExplanationWidget)
{
    QStringList texts;
    QLayout *grid = answerExplanationWidget->layout();
    for (int i = 1; i < grid->count(); ++i)
        texts << qobject_cast<QLabel *>(grid->itemAt(i)->widget())->text();
    return texts;
}

// Presses the text of the row, as a user does; the text toggles its box.
void toggle(const AnswerRow &row)
{
    QTest::mouseClick(row.box->findChild<QLabel *>(), Qt::LeftButton);
}

CancelWindow *openCancelWindow()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        auto *cancel = qobject_cast<CancelWindow *>(window);
        if (cancel && cancel->isVisible())
            return cancel;
    }
    return nullptr;
}

// Number of questions, time per question, categories, correct, percent, total, average.
QStringList evaluationTexts(QWidget *evaluation)
{
    QStringList texts;
    for (const char *name : {"tlNumberOfQuestion", "tlTimePerQuestion", "tlCategories", "tlCorrect",
                             "tlCorrectPercent", "tlTotalTime", "tlAverageTimePerQuestion"})
        texts << labelText(evaluation, name);
    return texts;
}

// The order in which a quiz seeded with `seconds` asks the given candidates.
QStringList expectedQuestions(const QList<int> &candidates, int count, qint64 seconds)
{
    RandomSource random;
    random.setClock([seconds] { return seconds; });
    random.reseedFromClock();
    QStringList texts;
    for (int id : QuestionDraw::drawQuestions(candidates, count, random))
        texts << QStringLiteral("Question %1").arg(id);
    return texts;
}
} // namespace

void TestQuiz::settingsPresetFromTheStore_data()
{
    QTest::addColumn<int>("storedNumber");
    QTest::addColumn<int>("storedTime");
    QTest::addColumn<QList<int>>("storedCategories");
    QTest::addColumn<int>("shownNumber");
    QTest::addColumn<bool>("timeEnabled");
    QTest::addColumn<int>("shownTime"); // -1: the time setting is hidden
    QTest::newRow("fresh database") << 1 << 25 << QList<int>{1} << 1 << true << 25;
    QTest::newRow("no time limit") << 12 << 0 << QList<int>{2, 3} << 12 << false << -1;
    QTest::newRow("clamped into range") << 45 << 3 << QList<int>{} << 30 << true << 5;
    QTest::newRow("clamped from below") << 0 << 120 << QList<int>{3, 9} << 1 << true << 99;
}

void TestQuiz::settingsPresetFromTheStore()
{
    QFETCH(int, storedNumber);
    QFETCH(int, storedTime);
    QFETCH(QList<int>, storedCategories);
    QFETCH(int, shownNumber);
    QFETCH(bool, timeEnabled);
    QFETCH(int, shownTime);
    TestWorkspace workspace;
    workspace.provision();
    workspace.execute(categoryRows(1, QStringLiteral("General")) +
                      categoryRows(2, QStringLiteral("Maths")) +
                      categoryRows(3, QStringLiteral("Art")) +
                      settingsRows(storedNumber, storedTime, storedCategories));
    Controller controller;
    controller.show();
    click(currentScreen(&controller), "pbQuizSettings");
    QWidget *screen = currentScreen(&controller);
    QVERIFY(qobject_cast<QuizSettings *>(screen));
    QCOMPARE(controller.windowTitle(), QStringLiteral("Quiz settings"));

    QCOMPARE(lcdValue(child<SettingForm>(screen, "sfQuestionNumber")), shownNumber);
    QCOMPARE(child<QCheckBox>(screen, "cbTime")->isChecked(), timeEnabled);
    auto *time = child<SettingForm>(screen, "sfTimePerQuestion");
    QCOMPARE(time->isVisible(), shownTime >= 0);
    if (shownTime >= 0)
        QCOMPARE(lcdValue(time), shownTime);

    // Exactly the stored categories start checked; unknown stored ids are ignored.
    auto *selection = child<CheckBoxSelection>(screen, "categorySelection");
    QList<int> expectedChecked;
    for (int id : {1, 2, 3}) {
        if (storedCategories.contains(id))
            expectedChecked << id;
    }
    QCOMPARE(selection->getSelectedIds(), expectedChecked);
    QStringList names;
    for (QLabel *label : selection->findChildren<QLabel *>())
        names << label->text();
    QCOMPARE(names, QStringList({"General", "Maths", "Art"}));

    // Leaving through the menu button stores nothing.
    const QStringList before = workspace.query(QStringLiteral("SELECT * FROM quiz_settings"));
    click(screen, "pbMenu");
    QVERIFY(qobject_cast<Menu *>(currentScreen(&controller)));
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings")), before);
}

void TestQuiz::settingsChangedRefusedThenStored()
{
    TestWorkspace workspace;
    workspace.provision();
    workspace.execute(categoryRows(1, QStringLiteral("General")) +
                      categoryRows(2, QStringLiteral("Maths")) +
                      categoryRows(3, QStringLiteral("Art")) + questionRows(1, 3, 1, 3) +
                      settingsRows(4, 30, {}));
    Controller controller;
    controller.show();
    click(currentScreen(&controller), "pbQuizSettings");
    QPointer<QWidget> screen = currentScreen(&controller);
    auto *number = child<SettingForm>(screen, "sfQuestionNumber");
    auto *time = child<SettingForm>(screen, "sfTimePerQuestion");
    auto *cbTime = child<QCheckBox>(screen, "cbTime");

    // The sliders hold 1 to 30 questions and 5 to 99 seconds.
    const QList<QList<int>> moves{{0, 1, 4, 5}, {31, 30, 100, 99}, {7, 7, 60, 60}};
    for (const QList<int> &move : moves) {
        slider(number)->setValue(move.at(0));
        slider(time)->setValue(move.at(2));
        QCOMPARE(QList<int>({number->getValue(), lcdValue(number), time->getValue()}),
                 QList<int>({move.at(1), move.at(1), move.at(3)}));
    }
    // Switching the limit off and on again starts from 25 seconds, not from 60.
    cbTime->click();
    QVERIFY(!time->isVisible());
    cbTime->click();
    QVERIFY(time->isVisible());
    QCOMPARE(time->getValue(), 25);
    QCOMPARE(lcdValue(time), 25);

    // No category checked: the caption turns red and nothing is stored.
    click(screen, "pbStart");
    QCOMPARE(currentScreen(&controller), screen.data());
    const QPalette palette = child<QLabel>(screen, "tlCategories")->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(palette.color(group, QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings")),
             QStringList{QStringLiteral("4|30")});

    // Checked by pressing their names; stored in display order, whatever the click order.
    const auto boxes =
        child<CheckBoxSelection>(screen, "categorySelection")->findChildren<CheckBox *>();
    QCOMPARE(boxes.size(), 3);
    QTest::mouseClick(boxes.at(2)->findChild<QLabel *>(), Qt::LeftButton);
    QTest::mouseClick(boxes.at(0)->findChild<QLabel *>(), Qt::LeftButton);
    click(screen, "pbStart");
    QVERIFY(screen.isNull());
    QVERIFY(qobject_cast<Quiz *>(currentScreen(&controller)));
    QCOMPARE(controller.windowTitle(), QStringLiteral("Quiz"));
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings")),
             QStringList{QStringLiteral("7|25")});
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings_current_category_id")),
             QStringList({"1", "3"}));
}

void TestQuiz::judgingEveryCheckPattern_data()
{
    QTest::addColumn<int>("trueCount");
    QTest::addColumn<int>("falseCount");
    QTest::newRow("no answer") << 0 << 0;
    for (int trueCount = 0; trueCount <= 4; ++trueCount)
        QTest::addRow("%d of 4 true", trueCount) << trueCount << 4 - trueCount;
}

void TestQuiz::judgingEveryCheckPattern()
{
    QFETCH(int, trueCount);
    QFETCH(int, falseCount);
    QList<QString> trueTexts, falseTexts;
    QList<int> trueIds, falseIds;
    for (int k = 1; k <= trueCount; ++k) {
        trueIds << 10 + k;
        trueTexts << QStringLiteral("right %1").arg(10 + k);
    }
    for (int k = 1; k <= falseCount; ++k) {
        falseIds << 20 + k;
        falseTexts << QStringLiteral("wrong %1").arg(20 + k);
    }
    const int rowCount = trueCount + falseCount;

    QuestionAnswerWidget widget;
    widget.show();
    for (int pattern = 0; pattern < (1 << rowCount); ++pattern) {
        widget.setQuestion(QStringLiteral("Which?"), trueTexts, trueIds, falseTexts, falseIds);
        QCOMPARE(questionText(&widget), QStringLiteral("Which?"));
        const QList<AnswerRow> rows = answerRows(&widget);
        QCOMPARE(rows.size(), rowCount);
        bool expected = true;
        QStringList shown;
        for (int r = 0; r < rows.size(); ++r) {
            QCOMPARE(rows.at(r).number, QStringLiteral("%1:").arg(r + 1));
            QVERIFY(!rows.at(r).box->isChecked());
            // Each row keeps the id of the answer whose text it shows.
            QCOMPARE(widget.getAnswerIds().at(r), rows.at(r).answerId());
            shown << rows.at(r).text;
            const bool checked = pattern & (1 << r);
            if (checked)
                toggle(rows.at(r));
            QCOMPARE(rows.at(r).box->isChecked(), checked);
            expected = expected && checked == rows.at(r).isTrue();
        }
        shown.sort();
        QStringList all = trueTexts + falseTexts;
        all.sort();
        QCOMPARE(shown, all);
        QCOMPARE(widget.isAnsweredCorrectly(), expected);
    }

    // After the check every text is coloured by its truth, whatever was checked, in every
    // colour group, so the disabled rows keep it.
    widget.showRightAndWrongAnswers();
    widget.setAnswersEnabled(false);
    for (const AnswerRow &row : answerRows(&widget)) {
        QVERIFY(!row.box->isEnabled());
        const QColor colour = row.isTrue() ? QColor(Qt::darkGreen) : QColor(Qt::red);
        const QPalette palette = row.box->findChild<QLabel *>()->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(palette.color(group, QPalette::WindowText), colour);
        const bool before = row.box->isChecked();
        toggle(row);
        QCOMPARE(row.box->isChecked(), before);
    }

    // A new question starts with fresh, enabled, uncoloured rows.
    widget.setQuestion(QStringLiteral("Next?"), trueTexts, trueIds, falseTexts, falseIds);
    for (const AnswerRow &row : answerRows(&widget)) {
        QVERIFY(row.box->isEnabled());
        QCOMPARE(row.box->findChild<QLabel *>()->palette().color(QPalette::WindowText),
                 widget.palette().color(QPalette::WindowText));
    }
}

void TestQuiz::explanationsAreReplaced()
{
    AnswerExplanationWidget widget;
    widget.setExplanations({"one", "two", "three"});
    QCOMPARE(explanations(&widget), QStringList({"one", "two", "three"}));
    widget.setExplanations({"four"});
    QCOMPARE(explanations(&widget), QStringList({"four"}));
    widget.setExplanations({});
    QCOMPARE(explanations(&widget), QStringList());
    widget.setResult(true);
    widget.setResult(false);
    QCOMPARE(labelText(&widget, "tlResult"), QStringLiteral("You answered the question wrongly!"));
}

void TestQuiz::wholeQuizFromTheMenuThenRestart()
{
    TestWorkspace workspace;
    workspace.provision();
    QStringList catalogue = categoryRows(1, QStringLiteral("General")) +
                            categoryRows(2, QStringLiteral("Maths")) +
                            categoryRows(3, QStringLiteral("Art"));
    // Eight questions in General with one to three true answers; Maths is not chosen.
    for (int id = 1; id <= 8; ++id)
        catalogue += questionRows(id, 1, 1 + id % 3, 3 - id % 3);
    catalogue += questionRows(9, 2, 1, 3) + questionRows(10, 2, 2, 2);
    workspace.execute(catalogue + settingsRows(1, 25, {2}));

    Controller controller;
    controller.show();
    qint64 now = 1000;
    controller.randomSource().setClock([&now] { return now; });

    click(currentScreen(&controller), "pbQuizSettings");
    QWidget *settings = currentScreen(&controller);
    slider(child<SettingForm>(settings, "sfQuestionNumber"))->setValue(25);
    child<QCheckBox>(settings, "cbTime")->click();
    const auto categoryBoxes =
        child<CheckBoxSelection>(settings, "categorySelection")->findChildren<CheckBox *>();
    QTest::mouseClick(categoryBoxes.at(0)->findChild<QLabel *>(), Qt::LeftButton); // General
    QTest::mouseClick(categoryBoxes.at(1)->findChild<QLabel *>(), Qt::LeftButton); // Maths off
    click(settings, "pbStart");
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings")),
             QStringList{QStringLiteral("25|0")});

    // Runs one quiz to its evaluation; `answers` says per question: 'r' right, 'w' wrong
    // (every box checked), 't' left to the time-out.
    auto runQuiz = [&](const QString &answers) {
        QStringList asked;
        auto *quiz = qobject_cast<Quiz *>(currentScreen(&controller));
        if (!quiz)
            return asked;
        auto *questionWidget = child<QuestionAnswerWidget>(quiz, "questionAnswerWidget");
        auto *result = child<AnswerExplanationWidget>(quiz, "answerExplanationWidget");
        for (int i = 0; i < answers.size(); ++i) {
            if (QTest::currentTestFailed())
                return asked;
            [&] {
                QVERIFY(!result->isVisible());
                QCOMPARE(labelText(quiz, "tlCurrentQuestionNumber"),
                         QStringLiteral("%1 / %2").arg(i + 1).arg(answers.size()));
                QCOMPARE(labelText(quiz, "tlCurrentQuestionCategory"), QStringLiteral("General"));
                asked << questionText(questionWidget);
                const QList<AnswerRow> rows = answerRows(questionWidget);
                QStringList expectedExplanations;
                for (int r = 0; r < rows.size(); ++r) {
                    const AnswerRow &row = rows.at(r);
                    if ((answers.at(i) == QLatin1Char('r') && row.isTrue()) ||
                        answers.at(i) == QLatin1Char('w'))
                        toggle(row);
                    if (row.isTrue())
                        expectedExplanations << QStringLiteral("Explanation %1: because %2")
                                                    .arg(r + 1)
                                                    .arg(row.answerId());
                }
                if (answers.at(i) == QLatin1Char('t'))
                    QTRY_VERIFY_WITH_TIMEOUT(result->isVisible(), 4000);
                else
                    click(quiz, "pbForward");
                QVERIFY(result->isVisible());
                QCOMPARE(labelText(result, "tlResult"),
                         answers.at(i) == QLatin1Char('r')
                             ? QStringLiteral("You answered the question correctly!")
                             : QStringLiteral("You answered the question wrongly!"));
                // Numbered by the row of each true answer.
                QCOMPARE(explanations(result), expectedExplanations);
                click(quiz, "pbForward");
            }();
        }
        return asked;
    };

    const QStringList firstRun = runQuiz(QStringLiteral("rwrrwrwr"));
    QVERIFY(!QTest::currentTestFailed());
    // All eight of General, none twice, in the order the clock's seed gives.
    QCOMPARE(firstRun, expectedQuestions({1, 2, 3, 4, 5, 6, 7, 8}, 25, 1000));
    QWidget *evaluation = currentScreen(&controller);
    QVERIFY(qobject_cast<QuizEvaluation *>(evaluation));
    QCOMPARE(controller.windowTitle(), QStringLiteral("Quiz Evaluation"));
    QCOMPARE(evaluationTexts(evaluation),
             QStringList({"25", "Unlimited", "General; ", "5 / 8", "62.5 %", "0 s", "0 s"}));

    // "Restart" runs the stored settings again, without the settings screen, with a new
    // draw: now three questions with a one-second limit.
    workspace.execute(settingsRows(3, 1, {1}));
    now = 1001;
    click(evaluation, "pbRestart");
    const QStringList secondRun = runQuiz(QStringLiteral("rtr"));
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(secondRun, expectedQuestions({1, 2, 3, 4, 5, 6, 7, 8}, 3, 1001));
    QVERIFY(secondRun != firstRun.mid(0, 3));
    evaluation = currentScreen(&controller);
    QVERIFY(qobject_cast<QuizEvaluation *>(evaluation));
    // The question left to the time-out counts wrong and its full second.
    QCOMPARE(evaluationTexts(evaluation).mid(1),
             QStringList({"1 s", "General; ", "2 / 3", "66.6667 %", "1 s", "0 s"}));

    click(evaluation, "pbMenu");
    QVERIFY(qobject_cast<Menu *>(currentScreen(&controller)));
}

void TestQuiz::evaluationShows_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("storedNumber");
    QTest::addColumn<int>("storedTime");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QStringList>("texts");
    const QString dash(QChar(0x2013));
    QTest::newRow("8 of 25 available")
        << "EN" << 25 << 20 << QList<int>{5, 8, 41}
        << QStringList{"25", "20 s", "General; Maths; ", "5 / 8", "62.5 %", "41 s", "5 s"};
    QTest::newRow("German, unlimited")
        << "DE" << 3 << 0 << QList<int>{2, 3, 10}
        << QStringList{"3",    "Unbegrenzt", "General (DE); Maths (DE); ", "2 / 3", "66.6667 %",
                       "10 s", "3 s"};
    QTest::newRow("Estonian, nothing asked")
        << "EE" << 5 << 0 << QList<int>{0, 0, 0}
        << QStringList{"5", "Piiramatu", "General (EE); Maths (EE); ", "0 / 0", dash, "0 s", dash};
}

void TestQuiz::evaluationShows()
{
    QFETCH(QString, language);
    QFETCH(int, storedNumber);
    QFETCH(int, storedTime);
    QFETCH(QList<int>, values);
    QFETCH(QStringList, texts);
    TestWorkspace workspace;
    workspace.provision();
    const int languageId = QStringList({"DE", "EN", "EE"}).indexOf(language) + 1;
    workspace.execute(categoryRows(1, QStringLiteral("General")) +
                      categoryRows(2, QStringLiteral("Maths")) +
                      settingsRows(storedNumber, storedTime, {1, 2}) +
                      QStringList{QStringLiteral("UPDATE settings SET current_country_code = "
                                                 "'%1', current_lang_id = %2")
                                      .arg(language)
                                      .arg(languageId)});
    Controller controller;
    controller.showQuizEvaluation(values.at(0), values.at(1), values.at(2));
    QWidget *evaluation = currentScreen(&controller);
    QVERIFY(qobject_cast<QuizEvaluation *>(evaluation));
    QCOMPARE(evaluationTexts(evaluation), texts);
}

void TestQuiz::noQuestionLeavesTheEvaluationOnDisplay()
{
    TestWorkspace workspace;
    workspace.provision();
    // Category 1 exists but holds no question; Maths has one but is not chosen.
    workspace.execute(categoryRows(1, QStringLiteral("General")) +
                      categoryRows(2, QStringLiteral("Maths")) + questionRows(1, 2, 1, 3) +
                      settingsRows(10, 25, {1}));
    Controller controller;
    controller.show();
    click(currentScreen(&controller), "pbQuizSettings");
    QPointer<QWidget> settings = currentScreen(&controller);

    QTest::ignoreMessage(QtDebugMsg, "Es gibt keine Fragen zur Auswahl!");
    click(settings, "pbStart");
    QVERIFY(settings.isNull());
    QWidget *evaluation = currentScreen(&controller);
    QVERIFY(qobject_cast<QuizEvaluation *>(evaluation));
    QCOMPARE(controller.layout()->count(), 1);
    QVERIFY(controller.findChildren<Quiz *>().isEmpty());
    QCOMPARE(controller.windowTitle(), QStringLiteral("Quiz Evaluation"));
    const QString dash(QChar(0x2013));
    QCOMPARE(evaluationTexts(evaluation).mid(3), QStringList({"0 / 0", dash, "0 s", dash}));
    QTRY_VERIFY(evaluation->isVisible());

    // Restarting asks again, and again the evaluation stays.
    QTest::ignoreMessage(QtDebugMsg, "Es gibt keine Fragen zur Auswahl!");
    QPointer<QWidget> first = evaluation;
    click(evaluation, "pbRestart");
    QVERIFY(first.isNull());
    QVERIFY(qobject_cast<QuizEvaluation *>(currentScreen(&controller)));
    QVERIFY(controller.findChildren<Quiz *>().isEmpty());
}

void TestQuiz::cancelNoKeepsRunningYesStopsThenShowsMenu()
{
    TestWorkspace workspace;
    workspace.provision();
    workspace.execute(categoryRows(1, QStringLiteral("General")) + questionRows(1, 1, 1, 3) +
                      questionRows(2, 1, 2, 2) + settingsRows(2, 1, {1}));
    Controller controller;
    controller.show();
    controller.showQuiz();
    QPointer<Quiz> quiz = qobject_cast<Quiz *>(currentScreen(&controller));
    QVERIFY(quiz);
    auto *result = child<AnswerExplanationWidget>(quiz, "answerExplanationWidget");
    auto *countdown = child<Countdown>(quiz, "countdown");
    auto countdownRunning = [countdown] {
        const auto timers = countdown->findChildren<QTimer *>();
        return std::any_of(timers.cbegin(), timers.cend(),
                           [](QTimer *timer) { return timer->isActive(); });
    };

    click(quiz, "pbCancel");
    QPointer<CancelWindow> window = openCancelWindow();
    QVERIFY(window);
    QCOMPARE(labelText(window, "cancelMessage"), QStringLiteral("Do you want to cancel the quiz?"));
    QSignalSpy quitted(&controller, &Controller::quizQuitted);
    click(window, "pbNo");
    QTRY_VERIFY(window.isNull());
    QCOMPARE(currentScreen(&controller), quiz.data());
    QCOMPARE(controller.windowTitle(), QStringLiteral("Quiz"));
    QCOMPARE(quitted.count(), 0);
    // The countdown was never paused: its time-out still checks the question.
    QVERIFY(countdownRunning());
    QTRY_VERIFY_WITH_TIMEOUT(result->isVisible(), 4000);
    click(quiz, "pbForward");
    QCOMPARE(labelText(quiz, "tlCurrentQuestionNumber"), QStringLiteral("2 / 2"));
    QVERIFY(countdownRunning());

    click(quiz, "pbCancel");
    window = openCancelWindow();
    QVERIFY(window);
    // Heard while the window is still open and the quiz still shown, after the countdown
    // has stopped.
    QList<bool> whenQuitted;
    connect(&controller, &Controller::quizQuitted, this, [&] {
        whenQuitted = {window && window->isVisible(),
                       quiz && currentScreen(&controller) == quiz.data(),
                       quiz && !countdownRunning()};
    });
    click(window, "pbYes");
    QCOMPARE(quitted.count(), 1);
    QCOMPARE(whenQuitted, QList<bool>({true, true, true}));
    QVERIFY(quiz.isNull());
    QVERIFY(qobject_cast<Menu *>(currentScreen(&controller)));
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
