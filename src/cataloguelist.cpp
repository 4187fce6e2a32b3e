#include "cataloguelist.h"

#include "checkbox.h"
#include "checkboxselection.h"
#include "clickablelabel.h"
#include "controller.h"
#include "literaltext.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopedPointer>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Rows built when the list opens (a small catalogue is built whole), and at most in one
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

CatalogueList::CatalogueList(Controller *controller, Rows rows, QLineEdit *search,
                             QScrollArea *area, QObject *parent)
    : QObject(parent), rows(rows), area(area)
{
    QWidget *content = area->widget();
    auto *groupsLayout = new QVBoxLayout(content);
    groupsLayout->setContentsMargins(0, 0, 0, 0);

    {
        // What a one-line row takes, for the groups not built yet.
        QScopedPointer<QWidget> probe(
            rows == CheckRows ? new CheckBox : choiceRow(nullptr, 0, QStringLiteral("X")));
        if (auto *box = qobject_cast<CheckBox *>(probe.data()))
            box->setText(QStringLiteral("X"));
        rowHeight = probe->sizeHint().height() + groupsLayout->spacing();
    }

    // Names, ids and texts in one read each, the same as the single reads give them.
    const QList<int> categoryIds = controller->getAllCategoryIds();
    const QHash<int, QString> categoryNames = controller->getAllCategoryNames();
    const QHash<int, QList<int>> questionIds = controller->getQuestionIdsOfAllCategories();
    const QHash<int, QString> questionTexts = controller->getAllQuestionTexts();
    int rowsLeft = rowsBuiltAtOnce;
    for (int categoryId : categoryIds) {
        auto *box =
            new QGroupBox(LiteralText::withoutMnemonic(categoryNames.value(categoryId)), content);
        auto *groupLayout = new QVBoxLayout(box);
        groupLayout->setContentsMargins(0, 0, 0, 0);
        groupsLayout->addWidget(box);

        Group group{box, nullptr, nullptr, {}, nullptr, questionIds.value(categoryId),
                    {},  {},      0,       -1};
        if (rows == CheckRows) {
            group.selection = new CheckBoxSelection(box);
            groupLayout->addWidget(group.selection);
        } else {
            group.choices = new QWidget(box);
            new QVBoxLayout(group.choices);
            groupLayout->addWidget(group.choices);
        }
        group.rest = new QWidget(box);
        groupLayout->addWidget(group.rest);
        for (int questionId : qAsConst(group.questionIds)) {
            group.questionTexts.append(questionTexts.value(questionId));
            group.shown.append(true);
        }
        group.shownCount = group.questionIds.size();
        const int built = qMin(rowsLeft, group.questionIds.size());
        if (built > 0 || group.questionIds.isEmpty())
            buildRows(group, built);
        rowsLeft -= built;
        updateRest(group);
        groups.append(group);
    }
    // Few groups stay together at the top instead of spreading over the area.
    groupsLayout->addStretch();

    // Scrolling moves the list widget; a new size moves its groups.
    content->installEventFilter(this);
    area->viewport()->installEventFilter(this);
    connect(search, &QLineEdit::textChanged, this, &CatalogueList::searchSlot);
}

QWidget *CatalogueList::choiceRow(QWidget *parent, int questionId, const QString &text)
{
    // Like a check box row: the text wraps in a label, and pressing it chooses as the
    // button does. The button stands alone, so moving the focus chooses nothing.
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *button = new QRadioButton(row);
    button->setAutoExclusive(false);
    button->setAccessibleName(text);
    auto *label = new ClickableLabel(row);
    label->setText(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    layout->addWidget(button);
    layout->addWidget(label);
    connect(label, &ClickableLabel::clicked, button, &QRadioButton::click);
    connect(button, &QRadioButton::clicked, this, [this, questionId] { emit chosen(questionId); });
    return row;
}

void CatalogueList::buildRows(Group &group, int end)
{
    const int start = qMax(group.builtRows, 0);
    const QList<int> ids = group.questionIds.mid(start, end - start);
    const QList<QString> texts = group.questionTexts.mid(start, end - start);
    if (rows == CheckRows) {
        if (group.builtRows < 0) {
            group.selection->setItems(ids, texts, {});
            connect(group.selection, qOverload<QList<int>>(&CheckBoxSelection::somethingChanged),
                    this, &CatalogueList::checkedChanged);
        } else {
            group.selection->appendItems(ids, texts);
        }
    } else {
        if (group.questionIds.isEmpty())
            group.choices->layout()->addWidget(
                new QLabel(tr("There is nothing to show!"), group.choices));
        for (int i = 0; i < ids.size(); ++i) {
            group.choiceRows.append(choiceRow(group.choices, ids.at(i), texts.at(i)));
            group.choices->layout()->addWidget(group.choiceRows.last());
        }
    }
    group.builtRows = end;
    for (int i = start; i < end; ++i) {
        if (!group.shown.at(i))
            setRowShown(group, i, false);
    }
    updateRest(group);
}

void CatalogueList::setRowShown(Group &group, int row, bool shown)
{
    if (rows == CheckRows)
        group.selection->setEntryShown(row, shown);
    else
        group.choiceRows.at(row)->setVisible(shown);
}

void CatalogueList::updateRest(Group &group)
{
    int hidden = 0;
    for (int i = qMax(group.builtRows, 0); i < group.shown.size(); ++i)
        hidden += group.shown.at(i) ? 1 : 0;
    group.rest->setFixedHeight(hidden * rowHeight);
    group.rest->setVisible(hidden > 0);
}

bool CatalogueList::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        scheduleBuild();
    return QObject::eventFilter(watched, event);
}

void CatalogueList::scheduleBuild()
{
    // After the layout has placed the groups, once for a burst of moves.
    if (buildPending)
        return;
    buildPending = true;
    QTimer::singleShot(0, this, &CatalogueList::buildVisibleRows);
}

void CatalogueList::buildVisibleRows()
{
    buildPending = false;
    QWidget *content = area->widget();
    if (!content->isVisible())
        return;
    // The visible part of the list and one screen above and below it.
    const int height = area->viewport()->height();
    const int top = -content->y() - height;
    const int bottom = -content->y() + 2 * height;
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

void CatalogueList::searchSlot(const QString &text)
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
    // What the search hides is counted apart.
    if (rows == CheckRows)
        emit checkedChanged();
}

void CatalogueList::applySearch(Group &group)
{
    // A search hides the categories without a match; hidden questions stay checked.
    group.box->setVisible(searchWords.isEmpty() || group.shownCount > 0);
    for (int i = 0; i < group.builtRows; ++i)
        setRowShown(group, i, group.shown.at(i));
    updateRest(group);
}

QList<int> CatalogueList::checkedIds() const
{
    QList<int> ids;
    for (const Group &group : groups) {
        if (group.selection)
            ids.append(group.selection->getSelectedIds());
    }
    return ids;
}

int CatalogueList::hiddenCheckedCount() const
{
    int hidden = 0;
    for (const Group &group : groups) {
        if (!group.selection)
            continue;
        // The checked ids come in row order, so one walk along the rows finds each.
        int row = 0;
        for (int id : group.selection->getSelectedIds()) {
            while (group.questionIds.at(row) != id)
                ++row;
            hidden += group.shown.at(row) ? 0 : 1;
        }
    }
    return hidden;
}
