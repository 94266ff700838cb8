#include "desktop/view/BatchRun.h"

#include "core/engine/settings/AppSettings.h"
#include "desktop/view/BatchScreen.h"
#include "desktop/view/WorkerLoop.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

bool anyCheckedRowGetsANewName(const FileRows &rows)
{
    return std::any_of(rows.rows.begin(), rows.rows.end(), [](const FileRow &row) {
        return row.checked && row.newName != row.loadedName;
    });
}

// The screen's prompter, which says so instead of asking when no checked row would get a new
// name: such a batch would ask to rename every checked file and rename none. It is asked on
// the worker, after the checks that refuse the batch, so the scan costs the window nothing.
class ChangingRowsPrompter : public BatchPrompter
{
public:
    ChangingRowsPrompter(BatchPrompter &screen, const FileRows &rows)
        : m_screen(screen), m_rows(rows)
    {}
    void warn(const QString &message) override { m_screen.warn(message); }
    Answer ask(const QString &question) override
    {
        if (anyCheckedRowGetsANewName(m_rows))
            return m_screen.ask(question);
        m_screen.warn(BatchRun::nothingToRename());
        return Answer::Cancel;
    }

private:
    BatchPrompter &m_screen;
    const FileRows &m_rows;
};

} // namespace

BatchRun::BatchRun(QObject *context, ListingFrame *frame, QWidget *promptParent)
    : m_context(context), m_frame(frame), m_promptParent(promptParent)
{}

BatchOutcome BatchRun::run(const FileRows &rows, bool subFoldersListed,
                           std::function<void()> cancel, std::function<void()> confirmed,
                           BatchResult &result)
{
    const bool resolveChains = CAppSettings().GetResolveChains() != 0;
    BatchOutcome outcome = BatchOutcome::Declined;
    m_stop.store(false);
    BatchScreen screen(m_context, m_frame, m_promptParent, std::move(cancel), std::move(confirmed));
    const BatchProgress progress = [this, &screen](int done, int total) {
        screen.setProgress(done, total);
        if (m_checkpoint)
            m_checkpoint(done);
    };
    ChangingRowsPrompter prompter(screen, rows);
    runOnWorker([&] {
        outcome = runBatchRename(rows, subFoldersListed, resolveChains, prompter, &result, progress,
                                 &m_stop);
    });
    return outcome;
}

QString BatchRun::nothingToRename()
{
    return QCoreApplication::translate("BatchRun",
                                       "No Checked File Gets a New Name: Nothing to Rename.");
}

QString BatchRun::summary(const BatchResult &result)
{
    QString text =
        QCoreApplication::translate("BatchRun", "Renaming Done: %1, %2")
            .arg(QCoreApplication::translate("BatchRun", "%n File(s) Renamed", nullptr,
                                             result.renamed),
                 QCoreApplication::translate("BatchRun", "%n File(s) Could Not be Renamed", nullptr,
                                             int(result.failures.size())));
    if (result.cancelled > 0)
        text += QCoreApplication::translate("BatchRun", ", Cancelled Before %n File(s)", nullptr,
                                            result.cancelled);
    return text;
}
