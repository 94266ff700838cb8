// (1) Loading 100,000 files into the file list model, next to a C walk of the same tree.

#include "bench/BenchSupport.h"
#include "bench/CBaselines.h"
#include "core/listing/FileListLoader.h"
#include "core/listing/FileListModel.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

void loadIntoModel(const QByteArray &folder, FileListModel &model)
{
    FileListLoader loader;
    loader.setFilters(true, true); // hidden and read-only files listed too: all 100,000
    FileRows rows;
    loader.load(QFile::decodeName(folder), true, rows);
    model.setRows(std::move(rows));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 15;
    bench::TempFolder temp;
    for (const bench::Shape shape : {bench::Shape::Many, bench::Shape::Flat}) {
        if (!bench::makeTree(temp.path(), shape)) {
            std::fprintf(stderr, "could not make the tree\n");
            return 2;
        }
        const QByteArray folder = bench::shapeFolder(temp.path(), shape);
        long walked = 0;
        int listed = 0;
        const bench::Medians m = bench::compare(
            repetitions,
            [&] {
                cbase::WalkResult r;
                cbase::walk(folder.constData(), &r);
                walked = r.files;
                bench::keep(r.sum);
                cbase::freeWalk(&r);
            },
            [&] {
                FileListModel model;
                loadIntoModel(folder, model);
                listed = model.rowCount();
            });
        if (walked != 100000 || listed != 100000)
            std::fprintf(stderr, "walked %ld, listed %d: expected 100000\n", walked, listed);
        bench::printRow(shape == bench::Shape::Many
                            ? "(1) load 100,000 files, 100 folders x 1,000 (C walk = 1)"
                            : "(1) load 100,000 files, one folder (C walk = 1)",
                        m.baseline, m.ours, 1.3);

        // The list formats time and size only for the rows it shows; formatting all of them
        // once is shown apart, for information.
        if (shape == bench::Shape::Many) {
            FileListModel model;
            loadIntoModel(folder, model);
            std::vector<double> times;
            for (int r = 0; r < 3; ++r) {
                const double start = bench::nowMs();
                qsizetype chars = 0;
                for (int row = 0; row < model.rowCount(); ++row)
                    for (int column = 0; column < FileListModel::ColumnCount; ++column)
                        chars += model.text(row, column).size();
                times.push_back(bench::nowMs() - start);
                bench::keep(quint64(chars));
            }
            char ours[32];
            std::snprintf(ours, sizeof ours, "%.2f ms", bench::median(times));
            bench::printInfo("(1b) all six texts of all 100,000 rows formatted once", "", ours,
                             "only shown rows are formatted");
        }
        bench::removeAll(folder);
    }
    return 0;
}
