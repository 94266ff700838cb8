#include "core/engine/names/FileRows.h"

#include <algorithm>

int FileRows::checkedCount() const
{
    return int(std::count_if(rows.begin(), rows.end(), [](const FileRow &r) { return r.checked; }));
}
