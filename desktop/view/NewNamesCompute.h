#pragma once

#include "core/engine/names/NameConflicts.h"
#include "core/engine/settings/RenameParameters.h"
#include "desktop/view/MetadataPrefetch.h"

#include <QHash>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class ListedRows;

// The "New File Name" column of one list. A large list gets its new names in slices between
// event-loop turns, the rows on screen first, so that the window keeps painting.
class NewNamesCompute : public QObject
{
    Q_OBJECT
public:
    explicit NewNamesCompute(ListedRows &rows);

    // Lists of at least this many rows are computed in slices.
    static constexpr int kSlicedFromRows = 20000;

    // A recompute under way starts again from these parameters.
    void compute(const RenameParameters &params);
    // Computes and marks what is left at once: call it before reading new names or marks.
    void finish();
    // Drops a recompute under way: its rows are replaced.
    void stop();
    bool pending() const { return m_sliced.has_value(); }
    // Whether the files' metadata a name template needs are being read (on a worker; the
    // rows fill in as their values arrive).
    bool reading() const { return m_sliced && m_sliced->reading; }
    // Stops the reading: the rows not read keep their names, marked as having no value.
    void cancelReading();
    // The first and last row the view shows ({-1, -1} when none), computed first.
    void setVisibleRows(std::function<std::pair<int, int>()> visibleRows)
    {
        m_visibleRows = std::move(visibleRows);
    }

    // Marks the rows whose new names cannot be used, over the whole list (after a sliced
    // recompute has finished); a large list in steps between event-loop turns.
    void markConflicts();

    // Names given to single rows by hand or from a list. Each wins over the rule's name for
    // its row, through every recompute (a sort, say), until clearEditedNames(); a name equal
    // to the rule's own drops the row's edit. Rows are named by index and kept by serial.
    void setEditedName(int row, const QString &name);
    // The same for many rows at once, then one marking.
    void setEditedNames(const std::vector<std::pair<int, QString>> &names);
    // The rule's names come back.
    void clearEditedNames();
    // Drops the edits without touching the rows: a listing replaced them.
    void forgetEditedNames() { m_edited.clear(); }
    bool isEdited(int row) const;
    bool hasEditedNames() const { return !m_edited.isEmpty(); }

signals:
    // After every computation of the column.
    void computed();
    // After every marking of the rows.
    void marked();
    // After names were edited by hand or their edits cleared.
    void edited();
    // The reading of metadata started or ended.
    void readingChanged();

private:
    // Puts the edited names over the rule's, remembering the rule's for each.
    void applyEditedNames();
    // One row's edit, without marking.
    void editName(int row, const QString &name);
    void computeNextSlice();
    void done();
    void scheduleMarking();
    // inSteps: a large list between event-loop turns; thenComputed: computed() follows the
    // marks, as the last step of a recompute.
    void startMarking(bool inSteps, bool thenComputed);
    // The rows changed under a marking in steps: it starts again.
    void restartMarking();
    void markNextStep();
    void finishMarking();
    void startReading(const RenameParameters &params, MetadataKinds kinds);
    // Whether the marks compare names ignoring case (see startMarking).
    bool marksIgnoreCase() const;
    // Row row's new name changed after the recompute: its hash too.
    void retakeHash(std::size_t row);
    // Rows [from, to) were checked or unchecked: their hashes say so.
    void retakeChecks(std::size_t from, std::size_t to);
    // The rows' loaded names or places changed (not only their check boxes): what the
    // markings keep between them goes.
    void dropKeptNames();

    ListedRows &m_rows;
    // A recompute under way in slices: the parameters, the presence of every row and the row
    // ranges [from, to) still to do.
    struct SlicedCompute
    {
        RenameParameters params;
        std::vector<std::uint8_t> present;
        std::vector<std::pair<std::size_t, std::size_t>> left;
        // Rows whose metadata a worker reads first: only the rows read (m_prefetch's
        // ready(), counted along left) are computed.
        bool reading = false;
        std::size_t consumed = 0;
    };
    MetadataPrefetch m_prefetch;
    std::optional<SlicedCompute> m_sliced;
    QTimer m_sliceTimer;
    std::function<std::pair<int, int>()> m_visibleRows;
    bool m_markingPosted = false;
    // The new names' hashes the recompute took (every row's, once it is done, and only until
    // the rows change), and what markings keep between them (it outlives m_marking).
    NewNameHashes m_newNameHashes;
    bool m_hashesTaken = false;
    ConflictMarkingCache m_cache;
    // A marking under way in steps, and how many rows were marked when it began.
    std::optional<ConflictMarking> m_marking;
    std::size_t m_marksBefore = 0;
    bool m_computedAfterMarking = false;
    QTimer m_markTimer;
    struct EditedName
    {
        QString ruleName; // what the rule gives the row
        QString name;     // what the row shows and is renamed to
    };
    QHash<qint32, EditedName> m_edited; // by the rows' serials
};
