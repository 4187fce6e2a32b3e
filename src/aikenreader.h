#ifndef AIKENREADER_H
#define AIKENREADER_H

#include "questionbank.h"

#include <QCoreApplication>
#include <QString>

// Reads Aiken question banks: the question on its first line (further lines before the
// first option continue it), options "A." or "A)", then "ANSWER: X" naming the one true
// option. Questions are separated by blank lines or simply follow the previous ANSWER:
// line. Aiken has no categories and no feedback: the file's name is the category and
// every true answer gets the placeholder explanation.
class AikenReader
{
    Q_DECLARE_TR_FUNCTIONS(AikenReader)

public:
    static QuestionBank read(const QString &fileName);
    // Whether the text (a file's start) has an "ANSWER:" line.
    static bool recognise(const QString &start);
};

#endif // AIKENREADER_H
