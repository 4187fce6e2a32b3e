#include "cancelwindow.h"

#include "programinfo.h"

#include <QShortcut>

CancelWindow::CancelWindow(const QString &message, QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    // Every cancel request opens another window; none may outlive its use.
    setAttribute(Qt::WA_DeleteOnClose);
    // It belongs to the quiz of the main window: closing that window ends the program even
    // while this one is open, and the quiz takes this window with it.
    setAttribute(Qt::WA_QuitOnClose, false);
    ui.cancelMessage->setText(message);
    // The form's title, translated, then the program's name.
    setWindowTitle(ProgramInfo::windowTitle(windowTitle()));

    // The answer is announced while the window is still open, then it closes.
    connect(ui.pbYes, &QPushButton::clicked, this, &CancelWindow::clickedYes);
    connect(ui.pbYes, &QPushButton::clicked, this, &QWidget::close);
    connect(ui.pbNo, &QPushButton::clicked, this, &CancelWindow::clickedNo);
    connect(ui.pbNo, &QPushButton::clicked, this, &QWidget::close);

    // "No" is the safe answer: Enter presses the button with the focus, which starts on
    // "No" ("Yes" has its mnemonic), and Escape always answers "No".
    ui.pbNo->setFocus();
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, ui.pbNo, &QAbstractButton::click);
}
