#include "tests/robustness/FastTemporaryDir.h"
#include "tests/robustness/FolderSnapshot.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

quint64 environmentNumber(const char *name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

constexpr quint64 kDefaultPlans = 25;
constexpr quint64 kDefaultSeed = 20261208;

// Short names from a few letters, so that case changes and numbering meet other names;
// now and then bytes that are not UTF-8.
QByteArray randomName(QRandomGenerator &rng)
{
    static const QByteArrayList pieces = {"a",    "A",        "b", "1",    "2", " ",
                                          ".txt", "\xc3\xa9", "-", "\xff", "x"};
    QByteArray name;
    const int length = 1 + int(rng.bounded(4));
    for (int i = 0; i < length; ++i)
        name += pieces[int(rng.bounded(qsizetype(pieces.size())))];
    return name;
}

QStringList randomParameters(QRandomGenerator &rng)
{
    switch (rng.bounded(6)) {
    case 0:
        return {QStringLiteral("--upper")};
    case 1:
        return {QStringLiteral("--lower")};
    case 2:
        return {QStringLiteral("--find"), QStringLiteral("a"), QStringLiteral("--replace"),
                QStringLiteral("b")};
    case 3:
        return {QStringLiteral("--number-start"), QString::number(rng.bounded(3))};
    case 4:
        return {QStringLiteral("--remove"), QString::number(1 + rng.bounded(2))};
    default:
        return {QStringLiteral("--number-end"), QString::number(rng.bounded(3)),
                QStringLiteral("--upper")};
    }
}

// Files numbered from a random set, some of them read-only (not listed, so they block the
// name they hold), renumbered from a small start: the name order ("p10" before "p2") against
// the numbers' order gives shifts by one, swaps ("10p" <-> "9p") and rotations of any length.
// Returns the arguments of the batch.
QStringList makeNumberedFiles(QRandomGenerator &rng, const QByteArray &folder, int &listed)
{
    const bool numberFirst = rng.bounded(2) == 0;
    const int range = 2 + int(rng.bounded(30));
    listed = 0;
    for (int n = 0; n < range; ++n) {
        if (rng.bounded(5) == 0)
            continue;
        const QByteArray number = QByteArray::number(n);
        const QByteArray path =
            folder + '/' + (numberFirst ? number + "p.jpg" : "p" + number + ".jpg");
        QFile file(QFile::decodeName(path));
        if (!file.open(QIODevice::WriteOnly) || file.write(path) != path.size())
            return {};
        if (rng.bounded(10) == 0)
            file.setPermissions(QFileDevice::ReadOwner);
        else
            ++listed;
    }
    return {QStringLiteral("--reorder"), QStringLiteral("--new-name"), QStringLiteral("p"),
            numberFirst ? QStringLiteral("--number-start") : QStringLiteral("--number-end"),
            QString::number(rng.bounded(4))};
}

struct Tally
{
    int killed = 0;           // batches stopped by SIGKILL before their end
    int parkedAtKill = 0;     // of those, stopped with a file at its temporary name
    int undosKilled = 0;      // undos stopped the same way, then undone again
    int parkedAtUndoKill = 0; // of those, with a file at the undo's own temporary name
    int renamedBefore = 0;    // renames done before the kill or the end
    int restored = 0;         // renamed back by the undo
    int files = 0;            // files compared with the snapshot
    QString run;              // how many plans from which start
};

} // namespace

// A batch of quirewell-cli killed (SIGKILL) after a random number of renames, then
// "quirewell-cli undo --yes": the folder must be the snapshot taken before the batch, every
// name and every byte. The kill comes from the batch itself after the Nth rename
// (QUIREWELL_TEST_KILL_AFTER), so it always falls between two renames, after the journal
// was synced. QUIREWELL_ROBUST_SEED and QUIREWELL_ROBUST_PLANS choose the run.
class CrashUndoTest : public QObject
{
    Q_OBJECT

private slots:
    void undoRestoresEveryKilledBatch()
    {
        Tally tally;
        const QString failure = runPlans(runPlan, tally);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        qInfo("%s: %d killed mid-batch, %d renames done before the kill or the end, %d renamed "
              "back, %d files compared",
              qPrintable(tally.run), tally.killed, tally.renamedBefore, tally.restored,
              tally.files);
        QVERIFY(tally.killed > 0);
        QCOMPARE(tally.restored, tally.renamedBefore);
    }

    // The same with --reorder on renumbering plans of chains, swaps and rotations, killed
    // between any two steps, also while a file of a rotation is at its temporary name; half
    // of the undos are killed too, and the next undo finishes them.
    void undoRestoresKilledReorderedBatches()
    {
        Tally tally;
        const QString failure = runPlans(runReorderedPlan, tally);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        qInfo("%s, reordered: %d killed mid-batch (%d with a file at its temporary name), %d "
              "steps done before the kill, %d undos killed (%d at a temporary name), %d renamed "
              "back by the last undo, %d files compared",
              qPrintable(tally.run), tally.killed, tally.parkedAtKill, tally.renamedBefore,
              tally.undosKilled, tally.parkedAtUndoKill, tally.restored, tally.files);
        QVERIFY(tally.killed > 0);
        QVERIFY(tally.parkedAtKill > 0);
        QVERIFY(tally.undosKilled > 0);
    }

private:
    struct Run
    {
        int code = -1; // -9: killed
        QByteArray err;
    };

    static Run cli(const QStringList &arguments, const QString &state, int killAfter = 0)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_STATE_HOME"), state);
        if (killAfter > 0)
            env.insert(QStringLiteral("QUIREWELL_TEST_KILL_AFTER"), QString::number(killAfter));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(QUIREWELL_CLI_PATH), arguments);
        process.closeWriteChannel();
        Run run;
        if (!process.waitForFinished(60000))
            return run;
        run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -9;
        run.err = process.readAllStandardError();
        return run;
    }

    static int lastNumber(const QByteArray &err, const char *pattern)
    {
        const QRegularExpression re(QString::fromLatin1(pattern));
        return re.match(QString::fromUtf8(err)).captured(1).toInt();
    }

    // Undoes the newest batch and compares the folder with before.
    // With killUndoAfter, the undo is killed after that many steps and run once more.
    static QString undoAndCompare(const QByteArray &folder, const QString &config,
                                  const QString &state, const FolderSnapshot &before, Tally &tally,
                                  int killUndoAfter = 0)
    {
        const QStringList arguments{QStringLiteral("--config"), config, QStringLiteral("undo"),
                                    QStringLiteral("--yes")};
        const QByteArrayList parkedBefore = temporaryNames(folder);
        Run undo = cli(arguments, state, killUndoAfter);
        if (undo.code == -9) {
            // The next undo finishes the one cut off (an undo run to its end would be undone).
            ++tally.undosKilled;
            const QByteArrayList parked = temporaryNames(folder);
            tally.parkedAtUndoKill +=
                std::any_of(parked.begin(), parked.end(),
                            [&](const QByteArray &name) { return !parkedBefore.contains(name); })
                    ? 1
                    : 0;
            undo = cli(arguments, state);
        }
        tally.restored += lastNumber(undo.err, "(\\d+) renamed back");
        const FolderSnapshot after = FolderSnapshot::take(folder);
        tally.files += int(before.entries().size());
        if (after != before)
            return QStringLiteral("after the undo (%1): %2")
                .arg(QString::fromUtf8(undo.err).trimmed(), after.differenceTo(before));
        return {};
    }

    static QString runReorderedPlan(quint64 seed, Tally &tally)
    {
        QRandomGenerator rng(quint32(seed ^ (seed >> 32)));
        FastTemporaryDir dir;
        if (!dir.isValid())
            return QStringLiteral("no temporary folder");
        const QByteArray folder = QFile::encodeName(dir.path()) + "/f";
        const QString state = dir.path() + QStringLiteral("/state");
        const QString config = dir.path() + QStringLiteral("/settings.ini");
        QFile(config).open(QIODevice::WriteOnly); // an empty store
        ::mkdir(folder.constData(), 0755);
        int listed = 0;
        const QStringList parameters = makeNumberedFiles(rng, folder, listed);
        if (parameters.isEmpty())
            return QStringLiteral("could not write a file");
        const FolderSnapshot before = FolderSnapshot::take(folder);

        // Up to one step more than the rows (a cycle adds one), so that some batches end.
        const int killAfter = 1 + int(rng.bounded(listed + listed / 2 + 1));
        const Run batch =
            cli(QStringList{QStringLiteral("--config"), config, QStringLiteral("rename"),
                            QFile::decodeName(folder), QStringLiteral("--yes")} +
                    parameters,
                state, killAfter);
        if (batch.code == -9) {
            ++tally.killed;
            tally.renamedBefore += killAfter;
            tally.parkedAtKill += temporaryNames(folder).isEmpty() ? 0 : 1;
        } else if (batch.code != 0 && batch.code != 1) {
            return QStringLiteral("the batch ended with %1: %2")
                .arg(batch.code)
                .arg(QString::fromUtf8(batch.err));
        }
        // Half of the undos are killed too: after a whole batch mostly among its last steps,
        // where the undo's cycles are (they come after its chains).
        const int renamed =
            batch.code == -9 ? killAfter : lastNumber(batch.err, "(\\d+) renamed, ");
        const int killUndoAfter = rng.bounded(2) == 0 ? 0
                                  : batch.code == -9  ? 1 + int(rng.bounded(renamed))
                                                      : std::max(1, renamed - int(rng.bounded(3)));
        return undoAndCompare(folder, config, state, before, tally, killUndoAfter);
    }

    static QByteArrayList temporaryNames(const QByteArray &folder)
    {
        QByteArrayList names;
        const FolderSnapshot now = FolderSnapshot::take(folder);
        for (const auto &[name, contents] : now.entries())
            if (name.startsWith(".quirewell-swap-"))
                names.append(name);
        return names;
    }

    // Runs the plans the environment asks for (or CI's); the first failure, with its replay.
    static QString runPlans(QString (*runOne)(quint64, Tally &), Tally &tally)
    {
        const quint64 firstSeed = environmentNumber("QUIREWELL_ROBUST_SEED", kDefaultSeed);
        const quint64 plans = environmentNumber("QUIREWELL_ROBUST_PLANS", kDefaultPlans);
        tally.run = QStringLiteral("%1 plans from random start %2").arg(plans).arg(firstSeed);
        for (quint64 n = 0; n < plans; ++n) {
            const QString failure = runOne(firstSeed + n, tally);
            if (!failure.isEmpty())
                return QStringLiteral("plan %1 (replay: QUIREWELL_ROBUST_SEED=%1 "
                                      "QUIREWELL_ROBUST_PLANS=1): %2")
                    .arg(firstSeed + n)
                    .arg(failure);
        }
        return {};
    }

    static QString runPlan(quint64 seed, Tally &tally)
    {
        QRandomGenerator rng(quint32(seed ^ (seed >> 32)));
        FastTemporaryDir dir;
        if (!dir.isValid())
            return QStringLiteral("no temporary folder");
        const QByteArray root = QFile::encodeName(dir.path());
        const QByteArray folder = root + "/f";
        const QString state = dir.path() + QStringLiteral("/state");
        const QString config = dir.path() + QStringLiteral("/settings.ini");
        QFile(config).open(QIODevice::WriteOnly); // an empty store
        ::mkdir(folder.constData(), 0755);
        const bool recursive = rng.bounded(4) == 0;
        if (recursive)
            ::mkdir((folder + "/sub").constData(), 0755);
        const int files = 1 + int(rng.bounded(40));
        for (int i = 0; i < files; ++i) {
            const QByteArray path =
                folder + (recursive && rng.bounded(2) ? "/sub/" : "/") + randomName(rng);
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            if (fd >= 0) {
                const QByteArray content = path + QByteArray::number(i);
                if (::write(fd, content.constData(), size_t(content.size())) < 0)
                    return QStringLiteral("could not write a file");
                ::close(fd);
            }
        }
        const FolderSnapshot before = FolderSnapshot::take(folder);

        QStringList arguments{QStringLiteral("--config"), config,
                              QStringLiteral("rename"),   QFile::decodeName(folder),
                              QStringLiteral("--yes"),    QStringLiteral("--hidden")};
        arguments << randomParameters(rng);
        if (recursive)
            arguments << QStringLiteral("--recursive");
        const int killAfter = 1 + int(rng.bounded(files));
        const Run batch = cli(arguments, state, killAfter);
        if (batch.code == -9) {
            ++tally.killed;
            tally.renamedBefore += killAfter;
        } else if (batch.code == 0 || batch.code == 1) {
            tally.renamedBefore += lastNumber(batch.err, "(\\d+) renamed, ");
        } else {
            return QStringLiteral("the batch ended with %1: %2")
                .arg(batch.code)
                .arg(QString::fromUtf8(batch.err));
        }

        return undoAndCompare(folder, config, state, before, tally);
    }
};

QTEST_GUILESS_MAIN(CrashUndoTest)
#include "tst_CrashUndo.moc"
