#include "commandline.h"

#include "programinfo.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {
// The options that QGuiApplication and QApplication take out of the arguments themselves,
// as their documentation lists them; the first group with a value.
const char *const qtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "qmljsdebugger"};
const char *const qtFlags[] = {"reverse", "widgetcount"};
} // namespace

CommandLine::CommandLine(const QStringList &arguments)
    : name(QFileInfo(arguments.value(0, QStringLiteral("velmora"))).fileName()),
      help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help.")),
      version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
              tr("Show the program's version."))
{
    parser.setApplicationDescription(
        tr("A quiz trainer for multiple-choice questions in German, English and Estonian.\n"
           "It keeps its catalogue in the file databaseVelmoraApp in the directory it is\n"
           "started in, creating it on the first start."));
    // Qt's options come with one dash; "-h" and "-v" stay what they are.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({help, version});
    // The program's own options follow, one addOption() each; main() reads them by name.
    parser.addOption(QCommandLineOption(
        QStringLiteral("database"),
        tr("The catalogue's database: a PostgreSQL connection URI "
           "(postgresql://[user@][host][:port]/dbname[?...]) or a database file. Without it: "
           "the environment variable VELMORA_DATABASE, then the key database/url of "
           "velmora.conf, then the file databaseVelmoraApp in the working directory."),
        QStringLiteral("URI")));

    // Qt's own, accepted but not shown.
    for (const char *qtOption : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(qtOption), QString(), QStringLiteral("x"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *qtFlag : qtFlags) {
        QCommandLineOption option(QString::fromLatin1(qtFlag));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parsed = parser.parse(arguments);
    if (parsed && !parser.positionalArguments().isEmpty() && !parser.isSet(help) &&
        !parser.isSet(version))
        parsed = false;
}

int CommandLine::finish() const
{
    if (!parsed) {
        const QString mistake =
            parser.positionalArguments().isEmpty()
                ? parser.errorText()
                : tr("Unexpected argument: %1").arg(parser.positionalArguments().constFirst());
        QTextStream(stderr) << name << ": " << mistake << '\n'
                            << tr("Try '%1 --help' for the options.").arg(name) << '\n';
        return 2;
    }
    QTextStream out(stdout);
    if (parser.isSet(version)) {
        out << name << ' ' << ProgramInfo::version() << '\n';
        return 0;
    }
    // The help names the program as the application object's arguments do; a core one
    // needs no display.
    QByteArray program = name.toLocal8Bit();
    int argc = 1;
    char *argv[] = {program.data(), nullptr};
    const QCoreApplication application(argc, argv);
    out << parser.helpText();
    return 0;
}
