#include "practicedraw.h"

#include "learningstore.h"
#include "questiondraw.h"

#include <QSet>

#include <algorithm>
#include <utility>

namespace {
using Weakness = std::pair<double, int>; // retrievability, id

void takeInOrder(QList<Weakness> &group, int wanted, QList<int> &drawn)
{
    // Only the places that are asked need sorting.
    const int taken = qMin(wanted, int(group.size()));
    std::partial_sort(group.begin(), group.begin() + taken, group.end());
    for (int i = 0; i < taken; ++i)
        drawn.append(group.at(i).second);
}
} // namespace

QList<int> PracticeDraw::draw(int mode, const QList<int> &categoryCandidates,
                              const QList<int> &mistakes, const QHash<int, Fsrs::Memory> &memories,
                              qint64 nowMs, int count, const Fsrs &model, RandomSource &random)
{
    switch (mode) {
    case LearningStore::DueAndWeakestFirst:
        return dueAndWeakestFirst(categoryCandidates, memories, nowMs, count, model, random);
    case LearningStore::MistakesOfLastQuiz:
        return PracticeDraw::mistakes(mistakes, count, random);
    default:
        return QuestionDraw::drawQuestions(categoryCandidates, count, random);
    }
}

QList<int> PracticeDraw::dueAndWeakestFirst(const QList<int> &candidates,
                                            const QHash<int, Fsrs::Memory> &memories, qint64 nowMs,
                                            int count, const Fsrs &model, RandomSource &random)
{
    QList<Weakness> due;
    QList<int> neverAnswered;
    QList<Weakness> rest;
    QSet<int> seen;
    seen.reserve(candidates.size());
    for (int id : candidates) {
        if (seen.contains(id))
            continue;
        seen.insert(id);
        const auto memory = memories.constFind(id);
        if (memory == memories.cend())
            neverAnswered.append(id);
        else
            (memory->dueMs <= nowMs ? due : rest)
                .append({model.retrievability(*memory, nowMs), id});
    }
    const int wanted = count < 1 ? seen.size() : qMin(count, int(seen.size()));
    QList<int> drawn;
    drawn.reserve(wanted);
    takeInOrder(due, wanted, drawn);
    if (drawn.size() < wanted)
        drawn += QuestionDraw::drawQuestions(neverAnswered, wanted - drawn.size(), random);
    takeInOrder(rest, wanted - drawn.size(), drawn);
    return drawn;
}

QList<int> PracticeDraw::mistakes(const QList<int> &mistakeIds, int count, RandomSource &random)
{
    return QuestionDraw::drawQuestions(mistakeIds, count, random);
}

PracticeDraw::Counts PracticeDraw::counts(const QList<int> &candidates,
                                          const QHash<int, Fsrs::Memory> &memories, qint64 nowMs)
{
    Counts counts;
    QSet<int> seen;
    seen.reserve(candidates.size());
    for (int id : candidates) {
        if (seen.contains(id))
            continue;
        seen.insert(id);
        const auto memory = memories.constFind(id);
        if (memory == memories.cend())
            ++counts.neverAnswered;
        else if (memory->dueMs <= nowMs)
            ++counts.due;
    }
    return counts;
}
