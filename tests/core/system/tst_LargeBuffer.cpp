#include "core/engine/names/FileRows.h"
#include "core/system/LargeBuffer.h"

#include <QTest>

#include <cstdint>
#include <cstring>

// Large buffers come from their own mappings, small ones from the heap; both hold what is
// written into them, and a table that grows from one kind to the other keeps its rows.
class LargeBufferTest : public QObject
{
    Q_OBJECT

private slots:
    void holdsEveryByte_data();
    void holdsEveryByte();
    void tableGrowsAcrossTheSizes();
};

void LargeBufferTest::holdsEveryByte_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::newRow("one byte") << qint64(1);
    QTest::newRow("below mapping") << qint64((4 << 20) - 1);
    QTest::newRow("first mapped size") << qint64(4 << 20);
    QTest::newRow("not a whole huge page") << qint64((4 << 20) + 4097);
    QTest::newRow("a hundred megabytes") << qint64(100 << 20);
}

void LargeBufferTest::holdsEveryByte()
{
    QFETCH(qint64, bytes);
    const auto size = std::size_t(bytes);
    auto *buffer = static_cast<unsigned char *>(allocateLargeBuffer(size));
    QVERIFY(buffer);
    if (size >= (4u << 20)) // mapped ones start on a huge-page boundary
        QCOMPARE(reinterpret_cast<std::uintptr_t>(buffer) % (2u << 20), 0u);
    // Every page of the buffer is written, the last byte too, and read back.
    for (std::size_t i = 0; i < size; i += 4096)
        buffer[i] = static_cast<unsigned char>(i / 4096 * 7 + 1);
    buffer[size - 1] = 0xA5;
    bool same = buffer[size - 1] == 0xA5;
    for (std::size_t i = 0; i + 1 < size && same; i += 4096)
        same = buffer[i] == static_cast<unsigned char>(i / 4096 * 7 + 1);
    QVERIFY(same);
    releaseLargeBuffer(buffer, size);
}

void LargeBufferTest::tableGrowsAcrossTheSizes()
{
    FileRows rows;
    constexpr int kRows = 300000; // about 24 MB of rows: mapped once past 4 MB
    for (int i = 0; i < kRows; ++i) {
        FileRow &row = rows.rows.emplace_back();
        row.loadedName = QString::number(i);
        row.newName = row.loadedName;
        row.serial = i + 1;
    }
    FileRows copy = rows;
    rows.rows.shrink_to_fit();
    bool intact = copy.count() == kRows && rows.count() == kRows;
    for (int i = 0; i < kRows && intact; ++i) {
        const FileRow &a = rows.rows[size_t(i)];
        const FileRow &b = copy.rows[size_t(i)];
        intact = a.loadedName == QString::number(i) && a.serial == i + 1 &&
                 b.loadedName == a.loadedName && b.newName == a.newName;
    }
    QVERIFY(intact);
}

QTEST_GUILESS_MAIN(LargeBufferTest)
#include "tst_LargeBuffer.moc"
