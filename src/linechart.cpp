#include "linechart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

LineChart::LineChart(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void LineChart::setValues(const QList<double> &percentages)
{
    values = percentages;
    update();
}

QSize LineChart::sizeHint() const
{
    return {360, 6 * fontMetrics().height() + 20};
}

QSize LineChart::minimumSizeHint() const
{
    return {200, sizeHint().height()};
}

void LineChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int axis = metrics.horizontalAdvance(QStringLiteral("100 %")) + 6;
    const QRectF plot(axis, metrics.height() / 2.0, width() - axis - 8,
                      height() - metrics.height() - 4);
    const QColor text = palette().color(QPalette::WindowText);

    for (int percent : {0, 50, 100}) {
        const qreal y = plot.bottom() - plot.height() * percent / 100.0;
        painter.setPen(QPen(percent == 0 ? text : palette().color(QPalette::Mid), 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(text);
        painter.drawText(QRectF(0, y - metrics.height() / 2.0, axis - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(percent) + QStringLiteral(" %"));
    }
    if (values.isEmpty())
        return;

    // One value alone stands in the middle.
    const auto point = [&](int index) {
        const qreal x = values.size() == 1
                            ? plot.center().x()
                            : plot.left() + plot.width() * index / (values.size() - 1);
        const double value = std::clamp(values.at(index), 0.0, 100.0);
        return QPointF(x, plot.bottom() - plot.height() * value / 100.0);
    };
    const QColor line(0x1f, 0x6f, 0xb4);
    QPainterPath path(point(0));
    for (int index = 1; index < values.size(); ++index)
        path.lineTo(point(index));
    painter.setPen(QPen(line, 2));
    painter.drawPath(path);
    painter.setBrush(line);
    const qreal radius = values.size() > 25 ? 2 : 3;
    for (int index = 0; index < values.size(); ++index)
        painter.drawEllipse(point(index), radius, radius);
}
