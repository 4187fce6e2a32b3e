#include "addquestionsperfile.h"
#include "checkbox.h"
#include "clickablelabel.h"
#include "controller.h"
#include "testworkspace.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// Work on many questions at once: the import screen's preview of large files, the
// progress and cancelling of a long import, and the delete screen on large catalogues.
class TestBulkWork : public QObject
{
    Q_OBJECT

private slots:
    void previewShowsFileTextAsWritten_data();
    void previewShowsFileTextAsWritten();
    void cancelledImportStoresNothing();
    void searchNarrowsTheDeleteList_data();
    void searchNarrowsTheDeleteList();
    void rowsOfALargeCatalogueAppearWhenScrolledTo();
};

namespace {
// count questions; line 1 of the first one is firstLine when given.
QByteArray questions(int count, const QByteArray &firstLine = QByteArray())
{
    QByteArray text;
    for (int q = 1; q <= count; ++q) {
        const QByteArray n = QByteArray::number(q);
        text += (q == 1 && !firstLine.isEmpty() ? firstLine : "C DE;C EN;C EE") + "\r\n" + "Q" + n +
                " DE;Q" + n + " EN;Q" + n + " EE\r\n" +
                "a DE;a EN;a EE;e DE;e EN;e EE\r\nb DE;b EN;b EE\r\n" +
                "c DE;c EN;c EE\r\nd DE;d EN;d EE\r\n";
    }
    return text;
}

// Opens the import screen and hands the file to its open dialog.
AddQuestionsPerFile *openFile(Controller &controller, const QByteArray &contents)
{
    controller.showAddQuestionsPerFile();
    controller.fileDialogs()->setNextOpenFileNames({writeFile("questions.csv", contents)});
    auto *screen = qobject_cast<AddQuestionsPerFile *>(currentScreen(&controller));
    child<QPushButton>(screen, "pbOpenFile")->click();
    return screen;
}
// Questions with their English texts (the language of the template) and German ones.
void seedQuestions(const TestWorkspace &workspace, const QList<QPair<QString, QString>> &texts)
{
    QStringList statements{"INSERT INTO category VALUES (1), (2)",
                           "INSERT INTO category_lang VALUES (1, 2, 'Nature'), (2, 2, 'Prices')"};
    for (int q = 1; q <= texts.size(); ++q) {
        statements
            << QStringLiteral("INSERT INTO question VALUES (%1, %2)").arg(q).arg(q > 2 ? 2 : 1)
            << QStringLiteral("INSERT INTO question_lang VALUES (%1, 2, '%2'), (%1, 1, '%3')")
                   .arg(q)
                   .arg(texts.at(q - 1).first, texts.at(q - 1).second);
    }
    workspace.execute(statements);
}

const QList<QPair<QString, QString>> searchedQuestions{{"Große Fläche", "Wald"},
                                                       {"Kleine Wiese", "Zebra"},
                                                       {"Õli hind täna", "Öl"},
                                                       {"Šokolaadi hind", "Schokolade"}};

QWidget *showDeleteScreen(Controller &controller)
{
    controller.show();
    controller.showDeleteQuestion();
    return currentScreen(&controller);
}

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

void TestBulkWork::previewShowsFileTextAsWritten_data()
{
    QTest::addColumn<QByteArray>("firstLine");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected"); // the preview; "<n lines>" stands for the file's first n
    QTest::newRow("markup")
        << QByteArray("<b>C</b><h1>H</h1><img src=\"x.png\">&lt;C&gt; &amp; D;C EN;C EE") << 1
        << "<6 lines>";
    QTest::newRow("50 questions whole") << QByteArray() << 50 << "<300 lines>";
    QTest::newRow("the start of 51")
        << QByteArray() << 51 << "<300 lines>... and 6 more lines (1 more question)";
    QTest::newRow("the start of 70")
        << QByteArray() << 70 << "<300 lines>... and 120 more lines (20 more questions)";
    const QByteArray longLine = QByteArray(70000, 'x') + ";C EN;C EE";
    QTest::newRow("one very long line")
        << longLine << 1 << QString(60000, 'x') + "...\r\n... and 5 more lines (1 more question)";
}

void TestBulkWork::previewShowsFileTextAsWritten()
{
    QFETCH(QByteArray, firstLine);
    QFETCH(int, count);
    QFETCH(QString, expected);
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    const QByteArray file = questions(count, firstLine);
    AddQuestionsPerFile *screen = openFile(controller, file);

    const int shownLines = expected.section('<', 1).section(' ', 0, 0).toInt();
    if (shownLines > 0) {
        const QList<QByteArray> lines = file.split('\n');
        QByteArray start;
        for (int i = 0; i < shownLines; ++i)
            start += lines.at(i) + '\n';
        expected.replace(QRegExp("<\\d+ lines>"), QString::fromUtf8(start));
    }
    auto *preview = child<QLabel>(screen, "tlFileTexts");
    QCOMPARE(preview->text(), expected);
    // Shown as it stands in the file: markup is not interpreted.
    QCOMPARE(preview->textFormat(), Qt::PlainText);
    QCOMPARE(child<QLabel>(screen, "tlNumberOfQuestions")->text(), QString::number(count));
}

void TestBulkWork::cancelledImportStoresNothing()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    AddQuestionsPerFile *screen = openFile(controller, questions(3));
    const QStringList before = workspace.snapshot();
    screen->setProgressDelay(0);
    int doneWhenCancelled = -1;
    // The dialog lets events through while it is shown: cancel it from there.
    QTimer::singleShot(0, screen, [&] {
        auto *dialog = screen->findChild<QProgressDialog *>();
        if (dialog && dialog->isVisible()) {
            doneWhenCancelled = dialog->value();
            dialog->cancel();
        }
    });
    child<QPushButton>(screen, "pbAddValues")->click();
    QCOMPARE(doneWhenCancelled, 2); // the count done when the events came through
    QCOMPARE(workspace.snapshot(), before);
    QCOMPARE(currentScreen(&controller), screen);
    QVERIFY(!child<QLabel>(screen, "tlImportCancelled")->isHidden());
    QVERIFY(child<QPushButton>(screen, "pbAddValues")->isEnabled());
    QVERIFY(!screen->findChild<QProgressDialog *>());
}

void TestBulkWork::searchNarrowsTheDeleteList_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    const QStringList all{"Große Fläche", "Kleine Wiese", "Õli hind täna", "Šokolaadi hind"};
    QTest::newRow("nothing typed") << "" << all;
    QTest::newRow("only blanks") << "   " << all;
    QTest::newRow("other case") << "FLÄCHE" << QStringList{"Große Fläche"};
    QTest::newRow("umlaut as written") << "flache" << QStringList{};
    QTest::newRow("Estonian letter") << "ÕLI" << QStringList{"Õli hind täna"};
    QTest::newRow("in two categories") << "hind" << QStringList{"Õli hind täna", "Šokolaadi hind"};
    QTest::newRow("every word") << " šokolaadi   HIND " << QStringList{"Šokolaadi hind"};
    QTest::newRow("words of two questions") << "große wiese" << QStringList{};
    QTest::newRow("another language") << "zebra" << QStringList{};
}

void TestBulkWork::searchNarrowsTheDeleteList()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    TestWorkspace workspace;
    workspace.provision();
    seedQuestions(workspace, searchedQuestions);
    Controller controller;
    QWidget *screen = showDeleteScreen(controller);
    search(screen, typed);
    QCOMPARE(shownQuestions(screen), shown);
    // A category without a match is hidden with its title.
    for (QGroupBox *group : screen->findChildren<QGroupBox *>())
        QCOMPARE(group->isVisibleTo(screen), !shownQuestions(group).isEmpty());
}

void TestBulkWork::rowsOfALargeCatalogueAppearWhenScrolledTo()
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
    QWidget *screen = showDeleteScreen(controller);
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

QTEST_MAIN(TestBulkWork)
#include "tst_bulkwork.moc"
