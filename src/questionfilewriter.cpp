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
