#ifndef PASSWORDCHECK_H
#define PASSWORDCHECK_H

#include <QWidget>

class QLineEdit;

// The small window that guards question management: one attempt, then it closes.
class PasswordCheck : public QWidget
{
    Q_OBJECT

public:
    explicit PasswordCheck(QWidget *parent = nullptr);

signals:
    void enteredRightPassword();

public slots:
    void checkPassword();

private:
    QLineEdit *passwordEdit;
};

#endif // PASSWORDCHECK_H
