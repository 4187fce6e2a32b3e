#include "controller.h"

#include "menu.h"

#include <QCoreApplication>
#include <QDir>
#include <QLayoutItem>
#include <QProcess>

Controller::Controller(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    showMenu();
}

Controller::~Controller() = default;

void Controller::beginScreenChange(const QString &title)
{
    setWindowTitle(title);
    switchLanguage();
}

bool Controller::installScreen(QWidget *screen, int changesBefore)
{
    if (screenChanges != changesBefore) {
        delete screen;
        return false;
    }
    ++screenChanges;
    QLayoutItem *item = ui.verticalLayout->itemAt(0);
    QWidget *oldScreen = item ? item->widget() : nullptr;
    if (oldScreen) {
        delete ui.verticalLayout->replaceWidget(oldScreen, screen, Qt::FindChildrenRecursively);
        delete oldScreen;
    } else {
        ui.verticalLayout->insertWidget(0, screen);
    }
    screen->show();
    return true;
}

void Controller::showMenu()
{
    const int changesBefore = screenChanges;
    beginScreenChange(tr("Menu"));
    menuWidget = new Menu(this);
    installScreen(menuWidget, changesBefore);
}

void Controller::showDatabaseEditor()
{
    // Started detached from the working directory; nothing is expected back, and a
    // missing editor is silently ignored.
    QProcess::startDetached(QStringLiteral("./Database_editor"), {}, QDir::currentPath());
}

int Controller::getCurrentLanguageId()
{
    return databaseApp.getCurrentLanguageId();
}

void Controller::changeLanguage(const QString &countryCode, int languageId)
{
    databaseApp.setCurrentCountryCode(countryCode);
    databaseApp.setCurrentLanguageId(languageId);
    showMenu();
}

void Controller::changeLanguageToDE()
{
    changeLanguage(QStringLiteral("DE"), 1);
}

void Controller::changeLanguageToEN()
{
    changeLanguage(QStringLiteral("EN"), 2);
}

void Controller::changeLanguageToEE()
{
    changeLanguage(QStringLiteral("EE"), 3);
}

void Controller::switchLanguage()
{
    QCoreApplication::removeTranslator(&translator);
    const QString fileName =
        QStringLiteral(":/Languages/text_") + databaseApp.getCurrentCountryCode().toLower() +
        QStringLiteral(".qm");
    // A code without a catalogue leaves the translator empty: every text shows in English.
    translator.load(fileName, QStringLiteral("."), QString(), QString());
    QCoreApplication::installTranslator(&translator);
}
