#ifndef BANKREADER_H
#define BANKREADER_H

#include "bankformat.h"
#include "questionbank.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Reads the question files an import is given, of any format and mixed: Velmora's CSV
// whole or not at all, foreign banks in part (see QuestionBank). The questions taken are
// kept in the CSV form (lines()), so that the import stores them all one way; the import
// screen, the command-line checker and its import share this reader.
class BankReader
{
    Q_DECLARE_TR_FUNCTIONS(BankReader)

public:
    using Note = QuestionBank::Note;

    // True when no file is refused and together they give at least one question.
    // Reading goes on after a refused file, so that every problem is reported.
    bool read(const QStringList &fileNames);

    // Receives one question's six CSV lines; false stops the reading.
    using Take = std::function<bool(const QStringList &questionLines)>;
    // The same read keeping no question: each is handed to take as it is read. A file that
    // turns out not to be CSV after some of its questions were handed is read in its own
    // format after keepFirst has been told how many questions to keep (those before it).
    bool read(const QStringList &fileNames, const Take &take,
              const std::function<void(int questions)> &keepFirst);
    // Hands the questions of the last read to take once more, in the formats found then.
    // False when take stopped it, or when a file is no longer what was read
    // (changedFile() names it); then take may have had some of its questions.
    bool readAgain(const Take &take);
    const QString &changedFile() const { return changed; }

    // Every question taken, as accepted CSV lines (QuestionFileReader::lines()).
    const QStringList &lines() const { return questionLines; }
    int questionCount() const;
    // The format each file was read in, in order.
    const QList<BankFormat::Format> &formats() const { return fileFormats; }
    bool anyForeign() const;

    const QList<Note> &errors() const { return errorList; }     // files refused
    const QList<Note> &leftOut() const { return leftOutList; }  // foreign questions left out
    const QList<Note> &warnings() const { return warningList; } // taken, with a remark

    int oneLanguage = 0;
    int replaced = 0;
    int placeholder = 0;
    int imagesLeftOut = 0;

    // The counts of a foreign read in one translated line ("3 left out, 2 in one language
    // only, ..."); empty when there is nothing to say.
    QString counts() const;
    // "file:line: reason" (the line left out when 0).
    static QString where(const Note &note);

private:
    // A file as it was read, to tell whether it is still the same.
    struct Source
    {
        QString fileName;
        BankFormat::Format format;
        qint64 size;
        QByteArray hash;
    };

    bool readFiles(const QStringList &fileNames, const Take &take,
                   const std::function<void(int)> &keepFirst);
    static bool handOn(const QuestionBank &bank, const Take &take, QStringList *lines);

    QStringList questionLines;
    int questions = 0;
    QList<Source> sources;
    QString changed;
    QList<BankFormat::Format> fileFormats;
    QList<Note> errorList;
    QList<Note> leftOutList;
    QList<Note> warningList;
};

#endif // BANKREADER_H
