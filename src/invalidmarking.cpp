#include "invalidmarking.h"

#include <QPalette>
#include <QWidget>

void InvalidMarking::mark(QWidget *widget, bool invalid)
{
    QPalette palette;
    if (invalid)
        palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(Qt::red, Qt::SolidPattern));
    widget->setPalette(palette);
}
