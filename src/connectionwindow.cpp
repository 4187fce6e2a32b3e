#include "connectionwindow.h"

#include "databaseconnection.h"
#include "programinfo.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ConnectionWindow::ConnectionWindow(const DatabaseLocation &location, QWidget *parent)
    : QDialog(parent), location(location), reason(new QLabel(this)),
      retryButton(new QPushButton(tr("&Retry"), this)), quitButton(new QPushButton(tr("&Quit"), this))
{
    setWindowTitle(ProgramInfo::windowTitle(tr("Database")));
    reason->setObjectName(QStringLiteral("tlReason"));
    reason->setWordWrap(true);
    reason->setTextInteractionFlags(Qt::TextSelectableByMouse);
    reason->setMinimumWidth(420);
    retryButton->setObjectName(QStringLiteral("pbRetry"));
    quitButton->setObjectName(QStringLiteral("pbQuit"));
    retryButton->setDefault(true);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(retryButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(quitButton, QDialogButtonBox::RejectRole);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(reason);
    layout->addWidget(buttons);
    connect(retryButton, &QPushButton::clicked, this, &ConnectionWindow::retry);
    connect(quitButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool ConnectionWindow::tryDatabase()
{
    // Opened on its own and let go again: the program opens the database afresh.
    DatabaseConnection probe(location);
    if (probe.open())
        return true;
    showReason(probe.errorString());
    return false;
}

void ConnectionWindow::showReason(const QString &why)
{
    reason->setText(tr("Velmora cannot use the database %1.\n\n%2").arg(location.displayName(), why));
}

void ConnectionWindow::retry()
{
    if (tryDatabase())
        accept();
}

bool ConnectionWindow::untilUsable(const DatabaseLocation &location)
{
    ConnectionWindow window(location);
    if (window.tryDatabase())
        return true;
    return window.exec() == QDialog::Accepted;
}
