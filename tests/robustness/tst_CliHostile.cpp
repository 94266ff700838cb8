#include "tests/robustness/FolderSnapshot.h"
#include "tests/robustness/HostileStores.h"
#include "tests/robustness/TreeBuilders.h"
#include "tests/support/TestTree.h"

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
        QVERIFY(writeStore(config(QStringLiteral("clean")), {}));
        m_clean = runCli({QStringLiteral("preview"), m_tree.path(QStringLiteral("files")),
                          QStringLiteral("--config"), config(QStringLiteral("clean"))});
        QCOMPARE(m_clean.exitCode, 0);
        QCOMPARE(m_clean.out.count('\n'), 2);
    }

    // A broken file behaves as an empty one: same rows, same messages, same exit status.
    void brokenConfigRunsWithDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        for (const HostileStore &store : hostileStores())
            QTest::newRow(store.name) << store.content;
    }

    void brokenConfigRunsWithDefaults()
    {
        QFETCH(QByteArray, content);
        const QString store = config(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(writeStore(store, content));
        previewLikeTheCleanRun(store);
    }

    void configThatIsAFolderRunsWithDefaults()
    {
        const QString store = config(QStringLiteral("folder"));
        QVERIFY(QDir().mkpath(store));
        previewLikeTheCleanRun(store);
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
