#ifndef PRACTICEDRAW_H
#define PRACTICEDRAW_H

#include "fsrs.h"

#include <QHash>
#include <QList>

class RandomSource;

// Which questions a quiz asks in each practice mode, from plain values: the candidates of
// the chosen categories, the memories of the answered questions and the time now. No
// widgets and no database, so the quiz, the settings screen and the benchmarks share it.
class PracticeDraw
{
public:
    struct Counts
    {
        int due = 0;
        int neverAnswered = 0;
    };

    // The questions of a quiz in the given mode (a LearningStore::QuizMode); an unknown
    // mode draws at random. `mistakes` serve the mistakes mode only, the candidates the
    // others. A count below 1 asks every question the mode offers.
    static QList<int> draw(int mode, const QList<int> &categoryCandidates,
                           const QList<int> &mistakes, const QHash<int, Fsrs::Memory> &memories,
                           qint64 nowMs, int count, const Fsrs &model, RandomSource &random);

    // Due now (lowest retrievability first), then never answered (in random order), then
    // the rest (lowest retrievability first). Equal retrievability goes by id, so only the
    // never-answered part depends on the random source.
    static QList<int> dueAndWeakestFirst(const QList<int> &candidates,
                                         const QHash<int, Fsrs::Memory> &memories, qint64 nowMs,
                                         int count, const Fsrs &model, RandomSource &random);

    // At most count of the mistakes, in random order.
    static QList<int> mistakes(const QList<int> &mistakeIds, int count, RandomSource &random);

    // How many distinct candidates are due now and how many were never answered.
    static Counts counts(const QList<int> &candidates, const QHash<int, Fsrs::Memory> &memories,
                         qint64 nowMs);
};

#endif // PRACTICEDRAW_H
