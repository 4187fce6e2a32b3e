#include "databaseprovisioner.h"
#include "databasevelmoraapp.h"
#include "testworkspace.h"

#include <QFile>
#include <QSemaphore>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QThread>

#include <unistd.h>

// Provisioning of the working-directory database, the template, the connection and the
// settings operations.
class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void provisioning_data();
    void provisioning();
    void templateSchemaAndRows();
    void settingsReadBackWhatWasWritten();
    void unreadableDatabaseIsLeftAloneAndReadsEmpty_data();
    void unreadableDatabaseIsLeftAloneAndReadsEmpty();
    void writeWaitsForAForeignLock();
};

namespace {
QByteArray readAll(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &file, const QByteArray &contents)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contents);
}
} // namespace

void TestDatabase::provisioning_data()
{
    QTest::addColumn<QByteArray>("existing"); // empty: no file yet
    QTest::newRow("first start") << QByteArray();
    QTest::newRow("user database") << QByteArray("user data kept");
    QTest::newRow("corrupt or truncated file") << QByteArray("SQLite format 3\0", 16);
}

void TestDatabase::provisioning()
{
    QFETCH(QByteArray, existing);
    TestWorkspace workspace;
    if (!existing.isEmpty()) {
        writeAll(workspace.databaseFile(), existing);
        // Someone took the owner's write permission away.
        QVERIFY(QFile::setPermissions(workspace.databaseFile(), QFileDevice::ReadOwner));
    }
    DatabaseProvisioner::provision();
    const QByteArray expected =
        existing.isEmpty() ? readAll(DatabaseProvisioner::templatePath) : existing;
    QVERIFY(!expected.isEmpty());
    QCOMPARE(readAll(QStringLiteral("databaseVelmoraApp")), expected);
    QCOMPARE(QFile::permissions(workspace.databaseFile()) & 0x0fff,
             QFileDevice::ReadUser | QFileDevice::WriteUser);
}

void TestDatabase::templateSchemaAndRows()
{
    TestWorkspace workspace;
    workspace.provision();
    // Every column of every table, tables in order of creation:
    // table|column|declared type|not null|primary key position.
    QCOMPARE(workspace.query(
                 "SELECT m.name, p.name, lower(p.type), p.\"notnull\", p.pk FROM sqlite_master m, "
                 "pragma_table_info(m.name) p WHERE m.type = 'table' ORDER BY m.rowid, p.cid"),
             QStringList({"question|question_id|integer|1|1",
                          "question|category_id|integer|1|0",
                          "sqlite_sequence|name||0|0",
                          "sqlite_sequence|seq||0|0",
                          "question_answer|answer_id|integer|1|2",
                          "question_answer|question_id|integer|1|1",
                          "question_answer|is_True|boolean|1|0",
                          "answer|answer_id|integer|1|1",
                          "lang|lang_id|integer|1|1",
                          "lang|country_code|varchar(50)|0|0",
                          "category|category_id|integer|1|1",
                          "category_lang|category_id|integer|1|1",
                          "category_lang|lang_id|integer|1|2",
                          "category_lang|category_text|varchar(250)|1|0",
                          "quiz_settings|question_number|integer|1|0",
                          "quiz_settings|time_per_question|integer|1|0",
                          "quiz_settings_current_category_id|current_category_id|integer|1|0",
                          "settings|current_country_code|varchar(3)|1|0",
                          "settings|current_lang_id|integer|1|0",
                          "question_lang|question_id|integer|1|1",
                          "question_lang|lang_id|integer|1|2",
                          "question_lang|question_text|varchar(250)|1|0",
                          "answer_lang|answer_id|integer|1|1",
                          "answer_lang|lang_id|integer|1|2",
                          "answer_lang|answer_text|varchar(250)|1|0",
                          "answer_lang|explanation_text|varchar(250)|0|0"}));
    QCOMPARE(workspace.query("SELECT name FROM sqlite_master WHERE sql LIKE '%AUTOINCREMENT%'"),
             QStringList({"question", "answer", "lang", "category"}));
    // Nothing beyond the tables and the indexes of their composite keys.
    QCOMPARE(workspace.query("SELECT count(*) FROM sqlite_master WHERE type != 'table' "
                             "AND name NOT LIKE 'sqlite_autoindex_%'"),
             QStringList{"0"});
    const QString schema = workspace.query("SELECT group_concat(sql) FROM sqlite_master").value(0);
    QVERIFY(schema.contains("time_per_question integer NOT NULL -- 0 = keine Zeitbegrenzung"));
    QVERIFY(schema.contains("explanation_text varchar(250) --nur bei richtigen Antworten"));
    QCOMPARE(workspace.query("PRAGMA page_size") + workspace.query("PRAGMA user_version"),
             QStringList({"1024", "0"}));

    QCOMPARE(workspace.query("SELECT * FROM lang"), QStringList({"1|DE", "2|EN", "3|EE"}));
    QCOMPARE(workspace.query("SELECT * FROM quiz_settings"), QStringList{"1|25"});
    QCOMPARE(workspace.query("SELECT * FROM quiz_settings_current_category_id"), QStringList{"1"});
    QCOMPARE(workspace.query("SELECT * FROM settings"), QStringList{"EN|2"});
    QCOMPARE(workspace.query("SELECT * FROM sqlite_sequence"),
             QStringList({"category|27", "question|43", "answer|172"}));
    QCOMPARE(workspace.query("SELECT (SELECT count(*) FROM category) + (SELECT count(*) FROM "
                             "question) + (SELECT count(*) FROM answer) + (SELECT count(*) FROM "
                             "question_answer) + (SELECT count(*) FROM answer_lang)"),
             QStringList{"0"});
}

void TestDatabase::settingsReadBackWhatWasWritten()
{
    TestWorkspace workspace;
    workspace.provision();
    DatabaseVelmoraApp db;
    QCOMPARE(db.getCurrentCountryCode(), QStringLiteral("EN"));
    QCOMPARE(db.getCurrentLanguageId(), 2);
    QCOMPARE(db.getNumberOfQuestions(), 1);
    QCOMPARE(db.getTimePerQuestion(), 25);
    QCOMPARE(db.getCurrentCategoryIds(), QList<int>{1});

    // The code is bound as a value: no text can change the statement.
    const QString hostile = QStringLiteral("EN'; DELETE FROM lang; --");
    db.setCurrentCountryCode(hostile);
    db.setCurrentLanguageId(3);
    db.setNumberOfQuestions(-5);
    db.setTimePerQuestion(0);
    db.setCurrentCategoryIds({3, 3, 1});
    QCOMPARE(db.getCurrentCountryCode(), hostile);
    QCOMPARE(workspace.query("SELECT count(*) FROM lang"), QStringList{"3"});
    QCOMPARE(db.getCurrentLanguageId(), 3);
    QCOMPARE(db.getNumberOfQuestions(), -5);
    QCOMPARE(db.getTimePerQuestion(), 0);
    QCOMPARE(db.getCurrentCategoryIds(), QList<int>({3, 3, 1}));
    db.setCurrentCategoryIds({});
    QCOMPARE(db.getCurrentCategoryIds(), QList<int>());

    // Settings rows are only ever updated: without them reads are empty, writes do nothing.
    workspace.execute({"DELETE FROM settings"});
    QCOMPARE(db.getCurrentLanguageId(), 0);
    QCOMPARE(db.getCurrentCountryCode(), QString());
    db.setCurrentLanguageId(1);
    QCOMPARE(workspace.query("SELECT count(*) FROM settings"), QStringList{"0"});
}

void TestDatabase::unreadableDatabaseIsLeftAloneAndReadsEmpty_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("readOnlyDirectory");
    QTest::newRow("not a database") << QByteArray(4096, 'x') << false;
    QTest::newRow("truncated header") << QByteArray("SQLite format 3\0\x04", 18) << false;
    QTest::newRow("no file, directory not writable") << QByteArray() << true;
}

void TestDatabase::unreadableDatabaseIsLeftAloneAndReadsEmpty()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, readOnlyDirectory);
    TestWorkspace workspace;
    if (!contents.isEmpty())
        writeAll(workspace.databaseFile(), contents);
    if (readOnlyDirectory) {
        if (geteuid() == 0)
            QSKIP("root ignores directory permissions");
        QFile::setPermissions(workspace.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    QTest::ignoreMessage(QtDebugMsg, "DB Verbingung könnte nicht geöffnet werden!");
    {
        DatabaseVelmoraApp db;
        db.setNumberOfQuestions(4);
        db.setCurrentCategoryIds({1, 2});
        QCOMPARE(db.getCurrentCountryCode(), QString());
        QCOMPARE(db.getNumberOfQuestions(), 0);
        QCOMPARE(db.getCurrentCategoryIds(), QList<int>());
    }
    QFile::setPermissions(workspace.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(readAll(workspace.databaseFile()), contents);
}

void TestDatabase::writeWaitsForAForeignLock()
{
    TestWorkspace workspace;
    workspace.provision();
    DatabaseVelmoraApp db;
    // Another process (standing in for the external editor) holds the write lock for a
    // moment; the program's write waits for it instead of being lost.
    QSemaphore locked;
    const QString file = workspace.databaseFile();
    QScopedPointer<QThread> editor(QThread::create([&locked, file] {
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "editor");
            other.setDatabaseName(file);
            other.open();
            QSqlQuery(QStringLiteral("BEGIN IMMEDIATE"), other);
            locked.release();
            QThread::msleep(400);
            QSqlQuery(QStringLiteral("COMMIT"), other);
        }
        QSqlDatabase::removeDatabase("editor");
    }));
    editor->start();
    QVERIFY(locked.tryAcquire(1, 5000));
    db.setNumberOfQuestions(7);
    QVERIFY(editor->wait(5000));
    QCOMPARE(db.getNumberOfQuestions(), 7);
}

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
