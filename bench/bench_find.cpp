// (2d) Find and replace over 1,000,000 rows held in memory: a regular expression next to the
// plain text find that gives the same names, both through the whole recompute.

#include "bench/BenchSupport.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/names/NewNameRule.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kRows = 1000000;

// Camera names, with one in ten of another shape that neither find matches.
FileRows makeRows()
{
    FileRows rows;
    rows.folders.push_back(FileFolder{QStringLiteral("/bench/"), "/bench/"});
    rows.rows.reserve(kRows);
    for (int i = 0; i < kRows; ++i) {
        FileRow row;
        row.loadedName = i % 10 == 9 ? QStringLiteral("Holiday %1 beach.JPG").arg(i)
                                     : QStringLiteral("IMG_%1.jpg").arg(i, 7, 10, QLatin1Char('0'));
        row.newName = row.loadedName;
        rows.rows.push_back(std::move(row));
    }
    return rows;
}

RenameParameters findReplace(const QString &find, const QString &replace, bool regex)
{
    RenameParameters p;
    p.checkFindAndReplace = true;
    p.findText = find;
    p.replaceText = replace;
    p.findRegularExpression = regex;
    return p;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 11;
    FileRows plainRows = makeRows();
    FileRows regexRows = plainRows;
    const std::vector<std::uint8_t> present(size_t(kRows), 1);
    const RenameParameters plain =
        findReplace(QStringLiteral("IMG_"), QStringLiteral("Photo-"), false);
    const RenameParameters regex =
        findReplace(QStringLiteral("IMG_(\\d+)"), QStringLiteral("Photo-$1"), true);

    const bench::Medians m = bench::compare(
        repetitions, [&] { ComputeNewFileNames(plainRows, plain, &present); },
        [&] { ComputeNewFileNames(regexRows, regex, &present); });
    int differ = 0;
    for (size_t i = 0; i < size_t(kRows); ++i)
        differ += plainRows.rows[i].newName != regexRows.rows[i].newName;
    if (differ != 0)
        std::fprintf(stderr, "find: %d names differ between plain text and expression\n", differ);
    bench::printRow("(2d) regex find and replace, 1,000,000 rows (plain find and replace = 1)",
                    m.baseline, m.ours, 2.0);
    return 0;
}
