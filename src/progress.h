#ifndef PROGRESS_H
#define PROGRESS_H

#include "progresssummary.h"
#include "ui_progress.h"

#include <QWidget>

class Controller;
class LearningStore;

// The learner's progress: answers per day, shares of right answers, the catalogue's
// memory per category, the latest quiz results and the weakest questions.
class Progress : public QWidget
{
    Q_OBJECT

public:
    explicit Progress(Controller *controller, QWidget *parent = nullptr);

private:
    void showNumbers(LearningStore &learning, qint64 now);
    void showCategories(const QList<ProgressSummary::CategoryCounts> &categories);
    void showWeakest(const QList<ProgressSummary::WeakQuestion> &weakest, const QLocale &locale);

    Ui::Progress ui;
};

#endif // PROGRESS_H
