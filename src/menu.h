#ifndef MENU_H
#define MENU_H

#include "ui_menu.h"

#include <QWidget>

class Controller;

// The main menu: start a quiz, see the progress, switch the language by flag, enter question
// management, read about the program, leave it.
class Menu : public QWidget
{
    Q_OBJECT

public:
    explicit Menu(Controller *controller, QWidget *parent = nullptr);

private:
    // Names every flag and marks the one of the current language.
    void markFlags(int currentLanguageId);

    Ui::Menu ui;
};

#endif // MENU_H
