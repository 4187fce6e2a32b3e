#ifndef CONNECTIONWINDOW_H
#define CONNECTIONWINDOW_H

#include "databaselocation.h"

#include <QDialog>

class QLabel;
class QPushButton;

// Shown at start while the chosen database cannot be used (a server that does not answer,
// a database without the Velmora schema): names the database and the reason, and offers
// "Retry" and "Quit".
class ConnectionWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ConnectionWindow(const DatabaseLocation &location, QWidget *parent = nullptr);

    // Tries the database once; true when it can be used. Otherwise shows why.
    bool tryDatabase();
    // Shows why the database cannot be used (as tryDatabase does).
    void showReason(const QString &why);
    // Tries, and while that fails asks until the database can be used (true) or the user
    // quits (false).
    static bool untilUsable(const DatabaseLocation &location);

private:
    void retry();

    DatabaseLocation location;
    QLabel *reason;
    QPushButton *retryButton;
    QPushButton *quitButton;
};

#endif // CONNECTIONWINDOW_H
