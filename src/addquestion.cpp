#include "addquestion.h"

#include "addanswerwidget.h"
#include "cataloguechange.h"
#include "controller.h"
#include "invalidmarking.h"
#include "learningstore.h"

#include <algorithm>

AddQuestion::AddQuestion(Controller *controller, QWidget *parent)
    : QWidget(parent), controller(controller)
{
    ui.setupUi(this);
    ui.tlStoreFailed->hide();
    InvalidMarking::mark(ui.tlStoreFailed, true);

    const QList<int> categoryIds = controller->getAllCategoryIds();
    QList<QString> categoryNames;
    for (int id : categoryIds)
        categoryNames.append(controller->getCategoryNameAt(id));
    ui.categorySelection->setItems(categoryIds, categoryNames);

    connect(ui.rbCategories, &QRadioButton::clicked, this,
            &AddQuestion::displayRightCategoryWidget);
    ui.rbCategories->click();
    connect(ui.rbAddNewCategory, &QRadioButton::clicked, this,
            &AddQuestion::displayRightCategoryWidget);

    answerButtons = {ui.rbAnswer1, ui.rbAnswer2, ui.rbAnswer3, ui.rbAnswer4};
    for (QRadioButton *button : qAsConst(answerButtons)) {
        answerWidgets.append(new AddAnswerWidget(ui.gbAnswers));
        connect(button, &QRadioButton::clicked, this, &AddQuestion::displayRightMleAnswer);
    }
    for (AddAnswerWidget *answer : qAsConst(answerWidgets))
        ui.gridLayout_2->addWidget(answer);
    ui.rbAnswer1->click();

    connect(ui.pbManageQuestionsMenu, &QPushButton::clicked, controller,
            &Controller::showManageQuestionsMenu);
    connect(ui.pbAdd, &QPushButton::clicked, this, &AddQuestion::addAllValues);
}

void AddQuestion::displayRightCategoryWidget()
{
    ui.rbCategories->setChecked(false);
    ui.rbAddNewCategory->setChecked(false);
    ui.mleCategory->hide();
    ui.saCategories->hide();
    if (sender() == ui.rbCategories) {
        ui.rbCategories->setChecked(true);
        ui.saCategories->show();
    } else if (sender() == ui.rbAddNewCategory) {
        ui.rbAddNewCategory->setChecked(true);
        ui.mleCategory->show();
    }
}

void AddQuestion::displayRightMleAnswer()
{
    for (int i = 0; i < answerButtons.size(); ++i) {
        answerWidgets.at(i)->hide();
        answerButtons.at(i)->setChecked(false);
    }
    const int shown = answerButtons.indexOf(qobject_cast<QRadioButton *>(sender()));
    if (shown < 0)
        return;
    answerButtons.at(shown)->setChecked(true);
    answerWidgets.at(shown)->show();
}

void AddQuestion::editQuestion(int questionId)
{
    editedQuestionId = questionId;
    ui.pbAdd->setText(tr("&Save"));
    // Its category is chosen; another one, or a new one, moves the question there.
    ui.categorySelection->setSelectedId(controller->getCategoryIdForQuestionId(questionId));
    ui.mleQuestion->setTexts(controller->getQuestionTextsAt(questionId));
    // In the order they were entered, which is that of their ids.
    const QList<int> trueIds = controller->getTrueAnswerIdsToQuestionId(questionId);
    QList<int> answerIds = trueIds + controller->getFalseAnswerIdsToQuestionId(questionId);
    std::sort(answerIds.begin(), answerIds.end());
    for (int i = 0; i < answerWidgets.size() && i < answerIds.size(); ++i) {
        const int answerId = answerIds.at(i);
        answerWidgets.at(i)->setAnswer(controller->getAnswerTextsAt(answerId),
                                       controller->getExplanationTextsToAnswerId(answerId),
                                       trueIds.contains(answerId));
    }
}

bool AddQuestion::checkAllValues()
{
    bool valid = true;
    // Every input is checked and marked, so one press shows all that needs fixing.
    auto check = [&valid](QWidget *marked, bool failed) {
        InvalidMarking::mark(marked, failed);
        if (failed)
            valid = false;
    };
    check(ui.rbCategories,
          ui.rbCategories->isChecked() && ui.categorySelection->getSelectedId() == -1);
    check(ui.rbAddNewCategory,
          ui.rbAddNewCategory->isChecked() &&
              (ui.mleCategory->hasEmptyText() || ui.mleCategory->hasInvalidText()));
    check(ui.tlQuestion, ui.mleQuestion->hasEmptyText() || ui.mleQuestion->hasInvalidText());
    for (int i = 0; i < answerButtons.size(); ++i) {
        const AddAnswerWidget *answer = answerWidgets.at(i);
        check(answerButtons.at(i), answer->hasMissingText() || answer->hasInvalidText());
    }
    return valid;
}

void AddQuestion::addAllValues()
{
    ui.tlStoreFailed->hide();
    if (!checkAllValues())
        return;
    if (!storeQuestion()) {
        // Nothing was kept; the input stays so the user can try again.
        ui.tlStoreFailed->show();
        return;
    }
    // Replaces and destroys this form: nothing may follow.
    if (editedQuestionId > 0) {
        controller->showEditQuestions(tr("Question saved."));
        return;
    }
    ui.mleCategory->clear();
    ui.mleQuestion->clear();
    for (AddAnswerWidget *answer : qAsConst(answerWidgets))
        answer->clear();
    Controller *owner = controller;
    owner->showAddQuestion();
    // The fresh form says so until its button is pressed again.
    if (auto *fresh = owner->findChild<AddQuestion *>()) {
        auto *added = new QLabel(tr("Question added."), fresh);
        added->setObjectName(QStringLiteral("tlAdded"));
        fresh->ui.gridLayout->addWidget(added, 1, 0, 1, 2);
        added->show();
        connect(fresh->ui.pbAdd, &QPushButton::clicked, added, &QWidget::hide);
    }
}

bool AddQuestion::storeQuestion()
{
    CatalogueChange change(controller);
    int categoryId = -1;
    if (ui.rbCategories->isChecked()) {
        categoryId = ui.categorySelection->getSelectedId();
    } else if (ui.rbAddNewCategory->isChecked()) {
        categoryId = controller->addCategory();
        controller->setDECategoryText(categoryId, ui.mleCategory->getDEText());
        controller->setENCategoryText(categoryId, ui.mleCategory->getENText());
        controller->setEECategoryText(categoryId, ui.mleCategory->getEEText());
    }

    if (editedQuestionId > 0) {
        // The fingerprint of the memory follows the texts, so it is read before they go.
        const QList<QString> formerTexts = controller->getQuestionTextsAt(editedQuestionId);
        if (!controller->clearQuestionForRewrite(editedQuestionId, categoryId))
            return false;
        writeTextsAndAnswers(editedQuestionId);
        controller->learning().textsChanged(editedQuestionId, formerTexts);
    } else {
        writeTextsAndAnswers(controller->addQuestion(categoryId));
    }
    return change.commit();
}

void AddQuestion::writeTextsAndAnswers(int questionId)
{
    controller->setDEQuestionText(questionId, ui.mleQuestion->getDEText());
    controller->setENQuestionText(questionId, ui.mleQuestion->getENText());
    controller->setEEQuestionText(questionId, ui.mleQuestion->getEEText());

    for (const AddAnswerWidget *answer : qAsConst(answerWidgets)) {
        const int answerId = controller->addAnswer();
        controller->setDEAnswerText(answerId, answer->getDEAnswerText(),
                                    answer->getDEExplanationText());
        controller->setENAnswerText(answerId, answer->getENAnswerText(),
                                    answer->getENExplanationText());
        controller->setEEAnswerText(answerId, answer->getEEAnswerText(),
                                    answer->getEEExplanationText());
        controller->setQuestionAnswer(answerId, questionId, answer->isAnswerTrue() ? 1 : 0);
    }
}
