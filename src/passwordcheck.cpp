#include "passwordcheck.h"

#include "programinfo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char password[] = "tarwe";
}

PasswordCheck::PasswordCheck(QWidget *parent) : QWidget(parent)
{
    // Every click on "Manage questions" opens another window; each one is gone for good
    // once it has been used.
    setAttribute(Qt::WA_DeleteOnClose);
    // It belongs to the main window: closing that ends the program even while this is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(ProgramInfo::windowTitle(tr("Password")));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Please enter the right password!"), this));
    passwordEdit = new QLineEdit(this);
    passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    passwordEdit->setEchoMode(QLineEdit::Password);
    layout->addWidget(passwordEdit);
    auto *enterButton = new QPushButton(tr("Enter password"), this);
    layout->addWidget(enterButton);

    connect(passwordEdit, &QLineEdit::returnPressed, this, &PasswordCheck::checkPassword);
    connect(enterButton, &QPushButton::clicked, this, &PasswordCheck::checkPassword);
}

void PasswordCheck::checkPassword()
{
    // Exact comparison: no trimming, case matters.
    if (passwordEdit->text() == QLatin1String(password))
        emit enteredRightPassword();
    close();
}
