#ifndef QUESTIONFILEREADER_H
#define QUESTIONFILEREADER_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Reads CSV question files: ";" separates fields, there is no quoting, empty fields are
// dropped, lines without any field are ignored, every other line must give 3 or 6
// fields, and the counted lines form blocks of six per question (category, question,
// four answers; an answer line with six fields is a true answer with its explanations).
//
// Files are UTF-8 (a byte-order mark is honoured, also a UTF-16 one); LF, CR LF and a
// lone CR all end a line. The same reader serves the import screen and the command-line
// checker, so both accept exactly the same files.
class QuestionFileReader
{
public:
    enum class Problem
    {
        NoFile,             // nothing chosen
        Unreadable,         // cannot be opened or read
        InvalidEncoding,    // not valid UTF-8 (or UTF-16 after its byte-order mark)
        WrongFieldCount,    // a counted line with other than 3 or 6 fields
        IncompleteQuestion, // the counted lines are not a multiple of six
        NoQuestion,         // nothing to import at all
        NoTrueAnswer,       // warning only: a question none of whose answers is true
    };

    struct Finding
    {
        QString fileName;
        int line = 0; // 1-based physical line in the file; 0 when about the whole file
        Problem problem = Problem::NoFile;
        // The reason in English, as the command-line checker prints it.
        QString message() const;
        // The same reason in the interface language, for the import screen.
        QString translatedMessage() const;
    };

    static constexpr int linesPerQuestion = 6;
    static constexpr int answersPerQuestion = 4;

    // One question as the import stores it; every list holds German, English, Estonian.
    struct Question
    {
        QStringList category;
        QStringList question;
        QList<QStringList> answers;      // one per answer
        QList<QStringList> explanations; // one per answer; empty texts for a false answer
        QList<bool> answerTrue;          // a line with six fields is a true answer
    };

    // Reads the files in order. True when every file is acceptable and together they hold
    // at least one question; then lines() holds every counted line, in reading order.
    // Reading goes on after a refused file (its lines are left out), so that every problem
    // is reported, but the result stays false.
    bool read(const QStringList &fileNames);

    // Receives one question's six counted lines; false stops the reading.
    using Take = std::function<bool(const QStringList &questionLines)>;
    // From now on every question is handed to take as soon as its lines are read instead of
    // being kept in lines(), so that a large file is never held whole. A file refused later
    // (a wrong line further down) has handed its first questions all the same.
    void handTo(const Take &take) { taker = take; }
    // Whether take stopped the last read.
    bool stopped() const { return stoppedByTake; }
    // SHA-1 of the bytes of the last file read.
    const QByteArray &fileHash() const { return lastFileHash; }

    const QStringList &lines() const { return countedLines; }
    int questionCount() const { return questionTotal; }
    const QList<Finding> &errors() const { return errorList; }
    const QList<Finding> &warnings() const { return warningList; }

    // Question `index` of accepted lines (see lines()), as the import stores it.
    static Question question(const QStringList &lines, int index);
    // Every question of accepted lines.
    static QList<Question> questions(const QStringList &lines);

    // Whether a text can stand in a field and read back unchanged: it holds neither the
    // separator ";" nor a line break.
    static bool fitsInField(const QString &text);
    // Splits a line at ";", strips byte-order marks from the start of each field and drops
    // the fields left empty.
    static QStringList splitLine(const QString &line);

private:
    void readFile(const QString &fileName);

    QStringList countedLines;
    int questionTotal = 0;
    Take taker;
    bool stoppedByTake = false;
    QByteArray lastFileHash;
    QList<Finding> errorList;
    QList<Finding> warningList;
};

#endif // QUESTIONFILEREADER_H
