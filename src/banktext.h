#ifndef BANKTEXT_H
#define BANKTEXT_H

#include <QString>
#include <QStringList>

// Texts of foreign question banks made into Velmora's texts, and back: the multilang
// convention (<span lang="de" class="multilang">, {mlang de}) for the three languages,
// HTML made plain text, and what a CSV field cannot hold replaced.
//
// Every scan here is one pass over the text without recursion, so nested or unclosed
// markup costs time and memory in proportion to the text, never more.
class BankText
{
public:
    enum Language
    {
        German,
        English,
        Estonian,
        LanguageCount
    };

    // The German, English and Estonian texts of a text. Text outside multilang parts is
    // common to all three; a run of neighbouring parts gives each language its own part
    // (or, lacking it, the "other" part, the English one or the first). With html, tags
    // are dropped, block ends become line breaks and entities are decoded; the names of
    // the images dropped are added to images. *several tells whether at least two of the
    // three languages had parts of their own.
    static QStringList languages(const QString &text, bool html, bool *several,
                                 QStringList *images);
    // HTML as plain text (see languages()).
    static QString plainFromHtml(const QString &html, QStringList *images);
    // What a field can hold: a run of blanks holding a line break becomes one space (and
    // goes at either end), ";" becomes ",", byte-order marks at the start go. *changed
    // tells whether a line break inside the text or a ";" was replaced.
    static QString fit(const QString &text, bool *changed);
    // The last segment of a category path "a/b/c"; "//" stands for a "/" in a name.
    static QString lastSegment(const QString &path);
    // A name as a path segment: "/" doubled.
    static QString pathSegment(const QString &name);

    // Plain text as HTML that plainFromHtml() gives back unchanged: markup characters,
    // braces (so no {mlang} is read into it) and characters XML cannot carry as
    // numeric references.
    static QString escapeHtml(const QString &text);
    // The three texts as multilang spans that languages() gives back unchanged.
    static QString multilang(const QStringList &texts);
};

#endif // BANKTEXT_H
