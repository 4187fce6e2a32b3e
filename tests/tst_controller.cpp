#include "controller.h"
#include "menu.h"
#include "testworkspace.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// The main window's screen handling, the main menu and language switching.
class TestController : public QObject
{
    Q_OBJECT

private slots:
    void screenReplacement();
    void flagsSwitchAndKeepTheLanguage_data();
    void flagsSwitchAndKeepTheLanguage();
    void titleLagsOneScreenChangeBehind();
    void catalogueFallbacksAndExceptions();
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

QString translate(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}
} // namespace

void TestController::screenReplacement()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    controller.show();
    // The menu has taken the placeholder's place.
    QVERIFY(!controller.findChild<QWidget *>(QStringLiteral("mainWidget")));
    QPointer<QWidget> first = currentScreen(&controller);
    QVERIFY(qobject_cast<Menu *>(first));
    controller.showMenu();
    QVERIFY(first.isNull()); // deleted at once
    QWidget *second = currentScreen(&controller);
    QCOMPARE(controller.layout()->count(), 1);
    QCOMPARE(second->parentWidget(), &controller);
    QTRY_VERIFY(second->isVisible());
    click(second, "pbExit");
    QVERIFY(!controller.isVisible());
}

void TestController::flagsSwitchAndKeepTheLanguage_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("German") << "pbDE"
                            << "DE|1"
                            << QStringList{"Quiz &starten", "Fragen verwalten", "Be&enden"};
    QTest::newRow("English") << "pbEN"
                             << "EN|2" << QStringList{"&Start quiz", "Manage questions", "&Exit"};
    QTest::newRow("Estonian") << "pbEE"
                              << "EE|3"
                              << QStringList{"&Alusta küsimustikku", "Halda küsimusi", "&Välju"};
}

void TestController::flagsSwitchAndKeepTheLanguage()
{
    QFETCH(QString, flag);
    QFETCH(QString, stored);
    QFETCH(QStringList, texts);
    TestWorkspace workspace;
    workspace.provision();
    {
        Controller controller;
        QPointer<QWidget> before = currentScreen(&controller);
        click(before, flag.toLatin1().constData());
        QVERIFY(before.isNull()); // rebuilt, even when the language did not change
        QCOMPARE(workspace.query("SELECT * FROM settings"), QStringList{stored});
    }
    // After a restart: menu texts in the stored language, but the very first title is
    // set before any catalogue is installed.
    Controller restarted;
    QWidget *menu = currentScreen(&restarted);
    QCOMPARE(QStringList({buttonText(menu, "pbQuizSettings"), buttonText(menu, "pbManageQuestions"),
                          buttonText(menu, "pbExit")}),
             texts);
    QCOMPARE(restarted.windowTitle(), QStringLiteral("Menu"));
}

void TestController::titleLagsOneScreenChangeBehind()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    click(currentScreen(&controller), "pbDE");
    QCOMPARE(controller.windowTitle(), QStringLiteral("Menu"));
    QCOMPARE(buttonText(currentScreen(&controller), "pbExit"), QStringLiteral("Be&enden"));
    click(currentScreen(&controller), "pbQuizSettings");
    QCOMPARE(controller.windowTitle(), QStringLiteral("Quiz Einstellungen"));
    controller.showMenu();
    click(currentScreen(&controller), "pbEE");
    QCOMPARE(controller.windowTitle(), QStringLiteral("Menü"));
    controller.showMenu();
    QCOMPARE(controller.windowTitle(), QStringLiteral("Menüü"));
}

void TestController::catalogueFallbacksAndExceptions()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    click(currentScreen(&controller), "pbEE");
    QCOMPARE(translate("AddQuestion", "Categories:"), QStringLiteral("Kategooriad:"));
    QCOMPARE(translate("QuizSettings", "Categories:"), QStringLiteral("Kategooriad:"));
    click(currentScreen(&controller), "pbEN");
    QCOMPARE(translate("Countdown", "Time: "), QStringLiteral("Time:"));
    QCOMPARE(translate("ManageQuestionsMenu", "Import questions via CSV-File"),
             QStringLiteral("Import questions via CSV-file"));
    QVERIFY(translate("AddQuestionsPerFile",
                      "Open CSV-file here!\nThis is a CSV template:\nDelimiter: ; (semicolon)\n"
                      "If explanation is set, the answer is correct.")
                .contains(QStringLiteral("; ( semicolon )\n")));

    // An unknown or missing country code falls back to English texts.
    for (const char *statement :
         {"UPDATE settings SET current_country_code = 'FR'", "DELETE FROM settings"}) {
        click(currentScreen(&controller), "pbDE");
        workspace.execute({QLatin1String(statement)});
        controller.showMenu();
        QCOMPARE(buttonText(currentScreen(&controller), "pbQuizSettings"),
                 QStringLiteral("&Start quiz"));
    }
}

QTEST_MAIN(TestController)
#include "tst_controller.moc"
