#include "core/engine/settings/AppSettings.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/FatMount.h"
#include "tests/support/TestTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>

#include <csignal>
#include <utility>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Run : CliRun
{
    QList<QByteArrayList> rows() const
    {
        QList<QByteArrayList> result;
        for (const QByteArray &line : out.split('\n'))
            if (!line.isEmpty())
                result << line.split('\t');
        return result;
    }
};

QStringList args(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *a : list)
        out << QString::fromUtf8(a);
    return out;
}

// The listed folder as quirewell-cli prints it in messages, ending in '/'.
QByteArray escapedRoot(const TestTree &tree)
{
    return QFile::encodeName(tree.root()).replace('\\', "\\\\") + '/';
}

// Both ends of a pipe, closed when the test ends.
struct PipeEnds
{
    int fds[2] = {-1, -1};
    ~PipeEnds()
    {
        for (const int fd : fds)
            if (fd >= 0)
                ::close(fd);
    }
};

} // namespace

class TestQuirewellCli : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void listPrintsEscapedRows();
    void outputThatCannotBeWrittenFails();
    void listStreamsWhatPreviewPrints();
    void interruptedListKeepsWholeRows();
    void secondSignalEndsAStuckRun_data();
    void secondSignalEndsAStuckRun();
    void previewOverlaysStoredParameters();
    void regularExpressionRename();
    void previewStatusColumn_data();
    void previewStatusColumn();
    void caseStepsReplaceTheStoredOne();
    void runningNumbersCountOnPastThe32BitLimit();
    void sortedLists();
    void renameWithYes();
    void shippedProgramHasNoFaultInjection();
    void renameAsksOnTheTerminal();
    void renameReportsFailures();
    void recursiveRenameSkipsDuplicateCheck();
    void reorderForOneRun();
    void namesKeepTheirBytes();
    void caseOnlyRenameOnFat();
    void refusalsAndUnlistableFolders();
    void unreadableSubFoldersAreReported();
    void badUsage_data();
    void badUsage();
    void helpAndVersion();

private:
    Run run(const QStringList &arguments, const QByteArray &input = {});
    bool startListingIntoFullPipe(QProcess &process, int output[2]);
    std::unique_ptr<TestTree> m_tree;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
};

void TestQuirewellCli::init()
{
    m_tree = std::make_unique<TestTree>();
    QVERIFY(m_tree->isValid());
    m_tree->useTemporarySettings();
}

Run TestQuirewellCli::run(const QStringList &arguments, const QByteArray &input)
{
    return Run{runCli(QStringList{QStringLiteral("--config"), m_tree->settingsFile()} + arguments,
                      m_environment, input)};
}

void TestQuirewellCli::outputThatCannotBeWrittenFails()
{
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full");
    QVERIFY(m_tree->createFile(QStringLiteral("a.txt")));
    const QStringList list{QStringLiteral("--config"), m_tree->settingsFile(),
                           QStringLiteral("list"), m_tree->root()};
    for (const QStringList &arguments : {list, QStringList{QStringLiteral("--help")}}) {
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(QUIREWELL_CLI_PATH), arguments);
        QVERIFY(process.waitForFinished(120000));
        QCOMPARE(process.exitCode(), 1);
        const QByteArray err = process.readAllStandardError();
        QVERIFY2(err.contains("could not write the output: No space left on device"),
                 err.constData());
    }
}

void TestQuirewellCli::listPrintsEscapedRows()
{
    TestTree &tree = *m_tree;
    QVERIFY(tree.createFile(QStringLiteral("a\tb.txt"), "abc"));
    QVERIFY(tree.createFile(QStringLiteral("back\\slash")));
    QVERIFY(tree.createFile(QStringLiteral("line\nfeed\r")));
    QVERIFY(tree.createFile(QStringLiteral("B.txt"), QByteArray(1536, 'x')));
    QVERIFY(tree.createFile(QStringLiteral(".hidden")));
    QVERIFY(tree.createFile(QStringLiteral("sub/inner.txt")));

    Run r = run({QStringLiteral("list"), tree.root()});
    QCOMPARE(r.code, 0);
    const QList<QByteArrayList> rows = r.rows();
    QCOMPARE(rows.size(), 4);
    const QByteArray location = QFile::encodeName(tree.root()) + '/';
    QCOMPARE(rows[0].mid(0, 3), (QByteArrayList{"1", "a\\tb.txt", "a\\tb.txt"}));
    QCOMPARE(rows[0][4], QByteArray("3 bytes"));
    QCOMPARE(rows[0][5], location);
    QVERIFY(rows[0][3].contains("       ")); // the time's seven blanks
    QCOMPARE(rows[1].mid(0, 2), (QByteArrayList{"2", "B.txt"}));
    QCOMPARE(rows[1][4], QByteArray("1.50 KB"));
    QCOMPARE(rows[2][1], QByteArray("back\\\\slash"));
    QCOMPARE(rows[3][1], QByteArray("line\\nfeed\\r"));
    for (const QByteArrayList &row : rows)
        QCOMPARE(row.size(), 6);
    const QString folder = tree.root();
    QVERIFY(
        r.err.contains(QStringLiteral("4 File(s) Listed from Folder [%1] Hidden File(s) Ignored\n")
                           .arg(folder)
                           .toUtf8()));
    QVERIFY(r.err.contains("File(s) from Sub Folder(s) Not Listed\n"));

    r = run({QStringLiteral("list"), tree.root(), QStringLiteral("--hidden"),
             QStringLiteral("--recursive")});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.rows().size(), 6);
    QCOMPARE(r.rows().first()[1], QByteArray(".hidden"));
    QCOMPARE(r.rows().last()[5], QFile::encodeName(tree.path(QStringLiteral("sub/"))));
    QVERIFY(!r.err.contains("Hidden File(s) Ignored"));
    QVERIFY(r.err.contains("1 Folder(s) Searched"));
}

// list prints each row from the walk's bytes, preview from the table of rows: with no rule
// set, the two must print the same bytes, whatever the names, sizes and times.
void TestQuirewellCli::listStreamsWhatPreviewPrints()
{
    TestTree &tree = *m_tree;
    const QByteArray root = QFile::encodeName(tree.root()) + '/';
    const struct
    {
        QByteArray name;
        qint64 size;
        qint64 mtime;
    } files[] = {
        {"plain.txt", 0, 1700000000},
        {"a\tb\\c\rd", 1023, 0},
        {"caf\xe9.txt", 1024, -86400LL * 400},
        {"\xf0\x9f\x98\x80 smile", 1536, 4102444800},
        {"\xed\xb2\x80 lone surrogate", 10 * 1024 * 1024 + 7, 951782400},
        {".hidden", 999999, 1700000001},
        {"sub\xe9/inner.txt", 5, 1700000002},
        {"tab\tdir/x", 1, 1700000003},
    };
    for (const char *folder : {"sub\xe9", "tab\tdir"})
        QCOMPARE(::mkdir((root + folder).constData(), 0755), 0);
    for (const auto &file : files) {
        QVERIFY2(tree.createRawFile(file.name, QByteArray(file.size, 'x')), file.name.constData());
        const struct timespec times[2] = {{file.mtime, 0}, {file.mtime, 0}};
        QCOMPARE(::utimensat(AT_FDCWD, (root + file.name).constData(), times, 0), 0);
    }
    QVERIFY(::chmod((root + "plain.txt").constData(), 0444) == 0);

    for (const QStringList &options :
         {args({"--hidden", "--read-only", "--recursive"}), args({"--recursive"}), args({})}) {
        const Run list = run(args({"list"}) << tree.root() << options);
        const Run preview = run(args({"preview"}) << tree.root() << options);
        QCOMPARE(list.code, 0);
        QCOMPARE(list.out, preview.out);
        QCOMPARE(list.err, preview.err);
    }
    const Run all = run(args({"list", "--hidden", "--read-only", "--recursive"}) << tree.root());
    QCOMPARE(all.rows().size(), 8);
    QCOMPARE(all.rows()[2].mid(1, 2), (QByteArrayList{"caf\\xe9.txt", "caf\\xe9.txt"}));
}

// Lists a folder of 4000 rows (about 200 bytes each) into a pipe of the test's own that
// nothing reads, and returns once the pipe is full: the program then waits for its reader.
bool TestQuirewellCli::startListingIntoFullPipe(QProcess &process, int output[2])
{
    TestTree &tree = *m_tree;
    const QByteArray padding(150, 'n');
    for (int i = 0; i < 4000; ++i)
        if (!tree.createRawFile(padding + QByteArray::number(i)))
            return false;
    if (::pipe2(output, O_CLOEXEC) != 0)
        return false;
    process.setProcessEnvironment(m_environment);
    const int writeEnd = output[1];
    process.setChildProcessModifier([writeEnd] { ::dup2(writeEnd, STDOUT_FILENO); });
    process.start(
        QStringLiteral(QUIREWELL_CLI_PATH),
        {QStringLiteral("--config"), tree.settingsFile(), QStringLiteral("list"), tree.root()});
    if (!process.waitForStarted())
        return false;
    // The test's own write end, never written to, tells when the pipe is full: it is no
    // longer ready for writing.
    const auto pipeFull = [writeEnd] {
        pollfd room{writeEnd, POLLOUT, 0};
        return ::poll(&room, 1, 0) == 0;
    };
    return QTest::qWaitFor(pipeFull, 20000);
}

// Ctrl+C while the output waits for its reader (a pager, say): the rows already printed stay
// whole and numbered without a gap, and the listing ends as a part.
void TestQuirewellCli::interruptedListKeepsWholeRows()
{
    TestTree &tree = *m_tree;
    const QByteArray root = QFile::encodeName(tree.root()) + '/';
    const QByteArray padding(150, 'n');

    // The signal comes while the listing waits for the reader, not after it ended.
    PipeEnds pipeEnds;
    int *output = pipeEnds.fds;
    QProcess process;
    QVERIFY2(startListingIntoFullPipe(process, output), "the listing did not fill its output");
    ::close(std::exchange(output[1], -1)); // the end of output comes when the program ends
    QCOMPARE(::kill(pid_t(process.processId()), SIGINT), 0);
    QByteArray printed;
    for (;;) {
        pollfd ready{output[0], POLLIN, 0};
        QVERIFY2(::poll(&ready, 1, 120000) == 1, "no output or end of output for 120 s");
        char chunk[65536];
        const ssize_t n = ::read(output[0], chunk, sizeof chunk);
        QVERIFY(n >= 0);
        if (n == 0)
            break;
        printed.append(chunk, n);
    }
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitCode(), 130);
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(err.contains("(Listing Cancelled: the List is Partial)"), err.constData());

    const QByteArrayList lines = printed.split('\n');
    QCOMPARE(lines.last(), QByteArray()); // the last row ends its line
    QVERIFY(lines.size() > 2 && lines.size() < 4001);
    QVERIFY2(err.startsWith(QByteArray::number(lines.size() - 1) + " File(s) Listed"),
             err.constData());
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const QByteArrayList fields = lines[i].split('\t');
        QCOMPARE(fields.size(), 6);
        QCOMPARE(fields[0], QByteArray::number(i + 1));
        QVERIFY(fields[1].startsWith(padding));
        QCOMPARE(fields[5], root);
    }
}

// A run that waits for something that never comes (here a reader of its output) is ended by
// a second SIGINT or SIGTERM, as the first only asks it to wind down.
void TestQuirewellCli::secondSignalEndsAStuckRun_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGTERM") << int(SIGTERM);
}

void TestQuirewellCli::secondSignalEndsAStuckRun()
{
    QFETCH(int, signal);
    PipeEnds pipeEnds;
    int *output = pipeEnds.fds;
    QProcess process;
    QVERIFY2(startListingIntoFullPipe(process, output), "the listing did not fill its output");
    QCOMPARE(::kill(pid_t(process.processId()), signal), 0);
    // The first signal is taken: the rows already begun are still to be written.
    QVERIFY(!process.waitForFinished(500));
    QCOMPARE(::kill(pid_t(process.processId()), signal), 0);
    QVERIFY2(process.waitForFinished(10000), "a second signal did not end the program");
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(process.exitCode(), signal);
}

void TestQuirewellCli::previewOverlaysStoredParameters()
{
    TestTree &tree = *m_tree;
    QVERIFY(tree.createFile(QStringLiteral("Alpha.txt")));
    QVERIFY(tree.createFile(QStringLiteral("beta.txt")));
    CAppSettings settings;
    settings.setValue(CAppSettings::Key::CheckLowerCase, 1);

    Run r = run({QStringLiteral("preview"), tree.root()});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.rows().size(), 2);
    QCOMPARE(r.rows()[0][2], QByteArray("alpha.txt"));

    r = run(args({"preview", "--upper", "--number-start", "7"}) << tree.root());
    QCOMPARE(r.code, 0);
    QCOMPARE(r.rows()[0].mid(1, 2), (QByteArrayList{"Alpha.txt", "7ALPHA.TXT"}));
    QCOMPARE(r.rows()[1][2], QByteArray("8BETA.TXT"));
    // Nothing given on the command line is stored.
    QCOMPARE(settings.intValue(CAppSettings::Key::CheckUpperCase), 0);
    QCOMPARE(settings.intValue(CAppSettings::Key::CheckNumberAtStart), 0);
    QCOMPARE(settings.intValue(CAppSettings::Key::CheckLowerCase), 1);
}

// The three find switches together; an invalid expression renames nothing and says where.
void TestQuirewellCli::regularExpressionRename()
{
    TestTree &tree = *m_tree;
    QVERIFY(tree.createFile(QStringLiteral("IMG_1_1.jpg")));
    QVERIFY(tree.createFile(QStringLiteral("img_22.jpg")));
    const QStringList invalid = args({"rename", "--regex", "--find", "(img", "--yes"});
    Run r = run(invalid + QStringList{tree.root()});
    QCOMPARE(r.code, 2);
    QCOMPARE(r.err, QByteArray("quirewell-cli: invalid regular expression at position 4: "
                               "missing closing parenthesis\n"));
    QVERIFY(tree.exists(QStringLiteral("IMG_1_1.jpg")));

    const QStringList switches = args({"rename", "--regex", "--ignore-case", "--first-only",
                                       "--find", "_(\\d+)", "--replace", "-$1$$", "--yes"});
    r = run(switches + QStringList{tree.root()});
    QCOMPARE(r.code, 0);
    QVERIFY(tree.exists(QStringLiteral("IMG-1$_1.jpg")));
    QVERIFY(tree.exists(QStringLiteral("img-22$.jpg")));
}

void TestQuirewellCli::previewStatusColumn_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArrayList>("reasons"); // one per listed row, in list order

    const QByteArray tooLong = "invalid: too long (over 255 bytes)";
    QTest::newRow("duplicate") << QStringList{u"c-d.txt"_qs, u"cd-.txt"_qs, u"e.txt"_qs}
                               << args({"--find", "-", "--replace", ""})
                               << QByteArrayList{"duplicate", "duplicate", ""};
    QTest::newRow("listed file keeps the name")
        << QStringList{u"ab.txt"_qs, u"b.txt"_qs} << args({"--find", "a", "--replace", ""})
        << QByteArrayList{"exists", ""};
    QTest::newRow("hidden file, not listed")
        << QStringList{u"hid"_qs, u".hid"_qs} << args({"--find", "h", "--replace", ".h"})
        << QByteArrayList{"exists"};
    QTest::newRow("sub-folder") << QStringList{u"sub/x"_qs, u"sux"_qs}
                                << args({"--find", "x", "--replace", "b"})
                                << QByteArrayList{"exists"};
    QTest::newRow("case differs, batch ignores case")
        << QStringList{u"a.TXT"_qs, u"b.txt"_qs} << args({"--find", "b", "--replace", "A"})
        << QByteArrayList{"", "exists"};
    QTest::newRow("case differs, with sub-folders")
        << QStringList{u"a.TXT"_qs, u"b.txt"_qs}
        << args({"--find", "b", "--replace", "A", "--recursive"}) << QByteArrayList{"", ""};
    QTest::newRow("slash") << QStringList{u"z.log"_qs} << args({"--find", "z", "--replace", "/"})
                           << QByteArrayList{"invalid: holds \"/\""};
    QTest::newRow("too long") << QStringList{u"x.log"_qs}
                              << (args({"--find", "x", "--replace"}) << QString(300, u'y'))
                              << QByteArrayList{tooLong};
    QTest::newRow("unchanged row")
        << QStringList{u"same.txt"_qs} << QStringList{} << QByteArrayList{""};
}

// The seventh column says why a row's new name cannot be used; without --status the rows
// keep their six columns.
void TestQuirewellCli::previewStatusColumn()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, options);
    QFETCH(QByteArrayList, reasons);
    TestTree &tree = *m_tree;
    for (const QString &file : files)
        QVERIFY(tree.createFile(file));

    const Run plain = run(QStringList{QStringLiteral("preview"), tree.root()} + options);
    QCOMPARE(plain.code, 0);
    const Run marked = run(
        QStringList{QStringLiteral("preview"), tree.root(), QStringLiteral("--status")} + options);
    QCOMPARE(marked.code, 0);
    QCOMPARE(marked.rows().size(), reasons.size());
    QCOMPARE(plain.rows().size(), reasons.size());
    for (qsizetype i = 0; i < reasons.size(); ++i) {
        QCOMPARE(plain.rows()[i].size(), 6);
        QCOMPARE(marked.rows()[i].mid(0, 6), plain.rows()[i]);
        QCOMPARE(marked.rows()[i].size(), 7);
        QCOMPARE(marked.rows()[i][6], reasons[i]);
    }
}

// A case step given on the command line replaces the stored one; the part and the text
// steps are given like any other parameter.
void TestQuirewellCli::caseStepsReplaceTheStoredOne()
{
    TestTree &tree = *m_tree;
    QVERIFY(tree.createFile(QStringLiteral("my  photo.JPG")));
    CAppSettings settings;
    settings.setValue(CAppSettings::Key::CheckTitleCase, 1);

    Run r = run({QStringLiteral("preview"), tree.root()});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.rows()[0][2], QByteArray("My  Photo.JPG"));

    r = run(
        args({"preview", "--upper", "--apply-to", "title", "--trim-spaces", "--lower-extension"})
        << tree.root());
    QCOMPARE(r.code, 0);
    QCOMPARE(r.rows()[0][2], QByteArray("MY PHOTO.jpg"));
    r = run(args({"preview", "--sentence-case", "--apply-to=extension"}) << tree.root());
    QCOMPARE(r.code, 0);
    QCOMPARE(r.rows()[0][2], QByteArray("my  photo.Jpg"));
    QCOMPARE(settings.intValue(CAppSettings::Key::CheckTitleCase), 1);
    QCOMPARE(settings.intValue(CAppSettings::Key::ApplyTo), 0);
}

// Both numbers, from the top of the 32-bit range, count on in the preview and the rename.
void TestQuirewellCli::runningNumbersCountOnPastThe32BitLimit()
{
    TestTree &tree = *m_tree;
    for (const char *name : {"f1.txt", "f2.txt", "f3.txt"})
        QVERIFY(tree.createFile(QString::fromUtf8(name)));
    const QStringList numbers = args({"--number-start", "2147483647", "--number-end=2147483646"});
    const QByteArrayList expected{"2147483647f12147483646.txt", "2147483648f22147483647.txt",
                                  "2147483649f32147483648.txt"};
    Run r = run(QStringList{QStringLiteral("preview"), tree.root()} + numbers);
    QCOMPARE(r.code, 0);
    QCOMPARE(r.rows().size(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(r.rows()[i][2], expected[i]);

    r = run(QStringList{QStringLiteral("rename"), tree.root(), QStringLiteral("--yes")} + numbers);
    QCOMPARE(r.code, 0);
    QStringList names;
    for (const QByteArray &name : expected)
        names << QString::fromUtf8(name);
    QCOMPARE(tree.entries(), names);
}

// The numbers follow the sorted order of every folder together; Sr keeps the listing's serial.
void TestQuirewellCli::sortedLists()
{
    TestTree &tree = *m_tree;
    QVERIFY(tree.createFile(u"b/file2.txt"_qs, QByteArray(30, 'x')));
    QVERIFY(tree.createFile(u"a/file10.txt"_qs, QByteArray(10, 'x')));
    QVERIFY(tree.createFile(u"file1.txt"_qs, QByteArray(20, 'x')));
    const QStringList recursive = args({"--recursive", "--number-end", "1"}) << tree.root();
    const auto column = [](const Run &r, int c) {
        QByteArrayList cells;
        for (const QByteArrayList &row : r.rows())
            cells << row[c];
        return cells;
    };

    Run r = run(args({"preview", "--sort", "natural"}) + recursive);
    QCOMPARE(r.code, 0);
    QCOMPARE(column(r, 2), (QByteArrayList{"file11.txt", "file22.txt", "file103.txt"}));
    const QByteArrayList naturalSerials = column(r, 0);
    r = run(args({"preview", "--sort=name"}) + recursive);
    QCOMPARE(column(r, 2), (QByteArrayList{"file11.txt", "file102.txt", "file23.txt"}));
    r = run(args({"preview", "--sort", "size", "--reverse"}) + recursive);
    QCOMPARE(column(r, 1), (QByteArrayList{"file2.txt", "file1.txt", "file10.txt"}));
    // Serials are the listing's: the same row keeps its number in every order.
    QCOMPARE(column(r, 0),
             (QByteArrayList{naturalSerials[1], naturalSerials[0], naturalSerials[2]}));
    r = run(args({"list", "--sort", "natural", "--reverse", "--recursive"}) << tree.root());
    QCOMPARE(r.code, 0);
    QCOMPARE(column(r, 1), (QByteArrayList{"file10.txt", "file2.txt", "file1.txt"}));

    r = run(args({"rename", "--yes", "--sort", "natural"}) + recursive);
    QCOMPARE(r.code, 0);
    QVERIFY(tree.exists(u"a/file103.txt"_qs));
    QVERIFY(tree.exists(u"b/file22.txt"_qs));
    QVERIFY(tree.exists(u"file11.txt"_qs));
}

void TestQuirewellCli::renameWithYes()
{
    TestTree &tree = *m_tree;
    QVERIFY(tree.createFile(QStringLiteral("a1.txt"), "one"));
    QVERIFY(tree.createFile(QStringLiteral("a2.txt"), "two"));
    const Run r = run(args({"rename", "--find", "a", "--replace=z", "--yes"}) << tree.root());
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.contains("2 renamed, 0 failed"));
    QVERIFY(!r.err.contains("Rename 2 Checked Files"));
    QCOMPARE(tree.entries(), (QStringList{QStringLiteral("z1.txt"), QStringLiteral("z2.txt")}));
    QCOMPARE(tree.contents(QStringLiteral("z2.txt")), QByteArray("two"));
}

// The variables that make the test build stop a batch (tests/support/FaultInjection.cpp)
// must change nothing in the program that is installed.
void TestQuirewellCli::shippedProgramHasNoFaultInjection()
{
    TestTree &tree = *m_tree;
    QVERIFY(tree.createFile(QStringLiteral("a1.txt"), "one"));
    QVERIFY(tree.createFile(QStringLiteral("a2.txt"), "two"));
    m_environment.insert(QStringLiteral("QUIREWELL_TEST_KILL_AFTER"), QStringLiteral("1"));
    m_environment.insert(QStringLiteral("QUIREWELL_TEST_INTERRUPT_AFTER"), QStringLiteral("1"));
    const Run r = run(args({"rename", "--find", "a", "--replace=z", "--yes"}) << tree.root());
    QCOMPARE(r.code, 0);
    QVERIFY2(r.err.contains("2 renamed, 0 failed"), r.err.constData());
    QCOMPARE(tree.entries(), (QStringList{QStringLiteral("z1.txt"), QStringLiteral("z2.txt")}));

    QFile program(QStringLiteral(QUIREWELL_CLI_PATH));
    QVERIFY(program.open(QIODevice::ReadOnly));
    QVERIFY(!program.readAll().contains("QUIREWELL_TEST_"));
}

void TestQuirewellCli::renameAsksOnTheTerminal()
{
    TestTree &tree = *m_tree;
    QVERIFY(tree.createFile(QStringLiteral("a1.txt")));
    QVERIFY(tree.createFile(QStringLiteral("a2.txt")));
    const QStringList arguments = args({"rename", "--upper"}) << tree.root();

    for (const QByteArray &no : {QByteArray("n\n"), QByteArray(), QByteArray("yess\n")}) {
        const Run r = run(arguments, no);
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains("Rename 2 Checked Files from the List Now ?"));
        QCOMPARE(tree.entries(), (QStringList{QStringLiteral("a1.txt"), QStringLiteral("a2.txt")}));
    }
    const Run r = run(arguments, " Yes\n");
    QCOMPARE(r.code, 0);
    QCOMPARE(tree.entries(), (QStringList{QStringLiteral("A1.TXT"), QStringLiteral("A2.TXT")}));
}

void TestQuirewellCli::renameReportsFailures()
{
    TestTree &tree = *m_tree;
    QVERIFY(tree.createFile(QStringLiteral("a.txt")));
    QVERIFY(tree.createFile(QStringLiteral("c.txt")));
    QVERIFY(tree.createFolder(QStringLiteral("b.txt"))); // not listed, but takes the name
    const Run r = run(args({"rename", "--find", "a", "--replace", "b", "--yes"}) << tree.root());
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains(
        QStringLiteral("Could not rename %1: ").arg(tree.path(QStringLiteral("a.txt"))).toUtf8()));
    QVERIFY(r.err.contains("0 renamed, 1 failed, 1 unchanged"));
    QVERIFY(tree.exists(QStringLiteral("a.txt")));
}

void TestQuirewellCli::recursiveRenameSkipsDuplicateCheck()
{
    TestTree &tree = *m_tree;
    QVERIFY(tree.createFile(QStringLiteral("one/x.txt")));
    QVERIFY(tree.createFile(QStringLiteral("two/x.txt")));
    // Whenever the sub-folders are listed, the same names in two folders pass, also without
    // a usable folder for temporary files.
    m_environment.insert(QStringLiteral("TMPDIR"), tree.path(QStringLiteral("one/x.txt")));
    Run r = run(args({"rename", "--upper", "--recursive", "--yes"}) << tree.root());
    QCOMPARE(r.code, 0);
    QCOMPARE(tree.entries(), (QStringList{QStringLiteral("one/"), QStringLiteral("one/X.TXT"),
                                          QStringLiteral("two/"), QStringLiteral("two/X.TXT")}));

    // A stored switch other than 1 lists the sub-folders too.
    CAppSettings().SetViewFilesInSubFolders(2);
    r = run(args({"rename", "--lower", "--yes"}) << tree.root());
    QCOMPARE(r.code, 0);
    QCOMPARE(tree.entries(), (QStringList{QStringLiteral("one/"), QStringLiteral("one/x.txt"),
                                          QStringLiteral("two/"), QStringLiteral("two/x.txt")}));
    QCOMPARE(CAppSettings().GetViewFilesInSubFolders(), 2);
}

void TestQuirewellCli::reorderForOneRun()
{
    TestTree &tree = *m_tree;
    const auto makeFiles = [&tree] {
        for (const QString &name : tree.entries())
            tree.remove(name);
        return tree.createFile(QStringLiteral("p1"), "1") &&
               tree.createFile(QStringLiteral("p2"), "2");
    };
    // p1 -> p2, p2 -> p3: renamed from the free end, or in list order.
    const QStringList shift = args({"rename", "--new-name", "p", "--number-end", "2", "--yes"})
                              << tree.root();
    const QStringList shifted{QStringLiteral("p2"), QStringLiteral("p3")};

    QVERIFY(makeFiles());
    Run r = run(shift + args({"--reorder"}));
    QCOMPARE(r.code, 0);
    QVERIFY(r.err.contains("2 renamed, 0 failed, 0 unchanged"));
    QCOMPARE(tree.entries(), shifted);
    QCOMPARE(tree.contents(QStringLiteral("p2")), QByteArray("1"));
    QCOMPARE(CAppSettings().GetResolveChains(), 0); // nothing stored

    CAppSettings().SetResolveChains(1);
    QVERIFY(makeFiles());
    r = run(shift);
    QCOMPARE(r.code, 0);
    QCOMPARE(tree.entries(), shifted);

    QVERIFY(makeFiles());
    r = run(shift + args({"--no-reorder"}));
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains("1 renamed, 1 failed, 0 unchanged"));
    QCOMPARE(tree.entries(), (QStringList{QStringLiteral("p1"), QStringLiteral("p3")}));
    QCOMPARE(CAppSettings().GetResolveChains(), 1);
}

// Bytes that are not UTF-8 are printed \\xHH and written back exactly; an emoji is one
// character; names that differ only in such bytes are not duplicates.
void TestQuirewellCli::namesKeepTheirBytes()
{
    TestTree &tree = *m_tree;
    const QByteArray root = QFile::encodeName(tree.root()) + '/';
    const QByteArray emoji("\xf0\x9f\x98\x80");
    for (const QByteArray &name :
         {QByteArray("caf\xe9.txt"), emoji + "ab.txt", QByteArray("a\xff"), QByteArray("a\xfe")})
        QVERIFY(tree.createRawFile(name, name));
    const auto removeAll = qScopeGuard([&] {
        for (const char *name : {"caf\xe9.txt", "caf\xe9.md", "a\xff", "a\xfe"})
            ::unlink((root + name).constData());
        ::rmdir((root + "caf\xe9.txt").constData());
    });

    Run r = run(args({"preview", "--remove", "1"}) << tree.root());
    QCOMPARE(r.code, 0);
    QMap<QByteArray, QByteArray> preview;
    for (const QByteArrayList &row : r.rows())
        preview.insert(row[1], row[2]);
    const QMap<QByteArray, QByteArray> expected{{"a\\xfe", "\\xfe"},
                                                {"a\\xff", "\\xff"},
                                                {"caf\\xe9.txt", "af\\xe9.txt"},
                                                {emoji + "ab.txt", "ab.txt"}};
    QCOMPARE(preview, expected);

    r = run(args({"rename", "--find", "txt", "--replace", "md", "--yes"}) << tree.root());
    QCOMPARE(r.code, 0);
    QVERIFY2(r.err.contains("2 renamed, 0 failed, 2 unchanged"), r.err.constData());
    QCOMPARE(tree.contents(QFile::decodeName(emoji + "ab.md")), emoji + "ab.txt");
    const int fd = ::open((root + "caf\xe9.md").constData(), O_RDONLY);
    QVERIFY(fd >= 0);
    ::close(fd);

    // A failure names the file with the same escapes, on one line.
    QCOMPARE(::mkdir((root + "caf\xe9.txt").constData(), 0755), 0);
    r = run(args({"rename", "--find", "md", "--replace", "txt", "--yes"}) << tree.root());
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(escapedRoot(tree) + "caf\\xe9.md: File exists\n"), r.err.constData());
}

// FAT through FUSE: no RENAME_NOREPLACE, no hard links, names that differ only in case are
// one name. Upper case still renames every file, and nothing is replaced.
void TestQuirewellCli::caseOnlyRenameOnFat()
{
    FatMount fat;
    if (!fat.isMounted())
        QSKIP(qPrintable(fat.skipReason()));
    for (const char *name : {"a.txt", "b.txt", "keep"}) {
        QFile file(fat.root() + u'/' + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name);
    }
    Run r = run(args({"rename", "--upper", "--yes"}) << fat.root());
    QVERIFY2(r.code == 0, r.err.constData());
    QVERIFY(r.err.contains("3 renamed, 0 failed, 0 unchanged"));
    QCOMPARE(QDir(fat.root()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{u"A.TXT"_qs, u"B.TXT"_qs, u"KEEP"_qs}));

    // A folder (not listed) holds the name in another case.
    QVERIFY(QDir(fat.root()).mkdir(u"SUB"_qs));
    r = run(args({"rename", "--find", "KEEP", "--replace", "sub", "--yes"}) << fat.root());
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains("KEEP: File exists\n"), r.err.constData());
    r = run(args({"rename", "--find", "KEEP", "--replace", "a:b", "--yes"}) << fat.root());
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains("KEEP: Invalid argument\n"), r.err.constData());
    QFile b(fat.root() + u"/B.TXT"_qs);
    QVERIFY(b.open(QIODevice::ReadOnly));
    QCOMPARE(b.readAll(), QByteArray("b.txt"));
}

void TestQuirewellCli::refusalsAndUnlistableFolders()
{
    TestTree &tree = *m_tree;
    QVERIFY(tree.createFile(QStringLiteral("x.txt")));
    QVERIFY(tree.createFile(QStringLiteral("X.TXT")));
    Run r = run(args({"rename", "--upper", "--yes"}) << tree.root());
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains("Could Not Rename Files as New File Names have Duplicate Names."));
    QVERIFY(tree.exists(QStringLiteral("x.txt")));

    QVERIFY(tree.createFolder(QStringLiteral("empty")));
    r = run(args({"list"}) << tree.path(QStringLiteral("empty")));
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.contains("No Files Found in the Folder ["));

    r = run(args({"list"}) << tree.path(QStringLiteral("missing")));
    QCOMPARE(r.code, 1);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.contains(QStringLiteral("Could Not List Files from [%1].")
                               .arg(tree.path(QStringLiteral("missing")))
                               .toUtf8()));
}

// Root reads every folder: the program runs as the user nobody, for whom a folder of root's
// with mode 0700 cannot be read.
void TestQuirewellCli::unreadableSubFoldersAreReported()
{
    constexpr uid_t kNobody = 65534;
    if (::geteuid() != 0)
        QSKIP("needs root, to run the program as another user");
    TestTree &tree = *m_tree;
    QVERIFY(tree.createFile(QStringLiteral("a.txt")));
    QVERIFY(tree.createFile(QStringLiteral("open/b.txt")));
    QVERIFY(tree.createFile(QStringLiteral("shut/c.txt")));
    QVERIFY(tree.createFolder(QStringLiteral("state")));
    const QByteArray root = QFile::encodeName(tree.root());
    const QByteArray shut = QFile::encodeName(tree.path(QStringLiteral("shut")));
    const QByteArray state = QFile::encodeName(tree.path(QStringLiteral("state")));
    // Everything open to nobody but "shut": nobody may rename there and keep a journal.
    QCOMPARE(::chmod(root.constData(), 0777), 0);
    QCOMPARE(::chmod(QFile::encodeName(tree.path(QStringLiteral("open"))).constData(), 0777), 0);
    QCOMPARE(::chmod(shut.constData(), 0700), 0);
    QCOMPARE(::chown(state.constData(), kNobody, kNobody), 0);
    QFile settings(tree.settingsFile());
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.close();
    const QByteArray settingsFolder = QFile::encodeName(QFileInfo(tree.settingsFile()).path());
    QCOMPARE(::chmod(settingsFolder.constData(), 0755), 0);
    QCOMPARE(::chmod(QFile::encodeName(tree.settingsFile()).constData(), 0644), 0);

    QProcessEnvironment environment = m_environment;
    environment.insert(QStringLiteral("XDG_STATE_HOME"), QFile::decodeName(state));
    const auto runAsNobody = [&](const QStringList &arguments) {
        return Run{runCli(QStringList{QStringLiteral("--config"), tree.settingsFile()} + arguments,
                          environment, {}, [] {
                              if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 ||
                                  ::setuid(kNobody) != 0)
                                  ::_exit(99);
                          })};
    };

    const QByteArray message = "Could not read " + shut + ": Permission denied\n";
    for (const char *command : {"list", "preview"}) {
        const Run r = runAsNobody(args({command, "--recursive"}) << tree.root());
        QCOMPARE(r.code, 3);
        QVERIFY2(r.err.contains(message), r.err.constData());
        // The rows of the folders that could be read are printed as usual.
        const QList<QByteArrayList> rows = r.rows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0][1], QByteArray("a.txt"));
        QCOMPARE(rows[1][1], QByteArray("b.txt"));
    }
    // Without sub-folders nothing is left unread.
    QCOMPARE(runAsNobody(args({"list"}) << tree.root()).code, 0);

    const Run r = runAsNobody(args({"rename", "--recursive", "--upper", "--yes"}) << tree.root());
    QCOMPARE(r.code, 3);
    QVERIFY2(r.err.contains(message), r.err.constData());
    QVERIFY2(r.err.contains("2 renamed, 0 failed, 0 unchanged"), r.err.constData());
    QVERIFY(tree.exists(QStringLiteral("A.TXT")));
    QVERIFY(tree.exists(QStringLiteral("open/B.TXT")));
    QVERIFY(tree.exists(QStringLiteral("shut/c.txt")));
}

void TestQuirewellCli::badUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no command") << QStringList{};
    QTest::newRow("no folder") << args({"list"});
    QTest::newRow("unknown command") << args({"show", "/tmp"});
    QTest::newRow("extra argument") << args({"list", "/tmp", "/usr"});
    QTest::newRow("unknown option") << args({"list", "/tmp", "--all"});
    QTest::newRow("missing value") << args({"list", "/tmp", "--find"});
    QTest::newRow("not a number") << args({"preview", "/tmp", "--number-start", "7x"});
    QTest::newRow("beyond 32 bits") << args({"preview", "/tmp", "--remove", "2147483648"});
    QTest::newRow("flag with value") << args({"preview", "/tmp", "--upper=1"});
    QTest::newRow("both cases") << args({"preview", "/tmp", "--upper", "--lower"});
    QTest::newRow("upper and title case") << args({"preview", "/tmp", "--upper", "--title-case"});
    QTest::newRow("lower and sentence case")
        << args({"preview", "/tmp", "--sentence-case", "--lower"});
    QTest::newRow("title and sentence case")
        << args({"preview", "/tmp", "--title-case", "--sentence-case"});
    QTest::newRow("unknown part") << args({"preview", "/tmp", "--apply-to", "ext"});
    QTest::newRow("part by number") << args({"preview", "/tmp", "--apply-to=1"});
    QTest::newRow("no part") << args({"preview", "/tmp", "--apply-to"});
    QTest::newRow("both orders") << args({"rename", "/tmp", "--reorder", "--no-reorder"});
    QTest::newRow("order with value") << args({"rename", "/tmp", "--reorder=1"});
    QTest::newRow("unknown sort") << args({"preview", "/tmp", "--sort", "location"});
    QTest::newRow("invalid expression") << args({"preview", "/tmp", "--regex", "--find", "a{2,1}"});
    QTest::newRow("status without preview") << args({"list", "/tmp", "--status"});
    QTest::newRow("status with a value") << args({"preview", "/tmp", "--status=1"});
}

void TestQuirewellCli::badUsage()
{
    QFETCH(QStringList, arguments);
    const Run r = run(arguments);
    QCOMPARE(r.code, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.startsWith("quirewell-cli: "));
}

void TestQuirewellCli::helpAndVersion()
{
    Run r = run(args({"--version"}));
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QByteArray("quirewell-cli 2.0.0.1\n"));
    r = run(args({"--help"}));
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.startsWith("Usage: quirewell-cli"));
    QVERIFY(r.out.contains("--number-start N"));
    QVERIFY(r.out.contains("--no-reorder"));
}

QTEST_GUILESS_MAIN(TestQuirewellCli)
#include "tst_QuirewellCli.moc"
