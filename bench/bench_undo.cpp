// The undo question after a huge batch that was stopped early: the journal of a million
// rows, nearly all of them recorded as not renamed, is read and its undo planned, as Undo
// Rename does before it asks. Prints the median time of the planning alone, and the time to
// the question (read, parse and plan) next to a plain C read of the same journal that only
// counts its lines, measured in turns in the same run.

#include "bench/BenchSupport.h"
#include "bench/CBaselines.h"

#include "core/engine/journal/JournalStore.h"
#include "core/engine/journal/JournalUndo.h"
#include "core/engine/rename/BatchRename.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <sys/stat.h>

namespace {

constexpr int kRenamedFiles = 1000; // real files the batch did rename before it was stopped

// A journal entry of rows files in folder: the first kRenamedFiles renamed (their files made
// at their new names), every other one recorded as stopped before.
bool writeJournal(const QByteArray &folder, int rows)
{
    JournalEntry entry;
    entry.folders.push_back(folder + '/');
    entry.rows.reserve(size_t(rows));
    JournalOutcome outcome;
    for (int i = 0; i < rows; ++i) {
        char oldName[32], newName[32];
        std::snprintf(oldName, sizeof oldName, "file%07d.txt", i);
        std::snprintf(newName, sizeof newName, "FILE%07d.TXT", i);
        JournalRow row{0, 0, quint64(i + 1), oldName, newName, {}};
        if (i < kRenamedFiles) {
            const QByteArray path = entry.folders[0] + newName;
            std::FILE *file = std::fopen(path.constData(), "w");
            struct stat st;
            if (!file || std::fclose(file) != 0 || ::stat(path.constData(), &st) != 0)
                return false;
            row.device = st.st_dev;
            row.inode = st.st_ino;
            ++outcome.renamed;
        } else {
            outcome.failures.push_back({quint32(i), BatchTexts::notAttempted()});
        }
        entry.rows.push_back(std::move(row));
    }
    outcome.failed = int(outcome.failures.size());
    QString error;
    JournalStore::Writer writer;
    if (!writer.begin(entry, error) || !writer.finish(outcome, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    return true;
}

QByteArray rowText(const char *what, int rows)
{
    char row[200];
    std::snprintf(row, sizeof row, "(11) %s, %d journal rows, %d of them not renamed", what, rows,
                  rows - kRenamedFiles);
    return row;
}

// The goal is the time itself: at most 500 ms to the question.
void printRow(const QByteArray &what, double baselineMs, double medianMs)
{
    const QByteArray baseline =
        baselineMs < 0 ? QByteArray() : QByteArray::number(baselineMs, 'f', 0) + " ms";
    const QByteArray ratio =
        baselineMs > 0 ? QByteArray::number(medianMs / baselineMs, 'f', 2) : QByteArray();
    std::printf("| %s | %s | %.0f ms | %s | <= 500 ms | %s |\n", what.constData(),
                baseline.constData(), medianMs, ratio.constData(), medianMs <= 500 ? "yes" : "NO");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const char *rowsText = std::getenv("QUIREWELL_BENCH_ROWS");
    const int rows =
        rowsText && std::atoi(rowsText) > kRenamedFiles ? std::atoi(rowsText) : 1000000;
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    bench::TempFolder work;
    const QByteArray files = work.path() + "/files";
    qputenv("XDG_STATE_HOME", work.path() + "/state");
    if (::mkdir(files.constData(), 0700) != 0 || !writeJournal(files, rows)) {
        std::fprintf(stderr, "could not write the journal\n");
        return 1;
    }

    const QByteArray journalFolder = work.path() + "/state/quirewell/journal";
    // The processor time of the look-up too, on standard error: on a machine shared with
    // other work the wall time says more about the others than about the look-up.
    std::vector<double> lookUps, plans, reads, lookUpCpu;
    for (int r = 0; r < repetitions; ++r) {
        double start = bench::nowMs();
        if (cbase::readLinesOfFiles(journalFolder.constData()) < rows) {
            std::fprintf(stderr, "could not read the journal back\n");
            return 1;
        }
        reads.push_back(bench::nowMs() - start);
        start = bench::nowMs();
        const std::clock_t cpuStart = std::clock();
        QString error;
        const std::optional<UndoPlan> plan = planDefaultUndo(error);
        lookUps.push_back(bench::nowMs() - start);
        lookUpCpu.push_back(double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC);
        if (!plan || plan->reverse.rows.size() != size_t(kRenamedFiles)) {
            std::fprintf(stderr, "wrong plan: %s\n", qPrintable(error));
            return 1;
        }
        JournalEntry entry = plan->original;
        start = bench::nowMs();
        const UndoPlan again = planUndo(std::move(entry));
        plans.push_back(bench::nowMs() - start);
        if (again.notDone != rows - kRenamedFiles) {
            std::fprintf(stderr, "wrong plan: %d rows not done\n", again.notDone);
            return 1;
        }
    }
    printRow(rowText("undo planning", rows), -1, bench::median(plans));
    printRow(rowText("time to the undo question (read, parse, plan; C: read the lines)", rows),
             bench::median(reads), bench::median(lookUps));
    std::fprintf(stderr, "undo look-up: median processor time %.0f ms\n", bench::median(lookUpCpu));
    return 0;
}
