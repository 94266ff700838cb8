#pragma once

#include "core/engine/names/FileRows.h"

// The earliest row whose new name equals a later row's, ignoring case, found pair by pair:
// the plain reference for the duplicate check. -1 when there is none.
inline int pairwiseDuplicate(const FileRows &rows)
{
    for (int i = 0; i < rows.count(); ++i)
        for (int j = i + 1; j < rows.count(); ++j)
            if (rows.rows[size_t(i)].newName.compare(rows.rows[size_t(j)].newName,
                                                     Qt::CaseInsensitive) == 0)
                return i;
    return -1;
}
