#include "core/engine/names/TextSteps.h"

#include "core/engine/names/NamePart.h"

#include <algorithm>

namespace {

bool isApostrophe(char32_t c)
{
    return c == U'\'' || c == U'\u2019';
}

// Letters, digits and marks belong to a word; so do escaped bytes, which most often stand for
// letters of a legacy encoding.
bool isWordCharacter(char32_t c)
{
    return QChar::isLetterOrNumber(c) || QChar::isMark(c);
}

// Lower-cases text[from, to) into out. The range never holds a lone surrogate: Qt's mappings
// would turn one into U+FFFD.
void appendLower(QString &out, QStringView text, qsizetype from, qsizetype to)
{
    if (to > from)
        out += text.sliced(from, to - from).toString().toLower();
}

bool isSpaces(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u' '; });
}

// text with each run of spaces made one, and without spaces at its start (when trimStart) and
// at its end.
QString collapsedSpaces(QStringView text, bool trimStart)
{
    QString out;
    out.reserve(text.size());
    bool afterSpace = trimStart;
    for (const QChar c : text) {
        if (c == u' ' && afterSpace)
            continue;
        afterSpace = c == u' ';
        out += c;
    }
    while (out.endsWith(u' '))
        out.chop(1);
    return out;
}

} // namespace

QString withCaseStyle(QStringView text, CaseStyle style)
{
    QString out;
    out.reserve(text.size());
    bool atWordStart = style != CaseStyle::Lower;
    qsizetype pending = 0; // text[pending, i) is still to be written, lower-cased
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar unit = text[i];
        if (unit.isSurrogate() &&
            !(unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())) {
            // An escaped byte (or another lone surrogate) is written as it is, inside a word.
            appendLower(out, text, pending, i);
            out += unit;
            pending = ++i;
            atWordStart = false;
            continue;
        }
        const bool pair = unit.isHighSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(unit, text[i + 1]) : unit.unicode();
        const qsizetype size = pair ? 2 : 1;
        if (isWordCharacter(c)) {
            if (atWordStart && QChar::isLetter(c)) {
                appendLower(out, text, pending, i);
                const char32_t title = QChar::toTitleCase(c);
                out += QString::fromUcs4(&title, 1);
                pending = i + size;
            }
            atWordStart = false;
        } else if (!isApostrophe(c) && style == CaseStyle::Title) {
            atWordStart = true;
        }
        i += size;
    }
    appendLower(out, text, pending, text.size());
    return out;
}

void trimSpaces(QString &name)
{
    const NameSpan title = spanOf(name, NamePart::Title);
    const QStringView view(name);
    const QStringView titleText = view.first(title.size);
    QString trimmed = isSpaces(titleText) ? titleText.toString() : collapsedSpaces(titleText, true);
    trimmed += collapsedSpaces(view.sliced(title.size), false);
    name = trimmed;
}

void lowerExtension(QString &name)
{
    applyToPart(name, NamePart::Extension,
                [](QString &extension) { extension = withCaseStyle(extension, CaseStyle::Lower); });
}
