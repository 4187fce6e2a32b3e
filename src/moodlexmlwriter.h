#ifndef MOODLEXMLWRITER_H
#define MOODLEXMLWRITER_H

#include "questionfilereader.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Writes questions as a Moodle XML bank that MoodleXmlReader reads back unchanged: a
// category question ($course$/Velmora/<German name>, the three names as multilang spans
// in its <info>) before each run of questions of one category; every question a
// multichoice with its three languages as multilang spans, true answers sharing the
// fraction 100 and false ones -100 (100, 50, 33.33333, 25), the explanations as the true
// answers' feedback. A question without a true answer cannot be written so.
class MoodleXmlWriter
{
public:
    // The document; the indexes of the questions left out (no true answer) go to leftOut.
    static QByteArray document(const QList<QuestionFileReader::Question> &questions,
                               QList<int> *leftOut);
    // A share of 100 for one of count answers, as the platform's list writes it.
    static QString fraction(int count, bool isTrue);
    // Replaces fileName with the document only once it is written whole.
    static bool save(const QString &fileName, const QByteArray &document);
    // The name an export is written to: ".xml" is appended unless the last dot-separated
    // part is "xml".
    static QString exportFileName(const QString &chosenName);
};

#endif // MOODLEXMLWRITER_H
