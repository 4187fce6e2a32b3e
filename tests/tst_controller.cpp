#include "controller.h"
#include "menu.h"
#include "testworkspace.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {
QString exitText(Controller &controller)
{
    return child<QPushButton>(currentScreen(&controller), "pbExit")->text();
}
} // namespace

// The main window's screen handling, the main menu and language switching.
class TestController : public QObject
{
    Q_OBJECT

private slots:
    void screenReplacement()
    {
        TestWorkspace workspace;
        workspace.provision();
        Controller controller;
        controller.show();
        // The menu has taken the placeholder's place.
        QVERIFY(!controller.findChild<QWidget *>("mainWidget"));
        QPointer<QWidget> first = currentScreen(&controller);
        QVERIFY(qobject_cast<Menu *>(first));
        controller.showMenu();
        QVERIFY(first.isNull()); // deleted at once
        QTRY_VERIFY(currentScreen(&controller)->isVisible());
        press(currentScreen(&controller), "pbExit");
        QVERIFY(!controller.isVisible());
    }

    void flagsSwitchAndKeepTheLanguage_data()
    {
        // The flag clicked, a statement run afterwards, the settings row stored, and the
        // menu's exit text after a restart.
        QTest::addColumn<QStringList>("row");
        QTest::newRow("German") << QStringList{"pbDE", "", "DE|1", "Be&enden"};
        QTest::newRow("English") << QStringList{"pbEN", "", "EN|2", "&Exit"};
        QTest::newRow("Estonian") << QStringList{"pbEE", "", "EE|3", "&Välju"};
        // An unknown or missing country code falls back to English texts.
        QTest::newRow("unknown code") << QStringList{
            "pbDE", "UPDATE settings SET current_country_code = 'FR'", "FR|1", "&Exit"};
        QTest::newRow("no settings row")
            << QStringList{"pbDE", "DELETE FROM settings", "", "&Exit"};
    }

    void flagsSwitchAndKeepTheLanguage()
    {
        QFETCH(QStringList, row);
        TestWorkspace workspace;
        workspace.provision();
        {
            Controller controller;
            QPointer<QWidget> before = currentScreen(&controller);
            press(before, row[0].toLatin1().constData());
            QVERIFY(before.isNull()); // rebuilt, even when the language did not change
            if (!row[1].isEmpty())
                workspace.execute({row[1]});
            QCOMPARE(workspace.query("SELECT * FROM settings").join(','), row[2]);
        }
        Controller restarted;
        QCOMPARE(exitText(restarted), row[3]);
    }

    void titleLagsOneScreenChangeBehind()
    {
        // The title is set before the catalogue of the stored language is installed.
        TestWorkspace workspace;
        workspace.provision();
        Controller controller;
        press(currentScreen(&controller), "pbDE");
        QCOMPARE(controller.windowTitle(), "Menu");
        QCOMPARE(exitText(controller), "Be&enden");
        press(currentScreen(&controller), "pbQuizSettings");
        QCOMPARE(controller.windowTitle(), "Quiz Einstellungen");
        controller.showMenu();
        press(currentScreen(&controller), "pbEE");
        QCOMPARE(controller.windowTitle(), "Menü");
        controller.showMenu();
        QCOMPARE(controller.windowTitle(), "Menüü");
    }
};

QTEST_MAIN(TestController)
#include "tst_controller.moc"
