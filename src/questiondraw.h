#ifndef QUESTIONDRAW_H
#define QUESTIONDRAW_H

#include <QList>

class RandomSource;

// Random choices of a quiz run that need no widgets: which questions are asked, in which
// order, and in which rows the answers of a question appear.
class QuestionDraw
{
public:
    // min(count, distinct candidates) different ids in random order, every ordered choice
    // equally likely. A count below 1 draws every candidate; an id listed twice among the
    // candidates is drawn at most once.
    static QList<int> drawQuestions(const QList<int> &candidates, int count, RandomSource &random);

    // A random arrangement of 0 .. size - 1, every arrangement equally likely.
    static QList<int> permutation(int size, RandomSource &random);
};

#endif // QUESTIONDRAW_H
