#include "controller.h"
#include "testpaper.h"
#include "testworkspace.h"

namespace {
int print(const QStringList &arguments)
{
    return runTool(QStringList{QStringLiteral("print")} + arguments).exitCode;
}

QString pdfText(const QString &file)
{
    return runProgram("pdftotext", {"-layout", file, "-"}).out;
}

// Words separated by single spaces, without the direction marks the reader adds around
// right-to-left runs: a text wrapped over several lines reads as one.
QString flattened(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("[\\x{202A}-\\x{202E}\\x{200E}\\x{200F}]")));
    return text.simplified();
}

// The lines that show the draw, reduced to what they say: in the versions "1.Q3" for a
// question and "31" for its answer 31; in the keys "1 X··X" (X: a true answer).
struct Printed
{
    QStringList versions;
    QStringList keys;
};

Printed parse(const QString &text)
{
    static const QRegularExpression shown(QStringLiteral(
        "^\\s*(?:(\\d+\\.)\\s+(Q\\d+) [A-Z]{2}|[A-D] \\x{2610}\\s+(?:right|wrong) (\\d+)|"
        "(\\d+)((?:\\s+[X\\x{00B7}])+))\\s*$"));
    Printed printed;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = shown.match(line);
        if (match.hasMatch() && match.capturedLength(4) > 0)
            printed.keys << match.captured(4) + QLatin1Char(' ') + match.captured(5).remove(' ');
        else if (match.hasMatch())
            printed.versions << match.captured(1) + match.captured(2) + match.captured(3);
    }
    return printed;
}

// What the program should have printed from the catalogue seedCatalogue makes.
Printed drawn(int questions, int count, int versions, quint64 seed)
{
    QList<int> candidates;
    QHash<int, QList<int>> answersOf;
    for (int q = 1; q <= questions; ++q) {
        candidates.append(q);
        answersOf.insert(q, {10 * q + 1, 10 * q + 2, 10 * q + 3, 10 * q + 4});
    }
    const TestPaper paper = TestPaper::draw(candidates, answersOf, count, versions, seed);
    Printed expected;
    for (const TestPaper::Version &version : paper.versions()) {
        for (int i = 0; i < version.size(); ++i) {
            expected.versions << QStringLiteral("%1.Q%2").arg(i + 1).arg(version.at(i).questionId);
            QString marks;
            for (int id : version.at(i).answerIds) {
                expected.versions << QString::number(id);
                marks += id % 10 <= 1 + id / 10 % 3 ? QChar('X') : QChar(0x00B7);
            }
            expected.keys << QString::number(i + 1) + QLatin1Char(' ') + marks;
        }
    }
    return expected;
}
} // namespace

class TestPrintTest : public QObject
{
    Q_OBJECT

private slots:
    // The versions and keys read back from the PDF are the seed's draw, whatever the
    // language; a second run gives the same text, another seed another order.
    void versionsAreTheSeedsDraw_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("versions");
        QTest::addColumn<int>("seed");
        QTest::newRow("English, three versions") << "en" << 8 << 3 << 42;
        QTest::newRow("German, same seed") << "de" << 8 << 3 << 42;
        QTest::newRow("Estonian, same seed") << "ee" << 8 << 3 << 42;
        QTest::newRow("every question, 26 versions") << "en" << 30 << 26 << 7;
        QTest::newRow("one question, seed 0") << "de" << 1 << 2 << 0;
    }
    void versionsAreTheSeedsDraw()
    {
        QFETCH(QString, language);
        QFETCH(int, count);
        QFETCH(int, versions);
        QFETCH(int, seed);
        TestWorkspace workspace;
        workspace.provision();
        QList<int> categories;
        for (int q = 1; q <= 30; ++q)
            categories << 1 + q % 3;
        seedCatalogue(workspace, 3, categories);
        const QStringList arguments{"--language", language, "--questions", QString::number(count),
                                    "--versions", QString::number(versions), "--seed",
                                    QString::number(seed), "--key"};
        QCOMPARE(print(arguments + QStringList{"one.pdf"}), 0);
        QCOMPARE(print(arguments + QStringList{"two.pdf"}), 0);
        const QString text = pdfText("one.pdf");
        const Printed printed = parse(text);

        const Printed expected = drawn(30, count, versions, quint64(seed));
        QCOMPARE(printed.versions, expected.versions);
        QCOMPARE(printed.keys, expected.keys);
        QVERIFY(text.contains(QStringLiteral("Total points: %1").arg(count)) ||
                language != QLatin1String("en"));

        // Apart from the date (and the creation time), page for page the same.
        QCOMPARE(pdfText("two.pdf"), text);
        if (count > 1) {
            QStringList other = arguments;
            other[other.indexOf("--seed") + 1] = QString::number(seed + 1);
            QCOMPARE(print(other + QStringList{"other.pdf"}), 0);
            QVERIFY(parse(pdfText("other.pdf")).versions != printed.versions);
        }
    }

    // Catalogue texts print as written, in the explanations too, in embedded fonts.
    void hardTextsPrintWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("250 characters")
            << QStringLiteral("Lorem ipsum dolor ").repeated(14).left(250).trimmed();
        QTest::newRow("ampersand") << "Science & Nature";
        QTest::newRow("markup") << "<b>bold</b> <i>not</i> &amp;";
        QTest::newRow("right to left") << QString::fromUtf8("שלום עולם");
        QTest::newRow("symbols") << QString::fromUtf8("Sun ☀ heart ♥ plane ✈ smile ☺");
        QTest::newRow("Estonian and German letters") << QString::fromUtf8("Õun, äädikas, Straße");
    }
    void hardTextsPrintWhole()
    {
        QFETCH(QString, text);
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 1, {1, 1, 1});
        workspace.execute({"UPDATE question_lang SET question_text = '" + text +
                               "' WHERE question_id = 1 AND lang_id = 2",
                           "UPDATE answer_lang SET explanation_text = '" + text +
                               "' WHERE answer_id = 11 AND lang_id = 2"});
        QCOMPARE(print({"--language", "en", "--questions", "3", "--versions", "2", "--seed", "5",
                        "--key", "--explanations", "out.pdf"}), 0);
        const QString printed = flattened(pdfText("out.pdf"));
        // Three times per version: the question, again in the explanations, and the
        // explanation of its true answer.
        QCOMPARE(printed.count(flattened(text)), 6);
        const QStringList rows =
            runProgram("pdffonts", {"out.pdf"}).out.split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!rows.isEmpty());
        for (const QString &row : rows)
            QVERIFY2(row.contains(QRegularExpression(QStringLiteral("\\byes\\s+(yes|no)\\s+(yes|no)\\s+\\d+"))),
                     qPrintable(row));
    }

    void documentProperties_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("pageSize");
        QTest::addColumn<QString>("title");
        QTest::newRow("A4, one category") << QStringList{"--paper", "a4", "--category", "Cat2 EN"}
                                          << "595 x 842" << "Cat2 EN";
        QTest::newRow("Letter, every category")
            << QStringList{"--paper", "letter"} << "612 x 792" << "Cat1 EN, Cat2 EN";
    }
    void documentProperties()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, pageSize);
        QFETCH(QString, title);
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 2, {1, 2, 2});
        QCOMPARE(print(QStringList{"--language", "en", "--questions", "2", "--versions", "1",
                                   "--seed", "1", "out.pdf"} + options), 0);
        const QString info = runProgram("pdfinfo", {"out.pdf"}).out;
        const QString metadata = runProgram("pdfinfo", {"-meta", "out.pdf"}).out;
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+") + pageSize)),
                 qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+") + title + '\n')),
                 qPrintable(info));
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Creator:\\s+Velmora"))));
        QVERIFY(metadata.contains(QStringLiteral("<dc:language><rdf:Bag><rdf:li>en</rdf:li>")));
    }

    // A refused run says why with its exit status and leaves an existing file as it was.
    void refusedRunsKeepTheFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        // Each row changes one setting of a run that would succeed: the last value given counts.
        const auto with = [](const QString &option, const QString &value) {
            return QStringList{"--language", "en", "--questions", "2", "--versions", "2",
                               "--seed", "3", "out.pdf", option, value};
        };
        QTest::newRow("no such category") << with("--category", "Cat1 DE") << 1;
        QTest::newRow("more questions than held") << with("--questions", "4") << 1;
        QTest::newRow("no database") << with("--database", "missing") << 2;
        QTest::newRow("unwritable file")
            << with("--seed", "3").replaceInStrings("out.pdf", "out.pdf/in.pdf") << 1;
        QTest::newRow("unknown option") << with("--colour", "red") << 2;
        QTest::newRow("27 versions") << with("--versions", "27") << 2;
        QTest::newRow("no questions") << with("--questions", "0") << 2;
        QTest::newRow("unknown language") << with("--language", "fr") << 2;
        QTest::newRow("seed not a number") << with("--seed", "x") << 2;
        QTest::newRow("paper") << with("--paper", "a3") << 2;
    }
    void refusedRunsKeepTheFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 1, {1, 1, 1});
        writeFile("out.pdf", "an earlier test");
        QCOMPARE(print(arguments), status);
        QCOMPARE(readFile("out.pdf"), QByteArray("an earlier test"));
    }

    // The screen saves under the name chosen, ".pdf" added, or says in red why it did not.
    void screenSavesOrSaysWhy_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("extension added") << "paper" << "paper.pdf";
        QTest::newRow("extension kept") << "paper.PDF" << "paper.PDF";
        QTest::newRow("no such directory") << "missing/paper.pdf" << QString();
    }
    void screenSavesOrSaysWhy()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 2, {1, 2, 2, 1});
        Controller controller;
        controller.show();
        controller.showPrintTest();
        QWidget *screen = currentScreen(&controller);
        child<QSpinBox>(screen, "sbVersions")->setValue(2);
        controller.fileDialogs()->setNextSaveFileName(chosen);
        QTest::mouseClick(child<QPushButton>(screen, "pbSave"), Qt::LeftButton);
        auto *outcome = child<QLabel>(screen, "tlOutcome");
        QVERIFY(outcome->isVisible());
        QCOMPARE(outcome->palette().color(QPalette::WindowText) == QColor(Qt::red),
                 written.isEmpty());
        if (written.isEmpty())
            return;
        QVERIFY2(outcome->text().contains(written), qPrintable(outcome->text()));
        // Two versions of the four questions (all the categories hold), with their keys.
        const Printed printed = parse(pdfText(written));
        QCOMPARE(printed.keys.filter(QRegularExpression("^1 ")).size(), 2);
        QCOMPARE(printed.keys.size(), 2 * 4);
        QCOMPARE(printed.versions.size(), 2 * 4 * 5);
    }
};

QTEST_MAIN(TestPrintTest)
#include "tst_printtest.moc"
