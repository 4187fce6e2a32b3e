#include "filedialogs.h"

#include <QFileDialog>

QStringList FileDialogs::getOpenFileNames(QWidget *parent, const QString &caption,
                                          const QString &filter)
{
    if (nextOpenFileNames) {
        const QStringList answer = *nextOpenFileNames;
        nextOpenFileNames.reset();
        return answer;
    }
    return QFileDialog::getOpenFileNames(parent, caption, QString(), filter);
}

QString FileDialogs::getSaveFileName(QWidget *parent, const QString &caption, const QString &filter)
{
    if (nextSaveFileName) {
        const QString answer = *nextSaveFileName;
        nextSaveFileName.reset();
        return answer;
    }
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
}
