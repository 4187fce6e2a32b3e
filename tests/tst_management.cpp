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
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <optional>
#include <tuple>

namespace {
// keyClicks knows only ASCII keys; other letters arrive as a key's text.
void type(QLineEdit *line, const QString &text)
{
    line->clear();
    for (QChar letter : text)
        QTest::sendKeyEvent(QTest::Click, line, Qt::Key_unknown, letter, Qt::NoModifier);
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

// Each category group of the delete screen as "title: question, question".
QStringList groups(QWidget *screen)
{
    QStringList result;
    for (QGroupBox *group : screen->findChildren<QGroupBox *>()) {
        QStringList questions;
        for (ClickableLabel *label : group->findChildren<ClickableLabel *>())
            questions << label->text();
        result << group->title() + ": " + questions.join(", ");
    }
    return result;
}

// The add-question form. Inputs: "Category", "Question", "Answer<n>", "Explanation<n>".
struct Form
{
    AddQuestion *screen;

    QWidget *get(const QString &name) const { return child(screen, name); }
    AddAnswerWidget *answer(int n) const
    {
        return screen->findChildren<AddAnswerWidget *>()[n - 1];
    }
    QList<QLineEdit *> lines(const QString &input) const
    {
        const int n = input.back().digitValue();
        const QString name = "mle" + input.left(input.size() - (n > 0));
        auto *edit = (n > 0 ? static_cast<QWidget *>(answer(n)) : screen)
                         ->findChild<MultiLanguageEdit *>(name);
        return {edit->findChild<QLineEdit *>("leDE"), edit->findChild<QLineEdit *>("leEN"),
                edit->findChild<QLineEdit *>("leEE")};
    }
    void type(const QString &input, const QStringList &texts) const
    {
        for (int l = 0; l < 3; ++l)
            ::type(lines(input)[l], texts[l]);
    }
    void toggleTruth(int n) const
    {
        press(get(QStringLiteral("rbAnswer%1").arg(n)));
        press(answer(n)->findChild<QCheckBox *>());
    }
    void chooseCategory(const QString &name) const
    {
        press(screen, "rbCategories");
        for (QRadioButton *button : get("categorySelection")->findChildren<QRadioButton *>()) {
            if (button->text() == name)
                press(button);
        }
    }
    // The checked radio buttons and the shown inputs, in the order of the form.
    QString state() const
    {
        QStringList on;
        for (const QString name :
             {"rbCategories", "saCategories", "rbAddNewCategory", "mleCategory", "rbAnswer1",
              "rbAnswer2", "rbAnswer3", "rbAnswer4"}) {
            auto *button = qobject_cast<QRadioButton *>(get(name));
            if (button ? button->isChecked() : get(name)->isVisibleTo(screen))
                on << name;
        }
        for (const QString input : {"Answer1", "Explanation1", "Answer2", "Explanation2", "Answer3",
                                    "Explanation3", "Answer4", "Explanation4"}) {
            if (lines(input)[0]->isVisibleTo(screen))
                on << input;
        }
        return on.join(' ');
    }
    // The names of the shown widgets marked red, sorted.
    QStringList red() const
    {
        QStringList names;
        for (QWidget *widget : screen->findChildren<QWidget *>()) {
            if (widget->isVisibleTo(screen) &&
                widget->palette().color(QPalette::WindowText) == Qt::red)
                names << widget->objectName();
        }
        names.sort();
        return names;
    }
};
} // namespace

// Question management driven as a user drives it, on a small seeded catalogue.
class TestManagement : public QObject
{
    Q_OBJECT

    std::optional<TestWorkspace> ws;
    std::optional<Controller> controller;
    QStringList seeded; // the catalogue before the test's own steps

    QWidget *screen() { return currentScreen(&*controller); }
    QStringList snapshot() const;
    // The management menu, or the screen one of its buttons leads to. Shown, since radio
    // buttons and check boxes take clicks only where they are drawn.
    QWidget *manage(const char *button = nullptr);
    Form addForm() { return Form{qobject_cast<AddQuestion *>(manage("pbAddQuestion"))}; }

private slots:
    void init();
    void cleanup();
    void passwordWindowLetsOnlyTheExactPasswordIn_data();
    void passwordWindowLetsOnlyTheExactPasswordIn();
    void databaseEditorStartsWithoutWaiting();
    void addChecksAndStoresOneQuestionAsAWhole_data();
    void addChecksAndStoresOneQuestionAsAWhole();
    void deleteCountsChecksAndLeavesNoOrphans();
};

void TestManagement::init()
{
    ws.emplace();
    ws->provision();
    // Cat1: Q1, Q2; Cat2: Q3; Cat3: Q4, Q5.
    seedCatalogue(*ws, 3, {1, 1, 2, 3, 3});
    seeded = snapshot();
    controller.emplace();
}

void TestManagement::cleanup()
{
    // A window a failed test left open must not answer for the next test.
    for (PasswordCheck *window : openPasswordWindows())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    controller.reset();
    ws.reset();
}

// An explanation never typed may be stored as NULL or as an empty text.
QStringList TestManagement::snapshot() const
{
    return ws->snapshot()
        .filter(QRegularExpression("^(category|question|answer)"))
        .replaceInStrings(QRegularExpression("\\|NULL$"), "|");
}

QWidget *TestManagement::manage(const char *button)
{
    controller->show();
    if (!QTest::qWaitForWindowExposed(&*controller))
        qFatal("window not shown");
    controller->showManageQuestionsMenu();
    if (button)
        press(screen(), button);
    return screen();
}

void TestManagement::passwordWindowLetsOnlyTheExactPasswordIn_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("right, by Enter") << "tarwe" << true;
    QTest::newRow("right, by the button") << "tarwe" << false;
    QTest::newRow("wrong") << "tarwo" << true;
    QTest::newRow("upper case") << "TARWE" << false;
    QTest::newRow("trailing blank") << "tarwe " << true;
}

void TestManagement::passwordWindowLetsOnlyTheExactPasswordIn()
{
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    QWidget *menu = screen();
    press(menu, "pbManageQuestions");
    QCOMPARE(openPasswordWindows().size(), 1);
    QCOMPARE(screen(), menu); // the menu waits behind it
    QPointer<PasswordCheck> window = openPasswordWindows().first();
    auto *edit = window->findChild<QLineEdit *>();
    QTest::keyClicks(edit, typed);
    if (byEnter)
        QTest::keyClick(edit, Qt::Key_Return);
    else
        QTest::mouseClick(window->findChild<QPushButton *>(), Qt::LeftButton);
    QCOMPARE(screen()->metaObject()->className(),
             typed == "tarwe" ? "ManageQuestionsMenu" : "Menu");
    QTRY_VERIFY(window.isNull()); // closed either way, and gone for good
}

void TestManagement::databaseEditorStartsWithoutWaiting()
{
    QWidget *management = manage();
    press(management, "pbDatabaseEditor"); // no editor there: nothing happens
    QCOMPARE(screen(), management);

    // A stand-in editor that leaves a file where it ran, a second after it started.
    QFile editor("Database_editor");
    QVERIFY(editor.open(QIODevice::WriteOnly));
    editor.write("#!/bin/sh\nsleep 1\ntouch ran\n");
    editor.close();
    QVERIFY(editor.setPermissions(editor.permissions() | QFileDevice::ExeOwner));
    press(management, "pbDatabaseEditor");
    QVERIFY2(!QFile::exists("ran"), "the click waited for the editor");
    QCOMPARE(screen(), management);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists("ran"), 10000);
}

void TestManagement::addChecksAndStoresOneQuestionAsAWhole_data()
{
    // Per answer: t true, h explained and unchecked again, - false and never explained.
    QTest::addColumn<QString>("answers");
    QTest::addColumn<bool>("newCategory");
    // Texts spoiled for one press (input:language=text), and the inputs it marks red.
    QTest::addColumn<QStringList>("spoils");
    QTest::addColumn<QStringList>("red");
    QTest::addColumn<QString>("failing"); // inserts that fail on the next press
    QTest::newRow("no true answer") << "----" << false << QStringList{} << QStringList{} << "";
    QTest::newRow("one true, new category; texts missing; its names fail")
        << "--t-" << true << QStringList{"Category:2=", "Explanation3:1="}
        << QStringList{"rbAddNewCategory", "rbAnswer3"} << "category_lang";
    // A hidden explanation (answer 2) does not count: the user cannot see it.
    QTest::newRow("two true, one hidden, new category; separators; the last link fails")
        << "th-t" << true
        << QStringList{"Category:0=a;b", "Question:2=;", "Answer4:0=x;", "Explanation2:0=;"}
        << QStringList{"rbAddNewCategory", "rbAnswer4", "tlQuestion"}
        << "question_answer WHEN NEW.answer_id = 4";
    QTest::newRow("four true; texts missing; answer texts fail")
        << "tttt" << false << QStringList{"Question:1=", "Answer3:2="}
        << QStringList{"rbAnswer3", "tlQuestion"} << "answer_lang";
}

void TestManagement::addChecksAndStoresOneQuestionAsAWhole()
{
    QFETCH(QString, answers);
    QFETCH(bool, newCategory);
    QFETCH(QStringList, spoils);
    QFETCH(QStringList, red);
    QFETCH(QString, failing);
    const QStringList codes{"DE", "EN", "EE"};
    // Answer 4's texts are blanks, which count as texts.
    auto text = [&](const QString &what, int l) {
        return what == "A4" ? QString(l + 1, ' ') : QStringLiteral("%1 %2 ä").arg(what, codes[l]);
    };
    auto texts = [&](const QString &what) {
        return QStringList{text(what, 0), text(what, 1), text(what, 2)};
    };
    const Form form = addForm();
    QPointer<AddQuestion> first = form.screen;
    press(form.screen, "pbAdd"); // nothing typed, no category chosen
    QCOMPARE(form.red(), (QStringList{"rbAnswer1", "rbAnswer2", "rbAnswer3", "rbAnswer4",
                                      "rbCategories", "tlQuestion"}));

    // The lowest free ids: category 4, question 6, answers 1 to 4.
    const int category = newCategory ? 4 : 3;
    QStringList expected = seeded;
    expected << QStringLiteral("question:6|%1").arg(category);
    if (newCategory) {
        press(form.screen, "rbAddNewCategory");
        form.type("Category", texts("C"));
        expected << "category:4";
    } else {
        form.chooseCategory("Cat3 EN");
    }
    form.type("Question", texts("Q"));
    for (int l = 0; l < 3; ++l) {
        expected << QStringLiteral("question_lang:6|%1|%2").arg(l + 1).arg(text("Q", l));
        if (newCategory)
            expected << QStringLiteral("category_lang:4|%1|%2").arg(l + 1).arg(text("C", l));
    }
    for (int n = 1; n <= 4; ++n) {
        const QChar kind = answers[n - 1];
        const QString num = QString::number(n), a = "A" + num, e = "E" + num;
        press(form.get("rbAnswer" + num));
        form.type("Answer" + num, texts(a));
        if (kind != '-') {
            form.toggleTruth(n);
            form.type("Explanation" + num, texts(e));
        }
        if (kind == 'h')
            form.toggleTruth(n); // unchecked: hidden, but still holding its text
        // One category input and one answer shown, its explanation only while it is true.
        QCOMPARE(form.state(), QStringLiteral("%1 rbAnswer%2 Answer%2%3")
                                   .arg(newCategory ? "rbAddNewCategory mleCategory"
                                                    : "rbCategories saCategories",
                                        num, kind == 't' ? " Explanation" + num : ""));
        expected
            << QStringLiteral("answer:%1").arg(n)
            << QStringLiteral("question_answer:%1|6|%2").arg(n).arg(kind == 't' ? "true" : "false");
        for (int l = 0; l < 3; ++l)
            expected << QStringLiteral("answer_lang:%1|%2|%3|%4")
                            .arg(n)
                            .arg(l + 1)
                            .arg(text(a, l), kind == '-' ? QString() : text(e, l));
    }

    // One press marks exactly the spoiled inputs; the earlier marks are gone.
    QList<std::pair<QLineEdit *, QString>> undo;
    for (const QString &spoil : spoils) {
        const QStringList where = spoil.split(QRegularExpression("[:=]"));
        QLineEdit *line = form.lines(where[0])[where[1].toInt()];
        undo << std::make_pair(line, line->text());
        type(line, where[2]);
    }
    if (!spoils.isEmpty()) {
        press(form.screen, "pbAdd");
        QVERIFY2(first, "stored in spite of bad input");
        QCOMPARE(form.red(), red);
    }
    for (const auto &[line, old] : undo)
        type(line, old);
    if (!failing.isEmpty()) {
        ws->execute({"CREATE TRIGGER fail BEFORE INSERT ON " + failing +
                     " BEGIN SELECT RAISE(ABORT, 'no'); END"});
        press(form.screen, "pbAdd");
        QCOMPARE(snapshot(), seeded);
        QCOMPARE(screen(), first.data());
        QCOMPARE(form.red(), QStringList{"tlStoreFailed"}); // and no input
        ws->execute({"DROP TRIGGER fail"}); // with the cause gone, the input kept is stored
    }
    press(form.screen, "pbAdd");
    expected.sort();
    QCOMPARE(snapshot(), expected);
    // A fresh form follows, offering the category.
    QVERIFY(first.isNull());
    const Form next{qobject_cast<AddQuestion *>(screen())};
    next.chooseCategory(newCategory ? text("C", 1) : "Cat3 EN");
    QCOMPARE(qobject_cast<RadioButtonSelection *>(next.get("categorySelection"))->getSelectedId(),
             category);
}

void TestManagement::deleteCountsChecksAndLeavesNoOrphans()
{
    QPointer<QWidget> shown = manage("pbDeleteQuestion");
    QCOMPARE(groups(shown),
             (QStringList{"Cat1 EN: Q1 EN, Q2 EN", "Cat2 EN: Q3 EN", "Cat3 EN: Q4 EN, Q5 EN"}));
    // Presses on the box or the text of a question, each followed by the count.
    const QList<std::tuple<int, bool, int>> presses{{3, false, 1}, {1, true, 2},  {2, true, 3},
                                                    {2, false, 2}, {4, false, 3}, {4, true, 2},
                                                    {4, true, 3},  {5, false, 4}};
    for (const auto &[question, onText, count] : presses) {
        auto *box = shown->findChildren<CheckBox *>()[question - 1];
        press(onText ? static_cast<QWidget *>(box->findChild<ClickableLabel *>())
                     : box->findChild<QCheckBox *>());
        QCOMPARE(shown->findChild<QLabel *>("tlSelectedQuestions")->text(), QString::number(count));
    }
    press(shown, "pbDelete");
    QVERIFY(shown.isNull());
    shown = screen();
    // Only question 2 is left, with its category and answers, and nothing of the others.
    QCOMPARE(groups(shown), QStringList{"Cat1 EN: Q2 EN"});
    QCOMPARE(snapshot(),
             seeded.filter(QRegularExpression("^(category(_lang)?:1|question(_lang)?:2|"
                                              "(answer(_lang)?|question_answer):2\\d)\\b")));
    // Deleting the last one leaves an empty catalogue, on a screen that still works.
    press(shown->findChild<QCheckBox *>());
    press(shown, "pbDelete");
    shown = screen();
    QCOMPARE(groups(shown), QStringList{});
    QCOMPARE(snapshot(), QStringList{});
    press(shown, "pbDelete");
    QVERIFY(shown.isNull());
    QVERIFY(qobject_cast<DeleteQuestion *>(screen()));
}

QTEST_MAIN(TestManagement)
#include "tst_management.moc"
