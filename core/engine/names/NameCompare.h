#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

// Names compared as a case-insensitive file system (and the batch's duplicate check) compares
// them: Unicode case folding, code unit by code unit.

// A hash that agrees with QString::compare(..., Qt::CaseInsensitive): two names that compare
// equal have the same length and the same case-folded code units. Surrogates all hash alike,
// since a pair folds as one code point; names that differ there are told apart by compare().
inline quint32 caseFoldedHash(const QString &name)
{
    quint32 h = 2166136261u; // FNV-1a over folded UTF-16 code units
    const auto *units = reinterpret_cast<const char16_t *>(name.utf16());
    for (qsizetype k = 0; k < name.size(); ++k) {
        const char16_t c = units[k];
        char16_t folded;
        if (c < 0x80)
            folded = (c >= u'A' && c <= u'Z') ? char16_t(c | 0x20) : c;
        else if (QChar::isSurrogate(c))
            folded = 0xD800;
        else
            folded = char16_t(QChar::toCaseFolded(char32_t(c)));
        h = (h ^ folded) * 16777619u;
    }
    return h ^ quint32(name.size());
}

inline bool sameIgnoringCase(const QString &a, const QString &b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}
