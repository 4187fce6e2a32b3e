#ifndef EVALUATIONFORMATTER_H
#define EVALUATIONFORMATTER_H

#include <QList>
#include <QString>

// The texts of the quiz evaluation, kept apart from the screen so the arithmetic can be
// checked without widgets. Numbers carry fixed, untranslated separators.
class EvaluationFormatter
{
public:
    // Shown where a value does not exist (no question was asked).
    static QString noValue();

    static QString correct(int trueAnswered, int questions);
    static QString correctPercent(int trueAnswered, int questions);
    static QString seconds(int seconds);
    static QString averageSeconds(int totalSeconds, int questions);
    // Every name followed by "; ", the last one included.
    static QString categoryList(const QList<QString> &names);
};

#endif // EVALUATIONFORMATTER_H
