#ifndef CONTROLLER_H
#define CONTROLLER_H

#include "databasevelmoraapp.h"
#include "ui_controller.h"

#include <QList>
#include <QString>
#include <QTranslator>
#include <QWidget>

class Menu;

// The program's only main window: owns the data store and the translator, hosts one
// screen at a time and swaps screens through its navigation slots.
class Controller : public QWidget
{
    Q_OBJECT

public:
    explicit Controller(QWidget *parent = nullptr);
    ~Controller() override;

signals:
    void quizQuitted();

public slots:
    void showMenu();
    void showDatabaseEditor();
    int getCurrentLanguageId();
    void changeLanguageToDE();
    void changeLanguageToEN();
    void changeLanguageToEE();
    void switchLanguage();

private:
    // Steps shared by every screen slot: the title (translated by the catalogue
    // installed so far), then the catalogue of the stored language.
    void beginScreenChange(const QString &title);
    // Puts a freshly built screen in place of the current one and deletes the old one.
    // Returns false, deleting the new screen, when a screen requested while this one was
    // being built has already taken its place: the screen requested last stays.
    bool installScreen(QWidget *screen, int changesBefore);
    void changeLanguage(const QString &countryCode, int languageId);

    Ui::Controller ui;
    Menu *menuWidget = nullptr;
    QTranslator translator;
    DatabaseVelmoraApp databaseApp;
    int screenChanges = 0;
};

#endif // CONTROLLER_H
