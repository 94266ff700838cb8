#include "core/engine/rename/BatchRename.h"
#include "core/engine/settings/AppSettings.h"
#include "tests/robustness/BatchInvariants.h"
#include "tests/robustness/BatchPlan.h"
#include "tests/robustness/FastTemporaryDir.h"
#include "tests/robustness/TreeBuilders.h"
#include "tests/support/RecordingPrompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

quint64 environmentNumber(const char *name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

constexpr quint64 kDefaultPlans = 500; // about two seconds, with or without sanitizers
constexpr quint64 kDefaultSeed = 20261208;

} // namespace

// Random trees, parameters, check marks and planted trouble on real folders; after every
// batch the listed folder must be exactly what the renames reported, and the folder beside
// it untouched. QUIREWELL_ROBUST_SEED and QUIREWELL_ROBUST_PLANS choose the run; a failure
// prints the number of its plan, which replays it alone with QUIREWELL_ROBUST_PLANS=1.
class RandomBatchTest : public QObject
{
    Q_OBJECT

private slots:
    void everyFileSurvivesEveryPlan()
    {
        const quint64 firstSeed = environmentNumber("QUIREWELL_ROBUST_SEED", kDefaultSeed);
        const quint64 plans = environmentNumber("QUIREWELL_ROBUST_PLANS", kDefaultPlans);
        BatchTally tally;
        int ran = 0;
        for (quint64 n = 0; n < plans; ++n) {
            const quint64 rngSeed = firstSeed + n;
            const QString failure = runPlan(rngSeed, tally, ran);
            if (!failure.isEmpty())
                QFAIL(qPrintable(QStringLiteral("plan number %1 (replay: QUIREWELL_ROBUST_SEED=%1 "
                                                "QUIREWELL_ROBUST_PLANS=1): %2")
                                     .arg(rngSeed)
                                     .arg(failure)));
        }
        qInfo("%llu plans from random start %llu: %d batches ran, %d files checked, %d renamed, "
              "%d renames failed",
              plans, firstSeed, ran, tally.files, tally.renamed, tally.failed);
        QVERIFY(ran > int(plans) / 4); // the plans must mostly reach the renames
    }

private:
    static QString runPlan(quint64 rngSeed, BatchTally &tally, int &ran)
    {
        FastTemporaryDir dir;
        FastTemporaryDir settingsDir;
        if (!dir.isValid() || !settingsDir.isValid())
            return QStringLiteral("no temporary folder");
        CAppSettings::useStoreFile(settingsDir.filePath(QStringLiteral("settings.ini")));
        const QByteArray root = QFile::encodeName(dir.path());
        BatchPlan plan(rngSeed, root);
        if (!plan.createTree())
            return QStringLiteral("could not create the tree");

        FileRows rows;
        plan.preview(rows);
        if (!plan.ruleLostBytes().isEmpty())
            return plan.ruleLostBytes();
        plan.mutate(rows);

        const quint32 answerPick = quint32(rngSeed % 10);
        const auto answer = answerPick == 0   ? BatchPrompter::Answer::No
                            : answerPick == 1 ? BatchPrompter::Answer::Cancel
                                              : BatchPrompter::Answer::Yes;
        RecordingPrompter prompter(answer);

        const FolderSnapshot outsideBefore = FolderSnapshot::take(plan.outsideRoot());
        const FolderSnapshot before = FolderSnapshot::take(plan.listedRoot());
        BatchResult result;
        const bool subFolders = plan.subFolderSetting() != 0;
        const BatchOutcome outcome = runBatchRename(rows, subFolders, prompter, &result);
        const BatchObservation seen{rows,
                                    plan.listedRoot(),
                                    before,
                                    FolderSnapshot::take(plan.listedRoot()),
                                    answer == BatchPrompter::Answer::Yes,
                                    subFolders,
                                    outcome,
                                    result};
        const FolderSnapshot outsideAfter = FolderSnapshot::take(plan.outsideRoot());
        CAppSettings::useStoreFile(QString());
        removeTree(root); // names that are not UTF-8 are beyond QTemporaryDir's clean-up

        QString failure = checkBatch(seen, tally);
        if (failure.isEmpty() && !(outsideBefore == outsideAfter))
            failure = QStringLiteral("outside folder changed: ") +
                      outsideBefore.differenceTo(outsideAfter);
        if (!failure.isEmpty())
            return failure + QStringLiteral(" [") + plan.notes().join(QStringLiteral(", ")) +
                   QLatin1Char(']');
        if (seen.outcome == BatchOutcome::Ran)
            ++ran;
        return {};
    }
};

QTEST_GUILESS_MAIN(RandomBatchTest)
#include "tst_RandomBatch.moc"
