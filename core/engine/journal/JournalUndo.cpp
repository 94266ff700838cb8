#include "core/engine/journal/JournalUndo.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/rename/BatchRename.h"
#include "core/engine/rename/ChainRename.h"
#include "core/engine/rename/RenameOperation.h"

#include <QHash>

#include "core/system/FileSystem.h"

#include <cerrno>

namespace {

enum class Look
{
    Same,    // the file the row names
    Other,   // another file (or folder, or link)
    Missing, // nothing
    Unknown, // the look-up failed: the name may hold anything
};

// What a failed look-up says: nothing there, or nothing known.
Look lookFailed(int error)
{
    return error == ENOENT || error == ENOTDIR ? Look::Missing : Look::Unknown;
}

Look look(const QByteArray &path, const JournalRow &row, int *why = nullptr)
{
    FileSystem::FileStatus st;
    if (const int error = FileSystem::statusAt(FileSystem::kCurrentFolder, path.constData(), st)) {
        if (why && lookFailed(error) == Look::Unknown)
            *why = error;
        return lookFailed(error);
    }
    // A row whose file could not be looked at when the plan was written matches nothing.
    const bool same =
        (row.device != 0 || row.inode != 0) && st.device == row.device && st.inode == row.inode;
    return same ? Look::Same : Look::Other;
}

// Which rows the batch recorded as failed (rows it was stopped before among them), by row
// index: a batch cancelled early has nearly every row here, so they are marked once rather
// than searched for each row.
std::vector<bool> failedRowsOf(const JournalEntry &entry)
{
    std::vector<bool> failed(entry.rows.size(), false);
    if (entry.outcome)
        for (const JournalFailure &failure : entry.outcome->failures)
            if (failure.row < failed.size())
                failed[failure.row] = true;
    return failed;
}

QString shown(const QByteArray &path)
{
    return decodeFileName(path);
}

// The rows of a reverse plan as a batch renames them: one folder per journal folder and
// device, each row checked, from its old name to its new name.
FileRows rowsOf(const JournalEntry &reverse)
{
    FileRows rows;
    QHash<std::pair<quint32, quint64>, quint32> folderOf;
    for (const JournalRow &row : reverse.rows) {
        const std::pair<quint32, quint64> key{row.folder, row.device};
        auto found = folderOf.constFind(key);
        if (found == folderOf.cend()) {
            const QByteArray &path = reverse.folders[row.folder];
            rows.folders.push_back({decodeFileName(path), path, row.device});
            found = folderOf.insert(key, quint32(rows.folders.size() - 1));
        }
        FileRow &added = rows.rows.emplace_back();
        added.loadedName = decodeFileName(row.oldName);
        added.newName = decodeFileName(row.newName);
        added.folder = *found;
        added.inode = row.inode;
    }
    return rows;
}

// why: the error of a look-up that failed, when the row is Unknown.
RowState classifyInFolder(const JournalEntry &entry, const JournalRow &row, bool folderInPlace,
                          int *why = nullptr)
{
    // A folder that is not the batch's may hold links to its files: nothing there is its.
    if (!folderInPlace)
        return RowState::Changed;
    int error = 0;
    if (look(entry.path(row, row.newName), row, &error) == Look::Same)
        return RowState::Done;
    if (look(entry.path(row, row.oldName), row, &error) == Look::Same)
        return RowState::NotDone;
    if (!row.parkedName.isEmpty() &&
        look(entry.path(row, row.parkedName), row, &error) == Look::Same)
        return RowState::Parked;
    // Gone only when every name could be looked at: a name that could not may still hold it.
    if (error != 0) {
        if (why)
            *why = error;
        return RowState::Unknown;
    }
    return RowState::Changed;
}

QString unknownText(int error)
{
    return QStringLiteral("it could not be looked at (%1)").arg(systemErrorText(error));
}

QString folderMovedText()
{
    return QStringLiteral("its folder is no longer the one the batch renamed in");
}

// Whether each folder of the entry is still the one the batch renamed in: 0 when it is, the
// error when its path could not be looked at other than for being gone, -1 otherwise.
std::vector<int> folderChecks(const JournalEntry &entry)
{
    const FileSystem::LongPathScope longPaths; // the folders of a deep tree, reached once each
    std::vector<int> checks(entry.folders.size(), 0);
    for (size_t i = 0; i < entry.folderIdentities.size() && i < checks.size(); ++i) {
        const FolderIdentity &recorded = entry.folderIdentities[i];
        FileSystem::FileStatus st;
        const int error =
            FileSystem::statusAt(FileSystem::kCurrentFolder, entry.folders[i].constData(), st,
                                 FileSystem::Links::Followed);
        const bool same = (recorded.device != 0 || recorded.inode != 0) && error == 0 &&
                          st.device == recorded.device && st.inode == recorded.inode;
        checks[i] = same ? 0 : (error != 0 && lookFailed(error) == Look::Unknown ? error : -1);
    }
    return checks;
}

QString folderUnknownText(int error)
{
    return QStringLiteral("its folder could not be looked at (%1)").arg(systemErrorText(error));
}

} // namespace

std::vector<bool> foldersInPlace(const JournalEntry &entry)
{
    const std::vector<int> checks = folderChecks(entry);
    std::vector<bool> inPlace(checks.size());
    for (size_t i = 0; i < checks.size(); ++i)
        inPlace[i] = checks[i] == 0;
    return inPlace;
}

RowState classifyRow(const JournalEntry &entry, const JournalRow &row)
{
    const FileSystem::LongPathScope longPaths; // the folders of a deep tree, reached once each
    const std::vector<bool> inPlace = foldersInPlace(entry);
    return classifyInFolder(entry, row, inPlace[row.folder]);
}

RowCounts classifyEntry(const JournalEntry &entry)
{
    const FileSystem::LongPathScope longPaths; // the folders of a deep tree, reached once each
    RowCounts counts;
    const std::vector<bool> inPlace = foldersInPlace(entry);
    for (const JournalRow &row : entry.rows) {
        switch (classifyInFolder(entry, row, inPlace[row.folder])) {
        case RowState::Done:
        case RowState::Parked:
            ++counts.done;
            break;
        case RowState::NotDone:
            ++counts.notDone;
            break;
        case RowState::Changed:
        case RowState::Unknown:
            ++counts.changed;
            break;
        }
    }
    return counts;
}

namespace {

// Where an interrupted undo left files at its own temporary names: by device and inode, the
// folder and the name.
using ParkedFiles = QHash<std::pair<quint64, quint64>, std::pair<QByteArray, QByteArray>>;

ParkedFiles parkedFilesOf(const JournalEntry &undo)
{
    const FileSystem::LongPathScope longPaths; // the folders of a deep tree, reached once each
    ParkedFiles parked;
    const std::vector<bool> inPlace = foldersInPlace(undo);
    for (const JournalRow &row : undo.rows)
        if (classifyInFolder(undo, row, inPlace[row.folder]) == RowState::Parked)
            parked.insert({row.device, row.inode}, {undo.folders[row.folder], row.parkedName});
    return parked;
}

// The entry is moved into the plan: a copy of a million rows would cost as much as reading
// them.
UndoPlan planUndoResuming(JournalEntry entry, const ParkedFiles &parkedByUndo)
{
    const FileSystem::LongPathScope longPaths; // the folders of a deep tree, reached once each
    UndoPlan plan;
    plan.original = std::move(entry);
    const JournalEntry &original = plan.original;
    plan.reverse.kind = JournalKind::Undo;
    plan.reverse.undoes = original.id;
    plan.reverse.folders = original.folders;
    const std::vector<bool> failed = failedRowsOf(original);
    const std::vector<int> folders = folderChecks(original);
    for (size_t k = original.rows.size(); k-- > 0;) {
        const JournalRow &row = original.rows[k];
        if (const int check = folders[row.folder]; check != 0) {
            if (!failed[k])
                plan.leftAlone.push_back(
                    {original.path(row, row.newName),
                     check > 0 ? folderUnknownText(check) : folderMovedText()});
            else
                ++plan.notDone;
            continue;
        }
        // A failed row's file is at its old name, unless a cycle could not be moved back.
        const bool parkedFailure = failed[k] && !row.parkedName.isEmpty() &&
                                   classifyInFolder(original, row, true) == RowState::Parked;
        if (failed[k] && !parkedFailure) {
            ++plan.notDone;
            continue;
        }
        int why = 0;
        const RowState state =
            parkedFailure ? RowState::Parked : classifyInFolder(original, row, true, &why);
        switch (state) {
        case RowState::Unknown:
            // Not lost: the batch stays undoable, and a later undo tries it again.
            plan.leftAlone.push_back({original.path(row, row.newName), unknownText(why)});
            continue;
        case RowState::NotDone:
            ++plan.notDone;
            continue;
        case RowState::Changed: {
            const auto parked = parkedByUndo.constFind({row.device, row.inode});
            if (parked != parkedByUndo.cend() && parked->first == original.folders[row.folder]) {
                plan.reverse.rows.push_back(
                    {row.folder, row.device, row.inode, parked->second, row.oldName, {}});
                continue;
            }
            plan.leftAlone.push_back({original.path(row, row.newName), changedFileText()});
            ++plan.lost;
            continue;
        }
        case RowState::Parked:
            plan.reverse.rows.push_back(
                {row.folder, row.device, row.inode, row.parkedName, row.oldName, {}});
            continue;
        case RowState::Done:
            break;
        }
        plan.reverse.rows.push_back(
            {row.folder, row.device, row.inode, row.newName, row.oldName, {}});
    }
    return plan;
}

std::optional<JournalEntry> readIdle(const QString &id, QString &error)
{
    bool running = false;
    std::optional<JournalEntry> entry = JournalStore::read(id, error, &running);
    if (entry && running) {
        error = QStringLiteral("The batch %1 is still running.").arg(id);
        return std::nullopt;
    }
    return entry;
}

} // namespace

UndoPlan planUndo(JournalEntry original)
{
    return planUndoResuming(std::move(original), {});
}

UndoResult runUndo(const UndoPlan &plan, const BatchProgress &progress, const BatchStop *stop)
{
    UndoResult result;
    result.leftAlone = plan.leftAlone;
    QString error;
    if (plan.reverse.rows.empty()) {
        // Nothing to rename back; an interrupted entry is ended all the same, so that it is
        // not offered again.
        if (plan.original.interrupted() &&
            !JournalStore::appendEnding(plan.original.id, JournalFormat::keptText(), error))
            result.error = error;
        if (!plan.alsoEnd.isEmpty() &&
            !JournalStore::appendEnding(plan.alsoEnd, JournalFormat::keptText(), error))
            result.error = error;
        return result;
    }
    const FileRows rows = rowsOf(plan.reverse);
    const BatchResult ran = renameRowsBack(rows, plan.original.id, progress, stop);
    if (ran.journalId.isEmpty()) {
        result.error = ran.journalError;
        return result;
    }
    result.undoId = ran.journalId;
    result.restored = ran.renamed;
    result.stopped = ran.cancelled > 0;
    for (const RenameFailure &failure : ran.failures) {
        const QByteArray from = rows.fullPathBytes(failure.row);
        const QByteArray to = rows.folders[rows.rows[size_t(failure.row)].folder].rawPath +
                              encodeFileName(rows.rows[size_t(failure.row)].newName);
        result.leftAlone.push_back(
            {from, failure.error == systemErrorText(EEXIST)
                       ? QStringLiteral("its old name %1 is taken by another file").arg(shown(to))
                       : failure.error});
    }
    if (!ran.journalError.isEmpty())
        result.error = ran.journalError;
    // The original counts as undone only when every file came back (but those someone else
    // moved, replaced or removed, which no undo can bring back): otherwise it stays undoable,
    // so that an undo by its id tries the files left again. A stopped undo has not taken the
    // whole batch back either. Its ending is recorded once; an undo run again on an ended
    // entry only renames.
    if (!result.stopped && result.leftAlone.size() == size_t(plan.lost) && !plan.original.ended() &&
        !JournalStore::appendEnding(plan.original.id, JournalFormat::undoneText(result.undoId),
                                    error))
        result.error = error;
    if (!plan.alsoEnd.isEmpty() &&
        !JournalStore::appendEnding(plan.alsoEnd, JournalFormat::keptText(), error))
        result.error = error;
    return result;
}

std::optional<UndoPlan> planUndoOf(const QString &id, QString &error)
{
    const std::optional<JournalEntry> entry = readIdle(id, error);
    if (!entry)
        return std::nullopt;
    return planUndo(std::move(*entry));
}

std::optional<UndoPlan> planDefaultUndo(QString &error)
{
    // Entries are read one at a time, newest first, and ended ones not at all: a plan may
    // hold a million rows.
    const std::vector<QString> ids = JournalStore::ids(error);
    if (!error.isEmpty())
        return std::nullopt;
    QStringList refused;
    PassedOverBatch renamedNothing;
    for (const QString &id : ids) {
        const JournalStore::Tail tail = JournalStore::readTail(id);
        if (tail.ended || tail.running)
            continue;
        QString why;
        bool running = false;
        std::optional<JournalEntry> read = JournalStore::read(id, why, &running);
        if (!read && !running)
            refused.append(why);
        if (!read || running || read->ended())
            continue;
        JournalEntry &entry = *read;
        if (entry.kind == JournalKind::Undo && entry.interrupted()) {
            // Resumed: files the interrupted undo left at its temporary names go back too.
            std::optional<JournalEntry> original = readIdle(entry.undoes, error);
            if (!original)
                return std::nullopt;
            UndoPlan plan = planUndoResuming(std::move(*original), parkedFilesOf(entry));
            plan.alsoEnd = entry.id;
            plan.renamedNothing = renamedNothing;
            plan.refused = refused;
            return plan;
        }
        // A batch that renamed nothing (every rename failed) has nothing to take back;
        // stopping at it would hide the older batches behind it.
        UndoPlan plan = planUndo(std::move(entry));
        if (plan.reverse.rows.empty() && plan.leftAlone.empty()) {
            if (renamedNothing.id.isEmpty())
                renamedNothing = {plan.original.id, plan.original.time,
                                  plan.original.commonFolder()};
            continue;
        }
        plan.renamedNothing = renamedNothing;
        plan.refused = refused;
        return plan;
    }
    refused.prepend(QStringLiteral("There is no batch to undo."));
    error = refused.join(u'\n');
    return std::nullopt;
}

bool hasBatchToUndo()
{
    QString error;
    for (const QString &id : JournalStore::ids(error)) {
        const JournalStore::Tail tail = JournalStore::readTail(id);
        if (!tail.readable || tail.ended || tail.running || (tail.finished && tail.renamed == 0))
            continue;
        return true;
    }
    return false;
}

bool keepEntry(const QString &id, QString &error)
{
    bool running = false;
    const std::optional<JournalEntry> entry = JournalStore::read(id, error, &running);
    if (!entry)
        return false;
    if (running || !entry->interrupted()) {
        error = QStringLiteral("The batch %1 is not an interrupted one.").arg(id);
        return false;
    }
    return JournalStore::appendEnding(id, JournalFormat::keptText(), error);
}

std::vector<JournalEntry> interruptedEntries()
{
    std::vector<JournalEntry> interrupted;
    for (JournalStore::Listed &listed : JournalStore::listUnfinished())
        if (listed.entry && !listed.running && listed.entry->interrupted())
            interrupted.push_back(std::move(*listed.entry));
    return interrupted;
}
