#include "core/engine/names/FindReplace.h"

#include "core/engine/names/FindExpression.h"

namespace {

// Whether a match of find could begin or end inside a surrogate pair of a name.
bool mayMatchHalfAPair(const QString &find)
{
    return find.front().isLowSurrogate() || find.back().isHighSurrogate();
}

// Replaces each match that starts and ends on character boundaries, from left to right
// (the first one only with FindFirstOnly). Qt's case folding keeps lengths, so a match is
// as long as the find text.
void replaceWholeCharacters(const RenameParameters &p, Qt::CaseSensitivity cs, QString &text)
{
    const QString &find = p.findText;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(find, from, cs);
        if (at < 0)
            return;
        const qsizetype end = at + find.size();
        const bool splitsAPair =
            (at > 0 && text[at].isLowSurrogate() && text[at - 1].isHighSurrogate()) ||
            (end < text.size() && text[end - 1].isHighSurrogate() && text[end].isLowSurrogate());
        if (splitsAPair) {
            from = at + 1;
            continue;
        }
        text.replace(at, find.size(), p.replaceText);
        if (p.findFirstOnly)
            return;
        from = at + p.replaceText.size();
    }
}

void replacePlainText(const RenameParameters &p, QString &text)
{
    const Qt::CaseSensitivity cs = p.findIgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    if (!text.contains(p.findText, cs))
        return;
    if (mayMatchHalfAPair(p.findText) || p.findFirstOnly)
        replaceWholeCharacters(p, cs, text);
    else
        text.replace(p.findText, p.replaceText, cs);
}

} // namespace

QString FindPatternError::text() const
{
    return QStringLiteral("invalid %1 at position %2: %3")
        .arg(inReplacement ? QStringLiteral("replacement") : QStringLiteral("regular expression"))
        .arg(position)
        .arg(message);
}

bool findAndReplaceApplies(const RenameParameters &p)
{
    return p.checkFindAndReplace && !p.findText.isEmpty();
}

std::optional<FindPatternError> findPatternError(const RenameParameters &p)
{
    if (!findAndReplaceApplies(p) || !p.findRegularExpression)
        return std::nullopt;
    return FindExpression::error(p);
}

bool replaceMatches(const RenameParameters &p, QString &text, RuleFailure *failure)
{
    if (!findAndReplaceApplies(p))
        return true;
    if (!p.findRegularExpression) {
        replacePlainText(p, text);
        return true;
    }
    QString why;
    if (FindExpression::replace(p, text, why))
        return true;
    if (failure)
        *failure = RuleFailure{RowProblem::RuleFailed, why};
    return false;
}
