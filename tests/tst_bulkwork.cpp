#include "checkbox.h"
#include "clickablelabel.h"
#include "controller.h"
#include "testworkspace.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

namespace {
// The row of a question text, or null while it is not built.
CheckBox *row(QWidget *screen, const QString &text)
{
    for (CheckBox *box : screen->findChildren<CheckBox *>()) {
        if (box->findChild<ClickableLabel *>()->text() == text)
            return box;
    }
    return nullptr;
}

QStringList shownQuestions(QWidget *screen)
{
    QStringList texts;
    for (CheckBox *box : screen->findChildren<CheckBox *>()) {
        if (box->isVisibleTo(screen))
            texts << box->findChild<ClickableLabel *>()->text();
    }
    return texts;
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

// The delete screen on many questions: its search, and rows built as they are scrolled to.
class TestBulkWork : public QObject
{
    Q_OBJECT

private slots:
    void searchNarrowsTheDeleteList_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown");
        const QStringList all{"Große Fläche", "Kleine Wiese", "Õli hind täna", "Šokolaadi hind"};
        QTest::newRow("nothing typed") << "" << all;
        QTest::newRow("only blanks") << "   " << all;
        QTest::newRow("other case") << "FLÄCHE" << QStringList{"Große Fläche"};
        QTest::newRow("umlaut as written") << "flache" << QStringList{};
        QTest::newRow("Estonian letter") << "ÕLI" << QStringList{"Õli hind täna"};
        QTest::newRow("two categories") << "hind" << QStringList{"Õli hind täna", "Šokolaadi hind"};
        QTest::newRow("every word") << " šokolaadi   HIND " << QStringList{"Šokolaadi hind"};
        QTest::newRow("words of two questions") << "große wiese" << QStringList{};
        QTest::newRow("another language") << "zebra" << QStringList{};
    }

    void searchNarrowsTheDeleteList()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        TestWorkspace workspace;
        workspace.provision();
        // English is the template's language; question 2 is "Zebra" in German.
        workspace.execute({"INSERT INTO category VALUES (1), (2)",
                           "INSERT INTO category_lang VALUES (1, 2, 'Nature'), (2, 2, 'Prices')",
                           "INSERT INTO question VALUES (1, 1), (2, 1), (3, 2), (4, 2)",
                           "INSERT INTO question_lang VALUES (1, 2, 'Große Fläche'), "
                           "(2, 2, 'Kleine Wiese'), (2, 1, 'Zebra'), (3, 2, 'Õli hind täna'), "
                           "(4, 2, 'Šokolaadi hind')"});
        Controller controller;
        controller.show();
        controller.showDeleteQuestion();
        QWidget *screen = currentScreen(&controller);
        search(screen, typed);
        QCOMPARE(shownQuestions(screen), shown);
        // A category without a match is hidden with its title.
        for (QGroupBox *group : screen->findChildren<QGroupBox *>())
            QCOMPARE(group->isVisibleTo(screen), !shownQuestions(group).isEmpty());
    }

    void rowsOfALargeCatalogueAppearWhenScrolledTo()
    {
        TestWorkspace workspace;
        workspace.provision();
        workspace.execute(
            {"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 600) "
             "INSERT INTO question SELECT i, (i - 1) / 300 + 1 FROM n",
             "INSERT INTO question_lang SELECT question_id, 2, 'Q' || question_id FROM question",
             "INSERT INTO category SELECT DISTINCT category_id FROM question",
             "INSERT INTO category_lang SELECT category_id, 2, 'C' || category_id FROM category"});
        Controller controller;
        controller.show();
        controller.showDeleteQuestion();
        QWidget *screen = currentScreen(&controller);
        QVERIFY(!row(screen, "Q600")); // not built yet: the case under test
        auto *list = child<QScrollArea>(screen, "mainScrollArea");
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
        QTRY_VERIFY(row(screen, "Q600"));
        press(row(screen, "Q600")->findChild<ClickableLabel *>());
        // Found by a search while scrolled away, too; the question the search hides stays
        // checked, counted and deleted.
        list->verticalScrollBar()->setValue(0);
        search(screen, "Q300");
        QTRY_VERIFY(row(screen, "Q300"));
        press(row(screen, "Q300")->findChild<QCheckBox *>());
        QCOMPARE(child<QLabel>(screen, "tlSelectedQuestions")->text(), QString("2"));
        child<QPushButton>(screen, "pbDelete")->click();
        QCOMPARE(workspace.query("SELECT count(*) FROM question WHERE question_id IN (300, 600)"),
                 QStringList{"0"});
        QCOMPARE(workspace.query("SELECT count(*) FROM question"), QStringList{"598"});
    }
};

QTEST_MAIN(TestBulkWork)
#include "tst_bulkwork.moc"
