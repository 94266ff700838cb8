#include "desktop/view/NewNamesCompute.h"

#include "core/engine/names/NameConflicts.h"
#include "core/engine/names/NewNameRule.h"
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
    connect(&model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &topLeft) {
        if (topLeft.column() < FileListModel::NewName)
            restartMarking();
    });
    connect(&model, &QAbstractItemModel::modelReset, this, &NewNamesCompute::restartMarking);
    // Sorted rows keep their marks, but a marking in steps knows them by their old places.
    connect(&model, &QAbstractItemModel::layoutChanged, this, [this] {
        if (m_marking)
            restartMarking();
    });
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
    // Listed with sub-folders the batch compares names as Linux file systems do, with case;
    // otherwise its duplicate check ignores case, and so do the marks.
    const bool ignoreCase = !m_rows.subFoldersListed();
    m_markTimer.stop();
    // A marking dropped before its end (restartMarking) still owes the signal.
    m_computedAfterMarking = m_computedAfterMarking || thenComputed;
    m_marksBefore = markedRowCount(model.rows().problems);
    m_marking.emplace(model.mutableRows(),
                      ConflictCheck{ignoreCase, [this]() -> const UnlistedNames & {
                                        return m_rows.unlistedNames();
                                    }});
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

void NewNamesCompute::compute(const RenameParameters &params)
{
    stop();
    FileListModel &model = m_rows.model();
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
        ComputeNewFileNames(model.mutableRows(), params, known);
        done();
        return;
    }
    // The rows on screen now, then the rest in slices between event-loop turns.
    std::pair<int, int> shown = m_visibleRows ? m_visibleRows() : std::pair{-1, -1};
    const size_t first = shown.first < 0 ? 0 : size_t(shown.first);
    const size_t last = shown.first < 0 ? 0 : std::min(size_t(shown.second) + 1, size_t(count));
    ComputeNewFileNames(model.mutableRows(), params, known, first, last);
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
    while (!job.left.empty() && clock.nsecsElapsed() < 4'000'000) {
        auto &[from, to] = job.left.front();
        const size_t end = std::min(to, from + kStep);
        ComputeNewFileNames(model.mutableRows(), job.params, known, from, end);
        model.newNamesChanged(int(from), int(end) - 1);
        from = end;
        if (from == to)
            job.left.erase(job.left.begin());
    }
    if (job.left.empty()) {
        m_sliced.reset();
        applyEditedNames();
        // The column counts as computed once its marks are set too.
        startMarking(true, true);
    } else {
        m_sliceTimer.start();
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
    SlicedCompute &job = *m_sliced;
    const std::vector<std::uint8_t> *known = job.present.empty() ? nullptr : &job.present;
    for (const auto &[from, to] : job.left)
        ComputeNewFileNames(m_rows.model().mutableRows(), job.params, known, from, to);
    m_sliced.reset();
    done();
}

void NewNamesCompute::stop()
{
    m_sliceTimer.stop();
    m_sliced.reset();
    m_markTimer.stop();
    m_marking.reset();
    m_computedAfterMarking = false;
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
    for (FileRow &row : rows.rows) {
        const auto edited = m_edited.find(row.serial);
        if (edited == m_edited.end())
            continue;
        edited->ruleName = row.newName;
        row.newName = edited->name;
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
    for (FileRow &row : rows.rows)
        if (const auto edited = m_edited.constFind(row.serial); edited != m_edited.constEnd())
            row.newName = edited->ruleName;
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
