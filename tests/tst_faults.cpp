#include "addanswerwidget.h"
#include "addquestionsperfile.h"
#include "controller.h"
#include "databaseprovisioner.h"
#include "filedialogs.h"
#include "multilanguageedit.h"
#include "testworkspace.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <future>
#include <thread>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

// Faults from outside: another program's lock on the database, a bad database file,
// hostile texts, an export that cannot be written.
class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void lockedDatabase_data();
    void lockedDatabase();
    void badDatabaseAtStart_data();
    void badDatabaseAtStart();
    void hostileTexts_data();
    void hostileTexts();
    void failedExportKeepsTheEarlierFile_data();
    void failedExportKeepsTheEarlierFile();
    void killedImport_data();
    void killedImport();
};

namespace {
// What the user has entered or chosen on a screen, and which buttons are offered.
QStringList inputState(QWidget *screen)
{
    QStringList state;
    for (QLineEdit *line : screen->findChildren<QLineEdit *>())
        state << line->text();
    for (QAbstractButton *button : screen->findChildren<QAbstractButton *>())
        state << QStringLiteral("%1%2%3%4")
                     .arg(button->objectName())
                     .arg(button->isChecked())
                     .arg(button->isEnabled())
                     .arg(button->isVisibleTo(screen));
    for (QAbstractSlider *slider : screen->findChildren<QAbstractSlider *>())
        state << QString::number(slider->value());
    return state;
}

// Another program holding the write lock on the database file from a thread of its own,
// until told to let go or for a fixed time.
class LockHolder
{
public:
    LockHolder(const QString &file, int holdMilliseconds)
    {
        std::promise<void> locked;
        std::future<void> isLocked = locked.get_future();
        std::shared_future<void> release = letGo.get_future().share();
        thread = std::thread([=, &locked] {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "lock-holder");
                db.setDatabaseName(file);
                if (!db.open() || !QSqlQuery(db).exec("BEGIN EXCLUSIVE"))
                    qFatal("cannot lock %s", qPrintable(file));
                locked.set_value();
                if (holdMilliseconds < 0)
                    release.wait();
                else
                    std::this_thread::sleep_for(std::chrono::milliseconds(holdMilliseconds));
                QSqlQuery(db).exec("ROLLBACK");
                db.close();
            }
            QSqlDatabase::removeDatabase("lock-holder");
        });
        isLocked.wait();
    }
    ~LockHolder()
    {
        letGo.set_value();
        thread.join();
    }

private:
    std::promise<void> letGo;
    std::thread thread;
};
} // namespace

void TestFaults::lockedDatabase_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("holdMs"); // -1: until the action has returned
    QTest::addColumn<int>("busyTimeoutMs");
    QTest::addColumn<bool>("stored");
    for (const QString action : {"add", "import", "delete", "settings"}) {
        QTest::addRow("%s, released in time", qPrintable(action)) << action << 100 << 3000 << true;
        QTest::addRow("%s, held throughout", qPrintable(action)) << action << -1 << 300 << false;
    }
    // The first reads time out, the writes after them would get through: what was read
    // must not be taken as "nothing there" (a second "K", orphaned answers).
    QTest::newRow("import, outlasts the reads") << "import" << 1200 << 300 << false;
    QTest::newRow("delete, outlasts the reads") << "delete" << 1200 << 300 << false;
}

void TestFaults::lockedDatabase()
{
    QFETCH(QString, action);
    QFETCH(int, holdMs);
    QFETCH(int, busyTimeoutMs);
    QFETCH(bool, stored);
    TestWorkspace workspace;
    workspace.provision();
    seedCatalogue(workspace, 1, {1});
    Controller controller;
    controller.show();
    controller.setBusyTimeout(busyTimeoutMs);

    QString button;
    QString storedCheck; // a query that gives "1" once the action took effect
    if (action == "add") {
        controller.showAddQuestion();
        QWidget *form = currentScreen(&controller);
        QTest::mouseClick(child<QRadioButton>(child(form, "categorySelection"), QString()),
                          Qt::LeftButton, {}, QPoint(4, 4));
        for (QLineEdit *line : form->findChildren<QLineEdit *>())
            QTest::keyClicks(line, "T");
        button = "pbAdd";
        storedCheck = "SELECT count(*) = 2 AND (SELECT count(*) FROM answer) = 8 FROM question";
    } else if (action == "import") {
        controller.showAddQuestionsPerFile();
        controller.fileDialogs()->setNextOpenFileNames({writeFile(
            "k.csv",
            "Cat1 DE;Cat1 EN;Cat1 EE\nN;N;N\nb1;b1;b1;x;x;x\nb2;b2;b2\nb3;b3;b3\nb4;b4;b4\n")});
        press(currentScreen(&controller), "pbOpenFile");
        button = "pbAddValues";
        storedCheck = "SELECT count(*) = 2 AND (SELECT count(*) FROM category) = 1 FROM question";
    } else if (action == "delete") {
        controller.showDeleteQuestion();
        QTest::mouseClick(child<QCheckBox>(currentScreen(&controller), QString()), Qt::LeftButton,
                          {}, QPoint(4, 4));
        button = "pbDelete";
        storedCheck =
            "SELECT count(*) = 0 AND (SELECT count(*) FROM answer_lang) = 0 FROM category";
    } else {
        controller.showQuizSettings();
        child<QAbstractSlider>(child(currentScreen(&controller), "sfQuestionNumber"), QString())
            ->setValue(7);
        button = "pbStart";
        storedCheck = "SELECT question_number = 7 FROM quiz_settings";
    }
    QPointer<QWidget> screen = currentScreen(&controller);
    const QStringList input = inputState(screen);
    const QStringList before = workspace.snapshot();
    {
        LockHolder lock(workspace.databaseFile(), holdMs);
        press(screen, qPrintable(button));
    }
    QCOMPARE(workspace.query(storedCheck), QStringList(stored ? "1" : "0"));
    if (stored)
        return;
    QCOMPARE(workspace.snapshot(), before);
    QCOMPARE(currentScreen(&controller), screen.data());
    QVERIFY(child<QLabel>(screen, "tlStoreFailed")->isVisible());
    QCOMPARE(inputState(screen), input);
}

namespace {
// Writing past maxBytes fails (as on a full disk) while it lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t maxBytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed test
        rlimit limited = saved;
        limited.rlim_cur = maxBytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit saved{};
    sighandler_t previousHandler;
};

// Starts the program as main() does, opens every screen and runs a quiz, which finds no
// question to ask. Returns the class names of the screens shown.
QStringList startAndVisitEveryScreen()
{
    DatabaseProvisioner::provision();
    Controller controller;
    controller.show();
    QStringList shown;
    for (void (Controller::*show)() :
         {&Controller::showMenu, &Controller::showQuizSettings,
          &Controller::showManageQuestionsMenu, &Controller::showAddQuestion,
          &Controller::showAddQuestionsPerFile, &Controller::showDeleteQuestion,
          &Controller::showQuiz}) {
        (controller.*show)();
        shown << QLatin1String(currentScreen(&controller)->metaObject()->className());
    }
    return shown;
}
} // namespace

void TestFaults::badDatabaseAtStart_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("provisioned"); // else left exactly as it was
    QTest::newRow("empty file") << "empty" << true;
    QTest::newRow("random bytes") << "random" << false;
    QTest::newRow("truncated copy") << "truncated" << false;
    QTest::newRow("missing table") << "missing table" << false;
    QTest::newRow("read-only file in read-only directory") << "read-only" << false;
    QTest::newRow("directory in its place") << "directory" << false;
    QTest::newRow("full disk on first start") << "full disk" << true;
}

void TestFaults::badDatabaseAtStart()
{
    QFETCH(QString, state);
    QFETCH(bool, provisioned);
    TestWorkspace workspace;
    const QString name = workspace.databaseFile();
    const QByteArray templateBytes = readFile(DatabaseProvisioner::templatePath);
    QVERIFY(templateBytes.size() > 4096);
    if (state == "directory") {
        QVERIFY(QDir(workspace.path()).mkdir("databaseVelmoraApp"));
    } else if (state == "missing table") {
        workspace.provision();
        workspace.execute({"DROP TABLE question"});
    } else if (state != "full disk") {
        QByteArray bytes;
        if (state == "random") {
            QRandomGenerator random(11);
            for (int i = 0; i < 4096; ++i)
                bytes += char(random.bounded(256));
        } else if (state == "truncated" || state == "read-only") {
            bytes =
                state == "truncated" ? templateBytes.left(templateBytes.size() / 2) : templateBytes;
        }
        writeFile(name, bytes);
    }
    if (state == "read-only") {
        // Root writes regardless; then this proves only that the start alters nothing.
        QFile::setPermissions(name, QFileDevice::ReadOwner);
        QFile::setPermissions(workspace.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    const QByteArray before = readFile(name);
    const QFile::Permissions permissionsBefore = QFileInfo(name).permissions();
    const QStringList everyScreen = {"Menu",          "QuizSettings",        "ManageQuestionsMenu",
                                     "AddQuestion",   "AddQuestionsPerFile", "DeleteQuestion",
                                     "QuizEvaluation"};
    if (state == "full disk") {
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression("^Vorlage konnte nicht kopiert werden: "));
        FileSizeLimit fullDisk(0);
        QCOMPARE(startAndVisitEveryScreen(), everyScreen);
    }
    QCOMPARE(startAndVisitEveryScreen(), everyScreen);
    QFile::setPermissions(workspace.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    if (provisioned) {
        QCOMPARE(readFile(name), templateBytes);
        QCOMPARE(QFileInfo(name).permissions() & 0x7077,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    } else {
        QCOMPARE(readFile(name), before);
    }
    if (state == "directory")
        QCOMPARE(QFileInfo(name).permissions(), permissionsBefore);
}

namespace {
// A pasted text arrives whole, line breaks and control characters included.
void paste(QLineEdit *line, const QString &text)
{
    line->clear();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    if (line->text() != text)
        qFatal("paste into %s failed", qPrintable(line->objectName()));
}

QList<QLineEdit *> lines(QWidget *form, const QString &edit, int answer = 0)
{
    QWidget *owner = answer ? form->findChildren<AddAnswerWidget *>().at(answer - 1) : form;
    return child<MultiLanguageEdit>(owner, edit)->findChildren<QLineEdit *>();
}

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

// Whether the screen shows `expected` in a label or group title; every label holding
// `raw` must show it as plain text.
bool shows(QWidget *screen, const QString &raw, const QString &expected)
{
    QStringList texts;
    for (QLabel *label : screen->findChildren<QLabel *>()) {
        texts << label->text();
        if (label->text().contains(raw) && label->textFormat() != Qt::PlainText)
            qFatal("%s shows catalogue text as markup", qPrintable(label->objectName()));
    }
    for (QGroupBox *group : screen->findChildren<QGroupBox *>())
        texts << group->title();
    return texts.join(QChar(0x2029)).contains(expected);
}
} // namespace

void TestFaults::hostileTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits"); // else the form refuses it
    QTest::newRow("quotes") << "\"Zitat\" 'x' „y“ «z»" << true;
    QTest::newRow("backslashes") << "C:\\temp\\new \\n \\\\" << true;
    QTest::newRow("SQL comment") << "' OR 1=1 -- x" << true;
    QTest::newRow("placeholders") << "%1 %2 %n %% {0} $HOME" << true;
    QTest::newRow("control characters") << QString::fromUtf8("a\tb\x01c\x1b[31md\x7f\x00e") << true;
    QTest::newRow("10,000 characters") << QString("Öü€ ").repeated(2500) << true;
    QTest::newRow("right-to-left") << "שלום עולם مرحبا \u202Eabc" << true;
    QTest::newRow("emoji") << "😀 👍🏽 👨‍👩‍👧" << true;
    QTest::newRow("markup") << "<b>fett</b><h1>H</h1><img src=\"/x.png\"><br>" << true;
    QTest::newRow("line break") << "Erste Zeile\nzweite Zeile" << false;
    QTest::newRow("carriage return") << "a\rb" << false;
    QTest::newRow("separator") << "a;b" << false;
}

void TestFaults::hostileTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, fits);
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    controller.show();
    QVERIFY(QTest::qWaitForWindowExposed(&controller));
    const QStringList codes{"DE", "EN", "EE"};
    auto variant = [&](const QString &field, int l) { return text + ' ' + field + codes[l]; };

    controller.showAddQuestion();
    QPointer<QWidget> form = currentScreen(&controller);
    press(form, "rbAddNewCategory");
    press(form->findChildren<AddAnswerWidget *>().at(0), "cbAnswerTrue");
    QStringList expected[3]; // category, question, answers
    for (int l = 0; l < 3; ++l) {
        paste(lines(form, "mleCategory")[l], variant("C", l));
        paste(lines(form, "mleQuestion")[l], variant("Q", l));
        expected[0] << variant("C", l);
        expected[1] << variant("Q", l);
    }
    for (int n = 1; n <= 4; ++n) {
        for (int l = 0; l < 3; ++l) {
            paste(lines(form, "mleAnswer", n)[l], variant("A" + QString::number(n), l));
            if (n == 1)
                paste(lines(form, "mleExplanation", n)[l], variant("E", l));
            expected[2] << variant("A" + QString::number(n), l) + '|' +
                               (n == 1 ? variant("E", l) : "");
        }
    }
    if (!fits) {
        const QString kept = lines(form, "mleQuestion")[1]->text();
        press(form, "pbAdd");
        QVERIFY(form); // refused: the form stays, marked, with the input as it was
        QVERIFY(isRed(child(form, "tlQuestion")) && isRed(child(form, "rbAddNewCategory")));
        QVERIFY(isRed(child(form, "rbAnswer1")) && isRed(child(form, "rbAnswer4")));
        QCOMPARE(lines(form, "mleQuestion")[1]->text(), kept);
        QCOMPARE(workspace.query("SELECT count(*) FROM question"), QStringList("0"));
        return;
    }
    press(form, "pbAdd");
    QVERIFY(form.isNull()); // stored, and a fresh form took its place
    const QStringList stored = catalogueTexts(workspace);
    QCOMPARE(stored, expected[0] + expected[1] + expected[2]);

    // Read back and shown, as plain text, in every interface language.
    workspace.execute({"UPDATE quiz_settings SET question_number = 1, time_per_question = 0"});
    const QList<void (Controller::*)()> languages{&Controller::changeLanguageToDE,
                                                  &Controller::changeLanguageToEN,
                                                  &Controller::changeLanguageToEE};
    for (int l = 0; l < 3; ++l) {
        (controller.*languages[l])();
        controller.showDeleteQuestion();
        QVERIFY(shows(currentScreen(&controller), text, variant("Q", l)));
        QVERIFY(shows(currentScreen(&controller), text, variant("C", l)));
        controller.showQuiz();
        QWidget *quiz = currentScreen(&controller);
        for (const QString field : {"C", "Q", "A1", "A2", "A3", "A4"})
            QVERIFY2(shows(quiz, text, variant(field, l)), qPrintable(field));
        press(quiz, "pbForward");
        QVERIFY(shows(quiz, text, variant("E", l)));
    }

    // Exported and imported again, unchanged.
    controller.showManageQuestionsMenu();
    controller.fileDialogs()->setNextSaveFileName(workspace.path() + "/out.csv");
    press(currentScreen(&controller), "pbExportQuestions");
    workspace.execute({"DELETE FROM category", "DELETE FROM category_lang", "DELETE FROM question",
                       "DELETE FROM question_lang", "DELETE FROM answer", "DELETE FROM answer_lang",
                       "DELETE FROM question_answer"});
    controller.showAddQuestionsPerFile();
    controller.fileDialogs()->setNextOpenFileNames({"out.csv"});
    press(currentScreen(&controller), "pbOpenFile");
    press(currentScreen(&controller), "pbAddValues");
    QCOMPARE(catalogueTexts(workspace), stored);
}

void TestFaults::failedExportKeepsTheEarlierFile_data()
{
    QTest::addColumn<QString>("questionText"); // English; stored as by the database editor
    QTest::addColumn<QString>("target");
    QTest::newRow("separator in a text") << "a;b"
                                         << "old.csv";
    QTest::newRow("line break in a text") << "Erste Zeile\nzweite Zeile"
                                          << "old.csv";
    QTest::newRow("folder does not exist") << "Q"
                                           << "missing/old.csv";
    QTest::newRow("folder is a file") << "Q"
                                      << "old.csv/new.csv";
}

void TestFaults::failedExportKeepsTheEarlierFile()
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
    controller.showManageQuestionsMenu();
    QWidget *menu = currentScreen(&controller);
    QLabel *failure = child<QLabel>(menu, "tlExportFailed");
    QVERIFY(failure->isHidden());
    controller.fileDialogs()->setNextSaveFileName(workspace.path() + '/' + target);
    press(menu, "pbExportQuestions");
    QCOMPARE(readFile("old.csv"), QByteArray("earlier backup\n"));
    QCOMPARE(QDir(workspace.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList({"databaseVelmoraApp", "old.csv"}));
    QVERIFY(failure->isVisible() && isRed(failure));
    QCOMPARE(failure->textFormat(), Qt::PlainText);
    if (questionText != "Q")
        QVERIFY(failure->text().contains('"' + questionText + '"'));
    else
        QCOMPARE(failure->text(), QStringLiteral("The questions could not be exported."));

    // Once the obstacle is gone, the message goes with it.
    workspace.execute({"UPDATE question_lang SET question_text = 'Q'"});
    controller.fileDialogs()->setNextSaveFileName(workspace.path() + "/new.csv");
    press(menu, "pbExportQuestions");
    QVERIFY(failure->isHidden());
    QVERIFY(readFile("new.csv").startsWith("Cat1 DE;Cat1 EN;Cat1 EE\r\nQ;Q;Q\r\n"));
}

namespace {
const int killedImportQuestions = 2000;
const char importArgument[] = "--import-in-child";

// The child of killedImport(): imports the file through the import screen and kills itself
// once the count of questions done reaches killAt, or after the import when none does.
int importInChild(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int killAt = QByteArray(argv[3]).toInt();
    Controller controller;
    controller.showAddQuestionsPerFile();
    auto *screen = qobject_cast<AddQuestionsPerFile *>(currentScreen(&controller));
    screen->setProgressDelay(0); // the dialog is shown at once and lets events through
    controller.fileDialogs()->setNextOpenFileNames({QString::fromLocal8Bit(argv[2])});
    child<QPushButton>(screen, "pbOpenFile")->click();
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
} // namespace

void TestFaults::killedImport_data()
{
    QTest::addColumn<int>("killAt"); // questions done; beyond the last: once it has ended
    for (int killAt : {2, 1000, killedImportQuestions - 1, killedImportQuestions + 1})
        QTest::addRow("at %d", killAt) << killAt;
}

void TestFaults::killedImport()
{
    QFETCH(int, killAt);
    TestWorkspace workspace;
    workspace.provision();
    seedCatalogue(workspace, 1, {1});
    QByteArray file;
    for (int q = 0; q < killedImportQuestions; ++q)
        file += QByteArray::number(q % 7) + ";K;K\nQ" + QByteArray::number(q) +
                ";Q;Q\nA;A;A;E;E;E\nB;B;B\nC;C;C\nD;D;D\n";
    writeFile("many.csv", file);
    const QStringList before = workspace.snapshot();
    QProcess process;
    process.setWorkingDirectory(workspace.path());
    process.start(QCoreApplication::applicationFilePath(),
                  {QLatin1String(importArgument), "many.csv", QString::number(killAt)});
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);

    QCOMPARE(workspace.query("PRAGMA integrity_check"), QStringList("ok"));
    if (killAt <= killedImportQuestions) {
        QCOMPARE(workspace.snapshot(), before);
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

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], importArgument) == 0)
        return importInChild(argc, argv);
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    TestFaults test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_faults.moc"
