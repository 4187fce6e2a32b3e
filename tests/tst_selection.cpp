#include "checkbox.h"
#include "checkboxselection.h"
#include "clickablelabel.h"
#include "radiobuttonselection.h"
#include "testworkspace.h"

#include <QCheckBox>
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
    void emptyListsShowOnlyTheNothingLabel();
    void radioClickAnnouncesTheChosenId();
    void changesAnnounceIdsInDisplayOrder_data();
    void changesAnnounceIdsInDisplayOrder();
};

void TestSelection::emptyListsShowOnlyTheNothingLabel()
{
    RadioButtonSelection radio;
    radio.setItems({}, {});
    QCOMPARE(radio.findChild<QLabel *>()->text(), QStringLiteral("There is nothing to show!"));
    QCOMPARE(radio.getSelectedId(), -1);
    CheckBoxSelection check;
    check.setItems({}, {}, {3});
    QCOMPARE(check.findChild<QLabel *>()->text(), QStringLiteral("There is nothing to show!"));
    QCOMPARE(check.findChildren<CheckBox *>().size(), 0);
    QVERIFY(check.getSelectedIds().isEmpty());
}

void TestSelection::radioClickAnnouncesTheChosenId()
{
    RadioButtonSelection selection;
    QStringList log;
    connect(&selection, qOverload<>(&RadioButtonSelection::somethingChanged), this,
            [&] { log << QStringLiteral("changed"); });
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

void TestSelection::changesAnnounceIdsInDisplayOrder_data()
{
    QTest::addColumn<QString>("via");
    QTest::addColumn<QList<int>>("toggledRows");
    QTest::addColumn<QList<int>>("expected");
    // Filled with 40 checked: filling announces nothing, an unknown id is ignored and a
    // surplus text makes no entry.
    QTest::newRow("filling only") << "" << QList<int>{} << QList<int>{40};
    QTest::newRow("boxes, bottom first") << "box" << QList<int>{2, 0} << QList<int>{10, 30, 40};
    QTest::newRow("texts, bottom first") << "text" << QList<int>{2, 0} << QList<int>{10, 30, 40};
    QTest::newRow("setChecked") << "call" << QList<int>{2, 0} << QList<int>{10, 30, 40};
    QTest::newRow("checked and unchecked") << "box" << QList<int>{4, 1, 4, 3} << QList<int>{20};
}

void TestSelection::changesAnnounceIdsInDisplayOrder()
{
    QFETCH(QString, via);
    QFETCH(QList<int>, toggledRows);
    QFETCH(QList<int>, expected);
    CheckBoxSelection selection;
    QSignalSpy plain(&selection, qOverload<>(&CheckBoxSelection::somethingChanged));
    QSignalSpy withIds(&selection, qOverload<QList<int>>(&CheckBoxSelection::somethingChanged));
    selection.setItems({10, 20, 30, 40, 50}, {"a", "b", "c", "d", "e", "f"}, {42, 40});
    selection.show(); // a box needs its geometry to take a click
    QVERIFY(QTest::qWaitForWindowExposed(&selection));
    const QList<CheckBox *> rows = selection.findChildren<CheckBox *>();
    QCOMPARE(rows.size(), 5);
    for (int row : toggledRows) {
        CheckBox *box = rows.at(row);
        const bool wasChecked = box->isChecked();
        if (via == "box")
            QTest::mouseClick(box->findChild<QCheckBox *>("checkBox"), Qt::LeftButton);
        else if (via == "text")
            QTest::mouseClick(box->findChild<ClickableLabel *>("label"), Qt::LeftButton);
        else
            box->setChecked(!wasChecked);
        QCOMPARE(box->isChecked(), !wasChecked);
    }
    QCOMPARE(plain.count(), toggledRows.size());
    QCOMPARE(withIds.count(), toggledRows.size());
    QCOMPARE(selection.getSelectedIds(), expected);
    if (!withIds.isEmpty())
        QCOMPARE(withIds.last().at(0).value<QList<int>>(), expected);
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
