#include "addanswerwidget.h"
#include "addquestionsperfile.h"
#include "controller.h"
#include "databaseprovisioner.h"
#include "databasevelmoraapp.h"
#include "filedialogs.h"
#include "multilanguageedit.h"
#include "testworkspace.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <future>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
// What the user has entered or chosen on a screen, and which buttons are offered.
QStringList inputState(QWidget *screen)
{
    QStringList state;
    for (QLineEdit *line : screen->findChildren<QLineEdit *>())
        state << line->text();
    for (QAbstractButton *button : screen->findChildren<QAbstractButton *>())
        state << button->objectName() + QString::number(button->isChecked()) +
                     QString::number(button->isEnabled()) +
                     QString::number(button->isVisibleTo(screen));
    for (QAbstractSlider *slider : screen->findChildren<QAbstractSlider *>())
        state << QString::number(slider->value());
    return state;
}

// Another program holding the database from a thread of its own, until told to let go
// (holdMs < 0) or for a fixed time: a lock that shuts everyone else out, or a read
// transaction, which lets our writes in but not their commit.
class LockHolder
{
public:
    LockHolder(const QString &file, bool readOnly, int holdMs)
    {
        holder = std::async(std::launch::async, [=, release = letGo.get_future()] {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "lock-holder");
                db.setDatabaseName(file);
                if (!db.open() || !QSqlQuery(db).exec(readOnly ? "BEGIN" : "BEGIN EXCLUSIVE") ||
                    !QSqlQuery(db).exec("SELECT count(*) FROM category"))
                    qFatal("cannot lock %s", qPrintable(file));
                locked.set_value();
                release.wait_for(std::chrono::milliseconds(holdMs < 0 ? 600000 : holdMs));
                QSqlQuery(db).exec("ROLLBACK");
            }
            QSqlDatabase::removeDatabase("lock-holder");
        });
        locked.get_future().wait();
    }
    ~LockHolder()
    {
        letGo.set_value();
        holder.wait();
    }

private:
    std::promise<void> locked, letGo;
    std::future<void> holder;
};

bool isRed(QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText) == Qt::red;
}

// Every text of the catalogue: category names, question texts, then answer texts with
// their explanations, true answers first.
QStringList catalogueTexts(const TestWorkspace &workspace)
{
    return workspace.query(
               "SELECT category_text FROM category_lang ORDER BY category_id, lang_id") +
           workspace.query(
               "SELECT question_text FROM question_lang ORDER BY question_id, lang_id") +
           workspace.query("SELECT answer_text, ifnull(explanation_text, '') FROM answer_lang "
                           "JOIN question_answer USING (answer_id) "
                           "ORDER BY question_id, is_True DESC, answer_id, lang_id");
}

// Whether the screen shows `expected` in a label, button or group title, read as the user
// sees it; every label holding `raw` must show it as plain text.
bool shows(QWidget *screen, const QString &raw, const QString &expected)
{
    // What a widget shows of a text that may carry a mnemonic: "&&" as "&", a lone "&" not.
    auto shownWithMnemonic = [](QString text) {
        return text.replace(QRegularExpression("&(.?)"), "\\1");
    };
    QStringList texts;
    for (QLabel *label : screen->findChildren<QLabel *>()) {
        texts << (label->buddy() ? shownWithMnemonic(label->text()) : label->text());
        if (label->text().contains(raw) && label->textFormat() != Qt::PlainText)
            qFatal("%s shows catalogue text as markup", qPrintable(label->objectName()));
    }
    for (QAbstractButton *button : screen->findChildren<QAbstractButton *>())
        texts << shownWithMnemonic(button->text());
    for (QGroupBox *group : screen->findChildren<QGroupBox *>())
        texts << shownWithMnemonic(group->title());
    return texts.join(QChar(0x2029)).contains(expected);
}

const int killedImportQuestions = 2000;
const char importArgument[] = "--import-in-child";

// The child of killedImport(): imports the file through the import screen and kills itself
// once the count of questions done reaches killAt, or after the import when none does.
int importInChild(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int killAt = QByteArray(argv[3]).toInt();
    Controller controller;
    auto *screen = static_cast<AddQuestionsPerFile *>(
        openQuestionFiles(controller, {QString::fromLocal8Bit(argv[2])}));
    screen->setProgressDelay(0); // the dialog is shown at once and lets events through
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto *dialog = screen->findChild<QProgressDialog *>();
        if (dialog && dialog->value() >= killAt)
            raise(SIGKILL);
    });
    watch.start(0);
    child<QPushButton>(screen, "pbAddValues")->click();
    raise(SIGKILL);
    return 1;
}

const char deleteArgument[] = "--delete-in-child";

// The child of a killed deletion: deletes questions 2 and on in one change and kills itself
// once the count done reaches killAt, or after the deletion when none does.
int deleteInChild(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int killAt = QByteArray(argv[2]).toInt();
    Controller controller;
    QList<int> questionIds;
    for (int q = 2; q <= killedImportQuestions + 1; ++q)
        questionIds << q;
    controller.deleteQuestions(questionIds, [killAt](int done) {
        if (done >= killAt)
            raise(SIGKILL);
        return true;
    });
    raise(SIGKILL);
    return 1;
}

// The workspace's database file and directory made read-only for the test; undone when it
// goes, whatever the test did in between. The suites run as an ordinary user (see
// scripts/tester.sh); run as root, which writes to any file, the test acts as user nobody
// meanwhile.
class ReadOnlyFor
{
public:
    explicit ReadOnlyFor(const TestWorkspace &workspace) : directory(workspace.path())
    {
        const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QFile::setPermissions(workspace.databaseFile(), readable);
        QFile::setPermissions(directory,
                              readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
        if (asRoot && seteuid(nobody) != 0)
            qFatal("cannot act as another user");
    }
    ~ReadOnlyFor()
    {
        if (asRoot && seteuid(0) != 0)
            qFatal("cannot act as root again");
        QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private:
    static const uid_t nobody = 65534;
    const bool asRoot = geteuid() == 0;
    QString directory;
};

const char recordArgument[] = "--record-in-child";

// The child of killedRecording(): records answers to questions 1..3 one after another
// until it is killed; it says so once the first is stored. It ends itself after a while
// so that it cannot outlive a test that failed to kill it.
int recordInChild(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    DatabaseVelmoraApp store;
    QElapsedTimer running;
    running.start();
    int runId = 0;
    for (int answer = 0; running.elapsed() < 60000; ++answer) {
        const int question = 1 + answer % 3;
        if (!store.learning().record(
                runId,
                {question, 0, {10 * question + 1}, answer % 4 != 0, false, 1000 + answer, 2}))
            return 1;
        if (answer == 0) {
            fputs("recording\n", stdout);
            fflush(stdout);
        }
    }
    raise(SIGKILL);
    return 1;
}

// Answers and memories that disagree: a memory whose count of reviews is not its number
// of recorded answers, or answers without a memory.
const char disagreeing[] =
    "SELECT (SELECT count(*) FROM question_memory m WHERE reviews <> (SELECT count(*) FROM "
    "answer_history h WHERE h.question_id = m.question_id)) + (SELECT count(DISTINCT "
    "question_id) FROM answer_history WHERE question_id NOT IN (SELECT question_id FROM "
    "question_memory))";
} // namespace

// Faults from outside: another program's hold on the database, a bad database file,
// hostile texts, an export that cannot be written, a killed import or recording, a quiz
// whose answers cannot be recorded.
class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void lockedDatabase_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("readHold"); // else the other program locks everyone out
        QTest::addColumn<int>("holdMs");    // -1: until the action has returned
        QTest::addColumn<bool>("stored");
        for (const QString action : {"add", "import", "delete", "settings"}) {
            const QByteArray name = action.toLatin1();
            QTest::addRow("%s, released in time", name.data()) << action << false << 100 << true;
            QTest::addRow("%s, held throughout", name.data()) << action << false << -1 << false;
            // Our writes get in, their commit does not: a failed commit is a failure.
            QTest::addRow("%s, read held throughout", name.data()) << action << true << -1 << false;
        }
        // The first reads time out, the writes after them would get through: what was read
        // must not be taken as "nothing there" (a second "K", orphaned answers).
        QTest::newRow("import, outlasts the reads") << "import" << false << 1200 << false;
        QTest::newRow("delete, outlasts the reads") << "delete" << false << 1200 << false;
    }

    void lockedDatabase()
    {
        QFETCH(QString, action);
        QFETCH(bool, readHold);
        QFETCH(int, holdMs);
        QFETCH(bool, stored);
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 1, {1});
        Controller controller;
        controller.show();
        controller.setBusyTimeout(stored ? 3000 : 300);
        QString button = "pbStart";
        QString storedCheck = "SELECT question_number = 7 FROM quiz_settings"; // "1" once done
        if (action == "add") {
            controller.showAddQuestion();
            QWidget *form = currentScreen(&controller);
            press(child<QAbstractButton>(child(form, "categorySelection"), QString()));
            for (QLineEdit *line : form->findChildren<QLineEdit *>())
                QTest::keyClicks(line, "T");
            button = "pbAdd";
            storedCheck = "SELECT count(*) = 2 AND (SELECT count(*) FROM answer) = 8 FROM question";
        } else if (action == "import") {
            openQuestionFiles(controller, {writeFile("k.csv", "Cat1 DE;Cat1 EN;Cat1 EE\nN;N;N\n"
                                                              "b1;b1;b1;x;x;x\nb2;b2;b2\nb3;b3;b3\n"
                                                              "b4;b4;b4\n")});
            button = "pbAddValues";
            storedCheck =
                "SELECT count(*) = 2 AND (SELECT count(*) FROM category) = 1 FROM question";
        } else if (action == "delete") {
            controller.showDeleteQuestion();
            press(child<QCheckBox>(currentScreen(&controller), QString()));
            controller.confirmations()->setNextConfirmation(true);
            button = "pbDelete";
            storedCheck =
                "SELECT count(*) = 0 AND (SELECT count(*) FROM answer_lang) = 0 FROM category";
        } else {
            controller.showQuizSettings();
            child<QAbstractSlider>(child(currentScreen(&controller), "sfQuestionNumber"), QString())
                ->setValue(7);
        }
        QPointer<QWidget> screen = currentScreen(&controller);
        const QStringList input = inputState(screen);
        const QStringList before = workspace.snapshot();
        {
            LockHolder hold(workspace.databaseFile(), readHold, holdMs);
            press(screen, qPrintable(button));
        }
        if (!stored) { // said so, on the same screen, with the input as it was
            QCOMPARE(currentScreen(&controller), screen.data());
            QVERIFY(child<QLabel>(screen, "tlStoreFailed")->isVisible());
            QCOMPARE(inputState(screen), input);
            QCOMPARE(workspace.snapshot(), before);
        }
        QCOMPARE(workspace.query(storedCheck), QStringList(stored ? "1" : "0"));
    }

    void badDatabaseAtStart_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QByteArray>("contents"); // of a "file" or a "read-only" one
        QTest::addColumn<bool>("provisioned");    // else left exactly as it was
        QTest::addColumn<bool>("unreadable");     // then not used at all
        const QByteArray copy = readFile(DatabaseProvisioner::templatePath);
        QByteArray random;
        for (QRandomGenerator generator(11); random.size() < 4096;)
            random += char(generator.bounded(256));
        QTest::newRow("no file yet") << "none" << QByteArray() << true << false;
        QTest::newRow("empty file") << "file" << QByteArray() << true << false;
        QTest::newRow("user database, not writable") << "user" << QByteArray() << false << false;
        QTest::newRow("random bytes") << "file" << random << false << true;
        QTest::newRow("truncated copy") << "file" << copy.left(copy.size() / 2) << false << true;
        QTest::newRow("missing table") << "missing table" << QByteArray() << false << false;
        QTest::newRow("read-only file and directory") << "read-only" << copy << false << false;
        QTest::newRow("directory in its place") << "directory" << QByteArray() << false << true;
        QTest::newRow("full disk on first start") << "full disk" << QByteArray() << true << false;
    }

    void badDatabaseAtStart()
    {
        QFETCH(QString, state);
        QFETCH(QByteArray, contents);
        QFETCH(bool, provisioned);
        QFETCH(bool, unreadable);
        TestWorkspace workspace;
        const QString name = workspace.databaseFile();
        if (state == "file" || state == "read-only")
            writeFile(name, contents);
        if (state == "directory")
            QVERIFY(QDir(workspace.path()).mkdir("databaseVelmoraApp"));
        if (state == "missing table" || state == "user") {
            workspace.provision();
            workspace.execute(
                {state == "user" ? "INSERT INTO category VALUES (7)" : "DROP TABLE question"});
        }
        if (state == "user" || state == "read-only")
            QFile::setPermissions(name, QFileDevice::ReadOwner);
        if (state == "read-only") // as root, which writes regardless, this proves only
                                  // that the start alters nothing
            QFile::setPermissions(workspace.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QByteArray before = readFile(name);
        const QFile::Permissions permissionsBefore = QFileInfo(name).permissions();

        // Started as main() does; every screen opens, and a quiz finds no question to ask.
        auto startAndVisitEveryScreen = [] {
            DatabaseProvisioner::provision();
            Controller controller;
            controller.show();
            for (void (Controller::*show)() :
                 {&Controller::showMenu, &Controller::showQuizSettings,
                  &Controller::showManageQuestionsMenu, &Controller::showAddQuestion,
                  &Controller::showAddQuestionsPerFile, &Controller::showDeleteQuestion,
                  qOverload<>(&Controller::showEditQuestions), &Controller::showQuiz})
                (controller.*show)();
            return QString(currentScreen(&controller)->metaObject()->className());
        };
        const QString everyScreen = "QuizEvaluation";
        if (state == "full disk") { // writing fails, as on a full disk
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            const rlimit full{0, saved.rlim_max};
            signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed test
            setrlimit(RLIMIT_FSIZE, &full);
            QTest::ignoreMessage(QtDebugMsg,
                                 QRegularExpression("^Vorlage konnte nicht kopiert werden: "));
            const QString shown = startAndVisitEveryScreen();
            setrlimit(RLIMIT_FSIZE, &saved);
            QCOMPARE(shown, everyScreen);
        }
        const char notOpened[] = "DB Verbingung könnte nicht geöffnet werden!";
        if (unreadable)
            QTest::ignoreMessage(QtDebugMsg, notOpened);
        QCOMPARE(startAndVisitEveryScreen(), everyScreen);
        if (unreadable) { // writes change nothing and fail, reads are empty
            QTest::ignoreMessage(QtDebugMsg, notOpened);
            Controller controller;
            QVERIFY(!controller.saveQuizSettings(4, 30, {1}));
            controller.setNumberOfQuestions(4);
            QCOMPARE(controller.getNumberOfQuestions(), 0);
        }
        QFile::setPermissions(workspace.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner);

        const QByteArray templateBytes = readFile(DatabaseProvisioner::templatePath);
        QVERIFY(templateBytes.size() > 4096);
        QCOMPARE(readFile(name), provisioned ? templateBytes : before);
        if (QFileInfo(name).isFile())
            QCOMPARE(QFileInfo(name).permissions() & 0x7077,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        else
            QCOMPARE(QFileInfo(name).permissions(), permissionsBefore);
    }

    void hostileTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits"); // else the form refuses it
        // Each fault in quoting shows on its own part of the text.
        QTest::newRow("quotes, backslashes, SQL comment, placeholders")
            << "\"Zitat\" 'x' „y“ «z» C:\\temp\\new \\n \\\\ ' OR 1=1 -- x %1 %2 %n %% {0} $HOME"
            << true;
        QTest::newRow("ampersands") << "Science & Nature R&D" << true;
        QTest::newRow("control characters")
            << QString::fromUtf8("a\tb\x01c\x1b[31md\x7f\x00e") << true;
        QTest::newRow("10,000 characters") << QString("Öü€ ").repeated(2500) << true;
        QTest::newRow("right-to-left, emoji")
            << "שלום עולם مرحبا \u202Eabc 😀 👍🏽 👨‍👩‍👧" << true;
        QTest::newRow("markup") << "<b>fett</b><h1>H</h1><img src=\"/x.png\"><br>" << true;
        QTest::newRow("line break") << "Erste Zeile\nzweite Zeile" << false;
        QTest::newRow("carriage return") << "a\rb" << false;
        QTest::newRow("separator") << "a;b" << false;
    }

    // Entered in the add form, stored, shown on every screen in every language, exported
    // and imported again: the text stays exactly as written.
    void hostileTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        TestWorkspace workspace;
        workspace.provision();
        Controller controller;
        controller.show();
        const QStringList codes{"DE", "EN", "EE"};
        auto variant = [&](const QString &field, int l) { return text + ' ' + field + codes[l]; };
        controller.showAddQuestion();
        QPointer<QWidget> form = currentScreen(&controller);
        const QList<AddAnswerWidget *> answers = form->findChildren<AddAnswerWidget *>();
        auto line = [&](QWidget *owner, const QString &edit, int l) {
            return child<MultiLanguageEdit>(owner, edit)->findChildren<QLineEdit *>().at(l);
        };
        press(form, "rbAddNewCategory");
        press(answers.at(0), "cbAnswerTrue");
        const QStringList fields{"C", "Q", "A1", "A2", "A3", "A4"};
        QStringList expected; // as catalogueTexts() reads them
        for (const QString &field : fields) {
            const int answer = field.mid(1).toInt(); // 0: the category or the question
            QWidget *owner = answer ? answers.at(answer - 1) : form.data();
            const QString edit = answer         ? "mleAnswer"
                                 : field == "C" ? "mleCategory"
                                                : "mleQuestion";
            for (int l = 0; l < 3; ++l) {
                paste(line(owner, edit, l), variant(field, l));
                if (answer == 1)
                    paste(line(owner, "mleExplanation", l), variant("E", l));
                expected << variant(field, l) +
                                (answer == 1 ? '|' + variant("E", l) : QString(answer ? "|" : ""));
            }
        }
        press(form, "pbAdd");
        if (!fits) { // refused: the form stays, marked, with the input as it was
            QVERIFY(form && isRed(child(form, "tlQuestion")) && isRed(child(form, "rbAnswer4")));
            QVERIFY(isRed(child(form, "rbAddNewCategory")) && isRed(child(form, "rbAnswer1")));
            QCOMPARE(line(form, "mleQuestion", 1)->text(), variant("Q", 1));
            QCOMPARE(workspace.query("SELECT count(*) FROM question"), QStringList("0"));
            return;
        }
        QVERIFY(form.isNull()); // stored, and a fresh form took its place
        QCOMPARE(catalogueTexts(workspace), expected);

        storeQuizSettings(workspace, 1, 0, {1});
        const QList<void (Controller::*)()> languages{&Controller::changeLanguageToDE,
                                                      &Controller::changeLanguageToEN,
                                                      &Controller::changeLanguageToEE};
        for (int l = 0; l < 3; ++l) {
            (controller.*languages[l])();
            for (void (Controller::*show)() :
                 {&Controller::showQuizSettings, &Controller::showAddQuestion,
                  &Controller::showDeleteQuestion}) {
                (controller.*show)();
                QVERIFY(shows(currentScreen(&controller), text, variant("C", l)));
            }
            QVERIFY(shows(currentScreen(&controller), text, variant("Q", l)));
            controller.showQuiz();
            QWidget *quiz = currentScreen(&controller);
            for (const QString &field : fields)
                QVERIFY2(shows(quiz, text, variant(field, l)), qPrintable(field));
            press(quiz, "pbForward");
            QVERIFY(shows(quiz, text, variant("E", l)));
        }

        exportCatalogue(controller, workspace.path() + "/out.csv");
        workspace.execute({"DELETE FROM category", "DELETE FROM category_lang",
                           "DELETE FROM question", "DELETE FROM question_lang",
                           "DELETE FROM answer", "DELETE FROM answer_lang",
                           "DELETE FROM question_answer"});
        press(openQuestionFiles(controller, {"out.csv"}), "pbAddValues");
        QCOMPARE(catalogueTexts(workspace), expected);
    }

    void failedExportKeepsTheEarlierFile_data()
    {
        QTest::addColumn<QString>("questionText"); // English; stored as by the database editor
        QTest::addColumn<QString>("target");
        QTest::newRow("separator in a text") << "a;b" << QString("old.csv");
        QTest::newRow("line break in a text") << "Erste Zeile\nzweite Zeile" << QString("old.csv");
        QTest::newRow("folder does not exist") << "Q" << QString("missing/old.csv");
        QTest::newRow("folder is a file") << "Q" << QString("old.csv/new.csv");
    }

    void failedExportKeepsTheEarlierFile()
    {
        QFETCH(QString, questionText);
        QFETCH(QString, target);
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 1, {1});
        workspace.execute(
            {"UPDATE question_lang SET question_text = '" + questionText + "' WHERE lang_id = 2"});
        writeFile("old.csv", "earlier backup\n");
        Controller controller;
        controller.show();
        exportCatalogue(controller, workspace.path() + '/' + target);
        QWidget *menu = currentScreen(&controller);
        QLabel *failure = child<QLabel>(menu, "tlExportFailed");
        QCOMPARE(readFile("old.csv"), QByteArray("earlier backup\n"));
        QCOMPARE(QDir(workspace.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList({"databaseVelmoraApp", "old.csv"}));
        QVERIFY(failure->isVisible() && isRed(failure));
        QCOMPARE(failure->textFormat(), Qt::PlainText);
        if (questionText != "Q")
            QVERIFY(failure->text().contains('"' + questionText + '"'));
        else
            QCOMPARE(failure->text(), QStringLiteral("The questions could not be exported."));

        // Once the obstacle is gone, the failure gives way to what was exported.
        workspace.execute({"UPDATE question_lang SET question_text = 'Q'"});
        controller.fileDialogs()->setNextSaveFileName(workspace.path() + "/new.csv");
        press(menu, "pbExportQuestions");
        QVERIFY(!isRed(failure) && failure->text().endsWith("/new.csv."));
        QVERIFY(readFile("new.csv").startsWith("Cat1 DE;Cat1 EN;Cat1 EE\r\nQ;Q;Q\r\n"));
    }

    void killedImport_data()
    {
        QTest::addColumn<int>("killAt");    // questions done; beyond the last: once it has ended
        QTest::addColumn<bool>("deleting"); // 2000 of 2001 questions instead of importing 2000
        for (int killAt : {2, 1000, killedImportQuestions - 1, killedImportQuestions + 1})
            QTest::addRow("at %d", killAt) << killAt << false;
        for (int killAt : {1000, killedImportQuestions + 1})
            QTest::addRow("deleting, at %d", killAt) << killAt << true;
    }

    void killedImport()
    {
        QFETCH(int, killAt);
        QFETCH(bool, deleting);
        TestWorkspace workspace;
        workspace.provision();
        QList<int> categories{1};
        for (int q = 0; deleting && q < killedImportQuestions; ++q)
            categories << 2 + q % 7;
        seedCatalogue(workspace, deleting ? 8 : 1, categories);
        QByteArray file;
        for (int q = 0; q < killedImportQuestions; ++q)
            file += QByteArray::number(q % 7) + ";K;K\nQ" + QByteArray::number(q) +
                    ";Q;Q\nA;A;A;E;E;E\nB;B;B\nC;C;C\nD;D;D\n";
        writeFile("many.csv", file);
        const QStringList before = workspace.snapshot();
        QProcess process;
        process.setWorkingDirectory(workspace.path());
        process.start(QCoreApplication::applicationFilePath(),
                      deleting ? QStringList{QLatin1String(deleteArgument), QString::number(killAt)}
                               : QStringList{QLatin1String(importArgument), "many.csv",
                                             QString::number(killAt)});
        QVERIFY(process.waitForFinished(120000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);

        QCOMPARE(workspace.query("PRAGMA integrity_check"), QStringList("ok"));
        if (killAt <= killedImportQuestions) {
            QCOMPARE(workspace.snapshot(), before);
        } else if (deleting) { // all but question 1 and its category gone
            QCOMPARE(workspace.query("SELECT count(*), count(DISTINCT category_id) FROM question"),
                     QStringList("1|1"));
            QCOMPARE(workspace.query("SELECT count(*) FROM category"), QStringList("1"));
        } else {
            QCOMPARE(workspace.query("SELECT count(*), count(DISTINCT category_id) FROM question"),
                     QStringList(QString::number(killedImportQuestions + 1) + "|2"));
            QCOMPARE(workspace.query("SELECT count(*) FROM question_answer"),
                     QStringList(QString::number(4 * killedImportQuestions + 4)));
        }
        // The program starts on it and stores again.
        Controller controller;
        controller.showDeleteQuestion();
        QVERIFY(controller.saveQuizSettings(3, 0, {1}));
        QCOMPARE(workspace.query("SELECT question_number FROM quiz_settings"), QStringList("3"));
    }

    void killedRecording_data()
    {
        QTest::addColumn<int>("killAfterMs"); // after the first answer was stored
        for (int ms : {0, 3, 20, 150})
            QTest::addRow("after %d ms", ms) << ms;
    }

    // Killed while recording answers: every answer is in the history together with its
    // memory, or neither is.
    void killedRecording()
    {
        QFETCH(int, killAfterMs);
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 1, {1, 1, 1});
        const QStringList before = workspace.snapshot();
        QProcess process;
        process.setWorkingDirectory(workspace.path());
        process.start(QCoreApplication::applicationFilePath(), {QLatin1String(recordArgument)});
        QVERIFY(process.waitForReadyRead(30000));
        QThread::msleep(killAfterMs);
        process.kill();
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);

        QCOMPARE(workspace.query("PRAGMA integrity_check"), QStringList("ok"));
        QCOMPARE(workspace.query(disagreeing), QStringList("0"));
        QVERIFY(workspace.query("SELECT count(*) FROM answer_history").value(0).toInt() > 0);
        QCOMPARE(workspace.snapshot(), before);
        // The program records on it again.
        DatabaseVelmoraApp store;
        int runId = 0;
        QVERIFY(store.learning().record(runId, {2, 0, {21}}));
        QCOMPARE(workspace.query(disagreeing), QStringList("0"));
    }

    void quizOnAnUnwritableDatabase_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("stored");
        QTest::newRow("none") << "none" << true;
        QTest::newRow("read-only file") << "read-only" << false;
        QTest::newRow("another program reading throughout") << "read hold" << false;
    }

    // A quiz whose answers cannot be recorded runs to its evaluation all the same, which
    // says so in red; the catalogue is untouched.
    void quizOnAnUnwritableDatabase()
    {
        QFETCH(QString, fault);
        QFETCH(bool, stored);
        TestWorkspace workspace;
        workspace.provision();
        seedCatalogue(workspace, 1, {1, 1});
        storeQuizSettings(workspace, 2, 0, {1});
        const QStringList before = workspace.snapshot();
        const QByteArray bytesBefore = readFile(workspace.databaseFile());
        std::unique_ptr<ReadOnlyFor> readOnly;
        if (fault == "read-only")
            readOnly = std::make_unique<ReadOnlyFor>(workspace);
        QString evaluationShown;
        bool redLine = false;
        {
            Controller controller;
            controller.show();
            controller.setBusyTimeout(300);
            std::unique_ptr<LockHolder> hold;
            if (fault == "read hold")
                hold = std::make_unique<LockHolder>(workspace.databaseFile(), true, -1);
            controller.showQuiz();
            QWidget *quiz = currentScreen(&controller);
            for (int question = 0; question < 2; ++question) {
                press(child(quiz, "questionAnswerWidget")->findChildren<QAbstractButton *>().at(0));
                press(quiz, "pbForward"); // judged
                press(quiz, "pbForward"); // on
            }
            QWidget *evaluation = currentScreen(&controller);
            evaluationShown = evaluation->metaObject()->className() + QString(" of ") +
                              child<QLabel>(evaluation, "tlCorrect")->text().section(' ', -1);
            auto *failed = child<QLabel>(evaluation, "tlHistoryFailed");
            redLine = failed->isVisible() && isRed(failed) &&
                      failed->text() == "Your answers could not be saved to your history.";
        }
        readOnly.reset();
        if (!stored) // not a byte written
            QCOMPARE(readFile(workspace.databaseFile()), bytesBefore);
        QCOMPARE(evaluationShown, QString("QuizEvaluation of 2")); // both questions asked
        QCOMPARE(redLine, !stored);
        QCOMPARE(workspace.snapshot(), before);
        // Not even the history's tables were made.
        QCOMPARE(workspace.query("SELECT count(*) FROM sqlite_master WHERE name = "
                                 "'answer_history'"),
                 QStringList(stored ? "1" : "0"));
        if (stored) {
            QCOMPARE(workspace.query("SELECT count(*) FROM answer_history"), QStringList("2"));
            QCOMPARE(workspace.query(disagreeing), QStringList("0"));
        }
    }
};

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], importArgument) == 0)
        return importInChild(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], deleteArgument) == 0)
        return deleteInChild(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], recordArgument) == 0)
        return recordInChild(argc, argv);
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    TestFaults test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_faults.moc"
