#ifndef ADDQUESTIONSPERFILE_H
#define ADDQUESTIONSPERFILE_H

#include "bankreader.h"
#include "ui_addquestionsperfile.h"

#include <QList>
#include <QSet>
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

    // Reads every chosen file, keeping only what the screen shows of them and which of
    // their questions the catalogue already holds; false when nothing was chosen or a file
    // is refused (the reasons are listed on the screen and go to the debug log). "&Add
    // values" reads the files again.
    bool readFiles();
    // Says what the last import stored, until the next file is opened.
    void showImported(const QString &summary);
    // How long storing may take before a progress dialog appears, in milliseconds.
    void setProgressDelay(int milliseconds) { progressDelay = milliseconds; }

public slots:
    void openFileDialog();
    void showFileTexts();
    void addSplitLinesToDatabase();

private:
    // How many of the read questions the catalogue already holds, and the choice to skip them.
    void showDuplicates();

    Ui::AddQuestionsPerFile ui;
    Controller *controller;
    int progressDelay;
    QList<QString> fileNames;
    // The files as read, to read them again on "&Add values".
    BankReader reader;
    // The first counted lines of the files, as many as the preview may show, and the
    // count of all of them.
    QList<QString> previewLines;
    int lineCount = 0;
    // Questions of the files (by index) already in the catalogue with the same texts.
    QSet<int> duplicates;
};

#endif // ADDQUESTIONSPERFILE_H
