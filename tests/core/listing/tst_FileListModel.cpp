#include "core/listing/FileListModel.h"
#include "core/listing/ListingTexts.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Rows "f1".."fN" in two folders, serials 1..N, all checked.
FileRows makeRows(int count)
{
    FileRows rows;
    rows.folders.push_back(FileFolder{QStringLiteral("/data/"), QByteArray("/data/")});
    rows.folders.push_back(FileFolder{QStringLiteral("/data/sub/"), QByteArray("/data/sub/")});
    for (int i = 0; i < count; ++i) {
        FileRow &row = rows.rows.emplace_back();
        row.loadedName = QStringLiteral("f%1").arg(i + 1);
        row.newName = row.loadedName;
        row.size = 1536 * i;
        row.mtime = 1614866709 + i; // 2021-03-04 14:05:09 UTC
        row.serial = i + 1;
        row.folder = quint32(i % 2);
    }
    return rows;
}

QStringList column(const FileListModel &model, int col)
{
    QStringList texts;
    for (int r = 0; r < model.rowCount(); ++r)
        texts << model.data(model.index(r, col)).toString();
    return texts;
}

} // namespace

class TestFileListModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void columnsAndTexts();
    void checkStates();
    void removeUncheckedKeepsSerials();
    void newNamesAndRenameRow();
    void marksShowAndMoveWithTheirRows();
};

void TestFileListModel::initTestCase()
{
    qputenv("TZ", "UTC");
    tzset();
}

void TestFileListModel::columnsAndTexts()
{
    FileListModel model;
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.setRows(makeRows(3));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 6);

    QStringList headers;
    QList<int> widths;
    for (int c = 0; c < model.columnCount(); ++c) {
        headers << model.headerData(c, Qt::Horizontal).toString();
        widths << FileListModel::defaultWidth(c);
    }
    QCOMPARE(headers,
             (QStringList{QStringLiteral("Sr"), QStringLiteral("Loaded File Name"),
                          QStringLiteral("New File Name"), QStringLiteral("Last Write Time"),
                          QStringLiteral("Size"), QStringLiteral("Location")}));
    QCOMPARE(widths, (QList<int>{75, 350, 350, 250, 150, 250}));

    QCOMPARE(column(model, FileListModel::Sr),
             (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    QCOMPARE(model.text(1, FileListModel::LoadedName), QStringLiteral("f2"));
    QCOMPARE(model.text(1, FileListModel::NewName), QStringLiteral("f2"));
    QCOMPARE(model.text(0, FileListModel::LastWriteTime),
             QStringLiteral("14:05:09       Thursday, March 04, 2021"));
    QCOMPARE(column(model, FileListModel::Size),
             (QStringList{QStringLiteral("0 bytes"), QStringLiteral("1.50 KB"),
                          QStringLiteral("3.00 KB")}));
    QCOMPARE(column(model, FileListModel::Location),
             (QStringList{QStringLiteral("/data/"), QStringLiteral("/data/sub/"),
                          QStringLiteral("/data/")}));

    // A time that could not be read shows nothing.
    FileRows unknown = makeRows(1);
    unknown.rows[0].mtime = kUnknownTime;
    model.setRows(std::move(unknown));
    QCOMPARE(model.text(0, FileListModel::LastWriteTime), QString());
    QCOMPARE(model.text(5, FileListModel::Sr), QString());
}

void TestFileListModel::checkStates()
{
    FileListModel model;
    model.setRows(makeRows(3));
    QVERIFY(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsUserCheckable));
    QVERIFY(!model.flags(model.index(0, 1)).testFlag(Qt::ItemIsUserCheckable));
    QCOMPARE(model.data(model.index(0, 0), Qt::CheckStateRole).value<Qt::CheckState>(),
             Qt::Checked);
    QVERIFY(!model.data(model.index(0, 1), Qt::CheckStateRole).isValid());

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(1, 0));
    QVERIFY(!model.rows().rows[1].checked);
    QVERIFY(!model.setData(model.index(1, 2), Qt::Checked, Qt::CheckStateRole));

    model.toggle(1);
    model.toggle(2);
    QCOMPARE(model.rows().checkedCount(), 2);
    QVERIFY(!model.rows().rows[2].checked);

    model.setAllChecked(false);
    QCOMPARE(model.rows().checkedCount(), 0);
    model.setAllChecked(true);
    QCOMPARE(model.rows().checkedCount(), 3);
    QCOMPARE(changed.last().at(1).toModelIndex(), model.index(2, 0));
}

void TestFileListModel::removeUncheckedKeepsSerials()
{
    FileListModel model;
    model.setRows(makeRows(6));
    model.setChecked(1, false);
    model.setChecked(2, false);
    model.setChecked(5, false);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.removeUnchecked();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(column(model, FileListModel::Sr),
             (QStringList{QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("5")}));
    QCOMPARE(column(model, FileListModel::Location),
             (QStringList{QStringLiteral("/data/"), QStringLiteral("/data/sub/"),
                          QStringLiteral("/data/")}));
    QCOMPARE(model.rows().checkedCount(), 3);

    // Nothing unchecked: nothing changes.
    model.removeUnchecked();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), 3);
}

void TestFileListModel::newNamesAndRenameRow()
{
    FileListModel model;
    FileRows rows = makeRows(2);
    rows.rows[1].loadedName = rows.rows[1].newName = QStringLiteral("f\xdcff");
    model.setRows(std::move(rows));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.mutableRows().rows[0].newName = QStringLiteral("NEW1");
    model.newNamesChanged();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(0, FileListModel::NewName));
    QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(1, FileListModel::NewName));
    QCOMPARE(model.text(0, FileListModel::NewName), QStringLiteral("NEW1"));
    // A byte that is not UTF-8 is shown as U+FFFD and kept in the row.
    QCOMPARE(model.data(model.index(1, FileListModel::LoadedName)).toString(),
             QStringLiteral("f\ufffd"));
    QCOMPARE(model.rows().fullPathBytes(1), QByteArray("/data/sub/f\xff"));

    model.renameRow(1, QStringLiteral("renamed.txt"));
    QCOMPARE(model.text(1, FileListModel::LoadedName), QStringLiteral("renamed.txt"));
    QCOMPARE(model.text(1, FileListModel::NewName), QStringLiteral("renamed.txt"));
    QCOMPARE(model.rows().fullPathBytes(1), QByteArray("/data/sub/renamed.txt"));
    QCOMPARE(model.text(1, FileListModel::Sr), QStringLiteral("2"));
}

void TestFileListModel::marksShowAndMoveWithTheirRows()
{
    FileListModel model;
    FileRows rows = makeRows(4);
    rows.problems.reset(4);
    rows.problems.set(1, RowProblem::Invalid, QStringLiteral("invalid: too long"));
    rows.problems.set(3, RowProblem::Duplicate);
    model.setRows(std::move(rows));

    const auto problem = [&](int row) {
        return model.data(model.index(row, FileListModel::NewName), FileListModel::kProblemRole)
            .toInt();
    };
    const auto tip = [&](int row) {
        return model.data(model.index(row, FileListModel::NewName), Qt::ToolTipRole).toString();
    };
    QCOMPARE(problem(0), int(RowProblem::None));
    QVERIFY(tip(0).isEmpty());
    QCOMPARE(problem(1), int(RowProblem::Invalid));
    QVERIFY2(tip(1).contains(QStringLiteral("too long")), qPrintable(tip(1)));
    QCOMPARE(tip(3), ListingTexts::problemToolTip(RowProblem::Duplicate, {}));
    QVERIFY(!tip(3).isEmpty());
    // Only the "New File Name" cell carries the mark.
    QVERIFY(model.data(model.index(1, FileListModel::LoadedName), Qt::ToolTipRole).isNull());

    // Removing rows keeps each remaining row's mark with it.
    model.setChecked(0, false);
    model.setChecked(2, false);
    model.removeUnchecked();
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(problem(0), int(RowProblem::Invalid));
    QVERIFY(tip(0).contains(QStringLiteral("too long")));
    QCOMPARE(problem(1), int(RowProblem::Duplicate));
    QCOMPARE(model.rows().problems.size(), size_t(2));
}

QTEST_GUILESS_MAIN(TestFileListModel)
#include "tst_FileListModel.moc"
