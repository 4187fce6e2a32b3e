#ifndef CANCELWINDOW_H
#define CANCELWINDOW_H

#include "ui_cancelwindow.h"

#include <QString>
#include <QWidget>

// A small yes/no window of its own, not modal: the window behind it keeps running.
// It deletes itself once closed.
class CancelWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CancelWindow(const QString &message, QWidget *parent = nullptr);

signals:
    void clickedYes();
    void clickedNo();

private:
    Ui::CancelWindow ui;
};

#endif // CANCELWINDOW_H
