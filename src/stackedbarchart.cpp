#include "stackedbarchart.h"

#include <QPainter>

#include <algorithm>

namespace {
const int gap = 4;
const int keyBox = 12;
// Room kept for the bars however long the labels are.
const int barRoom = 160;
} // namespace

StackedBarChart::StackedBarChart(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StackedBarChart::setKey(const QList<QString> &names, const QList<QColor> &colors)
{
    this->names = names;
    this->colors = colors;
    updateGeometry();
    update();
}

void StackedBarChart::setBars(const QList<Bar> &bars)
{
    this->bars = bars;
    updateGeometry();
    update();
}

int StackedBarChart::rowHeight() const
{
    return fontMetrics().height() + 6;
}

int StackedBarChart::keyWidth() const
{
    int width = 0;
    for (const QString &name : names)
        width += keyBox + 4 + fontMetrics().horizontalAdvance(name) + 12;
    return width;
}

int StackedBarChart::labelWidth() const
{
    int widest = 0;
    for (const Bar &bar : bars)
        widest = std::max(widest, fontMetrics().horizontalAdvance(bar.label));
    return widest + 10;
}

QSize StackedBarChart::sizeHint() const
{
    const int height = rowHeight() + gap + int(bars.size()) * (rowHeight() + gap);
    return {std::max(keyWidth(), std::min(labelWidth(), 200) + barRoom), height};
}

QSize StackedBarChart::minimumSizeHint() const
{
    return {std::max(keyWidth(), 80 + barRoom), sizeHint().height()};
}

void StackedBarChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QColor text = palette().color(QPalette::WindowText);
    const int row = rowHeight();

    int x = 0;
    for (int index = 0; index < names.size() && index < colors.size(); ++index) {
        painter.fillRect(x, (row - keyBox) / 2, keyBox, keyBox, colors.at(index));
        x += keyBox + 4;
        painter.setPen(text);
        painter.drawText(QRect(x, 0, width() - x, row), Qt::AlignVCenter, names.at(index));
        x += metrics.horizontalAdvance(names.at(index)) + 12;
    }

    // Long labels are shortened rather than squeezing the bars.
    const int labels = std::min(labelWidth(), std::max(40, width() - barRoom));
    const int numberWidth = metrics.horizontalAdvance(QStringLiteral("00000")) + 6;
    const int barWidth = std::max(1, width() - labels - numberWidth);
    int largest = 1;
    for (const Bar &bar : bars)
        largest = std::max(largest, bar.total);

    int y = row + gap;
    for (const Bar &bar : bars) {
        painter.setPen(text);
        // A little slack: advances are rounded, and a label that fits must not be cut.
        painter.drawText(QRect(0, y, labels - 6, row), Qt::AlignVCenter,
                         metrics.elidedText(bar.label, Qt::ElideRight, labels - 6));
        const QRect whole(labels, y + 2, barWidth * bar.total / largest, row - 4);
        int covered = 0;
        for (int part = 0; part < bar.parts.size() && part < colors.size(); ++part) {
            const int from = labels + barWidth * covered / largest;
            covered += bar.parts.at(part);
            const QRect piece(from, whole.top(), labels + barWidth * covered / largest - from,
                              whole.height());
            painter.fillRect(piece, colors.at(part));
            const QString number = QString::number(bar.parts.at(part));
            if (bar.parts.at(part) > 0 && metrics.horizontalAdvance(number) + 4 <= piece.width())
                painter.drawText(piece, Qt::AlignCenter, number);
        }
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(whole.adjusted(0, 0, -1, -1));
        painter.setPen(text);
        painter.drawText(QRect(whole.right() + 4, y, numberWidth, row), Qt::AlignVCenter,
                         QString::number(bar.total));
        y += row + gap;
    }
}
