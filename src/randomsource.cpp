#include "randomsource.h"

#include <QDateTime>

#include <utility>

namespace {
qint64 secondsSinceEpoch()
{
    return QDateTime::currentSecsSinceEpoch();
}
} // namespace

RandomSource::RandomSource() : clock(secondsSinceEpoch)
{
    reseedFromClock();
}

void RandomSource::reseedFromClock()
{
    generator.seed(static_cast<quint32>(clock()));
}

void RandomSource::setClock(Clock newClock)
{
    clock = newClock ? std::move(newClock) : Clock(secondsSinceEpoch);
}

int RandomSource::bounded(int bound)
{
    // QRandomGenerator::bounded is free of the modulo bias of "random % size".
    return bound > 0 ? static_cast<int>(generator.bounded(static_cast<quint32>(bound))) : 0;
}
