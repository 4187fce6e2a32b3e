#include "banktext.h"

#include <QHash>
#include <QSet>
#include <QVector>

namespace {
// A part of a text: common to every language, or one language's part of a group of
// neighbouring multilang parts.
struct Part
{
    enum Kind
    {
        Common = -1,
        OtherLanguage = BankText::LanguageCount,
        Fallback // lang "other" of the {mlang} form
    };
    int kind;
    int group;
    QString text;
};

bool startsWithAt(const QString &text, int at, QLatin1String what)
{
    return text.midRef(at, what.size()).compare(what, Qt::CaseInsensitive) == 0;
}

bool isNameChar(const QString &text, int at)
{
    return at < text.size() && (text.at(at).isLetterOrNumber() || text.at(at) == QLatin1Char('-'));
}

int languageOf(const QString &code)
{
    QString base = code.trimmed().toLower();
    const int cut = base.indexOf(QLatin1Char('_'));
    if (cut >= 0)
        base.truncate(cut);
    const int dash = base.indexOf(QLatin1Char('-'));
    if (dash >= 0)
        base.truncate(dash);
    if (base == QLatin1String("de"))
        return BankText::German;
    if (base == QLatin1String("en"))
        return BankText::English;
    if (base == QLatin1String("et") || base == QLatin1String("ee"))
        return BankText::Estonian;
    if (base == QLatin1String("other"))
        return Part::Fallback;
    return Part::OtherLanguage;
}

// The value of the attribute name="..." (or '...') in a tag; null when it has none.
QString attribute(const QString &tag, QLatin1String name)
{
    int from = 0;
    while (true) {
        const int at = tag.indexOf(name, from, Qt::CaseInsensitive);
        if (at < 0)
            return QString();
        from = at + name.size();
        if (at > 0 && !tag.at(at - 1).isSpace())
            continue;
        int i = from;
        while (i < tag.size() && tag.at(i).isSpace())
            ++i;
        if (i >= tag.size() || tag.at(i) != QLatin1Char('='))
            continue;
        ++i;
        while (i < tag.size() && tag.at(i).isSpace())
            ++i;
        if (i >= tag.size() || (tag.at(i) != QLatin1Char('"') && tag.at(i) != QLatin1Char('\'')))
            continue;
        const int end = tag.indexOf(tag.at(i), i + 1);
        if (end < 0)
            return QString();
        return tag.mid(i + 1, end - i - 1);
    }
}

// The language of a <span ...> opening tag, or -2 when it is no multilang span.
int multilangSpan(const QString &tag)
{
    const QString classes = attribute(tag, QLatin1String("class"));
    if (!classes.split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(QLatin1String("multilang")))
        return -2;
    const QString code = attribute(tag, QLatin1String("lang"));
    return code.isNull() ? -2 : languageOf(code);
}

// Splits the text into common and multilang parts.
QVector<Part> parts(const QString &text)
{
    QVector<Part> result;
    const int size = text.size();
    int commonStart = 0;
    int lastPartEnd = -1;
    int group = -1;
    bool tagsPossible = true;
    bool mlangPossible = true;
    // Adds one language's part, in the group of the part before it when nothing but
    // blanks lies between them.
    const auto addPart = [&](int start, int kind, const QString &content, int end) {
        const QStringRef between = text.midRef(commonStart, start - commonStart);
        if (lastPartEnd != commonStart || !between.trimmed().isEmpty()) {
            if (!between.isEmpty())
                result << Part{Part::Common, -1, between.toString()};
            ++group;
        }
        result << Part{kind, group, content};
        commonStart = end;
        lastPartEnd = end;
    };
    int i = 0;
    while (i < size) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('<') && tagsPossible && startsWithAt(text, i, QLatin1String("<span")) &&
            !isNameChar(text, i + 5)) {
            const int tagEnd = text.indexOf(QLatin1Char('>'), i);
            if (tagEnd < 0) {
                tagsPossible = false;
                ++i;
                continue;
            }
            const int kind = multilangSpan(text.mid(i, tagEnd - i + 1));
            if (kind == -2) {
                i = tagEnd + 1;
                continue;
            }
            // The content runs to the matching </span>; spans inside it are counted, not
            // descended into.
            int depth = 1;
            int j = tagEnd + 1;
            int contentEnd = size;
            int after = size;
            while (j < size) {
                const int k = text.indexOf(QLatin1Char('<'), j);
                if (k < 0)
                    break;
                if (startsWithAt(text, k, QLatin1String("</span")) && !isNameChar(text, k + 6)) {
                    if (--depth == 0) {
                        contentEnd = k;
                        const int close = text.indexOf(QLatin1Char('>'), k);
                        after = close < 0 ? size : close + 1;
                        break;
                    }
                } else if (startsWithAt(text, k, QLatin1String("<span")) &&
                           !isNameChar(text, k + 5)) {
                    ++depth;
                }
                j = k + 1;
            }
            addPart(i, kind, text.mid(tagEnd + 1, contentEnd - tagEnd - 1), after);
            i = after;
            continue;
        }
        if (c == QLatin1Char('{') && mlangPossible && startsWithAt(text, i, QLatin1String("{mlang "))) {
            const int codeEnd = text.indexOf(QLatin1Char('}'), i);
            if (codeEnd < 0) {
                mlangPossible = false;
                ++i;
                continue;
            }
            const int kind = languageOf(text.mid(i + 7, codeEnd - i - 7));
            const int close = text.indexOf(QLatin1String("{mlang}"), codeEnd + 1, Qt::CaseInsensitive);
            const int contentEnd = close < 0 ? size : close;
            const int after = close < 0 ? size : close + 7;
            addPart(i, kind, text.mid(codeEnd + 1, contentEnd - codeEnd - 1), after);
            i = after;
            continue;
        }
        ++i;
    }
    if (commonStart < size)
        result << Part{Part::Common, -1, text.mid(commonStart)};
    return result;
}

struct Entity
{
    const char *name;
    ushort code;
};

// Named entities met in teachers' texts; an unknown one stays as written.
const Entity entities[] = {
    {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},
    {"apos", '\''},    {"nbsp", 0xA0},    {"auml", 0xE4},    {"ouml", 0xF6},
    {"uuml", 0xFC},    {"Auml", 0xC4},    {"Ouml", 0xD6},    {"Uuml", 0xDC},
    {"szlig", 0xDF},   {"otilde", 0xF5},  {"Otilde", 0xD5},  {"scaron", 0x161},
    {"Scaron", 0x160}, {"zcaron", 0x17E}, {"Zcaron", 0x17D}, {"eacute", 0xE9},
    {"egrave", 0xE8},  {"aacute", 0xE1},  {"agrave", 0xE0},  {"ccedil", 0xE7},
    {"copy", 0xA9},    {"reg", 0xAE},     {"deg", 0xB0},     {"plusmn", 0xB1},
    {"times", 0xD7},   {"divide", 0xF7},  {"middot", 0xB7},  {"laquo", 0xAB},
    {"raquo", 0xBB},   {"ndash", 0x2013}, {"mdash", 0x2014}, {"lsquo", 0x2018},
    {"rsquo", 0x2019}, {"sbquo", 0x201A}, {"ldquo", 0x201C}, {"rdquo", 0x201D},
    {"bdquo", 0x201E}, {"hellip", 0x2026}, {"euro", 0x20AC}, {"sup2", 0xB2},
    {"sup3", 0xB3},    {"frac12", 0xBD},  {"micro", 0xB5},   {"para", 0xB6},
    {"sect", 0xA7},    {"le", 0x2264},    {"ge", 0x2265},    {"ne", 0x2260},
    {"minus", 0x2212}, {"rarr", 0x2192},  {"larr", 0x2190},  {"pi", 0x3C0},
};

// Decodes the entity at text[at] ("&...;") into out; the characters it took, 0 when it
// is none.
int decodeEntity(const QString &text, int at, QString *out)
{
    const int end = text.indexOf(QLatin1Char(';'), at + 1);
    if (end < 0 || end - at > 12)
        return 0;
    const QString name = text.mid(at + 1, end - at - 1);
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const uint code = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive)
                              ? name.midRef(2).toUInt(&ok, 16)
                              : name.midRef(1).toUInt(&ok, 10);
        if (!ok || code > 0x10FFFF || QChar::isSurrogate(code))
            return 0;
        if (QChar::requiresSurrogates(code)) {
            *out += QChar(QChar::highSurrogate(code));
            *out += QChar(QChar::lowSurrogate(code));
        } else {
            *out += QChar(ushort(code));
        }
        return end - at + 1;
    }
    static const QHash<QString, ushort> byName = [] {
        QHash<QString, ushort> map;
        for (const Entity &entity : entities)
            map.insert(QLatin1String(entity.name), entity.code);
        return map;
    }();
    const auto found = byName.constFind(name);
    if (found == byName.constEnd())
        return 0;
    *out += QChar(found.value());
    return end - at + 1;
}

bool isBlockTag(const QString &name)
{
    static const QStringList blocks = {
        QStringLiteral("p"),  QStringLiteral("br"),    QStringLiteral("div"),
        QStringLiteral("li"), QStringLiteral("ul"),    QStringLiteral("ol"),
        QStringLiteral("tr"), QStringLiteral("table"), QStringLiteral("blockquote"),
        QStringLiteral("hr"), QStringLiteral("pre"),   QStringLiteral("h1"),
        QStringLiteral("h2"), QStringLiteral("h3"),    QStringLiteral("h4"),
        QStringLiteral("h5"), QStringLiteral("h6"),    QStringLiteral("dt"),
        QStringLiteral("dd")};
    return blocks.contains(name);
}

// The file name an <img> tag shows: its src without the path, else its alt.
QString imageName(const QString &tag)
{
    const QString source = attribute(tag, QLatin1String("src"));
    if (!source.isEmpty() && !source.startsWith(QLatin1String("data:")))
        return source.section(QLatin1Char('/'), -1);
    const QString text = attribute(tag, QLatin1String("alt"));
    return text.isEmpty() ? QStringLiteral("?") : text;
}
} // namespace

QStringList BankText::languages(const QString &text, bool html, bool *several, QStringList *images)
{
    const QVector<Part> all = parts(text);
    // Per group, the part each language takes, and those it falls back on.
    struct Choice
    {
        int language[LanguageCount] = {-1, -1, -1};
        int fallback = -1;
        int first = -1;
    };
    QVector<Choice> chosen;
    bool has[LanguageCount] = {false, false, false};
    for (int p = 0; p < all.size(); ++p) {
        const Part &part = all.at(p);
        if (part.kind == Part::Common)
            continue;
        if (part.group >= chosen.size())
            chosen.append(Choice{});
        Choice &choice = chosen[part.group];
        if (choice.first < 0)
            choice.first = p;
        if (part.kind < LanguageCount) {
            has[part.kind] = true;
            if (choice.language[part.kind] < 0)
                choice.language[part.kind] = p;
        } else if (part.kind == Part::Fallback && choice.fallback < 0) {
            choice.fallback = p;
        }
    }
    for (Choice &choice : chosen) {
        const int english = choice.language[English];
        const int stand =
            choice.fallback >= 0 ? choice.fallback : english >= 0 ? english : choice.first;
        for (int &language : choice.language) {
            if (language < 0)
                language = stand;
        }
    }
    *several = int(has[German]) + int(has[English]) + int(has[Estonian]) >= 2;
    QStringList result;
    QSet<QString> seen(images->begin(), images->end());
    for (int language = 0; language < LanguageCount; ++language) {
        QString raw;
        for (int p = 0; p < all.size(); ++p) {
            const Part &part = all.at(p);
            if (part.kind == Part::Common || chosen.at(part.group).language[language] == p)
                raw += part.text;
        }
        if (!html) {
            result << raw;
            continue;
        }
        QStringList found;
        result << plainFromHtml(raw, &found);
        for (const QString &name : qAsConst(found)) {
            if (!seen.contains(name)) {
                seen.insert(name);
                *images << name;
            }
        }
    }
    return result;
}

QString BankText::plainFromHtml(const QString &html, QStringList *images)
{
    QString out;
    out.reserve(html.size());
    const int size = html.size();
    bool tagsPossible = true;
    int i = 0;
    while (i < size) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('<') && tagsPossible && i + 1 < size &&
            (html.at(i + 1).isLetter() || html.at(i + 1) == QLatin1Char('/') ||
             html.at(i + 1) == QLatin1Char('!'))) {
            if (startsWithAt(html, i, QLatin1String("<!--"))) {
                const int end = html.indexOf(QLatin1String("-->"), i + 4);
                i = end < 0 ? size : end + 3;
                continue;
            }
            const int end = html.indexOf(QLatin1Char('>'), i);
            if (end < 0) {
                tagsPossible = false;
                out += c;
                ++i;
                continue;
            }
            const bool closing = html.at(i + 1) == QLatin1Char('/');
            int nameEnd = i + (closing ? 2 : 1);
            while (nameEnd < end && html.at(nameEnd).isLetterOrNumber())
                ++nameEnd;
            const QString name = html.mid(i + (closing ? 2 : 1), nameEnd - i - (closing ? 2 : 1)).toLower();
            if (isBlockTag(name))
                out += QLatin1Char('\n');
            if (!closing && name == QLatin1String("img"))
                *images << imageName(html.mid(i, end - i + 1));
            if (!closing && (name == QLatin1String("script") || name == QLatin1String("style"))) {
                const int close = html.indexOf(QLatin1String("</") + name, end, Qt::CaseInsensitive);
                const int closeEnd = close < 0 ? -1 : html.indexOf(QLatin1Char('>'), close);
                i = closeEnd < 0 ? size : closeEnd + 1;
                continue;
            }
            i = end + 1;
            continue;
        }
        if (c == QLatin1Char('&')) {
            const int taken = decodeEntity(html, i, &out);
            if (taken > 0) {
                i += taken;
                continue;
            }
        }
        out += c;
        ++i;
    }
    return out;
}

QString BankText::fit(const QString &text, bool *changed)
{
    QString out;
    out.reserve(text.size());
    const int size = text.size();
    int i = 0;
    while (i < size && text.at(i) == QChar(QChar::ByteOrderMark))
        ++i;
    const int start = i;
    while (i < size) {
        const QChar c = text.at(i);
        if (c.isSpace()) {
            int j = i;
            bool lineBreak = false;
            while (j < size && text.at(j).isSpace()) {
                lineBreak = lineBreak || text.at(j) == QLatin1Char('\n') || text.at(j) == QLatin1Char('\r');
                ++j;
            }
            if (!lineBreak) {
                out += text.midRef(i, j - i);
            } else if (i > start && j < size) {
                out += QLatin1Char(' ');
                *changed = true;
            }
            i = j;
            continue;
        }
        if (c == QLatin1Char(';')) {
            out += QLatin1Char(',');
            *changed = true;
        } else {
            out += c;
        }
        ++i;
    }
    return out;
}

QString BankText::lastSegment(const QString &path)
{
    QStringList segments;
    QString segment;
    for (int i = 0; i < path.size(); ++i) {
        if (path.at(i) != QLatin1Char('/')) {
            segment += path.at(i);
        } else if (i + 1 < path.size() && path.at(i + 1) == QLatin1Char('/')) {
            segment += QLatin1Char('/');
            ++i;
        } else {
            segments << segment;
            segment.clear();
        }
    }
    segments << segment;
    for (int i = segments.size() - 1; i >= 0; --i) {
        if (!segments.at(i).trimmed().isEmpty())
            return segments.at(i).trimmed();
    }
    return QString();
}

QString BankText::pathSegment(const QString &name)
{
    return QString(name).replace(QLatin1Char('/'), QLatin1String("//"));
}

QString BankText::escapeHtml(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (c == QLatin1Char('&'))
            out += QLatin1String("&amp;");
        else if (c == QLatin1Char('<'))
            out += QLatin1String("&lt;");
        else if (c == QLatin1Char('>'))
            out += QLatin1String("&gt;");
        else if (c == QLatin1Char('"'))
            out += QLatin1String("&quot;");
        else if (c == QLatin1Char('{') || c == QLatin1Char('}') ||
                 (u < 0x20 && u != '\t') || u == 0xFFFE || u == 0xFFFF)
            out += QStringLiteral("&#%1;").arg(u);
        else
            out += c;
    }
    return out;
}

QString BankText::multilang(const QStringList &texts)
{
    static const char *const codes[LanguageCount] = {"de", "en", "et"};
    QString out;
    for (int language = 0; language < LanguageCount; ++language)
        out += QStringLiteral("<span lang=\"%1\" class=\"multilang\">%2</span>")
                   .arg(QLatin1String(codes[language]), escapeHtml(texts.value(language)));
    return out;
}
