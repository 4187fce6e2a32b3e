#ifndef SAMPLECATALOGUE_H
#define SAMPLECATALOGUE_H

#include <QString>
#include <QStringList>

// The sample catalogue shipped with the program: installed beside the documentation
// (share/doc/velmora/examples, relative to the program's bin directory), or, for a program
// run from its build tree, in the sources' examples/.
class SampleCatalogue
{
public:
    // The first of the places that holds the file; empty when none does.
    static QString fileName();
    // The places looked at, in order.
    static QStringList places();
    // Other places to look at instead (tests); an empty list restores the usual ones.
    static void setPlaces(const QStringList &fileNames);
};

#endif // SAMPLECATALOGUE_H
