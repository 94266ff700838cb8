#pragma once

#include <QString>

// Spells name in ASCII with ICU's transforms: other scripts in Latin letters, then accents and
// ligatures dropped ("Ærøskøbing" -> "AEroskobing", "Москва" -> "Moskva"). What no transform
// spells in ASCII (emoji, most symbols) is kept as it is, and so are the escaped bytes of a
// name that is not UTF-8 and every '/': the step never loses a part of a name, and a '/' that
// a transform would write (as in "½" -> " 1/2") becomes '-', so a name never gains a folder.
//
// The transforms are built once per process; each thread spells with its own copy, as ICU's
// transliterators are not thread-safe. False, with name unchanged and error saying why, when ICU
// cannot build them (its data is missing).
bool spellInAscii(QString &name, QString *error = nullptr);
