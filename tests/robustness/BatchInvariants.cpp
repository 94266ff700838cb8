#include "tests/robustness/BatchInvariants.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/rename/RenameOperation.h"
#include "fuzz/PairwiseDuplicate.h"

#include <map>

namespace {

constexpr qsizetype kNameMax = 255; // bytes in one name on Linux file systems

BatchOutcome expectedOutcome(const BatchObservation &seen)
{
    if (seen.rows.count() == 0)
        return BatchOutcome::RefusedEmpty;
    if (!seen.subFolderListing && pairwiseDuplicate(seen.rows) >= 0)
        return BatchOutcome::RefusedDuplicates;
    if (seen.rows.checkedCount() == 0)
        return BatchOutcome::RefusedNoChecked;
    return seen.answeredYes ? BatchOutcome::Ran : BatchOutcome::Declined;
}

// A failed rename must have a cause that the folder or the name explains.
bool failureExplained(const FileRow &row, const FolderSnapshot::Entries &state,
                      const QByteArray &oldPath, const QByteArray &newPath)
{
    return !refusedNameReason(row.newName).isEmpty() ||
           encodeFileName(row.newName).size() > kNameMax || !state.count(oldPath) ||
           state.count(newPath) || oldPath == newPath;
}

} // namespace

// The rule may change characters but never lose them: no byte of the loaded name turns into
// U+FFFD, and no character is cut into half a surrogate pair.
QString lostBytes(const FileRow &row)
{
    QByteArray bytes;
    if (!encodeFileName(row.newName, bytes))
        return QStringLiteral("the new name holds half a character");
    const QByteArray replacement("\xef\xbf\xbd");
    if (bytes.contains(replacement) && !row.nameBytes().contains(replacement))
        return QStringLiteral("the new name holds U+FFFD that the loaded name did not");
    return {};
}

QString checkBatch(const BatchObservation &seen, BatchTally &tally)
{
    for (const auto &entry : seen.before.entries())
        if (!FolderSnapshot::isFolderMarker(entry.second))
            ++tally.files;

    const BatchOutcome expected = expectedOutcome(seen);
    if (seen.outcome != expected)
        return QStringLiteral("outcome %1, expected %2").arg(int(seen.outcome)).arg(int(expected));
    if (seen.outcome != BatchOutcome::Ran) {
        const QString diff = seen.before.differenceTo(seen.after);
        return diff.isEmpty() ? QString() : QStringLiteral("refused batch changed: ") + diff;
    }

    const BatchResult &r = seen.result;
    const int checked = seen.rows.checkedCount();
    if (r.renamed + r.unchanged + int(r.failures.size()) != checked)
        return QStringLiteral("renamed %1 + unchanged %2 + failed %3 != checked %4")
            .arg(r.renamed)
            .arg(r.unchanged)
            .arg(r.failures.size())
            .arg(checked);
    std::map<int, QString> failed;
    for (const RenameFailure &f : r.failures) {
        if (f.row < 0 || f.row >= seen.rows.count() || !seen.rows.rows[size_t(f.row)].checked)
            return QStringLiteral("failure names row %1, not a checked row").arg(f.row);
        if (!failed.emplace(f.row, f.error).second)
            return QStringLiteral("row %1 failed twice").arg(f.row);
        if (f.error.isEmpty())
            return QStringLiteral("row %1 failed without a text").arg(f.row);
    }

    const qsizetype prefix = seen.listedRoot.size() + 1;
    FolderSnapshot::Entries state = seen.before.entries();
    int moves = 0;
    for (int i = 0; i < seen.rows.count(); ++i) {
        const FileRow &row = seen.rows.rows[size_t(i)];
        if (!row.checked)
            continue;
        const QByteArray folder = seen.rows.folders[row.folder].rawPath.mid(prefix);
        const QByteArray oldPath = folder + row.nameBytes();
        const QByteArray newPath = folder + encodeFileName(row.newName);
        const QString where = QStringLiteral("row %1 (%2 -> %3): ")
                                  .arg(i)
                                  .arg(printablePath(oldPath), printablePath(newPath));
        if (QByteArray bytes; !encodeFileName(row.newName, bytes))
            return where + QStringLiteral("the new name holds half a character");
        if (failed.count(i)) {
            if (!failureExplained(row, state, oldPath, newPath))
                return where + QStringLiteral("failed without a cause: ") + failed[i];
            continue;
        }
        if (oldPath == newPath)
            continue;
        // A name shown unchanged may stay under its exact bytes even when they are not the
        // UTF-8 form of the shown name.
        if (row.newName == row.loadedName) {
            const auto kept = seen.after.entries().find(oldPath);
            if (!state.count(oldPath) ||
                (kept != seen.after.entries().end() && kept->second == state[oldPath]))
                continue;
        }
        if (!state.count(oldPath))
            return where + QStringLiteral("reported renamed, but no file was there");
        if (state.count(newPath))
            return where + QStringLiteral("reported renamed onto an existing entry");
        if (!refusedNameReason(row.newName).isEmpty())
            return where + QStringLiteral("a refused name was used");
        state[newPath] = state[oldPath];
        state.erase(oldPath);
        ++moves;
    }
    if (r.renamed != moves)
        return QStringLiteral("renamed %1, but %2 files moved").arg(r.renamed).arg(moves);

    FolderSnapshot replayed;
    replayed.entries() = state;
    const QString diff = replayed.differenceTo(seen.after);
    if (!diff.isEmpty())
        return QStringLiteral("folder after the batch differs from the replay: ") + diff;
    tally.renamed += r.renamed;
    tally.failed += int(r.failures.size());
    return {};
}
