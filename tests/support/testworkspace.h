#ifndef TESTWORKSPACE_H
#define TESTWORKSPACE_H

// Every suite drives widgets with QtTest; both modules come with this header.
#include <QtTest>
#include <QtWidgets>

#include "sqldialect.h"

// A fresh temporary working directory for one test function, entered on construction
// and left (and removed) on destruction. The database lives in the working directory,
// so every test gets its own; or on the server VELMORA_DATABASE names, as the role it names,
// when a test points the program there.
class TestWorkspace
{
public:
    TestWorkspace();
    ~TestWorkspace();
    TestWorkspace(const TestWorkspace &) = delete;
    TestWorkspace &operator=(const TestWorkspace &) = delete;

    QString path() const { return dir.path(); }
    QString databaseFile() const { return dir.filePath(QStringLiteral("databaseVelmoraApp")); }

    // Copies the bundled template into the directory, as the program does on first start.
    void provision() const;

    // The database the program under test uses: the server VELMORA_DATABASE names, or else
    // the file in the directory.
    bool onServer() const { return dialect().isServer(); }
    SqlDialect dialect() const;

    // Runs statements on that database through a separate connection, so tests can
    // seed or inspect the catalogue independently of the code under test.
    void execute(const QStringList &statements) const { run(statements); }
    QStringList query(const QString &statement) const { return run({statement}); }
    // Every row of every catalogue and settings table, as "table:row", sorted: compare two
    // snapshots to tell whether anything changed. On a server, the settings are the role's.
    QStringList snapshot() const;

private:
    QStringList run(const QStringList &statements) const;

    QString previous;
    QTemporaryDir dir;
};

// The widget currently shown as the screen of a Controller-like window.
QWidget *currentScreen(QWidget *controller);

// The child called name; a missing one ends the test program, as no test can go on.
template <typename T = QWidget> T *child(const QObject *parent, const QString &name)
{
    T *widget = parent ? parent->findChild<T *>(name) : nullptr;
    if (!widget)
        qFatal("no %s", qPrintable(name));
    return widget;
}

// The shown top-level window of type T (a password or cancel window), or null.
template <typename T> T *shownWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *shown = qobject_cast<T *>(window); shown && shown->isVisible())
            return shown;
    }
    return nullptr;
}

// The delete screen's list: each shown category group as "title: question, question", with
// its shown rows.
QStringList deleteList(QWidget *screen);

class Controller;
// Opens the import screen and hands the files to its open dialog, as chosen there.
QWidget *openQuestionFiles(Controller &controller, const QStringList &files);
// Exports from the management menu into the file chosen in the save dialog.
void exportCatalogue(Controller &controller, const QString &file);

// Pastes the text into the line, replacing what it held, as a user does: it arrives whole,
// line breaks, control characters and any letters included.
void paste(QLineEdit *line, const QString &text);

// A finished program: its exit status (-1 when it crashed or did not end in time), its
// standard output and its standard error.
struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;
};
ToolRun runProgram(const QString &program, const QStringList &arguments);
// The command-line tool velmora-csv of the same build tree.
QString commandLineTool();
// velmora-csv with the given arguments, in the working directory.
inline ToolRun runTool(const QStringList &arguments)
{
    return runProgram(commandLineTool(), arguments);
}

// Writes a file; a file that cannot be written ends the test program.
QString writeFile(const QString &name, const QByteArray &contents);
// A file's contents; empty when it cannot be read.
QByteArray readFile(const QString &name);

// Clicks near the left edge of the widget (or of its child button called name), where a
// radio button or check box has its indicator.
void press(QWidget *widget, const char *name = nullptr);

// Categories 1..categories ("Cat<c> DE", "Cat<c> EN", "Cat<c> EE") and one question per
// entry of questionCategories, numbered from 1 ("Q<q> DE", ...), each with the answers
// 10q+1..10q+4 of which the first 1 + q % 3 are true: "right <id>" explained by
// "because <id>", the others "wrong <id>" without explanation.
void seedCatalogue(const TestWorkspace &workspace, int categories,
                   const QList<int> &questionCategories);
// The stored quiz settings.
void storeQuizSettings(const TestWorkspace &workspace, int number, int seconds,
                       const QList<int> &categoryIds);

#endif // TESTWORKSPACE_H
