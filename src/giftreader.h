#ifndef GIFTREADER_H
#define GIFTREADER_H

#include "questionbank.h"

#include <QCoreApplication>
#include <QString>

// Reads GIFT question banks: questions separated by blank lines, "//" comment lines,
// "$CATEGORY:" lines (the path's last segment is the category), an optional ::title::, a
// [html], [plain], [markdown] or [moodle] prefix, and the answer block in braces: "=" true,
// "~" false, "~%50%" weighted (a weight above 0 is true), "#" feedback, "####" the
// question's general feedback. Text after the block continues the question, the block
// shown as a blank "_____". True/false, numeric, matching, short-answer and essay
// questions are left out; an unclosed "{" refuses the file.
class GiftReader
{
    Q_DECLARE_TR_FUNCTIONS(GiftReader)

public:
    static QuestionBank read(const QString &fileName);
    // Whether the text (a file's start) has an answer block or a ::title::.
    static bool recognise(const QString &start);
};

#endif // GIFTREADER_H
