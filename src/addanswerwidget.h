#ifndef ADDANSWERWIDGET_H
#define ADDANSWERWIDGET_H

#include "ui_addanswerwidget.h"

#include <QString>
#include <QWidget>

// One answer of the add-question form: its texts, its truth mark and, for a true answer,
// its explanation.
class AddAnswerWidget : public QWidget
{
    Q_OBJECT

public:
    explicit AddAnswerWidget(QWidget *parent = nullptr);

    QString getDEAnswerText() const;
    QString getENAnswerText() const;
    QString getEEAnswerText() const;
    // The explanation inputs, also while they are hidden.
    QString getDEExplanationText() const;
    QString getENExplanationText() const;
    QString getEEExplanationText() const;
    bool isAnswerTrue() const;
    // An answer text is always needed, an explanation only for a true answer.
    bool hasMissingText() const;
    // The answer text, or the explanation of a true answer, holds a ";" or a line break.
    bool hasInvalidText() const;
    void clear();
    // Fills the inputs with a stored answer; the explanation shows for a true one.
    void setAnswer(const QList<QString> &texts, const QList<QString> &explanations,
                   bool isTrue);

public slots:
    void showExplanationMLE(bool state);

private:
    Ui::AddAnswerWidget ui;
};

#endif // ADDANSWERWIDGET_H
