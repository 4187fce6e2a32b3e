#ifndef RANDOMSOURCE_H
#define RANDOMSOURCE_H

#include <QRandomGenerator>

#include <functional>

// The pseudo-random numbers of a quiz run. It is seeded from a clock (seconds since the
// epoch by default) every time a run begins; the clock can be replaced so that a run can
// be repeated exactly.
class RandomSource
{
public:
    using Clock = std::function<qint64()>;

    RandomSource();

    // Seeds the generator with the clock's current reading.
    void reseedFromClock();
    void setClock(Clock clock);

    // A number in [0, bound); 0 when bound is not positive.
    int bounded(int bound);

private:
    Clock clock;
    QRandomGenerator generator;
};

#endif // RANDOMSOURCE_H
