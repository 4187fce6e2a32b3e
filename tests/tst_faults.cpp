#include "controller.h"
#include "filedialogs.h"
#include "testworkspace.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <chrono>
#include <future>
#include <thread>

// Faults from outside: another program's lock on the database.
class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void lockedDatabase_data();
    void lockedDatabase();
};

namespace {
// One question "Q" in category "K", answers a1 (true) to a4.
const QStringList seed = {
    "INSERT INTO category VALUES (1)",
    "INSERT INTO category_lang VALUES (1,1,'K'),(1,2,'K'),(1,3,'K')",
    "INSERT INTO question VALUES (1,1)",
    "INSERT INTO question_lang VALUES (1,1,'Q'),(1,2,'Q'),(1,3,'Q')",
    "INSERT INTO answer VALUES (1),(2),(3),(4)",
    "INSERT INTO answer_lang VALUES (1,1,'a1','e'),(1,2,'a1','e'),(1,3,'a1','e'),"
    "(2,1,'a2',NULL),(2,2,'a2',NULL),(2,3,'a2',NULL),(3,1,'a3',NULL),(3,2,'a3',NULL),"
    "(3,3,'a3',NULL),(4,1,'a4',NULL),(4,2,'a4',NULL),(4,3,'a4',NULL)",
    "INSERT INTO question_answer VALUES (1,1,'true'),(2,1,'false'),(3,1,'false'),(4,1,'false')"};

QString writeFile(const QString &name, const QByteArray &contents)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(name));
    return name;
}

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
    workspace.execute(seed);
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
        controller.fileDialogs()->setNextOpenFileNames(
            {writeFile("k.csv", "K;K;K\nN;N;N\nb1;b1;b1;x;x;x\nb2;b2;b2\nb3;b3;b3\nb4;b4;b4\n")});
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

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
