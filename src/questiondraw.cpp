#include "questiondraw.h"

#include "randomsource.h"

#include <QSet>

namespace {
// Partial Fisher-Yates: after step i the first i + 1 places hold a uniformly chosen
// ordered selection, so only the drawn places cost anything. Unlike drawing again until
// an unused id turns up, this stays linear when nearly all candidates are asked.
void shuffleFront(QList<int> &values, int count, RandomSource &random)
{
    const int size = values.size();
    for (int i = 0; i < count && i < size - 1; ++i)
        values.swapItemsAt(i, i + random.bounded(size - i));
}
} // namespace

QList<int> QuestionDraw::drawQuestions(const QList<int> &candidates, int count,
                                       RandomSource &random)
{
    QList<int> pool;
    pool.reserve(candidates.size());
    QSet<int> seen;
    seen.reserve(candidates.size());
    for (int id : candidates) {
        if (!seen.contains(id)) {
            seen.insert(id);
            pool.append(id);
        }
    }
    const int drawn = count < 1 ? pool.size() : qMin(count, pool.size());
    shuffleFront(pool, drawn, random);
    pool.erase(pool.begin() + drawn, pool.end());
    return pool;
}

QList<int> QuestionDraw::permutation(int size, RandomSource &random)
{
    QList<int> values;
    values.reserve(qMax(size, 0));
    for (int i = 0; i < size; ++i)
        values.append(i);
    shuffleFront(values, size, random);
    return values;
}
