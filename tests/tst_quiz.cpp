#include "cancelwindow.h"
#include "checkbox.h"
#include "checkboxselection.h"
#include "controller.h"
#include "countdown.h"
#include "learningstore.h"
#include "menu.h"
#include "practicedraw.h"
#include "questionanswerwidget.h"
#include "questiondraw.h"
#include "quiz.h"
#include "quizsettings.h"
#include "randomsource.h"
#include "samplecatalogue.h"
#include "testworkspace.h"

#include <algorithm>

namespace {
QLCDNumber *display(QWidget *parent, const char *name)
{
    return child(parent, name)->findChild<QLCDNumber *>();
}

QString textOf(CheckBox *box)
{
    return box->findChild<QLabel *>()->text();
}

// Presses the text beside the box, as a user does.
void pressText(CheckBox *box)
{
    press(box->findChild<QLabel *>());
}

// The answer rows top to bottom, in the order they are built.
QList<CheckBox *> answerBoxes(QWidget *questionWidget)
{
    return questionWidget->findChildren<CheckBox *>(QString(), Qt::FindDirectChildrenOnly);
}

// Number of questions, time per question, categories, correct, percent, total, average.
QStringList evaluationTexts(QWidget *evaluation)
{
    QStringList texts;
    for (const char *name : {"tlNumberOfQuestion", "tlTimePerQuestion", "tlCategories", "tlCorrect",
                             "tlCorrectPercent", "tlTotalTime", "tlAverageTimePerQuestion"})
        texts << child<QLabel>(evaluation, name)->text();
    return texts;
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

// A key as the keyboard delivers it: to the focus widget of the active window.
void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    QTest::keyClick(target ? target : QApplication::activeWindow(), key, modifiers);
}

// A row's sign and the words a screen reader gives for it ("True answer, chosen"), as the
// quiz and the review show them: "T+" for a tick on a chosen row, "F-" for a cross on one not
// chosen; '?' where sign and words disagree.
QString markOf(QLabel *mark)
{
    const QString sign = mark->text() == QStringLiteral("✓")   ? "T"
                         : mark->text() == QStringLiteral("✗") ? "F"
                                                               : "?";
    const QString words = mark->accessibleName();
    const QString chosen = words.endsWith(", chosen")       ? "+"
                           : words.endsWith(", not chosen") ? "-"
                                                            : "?";
    const bool agree =
        words.startsWith(sign == "T" ? "True answer" : "False answer") && mark->toolTip() == words;
    return agree ? sign + chosen : "??";
}

// The colour of a widget's text: g, r, or ? for any other.
QChar colourOf(QWidget *widget)
{
    const QColor colour = widget->palette().color(QPalette::WindowText);
    return colour == Qt::darkGreen ? 'g' : colour == Qt::red ? 'r' : '?';
}

// The review page of the evaluation, a line per question: "text|" and per answer its text,
// + or - for chosen or not (box and bold text agreeing), T or F and + or - of its mark, and g
// or r for its colour; then the verdict and its colour.
QStringList reviewLines(QWidget *evaluation)
{
    press(evaluation, "pbReview");
    QStringList lines;
    for (QWidget *block : evaluation->findChildren<QWidget *>("reviewQuestion")) {
        QString line = child<QLabel>(block, "tlReviewQuestion")->text() + '|';
        const auto answers = block->findChildren<QLabel *>("tlReviewAnswer");
        const auto chosen = block->findChildren<QCheckBox *>("cbChosen");
        const auto marks = block->findChildren<QLabel *>("tlReviewMark");
        for (int row = 0; row < answers.size(); ++row) {
            const bool bold = answers[row]->font().bold();
            line += QStringLiteral("%1%2%3%4 ")
                        .arg(answers[row]->text())
                        .arg(chosen[row]->isChecked() == bold ? (bold ? '+' : '-') : '?')
                        .arg(markOf(marks[row]))
                        .arg(colourOf(answers[row]));
        }
        auto *verdict = child<QLabel>(block, "tlReviewVerdict");
        lines << line + verdict->text() + colourOf(verdict);
    }
    return lines;
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
        QCOMPARE(child<QLabel>(quiz, "tlCurrentQuestionNumber")->text(),
                 QStringLiteral("%1 / %2").arg(i + 1).arg(answers.size()));
        QCOMPARE(child<QLabel>(quiz, "tlCurrentQuestionCategory")->text(), "Cat1 EN");
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
        // The verdict signed and coloured, beyond its words.
        QCOMPARE(shown, QStringList{answer == 'r' ? "✓ You answered the question correctly!"
                                                  : "✗ You answered the question wrongly!"} +
                            expectedExplanations);
        QCOMPARE(colourOf(result->layout()->itemAt(0)->widget()), answer == 'r' ? 'g' : 'r');
        press(quiz, "pbForward");
    }
}
} // namespace

// The quiz: its random draws, and the quiz as a learner meets it: settings, questions with
// their answers, countdown, verdict in view, keyboard, cancel window, evaluation and review.
class TestQuiz : public QObject
{
    Q_OBJECT

private slots:
    void drawsAreDistinctAndUniform_data()
    {
        QTest::addColumn<bool>("answerRows"); // arranges `count` rows instead of drawing
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

    void drawsAreDistinctAndUniform()
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
            const QSet<int> distinct(drawn.cbegin(), drawn.cend());
            QVERIFY(drawn.size() == size && distinct.size() == size &&
                    QSet<int>(candidates.cbegin(), candidates.cend()).contains(distinct));
            ++seen[drawn];
        }
        // About 31 draws of standard deviation: 15 % off is far beyond chance.
        QVERIFY(outcomes == 0 || seen.size() == outcomes);
        for (int times : seen)
            QVERIFY(outcomes == 0 || qAbs(times - perOutcome) < perOutcome * 15 / 100);
    }

    // The practice draws. A memory is {id, stability, days since its answer, days until due};
    // the expected draw is a list of groups asked one after the other, each in any order and
    // cut off where the draw ends.
    void practiceDraws_data()
    {
        using Groups = QList<QList<int>>;
        using Memories = QList<QList<double>>;
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("candidates");
        QTest::addColumn<QList<int>>("mistakes");
        QTest::addColumn<Memories>("memories");
        QTest::addColumn<int>("count");
        QTest::addColumn<Groups>("expected");
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<int>>("dueAndNew");
        const int due = LearningStore::DueAndWeakestFirst;
        const int mistakes = LearningStore::MistakesOfLastQuiz;
        // By retrievability 2, 3, 1; by due time 3, 2, 1; by id 1, 2, 3.
        const Memories threeDue{{1, 10, 5, -1}, {2, 2, 5, -3}, {3, 10, 20, -10}};
        QTest::newRow("due, lowest retrievability first")
            << due << QList<int>{1, 2, 3, 4} << QList<int>{} << threeDue << 0
            << Groups{{2}, {3}, {1}, {4}} << 4 << QList<int>{3, 1};
        QTest::newRow("due exactly now, before a weaker one not yet due")
            << due << QList<int>{2, 1} << QList<int>{} << Memories{{1, 10, 1, 0}, {2, 1, 5, 1}} << 0
            << Groups{{1}, {2}} << 2 << QList<int>{1, 0};
        QTest::newRow("equal retrievability by id")
            << due << QList<int>{9, 4} << QList<int>{} << Memories{{9, 3, 4, -1}, {4, 3, 4, -1}}
            << 0 << Groups{{4}, {9}} << 2 << QList<int>{2, 0};
        const Memories dueAndRest{{1, 10, 5, -1}, {2, 5, 3, 1}};
        QTest::newRow("never answered after the due ones, at random")
            << due << QList<int>{7, 1, 5, 6, 2} << QList<int>{} << dueAndRest << 0
            << Groups{{1}, {5, 6, 7}, {2}} << 5 << QList<int>{1, 3};
        QTest::newRow("count cuts the never answered")
            << due << QList<int>{7, 1, 5, 6, 2} << QList<int>{} << dueAndRest << 2
            << Groups{{1}, {5, 6, 7}} << 2 << QList<int>{1, 3};
        QTest::newRow("rest, lowest retrievability first")
            << due << QList<int>{1, 2, 3, 4} << QList<int>{}
            << Memories{{1, 30, 10, 5}, {2, 5, 3, 1}, {3, 100, 1, 50}} << 0
            << Groups{{4}, {2}, {1}, {3}} << 4 << QList<int>{0, 1};
        QTest::newRow("duplicates count once")
            << due << QList<int>{3, 3, 1, 5, 1, 5} << QList<int>{}
            << Memories{{3, 2, 4, -1}, {1, 10, 1, 5}} << 10 << Groups{{3}, {5}, {1}} << 3
            << QList<int>{1, 1};
        QTest::newRow("no candidate") << due << QList<int>{} << QList<int>{4} << threeDue << 5
                                      << Groups{} << 0 << QList<int>{0, 0};
        QTest::newRow("all at random ignores the memories")
            << int(LearningStore::AllAtRandom) << QList<int>{1, 2, 4} << QList<int>{4} << threeDue
            << 0 << Groups{{1, 2, 4}} << 3 << QList<int>{2, 1};
        QTest::newRow("mistakes, at most count, whatever the categories")
            << mistakes << QList<int>{1, 2} << QList<int>{4, 5, 6, 7} << threeDue << 2
            << Groups{{4, 5, 6, 7}} << 2 << QList<int>{2, 0};
        QTest::newRow("mistakes, fewer than count")
            << mistakes << QList<int>{} << QList<int>{5, 4, 5} << Memories{} << 10 << Groups{{4, 5}}
            << 2 << QList<int>{0, 0};
        QTest::newRow("no mistakes") << mistakes << QList<int>{1, 2} << QList<int>{} << threeDue
                                     << 3 << Groups{} << 0 << QList<int>{2, 0};
    }

    void practiceDraws()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, candidates);
        QFETCH(QList<int>, mistakes);
        QFETCH(QList<QList<double>>, memories);
        QFETCH(int, count);
        QFETCH(QList<QList<int>>, expected);
        QFETCH(int, size);
        QFETCH(QList<int>, dueAndNew);
        const qint64 now = qint64(1718000000000);
        QHash<int, Fsrs::Memory> memoryOf;
        for (const QList<double> &row : memories) {
            Fsrs::Memory memory;
            memory.stability = row[1];
            memory.lastAnswerMs = now - qint64(row[2] * Fsrs::dayMs);
            memory.dueMs = now + qint64(row[3] * Fsrs::dayMs);
            memoryOf.insert(int(row[0]), memory);
        }
        const Fsrs model;
        RandomSource random;
        QSet<QList<int>> outcomes;
        for (qint64 seed = 1; seed <= 30; ++seed) {
            random.setClock([seed] { return seed; });
            random.reseedFromClock();
            const QList<int> drawn =
                PracticeDraw::draw(mode, candidates, mistakes, memoryOf, now, count, model, random);
            QCOMPARE(drawn.size(), size);
            int at = 0;
            for (const QList<int> &group : expected) {
                const int taken = qMin(int(group.size()), size - at);
                const QList<int> part = drawn.mid(at, taken);
                const QSet<int> got(part.cbegin(), part.cend());
                QVERIFY(got.size() == taken &&
                        QSet<int>(group.cbegin(), group.cend()).contains(got));
                at += taken;
            }
            outcomes.insert(drawn);
        }
        // A group with a choice in it is drawn at random, not always the same way.
        const bool choice = std::any_of(expected.cbegin(), expected.cend(),
                                        [](const QList<int> &group) { return group.size() > 1; });
        QCOMPARE(outcomes.size() > 1, choice);
        const PracticeDraw::Counts counts = PracticeDraw::counts(candidates, memoryOf, now);
        QCOMPARE(QList<int>({counts.due, counts.neverAnswered}), dueAndNew);
    }

    void settingsPresetFromTheStore_data()
    {
        QTest::addColumn<QList<int>>("stored"); // number, time, category ids
        QTest::addColumn<QList<int>>("shown");  // number, time or -1 when hidden, checked ids
        QTest::newRow("no time limit") << QList<int>{12, 0, 3, 2} << QList<int>{12, -1, 2, 3};
        QTest::newRow("clamped from above") << QList<int>{45, 120} << QList<int>{30, 99};
        QTest::newRow("clamped from below, unknown id")
            << QList<int>{0, 3, 9, 3} << QList<int>{1, 5, 3};
    }

    void settingsPresetFromTheStore()
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
        QLCDNumber *number = display(screen, "sfQuestionNumber");
        QTRY_VERIFY(number->height() >= 30); // legible
        const bool timeShown = child(screen, "sfTimePerQuestion")->isVisible();
        QCOMPARE(child<QCheckBox>(screen, "cbTime")->isChecked(), timeShown);
        QCOMPARE(QList<int>({number->intValue(),
                             timeShown ? display(screen, "sfTimePerQuestion")->intValue() : -1}) +
                     child<CheckBoxSelection>(screen, "categorySelection")->getSelectedIds(),
                 shown);
        // Leaving through the menu button stores nothing, not even the clamped values.
        press(screen, "pbMenu");
        QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings")),
                 QStringList{QStringLiteral("%1|%2").arg(stored.at(0)).arg(stored.at(1))});
    }

    // An empty catalogue is named as such, with the sample catalogue offered where it is
    // found; importing it stores all of it or nothing and shows its categories.
    void emptyCatalogueOffersTheSample_data()
    {
        QTest::addColumn<QString>("sample"); // "": the shipped one; "-": none found; else text
        QTest::addColumn<bool>("seeded");
        QTest::addColumn<QString>("line");   // how what the screen says starts; "" nothing
        QTest::addColumn<int>("categories"); // after the import; -1: not offered
        const QString empty = "The catalogue is empty.";
        QTest::newRow("shipped sample") << "" << false << empty << 6;
        QTest::newRow("sample refused") << "K;K;K\n" << false << empty << 0;
        QTest::newRow("no sample")
            << "-" << false
            << empty + " Questions are added in the management area: \"Manage questions\"" << -1;
        QTest::newRow("questions there") << "" << true << "" << -1;
    }

    void emptyCatalogueOffersTheSample()
    {
        QFETCH(QString, sample);
        QFETCH(bool, seeded);
        QFETCH(QString, line);
        QFETCH(int, categories);
        TestWorkspace workspace;
        workspace.provision();
        if (seeded)
            seedCatalogue(workspace, 1, {1});
        if (!sample.isEmpty())
            SampleCatalogue::setPlaces(
                {sample == "-" ? "missing.csv" : writeFile("sample.csv", sample.toUtf8())});
        const auto usualPlaces = qScopeGuard([] { SampleCatalogue::setPlaces({}); });
        Controller controller;
        controller.show();
        controller.showQuizSettings();
        QWidget *screen = currentScreen(&controller);
        auto *said = child<QLabel>(screen, "tlEmptyCatalogue");
        QCOMPARE(said->isVisible() ? said->text().left(line.size()) : QString(), line);
        QCOMPARE(child(screen, "pbImportSample")->isVisible(), categories >= 0);
        if (categories < 0)
            return;

        const QStringList before = workspace.snapshot();
        press(screen, "pbImportSample");
        screen = currentScreen(&controller);
        said = child<QLabel>(screen, "tlEmptyCatalogue");
        QCOMPARE(child(screen, "categorySelection")->findChildren<CheckBox *>().size(), categories);
        if (categories == 0) {
            QCOMPARE(workspace.snapshot(), before);
            QCOMPARE(said->text(), "The sample catalogue could not be imported.");
            return;
        }
        QCOMPARE(workspace.query("SELECT count(*) FROM question"), QStringList{"42"});
        QVERIFY2(said->text().startsWith("42 question") && said->text().contains(" into 6 categor"),
                 qPrintable(said->text()));
        QVERIFY(!child(screen, "pbImportSample")->isVisible());
    }

    // The practice mode is kept with the other settings; the counts follow the categories;
    // the mistakes mode needs no category but a last quiz with mistakes.
    void practiceModeAndCounts()
    {
        TestWorkspace workspace;
        workspace.provision();
        // Cat1: Q1, Q2, Q3; Cat2: Q4, Q5.
        seedCatalogue(workspace, 2, {1, 1, 1, 2, 2});
        storeQuizSettings(workspace, 2, 0, {1, 2});
        Controller controller;
        controller.show();
        LearningStore &learning = controller.learning();
        qint64 now = qint64(1718000000000);
        learning.setClock([&now] { return now; });
        // Q4 due again after two days; Q2 answered wrong in the last run, due tomorrow;
        // Q1, Q3 and Q5 never answered.
        int run = 0;
        QVERIFY(learning.record(run, {4, now - 10 * Fsrs::dayMs, {41}, true, false, 900, 2}));
        QVERIFY(learning.record(run, {2, now - Fsrs::dayMs / 2, {22}, false, false, 900, 2}));

        controller.showQuizSettings();
        QWidget *screen = currentScreen(&controller);
        auto *mode = child<QComboBox>(screen, "cbQuizMode");
        auto *counts = child<QLabel>(screen, "tlPracticeCounts");
        QCOMPARE(mode->currentIndex(), int(LearningStore::AllAtRandom));
        QCOMPARE(counts->text(), "Due now: 1 · Never answered: 3");
        const QList<CheckBox *> boxes =
            child(screen, "categorySelection")->findChildren<CheckBox *>();
        pressText(boxes[0]);
        QCOMPARE(counts->text(), "Due now: 1 · Never answered: 1");
        pressText(boxes[1]);
        QCOMPARE(counts->text(), "Due now: 0 · Never answered: 0");

        // No category, yet the mistakes of the last quiz start a quiz of Q2 alone; the mode
        // is kept. Answered right, that quiz leaves no mistakes.
        mode->setCurrentIndex(LearningStore::MistakesOfLastQuiz);
        press(screen, "pbStart");
        QCOMPARE(learning.quizMode(), int(LearningStore::MistakesOfLastQuiz));
        QStringList asked;
        answerQuiz(controller, "r", asked);
        QCOMPARE(asked, QStringList{"Q2 EN"});

        controller.showQuizSettings();
        screen = currentScreen(&controller);
        QCOMPARE(child<QComboBox>(screen, "cbQuizMode")->currentIndex(),
                 int(LearningStore::MistakesOfLastQuiz));
        auto *noMistakes = child<QLabel>(screen, "tlNoMistakes");
        QVERIFY(!noMistakes->isVisible());
        press(screen, "pbStart");
        QCOMPARE(currentScreen(&controller), screen);
        QVERIFY(noMistakes->isVisible());
        QCOMPARE(noMistakes->text(), "The last quiz had no mistakes.");
    }

    void judgingEveryCheckPattern_data()
    {
        QTest::addColumn<int>("trueCount");
        QTest::addColumn<int>("count");
        QTest::newRow("no answer") << 0 << 0;
        for (int trueCount = 0; trueCount <= 4; ++trueCount)
            QTest::addRow("%d of 4 true", trueCount) << trueCount << 4;
    }

    void judgingEveryCheckPattern()
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

        // After the check every text is coloured by its truth, whatever was checked, in
        // every colour group, so the disabled rows keep it; beside it a sign says true or
        // false, and chosen rows are bold. Disabled rows no longer toggle. Every second row
        // is unchecked again first, so both kinds of choice are there.
        const QList<CheckBox *> boxes = answerBoxes(&widget);
        for (int row = 1; row < boxes.size(); row += 2)
            pressText(boxes[row]);
        widget.showRightAndWrongAnswers();
        widget.setAnswersEnabled(false);
        const auto marks = widget.findChildren<QLabel *>("tlMark");
        QCOMPARE(marks.size(), boxes.size());
        for (int row = 0; row < boxes.size(); ++row) {
            CheckBox *box = boxes[row];
            const QPalette palette = box->findChild<QLabel *>()->palette();
            const bool isTrue = textOf(box).startsWith(QLatin1String("right"));
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                QCOMPARE(palette.color(group, QPalette::WindowText),
                         QColor(isTrue ? Qt::darkGreen : Qt::red));
            const bool chosen = row % 2 == 0;
            QCOMPARE(markOf(marks[row]), QString(isTrue ? "T" : "F") + (chosen ? "+" : "-"));
            QCOMPARE(colourOf(marks[row]), isTrue ? 'g' : 'r');
            QCOMPARE(box->findChild<QLabel *>()->font().bold(), chosen);
            pressText(box);
            QCOMPARE(box->isChecked(), chosen);
        }
    }

    void wholeQuizFromTheSettingsThenRestart()
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

        // Switching the limit off and on again starts from 25 seconds, not the stored 30.
        auto *cbTime = child<QCheckBox>(settings, "cbTime");
        cbTime->click();
        QVERIFY(!child(settings, "sfTimePerQuestion")->isVisible());
        cbTime->click();
        QCOMPARE(display(settings, "sfTimePerQuestion")->intValue(), 25);
        cbTime->click();
        child(settings, "sfQuestionNumber")->findChild<QSlider *>()->setValue(25);
        // No category checked: the caption turns red and nothing is stored.
        const auto boxes = child(settings, "categorySelection")->findChildren<CheckBox *>();
        pressText(boxes.at(1));
        press(settings, "pbStart");
        QCOMPARE(currentScreen(&controller), settings.data());
        QCOMPARE(child<QLabel>(settings, "tlCategories")->palette().color(QPalette::WindowText),
                 QColor(Qt::red));
        QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings")),
                 QStringList{"1|30"});
        // Stored in display order, whatever the click order.
        pressText(boxes.at(2));
        pressText(boxes.at(0));
        press(settings, "pbStart");
        QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings")),
                 QStringList{"25|0"});
        QCOMPARE(workspace.query("SELECT * FROM quiz_settings_current_category_id"),
                 QStringList({"1", "3"}));

        QStringList asked;
        answerQuiz(controller, QStringLiteral("rwrrwrwr"), asked);
        // All eight of Cat1, none twice, in the order the clock's seed gives.
        QCOMPARE(asked, expectedQuestions(25, 1000));
        QCOMPARE(evaluationTexts(currentScreen(&controller)),
                 QStringList(
                     {"25", "Unlimited", "Cat1 EN; Cat3 EN; ", "5 / 8", "62.5 %", "0 s", "0 s"}));
        // Without a limit no time runs out.
        QCOMPARE(reviewLines(currentScreen(&controller)).filter("time").size(), 0);

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

        // With no question to ask, the evaluation the quiz requests while it is built stays
        // on display, without dividing by zero.
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

    void verdictInViewAfterTheCheck_data()
    {
        QTest::addColumn<int>("repeat"); // how often each text is repeated; 1 fits the window
        QTest::newRow("fits the window") << 1;
        QTest::newRow("too long for the window") << 18;
    }

    void verdictInViewAfterTheCheck()
    {
        QFETCH(int, repeat);
        // German, the longest of the three, for the question and the explanations of its
        // two true answers.
        const QString text = QStringLiteral("Die Donau fließt durch zehn Länder, mehr als jeder "
                                            "andere Fluss, und mündet ins Schwarze Meer. ")
                                 .repeated(repeat)
                                 .trimmed();
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 1, {1});
        storeQuizSettings(workspace, 1, 0, {1});
        workspace.execute(
            {"UPDATE settings SET current_country_code = 'DE', current_lang_id = 1",
             "UPDATE question_lang SET question_text = '" + text + "'",
             "UPDATE answer_lang SET explanation_text = '" + text + "' WHERE answer_id < 13"});
        Controller controller; // at its default size
        controller.show();
        controller.showQuiz();
        QWidget *quiz = currentScreen(&controller);
        auto *area = child<QScrollArea>(quiz, "mainScrollArea");
        // Whether the whole of the widget lies in the visible part of the scroll area.
        auto inView = [area](QWidget *widget) {
            const QRect shown(widget->mapTo(area->viewport(), QPoint()), widget->size());
            return widget->isVisible() && area->viewport()->rect().contains(shown);
        };
        const bool fits = repeat == 1;
        QTRY_COMPARE(area->verticalScrollBar()->isVisible(), !fits);
        // The question uses the width of the window, not a narrow middle column.
        QVERIFY(child(quiz, "questionAnswerWidget")->width() > area->viewport()->width() * 9 / 10);

        press(quiz, "pbForward");
        const auto result = child(quiz, "answerExplanationWidget")->findChildren<QLabel *>();
        QCOMPARE(result.size(), 3); // the verdict, then the two explanations
        QTRY_VERIFY(inView(result.at(0)));
        if (fits) {
            QVERIFY(inView(result.at(1)) && inView(result.at(2)));
            QVERIFY(!area->verticalScrollBar()->isVisible());
        }
    }

    // A cancel window belongs to its quiz: "Yes" ends that quiz, and a quiz that ends on its
    // own takes its window with it.
    void cancelWindow()
    {
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 1, {1, 1});
        storeQuizSettings(workspace, 2, 2, {1});
        Controller controller;
        controller.show();
        QSignalSpy quitted(&controller, &Controller::quizQuitted);
        controller.showQuiz();
        QPointer<QWidget> quiz = currentScreen(&controller);
        // The display counts down from the limit.
        QTRY_VERIFY(display(quiz, "countdown")->intValue() < 2);
        press(quiz, "pbCancel");
        QPointer<CancelWindow> window = shownWindow<CancelWindow>();
        QVERIFY(window);
        for (int check = 0; check < 4; ++check)
            press(quiz, "pbForward");
        QWidget *evaluation = currentScreen(&controller);
        QVERIFY(!window || !window->isVisible());
        // Even a "Yes" that still reaches the closed window ends nothing.
        if (window)
            child<QAbstractButton>(window, "pbYes")->click();
        QCOMPARE(currentScreen(&controller), evaluation);
        QCOMPARE(quitted.count(), 0);
        QTRY_VERIFY(window.isNull());

        controller.showQuiz();
        quiz = currentScreen(&controller);
        auto *countdown = child<Countdown>(quiz, "countdown");
        // Per quizQuitted: window still open, quiz still shown, countdown stopped.
        QList<bool> whenQuitted;
        connect(&controller, &Controller::quizQuitted, this, [&] {
            whenQuitted << (window && window->isVisible()) << (currentScreen(&controller) == quiz)
                        << (quiz && !countdown->isRunning());
        });
        press(quiz, "pbCancel");
        window = shownWindow<CancelWindow>();
        QVERIFY(window);
        press(window, "pbYes");
        QCOMPARE(whenQuitted, QList<bool>({true, true, true}));
        QVERIFY(quiz.isNull());
        QVERIFY(qobject_cast<Menu *>(currentScreen(&controller)));
        QTRY_VERIFY(window.isNull());
    }

    void keysDriveAWholeQuizThenTheReviewListsIt()
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
        // The settings keep at least five seconds; this run has one, so it is started
        // directly.
        storeQuizSettings(workspace, 3, 1, {1});
        controller.showQuiz();
        QWidget *quiz = currentScreen(&controller);
        QWidget *result = child(quiz, "answerExplanationWidget");

        // Per question, as the review is to list it.
        QStringList expected;
        int correct = 0;
        for (int asked = 1; asked <= 3; ++asked) {
            QWidget *question = child(quiz, "questionAnswerWidget");
            const QList<CheckBox *> rows = answerBoxes(question);
            QList<int> trueRows, falseRows; // numbered as shown
            for (int row = 0; row < rows.size(); ++row)
                (textOf(rows[row]).startsWith("right") ? trueRows : falseRows) << row + 1;
            // The true rows; a false one, then the time runs out; row 1 twice and the last
            // row, on the keypad.
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
                line += QStringLiteral("%1: %2%3%4%3%5 ")
                            .arg(row)
                            .arg(textOf(rows[row - 1]))
                            .arg(chosen ? '+' : '-')
                            .arg(trueRows.contains(row) ? 'T' : 'F')
                            .arg(trueRows.contains(row) ? 'g' : 'r');
            }
            correct += right;
            expected << line + (right ? "✓ Answered correctly." : "✗ Answered wrongly.") +
                            (asked == 2 ? " The time ran out." : "") + (right ? 'g' : 'r');

            if (asked == 2) {
                // Escape asks; Enter in the window is its default "No", and the quiz goes on.
                key(Qt::Key_Escape);
                QPointer<CancelWindow> window = shownWindow<CancelWindow>();
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
        QCOMPARE(child<QLabel>(evaluation, "tlCorrect")->text(),
                 QStringLiteral("%1 / 3").arg(correct));
        QCOMPARE(reviewLines(evaluation), expected);
        QVERIFY(child(evaluation, "saReview")->isVisible());
        press(evaluation, "pbBackToEvaluation");
        QVERIFY(child(evaluation, "tlCorrect")->isVisible());
    }
};

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
