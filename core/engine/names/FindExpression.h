#pragma once

#include <QString>

#include <optional>

struct FindPatternError;
struct RenameParameters;

// Find and replace with the find text as a regular expression (PCRE2 over UTF-16). The
// expression and its replacement are compiled once per parameters and shared by every
// thread; each thread keeps its own match data.
namespace FindExpression {

// The fault of params' find text as an expression, or of its replacement; none when both
// can be used.
std::optional<FindPatternError> error(const RenameParameters &params);

// Replaces the matches in text (every one, or the first with FindFirstOnly). False, with
// text unchanged and why saying so, when the expression is invalid or a match needs more
// work than the limits allow.
bool replace(const RenameParameters &params, QString &text, QString &why);

} // namespace FindExpression
