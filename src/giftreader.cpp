#include "giftreader.h"

#include "banktext.h"

#include <QRegularExpression>

namespace {
// The first place of needle at or after from that no backslash escapes; -1 if none.
int findUnescaped(const QString &text, QLatin1String needle, int from = 0)
{
    for (int i = from; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\\'))
            ++i;
        else if (text.midRef(i, needle.size()) == needle)
            return i;
    }
    return -1;
}

QString unescaped(const QString &text)
{
    static const QString escapable = QStringLiteral("~=#{}:\\");
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text.at(i + 1);
            if (escapable.contains(next)) {
                out += next;
                ++i;
                continue;
            }
            if (next == QLatin1Char('n')) {
                out += QLatin1Char('\n');
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// The text without its [html], [plain], [markdown] or [moodle] prefix, trimmed; *html
// becomes true with [html] and false with another prefix.
QString withoutFormat(const QString &text, bool *html)
{
    static const QRegularExpression format(QStringLiteral("^\\s*\\[(html|plain|markdown|moodle)\\]"));
    const QRegularExpressionMatch prefix = format.match(text);
    if (!prefix.hasMatch())
        return text.trimmed();
    *html = prefix.captured(1) == QLatin1String("html");
    return text.mid(prefix.capturedLength()).trimmed();
}

struct Block
{
    QStringList lines;
    int firstLine = 0;
};

class Reader
{
public:
    explicit Reader(QuestionBank *bank) : bank(bank) {}

    // False when the block refuses the whole file.
    bool block(Block block)
    {
        const QString first = block.lines.first().trimmed();
        if (first.startsWith(QLatin1String("$CATEGORY:"))) {
            bool several = false;
            QStringList images;
            const QString segment = BankText::lastSegment(first.mid(10).trimmed());
            category = segment.isEmpty()
                           ? QStringList()
                           : BankText::languages(segment, false, &several, &images);
            block.lines.removeFirst();
            ++block.firstLine;
            if (block.lines.isEmpty())
                return true;
        }
        return question(block.lines.join(QLatin1Char('\n')), block.firstLine);
    }

private:
    bool question(const QString &text, int line)
    {
        int start = 0;
        while (start < text.size() && text.at(start).isSpace())
            ++start;
        if (text.midRef(start, 2) == QLatin1String("::")) {
            const int titleEnd = findUnescaped(text, QLatin1String("::"), start + 2);
            if (titleEnd >= 0)
                start = titleEnd + 2;
        }
        const int open = findUnescaped(text, QLatin1String("{"), start);
        if (open < 0) {
            bank->leaveOut(line, GiftReader::tr("a description, not a question: no answers in {}"));
            return true;
        }
        const int close = findUnescaped(text, QLatin1String("}"), open + 1);
        if (close < 0) {
            bank->refuse(GiftReader::tr("\"{\" is not closed"), line + text.leftRef(open).count(QLatin1Char('\n')));
            return false;
        }
        bool html = false;
        const QString before = withoutFormat(text.mid(start, open - start), &html);
        QStringList questionParts{unescaped(before).trimmed()};
        const QString after = unescaped(text.mid(close + 1)).trimmed();
        if (!after.isEmpty())
            questionParts << QStringLiteral("_____") << after;
        questionParts.removeAll(QString());

        QString body = text.mid(open + 1, close - open - 1).trimmed();
        const QString reason = notMultipleChoice(body);
        if (!reason.isEmpty()) {
            bank->leaveOut(line, reason);
            return true;
        }
        QuestionBank::Draft draft;
        draft.line = line;
        draft.category = category;
        draft.question = {questionParts.join(QLatin1Char(' ')), html};
        const int general = findUnescaped(body, QLatin1String("####"));
        if (general >= 0) {
            bool generalHtml = html;
            const QString feedback = withoutFormat(body.mid(general + 4), &generalHtml);
            draft.generalFeedback = {unescaped(feedback), generalHtml};
            body.truncate(general);
        }
        // The answers, each from its "=" or "~" to the next.
        QList<int> marks;
        bool anyFalse = false;
        for (int i = 0; i < body.size(); ++i) {
            const QChar c = body.at(i);
            if (c == QLatin1Char('\\')) {
                ++i;
            } else if (c == QLatin1Char('=') || c == QLatin1Char('~')) {
                marks << i;
                anyFalse = anyFalse || c == QLatin1Char('~');
            }
        }
        if (!anyFalse) {
            bank->leaveOut(line, GiftReader::tr("a short-answer question, not multiple choice"));
            return true;
        }
        for (int m = 0; m < marks.size(); ++m) {
            const int end = m + 1 < marks.size() ? marks.at(m + 1) : body.size();
            draft.answers << answer(body.mid(marks.at(m), end - marks.at(m)), html);
        }
        bank->take(draft);
        return true;
    }

    // Why an answer block is no multiple-choice block; empty when it is one.
    static QString notMultipleChoice(const QString &body)
    {
        static const QRegularExpression trueFalse(QStringLiteral("^(T|F|TRUE|FALSE)\\s*(#|$)"));
        if (body.isEmpty())
            return GiftReader::tr("an essay question, not multiple choice");
        if (body.startsWith(QLatin1Char('#')))
            return GiftReader::tr("a numeric question, not multiple choice");
        if (trueFalse.match(body).hasMatch())
            return GiftReader::tr("a true/false question, not multiple choice");
        if (findUnescaped(body, QLatin1String("->")) >= 0)
            return GiftReader::tr("a matching question, not multiple choice");
        return QString();
    }

    static QuestionBank::DraftAnswer answer(const QString &token, bool html)
    {
        QuestionBank::DraftAnswer answer;
        QString text = token.mid(1);
        bool weighted = false;
        double weight = 0;
        if (text.startsWith(QLatin1Char('%'))) {
            const int end = text.indexOf(QLatin1Char('%'), 1);
            if (end > 0) {
                weight = text.midRef(1, end - 1).toDouble(&weighted);
                text = text.mid(end + 1);
            }
        }
        const int feedback = findUnescaped(text, QLatin1String("#"));
        if (feedback >= 0) {
            bool feedbackHtml = html;
            const QString feedbackText = withoutFormat(text.mid(feedback + 1), &feedbackHtml);
            answer.feedback = {unescaped(feedbackText).trimmed(), feedbackHtml};
            text.truncate(feedback);
        }
        bool textHtml = html;
        text = withoutFormat(text, &textHtml);
        answer.text = {unescaped(text).trimmed(), textHtml};
        answer.isTrue = weighted ? weight > 0 : token.at(0) == QLatin1Char('=');
        return answer;
    }

    QuestionBank *bank;
    QStringList category;
};
} // namespace

bool GiftReader::recognise(const QString &start)
{
    static const QRegularExpression title(QStringLiteral("^\\s*::"),
                                          QRegularExpression::MultilineOption);
    return findUnescaped(start, QLatin1String("{")) >= 0 || title.match(start).hasMatch();
}

QuestionBank GiftReader::read(const QString &fileName)
{
    QuestionBank bank(fileName);
    QString text = bank.readText();
    if (bank.refused())
        return bank;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Reader reader(&bank);
    Block current;
    int lineNumber = 0;
    for (const QStringRef &line : text.splitRef(QLatin1Char('\n'))) {
        ++lineNumber;
        const QStringRef trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("//")))
            continue;
        if (trimmed.isEmpty()) {
            if (!current.lines.isEmpty() && !reader.block(current))
                return bank;
            current = Block();
            continue;
        }
        if (current.lines.isEmpty())
            current.firstLine = lineNumber;
        current.lines << line.toString();
    }
    if (!current.lines.isEmpty())
        reader.block(current);
    return bank;
}
