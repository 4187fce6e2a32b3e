#include "workprogress.h"

#include <QProgressBar>
#include <QProgressDialog>

WorkProgress::WorkProgress(QWidget *parent, const QString &label, const QString &cancelText,
                           int total, int delay)
    : dialog(new QProgressDialog(label, cancelText, 0, total, parent))
{
    dialog->setObjectName(QStringLiteral("workProgress"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(delay);
    dialog->setAutoReset(false);
    // The count done, not only a share.
    auto *bar = new QProgressBar(dialog);
    bar->setFormat(QStringLiteral("%v / %m"));
    dialog->setBar(bar);
    dialog->setRange(0, total); // the range is the bar's: a new bar starts at 0 to 100
    if (cancelText.isEmpty())
        dialog->setCancelButton(nullptr);
    dialog->setValue(0);
}

WorkProgress::~WorkProgress()
{
    delete dialog.data();
}

bool WorkProgress::step(int done)
{
    dialog->setValue(done);
    return !dialog->wasCanceled();
}
