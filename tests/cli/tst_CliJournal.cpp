#include "tests/cli/CliProcess.h"
#include "tests/support/TestTree.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// quirewell-cli's journal commands through the real binary, the journal in a temporary
// folder named by XDG_STATE_HOME.
class CliJournalTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void renameHistoryUndoAndRedo();
    void partialUndoStaysUndoable();
    void undoNamesTheEntriesItPassesOver();
    void interruptedBatchNoticeKeepAndUndo();
    void ctrlCStopsBatchAndListing();
    void usageAndHelp();

private:
    using Run = CliRun;
    Run run(const QStringList &arguments, const QByteArray &input = {},
            const QByteArray &killAfter = {}, const QByteArray &interruptAfter = {});
    // The id at the end of the last line of standard error: "... (journal ID)".
    static QString journalId(const Run &r);

    std::unique_ptr<TestTree> m_tree;
    std::unique_ptr<QTemporaryDir> m_state;
};

void CliJournalTest::init()
{
    m_tree = std::make_unique<TestTree>();
    m_state = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tree->isValid() && m_state->isValid());
    m_tree->useTemporarySettings();
    QVERIFY(m_tree->createFile(u"d/a1.txt"_qs, "one") && m_tree->createFile(u"d/a2.txt"_qs, "two"));
}

CliJournalTest::Run CliJournalTest::run(const QStringList &arguments, const QByteArray &input,
                                        const QByteArray &killAfter,
                                        const QByteArray &interruptAfter)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_STATE_HOME"_qs, m_state->path());
    if (!killAfter.isEmpty())
        env.insert(u"QUIREWELL_TEST_KILL_AFTER"_qs, QString::fromLatin1(killAfter));
    if (!interruptAfter.isEmpty())
        env.insert(u"QUIREWELL_TEST_INTERRUPT_AFTER"_qs, QString::fromLatin1(interruptAfter));
    return runCli(QStringList{u"--config"_qs, m_tree->settingsFile()} + arguments, env, input);
}

QString CliJournalTest::journalId(const Run &r)
{
    static const QRegularExpression pattern(u"\\(journal ([0-9-]+)\\)\n$"_qs);
    return pattern.match(QString::fromUtf8(r.err)).captured(1);
}

void CliJournalTest::renameHistoryUndoAndRedo()
{
    const QString folder = m_tree->path(u"d"_qs);
    const Run renamed = run({u"rename"_qs, folder, u"--upper"_qs, u"--yes"_qs});
    QCOMPARE(renamed.code, 0);
    const QString id = journalId(renamed);
    QVERIFY2(!id.isEmpty(), renamed.err.constData());
    QVERIFY(m_tree->exists(u"d/A1.TXT"_qs));

    Run history = run({u"history"_qs});
    QCOMPARE(history.code, 0);
    QList<QByteArray> fields = history.out.trimmed().split('\t');
    QCOMPARE(fields.size(), 6);
    QCOMPARE(fields[0], id.toLatin1());
    QCOMPARE(fields[2], (folder + u"/"_qs).toUtf8());
    QCOMPARE(fields[3] + ' ' + fields[4] + ' ' + fields[5], QByteArray("2 0 done"));

    // Same confirmation rules as rename: anything but yes renames nothing.
    Run undo = run({u"undo"_qs}, "n\n");
    QCOMPARE(undo.code, 1);
    QVERIFY(undo.err.contains("rename 2 file(s) back to their old names? [y/N]"));
    QVERIFY(undo.err.contains(id.toLatin1()));
    QVERIFY(m_tree->exists(u"d/A1.TXT"_qs));

    undo = run({u"undo"_qs}, "y\n");
    QCOMPARE(undo.code, 0);
    QVERIFY(undo.err.contains("2 renamed back, 0 left as they are (journal "));
    const QString undoId = journalId(undo);
    QCOMPARE(m_tree->entries(), QStringList({u"d/"_qs, u"d/a1.txt"_qs, u"d/a2.txt"_qs}));
    QCOMPARE(m_tree->contents(u"d/a2.txt"_qs), QByteArray("two"));

    history = run({u"history"_qs});
    const QList<QByteArray> lines = history.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith(undoId.toLatin1()));
    QVERIFY(lines[0].endsWith("\tdone (undo of " + id.toLatin1() + ")"));
    QVERIFY(lines[1].endsWith("\tundone by " + undoId.toLatin1()));

    // Undo by id: the batch again (a redo), then the default is the newest not undone.
    undo = run({u"undo"_qs, undoId, u"--yes"_qs});
    QCOMPARE(undo.code, 0);
    QVERIFY(m_tree->exists(u"d/A2.TXT"_qs));
    QCOMPARE(run({u"undo"_qs, u"../x"_qs, u"--yes"_qs}).code, 1);
}

// An undo that leaves files does not end the batch: history says so, and undo by id tries the
// files left again.
void CliJournalTest::partialUndoStaysUndoable()
{
    const QString folder = m_tree->path(u"d"_qs);
    const Run renamed = run({u"rename"_qs, folder, u"--upper"_qs, u"--yes"_qs});
    const QString id = journalId(renamed);
    QVERIFY2(!id.isEmpty(), renamed.err.constData());
    QVERIFY(m_tree->createFile(u"d/a1.txt"_qs, "squatter"));
    Run undo = run({u"undo"_qs, u"--yes"_qs});
    QCOMPARE(undo.code, 1);
    QVERIFY2(undo.err.contains("1 renamed back, 1 left as they are"), undo.err.constData());
    const QString undoId = journalId(undo);
    const Run history = run({u"history"_qs});
    QVERIFY2(history.out.contains("\tpartly undone by " + undoId.toLatin1() + "\n"),
             history.out.constData());

    QVERIFY(m_tree->remove(u"d/a1.txt"_qs));
    undo = run({u"undo"_qs, id, u"--yes"_qs});
    QCOMPARE(undo.code, 0);
    QVERIFY2(undo.err.contains("1 renamed back, 0 left as they are"), undo.err.constData());
    QCOMPARE(m_tree->entries(), QStringList({u"d/"_qs, u"d/a1.txt"_qs, u"d/a2.txt"_qs}));
    QVERIFY(run({u"history"_qs}).out.contains("\tundone by " + journalId(undo).toLatin1() + "\n"));
}

// Undo given no id names the newer entries it passes over: one refused as not valid, and the
// newest batch when it renamed nothing, so that the batch it takes is not mistaken for them.
void CliJournalTest::undoNamesTheEntriesItPassesOver()
{
    const QString journal = m_state->path() + u"/quirewell/journal/"_qs;
    QVERIFY(QDir().mkpath(journal));
    QVERIFY(QFile::setPermissions(m_state->path() + u"/quirewell/journal"_qs,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner));
    const auto addEntry = [&](const QString &id, const QByteArray &text) {
        QFile file(journal + id + u".journal"_qs);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    };
    const QString garbled = u"29990101-000000-000-00"_qs;
    addEntry(garbled, "quirewell-journal 4\nid " + garbled.toLatin1() + "\nrm -rf\n");
    Run undo = run({u"undo"_qs, u"--yes"_qs});
    QCOMPARE(undo.code, 1);
    QVERIFY2(undo.err.contains("There is no batch to undo.\nThe journal entry " +
                               garbled.toLatin1() + " is not valid"),
             undo.err.constData());

    const QString folder = m_tree->path(u"d"_qs);
    const Run renamed = run({u"rename"_qs, folder, u"--upper"_qs, u"--yes"_qs});
    const QString id = journalId(renamed);
    QVERIFY2(!id.isEmpty(), renamed.err.constData());
    // A newer batch in another folder whose only rename failed.
    const QByteArray other = QFile::encodeName(m_tree->path(u"other/"_qs));
    const QString nothing = u"29980101-000000-000-00"_qs;
    addEntry(nothing, "quirewell-journal 4\nid " + nothing.toLatin1() +
                          "\ntime 1\nkind batch\nfolder 0 1 2 " + other +
                          "\nrow 0 1 3 x y\nplanned 1\nfailed 0 gone\nfinished 0 1 0\n");
    undo = run({u"undo"_qs}, "n\n");
    QCOMPARE(undo.code, 1);
    QVERIFY2(undo.err.contains("Passed over: The journal entry " + garbled.toLatin1()),
             undo.err.constData());
    QVERIFY2(undo.err.contains("The newest batch " + nothing.toLatin1() + " of ") &&
                 undo.err.contains(" in " + other +
                                   " renamed nothing: there is nothing in it "
                                   "to undo.\nUndo instead the older batch " +
                                   id.toLatin1()),
             undo.err.constData());
    QVERIFY(m_tree->exists(u"d/A1.TXT"_qs));
}

void CliJournalTest::interruptedBatchNoticeKeepAndUndo()
{
    QVERIFY(m_tree->createFile(u"d/a3.txt"_qs, "three"));
    const QString folder = m_tree->path(u"d"_qs);
    const Run killed = run({u"rename"_qs, folder, u"--upper"_qs, u"--yes"_qs}, {}, "2");
    QCOMPARE(killed.code, -9);
    QCOMPARE(m_tree->entries(),
             QStringList({u"d/"_qs, u"d/A1.TXT"_qs, u"d/A2.TXT"_qs, u"d/a3.txt"_qs}));

    // Every command but undo and keep says so, in one line.
    const Run listed = run({u"list"_qs, folder});
    QList<QByteArray> notice;
    for (const QByteArray &line : listed.err.split('\n'))
        if (line.contains("interrupted"))
            notice << line;
    QCOMPARE(notice.size(), 1);
    QVERIFY2(notice[0].contains("was interrupted with 2 of 3 renames done"), notice[0]);
    const Run history = run({u"history"_qs});
    QVERIFY(history.out.contains("\t2\t-\tinterrupted: 2 of 3 renamed\n"));

    // Keep ends it, and the notice is gone; undo still reverts it by id.
    QCOMPARE(run({u"keep"_qs}).code, 0);
    QVERIFY(!run({u"list"_qs, folder}).err.contains("interrupted"));
    QCOMPARE(run({u"keep"_qs}).code, 1);
    const QString id = QString::fromLatin1(history.out.split('\t').first());
    const Run undo = run({u"undo"_qs, id, u"--yes"_qs});
    QCOMPARE(undo.code, 0);
    QCOMPARE(m_tree->entries(),
             QStringList({u"d/"_qs, u"d/a1.txt"_qs, u"d/a2.txt"_qs, u"d/a3.txt"_qs}));
}

// Ctrl+C in mid-batch: the rename under way ends, the rest are left and the journal says so,
// so that an undo puts back exactly the renamed files.
void CliJournalTest::ctrlCStopsBatchAndListing()
{
    QVERIFY(m_tree->createFile(u"d/a3.txt"_qs, "three"));
    const QString folder = m_tree->path(u"d"_qs);
    const Run stopped = run({u"rename"_qs, folder, u"--upper"_qs, u"--yes"_qs}, {}, {}, "1");
    QCOMPARE(stopped.code, 130);
    QVERIFY2(stopped.err.contains("1 renamed, 0 failed, 0 unchanged, 2 not renamed (cancelled) "
                                  "(journal "),
             stopped.err.constData());
    QCOMPARE(m_tree->entries(),
             QStringList({u"d/"_qs, u"d/A1.TXT"_qs, u"d/a2.txt"_qs, u"d/a3.txt"_qs}));
    const Run history = run({u"history"_qs});
    QVERIFY2(history.out.endsWith("\t1\t0\tcancelled: 2 not renamed\n"), history.out.constData());
    QVERIFY(!run({u"list"_qs, folder}).err.contains("interrupted"));

    const Run undo = run({u"undo"_qs, u"--yes"_qs});
    QCOMPARE(undo.code, 0);
    QVERIFY2(undo.err.contains("1 renamed back, 0 left as they are"), undo.err.constData());
    QCOMPARE(m_tree->entries(),
             QStringList({u"d/"_qs, u"d/a1.txt"_qs, u"d/a2.txt"_qs, u"d/a3.txt"_qs}));

    // Ctrl+C at the question renames nothing.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_STATE_HOME"_qs, m_state->path());
    QProcess asking;
    asking.setProcessEnvironment(env);
    asking.start(QStringLiteral(QUIREWELL_CLI_PATH),
                 {u"--config"_qs, m_tree->settingsFile(), u"rename"_qs, folder, u"--upper"_qs});
    QVERIFY(asking.waitForStarted());
    QByteArray asked;
    QTRY_VERIFY2((asked += asking.readAllStandardError()).contains("[y/N]") ||
                     asking.state() == QProcess::NotRunning,
                 asked.constData());
    ::kill(pid_t(asking.processId()), SIGINT);
    QVERIFY(asking.waitForFinished());
    QCOMPARE(asking.exitCode(), 130);
    QCOMPARE(m_tree->entries(),
             QStringList({u"d/"_qs, u"d/a1.txt"_qs, u"d/a2.txt"_qs, u"d/a3.txt"_qs}));
}

void CliJournalTest::usageAndHelp()
{
    QCOMPARE(run({u"history"_qs, u"/tmp"_qs}).code, 2);
    QCOMPARE(run({u"undo"_qs, u"1"_qs, u"2"_qs}).code, 2);
    const Run empty = run({u"undo"_qs, u"--yes"_qs});
    QCOMPARE(empty.code, 1);
    QVERIFY(empty.err.contains("There is no batch to undo."));
    const Run help = run({u"--help"_qs});
    QVERIFY(help.out.contains((m_state->path() + u"/quirewell/journal"_qs).toUtf8()));
    QVERIFY(help.out.contains("undo [ID]"));
}

QTEST_GUILESS_MAIN(CliJournalTest)
#include "tst_CliJournal.moc"
