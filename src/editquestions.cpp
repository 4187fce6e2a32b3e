#include "editquestions.h"

#include "cataloguelist.h"
#include "controller.h"

EditQuestions::EditQuestions(Controller *controller, QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    setOutcome(QString());
    auto *list = new CatalogueList(controller, CatalogueList::ChoiceRows, ui.leSearch,
                                   ui.mainScrollArea, this);
    // Queued: the form replaces this screen only after the press that chose has been
    // handled by the row, which goes with it.
    connect(list, &CatalogueList::chosen, controller, &Controller::showEditQuestion,
            Qt::QueuedConnection);
    connect(ui.leSearch, &QLineEdit::textChanged, ui.tlOutcome, &QLabel::hide);
    connect(ui.pbManageQuestionsMenu, &QPushButton::clicked, controller,
            &Controller::showManageQuestionsMenu);
}

void EditQuestions::setOutcome(const QString &outcome)
{
    ui.tlOutcome->setText(outcome);
    ui.tlOutcome->setVisible(!outcome.isEmpty());
}
