#include "core/engine/names/FileRows.h"
#include "core/engine/names/NameConflicts.h"
#include "tests/core/engine/RowsFromFolder.h"
#include "tests/support/TestTree.h"

#include <QHash>
#include <QRandomGenerator>
#include <QTest>

// The marks the preview shows before a batch: which rows would collide or be refused.
class NameConflictsTest : public QObject
{
    Q_OBJECT

private slots:
    void marksRows_data();
    void marksRows();
    void invalidNames_data();
    void invalidNames();
    void unlistedEntriesOnDisk();
    void oneUnlistedNameInManyFolders();
    void caseVariantsOfEveryLength();
    void refusedUnitsAtEveryPlace();
    void marksFollowTheNewNames();
    void manyRowsAcrossThreads();
    void agreesWithPlainGrouping();
    void keptHashesAndNamesAgree();
};

namespace {

// One row: "folder:loaded>new", a leading '-' for an unchecked row; ">new" may be left out.
void addRows(FileRows &rows, const QStringList &entries)
{
    for (QString entry : entries) {
        const bool checked = !entry.startsWith(QLatin1Char('-'));
        if (!checked)
            entry.remove(0, 1);
        const QString folder = u"/nowhere/"_qs + entry.section(QLatin1Char(':'), 0, 0);
        const QString names = entry.section(QLatin1Char(':'), 1);
        const QString loaded = names.section(QLatin1Char('>'), 0, 0);
        appendRow(rows, folder, loaded.toUtf8());
        FileRow &row = rows.rows.back();
        row.checked = checked;
        if (names.contains(QLatin1Char('>')))
            row.newName = names.section(QLatin1Char('>'), 1);
    }
}

// One letter per row: '.' fine, 'D' duplicate, 'E' exists, 'I' invalid, 'R' rule failed.
QString marks(const FileRows &rows)
{
    QString out;
    for (size_t i = 0; i < rows.rows.size(); ++i) {
        switch (rows.problems.kind(i)) {
        case RowProblem::None:
            out += QLatin1Char('.');
            break;
        case RowProblem::Duplicate:
            out += QLatin1Char('D');
            break;
        case RowProblem::Exists:
            out += QLatin1Char('E');
            break;
        case RowProblem::Invalid:
            out += QLatin1Char('I');
            break;
        case RowProblem::RuleFailed:
        case RowProblem::MissingValue:
            out += QLatin1Char('R');
            break;
        }
    }
    return out;
}

} // namespace

void NameConflictsTest::marksRows_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<QString>("expected");

    QTest::newRow("all fine") << QStringList{u"a:x>1"_qs, u"a:y>2"_qs} << false << u".."_qs;
    QTest::newRow("unchanged rows") << QStringList{u"a:x"_qs, u"a:x"_qs} << false << u".."_qs;
    QTest::newRow("two rows, one name")
        << QStringList{u"a:x>n"_qs, u"a:y>n"_qs, u"a:z>m"_qs} << false << u"DD."_qs;
    QTest::newRow("three rows, one name")
        << QStringList{u"a:x>n"_qs, u"a:y>n"_qs, u"a:z>n"_qs} << false << u"DDD"_qs;
    QTest::newRow("same name, other folders")
        << QStringList{u"a:x>n"_qs, u"b:y>n"_qs} << false << u".."_qs;
    QTest::newRow("case differs, case-sensitive")
        << QStringList{u"a:x>N"_qs, u"a:y>n"_qs} << false << u".."_qs;
    QTest::newRow("case differs, ignoring case")
        << QStringList{u"a:x>Ä"_qs, u"a:y>ä"_qs} << true << u"DD"_qs;
    QTest::newRow("swap") << QStringList{u"a:a>b"_qs, u"a:b>a"_qs} << false << u".."_qs;
    QTest::newRow("rotation") << QStringList{u"a:a>b"_qs, u"a:b>c"_qs, u"a:c>a"_qs} << false
                              << u"..."_qs;
    QTest::newRow("chain into a free name")
        << QStringList{u"a:p1>p2"_qs, u"a:p2>p3"_qs} << false << u".."_qs;
    QTest::newRow("onto a row that keeps its name")
        << QStringList{u"a:x>k"_qs, u"a:k"_qs} << false << u"E."_qs;
    QTest::newRow("onto an unchecked row")
        << QStringList{u"a:x>k"_qs, u"-a:k>z"_qs} << false << u"E."_qs;
    QTest::newRow("unchecked rows take no part")
        << QStringList{u"-a:x>n"_qs, u"a:y>n"_qs, u"-a:z>"_qs} << false << u"..."_qs;
    QTest::newRow("kept name, other case, ignoring case")
        << QStringList{u"a:x>README"_qs, u"a:readme"_qs} << true << u"E."_qs;
    QTest::newRow("kept name, other case, case-sensitive")
        << QStringList{u"a:x>README"_qs, u"a:readme"_qs} << false << u".."_qs;
    QTest::newRow("case-only change") << QStringList{u"a:photo>PHOTO"_qs} << true << u"."_qs;
    QTest::newRow("refused names")
        << QStringList{u"a:x>"_qs, u"a:y>.."_qs, u"a:z>d/e"_qs} << false << u"III"_qs;
    // A refused row keeps its file under the loaded name, so that name stays taken.
    QTest::newRow("onto a refused row's name")
        << QStringList{u"a:x>"_qs, u"a:y>x"_qs} << false << u"IE"_qs;
    QTest::newRow("duplicate wins over exists")
        << QStringList{u"a:x>k"_qs, u"a:y>k"_qs, u"a:k"_qs} << false << u"DD."_qs;
}

void NameConflictsTest::marksRows()
{
    QFETCH(QStringList, rows);
    QFETCH(bool, ignoreCase);
    QFETCH(QString, expected);
    FileRows fileRows;
    addRows(fileRows, rows);
    markNameConflicts(fileRows, ConflictCheck{ignoreCase, {}});
    QCOMPARE(marks(fileRows), expected);
}

void NameConflictsTest::invalidNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("detail");

    const QString longest(255, QLatin1Char('a'));
    QTest::newRow("plain") << u"a.txt"_qs << QString();
    QTest::newRow("255 bytes") << longest << QString();
    QTest::newRow("256 bytes") << longest + u"b"_qs << u"invalid: too long (over 255 bytes)"_qs;
    // 128 characters of two bytes each: few characters, too many bytes.
    QTest::newRow("256 bytes of UTF-8")
        << QString(128, QChar(0xE9)) << u"invalid: too long (over 255 bytes)"_qs;
    QTest::newRow("127 two-byte characters") << QString(127, QChar(0xE9)) << QString();
    QTest::newRow("escaped bytes count one each") << QString(255, QChar(0xDCFF)) << QString();
    QTest::newRow("empty") << QString() << u"invalid: empty"_qs;
    QTest::newRow("dot") << u"."_qs << u"invalid: \".\" or \"..\""_qs;
    QTest::newRow("dot dot") << u".."_qs << u"invalid: \".\" or \"..\""_qs;
    QTest::newRow("three dots") << u"..."_qs << QString();
    QTest::newRow("slash") << u"a/b"_qs << u"invalid: holds \"/\""_qs;
    QTest::newRow("nul") << u"a\0b"_qs << u"invalid: holds a NUL character"_qs;
    // Past the first four characters, which are looked at four at a time.
    QTest::newRow("slash later") << u"abcdef/gh"_qs << u"invalid: holds \"/\""_qs;
    QTest::newRow("nul later") << QStringView(u"abcdefgh\0", 9).toString()
                               << u"invalid: holds a NUL character"_qs;
    QTest::newRow("next to slash") << u"abcd.0.-"_qs << QString();
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << u"invalid: half of a character"_qs;
}

void NameConflictsTest::invalidNames()
{
    QFETCH(QString, name);
    QFETCH(QString, detail);
    QCOMPARE(invalidNameDetail(name), detail);

    // The row carries the same detail, and the short reason is that detail.
    FileRows rows;
    addRows(rows, {u"a:x"_qs});
    rows.rows[0].newName = name;
    markNameConflicts(rows, {});
    QCOMPARE(rows.problems.kind(0), detail.isEmpty() ? RowProblem::None : RowProblem::Invalid);
    QCOMPARE(problemReason(rows.problems.kind(0), rows.problems.detail(0)), detail);

    // The hashes a recompute takes tell refused names apart the same way.
    for (const bool ignoreCase : {false, true}) {
        NewNameHashes hashes;
        hashes.reset(1, ignoreCase);
        hashes.take(rows, 0);
        QCOMPARE(hashes.state(0),
                 detail.isEmpty() ? NewNameHashes::Renamed : NewNameHashes::Refused);
    }
}

void NameConflictsTest::unlistedEntriesOnDisk()
{
    TestTree tree;
    QVERIFY(tree.createFile(u"one.txt"_qs));
    QVERIFY(tree.createFile(u"two.txt"_qs));
    QVERIFY(tree.createFile(u".hidden"_qs)); // left out of the list, as by the filter
    QVERIFY(tree.createFile(u"TWO.TXT"_qs)); // left out too: read-only, say
    QVERIFY(tree.createFolder(u"sub"_qs));
    FileRows rows;
    appendRow(rows, tree.root(), "one.txt");
    appendRow(rows, tree.root(), "two.txt");

    struct Case
    {
        QString first, second;
        bool ignoreCase;
        QString expected;
    } cases[] = {
        {u".hidden"_qs, u"free"_qs, false, u"E."_qs},
        {u"sub"_qs, u"SUB"_qs, false, u"E."_qs},
        {u"SUB"_qs, u"free"_qs, true, u"E."_qs},
        // A listed name that its row leaves is free, whatever the disk holds now.
        {u"two.txt"_qs, u"three.txt"_qs, false, u".."_qs},
        // An unlisted entry that differs from a listed name in case only is another file.
        {u"TWO.TXT"_qs, u"two.txt"_qs, false, u"E."_qs},
        {u"one.txt"_qs, u"one.txt"_qs, false, u".E"_qs},
    };
    for (const Case &c : cases) {
        rows.rows[0].newName = c.first;
        rows.rows[1].newName = c.second;
        const UnlistedNames unlisted(rows, c.ignoreCase);
        markNameConflicts(
            rows, ConflictCheck{c.ignoreCase, [&]() -> const UnlistedNames & { return unlisted; }});
        QVERIFY2(marks(rows) == c.expected, qPrintable(c.first + u' ' + c.second));
    }
}

void NameConflictsTest::oneUnlistedNameInManyFolders()
{
    // The same entry in every folder: its hashes differ by folder only. Enough rows for the
    // names to be marked in several partitions, each with its own unlisted hashes.
    TestTree tree;
    constexpr int kFolders = 600;
    FileRows rows;
    for (int f = 0; f < kFolders; ++f) {
        const QString folder = u"d"_qs + QString::number(f);
        QVERIFY(tree.createFile(folder + u"/.hidden"_qs));
        QVERIFY(tree.createFile(folder + u"/a"_qs));
        QVERIFY(tree.createFile(folder + u"/b"_qs));
        appendRow(rows, tree.path(folder), "a");
        appendRow(rows, tree.path(folder), "b");
        rows.rows[rows.rows.size() - 2].newName = f % 3 == 0 ? u".hidden"_qs : u".Hidden"_qs;
        rows.rows.back().newName = u"c"_qs;
    }
    QString expected;
    for (int f = 0; f < kFolders; ++f)
        expected += f % 3 == 0 ? u"E."_qs : u".."_qs;
    const UnlistedNames unlisted(rows, false);
    markNameConflicts(rows,
                      ConflictCheck{false, [&]() -> const UnlistedNames & { return unlisted; }});
    QCOMPARE(marks(rows), expected);
}

void NameConflictsTest::caseVariantsOfEveryLength()
{
    // Names are hashed eight characters at a time, the last eight (or four) overlapping the
    // ones before, and names beyond ASCII are folded apart: every length and every place of
    // the character that differs is tried. The Kelvin sign folds to 'k', so a name with it is
    // the ASCII name's duplicate; '@' and '`' hash alike and are still two names.
    const QString letters = u"aBcDeFgHiJkLmNoPqRsTuVwXyZ"_qs;
    struct Variant
    {
        QChar one, other;
        QString marks;
    };
    const Variant variants[] = {{QLatin1Char('x'), QLatin1Char('X'), u"DD"_qs},
                                {QChar(0xC4), QChar(0xE4), u"DD"_qs},
                                {QChar(0x212A), QLatin1Char('K'), u"DD"_qs},
                                {QLatin1Char('@'), QLatin1Char('`'), u".."_qs}};
    for (int size = 1; size <= 20; ++size)
        for (int at = 0; at < size; ++at)
            for (const Variant &variant : variants) {
                QString name = letters.left(size);
                QString other = name.toUpper();
                name[at] = variant.one;
                other[at] = variant.other;
                if (variant.marks == u"DD")
                    QCOMPARE(folderNameHash(true, 7, name), folderNameHash(true, 7, other));
                FileRows rows;
                addRows(rows, {u"f:0>"_qs + name, u"f:1>"_qs + other});
                NewNameHashes hashes;
                hashes.reset(rows.rows.size(), true);
                for (size_t i = 0; i < rows.rows.size(); ++i)
                    hashes.take(rows, i);
                markNameConflicts(rows, ConflictCheck{true, {}, &hashes, nullptr});
                QVERIFY2(marks(rows) == variant.marks, qPrintable(name + u' ' + other));
            }
}

void NameConflictsTest::refusedUnitsAtEveryPlace()
{
    // The recompute's hashes find '/', NUL and half a character in the same pass that hashes
    // the name, eight units at a time with the last block overlapping: every length and every
    // place must refuse the name as invalidNameDetail does, and a letter beyond ASCII must not.
    const QChar units[] = {QLatin1Char('/'), QChar(0), QChar(0xD800), QChar(0xE9)};
    for (int size = 1; size <= 20; ++size)
        for (int at = 0; at < size; ++at)
            for (const QChar unit : units) {
                QString name(size, QLatin1Char('n'));
                name[at] = unit;
                FileRows rows;
                addRows(rows, {u"f:x"_qs});
                rows.rows[0].newName = name;
                const bool refused = !invalidNameDetail(name).isEmpty();
                QCOMPARE(refused, unit != QChar(0xE9));
                for (const bool ignoreCase : {false, true}) {
                    NewNameHashes hashes;
                    hashes.reset(1, ignoreCase);
                    hashes.take(rows, 0);
                    QVERIFY2(hashes.state(0) ==
                                 (refused ? NewNameHashes::Refused : NewNameHashes::Renamed),
                             qPrintable(QString::number(size) + u' ' + QString::number(at)));
                }
            }
}

void NameConflictsTest::marksFollowTheNewNames()
{
    FileRows rows;
    addRows(rows, {u"a:x>n"_qs, u"a:y>n"_qs, u"a:z>"_qs, u"a:w"_qs});
    rows.problems.reset(rows.rows.size());
    rows.problems.set(3, RowProblem::RuleFailed, u"no date"_qs);
    markNameConflicts(rows, {});
    QCOMPARE(marks(rows), u"DDIR"_qs);
    QCOMPARE(markedRowCount(rows.problems), size_t(4));
    QCOMPARE(problemReason(RowProblem::RuleFailed, rows.problems.detail(3)), u"no date"_qs);

    // Marked again after the names change: old marks go, the rule's mark stays.
    rows.rows[1].newName = u"m"_qs;
    rows.rows[2].newName = u"z2"_qs;
    markNameConflicts(rows, {});
    QCOMPARE(marks(rows), u"...R"_qs);
    QVERIFY(rows.problems.detail(2).isEmpty());
    QCOMPARE(markedRowCount(rows.problems), size_t(1));

    // In steps, the marks shown stay as they were until the last one.
    rows.rows[1].newName = u"n"_qs;
    rows.rows[2].newName = u""_qs;
    ConflictMarking marking(rows, {});
    int steps = 1;
    for (; !marking.step(); ++steps)
        QCOMPARE(marks(rows), u"...R"_qs);
    QVERIFY(steps > 2);
    QCOMPARE(marks(rows), u"DDIR"_qs);
    QVERIFY(marking.step()); // done stays done
}

void NameConflictsTest::manyRowsAcrossThreads()
{
    // Enough rows to be shared among threads; the pairs lie far apart.
    constexpr int kRows = 100000;
    FileRows rows;
    for (int i = 0; i < kRows; ++i) {
        appendRow(rows, u"/nowhere/a"_qs, QByteArray::number(i));
        rows.rows.back().newName = u"new"_qs + QString::number(i);
    }
    rows.rows[10].newName = rows.rows[kRows - 10].newName;            // duplicate
    rows.rows[kRows - 20].newName = rows.rows[kRows - 20].loadedName; // keeps its name
    rows.rows[20].newName = rows.rows[kRows - 20].loadedName;         // exists
    rows.rows[30].newName = rows.rows[kRows - 30].loadedName;         // left by its row
    markNameConflicts(rows, {});
    QString expected(kRows, QLatin1Char('.'));
    expected[10] = expected[kRows - 10] = QLatin1Char('D');
    expected[20] = QLatin1Char('E');
    QCOMPARE(marks(rows), expected);

    // Marked again with every new name its own: those marks go, the rule's own mark stays.
    rows.problems.set(50, RowProblem::RuleFailed, u"no date"_qs);
    for (size_t i = 0; i < rows.rows.size(); ++i)
        rows.rows[i].newName = u"fresh"_qs + QString::number(i);
    markNameConflicts(rows, {});
    expected.fill(QLatin1Char('.'));
    expected[50] = QLatin1Char('R');
    QCOMPARE(marks(rows), expected);
}

void NameConflictsTest::agreesWithPlainGrouping()
{
    // Many rows in many folders, names drawn from a small set of spellings that differ in case
    // (ASCII, Latin and Greek letters, short and long), marked in both comparisons and checked
    // against plain grouping by folder and case-folded name.
    const QStringList stems = {u"a"_qs,         u"img_0001.jpg"_qs,        u"Ärger"_qs,
                               u"σοφία.txt"_qs, u"Photo-ÄÖÜ-long name"_qs, u"x1"_qs};
    QStringList spellings;
    for (const QString &stem : stems)
        for (int i = 0; i < 8; ++i)
            spellings << stem + QString::number(i) << (stem + QString::number(i)).toUpper();
    for (const bool ignoreCase : {false, true}) {
        QRandomGenerator random(ignoreCase ? 7 : 11); // a fixed seed: the same rows every run
        FileRows rows;
        for (int folder = 0; folder < 200; ++folder) {
            QStringList loaded = spellings;
            for (int r = 0; r < 90; ++r) {
                const QString name = loaded.takeAt(random.bounded(loaded.size()));
                appendRow(rows, u"/nowhere/"_qs + QString::number(folder), name.toUtf8());
                FileRow &row = rows.rows.back();
                const int what = random.bounded(10);
                row.checked = what != 0;
                if (what >= 4)
                    row.newName = spellings[random.bounded(spellings.size())];
            }
        }
        markNameConflicts(rows, ConflictCheck{ignoreCase, {}});

        const auto key = [&](const FileRow &row, const QString &name) {
            return QString::number(row.folder) + u'/' + (ignoreCase ? name.toCaseFolded() : name);
        };
        QHash<QString, int> movers, left, kept;
        const auto moves = [](const FileRow &row) {
            return row.checked && row.newName != row.loadedName;
        };
        for (const FileRow &row : rows.rows) {
            if (moves(row))
                ++movers[key(row, row.newName)];
            ++(moves(row) ? left : kept)[key(row, row.loadedName)];
        }
        QString expected;
        for (const FileRow &row : rows.rows) {
            const QString k = key(row, row.newName);
            if (!moves(row))
                expected += u'.';
            else if (movers.value(k) > 1)
                expected += u'D';
            else
                expected += kept.contains(k) ? u'E' : u'.';
        }
        QVERIFY(rows.rows.size() > 16384); // shared among threads, in several partitions
        QVERIFY(expected.count(u'D') > 100 && expected.count(u'E') > 100);
        QCOMPARE(marks(rows), expected);
    }
}

// The marks with what the recompute and earlier markings keep (the new names' hashes, the
// loaded names laid out) are those of a marking from scratch, through changes of new names
// (each row taken again) and check boxes, and kept data that does not fit is not used.
void NameConflictsTest::keptHashesAndNamesAgree()
{
    const QStringList names = {u"a.txt"_qs, u"A.TXT"_qs, u"b"_qs, u"Ärger"_qs, u"ärger"_qs,
                               u"c/d"_qs,   u""_qs,      u"σ"_qs, u"Σ"_qs,     u"x.jpg"_qs};
    for (const bool ignoreCase : {false, true}) {
        QRandomGenerator random(ignoreCase ? 3 : 5); // a fixed seed: the same rows every run
        FileRows rows;
        for (int folder = 0; folder < 60; ++folder)
            for (int r = 0; r < 300; ++r) {
                appendRow(rows, u"/nowhere/"_qs + QString::number(folder),
                          (names[r % names.size()] + QString::number(r / names.size())).toUtf8());
                rows.rows.back().checked = random.bounded(8) != 0;
            }
        const auto renameSome = [&](int count) {
            for (int k = 0; k < count; ++k) {
                FileRow &row = rows.rows[size_t(random.bounded(int(rows.rows.size())))];
                const QString name = names[random.bounded(names.size())];
                row.newName = name + QString::number(random.bounded(40));
            }
        };
        const auto fromScratch = [&] {
            FileRows copy = rows;
            markNameConflicts(copy, ConflictCheck{ignoreCase, {}});
            return marks(copy);
        };
        NewNameHashes hashes;
        ConflictMarkingCache cache;
        const ConflictCheck kept{ignoreCase, {}, &hashes, &cache};
        const auto takeAll = [&] {
            hashes.reset(rows.rows.size(), ignoreCase);
            for (size_t i = 0; i < rows.rows.size(); ++i)
                hashes.take(rows, i);
        };

        renameSome(12000);
        takeAll();
        markNameConflicts(rows, kept); // lays the loaded names out in the cache
        const QString first = marks(rows);
        QCOMPARE(first, fromScratch());
        QVERIFY(first.count(u'D') > 50 && first.count(u'E') > 50 && first.count(u'I') > 50);

        for (int change = 0; change < 3; ++change) {
            renameSome(3000);
            takeAll();
            for (int k = 0; k < 2000; ++k) {
                const size_t i = size_t(random.bounded(int(rows.rows.size())));
                rows.rows[i].checked ^= true;
                hashes.take(rows, i); // the hashes know the check boxes too
            }
            markNameConflicts(rows, kept);
            QCOMPARE(marks(rows), fromScratch());
        }

        // Hashes taken for the other comparison, or for other rows, are not used.
        renameSome(3000);
        hashes.reset(rows.rows.size(), !ignoreCase);
        for (size_t i = 0; i < rows.rows.size(); ++i)
            hashes.take(rows, i);
        markNameConflicts(rows, kept);
        QCOMPARE(marks(rows), fromScratch());
        renameSome(3000);
        hashes.reset(10, ignoreCase);
        markNameConflicts(rows, kept);
        QCOMPARE(marks(rows), fromScratch());
    }
}

QTEST_GUILESS_MAIN(NameConflictsTest)
#include "tst_NameConflicts.moc"
