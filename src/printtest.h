#ifndef PRINTTEST_H
#define PRINTTEST_H

#include "ui_printtest.h"

#include <QHash>
#include <QList>
#include <QWidget>

class Controller;

// The screen that prints a test: categories, number of questions, language, versions and
// seed, with or without answer keys and explanations, saved as one PDF.
class PrintTest : public QWidget
{
    Q_OBJECT

public:
    explicit PrintTest(Controller *controller, QWidget *parent = nullptr);

    // Asks for the file and writes the test; false, with the reason in red, when nothing
    // was written.
    bool savePdf();

private:
    // The questions the checked categories hold bound the number asked.
    void showAvailable();
    void showOutcome(const QString &text, bool failed);

    Ui::PrintTest ui;
    Controller *controller;
    QHash<int, QList<int>> questionsOfCategory;
};

#endif // PRINTTEST_H
