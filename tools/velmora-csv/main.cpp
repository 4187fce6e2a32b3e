// velmora-csv: checks CSV question files before they are imported, and writes the
// learner's answer history and memory out as CSV, and prints tests as PDF.
//
//     velmora-csv check FILE...
//     velmora-csv history [--database DB]
//     velmora-csv memory [--database DB]
//     velmora-csv print --language de|en|ee --questions N --versions V --seed S
//                       [--category NAME]... [--key] [--explanations] [--paper a4|letter]
//                       [--database DB] OUT.pdf
//
// check uses the import's own reader, so it accepts exactly the files the import accepts.
// It prints one line per problem ("FILE:LINE: error: reason", warnings alike) and exits
// with 0 when the files would import, 1 when they would not, 2 on wrong usage.
//
// history writes every recorded answer, oldest first, in the review-log form the FSRS
// optimizer reads: card_id,review_time,review_rating,review_state,review_duration (question
// id, UTC ms, 1 wrong or 3 right, 0 first answer or 2 answered before, ms used). memory
// writes the memory of every answered question by id, times in ISO 8601 UTC with ms.
// DB defaults to ./databaseVelmoraApp and is opened read-only; a database that cannot be
// read is reported with exit status 2, and a missing one is never created.
//
// print draws a test from the seed out of the named categories (named in the test's
// language; every category without --category) and writes it, whole or not at all, with
// answer keys and explanations when asked. It exits with 0 when written, 1 with the reason
// when not (no such category, too few questions, a database or file it cannot use; an
// existing OUT stays as it was) and 2 on wrong usage.

#include "databasevelmoraapp.h"
#include "learningstore.h"
#include "questionfilereader.h"
#include "sqlrunner.h"
#include "testpaper.h"
#include "testpapertexts.h"
#include "testpdfwriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
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
                     "       velmora-csv history [--database DB]\n"
                     "       velmora-csv memory [--database DB]\n"
                     "       velmora-csv print --language de|en|ee --questions N --versions V "
                     "--seed S\n"
                     "                         [--category NAME]... [--key] [--explanations]\n"
                     "                         [--paper a4|letter] [--database DB] OUT.pdf\n";

QString describe(const QuestionFileReader::Finding &finding, const char *kind)
{
    QString where = finding.fileName.isEmpty() ? QStringLiteral("velmora-csv") : finding.fileName;
    if (finding.line > 0)
        where += QLatin1Char(':') + QString::number(finding.line);
    return QStringLiteral("%1: %2: %3").arg(where, QLatin1String(kind), finding.message());
}

int check(const QStringList &files, QTextStream &out, QTextStream &err)
{
    QuestionFileReader reader;
    const bool accepted = reader.read(files);
    for (const auto &finding : reader.errors())
        err << describe(finding, "error") << '\n';
    for (const auto &finding : reader.warnings())
        err << describe(finding, "warning") << '\n';
    if (accepted)
        out << reader.questionCount() << " question(s) would be imported\n";
    return accepted ? 0 : 1;
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

// Opens the file read-only on the default connection, where the learning store reads;
// the reason it cannot be used otherwise.
QString openReadOnly(const QString &fileName)
{
    // SQLite would create a missing file (even read-only it may leave one behind).
    const QFileInfo file(fileName);
    if (!file.exists())
        return QStringLiteral("does not exist");
    if (!file.isFile() || !file.isReadable())
        return QStringLiteral("cannot be read");
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    database.setDatabaseName(fileName);
    database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!database.open() || !SqlRunner().isReadable())
        return QStringLiteral("is not a database");
    if (SqlRunner().integer(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = "
                                           "'table' AND name = 'question_lang'")) == 0)
        return QStringLiteral("is not a Velmora database");
    return QString();
}

int exportLearning(const QString &command, const QStringList &arguments, QTextStream &out,
                   QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption database(QStringLiteral("database"),
                                      QStringLiteral("The database file to read."),
                                      QStringLiteral("DB"), QStringLiteral("./databaseVelmoraApp"));
    parser.addOption(database);
    if (!parser.parse(QStringList{QStringLiteral("velmora-csv")} + arguments) ||
        !parser.positionalArguments().isEmpty()) {
        if (!parser.errorText().isEmpty())
            err << "velmora-csv: " << parser.errorText() << '\n';
        err << usage;
        return 2;
    }
    const QString fileName = parser.value(database);
    const QString problem = openReadOnly(fileName);
    if (!problem.isEmpty()) {
        err << "velmora-csv: error: " << fileName << ' ' << problem << '\n';
        return 2;
    }
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
// Column 1 of every row gathered by column 0, as DatabaseVelmoraApp::getAllTexts reads
// them; that class opens its own file read-write, which this tool must not.
QHash<int, QList<QVariant>> byKey(SqlRunner &statements, const char *statement)
{
    QHash<int, QList<QVariant>> values;
    for (const auto &row : statements.pairs(QString::fromLatin1(statement)))
        values[row.first].append(row.second);
    return values;
}

CatalogueTexts readCatalogue(SqlRunner &statements)
{
    CatalogueTexts all;
    const auto texts = [&](const char *statement) {
        QHash<int, QList<QString>> result;
        const auto values = byKey(statements, statement);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            for (const QVariant &value : it.value())
                result[it.key()].append(value.toString());
        return result;
    };
    const auto ids = [&](const char *statement) {
        QHash<int, QList<int>> result;
        const auto values = byKey(statements, statement);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            for (const QVariant &value : it.value())
                result[it.key()].append(value.toInt());
        return result;
    };
    for (const auto &row : statements.pairs(QStringLiteral("SELECT question_id, category_id FROM question")))
        all.categoryOfQuestion.insert(row.first, row.second.toInt());
    all.categoryNames = texts(
        "SELECT category_id, category_text FROM category_lang ORDER BY category_id, lang_id");
    all.questionTexts = texts(
        "SELECT question_id, question_text FROM question_lang ORDER BY question_id, lang_id");
    all.answerTexts =
        texts("SELECT answer_id, answer_text FROM answer_lang ORDER BY answer_id, lang_id");
    all.explanationTexts =
        texts("SELECT answer_id, explanation_text FROM answer_lang ORDER BY answer_id, lang_id");
    all.trueAnswerIds = ids("SELECT question_id, answer_id FROM question_answer WHERE is_True = "
                            "'true' ORDER BY question_id, answer_id");
    all.falseAnswerIds = ids("SELECT question_id, answer_id FROM question_answer WHERE is_True = "
                             "'false' ORDER BY question_id, answer_id");
    return all;
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
    const QCommandLineOption database(QStringLiteral("database"), QString(), QStringLiteral("DB"),
                                      QStringLiteral("./databaseVelmoraApp"));
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
    const QString problem = openReadOnly(fileName);
    if (!problem.isEmpty()) {
        err << "velmora-csv: error: " << fileName << ' ' << problem << '\n';
        return 1;
    }
    SqlRunner statements;
    statements.beginChange();
    const CatalogueTexts catalogue = readCatalogue(statements);
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
    // Printing lays text out in real fonts, which takes a GUI application; without a
    // display it runs on the offscreen platform.
    const bool printing = argc > 1 && qstrcmp(argv[1], "print") == 0;
    if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application;
    if (printing)
        application = std::make_unique<QGuiApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.value(0);
    int status = 2;
    if (command == QLatin1String("check") && arguments.size() >= 2)
        status = check(arguments.mid(1), out, err);
    else if (command == QLatin1String("history") || command == QLatin1String("memory"))
        status = exportLearning(command, arguments.mid(1), out, err);
    else if (printing)
        status = printTest(arguments.mid(1), out, err);
    else
        err << usage;
    // The connection, if one was opened, is let go before the application ends.
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    return status;
}
