// Foreign banks at a teacher's scale: a Moodle XML bank of 10,000 questions (about 20 MB,
// three languages as multilang spans) read by the checker, opened (read and previewed) on
// the import screen, and imported; the same questions as Velmora's CSV imported for
// comparison.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_banks [--quick] [--runs N]
//
// Every case runs in a child process of its own (this program with --child), which reports
// its times and its peak resident memory (VmHWM); the parent prints the median of the runs.

#include "bankreader.h"
#include "controller.h"
#include "moodlexmlwriter.h"
#include "questionfilewriter.h"
#include "testworkspace.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {
QString words(int seed, int count, const QString &language)
{
    static const QStringList pool = {
        QStringLiteral("Wald"),  QStringLiteral("Öl"),      QStringLiteral("Straße"),
        QStringLiteral("river"), QStringLiteral("mountain"), QStringLiteral("õun"),
        QStringLiteral("jõgi"),  QStringLiteral("Küste"),    QStringLiteral("harbour"),
        QStringLiteral("šokk"),  QStringLiteral("Ähre"),     QStringLiteral("island")};
    QStringList result{language};
    for (int i = 0; i < count; ++i)
        result << pool.at((seed * 7 + i * 13) % pool.size());
    return result.join(QLatin1Char(' '));
}

QStringList three(int seed, int count)
{
    return {words(seed, count, QStringLiteral("DE")), words(seed + 1, count, QStringLiteral("EN")),
            words(seed + 2, count, QStringLiteral("ET"))};
}

// count questions in 20 categories, the first one or two answers true.
QList<QuestionFileReader::Question> bank(int count)
{
    QList<QuestionFileReader::Question> questions;
    for (int q = 0; q < count; ++q) {
        QuestionFileReader::Question question;
        const int category = q * 20 / count;
        question.category = three(category, 2);
        question.category[0] += QString::number(category);
        question.question = three(q, 12);
        question.question[0] += QStringLiteral(" #%1?").arg(q);
        for (int a = 0; a < 4; ++a) {
            const bool isTrue = a == 0 || (a == 1 && q % 2 == 0);
            question.answers << three(q + a, 4);
            question.explanations << (isTrue ? three(q * a, 5) : QStringList{QString(), QString(), QString()});
            question.answerTrue << isTrue;
        }
        questions << question;
    }
    return questions;
}

void reportPeak(QTextStream &out)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            out << "peak_kb " << line.mid(6).trimmed().split(' ').value(0) << '\n';
    }
}

QPushButton *button(Controller &controller, const char *name)
{
    auto *found = controller.findChild<QPushButton *>(QLatin1String(name));
    if (!found)
        qFatal("no button %s", name);
    return found;
}

// One case, timed inside: "check", "open" (read and preview) or "import" (open, "&Add values").
int child(const QString &kind, const QString &file)
{
    QTextStream out(stdout);
    QElapsedTimer timer;
    if (kind == QLatin1String("check")) {
        timer.start();
        BankReader reader;
        reader.read({file});
        out << "ms " << timer.nsecsElapsed() / 1e6 << "\nquestions " << reader.questionCount() << '\n';
    } else {
        TestWorkspace workspace;
        workspace.provision();
        Controller controller;
        controller.show();
        controller.showAddQuestionsPerFile();
        QApplication::processEvents();
        timer.start();
        controller.fileDialogs()->setNextOpenFileNames({file});
        button(controller, "pbOpenFile")->click();
        QApplication::processEvents();
        controller.repaint();
        if (kind == QLatin1String("import")) {
            button(controller, "pbAddValues")->click();
            QApplication::processEvents();
        }
        out << "ms " << timer.nsecsElapsed() / 1e6 << '\n';
        out << "questions "
            << workspace.query(QStringLiteral("SELECT count(*) FROM question")).value(0) << '\n';
    }
    reportPeak(out);
    return 0;
}

struct Figures
{
    double ms = 0;
    double peakMb = 0;
    QString questions;
};

Figures run(const QString &kind, const QString &file, int runs)
{
    QList<double> times;
    Figures figures;
    for (int r = 0; r < runs; ++r) {
        QProcess process;
        process.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--child"), kind, file});
        if (!process.waitForFinished(600000) || process.exitCode() != 0)
            qFatal("case %s failed: %s", qPrintable(kind), process.readAllStandardError().constData());
        for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.value(0) == "ms")
                times << parts.value(1).toDouble();
            else if (parts.value(0) == "peak_kb")
                figures.peakMb = qMax(figures.peakMb, parts.value(1).toDouble() / 1024);
            else if (parts.value(0) == "questions")
                figures.questions = QString::fromLatin1(parts.value(1));
        }
    }
    std::sort(times.begin(), times.end());
    figures.ms = times.value(times.size() / 2);
    return figures;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("--child"))
        return child(arguments.value(2), arguments.value(3));
    const bool quick = arguments.contains(QStringLiteral("--quick"));
    const int runsAt = arguments.indexOf(QStringLiteral("--runs"));
    const int runs = runsAt > 0 ? qMax(1, arguments.value(runsAt + 1).toInt()) : quick ? 1 : 3;
    const int count = quick ? 200 : 10000;

    QTemporaryDir dir;
    const QString xml = dir.filePath(QStringLiteral("bank.xml"));
    const QString csv = dir.filePath(QStringLiteral("bank.csv"));
    const auto questions = bank(count);
    QList<int> leftOut;
    if (!MoodleXmlWriter::save(xml, MoodleXmlWriter::document(questions, &leftOut)))
        qFatal("cannot write the bank");
    QString text;
    for (const auto &question : questions)
        text += QuestionFileWriter::questionLines(question);
    if (!QuestionFileWriter::save(csv, text))
        qFatal("cannot write the CSV bank");

    QTextStream out(stdout);
    out << count << " questions: Moodle XML " << QFileInfo(xml).size() / 1e6 << " MB, CSV "
        << QFileInfo(csv).size() / 1e6 << " MB; median of " << runs << " run(s)\n";
    const struct
    {
        const char *label;
        const char *kind;
        QString file;
    } cases[] = {{"check Moodle XML (BankReader)", "check", xml},
                 {"open Moodle XML (read and preview)", "open", xml},
                 {"open CSV", "open", csv},
                 {"import Moodle XML", "import", xml},
                 {"import CSV", "import", csv}};
    QHash<QString, Figures> results;
    for (const auto &c : cases) {
        const Figures figures = run(QLatin1String(c.kind), c.file, runs);
        results.insert(QLatin1String(c.label), figures);
        out << QStringLiteral("%1 %2 ms %3 MB (%4 questions)\n")
                   .arg(QLatin1String(c.label), -40)
                   .arg(figures.ms, 8, 'f', 0)
                   .arg(figures.peakMb, 6, 'f', 0)
                   .arg(figures.questions);
        out.flush();
    }
    out << "import Moodle XML / import CSV: "
        << results.value(QStringLiteral("import Moodle XML")).ms /
               qMax(1.0, results.value(QStringLiteral("import CSV")).ms)
        << '\n';
    return results.value(QStringLiteral("import Moodle XML")).questions == QString::number(count) ? 0 : 1;
}
