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

void MultiLanguageEdit::clear()
{
    ui.leDE->clear();
    ui.leEN->clear();
    ui.leEE->clear();
}
