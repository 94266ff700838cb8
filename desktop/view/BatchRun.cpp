#include "desktop/view/BatchRun.h"

#include "core/engine/settings/AppSettings.h"
#include "desktop/view/BatchScreen.h"

#include <QEventLoop>

#include <thread>

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
    QEventLoop loop;
    std::thread worker([&] {
        outcome = runBatchRename(rows, subFoldersListed, resolveChains, screen, &result, progress,
                                 &m_stop);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    return outcome;
}

QString BatchRun::summary(const BatchResult &result)
{
    QString text = QStringLiteral("Renaming Done: %1 File(s) Renamed, %2 File(s) Could Not be "
                                  "Renamed")
                       .arg(result.renamed)
                       .arg(result.failures.size());
    if (result.cancelled > 0)
        text += QStringLiteral(", Cancelled Before %1 File(s)").arg(result.cancelled);
    return text;
}
