#include "addquestionsperfile.h"
#include "controller.h"
#include "databasevelmoraapp.h"
#include "filedialogs.h"
#include "questionfilereader.h"
#include "testworkspace.h"

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

bool shown(QWidget *screen, const char *name)
{
    return !child(screen, name)->isHidden();
}


const qint64 firstAnswerMs = 1796592029123; // 2026-12-06T21:20:29.123Z
const qint64 dayMs = 24 * 3600 * 1000;

// Answers to questions 1..3, recorded at the given times: question 1 right on day 0 and
// day 2, question 2 wrong then right a tenth of a day later, question 3 wrong with the
// clock set back before all of them.
void recordAnswers()
{
    DatabaseVelmoraApp store;
    qint64 now = 0;
    store.learning().setClock([&now] { return now; });
    int runId = 0;
    const struct
    {
        int question;
        qint64 at;
        bool correct;
        int ms;
    } answers[] = {{1, firstAnswerMs, true, 4000},
                   {2, firstAnswerMs + 60000, false, 12000},
                   {2, firstAnswerMs + 60000 + dayMs / 10, true, 5000},
                   {1, firstAnswerMs + 2 * dayMs, true, 3000},
                   {3, firstAnswerMs - 1000, false, 7000}};
    for (const auto &answer : answers) {
        now = answer.at;
        RecordedAnswer recorded;
        recorded.questionId = answer.question;
        recorded.correct = answer.correct;
        recorded.checkedAnswerIds = {10 * answer.question + (answer.correct ? 1 : 4)};
        recorded.millisecondsUsed = answer.ms;
        recorded.languageId = 2;
        if (!store.learning().record(runId, recorded))
            qFatal("cannot record an answer");
    }
}
} // namespace

// CSV question files: what the reader accepts and refuses (and why, where), the
// command-line checker that judges exactly like the reader, the import screen that previews
// and stores them and the export of the catalogue, driven as a user does.
class TestQuestionFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The remembered directory goes to a settings file of the tests, not the user's.
        QStandardPaths::setTestModeEnabled(true);
    }

    // The dialogs start where a file was last chosen, unless that is gone or the
    // program's data directory (where the database is, or where the launcher puts it);
    // then in the documents folder, or the home directory without one.
    void dialogsStartInTheDirectoryUsedLast_data()
    {
        QTest::addColumn<QString>("chosenIn"); // "-" nothing chosen yet
        QTest::addColumn<bool>("kept");
        QTest::newRow("nothing chosen yet") << "-" << false;
        QTest::newRow("a directory") << "quizzes" << true;
        QTest::newRow("a directory since removed") << "gone" << false;
        QTest::newRow("the working directory") << "" << false;
        QTest::newRow("the launcher's data directory") << "launcher" << false;
    }

    void dialogsStartInTheDirectoryUsedLast()
    {
        QFETCH(QString, chosenIn);
        QFETCH(bool, kept);
        TestWorkspace workspace;
        QString directory = workspace.path() + "/" + chosenIn;
        if (chosenIn == "launcher")
            directory =
                QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/velmora";
        QVERIFY(QDir().mkpath(directory));
        FileDialogs::remember(chosenIn == "-" ? QString() : directory + "/questions.csv");
        if (chosenIn == "gone")
            QVERIFY(QDir(directory).removeRecursively());
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(FileDialogs::startDirectory(),
                 kept ? directory : QDir(documents).exists() ? documents : QDir::homePath());
        FileDialogs::remember(QString());
    }

    void readFiles_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("diagnostic");
        // A row: its name, the files, how many questions are read from them (0: refused), the
        // checker's first diagnostic and the first line read.
        const auto row = [](const char *name, const Files &files, int questions,
                            const char *diagnostic = "", const char *firstLine = "K;K;K") {
            QTest::newRow(name) << files << questions << QString::fromUtf8(firstLine)
                                << QString::fromUtf8(diagnostic);
        };
        const QByteArray k = block("K;K;K");
        const QByteArray crlf = block("K;K;K", "Q", "", "\r\n");
        row("blank and separator-only lines", {k + "\n;;;\n\n" + block("L;L;L")}, 2);
        row("two files", {k, block("L;L;L") + k}, 3);
        row("CR LF", {crlf}, 1);
        row("lone CR", {block("K;K;K", "Q", "", "\r")}, 1);
        row("no final line end", {k.chopped(1)}, 1);
        row("UTF-8 byte-order mark", {"\xEF\xBB\xBF" + k}, 1);
        row("seven fields with an empty one", {"A;;C;D;E;F;G\n" + k.mid(k.indexOf('\n') + 1)}, 1,
            "", "A;;C;D;E;F;G");
        const QString utf16 = QString::fromUtf8(block("Õ;Õ;Õ"));
        QByteArray utf16Bytes("\xFF\xFE");
        utf16Bytes.append(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2);
        row("UTF-16 with byte-order mark", {utf16Bytes}, 1, "", "Õ;Õ;Õ");
        row("question without a true answer",
            {k + "\nL;L;L\nQ;Q;Q\na;a;a\nb;b;b;;;\nc;c;c\nd;d;d\n"}, 2,
            "file1.csv:8: warning: question has no true answer");
        // Line numbers count a CR LF as one line end.
        row("four fields", {"K;K;K\r\na;b;c;d\r\n" + crlf}, 0,
            "file1.csv:2: error: a line must have 3 or 6 fields");
        row("five fields", {k + "\n\nx;y;z;v;w\n"}, 0,
            "file1.csv:9: error: a line must have 3 or 6 fields");
        row("seven counted lines", {k + "\nx;y;z\n"}, 0,
            "file1.csv:8: error: incomplete last question: a question takes 6 lines");
        row("second file breaks the blocks", {k, k + "x;y;z\n"}, 0,
            "file2.csv:7: error: incomplete last question: a question takes 6 lines");
        row("invalid UTF-8", {"K\xE4;K;K\n" + k.mid(k.indexOf('\n') + 1)}, 0,
            "file1.csv: error: is not valid UTF-8 text");
        row("nothing in it", {"\n;;\n"}, 0, "file1.csv: error: holds no question");
        row("file not there", {k, ""}, 0, "file2.csv: error: cannot be read");
        row("cancelled dialog", {}, 0, "usage: velmora-csv check FILE...");
    }

    void readFiles()
    {
        QFETCH(Files, files);
        QFETCH(int, questions);
        QFETCH(QString, firstLine);
        QFETCH(QString, diagnostic);
        TestWorkspace workspace;
        const QStringList names = writeFiles(files);
        workspace.provision();
        const QStringList before = workspace.snapshot();
        QuestionFileReader reader;
        QCOMPARE(reader.read(names), questions > 0);
        const ToolRun checker = runTool(QStringList{"check"} + names);
        QCOMPARE(checker.exitCode, names.isEmpty() ? 2 : questions > 0 ? 0 : 1);
        QCOMPARE(checker.err.section('\n', 0, 0), diagnostic);

        // The import screen counts them, or refuses them with the checker's reasons; it
        // stores nothing yet. A cancelled dialog changes nothing.
        Controller controller;
        const bool refused = questions == 0 && !names.isEmpty();
        if (refused)
            QTest::ignoreMessage(QtDebugMsg, "CSV-Datei ist fehlerhaft!");
        QWidget *screen = openQuestionFiles(controller, names);
        QCOMPARE(shown(screen, "tlFileIncorrect"), refused);
        QCOMPARE(shown(screen, "tlProblems"), refused);
        QCOMPARE(shown(screen, "pbOpenFile"), questions == 0);
        QCOMPARE(shown(screen, "pbAddValues"), questions > 0);
        QCOMPARE(workspace.snapshot(), before);
        if (refused) {
            QString reason = diagnostic;
            reason.replace(QRegularExpression("^([^:]+):(\\d+): error: "), "\\1, line \\2: ")
                .replace(QRegularExpression("^([^:]+): error: "), "\\1: ");
            QCOMPARE(child<QLabel>(screen, "tlProblems")->text().section('\n', 0, 0), reason);
        }
        if (questions > 0) {
            QCOMPARE(child<QLabel>(screen, "tlNumberOfQuestions")->text().toInt(), questions);
            QCOMPARE(reader.questionCount(), questions);
            QCOMPARE(reader.lines().size(), questions * 6);
            QCOMPARE(reader.lines().first(), firstLine);
        }
    }

    // The first 20 problems are listed, then counted; cancelling the next dialog keeps them.
    void refusedImportListsProblems_data()
    {
        QTest::addColumn<int>("files"); // none of them there
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("last");
        QTest::newRow("20 listed") << 20 << 20 << "file20.csv: cannot be read";
        QTest::newRow("20 listed, 5 counted") << 25 << 21 << "5 more problem";
    }

    void refusedImportListsProblems()
    {
        QFETCH(int, files);
        QFETCH(int, lines);
        QFETCH(QString, last);
        TestWorkspace workspace;
        workspace.provision();
        Controller controller;
        QTest::ignoreMessage(QtDebugMsg, "CSV-Datei ist fehlerhaft!");
        QWidget *screen = openQuestionFiles(controller, writeFiles(QVector<QByteArray>(files).toList()));
        const QString shownText = child<QLabel>(screen, "tlProblems")->text();
        const QStringList problems = shownText.split('\n');
        QCOMPARE(problems.size(), lines);
        QCOMPARE(problems.first(), "file1.csv: cannot be read");
        QVERIFY2(problems.last().startsWith(last), qPrintable(problems.last()));
        controller.fileDialogs()->setNextOpenFileNames({});
        child<QPushButton>(screen, "pbOpenFile")->click();
        QCOMPARE(child<QLabel>(screen, "tlProblems")->text(), shownText);
        QVERIFY(shown(screen, "tlFileIncorrect") && shown(screen, "tlProblems"));
    }

    void previewShowsFileTextAsWritten_data()
    {
        QTest::addColumn<QByteArray>("firstLine");
        QTest::addColumn<int>("count");    // questions in the file
        QTest::addColumn<int>("lines");    // the file's first lines shown as they are
        QTest::addColumn<QString>("rest"); // shown after them
        QTest::newRow("markup") << QByteArray("<b>C</b>&lt;C&gt;&amp;D;C;C") << 1 << 6 << "";
        QTest::newRow("50 questions whole") << QByteArray("C;C;C") << 50 << 300 << "";
        QTest::newRow("the start of 51")
            << QByteArray("C;C;C") << 51 << 300 << "... and 6 more lines (1 more question)";
        QTest::newRow("the start of 70")
            << QByteArray("C;C;C") << 70 << 300 << "... and 120 more lines (20 more questions)";
        QTest::newRow("one very long line")
            << QByteArray(70000, 'x') + ";C EN;C EE" << 1 << 0
            << QString(60000, 'x') + "...\r\n... and 5 more lines (1 more question)";
    }

    void previewShowsFileTextAsWritten()
    {
        QFETCH(QByteArray, firstLine);
        QFETCH(int, count);
        QFETCH(int, lines);
        QFETCH(QString, rest);
        TestWorkspace workspace;
        workspace.provision();
        Controller controller;
        QByteArray file;
        for (int q = 1; q <= count; ++q)
            file += block(q == 1 ? firstLine : "C;C;C", "Q" + QByteArray::number(q), "", "\r\n");
        QWidget *screen = openQuestionFiles(controller, {writeFile("questions.csv", file)});
        int end = 0;
        for (int i = 0; i < lines; ++i)
            end = file.indexOf('\n', end) + 1;
        auto *preview = child<QLabel>(screen, "tlFileTexts");
        QCOMPARE(preview->text(), QString::fromUtf8(file.left(end)) + rest);
        // Shown as it stands in the file: markup is not interpreted.
        QCOMPARE(preview->textFormat(), Qt::PlainText);
        QCOMPARE(child<QLabel>(screen, "tlNumberOfQuestions")->text(), QString::number(count));
    }

    void importStoresEveryQuestion_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("category"); // the first question's category line
        QTest::addColumn<QString>("categories");  // of the three questions
        // Stored: category 1 "Cat1 DE" / "Cat1 EN" / "Cat1 EE". The other two questions share
        // a new category, found again for the second one.
        QTest::newRow("English name") << 2 << QByteArray("x;Cat1 EN;x") << "1 2 2";
        QTest::newRow("German name") << 1 << QByteArray("Cat1 DE;y;x") << "1 2 2";
        QTest::newRow("German name in English") << 2 << QByteArray("Cat1 DE;y;x") << "2 3 3";
        QTest::newRow("case matters") << 1 << QByteArray("cat1 DE;y;x") << "2 3 3";
        QTest::newRow("unknown language") << 7 << QByteArray("Cat1 DE;Cat1 EN;Cat1 EE") << "2 3 4";
    }

    void importStoresEveryQuestion()
    {
        QFETCH(int, language);
        QFETCH(QByteArray, category);
        QFETCH(QString, categories);
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 1, {});
        workspace.execute({"UPDATE settings SET current_lang_id = " + QString::number(language)});
        Controller controller;
        // A byte-order mark, CR LF, separator-only lines; quotes are text; six fields make a
        // true answer, three a false one.
        QWidget *screen = openQuestionFiles(
            controller, writeFiles({block(category, "Hund", ";x;y;z"),
                                    "\xEF\xBB\xBF" + block("P DE;P EN;P EE", "Katze") +
                                        "\r\n;;;\r\n" + block("P DE;P EN;P EE", "\"Baum\"")}));
        QPointer<QWidget> before = screen;
        press(screen, "pbAddValues");
        QVERIFY(before.isNull()); // a fresh import screen replaced it
        QVERIFY(!shown(currentScreen(&controller), "pbAddValues"));

        QCOMPARE(workspace.query("SELECT category_id FROM question ORDER BY question_id").join(' '),
                 categories);
        // A matched category keeps its stored names.
        QCOMPARE(workspace.query("SELECT category_text FROM category_lang WHERE category_id = 1 "
                                 "ORDER BY lang_id"),
                 QStringList({"Cat1 DE", "Cat1 EN", "Cat1 EE"}));
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

    // The catalogue holds K: a question of a file with the same texts is counted and
    // skipped, unless imported again; the fresh screen says what was stored.
    void duplicatesSkippedUnlessImportedAgain_data()
    {
        QTest::addColumn<QByteArray>("question"); // beside a new one in the file
        QTest::addColumn<bool>("same");
        QTest::addColumn<bool>("again");
        QTest::addColumn<int>("categories"); // that the stored questions went into
        const QByteArray k = block("K DE;K EN;K EE");
        const auto changed = [&k](const char *from, const char *to) {
            return QByteArray(k).replace(from, to);
        };
        QList<QByteArray> lines = k.split('\n');
        lines.move(2, 5);
        QTest::newRow("same") << k << true << false << 1;
        QTest::newRow("same, imported again") << k << true << true << 1;
        QTest::newRow("answers in another order") << lines.join('\n') << true << false << 1;
        // English is shown: the import files the question under "K EN" all the same.
        QTest::newRow("German category name") << changed("K DE", "X DE") << true << false << 1;
        QTest::newRow("English category name") << changed("K EN", "X EN") << false << false << 2;
        QTest::newRow("Estonian question") << changed("Q EE", "Q EE!") << false << false << 1;
        QTest::newRow("answer in lower case") << changed("a2 EN", "a2 en") << false << false << 1;
        QTest::newRow("explanation") << changed("e1 EE", "e2 EE") << false << false << 1;
        QTest::newRow("truth") << changed("a3 EE\n", "a3 EE;x;y;z\n") << false << false << 1;
    }

    void duplicatesSkippedUnlessImportedAgain()
    {
        QFETCH(QByteArray, question);
        QFETCH(bool, same);
        QFETCH(bool, again);
        QFETCH(int, categories);
        TestWorkspace workspace;
        workspace.provision();
        workspace.execute({"UPDATE settings SET current_lang_id = 2"});
        Controller controller;
        QWidget *screen =
            openQuestionFiles(controller, {writeFile("k.csv", block("K DE;K EN;K EE"))});
        child<QPushButton>(screen, "pbAddValues")->click();
        screen = openQuestionFiles(
            controller, {writeFile("two.csv", question + block("K DE;K EN;K EE", "New"))});
        QCOMPARE(shown(screen, "tlDuplicates"), same);
        QCOMPARE(shown(screen, "cbImportAgain"), same);
        if (same)
            QVERIFY(child<QLabel>(screen, "tlDuplicates")->text().startsWith("1 of these"));
        QVERIFY(!child<QCheckBox>(screen, "cbImportAgain")->isChecked());
        if (again)
            child<QCheckBox>(screen, "cbImportAgain")->click();
        child<QPushButton>(screen, "pbAddValues")->click();

        const int stored = same && !again ? 1 : 2;
        QCOMPARE(workspace.query("SELECT count(*) FROM question"),
                 QStringList{QString::number(1 + stored)});
        const QString said = child<QLabel>(currentScreen(&controller), "tlImported")->text();
        QVERIFY2(said.startsWith(QString::number(stored) + " question") &&
                     said.contains(QStringLiteral(" into %1 categor").arg(categories)),
                 qPrintable(said));
    }

    void importStoresNothing_data()
    {
        QTest::addColumn<QByteArray>("changed"); // the file's new contents; empty: removed
        QTest::addColumn<bool>("sameTime");      // its time of change set back
        const QByteArray two = block("C;C;C", "Q1") + block("C;C;C", "Q2");
        QTest::newRow("a question added") << two + block("C;C;C", "Q3") << false;
        QTest::newRow("same size and time, other text")
            << QByteArray(two).replace("Q2", "Q9") << true;
        QTest::newRow("now incorrect") << two + "x;y" << false;
        QTest::newRow("removed") << QByteArray() << false;
        QTest::newRow("unchanged, rewritten") << two << false;
        QTest::newRow("cancelled") << QByteArray("cancel") << false;
    }

    // Storing reads the files again: one that changed since it was read is refused whole,
    // with the reason; one written anew with the same contents is stored. Cancel on the
    // progress stores nothing either.
    void importStoresNothing()
    {
        QFETCH(QByteArray, changed);
        QFETCH(bool, sameTime);
        TestWorkspace workspace;
        workspace.provision();
        Controller controller;
        const QByteArray two = block("C;C;C", "Q1") + block("C;C;C", "Q2");
        const QString name =
            writeFile("questions.csv", changed == "cancel" ? two + block("C;C;C", "Q3") : two);
        auto *screen = static_cast<AddQuestionsPerFile *>(openQuestionFiles(controller, {name}));
        const QStringList before = workspace.snapshot();
        const QDateTime time = QFileInfo(name).lastModified();
        QThread::msleep(20);
        int doneWhenCancelled = -1;
        if (changed == "cancel") {
            screen->setProgressDelay(0);
            // The dialog lets events through while it is shown: cancel it from there.
            QTimer::singleShot(0, screen, [&] {
                auto *dialog = screen->findChild<QProgressDialog *>();
                if (dialog && dialog->isVisible()) {
                    doneWhenCancelled = dialog->value();
                    dialog->cancel();
                }
            });
        } else if (changed.isEmpty()) {
            QFile::remove(name);
        } else {
            writeFile(name, changed);
            if (sameTime) {
                QFile file(name);
                QVERIFY(file.open(QIODevice::ReadWrite) &&
                        file.setFileTime(time, QFileDevice::FileModificationTime));
            }
        }
        child<QPushButton>(screen, "pbAddValues")->click();
        if (changed == two) {
            QCOMPARE(workspace.query("SELECT count(*) FROM question"), QStringList{"2"});
            return;
        }
        QCOMPARE(workspace.snapshot(), before);
        QCOMPARE(currentScreen(&controller), screen);
        if (changed == "cancel") {
            QCOMPARE(doneWhenCancelled, 2); // the count done when the events came through
            QVERIFY(shown(screen, "tlImportCancelled"));
            QVERIFY(child<QPushButton>(screen, "pbAddValues")->isEnabled());
            QVERIFY(!screen->findChild<QProgressDialog *>());
            return;
        }
        QCOMPARE(child<QLabel>(screen, "tlFileChanged")->text(),
                 QString("questions.csv has changed since it was read: nothing was stored. Open "
                         "it again."));
        QVERIFY(shown(screen, "tlFileChanged") && shown(screen, "pbOpenFile"));
        QVERIFY(!shown(screen, "pbAddValues"));
    }

    void exportNamesAndFormat()
    {
        TestWorkspace workspace;
        workspace.provision();
        Controller controller;
        // An empty catalogue gives a file holding one LF; the name gets its ".csv".
        exportCatalogue(controller, workspace.path() + "/questions");
        QCOMPARE(readFile("questions.csv"), QByteArray("\n"));
        // A cancelled dialog writes nothing.
        exportCatalogue(controller, QString());
        QCOMPARE(QDir(workspace.path()).entryList({"*.csv"}), QStringList{"questions.csv"});

        // Stored false, true, false, false: the true answer is written first; a false answer
        // with a stored explanation still ends in three empty fields.
        workspace.execute(
            {"INSERT INTO category VALUES (1)",
             "INSERT INTO category_lang VALUES (1,1,'Kä'),(1,2,'Ca'),(1,3,'Ka')",
             "INSERT INTO question VALUES (1,1)",
             "INSERT INTO question_lang VALUES (1,1,'F'),(1,2,'Q'),(1,3,'K')",
             "INSERT INTO answer VALUES (1),(2),(3),(4)",
             "INSERT INTO answer_lang VALUES (1,1,'a','x'),(1,2,'b','y'),(1,3,'c','z'),"
             "(2,1,'d','e1'),(2,2,'e','e2'),(2,3,'f','e3'),(3,1,'g',NULL),(3,2,'h',NULL),"
             "(3,3,'i',NULL),(4,1,'j',''),(4,2,'k',''),(4,3,'l','')",
             "INSERT INTO question_answer VALUES "
             "(1,1,'false'),(2,1,'true'),(3,1,'false'),(4,1,'false')"});
        exportCatalogue(controller, workspace.path() + "/questions.csv");
        QCOMPARE(
            readFile("questions.csv"),
            QByteArray("K\xC3\xA4;Ca;Ka\r\nF;Q;K\r\nd;e;f;e1;e2;e3\r\na;b;c;;;\r\ng;h;i;;;\r\nj;k;"
                       "l;;;\r\n\n"));
        // The menu says what was written where.
        auto *said = child<QLabel>(currentScreen(&controller), "tlExportFailed");
        QVERIFY(!said->isHidden());
        QVERIFY2(said->text().startsWith("1 question") &&
                     said->text().endsWith(" exported to " + workspace.path() + "/questions.csv."),
                 qPrintable(said->text()));
        QVERIFY(said->palette().color(QPalette::WindowText) != Qt::red);
    }

    void exportLearning_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("file");  // where the database is, named by --database
        QTest::addColumn<QString>("state"); // of the database
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString fileDefault = "databaseVelmoraApp";
        const QString elsewhere = "elsewhere.db";
        const QString historyHeader =
            "card_id,review_time,review_rating,review_state,review_duration\n";
        const QString memoryHeader =
            "question_id,reviews,lapses,stability,difficulty,last_answer_utc,due_utc\n";
        // Oldest first by answer time; the state is the one before the answer. Stability,
        // difficulty and due days are the reference model's for these answers.
        QTest::newRow("history") << "history" << fileDefault << "answered" << 0
                                 << historyHeader + "3,1796592028123,1,0,7000\n"
                                                    "1,1796592029123,3,0,4000\n"
                                                    "2,1796592089123,1,0,12000\n"
                                                    "2,1796600729123,3,2,5000\n"
                                                    "1,1796764829123,3,2,3000\n"
                                 << "";
        QTest::newRow("memory, named file")
            << "memory" << elsewhere << "answered" << 0
            << memoryHeader +
                   "1,2,0,10.9643,2.1112,2026-12-08T21:20:29.123Z,2026-12-19T21:20:29.123Z\n"
                   "2,2,0,0.2467,6.4021,2026-12-06T23:45:29.123Z,2026-12-07T23:45:29.123Z\n"
                   "3,1,0,0.2120,6.4133,2026-12-06T21:20:28.123Z,2026-12-07T21:20:28.123Z\n"
            << "";
        QTest::newRow("memory, none yet")
            << "memory" << fileDefault << "provisioned" << 0 << memoryHeader << "";
        QTest::newRow("history, after a reset")
            << "history" << fileDefault << "reset" << 0 << historyHeader << "";
        QTest::newRow("history, missing file")
            << "history" << fileDefault << "missing" << 2 << ""
            << "velmora-csv: error: ./databaseVelmoraApp does not exist";
        QTest::newRow("memory, missing named file")
            << "memory" << elsewhere << "missing" << 2 << ""
            << "velmora-csv: error: elsewhere.db does not exist";
        QTest::newRow("memory, not a database")
            << "memory" << elsewhere << "random bytes" << 2 << ""
            << "velmora-csv: error: elsewhere.db is not a database";
    }

    // The history and memory written out by the command-line tool, which only reads.
    void exportLearning()
    {
        QFETCH(QString, command);
        QFETCH(QString, file);
        QFETCH(QString, state);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        TestWorkspace workspace;
        if (state == "random bytes") {
            writeFile(file, QByteArray(4096, '\x5a'));
        } else if (state != "missing") {
            workspace.provision();
            seedCatalogue(workspace, 1, {1, 1, 1});
            if (state != "provisioned")
                recordAnswers();
            if (state == "reset")
                QVERIFY(DatabaseVelmoraApp().learning().reset());
            if (file != "databaseVelmoraApp")
                QVERIFY(QFile::rename(workspace.databaseFile(), file));
        }
        const QByteArray before = readFile(file);
        // Without --database where the database is the default.
        const ToolRun run =
            runTool(file == "databaseVelmoraApp" ? QStringList{command}
                                                 : QStringList{command, "--database", file});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err.section('\n', 0, 0), err);
        QCOMPARE(QFileInfo::exists(file), state != "missing"); // never created
        QCOMPARE(readFile(file), before);
    }
};

QTEST_MAIN(TestQuestionFile)
#include "tst_questionfile.moc"
