// How the program scales with a teacher-sized question bank: import, export, the
// screens on a large catalogue, opening a large file and the process start, each against
// a floor where one exists.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_scale [--quick] [--runs N] [--keep DIR]
//         [--only import|screens|start|open|100k|100k-import|100k-screens|100k-delete]
//
// Every case runs in a child process of its own (this program started again with
// --child), so that its peak memory (VmHWM, read by the child itself at its end: a
// spawned child's ru_maxrss would include this process) is its own; the wall time is the median
// of the runs. The floors are run here by the sqlite3 shell on generated SQL scripts (one
// transaction) and by the question-file checker. --quick uses tiny sizes so that the test
// suite can keep this program working in a few seconds.

#include "checkboxselection.h"
#include "controller.h"
#include "generatedtexts.h"
#include "testworkspace.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <QFileInfo>

#include <algorithm>
#include <fcntl.h>
#include <functional>
#include <map>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

using GeneratedTexts::Bank;

// What the export reads, written by the shell: every text of every question, one line
// per category, question and answer, in the export's order.
const char exportScript[] =
    ".mode list\n.separator ;\n.once %1\n"
    "SELECT lines FROM (SELECT q.question_id AS k, 0 AS o, "
    " (SELECT group_concat(category_text, ';') FROM category_lang cl WHERE cl.category_id = "
    "q.category_id) || char(13) || char(10) || (SELECT group_concat(question_text, ';') FROM "
    "question_lang ql WHERE ql.question_id = q.question_id) AS lines FROM question q "
    "UNION ALL SELECT qa.question_id, (qa.is_True = 'false') * 100000 + qa.answer_id, "
    " (SELECT group_concat(answer_text, ';') || ';' || group_concat(ifnull(explanation_text, ''), "
    "';') FROM answer_lang al WHERE al.answer_id = qa.answer_id) FROM question_answer qa) "
    "ORDER BY k, o;\n";

void writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        qFatal("cannot write %s", qPrintable(path));
}

// ---- processes ------------------------------------------------------------------------

struct Outcome
{
    double milliseconds = 0;
    double peakMegabytes = 0;
    QString output;
};

// Runs a program to its end; optional stdin and stdout files.
Outcome runProcess(const QStringList &arguments, const QString &directory,
                   const QString &input = QString(), const QString &output = QString())
{
    QTemporaryDir scratch;
    const QString outFile = output.isEmpty() ? scratch.filePath(QStringLiteral("out")) : output;
    const QByteArray errPath = QFile::encodeName(scratch.filePath(QStringLiteral("err")));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray inPath = QFile::encodeName(input.isEmpty() ? "/dev/null" : input);
    const QByteArray outPath = QFile::encodeName(outFile);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.constData(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<QByteArray> storage;
    for (const QString &argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    const QString previous = QDir::currentPath();
    QDir::setCurrent(directory);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        qFatal("cannot start %s", argv[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    Outcome outcome;
    outcome.milliseconds = timer.nsecsElapsed() / 1e6;
    QDir::setCurrent(previous);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        QFile err(QFile::decodeName(errPath));
        if (err.open(QIODevice::ReadOnly))
            fprintf(stderr, "%s\n", err.readAll().right(2000).constData());
        qFatal("%s failed", qPrintable(arguments.join(QLatin1Char(' '))));
    }
    QFile out(outFile);
    if (out.open(QIODevice::ReadOnly))
        outcome.output = QString::fromUtf8(out.readAll());
    const QString peak = outcome.output.section(QStringLiteral("peak_kb "), 1).section('\n', 0, 0);
    outcome.peakMegabytes = peak.toDouble() / 1024.0;
    return outcome;
}

// A file name for a case label such as "1000 q / 20 cat".
QString fileKey(const QString &label)
{
    QString key = label;
    for (QChar &c : key) {
        if (!c.isLetterOrNumber())
            c = QLatin1Char('-');
    }
    return key;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

// ---- the child: one case, its runs timed inside ---------------------------------------

// Lets the screen lay out and paint as it would when shown.
void settle(QWidget *window)
{
    QApplication::processEvents();
    window->repaint();
}

QPushButton *button(Controller &controller, const char *name)
{
    auto *found = controller.findChild<QPushButton *>(QLatin1String(name));
    if (!found)
        qFatal("no button %s", name);
    return found;
}

void report(QTextStream &out, const QString &name, double milliseconds)
{
    out << name << ' ' << milliseconds << '\n';
}

// Hands the file in through the dialog seam and reads it, as "&Open file" does.
void openFile(Controller &controller, const QString &csv)
{
    controller.fileDialogs()->setNextOpenFileNames({csv});
    button(controller, "pbOpenFile")->click();
    settle(&controller);
}

// Imports the file into a fresh template database; times open plus "Add values".
void childImport(const QString &csv, int runs, QTextStream &out)
{
    for (int run = 0; run < runs; ++run) {
        TestWorkspace workspace;
        workspace.provision();
        Controller controller;
        controller.show();
        controller.showAddQuestionsPerFile();
        settle(&controller);
        QElapsedTimer timer;
        timer.start();
        openFile(controller, csv);
        button(controller, "pbAddValues")->click();
        settle(&controller);
        report(out, QStringLiteral("import"), timer.nsecsElapsed() / 1e6);
        if (run == runs - 1)
            out << "rows "
                << workspace.query(QStringLiteral("SELECT count(*) FROM answer_lang")).value(0)
                << '\n';
    }
}

// Opens (reads and previews) a file without importing it.
void childOpen(const QString &csv, int runs, QTextStream &out)
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    controller.show();
    for (int run = 0; run < runs; ++run) {
        controller.showAddQuestionsPerFile();
        settle(&controller);
        QElapsedTimer timer;
        timer.start();
        openFile(controller, csv);
        report(out, QStringLiteral("open"), timer.nsecsElapsed() / 1e6);
    }
}

// Every screen on a copy of a large catalogue, and the screen reached back from it.
void childScreens(const QString &database, int runs, QTextStream &out)
{
    TestWorkspace workspace;
    QFile::copy(database, workspace.databaseFile());
    QFile::setPermissions(workspace.databaseFile(), QFile::ReadOwner | QFile::WriteOwner);
    workspace.execute({QStringLiteral("DELETE FROM quiz_settings_current_category_id"),
                       QStringLiteral("INSERT INTO quiz_settings_current_category_id SELECT "
                                      "category_id FROM category"),
                       QStringLiteral("UPDATE quiz_settings SET question_number = 25")});
    const QString exportFile = workspace.path() + QStringLiteral("/export.csv");
    Controller controller;
    controller.show();
    settle(&controller);
    auto time = [&](const QString &name, const std::function<void()> &step) {
        QElapsedTimer timer;
        timer.start();
        step();
        settle(&controller);
        report(out, name, timer.nsecsElapsed() / 1e6);
    };
    for (int run = 0; run < runs; ++run) {
        time(QStringLiteral("quiz settings"), [&] { controller.showQuizSettings(); });
        time(QStringLiteral("menu from quiz settings"), [&] { controller.showMenu(); });
        time(QStringLiteral("quiz start"), [&] { controller.showQuiz(); });
        time(QStringLiteral("menu from quiz"), [&] { controller.showMenu(); });
        time(QStringLiteral("evaluation"), [&] { controller.showQuizEvaluation(20, 25, 300); });
        time(QStringLiteral("menu from evaluation"), [&] { controller.showMenu(); });
        time(QStringLiteral("management menu"), [&] { controller.showManageQuestionsMenu(); });
        time(QStringLiteral("menu from management menu"), [&] { controller.showMenu(); });
        time(QStringLiteral("add form"), [&] { controller.showAddQuestion(); });
        time(QStringLiteral("management menu from add form"),
             [&] { controller.showManageQuestionsMenu(); });
        time(QStringLiteral("edit list"), [&] { controller.showEditQuestions(); });
        time(QStringLiteral("management menu from edit list"),
             [&] { controller.showManageQuestionsMenu(); });
        time(QStringLiteral("print-test screen"), [&] { controller.showPrintTest(); });
        time(QStringLiteral("management menu from print-test screen"),
             [&] { controller.showManageQuestionsMenu(); });
        time(QStringLiteral("progress screen"), [&] { controller.showProgress(); });
        time(QStringLiteral("menu from progress screen"), [&] { controller.showMenu(); });
        time(QStringLiteral("delete screen"), [&] { controller.showDeleteQuestion(); });
        time(QStringLiteral("management menu from delete screen"),
             [&] { controller.showManageQuestionsMenu(); });
        time(QStringLiteral("export"), [&] {
            controller.fileDialogs()->setNextSaveFileName(exportFile);
            button(controller, "pbExportQuestions")->click();
        });
        // Checks the first category's questions, then times deleting them up to the
        // rebuilt screen (each run deletes another category).
        controller.showDeleteQuestion();
        settle(&controller);
        auto *first = currentScreen(&controller)->findChild<CheckBoxSelection *>();
        for (QCheckBox *box : first->findChildren<QCheckBox *>())
            box->setChecked(true);
        controller.confirmations()->setNextConfirmation(true);
        time(QStringLiteral("delete a category's questions"),
             [&] { button(controller, "pbDelete")->click(); });
        controller.showMenu();
    }
}

// The questions a deletion case deletes, as its floor script and its child both take them.
QList<int> deletedQuestions(const QString &which, int questions)
{
    QList<int> ids;
    // Every tenth question (spread over the whole file, no category emptied), or the
    // questions of the first of 20 categories (question q is in category q % 20).
    const bool tenth = which == QLatin1String("tenth");
    for (int q = 1; q <= questions; ++q) {
        if (tenth ? q % 10 == 0 : (q - 1) % 20 == 0)
            ids << q;
    }
    return ids;
}

// Deletes the questions from a fresh copy of the catalogue in each run: the deletion
// alone, then the delete screen rebuilt as after a deletion there.
void childDelete(const QString &database, const QString &which, int runs, QTextStream &out)
{
    for (int run = 0; run < runs; ++run) {
        TestWorkspace workspace;
        QFile::copy(database, workspace.databaseFile());
        QFile::setPermissions(workspace.databaseFile(), QFile::ReadOwner | QFile::WriteOwner);
        const QList<int> ids =
            deletedQuestions(which, workspace.query(QStringLiteral("SELECT max(question_id) FROM "
                                                                   "question"))
                                        .value(0)
                                        .toInt());
        Controller controller;
        controller.show();
        controller.showDeleteQuestion();
        settle(&controller);
        QElapsedTimer timer;
        timer.start();
        if (!controller.deleteQuestions(ids))
            qFatal("deleting failed");
        report(out, QStringLiteral("delete"), timer.nsecsElapsed() / 1e6);
        controller.showDeleteQuestion();
        settle(&controller);
        report(out, QStringLiteral("delete up to the rebuilt screen"), timer.nsecsElapsed() / 1e6);
        if (run == runs - 1)
            out << "rows "
                << workspace.query(QStringLiteral("SELECT count(*) FROM answer_lang")).value(0)
                << '\n';
    }
}

// The same deletions run by the shell in one transaction.
QString deleteScript(const QList<int> &ids)
{
    QStringList values;
    for (int id : ids)
        values << QStringLiteral("(%1)").arg(id);
    const QString answers = QStringLiteral(
        "SELECT answer_id FROM question_answer WHERE question_id IN (SELECT id FROM d)");
    return QStringLiteral("BEGIN;\nCREATE TEMP TABLE d(id INTEGER PRIMARY KEY);\n"
                          "INSERT INTO d VALUES %1;\n"
                          "CREATE TEMP TABLE c AS SELECT DISTINCT category_id FROM question "
                          "WHERE question_id IN (SELECT id FROM d);\n"
                          "DELETE FROM answer_lang WHERE answer_id IN (%2);\n"
                          "DELETE FROM answer WHERE answer_id IN (%2);\n"
                          "DELETE FROM question_answer WHERE question_id IN (SELECT id FROM d);\n"
                          "DELETE FROM question_lang WHERE question_id IN (SELECT id FROM d);\n"
                          "DELETE FROM question WHERE question_id IN (SELECT id FROM d);\n"
                          "DELETE FROM category_lang WHERE category_id IN (SELECT category_id "
                          "FROM c) AND category_id NOT IN (SELECT category_id FROM question);\n"
                          "DELETE FROM category WHERE category_id IN (SELECT category_id FROM c) "
                          "AND category_id NOT IN (SELECT category_id FROM question);\n"
                          "COMMIT;\n")
        .arg(values.join(QLatin1Char(',')), answers);
}

// The peak resident memory of this process so far.
void reportPeak()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            fprintf(stdout, "peak_kb %s\n", line.mid(6).trimmed().split(' ').value(0).constData());
    }
    fflush(stdout);
}

// What the program's main() does, up to the main menu being shown.
int childStart(int argc, char **argv)
{
    QApplication application(argc, argv);
    Controller controller;
    controller.show();
    settle(&controller);
    reportPeak();
    return 0;
}

int child(int argc, char **argv)
{
    const QString kind = QString::fromLocal8Bit(argv[2]);
    if (kind == QLatin1String("start"))
        return childStart(argc, argv);
    QApplication application(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[3]);
    const int runs = QString::fromLocal8Bit(argv[4]).toInt();
    QTextStream out(stdout);
    if (kind == QLatin1String("import"))
        childImport(path, runs, out);
    else if (kind == QLatin1String("open"))
        childOpen(path, runs, out);
    else if (kind == QLatin1String("screens"))
        childScreens(path, runs, out);
    else if (kind == QLatin1String("delete"))
        childDelete(path, QString::fromLocal8Bit(argv[5]), runs, out);
    out.flush();
    reportPeak();
    return 0;
}

// ---- the parent: prepares the banks, runs the floors and the children -----------------

struct Result
{
    QString name;
    double milliseconds;
    double peakMegabytes;
    double floorMilliseconds; // 0: no floor
};

// Medians per reported name, in the order first reported.
std::vector<std::pair<QString, double>> medians(const QString &output)
{
    std::vector<QString> order;
    std::map<QString, std::vector<double>> values;
    for (const QString &line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const int blank = line.lastIndexOf(QLatin1Char(' '));
        const QString name = line.left(blank);
        if (name == QLatin1String("rows") || name == QLatin1String("peak_kb"))
            continue;
        if (!values.count(name))
            order.push_back(name);
        values[name].push_back(line.mid(blank + 1).toDouble());
    }
    std::vector<std::pair<QString, double>> result;
    for (const QString &name : order)
        result.emplace_back(name, median(values[name]));
    return result;
}

class Runner
{
public:
    // Files go to keep (kept afterwards for a closer look) or to a temporary directory.
    Runner(const QString &self, int runs, const QString &keep) : self(self), runs(runs)
    {
        if (!keep.isEmpty()) {
            QDir().mkpath(keep);
            scratchPath = QDir(keep).absolutePath();
        } else {
            scratchPath = temporary.path();
        }
    }

    QString filePath(const QString &name) const { return scratchPath + QLatin1Char('/') + name; }

    QString templateCopy(const QString &name) const
    {
        const QString path = filePath(name);
        QFile::remove(path);
        TestWorkspace workspace;
        workspace.provision();
        QFile::copy(workspace.databaseFile(), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

    // The floor of an import: the shell storing the same rows in one transaction. The
    // database it leaves is the large catalogue of the screen cases.
    double importFloor(const Bank &bank, const QString &database, int floorRuns = 0) const
    {
        const QString script = filePath(QStringLiteral("rows.sql"));
        writeFile(script, GeneratedTexts::sqlScript(bank));
        std::vector<double> times;
        for (int run = 0; run < (floorRuns > 0 ? floorRuns : runs); ++run) {
            QFile::remove(database);
            QFile::copy(templateCopy(QStringLiteral("template")), database);
            times.push_back(runProcess({QStringLiteral("sqlite3"), database}, scratchPath, script)
                                .milliseconds);
        }
        return median(times);
    }

    double exportFloor(const QString &database) const
    {
        const QString script = filePath(QStringLiteral("export.sql"));
        writeFile(
            script,
            QString::fromLatin1(exportScript).arg(filePath(QStringLiteral("floor-export.csv"))));
        std::vector<double> times;
        for (int run = 0; run < runs; ++run)
            times.push_back(runProcess({QStringLiteral("sqlite3"), database}, scratchPath, script)
                                .milliseconds);
        return median(times);
    }

    double checkerFloor(const QString &csv) const
    {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run)
            times.push_back(
                runProcess({QStringLiteral(VELMORA_CSV_CHECKER), QStringLiteral("check"), csv},
                           scratchPath)
                    .milliseconds);
        return median(times);
    }

    Outcome child(const QString &kind, const QString &path, const QString &extra = QString()) const
    {
        QStringList arguments{self, QStringLiteral("--child"), kind, path, QString::number(runs)};
        if (!extra.isEmpty())
            arguments << extra;
        return runProcess(arguments, scratchPath);
    }

    QString csv(const Bank &bank, const QString &name) const
    {
        const QString path = filePath(name);
        writeFile(path, GeneratedTexts::csvFile(bank));
        return path;
    }

    void importCase(const Bank &bank, const QString &label)
    {
        const QString database = filePath(QStringLiteral("catalogue-") + fileKey(label));
        const double floor = importFloor(bank, database);
        const QString file = csv(bank, fileKey(label) + ".csv");
        const Outcome outcome = child(QStringLiteral("import"), file);
        const QString rows = outcome.output.section(QStringLiteral("rows "), 1).section('\n', 0, 0);
        if (rows.toInt() != bank.questions * 12)
            qFatal("import of %s stored %s answer texts", qPrintable(label), qPrintable(rows));
        // The memory allowed: one and a half times the file and 40 MB.
        const double megabytes = QFileInfo(file).size() / 1048576.0;
        results.push_back({QStringLiteral("import %1 (%2 MB, peak allowed %3 MB)")
                               .arg(label)
                               .arg(megabytes, 0, 'f', 1)
                               .arg(1.5 * megabytes + 40, 0, 'f', 0),
                           medians(outcome.output).at(0).second, outcome.peakMegabytes, floor});
    }

    // Deleting questions from a large catalogue (made by an earlier case), against the
    // shell running the same deletions in one transaction.
    void deleteCase(const Bank &bank, const QString &which, const QString &label)
    {
        const QString database =
            filePath(QStringLiteral("catalogue-") +
                     fileKey(QStringLiteral("%1 q / %2 cat").arg(bank.questions).arg(bank.categories)));
        if (!QFile::exists(database))
            importFloor(bank, database, 1);
        const QList<int> ids = deletedQuestions(which, bank.questions);
        const QString script = filePath(QStringLiteral("delete.sql"));
        writeFile(script, deleteScript(ids));
        const QString copy = filePath(QStringLiteral("delete-floor"));
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            QFile::remove(copy);
            QFile::copy(database, copy);
            times.push_back(
                runProcess({QStringLiteral("sqlite3"), copy}, scratchPath, script).milliseconds);
        }
        QFile::remove(copy);
        const Outcome outcome = child(QStringLiteral("delete"), database, which);
        const QString rows = outcome.output.section(QStringLiteral("rows "), 1).section('\n', 0, 0);
        if (rows.toInt() != (bank.questions - ids.size()) * 12)
            qFatal("deleting %s left %s answer texts", qPrintable(label), qPrintable(rows));
        const auto timed = medians(outcome.output);
        results.push_back({QStringLiteral("delete ") + label, timed.at(0).second,
                           outcome.peakMegabytes, median(times)});
        results.push_back({QStringLiteral("delete ") + label + QStringLiteral(", rebuilt screen"),
                           timed.at(1).second, outcome.peakMegabytes, 0});
    }

    void screenCases(const Bank &bank, const QString &label)
    {
        const QString database = filePath(QStringLiteral("catalogue-") + fileKey(label));
        if (!QFile::exists(database))
            importFloor(bank, database, 1);
        const double floor = exportFloor(database);
        const Outcome outcome = child(QStringLiteral("screens"), database);
        for (const auto &entry : medians(outcome.output)) {
            const bool isExport = entry.first == QLatin1String("export");
            results.push_back({entry.first + QLatin1Char(' ') + label, entry.second,
                               outcome.peakMegabytes, isExport ? floor : 0});
        }
    }

    void openCase(const Bank &bank, const QString &label)
    {
        const QString file = csv(bank, fileKey(label) + ".csv");
        const double floor = checkerFloor(file);
        const Outcome outcome = child(QStringLiteral("open"), file);
        results.push_back(
            {QStringLiteral("open ") + label +
                 QStringLiteral(" (%1 MB)").arg(QFileInfo(file).size() / 1e6, 0, 'f', 1),
             medians(outcome.output).at(0).second, outcome.peakMegabytes, floor});
    }

    void startCase(const Bank &bank, const QString &label)
    {
        const QString database = filePath(QStringLiteral("catalogue-") + fileKey(label));
        if (!QFile::exists(database))
            importFloor(bank, database);
        QTemporaryDir directory;
        QFile::copy(database, directory.filePath(QStringLiteral("databaseVelmoraApp")));
        std::vector<double> times;
        double peak = 0;
        for (int run = 0; run < runs; ++run) {
            const Outcome outcome = runProcess(
                {self, QStringLiteral("--child"), QStringLiteral("start")}, directory.path());
            times.push_back(outcome.milliseconds);
            peak = std::max(peak, outcome.peakMegabytes);
        }
        results.push_back({QStringLiteral("process start ") + label, median(times), peak, 0});
    }

    void print() const
    {
        QTextStream out(stdout);
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(QStringLiteral("case"), -74)
                   .arg(QStringLiteral("median ms"), 10)
                   .arg(QStringLiteral("peak MB"), 8)
                   .arg(QStringLiteral("x floor"), 8);
        for (const Result &result : results) {
            out << QStringLiteral("%1 %2 %3 %4\n")
                       .arg(result.name, -74)
                       .arg(result.milliseconds, 10, 'f', 1)
                       .arg(result.peakMegabytes, 8, 'f', 1)
                       .arg(result.floorMilliseconds > 0
                                ? QString::number(result.milliseconds / result.floorMilliseconds,
                                                  'f', 2)
                                : QStringLiteral("-"),
                            8);
        }
    }

private:
    QString self;
    int runs;
    QTemporaryDir temporary;
    QString scratchPath;
    std::vector<Result> results;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv);

    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const bool quick = arguments.contains(QStringLiteral("--quick"));
    const int runsAt = arguments.indexOf(QStringLiteral("--runs"));
    const int runs = runsAt > 0 ? arguments.value(runsAt + 1).toInt() : (quick ? 1 : 3);
    const int large = quick ? 40 : 10000;
    const int small = quick ? 8 : 1000;
    const int many = quick ? 30 : 1000;

    const int keepAt = arguments.indexOf(QStringLiteral("--keep"));
    Runner runner(QCoreApplication::applicationFilePath(), qMax(1, runs),
                  keepAt > 0 ? arguments.value(keepAt + 1) : QString());
    const Bank small20{small, 20, 0};
    const Bank large20{large, 20, 0};
    const Bank large1000{large, many, 0};
    const int onlyAt = arguments.indexOf(QStringLiteral("--only"));
    const QString only = onlyAt > 0 ? arguments.value(onlyAt + 1) : QString();
    const auto wanted = [&only](const char *kind) {
        return only.isEmpty() || only == QLatin1String(kind);
    };
    if (wanted("import")) {
        runner.importCase(small20, QStringLiteral("%1 q / 20 cat").arg(small));
        runner.importCase(Bank{large / 4, 20, 0}, QStringLiteral("%1 q / 20 cat").arg(large / 4));
        runner.importCase(large20, QStringLiteral("%1 q / 20 cat").arg(large));
        runner.importCase(large1000, QStringLiteral("%1 q / %2 cat").arg(large).arg(many));
    }
    if (wanted("screens")) {
        runner.screenCases(large20, QStringLiteral("%1 q / 20 cat").arg(large));
        runner.screenCases(large1000, QStringLiteral("%1 q / %2 cat").arg(large).arg(many));
    }
    // A hundred thousand questions: import, every screen, deleting; "--only 100k" runs
    // them all, "--only 100k-import" (-screens, -delete) a part.
    const auto wanted100k = [&](const char *part) {
        return wanted("100k") || only == QLatin1String("100k-") + QLatin1String(part);
    };
    const int huge = quick ? 200 : 100000;
    const Bank huge20{huge, 20, 0};
    const QString label20 = QStringLiteral("%1 q / 20 cat").arg(huge);
    if (wanted100k("import"))
        runner.importCase(huge20, label20);
    if (wanted100k("screens")) {
        runner.screenCases(huge20, label20);
        runner.screenCases(Bank{huge, many, 0}, QStringLiteral("%1 q / %2 cat").arg(huge).arg(many));
    }
    if (wanted100k("delete")) {
        runner.deleteCase(huge20, QStringLiteral("tenth"),
                          QStringLiteral("every tenth of %1 q (%2)").arg(huge).arg(huge / 10));
        runner.deleteCase(huge20, QStringLiteral("category"),
                          QStringLiteral("a category of %1 q (%2)").arg(huge).arg(huge / 20));
    }
    if (wanted("start"))
        runner.startCase(large1000, QStringLiteral("%1 q / %2 cat").arg(large).arg(many));
    if (wanted("open")) {
        // A 20 MB file of long texts and one of many short questions.
        runner.openCase(Bank{quick ? 20 : 2000, 20, quick ? 300 : 1600},
                        QStringLiteral("long texts"));
        runner.openCase(Bank{quick ? 200 : 24000, 20, 0}, QStringLiteral("short questions"));
    }
    runner.print();
    return 0;
}
