#ifndef FILEDIALOGS_H
#define FILEDIALOGS_H

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The file dialogs of the program, behind one seam: tests hand in the next answer
// instead of facing a modal dialog.
//
// A dialog starts in the directory used last (kept in the settings file), else in the
// user's documents folder, else in the home directory; never in the program's data
// directory, where a desktop start leaves the working directory.
class FileDialogs
{
public:
    QStringList getOpenFileNames(QWidget *parent, const QString &caption, const QString &filter);
    // selectedFilter, when given, receives the filter the user chose (left as it is for an
    // answer handed in).
    QString getSaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                            QString *selectedFilter = nullptr);

    // The answer of the next dialog of that kind, used once; an empty answer is a cancel.
    // Answers handed in are not remembered as the directory used last.
    void setNextOpenFileNames(const QStringList &fileNames) { nextOpenFileNames = fileNames; }
    void setNextSaveFileName(const QString &fileName) { nextSaveFileName = fileName; }

    // Where the next dialog starts.
    static QString startDirectory();
    // Makes the directory of a chosen file the next start; an empty name forgets it.
    static void remember(const QString &chosenFile);

private:
    std::optional<QStringList> nextOpenFileNames;
    std::optional<QString> nextSaveFileName;
};

#endif // FILEDIALOGS_H
