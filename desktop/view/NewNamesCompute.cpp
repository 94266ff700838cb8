#include "desktop/view/NewNamesCompute.h"

#include "core/engine/names/NameConflicts.h"
#include "core/engine/names/NewNameRule.h"
#include "core/engine/names/TemplateStep.h"
#include "core/listing/presence/FolderPresence.h"
#include "desktop/view/ListedRows.h"
#include "desktop/view/WaitCursor.h"

#include <QElapsedTimer>

#include <algorithm>

NewNamesCompute::NewNamesCompute(ListedRows &rows) : m_rows(rows)
{
    m_sliceTimer.setSingleShot(true);
    m_sliceTimer.setInterval(0);
    connect(&m_sliceTimer, &QTimer::timeout, this, &NewNamesCompute::computeNextSlice);
    m_markTimer.setSingleShot(true);
    m_markTimer.setInterval(0);
    connect(&m_markTimer, &QTimer::timeout, this, &NewNamesCompute::markNextStep);
    // Only checked rows take part, and a renamed row takes its new name as loaded: the marks
    // follow check boxes, single-file renames and removed rows.
    FileListModel &model = rows.model();
    connect(&model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight,
                   const QList<int> &roles) {
                if (topLeft.column() >= FileListModel::NewName)
                    return;
                if (roles != QList<int>{Qt::CheckStateRole})
                    dropKeptNames();
                else
                    retakeChecks(size_t(topLeft.row()), size_t(bottomRight.row()) + 1);
                restartMarking();
            });
    connect(&model, &QAbstractItemModel::modelReset, this, [this] {
        dropKeptNames();
        restartMarking();
    });
    // Sorted rows keep their marks, but a marking in steps knows them by their old places.
    connect(&model, &QAbstractItemModel::layoutChanged, this, [this] {
        dropKeptNames();
        if (m_marking)
            restartMarking();
    });
}

void NewNamesCompute::dropKeptNames()
{
    // Emptied, not only flagged: a recompute under way would flag them taken at its end.
    m_newNameHashes.reset(0, false);
    m_hashesTaken = false;
    m_cache.dropNames();
}

bool NewNamesCompute::marksIgnoreCase() const
{
    // Listed with sub-folders the batch compares names as Linux file systems do, with case;
    // otherwise its duplicate check ignores case, and so do the marks.
    return !m_rows.subFoldersListed();
}

void NewNamesCompute::retakeHash(std::size_t row)
{
    const FileRows &rows = m_rows.model().rows();
    if (m_hashesTaken && m_newNameHashes.fits(rows.rows.size(), marksIgnoreCase()))
        m_newNameHashes.take(rows, row);
}

void NewNamesCompute::retakeChecks(std::size_t from, std::size_t to)
{
    // Even while a recompute is under way: rows it computed already are not taken again.
    const FileRows &rows = m_rows.model().rows();
    if (!m_newNameHashes.fits(rows.rows.size(), marksIgnoreCase()))
        return;
    for (std::size_t i = from; i < std::min(to, rows.rows.size()); ++i)
        m_newNameHashes.take(rows, i);
}

void NewNamesCompute::restartMarking()
{
    // Dropped at once: its next step would read rows that are no longer where it saw them.
    m_markTimer.stop();
    m_marking.reset();
    scheduleMarking();
}

void NewNamesCompute::scheduleMarking()
{
    if (m_markingPosted)
        return;
    m_markingPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_markingPosted = false;
            markConflicts();
        },
        Qt::QueuedConnection);
}

void NewNamesCompute::markConflicts()
{
    startMarking(true, false);
}

void NewNamesCompute::startMarking(bool inSteps, bool thenComputed)
{
    // A recompute under way marks the list when its last slice is done.
    if (m_sliced)
        return;
    FileListModel &model = m_rows.model();
    const bool ignoreCase = marksIgnoreCase();
    m_markTimer.stop();
    // A marking dropped before its end (restartMarking) still owes the signal.
    m_computedAfterMarking = m_computedAfterMarking || thenComputed;
    m_marksBefore = markedRowCount(model.rows().problems);
    m_marking.emplace(
        model.mutableRows(),
        ConflictCheck{ignoreCase,
                      [this]() -> const UnlistedNames & { return m_rows.unlistedNames(); },
                      m_hashesTaken ? &m_newNameHashes : nullptr, &m_cache});
    if (inSteps && model.rowCount() >= kSlicedFromRows) {
        // A part of the work per event-loop turn, so that the window keeps painting.
        markNextStep();
        return;
    }
    while (!m_marking->step()) {
    }
    finishMarking();
}

void NewNamesCompute::markNextStep()
{
    if (!m_marking)
        return;
    if (m_marking->step())
        finishMarking();
    else
        m_markTimer.start();
}

void NewNamesCompute::finishMarking()
{
    m_marking.reset();
    FileListModel &model = m_rows.model();
    if (m_marksBefore != 0 || markedRowCount(model.rows().problems) != 0)
        model.newNamesChanged();
    emit marked();
    if (std::exchange(m_computedAfterMarking, false))
        emit computed();
}

// The readers a name template needs, when it is on and valid.
MetadataKinds templateReads(const RenameParameters &params)
{
    if (!params.checkNameTemplate)
        return kNoMetadata;
    const std::shared_ptr<const NameTemplate> parsed = sharedTemplate(params.nameTemplate);
    return parsed ? parsed->metadataKinds() : kNoMetadata;
}

void NewNamesCompute::startReading(const RenameParameters &params, MetadataKinds kinds)
{
    FileListModel &model = m_rows.model();
    const size_t count = size_t(model.rowCount());
    const std::pair<int, int> shown = m_visibleRows ? m_visibleRows() : std::pair{-1, -1};
    const size_t first = shown.first < 0 ? 0 : std::min(size_t(shown.first), count);
    const size_t last = shown.first < 0 ? 0 : std::min(size_t(shown.second) + 1, count);
    m_sliced = SlicedCompute{params, {}, {}, true, 0};
    // The rows on screen first, then the rest in list order.
    for (const auto &range :
         {std::pair{first, last}, std::pair{last, count}, std::pair{size_t(0), first}})
        if (range.first < range.second)
            m_sliced->left.push_back(range);
    std::vector<QByteArray> paths;
    paths.reserve(count);
    for (const auto &[from, to] : m_sliced->left)
        for (size_t i = from; i < to; ++i)
            paths.push_back(model.rows().fullPathBytes(int(i)));
    m_prefetch.start(std::move(paths), kinds);
    m_sliceTimer.start();
    emit readingChanged();
}

void NewNamesCompute::cancelReading()
{
    if (!reading())
        return;
    m_prefetch.stop();
    m_sliceTimer.stop();
    FileRows &rows = m_rows.model().mutableRows();
    if (rows.problems.size() != rows.rows.size())
        rows.problems.reset(rows.rows.size());
    const QString reason = QStringLiteral("reading cancelled");
    for (const auto &[from, to] : m_sliced->left)
        for (size_t i = from; i < to; ++i) {
            rows.rows[i].newName = rows.rows[i].loadedName;
            rows.problems.set(i, RowProblem::MissingValue, reason);
            m_newNameHashes.take(rows, i);
        }
    m_sliced.reset();
    m_hashesTaken = true;
    done();
    emit readingChanged();
}

void NewNamesCompute::compute(const RenameParameters &params)
{
    stop();
    FileListModel &model = m_rows.model();
    // Every row computed takes its hash; they count once all are.
    m_newNameHashes.reset(size_t(model.rowCount()), marksIgnoreCase());
    if (const MetadataKinds kinds = templateReads(params); kinds != kNoMetadata) {
        clearConflictMarks(model.mutableRows().problems);
        startReading(params, kinds);
        return;
    }
    const int count = model.rowCount();
    std::vector<std::uint8_t> present;
    // Which rows' files exist takes a pass over every row: only when the rule looks at it.
    if (newNamesNeedPresence(params)) {
        if (FolderPresence *presence = m_rows.presence()) {
            // Only the rows of folders changed since the load are looked up; the names are
            // the same as with a look-up of every row.
            present = presence->presence(model.rows());
        } else if (count >= kSlicedFromRows) {
            present = lookUpPresence(model.rows());
        }
    }
    const std::vector<std::uint8_t> *known = present.empty() ? nullptr : &present;
    // Which names collide is known once every row has its name: until then no row shows the
    // marks of the names it had before.
    clearConflictMarks(model.mutableRows().problems);
    if (count < kSlicedFromRows) {
        WaitCursor wait;
        ComputeNewFileNames(model.mutableRows(), params, known, &m_newNameHashes);
        m_hashesTaken = true;
        done();
        return;
    }
    // The rows on screen now, then the rest in slices between event-loop turns.
    std::pair<int, int> shown = m_visibleRows ? m_visibleRows() : std::pair{-1, -1};
    const size_t first = shown.first < 0 ? 0 : size_t(shown.first);
    const size_t last = shown.first < 0 ? 0 : std::min(size_t(shown.second) + 1, size_t(count));
    ComputeNewFileNames(model.mutableRows(), params, known, first, last, &m_newNameHashes);
    if (first < last)
        model.newNamesChanged(int(first), int(last) - 1);
    m_sliced = SlicedCompute{params, std::move(present), {}};
    if (last < size_t(count))
        m_sliced->left.emplace_back(last, size_t(count));
    if (first > 0)
        m_sliced->left.emplace_back(0, first);
    m_sliceTimer.start();
}

void NewNamesCompute::computeNextSlice()
{
    if (!m_sliced)
        return;
    // About 4 ms of work per turn, so the window keeps painting.
    constexpr size_t kStep = 2048;
    QElapsedTimer clock;
    clock.start();
    FileListModel &model = m_rows.model();
    SlicedCompute &job = *m_sliced;
    const std::vector<std::uint8_t> *known = job.present.empty() ? nullptr : &job.present;
    // While a worker reads the files, only the rows it has read are computed here.
    size_t available = job.reading ? m_prefetch.ready() - job.consumed : SIZE_MAX;
    while (!job.left.empty() && available > 0 && clock.nsecsElapsed() < 4'000'000) {
        auto &[from, to] = job.left.front();
        const size_t end = std::min(to, from + std::min(kStep, available));
        ComputeNewFileNames(model.mutableRows(), job.params, known, from, end, &m_newNameHashes);
        model.newNamesChanged(int(from), int(end) - 1);
        job.consumed += end - from;
        if (available != SIZE_MAX)
            available -= end - from;
        from = end;
        if (from == to)
            job.left.erase(job.left.begin());
    }
    if (job.left.empty()) {
        const bool wasReading = job.reading;
        m_sliced.reset();
        m_hashesTaken = true;
        applyEditedNames();
        // The column counts as computed once its marks are set too.
        startMarking(true, true);
        if (wasReading)
            emit readingChanged();
    } else {
        // Waiting for the worker: a look every 10 ms keeps the window idle meanwhile.
        m_sliceTimer.start(available == 0 ? 10 : 0);
    }
}

void NewNamesCompute::finish()
{
    if (!m_sliced) {
        // Only the marks may be under way.
        if (m_marking) {
            m_markTimer.stop();
            while (!m_marking->step()) {
            }
            finishMarking();
        }
        return;
    }
    m_sliceTimer.stop();
    // The rows not read yet are read here, on this thread: the batch waits for them.
    m_prefetch.stop();
    WaitCursor wait;
    SlicedCompute &job = *m_sliced;
    const bool wasReading = job.reading;
    const std::vector<std::uint8_t> *known = job.present.empty() ? nullptr : &job.present;
    if (wasReading) {
        // Every thread reads its share; the rows already read are found in the cache.
        ComputeNewFileNames(m_rows.model().mutableRows(), job.params, known, &m_newNameHashes);
    } else {
        for (const auto &[from, to] : job.left)
            ComputeNewFileNames(m_rows.model().mutableRows(), job.params, known, from, to,
                                &m_newNameHashes);
    }
    m_sliced.reset();
    m_hashesTaken = true;
    done();
    if (wasReading)
        emit readingChanged();
}

void NewNamesCompute::stop()
{
    m_hashesTaken = false; // rows not computed again keep names the hashes do not know
    m_sliceTimer.stop();
    m_prefetch.stop();
    const bool wasReading = reading();
    m_sliced.reset();
    m_markTimer.stop();
    m_marking.reset();
    m_computedAfterMarking = false;
    if (wasReading)
        emit readingChanged();
}

void NewNamesCompute::done()
{
    applyEditedNames();
    m_computedAfterMarking = false; // said below
    startMarking(false, false);
    m_rows.model().newNamesChanged();
    emit computed();
}

void NewNamesCompute::applyEditedNames()
{
    if (m_edited.isEmpty())
        return;
    FileRows &rows = m_rows.model().mutableRows();
    for (size_t i = 0; i < rows.rows.size(); ++i) {
        FileRow &row = rows.rows[i];
        const auto edited = m_edited.find(row.serial);
        if (edited == m_edited.end())
            continue;
        edited->ruleName = row.newName;
        row.newName = edited->name;
        retakeHash(i);
    }
}

void NewNamesCompute::editName(int row, const QString &name)
{
    FileRow &r = m_rows.model().mutableRows().rows[size_t(row)];
    const auto edited = m_edited.constFind(r.serial);
    const QString ruleName = edited == m_edited.constEnd() ? r.newName : edited->ruleName;
    if (name == ruleName) {
        m_edited.remove(r.serial);
        r.newName = ruleName;
    } else {
        m_edited.insert(r.serial, EditedName{ruleName, name});
        r.newName = name == r.loadedName ? r.loadedName : name; // shares the loaded name's data
    }
    retakeHash(size_t(row));
}

void NewNamesCompute::setEditedName(int row, const QString &name)
{
    finish();
    editName(row, name);
    m_rows.model().newNamesChanged(row, row);
    markConflicts();
    emit edited();
}

void NewNamesCompute::setEditedNames(const std::vector<std::pair<int, QString>> &names)
{
    finish();
    for (const auto &[row, name] : names)
        editName(row, name);
    m_rows.model().newNamesChanged();
    markConflicts();
    emit edited();
}

void NewNamesCompute::clearEditedNames()
{
    if (m_edited.isEmpty())
        return;
    FileRows &rows = m_rows.model().mutableRows();
    for (size_t i = 0; i < rows.rows.size(); ++i)
        if (const auto edited = m_edited.constFind(rows.rows[i].serial);
            edited != m_edited.constEnd()) {
            rows.rows[i].newName = edited->ruleName;
            retakeHash(i);
        }
    m_edited.clear();
    m_rows.model().newNamesChanged();
    emit edited();
}

bool NewNamesCompute::isEdited(int row) const
{
    if (m_edited.isEmpty() || row < 0 || row >= m_rows.model().rowCount())
        return false;
    return m_edited.contains(m_rows.model().rows().rows[size_t(row)].serial);
}
