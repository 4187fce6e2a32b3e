// A printed test at its largest: 200 questions in 26 versions with answer keys and the
// explanations appendix, from reading the catalogue to the PDF written.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_print [--quick] [--runs N]
//
// Prints the median wall time of the runs, the pages and size of the file and the peak
// resident memory (VmHWM) of the process; figures in bench/README.md.

#include "databasevelmoraapp.h"
#include "testpaper.h"
#include "testpapertexts.h"
#include "testpdfwriter.h"
#include "testworkspace.h"

#include <algorithm>
#include <cstdio>

namespace {
qint64 peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// Questions of teacher length in three languages, spread over ten categories; answers of
// a short sentence, the true ones explained in another.
void seedBank(const TestWorkspace &workspace, int questions)
{
    QStringList sql{QStringLiteral("WITH RECURSIVE n(c) AS (SELECT 1 UNION SELECT c + 1 FROM n "
                                   "WHERE c < 10) INSERT INTO category SELECT c FROM n"),
                    QStringLiteral("WITH RECURSIVE n(q) AS (SELECT 1 UNION SELECT q + 1 FROM n "
                                   "WHERE q < %1) INSERT INTO question SELECT q, 1 + q % 10 FROM n")
                        .arg(questions)};
    sql << QString::fromUtf8(
               "INSERT INTO category_lang SELECT category_id, lang_id, 'Kategorie Größe ' || "
               "category_id || ' ' || country_code FROM category, lang")
        << QString::fromUtf8(
               "INSERT INTO question_lang SELECT question_id, lang_id, 'Frage ' || question_id "
               "|| ' (' || country_code || '): Welche der folgenden Aussagen über Seen, Flüsse "
               "und Berge in Estland und Österreich stimmen, wenn man genau hinschaut?' FROM "
               "question, lang")
        << QStringLiteral("INSERT INTO answer SELECT 10 * question_id + k FROM question, "
                          "(SELECT 1 AS k UNION SELECT 2 UNION SELECT 3 UNION SELECT 4)")
        << QStringLiteral("INSERT INTO question_answer SELECT answer_id, answer_id / 10, CASE "
                          "WHEN answer_id % 10 <= 1 + answer_id / 10 % 3 THEN 'true' ELSE "
                          "'false' END FROM answer")
        << QString::fromUtf8(
               "INSERT INTO answer_lang SELECT answer_id, lang_id, 'Antwort ' || answer_id || "
               "': der Peipsi-See liegt zum Teil in Estland, zum Teil in Russland', CASE "
               "is_True WHEN 'true' THEN 'Weil die Grenze mitten durch den See verläuft, "
               "gehört er beiden Ländern; so steht es in jedem Atlas. ' || answer_id END FROM "
               "question_answer, lang");
    workspace.execute(sql);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const bool quick = arguments.contains(QStringLiteral("--quick"));
    const int runsAt = arguments.indexOf(QStringLiteral("--runs"));
    const int runs = runsAt > 0 ? std::max(1, arguments.value(runsAt + 1).toInt()) : 3;
    const int questions = quick ? 10 : 200;
    const int versions = quick ? 3 : 26;

    TestWorkspace workspace;
    workspace.provision();
    seedBank(workspace, questions);
    DatabaseVelmoraApp database;

    QList<qint64> times;
    int pages = 0;
    qint64 bytes = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const TestPaperTexts texts = TestPaperTexts::fromCatalogue(database.getAllTexts(), 0, {});
        const TestPaper paper =
            TestPaper::draw(texts.candidates, texts.answersOf, questions, versions, 42);
        TestPdfWriter::Options options;
        options.key = true;
        options.explanations = true;
        options.date = QDate(2026, 5, 15);
        TestPdfWriter writer(paper, texts, options);
        if (!writer.write(QStringLiteral("test.pdf"))) {
            std::fprintf(stderr, "bench_print: %s\n", qPrintable(writer.errorString()));
            return 1;
        }
        times.append(timer.elapsed());
        pages = writer.pageCount();
        bytes = QFileInfo(QStringLiteral("test.pdf")).size();
    }
    std::sort(times.begin(), times.end());
    std::printf("print %d questions x %d versions, key and explanations: %lld ms (median of %d), "
                "%d pages, %.1f MB, peak %.0f MB resident\n",
                questions, versions, times.at(times.size() / 2), runs, pages, bytes / 1e6,
                peakResidentKilobytes() / 1024.0);
    return 0;
}
