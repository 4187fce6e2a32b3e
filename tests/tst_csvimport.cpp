#include "controller.h"
#include "filedialogs.h"
#include "testworkspace.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

// Importing CSV question files through the import screen, and exporting the catalogue
// from the management menu, driven as a user does.
class TestCsvImport : public QObject
{
    Q_OBJECT

private slots:
    void importStoresEveryQuestion();
    void refusedReadsChangeNothing_data();
    void refusedReadsChangeNothing();
    void categoriesMatchByTheCurrentLanguage_data();
    void categoriesMatchByTheCurrentLanguage();
    void failedImportStoresNothingAndKeepsTheScreen();
    void exportNamesAndFormat();
    void roundTripRecreatesTheCatalogue();
};

namespace {
QByteArray block(const QByteArray &category, const QByteArray &question,
                 const QByteArray &trueMark = "")
{
    return category + " DE;" + category + " EN;" + category + " EE\n" + //
           question + " DE;" + question + " EN;" + question + " EE\n" + //
           "a1 DE;a1 EN;a1 EE;e1 DE;e1 EN;e1 EE\n" +                    //
           "a2 DE;a2 EN;a2 EE;;;\n" +                                   //
           "a3 DE;a3 EN;a3 EE" + trueMark + "\n" +                      //
           "a4 DE;a4 EN;a4 EE\n";
}

QString writeFile(const QString &name, const QByteArray &contents)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(name));
    file.write(contents);
    return name;
}

QByteArray readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename T> T *child(QWidget *screen, const char *name)
{
    T *widget = screen ? screen->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!widget)
        qFatal("no %s on the screen", name);
    return widget;
}

void click(QWidget *screen, const char *name)
{
    QTest::mouseClick(child<QPushButton>(screen, name), Qt::LeftButton);
}

// Opens the import screen, hands the files to its open dialog and returns the screen.
QWidget *openFiles(Controller &controller, const QStringList &files)
{
    controller.showAddQuestionsPerFile();
    controller.fileDialogs()->setNextOpenFileNames(files);
    QWidget *screen = currentScreen(&controller);
    click(screen, "pbOpenFile");
    return screen;
}

// Every text of every question with its truth flag, true answers first.
QStringList questionRows(const TestWorkspace &workspace)
{
    return workspace.query(
        "SELECT c.category_text, ql.question_text, al.answer_text, "
        "ifnull(al.explanation_text, ''), qa.is_True FROM question q "
        "JOIN category_lang c ON c.category_id = q.category_id "
        "JOIN question_lang ql ON ql.question_id = q.question_id AND ql.lang_id = c.lang_id "
        "JOIN question_answer qa ON qa.question_id = q.question_id "
        "JOIN answer_lang al ON al.answer_id = qa.answer_id AND al.lang_id = c.lang_id "
        "ORDER BY q.question_id, qa.is_True DESC, qa.answer_id, c.lang_id");
}
} // namespace

void TestCsvImport::importStoresEveryQuestion()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    controller.show();
    const QString first = writeFile("one.csv", block("Tiere", "Hund", ";x;y;z"));
    const QString second = writeFile("two.csv", "\xEF\xBB\xBF" + block("Tiere", "Katze") +
                                                    "\r\n;;;\r\n" + block("Pflanzen", "\"Baum\""));
    QWidget *screen = openFiles(controller, {first, second});
    QCOMPARE(child<QLabel>(screen, "tlNumberOfQuestions")->text(), QStringLiteral("3"));
    QVERIFY(child<QLabel>(screen, "tlFileIncorrect")->isHidden());
    QVERIFY(child<QPushButton>(screen, "pbOpenFile")->isHidden());
    QVERIFY(!child<QPushButton>(screen, "pbAddValues")->isHidden());
    QVERIFY(
        child<QLabel>(screen, "tlFileTexts")->text().startsWith("Tiere DE;Tiere EN;Tiere EE\r\n"));

    QPointer<QWidget> before = screen;
    click(screen, "pbAddValues");
    QVERIFY(before.isNull()); // a fresh import screen replaced it
    QVERIFY(child<QPushButton>(currentScreen(&controller), "pbAddValues")->isHidden());

    // One category created once for two questions, in file order; the quotes are text.
    QCOMPARE(workspace.query(
                 "SELECT category_id, lang_id, category_text FROM category_lang ORDER BY 1, 2"),
             QStringList({"1|1|Tiere DE", "1|2|Tiere EN", "1|3|Tiere EE", "2|1|Pflanzen DE",
                          "2|2|Pflanzen EN", "2|3|Pflanzen EE"}));
    QCOMPARE(
        workspace.query(
            "SELECT q.question_id, category_id, question_text FROM question q "
            "JOIN question_lang l ON l.question_id = q.question_id AND lang_id = 2 ORDER BY 1"),
        QStringList({"1|1|Hund EN", "2|1|Katze EN", "3|2|\"Baum\" EN"}));
    // Six fields make a true answer, three a false one; explanations only with six.
    QCOMPARE(workspace.query(
                 "SELECT answer_id, is_True FROM question_answer WHERE question_id = 1 ORDER BY 1"),
             QStringList({"1|true", "2|false", "3|true", "4|false"}));
    QCOMPARE(
        workspace.query(
            "SELECT answer_text, explanation_text FROM answer_lang WHERE answer_id IN (1, 2, 3) "
            "AND lang_id = 3 ORDER BY answer_id"),
        QStringList({"a1 EE|e1 EE", "a2 EE|NULL", "a3 EE|z"}));
    QCOMPARE(workspace.query("SELECT count(*) FROM question_answer"), QStringList{"12"});
}

void TestCsvImport::refusedReadsChangeNothing_data()
{
    QTest::addColumn<QList<QByteArray>>("files"); // an empty entry is a file that is not there
    QTest::addColumn<bool>("cancel");
    const QByteArray good = block("K", "Q");
    QTest::newRow("second file breaks the blocks")
        << QList<QByteArray>{good, good + "x;y;z\n"} << false;
    QTest::newRow("unreadable file") << QList<QByteArray>{good, QByteArray()} << false;
    QTest::newRow("cancelled dialog") << QList<QByteArray>{} << true;
}

void TestCsvImport::refusedReadsChangeNothing()
{
    QFETCH(QList<QByteArray>, files);
    QFETCH(bool, cancel);
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    controller.show();
    QStringList names;
    for (int i = 0; i < files.size(); ++i) {
        const QString name = QStringLiteral("f%1.csv").arg(i);
        if (!files.at(i).isEmpty())
            writeFile(name, files.at(i));
        names << name;
    }
    QVERIFY(cancel == names.isEmpty());
    const QStringList before = workspace.snapshot();
    QTest::ignoreMessage(QtDebugMsg, "CSV-Datei ist fehlerhaft!");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(".*"));
    QWidget *screen = openFiles(controller, names);
    QVERIFY(!child<QLabel>(screen, "tlFileIncorrect")->isHidden());
    QVERIFY(child<QPushButton>(screen, "pbAddValues")->isHidden());
    QVERIFY(!child<QPushButton>(screen, "pbOpenFile")->isHidden());
    QCOMPARE(workspace.snapshot(), before);
}

void TestCsvImport::categoriesMatchByTheCurrentLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QByteArray>("category"); // names in the file: <category> DE/EN/EE
    QTest::addColumn<int>("expectedCategory");
    // Stored: category 1 = "Tiere DE" / "Animals EN" / "Loomad EE".
    QTest::newRow("German name matches") << 1 << QByteArray("Tiere") << 1;
    QTest::newRow("German name ignored in English") << 2 << QByteArray("Tiere") << 2;
    QTest::newRow("case matters") << 1 << QByteArray("tiere") << 2;
    QTest::newRow("language id out of range") << 7 << QByteArray("Tiere") << 2;
}

void TestCsvImport::categoriesMatchByTheCurrentLanguage()
{
    QFETCH(int, language);
    QFETCH(QByteArray, category);
    QFETCH(int, expectedCategory);
    TestWorkspace workspace;
    workspace.provision();
    workspace.execute(
        {"INSERT INTO category VALUES (1)",
         "INSERT INTO category_lang VALUES (1,1,'Tiere DE'),(1,2,'Animals EN'),(1,3,'Loomad EE')",
         QStringLiteral("UPDATE settings SET current_lang_id = %1").arg(language)});
    Controller controller;
    QWidget *screen = openFiles(controller, {writeFile("k.csv", block(category, "Q"))});
    click(screen, "pbAddValues");
    QCOMPARE(workspace.query("SELECT category_id FROM question"),
             QStringList{QString::number(expectedCategory)});
    // A matched category keeps its stored names.
    QCOMPARE(workspace.query(
                 "SELECT category_text FROM category_lang WHERE category_id = 1 ORDER BY lang_id"),
             QStringList({"Tiere DE", "Animals EN", "Loomad EE"}));
}

void TestCsvImport::failedImportStoresNothingAndKeepsTheScreen()
{
    TestWorkspace workspace;
    workspace.provision();
    workspace.execute(
        {"CREATE TRIGGER t BEFORE INSERT ON answer_lang WHEN NEW.answer_text = 'a4 EE' "
         "AND (SELECT count(*) FROM question) > 1 BEGIN SELECT RAISE(ABORT, 'x'); END"});
    Controller controller;
    const QStringList before = workspace.snapshot();
    QWidget *screen =
        openFiles(controller, {writeFile("k.csv", block("K", "Q1") + block("L", "Q2"))});
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(".*"));
    click(screen, "pbAddValues");
    QCOMPARE(currentScreen(&controller), screen); // not reset as if it had worked
    QVERIFY(!child<QPushButton>(screen, "pbAddValues")->isHidden());
    QVERIFY(child<QPushButton>(screen, "pbAddValues")->isEnabled());
    QVERIFY(!child<QLabel>(screen, "tlStoreFailed")->isHidden());
    QCOMPARE(workspace.snapshot(), before);

    // Once the obstacle is gone, the same screen stores everything.
    workspace.execute({"DROP TRIGGER t"});
    click(screen, "pbAddValues");
    QCOMPARE(workspace.query("SELECT count(*) FROM question"), QStringList{"2"});
}

void TestCsvImport::exportNamesAndFormat()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    controller.showManageQuestionsMenu();
    // An empty catalogue gives a file holding one LF; the name gets its ".csv".
    controller.fileDialogs()->setNextSaveFileName(workspace.path() + "/questions");
    click(currentScreen(&controller), "pbExportQuestions");
    QCOMPARE(readFile("questions.csv"), QByteArray("\n"));

    // A cancelled dialog writes nothing.
    controller.fileDialogs()->setNextSaveFileName(QString());
    click(currentScreen(&controller), "pbExportQuestions");
    QCOMPARE(QDir(workspace.path()).entryList({"*.csv"}), QStringList{"questions.csv"});

    // Stored false, true, false, false: the true answer is written first; a false answer
    // with a stored explanation still ends in three empty fields.
    workspace.execute({"INSERT INTO category VALUES (1)",
                       "INSERT INTO category_lang VALUES (1,1,'Kä'),(1,2,'Ca'),(1,3,'Ka')",
                       "INSERT INTO question VALUES (1,1)",
                       "INSERT INTO question_lang VALUES (1,1,'F'),(1,2,'Q'),(1,3,'K')",
                       "INSERT INTO answer VALUES (1),(2),(3),(4)",
                       "INSERT INTO answer_lang VALUES (1,1,'a','x'),(1,2,'b','y'),(1,3,'c','z'),"
                       "(2,1,'d','e1'),(2,2,'e','e2'),(2,3,'f','e3'),(3,1,'g',NULL),(3,2,'h',NULL),"
                       "(3,3,'i',NULL),(4,1,'j',''),(4,2,'k',''),(4,3,'l','')",
                       "INSERT INTO question_answer VALUES "
                       "(1,1,'false'),(2,1,'true'),(3,1,'false'),(4,1,'false')"});
    controller.fileDialogs()->setNextSaveFileName(workspace.path() + "/questions.csv");
    click(currentScreen(&controller), "pbExportQuestions");
    QCOMPARE(readFile("questions.csv"), QByteArray("K\xC3\xA4;Ca;Ka\r\nF;Q;K\r\nd;e;f;e1;e2;"
                                                   "e3\r\na;b;c;;;\r\ng;h;i;;;\r\nj;k;l;;;\r\n\n"));
}

void TestCsvImport::roundTripRecreatesTheCatalogue()
{
    TestWorkspace workspace;
    workspace.provision();
    workspace.execute({"UPDATE settings SET current_lang_id = 1, current_country_code = 'DE'"});
    Controller controller;
    controller.show();
    const QByteArray original =
        block("Tiere", "Hund", ";x;y;z") + block("Pflanzen", "Baum") + block("Tiere", "Öö õ");
    click(openFiles(controller, {writeFile("in.csv", original)}), "pbAddValues");
    // A false answer that had an explanation stored must come back false.
    workspace.execute({"UPDATE answer_lang SET explanation_text = 'stale' WHERE answer_id = 2"});
    const QStringList before = questionRows(workspace);

    controller.showManageQuestionsMenu();
    controller.fileDialogs()->setNextSaveFileName(workspace.path() + "/out.csv");
    click(currentScreen(&controller), "pbExportQuestions");
    workspace.execute({"DELETE FROM category", "DELETE FROM category_lang", "DELETE FROM question",
                       "DELETE FROM question_lang", "DELETE FROM answer", "DELETE FROM answer_lang",
                       "DELETE FROM question_answer"});
    click(openFiles(controller, {"out.csv"}), "pbAddValues");

    const QStringList after = questionRows(workspace);
    QStringList expected = before;
    expected.replaceInStrings(QStringLiteral("|stale|"), QStringLiteral("||"));
    QCOMPARE(after, expected);
    QCOMPARE(workspace.query("SELECT count(*) FROM category"), QStringList{"2"});
}

QTEST_MAIN(TestCsvImport)
#include "tst_csvimport.moc"
