#ifndef HEATMAPCHART_H
#define HEATMAPCHART_H

#include <QDate>
#include <QLocale>
#include <QMap>
#include <QWidget>

// A calendar of the last weeks, one square per day, darker for more answers: a column per
// week from Monday to Sunday, the current week on the right.
class HeatmapChart : public QWidget
{
    Q_OBJECT

public:
    static constexpr int weeks = 26;

    explicit HeatmapChart(QWidget *parent = nullptr);

    // The Monday of the first column when the last column holds lastDay.
    static QDate firstDay(const QDate &lastDay);
    // Days missing from counts had no answers; the locale names months and weekdays.
    void setCounts(const QMap<QDate, int> &counts, const QDate &lastDay, const QLocale &locale);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    static constexpr int cell = 11;
    static constexpr int step = cell + 2;
    int labelWidth() const;
    int gridTop() const;
    QDate dayAt(const QPoint &position) const;
    int shadeOf(int count) const;
    QColor shadeColor(int shade) const;

    QMap<QDate, int> counts;
    QDate lastDay = QDate::currentDate();
    QLocale locale;
    int highest = 0;
};

#endif // HEATMAPCHART_H
