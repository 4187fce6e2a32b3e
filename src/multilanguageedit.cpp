#include "multilanguageedit.h"

#include "questionfilereader.h"

MultiLanguageEdit::MultiLanguageEdit(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
}

QString MultiLanguageEdit::getDEText() const
{
    return ui.leDE->text();
}

QString MultiLanguageEdit::getENText() const
{
    return ui.leEN->text();
}

QString MultiLanguageEdit::getEEText() const
{
    return ui.leEE->text();
}

bool MultiLanguageEdit::hasEmptyText() const
{
    return getDEText().isEmpty() || getENText().isEmpty() || getEEText().isEmpty();
}

bool MultiLanguageEdit::hasInvalidText() const
{
    // A pasted text may bring a line break along; the export could not write it.
    return !QuestionFileReader::fitsInField(getDEText()) ||
           !QuestionFileReader::fitsInField(getENText()) ||
           !QuestionFileReader::fitsInField(getEEText());
}

void MultiLanguageEdit::setTexts(const QList<QString> &texts)
{
    ui.leDE->setText(texts.value(0));
    ui.leEN->setText(texts.value(1));
    ui.leEE->setText(texts.value(2));
}

void MultiLanguageEdit::clear()
{
    ui.leDE->clear();
    ui.leEN->clear();
    ui.leEE->clear();
}
