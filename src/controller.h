#ifndef CONTROLLER_H
#define CONTROLLER_H

#include "answeredquestion.h"
#include "confirmations.h"
#include "databasevelmoraapp.h"
#include "filedialogs.h"
#include "randomsource.h"
#include "ui_controller.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QTranslator>
#include <QWidget>

class AddQuestion;
class QLabel;
class AddQuestionsPerFile;
class DeleteQuestion;
class ManageQuestionsMenu;
class Menu;
class Quiz;
class QuizEvaluation;
class QuizSettings;

// The program's only main window: owns the data store and the translator, hosts one
// screen at a time and swaps screens through its navigation slots.
class Controller : public QWidget
{
    Q_OBJECT

public:
    // On the database the program is pointed at (see DatabaseLocation::resolve).
    explicit Controller(QWidget *parent = nullptr);
    explicit Controller(const DatabaseLocation &location, QWidget *parent = nullptr);
    ~Controller() override;

    // The generator of quiz runs, reseeded from its clock whenever a quiz is built.
    RandomSource &randomSource() { return random; }
    // The file dialogs every screen opens, replaceable answers included.
    FileDialogs *fileDialogs() { return &dialogs; }
    // The questions asked before what cannot be undone, replaceable answers included.
    Confirmations *confirmations() { return &confirmationSeam; }

signals:
    void quizQuitted();

public slots:
    void showMenu();
    void showQuizSettings();
    void showQuiz();
    void showQuizCancelWindow();
    void showQuizEvaluation(int numberOfTrueAnsweredQuestions, int numberOfQuestions,
                            int averageTimePerQuestion);
    void showManageQuestionsMenu();
    void showAddQuestion();
    void showAddQuestionsPerFile();
    void showDeleteQuestion();
    void showPasswordCheck();
    void showDatabaseEditor();
    int getCurrentLanguageId();
    void changeLanguageToDE();
    void changeLanguageToEN();
    void changeLanguageToEE();
    void switchLanguage();

    // Data facade: every screen reaches the data store through these, one to one.
    void setNumberOfQuestions(int qNumber);
    int getNumberOfQuestions();
    void setTimePerQuestion(int time);
    int getTimePerQuestion();
    void setCurrentCategoryIds(QList<int> categoryIds);
    QList<int> getCurrentCategoryIds();
    // False when nothing was stored (the earlier settings stay).
    bool saveQuizSettings(int numberOfQuestion, int timePerQuestion, QList<int> currentCategoryIds);
    QList<int> getAllCategoryIds();
    QString getCategoryNameAt(int id);
    QList<QString> getCategoryNamesAt(int categoryId);
    QString getCategoryNameForQuestionId(int questionId);
    int getCategoryIdForQuestionId(int questionId);
    int addCategory();
    void setDECategoryText(int categoryId, QString DECategoryText);
    void setENCategoryText(int categoryId, QString ENCategoryText);
    void setEECategoryText(int categoryId, QString EECategoryText);
    QList<int> getAllQuestionIds();
    QList<int> getQuestionIdsToCategoryIds(QList<int> categoryIds);
    QString getQuestionTextAt(int questionId);
    QList<QString> getQuestionTextsAt(int questionId);
    int addQuestion(int categoryId);
    void setDEQuestionText(int questionId, QString DEQuestionText);
    void setENQuestionText(int questionId, QString ENQuestionText);
    void setEEQuestionText(int questionId, QString EEQuestionText);
    void setQuestionAnswer(int answerId, int questionId, int isAnswerTrue);
    // False when nothing was deleted.
    bool deleteQuestionAndAnswers(int questionId);
    QList<QString> getTrueAnswerTextsToQuestionId(int questionId);
    QList<int> getTrueAnswerIdsToQuestionId(int questionId);
    QList<QString> getFalseAnswerTextsToQuestionId(int questionId);
    QList<int> getFalseAnswerIdsToQuestionId(int questionId);
    QList<QString> getAnswerTextsAt(int answerId);
    QString getExplanationTextToAnswerId(int answerId);
    QList<QString> getExplanationTextsToAnswerId(int answerId);
    int addAnswer();
    void setDEAnswerText(int answerId, QString DEAnswerText, QString DEExplanationText);
    void setENAnswerText(int answerId, QString ENAnswerText, QString ENExplanationText);
    void setEEAnswerText(int answerId, QString EEAnswerText, QString EEExplanationText);

public:
    // The learner's progress: history, memory per category, weakest questions.
    void showProgress();
    // The screen that prints a test as PDF: shuffled versions with their keys.
    void showPrintTest();

    // The catalogue to choose a question to edit from; `outcome` is a line saying how the
    // last edit went.
    void showEditQuestions();
    void showEditQuestions(const QString &outcome);
    // The add form, filled with the question's texts, to change them.
    void showEditQuestion(int questionId);

    // The evaluation of a finished run, which also offers the review of its answers.
    void showQuizEvaluation(int numberOfTrueAnsweredQuestions, int numberOfQuestions, int totalTime,
                            const QList<AnsweredQuestion> &answered, bool historySaved = true);

    // Whole-catalogue reads for screens that list everything (see DatabaseVelmoraApp).
    QHash<int, QString> getAllCategoryNames();
    QHash<int, QString> getAllQuestionTexts();
    QHash<int, QList<int>> getQuestionIdsOfAllCategories();
    CatalogueTexts getAllTexts();
    QHash<int, QuizQuestion> getQuizQuestions(const QList<int> &questionIds);

    // Takes the question's texts, answers and answer links away and puts it in categoryId,
    // keeping its id for the texts and answers written next; its former category goes
    // when left empty. Joins the caller's change; false when it failed or the question is
    // gone.
    bool clearQuestionForRewrite(int questionId, int categoryId);
    // Deletes the questions as deleteQuestionAndAnswers does each, all in one change;
    // step is told the count done and cancels (rolls back) by returning false. False when
    // nothing was deleted.
    bool deleteQuestions(const QList<int> &questionIds, const std::function<bool(int)> &step = {});

    // Scoped all-or-nothing changes for screens that store several rows at once; use
    // them through CatalogueChange. Deliberately not slots.
    void beginCatalogueChange();
    bool endCatalogueChange();
    void abandonCatalogueChange();
    // How long a statement waits for another program's lock on the database file.
    void setBusyTimeout(int milliseconds) { databaseApp.setBusyTimeout(milliseconds); }

    // The learner's answer history, memory model and practice mode.
    LearningStore &learning() { return databaseApp.learning(); }
    // The connection: where the catalogue is, whether this role may change it.
    DatabaseConnection &connection() { return databaseApp.connection(); }

private:
    // Steps shared by every screen slot: the title (translated by the catalogue
    // installed so far), then the catalogue of the stored language.
    void beginScreenChange(const QString &title);
    // Puts a freshly built screen in place of the current one and deletes the old one.
    // Returns false, deleting the new screen, when a screen requested while this one was
    // being built has already taken its place: the screen requested last stays.
    bool installScreen(QWidget *screen, int changesBefore);
    void changeLanguage(const QString &countryCode, int languageId);
    // On a server only a teacher may change the catalogue: anyone else is told so on the
    // management menu, and false is returned.
    bool catalogueChangeAllowed();
    // Says, over the screen, that a change of the catalogue waits for another's.
    void showCatalogueWait(int waitedMs);
    // Says below the screen whether the database could not be reached while building it.
    void showConnectionState();
    QWidget *currentScreen() const;

    Ui::Controller ui;
    Menu *menuWidget = nullptr;
    QuizSettings *quizSettingsWidget = nullptr;
    Quiz *quizWidget = nullptr;
    QuizEvaluation *quizEvaluationWidget = nullptr;
    ManageQuestionsMenu *manageQuestionsMenuWidget = nullptr;
    AddQuestion *addQuestionWidget = nullptr;
    AddQuestionsPerFile *addQuestionsPerFileWidget = nullptr;
    DeleteQuestion *deleteQuestionWidget = nullptr;
    QTranslator translator;
    // Qt's own catalogue of the interface language, when the system has one.
    QTranslator qtTranslator;
    DatabaseVelmoraApp databaseApp;
    QLabel *catalogueWait = nullptr;
    QLabel *connectionLost = nullptr;
    int screenChanges = 0;
    RandomSource random;
    FileDialogs dialogs;
    Confirmations confirmationSeam;
};

#endif // CONTROLLER_H
