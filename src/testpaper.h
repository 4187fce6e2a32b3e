#ifndef TESTPAPER_H
#define TESTPAPER_H

#include <QHash>
#include <QList>
#include <QtGlobal>

// A printed test drawn from a seed: which questions it holds and, per version, the order
// of the questions and of each question's answers. Only ids and the seed go in, so one
// seed gives one test on every platform and in every language.
class TestPaper
{
public:
    static constexpr int maximumVersions = 26;
    // Seeds fit a spin box.
    static constexpr qint64 maximumSeed = 2147483647;

    // One question of a version, its answers in the order printed.
    struct Item
    {
        int questionId = 0;
        QList<int> answerIds;
    };
    using Version = QList<Item>;

    // Draws min(count, distinct candidates) of the candidates, then orders them anew for
    // each of the versions (1..maximumVersions), and each question's answers (from
    // answersOf) anew in every version. Candidates and answers are taken in ascending id
    // order whatever order they come in.
    static TestPaper draw(const QList<int> &candidates, const QHash<int, QList<int>> &answersOf,
                          int count, int versions, quint64 seed);

    // The drawn questions, ascending: every version holds exactly these.
    QList<int> questionIds() const { return drawn; }
    const QList<Version> &versions() const { return orders; }
    quint64 seed() const { return drawnFrom; }
    // "A", "B", ... for the version at index.
    static QString versionName(int index);

private:
    QList<int> drawn;
    QList<Version> orders;
    quint64 drawnFrom = 0;
};

#endif // TESTPAPER_H
