#pragma once

#include <QString>

// The text steps that follow the rule's other operations. Each keeps the escaped bytes of a
// name that is not UTF-8 (FileNames.h) and every surrogate pair as they are.

enum class CaseStyle
{
    Lower,    // every letter in lower case
    Sentence, // the first letter in title case, every other letter in lower case
    Title,    // the first letter of each word in title case, every other letter in lower case
};

// text with its letters in style. A word begins after any character that is not a letter, a
// digit, a combining mark, an apostrophe (' or U+2019) or an escaped byte: spaces, '_', '-',
// '.', brackets, other punctuation and symbols (emoji included). A digit or a mark at a word's
// start takes that start, so "1st" stays "1st"; an apostrophe leaves it where it was, so
// "'tis don't" becomes "'Tis Don't". The first letter of the text is the sentence's.
QString withCaseStyle(QStringView text, CaseStyle style);

// Spaces (U+0020 only): none before or after the title, none at the end of the name, and a run
// of them anywhere becomes one. A title made of spaces alone is kept as it is, so the step
// never empties a title (" .profile" would otherwise become a hidden file).
void trimSpaces(QString &name);

// The extension (from the last '.') in lower case.
void lowerExtension(QString &name);
