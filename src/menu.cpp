#include "menu.h"

#include "aboutwindow.h"
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
    connect(ui.pbAbout, &QPushButton::clicked, controller,
            [controller] { AboutWindow::showOver(controller); });
    connect(ui.pbExit, &QPushButton::clicked, controller, &Controller::close);
    connect(ui.pbDE, &QPushButton::clicked, controller, &Controller::changeLanguageToDE);
    connect(ui.pbEN, &QPushButton::clicked, controller, &Controller::changeLanguageToEN);
    connect(ui.pbEE, &QPushButton::clicked, controller, &Controller::changeLanguageToEE);
    markFlags(controller->getCurrentLanguageId());
}

void Menu::markFlags(int currentLanguageId)
{
    // Each language by its own name, which a reader of that language finds in any
    // interface language, so these are not translated.
    const struct
    {
        QPushButton *flag;
        int languageId;
        const char *name;
    } flags[] = {{ui.pbDE, 1, "Deutsch"}, {ui.pbEN, 2, "English"}, {ui.pbEE, 3, "Eesti"}};
    for (const auto &language : flags) {
        const bool current = language.languageId == currentLanguageId;
        const QString name = QString::fromUtf8(language.name);
        language.flag->setToolTip(name);
        language.flag->setAccessibleName(name);
        // Pressed in, as the one in force; a press on it still rebuilds the menu.
        language.flag->setCheckable(true);
        language.flag->setChecked(current);
        language.flag->setAccessibleDescription(current ? tr("The language shown now")
                                                        : tr("Shows the program in this language"));
    }
}
