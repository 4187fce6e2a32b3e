#include "clickablelabel.h"

ClickableLabel::ClickableLabel(QWidget *parent) : QLabel(parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    // The press is the whole gesture: no text selection or link handling from QLabel.
    Q_UNUSED(event)
    emit clicked();
}
