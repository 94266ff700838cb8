#include "core/engine/names/FileNames.h"
#include "core/engine/rename/NameMapping.h"
#include "tests/support/TestTree.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>

using NameMapping::Form;

// Reading mappings in their three forms, and checking them against a real folder.
class NameMappingTest : public QObject
{
    Q_OBJECT

private slots:
    void escapesRoundTrip();
    void parse_data();
    void parse();
    void nameLines_data();
    void nameLines();
    void check_data();
    void check();
    void checkedRowsNameTheirFolders();
    void unreadableFiles();
};

namespace {

// "LINE:OLD|NEW" per entry and "LINE:words of the reason" per problem, for comparing.
QStringList entryTexts(const MappingRead &read)
{
    QStringList texts;
    for (const MappingEntry &entry : read.entries)
        texts << QStringLiteral("%1:%2|%3")
                     .arg(entry.line)
                     .arg(decodeFileName(entry.oldPath), entry.newName);
    return texts;
}

// Whether each expected "LINE:part" has a problem on LINE whose reason holds part, and
// nothing else was reported.
void compareProblems(const std::vector<MappingProblem> &problems, const QStringList &expected)
{
    QStringList got;
    for (const MappingProblem &problem : problems)
        got << QStringLiteral("%1:%2").arg(problem.line).arg(problem.reason);
    QCOMPARE(got.size(), expected.size());
    for (qsizetype i = 0; i < got.size(); ++i) {
        const qsizetype colon = expected[i].indexOf(u':');
        QVERIFY2(got[i].startsWith(expected[i].first(colon + 1)) &&
                     got[i].contains(expected[i].mid(colon + 1)),
                 qPrintable(got[i] + u" vs "_qs + expected[i]));
    }
}

} // namespace

// What escaped() writes, unescape() reads back to the same bytes: names with every escaped
// character, bytes that are not UTF-8, an emoji and a backslash before an x.
void NameMappingTest::escapesRoundTrip()
{
    // Escaped fields, as a mapping holds them.
    const QByteArray names[] = {"plain.txt",
                                "tab\\there",
                                "nul\\0\\x00\\\\",
                                "cr\\rlf\\n",
                                "caf\\xe9 \\x80\\xff.txt",
                                "\\xF0\\x9F\\x98\\x80 emoji",
                                "back\\\\xslash",
                                ""};
    for (const QByteArray &name : names) {
        QByteArray bytes;
        QString error;
        QVERIFY2(NameMapping::unescape(name, bytes, error),
                 qPrintable(error + u" in "_qs + QString::fromLatin1(name)));
        const QByteArray written = NameMapping::escaped(decodeFileName(bytes));
        QVERIFY2(!written.contains('\t') && !written.contains('\n') && !written.contains('\0'),
                 written.constData());
        QByteArray back;
        QVERIFY(NameMapping::unescape(written, back, error));
        QCOMPARE(back, bytes);
        QByteArray fromBytes;
        NameMapping::escapeBytes(bytes, fromBytes);
        QCOMPARE(fromBytes, written);
    }
}

void NameMappingTest::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("csv");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("problems");

    const auto row = [](const char *name, const QByteArray &text, bool csv, QStringList entries,
                        QStringList problems) {
        QTest::newRow(name) << text << csv << entries << problems;
    };
    row("two lines, no last newline", "a\tb\nsub/c\td", false, {u"1:a|b"_qs, u"2:sub/c|d"_qs}, {});
    row("blank lines keep numbering", "\n\na\tb\n\n", false, {u"3:a|b"_qs}, {});
    row("escapes", "a\\tb\\\\\tn\\nm\\x41\\r\\0", false, {u"1:a\tb\\|n\nmA\r"_qs + QChar(0)}, {});
    row("byte escape keeps the byte", "\\xff\tx", false,
        {u"1:"_qs + decodeFileName("\xff") + u"|x"_qs}, {});
    row("CRLF refused", "a\tb\r\nc\td\r\n", false, {},
        {u"1:carriage return"_qs, u"2:carriage return"_qs});
    row("byte-order mark named, rest read",
        "\xEF\xBB\xBF"
        "a\tb\n",
        false, {u"1:a|b"_qs}, {u"1:byte-order mark"_qs});
    row("invalid escapes", "a\\q\tb\nc\td\\x4\ne\tf\\\ng\\xzz\th\n", false, {},
        {u"1:column 1: invalid escape \"\\q\""_qs, u"2:column 2: \\x needs two hex"_qs,
         u"3:column 2: ends in a lone backslash"_qs, u"4:column 1: \\x needs"_qs});
    row("raw NUL", QByteArray("a\0b\tc\n", 6), false, {}, {u"1:NUL byte"_qs});
    row("wrong column count", "a\nb\tc\td\n", false, {}, {u"1:1 columns"_qs, u"2:3 columns"_qs});
    row("preview output", "7\tx\ty\t\t0 bytes\t/m/sub/\n8\tz\tw\t\t0 bytes\t/m/\n", false,
        {u"1:sub/x|y"_qs, u"2:z|w"_qs}, {});
    row("preview location elsewhere", "1\tx\ty\t\t0\t/elsewhere/\n", false, {},
        {u"1:not inside the folder"_qs});
    row("csv plain and quoted", "a,b\r\n\"c,1\",\"d \"\"q\"\"\"\ne,\"\"\n", true,
        {u"1:a|b"_qs, u"2:c,1|d \"q\""_qs, u"3:e|"_qs}, {});
    row("csv newline inside quotes", "\"a\nb\",c\nd,e", true, {u"1:a\nb|c"_qs, u"3:d|e"_qs}, {});
    row("csv escapes in fields", "a\\tb,\\x41", true, {u"1:a\tb|A"_qs}, {});
    row("csv malformed", "a\"b,c\n\"a\"x,c\n\"open,c\n", true, {},
        {u"1:double quote inside"_qs, u"2:after the closing"_qs, u"3:not closed"_qs});
    row("csv lone CR", "a,b\rc\n", true, {}, {u"1:carriage return"_qs});
    row("csv column count", "a,b,c\n", true, {}, {u"1:3 columns"_qs});
}

void NameMappingTest::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, csv);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, problems);
    const MappingRead read = NameMapping::parse(text, csv ? Form::Csv : Form::Text, u"/m"_qs);
    QCOMPARE(entryTexts(read), entries);
    compareProblems(read.problems, problems);
}

void NameMappingTest::nameLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("problems");
    QTest::newRow("empty") << QByteArray() << QStringList() << QStringList();
    QTest::newRow("emptied to line feeds") << QByteArray("\n\n") << QStringList() << QStringList();
    QTest::newRow("no last newline")
        << QByteArray("a\nb") << QStringList{u"a"_qs, u"b"_qs} << QStringList();
    QTest::newRow("blank line is a name")
        << QByteArray("a\n\nb\n") << QStringList{u"a"_qs, QString(), u"b"_qs} << QStringList();
    QTest::newRow("escapes") << QByteArray("a\\nb\n") << QStringList{u"a\nb"_qs} << QStringList();
    QTest::newRow("CRLF and bad escape")
        << QByteArray("a\r\nb\\q\nc\n") << QStringList{QString(), QString(), u"c"_qs}
        << QStringList{u"1:carriage"_qs, u"2:invalid escape"_qs};
}

void NameMappingTest::nameLines()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, names);
    QFETCH(QStringList, problems);
    const NameMapping::NameLines lines = NameMapping::parseNameLines(text);
    compareProblems(lines.problems, problems);
    if (problems.isEmpty())
        QCOMPARE(QStringList(lines.names.begin(), lines.names.end()), names);
    else
        QCOMPARE(qsizetype(lines.names.size()), names.size());
}

void NameMappingTest::check_data()
{
    QTest::addColumn<QStringList>("lines"); // "OLD|NEW"
    QTest::addColumn<bool>("reorder");
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<int>("renames");

    const auto row = [](const char *name, QStringList lines, bool reorder, QStringList problems,
                        int renames) {
        QTest::newRow(name) << lines << reorder << problems << renames;
    };
    row("plain renames", {u"a|A"_qs, u"sub/x|y"_qs, u"c|c"_qs}, false, {}, 2);
    row("missing file", {u"nothing|z"_qs}, false, {u"1:no such file"_qs}, 0);
    row("duplicate source", {u"a|z"_qs, u"a|y"_qs}, false, {u"2:named on line 1"_qs}, 1);
    row("duplicate target", {u"a|z"_qs, u"b|z"_qs}, false, {u"2:line 1 gives the same"_qs}, 2);
    row("target kept by a file", {u"a|b"_qs}, false, {u"1:is taken"_qs}, 1);
    row("target held by an unlisted file", {u"a|.hidden"_qs}, false, {u"1:is taken"_qs}, 1);
    row("swap needs reorder", {u"a|b"_qs, u"b|a"_qs}, false,
        {u"1:line 2 renames (a chain"_qs, u"2:line 1 renames"_qs}, 2);
    row("swap with reorder", {u"a|b"_qs, u"b|a"_qs}, true, {}, 2);
    row("chain with reorder", {u"a|b"_qs, u"b|c"_qs, u"c|d"_qs}, true, {}, 3);
    row("paths leaving the folder",
        {u"../a|z"_qs, u"/etc/passwd|z"_qs, u"sub/../a|z"_qs, u"./a|z"_qs, u"sub//x|z"_qs,
         u"a/|z"_qs},
        false,
        {u"1:goes out"_qs, u"2:absolute"_qs, u"3:goes out"_qs, u"4:not a plain path"_qs,
         u"5:not a plain path"_qs, u"6:not a plain path"_qs},
        0);
    row("through a link or to a folder",
        {u"link/a|z"_qs, u"link|z"_qs, u"sub|z"_qs, u"none/a|z"_qs}, false,
        {u"1:not a folder"_qs, u"2:link to a folder"_qs, u"3:is a folder"_qs, u"4:no folder"_qs},
        0);
    row("new name not a name",
        {u"a|x/y"_qs, u"b|"_qs, u"c|.."_qs, u"sub/x|"_qs + QString(256, u'n')}, false,
        {u"1:holds \"/\""_qs, u"2:empty"_qs, u"3:\"..\""_qs, u"4:too long"_qs}, 4);
}

void NameMappingTest::check()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, reorder);
    QFETCH(QStringList, problems);
    QFETCH(int, renames);

    TestTree tree;
    for (const QString &file : {u"m/a"_qs, u"m/b"_qs, u"m/c"_qs, u"m/.hidden"_qs, u"m/sub/x"_qs})
        QVERIFY(tree.createFile(file, "data"));
    QVERIFY(tree.createLink(tree.path(u"m/sub"_qs), u"m/link"_qs));
    std::vector<MappingEntry> entries;
    for (const QString &line : lines) {
        const QStringList parts = line.split(u'|');
        entries.push_back({int(entries.size()) + 1, encodeFileName(parts[0]), parts[1]});
    }
    const QStringList before = tree.entries();
    const NameMapping::Plan plan = NameMapping::check(tree.path(u"m"_qs), entries, reorder);
    compareProblems(plan.problems, problems);
    QCOMPARE(plan.renameCount(), renames);
    QCOMPARE(plan.needsReorder,
             !reorder && QTest::currentDataTag() == QByteArray("swap needs reorder"));
    QCOMPARE(tree.entries(), before); // checking changes nothing
}

// The rows name each file by its folder, as the batch and its journal need.
void NameMappingTest::checkedRowsNameTheirFolders()
{
    TestTree tree;
    QVERIFY(tree.createFile(u"m/a"_qs) && tree.createFile(u"m/sub/deeper/x"_qs));
    const NameMapping::Plan plan = NameMapping::check(
        tree.path(u"m"_qs), {{4, "sub/deeper/x", u"y"_qs}, {9, "a", u"b"_qs}}, false);
    QVERIFY(plan.problems.empty());
    QCOMPARE(plan.rows.count(), 2);
    QCOMPARE(plan.lines, (std::vector<int>{4, 9}));
    QCOMPARE(plan.rows.fullPathBytes(0), encodeFileName(tree.path(u"m/sub/deeper/x"_qs)));
    QCOMPARE(plan.rows.fullPathBytes(1), encodeFileName(tree.path(u"m/a"_qs)));
    QVERIFY(plan.rows.rows[0].inode != 0 && plan.rows.rows[1].checked);
}

// A FIFO, a folder and a file over the limit are refused before anything is read (a FIFO
// opened for reading would block);
// a link to a mapping is followed.
void NameMappingTest::unreadableFiles()
{
    TestTree tree;
    QVERIFY(tree.createFile(u"m/a"_qs));
    const QString fifo = tree.path(u"map.fifo"_qs);
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile big(tree.path(u"big.tsv"_qs));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(1) << 30)); // sparse
    big.close();
    QVERIFY(tree.createFile(u"real.csv"_qs, "a,b\n") &&
            tree.createLink(tree.path(u"real.csv"_qs), u"link.csv"_qs));

    const struct
    {
        QString file;
        QString reason;
    } cases[] = {{fifo, u"not a regular file"_qs},
                 {tree.path(u"m"_qs), u"not a regular file"_qs},
                 {tree.path(u"big.tsv"_qs), u"too large"_qs},
                 {tree.path(u"missing.tsv"_qs), u"No such file"_qs}};
    for (const auto &c : cases) {
        const MappingRead read = NameMapping::readFile(c.file, tree.path(u"m"_qs));
        QCOMPARE(read.problems.size(), size_t(1));
        QCOMPARE(read.problems[0].line, 0);
        QVERIFY2(read.problems[0].reason.startsWith(c.file) &&
                     read.problems[0].reason.contains(c.reason),
                 qPrintable(read.problems[0].reason));
    }
    const MappingRead linked = NameMapping::readFile(tree.path(u"link.csv"_qs), tree.path(u"m"_qs));
    QVERIFY(linked.problems.empty());
    QCOMPARE(entryTexts(linked), QStringList{u"1:a|b"_qs});
}

QTEST_GUILESS_MAIN(NameMappingTest)
#include "tst_NameMapping.moc"
