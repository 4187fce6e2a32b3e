#include "testpapertexts.h"

#include "databasevelmoraapp.h"

#include <algorithm>

TestPaperTexts TestPaperTexts::fromCatalogue(const CatalogueTexts &catalogue, int languageIndex,
                                             const QList<int> &categoryIds)
{
    TestPaperTexts texts;
    texts.languageCode = languageCodes().value(languageIndex);
    QList<int> categories = categoryIds;
    if (categories.isEmpty())
        categories = catalogue.categoryNames.keys();
    std::sort(categories.begin(), categories.end());
    categories.erase(std::unique(categories.begin(), categories.end()), categories.end());
    for (int categoryId : categories)
        texts.categoryNames.append(catalogue.categoryNames.value(categoryId).value(languageIndex));

    for (auto it = catalogue.categoryOfQuestion.cbegin(); it != catalogue.categoryOfQuestion.cend();
         ++it) {
        if (std::binary_search(categories.cbegin(), categories.cend(), it.value()))
            texts.candidates.append(it.key());
    }
    std::sort(texts.candidates.begin(), texts.candidates.end());

    for (int questionId : qAsConst(texts.candidates)) {
        texts.questionTexts.insert(questionId,
                                   catalogue.questionTexts.value(questionId).value(languageIndex));
        const QList<int> trueIds = catalogue.trueAnswerIds.value(questionId);
        const QList<int> answerIds = trueIds + catalogue.falseAnswerIds.value(questionId);
        texts.answersOf.insert(questionId, answerIds);
        for (int answerId : answerIds) {
            texts.answerTexts.insert(answerId,
                                     catalogue.answerTexts.value(answerId).value(languageIndex));
            texts.explanationTexts.insert(
                answerId, catalogue.explanationTexts.value(answerId).value(languageIndex));
        }
        for (int answerId : trueIds)
            texts.trueAnswerIds.insert(answerId);
    }
    return texts;
}

int TestPaperTexts::categoryNamed(const CatalogueTexts &catalogue, int languageIndex,
                                  const QString &name)
{
    // Two categories of one name: the first by id, whatever order the hash keeps.
    QList<int> ids = catalogue.categoryNames.keys();
    std::sort(ids.begin(), ids.end());
    for (int id : qAsConst(ids)) {
        if (catalogue.categoryNames.value(id).value(languageIndex) == name)
            return id;
    }
    return 0;
}
