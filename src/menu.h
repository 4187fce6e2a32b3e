#ifndef MENU_H
#define MENU_H

#include "ui_menu.h"

#include <QWidget>

class Controller;

// The main menu: start a quiz, see the progress, switch the language by flag, enter question
// management, leave the program.
class Menu : public QWidget
{
    Q_OBJECT

public:
    explicit Menu(Controller *controller, QWidget *parent = nullptr);

private:
    Ui::Menu ui;
};

#endif // MENU_H
