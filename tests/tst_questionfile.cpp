#include "controller.h"
#include "filedialogs.h"
#include "questionfilereader.h"
#include "testworkspace.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// CSV question files: what the reader accepts and refuses (and why, where), the
// command-line checker that judges exactly like the reader, the import screen that stores
// them and the export of the catalogue, driven as a user does.
class TestQuestionFile : public QObject
{
    Q_OBJECT

private slots:
    void acceptedFiles_data();
    void acceptedFiles();
    void refusedFiles_data();
    void refusedFiles();
    void checkerNeedsArguments();
    void importStoresEveryQuestion_data();
    void importStoresEveryQuestion();
    void exportNamesAndFormat();
};

using Files = QList<QByteArray>;

namespace {
// One question; the category line is given whole.
QByteArray block(const QByteArray &category, const QByteArray &question = "Q",
                 const QByteArray &trueMark = "", const QByteArray &eol = "\n")
{
    return category + eol + question + " DE;" + question + " EN;" + question + " EE" + eol +
           "a1 DE;a1 EN;a1 EE;e1 DE;e1 EN;e1 EE" + eol + "a2 DE;a2 EN;a2 EE;;;" + eol +
           "a3 DE;a3 EN;a3 EE" + trueMark + eol + "a4 DE;a4 EN;a4 EE" + eol;
}

// Writes file1.csv, file2.csv, ...; an empty entry is a file that is not there.
QStringList writeFiles(const Files &files)
{
    QStringList names;
    for (int i = 0; i < files.size(); ++i) {
        names << QStringLiteral("file%1.csv").arg(i + 1);
        if (!files.at(i).isEmpty())
            writeFile(names.last(), files.at(i));
    }
    return names;
}

// Runs the checker; returns its exit code and the first line of its diagnostics.
int runChecker(const QStringList &arguments, QString *firstLine)
{
    QProcess checker;
    checker.start(QStringLiteral(VELMORA_CSV_CHECKER), arguments);
    if (!checker.waitForFinished(30000))
        return -1;
    *firstLine = QString::fromUtf8(checker.readAllStandardError()).section('\n', 0, 0);
    return checker.exitCode();
}

// Opens the import screen, hands the files to its open dialog and returns the screen.
QWidget *openFiles(Controller &controller, const QStringList &files)
{
    controller.showAddQuestionsPerFile();
    controller.fileDialogs()->setNextOpenFileNames(files);
    QWidget *screen = currentScreen(&controller);
    press(screen, "pbOpenFile");
    return screen;
}

bool shown(QWidget *screen, const char *name)
{
    return !child(screen, name)->isHidden();
}
} // namespace

void TestQuestionFile::acceptedFiles_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("warning"); // the checker's first diagnostic
    const QByteArray k = block("K;K;K");
    QTest::newRow("blank and separator-only lines between blocks")
        << Files{k + "\n;;;\n\n" + block("L;L;L")} << 2 << "K;K;K"
        << "";
    QTest::newRow("two files in order") << Files{k, block("L;L;L") + k} << 3 << "K;K;K"
                                        << "";
    QTest::newRow("CR LF") << Files{block("K;K;K", "Q", "", "\r\n")} << 1 << "K;K;K"
                           << "";
    QTest::newRow("lone CR") << Files{block("K;K;K", "Q", "", "\r")} << 1 << "K;K;K"
                             << "";
    QTest::newRow("no final line end") << Files{k.chopped(1)} << 1 << "K;K;K"
                                       << "";
    QTest::newRow("UTF-8 byte-order mark") << Files{"\xEF\xBB\xBF" + k} << 1 << "K;K;K"
                                           << "";
    QTest::newRow("seven fields with an empty one")
        << Files{"A;;C;D;E;F;G\n" + k.mid(k.indexOf('\n') + 1)} << 1 << "A;;C;D;E;F;G"
        << "";
    const QString utf16 = QString::fromUtf8(block("Õ;Õ;Õ"));
    QByteArray utf16Bytes("\xFF\xFE");
    utf16Bytes.append(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2);
    QTest::newRow("UTF-16 with byte-order mark")
        << Files{utf16Bytes} << 1 << QString::fromUtf8("Õ;Õ;Õ") << "";
    QTest::newRow("question without a true answer")
        << Files{k + "\nL;L;L\nQ;Q;Q\na;a;a\nb;b;b;;;\nc;c;c\nd;d;d\n"} << 2 << "K;K;K"
        << "file1.csv:8: warning: question has no true answer";
}

void TestQuestionFile::acceptedFiles()
{
    QFETCH(Files, files);
    QFETCH(int, questions);
    QFETCH(QString, firstLine);
    QFETCH(QString, warning);
    TestWorkspace workspace;
    const QStringList names = writeFiles(files);
    QuestionFileReader reader;
    QVERIFY(reader.read(names));
    QCOMPARE(reader.errors().size(), 0);
    QCOMPARE(reader.warnings().size(), warning.isEmpty() ? 0 : 1);
    QCOMPARE(reader.questionCount(), questions);
    QCOMPARE(reader.lines().size(), questions * 6);
    QCOMPARE(reader.lines().first(), firstLine);

    QString output;
    QCOMPARE(runChecker(QStringList{"check"} + names, &output), 0);
    QCOMPARE(output, warning);
}

void TestQuestionFile::refusedFiles_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("expected"); // the checker's first diagnostic
    const QByteArray k = block("K;K;K");
    QTest::newRow("four fields") << Files{k.left(k.indexOf('\n') + 1) + "a;b;c;d\n" + k}
                                 << "file1.csv:2: error: a line must have 3 or 6 fields";
    QTest::newRow("five fields") << Files{k + "\n\nx;y;z;v;w\n"}
                                 << "file1.csv:9: error: a line must have 3 or 6 fields";
    QTest::newRow("seven counted lines")
        << Files{k + "\nx;y;z\n"}
        << "file1.csv:8: error: incomplete last question: a question takes 6 lines";
    QTest::newRow("second file breaks the blocks")
        << Files{k, k + "x;y;z\n"}
        << "file2.csv:7: error: incomplete last question: a question takes 6 lines";
    QTest::newRow("invalid UTF-8") << Files{"K\xE4;K;K\n" + k.mid(k.indexOf('\n') + 1)}
                                   << "file1.csv: error: is not valid UTF-8 text";
    QTest::newRow("nothing in it") << Files{"\n;;\n"} << "file1.csv: error: holds no question";
    QTest::newRow("file not there") << Files{k, ""} << "file2.csv: error: cannot be read";
    QTest::newRow("cancelled dialog") << Files{} << "";
}

void TestQuestionFile::refusedFiles()
{
    QFETCH(Files, files);
    QFETCH(QString, expected);
    TestWorkspace workspace;
    const QStringList names = writeFiles(files);
    QuestionFileReader reader;
    QVERIFY(!reader.read(names));
    QVERIFY(!reader.errors().isEmpty());
    QString output;
    if (!names.isEmpty()) {
        QCOMPARE(runChecker(QStringList{"check"} + names, &output), 1);
        QCOMPARE(output, expected);
    }

    // The import screen refuses them too, and stores nothing.
    workspace.provision();
    Controller controller;
    controller.show();
    const QStringList before = workspace.snapshot();
    QTest::ignoreMessage(QtDebugMsg, "CSV-Datei ist fehlerhaft!");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(".*"));
    QWidget *screen = openFiles(controller, names);
    QVERIFY(shown(screen, "tlFileIncorrect") && shown(screen, "pbOpenFile"));
    QVERIFY(!shown(screen, "pbAddValues"));
    QCOMPARE(workspace.snapshot(), before);
}

void TestQuestionFile::checkerNeedsArguments()
{
    TestWorkspace workspace;
    QString output;
    QCOMPARE(runChecker({}, &output), 2);
    QCOMPARE(runChecker({"check"}, &output), 2);
}

void TestQuestionFile::importStoresEveryQuestion_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QByteArray>("category");   // the first question's category line
    QTest::addColumn<QList<int>>("categories"); // of the three questions
    // Stored: category 1 = "Tiere" / "Animals" / "Loomad". The other two questions share
    // a new category, found again for the second one.
    QTest::newRow("English name matches")
        << 2 << QByteArray("Tiere DE;Animals;x") << QList<int>{1, 2, 2};
    QTest::newRow("German name matches") << 1 << QByteArray("Tiere;y;x") << QList<int>{1, 2, 2};
    QTest::newRow("German name ignored in English")
        << 2 << QByteArray("Tiere;y;x") << QList<int>{2, 3, 3};
    QTest::newRow("case matters") << 1 << QByteArray("tiere;y;x") << QList<int>{2, 3, 3};
    QTest::newRow("language id out of range: nothing matches")
        << 7 << QByteArray("Tiere;Animals;Loomad") << QList<int>{2, 3, 4};
}

void TestQuestionFile::importStoresEveryQuestion()
{
    QFETCH(int, language);
    QFETCH(QByteArray, category);
    QFETCH(QList<int>, categories);
    TestWorkspace workspace;
    workspace.provision();
    workspace.execute(
        {"INSERT INTO category VALUES (1)",
         "INSERT INTO category_lang VALUES (1,1,'Tiere'),(1,2,'Animals'),(1,3,'Loomad')",
         QStringLiteral("UPDATE settings SET current_lang_id = %1").arg(language)});
    Controller controller;
    controller.show();
    // A byte-order mark, CR LF, separator-only lines; quotes are text; six fields make a
    // true answer, three a false one.
    QWidget *screen = openFiles(
        controller, writeFiles({block(category, "Hund", ";x;y;z"),
                                "\xEF\xBB\xBF" + block("P DE;P EN;P EE", "Katze") + "\r\n;;;\r\n" +
                                    block("P DE;P EN;P EE", "\"Baum\"")}));
    QCOMPARE(child<QLabel>(screen, "tlNumberOfQuestions")->text(), QStringLiteral("3"));
    QVERIFY(!shown(screen, "tlFileIncorrect") && !shown(screen, "pbOpenFile"));
    QVERIFY(shown(screen, "tlFileTexts"));
    QPointer<QWidget> before = screen;
    press(screen, "pbAddValues");
    QVERIFY(before.isNull()); // a fresh import screen replaced it
    QVERIFY(!shown(currentScreen(&controller), "pbAddValues"));

    QCOMPARE(workspace.query("SELECT category_id FROM question ORDER BY question_id"),
             QStringList({QString::number(categories[0]), QString::number(categories[1]),
                          QString::number(categories[2])}));
    // A matched category keeps its stored names.
    QCOMPARE(workspace.query("SELECT category_text FROM category_lang WHERE category_id = 1 "
                             "ORDER BY lang_id"),
             QStringList({"Tiere", "Animals", "Loomad"}));
    QCOMPARE(workspace.query("SELECT question_text FROM question_lang WHERE lang_id = 2 "
                             "ORDER BY question_id"),
             QStringList({"Hund EN", "Katze EN", "\"Baum\" EN"}));
    QCOMPARE(workspace.query("SELECT answer_id, is_True FROM question_answer WHERE "
                             "question_id = 1 ORDER BY 1"),
             QStringList({"1|true", "2|false", "3|true", "4|false"}));
    QCOMPARE(workspace.query("SELECT answer_text, explanation_text FROM answer_lang WHERE "
                             "answer_id IN (1, 2, 3) AND lang_id = 3 ORDER BY answer_id"),
             QStringList({"a1 EE|e1 EE", "a2 EE|NULL", "a3 EE|z"}));
}

void TestQuestionFile::exportNamesAndFormat()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    controller.showManageQuestionsMenu();
    auto exportTo = [&](const QString &name) {
        controller.fileDialogs()->setNextSaveFileName(name);
        press(currentScreen(&controller), "pbExportQuestions");
        return readFile("questions.csv");
    };
    // An empty catalogue gives a file holding one LF; the name gets its ".csv".
    QCOMPARE(exportTo(workspace.path() + "/questions"), QByteArray("\n"));
    // A cancelled dialog writes nothing.
    exportTo(QString());
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
    QCOMPARE(
        exportTo(workspace.path() + "/questions.csv"),
        QByteArray("K\xC3\xA4;Ca;Ka\r\nF;Q;K\r\nd;e;f;e1;e2;e3\r\na;b;c;;;\r\ng;h;i;;;\r\nj;k;l;;;"
                   "\r\n\n"));
}

QTEST_MAIN(TestQuestionFile)
#include "tst_questionfile.moc"
