#pragma once

#include "core/engine/settings/RenameParameters.h"
#include "desktop/view/MetadataPrefetch.h"

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
    // Computes what is left at once: call it before reading new names.
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
    // recompute has finished).
    void markConflicts();

signals:
    // After every computation of the column.
    void computed();
    // After every marking of the rows.
    void marked();
    // The reading of metadata started or ended.
    void readingChanged();

private:
    void computeNextSlice();
    void done();
    void scheduleMarking();
    void startReading(const RenameParameters &params, MetadataKinds kinds);

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
};
