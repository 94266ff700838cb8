// (2) One recompute of the new names of 100,000 rows, look-ups included, next to a C loop
// that stats each full path and then builds the name.

#include "bench/BenchSupport.h"
#include "bench/CBaselines.h"
#include "core/engine/names/NewNameRule.h"
#include "core/listing/FileListLoader.h"
#include "core/listing/presence/FolderPresence.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace {

RenameParameters benchParameters()
{
    RenameParameters p;
    p.checkRemoveInitialCharacters = true;
    p.removeInitialCharactersLength = 2;
    p.checkNumberAtEnd = true;
    p.numberAtEnd = 1;
    p.checkFindAndReplace = true;
    p.findText = QStringLiteral("IMG");
    p.replaceText = QStringLiteral("Photo");
    p.checkUpperCase = true;
    return p;
}

// The C loop's own copy of the rows: full paths in one arena.
struct CRows
{
    std::vector<QByteArray> paths;
    std::vector<cbase::CRow> rows;
};

CRows cRowsOf(const FileRows &rows)
{
    CRows c;
    c.paths.reserve(rows.rows.size());
    for (int i = 0; i < rows.count(); ++i) {
        const FileRow &r = rows.rows[size_t(i)];
        c.paths.push_back(rows.fullPathBytes(i));
        const QByteArray &path = c.paths.back();
        c.rows.push_back(
            {path.constData(), path.constData() + rows.folders[r.folder].rawPath.size()});
    }
    return c;
}

int mismatches(const FileRows &rows, const std::vector<char> &cNames)
{
    int bad = 0;
    const char *p = cNames.data();
    for (const FileRow &r : rows.rows) {
        bad += r.newName.toUtf8() != QByteArray(p);
        p += std::strlen(p) + 1;
    }
    return bad;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 11;
    bench::TempFolder temp;
    if (!bench::makeTree(temp.path(), bench::Shape::Many)) {
        std::fprintf(stderr, "could not make the tree\n");
        return 2;
    }
    const QByteArray top = bench::shapeFolder(temp.path(), bench::Shape::Many);

    FolderPresence presence;
    FileListLoader loader;
    loader.setFilters(true, true);
    // Each folder is watched just before the walk reads it.
    loader.setFolderStart([&presence](const QByteArray &folder) { presence.watch(folder); });
    presence.start(top);
    FileRows rows;
    loader.load(QFile::decodeName(top), true, rows);
    if (rows.count() != 100000)
        std::fprintf(stderr, "listed %d rows, expected 100000\n", rows.count());

    const RenameParameters params = benchParameters();
    const CRows c = cRowsOf(rows);
    std::vector<char> cNames(size_t(rows.count()) * 64);
    const auto cLoop = [&] {
        bench::keep(cbase::statThenComputeNames(c.rows.data(), c.rows.size(), 2, 1, "IMG", "Photo",
                                                cNames.data()));
    };
    const auto ours = [&] {
        const std::vector<std::uint8_t> present = presence.presence(rows);
        ComputeNewFileNames(rows, params, &present);
    };

    const bench::Medians clean = bench::compare(repetitions, cLoop, ours);
    if (const int bad = mismatches(rows, cNames))
        std::fprintf(stderr, "recompute: %d names differ from the C loop\n", bad);
    bench::printRow("(2) recompute 100,000 rows, look-ups included (C stat + name = 1)",
                    clean.baseline, clean.ours, 0.5);

    // A file deleted and made again in one folder: that folder's 1,000 rows are looked up.
    const QByteArray victim = top + "/d050/IMG_50000.jpg";
    QFile::remove(QFile::decodeName(victim));
    QFile(QFile::decodeName(victim)).open(QIODevice::WriteOnly);
    const bench::Medians oneDirty = bench::compare(repetitions, cLoop, ours);
    bench::printRow("(2b) same, one folder changed since the load (1,000 rows looked up)",
                    oneDirty.baseline, oneDirty.ours, 0.5);

    // Without the tracker every row is looked up (through one handle per folder).
    const bench::Medians all =
        bench::compare(repetitions, cLoop, [&] { ComputeNewFileNames(rows, params); });
    if (const int bad = mismatches(rows, cNames))
        std::fprintf(stderr, "recompute without the tracker: %d names differ\n", bad);
    char base[32], mine[32], note[64];
    std::snprintf(base, sizeof base, "%.2f ms", all.baseline);
    std::snprintf(mine, sizeof mine, "%.2f ms", all.ours);
    std::snprintf(note, sizeof note, "%.2f (no tracker: every row looked up)",
                  all.ours / all.baseline);
    bench::printInfo("(2c) recompute 100,000 rows, every row looked up", base, mine, note);
    return 0;
}
