#include "aboutwindow.h"
#include "addanswerwidget.h"
#include "checkbox.h"
#include "clickablelabel.h"
#include "controller.h"
#include "learningstore.h"
#include "menu.h"
#include "passwordcheck.h"
#include "testworkspace.h"

#include <optional>
#include <tuple>

namespace {
// The German, English and Estonian lines of an add form's input: "Category", "Question",
// "Answer<n>" or "Explanation<n>".
QList<QLineEdit *> lines(QWidget *form, const QString &input)
{
    const int n = input.back().digitValue();
    QWidget *owner = n > 0 ? form->findChildren<AddAnswerWidget *>()[n - 1] : form;
    return child(owner, "mle" + input.left(input.size() - (n > 0)))->findChildren<QLineEdit *>();
}

// The names of the form's shown widgets marked red, or of its checked radio buttons and
// shown inputs, in the order of the form.
QString names(QWidget *form, bool red)
{
    QStringList names;
    const QRegularExpression inputs(red ? "" : "^(rb|sa|mle)");
    for (QWidget *widget : form->findChildren<QWidget *>(inputs)) {
        auto *button = qobject_cast<QRadioButton *>(widget);
        if (widget->isVisibleTo(form) &&
            (red ? widget->palette().color(QPalette::WindowText) == Qt::red
                 : !button || button->isChecked()))
            names << widget->objectName();
    }
    return names.join(' ');
}

} // namespace

// The main window driven as a user drives it: its screens, its languages and the question
// management, on a small seeded catalogue.
class TestController : public QObject
{
    Q_OBJECT

    std::optional<TestWorkspace> ws;
    std::optional<Controller> controller;
    QStringList seeded; // the catalogue before the test's own steps

    QWidget *screen() { return currentScreen(&*controller); }
    // An explanation never typed may be stored as NULL or as an empty text.
    QStringList snapshot() const
    {
        return ws->snapshot()
            .filter(QRegularExpression("^(category|question|answer)"))
            .replaceInStrings(QRegularExpression("\\|NULL$"), "|");
    }
    // The management menu, or the screen one of its buttons leads to.
    QWidget *manage(const char *button = nullptr)
    {
        controller->showManageQuestionsMenu();
        if (button)
            press(screen(), button);
        return screen();
    }

private slots:
    void init()
    {
        ws.emplace();
        ws->provision();
        // Cat1: Q1, Q2; Cat2: Q3; Cat3: Q4, Q5.
        seedCatalogue(*ws, 3, {1, 1, 2, 3, 3});
        seeded = snapshot();
        controller.emplace();
        // Shown, since radio buttons and check boxes take clicks only where they are drawn.
        controller->show();
        QVERIFY(QTest::qWaitForWindowExposed(&*controller));
    }

    void cleanup()
    {
        // A window a failed test left open must not answer for the next test.
        while (auto *window = shownWindow<PasswordCheck>())
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        controller.reset();
        ws.reset();
    }

    // Every button that leads to another screen leads to its own; the screen it replaces is
    // deleted at once; "Exit" closes the window.
    void buttonsLeadToTheirScreens()
    {
        QVERIFY(!controller->findChild<QWidget *>("mainWidget")); // the menu took its place
        QStringList visited;
        for (const char *button : {"pbQuizSettings", "pbMenu", "pbProgress", "pbMenu",
                                   "pbManageQuestions", "pbAddQuestion",
                                   "pbManageQuestionsMenu", "pbAddQuestionsPerFile", "pbMenu",
                                   "pbDeleteQuestion", "pbManageQuestionsMenu", "pbMenu"}) {
            QPointer<QWidget> before = screen();
            press(before, button);
            if (auto *password = shownWindow<PasswordCheck>())
                QTest::keyClicks(password->findChild<QLineEdit *>(), "tarwe\r");
            QVERIFY(before.isNull());
            visited << screen()->metaObject()->className();
        }
        QCOMPARE(visited, QString("QuizSettings Menu Progress Menu ManageQuestionsMenu AddQuestion "
                                  "ManageQuestionsMenu AddQuestionsPerFile ManageQuestionsMenu "
                                  "DeleteQuestion ManageQuestionsMenu Menu")
                              .split(' '));
        QTRY_VERIFY(screen()->isVisible());
        press(screen(), "pbExit");
        QVERIFY(!controller->isVisible());
    }

    void flagsSwitchAndKeepTheLanguage_data()
    {
        // The flag clicked, the window title on the next screen, a statement run afterwards,
        // the settings row stored, and the menu's exit text and its flag shown as the
        // current one after a restart.
        QTest::addColumn<QStringList>("row");
        QTest::newRow("German") << QStringList{"pbDE", "Menü", "", "DE|1", "Be&enden", "pbDE"};
        QTest::newRow("English") << QStringList{"pbEN", "Menu", "", "EN|2", "&Exit", "pbEN"};
        QTest::newRow("Estonian") << QStringList{"pbEE", "Menüü", "", "EE|3", "&Välju", "pbEE"};
        // An unknown or missing country code falls back to English texts; the flag follows
        // the language of the catalogue texts.
        QTest::newRow("unknown code")
            << QStringList{"pbDE", "Menü",  "UPDATE settings SET current_country_code = 'FR'",
                           "FR|1", "&Exit", "pbDE"};
        QTest::newRow("no settings row")
            << QStringList{"pbDE", "Menü", "DELETE FROM settings", "", "&Exit", ""};
    }

    void flagsSwitchAndKeepTheLanguage()
    {
        QFETCH(QStringList, row);
        QPointer<QWidget> before = screen();
        press(before, row[0].toLatin1().constData());
        QVERIFY(before.isNull()); // rebuilt, even when the language did not change
        // The title is set before the new language is installed: it lags one screen behind.
        QCOMPARE(controller->windowTitle(), "Menu — Velmora");
        controller->showMenu();
        QCOMPARE(controller->windowTitle(), row[1] + " — Velmora");
        if (!row[2].isEmpty())
            ws->execute({row[2]});
        QCOMPARE(ws->query("SELECT * FROM settings").join(','), row[3]);
        controller.emplace(); // restarted
        QCOMPARE(child<QPushButton>(screen(), "pbExit")->text(), row[4]);
        // Every flag named in its own language; only the current one pressed in and said to
        // be so.
        QStringList flags;
        for (const char *flag : {"pbDE", "pbEN", "pbEE"}) {
            auto *button = child<QPushButton>(screen(), flag);
            const bool current = button->objectName() == row[5];
            QCOMPARE(button->isChecked(), current);
            QCOMPARE(button->accessibleDescription() ==
                         QCoreApplication::translate("Menu", "The language shown now"),
                     current);
            flags << button->toolTip() + '|' + button->accessibleName();
        }
        QCOMPARE(flags, QStringList({"Deutsch|Deutsch", "English|English", "Eesti|Eesti"}));
    }

    void passwordWindowLetsOnlyTheExactPasswordIn_data()
    {
        // Typed, ended by Enter ("\r") or else by the button.
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("right, by Enter") << "tarwe\r" << true;
        QTest::newRow("right, by the button") << "tarwe" << true;
        QTest::newRow("wrong") << "tarwo\r" << false;
        QTest::newRow("upper case") << "TARWE" << false;
        QTest::newRow("trailing blank") << "tarwe \r" << false;
    }

    void passwordWindowLetsOnlyTheExactPasswordIn()
    {
        QFETCH(QString, typed);
        QFETCH(bool, right);
        QWidget *menu = screen();
        press(menu, "pbManageQuestions");
        QPointer<PasswordCheck> window = shownWindow<PasswordCheck>();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), "Password — Velmora");
        QCOMPARE(screen(), menu); // the menu waits behind it
        QTest::keyClicks(window->findChild<QLineEdit *>(), typed);
        if (!typed.endsWith('\r'))
            QTest::mouseClick(window->findChild<QPushButton *>(), Qt::LeftButton);
        QCOMPARE(screen()->metaObject()->className(), right ? "ManageQuestionsMenu" : "Menu");
        QTRY_VERIFY(window.isNull()); // closed either way, and gone for good
    }

    void databaseEditorStartsWithoutWaiting()
    {
        QWidget *management = manage();
        press(management, "pbDatabaseEditor"); // no editor there: nothing happens
        QCOMPARE(screen(), management);
        // A stand-in editor that leaves a file where it ran, a second after it started.
        const QString editor = writeFile("Database_editor", "#!/bin/sh\nsleep 1\ntouch ran\n");
        QVERIFY(QFile::setPermissions(editor, QFile::permissions(editor) | QFile::ExeOwner));
        press(management, "pbDatabaseEditor");
        QVERIFY2(!QFile::exists("ran"), "the click waited for the editor");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists("ran"), 10000);
    }

    void addChecksAndStoresOneQuestionAsAWhole_data()
    {
        // Per answer: t true, h explained and unchecked again, - false and never explained.
        QTest::addColumn<QString>("answers");
        QTest::addColumn<bool>("newCategory");
        // Texts spoiled for one press (input:language=text), and the inputs it marks red.
        QTest::addColumn<QStringList>("spoils");
        QTest::addColumn<QString>("red");
        QTest::addColumn<QString>("failing"); // inserts that fail on the next press
        QTest::newRow("no true answer; a separator; the question fails")
            << "----" << false << QStringList{"Answer1:1=a;"} << "rbAnswer1"
            << "question";
        QTest::newRow("one true, new category; texts missing; its names fail")
            << "--t-" << true << QStringList{"Category:2=", "Explanation3:1="}
            << "rbAddNewCategory rbAnswer3"
            << "category_lang";
        // A hidden explanation (answer 2) does not count: the user cannot see it.
        QTest::newRow("two true, one hidden, new category; separators; the last link fails")
            << "th-t" << true
            << QStringList{"Category:0=a;b", "Question:2=;", "Answer4:0=x;", "Explanation2:0=;"}
            << "rbAddNewCategory tlQuestion rbAnswer4"
            << "question_answer WHEN NEW.answer_id = 4";
        QTest::newRow("four true; texts missing; answer texts fail")
            << "tttt" << false << QStringList{"Question:1=", "Answer3:2="} << "tlQuestion rbAnswer3"
            << "answer_lang";
    }

    void addChecksAndStoresOneQuestionAsAWhole()
    {
        QFETCH(QString, answers);
        QFETCH(bool, newCategory);
        QFETCH(QStringList, spoils);
        QFETCH(QString, red);
        QFETCH(QString, failing);
        // Answer 4's texts are blanks, which count as texts.
        auto text = [](const QString &input, int l) {
            const QString language = QStringList{"DE", "EN", "EE"}[l];
            return input == "Answer4" ? QString(l + 1, ' ') : input + " " + language + " ä";
        };
        QPointer<QWidget> form = manage("pbAddQuestion");
        press(form, "pbAdd"); // nothing typed, no category chosen
        QCOMPARE(names(form, true),
                 "rbCategories tlQuestion rbAnswer1 rbAnswer2 rbAnswer3 rbAnswer4");

        // The lowest free ids: category 4, question 6, answers 1 to 4.
        QStringList expected = seeded;
        expected << QStringLiteral("question:6|%1").arg(newCategory ? 4 : 3);
        // Types an input's three texts, and expects them stored as rows (language for %1).
        auto fill = [&](const QString &input, const QString &row = {}) {
            for (int l = 0; l < 3; ++l) {
                paste(lines(form, input)[l], text(input, l));
                if (!row.isEmpty())
                    expected << row.arg(l + 1) + text(input, l);
            }
        };
        if (newCategory) {
            press(form, "rbAddNewCategory");
            fill("Category", "category_lang:4|%1|");
            expected << "category:4";
        } else {
            press(form, "rbCategories");
            press(child(form, "categorySelection")->findChildren<QRadioButton *>()[2]); // Cat3
        }
        fill("Question", "question_lang:6|%1|");
        for (int n = 1; n <= 4; ++n) {
            const QChar kind = answers[n - 1];
            const QString num = QString::number(n), a = "Answer" + num, e = "Explanation" + num;
            press(child(form, "rbAnswer" + num));
            fill(a);
            auto *truth = form->findChildren<AddAnswerWidget *>()[n - 1]->findChild<QCheckBox *>();
            if (kind != '-') {
                press(truth);
                fill(e);
            }
            if (kind == 'h')
                press(truth); // unchecked: hidden, but still holding its text
            // One category input and one answer shown, its explanation only while it is true.
            QCOMPARE(names(form, false), QStringLiteral("%1 mleQuestion rbAnswer%2 mleAnswer%3")
                                             .arg(newCategory ? "rbAddNewCategory mleCategory"
                                                              : "rbCategories saCategories",
                                                  num, kind == 't' ? " mleExplanation" : ""));
            expected << "answer:" + num
                     << QStringLiteral("question_answer:%1|6|%2")
                            .arg(num, kind == 't' ? "true" : "false");
            for (int l = 0; l < 3; ++l)
                expected << QStringLiteral("answer_lang:%1|%2|%3|%4")
                                .arg(num, QString::number(l + 1), text(a, l),
                                     kind == '-' ? "" : text(e, l));
        }

        // One press marks exactly the spoiled inputs; the earlier marks are gone.
        for (const QString &spoil : spoils) {
            const QStringList where = spoil.split(QRegularExpression("[:=]"));
            paste(lines(form, where[0])[where[1].toInt()], where[2]);
        }
        press(form, "pbAdd");
        QVERIFY2(form, "stored in spite of bad input");
        QCOMPARE(names(form, true), red);
        for (const QString &spoil : spoils)
            fill(spoil.section(':', 0, 0));
        ws->execute({"CREATE TRIGGER fail BEFORE INSERT ON " + failing +
                     " BEGIN SELECT RAISE(ABORT, 'no'); END"});
        press(form, "pbAdd");
        QCOMPARE(snapshot(), seeded);
        QCOMPARE(screen(), form.data());
        QCOMPARE(names(form, true), "tlStoreFailed"); // and no input
        ws->execute({"DROP TRIGGER fail"}); // with the cause gone, the input kept is stored
        press(form, "pbAdd");
        expected.sort();
        QCOMPARE(snapshot(), expected);
        // A fresh form follows, offering the category and saying the question was added,
        // until its button is pressed again.
        QVERIFY(form.isNull());
        QCOMPARE(
            child(screen(), "categorySelection")->findChildren<QRadioButton *>().last()->text(),
            newCategory ? text("Category", 1) : "Cat3 EN");
        auto *added = child<QLabel>(screen(), "tlAdded");
        QVERIFY(added->isVisible());
        QCOMPARE(added->text(), "Question added.");
        press(screen(), "pbAdd");
        QVERIFY(!added->isVisible());
    }

    void deleteCountsChecksAndLeavesNoOrphans()
    {
        QPointer<QWidget> shown = manage("pbDeleteQuestion");
        QCOMPARE(deleteList(shown),
                 (QStringList{"Cat1 EN: Q1 EN, Q2 EN", "Cat2 EN: Q3 EN", "Cat3 EN: Q4 EN, Q5 EN"}));
        // Presses on the box or the text of a question, each followed by the count.
        const QList<std::tuple<int, bool, int>> presses{{3, false, 1}, {1, true, 2},  {2, true, 3},
                                                        {2, false, 2}, {4, false, 3}, {4, true, 2},
                                                        {4, true, 3},  {5, false, 4}};
        for (const auto &[question, onText, count] : presses) {
            auto *box = shown->findChildren<CheckBox *>()[question - 1];
            press(onText ? static_cast<QWidget *>(box->findChild<ClickableLabel *>())
                         : box->findChild<QCheckBox *>());
            QCOMPARE(child<QLabel>(shown, "tlSelectedQuestions")->text(), QString::number(count));
        }
        controller->confirmations()->setNextConfirmation(true);
        press(shown, "pbDelete");
        QVERIFY(shown.isNull());
        shown = screen();
        // Only question 2 is left, with its category and answers, and nothing of the others.
        QCOMPARE(deleteList(shown), QStringList{"Cat1 EN: Q2 EN"});
        QCOMPARE(snapshot(),
                 seeded.filter(QRegularExpression("^(category(_lang)?:1|question(_lang)?:2|"
                                                  "(answer(_lang)?|question_answer):2\\d)\\b")));
        // Deleting the last one leaves an empty catalogue, on a screen that still works.
        press(shown->findChild<QCheckBox *>());
        controller->confirmations()->setNextConfirmation(true);
        press(shown, "pbDelete");
        shown = screen();
        QCOMPARE(deleteList(shown), QStringList{});
        QCOMPARE(snapshot(), QStringList{});
        QVERIFY(!child<QPushButton>(shown, "pbDelete")->isEnabled()); // nothing to delete
    }

    void editReplacesOneQuestionInItsPlace_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("category");   // chosen instead; empty: kept; "new": typed
        QTest::addColumn<QString>("truths");     // of the four answers, set before saving
        QTest::addColumn<QString>("emptied");    // an input left empty: refused
        QTest::addColumn<QString>("failing");    // an insert that fails: nothing stored
        QTest::addColumn<QString>("categories"); // afterwards
        QTest::newRow("texts and truths") << 1 << "" << "-tt-" << "" << "" << "1 2 3";
        QTest::newRow("moved; its category left empty")
            << 3 << "Cat3 EN" << "t---" << "" << "" << "1 3";
        QTest::newRow("to a new category; the old one shared")
            << 4 << "new" << "tttt" << "" << "" << "1 2 3 4";
        QTest::newRow("refused") << 2 << "Cat2 EN" << "----" << "Question" << "" << "1 2 3";
        QTest::newRow("the last link fails")
            << 3 << "new" << "t---" << "" << "question_answer WHEN NEW.answer_id = 4" << "1 2 3";
    }

    // Editing replaces the question's texts, answers and category in one change, keeps its
    // id and learning history, and changes no other question; a category left empty goes.
    void editReplacesOneQuestionInItsPlace()
    {
        QFETCH(int, question);
        QFETCH(QString, category);
        QFETCH(QString, truths);
        QFETCH(QString, emptied);
        QFETCH(QString, failing);
        QFETCH(QString, categories);
        const QString q = QString::number(question);
        const int categoryBefore = QList<int>{1, 1, 2, 3, 3}[question - 1];
        const int trueBefore = 1 + question % 3;
        int run = 0;
        QVERIFY(controller->learning().record(run, {question, 0, {}, true, false, 900, 2}));
        const QStringList before = ws->snapshot();

        QWidget *list = manage("pbEditQuestion");
        QVERIFY(controller->windowTitle().startsWith("Edit questions"));
        for (auto *row : list->findChildren<ClickableLabel *>()) {
            if (row->text() == "Q" + q + " EN")
                press(row);
        }
        QTRY_COMPARE(QString(screen()->metaObject()->className()), "AddQuestion");
        QPointer<QWidget> form = screen();
        QVERIFY(!controller->windowTitle().startsWith("Edit questions"));
        QCOMPARE(child<QPushButton>(form, "pbAdd")->text(), "&Save");
        // Filled with the question as it is stored.
        auto truth = [&](int n) {
            return form->findChildren<AddAnswerWidget *>()[n - 1]->findChild<QCheckBox *>();
        };
        QStringList shown;
        for (QLineEdit *line : lines(form, "Question"))
            shown << line->text();
        for (auto *button : child(form, "categorySelection")->findChildren<QRadioButton *>())
            shown << (button->isChecked() ? button->text() : QString());
        for (int n = 1; n <= 4; ++n)
            shown << lines(form, "Answer" + QString::number(n))[2]->text() +
                         (truth(n)->isChecked() ? " t" : " -");
        shown.removeAll(QString());
        QStringList stored{"Q" + q + " DE", "Q" + q + " EN", "Q" + q + " EE",
                           QStringLiteral("Cat%1 EN").arg(categoryBefore)};
        for (int n = 1; n <= 4; ++n)
            stored << QString(n <= trueBefore ? "right %1 t" : "wrong %1 -").arg(10 * question + n);
        QCOMPARE(shown, stored);

        // The new texts: the question's, the first answer's and the explanations needed.
        const QStringList languages{"DE", "EN", "EE"};
        for (int l = 0; l < 3; ++l) {
            paste(lines(form, "Question")[l], "Edited " + languages[l]);
            paste(lines(form, "Answer1")[l], "New " + languages[l]);
        }
        for (int n = 1; n <= 4; ++n) {
            press(child(form, "rbAnswer" + QString::number(n)));
            if (truth(n)->isChecked() != (truths[n - 1] == 't'))
                press(truth(n));
            for (int l = 0; l < 3 && n > trueBefore && truths[n - 1] == 't'; ++l)
                paste(lines(form, "Explanation" + QString::number(n))[l], "Why " + languages[l]);
        }
        if (category == "new") {
            press(form, "rbAddNewCategory");
            for (int l = 0; l < 3; ++l)
                paste(lines(form, "Category")[l], "New " + languages[l]);
        } else if (!category.isEmpty()) {
            for (auto *button : child(form, "categorySelection")->findChildren<QRadioButton *>())
                if (button->text() == category)
                    press(button);
        }
        if (!emptied.isEmpty())
            paste(lines(form, emptied)[1], QString());
        if (!failing.isEmpty())
            ws->execute({"CREATE TRIGGER fail BEFORE INSERT ON " + failing +
                         " BEGIN SELECT RAISE(ABORT, 'no'); END"});
        press(form, "pbAdd");

        QVERIFY(controller->learning().memories().contains(question));
        QCOMPARE(ws->query("SELECT count(*) FROM answer_history WHERE question_id = " + q),
                 QStringList{"1"});
        if (!emptied.isEmpty() || !failing.isEmpty()) {
            QCOMPARE(screen(), form.data());
            QCOMPARE(ws->snapshot(), before);
            QCOMPARE(names(form, true), emptied.isEmpty() ? "tlStoreFailed" : "tlQuestion");
            return;
        }
        auto *outcome = child<QLabel>(screen(), "tlOutcome");
        QVERIFY(outcome->isVisible() && outcome->text() == "Question saved.");
        QCOMPARE(controller->getQuestionTextsAt(question),
                 QStringList({"Edited DE", "Edited EN", "Edited EE"}));
        QCOMPARE(controller->getCategoryNameForQuestionId(question),
                 category.isEmpty() ? QStringLiteral("Cat%1 EN").arg(categoryBefore)
                 : category == "new" ? "New EN"
                                     : category);
        QStringList answers;
        for (int n = 1; n <= 4; ++n)
            answers << (n == 1 ? "New EN" : QString(n <= trueBefore ? "right %1" : "wrong %1")
                                                 .arg(10 * question + n)) +
                           " " + truths[n - 1];
        const QRegularExpression end("$");
        QStringList storedAnswers =
            controller->getTrueAnswerTextsToQuestionId(question).replaceInStrings(end, " t") +
            controller->getFalseAnswerTextsToQuestionId(question).replaceInStrings(end, " -");
        answers.sort();
        storedAnswers.sort();
        QCOMPARE(storedAnswers, answers);
        QCOMPARE(ws->query("SELECT group_concat(category_id, ' ') FROM category"),
                 QStringList{categories});
        // Every other question, with its answers and category, as it was: the rows left
        // out are the question's own, old and new, and those of a category gone or new.
        const QString answerIds = ws->query("SELECT group_concat(answer_id, '|') FROM "
                                            "question_answer WHERE question_id = " + q)[0];
        const QString categoryGone =
            categories.contains(QString::number(categoryBefore)) ? "0" : QString::number(categoryBefore);
        const QRegularExpression own(
            QStringLiteral("^(question(_lang)?:%1|question_answer:\\d+\\|%1|"
                           "answer(_lang)?:(%2|%3)|category(_lang)?:(%4|4))(\\||$)")
                .arg(q, answerIds, QStringList{q + "1", q + "2", q + "3", q + "4"}.join('|'),
                     categoryGone));
        auto others = [&](const QStringList &rows) {
            QStringList kept;
            for (const QString &row : rows) {
                if (QRegularExpression("^(category|question|answer)").match(row).hasMatch() &&
                    !own.match(row).hasMatch())
                    kept << row;
            }
            return kept;
        };
        QCOMPARE(others(ws->snapshot()), others(before));
    }

    void confirmationOffersTheActionAndDefaultsToCancel_data()
    {
        QTest::addColumn<QString>("screen"); // its button on the management menu, if any
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("buttons"); // sorted, then the default one
        QTest::newRow("reset") << "" << "pbResetHistory" << "Cancel Reset, Cancel";
        QTest::newRow("delete") << "pbDeleteQuestion" << "pbDelete" << "Cancel Delete, Cancel";
    }

    // The real question, not the seam: the action's own button, and Cancel for Enter.
    void confirmationOffersTheActionAndDefaultsToCancel()
    {
        QFETCH(QString, screen);
        QFETCH(QString, action);
        QFETCH(QString, buttons);
        int run = 0;
        QVERIFY(controller->learning().record(run, {1, 0, {}, true, false, 900, 2}));
        QWidget *shown = manage(screen.isEmpty() ? nullptr : qPrintable(screen));
        if (auto *box = shown->findChild<QCheckBox *>())
            press(box);
        const QStringList before = ws->snapshot();
        QString seen;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            QStringList texts;
            for (QAbstractButton *button : box->buttons())
                texts << button->text();
            texts.sort();
            seen = texts.join(' ') + ", " + box->defaultButton()->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        press(shown, qPrintable(action));
        QCOMPARE(seen, buttons);
        QCOMPARE(ws->snapshot(), before);
        QCOMPARE(controller->learning().memories().size(), 1);
    }

    // Resetting the learning history asks first, and then drops every answer, run and memory
    // in one change, or nothing at all; the catalogue stays as it was.
    void resetLearningHistory_data()
    {
        QTest::addColumn<bool>("refused");    // the database refuses the last deletion
        QTest::addColumn<QString>("left");    // answers|memories|runs afterwards
        QTest::addColumn<QString>("outcome"); // shown on the menu
        QTest::newRow("accepted") << false << "0|0|0"
                                  << "The learning history was reset.";
        QTest::newRow("refused part way") << true << "3|2|3"
                                          << "The learning history could not be reset.";
    }

    void resetLearningHistory()
    {
        QFETCH(bool, refused);
        QFETCH(QString, left);
        QFETCH(QString, outcome);
        LearningStore &learning = controller->learning();
        for (int questionId : {1, 3, 1}) {
            int run = 0;
            QVERIFY(learning.record(run, {questionId, 0, {}, questionId == 1, false, 900, 2}));
        }
        if (refused)
            ws->execute({"CREATE TRIGGER keep_runs BEFORE DELETE ON quiz_run "
                         "BEGIN SELECT RAISE(ABORT, 'kept'); END"});
        QWidget *menu = manage();
        controller->confirmations()->setNextConfirmation(true);
        press(menu, "pbResetHistory");
        QCOMPARE(ws->query("SELECT (SELECT count(*) FROM answer_history) || '|' || (SELECT "
                           "count(*) FROM question_memory) || '|' || (SELECT count(*) FROM "
                           "quiz_run)"),
                 QStringList{left});
        QCOMPARE(learning.memories().size(), left.front().digitValue() > 0 ? 2 : 0);
        auto *label = child<QLabel>(menu, "tlResetOutcome");
        QCOMPARE(label->isVisible() ? label->text() : QString(), outcome);
        QCOMPARE(label->palette().color(QPalette::WindowText) == Qt::red, refused);
        QCOMPARE(snapshot(), seeded);
    }

    // Ctrl+Q ends the program wherever the user is: on any screen, in a text field, or in
    // one of the small windows beside the main one.
    void ctrlQClosesTheProgram_data()
    {
        QTest::addColumn<QString>("where");
        for (const char *where : {"menu", "add form", "quiz settings", "password", "about"})
            QTest::newRow(where) << where;
    }

    void ctrlQClosesTheProgram()
    {
        QFETCH(QString, where);
        QVERIFY(QTest::qWaitForWindowActive(&*controller));
        if (where == "add form")
            lines(manage("pbAddQuestion"), "Question")[0]->setFocus();
        else if (where == "quiz settings")
            controller->showQuizSettings();
        else if (where != "menu")
            press(screen(), where == "password" ? "pbManageQuestions" : "pbAbout");
        QWidget *window = &*controller;
        if (where == "password")
            window = shownWindow<PasswordCheck>();
        else if (where == "about")
            window = shownWindow<AboutWindow>();
        QVERIFY(window && QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Q,
                        Qt::ControlModifier);
        QVERIFY(!controller->isVisible());
        // Those beside it no longer keep the program running.
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose) || window == &*controller);
    }

    // The About window, in the language of the interface (Qt's own button texts included
    // where Debian ships them): version, licence, the database and a guide that is there.
    void aboutWindowSaysWhatAndWhere_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("close"); // the text of Qt's standard button
        QTest::newRow("German") << "pbDE"
                                << "Schließen";
        // Debian 12 has no Estonian catalogue of Qt: Qt's texts stay English.
        QTest::newRow("Estonian") << "pbEE"
                                  << "Close";
        QTest::newRow("English") << "pbEN"
                                 << "Close";
    }

    void aboutWindowSaysWhatAndWhere()
    {
        QFETCH(QString, flag);
        QFETCH(QString, close);
        // Each row starts from German, so English and Estonian must also take Qt's
        // German away.
        press(screen(), "pbDE");
        press(screen(), flag.toLatin1().constData());
        press(screen(), "pbAbout");
        QPointer<AboutWindow> about = shownWindow<AboutWindow>();
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QCoreApplication::translate("AboutWindow", "About Velmora"));
        QCOMPARE(child<QLabel>(about, "tlVersion")->text(), VELMORA_VERSION);
        QVERIFY(child<QLabel>(about, "tlLicence")->text().contains("GPL-3.0-or-later"));
        const QFileInfo database(child<QLabel>(about, "tlDatabase")->text());
        QVERIFY(database.isAbsolute());
        QCOMPARE(database.canonicalFilePath(), QFileInfo(ws->databaseFile()).canonicalFilePath());
        auto *guide = child<QLabel>(about, "tlUserGuide");
        QVERIFY(guide->openExternalLinks());
        const QString href =
            QRegularExpression("href=\"([^\"]+)\"").match(guide->text()).captured(1);
        QVERIFY2(QUrl(href).toLocalFile().endsWith("/USER_GUIDE.md") &&
                     QFileInfo(QUrl(href).toLocalFile()).isFile(),
                 qPrintable(href));
        QCOMPARE(about->findChild<QDialogButtonBox *>()->buttons().value(0)->text(), close);

        // A second press raises the same window; closed, it is gone.
        press(screen(), "pbAbout");
        QCOMPARE(controller->findChildren<AboutWindow *>().size(), 1);
        about->close();
        QTRY_VERIFY(about.isNull());
    }
};

QTEST_MAIN(TestController)
#include "tst_controller.moc"
