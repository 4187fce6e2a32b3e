#ifndef LITERALTEXT_H
#define LITERALTEXT_H

#include <QString>

// Catalogue text for widgets that read "&" as a keyboard mnemonic (buttons, group boxes):
// every "&" doubled, so "Science & Nature" shows as written and grabs no shortcut.
class LiteralText
{
public:
    static QString withoutMnemonic(const QString &text);
};

#endif // LITERALTEXT_H
