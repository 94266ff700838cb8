#include "engine/AppSettings.h"
#include "tests/support/TestTree.h"

#include <QProcess>
#include <QSettings>
#include <QTest>

namespace {

struct Run
{
    int code = -1;
    QByteArray out;
    QByteArray err;
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

} // namespace

class TestQuirewellCli : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void listPrintsEscapedRows();
    void previewOverlaysStoredParameters();
    void renameWithYes();
    void renameAsksOnTheTerminal();
    void renameReportsFailures();
    void recursiveRenameSkipsDuplicateCheck();
    void refusalsAndUnlistableFolders();
    void badUsage_data();
    void badUsage();
    void helpAndVersion();

private:
    Run run(const QStringList &arguments, const QByteArray &input = {});
    std::unique_ptr<TestTree> m_tree;
};

void TestQuirewellCli::init()
{
    m_tree = std::make_unique<TestTree>();
    QVERIFY(m_tree->isValid());
    m_tree->useTemporarySettings();
}

Run TestQuirewellCli::run(const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.start(QStringLiteral(QUIREWELL_CLI_PATH),
                  QStringList{QStringLiteral("--config"), m_tree->settingsFile()} + arguments);
    Run result;
    if (!process.waitForStarted())
        return result;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000))
        return result;
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
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

void TestQuirewellCli::previewOverlaysStoredParameters()
{
    TestTree &tree = *m_tree;
    QVERIFY(tree.createFile(QStringLiteral("Alpha.txt")));
    QVERIFY(tree.createFile(QStringLiteral("beta.txt")));
    CAppSettings settings;
    settings.SetCheckLowerCase(1);

    Run r = run({QStringLiteral("preview"), tree.root()});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.rows().size(), 2);
    QCOMPARE(r.rows()[0][2], QByteArray("alpha.txt"));

    r = run(args({"preview", "--upper", "--number-start", "7"}) << tree.root());
    QCOMPARE(r.code, 0);
    QCOMPARE(r.rows()[0].mid(1, 2), (QByteArrayList{"Alpha.txt", "7ALPHA.TXT"}));
    QCOMPARE(r.rows()[1][2], QByteArray("8BETA.TXT"));
    // Nothing given on the command line is stored.
    QCOMPARE(settings.GetCheckUpperCase(), 0);
    QCOMPARE(settings.GetCheckNumberAtStart(), 0);
    QCOMPARE(settings.GetCheckLowerCase(), 1);
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
    // A stored switch other than 1 lists the sub-folders and still checks for duplicates.
    CAppSettings().SetViewFilesInSubFolders(2);
    const Run refused = run(args({"rename", "--upper", "--yes"}) << tree.root());
    QCOMPARE(refused.code, 1);
    QVERIFY(refused.err.contains("Could Not Rename Files as New File Names have Duplicate Names."));

    // --recursive is the switch as the desktop stores it: the same names in two folders pass.
    const Run r = run(args({"rename", "--upper", "--recursive", "--yes"}) << tree.root());
    QCOMPARE(r.code, 0);
    QCOMPARE(tree.entries(), (QStringList{QStringLiteral("one/"), QStringLiteral("one/X.TXT"),
                                          QStringLiteral("two/"), QStringLiteral("two/X.TXT")}));
    QCOMPARE(CAppSettings().GetViewFilesInSubFolders(), 2);
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
}

QTEST_GUILESS_MAIN(TestQuirewellCli)
#include "tst_QuirewellCli.moc"
