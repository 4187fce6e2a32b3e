#include "cancelwindow.h"
#include "checkbox.h"
#include "controller.h"
#include "quiz.h"
#include "testworkspace.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

// The quiz as a learner meets it: what is in view, the cancel window, the keyboard and the review
// of a run.
class TestQuizUx : public QObject
{
    Q_OBJECT

private slots:
    void verdictInViewAfterTheCheck_data();
    void verdictInViewAfterTheCheck();
    void cancelWindowBelongsToItsQuiz();
    void keysDriveAWholeQuizThenTheReviewListsIt();
};

namespace {
// Whether the whole of the widget lies in the visible part of the scroll area.
bool inView(QScrollArea *area, QWidget *widget)
{
    const QRect shown(widget->mapTo(area->viewport(), QPoint()), widget->size());
    return widget->isVisible() && area->viewport()->rect().contains(shown);
}

// A key as the keyboard delivers it: to the focus widget of the active window.
void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    QTest::keyClick(target ? target : QApplication::activeWindow(), key, modifiers);
}

CancelWindow *openCancelWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *cancel = qobject_cast<CancelWindow *>(window); cancel && cancel->isVisible())
            return cancel;
    return nullptr;
}
} // namespace

void TestQuizUx::verdictInViewAfterTheCheck_data()
{
    QTest::addColumn<int>("repeat"); // how often each text is repeated; 1 fits the window
    QTest::newRow("fits the window") << 1;
    QTest::newRow("too long for the window") << 14;
}

void TestQuizUx::verdictInViewAfterTheCheck()
{
    QFETCH(int, repeat);
    // German, the longest of the three: the question and the explanations of its two true
    // answers.
    QStringList texts{
        "Welche zwei dieser Flüsse fließen durch mehr als ein europäisches Land, bevor sie an "
        "ihrer Mündung das offene Meer erreichen?",
        "Die Donau fließt durch zehn Länder, mehr als jeder andere Fluss der Welt, und mündet "
        "ins Schwarze Meer hinein.",
        "Der Rhein entspringt in den Schweizer Alpen und fließt an Liechtenstein, Österreich und "
        "Frankreich vorbei ins Meer."};
    for (QString &text : texts)
        text = (text + QLatin1Char(' ')).repeated(repeat).trimmed();
    TestWorkspace workspace;
    workspace.provision();
    seedCatalogue(workspace, 1, {1});
    storeQuizSettings(workspace, 1, 0, {1});
    workspace.execute(
        {"UPDATE settings SET current_country_code = 'DE', current_lang_id = 1",
         "UPDATE question_lang SET question_text = '" + texts[0] + "'",
         "UPDATE answer_lang SET explanation_text = '" + texts[1] + "' WHERE answer_id = 11",
         "UPDATE answer_lang SET explanation_text = '" + texts[2] + "' WHERE answer_id = 12"});
    Controller controller; // at its default size
    controller.show();
    controller.showQuiz();
    QWidget *quiz = currentScreen(&controller);
    auto *area = child<QScrollArea>(quiz, "mainScrollArea");
    const bool fits = repeat == 1;
    QTRY_COMPARE(area->verticalScrollBar()->isVisible(), !fits);
    // The question uses the width of the window, not a narrow middle column.
    QVERIFY(quiz->findChild<QLabel *>()->width() > 0);
    QVERIFY(child(quiz, "questionAnswerWidget")->width() > area->viewport()->width() * 9 / 10);

    QTest::mouseClick(child<QAbstractButton>(quiz, "pbForward"), Qt::LeftButton);
    const QList<QLabel *> result = child(quiz, "answerExplanationWidget")->findChildren<QLabel *>();
    QCOMPARE(result.size(), 3); // the verdict, then the two explanations
    QVERIFY2(QRegularExpression("^\\S+ [1-4]: ").match(result.at(1)->text()).hasMatch(),
             qPrintable(result.at(1)->text()));
    QTRY_VERIFY(inView(area, result.at(0)));
    if (fits) {
        QVERIFY(inView(area, result.at(1)) && inView(area, result.at(2)));
        QVERIFY(!area->verticalScrollBar()->isVisible());
    }
}

void TestQuizUx::cancelWindowBelongsToItsQuiz()
{
    TestWorkspace workspace;
    workspace.provision();
    seedCatalogue(workspace, 1, {1});
    storeQuizSettings(workspace, 1, 0, {1});
    Controller controller;
    controller.show();
    controller.showQuiz();
    QWidget *quiz = currentScreen(&controller);
    press(quiz, "pbCancel");
    QPointer<CancelWindow> window = openCancelWindow();
    QVERIFY(window);
    QSignalSpy quitted(&controller, &Controller::quizQuitted);
    // The quiz ends on its own; its window goes with it.
    press(quiz, "pbForward");
    press(quiz, "pbForward");
    QWidget *evaluation = currentScreen(&controller);
    QVERIFY(!window || !window->isVisible());
    // Even a "Yes" that still reaches the closed window ends nothing.
    if (window)
        child<QAbstractButton>(window, "pbYes")->click();
    QCOMPARE(currentScreen(&controller), evaluation);
    QCOMPARE(quitted.count(), 0);
    QTRY_VERIFY(window.isNull());
}

void TestQuizUx::keysDriveAWholeQuizThenTheReviewListsIt()
{
    TestWorkspace workspace;
    workspace.provision();
    seedCatalogue(workspace, 1, {1, 1, 1});
    storeQuizSettings(workspace, 3, 1, {1});
    Controller controller;
    controller.show();
    QVERIFY(QTest::qWaitForWindowActive(&controller));
    controller.showQuizSettings();
    key(Qt::Key_Return);
    QVERIFY(qobject_cast<Quiz *>(currentScreen(&controller)));
    // The settings keep at least five seconds; this run has one, so it is started directly.
    storeQuizSettings(workspace, 3, 1, {1});
    controller.showQuiz();
    QWidget *quiz = currentScreen(&controller);
    QWidget *result = child(quiz, "answerExplanationWidget");

    // Per question, as the review is to list it: text, rows (chosen +/-, true T/F), verdict.
    QStringList expected;
    int correct = 0;
    for (int asked = 1; asked <= 3; ++asked) {
        QWidget *question = child(quiz, "questionAnswerWidget");
        const QList<CheckBox *> rows =
            question->findChildren<CheckBox *>(QString(), Qt::FindDirectChildrenOnly);
        QList<int> trueRows, falseRows; // numbered as shown
        for (int row = 0; row < rows.size(); ++row)
            (rows[row]->findChild<QLabel *>()->text().startsWith("right") ? trueRows : falseRows)
                << row + 1;
        // The true rows; a false one, then the time runs out; row 1 twice and the last row,
        // on the keypad.
        const QList<int> presses = asked == 1   ? trueRows
                                   : asked == 2 ? QList<int>{falseRows.first()}
                                                : QList<int>{1, 1, rows.size()};
        const Qt::KeyboardModifiers pad = asked == 3 ? Qt::KeypadModifier : Qt::NoModifier;
        for (int row : presses)
            key(Qt::Key(Qt::Key_0 + row), pad);

        QString line =
            QStringLiteral("%1. %2|").arg(asked).arg(question->findChild<QLabel *>()->text());
        bool right = true;
        for (int row = 1; row <= rows.size(); ++row) {
            const bool chosen = presses.count(row) % 2 == 1;
            QCOMPARE(rows[row - 1]->isChecked(), chosen);
            right = right && chosen == trueRows.contains(row);
            line += QStringLiteral("%1: %2%3%4 ")
                        .arg(row)
                        .arg(rows[row - 1]->findChild<QLabel *>()->text())
                        .arg(chosen ? '+' : '-')
                        .arg(trueRows.contains(row) ? 'T' : 'F');
        }
        correct += right;
        expected << line + (right ? "Answered correctly." : "Answered wrongly.") +
                        (asked == 2 ? " The time ran out." : "");

        if (asked == 2) {
            // Escape asks; Enter in the window is its default "No", and the quiz goes on.
            key(Qt::Key_Escape);
            QPointer<CancelWindow> window = openCancelWindow();
            QVERIFY(window && QTest::qWaitForWindowActive(window));
            key(Qt::Key_Return);
            QTRY_VERIFY(window.isNull());
            QCOMPARE(currentScreen(&controller), quiz);
            controller.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&controller));
            QTRY_VERIFY_WITH_TIMEOUT(result->isVisible(), 4000);
        } else {
            key(asked == 3 ? Qt::Key_Enter : Qt::Key_Return, pad);
            QVERIFY(result->isVisible());
        }
        // A checked question keeps its answers.
        key(Qt::Key_1);
        QCOMPARE(rows[0]->isChecked(), presses.count(1) % 2 == 1);
        key(Qt::Key_Return);
    }

    QWidget *evaluation = currentScreen(&controller);
    QCOMPARE(child<QLabel>(evaluation, "tlCorrect")->text(), QStringLiteral("%1 / 3").arg(correct));
    press(evaluation, "pbReview");
    QStringList listed;
    for (QWidget *block : evaluation->findChildren<QWidget *>("reviewQuestion")) {
        QString line = child<QLabel>(block, "tlReviewQuestion")->text() + '|';
        const auto answers = block->findChildren<QLabel *>("tlReviewAnswer");
        const auto chosen = block->findChildren<QCheckBox *>("cbChosen");
        const auto isTrue = block->findChildren<QCheckBox *>("cbTrue");
        for (int row = 0; row < answers.size(); ++row)
            line += QStringLiteral("%1%2%3 ")
                        .arg(answers[row]->text())
                        .arg(chosen[row]->isChecked() ? '+' : '-')
                        .arg(isTrue[row]->isChecked() ? 'T' : 'F');
        listed << line + child<QLabel>(block, "tlReviewVerdict")->text();
    }
    QCOMPARE(listed, expected);
    QVERIFY(child(evaluation, "saReview")->isVisible());
    press(evaluation, "pbBackToEvaluation");
    QVERIFY(child(evaluation, "tlCorrect")->isVisible());
}

QTEST_MAIN(TestQuizUx)
#include "tst_quizux.moc"
