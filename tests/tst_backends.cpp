#include "addanswerwidget.h"
#include "checkbox.h"
#include "connectionwindow.h"
#include "controller.h"
#include "databaseconnection.h"
#include "learningstore.h"
#include "managequestionsmenu.h"
#include "pgserver.h"
#include "testworkspace.h"

#include <memory>
#include <optional>

namespace {
// The catalogue as the screens leave it, in English: each question with its category, the
// number of its texts, answer texts and true answers; each category; rows left behind by a
// deletion; then the learner's answers as the learning store reads them.
QStringList stored(const TestWorkspace &workspace, Controller &controller)
{
    QStringList rows = workspace.query(
        "SELECT 'question ' || q.question_id || ' in ' || q.category_id || ': ' || "
        "t.question_text || ', ' || (SELECT count(*) FROM question_lang l WHERE l.question_id "
        "= q.question_id) || ' texts, ' || (SELECT count(*) FROM question_answer a JOIN "
        "answer_lang l ON l.answer_id = a.answer_id WHERE a.question_id = q.question_id) || "
        "' answer texts, ' || (SELECT count(*) FROM question_answer a WHERE a.question_id = "
        "q.question_id AND a.is_True = 'true') || ' true' FROM question q JOIN question_lang t "
        "ON t.question_id = q.question_id AND t.lang_id = 2");
    rows += workspace.query(
        "SELECT 'category ' || category_id || ': ' || category_text FROM category_lang "
        "WHERE lang_id = 2");
    rows += workspace.query(
        "SELECT 'orphans ' || ((SELECT count(*) FROM answer WHERE answer_id NOT IN (SELECT "
        "answer_id FROM question_answer)) + (SELECT count(*) FROM answer_lang WHERE answer_id "
        "NOT IN (SELECT answer_id FROM answer)) + (SELECT count(*) FROM question_lang WHERE "
        "question_id NOT IN (SELECT question_id FROM question)) + (SELECT count(*) FROM "
        "category WHERE category_id NOT IN (SELECT category_id FROM question)))");
    for (const HistoryEntry &entry : controller.learning().history())
        rows << QStringLiteral("answered %1 %2")
                    .arg(entry.questionId)
                    .arg(entry.correct ? "right" : "wrong");
    rows << QStringLiteral("answers %1").arg(controller.learning().answerCount());
    rows.sort();
    return rows;
}

// Types the three texts of an input of the add form ("Category", "Question", "Answer<n>",
// "Explanation<n>"), "<text> DE" and so on.
void fill(QWidget *form, const QString &input, const QString &text)
{
    const int n = input.back().digitValue();
    QWidget *owner = n > 0 ? form->findChildren<AddAnswerWidget *>()[n - 1] : form;
    const auto lines =
        child(owner, "mle" + input.left(input.size() - (n > 0)))->findChildren<QLineEdit *>();
    for (int l = 0; l < 3; ++l)
        paste(lines[l], text + QStringList{" DE", " EN", " EE"}[l]);
}

// A CSV file: the category line, the question, one true answer explained, three false ones.
QByteArray question(const QByteArray &category, const QByteArray &text)
{
    return category + "\n" + text + " DE;" + text + " EN;" + text + " EE\n" +
           "right DE;right EN;right EE;why DE;why EN;why EE\n" +
           "no1 DE;no1 EN;no1 EE\nno2 DE;no2 EN;no2 EE\nno3 DE;no3 EN;no3 EE\n";
}
} // namespace

// The catalogue's flows on the SQLite file and on a PostgreSQL server, what a server keeps
// apart for each role and refuses, and how the program finds its database.
class TestBackends : public QObject
{
    Q_OBJECT

    std::unique_ptr<PgServer> server;
    QTemporaryDir configuration;
    QString database; // the test's own on the server
    int databases = 0;

    QString uri(const QString &role) const { return server->uri(role, database); }
    // The program is pointed at the role's URI, or at the working directory's file.
    void connectAs(const QString &role)
    {
        if (role.isEmpty())
            qunsetenv(DatabaseLocation::environmentVariable);
        else
            qputenv(DatabaseLocation::environmentVariable, uri(role).toUtf8());
    }
    // A fresh database on the server, its catalogue seeded by the teacher tom: Cat1 with Q1
    // and Q2, Cat2 with Q3. The roles' first connection makes their own settings.
    void seedServer(const TestWorkspace &workspace)
    {
        database = QStringLiteral("b%1").arg(++databases);
        QVERIFY2(server->createSchoolDatabase(database), qPrintable(server->errorString()));
        connectAs("tom");
        seedCatalogue(workspace, 2, {1, 1, 2});
        for (const char *role : {"tom", "ann", "ben"}) {
            DatabaseConnection first(DatabaseLocation::parse(uri(role)));
            QVERIFY2(first.open(), qPrintable(first.errorString()));
        }
    }
    void asOwner(const QString &sql, const QString &in = {})
    {
        const PgServer::Result result = server->psql("postgres", in.isEmpty() ? database : in, sql);
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    }

private slots:
    void initTestCase()
    {
        // Read once by QSettings: every row writes its own velmora.conf there.
        qputenv("XDG_CONFIG_HOME", configuration.path().toUtf8());
        QVERIFY(QDir(configuration.path()).mkpath("velmora"));
        server = std::make_unique<PgServer>();
        QVERIFY2(server->isRunning(), qPrintable(server->errorString()));
        QVERIFY2(server->createSchoolDatabase("b0"), qPrintable(server->errorString()));
        QVERIFY(server->createTeacher("tom") && server->createLearner("ann") &&
                server->createLearner("ben"));
    }

    void cleanup()
    {
        // A test that failed with the server stopped leaves it to the next one running.
        if (!server->isRunning())
            server->start();
        qunsetenv(DatabaseLocation::environmentVariable);
        QFile::remove(configuration.filePath("velmora/velmora.conf"));
    }

    void catalogueFlows_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QStringList>("removed"); // from the seeded catalogue
        QTest::addColumn<QStringList>("added");
        const QString texts = ", 3 texts, 12 answer texts, %1 true";
        for (const char *backend : {"file", "server"}) {
            auto row = [&](const char *flow, const QStringList &removed, const QStringList &added) {
                QTest::addRow("%s on the %s", flow, backend)
                    << QString(backend) << QString(flow) << removed << added;
            };
            row("add", {}, {"question 4 in 3: New EN" + texts.arg(1), "category 3: Fresh EN"});
            // One question into Cat2, found by its English name; one into a new category.
            row("import", {},
                {"question 4 in 2: Imp1 EN" + texts.arg(1),
                 "question 5 in 3: Imp2 EN" + texts.arg(1), "category 3: Other EN"});
            row("delete",
                {"question 1 in 1: Q1 EN" + texts.arg(2), "question 3 in 2: Q3 EN" + texts.arg(1),
                 "category 2: Cat2 EN"},
                {});
            row("export", {}, {});
            row("quiz", {"answers 0"},
                {"answered 1 right", "answered 2 right", "answered 3 right", "answers 3"});
        }
    }

    void catalogueFlows()
    {
        QFETCH(QString, backend);
        QFETCH(QString, flow);
        QFETCH(QStringList, removed);
        QFETCH(QStringList, added);
        TestWorkspace workspace;
        workspace.provision();
        if (backend == "server")
            seedServer(workspace);
        else
            seedCatalogue(workspace, 2, {1, 1, 2});
        storeQuizSettings(workspace, 3, 0, {1, 2});
        Controller controller;
        controller.show();
        QVERIFY(QTest::qWaitForWindowExposed(&controller));
        QStringList expected = stored(workspace, controller);
        QCOMPARE(expected.size(), 7);
        for (const QString &row : removed)
            QVERIFY2(expected.removeOne(row), qPrintable(row));
        expected += added;
        expected.sort();

        if (flow == "add") {
            controller.showAddQuestion();
            QWidget *form = currentScreen(&controller);
            press(form, "rbAddNewCategory");
            fill(form, "Category", "Fresh");
            fill(form, "Question", "New");
            for (int n = 1; n <= 4; ++n) {
                press(child(form, "rbAnswer" + QString::number(n)));
                fill(form, "Answer" + QString::number(n), "A" + QString::number(n));
            }
            press(child(form, "rbAnswer1"));
            press(form->findChildren<AddAnswerWidget *>()[0]->findChild<QCheckBox *>());
            fill(form, "Explanation1", "Because");
            press(form, "pbAdd");
        } else if (flow == "import") {
            const QString file =
                writeFile("questions.csv", question("Cat2 DE;Cat2 EN;Cat2 EE", "Imp1") +
                                               question("Other DE;Other EN;Other EE", "Imp2"));
            press(openQuestionFiles(controller, {file}), "pbAddValues");
        } else if (flow == "delete") {
            controller.showDeleteQuestion();
            QWidget *screen = currentScreen(&controller);
            for (int q : {1, 3})
                press(screen->findChildren<CheckBox *>()[q - 1]->findChild<QCheckBox *>());
            controller.confirmations()->setNextConfirmation(true);
            press(screen, "pbDelete");
        } else if (flow == "export") {
            exportCatalogue(controller, "out.csv");
            QString text;
            for (int q = 1; q <= 3; ++q) {
                const int c = q == 3 ? 2 : 1;
                text += QStringLiteral("Cat%1 DE;Cat%1 EN;Cat%1 EE\r\nQ%2 DE;Q%2 EN;Q%2 EE\r\n")
                            .arg(c)
                            .arg(q);
                for (int a = 10 * q + 1; a <= 10 * q + 4; ++a)
                    text += a % 10 <= 1 + q % 3
                                ? QStringLiteral("right %1;right %1;right %1;because %1;because "
                                                 "%1;because %1\r\n")
                                      .arg(a)
                                : QStringLiteral("wrong %1;wrong %1;wrong %1;;;\r\n").arg(a);
            }
            QCOMPARE(QString::fromUtf8(readFile("out.csv")), text + "\n");
        } else if (flow == "quiz") {
            controller.showQuiz();
            while (QWidget *questions =
                       currentScreen(&controller)->findChild<QWidget *>("questionAnswerWidget")) {
                for (auto *box :
                     questions->findChildren<CheckBox *>(QString(), Qt::FindDirectChildrenOnly))
                    if (box->findChild<QLabel *>()->text().startsWith("right"))
                        press(box->findChild<QLabel *>());
                press(currentScreen(&controller), "pbForward"); // judged
                press(currentScreen(&controller), "pbForward"); // the next one, or the evaluation
            }
            QCOMPARE(child<QLabel>(currentScreen(&controller), "tlCorrect")->text(), "3 / 3");
        }
        QCOMPARE(stored(workspace, controller), expected);
    }

    // A learner may open no screen that changes the catalogue: the management menu says why,
    // and nothing is stored.
    void learnerMayNotChangeTheCatalogue_data()
    {
        QTest::addColumn<QString>("button");
        for (const char *button : {"pbAddQuestion", "pbAddQuestionsPerFile", "pbDeleteQuestion",
                                   "pbEditQuestion", "pbDatabaseEditor"})
            QTest::newRow(button) << QString(button);
    }

    void learnerMayNotChangeTheCatalogue()
    {
        QFETCH(QString, button);
        TestWorkspace workspace;
        seedServer(workspace);
        const QStringList before = workspace.snapshot();
        connectAs("ann");
        Controller controller;
        controller.show();
        controller.showManageQuestionsMenu();
        child<QPushButton>(currentScreen(&controller), button)->click();
        auto *menu = qobject_cast<ManageQuestionsMenu *>(currentScreen(&controller));
        QVERIFY(menu);
        auto *line = child<QLabel>(menu, "tlExportFailed");
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), "Only a teacher may change the catalogue on this server.");
        // The catalogue's own calls are refused by the server itself.
        controller.addCategory();
        QVERIFY(!controller.deleteQuestionAndAnswers(1));
        connectAs("tom");
        QCOMPARE(workspace.snapshot(), before);
    }

    // Each role keeps its settings and history; a teacher's deletion takes every learner's
    // answers of the question along, an edit keeps every learner's memory of it.
    void learnersKeepTheirOwn()
    {
        TestWorkspace workspace;
        seedServer(workspace);
        auto as = [&](const QString &role, const std::function<void(Controller &)> &steps) {
            connectAs(role);
            Controller controller;
            controller.show();
            steps(controller);
        };
        as("ann", [](Controller &c) {
            c.changeLanguageToDE();
            c.saveQuizSettings(7, 0, {2});
            int run = 0;
            for (int q : {1, 2})
                QVERIFY(c.learning().record(run, {q, 0, {}, true, false, 900, 1}));
        });
        as("ben", [](Controller &c) {
            QCOMPARE(c.getCurrentLanguageId(), 2);
            QCOMPARE(c.getNumberOfQuestions(), 1);
            QCOMPARE(c.getCurrentCategoryIds(), QList<int>{1});
            QCOMPARE(c.learning().answerCount(), 0);
            QVERIFY(!c.learning().hasHistory());
        });
        as("tom", [](Controller &c) {
            QVERIFY(c.deleteQuestionAndAnswers(1));
            c.showEditQuestion(2);
            QWidget *form = currentScreen(&c);
            fill(form, "Question", "Edited");
            press(form, "pbAdd");
            QCOMPARE(c.getQuestionTextsAt(2), QStringList({"Edited DE", "Edited EN", "Edited EE"}));
        });
        as("ann", [](Controller &c) {
            QCOMPARE(c.getCurrentLanguageId(), 1);
            QCOMPARE(c.getNumberOfQuestions(), 7);
            QCOMPARE(c.getCurrentCategoryIds(), QList<int>{2});
            QCOMPARE(c.learning().answerCount(), 1);
            QCOMPARE(c.learning().memories().keys(), QList<int>{2});
        });
    }

    // A database the program cannot use is named with the reason and what to do, at start
    // and by the command-line tool (exit 2); once mended, "Retry" goes on.
    void unusableDatabaseIsRefused_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("says");
        QTest::newRow("server stopped") << "stopped"
                                        << "cannot be reached";
        QTest::newRow("no schema") << "bare"
                                   << "holds no Velmora catalogue. Apply the schema to it with "
                                      "psql: psql -d DATABASE -f";
        QTest::newRow("other schema version")
            << "version"
            << "has version 2 of the Velmora schema; this program needs version 1";
    }

    void unusableDatabaseIsRefused()
    {
        QFETCH(QString, fault);
        QFETCH(QString, says);
        TestWorkspace workspace;
        seedServer(workspace);
        if (fault == "stopped") {
            QVERIFY2(server->stop(), qPrintable(server->errorString()));
        } else if (fault == "bare") {
            database += "bare";
            asOwner("CREATE DATABASE " + database, "postgres");
        } else {
            asOwner("UPDATE velmora_schema SET version = 2");
        }
        const DatabaseLocation location = DatabaseLocation::parse(uri("tom"));
        ConnectionWindow window(location);
        QVERIFY(!window.tryDatabase());
        const QString reason = child<QLabel>(&window, "tlReason")->text();
        QVERIFY2(reason.contains(location.displayName()) && reason.contains(says),
                 qPrintable(reason));
        const ToolRun tool = runTool({"history", "--database", uri("tom")});
        QCOMPARE(tool.exitCode, 2);
        QVERIFY2(tool.err.contains(says), qPrintable(tool.err));

        if (fault == "stopped")
            QVERIFY2(server->start(), qPrintable(server->errorString()));
        else if (fault == "bare")
            QVERIFY2(server->createSchoolDatabase(database), qPrintable(server->errorString()));
        else
            asOwner("UPDATE velmora_schema SET version = 1");
        child<QPushButton>(&window, "pbRetry")->click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    // velmora-csv on a server: each role reads its own history and memory; only a teacher
    // imports.
    void commandLineToolOnServer_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "{role}" stands for the role's URI
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");  // on standard output, or error when it failed
        QTest::addColumn<int>("questions"); // in the catalogue afterwards
        QTest::newRow("teacher imports") << QStringList{"import", "new.csv", "--database", "{tom}"}
                                         << 0 << "1 question(s) stored in 1 category(ies)" << 4;
        QTest::newRow("learner imports")
            << QStringList{"import", "new.csv", "--database", "{ann}"} << 1
            << "only a teacher may change the catalogue on this server; nothing stored" << 3;
        QTest::newRow("learner's history")
            << QStringList{"history", "--database", "{ann}"} << 0 << ",900\n"
            << 3;
        QTest::newRow("another learner's history")
            << QStringList{"history", "--database", "{ben}"} << 0
            << "card_id,review_time,review_rating,review_state,review_duration\n"
            << 3;
        QTest::newRow("learner's memory")
            << QStringList{"memory", "--database", "{ann}"} << 0 << "\n3,1,0," << 3;
        QTest::newRow("learner prints")
            << QStringList{"print", "--language", "en", "--questions", "3",     "--versions",
                           "2",     "--seed",     "5",  "--database",  "{ann}", "test.pdf"}
            << 0 << "test.pdf: 2 version(s) of 3 question(s)" << 3;
        QTest::newRow("history of the environment's server")
            << QStringList{"history"} << 0 << ",900\n"
            << 3;
    }

    void commandLineToolOnServer()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        QFETCH(int, questions);
        TestWorkspace workspace;
        seedServer(workspace);
        connectAs("ann");
        {
            Controller controller;
            int run = 0;
            QVERIFY(controller.learning().record(run, {3, 0, {}, true, false, 900, 2}));
        }
        writeFile("new.csv", question("New DE;New EN;New EE", "Tool"));
        for (const char *role : {"tom", "ann", "ben"})
            arguments.replaceInStrings(QStringLiteral("{%1}").arg(role), uri(role));
        const ToolRun run = runTool(arguments);
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
        QVERIFY2((exitCode == 0 ? run.out : run.err).contains(says), qPrintable(run.out + run.err));
        if (says.startsWith("card_id"))
            QCOMPARE(run.out, says);
        QCOMPARE(workspace.query("SELECT count(*) FROM question"),
                 QStringList{QString::number(questions)});
    }

    // Where the program finds its database: the option, the environment, velmora.conf, the
    // file by default; URIs as libpq reads them, never shown with user or password. A URI
    // libpq cannot read, or one holding a ";" the driver would split, opens nothing.
    void locationIsChosen_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("conf");        // velmora.conf; empty: none
        QTest::addColumn<QStringList>("options"); // libpq's for a server; none: a file
        QTest::addColumn<QString>("display");     // empty: refused
        auto row = [](const char *name, const QString &option, const QString &environment,
                      const QString &conf, const QStringList &options, const QString &display) {
            QTest::newRow(name) << option << environment
                                << (conf.isEmpty() ? conf : "[database]\nurl=" + conf + "\n")
                                << options << display;
        };
        const QString timeout = "connect_timeout=10";
        const QString hosts = "postgresql://tom@h1:5432,h2:5433/school";
        const QStringList hostOptions{"user='tom'", "host='h1,h2'", "port='5432,5433'",
                                      "dbname='school'", timeout};
        row("default", "", "", "", {}, "./databaseVelmoraApp");
        row("conf", "", "", "postgresql://tom@/school?host=/run/pg",
            {"user='tom'", "dbname='school'", "host='/run/pg'", timeout}, "school on /run/pg");
        row("environment beats conf", "", "other.db", "postgresql:///school", {}, "other.db");
        row("option beats environment", "postgres://ann@db.example:6432/school?sslmode=require",
            "postgresql:///elsewhere", "",
            {"user='ann'", "host='db.example'", "port='6432'", "dbname='school'",
             "sslmode='require'", timeout},
            "school on db.example:6432");
        row("file names stay files", "postgresql.db", "", "", {}, "postgresql.db");
        row("several hosts, quoted", "", "", '"' + hosts + '"', hostOptions,
            "school on h1,h2:5432,5433");
        row("several hosts, unquoted", "", "", hosts, hostOptions, "school on h1,h2:5432,5433");
        row("percent-encoding, password, own timeout",
            "postgresql://t%C3%B6m:s%40cret@/sch%20ool?host=%2Ftmp%2Fs&connect_timeout=3", "", "",
            {"user='töm'", "password='s@cret'", "dbname='sch ool'", "host='/tmp/s'",
             "connect_timeout='3'"},
            "sch ool on /tmp/s");
        row("unknown parameter", "postgresql://tom@/school?colour=red", "", "", {}, "");
        row("unclosed address", "postgresql://[::1/school", "", "", {}, "");
        row("semicolon", "postgresql://tom@/sch%3Bool", "", "", {}, "");
    }

    void locationIsChosen()
    {
        QFETCH(QString, option);
        QFETCH(QString, environment);
        QFETCH(QString, conf);
        QFETCH(QStringList, options);
        QFETCH(QString, display);
        if (!environment.isEmpty())
            qputenv(DatabaseLocation::environmentVariable, environment.toUtf8());
        if (!conf.isEmpty())
            writeFile(configuration.filePath("velmora/velmora.conf"), conf.toUtf8());
        const DatabaseLocation location = DatabaseLocation::resolve(option);
        if (display.isEmpty()) {
            QVERIFY(location.isServer());
            QVERIFY(!location.errorString().isEmpty());
            DatabaseConnection connection(location);
            QVERIFY(!connection.open());
            QCOMPARE(connection.problem(), DatabaseConnection::Problem::InvalidLocation);
            QVERIFY2(connection.errorString().contains(location.errorString()),
                     qPrintable(connection.errorString()));
            return;
        }
        QCOMPARE(location.errorString(), QString());
        QCOMPARE(location.isServer(), !options.isEmpty());
        QCOMPARE(location.filePath(), options.isEmpty() ? display : QString());
        QStringList given = location.connectOptions().split(';', Qt::SkipEmptyParts);
        given.sort();
        options.sort();
        QCOMPARE(given, options);
        QCOMPARE(location.displayName(), display);
    }
};

QTEST_MAIN(TestBackends)
#include "tst_backends.moc"
