#ifndef DATABASEPROVISIONER_H
#define DATABASEPROVISIONER_H

#include <QString>

// Makes sure a writable database file exists in the working directory before the data
// store opens it: copies the bundled template on first start (or over a file of zero
// bytes, which holds nothing), never replaces a file with content.
class DatabaseProvisioner
{
public:
    static const QString templatePath;
    static const QString databasePath;

    static void provision(const QString &templateFile = templatePath,
                          const QString &databaseFile = databasePath);
};

#endif // DATABASEPROVISIONER_H
