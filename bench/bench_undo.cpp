// The undo question after a huge batch that was stopped early: the journal of a million
// rows, nearly all of them recorded as not renamed, is read and its undo planned, as Undo
// Rename does before it asks. Prints the median time of the planning alone and of the whole
// look-up (read, parse and plan) as table rows.

#include "BenchSupport.h"

#include "core/engine/journal/JournalStore.h"
#include "core/engine/journal/JournalUndo.h"
#include "core/engine/rename/BatchRename.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

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

void printRow(const char *what, int rows, double medianMs)
{
    char row[200];
    std::snprintf(row, sizeof row, "(11) %s, %d journal rows, %d of them not renamed", what, rows,
                  rows - kRenamedFiles);
    std::printf("| %s | | %.0f ms | | <= 500 ms | %s |\n", row, medianMs,
                medianMs <= 500 ? "yes" : "NO");
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

    std::vector<double> lookUps, plans;
    for (int r = 0; r < repetitions; ++r) {
        double start = bench::nowMs();
        QString error;
        const std::optional<UndoPlan> plan = planDefaultUndo(error);
        lookUps.push_back(bench::nowMs() - start);
        if (!plan || plan->reverse.rows.size() != size_t(kRenamedFiles)) {
            std::fprintf(stderr, "wrong plan: %s\n", qPrintable(error));
            return 1;
        }
        start = bench::nowMs();
        const UndoPlan again = planUndo(plan->original);
        plans.push_back(bench::nowMs() - start);
        if (again.notDone != rows - kRenamedFiles) {
            std::fprintf(stderr, "wrong plan: %d rows not done\n", again.notDone);
            return 1;
        }
    }
    printRow("undo planning", rows, bench::median(plans));
    printRow("undo look-up (read, parse, plan)", rows, bench::median(lookUps));
    return 0;
}
