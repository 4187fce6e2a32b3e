#include "deletequestion.h"

#include "cataloguechange.h"
#include "checkbox.h"
#include "checkboxselection.h"
#include "controller.h"
#include "invalidmarking.h"
#include "literaltext.h"
#include "workprogress.h"

#include <QEvent>
#include <QGroupBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Rows built at once when the screen opens; a small catalogue is built whole.
constexpr int rowsBuiltAtOnce = 200;

bool containsAll(const QString &text, const QStringList &words)
{
    for (const QString &word : words) {
        if (!text.contains(word, Qt::CaseInsensitive))
            return false;
    }
    return true;
}
} // namespace

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

    {
        // What a one-line row takes, for the groups not built yet.
        CheckBox probe;
        probe.setText(QStringLiteral("X"));
        rowHeight = probe.sizeHint().height() + groupsLayout->spacing();
    }

    // Names, ids and texts in one read each, the same as the single reads give them.
    const QList<int> categoryIds = controller->getAllCategoryIds();
    const QHash<int, QString> categoryNames = controller->getAllCategoryNames();
    const QHash<int, QList<int>> questionIds = controller->getQuestionIdsOfAllCategories();
    const QHash<int, QString> questionTexts = controller->getAllQuestionTexts();
    int rowsBuilt = 0;
    for (int categoryId : categoryIds) {
        auto *box = new QGroupBox(LiteralText::withoutMnemonic(categoryNames.value(categoryId)),
                                  ui.mainScrollAreaWidget);
        auto *groupLayout = new QVBoxLayout(box);
        groupLayout->setContentsMargins(0, 0, 0, 0);
        groupsLayout->addWidget(box);

        auto *selection = new CheckBoxSelection(box);
        selections.append(selection);
        groupLayout->addWidget(selection);
        Group group{box, selection, questionIds.value(categoryId), {}, {}, 0, false};
        for (int questionId : qAsConst(group.questionIds)) {
            group.questionTexts.append(questionTexts.value(questionId));
            group.shown.append(true);
        }
        group.shownCount = group.questionIds.size();
        if (rowsBuilt < rowsBuiltAtOnce || group.questionIds.isEmpty()) {
            buildGroup(group);
            rowsBuilt += group.questionIds.size();
        } else {
            selection->setMinimumHeight(group.shownCount * rowHeight);
        }
        groups.append(group);
    }
    // Few groups stay together at the top instead of spreading over the area.
    groupsLayout->addStretch();

    // Scrolling moves the list widget; a new size moves its groups.
    ui.mainScrollAreaWidget->installEventFilter(this);
    ui.mainScrollArea->viewport()->installEventFilter(this);
    connect(ui.leSearch, &QLineEdit::textChanged, this, &DeleteQuestion::searchSlot);
    connect(ui.pbManageQuestionsMenu, &QPushButton::clicked, controller,
            &Controller::showManageQuestionsMenu);
    connect(ui.pbDelete, &QPushButton::clicked, this, &DeleteQuestion::deleteSlot);
}

void DeleteQuestion::buildGroup(Group &group)
{
    group.selection->setMinimumHeight(0);
    group.selection->setItems(group.questionIds, group.questionTexts, {});
    connect(group.selection, qOverload<QList<int>>(&CheckBoxSelection::somethingChanged), this,
            &DeleteQuestion::selectedQuestionsChanged);
    group.built = true;
    if (group.shownCount < group.questionIds.size())
        applySearch(group);
}

bool DeleteQuestion::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        scheduleBuild();
    return QWidget::eventFilter(watched, event);
}

void DeleteQuestion::scheduleBuild()
{
    // After the layout has placed the groups, once for a burst of moves.
    if (buildPending)
        return;
    buildPending = true;
    QTimer::singleShot(0, this, &DeleteQuestion::buildVisibleGroups);
}

void DeleteQuestion::buildVisibleGroups()
{
    buildPending = false;
    if (!ui.mainScrollAreaWidget->isVisible())
        return;
    // The visible part of the list and one screen above and below it.
    const int height = ui.mainScrollArea->viewport()->height();
    const int top = -ui.mainScrollAreaWidget->y() - height;
    const int bottom = -ui.mainScrollAreaWidget->y() + 2 * height;
    for (Group &group : groups) {
        const QRect area = group.box->geometry();
        if (!group.built && !group.box->isHidden() && area.bottom() >= top && area.top() <= bottom)
            buildGroup(group);
    }
}

void DeleteQuestion::searchSlot(const QString &text)
{
    searchWords = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (Group &group : groups) {
        group.shownCount = 0;
        for (int i = 0; i < group.questionTexts.size(); ++i) {
            group.shown[i] = containsAll(group.questionTexts.at(i), searchWords);
            group.shownCount += group.shown.at(i) ? 1 : 0;
        }
        applySearch(group);
    }
    scheduleBuild();
}

void DeleteQuestion::applySearch(Group &group)
{
    // A search hides the categories without a match; hidden questions stay checked.
    group.box->setVisible(searchWords.isEmpty() || group.shownCount > 0);
    if (!group.built) {
        group.selection->setMinimumHeight(group.shownCount * rowHeight);
        return;
    }
    for (int i = 0; i < group.shown.size(); ++i)
        group.selection->setEntryShown(i, group.shown.at(i));
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
    {
        WorkProgress progress(this, tr("Deleting the questions..."), QString(), questionIds.size());
        for (int i = 0; i < questionIds.size(); ++i) {
            progress.step(i);
            controller->deleteQuestionAndAnswers(questionIds.at(i));
        }
    }
    if (!change.commit()) {
        ui.tlStoreFailed->show();
        return;
    }
    // Rebuilds the screen from the changed catalogue and destroys this one.
    controller->showDeleteQuestion();
}
