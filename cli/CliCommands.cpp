#include "cli/CliCommands.h"

#include "cli/CliInterrupt.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/ListPrinter.h"
#include "cli/TerminalPrompter.h"
#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/names/FindReplace.h"
#include "core/engine/names/NameConflicts.h"
#include "core/engine/names/NewNameRule.h"
#include "core/engine/names/RowOrder.h"
#include "core/engine/rename/BatchRename.h"
#include "core/engine/settings/AppSettings.h"
#include "core/engine/settings/PresetStore.h"
#include "core/listing/FileListLoader.h"
#include "core/listing/ListingTexts.h"
#include "core/system/SystemError.h"

#include <cstdio>
#include <optional>

namespace {

// Listed, renamed or previewed, but some sub-folders could not be read (their files are
// missing from the rows).
constexpr int kSomeFoldersUnread = 3;

struct Listing
{
    bool listed = false;
    bool cancelled = false;  // stopped by Ctrl+C: the rows found so far
    bool incomplete = false; // some sub-folders could not be read: the rows of the others
    bool subFolders = false; // whether the sub-folders were listed too
    QStringList messages;    // the summaries, then the no-files message when nothing was found
};

// The listing filters and sub-folder switch: the command line's laid over the stored ones.
struct ListingChoice
{
    bool displayHidden;
    bool displayReadOnly;
    bool subFolders;
};

ListingChoice listingChoice(const CliOptions &options)
{
    const CAppSettings settings;
    return {options.displayHidden || settings.GetDisplayHiddenFiles() != 0,
            options.displayReadOnly || settings.GetDisplayReadOnlyFiles() != 0,
            options.recursive || settings.GetViewFilesInSubFolders() != 0};
}

// The summaries of a walk that found rowCount rows, as the desktop view's panes show them.
Listing summarize(const CliOptions &options, const ListingChoice &choice,
                  const FileListLoader::Result &result, int rowCount)
{
    Listing listing;
    listing.subFolders = choice.subFolders;
    if (result.status != FileListLoader::Status::Listed) {
        listing.messages << ListingTexts::couldNotList(options.folder);
        return listing;
    }
    listing.listed = true;
    listing.cancelled = result.cancelled;
    for (const UnreadFolder &unread : result.unreadFolders)
        listing.messages << QStringLiteral("Could not read %1: %2")
                                .arg(decodeFileName(unread.folder), systemErrorText(unread.error));
    listing.incomplete = !result.unreadFolders.empty();
    QString statistics = ListingTexts::fileStatistics(
        rowCount, options.folder, result.hiddenSeen && !choice.displayHidden,
        result.readOnlySeen && !choice.displayReadOnly);
    if (result.cancelled)
        statistics += ListingTexts::listingCancelled();
    listing.messages << statistics << ListingTexts::folderInformation(result.foldersRecorded);
    if (rowCount == 0 && !result.cancelled)
        listing.messages << ListingTexts::noFilesFound(options.folder);
    return listing;
}

// Lists the folder into rows as the desktop view does, in the order --sort and --reverse ask.
Listing loadRows(const CliOptions &options, FileRows &rows, const CliInterrupt &interrupt)
{
    const ListingChoice choice = listingChoice(options);
    FileListLoader loader;
    loader.setFilters(choice.displayHidden, choice.displayReadOnly);
    loader.setStopFlag(interrupt.flag());
    const FileListLoader::Result result = loader.load(options.folder, choice.subFolders, rows);
    if (options.reordersRows()) {
        const RowSortKey key =
            options.sort.isEmpty() ? RowSortKey::Serial : *rowSortKeyFromWord(options.sort);
        reorderRows(rows, sortedRowOrder(rows, key, options.reverse));
    }
    return summarize(options, choice, result, rows.count());
}

void printMessages(const QStringList &messages)
{
    for (const QString &message : messages)
        printMessage(message);
}

RenameParameters parameters(const CliOptions &options)
{
    RenameParameters params =
        options.preset ? *options.preset : RenameParameters::fromSettings(CAppSettings());
    options.applyTo(params);
    return params;
}

// The status of a command that did all it was asked, over what its listing found.
int doneStatus(const Listing &listing)
{
    return listing.incomplete ? kSomeFoldersUnread : 0;
}

int finishListing(const Listing &listing)
{
    printMessages(listing.messages);
    if (!listing.listed)
        return 1;
    return listing.cancelled ? CliInterrupt::kExitStatus : doneStatus(listing);
}

// Lists the rows and computes their new names: -1 when they are ready to be renamed,
// otherwise the exit status (the listing's messages are printed either way).
int rowsToRename(const CliOptions &options, FileRows &rows, const CliInterrupt &interrupt,
                 Listing &listing)
{
    listing = loadRows(options, rows, interrupt);
    printMessages(listing.messages);
    if (!listing.listed)
        return 1;
    // A part of the list is never renamed.
    if (listing.cancelled) {
        printMessage(QStringLiteral("Nothing renamed."));
        return CliInterrupt::kExitStatus;
    }
    ComputeNewFileNames(rows, parameters(options));
    return -1;
}

} // namespace

int listWithNewNames(const CliOptions &options, FileRows &rows)
{
    const CliInterrupt interrupt;
    Listing listing;
    return rowsToRename(options, rows, interrupt, listing);
}

QString parametersProblem(const CliOptions &options)
{
    const std::optional<FindPatternError> fault = findPatternError(parameters(options));
    return fault ? fault->text() : QString();
}

// The rows go out while the walk finds them: the names are computed over the whole list only
// by a preview.
int runList(const CliOptions &options)
{
    if (options.reordersRows()) {
        // A sorted list is known only once the walk is over.
        FileRows rows;
        Listing listing;
        {
            const CliInterrupt interrupt;
            listing = loadRows(options, rows, interrupt);
        }
        if (listing.listed) {
            printRows(rows, stdout);
            std::fflush(stdout);
        }
        return finishListing(listing);
    }
    const ListingChoice choice = listingChoice(options);
    Listing listing;
    {
        const CliInterrupt interrupt;
        ListPrinter printer(stdout, choice.displayHidden, choice.displayReadOnly);
        printer.setStopFlag(interrupt.flag());
        const FileListLoader::Result result = printer.print(options.folder, choice.subFolders);
        listing = summarize(options, choice, result, printer.rowsPrinted());
    }
    std::fflush(stdout);
    return finishListing(listing);
}

int runPreview(const CliOptions &options)
{
    FileRows rows;
    Listing listing;
    {
        const CliInterrupt interrupt;
        listing = loadRows(options, rows, interrupt);
    }
    if (listing.listed) {
        ComputeNewFileNames(rows, parameters(options));
        if (options.status) {
            // Listed with sub-folders the batch compares names case-sensitively, as Linux
            // file systems do; otherwise its duplicate check ignores case.
            const bool ignoreCase = !listing.subFolders;
            std::optional<UnlistedNames> unlisted;
            markNameConflicts(rows, ConflictCheck{ignoreCase, [&]() -> const UnlistedNames & {
                                                      return unlisted.emplace(rows, ignoreCase);
                                                  }});
        }
        printRows(rows, stdout, options.status);
        std::fflush(stdout);
    }
    return finishListing(listing);
}

int runRename(const CliOptions &options)
{
    const CliInterrupt interrupt;
    FileRows rows;
    Listing listing;
    if (const int status = rowsToRename(options, rows, interrupt, listing); status >= 0)
        return status;

    TerminalPrompter prompter(options.yes);
    BatchResult result;
    const bool resolveChains =
        options.reorder || (!options.noReorder && CAppSettings().GetResolveChains() != 0);
    const BatchOutcome outcome = runBatchRename(rows, listing.subFolders, resolveChains, prompter,
                                                &result, {}, interrupt.flag());
    return finishBatch(rows, outcome, result, interrupt.interrupted(), doneStatus(listing));
}

int finishBatch(const FileRows &rows, BatchOutcome outcome, const BatchResult &result,
                bool interrupted, int done)
{
    if (outcome == BatchOutcome::Declined && interrupted) {
        printMessage(QStringLiteral("Nothing renamed."));
        return CliInterrupt::kExitStatus;
    }
    switch (outcome) {
    case BatchOutcome::RefusedEmpty:
    case BatchOutcome::RefusedDuplicates:
    case BatchOutcome::RefusedNoChecked:
    case BatchOutcome::JournalFailed:
        return 1;
    case BatchOutcome::Declined:
        printMessage(QStringLiteral("Nothing renamed."));
        return 1;
    case BatchOutcome::Ran:
        break;
    }
    for (const RenameFailure &failure : result.failures)
        printMessage(QStringLiteral("Could not rename %1: %2")
                         .arg(rows.fullPath(failure.row), failure.error));
    if (!result.journalError.isEmpty())
        printMessage(result.journalError);
    QString last = QStringLiteral("%1 renamed, %2 failed, %3 unchanged")
                       .arg(result.renamed)
                       .arg(result.failures.size())
                       .arg(result.unchanged);
    if (result.cancelled > 0)
        last += QStringLiteral(", %1 not renamed (cancelled)").arg(result.cancelled);
    if (!result.journalId.isEmpty())
        last += QStringLiteral(" (journal %1)").arg(result.journalId);
    printMessage(last);
    if (result.cancelled > 0)
        return CliInterrupt::kExitStatus;
    return result.failures.empty() ? done : 1;
}

int runPresets(const CliOptions &)
{
    const PresetStore::Result<QStringList> names = PresetStore().names();
    if (!names) {
        printMessage(QStringLiteral("quirewell-cli: ") + names.error);
        return 1;
    }
    QByteArray out;
    for (const QString &name : *names.value)
        out += escapedField(name) + '\n';
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}
