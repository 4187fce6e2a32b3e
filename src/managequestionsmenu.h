#ifndef MANAGEQUESTIONSMENU_H
#define MANAGEQUESTIONSMENU_H

#include "ui_managequestionsmenu.h"

#include <QWidget>

class Controller;

// The management menu: database editor, add, import, export and delete questions.
class ManageQuestionsMenu : public QWidget
{
    Q_OBJECT

public:
    explicit ManageQuestionsMenu(Controller *controller, QWidget *parent = nullptr);

private:
    Ui::ManageQuestionsMenu ui;
    Controller *controller;
};

#endif // MANAGEQUESTIONSMENU_H
