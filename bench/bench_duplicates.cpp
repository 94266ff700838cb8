// (4) The duplicate check of 100,000 new names, next to a C hash set over ASCII-lowercased
// bytes. Worst case for both: no duplicate, so every name is looked at.

#include "bench/BenchSupport.h"
#include "bench/CBaselines.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/rename/BatchRename.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 15;

    static const char *const shapes[] = {"IMG_%05d.jpg", "Report %05d.TXT", "notes-%05d.md",
                                         "archive%05d.tar.gz", "README%05d"};
    FileRows rows;
    rows.folders.push_back({QStringLiteral("/list/"), QByteArrayLiteral("/list/")});
    std::vector<QByteArray> bytes;
    char name[64];
    for (int i = 0; i < 100000; ++i) {
        std::snprintf(name, sizeof name, shapes[i % 5], i);
        FileRow row;
        row.loadedName = QString::fromUtf8(name);
        row.newName = row.loadedName;
        rows.rows.push_back(row);
        bytes.emplace_back(name);
    }
    std::vector<const char *> names;
    for (const QByteArray &b : bytes)
        names.push_back(b.constData());

    const auto run = [&](const char *what) {
        long cFirst = 0;
        int first = 0;
        const bench::Medians m = bench::compare(
            repetitions, [&] { cFirst = cbase::firstDuplicate(names.data(), names.size()); },
            [&] { first = findDuplicateNewName(rows); });
        if (cFirst != first)
            std::fprintf(stderr, "duplicates: C says %ld, Quirewell %d\n", cFirst, first);
        bench::printRow(what, m.baseline, m.ours, 3.0);
    };
    run("(4) duplicate check of 100,000 names, none equal (C hash set = 1)");

    // The last name equal to the first but for case: found only at the end.
    rows.rows.back().newName = rows.rows.front().newName.toLower();
    bytes.back() = bytes.front().toLower();
    names.back() = bytes.back().constData();
    run("(4b) same, the last name equals the first but for case");
    return 0;
}
