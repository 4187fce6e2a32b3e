#ifndef QUESTIONBANK_H
#define QUESTIONBANK_H

#include "questionfilereader.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// What a reader of a foreign question bank (Moodle XML, GIFT, Aiken) made of one file:
// the questions that fit Velmora's form, every question left out with its line and
// reason, the images left out, and how many questions were changed to fit. A file that
// cannot be read at all (broken encoding or structure) is refused as a whole.
//
// The readers hand each question in as a Draft; take() applies the rules every format
// shares: four answers, at least one true, three languages, an explanation for every
// true answer, texts that a CSV field can hold.
class QuestionBank
{
    Q_DECLARE_TR_FUNCTIONS(QuestionBank)

public:
    struct Note
    {
        QString fileName;
        int line = 0; // 1-based; 0 when about the whole file
        QString reason;
    };

    struct Text
    {
        QString text;
        bool html = false;
    };

    struct DraftAnswer
    {
        Text text;
        Text feedback;
        bool isTrue = false;
    };

    struct Draft
    {
        QStringList category; // German, English, Estonian; empty: the file's name
        Text question;
        QList<DraftAnswer> answers;
        Text generalFeedback;
        int line = 0;
    };

    // Files larger than this are refused: they are read whole, in memory.
    static constexpr qint64 maximumFileSize = 128 * 1024 * 1024;

    explicit QuestionBank(const QString &fileName = QString());

    // Reads the file as UTF-8 text (a UTF-8 byte-order mark is dropped); refuses it (and
    // returns a null text) when it is too large, unreadable or not valid UTF-8.
    QString readText();
    // Whether the file is small enough and valid UTF-8 throughout, read a piece at a
    // time; refuses it otherwise.
    bool checkFile();

    void refuse(const QString &reason, int line = 0);
    void leaveOut(int line, const QString &reason);
    // Takes the question if it fits, else leaves it out with the reason.
    void take(const Draft &draft);

    // The category of questions before any category: the file's name without extension.
    QString defaultCategory() const;

    QString fileName;
    QList<QuestionFileReader::Question> questions;
    QList<Note> leftOut;
    QList<Note> warnings; // images left out
    Note refusal;         // reason empty: the file was read
    int oneLanguage = 0;  // questions whose texts came in one language only
    int replaced = 0;     // questions whose ";" or line breaks were replaced
    int placeholder = 0;  // questions with a true answer explained by the placeholder
    int imagesLeftOut = 0;

    bool refused() const { return !refusal.reason.isEmpty(); }
};

#endif // QUESTIONBANK_H
