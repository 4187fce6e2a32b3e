// libFuzzer target: arbitrary bytes as a question file of any format.
//
// The command-line checker, its import and the import screen share BankReader (which
// takes Velmora's CSV whole and Moodle XML, GIFT and Aiken banks in part); this checks
// that what the checker accepts is exactly what the import can store whole: every
// question taken, complete, with filled texts that hold no separator or line break (what
// the export can write); that the CSV export of them imports unchanged; and that their
// Moodle XML export (every question with a true answer) imports unchanged too.

#include "bankreader.h"
#include "moodlexmlwriter.h"
#include "questionfilereader.h"
#include "questionfilewriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {
void require(bool condition, const char *what)
{
    if (!condition) {
        fprintf(stderr, "property violated: %s\n", what);
        abort();
    }
}

QString scratchFile(const char *name)
{
    static QTemporaryDir dir;
    return dir.filePath(QLatin1String(name));
}

bool readBytes(const QString &fileName, const QByteArray &bytes, BankReader *reader)
{
    QFile file(fileName);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(bytes) == bytes.size(),
            "scratch file written");
    file.close();
    return reader->read({fileName});
}

bool same(const QuestionFileReader::Question &a, const QuestionFileReader::Question &b)
{
    return a.category == b.category && a.question == b.question && a.answers == b.answers &&
           a.explanations == b.explanations && a.answerTrue == b.answerTrue;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    BankReader checker;
    const bool accepted = readBytes(scratchFile("input.csv"), bytes, &checker);
    const auto questions = QuestionFileReader::questions(checker.lines());
    if (!accepted) {
        require(!checker.errors().isEmpty(), "a refused file names its problem");
        return 0;
    }
    require(checker.errors().isEmpty(), "an accepted file has no error");
    require(!questions.isEmpty() && questions.size() == checker.questionCount(),
            "the import gets every question taken");
    QString exported;
    for (const auto &question : questions) {
        // The import marks an answer true by its German explanation.
        for (int answer = 0; answer < question.answers.size(); ++answer)
            require(question.answerTrue.at(answer) ==
                        !question.explanations.at(answer).value(0).isEmpty(),
                    "truth follows the explanation");
        require(QuestionFileWriter::writable(question), "the export can write what was imported");
        exported += QuestionFileWriter::questionLines(question);
    }

    BankReader reimport;
    require(
        readBytes(scratchFile("export.csv"), (exported + QLatin1Char('\n')).toUtf8(), &reimport),
        "the export of an importable file imports");
    require(reimport.formats() == QList<BankFormat::Format>{BankFormat::Csv},
            "the export is read as CSV");
    const auto again = QuestionFileReader::questions(reimport.lines());
    require(again.size() == questions.size(), "the export keeps every question");
    for (int i = 0; i < again.size(); ++i)
        require(same(again.at(i), questions.at(i)), "the export keeps every text");

    QList<int> leftOut;
    const QByteArray document = MoodleXmlWriter::document(questions, &leftOut);
    for (int index : leftOut)
        require(!questions.at(index).answerTrue.contains(true),
                "only a question without a true answer is left out of Moodle XML");
    if (leftOut.size() == questions.size())
        return 0;
    BankReader moodle;
    require(readBytes(scratchFile("export.xml"), document, &moodle),
            "the Moodle XML export imports");
    require(moodle.leftOut().isEmpty() && moodle.oneLanguage + moodle.replaced +
                                                  moodle.placeholder + moodle.imagesLeftOut ==
                                              0,
            "the Moodle XML export is taken whole, as written");
    const auto fromMoodle = QuestionFileReader::questions(moodle.lines());
    require(fromMoodle.size() == questions.size() - leftOut.size(),
            "the Moodle XML export keeps every question with a true answer");
    for (int i = 0, j = 0; i < questions.size(); ++i) {
        if (leftOut.contains(i))
            continue;
        require(same(fromMoodle.at(j++), questions.at(i)), "the Moodle XML export keeps every text");
    }
    return 0;
}
