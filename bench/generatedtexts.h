#ifndef GENERATEDTEXTS_H
#define GENERATEDTEXTS_H

#include <QString>

// The texts of the benchmarks' generated catalogues, in German, English and Estonian
// (language 0, 1, 2), with letters beyond ASCII and characters that CSV and SQL must quote.
namespace GeneratedTexts {

inline QString category(int c, int language)
{
    static const char *const names[] = {"Kategorie %1 Größe & Öl", "Category %1 size & oil",
                                        "Kategooria %1 suurus & õli"};
    return QString::fromUtf8(names[language]).arg(c + 1);
}

inline QString question(int q, int language)
{
    static const char *const texts[] = {
        "Frage %1: Welche Aussage über die Fläche und das Öl trifft zu?",
        "Question %1: Which statement about the area and the oil is true?",
        "Küsimus %1: Milline väide pinna ja õli kohta on õige? Šokolaad ja žürii"};
    return QString::fromUtf8(texts[language]).arg(q + 1);
}

inline QString answer(int q, int a, int language)
{
    static const char *const texts[] = {"Antwort %1.%2 über Größe", "Answer %1.%2 about size",
                                        "Vastus %1.%2 suuruse üle"};
    return QString::fromUtf8(texts[language]).arg(q + 1).arg(a + 1);
}

inline QString explanation(int q, int language)
{
    static const char *const texts[] = {"Weil die Fläche %1 größer ist.",
                                        "Because area %1 is larger.", "Sest pind %1 on suurem."};
    return QString::fromUtf8(texts[language]).arg(q + 1);
}

// A text as an SQL literal; a null one as NULL.
inline QString sqlLiteral(const QString &text)
{
    return text.isNull() ? QStringLiteral("NULL")
                         : QLatin1Char('\'') +
                               QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) +
                               QLatin1Char('\'');
}

} // namespace GeneratedTexts

#endif // GENERATEDTEXTS_H
