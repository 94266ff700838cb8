#include "tests/robustness/FolderSnapshot.h"
#include "tests/robustness/TreeBuilders.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

#include <sys/stat.h>
#include <unistd.h>

// Journals that are not what the program wrote: each is refused by history and undo with
// a clear message, and nothing is renamed.
class HostileJournalTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void hostileEntriesAreRefused_data();
    void hostileEntriesAreRefused();
    void linkedFolderIsRefused();
    void treeBeyondThePathLimitIsRenamedAndUndone();

private:
    struct Run
    {
        int code = -1;
        QByteArray out;
        QByteArray err;
    };
    Run cli(const QStringList &arguments);
    QString journalFolder() const { return m_dir.path() + u"/state/quirewell/journal"_qs; }
    QString entryFile() const { return journalFolder() + u"/"_qs + m_id + u".journal"_qs; }

    QTemporaryDir m_dir;
    QString m_id;
};

HostileJournalTest::Run HostileJournalTest::cli(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_STATE_HOME"_qs, m_dir.path() + u"/state"_qs);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QUIREWELL_CLI_PATH),
                  QStringList{u"--config"_qs, m_dir.path() + u"/settings.ini"_qs} + arguments);
    process.closeWriteChannel();
    Run run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run.code = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

void HostileJournalTest::init()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_dir.path() + u"/f"_qs));
    QVERIFY(QFile(m_dir.path() + u"/settings.ini"_qs).open(QIODevice::WriteOnly)); // empty
    for (const char *name : {"a", "b", "c"}) {
        QFile file(m_dir.path() + u"/f/"_qs + QString::fromLatin1(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(name) == 1);
    }
    const Run batch = cli({u"rename"_qs, m_dir.path() + u"/f"_qs, u"--upper"_qs, u"--yes"_qs});
    QCOMPARE(batch.code, 0);
    m_id =
        QRegularExpression(u"journal ([0-9-]+)"_qs).match(QString::fromUtf8(batch.err)).captured(1);
    QVERIFY(QFile::exists(entryFile()));
}

// 2,500 one-letter folders with a file in each, the deepest paths beyond what one system call
// takes: the program lists, renames and undoes every file, back to the exact tree.
void HostileJournalTest::treeBeyondThePathLimitIsRenamedAndUndone()
{
    constexpr int kDepth = 2500;
    const QByteArray root = QFile::encodeName(m_dir.path() + u"/deep"_qs);
    QVERIFY(QDir().mkpath(m_dir.path() + u"/deep"_qs));
    const auto cleanUp = qScopeGuard([&] { removeTree(root); });
    const QList<QByteArray> files = createFolderChain(root, kDepth, "d", 1);
    QCOMPARE(files.size(), kDepth);
    QVERIFY(root.size() + 1 + files.last().size() > PATH_MAX);
    const FolderSnapshot before = FolderSnapshot::take(root);

    const QString folder = QFile::decodeName(root);
    const Run list = cli({u"list"_qs, folder, u"--recursive"_qs});
    QCOMPARE(list.code, 0);
    QCOMPARE(list.out.count('\n'), kDepth);
    const Run batch =
        cli({u"rename"_qs, folder, u"--recursive"_qs, u"--number-end"_qs, u"1"_qs, u"--yes"_qs});
    QVERIFY2(batch.code == 0, batch.err.right(300).constData());
    const FolderSnapshot renamed = FolderSnapshot::take(root);
    QCOMPARE(renamed.entries().size(), before.entries().size());
    QVERIFY(!renamed.entries().count(files.last())); // the deepest file has its new name
    const QString id =
        QRegularExpression(u"journal ([0-9-]+)"_qs).match(QString::fromUtf8(batch.err)).captured(1);
    QVERIFY(!id.isEmpty());

    const Run undo = cli({u"undo"_qs, id, u"--yes"_qs});
    QVERIFY2(undo.code == 0, undo.err.right(300).constData());
    QVERIFY2(undo.err.contains(QByteArray::number(kDepth) + " renamed back, 0 left"),
             undo.err.right(300).constData());
    const FolderSnapshot after = FolderSnapshot::take(root);
    QVERIFY2(before == after, qPrintable(before.differenceTo(after)));
    const Run history = cli({u"history"_qs});
    QVERIFY(history.out.contains((id + u"\t"_qs).toUtf8()));
    QVERIFY(history.out.contains("undone by"));
}

void HostileJournalTest::hostileEntriesAreRefused_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("message");
    QTest::newRow("truncated") << u"truncate"_qs << u"truncated"_qs;
    QTest::newRow("empty") << u"empty"_qs << u"empty"_qs;
    QTest::newRow("garbage") << u"garbage"_qs << u"not a Quirewell journal"_qs;
    QTest::newRow("wrong version") << u"version"_qs << u"version 7 is not supported"_qs;
    QTest::newRow("link to a copy") << u"link"_qs << u"symbolic link"_qs;
    QTest::newRow("another user's") << u"owner"_qs << u"belongs to another user"_qs;
    QTest::newRow("open to others") << u"mode"_qs << u"open to others"_qs;
    QTest::newRow("hard link") << u"hardlink"_qs << u"other links"_qs;
    QTest::newRow("fifo") << u"fifo"_qs << u"not a regular file"_qs;
    QTest::newRow("folder") << u"folder"_qs << u"not a regular file"_qs;
}

void HostileJournalTest::hostileEntriesAreRefused()
{
    QFETCH(QString, change);
    QFETCH(QString, message);
    const QString file = entryFile();
    const QByteArray path = QFile::encodeName(file);
    QFile original(file);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray text = original.readAll();
    original.close();
    const QString copy = m_dir.path() + u"/copy.journal"_qs;
    QVERIFY(QFile::copy(file, copy));

    const auto rewrite = [&](const QByteArray &bytes) {
        QFile out(file);
        return out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               out.write(bytes) == bytes.size();
    };
    bool changed = false;
    if (change == u"truncate")
        changed = rewrite(text.left(text.size() - 7));
    else if (change == u"empty")
        changed = rewrite({});
    else if (change == u"garbage")
        changed = rewrite(QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11) + text);
    else if (change == u"version")
        changed = text.startsWith("quirewell-journal 4\n") &&
                  rewrite(QByteArray(text).replace("quirewell-journal 4", "quirewell-journal 7"));
    else if (change == u"link")
        changed = QFile::remove(file) && QFile::link(copy, file);
    else if (change == u"owner")
        changed = ::chown(path.constData(), 4242, 4242) == 0;
    else if (change == u"mode")
        changed = ::chmod(path.constData(), 0644) == 0;
    else if (change == u"hardlink")
        changed = ::link(path.constData(), QFile::encodeName(m_dir.path() + u"/hard"_qs)) == 0;
    else if (change == u"fifo")
        changed = QFile::remove(file) && ::mkfifo(path.constData(), 0600) == 0;
    else if (change == u"folder")
        changed = QFile::remove(file) && ::mkdir(path.constData(), 0700) == 0;
    QVERIFY(changed);

    const QByteArray folder = QFile::encodeName(m_dir.path() + u"/f"_qs);
    const FolderSnapshot before = FolderSnapshot::take(folder);
    for (const QStringList &arguments :
         {QStringList{u"undo"_qs, m_id, u"--yes"_qs}, QStringList{u"history"_qs}}) {
        const Run run = cli(arguments);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains((u"The journal entry "_qs + m_id).toUtf8()) &&
                     run.err.contains(message.toUtf8()),
                 run.err.constData());
    }
    // The default undo finds nothing it can verify either.
    const Run undo = cli({u"undo"_qs, u"--yes"_qs});
    QCOMPARE(undo.code, 1);
    QVERIFY2(undo.err.contains("There is no batch to undo."), undo.err.constData());
    QVERIFY(FolderSnapshot::take(folder) == before);
    QVERIFY(before.entries().count("A") == 1);
}

void HostileJournalTest::linkedFolderIsRefused()
{
    // The journal folder replaced by a link to a folder holding the same entry.
    const QString moved = m_dir.path() + u"/moved"_qs;
    QVERIFY(QDir().rename(journalFolder(), moved));
    QVERIFY(QFile::link(moved, journalFolder()));
    const QByteArray folder = QFile::encodeName(m_dir.path() + u"/f"_qs);
    const FolderSnapshot before = FolderSnapshot::take(folder);
    for (const QStringList &arguments :
         {QStringList{u"undo"_qs, u"--yes"_qs}, QStringList{u"history"_qs},
          QStringList{u"rename"_qs, m_dir.path() + u"/f"_qs, u"--lower"_qs, u"--yes"_qs}}) {
        const Run run = cli(arguments);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains("is a symbolic link; it is not used."), run.err.constData());
    }
    QVERIFY(FolderSnapshot::take(folder) == before);
}

QTEST_GUILESS_MAIN(HostileJournalTest)
#include "tst_HostileJournal.moc"
