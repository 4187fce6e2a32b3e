#include "checkbox.h"
#include "checkboxselection.h"
#include "clickablelabel.h"
#include "radiobuttonselection.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

// The id lists behind radio buttons and check boxes, and the check-box row whose text
// can be clicked.
class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void emptyListsShowOnlyTheNothingLabel_data();
    void emptyListsShowOnlyTheNothingLabel();
    void radioClickAnnouncesTheChosenId();
    void fillingPrechecksSilently();
    void changesAnnounceIdsInDisplayOrder_data();
    void changesAnnounceIdsInDisplayOrder();
    void pressOnTheTextTogglesTheRow();
};

void TestSelection::emptyListsShowOnlyTheNothingLabel_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QString>("radioText");
    QTest::addColumn<QString>("checkText");
    QTest::newRow("none") << ""
                          << "There is nothing to show!"
                          << "There is nothing to show!";
    QTest::newRow("de") << "de"
                        << "Es gibt nichts zum anzeigen!"
                        << "Es gibt nichts zum anzeigen!";
    // Each list translates in its own context.
    QTest::newRow("ee") << "ee"
                        << "Ei ole midagi kuvada!"
                        << "Ei ole midagi näidata!";
}

void TestSelection::emptyListsShowOnlyTheNothingLabel()
{
    QFETCH(QString, catalogue);
    QFETCH(QString, radioText);
    QFETCH(QString, checkText);
    QTranslator translator; // uninstalls itself when destroyed
    if (!catalogue.isEmpty()) {
        QVERIFY(translator.load(QStringLiteral(":/Languages/text_%1.qm").arg(catalogue)));
        QCoreApplication::installTranslator(&translator);
    }
    RadioButtonSelection radio;
    radio.setItems({}, {});
    QCOMPARE(radio.findChild<QLabel *>()->text(), radioText);
    QCOMPARE(radio.getSelectedId(), -1);
    CheckBoxSelection check;
    check.setItems({}, {}, {3});
    QCOMPARE(check.findChild<QLabel *>()->text(), checkText);
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

void TestSelection::fillingPrechecksSilently()
{
    CheckBoxSelection selection;
    QSignalSpy plain(&selection, qOverload<>(&CheckBoxSelection::somethingChanged));
    QSignalSpy withIds(&selection, qOverload<QList<int>>(&CheckBoxSelection::somethingChanged));
    // Display order counts, unknown ids are ignored, surplus texts make no entry.
    selection.setItems({5, 1, 3}, {"a", "b", "c", "d"}, {3, 42, 5});
    QCOMPARE(selection.findChildren<CheckBox *>().size(), 3);
    QCOMPARE(selection.getSelectedIds(), QList<int>({5, 3}));
    QCOMPARE(plain.count() + withIds.count(), 0);
}

void TestSelection::changesAnnounceIdsInDisplayOrder_data()
{
    QTest::addColumn<QString>("via");
    QTest::addColumn<QList<int>>("toggledRows");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("boxes, bottom first") << "box" << QList<int>{2, 0} << QList<int>{10, 30};
    QTest::newRow("texts, bottom first") << "text" << QList<int>{2, 0} << QList<int>{10, 30};
    QTest::newRow("setChecked") << "call" << QList<int>{2, 0} << QList<int>{10, 30};
    QTest::newRow("checked and unchecked") << "box" << QList<int>{4, 1, 4} << QList<int>{20};
}

void TestSelection::changesAnnounceIdsInDisplayOrder()
{
    QFETCH(QString, via);
    QFETCH(QList<int>, toggledRows);
    QFETCH(QList<int>, expected);
    CheckBoxSelection selection;
    selection.setItems({10, 20, 30, 40, 50}, {"a", "b", "c", "d", "e"}, {});
    selection.show(); // a box needs its geometry to take a click
    QVERIFY(QTest::qWaitForWindowExposed(&selection));
    const QList<CheckBox *> rows = selection.findChildren<CheckBox *>();
    QSignalSpy plain(&selection, qOverload<>(&CheckBoxSelection::somethingChanged));
    QSignalSpy withIds(&selection, qOverload<QList<int>>(&CheckBoxSelection::somethingChanged));
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
    QCOMPARE(withIds.last().at(0).value<QList<int>>(), expected);
}

void TestSelection::pressOnTheTextTogglesTheRow()
{
    CheckBox row;
    row.setText(QStringLiteral("<b>x</b> & y"));
    auto *label = row.findChild<ClickableLabel *>(QStringLiteral("label"));
    QCOMPARE(label->textFormat(), Qt::PlainText); // catalogue text, shown as written
    QSignalSpy states(&row, &CheckBox::stateChanged);
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseClick(label, Qt::LeftButton);
    row.setCB();
    QVERIFY(row.isChecked());
    QCOMPARE(states.count(), 3);
    QCOMPARE(states.at(0).at(0).toInt(), int(Qt::Checked));
    QCOMPARE(states.at(1).at(0).toInt(), int(Qt::Unchecked));

    // A judged answer row is coloured, then disabled: the colour reaches its text in every
    // group, and a press on the text changes nothing any more.
    QPalette palette = row.palette();
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(Qt::darkGreen, Qt::SolidPattern));
    row.setPalette(palette);
    row.setEnabled(false);
    QCOMPARE(label->palette().color(QPalette::Disabled, QPalette::WindowText),
             QColor(Qt::darkGreen));
    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(row.isChecked());
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
