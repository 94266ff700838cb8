#include "desktop/view/ListController.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/names/FindReplace.h"
#include "core/engine/names/NameConflicts.h"
#include "core/listing/ListingTexts.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/ui/Prompts.h"
#include "desktop/view/ListingFrame.h"
#include "desktop/view/WaitCursor.h"

ListController::ListController(ListingFrame *frame, QWidget *promptParent,
                               std::function<void(int id)> post)
    : m_frame(frame), m_promptParent(promptParent), m_post(std::move(post)),
      m_loads(frame, m_settings,
              [this](ListingJob *job, AfterLoad then) { onLoadFinished(job, then); }),
      m_batch(this, frame, promptParent),
      m_undo(this, frame, promptParent,
             {[this](bool renaming) { setRenaming(renaming); }, [this] { lookUpUndoAvailable(); },
              [this](const QString &text) { reloadThenShow(text); },
              [this](int renamed, const QList<FailedRename> &failures) {
                  emit renamesFailed(renamed, failures);
              }})
{
    connect(&m_loads, &ListingQueue::started, this, &ListController::busyChanged);
    connect(&m_newNames, &NewNamesCompute::computed, this, &ListController::newNamesComputed);
    connect(&m_newNames, &NewNamesCompute::edited, this, &ListController::newNamesEdited);
    connect(&m_newNames, &NewNamesCompute::readingChanged, this, &ListController::busyChanged);
    connect(&m_newNames, &NewNamesCompute::marked, this, [this] {
        // Only the count changes the pane; a list whose folder failed to load again keeps
        // the text it had.
        if (!folder().isEmpty() && markedRowCount(m_rows.model().rows().problems) != m_shownMarks)
            UpdateStatusSummary();
    });
    connect(&m_undoAvailability, &UndoAvailability::lookedUp, this, &ListController::undoLookedUp);
}

ListController::~ListController() = default;

void ListController::reset()
{
    m_newNames.stop();
    m_newNames.forgetEditedNames();
    m_loads.clearFolder();
    m_rows.clear();
    m_unreadFolders.clear();
    LoadListingSettings();
}

void ListController::LoadFileList(AfterLoad then)
{
    requestLoad(std::nullopt, then);
}

void ListController::requestLoad(std::optional<QString> folder, AfterLoad then)
{
    m_loads.request(std::move(folder), then);
}

void ListController::onLoadFinished(ListingJob *job, AfterLoad then)
{
    if (!job) { // no folder to list
        runAfterLoad(then, false);
        emit loadFinished();
        return;
    }
    if (m_frame)
        m_frame->showProgress(m_statusAfterBatchReload);
    m_statusAfterBatchReload.clear();

    const FileListLoader::Result &result = job->result();
    const QString folder = job->request().folder;
    const bool listed = result.status == FileListLoader::Status::Listed;
    if (result.status == FileListLoader::Status::CannotList) {
        Prompts::instance().message(m_promptParent, ListingTexts::couldNotList(folder),
                                    Prompts::Icon::Information);
        m_loads.clearFolder();
        m_unreadFolders.clear();
    } else if (listed) {
        m_newNames.stop(); // its rows are replaced
        m_newNames.forgetEditedNames();
        m_rows.takeListing(*job);
        m_unreadFolders = result.unreadFolders;
        applySort();
        UpdateStatusSummary(result.foldersRecorded);
        if (fileModel().rowCount() == 0 && !result.cancelled)
            Prompts::instance().message(m_promptParent, ListingTexts::noFilesFound(folder),
                                        Prompts::Icon::Information);
    }
    runAfterLoad(then, listed);
    lookUpUndoAvailable(); // a batch or an undo is followed by a load
    emit busyChanged();
    emit loadFinished();
}

void ListController::cancelWork()
{
    m_loads.cancel();
    m_newNames.cancelReading();
    if (m_renaming) {
        m_batch.stop();
        m_undo.stop();
    }
}

void ListController::runAfterLoad(AfterLoad then, bool listed)
{
    if (then != AfterLoad::Nothing)
        UpdateFolderCaption();
    // A recompute asked for during the loads runs after the last of them, as it would have
    // if they had been done before it was asked for.
    const bool computeAsked = m_computeAfterLoads && !m_loads.hasWaiting();
    if (computeAsked)
        m_computeAfterLoads = false;
    // Newly listed rows start with their loaded names: they get the new names of the stored
    // parameters at once, in slices like any recompute, so the column never shows a preview
    // the parameters contradict.
    if (listed || then == AfterLoad::CaptionAndNewNames || computeAsked)
        computeNewNames();
}

bool ListController::sortByColumn(int column, bool descending)
{
    if (m_renaming || isLoading())
        return false;
    if (column == FileListModel::NewName)
        finishNewNames(); // sorted by the names the parameters give
    m_newNames.stop();
    m_sort = ListSort{column, descending};
    applySort();
    computeNewNames();
    return true;
}

void ListController::applySort()
{
    if (!m_sort || fileModel().rowCount() == 0)
        return;
    const WaitCursor wait;
    const bool natural = m_settings.intValue(CAppSettings::Key::NaturalNameOrder) != 0;
    const RowSortKey key = FileListModel::sortKey(m_sort->column, natural);
    fileModel().reorder(sortedRowOrder(fileModel().rows(), key, m_sort->descending));
}

void ListController::UpdateFolderCaption()
{
    if (m_frame)
        m_frame->setCaptionText(ListingTexts::folderCaption(folder()));
}

void ListController::UpdateStatusSummary(std::optional<int> foldersRecorded)
{
    if (!m_frame)
        return;
    m_shownMarks = markedRowCount(m_rows.model().rows().problems);
    m_frame->setFileStatistics(m_rows.statistics(folder(), m_settings.GetDisplayHiddenFiles() != 0,
                                                 m_settings.GetDisplayReadOnlyFiles() != 0));
    if (foldersRecorded)
        m_frame->setFolderInformation(
            ListingTexts::folderInformation(*foldersRecorded, int(m_unreadFolders.size())));
}

void ListController::onDisplayNewNames()
{
    // The parameters in the store count again: names edited by hand give way to them.
    m_newNames.clearEditedNames();
    // Rows that are being listed get their new names once they are in.
    if (isLoading())
        m_computeAfterLoads = true;
    else
        computeNewNames();
}

void ListController::computeNewNames()
{
    computeNewNames(RenameParameters::fromSettings(m_settings));
}

void ListController::computeNewNames(const RenameParameters &parameters)
{
    m_computedParameters = parameters;
    m_newNames.compute(parameters);
}

void ListController::setRenameParameters(const RenameParameters &parameters)
{
    m_handedParameters = parameters;
    if (m_handedComputePosted)
        return;
    m_handedComputePosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_handedComputePosted = false;
            // As Cmd::DisplayNewNames: nothing while a batch renames; rows being listed get
            // their new names once they are in.
            if (m_renaming)
                return;
            // Changed parameters end the names edited by hand.
            if (m_handedParameters != m_computedParameters)
                m_newNames.clearEditedNames();
            if (isLoading())
                m_computeAfterLoads = true;
            else
                computeNewNames(m_handedParameters);
        },
        Qt::QueuedConnection);
}

void ListController::OnStartRenaming()
{
    // The list may show the names of an earlier expression: never rename to those.
    if (const auto fault = findPatternError(RenameParameters::fromSettings(m_settings))) {
        Prompts::instance().message(m_promptParent,
                                    tr("Nothing is renamed: %1.").arg(fault->text()),
                                    Prompts::Icon::Warning);
        return;
    }
    finishNewNames(); // the batch renames to the names of the current parameters
    // Rows that a load replaced and that are still being freed are finished first: each time
    // their memory goes back to the system, the processors running the program's other
    // threads are interrupted, which slowed the renames by several percent.
    m_rows.finishReleasing();
    // The batch works on the rows as they were when it was asked for; events processed to
    // keep the window painted cannot change what it renames.
    const FileRows rows = fileModel().rows();
    BatchResult result;
    setRenaming(true);
    // The folders are watched for changes to their rows; the renames would queue an event
    // each, and the reload that follows them watches the folders anew.
    const BatchOutcome outcome = m_batch.run(
        rows, m_rows.subFoldersListed(), [this] { cancelWork(); },
        [this] { m_rows.forgetPresence(); }, result);
    setRenaming(false);
    if (outcome != BatchOutcome::Ran)
        return;
    if (!result.journalError.isEmpty())
        Prompts::instance().message(m_promptParent, result.journalError, Prompts::Icon::Warning);
    // Failed renames are listed in a window of their own and the status bar keeps the
    // listing's summary, unless the batch was stopped; a batch without failures says what it
    // did there.
    if (result.failures.empty() || result.cancelled > 0)
        reloadThenShow(BatchRun::summary(result));
    else
        reloadThenShow(QString());
    if (!result.failures.empty())
        emit renamesFailed(result.renamed, failedRenamesOf(rows, result));
}

void ListController::setRenaming(bool renaming)
{
    m_renaming = renaming;
    emit busyChanged();
}

void ListController::reloadThenShow(const QString &text)
{
    if (folder().isEmpty()) {
        if (m_frame)
            m_frame->showProgress(text);
        return;
    }
    m_statusAfterBatchReload = text;
    m_post(Cmd::Reload);
}

std::vector<MappingProblem> ListController::loadNamesFromList(const QString &path)
{
    MappingRead read = NameMapping::readFile(path, folder());
    finishNewNames();
    const FileRows &rows = fileModel().rows();
    // Each row by its path relative to the folder, as the mapping names it.
    QByteArray root = encodeFileName(folder());
    if (!root.endsWith('/'))
        root += '/';
    QHash<QByteArray, int> rowOfPath;
    rowOfPath.reserve(rows.count());
    for (int row = 0; row < rows.count(); ++row) {
        const QByteArray full = rows.fullPathBytes(row);
        rowOfPath.insert(full.startsWith(root) ? full.sliced(root.size()) : full, row);
    }
    std::vector<std::pair<int, QString>> names;
    names.reserve(read.entries.size());
    QHash<int, int> lineOfRow; // the rows named so far
    for (const MappingEntry &entry : read.entries) {
        const auto row = rowOfPath.constFind(entry.oldPath);
        if (row == rowOfPath.constEnd()) {
            read.problems.push_back(
                {entry.line, tr("\"%1\" is not in the list").arg(decodeFileName(entry.oldPath))});
            continue;
        }
        if (const auto seen = lineOfRow.constFind(*row); seen != lineOfRow.constEnd()) {
            read.problems.push_back({entry.line, tr("\"%1\" is named on line %2 already")
                                                     .arg(decodeFileName(entry.oldPath))
                                                     .arg(*seen)});
            continue;
        }
        lineOfRow.insert(*row, entry.line);
        names.emplace_back(*row, entry.newName);
    }
    if (!read.problems.empty()) {
        std::stable_sort(
            read.problems.begin(), read.problems.end(),
            [](const MappingProblem &a, const MappingProblem &b) { return a.line < b.line; });
        return read.problems;
    }
    // The list's check boxes follow the mapping: the batch renames what it names.
    // A list replaces the names edited before it.
    m_newNames.clearEditedNames();
    std::vector<bool> checked(size_t(rows.count()), false);
    for (const auto &[row, name] : names)
        checked[size_t(row)] = true;
    fileModel().setChecked(checked);
    m_newNames.setEditedNames(names);
    return {};
}
