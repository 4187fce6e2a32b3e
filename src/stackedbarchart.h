#ifndef STACKEDBARCHART_H
#define STACKEDBARCHART_H

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

// One horizontal bar per row, its parts side by side in the colours of a key drawn above.
// Bars are drawn to one scale, the largest total across the whole width; whatever of a
// total no part covers stays empty.
class StackedBarChart : public QWidget
{
    Q_OBJECT

public:
    struct Bar
    {
        QString label;
        int total = 0;
        QList<int> parts;
    };

    explicit StackedBarChart(QWidget *parent = nullptr);

    // Names and colours of the parts, in the order of every bar's parts.
    void setKey(const QList<QString> &names, const QList<QColor> &colors);
    void setBars(const QList<Bar> &bars);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int rowHeight() const;
    int keyWidth() const;
    int labelWidth() const;

    QList<QString> names;
    QList<QColor> colors;
    QList<Bar> bars;
};

#endif // STACKEDBARCHART_H
