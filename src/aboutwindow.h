#ifndef ABOUTWINDOW_H
#define ABOUTWINDOW_H

#include <QDialog>

// "About Velmora": version, licence, where the data lives and a link to the user guide.
// Not modal; it deletes itself once closed.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

    // Raises the window already open over parent, or opens one.
    static AboutWindow *showOver(QWidget *parent);
};

#endif // ABOUTWINDOW_H
