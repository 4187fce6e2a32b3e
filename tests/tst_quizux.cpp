#include "controller.h"
#include "testworkspace.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

// The quiz as a learner meets it: what is in view, catalogue text as written, the cancel
// window, the keyboard and the review of a run.
class TestQuizUx : public QObject
{
    Q_OBJECT

private slots:
    void catalogueTextShownLiterally_data();
    void catalogueTextShownLiterally();
};

namespace {
QString quoted(const QString &text)
{
    return QString(text).replace(QLatin1Char('\''), QLatin1String("''"));
}

// Category <id>, named <name> in every language.
QStringList categoryRows(int id, const QString &name)
{
    return {QStringLiteral("INSERT INTO category VALUES (%1)").arg(id),
            QStringLiteral("INSERT INTO category_lang SELECT %1, lang_id, '%2' FROM lang")
                .arg(id)
                .arg(quoted(name))};
}

// Question <id> with answers <id>1, <id>2, ... in every language; an answer with an
// explanation is a true one.
QStringList questionRows(int id, int categoryId, const QString &text,
                         const QList<QPair<QString, QString>> &answers)
{
    QStringList sql{QStringLiteral("INSERT INTO question VALUES (%1, %2)").arg(id).arg(categoryId),
                    QStringLiteral("INSERT INTO question_lang SELECT %1, lang_id, '%2' FROM lang")
                        .arg(id)
                        .arg(quoted(text))};
    for (int k = 0; k < answers.size(); ++k) {
        const int answerId = id * 10 + k + 1;
        const QString &explanation = answers.at(k).second;
        sql << QStringLiteral("INSERT INTO answer VALUES (%1)").arg(answerId)
            << QStringLiteral("INSERT INTO question_answer VALUES (%1, %2, '%3')")
                   .arg(answerId)
                   .arg(id)
                   .arg(explanation.isEmpty() ? "false" : "true")
            << QStringLiteral("INSERT INTO answer_lang SELECT %1, lang_id, '%2', %3 FROM lang")
                   .arg(QString::number(answerId), quoted(answers.at(k).first),
                        explanation.isEmpty() ? QStringLiteral("NULL")
                                              : "'" + quoted(explanation) + "'");
    }
    return sql;
}

QStringList settingsRows(int number, int time, const QList<int> &categoryIds)
{
    QStringList sql{QStringLiteral("UPDATE quiz_settings SET question_number = %1, "
                                   "time_per_question = %2")
                        .arg(number)
                        .arg(time),
                    QStringLiteral("DELETE FROM quiz_settings_current_category_id")};
    for (int id : categoryIds)
        sql << QStringLiteral("INSERT INTO quiz_settings_current_category_id VALUES (%1)").arg(id);
    return sql;
}

// What a widget shows of a text that may carry a mnemonic: "&&" as "&", a lone "&" not.
QString shownWithMnemonic(const QString &text)
{
    QString shown;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && ++i >= text.size())
            break;
        shown += text.at(i);
    }
    return shown;
}

// Every text the screen shows in labels, buttons and group titles.
QStringList shownTexts(QWidget *screen)
{
    QStringList texts;
    for (QLabel *label : screen->findChildren<QLabel *>())
        texts << (label->buddy() ? shownWithMnemonic(label->text()) : label->text());
    for (QAbstractButton *button : screen->findChildren<QAbstractButton *>())
        texts << shownWithMnemonic(button->text());
    for (QGroupBox *group : screen->findChildren<QGroupBox *>())
        texts << shownWithMnemonic(group->title());
    return texts;
}
} // namespace

void TestQuizUx::catalogueTextShownLiterally_data()
{
    QTest::addColumn<int>("screen");
    QTest::newRow("quiz settings") << 0;
    QTest::newRow("quiz") << 1;
    QTest::newRow("add form") << 2;
    QTest::newRow("delete screen") << 3;
}

void TestQuizUx::catalogueTextShownLiterally()
{
    QFETCH(int, screen);
    TestWorkspace workspace;
    workspace.provision();
    workspace.execute(categoryRows(1, "Science & Nature") + settingsRows(1, 0, {1}) +
                      questionRows(1, 1, "Q&A: R&D?", {{"A&B", "C&D"}}));
    Controller controller;
    const QList<void (Controller::*)()> show{&Controller::showQuizSettings, &Controller::showQuiz,
                                             &Controller::showAddQuestion,
                                             &Controller::showDeleteQuestion};
    (controller.*show.at(screen))();
    const QStringList texts = shownTexts(currentScreen(&controller));
    QVERIFY2(texts.contains("Science & Nature"), qPrintable(texts.join(" | ")));
    if (screen == 1)
        QVERIFY(texts.contains("Q&A: R&D?") && texts.contains("A&B"));
}

QTEST_MAIN(TestQuizUx)
#include "tst_quizux.moc"
