#include "tests/robustness/FastTemporaryDir.h"
#include "tests/robustness/FolderSnapshot.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

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

struct Tally
{
    int killed = 0;        // batches stopped by SIGKILL before their end
    int renamedBefore = 0; // renames done before the kill or the end
    int restored = 0;      // renamed back by the undo
    int files = 0;         // files compared with the snapshot
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
        const quint64 firstSeed = environmentNumber("QUIREWELL_ROBUST_SEED", kDefaultSeed);
        const quint64 plans = environmentNumber("QUIREWELL_ROBUST_PLANS", kDefaultPlans);
        Tally tally;
        for (quint64 n = 0; n < plans; ++n) {
            const QString failure = runPlan(firstSeed + n, tally);
            if (!failure.isEmpty())
                QFAIL(qPrintable(QStringLiteral("plan %1 (replay: QUIREWELL_ROBUST_SEED=%1 "
                                                "QUIREWELL_ROBUST_PLANS=1): %2")
                                     .arg(firstSeed + n)
                                     .arg(failure)));
        }
        qInfo("%llu plans from random start %llu: %d killed mid-batch, %d renames done before "
              "the kill or the end, %d renamed back, %d files compared",
              plans, firstSeed, tally.killed, tally.renamedBefore, tally.restored, tally.files);
        QVERIFY(tally.killed > 0);
        QCOMPARE(tally.restored, tally.renamedBefore);
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

        const Run undo = cli(
            {QStringLiteral("--config"), config, QStringLiteral("undo"), QStringLiteral("--yes")},
            state);
        tally.restored += lastNumber(undo.err, "(\\d+) renamed back");
        const FolderSnapshot after = FolderSnapshot::take(folder);
        tally.files += int(before.entries().size());
        if (after != before)
            return QStringLiteral("after the undo (%1): %2")
                .arg(QString::fromUtf8(undo.err).trimmed(), after.differenceTo(before));
        return {};
    }
};

QTEST_GUILESS_MAIN(CrashUndoTest)
#include "tst_CrashUndo.moc"
