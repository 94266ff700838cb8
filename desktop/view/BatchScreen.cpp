#include "desktop/view/BatchScreen.h"

#include "desktop/ui/Prompts.h"
#include "desktop/view/BatchInputGuard.h"
#include "desktop/view/ListingFrame.h"

#include <QApplication>

void PromptsBatchPrompter::warn(const QString &message)
{
    Prompts::instance().message(m_parent, message, Prompts::Icon::Warning);
}

BatchPrompter::Answer PromptsBatchPrompter::ask(const QString &question)
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

BatchScreen::BatchScreen(QObject *context, ListingFrame *frame, QWidget *promptParent,
                         std::function<void()> cancel, std::function<void()> confirmed)
    : m_context(context), m_frame(frame), m_prompter(promptParent), m_cancel(std::move(cancel)),
      m_confirmed(std::move(confirmed))
{
    m_progressTimer.setInterval(100);
    QObject::connect(&m_progressTimer, &QTimer::timeout, [this] { showProgress(); });
    block();
}

BatchScreen::~BatchScreen()
{
    unblock();
}

void BatchScreen::warn(const QString &message)
{
    onInterfaceThread([&] { m_prompter.warn(message); });
}

BatchPrompter::Answer BatchScreen::ask(const QString &question)
{
    Answer answer = Answer::Cancel;
    onInterfaceThread([&] {
        answer = m_prompter.ask(question);
        if (answer == Answer::Yes)
            m_confirmed();
    });
    return answer;
}

void BatchScreen::setProgress(int done, int total)
{
    m_total.store(total, std::memory_order_relaxed);
    m_done.store(done, std::memory_order_relaxed);
}

void BatchScreen::onInterfaceThread(const std::function<void()> &show)
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

void BatchScreen::block()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_guard = std::make_unique<BatchInputGuard>(m_cancel);
    m_progressTimer.start();
}

void BatchScreen::unblock()
{
    m_progressTimer.stop();
    m_guard.reset();
    QApplication::restoreOverrideCursor();
}

void BatchScreen::showProgress()
{
    const int total = m_total.load(std::memory_order_relaxed);
    if (m_frame && total > 0)
        m_frame->showProgress(QCoreApplication::translate(
                                  "BatchScreen", "Renaming Files: %1 of %n Done", nullptr, total)
                                  .arg(m_done.load(std::memory_order_relaxed)));
}
