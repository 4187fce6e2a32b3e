#include "questionfilereader.h"
#include "questionfilewriter.h"
#include "testworkspace.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <unistd.h>

// The CSV question format: what the reader accepts and refuses (and why, where), what
// the writer produces, and that the command-line checker judges exactly like the reader.
class TestQuestionFile : public QObject
{
    Q_OBJECT

private slots:
    void acceptedFiles_data();
    void acceptedFiles();
    void refusedFiles_data();
    void refusedFiles();
    void questionWithoutTrueAnswerIsOnlyAWarning();
    void fieldsLinesAndNames();
    void saveKeepsTheOldFileWhenWritingFails();
    void checkerNeedsArguments();
};

using Files = QList<QByteArray>;

namespace {
QByteArray block(const QByteArray &name, const QByteArray &eol = "\n")
{
    return name + "DE;" + name + "EN;" + name + "EE" + eol + //
           "Q DE;Q EN;Q EE" + eol +                          //
           "A1 DE;A1 EN;A1 EE;E1 DE;E1 EN;E1 EE" + eol +     //
           "A2 DE;A2 EN;A2 EE;;;" + eol +                    //
           "A3 DE;A3 EN;A3 EE" + eol +                       //
           "A4 DE;A4 EN;A4 EE" + eol;
}

QStringList writeFiles(const Files &files)
{
    QStringList names;
    for (int i = 0; i < files.size(); ++i) {
        const QString name = QStringLiteral("file%1.csv").arg(i + 1);
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(name));
        file.write(files.at(i));
        names << name;
    }
    return names;
}

// Runs the checker; returns its exit code and puts its diagnostics in output.
int runChecker(const QStringList &arguments, QString *output)
{
    QProcess checker;
    checker.start(QStringLiteral(VELMORA_CSV_CHECKER), arguments);
    if (!checker.waitForFinished(30000))
        return -1;
    *output = QString::fromUtf8(checker.readAllStandardError());
    return checker.exitCode();
}
} // namespace

void TestQuestionFile::acceptedFiles_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("firstLine");
    const QByteArray template6 =
        "Category DE;Category EN;Category EE\nQuestion DE;Question EN;Question EE\n"
        "A1;A1;A1;E1;E1;E1\nA2;A2;A2;E2;E2;E2\nA3;A3;A3;E3;E3;E3\nA4;A4;A4;E4;E4;E4\n";
    QTest::newRow("six-line template")
        << Files{template6} << 1 << "Category DE;Category EN;Category EE";
    QTest::newRow("blank and separator-only lines between blocks")
        << Files{block("K") + "\n;;;\n\n" + block("L")} << 2 << "KDE;KEN;KEE";
    QTest::newRow("two files in order")
        << Files{block("K"), block("L") + block("M")} << 3 << "KDE;KEN;KEE";
    QTest::newRow("CR LF") << Files{block("K", "\r\n")} << 1 << "KDE;KEN;KEE";
    QTest::newRow("lone CR") << Files{block("K", "\r")} << 1 << "KDE;KEN;KEE";
    QTest::newRow("no final line end") << Files{block("K").chopped(1)} << 1 << "KDE;KEN;KEE";
    QTest::newRow("UTF-8 byte-order mark")
        << Files{"\xEF\xBB\xBF" + block("K")} << 1 << "KDE;KEN;KEE";
    QTest::newRow("umlauts and Estonian letters")
        << Files{block("Öäüß õšž ")} << 1
        << QString::fromUtf8("Öäüß õšž DE;Öäüß õšž EN;Öäüß õšž EE");
    QTest::newRow("quotes are text") << Files{block("\"K\"")} << 1 << "\"K\"DE;\"K\"EN;\"K\"EE";
    QTest::newRow("seven fields with an empty one")
        << Files{"A;;C;D;E;F;G\n" + block("K").mid(block("K").indexOf('\n') + 1)} << 1
        << "A;;C;D;E;F;G";
    const QString utf16 = QString::fromUtf8(block("Õ"));
    QByteArray utf16Bytes("\xFF\xFE");
    utf16Bytes.append(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2);
    QTest::newRow("UTF-16 with byte-order mark")
        << Files{utf16Bytes} << 1 << QString::fromUtf8("ÕDE;ÕEN;ÕEE");
}

void TestQuestionFile::acceptedFiles()
{
    QFETCH(Files, files);
    QFETCH(int, questions);
    QFETCH(QString, firstLine);
    TestWorkspace workspace;
    const QStringList names = writeFiles(files);
    QuestionFileReader reader;
    QVERIFY(reader.read(names));
    QCOMPARE(reader.errors().size(), 0);
    QCOMPARE(reader.questionCount(), questions);
    QCOMPARE(reader.lines().size(), questions * 6);
    QCOMPARE(reader.lines().first(), firstLine);

    QString output;
    QCOMPARE(runChecker(QStringList{"check"} + names, &output), 0);
}

void TestQuestionFile::refusedFiles_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("expected"); // the checker's first diagnostic
    const QByteArray k = block("K");
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
    QCOMPARE(runChecker(QStringList{"check"} + names, &output), 1);
    QCOMPARE(output.split(QLatin1Char('\n')).first(), expected);
}

void TestQuestionFile::questionWithoutTrueAnswerIsOnlyAWarning()
{
    TestWorkspace workspace;
    const QStringList names =
        writeFiles({block("K") + "\nL;L;L\nQ;Q;Q\na;a;a\nb;b;b;;;\nc;c;c\nd;d;d\n"});
    QuestionFileReader reader;
    QVERIFY(reader.read(names));
    QCOMPARE(reader.warnings().size(), 1);
    QCOMPARE(reader.warnings().first().line, 8);
    QString output;
    QCOMPARE(runChecker({"check", names.first()}, &output), 0);
    QCOMPARE(output.trimmed(), QStringLiteral("file1.csv:8: warning: question has no true answer"));
}

void TestQuestionFile::fieldsLinesAndNames()
{
    // Empty fields are dropped, blanks around a field stay.
    QCOMPARE(QuestionFileReader::splitLine("A;;C;;;"), QStringList({"A", "C"}));
    QCOMPARE(QuestionFileReader::splitLine(" A ; B"), QStringList({" A ", " B"}));
    QCOMPARE(QuestionFileWriter::buildCsvLine({}), QString());
    QCOMPARE(QuestionFileWriter::buildCsvLine({"a", "b", "c"}), QStringLiteral("a;b;c"));
    QCOMPARE(QuestionFileWriter::answerLine({"a", "b", "c"}, {"x", "y", "z"}, true),
             QStringLiteral("a;b;c;x;y;z"));
    // A false answer stays false on its way back, even with an explanation stored.
    QCOMPARE(QuestionFileWriter::answerLine({"a", "b", "c"}, {"x", "y", "z"}, false),
             QStringLiteral("a;b;c;;;"));
    QCOMPARE(QuestionFileReader::splitLine(
                 QuestionFileWriter::answerLine({"a", "b", "c"}, {"", "", ""}, false))
                 .size(),
             3);

    QCOMPARE(QuestionFileWriter::exportFileName("questions"), QStringLiteral("questions.csv"));
    QCOMPARE(QuestionFileWriter::exportFileName("questions.csv"), QStringLiteral("questions.csv"));
    QCOMPARE(QuestionFileWriter::exportFileName("questions.CSV"),
             QStringLiteral("questions.CSV.csv"));
    QCOMPARE(QuestionFileWriter::exportFileName("archive.old"), QStringLiteral("archive.old.csv"));
}

void TestQuestionFile::saveKeepsTheOldFileWhenWritingFails()
{
    TestWorkspace workspace;
    QVERIFY(QuestionFileWriter::save("out.csv", QString::fromUtf8("a;ä;õ\r\n")));
    QFile written("out.csv");
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("a;\xC3\xA4;\xC3\xB5\r\n\n"));
    written.close();

    // A target in a directory that does not exist cannot be written: reported, nothing made.
    QVERIFY(!QuestionFileWriter::save("missing/out.csv", "x"));
    // A target that cannot be replaced keeps its contents.
    if (geteuid() != 0) {
        QFile::setPermissions(workspace.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QVERIFY(!QuestionFileWriter::save("out.csv", "new"));
        QFile::setPermissions(workspace.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("a;\xC3\xA4;\xC3\xB5\r\n\n"));
    }
}

void TestQuestionFile::checkerNeedsArguments()
{
    TestWorkspace workspace;
    QString output;
    QCOMPARE(runChecker({}, &output), 2);
    QCOMPARE(runChecker({"check"}, &output), 2);
    QCOMPARE(runChecker({"check", "absent.csv"}, &output), 1);
    QCOMPARE(output.trimmed(), QStringLiteral("absent.csv: error: cannot be read"));
}

QTEST_MAIN(TestQuestionFile)
#include "tst_questionfile.moc"
