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

// The id lists behind radio buttons and check boxes, and the check-box row with its
// clickable text.
class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void emptyListsShowOnlyTheNothingLabel_data();
    void emptyListsShowOnlyTheNothingLabel();
    void radioClickAnnouncesTheChosenId();
    void fillingPrechecksSilently_data();
    void fillingPrechecksSilently();
    void changesAnnounceIdsInDisplayOrder_data();
    void changesAnnounceIdsInDisplayOrder();
    void pressOnTheTextTogglesTheRow();
    void incompletePairsAndRefilling();
};

namespace {
QString joined(const QList<int> &ids)
{
    QStringList parts;
    for (int id : ids)
        parts << QString::number(id);
    return QStringLiteral("ids ") + parts.join(QLatin1Char(','));
}
} // namespace

void TestSelection::emptyListsShowOnlyTheNothingLabel_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QString>("radioText");
    QTest::addColumn<QString>("checkText");
    QTest::newRow("none") << QString() << "There is nothing to show!"
                          << "There is nothing to show!";
    QTest::newRow("de") << "de"
                        << "Es gibt nichts zum anzeigen!"
                        << "Es gibt nichts zum anzeigen!";
    QTest::newRow("ee") << "ee" << QString::fromUtf8("Ei ole midagi kuvada!")
                        << QString::fromUtf8("Ei ole midagi näidata!");
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
    QCOMPARE(radio.findChildren<QRadioButton *>().size(), 0);
    QCOMPARE(radio.findChildren<QLabel *>().size(), 1);
    QCOMPARE(radio.findChild<QLabel *>()->text(), radioText);
    QCOMPARE(radio.getSelectedId(), -1);

    CheckBoxSelection check;
    check.setItems({}, {}, {3});
    QCOMPARE(check.findChildren<CheckBox *>().size(), 0);
    QCOMPARE(check.findChildren<QLabel *>().size(), 1);
    QCOMPARE(check.findChild<QLabel *>()->text(), checkText);
    QVERIFY(check.getSelectedIds().isEmpty());
}

void TestSelection::radioClickAnnouncesTheChosenId()
{
    RadioButtonSelection selection;
    QStringList log;
    connect(&selection, qOverload<>(&RadioButtonSelection::somethingChanged), this,
            [&] { log << QStringLiteral("changed"); });
    connect(&selection, qOverload<int>(&RadioButtonSelection::somethingChanged), this,
            [&](int id) { log << QStringLiteral("id %1").arg(id); });
    selection.setItems({4, 7, 9}, {"Geography", "History", "Music"});
    selection.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selection));
    const QList<QRadioButton *> buttons = selection.findChildren<QRadioButton *>();
    QCOMPARE(buttons.size(), 3);
    QCOMPARE(buttons.at(1)->text(), QStringLiteral("History"));
    QCOMPARE(selection.getSelectedId(), -1);

    // The id-carrying signal is relayed from the plain one by a connection made at
    // construction, so it arrives within the plain emission, before outside receivers.
    QTest::mouseClick(buttons.at(1), Qt::LeftButton);
    QCOMPARE(log, QStringList({"id 7", "changed"}));
    QTest::mouseClick(buttons.at(2), Qt::LeftButton);
    QVERIFY(!buttons.at(1)->isChecked());
    QCOMPARE(selection.getSelectedId(), 9);
    emit selection.somethingChanged();
    QCOMPARE(log, QStringList({"id 7", "changed", "id 9", "changed", "id 9", "changed"}));
}

void TestSelection::fillingPrechecksSilently_data()
{
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QList<int>>("checkedIds");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("middle entry") << QList<int>{1, 3, 5} << QList<int>{3} << QList<int>{3};
    QTest::newRow("unknown ids ignored") << QList<int>{1, 3, 5} << QList<int>{2, 9} << QList<int>{};
    QTest::newRow("display order, not checked order")
        << QList<int>{5, 1, 3} << QList<int>{3, 42, 5} << QList<int>{5, 3};
}

void TestSelection::fillingPrechecksSilently()
{
    QFETCH(QList<int>, ids);
    QFETCH(QList<int>, checkedIds);
    QFETCH(QList<int>, expected);
    CheckBoxSelection selection;
    QSignalSpy plain(&selection, qOverload<>(&CheckBoxSelection::somethingChanged));
    QSignalSpy withIds(&selection, qOverload<QList<int>>(&CheckBoxSelection::somethingChanged));
    selection.setItems(ids, {"a", "b", "c"}, checkedIds);

    QCOMPARE(selection.getSelectedIds(), expected);
    const QList<CheckBox *> rows = selection.findChildren<CheckBox *>();
    QCOMPARE(rows.size(), ids.size());
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(rows.at(i)->isChecked(), expected.contains(ids.at(i)));
    QCOMPARE(plain.count() + withIds.count(), 0);
}

void TestSelection::changesAnnounceIdsInDisplayOrder_data()
{
    QTest::addColumn<QString>("via");
    QTest::addColumn<QList<int>>("toggledRows");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("boxes, top first") << "box" << QList<int>{0, 2} << QList<int>{10, 30};
    QTest::newRow("boxes, bottom first") << "box" << QList<int>{2, 0} << QList<int>{10, 30};
    QTest::newRow("texts, bottom first") << "text" << QList<int>{2, 0} << QList<int>{10, 30};
    QTest::newRow("setChecked, bottom first") << "call" << QList<int>{2, 0} << QList<int>{10, 30};
    QTest::newRow("checked and unchecked again") << "box" << QList<int>{4, 1, 4} << QList<int>{20};
}

void TestSelection::changesAnnounceIdsInDisplayOrder()
{
    QFETCH(QString, via);
    QFETCH(QList<int>, toggledRows);
    QFETCH(QList<int>, expected);
    CheckBoxSelection selection;
    selection.setItems({10, 20, 30, 40, 50}, {"a", "b", "c", "d", "e"}, {});
    selection.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selection));
    const QList<CheckBox *> rows = selection.findChildren<CheckBox *>();
    QCOMPARE(rows.size(), 5);

    // Receivers connected now run after the list's own connections: the row's change
    // reaches the list first, which announces its plain signal and, within it, the ids.
    QStringList log;
    for (CheckBox *row : rows)
        connect(row, &CheckBox::stateChanged, this,
                [&](int state) { log << QStringLiteral("state %1").arg(state); });
    connect(&selection, qOverload<>(&CheckBoxSelection::somethingChanged), this,
            [&] { log << QStringLiteral("changed"); });
    QSignalSpy withIds(&selection, qOverload<QList<int>>(&CheckBoxSelection::somethingChanged));
    connect(&selection, qOverload<QList<int>>(&CheckBoxSelection::somethingChanged), this,
            [&](const QList<int> &ids) { log << joined(ids); });

    for (int row : toggledRows) {
        CheckBox *box = rows.at(row);
        const bool wasChecked = box->isChecked();
        if (via == QLatin1String("box"))
            QTest::mouseClick(box->findChild<QCheckBox *>(QStringLiteral("checkBox")),
                              Qt::LeftButton);
        else if (via == QLatin1String("text"))
            QTest::mouseClick(box->findChild<ClickableLabel *>(QStringLiteral("label")),
                              Qt::LeftButton);
        else
            box->setChecked(!wasChecked);
        QCOMPARE(box->isChecked(), !wasChecked);
        const int state = wasChecked ? Qt::Unchecked : Qt::Checked;
        QCOMPARE(log.mid(log.size() - 3),
                 QStringList({joined(selection.getSelectedIds()), "changed",
                              QStringLiteral("state %1").arg(state)}));
    }
    QCOMPARE(log.size(), 3 * toggledRows.size());
    QCOMPARE(withIds.last().at(0).value<QList<int>>(), expected); // travels as a metatype
}

void TestSelection::pressOnTheTextTogglesTheRow()
{
    CheckBox row;
    row.setText(QStringLiteral("A rather long answer that should wrap rather than widen the row"));
    auto *box = row.findChild<QCheckBox *>(QStringLiteral("checkBox"));
    auto *label = row.findChild<ClickableLabel *>(QStringLiteral("label"));
    QVERIFY(box && label);
    QVERIFY(box->text().isEmpty());
    QVERIFY(label->wordWrap());
    QCOMPARE(label->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QSignalSpy states(&row, &CheckBox::stateChanged);

    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(row.isChecked());
    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(!row.isChecked());
    row.setCB();
    QVERIFY(row.isChecked());
    QCOMPARE(states.count(), 3);
    QCOMPARE(states.at(0).at(0).toInt(), int(Qt::Checked));
    QCOMPARE(states.at(1).at(0).toInt(), int(Qt::Unchecked));

    // A judged answer row is coloured and disabled: the colour must reach its text in every
    // group, and its text must not change the answer any more.
    QPalette palette = row.palette();
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(Qt::darkGreen, Qt::SolidPattern));
    row.setPalette(palette);
    row.setEnabled(false);
    for (auto group : {QPalette::Active, QPalette::Disabled})
        QCOMPARE(label->palette().color(group, label->foregroundRole()), QColor(Qt::darkGreen));
    QTest::mouseClick(label, Qt::LeftButton); // warns that the press went unaccepted
    QVERIFY(row.isChecked());
    QCOMPARE(states.count(), 3);
}

void TestSelection::incompletePairsAndRefilling()
{
    // Surplus ids or texts without a partner make no entry, so no position lacks its id.
    RadioButtonSelection radio;
    radio.setItems({1, 2, 3}, {"a", "b"});
    QCOMPARE(radio.findChildren<QRadioButton *>().size(), 2);
    CheckBoxSelection check;
    check.setItems({8}, {"a", "b"}, {8});
    QCOMPARE(check.findChildren<CheckBox *>().size(), 1);
    QCOMPARE(check.getSelectedIds(), QList<int>({8}));

    // Refilling, even from a click on one of the old entries, replaces them all.
    connect(&radio, qOverload<int>(&RadioButtonSelection::somethingChanged), this,
            [&] { radio.setItems({7}, {"x"}); });
    radio.show();
    QVERIFY(QTest::qWaitForWindowExposed(&radio));
    QTest::mouseClick(radio.findChildren<QRadioButton *>().at(1), Qt::LeftButton);
    QCOMPARE(radio.getSelectedId(), -1);
    QTRY_COMPARE(radio.findChildren<QRadioButton *>().size(), 1);
    check.setItems({}, {}, {});
    QCOMPARE(check.getSelectedIds(), QList<int>());
    QTRY_COMPARE(check.findChildren<CheckBox *>().size(), 0);
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
