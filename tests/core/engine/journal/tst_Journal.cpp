#include "core/engine/journal/BatchJournal.h"
#include "core/engine/journal/JournalUndo.h"
#include "core/engine/rename/BatchRename.h"
#include "core/engine/rename/ChainRename.h"
#include "core/engine/settings/AppSettings.h"
#include "tests/core/engine/RowsFromFolder.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TestTree.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// The journal's format, its folder, the batch hook, recovery and undo, on real folders.
class JournalTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void formatRoundTrip();
    void everyCutIsRefusedOrAPlan();
    void malformedJournals_data();
    void malformedJournals();

    void batchWritesPrivatePlanAndOutcome();
    void unwritableJournalRenamesNothing();
    void newestHundredKept();

    void undoChainsAndSwaps();
    void undoOfReorderedBatchIsComplete();
    void fileCutOffAtItsTemporaryNameIsUndone();
    void undoCutOffMidRotationIsFinished();
    void undoLeavesChangedFilesAlone();
    void filesThatCannotBeLookedAtKeepTheBatchUndoable_data();
    void filesThatCannotBeLookedAtKeepTheBatchUndoable();
    void undoActsOnlyInTheBatchsFolders();
    void undoPassesOverBatchThatRenamedNothing();
    void interruptedBatchIsClassifiedAndUndone();
    void stoppedBatchRecordsTheRowsLeft_data();
    void stoppedBatchRecordsTheRowsLeft();
    void stoppedUndoLeavesTheBatchToUndoAgain();
    void singleFileRenameIsJournaled();

private:
    FileRows listed(const QStringList &newNames);
    // count files "f/000" and on, listed, each to get the new name "new " + its name.
    FileRows filesToPrefix(int count);
    QByteArray folderBytes() const { return QFile::encodeName(m_tree->path(u"f/"_qs)); }

    std::unique_ptr<TestTree> m_tree;
    std::unique_ptr<QTemporaryDir> m_state;
};

namespace {

JournalEntry sampleEntry()
{
    JournalEntry e;
    e.id = u"20260101-000000-000-00"_qs;
    e.time = 1767225600;
    e.kind = JournalKind::Undo;
    e.undoes = u"20251231-235959-999-07"_qs;
    e.folders = {"/tmp/a b/", QByteArray("/tmp/odd\xff\n%/")};
    e.folderIdentities = {{1, 2}, {18446744073709551615ull, 0}};
    e.rows = {{0, 1, 2, "x y", "-", {}},
              {1, 18446744073709551615ull, 0, QByteArray("\xe9t\xe9\t", 4), "%41", "t 1"},
              {1, 0, 0, "a", "b", "t2"}};
    return e;
}

// The text as an older version wrote it: no device and inode on the folder lines.
QByteArray olderVersion(QByteArray text, int version)
{
    static const QRegularExpression identity(u"^folder ([0-9]+) [0-9]+ [0-9]+ "_qs,
                                             QRegularExpression::MultilineOption);
    QString older = QString::fromLatin1(text);
    older.replace(identity, u"folder \\1 "_qs);
    older.replace(u"quirewell-journal 4\n"_qs, u"quirewell-journal %1\n"_qs.arg(version));
    return older.toLatin1();
}

} // namespace

void JournalTest::init()
{
    m_tree = std::make_unique<TestTree>();
    m_state = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tree->isValid() && m_state->isValid());
    m_tree->useTemporarySettings();
    qputenv("XDG_STATE_HOME", QFile::encodeName(m_state->path()));
}

FileRows JournalTest::listed(const QStringList &newNames)
{
    FileRows rows;
    appendFolderRows(rows, m_tree->path(u"f"_qs));
    for (int i = 0; i < rows.count() && i < newNames.size(); ++i)
        rows.rows[size_t(i)].newName = newNames[i];
    return rows;
}

FileRows JournalTest::filesToPrefix(int count)
{
    for (int i = 0; i < count; ++i)
        if (!m_tree->createFile(u"f/%1"_qs.arg(i, 3, 10, QLatin1Char('0')), "x"))
            return {};
    FileRows rows = listed({});
    for (FileRow &row : rows.rows)
        row.newName = u"new "_qs + row.loadedName;
    return rows;
}

void JournalTest::formatRoundTrip()
{
    JournalEntry e = sampleEntry();
    JournalOutcome outcome;
    outcome.renamed = 1;
    outcome.failed = 3;
    outcome.unchanged = 4;
    outcome.cancelled = 5;
    outcome.failures = {{0, u"File exists"_qs}, {2, QString()}};
    const QByteArray text = JournalFormat::planText(e) + JournalFormat::outcomeText(outcome) +
                            JournalFormat::undoneText(u"20260101-000001-000-00"_qs);
    QString error;
    const std::optional<JournalEntry> back = JournalFormat::parse(text, error);
    QVERIFY2(back, qPrintable(error));
    QCOMPARE(back->id, e.id);
    QCOMPARE(back->time, e.time);
    QCOMPARE(back->undoes, e.undoes);
    QCOMPARE(back->folders, e.folders);
    QCOMPARE(back->folderIdentities.size(), size_t(2));
    QCOMPARE(back->folderIdentities[1].device, 18446744073709551615ull);
    QCOMPARE(back->folderIdentities[0].inode, quint64(2));
    QCOMPARE(back->rows.size(), e.rows.size());
    for (size_t i = 0; i < e.rows.size(); ++i) {
        QCOMPARE(back->rows[i].oldName, e.rows[i].oldName);
        QCOMPARE(back->rows[i].newName, e.rows[i].newName);
        QCOMPARE(back->rows[i].device, e.rows[i].device);
        QCOMPARE(back->rows[i].inode, e.rows[i].inode);
        QCOMPARE(back->rows[i].folder, e.rows[i].folder);
        QCOMPARE(back->rows[i].parkedName, e.rows[i].parkedName);
    }
    QVERIFY(back->outcome);
    QCOMPARE(back->outcome->failures.size(), size_t(2));
    QCOMPARE(back->outcome->failures[0].reason, u"File exists"_qs);
    QCOMPARE(back->outcome->failures[1].reason, QString());
    QCOMPARE(back->outcome->failed, 3);
    QCOMPARE(back->outcome->cancelled, 5);
    QCOMPARE(back->undoneBy, u"20260101-000001-000-00"_qs);
    QCOMPARE(back->commonFolder(), QByteArray("/tmp/"));
    // Every line is printable ASCII: names of any bytes stay on their own line.
    for (const char c : text)
        QVERIFY(c == '\n' || (c >= ' ' && c < 0x7F));

    // A reason repeated on the next rows, as a stopped batch writes it, and one that
    // differs after it: each row keeps its own.
    const QList<QString> reasons{u"not renamed"_qs, u"not renamed"_qs, u"taken: %41 b"_qs};
    outcome.renamed = 0;
    outcome.failures.clear();
    for (quint32 row = 0; row < quint32(reasons.size()); ++row)
        outcome.failures.push_back({row, reasons[row]});
    const std::optional<JournalEntry> repeated = JournalFormat::parse(
        JournalFormat::planText(e) + JournalFormat::outcomeText(outcome), error);
    QVERIFY2(repeated, qPrintable(error));
    QCOMPARE(repeated->outcome->failures.size(), size_t(reasons.size()));
    for (size_t i = 0; i < repeated->outcome->failures.size(); ++i)
        QCOMPARE(repeated->outcome->failures[i].reason, reasons[qsizetype(i)]);

    // Journals of version 3, before folders had a device and inode and cancelled rows a
    // count of their own, are read still; version 1, before temporary names, too.
    const QByteArray finished =
        JournalFormat::planText(e) + JournalFormat::reserveText() + "finished 1 3 4\n";
    std::optional<JournalEntry> older = JournalFormat::parse(olderVersion(finished, 3), error);
    QVERIFY2(older, qPrintable(error));
    QCOMPARE(older->folders, e.folders);
    QVERIFY(older->folderIdentities.empty());
    QCOMPARE(older->outcome->failed, 3);
    QVERIFY(!JournalFormat::parse(olderVersion(text, 3), error)); // "cancelled" is version 4's
    QVERIFY2(error.contains(u"unexpected record"_qs), qPrintable(error));
    for (JournalRow &row : e.rows)
        row.parkedName.clear();
    older = JournalFormat::parse(olderVersion(JournalFormat::planText(e), 1), error);
    QVERIFY2(older, qPrintable(error));
    QCOMPARE(older->rows.size(), e.rows.size());
}

void JournalTest::everyCutIsRefusedOrAPlan()
{
    // A file cut anywhere is refused, except where the cut leaves a whole plan (an
    // interrupted batch) or a whole outcome.
    JournalOutcome outcome;
    outcome.renamed = 2;
    outcome.failed = 1;
    outcome.failures = {{1, u"Permission denied"_qs}};
    JournalEntry e = sampleEntry();
    const QByteArray plan = JournalFormat::planText(e);
    const QByteArray finished = plan + JournalFormat::outcomeText(outcome);
    const QByteArray text = finished + JournalFormat::keptText();
    for (qsizetype n = 0; n < text.size(); ++n) {
        QString error;
        const std::optional<JournalEntry> parsed = JournalFormat::parse(text.left(n), error);
        if (n == plan.size() || n == finished.size()) {
            QVERIFY2(parsed, qPrintable(error));
            QCOMPARE(parsed->outcome.has_value(), n == finished.size());
        } else {
            QVERIFY2(!parsed, qPrintable(QString::number(n)));
            QVERIFY(!error.isEmpty());
        }
    }
    QString error;
    QVERIFY(!JournalFormat::parse(text, error)); // "kept" only ends an interrupted batch
}

void JournalTest::malformedJournals_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("message");
    QTest::newRow("garbage") << QByteArray("quirewell-journal 4") << QByteArray("\x7f\x45LF")
                             << u"not a Quirewell journal"_qs;
    QTest::newRow("version") << QByteArray("quirewell-journal 4")
                             << QByteArray("quirewell-journal 5") << u"version 5"_qs;
    // Version 1 had no temporary names, version 2 no reserve line (their folder lines are
    // written as theirs were, without device and inode).
    QTest::newRow("parked in version 1")
        << QByteArray("quirewell-journal 4") << QByteArray("quirewell-journal 1")
        << u"expected \"planned COUNT\""_qs;
    QTest::newRow("reserve in version 2")
        << QByteArray("quirewell-journal 4") << QByteArray("quirewell-journal 2")
        << u"unexpected record"_qs;
    // From version 4 a folder has its device and inode; before, it has none.
    QTest::newRow("folder without identity")
        << QByteArray("folder 0 1 2 ") << QByteArray("folder 0 ") << u"malformed folder"_qs;
    QTest::newRow("folder with a field more")
        << QByteArray("folder 0 1 2 ") << QByteArray("folder 0 1 2 /x/ ") << u"malformed folder"_qs;
    QTest::newRow("folder device")
        << QByteArray("folder 0 1 2 ") << QByteArray("folder 0 x 2 ") << u"malformed folder"_qs;
    QTest::newRow("reserve with text")
        << QByteArray("reserve  ") << QByteArray("reserve x") << u"malformed reserve"_qs;
    QTest::newRow("parked row") << QByteArray("parked 2") << QByteArray("parked 3")
                                << u"malformed parked"_qs;
    QTest::newRow("parked twice") << QByteArray("parked 2") << QByteArray("parked 1")
                                  << u"malformed parked"_qs;
    QTest::newRow("parked as old name")
        << QByteArray("parked 2 t2") << QByteArray("parked 2 a") << u"malformed parked"_qs;
    QTest::newRow("parked path") << QByteArray("parked 2 t2") << QByteArray("parked 2 ../t2")
                                 << u"malformed parked"_qs;
    QTest::newRow("count") << QByteArray("planned 3") << QByteArray("planned 4")
                           << u"says 4 rows but holds 3"_qs;
    QTest::newRow("slash") << QByteArray(" x%20y ") << QByteArray(" x/y ") << u"malformed row"_qs;
    QTest::newRow("dot") << QByteArray(" x%20y ") << QByteArray(" .. ") << u"malformed row"_qs;
    QTest::newRow("nul") << QByteArray(" x%20y ") << QByteArray(" %00 ") << u"malformed row"_qs;
    QTest::newRow("bad escape") << QByteArray(" x%20y ") << QByteArray(" x%2 ")
                                << u"malformed row"_qs;
    QTest::newRow("sign") << QByteArray("row 0 1 2") << QByteArray("row 0 -1 2")
                          << u"malformed row"_qs;
    QTest::newRow("huge") << QByteArray("row 0 1 2") << QByteArray("row 0 1 99999999999999999999")
                          << u"malformed row"_qs;
    QTest::newRow("folder index") << QByteArray("row 1 ") << QByteArray("row 7 ")
                                  << u"malformed row"_qs;
    QTest::newRow("relative folder") << QByteArray("folder 0 1 2 /tmp/a")
                                     << QByteArray("folder 0 1 2 a") << u"malformed folder"_qs;
    QTest::newRow("unknown record") << QByteArray("planned 3\n")
                                    << QByteArray("planned 3\nrm -rf\n") << u"unexpected record"_qs;
    QTest::newRow("id") << QByteArray("id 2026") << QByteArray("id ../../x") << u"id ID"_qs;
    QTest::newRow("kind") << QByteArray("kind undo") << QByteArray("kind move") << u"kind"_qs;
}

void JournalTest::malformedJournals()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, message);
    QByteArray text = JournalFormat::planText(sampleEntry()) + JournalFormat::reserveText();
    QVERIFY(text.contains(from));
    text.replace(text.indexOf(from), from.size(), to);
    if (to.startsWith("quirewell-journal ") && to < "quirewell-journal 4")
        text = olderVersion(text.replace(to, "quirewell-journal 4"), to.back() - '0');
    QString error;
    QVERIFY(!JournalFormat::parse(text, error));
    QVERIFY2(error.contains(message) && error.startsWith(u"line "), qPrintable(error));
}

void JournalTest::batchWritesPrivatePlanAndOutcome()
{
    QVERIFY(m_tree->createFile(u"f/a"_qs, "1") && m_tree->createFile(u"f/b"_qs, "2") &&
            m_tree->createFile(u"f/c"_qs, "3") && m_tree->createFile(u"f/taken"_qs, "4"));
    // a -> A renamed, b unchanged, c -> "taken" fails, "taken" -> "x/y" refused.
    FileRows rows = listed({u"A"_qs, u"b"_qs, u"taken"_qs, u"x/y"_qs});
    RecordingPrompter prompter; // says Yes
    BatchResult result;
    QCOMPARE(runBatchRename(rows, false, prompter, &result), BatchOutcome::Ran);
    QVERIFY(!result.journalId.isEmpty());
    QVERIFY2(result.journalError.isEmpty(), qPrintable(result.journalError));

    const QString folder = JournalStore::folderPath();
    QCOMPARE(folder, m_state->path() + u"/quirewell/journal"_qs);
    const QString file = folder + u"/"_qs + result.journalId + u".journal"_qs;
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(folder).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0700u);
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0600u);

    QString error;
    const std::optional<JournalEntry> entry = JournalStore::read(result.journalId, error);
    QVERIFY2(entry, qPrintable(error));
    QCOMPARE(entry->rows.size(), size_t(2)); // a and c; b is unchanged, "x/y" refused
    QCOMPARE(entry->rows[1].oldName, QByteArray("c"));
    QCOMPARE(::stat(QFile::encodeName(m_tree->path(u"f/A"_qs)).constData(), &st), 0);
    QCOMPARE(entry->rows[0].inode, quint64(st.st_ino));
    QVERIFY(entry->outcome);
    QCOMPARE(entry->outcome->renamed, 1);
    QCOMPARE(entry->outcome->failed, 2);
    QCOMPARE(entry->outcome->failures.size(), size_t(1));
    QCOMPARE(entry->outcome->failures[0].row, 1u);
    QVERIFY(!entry->interrupted());

    // An outcome longer than the room left for it is appended instead.
    for (int i = 0; i < 60; ++i)
        QVERIFY(m_tree->createFile(u"f/n%1"_qs.arg(i, 2, 10, QLatin1Char('0')), "n"));
    // Listed: A, b, c, n00 to n59, taken. Each n wants the name of the next, n59 that of n00:
    // all are taken still.
    QStringList taken{u"A"_qs, u"b"_qs, u"c"_qs};
    for (int i = 1; i < 60; ++i)
        taken << u"n%1"_qs.arg(i, 2, 10, QLatin1Char('0'));
    taken << u"n00"_qs << u"taken"_qs;
    rows = listed(taken);
    QCOMPARE(runBatchRename(rows, false, prompter, &result), BatchOutcome::Ran);
    const std::optional<JournalEntry> failed = JournalStore::read(result.journalId, error);
    QVERIFY2(failed, qPrintable(error));
    QCOMPARE(failed->outcome->failures.size(), size_t(60));
    QVERIFY(JournalFormat::outcomeText(*failed->outcome).size() > JournalFormat::kReserved);
}

void JournalTest::unwritableJournalRenamesNothing()
{
    QVERIFY(m_tree->createFile(u"f/a"_qs, "1"));
    // The journal folder is a link to a folder of ours: refused all the same.
    QVERIFY(QDir().mkpath(m_state->path() + u"/quirewell"_qs));
    QVERIFY(m_tree->createFolder(u"elsewhere"_qs));
    QVERIFY(QFile::link(m_tree->path(u"elsewhere"_qs), m_state->path() + u"/quirewell/journal"_qs));
    FileRows rows = listed({u"b"_qs});
    RecordingPrompter prompter; // says Yes
    QCOMPARE(runBatchRename(rows, false, prompter), BatchOutcome::JournalFailed);
    QCOMPARE(prompter.warnings.size(), 1);
    QVERIFY2(prompter.warnings[0].contains(u"symbolic link"_qs), qPrintable(prompter.warnings[0]));
    QCOMPARE(m_tree->entries(), QStringList({u"elsewhere/"_qs, u"f/"_qs, u"f/a"_qs}));
    QString error;
    QVERIFY(!renameSingleFile(folderBytes(), "a", u"c"_qs, error));
    QVERIFY(m_tree->exists(u"f/a"_qs));
}

void JournalTest::newestHundredKept()
{
    QStringList ids;
    for (int i = 0; i < JournalStore::kKept + 5; ++i) {
        JournalEntry entry;
        entry.folders = {"/x/"};
        entry.rows = {{0, 1, 1, "a", "b", {}}};
        JournalStore::Writer writer;
        QString error;
        QVERIFY2(writer.begin(entry, error), qPrintable(error));
        ids << writer.id();
    }
    QString error;
    const std::vector<JournalStore::Listed> kept = JournalStore::list(error);
    QCOMPARE(int(kept.size()), JournalStore::kKept);
    QCOMPARE(kept.front().id, ids.last());
    QCOMPARE(kept.back().id, ids[5]);
    QVERIFY(kept.front().entry->interrupted());
}

void JournalTest::stoppedBatchRecordsTheRowsLeft_data()
{
    QTest::addColumn<bool>("chains");
    QTest::addColumn<int>("stopAfterProgress"); // 0: stopped before the first rename
    QTest::newRow("in list order, stopped at the first progress") << false << 1;
    QTest::newRow("in list order, stopped before it began") << false << 0;
    QTest::newRow("in chains, stopped before it began") << true << 0;
}

// A stop ends the batch after the rename under way; the journal records every row left as
// not renamed, so the batch is complete (not interrupted) and its undo restores the rest.
void JournalTest::stoppedBatchRecordsTheRowsLeft()
{
    QFETCH(bool, chains);
    QFETCH(int, stopAfterProgress);
    constexpr int kFiles = 300;
    const FileRows rows = filesToPrefix(kFiles);
    QCOMPARE(rows.count(), kFiles);
    BatchStop stop{stopAfterProgress == 0};
    int progressCalls = 0;
    const BatchProgress progress = [&](int, int) {
        if (++progressCalls == stopAfterProgress)
            stop.store(true);
    };
    const BatchResult result = chains ? renameCheckedFilesInChains(rows, progress, &stop)
                                      : RenameCheckedFiles(rows, progress, &stop);
    const int renamed = stopAfterProgress == 0 ? 0 : 256; // progress comes every 256 rows
    QCOMPARE(result.renamed, renamed);
    QCOMPARE(result.cancelled, kFiles - renamed);
    QVERIFY(result.failures.empty());

    QString error;
    const std::optional<JournalEntry> entry = JournalStore::read(result.journalId, error);
    QVERIFY2(entry, qPrintable(error));
    QVERIFY(entry->outcome && !entry->interrupted());
    QCOMPARE(entry->outcome->renamed, renamed);
    QCOMPARE(entry->outcome->failed, 0);
    QCOMPARE(entry->outcome->cancelled, kFiles - renamed);
    QCOMPARE(int(entry->outcome->failures.size()), kFiles - renamed);
    QCOMPARE(entry->outcome->failures.front().row, quint32(renamed));
    QCOMPARE(entry->outcome->failures.front().reason, BatchTexts::notAttempted());
    if (renamed == 0)
        return;
    std::optional<UndoPlan> plan = planDefaultUndo(error);
    QVERIFY2(plan, qPrintable(error));
    QCOMPARE(runUndo(*plan).restored, renamed);
    QCOMPARE(m_tree->entries().filter(u"new "_qs).size(), 0);
    QCOMPARE(m_tree->entries().size(), kFiles + 1);
}

// An undo stopped before it took every row back does not end the batch: the next undo
// renames the rest back and ends it.
void JournalTest::stoppedUndoLeavesTheBatchToUndoAgain()
{
    constexpr int kFiles = 20;
    const FileRows rows = filesToPrefix(kFiles);
    QCOMPARE(rows.count(), kFiles);
    const BatchResult batch = RenameCheckedFiles(rows);
    QCOMPARE(batch.renamed, kFiles);

    QString error;
    std::optional<UndoPlan> plan = planDefaultUndo(error);
    QVERIFY2(plan, qPrintable(error));
    const BatchStop stop{true};
    int progressCalls = 0;
    const UndoResult stopped = runUndo(
        *plan, [&](int, int) { ++progressCalls; }, &stop);
    QVERIFY(stopped.stopped);
    QCOMPARE(stopped.restored, 0);
    QVERIFY(stopped.error.isEmpty());
    QCOMPARE(m_tree->entries().filter(u"new "_qs).size(), kFiles);
    QVERIFY(!JournalStore::read(batch.journalId, error)->ended());
    QVERIFY(hasBatchToUndo());

    plan = planDefaultUndo(error);
    QVERIFY2(plan, qPrintable(error));
    QCOMPARE(plan->original.id, batch.journalId);
    const UndoResult undo = runUndo(*plan, [&](int, int) { ++progressCalls; });
    QVERIFY(!undo.stopped);
    QCOMPARE(undo.restored, kFiles);
    QVERIFY(progressCalls > 0);
    QCOMPARE(m_tree->entries().filter(u"new "_qs).size(), 0);
    QCOMPARE(JournalStore::read(batch.journalId, error)->undoneBy, undo.undoId);
}

void JournalTest::undoChainsAndSwaps()
{
    // 2 -> 1 succeeds only after 1 -> 9, and its undo only before 9 -> 1.
    QVERIFY(m_tree->createFile(u"f/1"_qs, "one") && m_tree->createFile(u"f/2"_qs, "two") &&
            m_tree->createFile(u"f/3"_qs, "three"));
    FileRows rows = listed({u"9"_qs, u"1"_qs, u"2"_qs}); // 1 -> 9, 2 -> 1, 3 -> 2
    RecordingPrompter prompter;                          // says Yes
    BatchResult result;
    QCOMPARE(runBatchRename(rows, false, prompter, &result), BatchOutcome::Ran);
    QCOMPARE(result.renamed, 3);
    QCOMPARE(m_tree->contents(u"f/9"_qs), QByteArray("one"));

    QString error;
    std::optional<UndoPlan> plan = planDefaultUndo(error);
    QVERIFY2(plan, qPrintable(error));
    QCOMPARE(plan->reverse.rows.size(), size_t(3));
    UndoResult undo = runUndo(*plan);
    QCOMPARE(undo.restored, 3);
    QVERIFY(undo.leftAlone.empty());
    QCOMPARE(m_tree->contents(u"f/1"_qs), QByteArray("one"));
    QCOMPARE(m_tree->contents(u"f/3"_qs), QByteArray("three"));
    QCOMPARE(JournalStore::read(result.journalId, error)->undoneBy, undo.undoId);

    // The undo is a batch of its own: undoing it renames the files again.
    plan = planDefaultUndo(error);
    QVERIFY2(plan, qPrintable(error));
    QCOMPARE(plan->original.id, undo.undoId);
    QCOMPARE(runUndo(*plan).restored, 3);
    QCOMPARE(m_tree->contents(u"f/9"_qs), QByteArray("one"));
    QCOMPARE(m_tree->contents(u"f/1"_qs), QByteArray("two"));
}

void JournalTest::undoOfReorderedBatchIsComplete()
{
    // A shift by one (1 -> 2 -> 3 -> 4), a swap and a rotation of three: undone one by one,
    // newest first, most of them would meet a name still taken.
    const QStringList names{u"1"_qs, u"2"_qs, u"3"_qs, u"a"_qs, u"b"_qs, u"x"_qs, u"y"_qs, u"z"_qs};
    for (const QString &name : names)
        QVERIFY(m_tree->createFile(u"f/"_qs + name, name.toUtf8()));
    const QStringList before = m_tree->entries();
    FileRows rows =
        listed({u"2"_qs, u"3"_qs, u"4"_qs, u"b"_qs, u"a"_qs, u"z"_qs, u"x"_qs, u"y"_qs});
    RecordingPrompter prompter; // says Yes
    BatchResult result;
    QCOMPARE(runBatchRename(rows, false, true, prompter, &result), BatchOutcome::Ran);
    QCOMPARE(result.renamed, 8);
    QString error;
    const std::optional<JournalEntry> entry = JournalStore::read(result.journalId, error);
    QVERIFY2(entry, qPrintable(error));
    int parked = 0;
    for (const JournalRow &row : entry->rows)
        parked += row.parkedName.startsWith(".quirewell-swap-") ? 1 : 0;
    QCOMPARE(parked, 2); // one per cycle, journaled before the batch

    std::optional<UndoPlan> plan = planDefaultUndo(error);
    QVERIFY2(plan, qPrintable(error));
    const UndoResult undo = runUndo(*plan);
    QCOMPARE(undo.restored, 8);
    QVERIFY(undo.leftAlone.empty());
    QCOMPARE(m_tree->entries(), before);
    for (const QString &name : names)
        QCOMPARE(m_tree->contents(u"f/"_qs + name), name.toUtf8());
}

void JournalTest::fileCutOffAtItsTemporaryNameIsUndone()
{
    // The rotation a -> b -> c -> a cut off after two steps: a parked, c at a, b untouched.
    for (const char *name : {"a", "b", "c"})
        QVERIFY(m_tree->createFile(u"f/"_qs + QLatin1String(name), name));
    const QByteArray parked = ".quirewell-swap-0-0.tmp";
    {
        FileRows rows = listed({u"b"_qs, u"c"_qs, u"a"_qs});
        BatchJournal journal;
        QString error;
        QVERIFY2(journal.begin(rows, error, {{0, parked}}), qPrintable(error));
        QVERIFY(
            QFile::rename(m_tree->path(u"f/a"_qs), m_tree->path(u"f/"_qs + QLatin1String(parked))));
        QVERIFY(QFile::rename(m_tree->path(u"f/c"_qs), m_tree->path(u"f/a"_qs)));
    }
    const std::vector<JournalEntry> interrupted = interruptedEntries();
    QCOMPARE(interrupted.size(), size_t(1));
    QCOMPARE(classifyRow(interrupted[0], interrupted[0].rows[0]), RowState::Parked);
    const RowCounts counts = classifyEntry(interrupted[0]);
    QCOMPARE(counts.done, 2);
    QCOMPARE(counts.notDone, 1);
    QCOMPARE(counts.changed, 0);

    QString error;
    const std::optional<UndoPlan> plan = planDefaultUndo(error);
    QVERIFY2(plan, qPrintable(error));
    QCOMPARE(runUndo(*plan).restored, 2);
    QCOMPARE(m_tree->entries(), QStringList({u"f/"_qs, u"f/a"_qs, u"f/b"_qs, u"f/c"_qs}));
    for (const char *name : {"a", "b", "c"})
        QCOMPARE(m_tree->contents(u"f/"_qs + QLatin1String(name)), QByteArray(name));
}

void JournalTest::undoCutOffMidRotationIsFinished()
{
    // The rotation a -> b -> c -> a, then its undo cut off once it parked a's name's file.
    for (const char *name : {"a", "b", "c"})
        QVERIFY(m_tree->createFile(u"f/"_qs + QLatin1String(name), name));
    RecordingPrompter prompter; // says Yes
    BatchResult batch;
    FileRows rows = listed({u"b"_qs, u"c"_qs, u"a"_qs});
    QCOMPARE(runBatchRename(rows, false, true, prompter, &batch), BatchOutcome::Ran);
    QCOMPARE(batch.renamed, 3);
    const QByteArray parked = ".quirewell-swap-0-1.tmp";
    {
        FileRows back = listed({u"c"_qs, u"a"_qs, u"b"_qs});
        BatchJournal journal;
        QString error;
        QVERIFY2(journal.begin(back, error, {{0, parked}}, batch.journalId), qPrintable(error));
        QVERIFY(
            QFile::rename(m_tree->path(u"f/a"_qs), m_tree->path(u"f/"_qs + QLatin1String(parked))));
    }
    QString error;
    const std::optional<UndoPlan> plan = planDefaultUndo(error);
    QVERIFY2(plan, qPrintable(error));
    QCOMPARE(plan->original.id, batch.journalId); // resumed, not the undo undone
    QCOMPARE(runUndo(*plan).restored, 3);
    QCOMPARE(m_tree->entries(), QStringList({u"f/"_qs, u"f/a"_qs, u"f/b"_qs, u"f/c"_qs}));
    for (const char *name : {"a", "b", "c"})
        QCOMPARE(m_tree->contents(u"f/"_qs + QLatin1String(name)), QByteArray(name));
    QVERIFY(interruptedEntries().empty());
}

void JournalTest::undoLeavesChangedFilesAlone()
{
    QVERIFY(m_tree->createFile(u"f/a"_qs, "a") && m_tree->createFile(u"f/b"_qs, "b") &&
            m_tree->createFile(u"f/c"_qs, "c"));
    FileRows rows = listed({u"A"_qs, u"B"_qs, u"C"_qs});
    RecordingPrompter prompter; // says Yes
    QCOMPARE(runBatchRename(rows, false, prompter), BatchOutcome::Ran);
    // A is replaced by another file, b's old name is taken, C is untouched.
    // (made before A is removed, so that it cannot get A's inode number again)
    QVERIFY(m_tree->createFile(u"f/new"_qs, "new") && m_tree->remove(u"f/A"_qs) &&
            QFile::rename(m_tree->path(u"f/new"_qs), m_tree->path(u"f/A"_qs)));
    QVERIFY(m_tree->createFile(u"f/b"_qs, "squatter"));
    QString error;
    const std::optional<UndoPlan> plan = planDefaultUndo(error);
    QVERIFY2(plan, qPrintable(error));
    const UndoResult undo = runUndo(*plan);
    QCOMPARE(undo.restored, 1);
    QCOMPARE(undo.leftAlone.size(), size_t(2));
    QCOMPARE(m_tree->entries(),
             QStringList({u"f/"_qs, u"f/A"_qs, u"f/B"_qs, u"f/b"_qs, u"f/c"_qs}));
    QCOMPARE(m_tree->contents(u"f/A"_qs), QByteArray("new"));
    QCOMPARE(m_tree->contents(u"f/b"_qs), QByteArray("squatter"));

    // A file was left that can come back: the batch is not undone, and an undo by its id
    // tries it again. Once only A is left, which is another file now, it is undone.
    const QString id = plan->original.id;
    std::optional<JournalEntry> entry = JournalStore::read(id, error);
    QVERIFY2(entry, qPrintable(error));
    QVERIFY(!entry->ended());
    QVERIFY(hasBatchToUndo());
    QVERIFY(m_tree->remove(u"f/b"_qs));
    const std::optional<UndoPlan> again = planUndoOf(id, error);
    QVERIFY2(again, qPrintable(error));
    QCOMPARE(again->reverse.rows.size(), size_t(1));
    const UndoResult second = runUndo(*again);
    QCOMPARE(second.restored, 1);
    QCOMPARE(second.leftAlone.size(), size_t(1)); // A, replaced by another file
    QCOMPARE(m_tree->entries(), QStringList({u"f/"_qs, u"f/A"_qs, u"f/b"_qs, u"f/c"_qs}));
    entry = JournalStore::read(id, error);
    QVERIFY2(entry, qPrintable(error));
    QCOMPARE(entry->undoneBy, second.undoId);
}

void JournalTest::filesThatCannotBeLookedAtKeepTheBatchUndoable_data()
{
    QTest::addColumn<bool>("shutTop");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the folder's names") << false << u"it could not be looked at"_qs;
    QTest::newRow("the folder itself") << true << u"its folder could not be looked at"_qs;
}

// No search permission in the batch's folder, or in the one above it, when the undo is planned:
// its files are not known to be gone, so they are left with the reason and the batch stays
// undoable; once the folder opens again, an undo by its id brings them back.
void JournalTest::filesThatCannotBeLookedAtKeepTheBatchUndoable()
{
    QFETCH(bool, shutTop);
    QFETCH(QString, reason);
    QVERIFY(m_tree->createFile(u"f/a"_qs, "a") && m_tree->createFile(u"f/b"_qs, "b"));
    FileRows rows = listed({u"A"_qs, u"B"_qs});
    RecordingPrompter prompter;
    BatchResult batch;
    QCOMPARE(runBatchRename(rows, false, prompter, &batch), BatchOutcome::Ran);
    QCOMPARE(batch.renamed, 2);
    QString error;
    const std::optional<JournalEntry> entry = JournalStore::read(batch.journalId, error);
    QVERIFY2(entry, qPrintable(error));

    // Root looks into any folder: the plan is then made as the user nobody, for whom the
    // tree's top can be entered but the folder cannot.
    const QByteArray root = QFile::encodeName(m_tree->root());
    const QByteArray folder = QFile::encodeName(m_tree->path(u"f"_qs));
    const QByteArray shut = shutTop ? root : folder;
    QCOMPARE(::chmod(root.constData(), 0755), 0);
    QCOMPARE(::chmod(shut.constData(), 0600), 0);
    constexpr uid_t kNobody = 65534;
    const bool asNobody = ::geteuid() == 0;
    if (asNobody)
        QCOMPARE(::seteuid(kNobody), 0);
    const UndoPlan plan = planUndo(*entry);
    if (asNobody)
        QCOMPARE(::seteuid(0), 0);
    QCOMPARE(::chmod(shut.constData(), 0755), 0);
    QVERIFY(plan.reverse.rows.empty());
    QCOMPARE(plan.leftAlone.size(), size_t(2));
    QCOMPARE(plan.lost, 0);
    for (const UndoProblem &problem : plan.leftAlone)
        QVERIFY2(problem.reason.startsWith(reason), qPrintable(problem.reason));

    const UndoResult first = runUndo(plan);
    QCOMPARE(first.restored, 0);
    QVERIFY(!JournalStore::read(batch.journalId, error)->ended());
    QVERIFY(hasBatchToUndo());

    const std::optional<UndoPlan> again = planUndoOf(batch.journalId, error);
    QVERIFY2(again, qPrintable(error));
    const UndoResult second = runUndo(*again);
    QCOMPARE(second.restored, 2);
    QVERIFY(second.leftAlone.empty());
    QCOMPARE(m_tree->entries(), QStringList({u"f/"_qs, u"f/a"_qs, u"f/b"_qs}));
    QCOMPARE(JournalStore::read(batch.journalId, error)->undoneBy, second.undoId);
}

// A journal whose folder line was changed to another folder holding links to the batch's
// files: the folder's device and inode tell it apart, and nothing there is renamed. A journal
// of the version before, which has none, is undone as it reads.
void JournalTest::undoActsOnlyInTheBatchsFolders()
{
    QVERIFY(m_tree->createFile(u"f/a"_qs, "a") && m_tree->createFile(u"f/b"_qs, "b") &&
            QDir(m_tree->path(QString())).mkdir(u"g"_qs));
    FileRows rows = listed({u"A"_qs, u"B"_qs});
    RecordingPrompter prompter; // says Yes
    QCOMPARE(runBatchRename(rows, false, prompter), BatchOutcome::Ran);
    for (const QString &name : {u"A"_qs, u"B"_qs})
        QCOMPARE(::link(QFile::encodeName(m_tree->path(u"f/"_qs + name)).constData(),
                        QFile::encodeName(m_tree->path(u"g/"_qs + name)).constData()),
                 0);
    QString error;
    const std::optional<UndoPlan> batch = planDefaultUndo(error);
    QVERIFY2(batch, qPrintable(error));
    const QString id = batch->original.id;
    QFile file(JournalStore::folderPath() + u"/"_qs + id + u".journal"_qs);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    file.close();
    const QByteArray f = QFile::encodeName(m_tree->path(u"f/"_qs));
    const QByteArray g = QFile::encodeName(m_tree->path(u"g/"_qs));
    QVERIFY(text.contains(" " + f + "\n"));
    const auto rewrite = [&](const QByteArray &changed) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(changed), changed.size());
        file.close();
    };
    rewrite(QByteArray(text).replace(" " + f + "\n", " " + g + "\n"));

    std::optional<UndoPlan> plan = planUndoOf(id, error);
    QVERIFY2(plan, qPrintable(error));
    QVERIFY(plan->reverse.rows.empty());
    QCOMPARE(plan->leftAlone.size(), size_t(2));
    QVERIFY(plan->leftAlone[0].path.startsWith(g));
    QVERIFY(plan->leftAlone[0].reason.contains(u"folder"_qs));
    const UndoResult refused = runUndo(*plan);
    QCOMPARE(refused.restored, 0);
    const QStringList renamed{u"f/"_qs, u"f/A"_qs, u"f/B"_qs, u"g/"_qs, u"g/A"_qs, u"g/B"_qs};
    QCOMPARE(m_tree->entries(), renamed);
    QVERIFY(!JournalStore::read(id, error)->ended());

    // The same batch as the version before wrote it: read and undone as it reads.
    rewrite(olderVersion(text, 3));
    plan = planUndoOf(id, error);
    QVERIFY2(plan, qPrintable(error));
    QVERIFY(plan->original.folderIdentities.empty());
    QCOMPARE(runUndo(*plan).restored, 2);
    QCOMPARE(m_tree->entries(),
             QStringList({u"f/"_qs, u"f/a"_qs, u"f/b"_qs, u"g/"_qs, u"g/A"_qs, u"g/B"_qs}));
}

void JournalTest::undoPassesOverBatchThatRenamedNothing()
{
    QVERIFY(m_tree->createFile(u"f/a"_qs, "a") && m_tree->createFile(u"f/b"_qs, "b"));
    QVERIFY(!hasBatchToUndo());
    RecordingPrompter prompter; // says Yes
    // A batch whose only rename fails leaves nothing to undo.
    FileRows rows = listed({u"A"_qs, u"b"_qs});
    QVERIFY(m_tree->createFile(u"f/A"_qs, "taken"));
    QCOMPARE(runBatchRename(rows, false, prompter), BatchOutcome::Ran);
    QVERIFY(!hasBatchToUndo());
    QVERIFY(m_tree->remove(u"f/A"_qs));
    QCOMPARE(runBatchRename(rows, false, prompter), BatchOutcome::Ran);
    QVERIFY(hasBatchToUndo());
    // The newest batch fails its only rename: the name it wants is taken after the listing.
    rows = listed({u"A"_qs, u"c"_qs});
    QVERIFY(m_tree->createFile(u"f/c"_qs, "c"));
    QCOMPARE(runBatchRename(rows, false, prompter), BatchOutcome::Ran);
    QCOMPARE(m_tree->entries(), QStringList({u"f/"_qs, u"f/A"_qs, u"f/b"_qs, u"f/c"_qs}));
    QString error;
    const std::optional<UndoPlan> plan = planDefaultUndo(error);
    QVERIFY2(plan, qPrintable(error));
    QCOMPARE(runUndo(*plan).restored, 1);
    QCOMPARE(m_tree->entries(), QStringList({u"f/"_qs, u"f/a"_qs, u"f/b"_qs, u"f/c"_qs}));
    QVERIFY(hasBatchToUndo()); // the undo itself
}

void JournalTest::interruptedBatchIsClassifiedAndUndone()
{
    QVERIFY(m_tree->createFile(u"f/a"_qs, "a") && m_tree->createFile(u"f/b"_qs, "b") &&
            m_tree->createFile(u"f/c"_qs, "c"));
    QString id;
    {
        // A batch cut off after its first rename: the plan is there, the outcome is not.
        FileRows rows = listed({u"A"_qs, u"B"_qs, u"C"_qs});
        BatchJournal journal;
        QString error;
        QVERIFY2(journal.begin(rows, error), qPrintable(error));
        id = journal.id();
        QVERIFY(QFile::rename(m_tree->path(u"f/a"_qs), m_tree->path(u"f/A"_qs)));
        QVERIFY(m_tree->remove(u"f/c"_qs)); // and someone removed c
        // While the writer holds the entry, it is running, not interrupted.
        QVERIFY(interruptedEntries().empty());
        QVERIFY(!hasBatchToUndo());
    }
    QVERIFY(hasBatchToUndo());
    const std::vector<JournalEntry> interrupted = interruptedEntries();
    QCOMPARE(interrupted.size(), size_t(1));
    QCOMPARE(interrupted[0].id, id);
    const RowCounts counts = classifyEntry(interrupted[0]);
    QCOMPARE(counts.done, 1);
    QCOMPARE(counts.notDone, 1);
    QCOMPARE(counts.changed, 1);

    QString error;
    const std::optional<UndoPlan> plan = planDefaultUndo(error);
    QVERIFY2(plan, qPrintable(error));
    const UndoResult undo = runUndo(*plan);
    QCOMPARE(undo.restored, 1);
    QCOMPARE(undo.leftAlone.size(), size_t(1)); // c: gone
    QCOMPARE(m_tree->entries(), QStringList({u"f/"_qs, u"f/a"_qs, u"f/b"_qs}));
    QVERIFY(interruptedEntries().empty());
}

void JournalTest::singleFileRenameIsJournaled()
{
    QVERIFY(m_tree->createFolder(u"f"_qs) && m_tree->createRawFile("f/odd\xff", "x"));
    QString error;
    QVERIFY2(renameSingleFile(folderBytes(), "odd\xff", u"fixed"_qs, error), qPrintable(error));
    const std::vector<JournalStore::Listed> entries = JournalStore::list(error);
    QCOMPARE(entries.size(), size_t(1));
    QCOMPARE(entries[0].entry->kind, JournalKind::Single);
    QCOMPARE(entries[0].entry->rows[0].oldName, QByteArray("odd\xff"));
    const std::optional<UndoPlan> plan = planDefaultUndo(error);
    QVERIFY2(plan, qPrintable(error));
    QCOMPARE(runUndo(*plan).restored, 1);
    QCOMPARE(::access((folderBytes() + "odd\xff").constData(), F_OK), 0);
    QVERIFY(!m_tree->exists(u"f/fixed"_qs));
}

QTEST_GUILESS_MAIN(JournalTest)
#include "tst_Journal.moc"
