#include "addanswerwidget.h"
#include "addquestion.h"
#include "checkbox.h"
#include "clickablelabel.h"
#include "controller.h"
#include "deletequestion.h"
#include "multilanguageedit.h"
#include "passwordcheck.h"
#include "radiobuttonselection.h"
#include "testworkspace.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

// Question management: password window, management menu, database editor, the
// add-question form and the delete screen, driven as a user drives them.
class TestManagement : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void passwordWindowLetsOnlyTheExactPasswordIn_data();
    void passwordWindowLetsOnlyTheExactPasswordIn();
    void twoPasswordWindowsWorkIndependently();
    void managementButtonsLeadToTheirScreensAndBack_data();
    void managementButtonsLeadToTheirScreensAndBack();
    void databaseEditorStartsWithoutWaiting();
    void addFormKeepsOneCategoryModeAndOneAnswerShown();
    void addMarksEveryBadInputAndClearsCorrectedOnes_data();
    void addMarksEveryBadInputAndClearsCorrectedOnes();
    void addedRowsReadBackExactly_data();
    void addedRowsReadBackExactly();
    void newCategoryAndHiddenExplanationAreStored();
    void failedAddKeepsDatabaseAndInput_data();
    void failedAddKeepsDatabaseAndInput();
    void deleteScreenGroupsQuestionsAndCountsChecks();
    void deletingLeavesNoOrphans();
    void deleteScreenOnAnEmptyCatalogue();
};

namespace {
const QString password = QStringLiteral("tarwe");
const QStringList codes{"DE", "EN", "EE"};

void showLaidOut(Controller &controller)
{
    // Radio buttons and check boxes take clicks only where they are drawn.
    controller.show();
    if (!QTest::qWaitForWindowExposed(&controller))
        qFatal("window not shown");
}

// Clicks near the left edge, on a radio button's or check box's indicator.
void press(QAbstractButton *button)
{
    if (!button)
        qFatal("no such button");
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                      QPoint(qMin(8, button->width() / 2), button->height() / 2));
}

void press(QWidget *screen, const QString &name)
{
    press(screen->findChild<QAbstractButton *>(name));
}

QString screenClass(Controller &controller)
{
    return QString::fromLatin1(currentScreen(&controller)->metaObject()->className());
}

QList<PasswordCheck *> openPasswordWindows()
{
    QList<PasswordCheck *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<PasswordCheck *>(widget); window && window->isVisible())
            windows << window;
    }
    return windows;
}

void enterPassword(PasswordCheck *window, const QString &text)
{
    auto *edit = window->findChild<QLineEdit *>();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Category c named "Cat<c> DE/EN/EE" with questions "Q<q> DE/EN/EE", each with the
// answers 10q+1 (true, explained) to 10q+4.
void seed(const TestWorkspace &ws, int c, const QList<int> &questions)
{
    const char *names = "INSERT INTO %s SELECT %d, lang_id, '%s%d ' || country_code FROM lang";
    QStringList sql{QString::asprintf("INSERT INTO category VALUES (%d)", c),
                    QString::asprintf(names, "category_lang", c, "Cat", c)};
    for (int q : questions) {
        sql << QString::asprintf("INSERT INTO question VALUES (%d, %d)", q, c)
            << QString::asprintf(names, "question_lang", q, "Q", q);
        for (int a = 10 * q + 1; a <= 10 * q + 4; ++a) {
            const bool right = a == 10 * q + 1;
            sql << QString::asprintf("INSERT INTO answer VALUES (%d)", a)
                << QString::asprintf("INSERT INTO question_answer VALUES (%d, %d, '%s')", a, q,
                                     right ? "true" : "false")
                << QString::asprintf(
                       "INSERT INTO answer_lang SELECT %d, lang_id, 'A', %s FROM lang", a,
                       right ? "'E'" : "NULL");
        }
    }
    ws.execute(sql);
}

QStringList snapshot(const TestWorkspace &ws)
{
    QStringList rows;
    for (const char *table : {"category", "category_lang", "question", "question_lang", "answer",
                              "answer_lang", "question_answer"}) {
        for (const QString &row : ws.query(QStringLiteral("SELECT * FROM ") + QLatin1String(table)))
            rows << QLatin1String(table) + QStringLiteral(": ") + row;
    }
    rows.sort();
    return rows;
}

bool isRed(const QWidget *widget)
{
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (widget->palette().color(group, QPalette::WindowText) != QColor(Qt::red))
            return false;
    }
    return true;
}

// The add-question form, reached by object names.
struct Form
{
    AddQuestion *screen;

    template <typename T = QWidget> T *get(const QString &name) const
    {
        return screen->findChild<T *>(name);
    }
    AddAnswerWidget *answer(int n) const
    {
        return qobject_cast<AddAnswerWidget *>(get("gbAnswers")->layout()->itemAt(n - 1)->widget());
    }
    // "question", "category", "answer<n>" or "explanation<n>"
    MultiLanguageEdit *edit(const QString &path) const
    {
        if (path.startsWith("answer"))
            return answer(path.right(1).toInt())->findChild<MultiLanguageEdit *>("mleAnswer");
        if (path.startsWith("explanation"))
            return answer(path.right(1).toInt())->findChild<MultiLanguageEdit *>("mleExplanation");
        return get<MultiLanguageEdit>(path == "question" ? "mleQuestion" : "mleCategory");
    }
    void type(const QString &path, const QStringList &texts) const
    {
        for (int i = 0; i < 3; ++i) {
            auto *line = edit(path)->findChild<QLineEdit *>("le" + codes[i]);
            line->clear();
            // keyClicks knows only ASCII keys; other letters arrive as a key's text.
            for (QChar letter : texts[i])
                QTest::sendKeyEvent(QTest::Click, line, Qt::Key_unknown, QString(letter),
                                    Qt::NoModifier);
        }
    }
    QStringList typed(const QString &path) const
    {
        return {edit(path)->getDEText(), edit(path)->getENText(), edit(path)->getEEText()};
    }
    void toggleTruth(int n) const
    {
        press(get<QRadioButton>(QStringLiteral("rbAnswer%1").arg(n)));
        press(answer(n)->findChild<QCheckBox *>("cbAnswerTrue"));
    }
    void chooseCategory(const QString &name) const
    {
        press(screen, "rbCategories");
        for (QRadioButton *button : get("categorySelection")->findChildren<QRadioButton *>()) {
            if (button->text() == name && !button->isChecked())
                press(button);
        }
    }
    // Every text filled, the explanations of every answer too.
    void fillValid(bool withCategory) const
    {
        if (withCategory)
            chooseCategory("Cat3 EN");
        type("question", {"Frage", "Question", "Küsimus"});
        for (const QString n : {"1", "2", "3", "4"}) {
            type("answer" + n, {"a", "b", "c"});
            type("explanation" + n, {"x", "y", "z"});
        }
    }
    QStringList red() const
    {
        QStringList names;
        for (const char *name : {"rbCategories", "rbAddNewCategory", "tlQuestion", "rbAnswer1",
                                 "rbAnswer2", "rbAnswer3", "rbAnswer4"}) {
            if (isRed(get(QLatin1String(name))))
                names << QLatin1String(name);
        }
        return names;
    }
    bool shows(const QString &name) const { return get(name)->isVisibleTo(screen); }
};

Form openAddForm(Controller &controller)
{
    showLaidOut(controller);
    controller.showAddQuestion();
    return Form{qobject_cast<AddQuestion *>(currentScreen(&controller))};
}

CheckBox *entry(QWidget *screen, const QString &text)
{
    for (CheckBox *box : screen->findChildren<CheckBox *>()) {
        if (box->findChild<ClickableLabel *>()->text() == text)
            return box;
    }
    qFatal("no entry %s", qPrintable(text));
}

QString count(QWidget *screen)
{
    return screen->findChild<QLabel *>("tlSelectedQuestions")->text();
}

QStringList groupTitles(QWidget *screen)
{
    QStringList titles;
    for (QGroupBox *group : screen->findChildren<QGroupBox *>())
        titles << group->title();
    return titles;
}
} // namespace

void TestManagement::cleanup()
{
    // A window a failed test left open must not answer for the next test.
    for (PasswordCheck *window : openPasswordWindows())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestManagement::passwordWindowLetsOnlyTheExactPasswordIn_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("right, by Enter") << password << true << true;
    QTest::newRow("right, by the button") << password << false << true;
    QTest::newRow("wrong") << "tarwo" << true << false;
    QTest::newRow("upper case") << "TARWE" << false << false;
    QTest::newRow("trailing blank") << "tarwe " << true << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestManagement::passwordWindowLetsOnlyTheExactPasswordIn()
{
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    QFETCH(bool, accepted);
    TestWorkspace ws;
    ws.provision();
    Controller controller;
    QPointer<QWidget> menu = currentScreen(&controller);
    press(menu, "pbManageQuestions");
    QCOMPARE(openPasswordWindows().size(), 1);
    QPointer<PasswordCheck> window = openPasswordWindows().first();
    QCOMPARE(currentScreen(&controller), menu.data()); // the menu stays behind the window
    QCOMPARE(window->findChild<QLineEdit *>()->echoMode(), QLineEdit::Password);
    QSignalSpy right(window.data(), &PasswordCheck::enteredRightPassword);

    if (byEnter) {
        enterPassword(window, typed);
    } else {
        QTest::keyClicks(window->findChild<QLineEdit *>(), typed);
        QTest::mouseClick(window->findChild<QPushButton *>(), Qt::LeftButton);
    }
    QCOMPARE(right.count(), accepted ? 1 : 0);
    QCOMPARE(screenClass(controller),
             accepted ? QStringLiteral("ManageQuestionsMenu") : QStringLiteral("Menu"));
    QCOMPARE(controller.windowTitle(),
             accepted ? QStringLiteral("Manage questions") : QStringLiteral("Menu"));
    QVERIFY(openPasswordWindows().isEmpty()); // closed either way, and gone for good
    QTRY_VERIFY(window.isNull());
}

void TestManagement::twoPasswordWindowsWorkIndependently()
{
    TestWorkspace ws;
    ws.provision();
    Controller controller;
    press(currentScreen(&controller), "pbManageQuestions");
    press(currentScreen(&controller), "pbManageQuestions");
    const QList<PasswordCheck *> windows = openPasswordWindows();
    QCOMPARE(windows.size(), 2);
    QSignalSpy first(windows[0], &PasswordCheck::enteredRightPassword);
    QSignalSpy second(windows[1], &PasswordCheck::enteredRightPassword);

    enterPassword(windows[1], password);
    QPointer<QWidget> management = currentScreen(&controller);
    QCOMPARE(screenClass(controller), QStringLiteral("ManageQuestionsMenu"));
    QCOMPARE(openPasswordWindows(), QList<PasswordCheck *>{windows[0]});
    // The other window still works, and shows a fresh management menu of its own.
    enterPassword(windows[0], password);
    QVERIFY(management.isNull());
    QCOMPARE(screenClass(controller), QStringLiteral("ManageQuestionsMenu"));
    QCOMPARE(first.count() + second.count(), 2);
    QVERIFY(openPasswordWindows().isEmpty());
}

void TestManagement::managementButtonsLeadToTheirScreensAndBack_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("back");
    QTest::newRow("add") << "pbAddQuestion"
                         << "AddQuestion"
                         << "Add questions"
                         << "pbManageQuestionsMenu";
    QTest::newRow("delete") << "pbDeleteQuestion"
                            << "DeleteQuestion"
                            << "Delete questions"
                            << "pbManageQuestionsMenu";
    QTest::newRow("menu") << "pbMenu"
                          << "Menu"
                          << "Menu"
                          << "pbManageQuestions";
}

void TestManagement::managementButtonsLeadToTheirScreensAndBack()
{
    QFETCH(QString, button);
    QFETCH(QString, screen);
    QFETCH(QString, title);
    QFETCH(QString, back);
    TestWorkspace ws;
    ws.provision();
    Controller controller;
    controller.showManageQuestionsMenu();
    QPointer<QWidget> management = currentScreen(&controller);
    press(management, button);
    QVERIFY(management.isNull());
    QCOMPARE(screenClass(controller), screen);
    QCOMPARE(controller.windowTitle(), title);

    press(currentScreen(&controller), back);
    if (screen == "Menu") { // the main menu's way back in goes through the password window
        QCOMPARE(openPasswordWindows().size(), 1);
        enterPassword(openPasswordWindows().first(), password);
    }
    QCOMPARE(screenClass(controller), QStringLiteral("ManageQuestionsMenu"));
}

void TestManagement::databaseEditorStartsWithoutWaiting()
{
    TestWorkspace ws;
    ws.provision();
    Controller controller;
    controller.showManageQuestionsMenu();
    QPointer<QWidget> management = currentScreen(&controller);
    press(management, "pbDatabaseEditor"); // no editor there: nothing happens
    QCOMPARE(currentScreen(&controller), management.data());

    // A stand-in editor that notes, a while after it started, where it ran.
    QFile editor(ws.path() + "/Database_editor");
    QVERIFY(editor.open(QIODevice::WriteOnly));
    editor.write("#!/bin/sh\nsleep 1\npwd -P > ran.tmp && mv ran.tmp ran\n");
    editor.close();
    QVERIFY(editor.setPermissions(editor.permissions() | QFileDevice::ExeOwner));
    press(management, "pbDatabaseEditor");
    QVERIFY2(!QFile::exists("ran"), "the click waited for the editor");
    QCOMPARE(currentScreen(&controller), management.data());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists("ran"), 10000);
    QFile marker("ran");
    QVERIFY(marker.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(marker.readAll()).trimmed(), QDir(ws.path()).canonicalPath());
}

void TestManagement::addFormKeepsOneCategoryModeAndOneAnswerShown()
{
    TestWorkspace ws;
    ws.provision();
    Controller controller;
    const Form form = openAddForm(controller);
    // Checked buttons and shown widgets, in the order of the form.
    auto state = [&] {
        QString shown;
        for (const char *name : {"rbCategories", "saCategories", "rbAddNewCategory", "mleCategory",
                                 "rbAnswer1", "rbAnswer2", "rbAnswer3", "rbAnswer4"}) {
            auto *button = form.get<QRadioButton>(QLatin1String(name));
            shown += button ? (button->isChecked() ? "x" : "-") : (form.shows(name) ? "s" : "-");
        }
        for (int n = 1; n <= 4; ++n)
            shown += form.answer(n)->isVisibleTo(form.screen) ? "s" : "-";
        return shown + (form.edit("explanation3")->isVisibleTo(form.screen) ? "e" : "-");
    };
    QCOMPARE(state(), QStringLiteral("xs--x---s----"));
    press(form.screen, "rbAddNewCategory");
    press(form.screen, "rbAnswer3");
    QCOMPARE(state(), QStringLiteral("--xs--x---s--"));
    press(form.screen, "rbAddNewCategory"); // pressing the checked ones keeps them
    press(form.screen, "rbAnswer3");
    QCOMPARE(state(), QStringLiteral("--xs--x---s--"));
    press(form.screen, "rbCategories");
    press(form.answer(3)->findChild<QCheckBox *>("cbAnswerTrue"));
    QCOMPARE(state(), QStringLiteral("xs----x---s-e"));
    press(form.answer(3)->findChild<QCheckBox *>("cbAnswerTrue"));
    QCOMPARE(state(), QStringLiteral("xs----x---s--"));
}

void TestManagement::addMarksEveryBadInputAndClearsCorrectedOnes_data()
{
    QTest::addColumn<QString>("mode");   // category: "existing", "new", "none"; or "empty form"
    QTest::addColumn<QString>("broken"); // one text changed: edit, then language index
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("trueAnswer"); // 0 for none
    QTest::addColumn<QStringList>("red");
    QTest::newRow("no category checked") << "none"
                                         << ""
                                         << "" << 0 << QStringList{"rbCategories"};
    QTest::newRow("new category, two names") << "new"
                                             << "category:2"
                                             << "" << 0 << QStringList{"rbAddNewCategory"};
    QTest::newRow("new category, separator") << "new"
                                             << "category:0"
                                             << "a;b" << 0 << QStringList{"rbAddNewCategory"};
    QTest::newRow("question, no English") << "existing"
                                          << "question:1"
                                          << "" << 0 << QStringList{"tlQuestion"};
    QTest::newRow("question, separator") << "existing"
                                         << "question:2"
                                         << ";" << 0 << QStringList{"tlQuestion"};
    QTest::newRow("answer 3, no Estonian") << "existing"
                                           << "answer3:2"
                                           << "" << 0 << QStringList{"rbAnswer3"};
    QTest::newRow("answer 4, separator") << "existing"
                                         << "answer4:0"
                                         << "x;" << 0 << QStringList{"rbAnswer4"};
    QTest::newRow("true answer, no explanation") << "existing"
                                                 << "explanation2:1"
                                                 << "" << 2 << QStringList{"rbAnswer2"};
    QTest::newRow("hidden explanation, separator") << "existing"
                                                   << "explanation1:0"
                                                   << ";" << 0 << QStringList{"rbAnswer1"};
    QTest::newRow("everything missing")
        << "empty form"
        << ""
        << "" << 0 << QStringList{"rbCategories", "tlQuestion", "rbAnswer1",
                                  "rbAnswer2",    "rbAnswer3",  "rbAnswer4"};
    // Accepted, for contrast.
    QTest::newRow("false answer, no explanation") << "existing"
                                                  << "explanation2:1"
                                                  << "" << 0 << QStringList{};
    QTest::newRow("text of blanks") << "existing"
                                    << "question:0"
                                    << "  " << 0 << QStringList{};
    QTest::newRow("complete new category") << "new"
                                           << ""
                                           << "" << 0 << QStringList{};
}

void TestManagement::addMarksEveryBadInputAndClearsCorrectedOnes()
{
    QFETCH(QString, mode);
    QFETCH(QString, broken);
    QFETCH(QString, text);
    QFETCH(int, trueAnswer);
    QFETCH(QStringList, red);
    TestWorkspace ws;
    ws.provision();
    seed(ws, 3, {3});
    const QStringList before = snapshot(ws);
    Controller controller;
    const Form form = openAddForm(controller);
    QPointer<AddQuestion> screen = form.screen;
    if (mode != "empty form") {
        form.fillValid(mode == "existing");
        if (mode == "new") {
            press(form.screen, "rbAddNewCategory");
            form.type("category", {"Neu", "New", "Uus"});
        }
        if (trueAnswer)
            form.toggleTruth(trueAnswer);
        if (!broken.isEmpty()) {
            const QStringList where = broken.split(':');
            QStringList texts = form.typed(where[0]);
            texts[where[1].toInt()] = text;
            form.type(where[0], texts);
        }
    }
    press(form.screen, "pbAdd");
    if (red.isEmpty()) {
        QVERIFY(screen.isNull()); // stored, and a fresh form follows
        QCOMPARE(ws.query("SELECT COUNT(*) FROM question"), QStringList{"2"});
        return;
    }
    QVERIFY2(screen, "stored in spite of bad input");
    QCOMPARE(form.red(), red);
    QCOMPARE(snapshot(ws), before);
    QVERIFY(!form.shows("tlStoreFailed"));

    // Correcting them while spoiling another input: one press re-marks every input.
    form.fillValid(true);
    const QString spoiled = red == QStringList{"rbAnswer4"} ? "question" : "answer4";
    form.type(spoiled, {"", "b", "c"});
    press(form.screen, "pbAdd");
    QVERIFY(screen);
    QCOMPARE(form.red(), QStringList{spoiled == "question" ? "tlQuestion" : "rbAnswer4"});
    QCOMPARE(snapshot(ws), before);
    form.fillValid(true);
    press(form.screen, "pbAdd");
    QVERIFY(screen.isNull());
}

void TestManagement::addedRowsReadBackExactly_data()
{
    QTest::addColumn<QList<int>>("trueAnswers");
    QTest::addColumn<bool>("blanks");
    QTest::newRow("no true answer") << QList<int>{} << false;
    QTest::newRow("one true answer") << QList<int>{3} << false;
    QTest::newRow("two true answers") << QList<int>{1, 4} << false;
    QTest::newRow("four true answers") << QList<int>{1, 2, 3, 4} << false;
    QTest::newRow("texts of blanks") << QList<int>{2} << true;
}

void TestManagement::addedRowsReadBackExactly()
{
    QFETCH(QList<int>, trueAnswers);
    QFETCH(bool, blanks);
    TestWorkspace ws;
    ws.provision();
    seed(ws, 1, {1});
    seed(ws, 3, {3}); // the lowest free ids: question 2, answers 1 to 4
    const QStringList seeded = snapshot(ws);
    Controller controller;
    const Form form = openAddForm(controller);
    auto texts = [&](const QString &what) {
        QStringList result;
        for (int l = 0; l < 3; ++l)
            result << (blanks ? QString(l + 1, ' ') : what + " " + codes[l] + " ä");
        return result;
    };
    form.chooseCategory("Cat3 EN");
    form.type("question", texts("Q"));
    QStringList expected;
    for (int l = 0; l < 3; ++l)
        expected << QStringLiteral("question_lang: 2|%1|%2").arg(l + 1).arg(texts("Q")[l]);
    for (int n = 1; n <= 4; ++n) {
        const bool right = trueAnswers.contains(n);
        press(form.get<QRadioButton>(QStringLiteral("rbAnswer%1").arg(n)));
        form.type(QStringLiteral("answer%1").arg(n), texts(QStringLiteral("A%1").arg(n)));
        if (right) {
            form.toggleTruth(n);
            form.type(QStringLiteral("explanation%1").arg(n), texts(QStringLiteral("E%1").arg(n)));
        }
        for (int l = 0; l < 3; ++l) {
            expected << QStringLiteral("answer_lang: %1|%2|%3|%4")
                            .arg(n)
                            .arg(l + 1)
                            .arg(texts(QStringLiteral("A%1").arg(n))[l],
                                 right ? texts(QStringLiteral("E%1").arg(n))[l] : "");
        }
        expected << QStringLiteral("answer: %1").arg(n)
                 << QStringLiteral("question_answer: %1|2|%2").arg(n).arg(right ? "true" : "false");
    }
    expected << "question: 2|3";
    press(form.screen, "pbAdd");

    QStringList added = snapshot(ws);
    for (const QString &row : seeded)
        added.removeOne(row);
    // Never-typed explanations may read as NULL or as an empty text.
    added.replaceInStrings("|NULL", "|");
    expected.sort();
    QCOMPARE(added, expected);

    const Form next{qobject_cast<AddQuestion *>(currentScreen(&controller))};
    QVERIFY(next.screen && next.screen != form.screen);
    QCOMPARE(next.typed("question"), (QStringList{"", "", ""}));
    QVERIFY(next.get<QRadioButton>("rbCategories")->isChecked() &&
            next.get<QRadioButton>("rbAnswer1")->isChecked());
}

void TestManagement::newCategoryAndHiddenExplanationAreStored()
{
    TestWorkspace ws;
    ws.provision();
    seed(ws, 1, {1});
    Controller controller;
    const Form form = openAddForm(controller);
    form.fillValid(false);
    press(form.screen, "rbAddNewCategory");
    form.type("category", {"Sprachen", "Languages", "Keeled"});
    form.toggleTruth(3);
    form.type("explanation3", {"keep", "this", "too"});
    form.toggleTruth(3); // unchecked: hidden, but still holding its text
    QVERIFY(!form.edit("explanation3")->isVisibleTo(form.screen));
    press(form.screen, "pbAdd");

    QCOMPARE(ws.query("SELECT * FROM category_lang WHERE category_id = 2"),
             (QStringList{"2|1|Sprachen", "2|2|Languages", "2|3|Keeled"}));
    QCOMPARE(ws.query("SELECT * FROM question WHERE question_id = 2"), QStringList{"2|2"});
    QCOMPARE(ws.query("SELECT is_True FROM question_answer WHERE answer_id = 3"),
             QStringList{"false"});
    QCOMPARE(ws.query("SELECT explanation_text FROM answer_lang WHERE answer_id = 3"),
             (QStringList{"keep", "this", "too"}));
    // The next form offers the new category.
    const Form next{qobject_cast<AddQuestion *>(currentScreen(&controller))};
    next.fillValid(false);
    next.chooseCategory("Languages");
    QCOMPARE(next.get<RadioButtonSelection>("categorySelection")->getSelectedId(), 2);
}

void TestManagement::failedAddKeepsDatabaseAndInput_data()
{
    QTest::addColumn<bool>("newCategory");
    QTest::addColumn<QString>("failing"); // the table whose insert fails
    QTest::newRow("new category, its names fail") << true << "category_lang";
    QTest::newRow("new category, the question fails") << true << "question";
    QTest::newRow("answer texts fail") << false << "answer_lang";
    QTest::newRow("new category, only the last link fails") << true << "question_answer";
}

void TestManagement::failedAddKeepsDatabaseAndInput()
{
    QFETCH(bool, newCategory);
    QFETCH(QString, failing);
    TestWorkspace ws;
    ws.provision();
    seed(ws, 3, {3});
    const QString when = failing == "question_answer" ? " WHEN NEW.answer_id = 4" : "";
    ws.execute({"CREATE TRIGGER fail BEFORE INSERT ON " + failing + when +
                " BEGIN SELECT RAISE(ABORT, 'no'); END"});
    const QStringList before = snapshot(ws);
    Controller controller;
    const Form form = openAddForm(controller);
    QPointer<AddQuestion> screen = form.screen;
    form.fillValid(!newCategory);
    if (newCategory) {
        press(form.screen, "rbAddNewCategory");
        form.type("category", {"Neu", "New", "Uus"});
    }
    form.toggleTruth(2);
    const QStringList paths{"category", "question",     "answer1",
                            "answer4",  "explanation2", "explanation3"};
    QList<QStringList> typed;
    for (const QString &path : paths)
        typed << form.typed(path);

    press(form.screen, "pbAdd");
    QCOMPARE(snapshot(ws), before);
    QVERIFY(screen && currentScreen(&controller) == screen);
    QVERIFY(form.shows("tlStoreFailed") && isRed(form.get("tlStoreFailed")));
    QCOMPARE(form.red(), QStringList{});
    for (int i = 0; i < paths.size(); ++i)
        QCOMPARE(form.typed(paths[i]), typed[i]);
    QCOMPARE(form.get<QRadioButton>("rbAddNewCategory")->isChecked(), newCategory);
    QCOMPARE(form.get<RadioButtonSelection>("categorySelection")->getSelectedId(),
             newCategory ? -1 : 3);
    QVERIFY(form.answer(2)->isAnswerTrue() && form.get<QRadioButton>("rbAnswer2")->isChecked());

    // With the cause gone, the same input is stored as a whole.
    ws.execute({"DROP TRIGGER fail"});
    press(form.screen, "pbAdd");
    QVERIFY(screen.isNull());
    QCOMPARE(ws.query("SELECT COUNT(*) FROM question_answer WHERE question_id = 1"),
             QStringList{"4"});
}

void TestManagement::deleteScreenGroupsQuestionsAndCountsChecks()
{
    TestWorkspace ws;
    ws.provision();
    seed(ws, 2, {1, 4});
    seed(ws, 1, {2});
    seed(ws, 5, {});
    ws.execute({"UPDATE settings SET current_country_code = 'EE', current_lang_id = 3"});
    Controller controller;
    showLaidOut(controller);
    controller.showDeleteQuestion();
    QWidget *screen = currentScreen(&controller);
    QCOMPARE(groupTitles(screen), (QStringList{"Cat1 EE", "Cat2 EE", "Cat5 EE"}));
    QCOMPARE(screen->findChildren<QGroupBox *>().last()->findChild<QLabel *>()->text(),
             QStringLiteral("Ei ole midagi näidata!"));
    QStringList shown;
    for (CheckBox *box : screen->findChildren<CheckBox *>())
        shown << box->findChild<ClickableLabel *>()->text();
    QCOMPARE(shown, (QStringList{"Q2 EE", "Q1 EE", "Q4 EE"}));

    QCOMPARE(count(screen), QStringLiteral("0"));
    const QList<QPair<QString, bool>> presses{
        {"Q1 EE", false}, {"Q2 EE", true}, {"Q4 EE", true}, {"Q1 EE", true}, {"Q2 EE", false}};
    const QStringList counts{"1", "2", "3", "2", "1"};
    for (int i = 0; i < presses.size(); ++i) {
        CheckBox *box = entry(screen, presses[i].first);
        if (presses[i].second)
            QTest::mouseClick(box->findChild<ClickableLabel *>(), Qt::LeftButton);
        else
            press(box->findChild<QCheckBox *>());
        QCOMPARE(count(screen), counts[i]);
    }
    const QStringList before = snapshot(ws);
    press(screen, "pbManageQuestionsMenu"); // leaving deletes nothing
    QCOMPARE(snapshot(ws), before);
}

void TestManagement::deletingLeavesNoOrphans()
{
    TestWorkspace ws;
    ws.provision();
    seed(ws, 1, {1, 2});
    seed(ws, 2, {3});
    seed(ws, 3, {4, 5});
    Controller controller;
    showLaidOut(controller);
    controller.showDeleteQuestion();
    QPointer<QWidget> screen = currentScreen(&controller);
    // The only question of category 2, one of two in category 1, both of category 3.
    for (const char *text : {"Q3 EN", "Q1 EN", "Q4 EN", "Q5 EN"})
        press(entry(screen, QLatin1String(text))->findChild<QCheckBox *>());
    press(screen, "pbDelete");

    QVERIFY(screen.isNull());
    QWidget *rebuilt = currentScreen(&controller);
    QVERIFY(qobject_cast<DeleteQuestion *>(rebuilt));
    QCOMPARE(count(rebuilt), QStringLiteral("0"));
    QCOMPARE(groupTitles(rebuilt), QStringList{"Cat1 EN"});
    QCOMPARE(rebuilt->findChildren<CheckBox *>().size(), 1);
    QVERIFY(!entry(rebuilt, "Q2 EN")->isChecked());

    QCOMPARE(ws.query("SELECT * FROM question"), QStringList{"2|1"});
    QCOMPARE(ws.query("SELECT COUNT(*) FROM answer_lang WHERE answer_id BETWEEN 21 AND 24"),
             QStringList{"12"});
    // Rows that belong to nothing: each statement must find none.
    for (const char *orphans :
         {"SELECT * FROM category WHERE category_id NOT IN (SELECT category_id FROM question)",
          "SELECT * FROM category_lang WHERE category_id NOT IN (SELECT category_id FROM category)",
          "SELECT * FROM question_lang WHERE question_id NOT IN (SELECT question_id FROM question)",
          "SELECT * FROM question_answer WHERE question_id NOT IN (SELECT question_id FROM "
          "question)",
          "SELECT * FROM answer WHERE answer_id NOT IN (SELECT answer_id FROM question_answer)",
          "SELECT * FROM answer_lang WHERE answer_id NOT IN (SELECT answer_id FROM answer)"})
        QVERIFY2(ws.query(QLatin1String(orphans)).isEmpty(), orphans);
}

void TestManagement::deleteScreenOnAnEmptyCatalogue()
{
    TestWorkspace ws;
    ws.provision();
    Controller controller;
    controller.showDeleteQuestion();
    QPointer<QWidget> screen = currentScreen(&controller);
    QCOMPARE(groupTitles(screen), QStringList{});
    QCOMPARE(count(screen), QStringLiteral("0"));
    press(screen, "pbDelete");
    QVERIFY(screen.isNull());
    QVERIFY(qobject_cast<DeleteQuestion *>(currentScreen(&controller)));
    QCOMPARE(snapshot(ws), QStringList{});
}

QTEST_MAIN(TestManagement)
#include "tst_management.moc"
