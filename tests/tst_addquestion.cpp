#include "addanswerwidget.h"
#include "addquestion.h"
#include "controller.h"
#include "multilanguageedit.h"
#include "radiobuttonselection.h"
#include "testworkspace.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The add-question form: switching, validation with red marking, and what a press on
// "&Add" stores.
class TestAddQuestion : public QObject
{
    Q_OBJECT

private slots:
    void startsEmptyAndKeepsOneCategoryModeAndOneAnswerShown();
    void addMarksEveryBadInputAndClearsCorrectedOnes_data();
    void addMarksEveryBadInputAndClearsCorrectedOnes();
    void storedRowsReadBackExactly_data();
    void storedRowsReadBackExactly();
    void explanationHiddenByUncheckingIsStoredWithTheFalseAnswer();
    void newCategoryIsStoredAndOfferedByTheNextForm();
    void failedStoreKeepsDatabaseAndInput_data();
    void failedStoreKeepsDatabaseAndInput();
};

namespace {
const QStringList markable{"rbCategories", "rbAddNewCategory", "tlQuestion", "rbAnswer1",
                           "rbAnswer2",    "rbAnswer3",        "rbAnswer4"};
const QStringList catalogueTables{"category", "category_lang", "question",       "question_lang",
                                  "answer",   "answer_lang",   "question_answer"};

// Two categories with gaps in every id range: the next question is 2, the next answers
// 5, 10, 11 and 12.
void seedCatalogue(const TestWorkspace &ws)
{
    ws.execute({"INSERT INTO category VALUES (1), (3)",
                "INSERT INTO category_lang VALUES (1, 1, 'Geschichte'), (1, 2, 'History'), "
                "(1, 3, 'Ajalugu'), (3, 1, 'Erdkunde'), (3, 2, 'Geography'), (3, 3, 'Geograafia')",
                "INSERT INTO question VALUES (1, 1), (3, 3)",
                "INSERT INTO question_lang VALUES (1, 1, 'q1'), (1, 2, 'q1'), (1, 3, 'q1'), "
                "(3, 1, 'q3'), (3, 2, 'q3'), (3, 3, 'q3')",
                "INSERT INTO answer VALUES (1), (2), (3), (4), (6), (7), (8), (9)",
                "INSERT INTO question_answer VALUES (1, 1, 'true'), (2, 1, 'false'), "
                "(3, 1, 'false'), (4, 1, 'false'), (6, 3, 'true'), (7, 3, 'false'), "
                "(8, 3, 'false'), (9, 3, 'false')"});
}

QStringList snapshot(const TestWorkspace &ws)
{
    QStringList rows;
    for (const QString &table : catalogueTables) {
        QStringList tableRows = ws.query("SELECT * FROM " + table);
        tableRows.sort();
        for (const QString &row : qAsConst(tableRows))
            rows << table + ": " + row;
    }
    return rows;
}

// Radio buttons and check boxes take clicks only on their indicator and text, which
// needs a laid-out window; tests click on the indicator at the left, as a user would.
void showLaidOut(Controller &controller)
{
    controller.show();
    if (!QTest::qWaitForWindowExposed(&controller))
        qFatal("window not shown");
}

void press(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                      QPoint(qMin(8, button->width() / 2), button->height() / 2));
}

bool isRed(const QWidget *widget)
{
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (widget->palette().color(group, QPalette::WindowText) != QColor(Qt::red))
            return false;
    }
    return true;
}

// The form as a user sees it, reached by object name.
struct Form
{
    explicit Form(Controller &controller)
        : screen(qobject_cast<AddQuestion *>(currentScreen(&controller)))
    {
        if (!screen)
            qFatal("the add-question form is not shown");
    }

    template <typename T> T *get(const QString &name) const
    {
        auto *widget = screen->findChild<T *>(name);
        if (!widget)
            qFatal("no %s", qPrintable(name));
        return widget;
    }
    void click(const QString &name) const { press(get<QAbstractButton>(name)); }
    AddAnswerWidget *answer(int number) const
    {
        auto *widget = qobject_cast<AddAnswerWidget *>(
            get<QGroupBox>("gbAnswers")->layout()->itemAt(number - 1)->widget());
        if (!widget)
            qFatal("no answer %d", number);
        return widget;
    }
    MultiLanguageEdit *edit(const QString &path) const
    {
        // "question", "category", "answer<n>" or "explanation<n>"
        if (path.startsWith("answer"))
            return answer(path.mid(6).toInt())->findChild<MultiLanguageEdit *>("mleAnswer");
        if (path.startsWith("explanation"))
            return answer(path.mid(11).toInt())->findChild<MultiLanguageEdit *>("mleExplanation");
        return get<MultiLanguageEdit>(path == "question" ? "mleQuestion" : "mleCategory");
    }
    void type(const QString &path, const QStringList &texts) const
    {
        const QStringList fields{"leDE", "leEN", "leEE"};
        for (int i = 0; i < 3; ++i) {
            auto *line = edit(path)->findChild<QLineEdit *>(fields.at(i));
            line->clear();
            // keyClicks knows only ASCII keys; other letters arrive as the text of a key.
            for (QChar letter : texts.at(i))
                QTest::sendKeyEvent(QTest::Click, line, Qt::Key_unknown, QString(letter),
                                    Qt::NoModifier);
        }
    }
    QStringList typed(const QString &path) const
    {
        const MultiLanguageEdit *mle = edit(path);
        return {mle->getDEText(), mle->getENText(), mle->getEEText()};
    }
    void markTrue(int number) const
    {
        click(QStringLiteral("rbAnswer%1").arg(number));
        press(answer(number)->findChild<QCheckBox *>("cbAnswerTrue"));
    }
    void chooseCategory(const QString &name) const
    {
        click("rbCategories");
        const auto buttons =
            get<RadioButtonSelection>("categorySelection")->findChildren<QRadioButton *>();
        for (QRadioButton *button : buttons) {
            if (button->text() == name)
                press(button);
        }
    }
    // Every text filled, in every answer the explanation too.
    void fillValid(bool withCategory) const
    {
        if (withCategory)
            chooseCategory("Geography");
        type("question", {"Frage", "Question", "Küsimus"});
        for (int n = 1; n <= 4; ++n) {
            type(QStringLiteral("answer%1").arg(n), {"a", "b", "c"});
            type(QStringLiteral("explanation%1").arg(n), {"x", "y", "z"});
        }
    }
    QStringList red() const
    {
        QStringList names;
        for (const QString &name : markable) {
            if (isRed(get<QWidget>(name)))
                names << name;
        }
        return names;
    }
    bool visible(QWidget *widget) const { return widget->isVisibleTo(screen); }

    AddQuestion *screen;
};
} // namespace

void TestAddQuestion::startsEmptyAndKeepsOneCategoryModeAndOneAnswerShown()
{
    TestWorkspace ws;
    ws.provision();
    seedCatalogue(ws);
    Controller controller;
    showLaidOut(controller);
    controller.showAddQuestion();
    QCOMPARE(controller.windowTitle(), QStringLiteral("Add questions"));
    Form form(controller);
    auto *categories = form.get<QRadioButton>("rbCategories");
    auto *newCategory = form.get<QRadioButton>("rbAddNewCategory");
    QWidget *list = form.get<QWidget>("saCategories");
    QWidget *names = form.get<QWidget>("mleCategory");
    auto categoryState = [&] {
        return QList<bool>{categories->isChecked(), newCategory->isChecked(), form.visible(list),
                           form.visible(names)};
    };
    auto shownAnswers = [&] {
        QList<int> shown;
        for (int n = 1; n <= 4; ++n) {
            if (form.visible(form.answer(n)) &&
                form.get<QRadioButton>(QStringLiteral("rbAnswer%1").arg(n))->isChecked())
                shown << n;
            else if (form.visible(form.answer(n)) ||
                     form.get<QRadioButton>(QStringLiteral("rbAnswer%1").arg(n))->isChecked())
                shown << -n; // button and widget disagree
        }
        return shown;
    };

    QCOMPARE(categoryState(), (QList<bool>{true, false, true, false}));
    QCOMPARE(shownAnswers(), QList<int>{1});
    QCOMPARE(form.get<RadioButtonSelection>("categorySelection")->getSelectedId(), -1);
    const auto choices =
        form.get<RadioButtonSelection>("categorySelection")->findChildren<QRadioButton *>();
    QCOMPARE(choices.size(), 2);
    QCOMPARE(choices.at(0)->text() + "," + choices.at(1)->text(),
             QStringLiteral("History,Geography"));
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(!form.visible(form.edit(QStringLiteral("explanation%1").arg(n))));
        QVERIFY(!form.answer(n)->isAnswerTrue());
    }

    form.click("rbAddNewCategory");
    QCOMPARE(categoryState(), (QList<bool>{false, true, false, true}));
    form.click("rbAddNewCategory"); // clicking the checked one keeps it
    QCOMPARE(categoryState(), (QList<bool>{false, true, false, true}));
    form.click("rbCategories");
    form.click("rbCategories");
    QCOMPARE(categoryState(), (QList<bool>{true, false, true, false}));

    form.click("rbAnswer3");
    QCOMPARE(shownAnswers(), QList<int>{3});
    form.click("rbAnswer3");
    QCOMPARE(shownAnswers(), QList<int>{3});
    form.click("rbAnswer4");
    QCOMPARE(shownAnswers(), QList<int>{4});

    // The explanation follows the truth mark of its own answer only.
    auto *truthBox = form.answer(4)->findChild<QCheckBox *>("cbAnswerTrue");
    press(truthBox);
    QVERIFY(form.visible(form.edit("explanation4")));
    QVERIFY(form.visible(form.answer(4)->findChild<QLabel *>("tlExplanation")));
    QVERIFY(!form.edit("explanation3")->isVisibleTo(form.answer(3)));
    press(truthBox);
    QVERIFY(!form.visible(form.edit("explanation4")));
    QVERIFY(!form.visible(form.answer(4)->findChild<QLabel *>("tlExplanation")));
}

void TestAddQuestion::addMarksEveryBadInputAndClearsCorrectedOnes_data()
{
    QTest::addColumn<QString>("mode");    // "existing", "new", "none" or "empty form"
    QTest::addColumn<QString>("broken");  // edit and language index of the one changed text
    QTest::addColumn<QString>("text");    // the text it gets
    QTest::addColumn<int>("trueAnswer");  // answer marked true, 0 for none
    QTest::addColumn<QStringList>("red"); // inputs expected red after one press

    QTest::newRow("no category checked") << "none"
                                         << ""
                                         << "" << 0 << QStringList{"rbCategories"};
    QTest::newRow("new category with two names") << "new"
                                                 << "category:2"
                                                 << "" << 0 << QStringList{"rbAddNewCategory"};
    QTest::newRow("new category name with separator")
        << "new"
        << "category:0"
        << "Erd;kunde" << 0 << QStringList{"rbAddNewCategory"};
    QTest::newRow("question without English text") << "existing"
                                                   << "question:1"
                                                   << "" << 0 << QStringList{"tlQuestion"};
    QTest::newRow("question with separator") << "existing"
                                             << "question:2"
                                             << "a;b" << 0 << QStringList{"tlQuestion"};
    QTest::newRow("answer 3 without Estonian text") << "existing"
                                                    << "answer3:2"
                                                    << "" << 0 << QStringList{"rbAnswer3"};
    QTest::newRow("answer 4 with separator") << "existing"
                                             << "answer4:0"
                                             << ";" << 0 << QStringList{"rbAnswer4"};
    QTest::newRow("true answer 2 without explanation") << "existing"
                                                       << "explanation2:1"
                                                       << "" << 2 << QStringList{"rbAnswer2"};
    QTest::newRow("hidden explanation with separator") << "existing"
                                                       << "explanation1:0"
                                                       << "x;y" << 0 << QStringList{"rbAnswer1"};
    QTest::newRow("everything missing")
        << "empty form"
        << ""
        << "" << 0 << QStringList{"rbCategories", "tlQuestion", "rbAnswer1",
                                  "rbAnswer2",    "rbAnswer3",  "rbAnswer4"};
    // Accepted inputs, for contrast.
    QTest::newRow("false answer without explanation") << "existing"
                                                      << "explanation2:1"
                                                      << "" << 0 << QStringList{};
    QTest::newRow("texts of blanks") << "existing"
                                     << "question:0"
                                     << "  " << 0 << QStringList{};
    QTest::newRow("complete new category") << "new"
                                           << ""
                                           << "" << 0 << QStringList{};
}

void TestAddQuestion::addMarksEveryBadInputAndClearsCorrectedOnes()
{
    QFETCH(QString, mode);
    QFETCH(QString, broken);
    QFETCH(QString, text);
    QFETCH(int, trueAnswer);
    QFETCH(QStringList, red);
    TestWorkspace ws;
    ws.provision();
    seedCatalogue(ws);
    const QStringList before = snapshot(ws);
    Controller controller;
    showLaidOut(controller);
    controller.showAddQuestion();
    QPointer<AddQuestion> screen = Form(controller).screen;
    const Form form(controller);

    if (mode != "empty form") {
        form.fillValid(mode == "existing");
        if (mode == "new") {
            form.click("rbAddNewCategory");
            form.type("category", {"Neu", "New", "Uus"});
        }
        if (trueAnswer)
            form.markTrue(trueAnswer);
        if (!broken.isEmpty()) {
            const QStringList where = broken.split(':');
            QStringList texts = form.typed(where.at(0));
            texts[where.at(1).toInt()] = text;
            form.type(where.at(0), texts);
        }
    }
    form.click("pbAdd");

    if (red.isEmpty()) {
        QVERIFY(screen.isNull()); // stored and replaced by a fresh form
        QCOMPARE(ws.query("SELECT COUNT(*) FROM question"), QStringList{"3"});
        return;
    }
    QVERIFY(!screen.isNull());
    QCOMPARE(form.red(), red);
    QCOMPARE(snapshot(ws), before);

    QVERIFY(!form.visible(form.get<QLabel>("tlStoreFailed")));

    // Correcting these inputs while spoiling another: one press re-marks every input.
    form.fillValid(true);
    const QString spoiled = red == QStringList{"rbAnswer4"} ? "question" : "answer4";
    form.type(spoiled, {"", "b", "c"});
    form.click("pbAdd");
    QVERIFY(!screen.isNull());
    QCOMPARE(form.red(), QStringList{spoiled == "question" ? "tlQuestion" : "rbAnswer4"});
    QCOMPARE(snapshot(ws), before);

    // And once everything is right the question is stored.
    form.fillValid(true);
    form.click("pbAdd");
    QVERIFY(screen.isNull());
    QCOMPARE(ws.query("SELECT COUNT(*) FROM question WHERE category_id = 3"), QStringList{"2"});
}

void TestAddQuestion::storedRowsReadBackExactly_data()
{
    QTest::addColumn<QList<int>>("trueAnswers");
    QTest::addColumn<bool>("blanks");
    QTest::newRow("no true answer") << QList<int>{} << false;
    QTest::newRow("one true answer") << QList<int>{3} << false;
    QTest::newRow("two true answers") << QList<int>{1, 4} << false;
    QTest::newRow("four true answers") << QList<int>{1, 2, 3, 4} << false;
    QTest::newRow("texts of blanks") << QList<int>{2} << true;
}

void TestAddQuestion::storedRowsReadBackExactly()
{
    QFETCH(QList<int>, trueAnswers);
    QFETCH(bool, blanks);
    TestWorkspace ws;
    ws.provision();
    seedCatalogue(ws);
    const QStringList seeded = snapshot(ws);
    Controller controller;
    showLaidOut(controller);
    controller.showAddQuestion();
    const Form form(controller);
    const QStringList languages{"DE", "EN", "EE"};
    auto textOf = [&](const QString &what, int language) {
        return blanks ? QString(language + 1, QLatin1Char(' '))
                      : what + " " + languages.at(language) + " ä";
    };
    auto texts = [&](const QString &what) {
        return QStringList{textOf(what, 0), textOf(what, 1), textOf(what, 2)};
    };

    form.chooseCategory("Geography");
    form.type("question", texts("Q"));
    for (int n = 1; n <= 4; ++n) {
        form.click(QStringLiteral("rbAnswer%1").arg(n));
        form.type(QStringLiteral("answer%1").arg(n), texts(QStringLiteral("A%1").arg(n)));
        if (trueAnswers.contains(n)) {
            form.markTrue(n);
            form.type(QStringLiteral("explanation%1").arg(n), texts(QStringLiteral("E%1").arg(n)));
        }
    }
    form.click("pbAdd");

    QStringList expectedQuestionTexts;
    for (int l = 0; l < 3; ++l)
        expectedQuestionTexts << QStringLiteral("2|%1|%2").arg(l + 1).arg(textOf("Q", l));
    QStringList expectedAnswerTexts;
    QStringList expectedLinks;
    const QList<int> answerIds{5, 10, 11, 12}; // the lowest free ids, in order
    for (int n = 1; n <= 4; ++n) {
        const bool isTrue = trueAnswers.contains(n);
        for (int l = 0; l < 3; ++l) {
            expectedAnswerTexts << QStringLiteral("%1|%2|%3|%4")
                                       .arg(answerIds.at(n - 1))
                                       .arg(l + 1)
                                       .arg(textOf(QStringLiteral("A%1").arg(n), l))
                                       .arg(isTrue ? textOf(QStringLiteral("E%1").arg(n), l)
                                                   : QString());
        }
        expectedLinks
            << QStringLiteral("%1|2|%2").arg(answerIds.at(n - 1)).arg(isTrue ? "true" : "false");
    }
    QCOMPARE(ws.query("SELECT * FROM question WHERE question_id = 2"), QStringList{"2|3"});
    QCOMPARE(ws.query("SELECT * FROM question_lang WHERE question_id = 2 ORDER BY lang_id"),
             expectedQuestionTexts);
    QCOMPARE(ws.query("SELECT answer_id, lang_id, answer_text, IFNULL(explanation_text, '') "
                      "FROM answer_lang ORDER BY answer_id, lang_id"),
             expectedAnswerTexts);
    QCOMPARE(ws.query("SELECT * FROM question_answer WHERE question_id = 2 ORDER BY answer_id"),
             expectedLinks);
    QCOMPARE(ws.query("SELECT answer_id FROM answer WHERE answer_id IN (5, 10, 11, 12)"),
             (QStringList{"5", "10", "11", "12"}));
    // Nothing else changed.
    QCOMPARE(snapshot(ws).size(), seeded.size() + 1 + 3 + 4 + 12 + 4);
    for (const QString &row : seeded)
        QVERIFY2(snapshot(ws).contains(row), qPrintable(row));

    // A fresh, empty form follows.
    const Form next(controller);
    QVERIFY(next.screen != form.screen);
    QCOMPARE(next.typed("question"), (QStringList{"", "", ""}));
    QVERIFY(next.get<QRadioButton>("rbCategories")->isChecked());
    QVERIFY(next.get<QRadioButton>("rbAnswer1")->isChecked());
    QCOMPARE(next.get<RadioButtonSelection>("categorySelection")->getSelectedId(), -1);
}

void TestAddQuestion::explanationHiddenByUncheckingIsStoredWithTheFalseAnswer()
{
    TestWorkspace ws;
    ws.provision();
    seedCatalogue(ws);
    Controller controller;
    showLaidOut(controller);
    controller.showAddQuestion();
    const Form form(controller);
    form.fillValid(true);
    form.markTrue(3);
    form.type("explanation3", {"keep DE", "keep EN", "keep EE"});
    form.markTrue(3); // unchecked again: the explanation hides but keeps its text
    QVERIFY(!form.visible(form.edit("explanation3")));
    QCOMPARE(form.typed("explanation3"), (QStringList{"keep DE", "keep EN", "keep EE"}));
    form.click("pbAdd");
    QCOMPARE(ws.query("SELECT is_True FROM question_answer WHERE answer_id = 11"),
             QStringList{"false"});
    QCOMPARE(
        ws.query("SELECT explanation_text FROM answer_lang WHERE answer_id = 11 ORDER BY lang_id"),
        (QStringList{"keep DE", "keep EN", "keep EE"}));
}

void TestAddQuestion::newCategoryIsStoredAndOfferedByTheNextForm()
{
    TestWorkspace ws;
    ws.provision();
    seedCatalogue(ws);
    Controller controller;
    showLaidOut(controller);
    controller.showAddQuestion();
    const Form form(controller);
    form.fillValid(false);
    form.click("rbAddNewCategory");
    form.type("category", {"Sprachen", "Languages", "Keeled"});
    form.click("pbAdd");

    // The lowest free category id is 2.
    QCOMPARE(ws.query("SELECT * FROM category_lang WHERE category_id = 2 ORDER BY lang_id"),
             (QStringList{"2|1|Sprachen", "2|2|Languages", "2|3|Keeled"}));
    QCOMPARE(ws.query("SELECT category_id FROM question WHERE question_id = 2"), QStringList{"2"});
    const Form next(controller);
    QVERIFY(!next.visible(next.get<QWidget>("mleCategory")));
    next.fillValid(false);
    next.chooseCategory("Languages");
    QCOMPARE(next.get<RadioButtonSelection>("categorySelection")->getSelectedId(), 2);
    next.click("pbAdd");
    QCOMPARE(ws.query("SELECT question_id FROM question WHERE category_id = 2"),
             (QStringList{"2", "4"}));
}

void TestAddQuestion::failedStoreKeepsDatabaseAndInput_data()
{
    QTest::addColumn<bool>("newCategory");
    QTest::addColumn<QString>("failingTable");
    QTest::newRow("new category, its names fail") << true << "category_lang";
    QTest::newRow("new category, the question fails") << true << "question";
    QTest::newRow("answer texts fail") << false << "answer_lang";
    QTest::newRow("new category, the last link fails") << true << "question_answer";
}

void TestAddQuestion::failedStoreKeepsDatabaseAndInput()
{
    QFETCH(bool, newCategory);
    QFETCH(QString, failingTable);
    TestWorkspace ws;
    ws.provision();
    seedCatalogue(ws);
    // Only the last of the four links fails, so most of the writes have already happened.
    const QString when = failingTable == "question_answer" ? " WHEN NEW.answer_id = 12" : "";
    ws.execute({"CREATE TRIGGER fail BEFORE INSERT ON " + failingTable + when +
                " BEGIN SELECT RAISE(ABORT, 'refused'); END"});
    const QStringList before = snapshot(ws);
    Controller controller;
    showLaidOut(controller);
    controller.showAddQuestion();
    QPointer<AddQuestion> screen = Form(controller).screen;
    const Form form(controller);
    QLabel *failure = form.get<QLabel>("tlStoreFailed");
    QVERIFY(!form.visible(failure));

    form.fillValid(!newCategory);
    if (newCategory) {
        form.click("rbAddNewCategory");
        form.type("category", {"Neu", "New", "Uus"});
    }
    form.markTrue(2);
    form.click("rbAnswer3");
    const QStringList paths{"category",     "question",    "answer1",      "answer2",
                            "answer3",      "answer4",     "explanation1", "explanation2",
                            "explanation3", "explanation4"};
    QList<QStringList> typed;
    for (const QString &path : paths)
        typed << form.typed(path);

    form.click("pbAdd");

    QCOMPARE(snapshot(ws), before);
    QVERIFY(!screen.isNull());
    QCOMPARE(currentScreen(&controller), screen.data());
    QVERIFY(form.visible(failure));
    QVERIFY(isRed(failure));
    QCOMPARE(form.red(), QStringList{});
    for (int i = 0; i < paths.size(); ++i)
        QCOMPARE(form.typed(paths.at(i)), typed.at(i));
    QCOMPARE(form.get<QRadioButton>("rbAddNewCategory")->isChecked(), newCategory);
    QCOMPARE(form.get<RadioButtonSelection>("categorySelection")->getSelectedId(),
             newCategory ? -1 : 3);
    QVERIFY(form.answer(2)->isAnswerTrue());
    QVERIFY(form.get<QRadioButton>("rbAnswer3")->isChecked());

    // Once the cause is gone the same input is stored as a whole.
    ws.execute({"DROP TRIGGER fail"});
    form.click("pbAdd");
    QVERIFY(screen.isNull());
    QCOMPARE(ws.query("SELECT COUNT(*) FROM question_answer WHERE question_id = 2"),
             QStringList{"4"});
    QCOMPARE(ws.query("SELECT COUNT(*) FROM category"), QStringList{newCategory ? "3" : "2"});
}

QTEST_MAIN(TestAddQuestion)
#include "tst_addquestion.moc"
