#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/names/RowOrder.h"

#include <QTest>

// Orders of the whole list: each key, both directions, ties in the listing's order.
class RowOrderTest : public QObject
{
    Q_OBJECT

private slots:
    void orders_data();
    void orders();
    void reorderingKeepsEveryRow();
    void sortWords();
};

namespace {

struct Listed
{
    QByteArray name;
    int folder;
    qint64 mtime;
    qint64 size;
};

// Rows in listing order (serials 1, 2, ...) in two folders, "/b/" and "/a/".
FileRows rowsOf(const QList<Listed> &listed)
{
    FileRows rows;
    rows.folders.push_back({u"/b/"_qs, "/b/", 0});
    rows.folders.push_back({u"/a/"_qs, "/a/", 0});
    for (const Listed &l : listed) {
        FileRow row;
        row.loadedName = decodeFileName(l.name);
        row.newName = row.loadedName;
        row.folder = quint32(l.folder);
        row.mtime = l.mtime;
        row.size = l.size;
        row.serial = qint32(rows.rows.size() + 1);
        rows.rows.push_back(row);
    }
    return rows;
}

QList<int> serials(const FileRows &rows, const std::vector<quint32> &order)
{
    QList<int> s;
    for (const quint32 i : order)
        s.append(rows.rows[i].serial);
    return s;
}

} // namespace

void RowOrderTest::orders_data()
{
    QTest::addColumn<QList<Listed>>("listed");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QList<int>>("expected"); // serials in the sorted order

    const QList<Listed> names{{"file10", 0, 5, 1},
                              {"File2", 0, 1, 3},
                              {"file1", 1, 5, 2},
                              {"b", 1, 0, 3},
                              {"FILE10", 1, 9, 0}};
    QTest::newRow("name") << names << int(RowSortKey::Name) << false << QList<int>{4, 3, 1, 5, 2};
    // Equal names keep the listing's order in both directions.
    QTest::newRow("name descending")
        << names << int(RowSortKey::Name) << true << QList<int>{2, 1, 5, 3, 4};
    QTest::newRow("natural") << names << int(RowSortKey::NaturalName) << false
                             << QList<int>{4, 3, 2, 1, 5};
    QTest::newRow("modified") << names << int(RowSortKey::Modified) << false
                              << QList<int>{4, 2, 1, 3, 5};
    QTest::newRow("size descending")
        << names << int(RowSortKey::Size) << true << QList<int>{2, 4, 3, 1, 5};
    QTest::newRow("location") << names << int(RowSortKey::Location) << false
                              << QList<int>{3, 4, 5, 1, 2};
    QTest::newRow("serial descending")
        << names << int(RowSortKey::Serial) << true << QList<int>{5, 4, 3, 2, 1};

    // A byte that is not UTF-8 does not end the comparison: what follows it still counts,
    // case-insensitively.
    QTest::newRow("after a bad byte")
        << QList<Listed>{{"ab\xffz", 0, 0, 0}, {"AB\xffy", 0, 0, 0}, {"ab\xfe", 0, 0, 0}}
        << int(RowSortKey::Name) << false << QList<int>{3, 2, 1};
    QTest::newRow("natural: zeros, long numbers, digits against letters")
        << QList<Listed>{{"x007", 0, 0, 0},
                         {"x7a", 0, 0, 0},
                         {"x12345678901234567890", 0, 0, 0},
                         {"x0", 0, 0, 0},
                         {"x-1", 0, 0, 0},
                         {"xa", 0, 0, 0},
                         {"x7", 0, 0, 0},
                         {"x99999999999999999999", 0, 0, 0}}
        << int(RowSortKey::NaturalName) << false << QList<int>{5, 4, 1, 7, 2, 3, 8, 6};
    QTest::newRow("natural: non-ASCII folds too")
        << QList<Listed>{{"\xc3\x89t\xc3\xa9 10", 0, 0, 0}, {"\xc3\xa9t\xc3\xa9 9", 0, 0, 0}}
        << int(RowSortKey::NaturalName) << false << QList<int>{2, 1};
}

void RowOrderTest::orders()
{
    QFETCH(QList<Listed>, listed);
    QFETCH(int, key);
    QFETCH(bool, descending);
    QFETCH(QList<int>, expected);
    const FileRows rows = rowsOf(listed);
    QCOMPARE(serials(rows, sortedRowOrder(rows, RowSortKey(key), descending)), expected);
}

void RowOrderTest::reorderingKeepsEveryRow()
{
    FileRows rows = rowsOf({{"c", 0, 0, 0}, {"a", 1, 0, 0}, {"b", 0, 0, 0}});
    rows.rows[1].newName = u"x"_qs;
    rows.problems.reset(3);
    rows.problems.set(1, RowProblem::Invalid);
    reorderRows(rows, sortedRowOrder(rows, RowSortKey::Name, false));
    QCOMPARE(rows.rows[0].loadedName, u"a"_qs);
    QCOMPARE(rows.rows[0].newName, u"x"_qs);
    QCOMPARE(rows.rows[0].folder, 1u);
    QCOMPARE(rows.rows[2].serial, 1);
    QVERIFY(rows.problems.isEmpty());
}

void RowOrderTest::sortWords()
{
    QCOMPARE(rowSortKeyFromWord(u"name"_qs), RowSortKey::Name);
    QCOMPARE(rowSortKeyFromWord(u"natural"_qs), RowSortKey::NaturalName);
    QCOMPARE(rowSortKeyFromWord(u"modified"_qs), RowSortKey::Modified);
    QCOMPARE(rowSortKeyFromWord(u"size"_qs), RowSortKey::Size);
    QVERIFY(!rowSortKeyFromWord(u"Name"_qs));
    QVERIFY(!rowSortKeyFromWord(u"location"_qs));
}

QTEST_GUILESS_MAIN(RowOrderTest)
#include "tst_RowOrder.moc"
