#ifndef LINECHART_H
#define LINECHART_H

#include <QList>
#include <QWidget>

// Percentages in their order as one line, from 0 % at the bottom to 100 % at the top.
class LineChart : public QWidget
{
    Q_OBJECT

public:
    explicit LineChart(QWidget *parent = nullptr);

    void setValues(const QList<double> &percentages);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<double> values;
};

#endif // LINECHART_H
