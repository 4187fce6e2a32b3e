#include "bankreader.h"

#include "questionfilereader.h"
#include "questionfilewriter.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

namespace {
// Whether the file's first counted line, read from its first megabyte, already rules out
// the CSV format (a field count other than 3 or 6), so that a large foreign file is not
// read whole once more as CSV. Decodes as the CSV reader does.
bool surelyNotCsv(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QTextCodec *codec =
        QTextCodec::codecForUtfText(file.peek(4), QTextCodec::codecForName("UTF-8"));
    QTextDecoder decoder(codec);
    QString text = decoder.toUnicode(file.read(1 << 20));
    if (text.startsWith(QChar(QChar::ByteOrderMark)))
        text.remove(0, 1);
    int start = 0;
    while (true) {
        int end = start;
        while (end < text.size() && text.at(end) != QLatin1Char('\n') &&
               text.at(end) != QLatin1Char('\r'))
            ++end;
        if (end == text.size())
            return false; // the line goes on beyond what was read
        const int fields = QuestionFileReader::splitLine(text.mid(start, end - start)).size();
        if (fields > 0)
            return fields != 3 && fields != 6;
        start = end + 1;
    }
}

BankReader::Note note(const QuestionFileReader::Finding &finding)
{
    return {finding.fileName, finding.line, finding.translatedMessage()};
}

QByteArray hashOfFile(const QString &fileName)
{
    QFile file(fileName);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result();
}
} // namespace

bool BankReader::handOn(const QuestionBank &bank, const Take &take, QStringList *lines)
{
    for (const auto &question : bank.questions) {
        QStringList questionLines{QuestionFileWriter::buildCsvLine(question.category),
                                  QuestionFileWriter::buildCsvLine(question.question)};
        for (int n = 0; n < question.answers.size(); ++n)
            questionLines << QuestionFileWriter::answerLine(
                question.answers.at(n), question.explanations.at(n), question.answerTrue.at(n));
        if (!take)
            *lines += questionLines;
        else if (!take(questionLines))
            return false;
    }
    return true;
}

bool BankReader::read(const QStringList &fileNames)
{
    return readFiles(fileNames, {}, {});
}

bool BankReader::read(const QStringList &fileNames, const Take &take,
                      const std::function<void(int)> &keepFirst)
{
    return readFiles(fileNames, take, keepFirst);
}

bool BankReader::readAgain(const Take &take)
{
    changed.clear();
    for (const Source &source : qAsConst(sources)) {
        const QFileInfo info(source.fileName);
        // The size tells most changes at once; the bytes tell the rest (a file written anew
        // with the same contents is still what was read).
        if (!info.isFile() || info.size() != source.size) {
            changed = source.fileName;
            return false;
        }
        if (source.format == BankFormat::Csv) {
            QuestionFileReader csv;
            csv.handTo(take);
            const bool read = csv.read({source.fileName});
            if (csv.stopped())
                return false;
            if (!read || csv.fileHash() != source.hash) {
                changed = source.fileName;
                return false;
            }
            continue;
        }
        if (hashOfFile(source.fileName) != source.hash) {
            changed = source.fileName;
            return false;
        }
        const QuestionBank bank = BankFormat::read(source.fileName, source.format);
        if (bank.refused()) {
            changed = source.fileName;
            return false;
        }
        if (!handOn(bank, take, nullptr))
            return false;
    }
    return true;
}

bool BankReader::readFiles(const QStringList &fileNames, const Take &take,
                           const std::function<void(int)> &keepFirst)
{
    *this = BankReader();
    if (fileNames.isEmpty()) {
        errorList << note(QuestionFileReader::Finding{});
        return false;
    }
    QStringList foreignWithoutQuestions;
    for (const QString &fileName : fileNames) {
        const QFileInfo info(fileName);
        const qint64 size = info.size();
        const int before = questions;
        QuestionFileReader csv;
        if (take) {
            csv.handTo([&](const QStringList &questionLines) {
                ++questions;
                return take(questionLines);
            });
        }
        const bool notCsv = surelyNotCsv(fileName);
        if (!notCsv && csv.read({fileName})) {
            fileFormats << BankFormat::Csv;
            sources << Source{fileName, BankFormat::Csv, size, csv.fileHash()};
            if (!take) {
                questionLines += csv.lines();
                questions += csv.questionCount();
            }
            for (const auto &finding : csv.warnings())
                warningList << note(finding);
            continue;
        }
        // What the file handed as CSV is not taken.
        if (questions > before) {
            questions = before;
            if (keepFirst)
                keepFirst(before);
        }
        const BankFormat::Format format = BankFormat::recognise(fileName);
        fileFormats << format;
        if (format == BankFormat::Unknown) {
            QuestionFileReader errors;
            if (notCsv)
                errors.read({fileName});
            for (const auto &finding : (notCsv ? errors : csv).errors())
                errorList << note(finding);
            continue;
        }
        // Taken before the read: a file changed meanwhile is refused when read again.
        const QByteArray hash = take ? hashOfFile(fileName) : QByteArray();
        const QuestionBank bank = BankFormat::read(fileName, format);
        if (bank.refused()) {
            errorList << bank.refusal;
            continue;
        }
        sources << Source{fileName, format, size, hash};
        handOn(bank, take, &questionLines);
        questions += bank.questions.size();
        if (bank.questions.isEmpty())
            foreignWithoutQuestions << fileName;
        leftOutList += bank.leftOut;
        warningList += bank.warnings;
        oneLanguage += bank.oneLanguage;
        replaced += bank.replaced;
        placeholder += bank.placeholder;
        imagesLeftOut += bank.imagesLeftOut;
    }
    if (errorList.isEmpty() && questions == 0) {
        for (const QString &fileName : qAsConst(foreignWithoutQuestions))
            errorList << Note{fileName, 0, tr("holds no question that can be imported")};
    }
    return errorList.isEmpty();
}

int BankReader::questionCount() const
{
    return questions;
}

bool BankReader::anyForeign() const
{
    for (BankFormat::Format format : fileFormats) {
        if (format != BankFormat::Csv && format != BankFormat::Unknown)
            return true;
    }
    return false;
}

QString BankReader::counts() const
{
    QStringList parts;
    if (!leftOutList.isEmpty())
        parts << tr("%n question(s) left out", nullptr, leftOutList.size());
    if (oneLanguage > 0)
        parts << tr("%n question(s) in one language only", nullptr, oneLanguage);
    if (replaced > 0)
        parts << tr("%n question(s) with \";\" or line breaks replaced", nullptr, replaced);
    if (placeholder > 0)
        parts << tr("%n question(s) explained by \"%1\"", nullptr, placeholder)
                     .arg(QuestionBank::tr("(no explanation given)"));
    if (imagesLeftOut > 0)
        parts << tr("%n image(s) left out", nullptr, imagesLeftOut);
    return parts.join(QStringLiteral("; "));
}

QString BankReader::where(const Note &note)
{
    QString place = note.fileName;
    if (note.line > 0)
        place += QLatin1Char(':') + QString::number(note.line);
    return place;
}
