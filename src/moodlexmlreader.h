#ifndef MOODLEXMLREADER_H
#define MOODLEXMLREADER_H

#include "questionbank.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Reads Moodle XML question banks (<quiz> of <question>s). Multiple-choice questions are
// taken: an answer with a fraction above 0 is true, its feedback is the explanation; a
// question's category is the last segment of the nearest category path before it, or
// the three names of that category's <info> when they are multilang spans. Texts are HTML
// unless marked plain_text or markdown.
//
// Untrusted files: read with QXmlStreamReader, which never fetches anything; a document
// type declaration (and with it every entity definition) refuses the file, as do
// malformed XML and nesting deeper than any Moodle file has. One question at a time is
// held in memory besides the questions taken.
class MoodleXmlReader
{
    Q_DECLARE_TR_FUNCTIONS(MoodleXmlReader)

public:
    static constexpr int maximumDepth = 64;

    static QuestionBank read(const QString &fileName);
    // Whether the bytes (a file's start) open an XML document whose root is <quiz>.
    static bool recognise(const QByteArray &start);
};

#endif // MOODLEXMLREADER_H
