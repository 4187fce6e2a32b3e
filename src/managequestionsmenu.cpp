#include "managequestionsmenu.h"

#include "controller.h"

ManageQuestionsMenu::ManageQuestionsMenu(Controller *controller, QWidget *parent)
    : QWidget(parent), controller(controller)
{
    ui.setupUi(this);
    connect(ui.pbAddQuestion, &QPushButton::clicked, controller, &Controller::showAddQuestion);
    // pbAddQuestionsPerFile and pbExportQuestions are connected here, in this order, once
    // the CSV import and export exist.
    connect(ui.pbDeleteQuestion, &QPushButton::clicked, controller,
            &Controller::showDeleteQuestion);
    connect(ui.pbDatabaseEditor, &QPushButton::clicked, controller,
            &Controller::showDatabaseEditor);
    connect(ui.pbMenu, &QPushButton::clicked, controller, &Controller::showMenu);
}
