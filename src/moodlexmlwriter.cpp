#include "moodlexmlwriter.h"

#include "banktext.h"

#include <QBuffer>
#include <QSaveFile>
#include <QXmlStreamWriter>

namespace {
// Plain text for an element that holds no HTML: characters XML cannot carry go.
QString xmlSafe(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if ((u >= 0x20 || u == '\t') && u != 0xFFFE && u != 0xFFFF)
            out += c;
    }
    return out;
}

void writeText(QXmlStreamWriter *xml, const QString &element, const QString &html)
{
    xml->writeStartElement(element);
    xml->writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
    xml->writeStartElement(QStringLiteral("text"));
    if (!html.isEmpty())
        xml->writeCDATA(html);
    xml->writeEndElement();
    xml->writeEndElement();
}

void writeCategory(QXmlStreamWriter *xml, const QStringList &names)
{
    xml->writeStartElement(QStringLiteral("question"));
    xml->writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
    xml->writeStartElement(QStringLiteral("category"));
    xml->writeTextElement(QStringLiteral("text"),
                          QStringLiteral("$course$/Velmora/") +
                              BankText::pathSegment(xmlSafe(names.value(0))));
    xml->writeEndElement();
    writeText(xml, QStringLiteral("info"), BankText::multilang(names));
    xml->writeEndElement();
}

void writeQuestion(QXmlStreamWriter *xml, const QuestionFileReader::Question &question,
                   int trueCount)
{
    const int falseCount = question.answers.size() - trueCount;
    xml->writeStartElement(QStringLiteral("question"));
    xml->writeAttribute(QStringLiteral("type"), QStringLiteral("multichoice"));
    xml->writeStartElement(QStringLiteral("name"));
    // The platform's names are at most 255 characters long.
    xml->writeTextElement(QStringLiteral("text"), xmlSafe(question.question.value(0)).left(250));
    xml->writeEndElement();
    writeText(xml, QStringLiteral("questiontext"), BankText::multilang(question.question));
    writeText(xml, QStringLiteral("generalfeedback"), QString());
    xml->writeTextElement(QStringLiteral("defaultgrade"), QStringLiteral("1"));
    xml->writeTextElement(QStringLiteral("penalty"), QStringLiteral("0.3333333"));
    xml->writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));
    xml->writeTextElement(QStringLiteral("single"),
                          trueCount == 1 ? QStringLiteral("true") : QStringLiteral("false"));
    xml->writeTextElement(QStringLiteral("shuffleanswers"), QStringLiteral("1"));
    xml->writeTextElement(QStringLiteral("answernumbering"), QStringLiteral("abc"));
    for (int n = 0; n < question.answers.size(); ++n) {
        const bool isTrue = question.answerTrue.at(n);
        xml->writeStartElement(QStringLiteral("answer"));
        xml->writeAttribute(QStringLiteral("fraction"),
                            MoodleXmlWriter::fraction(isTrue ? trueCount : falseCount, isTrue));
        xml->writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
        xml->writeStartElement(QStringLiteral("text"));
        xml->writeCDATA(BankText::multilang(question.answers.at(n)));
        xml->writeEndElement();
        writeText(xml, QStringLiteral("feedback"),
                  isTrue ? BankText::multilang(question.explanations.at(n)) : QString());
        xml->writeEndElement();
    }
    xml->writeEndElement();
}
} // namespace

QString MoodleXmlWriter::fraction(int count, bool isTrue)
{
    const QString share = QString::number(100.0 / qMax(1, count), 'f', 5);
    // 100.00000 -> 100, 33.33333 stays
    QString trimmed = share;
    while (trimmed.endsWith(QLatin1Char('0')))
        trimmed.chop(1);
    if (trimmed.endsWith(QLatin1Char('.')))
        trimmed.chop(1);
    return isTrue ? trimmed : QLatin1Char('-') + trimmed;
}

QByteArray MoodleXmlWriter::document(const QList<QuestionFileReader::Question> &questions,
                                     QList<int> *leftOut)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("quiz"));
    QStringList category;
    bool first = true;
    for (int q = 0; q < questions.size(); ++q) {
        const QuestionFileReader::Question &question = questions.at(q);
        const int trueCount = int(question.answerTrue.count(true));
        if (trueCount == 0) {
            leftOut->append(q);
            continue;
        }
        if (first || question.category != category) {
            writeCategory(&xml, question.category);
            category = question.category;
            first = false;
        }
        writeQuestion(&xml, question, trueCount);
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

bool MoodleXmlWriter::save(const QString &fileName, const QByteArray &document)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(document) != document.size())
        return false; // QSaveFile discards the partial file
    return file.commit();
}

QString MoodleXmlWriter::exportFileName(const QString &chosenName)
{
    if (chosenName.split(QLatin1Char('.')).last() == QLatin1String("xml"))
        return chosenName;
    return chosenName + QStringLiteral(".xml");
}
