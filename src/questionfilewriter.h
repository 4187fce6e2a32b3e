#ifndef QUESTIONFILEWRITER_H
#define QUESTIONFILEWRITER_H

#include "questionfilereader.h"

#include <QList>
#include <QString>

// Writes the CSV question format that QuestionFileReader reads: fields joined by ";",
// lines ended by CR LF, UTF-8 without byte-order mark, one more LF at the very end.
class QuestionFileWriter
{
public:
    static const QString lineEnd;

    // The fields with ";" between neighbours; an empty list gives an empty text.
    static QString buildCsvLine(const QList<QString> &fields);
    // An answer line: a true answer carries its explanations (six fields); a false one is
    // its texts followed by three empty fields, whatever explanation may be stored with
    // it, so that it reads back as false.
    static QString answerLine(const QList<QString> &texts, const QList<QString> &explanations,
                              bool isTrue);
    // Whether the question can be written so that the import reads it back unchanged:
    // three filled texts everywhere that fit in a field, four answers, and the
    // explanations of a true answer all filled (or all empty) and fitting.
    static bool writable(const QuestionFileReader::Question &question);
    // The question's lines, each ended by lineEnd.
    static QString questionLines(const QuestionFileReader::Question &question);
    // The name an export is written to: ".csv" is appended unless the last
    // dot-separated part is exactly "csv".
    static QString exportFileName(const QString &chosenName);
    // Replaces fileName with content plus a final LF only once everything is written, so
    // a failed write never destroys an earlier file. False when writing failed.
    static bool save(const QString &fileName, const QString &content);
};

#endif // QUESTIONFILEWRITER_H
