#ifndef MULTILANGUAGEEDIT_H
#define MULTILANGUAGEEDIT_H

#include "ui_multilanguageedit.h"

#include <QString>
#include <QWidget>

// Three single-line inputs for one text in German, English and Estonian.
class MultiLanguageEdit : public QWidget
{
    Q_OBJECT

public:
    explicit MultiLanguageEdit(QWidget *parent = nullptr);

    QString getDEText() const;
    QString getENText() const;
    QString getEEText() const;
    // True when at least one of the three texts is empty; blanks count as filled.
    bool hasEmptyText() const;
    // True when a text contains ";", the field separator of the question files, which
    // has no quoting, or a line break: such a text could not be exported.
    bool hasInvalidText() const;
    void clear();
    // German, English and Estonian, in that order; a missing one leaves its input empty.
    void setTexts(const QList<QString> &texts);

private:
    Ui::MultiLanguageEdit ui;
};

#endif // MULTILANGUAGEEDIT_H
