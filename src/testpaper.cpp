#include "testpaper.h"

#include <QString>

#include <algorithm>
#include <random>

namespace {
// The 64-bit Mersenne Twister is specified to the bit; the bounded draw and the shuffles
// are our own, because the standard distributions differ between libraries.
class SeededDraw
{
public:
    explicit SeededDraw(quint64 seed) : engine(seed) {}

    // A number in [0, bound), free of modulo bias: outputs below 2^64 mod bound are
    // thrown away, so every remainder is left equally often.
    quint64 below(quint64 bound)
    {
        const quint64 threshold = (0 - bound) % bound;
        for (;;) {
            const quint64 value = engine();
            if (value >= threshold)
                return value % bound;
        }
    }

    // Fisher-Yates, from the back.
    void shuffle(QList<int> &values)
    {
        for (int i = values.size() - 1; i > 0; --i)
            values.swapItemsAt(i, static_cast<int>(below(static_cast<quint64>(i) + 1)));
    }

private:
    std::mt19937_64 engine;
};

QList<int> ascendingDistinct(QList<int> ids)
{
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}
} // namespace

TestPaper TestPaper::draw(const QList<int> &candidates, const QHash<int, QList<int>> &answersOf,
                          int count, int versions, quint64 seed)
{
    TestPaper paper;
    paper.drawnFrom = seed;
    SeededDraw random(seed);

    // The first count places of a partial shuffle: every choice equally likely.
    QList<int> pool = ascendingDistinct(candidates);
    const int drawnCount = std::clamp(count, 0, static_cast<int>(pool.size()));
    for (int i = 0; i < drawnCount; ++i)
        pool.swapItemsAt(i, i + static_cast<int>(random.below(static_cast<quint64>(pool.size() - i))));
    paper.drawn = ascendingDistinct(pool.mid(0, drawnCount));

    for (int v = 0; v < std::clamp(versions, 0, maximumVersions); ++v) {
        QList<int> order = paper.drawn;
        random.shuffle(order);
        Version version;
        version.reserve(order.size());
        for (int questionId : order) {
            Item item{questionId, ascendingDistinct(answersOf.value(questionId))};
            random.shuffle(item.answerIds);
            version.append(item);
        }
        paper.orders.append(version);
    }
    return paper;
}

QString TestPaper::versionName(int index)
{
    return QString(QChar(u'A' + index));
}
