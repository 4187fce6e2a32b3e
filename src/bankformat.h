#ifndef BANKFORMAT_H
#define BANKFORMAT_H

#include "questionbank.h"

#include <QString>

// Tells the format of a question file by its content, never by its name. A file that
// reads as Velmora's CSV is CSV (the caller tries that first); otherwise an XML <quiz>
// root is Moodle XML, an "ANSWER:" line Aiken, and a "{...}" answer block or a ::title::
// GIFT.
class BankFormat
{
public:
    enum Format
    {
        Csv,
        MoodleXml,
        Gift,
        Aiken,
        Unknown
    };

    // The foreign format of the file, by its first bytes; Unknown when none fits.
    static Format recognise(const QString &fileName);
    // Reads the file with the reader of a foreign format.
    static QuestionBank read(const QString &fileName, Format format);
};

#endif // BANKFORMAT_H
