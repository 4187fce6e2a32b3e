#include "heatmapchart.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {
const int shades = 4;
// Weekday rows with a name; every other one, so the names have room.
const int namedRows[] = {0, 2, 4};
} // namespace

HeatmapChart::HeatmapChart(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

QDate HeatmapChart::firstDay(const QDate &lastDay)
{
    return lastDay.addDays(1 - lastDay.dayOfWeek() - 7 * (weeks - 1));
}

void HeatmapChart::setCounts(const QMap<QDate, int> &counts, const QDate &lastDay,
                             const QLocale &locale)
{
    this->counts = counts;
    this->lastDay = lastDay;
    this->locale = locale;
    highest = 0;
    for (int count : counts)
        highest = std::max(highest, count);
    updateGeometry();
    update();
}

int HeatmapChart::labelWidth() const
{
    int widest = 0;
    for (int row : namedRows)
        widest = std::max(
            widest, fontMetrics().horizontalAdvance(locale.dayName(row + 1, QLocale::ShortFormat)));
    return widest + 6;
}

int HeatmapChart::gridTop() const
{
    return fontMetrics().height() + 2;
}

QSize HeatmapChart::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int key = metrics.horizontalAdvance(tr("Less")) + 6 + (shades + 1) * step + 4 +
                    metrics.horizontalAdvance(tr("More"));
    const int width = labelWidth() + std::max(weeks * step, key);
    return {width, gridTop() + 7 * step + 6 + std::max(metrics.height(), cell)};
}

QSize HeatmapChart::minimumSizeHint() const
{
    return sizeHint();
}

QColor HeatmapChart::shadeColor(int shade) const
{
    static const QColor greens[shades] = {QColor(0x9b, 0xe9, 0xa8), QColor(0x40, 0xc4, 0x63),
                                          QColor(0x30, 0xa1, 0x4e), QColor(0x21, 0x6e, 0x39)};
    if (shade <= 0)
        return palette().color(QPalette::Base).darker(112);
    return greens[std::min(shade, shades) - 1];
}

int HeatmapChart::shadeOf(int count) const
{
    if (count <= 0 || highest <= 0)
        return 0;
    // Shares of the busiest day, rounded up, so a single answer always shows.
    return (count * shades + highest - 1) / highest;
}

QDate HeatmapChart::dayAt(const QPoint &position) const
{
    const int x = position.x() - labelWidth();
    const int y = position.y() - gridTop();
    if (x < 0 || y < 0 || x % step >= cell || y % step >= cell)
        return {};
    const int week = x / step;
    const int weekday = y / step;
    if (week >= weeks || weekday >= 7)
        return {};
    const QDate day = firstDay(lastDay).addDays(7 * week + weekday);
    return day <= lastDay ? day : QDate();
}

bool HeatmapChart::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QDate day = dayAt(help->pos());
        if (day.isValid()) {
            const int count = counts.value(day);
            QToolTip::showText(help->globalPos(),
                               locale.toString(day, QLocale::ShortFormat) + QStringLiteral(": ") +
                                   tr("%n answer(s)", nullptr, count),
                               this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

void HeatmapChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int left = labelWidth();
    const int top = gridTop();
    painter.setPen(palette().color(QPalette::WindowText));

    for (int row : namedRows) {
        // Centred on its row, with the unnamed rows around it as room for the text.
        const QRect rect(0, top + row * step + cell / 2 - step, left - 4, 2 * step);
        painter.drawText(rect, Qt::AlignRight | Qt::AlignVCenter,
                         locale.dayName(row + 1, QLocale::ShortFormat));
    }

    const QDate first = firstDay(lastDay);
    // A month is named above the first week whose Monday lies in it; the part-months at
    // either end only where their names have room.
    QList<int> monthWeeks;
    for (int week = 0; week < weeks; ++week) {
        const QDate monday = first.addDays(7 * week);
        if (week == 0 || monday.month() != monday.addDays(-7).month())
            monthWeeks.append(week);
    }
    const auto room = [&](int index) {
        return (index + 1 < monthWeeks.size() ? monthWeeks.at(index + 1) * step : width() - left) -
               monthWeeks.at(index) * step;
    };
    const auto name = [&](int index, QLocale::FormatType format) {
        return locale.monthName(first.addDays(7 * monthWeeks.at(index)).month(), format);
    };
    // Short names where every whole month has room for its own, as some Estonian ones
    // have not; else narrow ones throughout.
    QLocale::FormatType format = QLocale::ShortFormat;
    for (int index = 1; index + 1 < monthWeeks.size(); ++index) {
        if (metrics.horizontalAdvance(name(index, format)) + 4 > room(index))
            format = QLocale::NarrowFormat;
    }
    for (int index = 0; index < monthWeeks.size(); ++index) {
        const QString month = name(index, format);
        if (metrics.horizontalAdvance(month) + 4 <= room(index))
            painter.drawText(left + monthWeeks.at(index) * step, metrics.ascent(), month);
    }
    for (int week = 0; week < weeks; ++week) {
        const QDate monday = first.addDays(7 * week);
        const int x = left + week * step;
        for (int weekday = 0; weekday < 7; ++weekday) {
            const QDate day = monday.addDays(weekday);
            if (day > lastDay)
                break;
            painter.fillRect(x, top + weekday * step, cell, cell,
                             shadeColor(shadeOf(counts.value(day))));
        }
    }

    // The key: from no answers to the busiest day.
    const int keyTop = top + 7 * step + 6;
    const QRect keyLine(left, keyTop, width() - left, std::max(metrics.height(), cell));
    int x = left;
    const QString less = tr("Less");
    painter.drawText(QRect(x, keyTop, metrics.horizontalAdvance(less), keyLine.height()),
                     Qt::AlignVCenter, less);
    x += metrics.horizontalAdvance(less) + 6;
    const int cellTop = keyTop + (keyLine.height() - cell) / 2;
    for (int shade = 0; shade <= shades; ++shade, x += step)
        painter.fillRect(x, cellTop, cell, cell, shadeColor(shade));
    painter.drawText(QRect(x + 4, keyTop, width() - x, keyLine.height()), Qt::AlignVCenter,
                     tr("More"));
}
