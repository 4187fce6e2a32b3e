#include "cataloguechange.h"
#include "controller.h"
#include "databasevelmoraapp.h"
#include "pgserver.h"
#include "testworkspace.h"

#include <memory>

namespace {
// A trigger that makes a statement fail, in the file's words and in the server's (made there
// by the tables' owner, since neither a teacher nor a learner may make one).
struct Breaking
{
    QStringList file;
    QString server;
};

Breaking failing(const QString &event, const QString &table, const QString &when = {})
{
    const QString condition = when.isEmpty() ? QString() : " WHEN (" + when + ")";
    return {{QStringLiteral("CREATE TRIGGER t BEFORE %1 ON %2%3 BEGIN SELECT RAISE(ABORT, 'x'); "
                            "END")
                 .arg(event, table, condition)},
            QStringLiteral("CREATE OR REPLACE FUNCTION failing() RETURNS trigger LANGUAGE plpgsql "
                           "AS $$BEGIN RAISE EXCEPTION 'x'; END$$;"
                           "CREATE TRIGGER t BEFORE %1 ON %2 FOR EACH ROW%3 EXECUTE FUNCTION "
                           "failing()")
                .arg(event, SqlDialect(SqlDialect::PostgreSQL).table(table), condition)};
}
} // namespace

// The data store: the settings, catalogue reads and writes, id allocation and
// all-or-nothing changes; each test on the SQLite file and on a PostgreSQL server.
class TestDatabase : public QObject
{
    Q_OBJECT

    std::unique_ptr<PgServer> server;
    QString database; // the test's own on the server
    int databases = 0;

    bool onServer() const
    {
        QFETCH_GLOBAL(QString, backend);
        return backend == "server";
    }
    // A fresh database for the program: the workspace's file, or a new one on the server,
    // to which the teacher tom has connected once (and so holds his own settings).
    void fresh()
    {
        if (!onServer()) {
            qunsetenv(DatabaseLocation::environmentVariable);
            return;
        }
        database = QStringLiteral("t%1").arg(++databases);
        QVERIFY2(server->createSchoolDatabase(database), qPrintable(server->errorString()));
        qputenv(DatabaseLocation::environmentVariable, server->uri("tom", database).toUtf8());
        DatabaseConnection first(DatabaseLocation::resolve());
        QVERIFY2(first.open(), qPrintable(first.errorString()));
    }
    void breakWith(const TestWorkspace &workspace, const Breaking &breaking)
    {
        if (!onServer()) {
            workspace.execute(breaking.file);
            return;
        }
        const PgServer::Result made = server->psql("postgres", database, breaking.server);
        QVERIFY2(made.exitCode == 0, qPrintable(made.err));
    }
    // What the database holds, byte for byte: the file, or the server's dump.
    QByteArray stored(const TestWorkspace &workspace) const
    {
        return onServer() ? server->dump(database).out.toUtf8()
                          : readFile(workspace.databaseFile());
    }

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::newRow("file") << "file";
        QTest::newRow("server") << "server";
    }

    void initTestCase()
    {
        server = std::make_unique<PgServer>();
        QVERIFY2(server->isRunning(), qPrintable(server->errorString()));
        QVERIFY2(server->createSchoolDatabase("t0"), qPrintable(server->errorString()));
        QVERIFY2(server->createTeacher("tom"), qPrintable(server->errorString()));
    }

    void init() { fresh(); }

    void cleanupTestCase() { qunsetenv(DatabaseLocation::environmentVariable); }

    void settingsReadBackWhatWasWritten()
    {
        TestWorkspace workspace;
        workspace.provision();
        DatabaseVelmoraApp db;
        // The code is bound as a value: no text can change the statement.
        const QString hostile = QStringLiteral("EN'; DELETE FROM lang; --");
        db.setCurrentCountryCode(hostile);
        QCOMPARE(db.getCurrentCountryCode(), hostile);
        QCOMPARE(workspace.query("SELECT count(*) FROM lang"), QStringList{"3"});
        db.setCurrentCategoryIds({3, 3, 1});
        QCOMPARE(db.getCurrentCategoryIds(), QList<int>({3, 3, 1}));
        db.setCurrentCategoryIds({});
        QCOMPARE(db.getCurrentCategoryIds(), QList<int>());

        // Settings rows are only ever updated: without them reads are empty, writes do nothing.
        const QString settings = workspace.dialect().table("settings");
        workspace.execute({"DELETE FROM " + settings});
        db.setCurrentLanguageId(1);
        QCOMPARE(db.getCurrentLanguageId(), 0);
        QCOMPARE(workspace.query("SELECT count(*) FROM " + settings), QStringList{"0"});
    }

    void readsFollowTheLanguageAndKeepTheirOrder()
    {
        TestWorkspace workspace;
        workspace.provision();
        // Question 2 has no Estonian text; Cat2's German name is stored last.
        seedCatalogue(workspace, 2, {1, 2});
        workspace.execute({"DELETE FROM question_lang WHERE question_id = 2 AND lang_id = 3",
                           "DELETE FROM category_lang WHERE category_id = 2 AND lang_id = 1",
                           "INSERT INTO category_lang VALUES (2, 1, 'Cat2 DE')"});
        DatabaseVelmoraApp db;
        QCOMPARE(db.getQuestionTextAt(1), "Q1 EN");
        db.setCurrentLanguageId(1);
        QCOMPARE(db.getCategoryNameForQuestionId(2), "Cat2 DE");
        // All-language lists in language order, whatever the insertion order.
        QCOMPARE(db.getCategoryNamesAt(2), QStringList({"Cat2 DE", "Cat2 EN", "Cat2 EE"}));
        QCOMPARE(db.getQuestionTextsAt(2), QStringList({"Q2 DE", "Q2 EN"}));
        QCOMPARE(db.getExplanationTextsToAnswerId(14), QStringList({"", "", ""})); // NULL
        // True and false texts parallel to their ids, ascending by answer id.
        QCOMPARE(db.getTrueAnswerIdsToQuestionId(1), QList<int>({11, 12}));
        QCOMPARE(db.getTrueAnswerTextsToQuestionId(1), QStringList({"right 11", "right 12"}));
        QCOMPARE(db.getFalseAnswerIdsToQuestionId(1), QList<int>({13, 14}));
        // The argument's category order is kept, and a repeated category repeats its questions.
        QCOMPARE(db.getQuestionIdsToCategoryIds({2, 1}), QList<int>({2, 1}));
        QCOMPARE(db.getQuestionIdsToCategoryIds({1, 1}), QList<int>({1, 1}));
        // Missing rows read empty.
        db.setCurrentLanguageId(3);
        QCOMPARE(db.getQuestionTextAt(2), QString());
        QCOMPARE(db.getCategoryNameForQuestionId(99), QString());
        workspace.execute({"DELETE FROM " + workspace.dialect().table("settings")});
        QCOMPARE(db.getTrueAnswerTextsToQuestionId(1), QStringList());
        QCOMPARE(db.getTrueAnswerIdsToQuestionId(1), QList<int>({11, 12}));
    }

    void nextFreeId_data()
    {
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<int>("expected");
        QTest::newRow("empty") << QList<int>() << 1;
        QTest::newRow("dense") << QList<int>({1, 2, 3}) << 4;
        QTest::newRow("gap") << QList<int>({1, 2, 4}) << 3;
        QTest::newRow("first missing") << QList<int>({2, 3}) << 1;
        QTest::newRow("two gaps") << QList<int>({1, 3, 5}) << 2;
    }

    void nextFreeId()
    {
        QFETCH(QList<int>, ids);
        QFETCH(int, expected);
        QCOMPARE(DatabaseVelmoraApp::getNextFreeId(ids), expected);

        // The table-based allocation gives the same result as the list walk.
        TestWorkspace workspace;
        workspace.provision();
        for (int id : ids)
            workspace.execute({QStringLiteral("INSERT INTO category VALUES (%1)").arg(id)});
        DatabaseVelmoraApp db;
        QCOMPARE(db.addCategory(), expected);
        // Outside a change another program (the database editor) may take the next id.
        workspace.execute({QStringLiteral("INSERT INTO category SELECT %1 WHERE NOT EXISTS "
                                          "(SELECT 1 FROM category WHERE category_id = %1)")
                               .arg(expected + 1)});
        const QStringList taken = workspace.query("SELECT category_id FROM category");
        QVERIFY(!taken.contains(QString::number(db.addCategory())));
    }

    void failedCompositeLeavesDatabaseUnchanged_data()
    {
        QTest::addColumn<QStringList>("breakingFile"); // run before the change
        QTest::addColumn<QString>("breakingServer");
        QTest::addColumn<int>("questionId"); // deleted; 0: the quiz settings stored
        auto row = [](const char *name, const Breaking &breaking, int questionId) {
            QTest::newRow(name) << breaking.file << breaking.server << questionId;
        };
        // Question 3 is the last of category 2.
        row("delete: category removal fails", failing("DELETE", "category_lang"), 3);
        row("delete: answer removal fails", failing("DELETE", "answer"), 3);
        row("settings: category list refill fails",
            failing("INSERT", "quiz_settings_current_category_id", "NEW.current_category_id = 2"),
            0);
        // Whether category 1 keeps a question is read after question 1 has gone; that read
        // fails at question 3, past its first row (abs() of the lowest integer overflows,
        // or a division by zero, where it is reached), while failing_reads holds a row.
        const QString view =
            "CREATE VIEW question AS SELECT question_id, CASE WHEN question_id = 3 AND EXISTS "
            "(SELECT 1 FROM failing_reads) THEN %1 ELSE category_id END AS category_id FROM "
            "stored_question";
        row("delete: a read fails part way",
            {{"ALTER TABLE question RENAME TO stored_question",
              view.arg("abs(-9223372036854775808)"),
              "CREATE TRIGGER t INSTEAD OF DELETE ON question BEGIN DELETE FROM "
              "stored_question WHERE question_id = OLD.question_id; END"},
             // A view of one table takes deletions by itself.
             "ALTER TABLE question RENAME TO stored_question;" +
                 view.arg("category_id / (question_id - 3)") +
                 ";GRANT SELECT ON question TO velmora_learner;"
                 "GRANT INSERT, UPDATE, DELETE ON question TO velmora_teacher"},
            1);
    }

    void failedCompositeLeavesDatabaseUnchanged()
    {
        QFETCH(QStringList, breakingFile);
        QFETCH(QString, breakingServer);
        QFETCH(int, questionId);
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 2, {1, 1, 2});
        breakWith(workspace, {{"CREATE TABLE failing_reads (x int)"},
                              "CREATE TABLE failing_reads (x int);"
                              "GRANT ALL ON failing_reads TO PUBLIC"});
        breakWith(workspace, {breakingFile, breakingServer});
        const QStringList before = workspace.snapshot();
        workspace.execute({"INSERT INTO failing_reads VALUES (1)"});
        Controller controller;
        if (questionId)
            QVERIFY(!controller.deleteQuestionAndAnswers(questionId));
        else
            QVERIFY(!controller.saveQuizSettings(9, 40, {1, 2}));
        workspace.execute({"DELETE FROM failing_reads"}); // lets the snapshot read
        QCOMPARE(workspace.snapshot(), before);
        // The connection is usable afterwards, outside any change.
        controller.setNumberOfQuestions(3);
        QCOMPARE(controller.getNumberOfQuestions(), 3);
    }

    void bulkDeletionIsTheSingleOnesTogether_data()
    {
        QTest::addColumn<QList<int>>("deleted");
        QTest::addColumn<int>("cancelAt"); // the count done when Cancel is pressed; -1: never
        QList<int> thirdCategory;          // more ids than one statement takes
        for (int q = 1300; q >= 5; --q)
            thirdCategory << q;
        QTest::newRow("one of a category's two") << QList<int>{1} << -1;
        QTest::newRow("a category emptied, an unknown id") << QList<int>{4, 99, 3} << -1;
        QTest::newRow("many, a category emptied") << thirdCategory + QList<int>{2} << -1;
        QTest::newRow("cancelled at once") << QList<int>{3, 4} << 0;
        QTest::newRow("cancelled part way") << thirdCategory << 1000;
    }

    // Deleting many questions at once leaves what deleting them one by one leaves, history
    // and memory included; cancelled, it leaves the file as it was, byte for byte.
    void bulkDeletionIsTheSingleOnesTogether()
    {
        QFETCH(QList<int>, deleted);
        QFETCH(int, cancelAt);
        // Categories 1 and 2 hold two questions each, 3 the rest, 4 none.
        QList<int> categories{1, 1, 2, 2};
        while (categories.size() < 1300)
            categories << 3;
        const auto deleting = [&](bool together, QStringList *left) {
            if (!together)
                fresh(); // the second deletion on a database of its own
            TestWorkspace workspace;
            workspace.provision();
            seedCatalogue(workspace, 4, categories);
            Controller controller;
            int runId = 0;
            for (int q : {1, 3, 5, 700, 1300}) {
                RecordedAnswer answer;
                answer.questionId = q;
                QVERIFY(controller.learning().record(runId, answer));
            }
            const QByteArray before = stored(workspace);
            if (together) {
                QList<int> done;
                const bool stored = controller.deleteQuestions(deleted, [&](int count) {
                    done << count;
                    return count != cancelAt;
                });
                QCOMPARE(stored, cancelAt < 0);
                QCOMPARE(done.first(), 0);
                QVERIFY(done.last() < deleted.size());
            } else {
                CatalogueChange change(&controller);
                for (int q : deleted)
                    controller.deleteQuestionAndAnswers(q);
                QVERIFY(change.commit());
            }
            if (cancelAt >= 0)
                QCOMPARE(stored(workspace), before);
            *left = workspace.snapshot() +
                    workspace.query("SELECT question_id FROM answer_history ORDER BY 1") +
                    workspace.query("SELECT question_id FROM question_memory ORDER BY 1");
        };
        QStringList together, oneByOne;
        deleting(true, &together);
        if (cancelAt < 0 && !QTest::currentTestFailed()) {
            deleting(false, &oneByOne);
            QCOMPARE(together, oneByOne);
        }
    }

    void nestedScopes()
    {
        TestWorkspace workspace;
        workspace.provision();
        breakWith(workspace, failing("INSERT", "question_lang", "NEW.lang_id = 3"));
        Controller controller;
        {
            CatalogueChange outer(&controller);
            const int category = controller.addCategory();
            {
                CatalogueChange inner(&controller);
                const int question = controller.addQuestion(category);
                controller.setDEQuestionText(question, "Frage");
                controller.setEEQuestionText(question, "Küsimus"); // fails
                QVERIFY(!inner.commit());
            }
            controller.setENCategoryText(category, "New"); // skipped: the change already failed
            QVERIFY(!outer.commit());
        }
        {
            CatalogueChange abandoned(&controller);
            controller.setDECategoryText(controller.addCategory(), "Drei");
        } // left without commit: rolled back
        QVERIFY(workspace.snapshot().filter(QRegularExpression("^(category|question)")).isEmpty());
    }
};

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
