#include "bankformat.h"
#include "bankreader.h"
#include "controller.h"
#include "moodlexmlwriter.h"
#include "questionfilereader.h"
#include "testworkspace.h"

#include <QElapsedTimer>

namespace {
const QString dataDir = QStringLiteral(VELMORA_TEST_DATA);
const QString none = QStringLiteral("(no explanation given)");

// "text;text;text" or, with explanations, "text;text;text;e;e;e".
QString line(const QString &text, const QString &explanation = QString())
{
    QString result = QStringList{text, text, text}.join(QLatin1Char(';'));
    if (!explanation.isEmpty())
        result += QLatin1Char(';') + QStringList{explanation, explanation, explanation}.join(QLatin1Char(';'));
    return result;
}
QString falseLine(const QString &text)
{
    return line(text) + QStringLiteral(";;;");
}

// A row of a file refused whole, after the questions it left out.
void refused(const char *name, const QString &file, const QByteArray &content,
             const QString &refusal, const QStringList &leftOut = {})
{
    QTest::newRow(name) << file << content << 0 << QStringList() << leftOut
                        << QList<int>{0, 0, 0, 0} << refusal;
}

// A whole file of Moodle XML around the questions.
QByteArray quiz(const QByteArray &questions)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n" + questions + "</quiz>\n";
}

QByteArray multichoice(const QByteArray &text, const QByteArray &answers)
{
    return "<question type=\"multichoice\"><questiontext format=\"html\"><text><![CDATA[" + text +
           "]]></text></questiontext>" + answers + "</question>\n";
}

const QByteArray fourAnswers = "<answer fraction=\"100\"><text>a</text></answer>"
                               "<answer fraction=\"0\"><text>b</text></answer>"
                               "<answer fraction=\"0\"><text>c</text></answer>"
                               "<answer fraction=\"0\"><text>d</text></answer>";

// Whether wanted appears in all in this order (other lines may lie between).
bool inOrder(const QStringList &all, const QStringList &wanted)
{
    int at = 0;
    for (const QString &line : wanted) {
        at = all.indexOf(line, at);
        if (at < 0)
            return false;
        ++at;
    }
    return true;
}

} // namespace

// Foreign question banks: what each reader takes, leaves out (and why, where) and refuses,
// on real files of the platform they come from and on small files per rule; the format
// told by content; the Moodle XML export read back unchanged.
class TestBanks : public QObject
{
    Q_OBJECT

private slots:
    // One table for every format: Moodle XML, then GIFT, then Aiken.
    void read_data()
    {
        QTest::addColumn<QString>("file");      // in tests/data, or written from content
        QTest::addColumn<QByteArray>("content"); // empty: the file of tests/data
        QTest::addColumn<int>("questions");
        QTest::addColumn<QStringList>("lines");   // among the lines taken, in this order
        QTest::addColumn<QStringList>("leftOut"); // "line: reason"
        QTest::addColumn<QList<int>>("counts");   // one language, replaced, placeholder, images
        QTest::addColumn<QString>("refusal");     // "line: reason"
        // Moodle XML
        refused("Moodle's own: nested categories, true/false and essay only",
                "moodle-nested-categories.xml", QByteArray(), "0: holds no question that can be imported",
                {"15: question type \"truefalse\" is not multiple choice",
                 "55: question type \"essay\" is not multiple choice",
                 "83: question type \"truefalse\" is not multiple choice",
                 "123: question type \"truefalse\" is not multiple choice",
                 "163: question type \"truefalse\" is not multiple choice"});
        QTest::newRow("multilang, fractions, feedback, categories, images")
            << "multilang.xml" << QByteArray() << 3
            << QStringList{line("multilang"), line("2 & 2 = ?"), line("4", "Two <plus> two"),
                           falseLine("22"), "Mathematik;Maths;Matemaatika",
                           "Welche sind gerade?;Which are even?;Millised on paaris?",
                           "2;2;2;Zwei;Two;Kaks",
                           "4;4;4;Teilbar durch zwei;Divisible by two;Jagub kahega",
                           falseLine("7"), falseLine("1, 3"), line("Erdkunde/Geo"),
                           line("First line second line"), line("a", none)}
            << QStringList{"27: question type \"truefalse\" is not multiple choice",
                           "32: 3 answer(s), not four", "38: no true answer"}
            << QList<int>{2, 2, 1, 1} << QString();
        QTest::newRow("{mlang other} stands in for a missing language")
            << "other.txt" // Moodle XML, whatever the name says
            << quiz(multichoice("{mlang en}Hello{mlang}{mlang other}Hallo{mlang}", fourAnswers))
            << 1 << QStringList{"Hallo;Hello;Hallo"} << QStringList() << QList<int>{1, 0, 1, 0}
            << QString();
        QTest::newRow("deeply nested spans")
            << "spans.xml"
            << quiz(multichoice(QByteArray("<span lang=\"de\" class=\"multilang\">").repeated(20000) +
                                    "x" + QByteArray("</span>").repeated(20000),
                                fourAnswers))
            << 1 << QStringList{line("x")} << QStringList() << QList<int>{1, 0, 1, 0} << QString();
        refused("billion laughs: no DTD is read", "laughs.xml",
                "<?xml version=\"1.0\"?>\n<!DOCTYPE quiz [\n<!ENTITY a \"aaaaaaaaaa\">\n"
                "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n"
                "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">\n"
                "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">\n]>\n"
                "<quiz><question type=\"multichoice\"><questiontext><text>&d;&d;&d;"
                "</text></questiontext></question></quiz>\n",
                "7: holds a document type declaration, which is not read");
        refused("unbalanced tags", "unbalanced.xml",
                quiz("<question type=\"multichoice\">\n<questiontext>\n</question>\n"),
                "5: is not well-formed XML: Opening and ending tag mismatch.");
        refused("deep nesting", "deep.xml",
                quiz(QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000)),
                "3: elements nested more than 64 deep");
        refused("XML: invalid UTF-8", "latin1.xml", quiz(multichoice("Gr\xf6\xdf" "e", fourAnswers)),
                "0: is not valid UTF-8 text");
        refused("a gigabyte", "huge.xml", quiz("") + "\n", "0: is larger than 128 MB");
        // GIFT
        QTest::newRow("Moodle's own: every question type")
            << "moodle-questions.gift.txt" << QByteArray() << 1
            << QStringList{line("moodle-questions.gift"),
                           line("What's between orange and green in the spectrum?"),
                           line("yellow", "right, good!"), falseLine("red"),
                           line("off-beige", "right, good!"), falseLine("blue")}
            << QStringList{"2: an essay question, not multiple choice",
                           "5: a matching question, not multiple choice",
                           "14: 3 answer(s), not four",
                           "31: a numeric question, not multiple choice",
                           "34: a short-answer question, not multiple choice",
                           "41: a true/false question, not multiple choice",
                           "46: a true/false question, not multiple choice",
                           "49: a true/false question, not multiple choice"}
            << QList<int>{1, 1, 0, 0} << QString();
        QTest::newRow("categories, weights, [html], escapes, the blank")
            << "rules.gift" << QByteArray() << 3
            << QStringList{line("rules"), line("Which colour has the sky?"),
                           line("blue", "Because of scattering"), falseLine("grey"),
                           line("Natur/Umwelt"), line("Which are prime?"),
                           line("2", "two is prime"), line("3", "Primes have two divisors."),
                           falseLine("4"), line("Natur/Umwelt"),
                           line("Escaped {braces} = and ~ and # and : and \\ _____ in the text."),
                           line("a=b", none), falseLine("c~d"), falseLine("e#f")}
            << QStringList{"17: a true/false question, not multiple choice",
                           "19: a numeric question, not multiple choice",
                           "21: a matching question, not multiple choice",
                           "23: a short-answer question, not multiple choice",
                           "25: an essay question, not multiple choice",
                           "27: a description, not a question: no answers in {}"}
            << QList<int>{3, 0, 1, 0} << QString();
        QTest::newRow("multilang spans, CR LF, answers on lines of their own")
            << "spans.gift"
            << QByteArray("// comment\r\n[html]<span lang=\"de\" class=\"multilang\">Frage</span>"
                          "<span lang=\"en\" class=\"multilang\">Question</span>"
                          "<span lang=\"et\" class=\"multilang\">K\xc3\xbcsimus</span>\r\n{\r\n"
                          "=a#<img src\\=\"x/y.png\">ok\r\n~b\r\n~c\r\n~d\r\n}\r\n")
            << 1 << QStringList{"Frage;Question;K\u00fcsimus", line("a", "ok")} << QStringList()
            << QList<int>{0, 0, 0, 1} << QString();
        refused("an unclosed {", "open.gift", "::A:: first {=a ~b ~c ~d}\n\n::B::\nsecond {=a ~b\n~c\n",
                "4: \"{\" is not closed");
        refused("GIFT: invalid UTF-8", "latin1.gift", "Gr\xf6\xdf" "e {=a ~b ~c ~d}\n",
                "0: is not valid UTF-8 text");
        // Aiken
        QTest::newRow("Moodle's own Aiken")
            << "moodle-questions.aiken.txt" << QByteArray() << 1
            << QStringList{line("moodle-questions.aiken"), line("The Moodle project was started by:"),
                           falseLine("Petr Skoda"), line("Martin Dougiamas", none)}
            << QStringList{"8: 2 answer(s), not four"} << QList<int>{1, 0, 1, 0} << QString();
        refused("Moodle's own errors", "moodle-aiken-errors.txt", QByteArray(),
                "0: holds no question that can be imported",
                {"1: 1 answer(s), not four", "5: no ANSWER: line",
                 "7: an ANSWER: line without a question", "9: 2 answer(s), not four",
                 "14: no ANSWER: line", "18: 2 answer(s), not four"});
        QTest::newRow("A. and A), following questions, two lines, five options")
            << "rules.aiken.txt" << QByteArray() << 3
            << QStringList{line("What is the capital of Estonia?"), line("Tallinn", none),
                           falseLine("P\u00e4rnu"), line("Whale", none),
                           line("A question on two lines"), line("four", none)}
            << QStringList{"22: 5 answer(s), not four", "30: ANSWER: F names no option"}
            << QList<int>{3, 1, 3, 0} << QString();
        QTest::newRow("a \";\" in a text, CR LF, named .csv")
            << "semicolon.csv" << QByteArray("Which; or which?\r\nA) a;b\r\nB) c\r\nC) d\r\nD) e\r\nANSWER: a\r\n")
            << 1 << QStringList{line("Which, or which?"), line("a,b", none)} << QStringList()
            << QList<int>{1, 1, 1, 0} << QString();
    }

    void read()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(int, questions);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, leftOut);
        QFETCH(QList<int>, counts);
        QFETCH(QString, refusal);
        TestWorkspace workspace;
        const QString path = content.isEmpty() ? dataDir + QLatin1Char('/') + file : writeFile(file, content);
        if (file == "huge.xml") // refused by its size, not read
            QVERIFY(QFile::resize(path, qint64(1) << 30));
        QElapsedTimer clock;
        clock.start();
        BankReader reader;
        QCOMPARE(reader.read({path}), refusal.isEmpty());
        QVERIFY2(clock.elapsed() < 5000, "hostile files are read in bounded time");
        QCOMPARE(reader.questionCount(), questions);
        QVERIFY2(inOrder(reader.lines(), lines), qPrintable(reader.lines().join('\n')));
        const auto noted = [](const auto &note) {
            return QStringLiteral("%1: %2").arg(note.line).arg(note.reason);
        };
        QStringList gotLeftOut;
        for (const auto &note : reader.leftOut())
            gotLeftOut << noted(note);
        QCOMPARE(gotLeftOut, leftOut);
        QCOMPARE((QList<int>{reader.oneLanguage, reader.replaced, reader.placeholder,
                             reader.imagesLeftOut}),
                 counts);
        QCOMPARE(reader.errors().isEmpty() ? QString() : noted(reader.errors().first()), refusal);
        // The lines taken are what the CSV import accepts and stores unchanged.
        QCOMPARE(QuestionFileReader::questions(reader.lines()).size(), questions);

        // The checker agrees, line for line.
        const ToolRun checker = runTool({QStringLiteral("check"), path});
        QCOMPARE(checker.exitCode, questions > 0 && refusal.isEmpty() ? 0 : 1);
        for (const QString &note : leftOut)
            QVERIFY2(checker.err.contains(path + QLatin1Char(':') + note), qPrintable(checker.err));
        if (refusal.isEmpty())
            QVERIFY2(checker.out.startsWith(QStringLiteral("%1 question(s) would be imported").arg(questions)),
                     qPrintable(checker.out));
    }

    // The format by content, whatever the name says (the table above reads Moodle XML named
    // .txt and Aiken named .csv); a CSV file is always CSV.
    void recognise_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("firstError");
        const QByteArray csv = "K;K;K\nQ;Q;Q\na;a;a;e;e;e\nb;b;b\nc;c;c\nd;d;d\n";
        QTest::newRow("CSV named .xml") << "bank.xml" << csv << int(BankFormat::Csv) << QString();
        QTest::newRow("CSV holding braces and ANSWER:")
            << "bank.gift" << QByteArray("ANSWER: A;{x};::y::\n") + csv.mid(6) << int(BankFormat::Csv)
            << QString();
        QTest::newRow("GIFT by its title alone")
            << "bank.csv" << QByteArray("::T:: Q\n") << int(BankFormat::Gift)
            << "a description, not a question: no answers in {}";
        QTest::newRow("XML of another root")
            << "bank.xml" << QByteArray("<?xml version=\"1.0\"?>\n<html></html>\n")
            << int(BankFormat::Unknown) << "a line must have 3 or 6 fields";
        QTest::newRow("a broken CSV keeps its reasons")
            << "bank.csv" << QByteArray("K;K;K\na;b;c;d\n") << int(BankFormat::Unknown)
            << "a line must have 3 or 6 fields";
    }

    void recognise()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, format);
        QFETCH(QString, firstError);
        TestWorkspace workspace;
        writeFile(name, content);
        BankReader reader;
        reader.read({name});
        QCOMPARE(int(reader.formats().value(0)), format);
        const QString reason = !reader.leftOut().isEmpty() ? reader.leftOut().first().reason
                               : !reader.errors().isEmpty() ? reader.errors().first().reason
                                                            : QString();
        QCOMPARE(reason, firstError);
    }

    // The import screen takes several files of different formats at once: it counts what
    // will be imported, lists every question left out and stores what fits in one change;
    // the command-line import stores the very same rows.
    void importScreenAndCommandLine()
    {
        TestWorkspace workspace;
        const QStringList files = {dataDir + "/multilang.xml", dataDir + "/rules.gift",
                                   writeFile("one.csv", "K;K;K\nQ;Q;Q\na;a;a;e;e;e\nb;b;b\nc;c;c\nd;d;d\n")};
        workspace.provision();
        const QStringList empty = workspace.snapshot();
        QStringList screenRows;
        {
            Controller controller;
            QWidget *screen = openQuestionFiles(controller, files);
            QCOMPARE(child<QLabel>(screen, "tlNumberOfQuestions")->text(), QStringLiteral("7"));
            const QString leftOut = child<QLabel>(screen, "tlLeftOut")->text();
            QVERIFY(!child<QLabel>(screen, "tlLeftOut")->isHidden());
            QVERIFY2(leftOut.startsWith("9 questions left out; 5 questions in one language only; "
                                        "2 questions with \";\" or line breaks replaced; "
                                        "2 questions explained by \"(no explanation given)\"; "
                                        "1 image left out\n"),
                     qPrintable(leftOut));
            QVERIFY(leftOut.contains("multilang.xml, line 38: no true answer\n"));
            QVERIFY(leftOut.contains("multilang.xml, line 15: image left out: numbers.png"));
            QCOMPARE(workspace.snapshot(), empty);
            child<QAbstractButton>(currentScreen(&controller), "pbAddValues")->click();
            QCOMPARE(workspace.query("SELECT count(*) FROM question"), QStringList{"7"});
            screenRows = workspace.snapshot();
        }
        QFile::remove(workspace.databaseFile());
        workspace.provision();
        const QStringList arguments = QStringList{"import", "--database", workspace.databaseFile()} + files;
        const ToolRun import = runTool(arguments);
        QCOMPARE(import.exitCode, 0);
        QCOMPARE(import.out, QStringLiteral("7 question(s) stored in 6 category(ies)\n"));
        QCOMPARE(workspace.snapshot(), screenRows);
        // Again: the same questions are already there, and nothing is stored twice.
        QCOMPARE(runTool(arguments).exitCode, 1);
        QCOMPARE(workspace.snapshot(), screenRows);
    }

    // The command line's exit codes: 0 done, 1 nothing taken or stored, 2 wrong usage.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        const QString gift = dataDir + "/rules.gift";
        QTest::newRow("convert to Moodle XML") << QStringList{"convert", gift, "out.xml"} << 0
                                               << "3 question(s) written to out.xml\n";
        QTest::newRow("convert to CSV") << QStringList{"convert", gift, "out.CSV"} << 0
                                        << "3 question(s) written to out.CSV\n";
        QTest::newRow("convert nothing") << QStringList{"convert", dataDir + "/moodle-aiken-errors.txt", "out.csv"}
                                         << 1 << "";
        QTest::newRow("convert to another format") << QStringList{"convert", gift, "out.pdf"} << 2 << "";
        QTest::newRow("import without files") << QStringList{"import"} << 2 << "";
        QTest::newRow("import into a missing file")
            << QStringList{"import", gift, "--database", "other.db"} << 2 << "";
        QTest::newRow("import what holds nothing")
            << QStringList{"import", dataDir + "/moodle-nested-categories.xml"} << 1 << "";
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        TestWorkspace workspace;
        workspace.provision();
        const QStringList before = workspace.snapshot();
        const ToolRun tool = runTool(arguments);
        QCOMPARE(tool.exitCode, exitCode);
        QCOMPARE(tool.out, out);
        QCOMPARE(workspace.snapshot(), before);
        QCOMPARE(QFile::exists("out.xml") || QFile::exists("out.CSV"), exitCode == 0);
    }

    // A catalogue exported as Moodle XML and imported into a fresh one is the same
    // catalogue: their CSV exports are byte for byte the same, and so is the checker's
    // conversion of the Moodle XML file.
    void moodleXmlRoundTrip()
    {
        TestWorkspace workspace;
        workspace.provision();
        {
            Controller controller;
            openQuestionFiles(controller, {QStringLiteral(VELMORA_SAMPLE_CATALOGUE)});
            child<QAbstractButton>(currentScreen(&controller), "pbAddValues")->click();
            // The sample as shipped: questions, categories and true answers; every text in
            // all three languages, and every true answer explained in each of them.
            QCOMPARE(workspace.query(
                         "SELECT (SELECT count(*) FROM question), (SELECT count(*) FROM category), "
                         "(SELECT count(*) FROM question_answer WHERE is_True = 'true'), "
                         "(SELECT count(*) FROM category_lang WHERE category_text <> ''), "
                         "(SELECT count(*) FROM question_lang WHERE question_text <> ''), "
                         "(SELECT count(*) FROM answer_lang WHERE answer_text <> ''), "
                         "(SELECT count(*) FROM answer_lang JOIN question_answer USING (answer_id) "
                         "WHERE is_True = 'true' AND ifnull(explanation_text, '') <> '')"),
                     QStringList(QStringList{"42", "6", "55", "18", "126", "504", "165"}.join('|')));
            exportCatalogue(controller, "before.csv");
            exportCatalogue(controller, "bank.xml");
            QVERIFY(child<QLabel>(currentScreen(&controller), "tlExportFailed")->text()
                        .startsWith("42 questions exported to "));
        }
        const QByteArray before = readFile("before.csv");
        QVERIFY(before.count('\n') > 250);
        QFile::remove(workspace.databaseFile());
        workspace.provision();
        {
            Controller controller;
            QWidget *screen = openQuestionFiles(controller, {"bank.xml"});
            QVERIFY(child<QLabel>(screen, "tlLeftOut")->isHidden());
            child<QAbstractButton>(currentScreen(&controller), "pbAddValues")->click();
            exportCatalogue(controller, "after.csv");
        }
        QCOMPARE(readFile("after.csv"), before);
        QCOMPARE(runTool({"convert", "bank.xml", "converted.csv"}).exitCode, 0);
        QCOMPARE(readFile("converted.csv"), before);
    }

    // What the writer writes, the reader reads back text for text: the share of each answer
    // from the platform's list, markup, braces, blanks and control characters kept as text.
    void moodleXmlWrittenReadsBack()
    {
        QCOMPARE((QStringList{MoodleXmlWriter::fraction(1, true), MoodleXmlWriter::fraction(2, true),
                              MoodleXmlWriter::fraction(3, false), MoodleXmlWriter::fraction(4, false)}),
                 (QStringList{"100", "50", "-33.33333", "-25"}));
        TestWorkspace workspace;
        QuestionFileReader::Question tricky;
        tricky.category = QStringList{"Kat/egorie", "Cat & dog", "K\u00f5ik"};
        tricky.question = QStringList{" <b>bold</b> &amp ", "{mlang de}x{mlang}", "a\tb\x01 ]]> \u00a0"};
        tricky.answers = {{"1", "1", "1"}, {"2", "2", "2"}, {"3", "3", "3"}, {"4", "4", "4"}};
        tricky.explanations = {{"e<1", "e\"1", "e'1"}, {"f", "f", "f"}, {"", "", ""}, {"", "", ""}};
        tricky.answerTrue = {true, true, false, false};
        QuestionFileReader::Question noTrue = tricky;
        noTrue.answerTrue = {false, false, false, false};
        noTrue.explanations[0] = noTrue.explanations[1] = noTrue.explanations[2];
        QList<int> leftOut;
        const QByteArray document = MoodleXmlWriter::document({tricky, noTrue, tricky}, &leftOut);
        QCOMPARE(leftOut, QList<int>{1});
        QVERIFY(document.contains("<text>$course$/Velmora/Kat//egorie</text>"));
        QCOMPARE(document.count("<question type=\"category\">"), 1);
        QVERIFY(MoodleXmlWriter::save(QStringLiteral("bank.xml"), document));
        BankReader reader;
        QVERIFY(reader.read({QStringLiteral("bank.xml")}));
        const auto again = QuestionFileReader::questions(reader.lines());
        QCOMPARE(again.size(), 2);
        for (const auto &question : again) {
            QCOMPARE(question.category, tricky.category);
            QCOMPARE(question.question, tricky.question);
            QCOMPARE(question.answers, tricky.answers);
            QCOMPARE(question.explanations, tricky.explanations);
            QCOMPARE(question.answerTrue, tricky.answerTrue);
        }
        QCOMPARE(reader.oneLanguage + reader.replaced + reader.placeholder + reader.imagesLeftOut, 0);
    }
};

QTEST_MAIN(TestBanks)
#include "tst_banks.moc"
