#include "checkbox.h"
#include "checkboxselection.h"
#include "radiobuttonselection.h"

#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

// The id lists behind radio buttons and check boxes, whose rows toggle by a press on the
// box or on the text.
class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void emptyListsShowOnlyTheNothingLabel()
    {
        RadioButtonSelection radio;
        radio.setItems({}, {});
        CheckBoxSelection check;
        check.setItems({}, {}, {3});
        for (QWidget *selection : {static_cast<QWidget *>(&radio), static_cast<QWidget *>(&check)})
            QCOMPARE(selection->findChild<QLabel *>()->text(), "There is nothing to show!");
    }

    void radioClickAnnouncesTheChosenId()
    {
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
        QTest::newRow("by calls") << QStringList{"2 call", "0 call"} << QList<int>{10, 30, 40};
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
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
