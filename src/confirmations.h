#ifndef CONFIRMATIONS_H
#define CONFIRMATIONS_H

#include <optional>

class QString;
class QWidget;

// The yes-or-no questions the program asks before an action that cannot be undone, behind
// one seam: tests hand in the next answer instead of facing a modal dialog.
class Confirmations
{
public:
    // True when the user answered Yes; No is the default button.
    bool confirm(QWidget *parent, const QString &title, const QString &question);

    // The answer of the next question, used once.
    void setNextConfirmation(bool answer) { nextAnswer = answer; }

private:
    std::optional<bool> nextAnswer;
};

#endif // CONFIRMATIONS_H
