#include "core/engine/names/FileRows.h"
#include "core/engine/names/NewNameRule.h"

#include <QRandomGenerator>
#include <QTest>

#include <climits>

// ComputeNewFileNames may share the rows among threads; its column must equal the one row
// after the other computation, counters and missing files included.
class TestParallelNewNames : public QObject
{
    Q_OBJECT

    static QString randomName(QRandomGenerator &random)
    {
        static const QString pieces[] = {
            QStringLiteral("IMG_"), QStringLiteral("a"), QStringLiteral("."), QStringLiteral("txt"),
            QStringLiteral("ä"),    QStringLiteral("Ω"), QStringLiteral("1"), QStringLiteral("aa"),
            QStringLiteral("ß"),    QStringLiteral("..")};
        QString name;
        const int parts = int(random.bounded(7));
        for (int i = 0; i < parts; ++i)
            name += pieces[random.bounded(int(std::size(pieces)))];
        return name;
    }

    static RenameParameters randomParameters(QRandomGenerator &random)
    {
        const auto flag = [&random] { return random.bounded(2) == 1; };
        static const qint32 counters[] = {1, 0, -5, INT_MAX - 3, INT_MAX, INT_MIN};
        RenameParameters p;
        p.checkRemoveInitialCharacters = flag();
        p.removeInitialCharactersLength = int(random.bounded(5)) - 1;
        p.checkNumberAtEnd = flag();
        p.numberAtEnd = counters[random.bounded(int(std::size(counters)))];
        p.checkNewFileName = flag();
        p.newFileName = flag() ? QStringLiteral("Trip") : QString();
        p.checkFindAndReplace = flag();
        p.findText = flag() ? QStringLiteral("a") : QStringLiteral("1");
        p.replaceText = flag() ? QStringLiteral("bb") : QString();
        p.checkNumberAtStart = flag();
        p.numberAtStart = counters[random.bounded(int(std::size(counters)))];
        p.checkUpperCase = flag();
        p.checkLowerCase = flag();
        return p;
    }

private slots:
    void equalsTheSerialComputation_data()
    {
        QTest::addColumn<int>("rowCount");
        // Small lists stay on one thread; the long ones are split.
        for (const int n : {0, 1, 7, 5000, 40001, 100000})
            QTest::addRow("%d rows", n) << n;
    }

    void equalsTheSerialComputation()
    {
        QFETCH(int, rowCount);
        QRandomGenerator random(quint32(rowCount) + 17u);
        FileRows rows;
        rows.folders.push_back({QStringLiteral("/nowhere/"), QByteArrayLiteral("/nowhere/")});
        std::vector<std::uint8_t> present;
        for (int i = 0; i < rowCount; ++i) {
            FileRow row;
            row.loadedName = randomName(random);
            row.newName = QStringLiteral("stale");
            row.serial = i + 1;
            row.checked = random.bounded(3) != 0;
            rows.rows.push_back(row);
            present.push_back(random.bounded(10) != 0 ? 1 : 0); // some files deleted
        }

        for (int run = 0; run < 12; ++run) {
            const RenameParameters params = randomParameters(random);
            ComputeNewFileNames(rows, params, &present);

            RenameCounters counters = RenameCounters::from(params);
            for (int i = 0; i < rowCount; ++i) {
                const FileRow &row = rows.rows[size_t(i)];
                const QString expected =
                    computeNewName(params, row.loadedName, present[size_t(i)] != 0, counters);
                if (row.newName != expected)
                    QFAIL(qPrintable(QStringLiteral("run %1, row %2: got \"%3\", expected \"%4\"")
                                         .arg(run)
                                         .arg(i)
                                         .arg(row.newName, expected)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestParallelNewNames)
#include "tst_ParallelNewNames.moc"
