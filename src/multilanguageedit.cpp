#include "multilanguageedit.h"

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
    const QChar separator = QLatin1Char(';');
    return getDEText().contains(separator) || getENText().contains(separator) ||
           getEEText().contains(separator);
}

void MultiLanguageEdit::clear()
{
    ui.leDE->clear();
    ui.leEN->clear();
    ui.leEE->clear();
}
