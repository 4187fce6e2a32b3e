#include "testworkspace.h"

#include "checkbox.h"
#include "clickablelabel.h"
#include "controller.h"
#include "databaselocation.h"
#include "databaseprovisioner.h"
#include "filedialogs.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

TestWorkspace::TestWorkspace() : previous(QDir::currentPath())
{
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        qFatal("cannot enter a temporary working directory");
}

TestWorkspace::~TestWorkspace()
{
    QDir::setCurrent(previous);
}

void TestWorkspace::provision() const
{
    DatabaseProvisioner::provision(DatabaseProvisioner::templatePath, databaseFile());
}

namespace {
// Only the environment: a test that points the program at a server says so there.
DatabaseLocation serverInUse()
{
    const DatabaseLocation location =
        DatabaseLocation::parse(qEnvironmentVariable(DatabaseLocation::environmentVariable));
    return location.isServer() ? location : DatabaseLocation();
}
} // namespace

SqlDialect TestWorkspace::dialect() const
{
    return SqlDialect(serverInUse().isServer() ? SqlDialect::PostgreSQL : SqlDialect::SQLite);
}

// The statements run on one connection of their own, apart from the code under test's;
// the rows are those of the last one.
QStringList TestWorkspace::run(const QStringList &statements) const
{
    const QString connection = QStringLiteral("velmora-test-inspection");
    const DatabaseLocation server = serverInUse();
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(dialect().driverName(), connection);
        if (server.isServer())
            db.setConnectOptions(server.connectOptions());
        else
            db.setDatabaseName(databaseFile());
        if (!db.open())
            qFatal("cannot open %s: %s",
                   qPrintable(server.isServer() ? server.uri() : databaseFile()),
                   qPrintable(db.lastError().text()));
        for (const QString &statement : statements) {
            QSqlQuery query(db);
            if (!query.exec(statement))
                qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
            rows.clear();
            while (query.next()) {
                QStringList fields;
                for (int i = 0; i < query.record().count(); ++i)
                    fields << (query.isNull(i) ? QStringLiteral("NULL")
                                               : query.value(i).toString());
                rows << fields.join(QLatin1Char('|'));
            }
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return rows;
}

QStringList TestWorkspace::snapshot() const
{
    QStringList rows;
    for (const char *table :
         {"category", "category_lang", "question", "question_lang", "answer", "answer_lang",
          "question_answer", "quiz_settings", "quiz_settings_current_category_id", "settings"}) {
        const QStringList tableRows =
            query(QStringLiteral("SELECT * FROM %1").arg(dialect().table(table)));
        for (const QString &row : tableRows)
            rows << QLatin1String(table) + QLatin1Char(':') + row;
    }
    rows.sort();
    return rows;
}

QWidget *currentScreen(QWidget *controller)
{
    QLayoutItem *item = controller->layout() ? controller->layout()->itemAt(0) : nullptr;
    return item ? item->widget() : nullptr;
}

QStringList deleteList(QWidget *screen)
{
    QStringList groups;
    for (QGroupBox *group : screen->findChildren<QGroupBox *>()) {
        QStringList questions;
        for (CheckBox *row : group->findChildren<CheckBox *>()) {
            if (row->isVisibleTo(screen))
                questions << row->findChild<ClickableLabel *>()->text();
        }
        if (group->isVisibleTo(screen))
            groups << group->title() + ": " + questions.join(", ");
    }
    return groups;
}

QWidget *openQuestionFiles(Controller &controller, const QStringList &files)
{
    controller.showAddQuestionsPerFile();
    controller.fileDialogs()->setNextOpenFileNames(files);
    QWidget *screen = currentScreen(&controller);
    child<QAbstractButton>(screen, "pbOpenFile")->click();
    return screen;
}

void exportCatalogue(Controller &controller, const QString &file)
{
    controller.showManageQuestionsMenu();
    controller.fileDialogs()->setNextSaveFileName(file);
    child<QAbstractButton>(currentScreen(&controller), "pbExportQuestions")->click();
}

void paste(QLineEdit *line, const QString &text)
{
    line->clear();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    if (line->text() != text)
        qFatal("paste into %s failed", qPrintable(line->objectName()));
}

QString writeFile(const QString &name, const QByteArray &contents)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(name));
    return name;
}

QByteArray readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void press(QWidget *widget, const char *name)
{
    if (name)
        widget = child<QAbstractButton>(widget, QLatin1String(name));
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      QPoint(qMin(8, widget->width() / 2), widget->height() / 2));
}

void seedCatalogue(const TestWorkspace &workspace, int categories,
                   const QList<int> &questionCategories)
{
    QStringList sql;
    for (int c = 1; c <= categories; ++c)
        sql << QStringLiteral("INSERT INTO category VALUES (%1)").arg(c);
    // One statement for all questions: each statement of its own would commit on its own.
    QStringList questions;
    for (int q = 1; q <= questionCategories.size(); ++q)
        questions << QStringLiteral("(%1, %2)").arg(q).arg(questionCategories.at(q - 1));
    if (!questions.isEmpty())
        sql << QStringLiteral("INSERT INTO question VALUES ") + questions.join(QLatin1Char(','));
    // Each text names its entry and language; answer 10q + k is true for k <= 1 + q % 3,
    // stored as the text 'true' in the file and as a boolean on a server.
    const QString isTrue = QStringLiteral("answer_id % 10 <= 1 + answer_id / 10 % 3");
    workspace.execute(
        sql +
        QStringList{"INSERT INTO category_lang SELECT category_id, lang_id, "
                    "'Cat' || category_id || ' ' || country_code FROM category, lang",
                    "INSERT INTO question_lang SELECT question_id, lang_id, "
                    "'Q' || question_id || ' ' || country_code FROM question, lang",
                    "INSERT INTO answer SELECT 10 * question_id + k FROM question, "
                    "(SELECT 1 AS k UNION SELECT 2 UNION SELECT 3 UNION SELECT 4) AS ks",
                    "INSERT INTO question_answer SELECT answer_id, answer_id / 10, " +
                        (workspace.onServer()
                             ? isTrue
                             : "CASE WHEN " + isTrue + " THEN 'true' ELSE 'false' END") +
                        " FROM answer",
                    "INSERT INTO answer_lang SELECT answer_id, lang_id, CASE is_True WHEN 'true' "
                    "THEN 'right ' ELSE 'wrong ' END || answer_id, CASE is_True WHEN 'true' "
                    "THEN 'because ' || answer_id END FROM question_answer, lang"});
}

void storeQuizSettings(const TestWorkspace &workspace, int number, int seconds,
                       const QList<int> &categoryIds)
{
    // On a server, the role's own (made at its first connection).
    const QString settings = workspace.dialect().table(QStringLiteral("quiz_settings"));
    const QString categories =
        workspace.dialect().table(QStringLiteral("quiz_settings_current_category_id"));
    QStringList sql{QStringLiteral("UPDATE %1 SET question_number = %2, time_per_question = %3")
                        .arg(settings)
                        .arg(number)
                        .arg(seconds),
                    QStringLiteral("DELETE FROM %1").arg(categories)};
    for (int id : categoryIds)
        sql << QStringLiteral("INSERT INTO %1 (current_category_id) VALUES (%2)")
                   .arg(categories)
                   .arg(id);
    workspace.execute(sql);
}

ToolRun runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {exitCode, QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString commandLineTool()
{
    // Tests and tools sit side by side in the build tree.
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/velmora-csv");
}
