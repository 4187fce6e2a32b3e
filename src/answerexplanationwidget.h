#ifndef ANSWEREXPLANATIONWIDGET_H
#define ANSWEREXPLANATIONWIDGET_H

#include "ui_answerexplanationwidget.h"

#include <QList>
#include <QString>
#include <QWidget>

// The result of a checked question and the explanations of its true answers.
class AnswerExplanationWidget : public QWidget
{
    Q_OBJECT

public:
    explicit AnswerExplanationWidget(QWidget *parent = nullptr);

    void setResult(bool correct);
    // Replaces the explanation labels below the result by one label per text, in order.
    void setExplanations(const QList<QString> &texts);

private:
    Ui::AnswerExplanationWidget ui;
};

#endif // ANSWEREXPLANATIONWIDGET_H
