#include "controller.h"
#include "menu.h"
#include "testworkspace.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// The main window's screen handling, the main menu and language switching.
class TestController : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheMenuAndDropsThePlaceholder();
    void screenChangeDeletesTheOldScreen();
    void menuTextsFollowTheStoredLanguage_data();
    void menuTextsFollowTheStoredLanguage();
    void titleLagsOneScreenChangeBehind();
    void languageSurvivesARestart();
    void untranslatedAndUnknownLanguagesFallBackToEnglish();
    void catalogueEntriesThatDifferFromTheirSource();
    void exitClosesTheWindow();
};

namespace {
QString buttonText(QWidget *screen, const char *name)
{
    auto *button = screen->findChild<QPushButton *>(QLatin1String(name));
    return button ? button->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

void click(QWidget *screen, const char *name)
{
    auto *button = screen->findChild<QPushButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}
} // namespace

void TestController::opensOnTheMenuAndDropsThePlaceholder()
{
    TestWorkspace workspace;
    workspace.provision();
    workspace.execute({QStringLiteral("UPDATE settings SET current_country_code = 'DE', "
                                      "current_lang_id = 1")});
    Controller controller;
    QCOMPARE(controller.layout()->count(), 1);
    QVERIFY(qobject_cast<Menu *>(currentScreen(&controller)));
    QVERIFY(!controller.findChild<QWidget *>(QStringLiteral("mainWidget")));
    // Texts in the stored language, but the very first title is set before any catalogue
    // is installed.
    QCOMPARE(buttonText(currentScreen(&controller), "pbQuizSettings"), QStringLiteral("Quiz &starten"));
    QCOMPARE(controller.windowTitle(), QStringLiteral("Menu"));
    QCOMPARE(controller.size(), QSize(918, 645));
    QCOMPARE(controller.font().pointSize(), 16);
}

void TestController::screenChangeDeletesTheOldScreen()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    controller.show();
    QPointer<QWidget> first = currentScreen(&controller);
    controller.showMenu();
    QVERIFY(first.isNull());
    QWidget *second = currentScreen(&controller);
    QVERIFY(qobject_cast<Menu *>(second));
    QCOMPARE(second->parentWidget(), &controller);
    QCOMPARE(controller.layout()->count(), 1);
    QTRY_VERIFY(second->isVisible());
    QCOMPARE(controller.findChildren<Menu *>().size(), 1);
}

void TestController::menuTextsFollowTheStoredLanguage_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("German") << "pbDE" << "DE" << 1
                            << QStringList{"Quiz &starten", "Fragen verwalten", "Be&enden"};
    QTest::newRow("English") << "pbEN" << "EN" << 2
                             << QStringList{"&Start quiz", "Manage questions", "&Exit"};
    QTest::newRow("Estonian") << "pbEE" << "EE" << 3
                              << QStringList{"&Alusta küsimustikku", "Halda küsimusi", "&Välju"};
}

void TestController::menuTextsFollowTheStoredLanguage()
{
    QFETCH(QString, flag);
    QFETCH(QString, code);
    QFETCH(int, id);
    QFETCH(QStringList, texts);
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    QPointer<QWidget> before = currentScreen(&controller);
    click(before, flag.toLatin1().constData());
    QVERIFY(before.isNull()); // rebuilt, even when the language did not change
    QWidget *menu = currentScreen(&controller);
    QCOMPARE(QStringList({buttonText(menu, "pbQuizSettings"), buttonText(menu, "pbManageQuestions"),
                          buttonText(menu, "pbExit")}),
             texts);
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM settings")),
             QStringList{QStringLiteral("%1|%2").arg(code).arg(id)});
    QCOMPARE(controller.getCurrentLanguageId(), id);
}

void TestController::titleLagsOneScreenChangeBehind()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    click(currentScreen(&controller), "pbDE");
    // The title is translated before the new catalogue is installed.
    QCOMPARE(controller.windowTitle(), QStringLiteral("Menu"));
    QCOMPARE(buttonText(currentScreen(&controller), "pbExit"), QStringLiteral("Be&enden"));
    controller.showMenu();
    QCOMPARE(controller.windowTitle(), QStringLiteral("Menü"));
    click(currentScreen(&controller), "pbEE");
    QCOMPARE(controller.windowTitle(), QStringLiteral("Menü"));
    controller.showMenu();
    QCOMPARE(controller.windowTitle(), QStringLiteral("Menüü"));
}

void TestController::languageSurvivesARestart()
{
    TestWorkspace workspace;
    workspace.provision();
    {
        Controller controller;
        click(currentScreen(&controller), "pbEE");
    }
    Controller restarted;
    QCOMPARE(buttonText(currentScreen(&restarted), "pbQuizSettings"),
             QStringLiteral("&Alusta küsimustikku"));
    QCOMPARE(restarted.getCurrentLanguageId(), 3);
}

void TestController::untranslatedAndUnknownLanguagesFallBackToEnglish()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    click(currentScreen(&controller), "pbEE");
    // The Estonian catalogue has no entry for this label: its English source shows.
    QCOMPARE(QCoreApplication::translate("AddQuestion", "Categories:"), QStringLiteral("Categories:"));
    QCOMPARE(QCoreApplication::translate("QuizSettings", "Categories:"), QStringLiteral("Kategooriad:"));

    workspace.execute({QStringLiteral("UPDATE settings SET current_country_code = 'FR'")});
    controller.showMenu();
    QCOMPARE(buttonText(currentScreen(&controller), "pbQuizSettings"), QStringLiteral("&Start quiz"));
    workspace.execute({QStringLiteral("DELETE FROM settings")});
    controller.showMenu();
    QCOMPARE(buttonText(currentScreen(&controller), "pbExit"), QStringLiteral("&Exit"));
    QCOMPARE(controller.getCurrentLanguageId(), 0);
}

void TestController::catalogueEntriesThatDifferFromTheirSource()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    click(currentScreen(&controller), "pbEN");
    QCOMPARE(QCoreApplication::translate("Countdown", "Time: "), QStringLiteral("Time:"));
    QCOMPARE(QCoreApplication::translate("ManageQuestionsMenu", "Import questions via CSV-File"),
             QStringLiteral("Import questions via CSV-file"));
    const char *help = "Open CSV-file here!\nThis is a CSV template:\nDelimiter: ; (semicolon)\n"
                       "If explanation is set, the answer is correct.";
    QVERIFY(QCoreApplication::translate("AddQuestionsPerFile", help)
                .contains(QStringLiteral("; ( semicolon )\n")));
    click(currentScreen(&controller), "pbDE");
    QCOMPARE(QCoreApplication::translate("Quiz", "Explanation "), QStringLiteral("Erklärung "));
    QCOMPARE(QCoreApplication::translate("RadioButtonSelection", "There is nothing to show!"),
             QStringLiteral("Es gibt nichts zum anzeigen!"));
    click(currentScreen(&controller), "pbEE");
    QCOMPARE(QCoreApplication::translate("RadioButtonSelection", "There is nothing to show!"),
             QStringLiteral("Ei ole midagi kuvada!"));
    QCOMPARE(QCoreApplication::translate("CheckBoxSelection", "There is nothing to show!"),
             QStringLiteral("Ei ole midagi näidata!"));
    // The catalogue sources travel in the bundle too.
    for (const char *ts : {":/Languages/text_de.ts", ":/Languages/text_en.ts", ":/Languages/text_ee.ts"})
        QVERIFY2(QFile::exists(QLatin1String(ts)), ts);
}

void TestController::exitClosesTheWindow()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    controller.show();
    QVERIFY(QTest::qWaitForWindowExposed(&controller));
    click(currentScreen(&controller), "pbExit");
    QVERIFY(!controller.isVisible());
}

QTEST_MAIN(TestController)
#include "tst_controller.moc"
