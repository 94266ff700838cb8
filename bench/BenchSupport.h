#pragma once

// What every benchmark program shares: temporary trees, a clock, medians and the table rows.

#include <QByteArray>

#include <ctime>
#include <functional>
#include <vector>

namespace bench {

// A fresh folder under $TMPDIR (else /tmp), removed with everything in it on destruction.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    const QByteArray &path() const { return m_path; } // no trailing '/'

private:
    QByteArray m_path;
};

// Creates folder (and its parents) holding count empty files named after the pattern
// "stem%05d.ext" in several shapes; every tenth file is hidden and every seventh read-only.
// Returns false when a file could not be made.
bool makeMixedFiles(const QByteArray &folder, int count);
// Creates folder holding count empty files "file00000.txt", "file00001.txt" and on.
bool makePlainFiles(const QByteArray &folder, int count);
// The tree of the listing benchmarks: folders "d000" to "d099" of 1,000 files each
// (shape Many) or one folder "flat" of 100,000 (shape Flat).
enum class Shape
{
    Many,
    Flat
};
bool makeTree(const QByteArray &root, Shape shape);
QByteArray shapeFolder(const QByteArray &root, Shape shape); // the folder to list
// Deletes everything below folder, then the folder itself.
void removeAll(const QByteArray &folder);

double nowMs();
// Runs work and adds the processor time it took, in milliseconds, to into: on a machine
// shared with other work the wall time says more about the others than about the work.
template <typename Work> void cpuTimed(std::vector<double> &into, const Work &work)
{
    const std::clock_t start = std::clock();
    work();
    into.push_back(double(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC);
}
// A value of /proc/self/status in bytes ("VmRSS", "VmHWM"); -1024 when it cannot be read.
long long statusBytes(const char *field);
double median(std::vector<double> values);

// Runs baseline and ours alternately, repetitions times each, after prepare (untimed) before
// every single run; returns the medians in milliseconds.
struct Medians
{
    double baseline;
    double ours;
};
Medians compare(int repetitions, const std::function<void()> &baseline,
                const std::function<void()> &ours, const std::function<void()> &prepare = {});

// One row of the table: "| what | baseline | ours | ratio | target | met |".
void printRow(const char *what, double baselineMs, double oursMs, double targetRatio);
// A row with no target: shown for information.
void printInfo(const char *what, const char *baseline, const char *ours, const char *note);

// Keeps a computed value alive so the compiler cannot drop the work that made it.
void keep(unsigned long long value);

} // namespace bench
