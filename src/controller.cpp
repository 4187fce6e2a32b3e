#include "controller.h"

#include "addquestion.h"
#include "addquestionsperfile.h"
#include "cancelwindow.h"
#include "cataloguechange.h"
#include "deletequestion.h"
#include "editquestions.h"
#include "invalidmarking.h"
#include "managequestionsmenu.h"
#include "menu.h"
#include "passwordcheck.h"
#include "printtest.h"
#include "programinfo.h"
#include "progress.h"
#include "quiz.h"
#include "quizevaluation.h"
#include "quizsettings.h"

#include <QAction>
#include <QLabel>
#include <QCoreApplication>
#include <QDir>
#include <QLayoutItem>
#include <QLibraryInfo>
#include <QProcess>

Controller::Controller(QWidget *parent) : Controller(DatabaseLocation::resolve(), parent) {}

Controller::Controller(const DatabaseLocation &location, QWidget *parent)
    : QWidget(parent), databaseApp(location)
{
    // Id lists travel in signals and through invokeMethod.
    qRegisterMetaType<QList<int>>();
    ui.setupUi(this);
    // Ctrl+Q, and the platform's own quit keys, from every screen and from the small windows
    // beside it.
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (!quitKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Q)))
        quitKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Q));
    auto *quit = new QAction(this);
    quit->setShortcuts(quitKeys);
    quit->setShortcutContext(Qt::ApplicationShortcut);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);
    databaseApp.connection().setWaitingNotifier(
        [this](int waitedMs) { showCatalogueWait(waitedMs); });
    showMenu();
}

bool Controller::catalogueChangeAllowed()
{
    if (databaseApp.connection().mayChangeCatalogue())
        return true;
    showManageQuestionsMenu();
    if (manageQuestionsMenuWidget)
        manageQuestionsMenuWidget->showRefusal(
            tr("Only a teacher may change the catalogue on this server."));
    return false;
}

void Controller::showCatalogueWait(int waitedMs)
{
    if (!catalogueWait) {
        catalogueWait = new QLabel(this);
        catalogueWait->setObjectName(QStringLiteral("tlWaitingForCatalogue"));
        catalogueWait->setAlignment(Qt::AlignCenter);
        catalogueWait->setWordWrap(true);
        catalogueWait->setAutoFillBackground(true);
        catalogueWait->setFrameShape(QFrame::Box);
        catalogueWait->setMargin(12);
    }
    if (waitedMs < 0) {
        catalogueWait->hide();
        return;
    }
    catalogueWait->setText(
        tr("Another change of the catalogue is being stored. Waiting for it: %1 of %2 s.")
            .arg(waitedMs / 1000)
            .arg(databaseApp.connection().catalogueLockWaitLimit() / 1000));
    catalogueWait->resize(qMin(width() - 40, 420), catalogueWait->heightForWidth(qMin(width() - 40, 420)));
    catalogueWait->move((width() - catalogueWait->width()) / 2,
                        (height() - catalogueWait->height()) / 2);
    catalogueWait->show();
    catalogueWait->raise();
    // Painted, but no click reaches a screen while its change is on the way.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

Controller::~Controller() = default;

void Controller::beginScreenChange(const QString &title)
{
    setWindowTitle(ProgramInfo::windowTitle(title));
    switchLanguage();
}

bool Controller::installScreen(QWidget *screen, int changesBefore)
{
    if (screenChanges != changesBefore) {
        delete screen;
        return false;
    }
    ++screenChanges;
    QWidget *oldScreen = currentScreen();
    if (oldScreen) {
        delete ui.verticalLayout->replaceWidget(oldScreen, screen, Qt::FindChildrenRecursively);
        delete oldScreen;
    } else {
        ui.verticalLayout->insertWidget(0, screen);
    }
    screen->show();
    showConnectionState();
    return true;
}

void Controller::showConnectionState()
{
    // A screen built while the server was out of reach shows less than there is: say so.
    const bool usable = databaseApp.connection().isUsable();
    if (usable && !connectionLost)
        return;
    if (!connectionLost) {
        connectionLost = new QLabel(this);
        connectionLost->setObjectName(QStringLiteral("tlConnectionLost"));
        connectionLost->setWordWrap(true);
        InvalidMarking::mark(connectionLost);
        ui.verticalLayout->addWidget(connectionLost);
    }
    connectionLost->setText(
        tr("The database %1 cannot be reached; what is shown may be incomplete. The next "
           "step tries again.")
            .arg(databaseApp.connection().location().displayName()));
    connectionLost->setVisible(!usable);
}

QWidget *Controller::currentScreen() const
{
    QLayoutItem *item = ui.verticalLayout->itemAt(0);
    return item ? item->widget() : nullptr;
}

void Controller::showMenu()
{
    const int changesBefore = screenChanges;
    beginScreenChange(tr("Menu"));
    menuWidget = new Menu(this);
    installScreen(menuWidget, changesBefore);
}

void Controller::showQuizSettings()
{
    const int changesBefore = screenChanges;
    beginScreenChange(tr("Quiz settings"));
    quizSettingsWidget = new QuizSettings(this);
    installScreen(quizSettingsWidget, changesBefore);
}

void Controller::showQuiz()
{
    const int changesBefore = screenChanges;
    beginScreenChange(tr("Quiz"));
    // With no question to ask, the quiz requests the evaluation while it is being built;
    // installScreen then keeps that evaluation and drops the quiz.
    quizWidget = new Quiz(this);
    installScreen(quizWidget, changesBefore);
}

void Controller::showQuizCancelWindow()
{
    // The window belongs to the quiz on display: only that quiz can be ended by it.
    auto *quiz = qobject_cast<Quiz *>(currentScreen());
    if (!quiz)
        return;
    // Parentless and not modal: the quiz keeps running behind it. It deletes itself once
    // closed.
    auto *cancelWindow = new CancelWindow(tr("Do you want to cancel the quiz?"));
    // However the quiz goes (evaluation, restart, any other screen), its window goes too.
    connect(quiz, &QObject::destroyed, cancelWindow, &QWidget::close);
    // In this order: the quiz hears quizQuitted while it is still on display.
    connect(cancelWindow, &CancelWindow::clickedYes, quiz, [this] {
        emit quizQuitted();
        showMenu();
    });
    cancelWindow->show();
}

void Controller::showQuizEvaluation(int numberOfTrueAnsweredQuestions, int numberOfQuestions,
                                    int averageTimePerQuestion)
{
    showQuizEvaluation(numberOfTrueAnsweredQuestions, numberOfQuestions, averageTimePerQuestion,
                       {});
}

void Controller::showQuizEvaluation(int numberOfTrueAnsweredQuestions, int numberOfQuestions,
                                    int totalTime, const QList<AnsweredQuestion> &answered,
                                    bool historySaved)
{
    const int changesBefore = screenChanges;
    beginScreenChange(tr("Quiz Evaluation"));
    quizEvaluationWidget = new QuizEvaluation(this);
    // The quiz hands over its total time; the screen derives the average itself.
    quizEvaluationWidget->setValues(numberOfTrueAnsweredQuestions, numberOfQuestions, totalTime);
    quizEvaluationWidget->setAnswered(answered);
    quizEvaluationWidget->setHistorySaved(historySaved);
    installScreen(quizEvaluationWidget, changesBefore);
}

void Controller::showProgress()
{
    const int changesBefore = screenChanges;
    beginScreenChange(tr("Progress"));
    installScreen(new Progress(this), changesBefore);
}

void Controller::showPrintTest()
{
    const int changesBefore = screenChanges;
    beginScreenChange(tr("Print a test"));
    installScreen(new PrintTest(this), changesBefore);
}

void Controller::showManageQuestionsMenu()
{
    const int changesBefore = screenChanges;
    beginScreenChange(tr("Manage questions"));
    manageQuestionsMenuWidget = new ManageQuestionsMenu(this);
    installScreen(manageQuestionsMenuWidget, changesBefore);
}

void Controller::showAddQuestion()
{
    if (!catalogueChangeAllowed())
        return;
    const int changesBefore = screenChanges;
    beginScreenChange(tr("Add questions"));
    addQuestionWidget = new AddQuestion(this);
    installScreen(addQuestionWidget, changesBefore);
}

void Controller::showAddQuestionsPerFile()
{
    if (!catalogueChangeAllowed())
        return;
    const int changesBefore = screenChanges;
    beginScreenChange(tr("Add questions per CSV-file"));
    addQuestionsPerFileWidget = new AddQuestionsPerFile(this);
    installScreen(addQuestionsPerFileWidget, changesBefore);
}

void Controller::showDeleteQuestion()
{
    if (!catalogueChangeAllowed())
        return;
    const int changesBefore = screenChanges;
    beginScreenChange(tr("Delete questions"));
    deleteQuestionWidget = new DeleteQuestion(this);
    installScreen(deleteQuestionWidget, changesBefore);
}

void Controller::showEditQuestions()
{
    showEditQuestions(QString());
}

void Controller::showEditQuestions(const QString &outcome)
{
    if (!catalogueChangeAllowed())
        return;
    const int changesBefore = screenChanges;
    beginScreenChange(tr("Edit questions"));
    auto *screen = new EditQuestions(this);
    screen->setOutcome(outcome);
    installScreen(screen, changesBefore);
}

void Controller::showEditQuestion(int questionId)
{
    const int changesBefore = screenChanges;
    beginScreenChange(tr("Edit question"));
    auto *screen = new AddQuestion(this);
    screen->editQuestion(questionId);
    installScreen(screen, changesBefore);
}

void Controller::showPasswordCheck()
{
    // A parentless window of its own that deletes itself once closed.
    auto *passwordCheck = new PasswordCheck();
    connect(passwordCheck, &PasswordCheck::enteredRightPassword, this,
            &Controller::showManageQuestionsMenu);
    passwordCheck->show();
}

void Controller::showDatabaseEditor()
{
    if (!catalogueChangeAllowed())
        return;
    // The editor opens the file in the working directory, which is not the server's data.
    if (databaseApp.connection().location().isServer()) {
        showManageQuestionsMenu();
        if (manageQuestionsMenuWidget)
            manageQuestionsMenuWidget->showRefusal(
                tr("The database editor works on a database file only; on a server, use psql."));
        return;
    }
    // Started detached from the working directory; nothing is expected back, and a
    // missing editor is silently ignored.
    QProcess::startDetached(QStringLiteral("./Database_editor"), {}, QDir::currentPath());
}

int Controller::getCurrentLanguageId()
{
    return databaseApp.getCurrentLanguageId();
}

void Controller::changeLanguage(const QString &countryCode, int languageId)
{
    databaseApp.setCurrentCountryCode(countryCode);
    databaseApp.setCurrentLanguageId(languageId);
    showMenu();
}

void Controller::changeLanguageToDE()
{
    changeLanguage(QStringLiteral("DE"), 1);
}

void Controller::changeLanguageToEN()
{
    changeLanguage(QStringLiteral("EN"), 2);
}

void Controller::changeLanguageToEE()
{
    changeLanguage(QStringLiteral("EE"), 3);
}

void Controller::switchLanguage()
{
    QCoreApplication::removeTranslator(&translator);
    const QString code = databaseApp.getCurrentCountryCode().toUpper();
    const QString fileName =
        QStringLiteral(":/Languages/text_") + code.toLower() + QStringLiteral(".qm");
    // A code without a catalogue leaves the translator empty: every text shows in English.
    translator.load(fileName, QStringLiteral("."), QString(), QString());

    // Qt's own texts (file dialogs, standard buttons) from Qt's catalogues, where the system
    // has them; installed first, so the program's catalogue wins where both translate.
    QCoreApplication::removeTranslator(&qtTranslator);
    const QString qtLanguage = code == QLatin1String("DE")   ? QStringLiteral("de")
                               : code == QLatin1String("EE") ? QStringLiteral("et")
                                                             : QString();
    if (!qtLanguage.isEmpty() &&
        qtTranslator.load(QStringLiteral("qtbase_") + qtLanguage,
                          QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator);
    QCoreApplication::installTranslator(&translator);
}

void Controller::setNumberOfQuestions(int qNumber)
{
    databaseApp.setNumberOfQuestions(qNumber);
}

int Controller::getNumberOfQuestions()
{
    return databaseApp.getNumberOfQuestions();
}

void Controller::setTimePerQuestion(int time)
{
    databaseApp.setTimePerQuestion(time);
}

int Controller::getTimePerQuestion()
{
    return databaseApp.getTimePerQuestion();
}

void Controller::setCurrentCategoryIds(QList<int> categoryIds)
{
    databaseApp.setCurrentCategoryIds(categoryIds);
}

QList<int> Controller::getCurrentCategoryIds()
{
    return databaseApp.getCurrentCategoryIds();
}

bool Controller::saveQuizSettings(int numberOfQuestion, int timePerQuestion,
                                  QList<int> currentCategoryIds)
{
    // One change: a failure part-way must not leave the category list emptied.
    CatalogueChange change(this);
    databaseApp.setNumberOfQuestions(numberOfQuestion);
    databaseApp.setTimePerQuestion(timePerQuestion);
    setCurrentCategoryIds(currentCategoryIds);
    return change.commit();
}

QList<int> Controller::getAllCategoryIds()
{
    return databaseApp.getAllCategoryIds();
}

QString Controller::getCategoryNameAt(int id)
{
    return databaseApp.getCategoryNameAt(id);
}

QList<QString> Controller::getCategoryNamesAt(int categoryId)
{
    return databaseApp.getCategoryNamesAt(categoryId);
}

QString Controller::getCategoryNameForQuestionId(int questionId)
{
    return databaseApp.getCategoryNameForQuestionId(questionId);
}

int Controller::getCategoryIdForQuestionId(int questionId)
{
    return databaseApp.getCategoryIdForQuestionId(questionId);
}

int Controller::addCategory()
{
    return databaseApp.addCategory();
}

void Controller::setDECategoryText(int categoryId, QString DECategoryText)
{
    databaseApp.setCategoryText(1, categoryId, DECategoryText);
}

void Controller::setENCategoryText(int categoryId, QString ENCategoryText)
{
    databaseApp.setCategoryText(2, categoryId, ENCategoryText);
}

void Controller::setEECategoryText(int categoryId, QString EECategoryText)
{
    databaseApp.setCategoryText(3, categoryId, EECategoryText);
}

QList<int> Controller::getAllQuestionIds()
{
    return databaseApp.getAllQuestionIds();
}

QList<int> Controller::getQuestionIdsToCategoryIds(QList<int> categoryIds)
{
    return databaseApp.getQuestionIdsToCategoryIds(categoryIds);
}

QString Controller::getQuestionTextAt(int questionId)
{
    return databaseApp.getQuestionTextAt(questionId);
}

QList<QString> Controller::getQuestionTextsAt(int questionId)
{
    return databaseApp.getQuestionTextsAt(questionId);
}

int Controller::addQuestion(int categoryId)
{
    return databaseApp.addQuestion(categoryId);
}

void Controller::setDEQuestionText(int questionId, QString DEQuestionText)
{
    databaseApp.setQuestionText(1, questionId, DEQuestionText);
}

void Controller::setENQuestionText(int questionId, QString ENQuestionText)
{
    databaseApp.setQuestionText(2, questionId, ENQuestionText);
}

void Controller::setEEQuestionText(int questionId, QString EEQuestionText)
{
    databaseApp.setQuestionText(3, questionId, EEQuestionText);
}

void Controller::setQuestionAnswer(int answerId, int questionId, int isAnswerTrue)
{
    databaseApp.setQuestionAnswer(answerId, questionId, isAnswerTrue != 0);
}

bool Controller::deleteQuestionAndAnswers(int questionId)
{
    // One change: either the question goes with its texts, answers, links and (when it
    // was the last one) its category, or nothing goes.
    CatalogueChange change(this);
    const int categoryId = databaseApp.getCategoryIdForQuestionId(questionId);
    const QList<int> answerIds = databaseApp.getTrueAnswerIdsToQuestionId(questionId) +
                                 databaseApp.getFalseAnswerIdsToQuestionId(questionId);
    for (int answerId : answerIds)
        databaseApp.deleteAnswer(answerId);
    databaseApp.deleteQuestion(questionId);
    if (getQuestionIdsToCategoryIds({categoryId}).isEmpty())
        databaseApp.deleteCategory(categoryId);
    return change.commit();
}

bool Controller::deleteQuestions(const QList<int> &questionIds,
                                 const std::function<bool(int)> &step)
{
    return databaseApp.deleteQuestions(questionIds, step);
}

bool Controller::clearQuestionForRewrite(int questionId, int categoryId)
{
    CatalogueChange change(this);
    const int formerCategoryId = databaseApp.getCategoryIdForQuestionId(questionId);
    if (formerCategoryId <= 0)
        return false; // left open: the caller's change fails
    const QList<int> answerIds = databaseApp.getTrueAnswerIdsToQuestionId(questionId) +
                                 databaseApp.getFalseAnswerIdsToQuestionId(questionId);
    for (int answerId : answerIds)
        databaseApp.deleteAnswer(answerId);
    databaseApp.deleteQuestionAnswers(questionId);
    databaseApp.deleteQuestionTexts(questionId);
    if (categoryId != formerCategoryId) {
        databaseApp.setQuestionCategory(questionId, categoryId);
        if (getQuestionIdsToCategoryIds({formerCategoryId}).isEmpty())
            databaseApp.deleteCategory(formerCategoryId);
    }
    return change.commit();
}

QList<QString> Controller::getTrueAnswerTextsToQuestionId(int questionId)
{
    return databaseApp.getTrueAnswerTextsToQuestionId(questionId);
}

QList<int> Controller::getTrueAnswerIdsToQuestionId(int questionId)
{
    return databaseApp.getTrueAnswerIdsToQuestionId(questionId);
}

QList<QString> Controller::getFalseAnswerTextsToQuestionId(int questionId)
{
    return databaseApp.getFalseAnswerTextsToQuestionId(questionId);
}

QList<int> Controller::getFalseAnswerIdsToQuestionId(int questionId)
{
    return databaseApp.getFalseAnswerIdsToQuestionId(questionId);
}

QList<QString> Controller::getAnswerTextsAt(int answerId)
{
    return databaseApp.getAnswerTextsAt(answerId);
}

QString Controller::getExplanationTextToAnswerId(int answerId)
{
    return databaseApp.getExplanationTextToAnswerId(answerId);
}

QList<QString> Controller::getExplanationTextsToAnswerId(int answerId)
{
    return databaseApp.getExplanationTextsToAnswerId(answerId);
}

int Controller::addAnswer()
{
    return databaseApp.addAnswer();
}

void Controller::setDEAnswerText(int answerId, QString DEAnswerText, QString DEExplanationText)
{
    databaseApp.setAnswerText(1, answerId, DEAnswerText, DEExplanationText);
}

void Controller::setENAnswerText(int answerId, QString ENAnswerText, QString ENExplanationText)
{
    databaseApp.setAnswerText(2, answerId, ENAnswerText, ENExplanationText);
}

void Controller::setEEAnswerText(int answerId, QString EEAnswerText, QString EEExplanationText)
{
    databaseApp.setAnswerText(3, answerId, EEAnswerText, EEExplanationText);
}

QHash<int, QString> Controller::getAllCategoryNames()
{
    return databaseApp.getAllCategoryNames();
}

QHash<int, QString> Controller::getAllQuestionTexts()
{
    return databaseApp.getAllQuestionTexts();
}

QHash<int, QList<int>> Controller::getQuestionIdsOfAllCategories()
{
    return databaseApp.getQuestionIdsOfAllCategories();
}

QHash<int, QuizQuestion> Controller::getQuizQuestions(const QList<int> &questionIds)
{
    return databaseApp.getQuizQuestions(questionIds);
}

CatalogueTexts Controller::getAllTexts()
{
    return databaseApp.getAllTexts();
}

void Controller::beginCatalogueChange()
{
    databaseApp.beginChange();
}

bool Controller::endCatalogueChange()
{
    return databaseApp.endChange();
}

void Controller::abandonCatalogueChange()
{
    databaseApp.abandonChange();
}
