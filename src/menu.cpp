#include "menu.h"

#include "controller.h"

#include <QIcon>

Menu::Menu(Controller *controller, QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    // Through an icon, which takes the twice-as-dense picture on a high-density screen; the
    // plain pixmap of the form would be enlarged and blurred there.
    const QPixmap plain = ui.nameLabel->pixmap(Qt::ReturnByValue);
    if (!plain.isNull()) {
        const QIcon logo(QStringLiteral(":/Images/Images/velmora_logo.png"));
        ui.nameLabel->setPixmap(logo.pixmap(plain.size()));
    }
    connect(ui.pbQuizSettings, &QPushButton::clicked, controller, &Controller::showQuizSettings);
    connect(ui.pbProgress, &QPushButton::clicked, controller, &Controller::showProgress);
    connect(ui.pbManageQuestions, &QPushButton::clicked, controller,
            &Controller::showPasswordCheck);
    connect(ui.pbExit, &QPushButton::clicked, controller, &Controller::close);
    connect(ui.pbDE, &QPushButton::clicked, controller, &Controller::changeLanguageToDE);
    connect(ui.pbEN, &QPushButton::clicked, controller, &Controller::changeLanguageToEN);
    connect(ui.pbEE, &QPushButton::clicked, controller, &Controller::changeLanguageToEE);
}
