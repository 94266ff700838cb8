#pragma once

#include "core/engine/names/NameConflicts.h"
#include "core/engine/settings/RenameParameters.h"

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

    ListedRows &m_rows;
    // A recompute under way in slices: the parameters, the presence of every row and the row
    // ranges [from, to) still to do.
    struct SlicedCompute
    {
        RenameParameters params;
        std::vector<std::uint8_t> present;
        std::vector<std::pair<std::size_t, std::size_t>> left;
    };
    std::optional<SlicedCompute> m_sliced;
    QTimer m_sliceTimer;
    std::function<std::pair<int, int>()> m_visibleRows;
    bool m_markingPosted = false;
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
