#ifndef TESTPAPERTEXTS_H
#define TESTPAPERTEXTS_H

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

struct CatalogueTexts;

// What a printed test needs from the catalogue, in the one language it is printed in: the
// questions of the chosen categories with their answers, and every text of them.
class TestPaperTexts
{
public:
    // The catalogue's languages, in the order of their ids.
    static QStringList languageCodes() { return {"de", "en", "ee"}; }

    // The questions of the chosen categories (every category when none is chosen) with
    // their texts in the language at languageIndex (0 German, 1 English, 2 Estonian).
    static TestPaperTexts fromCatalogue(const CatalogueTexts &catalogue, int languageIndex,
                                        const QList<int> &categoryIds);
    // The id of the category named so in that language; 0 when there is none.
    static int categoryNamed(const CatalogueTexts &catalogue, int languageIndex,
                             const QString &name);

    QString languageCode;
    // The chosen categories' names, in their id order.
    QStringList categoryNames;
    // Ascending ids, and each question's answer ids.
    QList<int> candidates;
    QHash<int, QList<int>> answersOf;
    QHash<int, QString> questionTexts;
    QHash<int, QString> answerTexts;
    QHash<int, QString> explanationTexts;
    QSet<int> trueAnswerIds;
};

#endif // TESTPAPERTEXTS_H
