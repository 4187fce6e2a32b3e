#ifndef ANSWERMARK_H
#define ANSWERMARK_H

#include <QCoreApplication>
#include <QString>

class QLabel;
class QWidget;

// The signs that say, beside the colour, how an answer or a question was judged: a tick
// for true or right, a cross for false or wrong, and words for those who cannot see either.
class AnswerMark
{
    Q_DECLARE_TR_FUNCTIONS(AnswerMark)

public:
    static QString sign(bool right);
    // Dark green or red for the text of the widget, in every colour group, so a disabled
    // widget keeps it.
    static void setColour(QWidget *widget, bool right);
    // "True answer, chosen" and so on.
    static QString rowDescription(bool isTrue, bool chosen);
    // The row's sign in its colour, its description as accessible name and tooltip.
    static void markRow(QLabel *mark, bool isTrue, bool chosen);
    // Wide enough for either sign, so a row does not shift when it gets its mark.
    static int signWidth(const QLabel *mark);
};

#endif // ANSWERMARK_H
