#include "deletequestion.h"

#include "cataloguechange.h"
#include "checkboxselection.h"
#include "controller.h"
#include "invalidmarking.h"
#include "literaltext.h"

#include <QGroupBox>
#include <QVBoxLayout>

DeleteQuestion::DeleteQuestion(Controller *controller, QWidget *parent)
    : QWidget(parent), controller(controller)
{
    ui.setupUi(this);
    ui.tlStoreFailed->hide();
    InvalidMarking::mark(ui.tlStoreFailed);

    // The category groups scroll; the form's placeholder group is not needed.
    auto *groupsLayout = new QVBoxLayout(ui.mainScrollAreaWidget);
    groupsLayout->setContentsMargins(0, 0, 0, 0);
    delete ui.gbMain;
    ui.gbMain = nullptr;

    const QList<int> categoryIds = controller->getAllCategoryIds();
    for (int categoryId : categoryIds) {
        auto *group =
            new QGroupBox(LiteralText::withoutMnemonic(controller->getCategoryNameAt(categoryId)),
                          ui.mainScrollAreaWidget);
        auto *groupLayout = new QVBoxLayout(group);
        groupLayout->setContentsMargins(0, 0, 0, 0);
        groupsLayout->addWidget(group);

        auto *selection = new CheckBoxSelection(group);
        selections.append(selection);
        const QList<int> questionIds = controller->getQuestionIdsToCategoryIds({categoryId});
        QList<QString> questionTexts;
        for (int questionId : questionIds)
            questionTexts.append(controller->getQuestionTextAt(questionId));
        selection->setItems(questionIds, questionTexts, {});
        groupLayout->addWidget(selection);
    }
    // Few groups stay together at the top instead of spreading over the area.
    groupsLayout->addStretch();

    for (CheckBoxSelection *selection : qAsConst(selections))
        connect(selection, qOverload<QList<int>>(&CheckBoxSelection::somethingChanged), this,
                &DeleteQuestion::selectedQuestionsChanged);
    connect(ui.pbManageQuestionsMenu, &QPushButton::clicked, controller,
            &Controller::showManageQuestionsMenu);
    connect(ui.pbDelete, &QPushButton::clicked, this, &DeleteQuestion::deleteSlot);
}

void DeleteQuestion::selectedQuestionsChanged()
{
    int count = 0;
    for (const CheckBoxSelection *selection : qAsConst(selections))
        count += selection->getSelectedIds().size();
    ui.tlSelectedQuestions->setText(QString::number(count));
}

void DeleteQuestion::deleteSlot()
{
    QList<int> questionIds;
    for (const CheckBoxSelection *selection : qAsConst(selections))
        questionIds.append(selection->getSelectedIds());
    // The selection goes as a whole or not at all; on failure it stays selected.
    CatalogueChange change(controller);
    for (int questionId : qAsConst(questionIds))
        controller->deleteQuestionAndAnswers(questionId);
    if (!change.commit()) {
        ui.tlStoreFailed->show();
        return;
    }
    // Rebuilds the screen from the changed catalogue and destroys this one.
    controller->showDeleteQuestion();
}
