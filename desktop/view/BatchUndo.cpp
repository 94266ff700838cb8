#include "desktop/view/BatchUndo.h"

#include "core/engine/journal/JournalUndo.h"
#include "core/engine/names/FileNames.h"
#include "desktop/ui/Prompts.h"
#include "desktop/view/BatchScreen.h"
#include "desktop/view/WorkerLoop.h"

#include <QDateTime>
#include <QHash>

namespace {

QString timeText(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString folderText(const JournalEntry &entry)
{
    return withoutTrailingSlashes(displayedFileName(decodeFileName(entry.commonFolder())));
}

// Whether running the plan would do anything: rename files back, or end an entry that is
// offered at every start until it is ended.
bool hasWork(const UndoPlan &plan)
{
    return !plan.reverse.rows.empty() || plan.original.interrupted() || !plan.alsoEnd.isEmpty();
}

// The undo's failures as the failure window lists them: the file's name now, the name it
// was to get back, its folder and why it was left.
QList<FailedRename> failuresOf(const UndoPlan &plan, const UndoResult &result)
{
    // Each problem names the path the batch gave the file.
    QHash<QByteArray, const JournalRow *> byNewPath;
    for (const JournalRow &row : plan.original.rows)
        byNewPath.insert(plan.original.path(row, row.newName), &row);
    QList<FailedRename> failures;
    for (const UndoProblem &problem : result.leftAlone) {
        const qsizetype slash = problem.path.lastIndexOf('/');
        const JournalRow *row = byNewPath.value(problem.path);
        failures.append({decodeFileName(problem.path.mid(slash + 1)),
                         row ? decodeFileName(row->oldName) : QString(),
                         decodeFileName(problem.path.left(slash + 1)), problem.reason});
    }
    return failures;
}

} // namespace

BatchUndo::BatchUndo(QObject *context, ListingFrame *frame, QWidget *promptParent, Steps steps)
    : m_context(context), m_frame(frame), m_promptParent(promptParent), m_steps(std::move(steps))
{}

template <typename LookUp> bool BatchUndo::lookUpOnWorker(LookUp &&lookUp)
{
    m_stop.store(false);
    m_steps.setRenaming(true); // the cancel control stops the look-up
    {
        BatchScreen screen(
            m_context, m_frame, m_promptParent, [this] { stop(); }, [] {});
        runOnWorker(std::forward<LookUp>(lookUp));
    }
    m_steps.setRenaming(false);
    return !m_stop.load();
}

void BatchUndo::onUndoRename()
{
    QString error;
    std::optional<UndoPlan> plan;
    const bool lookedUp = lookUpOnWorker([&] { plan = planDefaultUndo(error); });
    // The plan of a huge batch holds every row: it is freed on a worker too.
    const auto release = [&plan] { runOnWorker([&plan] { plan.reset(); }); };
    if (!lookedUp) { // cancelled while the journal was read
        release();
        return;
    }
    if (!plan || !hasWork(*plan)) {
        Prompts::instance().message(
            m_promptParent,
            plan ? tr("Nothing to Rename Back in the Batch of %1 in Folder [%2].")
                       .arg(timeText(plan->original.time), folderText(plan->original))
                 : error,
            Prompts::Icon::Information);
        release();
        m_steps.journalChanged();
        return;
    }
    const JournalEntry &batch = plan->original;
    QString question = tr("Undo the Batch Rename of %1 in Folder [%2].\n\n"
                          "Rename %n File(s) Back to Their Old Names Now ?",
                          nullptr, int(plan->reverse.rows.size()))
                           .arg(timeText(batch.time), folderText(batch));
    // A newer batch passed over is named first, so that the older one is not taken for it.
    const PassedOverBatch &nothing = plan->renamedNothing;
    if (!nothing.id.isEmpty()) {
        question =
            tr("The Newest Batch Rename, of %1 in Folder [%2], Renamed "
               "Nothing: There is Nothing to Undo in it.\n\nInstead, ")
                .arg(timeText(nothing.time),
                     withoutTrailingSlashes(displayedFileName(decodeFileName(nothing.folder)))) +
            question;
    }
    for (const QString &refused : plan->refused)
        question = tr("Passed Over: %1\n\n").arg(refused) + question;
    if (Prompts::instance().message(m_promptParent, question, Prompts::Icon::Question,
                                    Prompts::Buttons::YesNoCancel) == Prompts::Answer::Yes)
        undoBatch(*plan);
    release();
}

void BatchUndo::offerInterruptedBatches()
{
    // What the question needs of each entry; the entries themselves, which may hold a
    // million rows, are read and looked at on a worker and not kept.
    struct Offer
    {
        QString id;
        QString text;
        int done = 0;
    };
    std::vector<Offer> offers;
    const bool lookedUp = lookUpOnWorker([&offers] {
        for (const JournalEntry &entry : interruptedEntries()) {
            const int done = classifyEntry(entry).done;
            offers.push_back({entry.id,
                              tr("The Batch Rename of %1 in Folder [%2] was Interrupted: %3 of %n "
                                 "File(s) had been Renamed.",
                                 nullptr, int(entry.rows.size()))
                                  .arg(timeText(entry.time), folderText(entry))
                                  .arg(done),
                              done});
        }
    });
    if (!lookedUp)
        return; // asked again at the next start
    for (const Offer &offer : offers) {
        const int choice = Prompts::instance().choose(
            m_promptParent, offer.text, Prompts::Icon::Question,
            {tr("Undo the %n renames already done", nullptr, offer.done), tr("Keep them")});
        QString error;
        if (choice == 0) {
            std::optional<UndoPlan> plan;
            if (!lookUpOnWorker([&] { plan = planUndoOf(offer.id, error); }))
                return;
            if (plan) {
                undoBatch(*plan);
                runOnWorker([&plan] { plan.reset(); });
                continue;
            }
        } else if (choice == 1) {
            bool kept = false;
            runOnWorker([&] { kept = keepEntry(offer.id, error); });
            if (kept)
                continue;
        } else {
            continue; // asked again at the next start
        }
        Prompts::instance().message(m_promptParent, error, Prompts::Icon::Warning);
    }
    m_steps.journalChanged();
}

void BatchUndo::undoBatch(const UndoPlan &plan)
{
    UndoResult result;
    QList<FailedRename> failures;
    m_stop.store(false);
    m_steps.setRenaming(true);
    {
        BatchScreen screen(
            m_context, m_frame, m_promptParent, [this] { stop(); }, [] {});
        runOnWorker([&] {
            result = runUndo(
                plan, [&screen](int done, int total) { screen.setProgress(done, total); }, &m_stop);
            if (!result.leftAlone.empty())
                failures = failuresOf(plan, result);
        });
    }
    m_steps.setRenaming(false);
    m_steps.journalChanged();
    if (!result.error.isEmpty())
        Prompts::instance().message(m_promptParent, result.error, Prompts::Icon::Warning);
    if (result.stopped) {
        m_steps.reloadThenShow(tr("Undo Stopped: %n File(s) Renamed Back to Their "
                                  "Old Names, the Rest can be Undone Again",
                                  nullptr, result.restored));
        if (!failures.isEmpty())
            m_steps.renamesFailed(result.restored, failures);
    } else if (result.leftAlone.empty()) {
        m_steps.reloadThenShow(
            tr("Undo Done: %n File(s) Renamed Back to Their Old Names", nullptr, result.restored));
    } else {
        m_steps.reloadThenShow(QString());
        m_steps.renamesFailed(result.restored, failures);
    }
}
