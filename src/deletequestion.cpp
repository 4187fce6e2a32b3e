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
// Rows built when the screen opens (a small catalogue is built whole), and at most in one
// step later.
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
    int rowsLeft = rowsBuiltAtOnce;
    for (int categoryId : categoryIds) {
        auto *box = new QGroupBox(LiteralText::withoutMnemonic(categoryNames.value(categoryId)),
                                  ui.mainScrollAreaWidget);
        auto *groupLayout = new QVBoxLayout(box);
        groupLayout->setContentsMargins(0, 0, 0, 0);
        groupsLayout->addWidget(box);

        auto *selection = new CheckBoxSelection(box);
        selections.append(selection);
        groupLayout->addWidget(selection);
        auto *rest = new QWidget(box);
        groupLayout->addWidget(rest);
        Group group{box, selection, rest, questionIds.value(categoryId), {}, {}, 0, -1};
        for (int questionId : qAsConst(group.questionIds)) {
            group.questionTexts.append(questionTexts.value(questionId));
            group.shown.append(true);
        }
        group.shownCount = group.questionIds.size();
        const int rows = qMin(rowsLeft, group.questionIds.size());
        if (rows > 0 || group.questionIds.isEmpty())
            buildRows(group, rows);
        rowsLeft -= rows;
        updateRest(group);
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

void DeleteQuestion::buildRows(Group &group, int end)
{
    const int start = qMax(group.builtRows, 0);
    const QList<int> ids = group.questionIds.mid(start, end - start);
    const QList<QString> texts = group.questionTexts.mid(start, end - start);
    if (group.builtRows < 0) {
        group.selection->setItems(ids, texts, {});
        connect(group.selection, qOverload<QList<int>>(&CheckBoxSelection::somethingChanged), this,
                &DeleteQuestion::selectedQuestionsChanged);
    } else {
        group.selection->appendItems(ids, texts);
    }
    group.builtRows = end;
    for (int i = start; i < end; ++i) {
        if (!group.shown.at(i))
            group.selection->setEntryShown(i, false);
    }
    updateRest(group);
}

void DeleteQuestion::updateRest(Group &group)
{
    int rows = 0;
    for (int i = qMax(group.builtRows, 0); i < group.shown.size(); ++i)
        rows += group.shown.at(i) ? 1 : 0;
    group.rest->setFixedHeight(rows * rowHeight);
    group.rest->setVisible(rows > 0);
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
    QTimer::singleShot(0, this, &DeleteQuestion::buildVisibleRows);
}

void DeleteQuestion::buildVisibleRows()
{
    buildPending = false;
    if (!ui.mainScrollAreaWidget->isVisible())
        return;
    // The visible part of the list and one screen above and below it.
    const int height = ui.mainScrollArea->viewport()->height();
    const int top = -ui.mainScrollAreaWidget->y() - height;
    const int bottom = -ui.mainScrollAreaWidget->y() + 2 * height;
    bool built = false;
    for (Group &group : groups) {
        if (group.box->isHidden() || group.rest->isHidden())
            continue;
        const int restTop = group.box->y() + group.rest->y();
        if (restTop + group.rest->height() < top || restTop > bottom)
            continue;
        // Rows are added in order, up to the bottom of that area, a bounded number at a
        // time so that the window stays responsive.
        int wanted = qMin((bottom - restTop) / qMax(rowHeight, 1) + 1, rowsBuiltAtOnce);
        int end = qMax(group.builtRows, 0);
        while (end < group.questionIds.size() && wanted > 0)
            wanted -= group.shown.at(end++) ? 1 : 0;
        buildRows(group, end);
        built = true;
    }
    // Once the layout has placed what was built, look again.
    if (built)
        scheduleBuild();
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
    for (int i = 0; i < group.builtRows; ++i)
        group.selection->setEntryShown(i, group.shown.at(i));
    updateRest(group);
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
