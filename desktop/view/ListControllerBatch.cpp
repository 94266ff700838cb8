// Cmd::StartRenaming: the batch rename of every checked row, asked about through the prompts.
#include "core/engine/rename/BatchRename.h"
#include "core/engine/settings/AppSettings.h"
#include "core/listing/presence/FolderPresence.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/ui/Prompts.h"
#include "desktop/view/BatchInputGuard.h"
#include "desktop/view/ListController.h"
#include "desktop/view/ListingFrame.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>

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

// The interface thread's side of a batch that runs on a worker: the wait cursor, input other
// than Esc and the cancel control dropped (BatchInputGuard), the progress in the status bar.
// Questions and warnings of the worker are shown here, with the cursor and the guard lifted.
class BatchScreen : public BatchPrompter
{
public:
    // cancel: stops the batch (Esc, the cancel control); confirmed: runs when the user has
    // said Yes, before the first rename.
    BatchScreen(QObject *context, ListingFrame *frame, QWidget *promptParent,
                std::function<void()> cancel, std::function<void()> confirmed)
        : m_context(context), m_frame(frame), m_prompter(promptParent), m_cancel(std::move(cancel)),
          m_confirmed(std::move(confirmed))
    {
        m_progressTimer.setInterval(100);
        QObject::connect(&m_progressTimer, &QTimer::timeout, [this] { showProgress(); });
        block();
    }
    ~BatchScreen() override { unblock(); }
    BatchScreen(const BatchScreen &) = delete;
    BatchScreen &operator=(const BatchScreen &) = delete;

    // From the worker: the question or warning is shown on the interface thread.
    void warn(const QString &message) override
    {
        onInterfaceThread([&] { m_prompter.warn(message); });
    }
    Answer ask(const QString &question) override
    {
        Answer answer = Answer::Cancel;
        onInterfaceThread([&] {
            answer = m_prompter.ask(question);
            if (answer == Answer::Yes)
                m_confirmed();
        });
        return answer;
    }
    // From the worker, as renames are done.
    BatchProgress progress()
    {
        return [this](int done, int total) {
            m_total.store(total, std::memory_order_relaxed);
            m_done.store(done, std::memory_order_relaxed);
        };
    }

private:
    void onInterfaceThread(const std::function<void()> &show)
    {
        QMetaObject::invokeMethod(
            m_context,
            [&] {
                unblock();
                show();
                block();
            },
            Qt::BlockingQueuedConnection);
    }
    void block()
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_guard = std::make_unique<BatchInputGuard>(m_cancel);
        m_progressTimer.start();
    }
    void unblock()
    {
        m_progressTimer.stop();
        m_guard.reset();
        QApplication::restoreOverrideCursor();
    }
    void showProgress()
    {
        const int total = m_total.load(std::memory_order_relaxed);
        if (m_frame && total > 0)
            m_frame->showProgress(QStringLiteral("Renaming Files: %1 of %2 Done")
                                      .arg(m_done.load(std::memory_order_relaxed))
                                      .arg(total));
    }

    QObject *m_context;
    ListingFrame *m_frame;
    PromptsBatchPrompter m_prompter;
    std::function<void()> m_cancel;
    std::function<void()> m_confirmed;
    std::unique_ptr<BatchInputGuard> m_guard;
    QTimer m_progressTimer;
    std::atomic<int> m_done{0};
    std::atomic<int> m_total{0};
};

// What the status bar says once the list is loaded again. A stopped batch says so even when
// renames failed, though the failures have a window of their own.
QString batchSummary(const BatchResult &result)
{
    QString text = QStringLiteral("Renaming Done: %1 File(s) Renamed, %2 File(s) Could Not be "
                                  "Renamed")
                       .arg(result.renamed)
                       .arg(result.failures.size());
    if (result.cancelled > 0)
        text += QStringLiteral(", Cancelled Before %1 File(s)").arg(result.cancelled);
    return text;
}

} // namespace

void ListController::OnStartRenaming()
{
    finishNewNames(); // the batch renames to the names of the current parameters
    // Rows that a load replaced and that are still being freed are finished first: each time
    // their memory goes back to the system, the processors running the program's other
    // threads are interrupted, which slowed the renames by several percent.
    if (m_release.joinable())
        m_release.join();
    // The batch works on the rows as they were when it was asked for; events processed to
    // keep the window painted cannot change what it renames.
    const FileRows rows = m_model.rows();
    const bool resolveChains = CAppSettings().GetResolveChains() != 0;
    const bool subFoldersListed = m_bSubFoldersListed;
    BatchResult result;
    BatchOutcome outcome = BatchOutcome::Declined;
    m_stopBatch.store(false);
    m_bRenaming = true;
    emit busyChanged();
    {
        // The checks, the question and the renames run on a worker, so that the window keeps
        // painting and Esc is seen; this thread turns its event loop until the worker is done.
        // The folders are watched for changes to their rows; the renames would queue an
        // event each, and the reload that follows them watches the folders anew.
        BatchScreen screen(
            this, m_frame, m_promptParent, [this] { cancelWork(); },
            [this] { m_presence.reset(); });
        QEventLoop loop;
        std::thread worker([&] {
            outcome = runBatchRename(rows, subFoldersListed, resolveChains, screen, &result,
                                     screen.progress(), &m_stopBatch);
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        worker.join();
    }
    m_bRenaming = false;
    emit busyChanged();
    if (outcome != BatchOutcome::Ran)
        return;
    if (!result.journalError.isEmpty())
        Prompts::instance().message(m_promptParent, result.journalError, Prompts::Icon::Warning);
    // Failed renames are listed in a window of their own and the status bar keeps the
    // listing's summary, unless the batch was stopped; a batch without failures says what it
    // did there.
    if (result.failures.empty() || result.cancelled > 0)
        reloadThenShow(batchSummary(result));
    else
        reloadThenShow(QString());
    if (!result.failures.empty())
        emit renamesFailed(result.renamed, failedRenamesOf(rows, result));
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
