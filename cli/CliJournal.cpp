#include "cli/CliJournal.h"

#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/TerminalPrompter.h"
#include "core/engine/journal/JournalUndo.h"

#include "core/engine/names/FileNames.h"
#include <QDateTime>
#include <QHash>

#include <cstdio>

namespace {

QString timeText(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString folderText(const JournalEntry &entry)
{
    return decodeFileName(entry.commonFolder());
}

// For each batch that an undo took only partly back (so it is not ended), the newest such
// undo that is not reversed itself.
using PartlyUndone = QHash<QString, QString>;

PartlyUndone partlyUndone(const std::vector<JournalStore::Listed> &entries)
{
    PartlyUndone partly;
    for (const JournalStore::Listed &listed : entries) // newest first
        if (listed.entry && listed.entry->kind == JournalKind::Undo &&
            listed.entry->undoneBy.isEmpty() && !partly.contains(listed.entry->undoes))
            partly.insert(listed.entry->undoes, listed.entry->id);
    return partly;
}

QString stateText(const JournalStore::Listed &listed, const RowCounts *counts,
                  const PartlyUndone &partly)
{
    const JournalEntry &entry = *listed.entry;
    QString state;
    if (listed.running)
        state = QStringLiteral("running");
    else if (!entry.undoneBy.isEmpty())
        state = QStringLiteral("undone by %1").arg(entry.undoneBy);
    else if (entry.kept)
        state = QStringLiteral("interrupted, kept");
    else if (counts)
        state = QStringLiteral("interrupted: %1 of %2 renamed")
                    .arg(counts->done)
                    .arg(entry.rows.size());
    else if (partly.contains(entry.id))
        state = QStringLiteral("partly undone by %1").arg(partly.value(entry.id));
    else if (entry.outcome && entry.outcome->cancelled > 0)
        state = QStringLiteral("cancelled: %1 not renamed").arg(entry.outcome->cancelled);
    else
        state = QStringLiteral("done");
    if (entry.kind == JournalKind::Undo)
        state += QStringLiteral(" (undo of %1)").arg(entry.undoes);
    else if (entry.kind == JournalKind::Single)
        state += QStringLiteral(" (single file)");
    return state;
}

void printHistoryLine(const JournalStore::Listed &listed, const PartlyUndone &partly,
                      OutputBuffer &out)
{
    const JournalEntry &entry = *listed.entry;
    RowCounts counts;
    const bool interrupted = !listed.running && entry.interrupted();
    if (interrupted)
        counts = classifyEntry(entry);
    const QString renamed = entry.outcome ? QString::number(entry.outcome->renamed)
                            : interrupted ? QString::number(counts.done)
                                          : QStringLiteral("-");
    const QString failed =
        entry.outcome ? QString::number(entry.outcome->failed) : QStringLiteral("-");
    const QStringList fields{entry.id,
                             timeText(entry.time),
                             folderText(entry),
                             renamed,
                             failed,
                             stateText(listed, interrupted ? &counts : nullptr, partly)};
    for (qsizetype i = 0; i < fields.size(); ++i) {
        out.append(escapedField(fields[i]));
        out.append(i + 1 < fields.size() ? '\t' : '\n');
    }
}

int reportUndo(const UndoResult &result)
{
    for (const UndoProblem &problem : result.leftAlone)
        printMessage(QStringLiteral("Left as it is: %1: %2")
                         .arg(decodeFileName(problem.path), problem.reason));
    if (!result.error.isEmpty())
        printMessage(result.error);
    QString last = QStringLiteral("%1 renamed back, %2 left as they are")
                       .arg(result.restored)
                       .arg(result.leftAlone.size());
    if (!result.undoId.isEmpty())
        last += QStringLiteral(" (journal %1)").arg(result.undoId);
    printMessage(last);
    return result.leftAlone.empty() && result.error.isEmpty() ? 0 : 1;
}

} // namespace

int runHistory(const CliOptions &)
{
    QString error;
    const std::vector<JournalStore::Listed> entries = JournalStore::list(error);
    if (!error.isEmpty()) {
        printMessage(error);
        return 1;
    }
    {
        OutputBuffer out(stdout);
        const PartlyUndone partly = partlyUndone(entries);
        for (const JournalStore::Listed &listed : entries)
            if (listed.entry)
                printHistoryLine(listed, partly, out);
    }
    std::fflush(stdout);
    bool refused = false;
    for (const JournalStore::Listed &listed : entries) {
        if (!listed.entry) {
            printMessage(listed.error);
            refused = true;
        }
    }
    if (entries.empty())
        printMessage(QStringLiteral("No batches in %1.").arg(JournalStore::folderPath()));
    return refused ? 1 : 0;
}

int runUndo(const CliOptions &options)
{
    QString error;
    const std::optional<UndoPlan> plan =
        options.journalId.isEmpty() ? planDefaultUndo(error) : planUndoOf(options.journalId, error);
    if (!plan) {
        for (const QString &line : error.split(u'\n')) // entries refused are named a line each
            printMessage(line);
        return 1;
    }
    const JournalEntry &original = plan->original;
    const int count = int(plan->reverse.rows.size());
    // Newer entries passed over are named, so that the batch taken is not mistaken for them.
    for (const QString &refused : plan->refused)
        printMessage(QStringLiteral("Passed over: %1").arg(refused));
    const PassedOverBatch &nothing = plan->renamedNothing;
    if (!nothing.id.isEmpty())
        printMessage(QStringLiteral("The newest batch %1 of %2 in %3 renamed nothing: there is "
                                    "nothing in it to undo.")
                         .arg(nothing.id, timeText(nothing.time), decodeFileName(nothing.folder)));
    if (count > 0) {
        TerminalPrompter prompter(options.yes);
        const QString question =
            QStringLiteral("Undo %1 batch %2 of %3 in %4: rename %5 file(s) back to their "
                           "old names?")
                .arg(nothing.id.isEmpty() ? QStringLiteral("the")
                                          : QStringLiteral("instead the older"),
                     original.id, timeText(original.time), folderText(original))
                .arg(count);
        if (prompter.ask(question) != BatchPrompter::Answer::Yes) {
            printMessage(QStringLiteral("Nothing renamed."));
            return 1;
        }
    } else {
        printMessage(QStringLiteral("Nothing to rename back in the batch %1.").arg(original.id));
    }
    return reportUndo(runUndo(*plan));
}

int runKeep(const CliOptions &options)
{
    QString id = options.journalId;
    if (id.isEmpty()) {
        const std::vector<JournalEntry> interrupted = interruptedEntries();
        if (interrupted.empty()) {
            printMessage(QStringLiteral("There is no interrupted batch."));
            return 1;
        }
        id = interrupted.front().id;
    }
    QString error;
    if (!keepEntry(id, error)) {
        printMessage(error);
        return 1;
    }
    printMessage(QStringLiteral("The batch %1 is ended; its renames are kept.").arg(id));
    return 0;
}

void printInterruptedNotice()
{
    for (const JournalEntry &entry : interruptedEntries()) {
        const RowCounts counts = classifyEntry(entry);
        printMessage(QStringLiteral("quirewell-cli: the batch %1 in %2 was interrupted with %3 "
                                    "of %4 renames done: \"quirewell-cli undo %1\" renames them "
                                    "back, \"quirewell-cli keep %1\" keeps them.")
                         .arg(entry.id, folderText(entry))
                         .arg(counts.done)
                         .arg(entry.rows.size()));
    }
}
