#include "literaltext.h"

QString LiteralText::withoutMnemonic(const QString &text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
}
