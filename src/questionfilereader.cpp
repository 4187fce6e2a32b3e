#include "questionfilereader.h"

#include <QFile>
#include <QTextCodec>

namespace {
const QChar separator = QLatin1Char(';');

struct CountedLine
{
    QString text;
    int lineNumber;
    int fieldCount;
};
} // namespace

QString QuestionFileReader::Finding::message() const
{
    switch (problem) {
    case Problem::NoFile:
        return QStringLiteral("no file chosen");
    case Problem::Unreadable:
        return QStringLiteral("cannot be read");
    case Problem::InvalidEncoding:
        return QStringLiteral("is not valid UTF-8 text");
    case Problem::WrongFieldCount:
        return QStringLiteral("a line must have 3 or 6 fields");
    case Problem::IncompleteQuestion:
        return QStringLiteral("incomplete last question: a question takes 6 lines");
    case Problem::NoQuestion:
        return QStringLiteral("holds no question");
    case Problem::NoTrueAnswer:
        return QStringLiteral("question has no true answer");
    }
    return QString();
}

QStringList QuestionFileReader::splitLine(const QString &line)
{
    return line.split(separator, Qt::SkipEmptyParts);
}

bool QuestionFileReader::decode(const QByteArray &bytes, QString *text)
{
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    // Honours a UTF-8 or UTF-16 byte-order mark and falls back to UTF-8 without one.
    QTextCodec *codec = QTextCodec::codecForUtfText(bytes, utf8);
    QTextCodec::ConverterState state;
    *text = codec->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        return false;
    if (text->startsWith(QChar(QChar::ByteOrderMark)))
        text->remove(0, 1);
    return true;
}

QStringList QuestionFileReader::physicalLines(const QString &text)
{
    QStringList result;
    int start = 0;
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        result << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        result << text.mid(start);
    return result;
}

bool QuestionFileReader::read(const QStringList &fileNames)
{
    countedLines.clear();
    errorList.clear();
    warningList.clear();
    if (fileNames.isEmpty()) {
        errorList << Finding{QString(), 0, Problem::NoFile};
        return false;
    }
    for (const QString &fileName : fileNames)
        readFile(fileName);
    if (errorList.isEmpty() && countedLines.isEmpty()) {
        for (const QString &fileName : fileNames)
            errorList << Finding{fileName, 0, Problem::NoQuestion};
    }
    return errorList.isEmpty();
}

void QuestionFileReader::readFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        errorList << Finding{fileName, 0, Problem::Unreadable};
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        errorList << Finding{fileName, 0, Problem::Unreadable};
        return;
    }
    QString text;
    if (!decode(bytes, &text)) {
        errorList << Finding{fileName, 0, Problem::InvalidEncoding};
        return;
    }

    QList<CountedLine> fileLines;
    const QStringList lines = physicalLines(text);
    for (int i = 0; i < lines.size(); ++i) {
        const int fields = splitLine(lines.at(i)).size();
        if (fields == 0)
            continue;
        if (fields != 3 && fields != 6) {
            errorList << Finding{fileName, i + 1, Problem::WrongFieldCount};
            return;
        }
        fileLines << CountedLine{lines.at(i), i + 1, fields};
    }
    // Every earlier file held whole questions (or was refused), so a file must too.
    const int incomplete = fileLines.size() % linesPerQuestion;
    if (incomplete != 0) {
        errorList << Finding{fileName, fileLines.at(fileLines.size() - incomplete).lineNumber,
                             Problem::IncompleteQuestion};
        return;
    }
    for (int block = 0; block < fileLines.size(); block += linesPerQuestion) {
        bool anyTrue = false;
        for (int answer = 2; answer < linesPerQuestion; ++answer)
            anyTrue = anyTrue || fileLines.at(block + answer).fieldCount == 6;
        if (!anyTrue)
            warningList << Finding{fileName, fileLines.at(block).lineNumber, Problem::NoTrueAnswer};
    }
    for (const CountedLine &line : qAsConst(fileLines))
        countedLines << line.text;
}
