#ifndef CONFIRMATIONS_H
#define CONFIRMATIONS_H

#include <QCoreApplication>
#include <QString>

#include <optional>

class QWidget;

// The questions the program asks before an action that cannot be undone, behind one seam:
// tests hand in the next answer instead of facing a modal dialog, and read what was asked.
class Confirmations
{
    Q_DECLARE_TR_FUNCTIONS(Confirmations)

public:
    // Asks with two buttons, the action's own (`acceptText`, such as "Delete") and
    // "Cancel", which is the default. True when the user chose the action.
    bool confirm(QWidget *parent, const QString &title, const QString &question,
                 const QString &acceptText);

    // The answer of the next question, used once.
    void setNextConfirmation(bool answer) { nextAnswer = answer; }
    // The text of the question asked last, answered by the user or by the seam.
    QString lastQuestion() const { return asked; }

private:
    std::optional<bool> nextAnswer;
    QString asked;
};

#endif // CONFIRMATIONS_H
