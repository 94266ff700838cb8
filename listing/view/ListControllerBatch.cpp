// Cmd::StartRenaming: the batch rename of every checked row, asked about through the prompts.
#include "engine/AppSettings.h"
#include "engine/BatchRename.h"
#include "listing/view/BatchInputGuard.h"
#include "listing/view/ListController.h"
#include "listing/view/ListingFrame.h"
#include "ui/CommandIds.h"
#include "ui/Prompts.h"

#include <QApplication>
#include <QEventLoop>

#include <memory>

namespace {

class PromptsBatchPrompter : public BatchPrompter
{
public:
    explicit PromptsBatchPrompter(QWidget *parent) : m_parent(parent) {}

    void warn(const QString &message) override
    {
        Prompts::instance().message(m_parent, message, Prompts::Icon::Warning);
    }

    Answer ask(const QString &question) override
    {
        switch (Prompts::instance().message(m_parent, question, Prompts::Icon::Question,
                                            Prompts::Buttons::YesNoCancel)) {
        case Prompts::Answer::Yes:
            return Answer::Yes;
        case Prompts::Answer::No:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    }

private:
    QWidget *m_parent;
};

// The renames' progress in the status bar, under the wait cursor, with the window kept
// painted. Input other than Esc and the cancel control is dropped (BatchInputGuard).
class RenameProgress
{
public:
    RenameProgress(ListingFrame *frame, std::function<void()> cancel)
        : m_frame(frame), m_cancel(std::move(cancel))
    {}
    ~RenameProgress()
    {
        if (m_cursor)
            QApplication::restoreOverrideCursor();
    }
    RenameProgress(const RenameProgress &) = delete;
    RenameProgress &operator=(const RenameProgress &) = delete;

    void operator()(int done, int total)
    {
        // From the first rename on: the questions before it are answered with the keyboard.
        if (!m_cursor) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            m_cursor = true;
            m_guard = std::make_unique<BatchInputGuard>(m_cancel);
        }
        if (m_frame)
            m_frame->showProgress(
                QStringLiteral("Renaming Files: %1 of %2 Done").arg(done).arg(total));
        QCoreApplication::processEvents();
    }

private:
    ListingFrame *m_frame;
    std::function<void()> m_cancel;
    std::unique_ptr<BatchInputGuard> m_guard;
    bool m_cursor = false;
};

QString batchSummary(const BatchResult &result)
{
    QString text =
        QStringLiteral("Renaming Done: %1 File(s) Renamed, 0 File(s) Could Not be Renamed")
            .arg(result.renamed);
    if (result.cancelled > 0)
        text += QStringLiteral(", Cancelled Before %1 File(s)").arg(result.cancelled);
    return text;
}

} // namespace

void ListController::OnStartRenaming()
{
    finishNewNames(); // the batch renames to the names of the current parameters
    PromptsBatchPrompter prompter(m_promptParent);
    // The batch works on the rows as they were when it was asked for; events processed to
    // keep the window painted cannot change what it renames.
    const FileRows rows = m_model.rows();
    const bool resolveChains = CAppSettings().GetResolveChains() != 0;
    BatchResult result;
    BatchOutcome outcome;
    {
        RenameProgress progress(m_frame, [this] { cancelWork(); });
        m_stopBatch.store(false);
        m_bRenaming = true;
        emit busyChanged();
        outcome = runBatchRename(
            rows, m_bSubFoldersListed, resolveChains, prompter, &result,
            [&progress](int done, int total) { progress(done, total); }, &m_stopBatch);
        m_bRenaming = false;
    }
    if (outcome != BatchOutcome::Ran)
        return;
    if (!result.journalError.isEmpty())
        prompter.warn(result.journalError);
    // Failed renames are listed in a window of their own and the status bar keeps the
    // listing's summary; a batch without failures says what it did there.
    if (result.failures.empty()) {
        reloadThenShow(batchSummary(result));
    } else {
        reloadThenShow(QString());
        emit renamesFailed(failedRenamesOf(rows, result));
    }
}

void ListController::reloadThenShow(const QString &text)
{
    if (m_strFolder.isEmpty()) {
        if (m_frame)
            m_frame->showProgress(text);
        return;
    }
    m_strAfterBatchReload = text;
    m_post(Cmd::Reload);
}
