#ifndef QUESTIONANSWERWIDGET_H
#define QUESTIONANSWERWIDGET_H

#include "randomsource.h"

#include <QList>
#include <QString>
#include <QWidget>

class CheckBox;
class QLabel;

// One question with all of its answers in numbered rows of check boxes, in random order.
// Judges the user's choice and, after the check, colours and marks true and false answers.
class QuestionAnswerWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QuestionAnswerWidget(QWidget *parent = nullptr);

    // The generator that places the answers; by default the widget's own, seeded from the
    // clock at construction. The quiz hands in the one of its run. Not owned.
    void setRandomSource(RandomSource *source);

    // Texts and ids of one kind are parallel lists: position i names the same answer.
    void setQuestion(const QString &questionText, const QList<QString> &trueTexts,
                     const QList<int> &trueIds, const QList<QString> &falseTexts,
                     const QList<int> &falseIds);
    void createAnswerRows(int count);

    // True exactly when every true answer is checked and every false one is not.
    bool isAnsweredCorrectly() const;
    QList<bool> getAnswerIsTrue() const { return answerIsTrue; }
    QList<int> getAnswerIds() const { return answerIds; }
    QString getQuestionText() const;
    // Per row, in row order: the answer text shown and whether the row is checked.
    QList<QString> getAnswerTexts() const { return answerTexts; }
    QList<bool> getCheckedAnswers() const;

    // Toggles the row (0-based) as a press on its text does; rows that do not exist or are
    // disabled stay as they are.
    void toggleAnswer(int row);

    void showRightAndWrongAnswers();
    void setAnswersEnabled(bool enabled);

private:
    RandomSource ownRandom;
    RandomSource *random = &ownRandom;
    QLabel *questionLabel = nullptr;
    QList<CheckBox *> answerBoxes;
    QList<QLabel *> answerMarks;
    QList<bool> answerIsTrue;
    QList<int> answerIds;
    QList<QString> answerTexts;
};

#endif // QUESTIONANSWERWIDGET_H
