#include "progress.h"

#include "controller.h"
#include "evaluationformatter.h"
#include "learningstore.h"

#include <QDateTime>
#include <QLocale>
#include <QShortcut>

namespace {
// Dates and the calendar's names in the interface language, by its catalogue id.
QLocale localeOf(int languageId)
{
    switch (languageId) {
    case 1:
        return QLocale(QLocale::German, QLocale::Germany);
    case 3:
        return QLocale(QLocale::Estonian, QLocale::Estonia);
    default:
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    }
}

// "75 % (3 / 4)"; a dash without answers.
QString share(const QPair<int, int> &answersAndRight)
{
    if (answersAndRight.first <= 0)
        return EvaluationFormatter::noValue();
    return QString::number(qRound(100.0 * answersAndRight.second / answersAndRight.first)) +
           QStringLiteral(" % (") + QString::number(answersAndRight.second) +
           QStringLiteral(" / ") + QString::number(answersAndRight.first) + QLatin1Char(')');
}

QLabel *plainLabel(const QString &text, bool wrap, QWidget *parent)
{
    auto *label = new QLabel(parent);
    // Catalogue texts are shown as written.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(text);
    return label;
}
} // namespace

Progress::Progress(Controller *controller, QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    connect(ui.pbMenu, &QPushButton::clicked, controller, &Controller::showMenu);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, ui.pbMenu, &QAbstractButton::click);
    ui.hlTop->setStretch(1, 1);
    ui.hlMiddle->setStretch(0, 1);
    ui.hlMiddle->setStretch(1, 1);

    LearningStore &learning = controller->learning();
    // Ids that another program gave to new questions must not show an old history.
    QHash<int, Fsrs::Memory> memories;
    learning.forgetReplacedQuestions(&memories);
    const qint64 now = learning.now();
    showNumbers(learning, now);
    const bool hasHistory = learning.hasHistory();
    ui.tlNoHistory->setVisible(!hasHistory);
    for (QWidget *box : {ui.gbCalendar, ui.gbRuns, ui.gbCategories, ui.gbWeakest})
        box->setVisible(hasHistory);
    if (!hasHistory)
        return;

    const QLocale locale = localeOf(controller->getCurrentLanguageId());
    const QDate today = QDateTime::fromMSecsSinceEpoch(now).date();
    ui.heatmap->setCounts(learning.answersPerDay(HeatmapChart::firstDay(today)), today, locale);

    QList<double> percentages;
    for (const RunResult &run : learning.lastRuns(50))
        percentages.append(run.answers > 0 ? 100.0 * run.right / run.answers : 0.0);
    ui.runsChart->setValues(percentages);

    const ProgressSummary summary(memories, controller->getQuestionIdsOfAllCategories(),
                                  controller->getAllCategoryNames(),
                                  controller->getAllQuestionTexts(), now, learning.model());
    showCategories(summary.categories());
    showWeakest(summary.weakest(), locale);
}

void Progress::showNumbers(LearningStore &learning, qint64 now)
{
    ui.tlShare7->setText(share(learning.answersSince(now - 7 * Fsrs::dayMs)));
    ui.tlShare30->setText(share(learning.answersSince(now - 30 * Fsrs::dayMs)));
    ui.tlQuizzes->setText(QString::number(learning.runCount()));
    ui.tlAnswers->setText(QString::number(learning.answerCount()));
}

void Progress::showCategories(const QList<ProgressSummary::CategoryCounts> &categories)
{
    ui.categoriesChart->setKey(
        {tr("Known"), tr("Due"), tr("Never answered")},
        {QColor(0x6c, 0xc0, 0x6c), QColor(0xf0, 0xb0, 0x50), QColor(0xc4, 0xcb, 0xd3)});
    QList<StackedBarChart::Bar> bars;
    for (const ProgressSummary::CategoryCounts &category : categories)
        bars.append({category.name,
                     category.questions,
                     {category.known, category.due, category.neverAnswered}});
    ui.categoriesChart->setBars(bars);
}

void Progress::showWeakest(const QList<ProgressSummary::WeakQuestion> &weakest,
                           const QLocale &locale)
{
    ui.gbWeakest->setVisible(!weakest.isEmpty());
    ui.glWeakest->setColumnStretch(0, 3);
    ui.glWeakest->setColumnStretch(1, 1);
    int row = 1;
    for (const ProgressSummary::WeakQuestion &question : weakest) {
        const QString number = QString::number(row);
        QLabel *text = plainLabel(question.text, true, ui.gbWeakest);
        text->setObjectName(QStringLiteral("tlWeakQuestion") + number);
        QLabel *category = plainLabel(question.categoryName, true, ui.gbWeakest);
        category->setObjectName(QStringLiteral("tlWeakCategory") + number);
        const QDate day = QDateTime::fromMSecsSinceEpoch(question.lastAnswerMs).date();
        QLabel *date = plainLabel(locale.toString(day, QLocale::ShortFormat), false, ui.gbWeakest);
        date->setObjectName(QStringLiteral("tlWeakDate") + number);
        ui.glWeakest->addWidget(text, row, 0);
        ui.glWeakest->addWidget(category, row, 1);
        ui.glWeakest->addWidget(date, row, 2);
        ++row;
    }
}
