#include "databaseprovisioner.h"
#include "databasevelmoraapp.h"
#include "testworkspace.h"

#include <QFile>
#include <QFileInfo>
#include <QScopedPointer>
#include <QSemaphore>
#include <QSqlQuery>
#include <QThread>
#include <QSqlDatabase>
#include <QTest>

#include <unistd.h>

// Provisioning of the working-directory database, the template's contents, the
// connection and the settings operations.
class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void provisioningCopiesTemplateOnce();
    void provisioningNeverReplacesExistingFile_data();
    void provisioningNeverReplacesExistingFile();
    void templateSchemaAndRows();
    void settingsReadBackWhatWasWritten();
    void countryCodeIsBoundNotSpliced();
    void missingSettingsRowReadsEmpty();
    void unreadableDatabaseIsLeftAloneAndReadsEmpty_data();
    void unreadableDatabaseIsLeftAloneAndReadsEmpty();
    void busyTimeoutWaitsForAForeignLock();
};

namespace {
QByteArray readAll(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// cid|name|declared type|notnull|default|pk, one entry per column.
QString columns(const char *table)
{
    return QStringLiteral("SELECT cid, name, lower(type), \"notnull\", dflt_value, pk "
                          "FROM pragma_table_info('%1')")
        .arg(QLatin1String(table));
}
} // namespace

void TestDatabase::provisioningCopiesTemplateOnce()
{
    TestWorkspace workspace;
    DatabaseProvisioner::provision();
    const QByteArray bundled = readAll(DatabaseProvisioner::templatePath);
    QVERIFY(!bundled.isEmpty());
    QCOMPARE(readAll(QStringLiteral("databaseVelmoraApp")), bundled);
    QCOMPARE(QFile::permissions(QStringLiteral("databaseVelmoraApp")) & 0x0777,
             QFileDevice::Permissions(QFileDevice::ReadUser | QFileDevice::WriteUser) & 0x0777);
    QCOMPARE(QFileInfo(QStringLiteral("databaseVelmoraApp")).permissions() & 0x6666,
             QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                 QFileDevice::WriteUser);
}

void TestDatabase::provisioningNeverReplacesExistingFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("older user database") << QByteArray();
    QTest::newRow("corrupt file") << QByteArray("this is not a database at all");
    QTest::newRow("truncated file") << QByteArray("SQLite format 3\0", 16);
}

void TestDatabase::provisioningNeverReplacesExistingFile()
{
    QFETCH(QByteArray, contents);
    TestWorkspace workspace;
    QByteArray existing = contents;
    if (existing.isEmpty()) {
        workspace.provision();
        workspace.execute({QStringLiteral("UPDATE quiz_settings SET question_number = 17")});
        existing = readAll(workspace.databaseFile());
    } else {
        QFile f(workspace.databaseFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(existing);
    }
    // Someone took the owner's write permission away.
    QVERIFY(QFile::setPermissions(workspace.databaseFile(), QFileDevice::ReadOwner));

    DatabaseProvisioner::provision();

    QCOMPARE(readAll(workspace.databaseFile()), existing);
    QVERIFY(QFile::permissions(workspace.databaseFile()) & QFileDevice::WriteOwner);
}

void TestDatabase::templateSchemaAndRows()
{
    TestWorkspace workspace;
    workspace.provision();
    QCOMPARE(workspace.query(QStringLiteral(
                 "SELECT type || ':' || name FROM sqlite_master WHERE type = 'table' ORDER BY rowid")),
             QStringList({"table:question", "table:sqlite_sequence", "table:question_answer",
                          "table:answer", "table:lang", "table:category", "table:category_lang",
                          "table:quiz_settings", "table:quiz_settings_current_category_id",
                          "table:settings", "table:question_lang", "table:answer_lang"}));
    // Nothing but the tables and the indexes SQLite makes for composite primary keys.
    QCOMPARE(workspace.query(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type != "
                                            "'table' AND name NOT LIKE 'sqlite_autoindex_%'")),
             QStringList{"0"});
    QCOMPARE(workspace.query(QStringLiteral("PRAGMA page_size")), QStringList{"1024"});
    QCOMPARE(workspace.query(QStringLiteral("PRAGMA user_version")), QStringList{"0"});
    QCOMPARE(workspace.query(QStringLiteral("PRAGMA encoding")), QStringList{"UTF-8"});

    const QStringList schema = workspace.query(QStringLiteral("SELECT sql FROM sqlite_master"));
    const QString allSql = schema.join(QLatin1Char('\n'));
    QVERIFY(allSql.contains(QStringLiteral("-- 0 = keine Zeitbegrenzung")));
    QVERIFY(allSql.contains(QStringLiteral("--nur bei richtigen Antworten")));

    // Declared types, keys and nullability, column by column
    // (cid|name|type|notnull|default|pk).
    QCOMPARE(workspace.query(columns("question")),
             QStringList({"0|question_id|integer|1|NULL|1", "1|category_id|integer|1|NULL|0"}));
    QCOMPARE(workspace.query(columns("question_answer")),
             QStringList({"0|answer_id|integer|1|NULL|2", "1|question_id|integer|1|NULL|1",
                          "2|is_True|boolean|1|NULL|0"}));
    QCOMPARE(workspace.query(columns("lang")),
             QStringList({"0|lang_id|integer|1|NULL|1", "1|country_code|varchar(50)|0|NULL|0"}));
    QCOMPARE(workspace.query(columns("answer_lang")),
             QStringList({"0|answer_id|integer|1|NULL|1", "1|lang_id|integer|1|NULL|2",
                          "2|answer_text|varchar(250)|1|NULL|0",
                          "3|explanation_text|varchar(250)|0|NULL|0"}));
    QCOMPARE(workspace.query(columns("settings")),
             QStringList({"0|current_country_code|varchar(3)|1|NULL|0",
                          "1|current_lang_id|integer|1|NULL|0"}));
    for (const char *table : {"question", "answer", "lang", "category"}) {
        const QStringList sql = workspace.query(
            QStringLiteral("SELECT sql FROM sqlite_master WHERE name = '%1'").arg(table));
        QVERIFY2(sql.value(0).contains(QStringLiteral("AUTOINCREMENT")), table);
    }

    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM lang ORDER BY lang_id")),
             QStringList({"1|DE", "2|EN", "3|EE"}));
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings")), QStringList{"1|25"});
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM quiz_settings_current_category_id")),
             QStringList{"1"});
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM settings")), QStringList{"EN|2"});
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM sqlite_sequence")),
             QStringList({"category|27", "question|43", "answer|172"}));
    for (const char *table : {"category", "category_lang", "question", "question_lang", "answer",
                              "answer_lang", "question_answer"}) {
        QCOMPARE(workspace.query(QStringLiteral("SELECT count(*) FROM %1").arg(table)),
                 QStringList{"0"});
    }
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

    db.setCurrentCountryCode(QStringLiteral("EE"));
    db.setCurrentLanguageId(3);
    db.setNumberOfQuestions(-5);
    db.setTimePerQuestion(0);
    QCOMPARE(db.getCurrentCountryCode(), QStringLiteral("EE"));
    QCOMPARE(db.getCurrentLanguageId(), 3);
    QCOMPARE(db.getNumberOfQuestions(), -5);
    QCOMPARE(db.getTimePerQuestion(), 0);

    db.setCurrentCategoryIds({3, 3, 1});
    QCOMPARE(db.getCurrentCategoryIds(), QList<int>({3, 3, 1}));
    db.setCurrentCategoryIds({});
    QCOMPARE(db.getCurrentCategoryIds(), QList<int>());
    QCOMPARE(workspace.query(QStringLiteral("SELECT count(*) FROM quiz_settings_current_category_id")),
             QStringList{"0"});
}

void TestDatabase::countryCodeIsBoundNotSpliced()
{
    TestWorkspace workspace;
    workspace.provision();
    DatabaseVelmoraApp db;
    const QString hostile = QStringLiteral("EN'; DELETE FROM lang; --");
    db.setCurrentCountryCode(hostile);
    QCOMPARE(db.getCurrentCountryCode(), hostile);
    QCOMPARE(workspace.query(QStringLiteral("SELECT count(*) FROM lang")), QStringList{"3"});
    db.setCurrentCountryCode(QStringLiteral("DE"));
    QCOMPARE(workspace.query(QStringLiteral("SELECT * FROM settings")), QStringList{"DE|2"});
}

void TestDatabase::missingSettingsRowReadsEmpty()
{
    TestWorkspace workspace;
    workspace.provision();
    workspace.execute({QStringLiteral("DELETE FROM settings"), QStringLiteral("DELETE FROM quiz_settings")});
    DatabaseVelmoraApp db;
    QCOMPARE(db.getCurrentLanguageId(), 0);
    QCOMPARE(db.getCurrentCountryCode(), QString());
    QCOMPARE(db.getNumberOfQuestions(), 0);
    db.setCurrentLanguageId(1); // updates nothing, inserts nothing
    QCOMPARE(workspace.query(QStringLiteral("SELECT count(*) FROM settings")), QStringList{"0"});
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
    if (!contents.isEmpty()) {
        QFile f(workspace.databaseFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contents);
    }
    if (readOnlyDirectory) {
        if (geteuid() == 0)
            QSKIP("root ignores directory permissions");
        QFile::setPermissions(workspace.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }

    QTest::ignoreMessage(QtDebugMsg, "DB Verbingung könnte nicht geöffnet werden!");
    {
        DatabaseVelmoraApp db;
        QCOMPARE(db.getCurrentCountryCode(), QString());
        QCOMPARE(db.getCurrentLanguageId(), 0);
        QCOMPARE(db.getNumberOfQuestions(), 0);
        QCOMPARE(db.getCurrentCategoryIds(), QList<int>());
        db.setNumberOfQuestions(4);
        db.setCurrentCategoryIds({1, 2});
        QCOMPARE(db.getNumberOfQuestions(), 0);
    }
    QFile::setPermissions(workspace.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ExeOwner);
    QCOMPARE(readAll(workspace.databaseFile()), contents);
}

void TestDatabase::busyTimeoutWaitsForAForeignLock()
{
    TestWorkspace workspace;
    workspace.provision();
    DatabaseVelmoraApp db;

    // Another process (standing in for the external editor) holds the write lock for a
    // moment; the program's write must wait for it instead of being dropped.
    QSemaphore locked;
    const QString file = workspace.databaseFile();
    QScopedPointer<QThread> editor(QThread::create([&locked, file] {
        {
            QSqlDatabase other =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("editor"));
            other.setDatabaseName(file);
            other.open();
            QSqlQuery(QStringLiteral("BEGIN IMMEDIATE"), other);
            locked.release();
            QThread::msleep(400);
            QSqlQuery(QStringLiteral("COMMIT"), other);
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("editor"));
    }));
    editor->start();
    QVERIFY(locked.tryAcquire(1, 5000));
    db.setNumberOfQuestions(7);
    QVERIFY(editor->wait(5000));
    QCOMPARE(db.getNumberOfQuestions(), 7);
}

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
