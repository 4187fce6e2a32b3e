#include "controller.h"
#include "databasevelmoraapp.h"
#include "pgserver.h"
#include "testworkspace.h"

#include <memory>

namespace {
const char learnArgument[] = "--learn-in-child";
const int learners = 30;
const int answersEach = 40;
const int answersPerRun = 8;
const int importedEach = 2000;

// "text DE;text EN;text EE"
QString inThreeLanguages(const QString &text)
{
    return QStringLiteral("%1 DE;%1 EN;%1 EE").arg(text);
}

// Velmora's CSV of the questions "<tag><n>", in the categories taken in turn, each with one
// true, explained answer and three false ones; and each question as `signatures` reads it.
struct Questions
{
    QByteArray file;
    QStringList signatures;
};
Questions questions(const QString &tag, int count, const QStringList &categories)
{
    Questions made;
    QStringList lines;
    for (int n = 0; n < count; ++n) {
        const QString q = tag + QString::number(n), category = categories[n % categories.size()];
        lines << inThreeLanguages(category) << inThreeLanguages(q)
              << inThreeLanguages('a' + q) + ';' + inThreeLanguages('e' + q);
        QStringList answers;
        for (const char *language : {" DE", " EE", " EN"}) // as the database sorts them
            answers << "+a" + q + language + "/e" + q + language;
        for (const char *answer : {"b", "c", "d"}) {
            lines << inThreeLanguages(answer + q);
            for (const char *language : {" DE", " EE", " EN"})
                answers << QLatin1Char('-') + answer + q + language;
        }
        made.signatures << category + " EN|" + inThreeLanguages(q) + '|' + answers.join(';');
    }
    made.file = lines.join('\n').toUtf8() + '\n';
    return made;
}

// Every question whole: its category's English name, its three texts, its answers with
// their truth, texts and explanations.
const char signatures[] =
    "WITH texts AS (SELECT question_id, string_agg(question_text, ';' ORDER BY lang_id) AS t"
    " FROM question_lang GROUP BY 1), answers AS (SELECT question_id, string_agg(CASE WHEN"
    " is_true THEN '+' ELSE '-' END || answer_text || coalesce('/' || nullif(explanation_text,"
    " ''), ''), ';' ORDER BY answer_text) AS t FROM question_answer JOIN answer_lang"
    " USING (answer_id) GROUP BY 1)"
    " SELECT c.category_text || '|' || texts.t || '|' || answers.t FROM question"
    " JOIN category_lang c ON c.category_id = question.category_id AND c.lang_id = 2"
    " JOIN texts USING (question_id) JOIN answers USING (question_id)";

// Rows of `table` that do not have exactly `expected` rows in `child` under their key.
QString notHaving(const char *table, const char *key, const char *child, int expected)
{
    return QStringLiteral("SELECT count(*) FROM %1 LEFT JOIN (SELECT %2, count(*) AS n FROM %3"
                          " GROUP BY %2) c USING (%2) WHERE c.n IS DISTINCT FROM %4")
        .arg(table, key, child)
        .arg(expected);
}

// Each kind of damage a change of the catalogue could leave, counted; all must be 0.
const QList<QPair<QString, QString>> damage = {
    {"question without its three texts", notHaving("question", "question_id", "question_lang", 3)},
    {"question without four answers", notHaving("question", "question_id", "question_answer", 4)},
    {"answer not in exactly one question", notHaving("answer", "answer_id", "question_answer", 1)},
    {"answer without its three texts", notHaving("answer", "answer_id", "answer_lang", 3)},
    {"category without its three names", notHaving("category", "category_id", "category_lang", 3)},
    {"category without questions",
     "SELECT count(*) FROM category WHERE category_id NOT IN (SELECT category_id FROM question)"},
    {"rows of nothing",
     "SELECT (SELECT count(*) FROM question WHERE category_id NOT IN (SELECT category_id"
     " FROM category)) + (SELECT count(*) FROM question_lang WHERE question_id NOT IN"
     " (SELECT question_id FROM question)) + (SELECT count(*) FROM question_answer WHERE"
     " question_id NOT IN (SELECT question_id FROM question) OR answer_id NOT IN (SELECT"
     " answer_id FROM answer)) + (SELECT count(*) FROM answer_lang WHERE answer_id NOT IN"
     " (SELECT answer_id FROM answer)) + (SELECT count(*) FROM category_lang WHERE"
     " category_id NOT IN (SELECT category_id FROM category))"},
    {"category name twice", "SELECT count(*) FROM (SELECT FROM category_lang WHERE lang_id = 2"
                            " GROUP BY category_text HAVING count(*) > 1) twice"},
    // Every change took the lowest free ids, seeing the others' committed work.
    {"ids not the lowest free ones",
     "SELECT (SELECT coalesce(max(question_id), 0) - count(*) FROM question) +"
     " (SELECT coalesce(max(answer_id), 0) - count(*) FROM answer) +"
     " (SELECT coalesce(max(category_id), 0) - count(*) FROM category)"},
};

// Every row of the catalogue, sorted.
QString catalogueQuery()
{
    QStringList parts;
    for (const char *table : {"question", "question_answer", "answer", "category", "category_lang",
                              "question_lang", "answer_lang"})
        parts << QStringLiteral("SELECT '%1:' || t::text FROM %1 t").arg(table);
    return parts.join(QStringLiteral(" UNION ALL ")) + QStringLiteral(" ORDER BY 1");
}

// The child of concurrency(): records answersEach answers to questions 1..3 on the
// server as its own learner, a new run every answersPerRun answers.
int learnInChild(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    DatabaseVelmoraApp store(DatabaseLocation::parse(QString::fromLocal8Bit(argv[2])));
    if (!store.connection().isOpen()) {
        fprintf(stderr, "%s\n", qPrintable(store.connection().errorString()));
        return 2;
    }
    int runId = 0;
    for (int answer = 0; answer < answersEach; ++answer) {
        if (answer % answersPerRun == 0)
            runId = 0;
        if (!store.learning().record(
                runId, {1 + answer % 3, 0, {}, answer % 3 != 1, false, 500 + answer, 2})) {
            fprintf(stderr, "answer %d not recorded\n", answer);
            return 1;
        }
    }
    return 0;
}
} // namespace

// A classroom on one server: teachers and learners at once, a change waiting for another's,
// the server gone in the middle of the work.
class TestClassroom : public QObject
{
    Q_OBJECT

    std::unique_ptr<PgServer> server;
    int databases = 0;

    QString query(const QString &database, const QString &sql)
    {
        const PgServer::Result result = server->psql("postgres", database, sql);
        if (result.exitCode != 0)
            qFatal("%s", qPrintable(result.err));
        return result.out;
    }
    QStringList rows(const QString &database, const QString &sql)
    {
        QStringList all = query(database, sql).split('\n', Qt::SkipEmptyParts);
        all.sort();
        return all;
    }
    QStringList damaged(const QString &database)
    {
        QStringList checks;
        for (const auto &[name, sql] : damage)
            checks << QStringLiteral("SELECT '%1' WHERE (%2) <> 0").arg(name, sql);
        return rows(database, checks.join(" UNION ALL "));
    }
    // A fresh database holding the questions s0..s2 (ids 1..3) in the category "Start".
    void school(const QString &database)
    {
        QVERIFY2(server->createSchoolDatabase(database), qPrintable(server->errorString()));
        const QString file = writeFile(database + "-start.csv", start.file);
        const ToolRun seeded =
            runTool({"import", file, "--database", server->uri("tom", database)});
        QVERIFY2(seeded.exitCode == 0, qPrintable(seeded.err));
    }
    bool lockHeld(const QString &database)
    {
        return query(database, "SELECT count(*) FROM pg_locks WHERE locktype = 'advisory'"
                               " AND granted AND database = (SELECT oid FROM pg_database"
                               " WHERE datname = current_database())")
                   .trimmed() == "1";
    }
    // The catalogue's lock, held by another teacher's psql for `seconds`.
    void holdLock(QProcess &holder, const QString &database, double seconds)
    {
        holder.start("psql", {"-X", "-q", "-c",
                              QStringLiteral("SELECT pg_advisory_lock(24318364364010081);"
                                             " SELECT pg_sleep(%1)")
                                  .arg(seconds),
                              server->uri("tia", database)});
        QTRY_VERIFY_WITH_TIMEOUT(lockHeld(database), 10000);
    }
    std::shared_ptr<QProcess> startImport(const QString &teacher, const QString &database,
                                          const QString &file)
    {
        auto import = std::make_shared<QProcess>();
        import->start(commandLineTool(),
                      {"import", file, "--database", server->uri(teacher, database)});
        return import;
    }

    const Questions start = questions("s", 3, {"Start"});

private slots:
    void initTestCase()
    {
        server = std::make_unique<PgServer>();
        QVERIFY2(server->isRunning(), qPrintable(server->errorString()));
        // The group roles come with the first school's schema.
        QVERIFY2(server->createSchoolDatabase("crowd"), qPrintable(server->errorString()));
        QStringList roles{"CREATE ROLE tom LOGIN IN ROLE velmora_teacher",
                          "CREATE ROLE tia LOGIN IN ROLE velmora_teacher"};
        for (int l = 1; l <= learners; ++l)
            roles << QStringLiteral("CREATE ROLE l%1 LOGIN IN ROLE velmora_learner")
                         .arg(l, 2, 10, QChar('0'));
        const PgServer::Result created = server->psql("postgres", "postgres", roles.join(';'));
        QVERIFY2(created.exitCode == 0, qPrintable(created.err));
    }

    // Two teachers import 2,000 questions each at the same moment, partly into categories
    // of the same names, while 30 learners record their answers.
    void concurrency()
    {
        TestWorkspace workspace;
        school("crowd");
        QStringList expected = start.signatures;
        QList<std::shared_ptr<QProcess>> imports, learning;
        // The catalogue's lock held while both imports start, so that they certainly meet:
        // both wait, and then one waits for the other.
        QProcess holder;
        holdLock(holder, "crowd", 3);
        QElapsedTimer timer;
        timer.start();
        for (const QString &teacher : {"tom", "tia"}) {
            const Questions own = questions(teacher, importedEach,
                                            {"Shared 0", "Shared 1", "Shared 2",
                                             teacher == "tom" ? "Start" : "Only " + teacher});
            expected += own.signatures;
            imports << startImport(teacher, "crowd", writeFile(teacher + ".csv", own.file));
        }
        for (int l = 1; l <= learners; ++l) {
            auto learner = std::make_shared<QProcess>();
            learner->start(QCoreApplication::applicationFilePath(),
                           {learnArgument,
                            server->uri(QStringLiteral("l%1").arg(l, 2, 10, QChar('0')), "crowd")});
            learning << learner;
        }
        int waitedOnce = 0;
        for (const auto &import : imports) {
            QVERIFY(import->waitForFinished(120000));
            const QString err = QString::fromUtf8(import->readAllStandardError());
            QVERIFY2(import->exitStatus() == QProcess::NormalExit && import->exitCode() == 0,
                     qPrintable(err));
            QCOMPARE(QString::fromUtf8(import->readAllStandardOutput()).section(' ', 0, 0),
                     QString::number(importedEach));
            waitedOnce +=
                err.count("velmora-csv: waiting for another change of the catalogue to end\n") == 1;
        }
        for (const auto &learner : learning) {
            QVERIFY(learner->waitForFinished(120000));
            QVERIFY2(learner->exitStatus() == QProcess::NormalExit && learner->exitCode() == 0,
                     learner->readAllStandardError().constData());
        }
        qInfo("2 x %d questions imported and %d x %d answers recorded in %lld ms", importedEach,
              learners, answersEach, timer.elapsed());
        // Both waited, for the holder and then one for the other, each saying so once.
        QCOMPARE(waitedOnce, 2);
        QVERIFY(holder.waitForFinished(10000));

        expected.sort();
        QCOMPARE(rows("crowd", signatures), expected);
        QCOMPARE(damaged("crowd"), QStringList());
        QStringList recorded;
        for (int l = 1; l <= learners; ++l)
            recorded << QStringLiteral("l%1|%2|%3|%2|0|0")
                            .arg(l, 2, 10, QChar('0'))
                            .arg(answersEach)
                            .arg(answersEach / answersPerRun);
        // Per learner: answers, runs, reviews in memory, runs of another size, answers
        // filed under a run that is not one of the learner's own.
        QCOMPARE(rows("crowd",
                      QStringLiteral(
                          "WITH runs AS (SELECT r.learner, r.run_id, count(h.answer_no) AS n"
                          " FROM quiz_run r LEFT JOIN answer_history h USING (learner, run_id)"
                          " GROUP BY 1, 2) SELECT learner, sum(n), count(*), (SELECT"
                          " sum(reviews) FROM question_memory m WHERE m.learner = runs.learner),"
                          " count(*) FILTER (WHERE n <> %1), (SELECT count(*) FROM"
                          " answer_history h WHERE h.learner = runs.learner AND NOT EXISTS"
                          " (SELECT FROM quiz_run o WHERE o.run_id = h.run_id AND o.learner ="
                          " h.learner)) FROM runs GROUP BY learner")
                          .arg(answersPerRun)),
                 recorded);
    }

    // Two teachers import the same file at once: the second finds the first's questions
    // under the lock and stores none of them again.
    void sameFileTwice()
    {
        TestWorkspace workspace;
        school("twice");
        const Questions same = questions("d", 50, {"Twice"});
        const QString file = writeFile("same.csv", same.file);
        QProcess holder;
        holdLock(holder, "twice", 2);
        const auto imports = {startImport("tom", "twice", file), startImport("tia", "twice", file)};
        QList<int> exitCodes;
        for (const auto &import : imports) {
            QVERIFY(import->waitForFinished(60000));
            exitCodes << import->exitCode();
        }
        std::sort(exitCodes.begin(), exitCodes.end());
        QCOMPARE(exitCodes, (QList<int>{0, 1}));
        QStringList expected = start.signatures + same.signatures;
        expected.sort();
        QCOMPARE(rows("twice", signatures), expected);
        QVERIFY(holder.waitForFinished(10000));
    }

    void lockWait_data()
    {
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<double>("holdSeconds");
        QTest::addColumn<bool>("stored");
        QTest::newRow("gives up") << 1500 << 6.0 << false;
        QTest::newRow("waits it out") << 10000 << 2.0 << true;
    }

    // Another change of the catalogue holds its lock: the import screen waits, saying so, and
    // either stores once the lock is free or gives up beyond its wait, storing nothing.
    void lockWait()
    {
        QFETCH(int, waitMs);
        QFETCH(double, holdSeconds);
        QFETCH(bool, stored);
        TestWorkspace workspace;
        const QString database = QStringLiteral("wait%1").arg(++databases);
        school(database);
        const Questions added = questions("w", 3, {"New", "Start", "Start"});
        const QString file = writeFile("w.csv", added.file);
        const QStringList before = rows(database, catalogueQuery());
        QStringList expected = rows(database, signatures) + added.signatures;
        expected.sort();

        QProcess holder;
        holdLock(holder, database, holdSeconds);
        QElapsedTimer waited;
        waited.start();
        Controller controller{DatabaseLocation::parse(server->uri("tom", database))};
        controller.show();
        controller.connection().setCatalogueLockWait(waitMs);
        QPointer<QWidget> screen = openQuestionFiles(controller, {file});
        QStringList shown; // what the waiting label said while it was up
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (auto *label = controller.findChild<QLabel *>("tlWaitingForCatalogue");
                label && label->isVisible())
                shown << label->text();
        });
        watch.start(300);
        press(screen, "pbAddValues");
        const qint64 waitedMs = waited.elapsed();
        watch.stop();
        QVERIFY(!shown.isEmpty());
        QVERIFY2(shown.first().startsWith("Another change of the catalogue is being stored."),
                 qPrintable(shown.first()));
        QVERIFY(!child<QLabel>(&controller, "tlWaitingForCatalogue")->isVisible());
        if (!stored) { // gave up by itself, said so, on the same screen, ready again
            QVERIFY(waitedMs >= waitMs && waitedMs < 1000 * holdSeconds);
            QCOMPARE(currentScreen(&controller), screen.data());
            QVERIFY(child<QLabel>(screen, "tlStoreFailed")->isVisible());
            QVERIFY(child<QPushButton>(screen, "pbAddValues")->isEnabled());
            QCOMPARE(rows(database, catalogueQuery()), before);
            query(database, "SELECT pg_terminate_backend(pid) FROM pg_stat_activity"
                            " WHERE query LIKE '%pg_sleep%' AND pid <> pg_backend_pid()");
            QTRY_VERIFY(!lockHeld(database));
            press(screen, "pbAddValues");
        } else { // once the lock was let go
            QVERIFY(waited.elapsed() >= 1000 * (holdSeconds - 0.5));
        }
        QVERIFY(screen.isNull()); // stored: a fresh screen says what was
        QCOMPARE(rows(database, signatures), expected);
        QCOMPARE(damaged(database), QStringList());
        holder.waitForFinished(10000);
    }

    // A test that failed with the server stopped leaves it to the next one running.
    void cleanup()
    {
        if (!server->isRunning())
            server->start();
    }

    void serverStopped_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("import by velmora-csv") << "import";
        QTest::newRow("question by the form") << "add";
        QTest::newRow("quiz") << "quiz";
    }

    // The server stops in the middle of the work and starts again: nothing half stored,
    // the failure said, nothing blocked, and the next try reconnects.
    void serverStopped()
    {
        QFETCH(QString, action);
        TestWorkspace workspace;
        const QString database = QStringLiteral("stop%1").arg(++databases);
        school(database);
        const QStringList before = rows(database, catalogueQuery());
        const QString teacher = server->uri("tom", database);
        const QString count = "SELECT count(*) FROM question";

        if (action == "import") {
            const QString file = writeFile(
                "big.csv", questions("b", importedEach, {"B0", "B1", "B2", "B3", "B4"}).file);
            QProcess import;
            import.start(commandLineTool(), {"import", file, "--database", teacher});
            QTRY_VERIFY_WITH_TIMEOUT(lockHeld(database), 30000); // its change has begun
            QTest::qWait(300);
            QVERIFY2(server->stop(), qPrintable(server->errorString()));
            QVERIFY(import.waitForFinished(30000));
            const QString err = QString::fromUtf8(import.readAllStandardError());
            QVERIFY2(import.exitStatus() == QProcess::NormalExit && import.exitCode() == 1,
                     qPrintable(err));
            QVERIFY2(err.contains("nothing stored"), qPrintable(err));
            QVERIFY2(server->start(), qPrintable(server->errorString()));
            QCOMPARE(rows(database, catalogueQuery()), before);
            const ToolRun again = runTool({"import", file, "--database", teacher});
            QVERIFY2(again.exitCode == 0, qPrintable(again.err));
            QCOMPARE(rows(database, count), QStringList(QString::number(3 + importedEach)));
        } else if (action == "add") {
            Controller controller{DatabaseLocation::parse(teacher)};
            controller.show();
            controller.showAddQuestion();
            QPointer<QWidget> form = currentScreen(&controller);
            press(child<QAbstractButton>(child(form, "categorySelection"), QString()));
            for (QLineEdit *line : form->findChildren<QLineEdit *>())
                QTest::keyClicks(line, "T");
            QVERIFY2(server->stop(), qPrintable(server->errorString()));
            press(form, "pbAdd");
            QCOMPARE(currentScreen(&controller), form.data());
            QVERIFY(child<QLabel>(form, "tlStoreFailed")->isVisible());
            QVERIFY2(server->start(), qPrintable(server->errorString()));
            QCOMPARE(rows(database, catalogueQuery()), before);
            press(form, "pbAdd"); // the input was kept
            QVERIFY(form.isNull());
            QCOMPARE(rows(database, count), QStringList("4"));
        } else {
            Controller controller{DatabaseLocation::parse(server->uri("l01", database))};
            controller.show();
            QVERIFY(controller.saveQuizSettings(3, 0, {1}));
            controller.showQuiz();
            QWidget *quiz = currentScreen(&controller);
            QVERIFY2(server->stop(), qPrintable(server->errorString()));
            QElapsedTimer answering;
            answering.start();
            for (int question = 0; question < 3; ++question) {
                press(child(quiz, "questionAnswerWidget")->findChildren<QAbstractButton *>().at(0));
                press(quiz, "pbForward"); // judged
                press(quiz, "pbForward"); // on
            }
            QWidget *evaluation = currentScreen(&controller);
            QCOMPARE(evaluation->metaObject()->className(), "QuizEvaluation");
            QCOMPARE(child<QLabel>(evaluation, "tlCorrect")->text().section(' ', -1), QString("3"));
            QVERIFY(child<QLabel>(evaluation, "tlHistoryFailed")->isVisible());
            QVERIFY2(answering.elapsed() < 5000, qPrintable(QString::number(answering.elapsed())));
            QVERIFY2(server->start(), qPrintable(server->errorString()));
            QCOMPARE(rows(database, "SELECT count(*) FROM answer_history"), QStringList("0"));
            QCOMPARE(rows(database, catalogueQuery()), before);
            QVERIFY(controller.saveQuizSettings(4, 0, {1})); // on a fresh connection
        }
        QCOMPARE(damaged(database), QStringList());
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], learnArgument) == 0)
        return learnInChild(argc, argv);
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    TestClassroom test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_classroom.moc"
