#include "evaluationformatter.h"

QString EvaluationFormatter::noValue()
{
    // A dash reads as "no value" in every interface language, so it needs no translation.
    return QString(QChar(0x2013));
}

QString EvaluationFormatter::correct(int trueAnswered, int questions)
{
    return QString::number(trueAnswered) + QStringLiteral(" / ") + QString::number(questions);
}

QString EvaluationFormatter::correctPercent(int trueAnswered, int questions)
{
    if (questions == 0)
        return noValue();
    const double percent = double(trueAnswered) / double(questions) * 100.0;
    return QString::number(percent, 'g', 6) + QStringLiteral(" %");
}

QString EvaluationFormatter::seconds(int seconds)
{
    return QString::number(seconds) + QStringLiteral(" s");
}

QString EvaluationFormatter::averageSeconds(int totalSeconds, int questions)
{
    if (questions == 0)
        return noValue();
    return seconds(totalSeconds / questions);
}

QString EvaluationFormatter::categoryList(const QList<QString> &names)
{
    QString text;
    for (const QString &name : names)
        text += name + QStringLiteral("; ");
    return text;
}
