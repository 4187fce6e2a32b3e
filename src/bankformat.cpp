#include "bankformat.h"

#include "aikenreader.h"
#include "giftreader.h"
#include "moodlexmlreader.h"

#include <QFile>

namespace {
// How much of a file the recognition looks at.
constexpr qint64 sniffSize = 256 * 1024;
} // namespace

BankFormat::Format BankFormat::recognise(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Unknown;
    const QByteArray start = file.read(sniffSize);
    if (MoodleXmlReader::recognise(start))
        return MoodleXml;
    const QString text = QString::fromUtf8(start);
    if (AikenReader::recognise(text))
        return Aiken;
    if (GiftReader::recognise(text))
        return Gift;
    return Unknown;
}

QuestionBank BankFormat::read(const QString &fileName, Format format)
{
    switch (format) {
    case MoodleXml:
        return MoodleXmlReader::read(fileName);
    case Gift:
        return GiftReader::read(fileName);
    case Aiken:
        return AikenReader::read(fileName);
    case Csv:
    case Unknown:
        break;
    }
    return QuestionBank(fileName);
}
