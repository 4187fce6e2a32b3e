#include "progresssummary.h"

#include <algorithm>
#include <vector>

ProgressSummary::ProgressSummary(const QHash<int, Fsrs::Memory> &memories,
                                 const QHash<int, QList<int>> &questionIdsPerCategory,
                                 const QHash<int, QString> &categoryNames,
                                 const QHash<int, QString> &questionTexts, qint64 nowMs,
                                 const Fsrs &model)
{
    QList<int> categoryIds = questionIdsPerCategory.keys();
    std::sort(categoryIds.begin(), categoryIds.end());
    std::vector<WeakQuestion> answered;
    for (int categoryId : categoryIds) {
        CategoryCounts counts;
        counts.categoryId = categoryId;
        counts.name = categoryNames.value(categoryId);
        const QList<int> &questionIds = questionIdsPerCategory[categoryId];
        counts.questions = questionIds.size();
        for (int questionId : questionIds) {
            const auto memory = memories.constFind(questionId);
            if (memory == memories.constEnd()) {
                ++counts.neverAnswered;
                continue;
            }
            const double recall = model.retrievability(*memory, nowMs);
            if (memory->dueMs <= nowMs)
                ++counts.due;
            else if (recall >= knownRecall)
                ++counts.known;
            answered.push_back({questionId, questionTexts.value(questionId), counts.name,
                                memory->lastAnswerMs, memory->lapses, recall});
        }
        categoryCounts.append(counts);
    }

    // Ties end on the id, so the list does not change between two openings.
    const auto weaker = [](const WeakQuestion &a, const WeakQuestion &b) {
        if (a.lapses != b.lapses)
            return a.lapses > b.lapses;
        if (a.recall != b.recall)
            return a.recall < b.recall;
        return a.questionId < b.questionId;
    };
    const auto last = answered.begin() + std::min<size_t>(answered.size(), weakestCount);
    std::partial_sort(answered.begin(), last, answered.end(), weaker);
    weakestQuestions = QList<WeakQuestion>(answered.begin(), last);
}
