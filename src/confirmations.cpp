#include "confirmations.h"

#include <QMessageBox>

bool Confirmations::confirm(QWidget *parent, const QString &title, const QString &question)
{
    if (nextAnswer) {
        const bool answer = *nextAnswer;
        nextAnswer.reset();
        return answer;
    }
    return QMessageBox::question(parent, title, question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}
