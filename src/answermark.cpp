#include "answermark.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace {
// U+2713 CHECK MARK and U+2717 BALLOT X; DejaVu Sans, the usual fallback, draws both.
const QChar tick(0x2713);
const QChar cross(0x2717);

QFont boldFont(const QWidget *widget)
{
    QFont font = widget->font();
    font.setBold(true);
    return font;
}
} // namespace

QString AnswerMark::sign(bool right)
{
    return right ? QString(tick) : QString(cross);
}

void AnswerMark::setColour(QWidget *widget, bool right)
{
    QPalette palette = widget->palette();
    const QBrush brush(right ? Qt::darkGreen : Qt::red, Qt::SolidPattern);
    palette.setBrush(QPalette::All, QPalette::WindowText, brush);
    palette.setBrush(QPalette::All, QPalette::Text, brush);
    widget->setPalette(palette);
}

QString AnswerMark::rowDescription(bool isTrue, bool chosen)
{
    if (isTrue)
        return chosen ? tr("True answer, chosen") : tr("True answer, not chosen");
    return chosen ? tr("False answer, chosen") : tr("False answer, not chosen");
}

void AnswerMark::markRow(QLabel *mark, bool isTrue, bool chosen)
{
    mark->setFont(boldFont(mark));
    mark->setText(sign(isTrue));
    setColour(mark, isTrue);
    const QString description = rowDescription(isTrue, chosen);
    mark->setAccessibleName(description);
    mark->setToolTip(description);
}

int AnswerMark::signWidth(const QLabel *mark)
{
    const QFontMetrics metrics(boldFont(mark));
    return qMax(metrics.horizontalAdvance(tick), metrics.horizontalAdvance(cross));
}
