#include "cataloguechange.h"
#include "controller.h"
#include "databasevelmoraapp.h"
#include "testworkspace.h"

#include <QMetaMethod>
#include <QRegularExpression>
#include <QTest>

// Catalogue reads and writes of the data store, and the Controller's data facade.
class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void readsFollowTheLanguageAndKeepTheirOrder();
    void nextFreeId_data();
    void nextFreeId();
    void idsAreReusedAfterDeletion();
    void facadeMetaObjectOrder();
    void facadeSettersUseTheirLanguage();
    void deleteLeavesNoOrphans();
    void failedCompositeLeavesDatabaseUnchanged_data();
    void failedCompositeLeavesDatabaseUnchanged();
    void nestedScopes();
};

namespace {
// Two categories; question 1 (category 2) with answers 1 (false), 2 (true), 3 (true);
// question 2 (category 1) without Estonian texts; question 3 (category 2).
void seed(const TestWorkspace &workspace)
{
    workspace.execute({
        "INSERT INTO category VALUES (1), (2)",
        "INSERT INTO category_lang VALUES (1,1,'Erdkunde'),(1,2,'Geography'),(1,3,'Geograafia'),"
        "(2,3,'Ajalugu'),(2,1,'Geschichte'),(2,2,'History')",
        "INSERT INTO question VALUES (1,2),(2,1),(3,2)",
        "INSERT INTO question_lang VALUES (1,1,'Wann?'),(1,2,'When?'),(1,3,'Millal?'),"
        "(2,1,'Wo?'),(2,2,'Where?'),(3,1,'Wer?'),(3,2,'Who?'),(3,3,'Kes?')",
        "INSERT INTO answer VALUES (1),(2),(3)",
        "INSERT INTO answer_lang VALUES (3,1,'drei','Weil drei'),(3,2,'three','Because three'),"
        "(3,3,'kolm','Sest kolm'),(1,1,'eins',NULL),(1,2,'one',NULL),(1,3,'üks',NULL),"
        "(2,1,'zwei','Weil zwei'),(2,2,'two','Because two'),(2,3,'kaks','')",
        "INSERT INTO question_answer VALUES (3,1,'true'),(1,1,'false'),(2,1,'true')",
    });
}

} // namespace

void TestCatalogue::readsFollowTheLanguageAndKeepTheirOrder()
{
    TestWorkspace workspace;
    workspace.provision();
    seed(workspace);
    DatabaseVelmoraApp db;
    QCOMPARE(db.getQuestionTextAt(1), QStringLiteral("When?"));
    QCOMPARE(db.getCategoryNameForQuestionId(1), QStringLiteral("History"));
    db.setCurrentLanguageId(1);
    QCOMPARE(db.getQuestionTextAt(1), QStringLiteral("Wann?"));
    QCOMPARE(db.getCategoryNameAt(2), QStringLiteral("Geschichte"));

    // All-language lists in language order, whatever the insertion order.
    QCOMPARE(db.getCategoryNamesAt(2), QList<QString>({"Geschichte", "History", "Ajalugu"}));
    QCOMPARE(db.getAnswerTextsAt(3), QList<QString>({"drei", "three", "kolm"}));
    QCOMPARE(db.getExplanationTextsToAnswerId(2), QList<QString>({"Weil zwei", "Because two", ""}));
    QCOMPARE(db.getExplanationTextsToAnswerId(1), QList<QString>({"", "", ""}));
    QCOMPARE(db.getQuestionTextsAt(2), QList<QString>({"Wo?", "Where?"}));

    // True and false texts parallel to their ids, ascending by answer id.
    QCOMPARE(db.getTrueAnswerIdsToQuestionId(1), QList<int>({2, 3}));
    QCOMPARE(db.getTrueAnswerTextsToQuestionId(1), QList<QString>({"zwei", "drei"}));
    QCOMPARE(db.getFalseAnswerIdsToQuestionId(1), QList<int>({1}));
    QCOMPARE(db.getFalseAnswerTextsToQuestionId(1), QList<QString>({"eins"}));
    QCOMPARE(db.getExplanationTextToAnswerId(3), QStringLiteral("Weil drei"));

    QCOMPARE(db.getAllCategoryIds(), QList<int>({1, 2}));
    QCOMPARE(db.getAllQuestionIds(), QList<int>({1, 2, 3}));
    QCOMPARE(db.getAllAnswerIds(), QList<int>({1, 2, 3}));
    // The argument's category order is kept, and a repeated category repeats its questions.
    QCOMPARE(db.getQuestionIdsToCategoryIds({2, 1}), QList<int>({1, 3, 2}));
    QCOMPARE(db.getQuestionIdsToCategoryIds({1, 1}), QList<int>({2, 2}));
    QCOMPARE(db.getQuestionIdsToCategoryIds({}), QList<int>());
    QCOMPARE(db.getCategoryIdForQuestionId(3), 2);

    QTest::ignoreMessage(QtDebugMsg, R"(("eins", "one", "üks"))");
    db.getAnswerTextsAt(1);

    // Missing rows and NULL columns read empty.
    db.setCurrentLanguageId(3);
    QCOMPARE(db.getQuestionTextAt(2), QString());            // no Estonian row
    QCOMPARE(db.getExplanationTextToAnswerId(1), QString()); // NULL explanation
    QCOMPARE(db.getCategoryNameForQuestionId(99), QString());
    QCOMPARE(db.getCategoryIdForQuestionId(99), 0);
    workspace.execute({"DELETE FROM settings"});
    QCOMPARE(db.getTrueAnswerTextsToQuestionId(1), QList<QString>());
    QCOMPARE(db.getTrueAnswerIdsToQuestionId(1), QList<int>({2, 3}));
}

void TestCatalogue::nextFreeId_data()
{
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty") << QList<int>() << 1;
    QTest::newRow("dense") << QList<int>({1, 2, 3}) << 4;
    QTest::newRow("gap") << QList<int>({1, 2, 4}) << 3;
    QTest::newRow("first missing") << QList<int>({2, 3}) << 1;
    QTest::newRow("two gaps") << QList<int>({1, 3, 5}) << 2;
}

void TestCatalogue::nextFreeId()
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
    QCOMPARE(workspace.query("SELECT count(*) FROM category WHERE category_id = " +
                             QString::number(expected)),
             QStringList{"1"});
}

void TestCatalogue::idsAreReusedAfterDeletion()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    // The template's autoincrement counters play no part.
    QCOMPARE(controller.addCategory(), 1);
    QCOMPARE(controller.addCategory(), 2);
    QCOMPARE(controller.addCategory(), 3);
    const int only = controller.addQuestion(2);
    const int kept = controller.addQuestion(3);
    const int other = controller.addQuestion(3);
    QCOMPARE(QList<int>({only, kept, other}), QList<int>({1, 2, 3}));
    controller.deleteQuestionAndAnswers(only);
    QCOMPARE(controller.getAllCategoryIds(), QList<int>({1, 3}));
    controller.deleteQuestionAndAnswers(other);
    QCOMPARE(controller.getAllCategoryIds(), QList<int>({1, 3})); // 3 still has a question
    QCOMPARE(controller.getQuestionIdsToCategoryIds({3}), QList<int>({kept}));
    QCOMPARE(controller.addCategory(), 2);
    QCOMPARE(controller.addQuestion(2), 1);
    QCOMPARE(controller.addCategory(), 4);
}

void TestCatalogue::facadeMetaObjectOrder()
{
    const QStringList expected =
        QStringLiteral(
            "quizQuitted() showMenu() showQuizSettings() showQuiz() showQuizCancelWindow() "
            "showQuizEvaluation(int,int,int) showManageQuestionsMenu() showAddQuestion() "
            "showAddQuestionsPerFile() showDeleteQuestion() showPasswordCheck() "
            "showDatabaseEditor() "
            "getCurrentLanguageId() changeLanguageToDE() changeLanguageToEN() changeLanguageToEE() "
            "switchLanguage() setNumberOfQuestions(int) getNumberOfQuestions() "
            "setTimePerQuestion(int) "
            "getTimePerQuestion() setCurrentCategoryIds(QList<int>) getCurrentCategoryIds() "
            "saveQuizSettings(int,int,QList<int>) getAllCategoryIds() getCategoryNameAt(int) "
            "getCategoryNamesAt(int) getCategoryNameForQuestionId(int) "
            "getCategoryIdForQuestionId(int) "
            "addCategory() setDECategoryText(int,QString) setENCategoryText(int,QString) "
            "setEECategoryText(int,QString) getAllQuestionIds() "
            "getQuestionIdsToCategoryIds(QList<int>) "
            "getQuestionTextAt(int) getQuestionTextsAt(int) addQuestion(int) "
            "setDEQuestionText(int,QString) setENQuestionText(int,QString) "
            "setEEQuestionText(int,QString) setQuestionAnswer(int,int,int) "
            "deleteQuestionAndAnswers(int) getTrueAnswerTextsToQuestionId(int) "
            "getTrueAnswerIdsToQuestionId(int) getFalseAnswerTextsToQuestionId(int) "
            "getFalseAnswerIdsToQuestionId(int) getAnswerTextsAt(int) "
            "getExplanationTextToAnswerId(int) "
            "getExplanationTextsToAnswerId(int) addAnswer() setDEAnswerText(int,QString,QString) "
            "setENAnswerText(int,QString,QString) setEEAnswerText(int,QString,QString)")
            .split(QLatin1Char(' '));
    const QMetaObject &meta = Controller::staticMetaObject;
    QStringList actual;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        actual << QString::fromLatin1(meta.method(i).methodSignature());
    QCOMPARE(actual, expected);
    QVERIFY(QMetaType::isRegistered(qMetaTypeId<QList<int>>()));
}

void TestCatalogue::facadeSettersUseTheirLanguage()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    controller.setDECategoryText(5, "de");
    controller.setENCategoryText(5, "en");
    controller.setEECategoryText(5, "ee");
    controller.setDEQuestionText(7, "Frage");
    controller.setEEQuestionText(7, "Küsimus");
    controller.setENAnswerText(9, "answer", QString());
    controller.setEEAnswerText(9, "vastus", "selgitus");
    controller.setDEAnswerText(9, "Antwort", "");
    controller.setQuestionAnswer(9, 7, 2);
    controller.setQuestionAnswer(10, 7, 0);
    QCOMPARE(workspace.query("SELECT * FROM category_lang ORDER BY lang_id"),
             QStringList({"5|1|de", "5|2|en", "5|3|ee"}));
    QCOMPARE(workspace.query("SELECT * FROM question_lang ORDER BY lang_id"),
             QStringList({"7|1|Frage", "7|3|Küsimus"}));
    // A null explanation is stored as NULL, an empty one as an empty text.
    QCOMPARE(workspace.query("SELECT * FROM answer_lang ORDER BY lang_id"),
             QStringList({"9|1|Antwort|", "9|2|answer|NULL", "9|3|vastus|selgitus"}));
    QCOMPARE(workspace.query("SELECT * FROM question_answer ORDER BY answer_id"),
             QStringList({"9|7|true", "10|7|false"}));
    QCOMPARE(controller.getTrueAnswerIdsToQuestionId(7), QList<int>{9});

    // A second text for the same entry and language leaves the first one.
    controller.setDECategoryText(5, "zweites");
    controller.setQuestionAnswer(9, 7, 0);
    QCOMPARE(workspace.query("SELECT category_text FROM category_lang WHERE lang_id = 1"),
             QStringList{"de"});
    QCOMPARE(workspace.query("SELECT is_True FROM question_answer WHERE answer_id = 9"),
             QStringList{"true"});
}

void TestCatalogue::deleteLeavesNoOrphans()
{
    TestWorkspace workspace;
    workspace.provision();
    seed(workspace);
    Controller controller;
    controller.deleteQuestionAndAnswers(1);
    controller.deleteQuestionAndAnswers(3); // the last one of category 2
    QCOMPARE(workspace.query("SELECT (SELECT count(*) FROM answer) + (SELECT count(*) FROM "
                             "answer_lang) + (SELECT count(*) FROM question_answer)"),
             QStringList{"0"});
    QCOMPARE(workspace.query("SELECT DISTINCT question_id FROM question_lang"), QStringList{"2"});
    QCOMPARE(workspace.query("SELECT DISTINCT category_id FROM category_lang UNION ALL "
                             "SELECT category_id FROM category"),
             QStringList({"1", "1"}));
    // An id that does not exist changes nothing.
    const QStringList before = workspace.snapshot();
    controller.deleteQuestionAndAnswers(42);
    QCOMPARE(workspace.snapshot(), before);
}

void TestCatalogue::failedCompositeLeavesDatabaseUnchanged_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<int>("operation");
    QTest::newRow("delete: category removal fails")
        << "CREATE TRIGGER t BEFORE DELETE ON category_lang BEGIN SELECT RAISE(ABORT, 'x'); END"
        << 0;
    QTest::newRow("delete: answer removal fails")
        << "CREATE TRIGGER t BEFORE DELETE ON answer BEGIN SELECT RAISE(ABORT, 'x'); END" << 0;
    QTest::newRow("settings: category list refill fails")
        << "CREATE TRIGGER t BEFORE INSERT ON quiz_settings_current_category_id "
           "WHEN NEW.current_category_id = 2 BEGIN SELECT RAISE(ABORT, 'x'); END"
        << 1;
}

void TestCatalogue::failedCompositeLeavesDatabaseUnchanged()
{
    QFETCH(QString, trigger);
    QFETCH(int, operation);
    TestWorkspace workspace;
    workspace.provision();
    seed(workspace);
    workspace.execute({"DELETE FROM question WHERE question_id = 3", trigger});
    const QStringList before = workspace.snapshot();
    Controller controller;
    if (operation == 0)
        controller.deleteQuestionAndAnswers(1); // last question of category 2
    else
        controller.saveQuizSettings(9, 40, {1, 2});
    QCOMPARE(workspace.snapshot(), before);
    // The connection is usable afterwards, outside any change.
    controller.setNumberOfQuestions(3);
    QCOMPARE(controller.getNumberOfQuestions(), 3);
}

void TestCatalogue::nestedScopes()
{
    TestWorkspace workspace;
    workspace.provision();
    workspace.execute({"CREATE TRIGGER t BEFORE INSERT ON question_lang WHEN NEW.lang_id = 3 "
                       "BEGIN SELECT RAISE(ABORT, 'x'); END"});
    Controller controller;
    {
        CatalogueChange outer(&controller);
        const int category = controller.addCategory();
        controller.setDECategoryText(category, "Neu");
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
    QVERIFY(workspace.snapshot().filter(QRegularExpression("^(category|question)")).isEmpty());

    {
        CatalogueChange outer(&controller);
        {
            CatalogueChange inner(&controller);
            controller.setDECategoryText(controller.addCategory(), "Eins");
            QVERIFY(inner.commit());
        }
        QVERIFY(outer.commit());
    }
    {
        CatalogueChange abandoned(&controller);
        controller.setDECategoryText(controller.addCategory(), "Drei");
    } // left without commit: rolled back
    QCOMPARE(workspace.query("SELECT * FROM category_lang"), QStringList{"1|1|Eins"});
}

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
