#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

// The program's command line. It is read before the application object exists, so that
// --help, --version and a mistyped option are answered without a display; Qt's own options
// (-style, -platform, ...) are accepted here and left to the application object.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // The arguments as main() receives them, the program's name first.
    explicit CommandLine(const QStringList &arguments);

    // Whether the program is to start; if not, finish() answers and gives the exit status.
    bool starts() const { return parsed && !parser.isSet(help) && !parser.isSet(version); }
    // Writes the help or the version to standard output (status 0), or what is wrong with
    // the command line to standard error (status 2).
    int finish() const;

    // The value of one of the program's options, empty when it was not given.
    QString value(const QString &option) const { return parser.value(option); }
    bool isSet(const QString &option) const { return parser.isSet(option); }

private:
    QString name;
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    bool parsed = false;
};

#endif // COMMANDLINE_H
