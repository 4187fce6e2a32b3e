#ifndef FILEDIALOGS_H
#define FILEDIALOGS_H

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The file dialogs of the program, behind one seam: tests hand in the next answer
// instead of facing a modal dialog.
class FileDialogs
{
public:
    QStringList getOpenFileNames(QWidget *parent, const QString &caption, const QString &filter);
    QString getSaveFileName(QWidget *parent, const QString &caption, const QString &filter);

    // The answer of the next dialog of that kind, used once; an empty answer is a cancel.
    void setNextOpenFileNames(const QStringList &fileNames) { nextOpenFileNames = fileNames; }
    void setNextSaveFileName(const QString &fileName) { nextSaveFileName = fileName; }

private:
    std::optional<QStringList> nextOpenFileNames;
    std::optional<QString> nextSaveFileName;
};

#endif // FILEDIALOGS_H
