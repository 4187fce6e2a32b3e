// velmora_screenshots: renders every screen and the small windows to PNG, in each
// interface language, on the sample catalogue.
//
//     QT_QPA_PLATFORM=offscreen velmora_screenshots QUESTION_FILE OUTPUT_DIR
//
// Works in a temporary directory with a fresh database, so no existing catalogue is read
// or changed; writes OUTPUT_DIR/<language>/<screen>.png. Every text that is wider than its
// widget (cut off) is reported on standard error, and the exit code is then 1.
//
// The progress screen is drawn on a generated history: sixteen weeks of short quizzes on
// the sample catalogue, the same on every run, up to a fixed day.

#include "checkbox.h"
#include "connectionwindow.h"
#include "controller.h"
#include "databaseconnection.h"
#include "databaseprovisioner.h"
#include "filedialogs.h"
#include "learningstore.h"
#include "questionanswerwidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <ctime>
#include <functional>

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Lets layouts, timers and posted events run for a while.
void settle(int milliseconds = 50)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

QWidget *screenOf(Controller &controller)
{
    QLayoutItem *item = controller.layout()->itemAt(0);
    return item ? item->widget() : nullptr;
}

template <typename T> T *child(QWidget *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("velmora_screenshots: no %s on the screen", name);
    return widget;
}

// A new top-level window of the given class, opened by the last action.
QWidget *topLevel(const char *className)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible() && window->inherits(className))
            return window;
    }
    qFatal("velmora_screenshots: no %s window", className);
}

class Shooter
{
public:
    explicit Shooter(const QDir &dir) : dir(dir) {}

    // Saves the window's picture and reports every text that does not fit its widget.
    void shoot(QWidget *window, const QString &name)
    {
        settle();
        reportCutOffTexts(window, name);
        // A palette of 256 colours keeps the pictures small; widgets use few colours.
        const QImage image = window->grab().toImage().convertToFormat(
            QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
        QImageWriter writer(dir.filePath(name + QStringLiteral(".png")), "png");
        writer.setQuality(0); // the smallest file
        if (!writer.write(image)) {
            err() << "velmora_screenshots: cannot write " << writer.fileName() << ": "
                  << writer.errorString() << '\n';
            failed = true;
        }
    }

    bool failed = false;

private:
    void reportCutOffTexts(QWidget *window, const QString &name)
    {
        const QList<QWidget *> widgets = window->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (!widget->isVisibleTo(window))
                continue;
            QString text;
            int needed = 0;
            if (auto *label = qobject_cast<QLabel *>(widget)) {
                if (label->wordWrap() || label->text().isEmpty())
                    continue;
                text = label->text();
                needed = label->minimumSizeHint().width();
            } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
                if (button->text().isEmpty())
                    continue;
                text = button->text();
                needed = button->sizeHint().width();
            } else {
                continue;
            }
            if (widget->width() < needed) {
                err() << dir.dirName() << '/' << name << ": \"" << text << "\" needs " << needed
                      << " px, has " << widget->width() << " px\n";
                failed = true;
            }
        }
    }

    QDir dir;
};

// Checks exactly the true answers (right) or only the first false one (wrong).
void answer(QWidget *quiz, bool right)
{
    auto *question = child<QuestionAnswerWidget>(quiz, "questionAnswerWidget");
    const QList<bool> isTrue = question->getAnswerIsTrue();
    const QList<CheckBox *> rows = question->findChildren<CheckBox *>();
    bool wrongChosen = false;
    for (int row = 0; row < rows.size() && row < isTrue.size(); ++row) {
        const bool check = right ? isTrue.at(row) : (!isTrue.at(row) && !wrongChosen);
        wrongChosen = wrongChosen || (check && !right);
        rows.at(row)->setChecked(check);
    }
}

// Presses the button and pictures the confirmation it asks, which is then cancelled: the
// program's own modal question, shot from within its event loop.
void shootConfirmation(QAbstractButton *button, Shooter &shot, const QString &name)
{
    bool asked = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(topLevel("QMessageBox"));
        asked = box != nullptr;
        shot.shoot(box, name);
        box->escapeButton()->click();
    });
    button->click();
    if (!asked)
        qFatal("velmora_screenshots: %s asked nothing", qPrintable(name));
}

// Files the import refuses, each for another reason.
QStringList writeRefusedFiles()
{
    const QList<QPair<QString, QByteArray>> files = {
        {QStringLiteral("capitals.csv"),
         "Geographie;Geography;Geograafia\n"
         "Welche Stadt ist die Hauptstadt Lettlands?;Which city is the capital of "
         "Latvia?;Milline linn on L\xc3\xa4ti pealinn?\n"
         "Riga;Riga;Riia;Riga ist die Hauptstadt.;Riga is the capital.\n"
         "Tallinn;Tallinn;Tallinn\nVilnius;Vilnius;Vilnius\nKaunas;Kaunas;Kaunas\n"},
        {QStringLiteral("moodle-bank.xml"),
         "<?xml version=\"1.0\"?>\n<quiz>\n<question type=\"multichoice\">\n"
         "<name><text>Rivers</text></name>\n</quiz>\n"},
        {QStringLiteral("rivers.gift"),
         "::Rivers:: Which river flows through Tartu? {\n=Emaj\xc3\xb5gi\n~Narva\n"},
    };
    QStringList names;
    for (const auto &file : files) {
        QFile out(file.first);
        if (!out.open(QIODevice::WriteOnly) || out.write(file.second) != file.second.size())
            qFatal("velmora_screenshots: cannot write %s", qPrintable(file.first));
        names << QFileInfo(out).absoluteFilePath();
    }
    return names;
}

// The first question with more than one true answer, which shows more of the edit form.
int questionToEdit(Controller &controller)
{
    const QList<int> ids = controller.getAllQuestionIds();
    for (int id : ids) {
        if (controller.getTrueAnswerIdsToQuestionId(id).size() > 1)
            return id;
    }
    return ids.value(0);
}

void shootLanguage(Controller &controller, Shooter &shot, const QString &questionFile,
                   const std::function<void()> &chooseLanguage)
{
    chooseLanguage();
    shot.shoot(&controller, QStringLiteral("menu"));

    child<QPushButton>(screenOf(controller), "pbAbout")->click();
    QWidget *about = topLevel("AboutWindow");
    // As the installed program started from the menu shows them: the workspace's random
    // name and this checkout's path would make every picture differ.
    child<QLabel>(about, "tlDatabase")
        ->setText(QStringLiteral("~/.local/share/velmora/databaseVelmoraApp"));
    if (auto *guide = about->findChild<QLabel *>(QStringLiteral("tlUserGuide"))) {
        guide->setText(QStringLiteral("<a href=\"file:///usr/share/doc/velmora/USER_GUIDE.md\">"
                                      "/usr/share/doc/velmora/USER_GUIDE.md</a>"));
    }
    // As high as the window makes itself for its texts, measured anew.
    const QList<QLayout *> layouts = about->findChildren<QLayout *>();
    for (QLayout *layout : layouts)
        layout->invalidate();
    about->resize(about->width(), about->heightForWidth(about->width()));
    shot.shoot(about, QStringLiteral("about"));
    about->close();

    // What the start shows when the server does not answer; not opened for real, since the
    // window's own try would take the walk's connection.
    const DatabaseLocation server =
        DatabaseLocation::parse(QStringLiteral("postgresql://ann@school.example.org/school"));
    ConnectionWindow unreachable(server);
    unreachable.showReason(
        DatabaseConnection::tr("The database %1 cannot be reached: %2")
            .arg(server.displayName(),
                 QStringLiteral("could not translate host name \"school.example.org\" to "
                                "address: Name or service not known")));
    unreachable.show();
    shot.shoot(&unreachable, QStringLiteral("server-unreachable"));
    unreachable.close();

    controller.showQuizSettings();
    shot.shoot(&controller, QStringLiteral("quiz-settings"));

    // The same draw in every language: the clock that seeds it stands still.
    controller.randomSource().setClock([] { return qint64(7); });
    child<QPushButton>(screenOf(controller), "pbStart")->click();
    // Half-way between two seconds, so the countdown and the times shown do not vary.
    settle(2500);
    QWidget *quiz = screenOf(controller);
    shot.shoot(&controller, QStringLiteral("quiz-question"));
    answer(quiz, true);
    child<QPushButton>(quiz, "pbForward")->click();
    shot.shoot(&controller, QStringLiteral("quiz-right"));

    child<QPushButton>(quiz, "pbForward")->click();
    settle(3500);
    answer(quiz, false);
    child<QPushButton>(quiz, "pbForward")->click();
    shot.shoot(&controller, QStringLiteral("quiz-wrong"));

    child<QPushButton>(quiz, "pbCancel")->click();
    QWidget *cancel = topLevel("CancelWindow");
    shot.shoot(cancel, QStringLiteral("cancel"));
    child<QPushButton>(cancel, "pbNo")->click();

    child<QPushButton>(quiz, "pbForward")->click();
    settle(1500);
    answer(quiz, true);
    child<QPushButton>(quiz, "pbForward")->click();
    child<QPushButton>(quiz, "pbForward")->click(); // after the last question
    shot.shoot(&controller, QStringLiteral("evaluation"));
    child<QPushButton>(screenOf(controller), "pbReview")->click();
    shot.shoot(&controller, QStringLiteral("review"));

    controller.showMenu();
    controller.showPasswordCheck();
    QWidget *password = topLevel("PasswordCheck");
    password->findChild<QLineEdit *>()->setText(QStringLiteral("tarwe"));
    shot.shoot(password, QStringLiteral("password"));
    password->close();

    controller.showManageQuestionsMenu();
    shot.shoot(&controller, QStringLiteral("manage-questions"));

    controller.showEditQuestions();
    shot.shoot(&controller, QStringLiteral("edit-questions"));
    controller.showEditQuestion(questionToEdit(controller));
    shot.shoot(&controller, QStringLiteral("edit-question"));

    controller.showAddQuestion();
    shot.shoot(&controller, QStringLiteral("add-question"));
    QWidget *add = screenOf(controller);
    QWidget *questionEdit = child<QWidget>(add, "mleQuestion");
    child<QLineEdit>(questionEdit, "leDE")
        ->setText(QStringLiteral("Welcher ist der größte See, "
                                 "der ganz in Estland liegt?"));
    child<QLineEdit>(questionEdit, "leEN")
        ->setText(QStringLiteral("Which is the largest lake lying entirely in Estonia?"));
    child<QLineEdit>(questionEdit, "leEE")
        ->setText(QStringLiteral("Milline on suurim täielikult Eestis asuv järv?"));
    child<QPushButton>(add, "pbAdd")->click();
    shot.shoot(&controller, QStringLiteral("add-question-invalid"));

    controller.showAddQuestionsPerFile();
    shot.shoot(&controller, QStringLiteral("import"));
    controller.fileDialogs()->setNextOpenFileNames({questionFile});
    child<QPushButton>(screenOf(controller), "pbOpenFile")->click();
    shot.shoot(&controller, QStringLiteral("import-read"));

    controller.showAddQuestionsPerFile();
    controller.fileDialogs()->setNextOpenFileNames(writeRefusedFiles());
    child<QPushButton>(screenOf(controller), "pbOpenFile")->click();
    shot.shoot(&controller, QStringLiteral("import-refused"));

    // Two questions checked, then a search that hides them and shows another to check.
    controller.showDeleteQuestion();
    QWidget *remove = screenOf(controller);
    QList<CheckBox *> rows = remove->findChildren<CheckBox *>();
    for (int row = 0; row < 2 && row < rows.size(); ++row)
        rows.at(row)->setChecked(true);
    const QStringList words =
        controller.getQuestionTextAt(controller.getAllQuestionIds().constLast())
            .split(QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts);
    QString longest;
    for (const QString &word : words)
        longest = word.size() > longest.size() ? word : longest;
    child<QLineEdit>(remove, "leSearch")->setText(longest);
    settle();
    rows = remove->findChildren<CheckBox *>();
    for (CheckBox *row : qAsConst(rows)) {
        if (row->isVisibleTo(remove) && !row->isChecked()) {
            row->setChecked(true);
            break;
        }
    }
    shot.shoot(&controller, QStringLiteral("delete-questions"));
    shootConfirmation(child<QPushButton>(remove, "pbDelete"), shot,
                      QStringLiteral("delete-confirmation"));

    controller.showPrintTest();
    // A seed of its own would make every picture differ.
    child<QSpinBox>(screenOf(controller), "sbSeed")->setValue(42);
    shot.shoot(&controller, QStringLiteral("print-test"));
}

// Sixteen weeks of short quizzes on most evenings up to three days ago: due questions
// first, a few new ones, and more right answers the more often a question was seen. A
// fifth of the questions is never asked, so every part of the category bars shows.
void generateHistory(Controller &controller, qint64 until)
{
    LearningStore &learning = controller.learning();
    QRandomGenerator random(17);
    QList<int> pool;
    QHash<int, int> ease; // in percent, per question
    for (int id : controller.getAllQuestionIds()) {
        if (id % 5 != 0)
            pool.append(id);
        ease.insert(id, 25 + int(random.bounded(45)));
    }
    qint64 at = 0;
    learning.setClock([&at] { return at; });
    const int days = 16 * 7;
    for (int day = days; day >= 3; --day) {
        if (random.bounded(100) >= (day < 21 ? 80 : 55))
            continue;
        const int length = 4 + int(random.bounded(7));
        at = until - day * Fsrs::dayMs + qint64(random.bounded(120)) * 60 * 1000;
        const QHash<int, Fsrs::Memory> memories = learning.memories();
        QList<int> due;
        QList<int> fresh;
        QList<int> seen;
        for (int id : pool) {
            const auto memory = memories.constFind(id);
            if (memory == memories.constEnd())
                fresh.append(id);
            else if (memory->dueMs <= at)
                due.append(id);
            else
                seen.append(id);
        }
        QList<int> asked = due.mid(0, length);
        asked += fresh.mid(0, std::min(3, length - int(asked.size())));
        while (asked.size() < length && !seen.isEmpty())
            asked.append(seen.takeAt(int(random.bounded(int(seen.size())))));
        int runId = 0;
        for (int id : asked) {
            const int reviews = memories.value(id).reviews;
            RecordedAnswer answer;
            answer.questionId = id;
            answer.correct = int(random.bounded(100)) < std::min(92, ease.value(id) + 8 * reviews);
            answer.checkedAnswerIds = answer.correct
                                          ? controller.getTrueAnswerIdsToQuestionId(id)
                                          : controller.getFalseAnswerIdsToQuestionId(id).mid(0, 1);
            answer.millisecondsUsed = 4000 + int(random.bounded(20000));
            answer.languageId = 2;
            at += answer.millisecondsUsed;
            answer.answeredMs = at;
            learning.record(runId, answer);
        }
    }
    learning.setClock([until] { return until; });
}

// Imports the question file through the import screen, as a user would.
bool importQuestions(Controller &controller, const QString &questionFile)
{
    controller.showAddQuestionsPerFile();
    controller.fileDialogs()->setNextOpenFileNames({questionFile});
    child<QPushButton>(screenOf(controller), "pbOpenFile")->click();
    QPushButton *add = child<QPushButton>(screenOf(controller), "pbAddValues");
    if (!add->isVisible())
        return false;
    add->click();
    QElapsedTimer waited;
    waited.start();
    while (controller.getAllQuestionIds().isEmpty() && waited.elapsed() < 30000)
        settle();
    return !controller.getAllQuestionIds().isEmpty();
}

} // namespace

int main(int argc, char *argv[])
{
    // The calendar's days in one time zone wherever the pictures are made.
    qputenv("TZ", "UTC");
    tzset();
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        err() << "usage: velmora_screenshots QUESTION_FILE OUTPUT_DIR\n";
        return 2;
    }
    const QString questionFile = QFileInfo(arguments.at(1)).absoluteFilePath();
    const QDir output(QFileInfo(arguments.at(2)).absoluteFilePath());

    // The program keeps its database in the working directory: work in a fresh one.
    QTemporaryDir workspace;
    if (!workspace.isValid() || !QDir::setCurrent(workspace.path())) {
        err() << "velmora_screenshots: cannot enter a temporary directory\n";
        return 1;
    }
    DatabaseProvisioner::provision();

    Controller controller;
    controller.show();
    if (!importQuestions(controller, questionFile)) {
        err() << "velmora_screenshots: cannot import " << questionFile << '\n';
        return 1;
    }
    controller.saveQuizSettings(3, 30, controller.getAllCategoryIds());

    bool failed = false;
    const QList<QPair<QString, void (Controller::*)()>> languages = {
        {QStringLiteral("de"), &Controller::changeLanguageToDE},
        {QStringLiteral("en"), &Controller::changeLanguageToEN},
        {QStringLiteral("ee"), &Controller::changeLanguageToEE},
    };
    // Before any quiz of the walk below adds to the history, so all three show the same.
    generateHistory(controller,
                    QDateTime(QDate(2026, 5, 15), QTime(20, 0), Qt::UTC).toMSecsSinceEpoch());
    for (const auto &language : languages) {
        QDir dir(output.filePath(language.first));
        if (!dir.mkpath(QStringLiteral("."))) {
            err() << "velmora_screenshots: cannot create " << dir.path() << '\n';
            return 1;
        }
        Shooter shot(dir);
        (controller.*language.second)();
        controller.showProgress();
        // As tall as its contents, so the picture shows what lies below; the width, which
        // decides whether the texts fit, stays.
        const QSize size = controller.size();
        settle();
        auto *area = child<QScrollArea>(screenOf(controller), "saProgress");
        const int below =
            area->widget()->heightForWidth(area->viewport()->width()) - area->viewport()->height();
        controller.resize(size.width(), size.height() + std::max(0, below));
        shot.shoot(&controller, QStringLiteral("progress"));
        controller.resize(size);
        failed = failed || shot.failed;
    }
    for (const auto &language : languages) {
        QDir dir(output.filePath(language.first));
        Shooter shot(dir);
        shootLanguage(controller, shot, questionFile, [&] { (controller.*language.second)(); });
        failed = failed || shot.failed;
    }
    return failed ? 1 : 0;
}
