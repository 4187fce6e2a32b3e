#include "checkbox.h"
#include "checkboxselection.h"
#include "controller.h"
#include "deletequestion.h"
#include "radiobuttonselection.h"
#include "testworkspace.h"

namespace {
// Provisioned with categories Nature (questions 1, 2) and Prices (3, 4), texts in English only.
void provisionSmallCatalogue(const TestWorkspace &workspace)
{
    workspace.provision();
    // English is the template's language; question 2 is "Zebra" in German.
    workspace.execute({"INSERT INTO category VALUES (1), (2)",
                       "INSERT INTO category_lang VALUES (1, 2, 'Nature'), (2, 2, 'Prices')",
                       "INSERT INTO question VALUES (1, 1), (2, 1), (3, 2), (4, 2)",
                       "INSERT INTO question_lang VALUES (1, 2, 'Große Fläche'), "
                       "(2, 2, 'Kleine Wiese'), (2, 1, 'Zebra'), (3, 2, 'Õli hind täna'), "
                       "(4, 2, 'Šokolaadi hind')"});
}

QWidget *deleteScreen(Controller &controller)
{
    controller.show();
    controller.showDeleteQuestion();
    return currentScreen(&controller);
}

void search(QWidget *screen, const QString &text)
{
    auto *edit = child<QLineEdit>(screen, "leSearch");
    edit->setText(text);
    // The clear button fades in or out; an animation still running when the test ends is
    // never deleted, and the sanitizer suite reports it as a leak.
    auto *clearButton = edit->findChild<QToolButton *>();
    QTRY_COMPARE(clearButton->property("opacity").toReal(), text.isEmpty() ? 0.0 : 1.0);
}
} // namespace

// Lists to choose from: the id lists behind radio buttons and check boxes, whose rows
// toggle by a press on the box or on the text, and the delete screen's list of many
// questions with its search and its rows built as they are scrolled to.
class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    // An empty list shows only its label; a click announces the id chosen.
    void radioClickAnnouncesTheChosenId()
    {
        RadioButtonSelection radio;
        radio.setItems({}, {});
        CheckBoxSelection check;
        check.setItems({}, {}, {3});
        QCOMPARE(radio.findChild<QLabel *>()->text(), "There is nothing to show!");
        QCOMPARE(check.findChild<QLabel *>()->text(), "There is nothing to show!");

        RadioButtonSelection selection;
        QStringList log;
        connect(&selection, qOverload<>(&RadioButtonSelection::somethingChanged), this,
                [&] { log << "changed"; });
        connect(&selection, qOverload<int>(&RadioButtonSelection::somethingChanged), this,
                [&](int id) { log << QString::number(id); });
        selection.setItems({4, 7, 9}, {"Geography", "History", "Music"});
        const QList<QRadioButton *> buttons = selection.findChildren<QRadioButton *>();
        QCOMPARE(selection.getSelectedId(), -1);
        // The id signal is relayed from the plain one, within its emission.
        QTest::mouseClick(buttons.at(1), Qt::LeftButton);
        QTest::mouseClick(buttons.at(2), Qt::LeftButton);
        QCOMPARE(log, QStringList({"7", "changed", "9", "changed"}));
        QVERIFY(!buttons.at(1)->isChecked());

        // A lone entry clicked a second time stays chosen.
        RadioButtonSelection single;
        single.setItems({5}, {"Only"});
        QRadioButton *only = single.findChild<QRadioButton *>();
        QTest::mouseClick(only, Qt::LeftButton);
        QTest::mouseClick(only, Qt::LeftButton);
        QCOMPARE(single.getSelectedId(), 5);
    }

    void changesAnnounceIdsInDisplayOrder_data()
    {
        // Rows toggled as "<row> <by>": a press on the box or the text, or a call.
        QTest::addColumn<QStringList>("toggles");
        QTest::addColumn<QList<int>>("expected");
        // Filled with 40 checked: filling announces nothing, an unknown id is ignored and a
        // surplus text makes no entry.
        QTest::newRow("filling only") << QStringList{} << QList<int>{40};
        QTest::newRow("bottom first") << QStringList{"2 box", "0 text"} << QList<int>{10, 30, 40};
        QTest::newRow("checked and unchecked")
            << QStringList{"4 box", "1 text", "4 call", "3 box"} << QList<int>{20};
    }

    void changesAnnounceIdsInDisplayOrder()
    {
        QFETCH(QStringList, toggles);
        QFETCH(QList<int>, expected);
        CheckBoxSelection selection;
        QSignalSpy plain(&selection, qOverload<>(&CheckBoxSelection::somethingChanged));
        QSignalSpy withIds(&selection, qOverload<QList<int>>(&CheckBoxSelection::somethingChanged));
        selection.setItems({10, 20, 30, 40, 50}, {"a", "b", "c", "d", "e", "f"}, {42, 40});
        selection.show(); // a box needs its geometry to take a click
        QVERIFY(QTest::qWaitForWindowExposed(&selection));
        const QList<CheckBox *> rows = selection.findChildren<CheckBox *>();
        QCOMPARE(rows.size(), 5);
        for (const QString &toggle : toggles) {
            CheckBox *box = rows.at(toggle.left(1).toInt());
            if (toggle.endsWith("call"))
                box->setChecked(!box->isChecked());
            else
                QTest::mouseClick(toggle.endsWith("box") ? box->findChild<QWidget *>("checkBox")
                                                         : box->findChild<QWidget *>("label"),
                                  Qt::LeftButton);
        }
        QCOMPARE(plain.count(), toggles.size());
        QCOMPARE(withIds.count(), toggles.size());
        QCOMPARE(selection.getSelectedIds(), expected);
        if (!withIds.isEmpty())
            QCOMPARE(withIds.last().at(0).value<QList<int>>(), expected);
    }

    void searchNarrowsTheDeleteList_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown");
        const QString nature = "Nature: Große Fläche, Kleine Wiese";
        const QString prices = "Prices: Õli hind täna, Šokolaadi hind";
        QTest::newRow("nothing typed") << "" << QStringList{nature, prices};
        QTest::newRow("only blanks") << "   " << QStringList{nature, prices};
        QTest::newRow("other case") << "FLÄCHE" << QStringList{"Nature: Große Fläche"};
        QTest::newRow("umlaut as written") << "flache" << QStringList{};
        QTest::newRow("Estonian letter") << "ÕLI" << QStringList{"Prices: Õli hind täna"};
        QTest::newRow("every word")
            << " šokolaadi   HIND " << QStringList{"Prices: Šokolaadi hind"};
        QTest::newRow("words of two questions") << "große wiese" << QStringList{};
        QTest::newRow("another language") << "zebra" << QStringList{};
    }

    void searchNarrowsTheDeleteList()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        TestWorkspace workspace;
        provisionSmallCatalogue(workspace);
        Controller controller;
        QWidget *screen = deleteScreen(controller);
        search(screen, typed);
        QCOMPARE(deleteList(screen), shown); // a category without a match is hidden whole
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<QList<int>>("checked"); // rows, in the order of the list
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("asked"); // a pattern
        QTest::addColumn<QString>("left");  // question ids afterwards
        QTest::newRow("declined") << QList<int>{1, 3} << "hind" << false
                                  << "^Delete 2 question.*\\b1 of them (is|are) hidden"
                                  << "1 2 3 4";
        QTest::newRow("one hidden") << QList<int>{1, 3} << "hind" << true
                                    << "^Delete 2 question.*\\b1 of them (is|are) hidden"
                                    << "2 4";
        QTest::newRow("none hidden") << QList<int>{2} << "" << true << "^Delete 1 question\\S*$"
                                     << "1 3 4";
        QTest::newRow("all hidden") << QList<int>{1, 2} << "hind" << true
                                    << "^Delete 2 question.*\\b2 of them are hidden" << "3 4";
    }

    // Deleting asks how many questions go, also those the search hides, and deletes them
    // all, or nothing; with nothing checked there is nothing to ask.
    void deleteAsksFirst()
    {
        QFETCH(QList<int>, checked);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, asked);
        QFETCH(QString, left);
        TestWorkspace workspace;
        provisionSmallCatalogue(workspace);
        Controller controller;
        QWidget *screen = deleteScreen(controller);
        auto *remove = child<QPushButton>(screen, "pbDelete");
        const QList<CheckBox *> rows = screen->findChildren<CheckBox *>();
        QVERIFY(!remove->isEnabled());
        rows.at(0)->setChecked(true); // enables it: the click below asks
        rows.at(0)->setChecked(false);
        QVERIFY(!remove->isEnabled());
        for (int row : checked)
            rows.at(row - 1)->setChecked(true);
        search(screen, typed);
        controller.confirmations()->setNextConfirmation(accepted);
        remove->click();
        const QString question = controller.confirmations()->lastQuestion();
        QVERIFY2(QRegularExpression(asked).match(question).hasMatch(), qPrintable(question));
        QCOMPARE(workspace.query("SELECT group_concat(question_id, ' ') FROM question"),
                 QStringList{left});
    }

    // The rows of a large catalogue are built as they are scrolled to, or found by a search;
    // Cancel on the progress of a long deletion keeps every question, and says so.
    void largeCatalogueBuildsRowsAndCancelsDeletion()
    {
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 1, QVector<int>(1100, 1).toList());
        const QStringList before = workspace.snapshot();
        Controller controller;
        auto *screen = static_cast<DeleteQuestion *>(deleteScreen(controller));
        QVERIFY(!deleteList(screen).join(',').contains("Q1000 EN")); // not built yet
        search(screen, "q1000");
        QTRY_COMPARE(deleteList(screen), QStringList{"Cat1 EN: Q1000 EN"});
        search(screen, "");
        auto *list = child<QScrollArea>(screen, "mainScrollArea");
        QTRY_COMPARE((list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum()),
                      screen->findChildren<QCheckBox *>().size()),
                     1100);
        for (QCheckBox *box : screen->findChildren<QCheckBox *>())
            box->setChecked(true);
        screen->setProgressDelay(0);
        int doneWhenCancelled = -1;
        // The dialog lets events through once it is shown: cancel it from there.
        QTimer::singleShot(0, screen, [&] {
            auto *dialog = screen->findChild<QProgressDialog *>();
            if (dialog && dialog->isVisible()) {
                doneWhenCancelled = dialog->value();
                dialog->cancel();
            }
        });
        controller.confirmations()->setNextConfirmation(true);
        child<QPushButton>(screen, "pbDelete")->click();
        QVERIFY(doneWhenCancelled > 0 && doneWhenCancelled < 1100);
        QCOMPARE(workspace.snapshot(), before);
        QVERIFY(child<QLabel>(screen, "tlDeleteCancelled")->isVisible()); // the screen stays
        QCOMPARE(child<QLabel>(screen, "tlDeleteCancelled")->text(),
                 QString("Deleting cancelled: no question was deleted."));
        QCOMPARE(child<QLabel>(screen, "tlSelectedQuestions")->text(), QString("1100"));
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
