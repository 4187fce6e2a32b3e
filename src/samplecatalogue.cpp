#include "samplecatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QStringList &chosenPlaces()
{
    static QStringList places;
    return places;
}
} // namespace

QStringList SampleCatalogue::places()
{
    if (!chosenPlaces().isEmpty())
        return chosenPlaces();
    return {QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                            QStringLiteral(VELMORA_SAMPLE_FROM_BINDIR)),
            QStringLiteral(VELMORA_SAMPLE_IN_SOURCES)};
}

void SampleCatalogue::setPlaces(const QStringList &fileNames)
{
    chosenPlaces() = fileNames;
}

QString SampleCatalogue::fileName()
{
    for (const QString &place : places()) {
        if (QFileInfo(place).isFile())
            return place;
    }
    return QString();
}
