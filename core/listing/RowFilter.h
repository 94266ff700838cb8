#pragma once

#include "core/listing/EnumerateFiles.h"

// Which entries of a walk become rows: files that were looked up, less the hidden and the
// read-only ones the settings leave out. It also notes whether any hidden or read-only file
// was met, for the listing's summary.
struct RowFilter
{
    bool displayHidden = false;
    bool displayReadOnly = false;
    bool hiddenSeen = false;
    bool readOnlySeen = false;

    bool admits(const FoundEntry &entry)
    {
        // An entry that vanished before its look-up, and every folder, never becomes a row.
        if (!entry.statOk || entry.isDirectory())
            return false;
        const bool hidden = entry.isHidden();
        const bool readOnly = entry.isReadOnly();
        hiddenSeen = hiddenSeen || hidden;
        readOnlySeen = readOnlySeen || readOnly;
        return (!hidden || displayHidden) && (!readOnly || displayReadOnly);
    }
};
