// velmora-csv: checks question files before they are imported, converts and imports
// them, writes the learner's answer history and memory out as CSV, and prints tests as PDF.
//
//     velmora-csv check FILE...
//     velmora-csv convert IN OUT.csv|OUT.xml
//     velmora-csv import FILE... [--database DB]
//     velmora-csv history [--database DB]
//     velmora-csv memory [--database DB]
//     velmora-csv print --language de|en|ee --questions N --versions V --seed S
//                       [--category NAME]... [--key] [--explanations] [--paper a4|letter]
//                       [--database DB] OUT.pdf
//     velmora-csv --help | --version
//
// check uses the import's own reader, so it accepts exactly the files the import accepts:
// Velmora's CSV whole or not at all, Moodle XML, GIFT and Aiken banks in part, the format
// told by content. It prints one line per problem ("FILE:LINE: error: reason", warnings
// alike), one line per question a foreign bank leaves out ("FILE:LINE: reason") and a
// summary, and exits with 0 when something would be imported, 1 when nothing would (or a
// file is refused), 2 on wrong usage.
//
// convert writes what the import would take from IN as Velmora's CSV or as Moodle XML, by
// OUT's extension, whole or not at all: 0 when OUT was written, 1 when nothing could be
// taken. import stores what the import screen would, in one change, skipping questions
// already in the catalogue as the screen does by default: 0 when stored, 1 when nothing was
// (with the reasons, or refused by the server's rights), 2 on wrong usage or a database it
// cannot use. DB is a database file or a PostgreSQL connection URI
// (postgresql://[user@][host][:port]/dbname[?...]); without it, the program's own choice:
// VELMORA_DATABASE, then database/url of velmora.conf, then ./databaseVelmoraApp.
//
// history writes every recorded answer, oldest first, in the review-log form the FSRS
// optimizer reads: card_id,review_time,review_rating,review_state,review_duration (question
// id, UTC ms, 1 wrong or 3 right, 0 first answer or 2 answered before, ms used). memory
// writes the memory of every answered question by id, times in ISO 8601 UTC with ms.
// DB is opened to be read only; a database that cannot be used (missing, unreachable,
// without the Velmora schema or with another version of it) is reported with exit status
// 2, and a missing file is never created.
//
// print draws a test from the seed out of the named categories (named in the test's
// language; every category without --category) and writes it, whole or not at all, with
// answer keys and explanations when asked. It exits with 0 when written, 1 with the reason
// when not (no such category, too few questions, a file it cannot write; an existing OUT
// stays as it was) and 2 on wrong usage or a database it cannot use.

#include "bankreader.h"
#include "cataloguechange.h"
#include "controller.h"
#include "databaseconnection.h"
#include "databaselocation.h"
#include "databasevelmoraapp.h"
#include "learningstore.h"
#include "moodlexmlwriter.h"
#include "programinfo.h"
#include "questionfilereader.h"
#include "questionfilewriter.h"
#include "questionimport.h"
#include "sqlrunner.h"
#include "testpaper.h"
#include "testpapertexts.h"
#include "testpdfwriter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <limits>
#include <memory>

namespace {
const char usage[] = "usage: velmora-csv check FILE...\n"
                     "       velmora-csv convert IN OUT.csv|OUT.xml\n"
                     "       velmora-csv import FILE... [--database DB]\n"
                     "       velmora-csv history [--database DB]\n"
                     "       velmora-csv memory [--database DB]\n"
                     "       velmora-csv print --language de|en|ee --questions N --versions V "
                     "--seed S\n"
                     "                         [--category NAME]... [--key] [--explanations]\n"
                     "                         [--paper a4|letter] [--database DB] OUT.pdf\n";

// --help in the form help2man reads: the usage, then what each command and option does.
const char help[] =
    "Usage: velmora-csv check FILE...\n"
    "  or:  velmora-csv convert IN OUT.csv|OUT.xml\n"
    "  or:  velmora-csv import FILE... [--database DB]\n"
    "  or:  velmora-csv history|memory [--database DB]\n"
    "  or:  velmora-csv print --language L --questions N --versions V --seed S [OPTION]... OUT.pdf\n"
    "  or:  velmora-csv --help|--version\n"
    "Checks, converts and imports question files for Velmora, writes the learner's answer\n"
    "history and memory out as CSV, and prints tests as PDF.\n"
    "\n"
    "Commands:\n"
    "  check FILE...          Read the files as the import does; name the file, line and\n"
    "                         reason of every problem and each question left out.\n"
    "  convert IN OUT         Write what the import would take from IN as Velmora's CSV\n"
    "                         (OUT.csv) or as Moodle XML (OUT.xml).\n"
    "  import FILE...         Store the questions in the database, skipping those already\n"
    "                         in the catalogue.\n"
    "  history                Write every recorded answer, oldest first, in the review-log\n"
    "                         form of the FSRS optimizer.\n"
    "  memory                 Write the memory of every answered question.\n"
    "  print OUT.pdf          Draw a test from the seed and write it as PDF, with answer\n"
    "                         keys and explanations on request.\n"
    "\n"
    "Files are Velmora's CSV, Moodle XML, GIFT or Aiken, told by their content.\n"
    "\n"
    "Options:\n"
    "  --database DB          The catalogue: a database file or a PostgreSQL connection\n"
    "                         URI, postgresql://[user@][host][:port]/dbname[?...]; by\n"
    "                         default the program's own: VELMORA_DATABASE, then\n"
    "                         database/url of velmora.conf, then ./databaseVelmoraApp.\n"
    "                         history, memory and print only read it.\n"
    "  --language de|en|ee    print: the test's language (required).\n"
    "  --questions N          print: questions per version (required).\n"
    "  --versions V           print: versions of the test, each in its own order\n"
    "                         (required).\n"
    "  --seed S               print: the draw's seed; the same seed gives the same test\n"
    "                         (required).\n"
    "  --category NAME        print: draw from this category (named in the test's\n"
    "                         language); repeatable; every category without it.\n"
    "  --key                  print: add the answer keys.\n"
    "  --explanations         print: add the explanations of the true answers.\n"
    "  --paper a4|letter      print: the paper size (by default the system's).\n"
    "  -h, --help             Show this help.\n"
    "  -v, --version          Show the version.\n"
    "\n"
    "Exit status:\n"
    "0 when the command did its work, 1 when it could not (the reasons on standard error;\n"
    "also when the server's rights refuse the change), 2 on wrong usage or a database that\n"
    "cannot be used (missing, unreachable, without the Velmora schema or another version).\n";

QString describe(const BankReader::Note &note, const char *kind)
{
    const QString where = note.fileName.isEmpty() ? QStringLiteral("velmora-csv")
                                                   : BankReader::where(note);
    return QStringLiteral("%1: %2: %3").arg(where, QLatin1String(kind), note.reason);
}

// Reads the files as the import does and prints what it refuses, leaves out and remarks.
bool readFiles(const QStringList &files, BankReader *reader, QTextStream &err)
{
    const bool accepted = reader->read(files);
    for (const auto &note : reader->errors())
        err << describe(note, "error") << '\n';
    for (const auto &note : reader->leftOut())
        err << BankReader::where(note) << ": " << note.reason << '\n';
    for (const auto &note : reader->warnings())
        err << describe(note, "warning") << '\n';
    return accepted;
}

int check(const QStringList &files, QTextStream &out, QTextStream &err)
{
    BankReader reader;
    const bool accepted = readFiles(files, &reader, err);
    if (accepted) {
        out << reader.questionCount() << " question(s) would be imported";
        if (reader.anyForeign() && !reader.counts().isEmpty())
            out << "; " << reader.counts();
        out << '\n';
    }
    return accepted ? 0 : 1;
}

int convert(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString outFile = arguments.value(1);
    const QString kind = QFileInfo(outFile).suffix().toLower();
    if (arguments.size() != 2 || (kind != QLatin1String("csv") && kind != QLatin1String("xml"))) {
        err << "velmora-csv: convert needs one input file and an output file ending in .csv or "
               ".xml\n"
            << usage;
        return 2;
    }
    BankReader reader;
    if (!readFiles({arguments.first()}, &reader, err))
        return 1;
    int written = reader.questionCount();
    bool saved = false;
    if (kind == QLatin1String("csv")) {
        QString text;
        for (const QString &line : reader.lines())
            text += line + QuestionFileWriter::lineEnd;
        saved = QuestionFileWriter::save(outFile, text);
    } else {
        QList<int> leftOut;
        const QByteArray document =
            MoodleXmlWriter::document(QuestionFileReader::questions(reader.lines()), &leftOut);
        for (int index : leftOut)
            err << arguments.first() << ": question " << index + 1
                << " left out: no true answer\n";
        written -= leftOut.size();
        if (written == 0)
            return 1;
        saved = MoodleXmlWriter::save(outFile, document);
    }
    if (!saved) {
        err << "velmora-csv: error: " << outFile << " could not be written\n";
        return 1;
    }
    out << written << " question(s) written to " << outFile << '\n';
    return 0;
}

int import(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption database(QStringLiteral("database"), QString(), QStringLiteral("DB"));
    parser.addOption(database);
    if (!parser.parse(QStringList{QStringLiteral("velmora-csv")} + arguments) ||
        parser.positionalArguments().isEmpty()) {
        err << "velmora-csv: import needs one or more files\n" << usage;
        return 2;
    }
    // Without --database, the program's own choice (environment, velmora.conf, the file).
    const DatabaseLocation location = DatabaseLocation::resolve(parser.value(database));
    // A file is never created here: a missing one is a mistyped name.
    const QFileInfo databaseFile(location.filePath());
    if (!location.isServer() && (!databaseFile.isFile() || !databaseFile.isWritable())) {
        err << "velmora-csv: error: " << location.filePath()
            << " is no database that can be written; nothing stored\n";
        return 2;
    }
    QStringList files;
    for (const QString &file : parser.positionalArguments())
        files << QFileInfo(file).absoluteFilePath();
    // Read before the program's catalogue is opened: the reasons stay in English.
    BankReader reader;
    if (!readFiles(files, &reader, err)) {
        err << "velmora-csv: nothing stored\n";
        return 1;
    }
    Controller controller(location);
    if (!controller.connection().isOpen()) {
        err << "velmora-csv: error: " << controller.connection().errorString()
            << "; nothing stored\n";
        return 2;
    }
    if (!controller.connection().mayChangeCatalogue()) {
        err << "velmora-csv: error: only a teacher may change the catalogue on this server; "
               "nothing stored\n";
        return 1;
    }
    bool told = false;
    controller.connection().setWaitingNotifier([&err, &told](int waitedMs) {
        if (waitedMs >= 0 && !told) {
            err << "velmora-csv: waiting for another change of the catalogue to end\n";
            err.flush();
            told = true;
        }
    });
    QuestionImport questions(&controller);
    // The questions already there are found inside the change, under the catalogue's lock
    // on a server: another teacher's import of the same file, stored meanwhile, counts.
    CatalogueChange change(&controller);
    const QSet<int> known = questions.alreadyInCatalogue(reader.lines());
    if (known.size() == reader.questionCount()) {
        err << "velmora-csv: nothing stored: every question is already in the catalogue\n";
        return 1;
    }
    const QuestionImport::Outcome outcome = questions.store(reader.lines(), known);
    if (outcome.result != QuestionImport::Result::Stored || !change.commit()) {
        err << "velmora-csv: error: nothing stored: the database could not be written\n";
        return 1;
    }
    out << outcome.questions << " question(s) stored in " << outcome.categories
        << " category(ies)";
    if (!known.isEmpty())
        out << "; " << known.size() << " already in the catalogue, skipped";
    out << '\n';
    return 0;
}

QString utc(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs);
}

void writeHistory(LearningStore &learning, QTextStream &out)
{
    const QList<HistoryEntry> entries = learning.history();
    out << "card_id,review_time,review_rating,review_state,review_duration\n";
    for (const HistoryEntry &entry : entries)
        out << entry.questionId << ',' << entry.answeredMs << ',' << (entry.correct ? 3 : 1) << ','
            << (entry.answeredBefore ? 2 : 0) << ',' << entry.millisecondsUsed << '\n';
}

void writeMemory(LearningStore &learning, QTextStream &out)
{
    const QHash<int, Fsrs::Memory> memories = learning.memories();
    QList<int> ids = memories.keys();
    std::sort(ids.begin(), ids.end());
    out << "question_id,reviews,lapses,stability,difficulty,last_answer_utc,due_utc\n";
    for (int id : ids) {
        const Fsrs::Memory &memory = memories[id];
        out << id << ',' << memory.reviews << ',' << memory.lapses << ','
            << QString::number(memory.stability, 'f', 4) << ','
            << QString::number(memory.difficulty, 'f', 4) << ',' << utc(memory.lastAnswerMs) << ','
            << utc(memory.dueMs) << '\n';
    }
}

// Opens the database (a file or a server's URI; without one, the program's own choice) to
// be read, on the default connection where the learning store reads; null, with the reason
// written, when it cannot be used.
std::unique_ptr<DatabaseConnection> openToRead(const QString &fileOrUri, QTextStream &err)
{
    auto connection = std::make_unique<DatabaseConnection>(DatabaseLocation::resolve(fileOrUri),
                                                           DatabaseConnection::Mode::ReadOnly);
    if (connection->open())
        return connection;
    err << "velmora-csv: error: " << connection->errorString() << '\n';
    return nullptr;
}

int exportLearning(const QString &command, const QStringList &arguments, QTextStream &out,
                   QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption database(QStringLiteral("database"),
                                      QStringLiteral("The database file to read."),
                                      QStringLiteral("DB"));
    parser.addOption(database);
    if (!parser.parse(QStringList{QStringLiteral("velmora-csv")} + arguments) ||
        !parser.positionalArguments().isEmpty()) {
        if (!parser.errorText().isEmpty())
            err << "velmora-csv: " << parser.errorText() << '\n';
        err << usage;
        return 2;
    }
    const QString fileName = parser.value(database);
    const auto connection = openToRead(fileName, err);
    if (!connection)
        return 2;
    // One read transaction: a consistent picture, and a read that fails (a lock held too
    // long) fails the whole export instead of leaving rows out.
    SqlRunner statements;
    LearningStore learning(statements);
    QString text;
    QTextStream buffer(&text);
    statements.beginChange();
    if (command == QLatin1String("history"))
        writeHistory(learning, buffer);
    else
        writeMemory(learning, buffer);
    if (!statements.endChange()) {
        err << "velmora-csv: error: " << fileName << " could not be read to its end\n";
        return 2;
    }
    buffer.flush();
    out << text;
    return 0;
}
// A whole number in [minimum, maximum]; false when the text is none.
bool numberIn(const QString &text, qint64 minimum, qint64 maximum, qint64 *value)
{
    bool ok = false;
    *value = text.toLongLong(&ok);
    return ok && *value >= minimum && *value <= maximum;
}

int printTest(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption language(QStringLiteral("language"), QString(), QStringLiteral("LANG"));
    const QCommandLineOption questions(QStringLiteral("questions"), QString(), QStringLiteral("N"));
    const QCommandLineOption versions(QStringLiteral("versions"), QString(), QStringLiteral("V"));
    const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("S"));
    const QCommandLineOption category(QStringLiteral("category"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption key(QStringLiteral("key"));
    const QCommandLineOption explanations(QStringLiteral("explanations"));
    const QCommandLineOption paper(QStringLiteral("paper"), QString(), QStringLiteral("PAPER"));
    const QCommandLineOption database(QStringLiteral("database"), QString(), QStringLiteral("DB"));
    parser.addOptions({language, questions, versions, seed, category, key, explanations, paper,
                       database});
    const bool parsed = parser.parse(QStringList{QStringLiteral("velmora-csv")} + arguments);
    const int languageIndex = TestPaperTexts::languageCodes().indexOf(parser.value(language));
    qint64 count = 0;
    qint64 versionCount = 0;
    qint64 seedValue = 0;
    const QString paperName = parser.isSet(paper) ? parser.value(paper) : QString();
    const bool usable =
        parsed && parser.positionalArguments().size() == 1 && languageIndex >= 0 &&
        numberIn(parser.value(questions), 1, std::numeric_limits<int>::max(), &count) &&
        numberIn(parser.value(versions), 1, TestPaper::maximumVersions, &versionCount) &&
        numberIn(parser.value(seed), 0, TestPaper::maximumSeed, &seedValue) &&
        (paperName.isEmpty() || paperName == QLatin1String("a4") ||
         paperName == QLatin1String("letter"));
    if (!usable) {
        err << "velmora-csv: "
            << (parsed ? QStringLiteral("print needs a language (de, en, ee), 1 or more "
                                        "questions, 1 to %1 versions, a seed from 0 to %2 and "
                                        "one output file")
                             .arg(TestPaper::maximumVersions)
                             .arg(TestPaper::maximumSeed)
                       : parser.errorText())
            << '\n'
            << usage;
        return 2;
    }

    const QString outFile = parser.positionalArguments().constFirst();
    const QString fileName = parser.value(database);
    const auto connection = openToRead(fileName, err);
    if (!connection)
        return 2;
    SqlRunner statements;
    statements.beginChange();
    const CatalogueTexts catalogue = DatabaseVelmoraApp::readAllTexts(statements);
    if (!statements.endChange()) {
        err << "velmora-csv: error: " << fileName << " could not be read to its end\n";
        return 1;
    }

    QList<int> categoryIds;
    for (const QString &name : parser.values(category)) {
        const int id = TestPaperTexts::categoryNamed(catalogue, languageIndex, name);
        if (id == 0) {
            err << "velmora-csv: error: no category \"" << name << "\" in "
                << parser.value(language) << '\n';
            return 1;
        }
        categoryIds.append(id);
    }
    const TestPaperTexts texts = TestPaperTexts::fromCatalogue(catalogue, languageIndex, categoryIds);
    if (count > texts.candidates.size()) {
        err << "velmora-csv: error: " << count << " questions asked, the categories hold "
            << texts.candidates.size() << '\n';
        return 1;
    }
    const TestPaper test = TestPaper::draw(texts.candidates, texts.answersOf, int(count),
                                           int(versionCount), quint64(seedValue));
    TestPdfWriter::Options options;
    options.key = parser.isSet(key);
    options.explanations = parser.isSet(explanations);
    options.paper = paperName.isEmpty()                  ? TestPdfWriter::systemPaper()
                    : paperName == QLatin1String("a4") ? QPageSize::A4
                                                       : QPageSize::Letter;
    options.date = QDate::currentDate();
    TestPdfWriter writer(test, texts, options);
    if (!writer.write(outFile)) {
        err << "velmora-csv: error: " << writer.errorString() << '\n';
        return 1;
    }
    out << outFile << ": " << versionCount << " version(s) of " << count << " question(s), "
        << writer.pageCount() << " page(s)\n";
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    // Printing lays text out in real fonts, which takes a GUI application, and the import
    // stores through the program's own controller, a widget; without a display both run on
    // the offscreen platform.
    const bool printing = argc > 1 && qstrcmp(argv[1], "print") == 0;
    const bool importing = argc > 1 && qstrcmp(argv[1], "import") == 0;
    if ((printing || importing) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application;
    if (importing)
        application = std::make_unique<QApplication>(argc, argv);
    else if (printing)
        application = std::make_unique<QGuiApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.value(0);
    int status = 2;
    if (arguments.size() == 1 &&
        (command == QLatin1String("--help") || command == QLatin1String("-h"))) {
        out << help;
        status = 0;
    } else if (arguments.size() == 1 &&
               (command == QLatin1String("--version") || command == QLatin1String("-v"))) {
        out << "velmora-csv " << ProgramInfo::version() << '\n';
        status = 0;
    } else if (command == QLatin1String("check") && arguments.size() >= 2)
        status = check(arguments.mid(1), out, err);
    else if (command == QLatin1String("history") || command == QLatin1String("memory"))
        status = exportLearning(command, arguments.mid(1), out, err);
    else if (printing)
        status = printTest(arguments.mid(1), out, err);
    else if (command == QLatin1String("convert"))
        status = convert(arguments.mid(1), out, err);
    else if (importing)
        status = import(arguments.mid(1), out, err);
    else
        err << usage << "Try 'velmora-csv --help' for what each command does.\n";
    // The connection, if one was opened, is let go before the application ends.
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    return status;
}
