#ifndef TESTWORKSPACE_H
#define TESTWORKSPACE_H

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QWidget;

// A fresh temporary working directory for one test function, entered on construction
// and left (and removed) on destruction. The database lives in the working directory,
// so every test gets its own.
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

    // Runs statements on the database file through a separate connection, so tests can
    // seed or inspect the catalogue independently of the code under test.
    void execute(const QStringList &statements) const;
    QStringList query(const QString &statement) const;
    // Every row of every catalogue and settings table, as "table:row", sorted: compare two
    // snapshots to tell whether anything changed.
    QStringList snapshot() const;

private:
    QString previous;
    QTemporaryDir dir;
};

// The widget currently shown as the screen of a Controller-like window.
QWidget *currentScreen(QWidget *controller);

#endif // TESTWORKSPACE_H
