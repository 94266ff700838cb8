#include "engine/JournalUndo.h"

#include "engine/FileNames.h"
#include "engine/RenameOperation.h"

#include <cerrno>

#include <sys/stat.h>

namespace {

enum class Look
{
    Same,    // the file the row names
    Other,   // another file (or folder, or link)
    Missing, // nothing
};

Look look(const QByteArray &path, const JournalRow &row)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0)
        return errno == ENOENT ? Look::Missing : Look::Other;
    // A row whose file could not be looked at when the plan was written matches nothing.
    const bool same = (row.device != 0 || row.inode != 0) && quint64(st.st_dev) == row.device &&
                      quint64(st.st_ino) == row.inode;
    return same ? Look::Same : Look::Other;
}

bool failedInBatch(const JournalEntry &entry, quint32 row)
{
    if (!entry.outcome)
        return false;
    for (const JournalFailure &failure : entry.outcome->failures)
        if (failure.row == row)
            return true;
    return false;
}

QString shown(const QByteArray &path)
{
    return decodeFileName(path);
}

} // namespace

RowState classifyRow(const JournalEntry &entry, const JournalRow &row)
{
    if (look(entry.path(row, row.newName), row) == Look::Same)
        return RowState::Done;
    if (look(entry.path(row, row.oldName), row) == Look::Same)
        return RowState::NotDone;
    return RowState::Changed;
}

RowCounts classifyEntry(const JournalEntry &entry)
{
    RowCounts counts;
    for (const JournalRow &row : entry.rows) {
        switch (classifyRow(entry, row)) {
        case RowState::Done:
            ++counts.done;
            break;
        case RowState::NotDone:
            ++counts.notDone;
            break;
        case RowState::Changed:
            ++counts.changed;
            break;
        }
    }
    return counts;
}

UndoPlan planUndo(const JournalEntry &original)
{
    UndoPlan plan;
    plan.original = original;
    plan.reverse.kind = JournalKind::Undo;
    plan.reverse.undoes = original.id;
    plan.reverse.folders = original.folders;
    for (size_t k = original.rows.size(); k-- > 0;) {
        const JournalRow &row = original.rows[k];
        if (failedInBatch(original, quint32(k))) {
            ++plan.notDone;
            continue;
        }
        switch (classifyRow(original, row)) {
        case RowState::NotDone:
            ++plan.notDone;
            continue;
        case RowState::Changed:
            plan.leftAlone.push_back({original.path(row, row.newName),
                                      QStringLiteral("no longer the file the batch renamed")});
            continue;
        case RowState::Done:
            break;
        }
        plan.reverse.rows.push_back({row.folder, row.device, row.inode, row.newName, row.oldName});
    }
    return plan;
}

UndoResult runUndo(const UndoPlan &plan)
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
    JournalEntry reverse = plan.reverse;
    JournalStore::Writer writer;
    if (!writer.begin(reverse, result.error))
        return result;
    result.undoId = writer.id();
    JournalOutcome outcome;
    for (size_t k = 0; k < reverse.rows.size(); ++k) {
        const JournalRow &row = reverse.rows[k];
        const QByteArray from = reverse.path(row, row.oldName);
        const QByteArray to = reverse.path(row, row.newName);
        // Checked again just before the rename: the file may have changed since the plan.
        if (look(from, row) != Look::Same)
            error = QStringLiteral("no longer the file the batch renamed");
        else if (look(to, row) != Look::Missing)
            error = QStringLiteral("its old name %1 is taken by another file").arg(shown(to));
        else if (renameInFolder(reverse.folders[row.folder], row.oldName,
                                decodeFileName(row.newName), error))
            continue;
        outcome.failures.push_back({quint32(k), error});
        result.leftAlone.push_back({from, error});
    }
    outcome.failed = int(outcome.failures.size());
    outcome.renamed = int(reverse.rows.size()) - outcome.failed;
    result.restored = outcome.renamed;
    if (!writer.finish(outcome, error))
        result.error = error;
    // The original's ending is recorded once; an undo run again on it only renames.
    if (!plan.original.ended() &&
        !JournalStore::appendEnding(plan.original.id, JournalFormat::undoneText(writer.id()),
                                    error))
        result.error = error;
    if (!plan.alsoEnd.isEmpty() &&
        !JournalStore::appendEnding(plan.alsoEnd, JournalFormat::keptText(), error))
        result.error = error;
    return result;
}

std::optional<UndoPlan> planUndoOf(const QString &id, QString &error)
{
    bool running = false;
    const std::optional<JournalEntry> entry = JournalStore::read(id, error, &running);
    if (!entry)
        return std::nullopt;
    if (running) {
        error = QStringLiteral("The batch %1 is still running.").arg(id);
        return std::nullopt;
    }
    return planUndo(*entry);
}

std::optional<UndoPlan> planDefaultUndo(QString &error)
{
    const std::vector<JournalStore::Listed> entries = JournalStore::list(error);
    if (!error.isEmpty())
        return std::nullopt;
    for (const JournalStore::Listed &listed : entries) {
        if (!listed.entry || listed.running || listed.entry->ended())
            continue;
        const JournalEntry &entry = *listed.entry;
        if (entry.kind == JournalKind::Undo && entry.interrupted()) {
            std::optional<UndoPlan> plan = planUndoOf(entry.undoes, error);
            if (plan)
                plan->alsoEnd = entry.id;
            return plan;
        }
        return planUndo(entry);
    }
    error = QStringLiteral("There is no batch to undo.");
    return std::nullopt;
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
