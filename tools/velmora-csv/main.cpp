// velmora-csv: checks CSV question files before they are imported, and writes the
// learner's answer history and memory out as CSV.
//
//     velmora-csv check FILE...
//     velmora-csv history [--database DB]
//     velmora-csv memory [--database DB]
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

#include "learningstore.h"
#include "questionfilereader.h"
#include "sqlrunner.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QStringList>
#include <QTextStream>

#include <algorithm>

namespace {
const char usage[] = "usage: velmora-csv check FILE...\n"
                     "       velmora-csv history [--database DB]\n"
                     "       velmora-csv memory [--database DB]\n";

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
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.value(0);
    int status = 2;
    if (command == QLatin1String("check") && arguments.size() >= 2)
        status = check(arguments.mid(1), out, err);
    else if (command == QLatin1String("history") || command == QLatin1String("memory"))
        status = exportLearning(command, arguments.mid(1), out, err);
    else
        err << usage;
    // The connection, if one was opened, is let go before the application ends.
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    return status;
}
