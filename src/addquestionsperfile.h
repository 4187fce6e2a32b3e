#ifndef ADDQUESTIONSPERFILE_H
#define ADDQUESTIONSPERFILE_H

#include "ui_addquestionsperfile.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class Controller;

// Imports the questions of one or more CSV question files: open, check and show the
// files, then store every question of them in one change.
class AddQuestionsPerFile : public QWidget
{
    Q_OBJECT

public:
    explicit AddQuestionsPerFile(Controller *controller, QWidget *parent = nullptr);

    // Reads every chosen file into fileLines; false when nothing was chosen or a file is
    // refused (the reasons go to the debug log).
    bool readFiles();
    // How long storing may take before a progress dialog appears, in milliseconds.
    void setProgressDelay(int milliseconds) { progressDelay = milliseconds; }

public slots:
    void openFileDialog();
    void showFileTexts();
    void addSplitLinesToDatabase();

private:
    // Every category's name in the current language, mapped to its id.
    QHash<QString, int> categoriesByName();
    // Finds a category by its name in the current language, or creates it.
    int categoryIdFor(const QStringList &names, QHash<QString, int> *categoryByName);

    Ui::AddQuestionsPerFile ui;
    Controller *controller;
    int progressDelay;
    QList<QString> fileNames;
    // Every counted line of the files, as read: the one form the files are kept in.
    QList<QString> fileLines;
};

#endif // ADDQUESTIONSPERFILE_H
