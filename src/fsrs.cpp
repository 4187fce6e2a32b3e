#include "fsrs.h"

#include <algorithm>
#include <cmath>

namespace {
const double minimumStability = 0.001;
const double minimumDifficulty = 1.0;
const double maximumDifficulty = 10.0;

double clampDifficulty(double difficulty)
{
    return std::clamp(difficulty, minimumDifficulty, maximumDifficulty);
}

double clampStability(double stability)
{
    return std::max(stability, minimumStability);
}
} // namespace

Fsrs::Parameters Fsrs::defaultParameters()
{
    return {{0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001, 1.8722, 0.1666, 0.796,
             1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542},
            0.9,
            36500};
}

Fsrs::Fsrs(const Parameters &parameters) : parameters(parameters) {}

double Fsrs::decay() const
{
    return -w(20);
}

// Chosen so that recall is 0.9 after exactly one stability's worth of days.
double Fsrs::factor() const
{
    return std::pow(0.9, 1.0 / decay()) - 1.0;
}

double Fsrs::retrievability(double stability, qint64 elapsedDays) const
{
    if (stability <= 0)
        return 0;
    return std::pow(1.0 + factor() * double(std::max<qint64>(elapsedDays, 0)) / stability,
                    decay());
}

double Fsrs::retrievability(const Memory &memory, qint64 nowMs) const
{
    return retrievability(memory.stability, elapsedDays(memory.lastAnswerMs, nowMs));
}

int Fsrs::intervalDays(double stability) const
{
    const double days = stability / factor() *
                        (std::pow(parameters.desiredRetention, 1.0 / decay()) - 1.0);
    const double rounded = std::round(days);
    return int(std::clamp(rounded, 1.0, double(parameters.maximumIntervalDays)));
}

qint64 Fsrs::elapsedDays(qint64 fromMs, qint64 toMs)
{
    return toMs > fromMs ? (toMs - fromMs) / dayMs : 0;
}

double Fsrs::initialStability(Grade grade) const
{
    return clampStability(w(grade - 1));
}

double Fsrs::initialDifficulty(double grade, bool clamp) const
{
    const double difficulty = w(4) - std::exp(w(5) * (grade - 1.0)) + 1.0;
    return clamp ? clampDifficulty(difficulty) : difficulty;
}

double Fsrs::nextDifficulty(double difficulty, Grade grade) const
{
    const double change = -w(6) * (double(grade) - 3.0);
    // Linear damping: the nearer the ceiling, the smaller the step towards it.
    const double damped = difficulty + change * (10.0 - difficulty) / 9.0;
    // Mean reversion towards the initial difficulty of an "easy" first answer.
    const double reverted = w(7) * initialDifficulty(4, false) + (1.0 - w(7)) * damped;
    return clampDifficulty(reverted);
}

double Fsrs::shortTermStability(double stability, Grade grade) const
{
    double increase = std::exp(w(17) * (double(grade) - 3.0 + w(18))) * std::pow(stability, -w(19));
    if (grade == Good)
        increase = std::max(increase, 1.0);
    return clampStability(stability * increase);
}

double Fsrs::recallStability(double difficulty, double stability, double recall) const
{
    const double increase = std::exp(w(8)) * (11.0 - difficulty) * std::pow(stability, -w(9)) *
                            (std::exp(w(10) * (1.0 - recall)) - 1.0);
    return clampStability(stability * (1.0 + increase));
}

double Fsrs::forgetStability(double difficulty, double stability, double recall) const
{
    const double longTerm = w(11) * std::pow(difficulty, -w(12)) *
                            (std::pow(stability + 1.0, w(13)) - 1.0) *
                            std::exp((1.0 - recall) * w(14));
    const double shortTerm = stability / std::exp(w(17) * w(18));
    return clampStability(std::min(longTerm, shortTerm));
}

Fsrs::Memory Fsrs::answered(const std::optional<Memory> &before, qint64 atMs, Grade grade) const
{
    Memory after;
    if (!before) {
        after.stability = initialStability(grade);
        after.difficulty = initialDifficulty(grade);
    } else {
        after = *before;
        // A clock set back counts as an answer on the same day.
        const bool sameDay = atMs - before->lastAnswerMs < dayMs;
        if (sameDay) {
            after.stability = shortTermStability(before->stability, grade);
        } else {
            const double recall =
                retrievability(before->stability, elapsedDays(before->lastAnswerMs, atMs));
            after.stability = grade == Good
                                  ? recallStability(before->difficulty, before->stability, recall)
                                  : forgetStability(before->difficulty, before->stability, recall);
        }
        after.difficulty = nextDifficulty(before->difficulty, grade);
        if (grade == Again)
            ++after.lapses;
    }
    ++after.reviews;
    after.lastAnswerMs = atMs;
    after.dueMs = atMs + qint64(intervalDays(after.stability)) * dayMs;
    return after;
}
