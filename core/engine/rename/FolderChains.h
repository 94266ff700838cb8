#pragma once

#include "core/engine/journal/BatchJournal.h"
#include "core/engine/rename/BatchRename.h"
#include "core/engine/rename/ChainMover.h"
#include "core/engine/rename/ParkingNames.h"

#include <vector>

class FileRows;

// Steps done over steps in all, reported every 256 steps and at the end.
class StepCounter
{
public:
    StepCounter(const BatchProgress &progress, int total) : m_progress(progress), m_total(total) {}
    void step()
    {
        ++m_done;
        if (m_progress && (m_done % 256 == 0 || m_done == m_total))
            m_progress(m_done, m_total);
    }

private:
    const BatchProgress &m_progress;
    int m_total;
    int m_done = 0;
};

// The renames of one folder: planned first (who waits for whom, which rows form cycles),
// then carried out.
class FolderChains
{
public:
    // rowIndices: the folder's checked rows whose new name differs from the loaded one.
    // checkFiles: rename a row only while its old name still holds the file of its inode.
    FolderChains(const FileRows &rows, quint32 folder, const std::vector<int> &rowIndices,
                 bool checkFiles);

    int cycleCount() const { return int(m_cycles.size()); }
    // The temporary name of each cycle's first member, for the journal.
    void addParkedNames(BatchJournal::ParkedNames &parked) const;

    void plan();
    void run(StepCounter &steps, BatchJournal &journal, BatchResult &result);

private:
    static void fail(Mover &m, const QString &error);
    const QString &loadedName(const Mover &m) const;
    const QString &newName(const Mover &m) const;

    void link(int fd);
    void findCycles();
    bool renameStep(const QByteArray &from, const QByteArray &toBytes, const QString &to,
                    bool plain, QString &error);
    bool stillTheFile(const Mover &m, QString &error) const;
    bool moveToTarget(Mover &m, QString &error);
    void move(Mover &m);
    void settleWaiting(int start, StepCounter &steps);
    void rotate(const std::vector<int> &cycle, const QByteArray &parked);

    const FileRows &m_rows;
    QByteArray m_path;
    quint64 m_device;
    bool m_checkFiles;
    int m_fd = -1; // the folder's handle while run() runs
    BatchJournal *m_journal = nullptr;
    std::vector<Mover> m_movers;
    std::vector<std::vector<int>> m_cycles;
    ParkingNames m_parking;
    std::vector<QByteArray> m_parkedNames; // one per cycle
    std::vector<int> m_firstPred, m_preds; // movers waiting for mover i: m_preds[m_firstPred[i]..]
};
