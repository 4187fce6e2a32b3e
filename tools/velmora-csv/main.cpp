// velmora-csv: checks CSV question files before they are imported.
//
//     velmora-csv check FILE...
//
// Uses the import's own reader, so it accepts exactly the files the import accepts.
// Prints one line per problem ("FILE:LINE: error: reason", warnings alike) and exits
// with 0 when the files would import, 1 when they would not, 2 on wrong usage.

#include "questionfilereader.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {
QString describe(const QuestionFileReader::Finding &finding, const char *kind)
{
    QString where = finding.fileName.isEmpty() ? QStringLiteral("velmora-csv") : finding.fileName;
    if (finding.line > 0)
        where += QLatin1Char(':') + QString::number(finding.line);
    return QStringLiteral("%1: %2: %3").arg(where, QLatin1String(kind), finding.message());
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() < 2 || arguments.first() != QLatin1String("check")) {
        err << "usage: velmora-csv check FILE...\n";
        return 2;
    }

    QuestionFileReader reader;
    const bool accepted = reader.read(arguments.mid(1));
    for (const auto &finding : reader.errors())
        err << describe(finding, "error") << '\n';
    for (const auto &finding : reader.warnings())
        err << describe(finding, "warning") << '\n';
    if (accepted)
        out << reader.questionCount() << " question(s) would be imported\n";
    return accepted ? 0 : 1;
}
