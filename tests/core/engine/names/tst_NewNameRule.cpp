#include "core/engine/names/NewNameRule.h"

#include "core/engine/names/FileRows.h"

#include <QTest>

#include <climits>

Q_DECLARE_METATYPE(RenameParameters)

// The per-row rule on its own, without the file system: one table per group of steps.
class NewNameRuleTest : public QObject
{
    Q_OBJECT

private slots:
    void title_data();
    void title();
    void singleRow_data();
    void singleRow();
    void runningNumbers();
    void countersCountOnPastThe32BitLimits_data();
    void countersCountOnPastThe32BitLimits();
    void rangeOfRowsCountsOnPastThe32BitLimit();
    void countersAdvanceOnlyWhenTheirStepIsOn();
    void unchangedNameSharesTheLoadedData();
};

namespace {

RenameParameters removal(int length)
{
    RenameParameters p;
    p.checkRemoveInitialCharacters = true;
    p.removeInitialCharactersLength = length;
    return p;
}

RenameParameters numberAtEnd(int first)
{
    RenameParameters p;
    p.checkNumberAtEnd = true;
    p.numberAtEnd = first;
    return p;
}

RenameParameters newBaseName(const QString &name)
{
    RenameParameters p;
    p.checkNewFileName = true;
    p.newFileName = name;
    return p;
}

RenameParameters findReplace(const QString &find, const QString &replace)
{
    RenameParameters p;
    p.checkFindAndReplace = true;
    p.findText = find;
    p.replaceText = replace;
    return p;
}

QString once(const RenameParameters &p, const QString &name, bool found = true)
{
    RenameCounters counters = RenameCounters::from(p);
    return computeNewName(p, name, found, counters);
}

} // namespace

void NewNameRuleTest::title_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("plain") << u"abc.txt"_qs << u"abc"_qs;
    QTest::newRow("two dots") << u"archive.tar.gz"_qs << u"archive.tar"_qs;
    QTest::newRow("no dot") << u"README"_qs << u"README"_qs;
    QTest::newRow("leading dot only") << u".profile"_qs << QString();
    QTest::newRow("trailing dot") << u"name."_qs << u"name"_qs;
}

void NewNameRuleTest::title()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QCOMPARE(fileTitle(name), title);
}

void NewNameRuleTest::singleRow_data()
{
    QTest::addColumn<RenameParameters>("params");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("expected");

    QTest::newRow("all off") << RenameParameters() << u"Some File.TXT"_qs << true
                             << u"Some File.TXT"_qs;

    // Removal compares the length with the title's, signed.
    QTest::newRow("remove 3 of abc") << removal(3) << u"abc.txt"_qs << true << u"abc.txt"_qs;
    QTest::newRow("remove 2 of abc") << removal(2) << u"abc.txt"_qs << true << u"c.txt"_qs;
    QTest::newRow("remove 0") << removal(0) << u"abc.txt"_qs << true << u"abc.txt"_qs;
    QTest::newRow("remove negative") << removal(-5) << u"abc.txt"_qs << true << u"abc.txt"_qs;
    QTest::newRow("remove INT_MIN") << removal(INT_MIN) << u"abc.txt"_qs << true << u"abc.txt"_qs;
    QTest::newRow("remove INT_MAX") << removal(INT_MAX) << u"abc.txt"_qs << true << u"abc.txt"_qs;
    QTest::newRow("remove from .profile") << removal(1) << u".profile"_qs << true << u".profile"_qs;
    QTest::newRow("remove, file gone") << removal(1) << u"abc.txt"_qs << false << u"abc.txt"_qs;
    // A missing file has an empty title and extension; a negative length still recomposes.
    QTest::newRow("remove negative, file gone")
        << removal(-1) << u"abc.txt"_qs << false << QString();

    QTest::newRow("end on two dots")
        << numberAtEnd(5) << u"archive.tar.gz"_qs << true << u"archive.tar5.gz"_qs;
    QTest::newRow("end without dot") << numberAtEnd(1) << u"README"_qs << true << u"README1"_qs;
    QTest::newRow("end on .profile") << numberAtEnd(1) << u".profile"_qs << true << u"1.profile"_qs;
    QTest::newRow("end on log.log") << numberAtEnd(1) << u"log.log"_qs << true << u"log1.log"_qs;
    QTest::newRow("end negative") << numberAtEnd(-7) << u"a.txt"_qs << true << u"a-7.txt"_qs;
    QTest::newRow("end, file gone") << numberAtEnd(1) << u"abc.txt"_qs << false << u"1"_qs;

    QTest::newRow("new name on log.log")
        << newBaseName(u"x"_qs) << u"log.log"_qs << true << u"x.log"_qs;
    QTest::newRow("empty new name")
        << newBaseName(QString()) << u"photo.jpg"_qs << true << u".jpg"_qs;
    QTest::newRow("new name on .profile")
        << newBaseName(u"x"_qs) << u".profile"_qs << true << u".profile"_qs;
    QTest::newRow("new name, file gone")
        << newBaseName(u"x"_qs) << u"abc.txt"_qs << false << u"abc.txt"_qs;

    RenameParameters trip = removal(4);
    trip.checkNewFileName = true;
    trip.newFileName = u"Trip"_qs;
    trip.checkNumberAtEnd = true;
    QTest::newRow("remove, new name, end") << trip << u"IMG_0001.jpg"_qs << true << u"Trip1.jpg"_qs;

    QTest::newRow("find is case-sensitive")
        << findReplace(u"IMG"_qs, u"X"_qs) << u"img.jpg"_qs << true << u"img.jpg"_qs;
    QTest::newRow("find everywhere")
        << findReplace(u"a"_qs, u"b"_qs) << u"a.jpa"_qs << true << u"b.jpb"_qs;
    QTest::newRow("find without overlap")
        << findReplace(u"aa"_qs, u"b"_qs) << u"aaa"_qs << true << u"ba"_qs;
    QTest::newRow("replacement not searched again")
        << findReplace(u"a"_qs, u"aa"_qs) << u"a.a"_qs << true << u"aa.aa"_qs;
    QTest::newRow("empty find") << findReplace(QString(), u"x"_qs) << u"abc"_qs << true
                                << u"abc"_qs;
    QTest::newRow("empty replace")
        << findReplace(u"-"_qs, QString()) << u"a-b-c.txt"_qs << true << u"abc.txt"_qs;
    RenameParameters seesEnd = findReplace(u"1"_qs, u"x"_qs);
    seesEnd.checkNumberAtEnd = true;
    QTest::newRow("find sees end number") << seesEnd << u"file.txt"_qs << true << u"filex.txt"_qs;
    RenameParameters notStart = seesEnd;
    notStart.checkNumberAtStart = true;
    QTest::newRow("find does not see start number")
        << notStart << u"file.txt"_qs << true << u"1filex.txt"_qs;
    RenameParameters regexSteps = findReplace(u"^(\\w+?)(\\d)\\."_qs, u"$2-$1."_qs);
    regexSteps.findRegularExpression = true;
    regexSteps.checkNumberAtEnd = true;
    regexSteps.checkNumberAtStart = true;
    regexSteps.checkUpperCase = true;
    QTest::newRow("expression between the two numbers")
        << regexSteps << u"file.txt"_qs << true << u"11-FILE.TXT"_qs;

    RenameParameters start;
    start.checkNumberAtStart = true;
    start.numberAtStart = 1;
    QTest::newRow("start, file gone") << start << u"abc.txt"_qs << false << u"1abc.txt"_qs;

    RenameParameters upper;
    upper.checkUpperCase = true;
    QTest::newRow("upper") << upper << u"a.txt"_qs << true << u"A.TXT"_qs;
    QTest::newRow("upper beyond ASCII")
        << upper << u"\u00e9t\u00e9.txt"_qs << true << u"\u00c9T\u00c9.TXT"_qs;
    RenameParameters both = upper;
    both.checkLowerCase = true;
    QTest::newRow("upper and lower") << both << u"MiXeD.TxT"_qs << true << u"mixed.txt"_qs;
    RenameParameters upperStart = upper;
    upperStart.checkNumberAtStart = true;
    QTest::newRow("case after start number") << upperStart << u"b.c"_qs << true << u"1B.C"_qs;

    // Characters beyond 16 bits are one character each; bytes that are not UTF-8 (U+DC80 +
    // byte) are kept wherever the rule does not change them.
    const QString emoji = u"\U0001F600"_qs;
    QTest::newRow("remove a whole emoji")
        << removal(1) << emoji + u"ab.txt"_qs << true << u"ab.txt"_qs;
    QTest::newRow("remove counts the emoji once")
        << removal(2) << u"a"_qs + emoji + u"bc.txt"_qs << true << u"bc.txt"_qs;
    QTest::newRow("remove all three characters")
        << removal(3) << emoji + u"ab.txt"_qs << true << emoji + u"ab.txt"_qs;
    QTest::newRow("remove from two emoji")
        << removal(1) << emoji + emoji + u".txt"_qs << true << emoji + u".txt"_qs;
    QTest::newRow("find half an emoji")
        << findReplace(u"\xde00"_qs, u"x"_qs) << emoji + u".txt"_qs << true << emoji + u".txt"_qs;
    QTest::newRow("find an escaped byte") << findReplace(u"\xdcff"_qs, u"y"_qs)
                                          << u"a\xdcff\xdcfe.txt"_qs << true << u"ay\xdcfe.txt"_qs;
    QTest::newRow("escaped bytes kept by find")
        << findReplace(u"txt"_qs, u"md"_qs) << u"caf\xdce9.txt"_qs << true << u"caf\xdce9.md"_qs;
    QTest::newRow("escaped bytes kept by upper")
        << upper << u"bad\xdcff\xdcfename.txt"_qs << true << u"BAD\xdcff\xdcfeNAME.TXT"_qs;
    QTest::newRow("escaped bytes kept by start number")
        << start << u"bad\xdcff.txt"_qs << true << u"1bad\xdcff.txt"_qs;
    QTest::newRow("remove an escaped byte")
        << removal(1) << u"\xdce9t\xdce9.txt"_qs << true << u"t\xdce9.txt"_qs;
}

void NewNameRuleTest::singleRow()
{
    QFETCH(RenameParameters, params);
    QFETCH(QString, loaded);
    QFETCH(bool, found);
    QFETCH(QString, expected);
    QCOMPARE(once(params, loaded, found), expected);
}

void NewNameRuleTest::runningNumbers()
{
    RenameParameters p;
    p.checkNumberAtStart = true;
    p.checkNumberAtEnd = true;
    p.numberAtStart = 1;
    p.numberAtEnd = 9;
    RenameCounters counters = RenameCounters::from(p);
    QCOMPARE(computeNewName(p, u"file.txt"_qs, true, counters), u"1file9.txt"_qs);
    QCOMPARE(computeNewName(p, u"file.txt"_qs, true, counters), u"2file10.txt"_qs);
    QCOMPARE(counters.start.value, 3);
    QCOMPARE(counters.end.value, 11);
}

// Both numbers start from any 32-bit value and count on without wrapping, in either
// direction across the limits.
void NewNameRuleTest::countersCountOnPastThe32BitLimits_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("both at the top")
        << INT_MAX << INT_MAX
        << QStringList{u"2147483647a2147483647.b"_qs, u"2147483648a2147483648.b"_qs,
                       u"2147483649a2147483649.b"_qs};
    QTest::newRow("start at the top, end below")
        << INT_MAX - 1 << 7
        << QStringList{u"2147483646a7.b"_qs, u"2147483647a8.b"_qs, u"2147483648a9.b"_qs};
    QTest::newRow("end at the top, start at the bottom")
        << INT_MIN << INT_MAX
        << QStringList{u"-2147483648a2147483647.b"_qs, u"-2147483647a2147483648.b"_qs,
                       u"-2147483646a2147483649.b"_qs};
    QTest::newRow("through zero") << -1 << -2
                                  << QStringList{u"-1a-2.b"_qs, u"0a-1.b"_qs, u"1a0.b"_qs};
}

void NewNameRuleTest::countersCountOnPastThe32BitLimits()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QStringList, expected);
    RenameParameters p;
    p.checkNumberAtStart = true;
    p.checkNumberAtEnd = true;
    p.numberAtStart = start;
    p.numberAtEnd = end;
    RenameCounters counters = RenameCounters::from(p);
    for (const QString &name : expected)
        QCOMPARE(computeNewName(p, u"a.b"_qs, true, counters), name);
    // The same with find and replace on, which builds the start number in another way.
    p.checkFindAndReplace = true;
    p.findText = u"a"_qs;
    p.replaceText = u"a"_qs;
    counters = RenameCounters::from(p);
    for (const QString &name : expected)
        QCOMPARE(computeNewName(p, u"a.b"_qs, true, counters), name);
}

// A part of the list computed on its own starts its counters at the row's place in the run.
void NewNameRuleTest::rangeOfRowsCountsOnPastThe32BitLimit()
{
    FileRows rows;
    rows.folders.push_back({u"/nowhere/"_qs, QByteArray("/nowhere/"), 0});
    for (int i = 0; i < 4; ++i)
        rows.rows.push_back(FileRow{u"a.b"_qs, u"a.b"_qs});
    RenameParameters p;
    p.checkNumberAtStart = true;
    p.checkNumberAtEnd = true;
    p.numberAtStart = INT_MAX - 1;
    p.numberAtEnd = INT_MAX;
    const std::vector<std::uint8_t> present(rows.rows.size(), 1);
    ComputeNewFileNames(rows, p, &present, 2, 4);
    QCOMPARE(rows.rows[2].newName, u"2147483648a2147483649.b"_qs);
    QCOMPARE(rows.rows[3].newName, u"2147483649a2147483650.b"_qs);
    ComputeNewFileNames(rows, p, &present);
    QCOMPARE(rows.rows[1].newName, u"2147483647a2147483648.b"_qs);
}

void NewNameRuleTest::countersAdvanceOnlyWhenTheirStepIsOn()
{
    RenameParameters p = numberAtEnd(4);
    p.numberAtStart = 100;
    RenameCounters counters = RenameCounters::from(p);
    computeNewName(p, u"a.b"_qs, true, counters);
    computeNewName(p, u"a.b"_qs, false, counters);
    QCOMPARE(counters.end.value, 6);
    QCOMPARE(counters.start.value, 100);
}

void NewNameRuleTest::unchangedNameSharesTheLoadedData()
{
    // Steps that are on but change nothing must not copy the name (100,000 rows add up).
    const QString loaded = QString::fromUtf8("keep.txt");
    RenameParameters p = findReplace(u"zzz"_qs, u"y"_qs);
    p.checkLowerCase = true;
    for (const int length : {50, 0, -3}) {
        p.checkRemoveInitialCharacters = true;
        p.removeInitialCharactersLength = length;
        RenameCounters counters = RenameCounters::from(p);
        const QString result = computeNewName(p, loaded, true, counters);
        QCOMPARE(result, loaded);
        QVERIFY(result.constData() == loaded.constData());
    }
}

QTEST_GUILESS_MAIN(NewNameRuleTest)
#include "tst_NewNameRule.moc"
