#include "desktop/ui/FailedRenames.h"

#include "core/engine/names/FileRows.h"
#include "core/engine/rename/BatchRename.h"

QList<FailedRename> failedRenamesOf(const FileRows &rows, const BatchResult &result)
{
    QList<FailedRename> failures;
    for (const RenameFailure &failure : result.failures) {
        const FileRow &row = rows.rows[size_t(failure.row)];
        failures.append({row.loadedName, row.newName, rows.location(failure.row), failure.error});
    }
    return failures;
}
