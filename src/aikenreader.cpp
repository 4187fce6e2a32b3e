#include "aikenreader.h"

#include <QRegularExpression>

namespace {
const QRegularExpression &answerLine()
{
    static const QRegularExpression answer(QStringLiteral("^ANSWER\\s*:\\s*(.*)$"));
    return answer;
}

class Reader
{
public:
    explicit Reader(QuestionBank *bank) : bank(bank) {}

    void line(const QString &text, int lineNumber)
    {
        static const QRegularExpression option(QStringLiteral("^([A-Z])[.)]\\s*(\\S.*)$"));
        const QString trimmed = text.trimmed();
        if (trimmed.isEmpty()) {
            if (!question.isEmpty())
                bank->leaveOut(firstLine, AikenReader::tr("no ANSWER: line"));
            reset();
            return;
        }
        if (question.isEmpty() && answerLine().match(trimmed).hasMatch()) {
            bank->leaveOut(lineNumber, AikenReader::tr("an ANSWER: line without a question"));
            return;
        }
        if (question.isEmpty()) {
            firstLine = lineNumber;
            question << trimmed;
            return;
        }
        const QRegularExpressionMatch answer = answerLine().match(trimmed);
        if (answer.hasMatch()) {
            finish(answer.captured(1).trimmed());
            return;
        }
        const QRegularExpressionMatch found = option.match(trimmed);
        if (found.hasMatch()) {
            letters << found.captured(1).at(0);
            options << found.captured(2).trimmed();
        } else if (options.isEmpty()) {
            question << trimmed;
        } else if (problem.isEmpty()) {
            problem = AikenReader::tr("line %1 is neither an option nor ANSWER:").arg(lineNumber);
        }
    }

    void end()
    {
        if (!question.isEmpty())
            bank->leaveOut(firstLine, AikenReader::tr("no ANSWER: line"));
    }

private:
    void finish(const QString &letter)
    {
        const int chosen = letter.size() == 1 ? letters.indexOf(letter.at(0).toUpper()) : -1;
        if (!problem.isEmpty()) {
            bank->leaveOut(firstLine, problem);
        } else if (chosen < 0) {
            bank->leaveOut(firstLine, AikenReader::tr("ANSWER: %1 names no option").arg(letter));
        } else {
            QuestionBank::Draft draft;
            draft.line = firstLine;
            draft.question = {question.join(QLatin1Char('\n')), false};
            for (int n = 0; n < options.size(); ++n) {
                QuestionBank::DraftAnswer answer;
                answer.text = {options.at(n), false};
                answer.isTrue = n == chosen;
                draft.answers << answer;
            }
            bank->take(draft);
        }
        reset();
    }

    void reset()
    {
        question.clear();
        options.clear();
        letters.clear();
        problem.clear();
    }

    QuestionBank *bank;
    QStringList question;
    QStringList options;
    QList<QChar> letters;
    QString problem;
    int firstLine = 0;
};
} // namespace

bool AikenReader::recognise(const QString &start)
{
    static const QRegularExpression answer(QStringLiteral("^\\s*ANSWER\\s*:\\s*[A-Za-z]\\s*$"),
                                           QRegularExpression::MultilineOption);
    return answer.match(start).hasMatch();
}

QuestionBank AikenReader::read(const QString &fileName)
{
    QuestionBank bank(fileName);
    QString text = bank.readText();
    if (bank.refused())
        return bank;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Reader reader(&bank);
    int lineNumber = 0;
    for (const QStringRef &line : text.splitRef(QLatin1Char('\n')))
        reader.line(line.toString(), ++lineNumber);
    reader.end();
    return bank;
}
