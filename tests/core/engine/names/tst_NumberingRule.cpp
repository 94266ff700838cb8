#include "core/engine/names/FileRows.h"
#include "core/engine/names/NewNameRule.h"
#include "tests/core/engine/RowsFromFolder.h"

#include <QTest>

#include <climits>
#include <limits>

// Running numbers with padding, steps and a restart in every folder, and the step that pads
// the numbers already in a title.
class NumberingRuleTest : public QObject
{
    Q_OBJECT

private slots:
    void runningNumbers_data();
    void runningNumbers();
    void numberBeyondThe64BitLimitsFailsTheRow();
    void restartInEveryFolder();
    void rangesEqualTheWholeRun_data();
    void rangesEqualTheWholeRun();
    void paddedNumbersInTitle_data();
    void paddedNumbersInTitle();
    void paddingLimits_data();
    void paddingLimits();
};

namespace {

enum class Place
{
    Start,
    End,
};

RenameParameters numbering(Place place, int first, int pad, int step)
{
    RenameParameters p;
    if (place == Place::Start) {
        p.checkNumberAtStart = true;
        p.numberAtStart = first;
        p.padNumberAtStart = pad;
        p.stepNumberAtStart = step;
    } else {
        p.checkNumberAtEnd = true;
        p.numberAtEnd = first;
        p.padNumberAtEnd = pad;
        p.stepNumberAtEnd = step;
    }
    return p;
}

// Three folders whose rows come in runs: a a b b b a c.
FileRows rowsInRuns(int copies = 1)
{
    FileRows rows;
    for (const char *folder : {"/a/", "/b/", "/c/"})
        rows.folders.push_back({QString::fromLatin1(folder), QByteArray(folder), 0});
    const quint32 pattern[] = {0, 0, 1, 1, 1, 0, 2};
    for (int c = 0; c < copies; ++c) {
        for (const quint32 folder : pattern) {
            FileRow row{u"f.txt"_qs, u"f.txt"_qs};
            row.folder = folder;
            rows.rows.push_back(row);
        }
    }
    return rows;
}

} // namespace

void NumberingRuleTest::runningNumbers_data()
{
    QTest::addColumn<int>("place");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("pad");
    QTest::addColumn<int>("step");
    QTest::addColumn<QStringList>("expected");
    const int start = int(Place::Start);
    const int end = int(Place::End);
    QTest::newRow("padded") << start << 7 << 3 << 1 << QStringList{u"007f.txt"_qs, u"008f.txt"_qs};
    QTest::newRow("zeros after the minus sign")
        << start << -5 << 3 << 1 << QStringList{u"-005f.txt"_qs, u"-004f.txt"_qs};
    QTest::newRow("padding 0 and 1 as without")
        << start << 5 << 1 << 1 << QStringList{u"5f.txt"_qs, u"6f.txt"_qs};
    QTest::newRow("negative padding as without")
        << end << 5 << -4 << 1 << QStringList{u"f5.txt"_qs, u"f6.txt"_qs};
    QTest::newRow("more digits than the padding")
        << end << 998 << 3 << 1 << QStringList{u"f998.txt"_qs, u"f999.txt"_qs, u"f1000.txt"_qs};
    QTest::newRow("counts down across zero")
        << start << 2 << 2 << -1
        << QStringList{u"02f.txt"_qs, u"01f.txt"_qs, u"00f.txt"_qs, u"-01f.txt"_qs};
    QTest::newRow("step of ten") << end << 0 << 0 << 10
                                 << QStringList{u"f0.txt"_qs, u"f10.txt"_qs, u"f20.txt"_qs};
    QTest::newRow("step of zero") << end << 4 << 2 << 0
                                  << QStringList{u"f04.txt"_qs, u"f04.txt"_qs};
    QTest::newRow("past 2147483647")
        << start << INT_MAX - 1 << 12 << 1
        << QStringList{u"002147483646f.txt"_qs, u"002147483647f.txt"_qs, u"002147483648f.txt"_qs};
    QTest::newRow("largest step up")
        << end << INT_MAX << 0 << INT_MAX
        << QStringList{u"f2147483647.txt"_qs, u"f4294967294.txt"_qs, u"f6442450941.txt"_qs};
    QTest::newRow("largest step down")
        << start << INT_MIN << 0 << INT_MIN
        << QStringList{u"-2147483648f.txt"_qs, u"-4294967296f.txt"_qs, u"-6442450944f.txt"_qs};
    QTest::newRow("most digits") << start << 1 << 255 << 1
                                 << QStringList{QString(254, u'0') + u"1f.txt"_qs};
    QTest::newRow("stored padding above the limit")
        << end << -1 << 100000 << 1 << QStringList{u"f-"_qs + QString(254, u'0') + u"1.txt"_qs};
}

void NumberingRuleTest::runningNumbers()
{
    QFETCH(int, place);
    QFETCH(int, first);
    QFETCH(int, pad);
    QFETCH(int, step);
    QFETCH(QStringList, expected);
    RenameParameters p = numbering(Place(place), first, pad, step);
    RenameCounters counters = RenameCounters::from(p);
    for (const QString &name : expected)
        QCOMPARE(computeNewName(p, u"f.txt"_qs, true, counters), name);
    // Find and replace makes the start number be added in another way.
    p.checkFindAndReplace = true;
    p.findText = u"f"_qs;
    p.replaceText = u"f"_qs;
    counters = RenameCounters::from(p);
    for (const QString &name : expected)
        QCOMPARE(computeNewName(p, u"f.txt"_qs, true, counters), name);
}

// No value beyond the 64-bit limits is written; the rows from there on keep their names and
// say why.
void NumberingRuleTest::numberBeyondThe64BitLimitsFailsTheRow()
{
    constexpr qint64 kMin = std::numeric_limits<qint64>::min();
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    RenameParameters p = numbering(Place::Start, 0, 255, 1);
    RenameCounters counters = RenameCounters::from(p);
    counters.start = {kMin, -1};
    RuleFailure failure;
    QCOMPARE(computeNewName(p, u"f"_qs, true, counters, &failure),
             u"-"_qs + QString(255 - 19, u'0') + u"9223372036854775808f"_qs);
    QCOMPARE(failure.problem, RowProblem::None);
    QCOMPARE(computeNewName(p, u"f"_qs, true, counters, &failure), u"f"_qs);
    QCOMPARE(failure.problem, RowProblem::RuleFailed);
    QVERIFY(!failure.detail.isEmpty());

    p = numbering(Place::End, 0, 0, 1);
    counters = RenameCounters::from(p);
    counters.end = {kMax - 1, 1};
    QCOMPARE(computeNewName(p, u"f.a"_qs, true, counters), u"f9223372036854775806.a"_qs);
    QCOMPARE(computeNewName(p, u"f.a"_qs, true, counters), u"f9223372036854775807.a"_qs);
    failure = {};
    QCOMPARE(computeNewName(p, u"f.a"_qs, true, counters, &failure), u"f.a"_qs);
    QCOMPARE(failure.problem, RowProblem::RuleFailed);

    // Skipping rows in one go overflows in the multiplication rather than the sum.
    RunningNumber far{0, INT_MAX};
    far.skip(qint64(1) << 31);
    QVERIFY(!far.outOfRange);
    far.skip(kMax / 2);
    QVERIFY(far.outOfRange);
}

void NumberingRuleTest::restartInEveryFolder()
{
    RenameParameters p = numbering(Place::Start, 1, 0, 2);
    p.checkNumberAtEnd = true;
    p.numberAtEnd = 10;
    p.stepNumberAtEnd = -1;
    p.restartNumbersEachFolder = true;
    FileRows rows = rowsInRuns();
    const std::vector<std::uint8_t> present(rows.rows.size(), 1);
    ComputeNewFileNames(rows, p, &present);
    const QStringList expected{u"1f10.txt"_qs, u"3f9.txt"_qs,  u"1f10.txt"_qs, u"3f9.txt"_qs,
                               u"5f8.txt"_qs,  u"1f10.txt"_qs, u"1f10.txt"_qs};
    QCOMPARE(newNames(rows), expected);

    p.restartNumbersEachFolder = false;
    ComputeNewFileNames(rows, p, &present);
    QCOMPARE(rows.rows.back().newName, u"13f4.txt"_qs);

    // An empty list has no run to look for.
    p.restartNumbersEachFolder = true;
    FileRows none;
    ComputeNewFileNames(none, p, nullptr);
    QCOMPARE(none.rows.size(), size_t(0));
}

// Any part of the list computed on its own gets the names the whole run gives it, also when
// the part starts in the middle of a folder's run of rows, and also when the run is shared
// out between threads (thousands of rows).
void NumberingRuleTest::rangesEqualTheWholeRun_data()
{
    QTest::addColumn<bool>("restart");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("copies");
    QTest::newRow("one run") << false << 3 << 2;
    QTest::newRow("restart") << true << 1 << 2;
    QTest::newRow("restart, counting down") << true << -7 << 2;
    QTest::newRow("restart, many rows") << true << 5 << 6000;
}

void NumberingRuleTest::rangesEqualTheWholeRun()
{
    QFETCH(bool, restart);
    QFETCH(int, step);
    QFETCH(int, copies);
    RenameParameters p = numbering(Place::Start, INT_MAX, 4, step);
    p.checkNumberAtEnd = true;
    p.numberAtEnd = -3;
    p.stepNumberAtEnd = step;
    p.padNumberAtEnd = 2;
    p.restartNumbersEachFolder = restart;
    FileRows whole = rowsInRuns(copies);
    const std::vector<std::uint8_t> present(whole.rows.size(), 1);
    ComputeNewFileNames(whole, p, &present);

    // The same names row after row from one pair of counters that restarts at each new folder.
    RenameCounters counters = RenameCounters::from(p);
    for (size_t i = 0; i < whole.rows.size(); ++i) {
        if (restart && i > 0 && whole.rows[i].folder != whole.rows[i - 1].folder)
            counters = RenameCounters::from(p);
        QCOMPARE(whole.rows[i].newName, computeNewName(p, u"f.txt"_qs, true, counters));
    }

    const size_t n = whole.rows.size();
    const size_t stride = n > 100 ? 997 : 1;
    for (size_t from = 0; from < n; from += stride) {
        FileRows part = rowsInRuns(copies);
        ComputeNewFileNames(part, p, &present, from, std::min(n, from + 3));
        for (size_t i = from; i < std::min(n, from + 3); ++i)
            QCOMPARE(part.rows[i].newName, whole.rows[i].newName);
        if (from > 0)
            QCOMPARE(part.rows[from - 1].newName, u"f.txt"_qs); // rows outside are left alone
    }
}

void NumberingRuleTest::paddedNumbersInTitle_data()
{
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expected");
    const QString escaped(QChar(0xdcff)); // the byte 0xff of a name that is not UTF-8
    QTest::newRow("one number") << u"IMG_7.jpg"_qs << 3 << u"IMG_007.jpg"_qs;
    QTest::newRow("several runs") << u"a1b22c333d4444.txt"_qs << 3 << u"a001b022c333d4444.txt"_qs;
    QTest::newRow("digits at both ends") << u"5 of 12"_qs << 2 << u"05 of 12"_qs;
    QTest::newRow("dots inside the title") << u"7.1.mp3"_qs << 3 << u"007.001.mp3"_qs;
    QTest::newRow("extension left alone") << u"v1.7z"_qs << 3 << u"v001.7z"_qs;
    QTest::newRow("no title") << u".7z"_qs << 3 << u".7z"_qs;
    QTest::newRow("no digits") << u"track.mp3"_qs << 3 << u"track.mp3"_qs;
    QTest::newRow("one digit asked") << u"IMG_7.jpg"_qs << 1 << u"IMG_7.jpg"_qs;
    QTest::newRow("zero digits asked") << u"IMG_7.jpg"_qs << 0 << u"IMG_7.jpg"_qs;
    QTest::newRow("other digits are no numbers")
        << u"\u0663\uff17_7.txt"_qs << 2 << u"\u0663\uff17_07.txt"_qs;
    const QString emoji = u"\U0001F600"_qs;
    QTest::newRow("emoji kept") << emoji + u"5"_qs + emoji + u".txt"_qs << 3
                                << emoji + u"005"_qs + emoji + u".txt"_qs;
    QTest::newRow("escaped byte kept") << u"a"_qs + escaped + u"9"_qs + escaped + u".txt"_qs << 2
                                       << u"a"_qs + escaped + u"09"_qs + escaped + u".txt"_qs;
    QTest::newRow("most digits") << u"x4.y"_qs << 255 << u"x"_qs + QString(254, u'0') + u"4.y"_qs;
    QTest::newRow("stored above the limit")
        << u"x4"_qs << 5000 << u"x"_qs + QString(254, u'0') + u"4"_qs;
}

void NumberingRuleTest::paddedNumbersInTitle()
{
    QFETCH(QString, loaded);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    RenameParameters p;
    p.checkPadNumbers = true;
    p.padNumbersDigits = digits;
    RenameCounters counters = RenameCounters::from(p);
    QCOMPARE(computeNewName(p, loaded, true, counters), expected);
    p.checkPadNumbers = false;
    QCOMPARE(computeNewName(p, loaded, true, counters), loaded);
}

void NumberingRuleTest::paddingLimits_data()
{
    using Key = CAppSettings::Key;
    QTest::addColumn<int>("key");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("start, most") << int(Key::PadNumberAtStart) << qint64(255) << true;
    QTest::newRow("start, none") << int(Key::PadNumberAtStart) << qint64(0) << true;
    QTest::newRow("start, too many") << int(Key::PadNumberAtStart) << qint64(256) << false;
    QTest::newRow("end, negative") << int(Key::PadNumberAtEnd) << qint64(-1) << false;
    QTest::newRow("pad numbers, too many") << int(Key::PadNumbersDigits) << qint64(300) << false;
    QTest::newRow("step, any") << int(Key::StepNumberAtStart) << qint64(INT_MIN) << true;
}

void NumberingRuleTest::paddingLimits()
{
    QFETCH(int, key);
    QFETCH(qint64, value);
    QFETCH(bool, accepted);
    QCOMPARE(RenameParameters::problemWithNumber(CAppSettings::Key(key), value).isEmpty(),
             accepted);
}

QTEST_GUILESS_MAIN(NumberingRuleTest)
#include "tst_NumberingRule.moc"
