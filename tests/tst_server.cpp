#include "pgserver.h"
#include "testworkspace.h"

#include <memory>

namespace {
// What refused statements could have changed in a database: every table's rows, the
// tables' grants and row-level security, the policies, and the roles' rights and groups.
// Read as the superuser, past the policies.
QString stateQuery()
{
    QStringList parts;
    for (const char *table : {"velmora_schema", "question", "question_answer", "answer", "lang",
                              "category", "category_lang", "question_lang", "answer_lang",
                              "quiz_settings", "quiz_settings_current_category_id", "settings",
                              "learner_settings", "learner_quiz_settings", "learner_quiz_category",
                              "practice_settings", "quiz_run", "answer_history", "question_memory"})
        parts << QStringLiteral("SELECT '%1:' || t::text FROM %1 t").arg(table);
    parts << "SELECT 'acl:' || relname || relrowsecurity || relforcerowsecurity"
             " || coalesce(relacl::text, '') FROM pg_class"
             " WHERE relnamespace = 'public'::regnamespace"
          << "SELECT 'policy:' || tablename || policyname || qual || with_check FROM pg_policies"
          << "SELECT 'role:' || rolname || rolsuper || rolcreaterole || rolcreatedb || rolbypassrls"
             " FROM pg_roles WHERE rolname !~ '^pg_'"
          << "SELECT 'member:' || roleid::regrole || '>' || member::regrole || admin_option"
             " FROM pg_auth_members";
    return parts.join(QStringLiteral(" UNION ALL ")) + QStringLiteral(" ORDER BY 1");
}

const char *const answerColumns =
    "answer_history (question_id, answered_utc, checked_answer_ids, correct, timed_out,"
    " duration_ms, run_id, lang_id)";

// A learner's rows in every table of their own, through their own connection (the DEFAULT
// current_user names the learner): a run, `answers` answers and one memory.
QString learnerRows(int answers)
{
    QStringList values;
    for (int i = 0; i < answers; ++i)
        values << QStringLiteral("(1, %1, '11', 1, 0, 900, 1, 2)").arg(100 + i);
    return QStringLiteral("INSERT INTO quiz_run (started_utc) VALUES (100);"
                          "INSERT INTO %1 VALUES %2;"
                          "INSERT INTO question_memory (question_id, fingerprint, reviews, lapses,"
                          " stability, difficulty, last_answer_utc, due_utc)"
                          " VALUES (1, 7, %3, 0, 2.5, 5.0, 101, 1000);"
                          "INSERT INTO learner_settings (current_country_code, current_lang_id)"
                          " VALUES ('DE', 1);"
                          "INSERT INTO practice_settings (quiz_mode) VALUES (1)")
        .arg(answerColumns, values.join(','))
        .arg(answers);
}
} // namespace

class TestServer : public QObject
{
    Q_OBJECT

    std::unique_ptr<PgServer> server;

    void check(const PgServer::Result &result)
    {
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    }
    QString state(const QString &database)
    {
        const PgServer::Result result = server->psql("postgres", database, stateQuery());
        if (result.exitCode != 0)
            qFatal("%s", qPrintable(result.err));
        return result.out;
    }

private slots:
    // Two schools on one server: "school" with the default group roles, "other" with its
    // own. Roles belong to the whole server, and every role may connect to every database,
    // so a school needs groups of its own, or its learners would hold the same rights in
    // every other school's tables.
    void initTestCase()
    {
        server = std::make_unique<PgServer>();
        QVERIFY2(server->isRunning(), qPrintable(server->errorString()));
        QVERIFY2(server->createSchoolDatabase("school"), qPrintable(server->errorString()));
        QVERIFY2(server->createSchoolDatabase("other", {"teacher=t2", "learner=l2"}),
                 qPrintable(server->errorString()));
        QVERIFY(server->createLearner("ann") && server->createLearner("ben") &&
                server->createTeacher("tom") && server->createLearner("lena", "l2") &&
                server->createTeacher("tina", "t2"));
        check(server->psql("tom", "school",
                           "INSERT INTO category VALUES (1);"
                           "INSERT INTO category_lang VALUES (1, 2, 'Cat');"
                           "INSERT INTO question VALUES (1, 1);"
                           "INSERT INTO question_lang VALUES (1, 2, 'Q1');"
                           "INSERT INTO answer VALUES (11);"
                           "INSERT INTO answer_lang VALUES (11, 2, 'right', NULL);"
                           "INSERT INTO question_answer VALUES (11, 1, true)"));
        check(server->psql("ann", "school", learnerRows(2)));
        check(server->psql("ben", "school", learnerRows(3)));
        check(server->psql("tom", "school", learnerRows(1)));
        check(server->psql("lena", "other", learnerRows(1)));
    }

    // A statement as a role: its exit status, then its output (exit 0) or a part of its
    // error (exit 1). Afterwards, as the superuser, `check` must give `checked`; without a
    // check, nothing in the database may have changed.
    void security_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("checked");
        const QString refusedByPolicy = "new row violates row-level security policy";
        auto row = [](const char *name, const QString &role, const QString &sql, int exitCode,
                      const QString &expected, const QString &database = "school") {
            QTest::newRow(name) << role << database << sql << exitCode << expected << QString()
                                << QString();
        };
        auto count = [](const QString &change) {
            return QStringLiteral("WITH changed AS (%1 RETURNING 1) SELECT count(*) FROM changed")
                .arg(change);
        };

        row("own history only", "ann", "SELECT learner, count(*) FROM answer_history GROUP BY 1", 0,
            "ann|2");
        row("other's history by name", "ann",
            "SELECT count(*) FROM answer_history WHERE learner = 'ben'", 0, "0");
        row("own memory only", "ann", "SELECT learner, reviews FROM question_memory", 0, "ann|2");
        row("own runs only", "ann", "SELECT learner FROM quiz_run", 0, "ann");
        row("own settings only", "ann", "SELECT learner FROM learner_settings", 0, "ann");
        row("own practice settings only", "ann", "SELECT learner FROM practice_settings", 0, "ann");
        row("own rows written", "ann",
            QStringLiteral("BEGIN; INSERT INTO %1 VALUES (1, 200, '', 0, 1, 25000, 2, 2);"
                           "UPDATE question_memory SET reviews = 3;"
                           "SELECT learner, count(*) FROM answer_history GROUP BY 1;"
                           "SELECT learner, reviews FROM question_memory; ROLLBACK")
                .arg(answerColumns),
            0, "ann|3\nann|3");
        row("history written for another", "ann",
            "INSERT INTO answer_history (learner, question_id, answered_utc, checked_answer_ids,"
            " correct, timed_out, duration_ms, run_id, lang_id)"
            " VALUES ('ben', 1, 200, '', 0, 1, 25000, 2, 2)",
            1, refusedByPolicy);
        row("own history handed to another", "ann", "UPDATE answer_history SET learner = 'ben'", 1,
            refusedByPolicy);
        row("settings written for another", "ann",
            "INSERT INTO learner_settings VALUES ('ben', 'EE', 3) "
            "ON CONFLICT (learner) DO UPDATE SET current_lang_id = 3",
            1, refusedByPolicy);
        row("other's history changed", "ann",
            count("UPDATE answer_history SET correct = 0 WHERE learner = 'ben'"), 0, "0");
        row("other's memory deleted", "ann",
            count("DELETE FROM question_memory WHERE learner = 'ben'"), 0, "0");
        row("other's settings deleted", "ann",
            count("DELETE FROM learner_settings WHERE learner <> current_user"), 0, "0");
        row("other's runs deleted", "ann", count("DELETE FROM quiz_run WHERE learner = 'ben'"), 0,
            "0");
        for (const auto &[name, sql, table] :
             {std::tuple{"question added", "INSERT INTO question VALUES (2, 1)", "question"},
              {"category renamed", "UPDATE category_lang SET category_text = 'X'", "category_lang"},
              {"answer text deleted", "DELETE FROM answer_lang", "answer_lang"},
              {"truth changed", "UPDATE question_answer SET is_true = false", "question_answer"},
              {"defaults changed", "UPDATE settings SET current_lang_id = 1", "settings"},
              {"schema version changed", "UPDATE velmora_schema SET version = 2",
               "velmora_schema"}})
            row(name, "ann", sql, 1, QStringLiteral("permission denied for table %1").arg(table));
        row("everyone's history", "ann", "SELECT count(*) FROM every_answer_history", 1,
            "permission denied for view every_answer_history");
        row("everyone's memory deleted", "ann", "DELETE FROM every_question_memory", 1,
            "permission denied for view every_question_memory");
        row("teacher's role taken", "ann", "SET ROLE velmora_teacher", 1,
            "permission denied to set role");
        row("teacher's group joined", "ann", "GRANT velmora_teacher TO ann", 1,
            "must have admin option on role");
        row("roles created", "ann", "ALTER ROLE ann CREATEROLE", 1, "permission denied");
        row("another's session", "ann", "SET SESSION AUTHORIZATION ben", 1,
            "permission denied to set session authorization");
        row("security switched off", "ann", "ALTER TABLE answer_history DISABLE ROW LEVEL SECURITY",
            1, "must be owner of table answer_history");
        row("policy dropped", "ann", "DROP POLICY own_rows ON answer_history", 1,
            "must be owner of relation answer_history");
        row("security bypassed", "ann", "SET row_security = off; SELECT * FROM answer_history", 1,
            "query would be affected by row-level security policy");
        row("table planted", "ann", "CREATE TABLE public.notes (t text)", 1,
            "permission denied for schema public");

        QTest::newRow("teacher changes the catalogue")
            << "tom"
            << "school"
            << "INSERT INTO category VALUES (2); INSERT INTO category_lang VALUES (2, 2, 'Two');"
               "UPDATE answer_lang SET explanation_text = 'since' WHERE answer_id = 11;"
               "DELETE FROM question_answer WHERE answer_id = 11;"
               "INSERT INTO question_answer VALUES (11, 1, false)"
            << 0 << ""
            << "SELECT category_text FROM category_lang WHERE category_id = 2"
               " UNION ALL SELECT explanation_text || ' ' || is_true::text FROM answer_lang"
               " JOIN question_answer USING (answer_id)"
            << "Two\nsince false";
        row("teacher's own history", "tom",
            "SELECT learner, count(*) FROM answer_history GROUP BY 1", 0, "tom|1");
        row("teacher reads everyone's history", "tom",
            "SELECT learner, count(*) FROM every_answer_history GROUP BY 1 ORDER BY 1", 0,
            "ann|2\nben|3\ntom|1");
        row("teacher takes the owner's role", "tom", "SET ROLE postgres", 1,
            "permission denied to set role");
        row("teacher switches security off", "tom",
            "ALTER TABLE question_memory DISABLE ROW LEVEL SECURITY", 1,
            "must be owner of table question_memory");

        row("other school's learner, own history", "lena", "SELECT learner FROM answer_history", 0,
            "lena", "other");
        // Only a school's own groups may connect to its database (psql: 2, no connection).
        row("other school's learner here", "lena", "SELECT count(*) FROM answer_history", 2,
            "permission denied for database \"school\"");
        row("learner in the other school", "ann", "SELECT count(*) FROM answer_history", 2,
            "permission denied for database \"other\"", "other");
        row("other school's teacher here", "tina", "INSERT INTO category VALUES (3)", 2,
            "permission denied for database \"school\"");
        row("teacher in the other school", "tom", "INSERT INTO category VALUES (3)", 2,
            "permission denied for database \"other\"", "other");
        // The teachers' lock of the catalogue is not the learners' to hold.
        row("learner holds the catalogue's lock", "ann",
            "SELECT pg_advisory_lock(24318364364010081)", 1,
            "permission denied for function pg_advisory_lock");
        row("learner shares the group's rows", "ann",
            "SET ROLE velmora_learner; INSERT INTO practice_settings (quiz_mode) VALUES (1)", 1,
            "new row violates row-level security policy");
    }

    void security()
    {
        QFETCH(QString, role);
        QFETCH(QString, database);
        QFETCH(QString, sql);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        QFETCH(QString, check);
        QFETCH(QString, checked);
        const QString before = state(database);

        const PgServer::Result result = server->psql(role, database, sql);
        QVERIFY2(result.exitCode == exitCode, qPrintable(result.err));
        if (exitCode == 0)
            QCOMPARE(result.out.trimmed(), expected);
        else
            QVERIFY2(result.err.contains(expected), qPrintable(result.err));

        if (check.isEmpty()) {
            QCOMPARE(state(database), before);
        } else {
            const PgServer::Result after = server->psql("postgres", database, check);
            QCOMPARE(after.out.trimmed(), checked);
        }
    }

    // Applying the schema again changes nothing, with every learner's rows in place.
    void reapply_data()
    {
        QTest::addColumn<QString>("database");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("learner");
        QTest::newRow("default groups") << "school" << QStringList() << "ben";
        QTest::newRow("groups of its own")
            << "other" << QStringList{"teacher=t2", "learner=l2"} << "lena";
    }

    void reapply()
    {
        QFETCH(QString, database);
        QFETCH(QStringList, variables);
        QFETCH(QString, learner);
        const PgServer::Result before = server->dump(database);
        QVERIFY2(before.exitCode == 0, qPrintable(before.err));
        QVERIFY(before.out.contains(QStringLiteral("\n%1\t").arg(learner)));

        QVERIFY2(server->createSchoolDatabase(database, variables),
                 qPrintable(server->errorString()));
        const PgServer::Result after = server->dump(database);
        QVERIFY2(after.exitCode == 0, qPrintable(after.err));
        QCOMPARE(after.out, before.out);
    }

    // The fault tests stop the server under the program and start it again.
    void restart()
    {
        const QString socket = server->socketDirectory() + "/.s.PGSQL.5432";
        QElapsedTimer timer;
        timer.start();
        QVERIFY2(server->stop(), qPrintable(server->errorString()));
        const qint64 stopped = timer.restart();
        QVERIFY(!QFile::exists(socket));
        QCOMPARE(server->psql("ann", "school", "SELECT 1").exitCode, 2);

        QVERIFY2(server->start(), qPrintable(server->errorString()));
        qInfo("stopped in %lld ms, started in %lld ms", stopped, timer.elapsed());
        QVERIFY(server->isRunning());
        QCOMPARE(server->psql("ben", "school", "SELECT count(*) FROM answer_history").out,
                 QString("3\n"));
        // The URI the program is given reaches the same server, as libpq reads it.
        const ToolRun viaUri = runProgram(
            "psql", {"-X", "-At", "-c", "SELECT current_user", server->uri("ben", "school")});
        QCOMPARE(viaUri.out, QString("ben\n"));
    }
};

QTEST_GUILESS_MAIN(TestServer)
#include "tst_server.moc"
