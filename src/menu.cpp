#include "menu.h"

#include "controller.h"

Menu::Menu(Controller *controller, QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    connect(ui.pbQuizSettings, &QPushButton::clicked, controller, &Controller::showQuizSettings);
    connect(ui.pbManageQuestions, &QPushButton::clicked, controller,
            &Controller::showPasswordCheck);
    connect(ui.pbExit, &QPushButton::clicked, controller, &Controller::close);
    connect(ui.pbDE, &QPushButton::clicked, controller, &Controller::changeLanguageToDE);
    connect(ui.pbEN, &QPushButton::clicked, controller, &Controller::changeLanguageToEN);
    connect(ui.pbEE, &QPushButton::clicked, controller, &Controller::changeLanguageToEE);
}
