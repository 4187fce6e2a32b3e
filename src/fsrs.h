#ifndef FSRS_H
#define FSRS_H

#include <QtGlobal>

#include <array>
#include <optional>

// The FSRS-6 memory model of one question: how stable its memory is, how difficult it is,
// and when it is due again. Pure arithmetic on plain values, no clock of its own.
class Fsrs
{
public:
    enum Grade { Again = 1, Good = 3 };

    struct Parameters
    {
        // w0..w20 as the open-spaced-repetition project publishes them for FSRS-6.
        std::array<double, 21> weights;
        double desiredRetention = 0.9;
        int maximumIntervalDays = 36500;
    };
    static Parameters defaultParameters();

    // What the model remembers of a question after its answers so far.
    struct Memory
    {
        double stability = 0;
        double difficulty = 0;
        qint64 lastAnswerMs = 0; // UTC, ms since the epoch
        qint64 dueMs = 0;
        int reviews = 0;
        // Wrong answers to a question answered before.
        int lapses = 0;
    };

    static constexpr qint64 dayMs = 24 * 60 * 60 * 1000;

    explicit Fsrs(const Parameters &parameters = defaultParameters());

    // The memory after an answer at atMs; no memory before means a first answer.
    Memory answered(const std::optional<Memory> &before, qint64 atMs, Grade grade) const;

    // Probability of recall after the given whole days, for a memory of that stability.
    double retrievability(double stability, qint64 elapsedDays) const;
    double retrievability(const Memory &memory, qint64 nowMs) const;
    // Days until recall falls to the desired retention: at least 1, at most the maximum.
    int intervalDays(double stability) const;
    // Whole days from one time to a later one, rounded down; 0 when the clock went back.
    static qint64 elapsedDays(qint64 fromMs, qint64 toMs);

    double initialStability(Grade grade) const;
    double initialDifficulty(double grade, bool clamp = true) const;

private:
    double decay() const;
    double factor() const;
    double nextDifficulty(double difficulty, Grade grade) const;
    double shortTermStability(double stability, Grade grade) const;
    double recallStability(double difficulty, double stability, double recall) const;
    double forgetStability(double difficulty, double stability, double recall) const;
    double w(int i) const { return parameters.weights[static_cast<size_t>(i)]; }

    Parameters parameters;
};

#endif // FSRS_H
