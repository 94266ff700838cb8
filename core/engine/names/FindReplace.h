#pragma once

#include "core/engine/names/RowProblems.h"
#include "core/engine/settings/RenameParameters.h"

#include <QString>

#include <optional>

// Find and replace over one piece of text (the whole name, or the part of it the rule works
// on): plain text or a regular expression, with or without case, every match or the first.
// Escaped bytes (see FileNames.h) are written back unchanged outside a match, and a match
// never begins or ends inside a surrogate pair.

// Why the find text or the replacement cannot be used as a regular expression.
struct FindPatternError
{
    bool inReplacement = false; // the fault is in the replacement, not in the expression
    qsizetype position = 0;     // characters before the point of the fault
    QString message;

    // "invalid regular expression at position N: MESSAGE" (or "invalid replacement ...").
    QString text() const;
};

// Whether find and replace changes anything with these parameters.
bool findAndReplaceApplies(const RenameParameters &p);

// The fault of the expression and replacement when find and replace applies and they are
// taken as a regular expression; none otherwise.
std::optional<FindPatternError> findPatternError(const RenameParameters &p);

// Replaces the matches of the find text in text. False, with text unchanged and failure
// (when given) saying why, when the expression is invalid or needs too much work on this text.
bool replaceMatches(const RenameParameters &p, QString &text, RuleFailure *failure = nullptr);
