#include "confirmations.h"

#include <QMessageBox>
#include <QPushButton>

bool Confirmations::confirm(QWidget *parent, const QString &title, const QString &question,
                            const QString &acceptText)
{
    asked = question;
    if (nextAnswer) {
        const bool answer = *nextAnswer;
        nextAnswer.reset();
        return answer;
    }
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, parent);
    QPushButton *accept = box.addButton(acceptText, QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    // A hasty Enter or Escape loses nothing.
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == accept;
}
