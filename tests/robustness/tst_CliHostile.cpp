#include "tests/robustness/FolderSnapshot.h"
#include "tests/robustness/HostileStores.h"
#include "tests/robustness/TreeBuilders.h"
#include "tests/support/TestTree.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <sys/stat.h>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.closeWriteChannel();
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

Run runCli(const QStringList &arguments)
{
    return runProgram(QStringLiteral(QUIREWELL_CLI_PATH), arguments);
}

// Undoes the escapes of one field of the tab-separated output.
QByteArray unescaped(const QByteArray &field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const char next = field[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

} // namespace

// quirewell-cli as a process: broken settings files, names that would break its rows, and
// folder names that are not UTF-8.
class CliHostileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_tree.createFile(QStringLiteral("files/a.txt"), "a"));
        QVERIFY(m_tree.createFile(QStringLiteral("files/b.txt"), "b"));
        // Renamed by any run that accepts a settings file it should refuse.
        QVERIFY(m_tree.createFile(QStringLiteral("victims/a.txt"), "a"));
        QVERIFY(m_tree.createFile(QStringLiteral("victims/b.txt"), "b"));
        QVERIFY(writeStore(config(QStringLiteral("clean")), {}));
        m_clean = runCli({QStringLiteral("preview"), m_tree.path(QStringLiteral("files")),
                          QStringLiteral("--config"), config(QStringLiteral("clean"))});
        QCOMPARE(m_clean.exitCode, 0);
        QCOMPARE(m_clean.out.count('\n'), 2);
    }

    // A damaged file is refused, before anything is listed or renamed; a file that is only
    // empty or holds other groups runs as the clean one does.
    void brokenConfigIsRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("refused");
        const QSet<QByteArray> sound{"empty file", "wrong group only"};
        for (const HostileStore &store : hostileStores())
            QTest::newRow(store.name) << store.content << !sound.contains(store.name);
    }

    void brokenConfigIsRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, refused);
        const QString store = config(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(writeStore(store, content));
        if (refused)
            renameIsRefused(store, "");
        else
            previewLikeTheCleanRun(store);
    }

    // Anything but a regular file of at most 1 MiB is refused with the reason, unopened: a
    // FIFO that nobody writes to must not hang the program.
    void configThatIsNotASmallFileIsRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("reason");
        const QString folder = config(QStringLiteral("folder"));
        QVERIFY(QDir().mkpath(folder));
        const QString fifo = config(QStringLiteral("fifo"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString large = config(QStringLiteral("large"));
        QFile file(large);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(100 << 20)); // 100 MB
        file.close();
        QTest::newRow("missing") << config(QStringLiteral("typo")) << QByteArray("No such file");
        QTest::newRow("folder") << folder << QByteArray("it is a folder");
        QTest::newRow("fifo") << fifo << QByteArray("not a regular file");
        QTest::newRow("/dev/zero")
            << QStringLiteral("/dev/zero") << QByteArray("not a regular file");
        QTest::newRow("100 MB") << large << QByteArray("larger than 1048576 bytes");
    }

    void configThatIsNotASmallFileIsRefused()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, reason);
        renameIsRefused(path, reason);
    }

    // A value the user's own store would read as its default is refused, naming its key.
    void configValueOfTheWrongKindIsNamed()
    {
        const QString store = config(QStringLiteral("wrong kind"));
        QVERIFY(writeStore(store, "[Settings]\nCheckNumberAtStart=1\nNumberAtEnd=5x\n"));
        renameIsRefused(store, "NumberAtEnd");
        QVERIFY(writeStore(store, "[Settings]\nNumberAtStart=2147483648\n"));
        renameIsRefused(store, "NumberAtStart");
    }

    // The limit is 1 MiB: a file of exactly that size is read.
    void configOfTheLargestSizeIsRead()
    {
        const QString store = config(QStringLiteral("largest"));
        QByteArray content = "[Settings]\n";
        content += QByteArray((1 << 20) - content.size() - 1, ';') + '\n';
        QVERIFY(writeStore(store, content));
        previewLikeTheCleanRun(store);
        QVERIFY(writeStore(store, content + '\n'));
        renameIsRefused(store, "larger than");
    }

    // Tabs, line breaks, carriage returns and backslashes in names and in the folder: each
    // row stays one line of six fields, and the fields unescape to the exact names.
    void rowsStayOneLineEach()
    {
        const QList<QByteArray> names{"tab\tname",   "line\nbreak", "carriage\rreturn",
                                      "back\\slash", "\\t literal", "plain"};
        const QString folder = QStringLiteral("odd\tfol\nder\\");
        for (const QByteArray &name : names)
            QVERIFY(m_tree.createFile(folder + QLatin1Char('/') + QString::fromUtf8(name), name));
        const Run run = runCli({QStringLiteral("list"), m_tree.path(folder),
                                QStringLiteral("--config"), config(QStringLiteral("clean"))});
        QCOMPARE(run.exitCode, 0);
        QList<QByteArray> lines = run.out.split('\n');
        QCOMPARE(lines.takeLast(), QByteArray()); // the output ends with a line break
        QCOMPARE(lines.size(), names.size());
        QSet<QByteArray> listed;
        for (const QByteArray &line : lines) {
            const QList<QByteArray> fields = line.split('\t');
            QCOMPARE(fields.size(), 6);
            QCOMPARE(unescaped(fields[5]), QFile::encodeName(m_tree.path(folder)) + '/');
            QCOMPARE(unescaped(fields[2]), unescaped(fields[1]));
            listed.insert(unescaped(fields[1]));
        }
        QCOMPARE(listed, QSet<QByteArray>(names.begin(), names.end()));
    }

    // Two folders whose names decode to the same text: a rename asked for one of them must
    // never touch the other.
    void folderArgumentIsTheExactFolder()
    {
        const QByteArray root = QFile::encodeName(m_tree.root());
        const QByteArray exact = root + "/\xff";
        const QByteArray lookalike = root + "/\xef\xbf\xbd";
        QVERIFY(QDir().mkpath(QFile::decodeName(lookalike)));
        QVERIFY(::mkdir(exact.constData(), 0755) == 0);
        QVERIFY(m_tree.createRawFile("\xef\xbf\xbd/victim", "lookalike"));
        QVERIFY(m_tree.createRawFile("\xff/mine", "exact"));
        const auto removeBoth = qScopeGuard([&] {
            removeTree(exact); // QTemporaryDir cannot remove names that are not UTF-8
            removeTree(lookalike);
        });
        const FolderSnapshot before = FolderSnapshot::take(lookalike);

        // The argument's bytes go through the shell, since QProcess passes text.
        const Run run = runProgram(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"),
             QStringLiteral("exec \"$0\" rename \"$1/$(printf '\\377')\" --number-start 1 --yes "
                            "--config \"$2\""),
             QStringLiteral(QUIREWELL_CLI_PATH), m_tree.root(), config(QStringLiteral("clean"))});
        QCOMPARE(run.exitCode, 0);
        const FolderSnapshot after = FolderSnapshot::take(lookalike);
        QVERIFY2(before == after, qPrintable(before.differenceTo(after)));
        // The exact folder was renamed in, and its name is printed with the byte escaped.
        QVERIFY(FolderSnapshot::take(exact).entries().count("1mine"));
        QVERIFY2(run.err.contains("/\\xff]"), run.err.constData());
    }

private:
    // A rename with this settings file ends with exit status 2 and the reason, at once, and
    // renames nothing.
    void renameIsRefused(const QString &store, const QByteArray &reason)
    {
        const QString files = m_tree.path(QStringLiteral("victims"));
        const FolderSnapshot before = FolderSnapshot::take(QFile::encodeName(files));
        QElapsedTimer timer;
        timer.start();
        const Run run =
            runCli({QStringLiteral("rename"), files, QStringLiteral("--yes"),
                    QStringLiteral("--number-start=1"), QStringLiteral("--config"), store});
        QVERIFY2(timer.elapsed() < 20000, "the program waited on the settings file");
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.startsWith("quirewell-cli: cannot use the settings file "),
                 run.err.constData());
        QVERIFY2(run.err.contains(reason), run.err.constData());
        QCOMPARE(run.err.count('\n'), 1);
        const FolderSnapshot after = FolderSnapshot::take(QFile::encodeName(files));
        QVERIFY2(before == after, qPrintable(before.differenceTo(after)));
    }

    void previewLikeTheCleanRun(const QString &store)
    {
        const Run run = runCli({QStringLiteral("preview"), m_tree.path(QStringLiteral("files")),
                                QStringLiteral("--config"), store});
        QCOMPARE(run.exitCode, m_clean.exitCode);
        QCOMPARE(run.out, m_clean.out);
        QCOMPARE(run.err, m_clean.err);
    }
    QString config(const QString &name) const
    {
        return m_configs.filePath(name + QStringLiteral(".ini"));
    }

    TestTree m_tree;
    QTemporaryDir m_configs;
    Run m_clean;
};

QTEST_GUILESS_MAIN(CliHostileTest)
#include "tst_CliHostile.moc"
