#ifndef QUESTIONIMPORT_H
#define QUESTIONIMPORT_H

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class Controller;

// Stores the questions of accepted question-file lines (QuestionFileReader::lines()) in
// the catalogue, as one change, and finds those the catalogue already holds.
//
// A question of a file is already in the catalogue when a stored question has the same
// texts: the same category name in the interface language (the name the import files a
// question under), the same three question texts and the same four answers in any order,
// each with its three texts, its truth and, for a true answer, its three explanations.
// Texts are compared exactly: case, blanks and punctuation count.
class QuestionImport
{
    Q_DECLARE_TR_FUNCTIONS(QuestionImport)

public:
    enum class Result
    {
        Stored,
        Cancelled, // by the step function: nothing was stored
        Failed,    // a write failed: nothing was stored
        Changed,   // the source failed (a file changed since it was read): nothing was stored
    };

    struct Outcome
    {
        Result result = Result::Failed;
        int questions = 0;  // stored
        int categories = 0; // that the stored questions went into, new or not

        // "42 questions imported into 6 categories.", translated.
        QString summary() const;
    };

    explicit QuestionImport(Controller *controller);

    // Indexes of the lines' questions that the catalogue already holds. Reads the
    // catalogue's texts once.
    QSet<int> alreadyInCatalogue(const QStringList &lines);
    // The same one question at a time: readCatalogue() once, then inCatalogue() with each
    // question's six lines.
    void readCatalogue();
    bool inCatalogue(const QStringList &questionLines) const;

    // Stores every question of the lines but those in skip, in file order, all or none.
    // step is told the count done before each question; when it returns false, the import
    // is cancelled.
    Outcome store(const QStringList &lines, const QSet<int> &skip = {},
                  const std::function<bool(int)> &step = {});

    // Hands one question's six lines to the import; false stops the source.
    using Take = std::function<bool(const QStringList &questionLines)>;
    // The same with the questions coming from a source one at a time (see
    // BankReader::readAgain), so that they are never all held at once. A source that
    // returns false without being stopped fails the import (Result::Changed).
    Outcome store(const std::function<bool(const Take &)> &source, const QSet<int> &skip = {},
                  const std::function<bool(int)> &step = {});

private:
    // Every category's name in the current language, mapped to its id.
    QHash<QString, int> categoriesByName();
    // Finds a category by its name in the current language, or creates it.
    int categoryIdFor(const QStringList &names, QHash<QString, int> *categoryByName);

    Controller *controller;
    int language = 0;
    QSet<QString> storedKeys;
};

#endif // QUESTIONIMPORT_H
