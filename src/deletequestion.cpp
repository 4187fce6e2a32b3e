#include "deletequestion.h"

#include "cataloguelist.h"
#include "confirmations.h"
#include "controller.h"
#include "invalidmarking.h"
#include "workprogress.h"

DeleteQuestion::DeleteQuestion(Controller *controller, QWidget *parent)
    : QWidget(parent), controller(controller), progressDelay(WorkProgress::defaultDelay)
{
    ui.setupUi(this);
    ui.tlStoreFailed->hide();
    ui.tlDeleteCancelled->hide();
    InvalidMarking::mark(ui.tlStoreFailed);
    // The category groups scroll; the form's placeholder group is not needed.
    delete ui.gbMain;
    ui.gbMain = nullptr;
    list = new CatalogueList(controller, CatalogueList::CheckRows, ui.leSearch, ui.mainScrollArea,
                             this);
    // Nothing checked, nothing to delete.
    ui.pbDelete->setEnabled(false);

    connect(list, &CatalogueList::checkedChanged, this, &DeleteQuestion::selectedQuestionsChanged);
    connect(ui.pbManageQuestionsMenu, &QPushButton::clicked, controller,
            &Controller::showManageQuestionsMenu);
    connect(ui.pbDelete, &QPushButton::clicked, this, &DeleteQuestion::deleteSlot);
}

void DeleteQuestion::selectedQuestionsChanged()
{
    const int count = list->checkedIds().size();
    ui.tlSelectedQuestions->setText(QString::number(count));
    ui.pbDelete->setEnabled(count > 0);
}

void DeleteQuestion::deleteSlot()
{
    const QList<int> questionIds = list->checkedIds();
    if (questionIds.isEmpty())
        return;
    QString question = tr("Delete %n question(s)?", nullptr, questionIds.size());
    if (const int hidden = list->hiddenCheckedCount())
        question += QLatin1Char(' ') + tr("%n of them are hidden by the search.", nullptr, hidden);
    if (!controller->confirmations()->confirm(this, tr("Delete questions"), question, tr("Delete")))
        return;
    ui.tlStoreFailed->hide();
    ui.tlDeleteCancelled->hide();
    // The selection goes as a whole or not at all; on failure or cancel it stays selected.
    bool cancelled = false;
    bool deleted = false;
    {
        WorkProgress progress(this, tr("Deleting the questions..."), tr("Cancel"),
                              questionIds.size(), progressDelay);
        deleted = controller->deleteQuestions(questionIds, [&](int done) {
            cancelled = !progress.step(done);
            return !cancelled;
        });
    }
    if (cancelled) {
        ui.tlDeleteCancelled->show();
        return;
    }
    if (!deleted) {
        ui.tlStoreFailed->show();
        return;
    }
    // Rebuilds the screen from the changed catalogue and destroys this one.
    controller->showDeleteQuestion();
}
