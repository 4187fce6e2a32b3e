#include "questionfilewriter.h"

#include <QSaveFile>
#include <QStringList>

const QString QuestionFileWriter::lineEnd = QStringLiteral("\r\n");

QString QuestionFileWriter::buildCsvLine(const QList<QString> &fields)
{
    return QStringList(fields).join(QLatin1Char(';'));
}

QString QuestionFileWriter::answerLine(const QList<QString> &texts,
                                       const QList<QString> &explanations, bool isTrue)
{
    if (!isTrue)
        return buildCsvLine(texts) + QStringLiteral(";;;");
    QString line = buildCsvLine(texts);
    if (!explanations.isEmpty())
        line += QLatin1Char(';') + buildCsvLine(explanations);
    return line;
}

namespace {
bool filledAndFitting(const QStringList &texts)
{
    if (texts.size() != 3)
        return false;
    for (const QString &text : texts) {
        if (text.isEmpty() || !QuestionFileReader::fitsInField(text))
            return false;
    }
    return true;
}
} // namespace

bool QuestionFileWriter::writable(const QuestionFileReader::Question &question)
{
    const int answers = QuestionFileReader::answersPerQuestion;
    if (!filledAndFitting(question.category) || !filledAndFitting(question.question) ||
        question.answers.size() != answers || question.explanations.size() != answers ||
        question.answerTrue.size() != answers)
        return false;
    for (int i = 0; i < answers; ++i) {
        if (!filledAndFitting(question.answers.at(i)))
            return false;
        const QStringList &explanations = question.explanations.at(i);
        if (question.answerTrue.at(i) && !filledAndFitting(explanations) &&
            !explanations.join(QString()).isEmpty())
            return false;
    }
    return true;
}

QString QuestionFileWriter::questionLines(const QuestionFileReader::Question &question)
{
    QString lines = buildCsvLine(question.category) + lineEnd;
    lines += buildCsvLine(question.question) + lineEnd;
    for (int i = 0; i < question.answers.size(); ++i)
        lines += answerLine(question.answers.at(i), question.explanations.at(i),
                            question.answerTrue.at(i)) +
                 lineEnd;
    return lines;
}

QString QuestionFileWriter::exportFileName(const QString &chosenName)
{
    if (chosenName.split(QLatin1Char('.')).last() == QLatin1String("csv"))
        return chosenName;
    return chosenName + QStringLiteral(".csv");
}

bool QuestionFileWriter::save(const QString &fileName, const QString &content)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = (content + QLatin1Char('\n')).toUtf8();
    if (file.write(bytes) != bytes.size())
        return false; // QSaveFile discards the partial file
    return file.commit();
}
