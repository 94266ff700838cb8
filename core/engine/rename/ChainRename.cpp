#include "core/engine/rename/ChainRename.h"

#include "core/engine/journal/BatchJournal.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/rename/FolderChains.h"
#include "core/system/FileSystem.h"

#include <algorithm>
#include <vector>

QString changedFileText()
{
    return QStringLiteral("no longer the file the batch renamed");
}

QString blockedByText(const QString &blocker)
{
    return QStringLiteral("The new name is still taken by \"%1\", which could not be renamed.")
        .arg(blocker);
}

namespace {

BatchResult renameInChains(const FileRows &rows, const BatchProgress &progress,
                           const QString &undoes, const BatchStop *stop)
{
    const FileSystem::LongPathScope longPaths; // the folders of a deep tree, reached once each
    BatchResult result;
    std::vector<std::vector<int>> byFolder(rows.folders.size());
    int others = 0;
    for (int i = 0; i < rows.count(); ++i) {
        const FileRow &row = rows.rows[size_t(i)];
        if (row.checked && row.newName == row.loadedName)
            ++result.unchanged;
        if (!row.checked || row.newName == row.loadedName)
            ++others;
        else
            byFolder[row.folder].push_back(i);
    }
    std::vector<FolderChains> plans;
    BatchJournal::ParkedNames parked;
    std::vector<const std::vector<int> *> planRows;
    int cycles = 0;
    for (size_t f = 0; f < byFolder.size(); ++f) {
        if (byFolder[f].empty())
            continue;
        planRows.push_back(&byFolder[f]);
        plans.emplace_back(rows, quint32(f), byFolder[f], !undoes.isEmpty());
        plans.back().plan();
        plans.back().addParkedNames(parked);
        cycles += plans.back().cycleCount();
    }
    std::sort(parked.begin(), parked.end());
    BatchJournal journal;
    if (!journal.begin(rows, result.journalError, parked, undoes)) {
        result.unchanged = 0;
        return result;
    }
    StepCounter steps(progress, rows.count() + cycles);
    for (int i = 0; i < others; ++i)
        steps.step();
    for (size_t p = 0; p < plans.size(); ++p) {
        if (stop && stop->load(std::memory_order_relaxed)) {
            for (const int row : *planRows[p]) {
                ++result.cancelled;
                journal.notAttempted(row);
            }
            continue;
        }
        plans[p].run(steps, journal, result);
    }
    std::sort(result.failures.begin(), result.failures.end(),
              [](const RenameFailure &a, const RenameFailure &b) { return a.row < b.row; });
    journal.finish(result);
    return result;
}

} // namespace

BatchResult renameCheckedFilesInChains(const FileRows &rows, const BatchProgress &progress,
                                       const BatchStop *stop)
{
    return renameInChains(rows, progress, {}, stop);
}

BatchResult renameRowsBack(const FileRows &rows, const QString &undoes,
                           const BatchProgress &progress, const BatchStop *stop)
{
    return renameInChains(rows, progress, undoes, stop);
}
