#pragma once

#include "core/engine/rename/BatchRename.h"

#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class BatchInputGuard;
class ListingFrame;
class QObject;
class QWidget;

// The batch's questions and warnings as message boxes.
class PromptsBatchPrompter : public BatchPrompter
{
public:
    explicit PromptsBatchPrompter(QWidget *parent) : m_parent(parent) {}

    void warn(const QString &message) override;
    Answer ask(const QString &question) override;

private:
    QWidget *m_parent;
};

// The interface thread's side of a batch that runs on a worker: the wait cursor, input other
// than Esc and the cancel control dropped (BatchInputGuard), the progress in the status bar.
// Questions and warnings of the worker are shown here, with the cursor and the guard lifted.
class BatchScreen : public BatchPrompter
{
public:
    // context: an object of the interface thread; cancel: stops the batch (Esc, the cancel
    // control); confirmed: runs when the user has said Yes, before the first rename.
    BatchScreen(QObject *context, ListingFrame *frame, QWidget *promptParent,
                std::function<void()> cancel, std::function<void()> confirmed);
    ~BatchScreen() override;
    BatchScreen(const BatchScreen &) = delete;
    BatchScreen &operator=(const BatchScreen &) = delete;

    // From the worker: the question or warning is shown on the interface thread.
    void warn(const QString &message) override;
    Answer ask(const QString &question) override;
    // From the worker, as renames are done.
    void setProgress(int done, int total);

private:
    void onInterfaceThread(const std::function<void()> &show);
    void block();
    void unblock();
    void showProgress();

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
