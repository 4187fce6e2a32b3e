#include "questionfilereader.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QTextCodec>

namespace {
const QChar separator = QLatin1Char(';');

constexpr qint64 readSize = 1 << 20;

struct CountedLine
{
    QString text;
    int lineNumber;
    int fieldCount;
};

// Splits text arriving in pieces into lines at LF, CR LF or a lone CR; a final
// terminator ends the last line rather than starting an empty one.
class LineSplitter
{
public:
    template <typename Take> void feed(const QString &piece, const Take &take)
    {
        int start = 0;
        const int size = piece.size();
        if (afterCarriageReturn && size > 0) {
            afterCarriageReturn = false;
            if (piece.at(0) == QLatin1Char('\n'))
                start = 1;
        }
        for (int i = start; i < size; ++i) {
            const QChar c = piece.at(i);
            if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
                continue;
            take(lineUpTo(piece, start, i));
            if (c == QLatin1Char('\r')) {
                if (i + 1 == size)
                    afterCarriageReturn = true;
                else if (piece.at(i + 1) == QLatin1Char('\n'))
                    ++i;
            }
            start = i + 1;
        }
        pending += piece.midRef(start);
    }

    template <typename Take> void finish(const Take &take)
    {
        if (!pending.isEmpty())
            take(pending);
        pending.clear();
    }

private:
    // The line from the text kept from earlier pieces and piece[start, end).
    QString lineUpTo(const QString &piece, int start, int end)
    {
        if (pending.isEmpty())
            return piece.mid(start, end - start);
        QString line = pending + piece.midRef(start, end - start);
        pending.clear();
        return line;
    }

    QString pending; // the start of a line whose end has not arrived yet
    bool afterCarriageReturn = false;
};
} // namespace

namespace {
// The reasons in the checker's English; the import screen shows them translated.
const char *reasonText(QuestionFileReader::Problem problem)
{
    using Problem = QuestionFileReader::Problem;
    switch (problem) {
    case Problem::NoFile:
        return QT_TRANSLATE_NOOP("QuestionFileReader", "no file chosen");
    case Problem::Unreadable:
        return QT_TRANSLATE_NOOP("QuestionFileReader", "cannot be read");
    case Problem::InvalidEncoding:
        return QT_TRANSLATE_NOOP("QuestionFileReader", "is not valid UTF-8 text");
    case Problem::WrongFieldCount:
        return QT_TRANSLATE_NOOP("QuestionFileReader", "a line must have 3 or 6 fields");
    case Problem::IncompleteQuestion:
        return QT_TRANSLATE_NOOP("QuestionFileReader",
                                 "incomplete last question: a question takes 6 lines");
    case Problem::NoQuestion:
        return QT_TRANSLATE_NOOP("QuestionFileReader", "holds no question");
    case Problem::NoTrueAnswer:
        return QT_TRANSLATE_NOOP("QuestionFileReader", "question has no true answer");
    }
    return "";
}
} // namespace

QString QuestionFileReader::Finding::message() const
{
    return QString::fromLatin1(reasonText(problem));
}

QString QuestionFileReader::Finding::translatedMessage() const
{
    return QCoreApplication::translate("QuestionFileReader", reasonText(problem));
}

bool QuestionFileReader::fitsInField(const QString &text)
{
    return !text.contains(separator) && !text.contains(QLatin1Char('\n')) &&
           !text.contains(QLatin1Char('\r'));
}

QStringList QuestionFileReader::splitLine(const QString &line)
{
    // A byte-order mark at the start of a field is no text: files joined one after the
    // other bring theirs along, and an invisible mark in front of a name would make it
    // differ from the same name without (and vanish from an exported file).
    const QChar byteOrderMark(QChar::ByteOrderMark);
    QStringList fields;
    for (QString field : line.split(separator)) {
        while (field.startsWith(byteOrderMark))
            field.remove(0, 1);
        if (!field.isEmpty())
            fields << field;
    }
    return fields;
}

QuestionFileReader::Question QuestionFileReader::question(const QStringList &lines, int index)
{
    const int block = index * linesPerQuestion;
    Question question;
    question.category = splitLine(lines.at(block)).mid(0, 3);
    question.question = splitLine(lines.at(block + 1)).mid(0, 3);
    for (int answer = 0; answer < answersPerQuestion; ++answer) {
        const QStringList fields = splitLine(lines.at(block + 2 + answer));
        const bool isTrue = fields.size() == 6;
        question.answers << fields.mid(0, 3);
        question.explanations << (isTrue ? fields.mid(3, 3)
                                         : QStringList{QString(), QString(), QString()});
        question.answerTrue << isTrue;
    }
    return question;
}

QList<QuestionFileReader::Question> QuestionFileReader::questions(const QStringList &lines)
{
    QList<Question> result;
    for (int index = 0; index < lines.size() / linesPerQuestion; ++index)
        result << question(lines, index);
    return result;
}

bool QuestionFileReader::read(const QStringList &fileNames)
{
    countedLines.clear();
    questionTotal = 0;
    stoppedByTake = false;
    errorList.clear();
    warningList.clear();
    if (fileNames.isEmpty()) {
        errorList << Finding{QString(), 0, Problem::NoFile};
        return false;
    }
    for (const QString &fileName : fileNames) {
        readFile(fileName);
        if (stoppedByTake)
            return false;
    }
    if (errorList.isEmpty() && questionTotal == 0) {
        for (const QString &fileName : fileNames)
            errorList << Finding{fileName, 0, Problem::NoQuestion};
    }
    return errorList.isEmpty();
}

void QuestionFileReader::readFile(const QString &fileName)
{
    lastFileHash.clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        errorList << Finding{fileName, 0, Problem::Unreadable};
        return;
    }
    // Decoded and split a piece at a time: the file is never held whole as bytes and as
    // text besides its lines. A byte-order mark (UTF-8 or UTF-16) is honoured.
    QTextCodec *codec =
        QTextCodec::codecForUtfText(file.peek(4), QTextCodec::codecForName("UTF-8"));
    QTextDecoder decoder(codec);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    LineSplitter splitter;
    QList<CountedLine> block; // the question being read
    QStringList kept;         // the file's lines, unless handed on
    QList<Finding> fileWarnings;
    int fileQuestions = 0;
    int lineNumber = 0;
    int wrongLine = 0; // the first line with a wrong field count
    const auto take = [&](QString line) {
        ++lineNumber;
        if (wrongLine > 0 || stoppedByTake)
            return;
        if (lineNumber == 1 && line.startsWith(QChar(QChar::ByteOrderMark)))
            line.remove(0, 1);
        const int fields = splitLine(line).size();
        if (fields == 0)
            return;
        if (fields != 3 && fields != 6) {
            wrongLine = lineNumber;
            return;
        }
        block << CountedLine{line, lineNumber, fields};
        if (block.size() < linesPerQuestion)
            return;
        bool anyTrue = false;
        for (int answer = 2; answer < linesPerQuestion; ++answer)
            anyTrue = anyTrue || block.at(answer).fieldCount == 6;
        if (!anyTrue)
            fileWarnings << Finding{fileName, block.at(0).lineNumber, Problem::NoTrueAnswer};
        QStringList questionLines;
        for (const CountedLine &counted : qAsConst(block))
            questionLines << counted.text;
        block.clear();
        ++fileQuestions;
        if (taker)
            stoppedByTake = !taker(questionLines);
        else
            kept += questionLines;
    };
    while (!file.atEnd() && file.error() == QFileDevice::NoError && !stoppedByTake) {
        const QByteArray bytes = file.read(readSize);
        hash.addData(bytes);
        splitter.feed(decoder.toUnicode(bytes), take);
    }
    if (stoppedByTake)
        return;
    if (file.error() != QFileDevice::NoError) {
        errorList << Finding{fileName, 0, Problem::Unreadable};
        return;
    }
    // A bad byte anywhere refuses the file before any line does.
    if (decoder.hasFailure() || decoder.needsMoreData()) {
        errorList << Finding{fileName, 0, Problem::InvalidEncoding};
        return;
    }
    splitter.finish(take);
    if (stoppedByTake)
        return;
    if (wrongLine > 0) {
        errorList << Finding{fileName, wrongLine, Problem::WrongFieldCount};
        return;
    }
    // Every earlier file held whole questions (or was refused), so a file must too.
    if (!block.isEmpty()) {
        errorList << Finding{fileName, block.at(0).lineNumber, Problem::IncompleteQuestion};
        return;
    }
    warningList += fileWarnings;
    countedLines += kept;
    questionTotal += fileQuestions;
    lastFileHash = hash.result();
}
