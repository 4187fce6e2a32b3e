#ifndef WORKPROGRESS_H
#define WORKPROGRESS_H

#include <QPointer>
#include <QProgressDialog>
#include <QString>

class QWidget;

// Progress of a long piece of work done on the GUI thread: a window-modal dialog with the
// count done appears once the work has taken longer than the delay, and from then on
// every step lets the window repaint.
class WorkProgress
{
public:
    static constexpr int defaultDelay = 500; // milliseconds

    // Without a cancel text the work cannot be cancelled.
    WorkProgress(QWidget *parent, const QString &label, const QString &cancelText, int total,
                 int delay = defaultDelay);
    ~WorkProgress();
    WorkProgress(const WorkProgress &) = delete;
    WorkProgress &operator=(const WorkProgress &) = delete;

    // Reports the count done; false once the user has cancelled.
    bool step(int done);

private:
    // Owned by the parent too: the parent screen may be replaced right after the work.
    QPointer<QProgressDialog> dialog;
};

#endif // WORKPROGRESS_H
