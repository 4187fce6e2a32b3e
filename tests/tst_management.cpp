#include "checkbox.h"
#include "clickablelabel.h"
#include "controller.h"
#include "deletequestion.h"
#include "managequestionsmenu.h"
#include "menu.h"
#include "passwordcheck.h"
#include "testworkspace.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// The way into question management (password window, management menu, database editor)
// and the delete screen.
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
    void managementTextsFollowTheLanguage_data();
    void managementTextsFollowTheLanguage();
    void databaseEditorStartsWithoutWaiting();
    void missingDatabaseEditorBreaksNothing();
    void deleteScreenGroupsQuestionsAndCountsChecks();
    void deletingRemovesCheckedQuestionsWithoutOrphans();
    void deleteScreenOnAnEmptyCatalogue();
};

namespace {
const char password[] = "tarwe";

QList<PasswordCheck *> openPasswordWindows()
{
    QList<PasswordCheck *> windows;
    const auto topLevels = QApplication::topLevelWidgets();
    for (QWidget *widget : topLevels) {
        if (auto *window = qobject_cast<PasswordCheck *>(widget); window && window->isVisible())
            windows << window;
    }
    return windows;
}

void click(QWidget *screen, const QString &name)
{
    auto *button = screen->findChild<QAbstractButton *>(name);
    if (!button)
        qFatal("no %s", qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

QString screenClass(Controller &controller)
{
    QWidget *screen = currentScreen(&controller);
    return screen ? QString::fromLatin1(screen->metaObject()->className()) : QString();
}

// Category c (names "Cat<c> DE/EN/EE") with the given questions; question q has the
// texts "Q<q> DE/EN/EE" and the answers 10q+1 to 10q+4, the first one true.
void seedQuestions(const TestWorkspace &ws, int category, const QList<int> &questions)
{
    QStringList sql{QStringLiteral("INSERT INTO category VALUES (%1)").arg(category)};
    const QStringList codes{"DE", "EN", "EE"};
    for (int l = 0; l < 3; ++l)
        sql << QStringLiteral("INSERT INTO category_lang VALUES (%1, %2, 'Cat%1 %3')")
                   .arg(category)
                   .arg(l + 1)
                   .arg(codes.at(l));
    for (int q : questions) {
        sql << QStringLiteral("INSERT INTO question VALUES (%1, %2)").arg(q).arg(category);
        for (int l = 0; l < 3; ++l) {
            sql << QStringLiteral("INSERT INTO question_lang VALUES (%1, %2, 'Q%1 %3')")
                       .arg(q)
                       .arg(l + 1)
                       .arg(codes.at(l));
        }
        for (int a = 10 * q + 1; a <= 10 * q + 4; ++a) {
            sql << QStringLiteral("INSERT INTO answer VALUES (%1)").arg(a)
                << QStringLiteral("INSERT INTO question_answer VALUES (%1, %2, '%3')")
                       .arg(a)
                       .arg(q)
                       .arg(a == 10 * q + 1 ? "true" : "false");
            for (int l = 0; l < 3; ++l) {
                sql << QStringLiteral("INSERT INTO answer_lang VALUES (%1, %2, 'A%1', %3)")
                           .arg(a)
                           .arg(l + 1)
                           .arg(a == 10 * q + 1 ? QStringLiteral("'E%1'").arg(a) : "NULL");
            }
        }
    }
    ws.execute(sql);
}

// Rows that belong to nothing: each statement must find none.
QStringList orphans(const TestWorkspace &ws)
{
    const QStringList checks{"SELECT 'question_lang', question_id FROM question_lang "
                             "WHERE question_id NOT IN (SELECT question_id FROM question)",
                             "SELECT 'question_answer', question_id FROM question_answer "
                             "WHERE question_id NOT IN (SELECT question_id FROM question) "
                             "OR answer_id NOT IN (SELECT answer_id FROM answer)",
                             "SELECT 'answer', answer_id FROM answer "
                             "WHERE answer_id NOT IN (SELECT answer_id FROM question_answer)",
                             "SELECT 'answer_lang', answer_id FROM answer_lang "
                             "WHERE answer_id NOT IN (SELECT answer_id FROM answer)",
                             "SELECT 'category_lang', category_id FROM category_lang "
                             "WHERE category_id NOT IN (SELECT category_id FROM category)",
                             "SELECT 'question', question_id FROM question "
                             "WHERE category_id NOT IN (SELECT category_id FROM category)",
                             "SELECT 'empty category', category_id FROM category "
                             "WHERE category_id NOT IN (SELECT category_id FROM question)"};
    QStringList found;
    for (const QString &check : checks)
        found << ws.query(check);
    return found;
}

QStringList groupTitles(QWidget *screen)
{
    QStringList titles;
    const auto groups = screen->findChildren<QGroupBox *>();
    for (QGroupBox *group : groups)
        titles << group->title();
    return titles;
}

// The question entry of the delete screen showing the given text.
CheckBox *entry(QWidget *screen, const QString &text)
{
    const auto boxes = screen->findChildren<CheckBox *>();
    for (CheckBox *box : boxes) {
        if (box->findChild<ClickableLabel *>()->text() == text)
            return box;
    }
    qFatal("no entry %s", qPrintable(text));
}

// Check boxes take clicks only on their indicator, which needs a laid-out window.
void showLaidOut(Controller &controller)
{
    controller.show();
    if (!QTest::qWaitForWindowExposed(&controller))
        qFatal("window not shown");
}

QString selectedCount(QWidget *screen)
{
    return screen->findChild<QLabel *>("tlSelectedQuestions")->text();
}
} // namespace

void TestManagement::cleanup()
{
    // A window a failed test left open must not answer for the next test.
    const auto windows = openPasswordWindows();
    for (PasswordCheck *window : windows)
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
    QTest::newRow("first letter upper case") << "Tarwe" << true << false;
    QTest::newRow("trailing blank") << "tarwe " << true << false;
    QTest::newRow("leading blank") << " tarwe" << false << false;
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
    click(menu, "pbManageQuestions");
    const auto windows = openPasswordWindows();
    QCOMPARE(windows.size(), 1);
    QPointer<PasswordCheck> window = windows.first();
    QVERIFY(!window->parentWidget());
    QCOMPARE(currentScreen(&controller), menu.data()); // the menu stays behind the window
    auto *edit = window->findChild<QLineEdit *>();
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    QSignalSpy right(window.data(), &PasswordCheck::enteredRightPassword);

    QTest::keyClicks(edit, typed);
    if (byEnter)
        QTest::keyClick(edit, Qt::Key_Return);
    else
        QTest::mouseClick(window->findChild<QPushButton *>(), Qt::LeftButton);

    QCOMPARE(right.count(), accepted ? 1 : 0);
    QCOMPARE(screenClass(controller),
             accepted ? QStringLiteral("ManageQuestionsMenu") : QStringLiteral("Menu"));
    QCOMPARE(menu.isNull(), accepted);
    QCOMPARE(controller.windowTitle(),
             accepted ? QStringLiteral("Manage questions") : QStringLiteral("Menu"));
    // Closed either way, and gone for good.
    QVERIFY(openPasswordWindows().isEmpty());
    QTRY_VERIFY(window.isNull());
}

void TestManagement::twoPasswordWindowsWorkIndependently()
{
    TestWorkspace ws;
    ws.provision();
    Controller controller;
    click(currentScreen(&controller), "pbManageQuestions");
    click(currentScreen(&controller), "pbManageQuestions");
    const auto windows = openPasswordWindows();
    QCOMPARE(windows.size(), 2);
    QPointer<PasswordCheck> first = windows.at(0);
    QPointer<PasswordCheck> second = windows.at(1);
    QSignalSpy firstRight(first.data(), &PasswordCheck::enteredRightPassword);
    QSignalSpy secondRight(second.data(), &PasswordCheck::enteredRightPassword);

    auto enter = [](PasswordCheck *window, const QString &text) {
        auto *edit = window->findChild<QLineEdit *>();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    };
    enter(second, password);
    QCOMPARE(screenClass(controller), QStringLiteral("ManageQuestionsMenu"));
    QPointer<QWidget> management = currentScreen(&controller);
    QCOMPARE(openPasswordWindows(), QList<PasswordCheck *>{first.data()});
    QCOMPARE(first->findChild<QLineEdit *>()->text(), QString()); // nothing leaked across

    // The other window still opens a fresh management menu of its own.
    enter(first, password);
    QVERIFY(management.isNull());
    QCOMPARE(screenClass(controller), QStringLiteral("ManageQuestionsMenu"));
    QCOMPARE(firstRight.count(), 1);
    QCOMPARE(secondRight.count(), 1);
    QVERIFY(openPasswordWindows().isEmpty());

    // A wrong attempt in one of two windows leaves the other usable.
    controller.showMenu();
    click(currentScreen(&controller), "pbManageQuestions");
    click(currentScreen(&controller), "pbManageQuestions");
    const auto more = openPasswordWindows();
    QCOMPARE(more.size(), 2);
    enter(more.at(0), "wrong");
    QCOMPARE(screenClass(controller), QStringLiteral("Menu"));
    QCOMPARE(openPasswordWindows(), QList<PasswordCheck *>{more.at(1)});
    enter(more.at(1), password);
    QCOMPARE(screenClass(controller), QStringLiteral("ManageQuestionsMenu"));
    QTRY_VERIFY(first.isNull() && second.isNull());
}

void TestManagement::managementButtonsLeadToTheirScreensAndBack_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("backButton");
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
    QFETCH(QString, backButton);
    TestWorkspace ws;
    ws.provision();
    Controller controller;
    controller.showManageQuestionsMenu();
    QPointer<QWidget> management = currentScreen(&controller);
    click(management, button);
    QVERIFY(management.isNull());
    QCOMPARE(screenClass(controller), screen);
    QCOMPARE(controller.windowTitle(), title);
    QCOMPARE(controller.layout()->count(), 1);

    click(currentScreen(&controller), backButton);
    if (screen == "Menu") {
        // The main menu's way back in goes through the password window.
        QCOMPARE(openPasswordWindows().size(), 1);
        auto *edit = openPasswordWindows().first()->findChild<QLineEdit *>();
        QTest::keyClicks(edit, password);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QCOMPARE(screenClass(controller), QStringLiteral("ManageQuestionsMenu"));
    QCOMPARE(controller.windowTitle(), QStringLiteral("Manage questions"));
}

void TestManagement::managementTextsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("managementTitle");
    QTest::addColumn<QStringList>("managementTexts");
    QTest::addColumn<QStringList>("deleteTexts");
    QTest::addColumn<QStringList>("addTexts");
    QTest::newRow("German")
        << "DE" << 1 << "Fragen verwalten"
        << QStringList{"Datenbank Editor ( empfohlen ):", "Datenbank Editor", "Fragen hinzufügen",
                       "Fragen löschen", "Zurück zum &Menü"}
        << QStringList{"Ausgewählte Fragen:", "Zurück zu Fragen verwalten", "Löschen"}
        << QStringList{"Kategorien:", "Frage:", "&Hinzufügen", "Antwort richtig", "Deutsch:"};
    QTest::newRow("Estonian")
        << "EE" << 3 << "Halda küsimusi"
        << QStringList{"Andmebaasi redigeerija ( soovitatav ):", "Andmebaasi redigeerija",
                       "Lisa küsimusi", "Kustuta küsimused", "Tagasi &Menüüsse"}
        << QStringList{"Valitud küsimused:", "Tagasi küsimuste juurde", "Kustuta"}
        << QStringList{"Categories:", "Küsimus:", "&Lisa", "õige vastus", "Saksa:"};
    QTest::newRow("English") << "EN" << 2 << "Manage questions"
                             << QStringList{"Database editor ( recommended ):", "Database editor",
                                            "Add questions", "Delete questions", "Back to &menu"}
                             << QStringList{"Selected questions:", "Back to manage questions",
                                            "Delete"}
                             << QStringList{"Categories:", "Question:", "&Add", "Answer true",
                                            "German:"};
}

void TestManagement::managementTextsFollowTheLanguage()
{
    QFETCH(QString, code);
    QFETCH(int, id);
    QFETCH(QString, managementTitle);
    QFETCH(QStringList, managementTexts);
    QFETCH(QStringList, deleteTexts);
    QFETCH(QStringList, addTexts);
    TestWorkspace ws;
    ws.provision();
    ws.execute(
        {QStringLiteral("UPDATE settings SET current_country_code = '%1', current_lang_id = %2")
             .arg(code)
             .arg(id)});
    Controller controller;
    auto textOf = [&](const char *name) {
        QObject *object = currentScreen(&controller)->findChild<QObject *>(QLatin1String(name));
        if (auto *label = qobject_cast<QLabel *>(object))
            return label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(object))
            return button->text();
        return QStringLiteral("<missing %1>").arg(QLatin1String(name));
    };

    controller.showManageQuestionsMenu();
    QCOMPARE(controller.windowTitle(), managementTitle);
    QCOMPARE((QStringList{textOf("label"), textOf("pbDatabaseEditor"), textOf("pbAddQuestion"),
                          textOf("pbDeleteQuestion"), textOf("pbMenu")}),
             managementTexts);
    controller.showDeleteQuestion();
    QCOMPARE((QStringList{textOf("label"), textOf("pbManageQuestionsMenu"), textOf("pbDelete")}),
             deleteTexts);
    controller.showAddQuestion();
    QCOMPARE((QStringList{textOf("rbCategories"), textOf("tlQuestion"), textOf("pbAdd"),
                          textOf("cbAnswerTrue"), textOf("tlDE")}),
             addTexts);
}

void TestManagement::databaseEditorStartsWithoutWaiting()
{
    TestWorkspace ws;
    ws.provision();
    // Stands in for the external editor: notes where it ran, a while after it started.
    QFile editor(ws.path() + "/Database_editor");
    QVERIFY(editor.open(QIODevice::WriteOnly));
    editor.write("#!/bin/sh\nsleep 1\npwd -P > editor-ran.tmp && mv editor-ran.tmp editor-ran\n");
    editor.close();
    QVERIFY(editor.setPermissions(editor.permissions() | QFileDevice::ExeOwner));
    const QStringList before = ws.query("SELECT * FROM settings");

    Controller controller;
    controller.showManageQuestionsMenu();
    QPointer<QWidget> management = currentScreen(&controller);
    click(management, "pbDatabaseEditor");
    QVERIFY2(!QFile::exists("editor-ran"), "the click waited for the editor");
    QCOMPARE(currentScreen(&controller), management.data());

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists("editor-ran"), 10000);
    QFile marker("editor-ran");
    QVERIFY(marker.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(marker.readAll()).trimmed(), QDir(ws.path()).canonicalPath());
    QCOMPARE(ws.query("SELECT * FROM settings"), before);
}

void TestManagement::missingDatabaseEditorBreaksNothing()
{
    TestWorkspace ws;
    ws.provision();
    Controller controller;
    controller.showManageQuestionsMenu();
    QPointer<QWidget> management = currentScreen(&controller);
    click(management, "pbDatabaseEditor");
    QCOMPARE(currentScreen(&controller), management.data());
    QCOMPARE(controller.windowTitle(), QStringLiteral("Manage questions"));
    // Still fully usable afterwards.
    click(management, "pbAddQuestion");
    QCOMPARE(screenClass(controller), QStringLiteral("AddQuestion"));
}

void TestManagement::deleteScreenGroupsQuestionsAndCountsChecks()
{
    TestWorkspace ws;
    ws.provision();
    seedQuestions(ws, 2, {1, 4});
    seedQuestions(ws, 1, {2});
    ws.execute({"INSERT INTO category VALUES (5)",
                "INSERT INTO category_lang VALUES (5, 1, 'Leer'), (5, 2, 'Empty'), (5, 3, 'Tühi')",
                "UPDATE settings SET current_country_code = 'EE', current_lang_id = 3"});
    Controller controller;
    showLaidOut(controller);
    controller.showDeleteQuestion();
    QWidget *screen = currentScreen(&controller);
    QCOMPARE(groupTitles(screen), (QStringList{"Cat1 EE", "Cat2 EE", "Tühi"}));
    QCOMPARE(screen->findChildren<QGroupBox *>().last()->findChild<QLabel *>()->text(),
             QStringLiteral("Ei ole midagi näidata!"));
    QVERIFY(!screen->findChild<QGroupBox *>("gbMain"));
    // The groups scroll; the count row stays below the scroll area.
    auto *scrollArea = screen->findChild<QWidget *>("mainScrollArea");
    for (QGroupBox *group : screen->findChildren<QGroupBox *>())
        QVERIFY(scrollArea->isAncestorOf(group));
    // Questions in category order, then ascending id within their category.
    QStringList shown;
    for (CheckBox *box : screen->findChildren<CheckBox *>())
        shown << box->findChild<ClickableLabel *>()->text();
    QCOMPARE(shown, (QStringList{"Q2 EE", "Q1 EE", "Q4 EE"}));

    QCOMPARE(selectedCount(screen), QStringLiteral("0"));
    QTest::mouseClick(entry(screen, "Q1 EE")->findChild<QCheckBox *>(), Qt::LeftButton);
    QCOMPARE(selectedCount(screen), QStringLiteral("1"));
    QTest::mouseClick(entry(screen, "Q2 EE")->findChild<ClickableLabel *>(), Qt::LeftButton);
    QCOMPARE(selectedCount(screen), QStringLiteral("2"));
    QTest::mouseClick(entry(screen, "Q4 EE")->findChild<ClickableLabel *>(), Qt::LeftButton);
    QCOMPARE(selectedCount(screen), QStringLiteral("3"));
    QTest::mouseClick(entry(screen, "Q1 EE")->findChild<ClickableLabel *>(), Qt::LeftButton);
    QCOMPARE(selectedCount(screen), QStringLiteral("2"));
    QTest::mouseClick(entry(screen, "Q2 EE")->findChild<QCheckBox *>(), Qt::LeftButton);
    QCOMPARE(selectedCount(screen), QStringLiteral("1"));

    // Leaving without deleting changes nothing.
    const QStringList questions = ws.query("SELECT * FROM question ORDER BY question_id");
    click(screen, "pbManageQuestionsMenu");
    QCOMPARE(ws.query("SELECT * FROM question ORDER BY question_id"), questions);
}

void TestManagement::deletingRemovesCheckedQuestionsWithoutOrphans()
{
    TestWorkspace ws;
    ws.provision();
    seedQuestions(ws, 1, {1, 2});
    seedQuestions(ws, 2, {3});
    seedQuestions(ws, 3, {4, 5});
    QVERIFY(orphans(ws).isEmpty());
    Controller controller;
    showLaidOut(controller);
    controller.showDeleteQuestion();
    QPointer<QWidget> screen = currentScreen(&controller);
    // The only question of category 2, one of two in category 1, both of category 3.
    for (const char *text : {"Q3 EN", "Q1 EN", "Q4 EN", "Q5 EN"})
        QTest::mouseClick(entry(screen, QLatin1String(text))->findChild<QCheckBox *>(),
                          Qt::LeftButton);
    QCOMPARE(selectedCount(screen), QStringLiteral("4"));
    click(screen, "pbDelete");

    QVERIFY(screen.isNull());
    QWidget *rebuilt = currentScreen(&controller);
    QVERIFY(qobject_cast<DeleteQuestion *>(rebuilt));
    QCOMPARE(controller.windowTitle(), QStringLiteral("Delete questions"));
    QCOMPARE(selectedCount(rebuilt), QStringLiteral("0"));
    QCOMPARE(groupTitles(rebuilt), QStringList{"Cat1 EN"});
    QCOMPARE(rebuilt->findChildren<CheckBox *>().size(), 1);
    QVERIFY(!entry(rebuilt, "Q2 EN")->isChecked());

    QCOMPARE(ws.query("SELECT * FROM question"), QStringList{"2|1"});
    QCOMPARE(ws.query("SELECT category_id FROM category"), QStringList{"1"});
    QCOMPARE(ws.query("SELECT DISTINCT category_id FROM category_lang"), QStringList{"1"});
    QCOMPARE(ws.query("SELECT answer_id FROM answer ORDER BY answer_id"),
             (QStringList{"21", "22", "23", "24"}));
    QCOMPARE(ws.query("SELECT COUNT(*) FROM answer_lang"), QStringList{"12"});
    QCOMPARE(ws.query("SELECT COUNT(*) FROM question_lang"), QStringList{"3"});
    QCOMPARE(orphans(ws), QStringList{});
}

void TestManagement::deleteScreenOnAnEmptyCatalogue()
{
    TestWorkspace ws;
    ws.provision();
    Controller controller;
    controller.showDeleteQuestion();
    QPointer<QWidget> screen = currentScreen(&controller);
    QCOMPARE(groupTitles(screen), QStringList{});
    QCOMPARE(screen->findChildren<CheckBox *>().size(), 0);
    QCOMPARE(selectedCount(screen), QStringLiteral("0"));
    const QStringList settings = ws.query("SELECT * FROM quiz_settings_current_category_id");
    click(screen, "pbDelete");
    QVERIFY(screen.isNull());
    QVERIFY(qobject_cast<DeleteQuestion *>(currentScreen(&controller)));
    QCOMPARE(ws.query("SELECT COUNT(*) FROM category"), QStringList{"0"});
    QCOMPARE(ws.query("SELECT * FROM quiz_settings_current_category_id"), settings);
}

QTEST_MAIN(TestManagement)
#include "tst_management.moc"
