#ifndef GENERATEDTEXTS_H
#define GENERATEDTEXTS_H

#include <QString>

#include <functional>

// The benchmarks' generated catalogues: their texts, in German, English and Estonian
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

// A generated bank: question q in category q % categories, four answers, the first one
// true with its explanations.
struct Bank
{
    int questions = 0;
    int categories = 0;
    int padding = 0; // extra characters in every question text: long-text files
};

inline QString question(const Bank &bank, int q, int language)
{
    QString text = question(q, language);
    if (bank.padding > 0)
        text += QString(bank.padding, QChar(0x00e4 + language)); // ä å æ
    return text;
}

// The bank as Velmora's CSV.
inline QString csvFile(const Bank &bank)
{
    const auto three = [](const std::function<QString(int)> &text) {
        return text(0) + QLatin1Char(';') + text(1) + QLatin1Char(';') + text(2);
    };
    QString out;
    for (int q = 0; q < bank.questions; ++q) {
        out += three([&](int l) { return category(q % bank.categories, l); }) +
               QStringLiteral("\r\n");
        out += three([&](int l) { return question(bank, q, l); }) + QStringLiteral("\r\n");
        for (int a = 0; a < 4; ++a) {
            out += three([&](int l) { return answer(q, a, l); });
            if (a == 0)
                out += QLatin1Char(';') + three([&](int l) { return explanation(q, l); });
            out += QStringLiteral("\r\n");
        }
    }
    return out;
}

// The rows an import of csvFile(bank) into an empty catalogue stores, one INSERT each, as
// one transaction: the floor an import is measured against.
inline QString sqlScript(const Bank &bank)
{
    QString out = QStringLiteral("BEGIN;\n");
    for (int c = 0; c < qMin(bank.categories, bank.questions); ++c) {
        out += QStringLiteral("INSERT INTO category VALUES(%1);\n").arg(c + 1);
        for (int l = 0; l < 3; ++l)
            out += QStringLiteral("INSERT INTO category_lang VALUES(%1,%2,%3);\n")
                       .arg(c + 1)
                       .arg(l + 1)
                       .arg(sqlLiteral(category(c, l)));
    }
    for (int q = 0; q < bank.questions; ++q) {
        out += QStringLiteral("INSERT INTO question VALUES(%1,%2);\n")
                   .arg(q + 1)
                   .arg(q % bank.categories + 1);
        for (int l = 0; l < 3; ++l)
            out += QStringLiteral("INSERT INTO question_lang VALUES(%1,%2,%3);\n")
                       .arg(q + 1)
                       .arg(l + 1)
                       .arg(sqlLiteral(question(bank, q, l)));
        for (int a = 0; a < 4; ++a) {
            const int id = 4 * q + a + 1;
            out += QStringLiteral("INSERT INTO answer VALUES(%1);\n").arg(id);
            for (int l = 0; l < 3; ++l)
                out += QStringLiteral("INSERT INTO answer_lang VALUES(%1,%2,%3,%4);\n")
                           .arg(id)
                           .arg(l + 1)
                           .arg(sqlLiteral(answer(q, a, l)),
                                sqlLiteral(a == 0 ? explanation(q, l) : QString()));
            out += QStringLiteral("INSERT INTO question_answer VALUES(%1,%2,'%3');\n")
                       .arg(id)
                       .arg(q + 1)
                       .arg(a == 0 ? QStringLiteral("true") : QStringLiteral("false"));
        }
    }
    return out + QStringLiteral("COMMIT;\n");
}

} // namespace GeneratedTexts

#endif // GENERATEDTEXTS_H
