#pragma once

#include <QEventLoop>

#include <thread>
#include <utility>

// Runs work on a thread of its own and returns when it is done; meanwhile the interface
// thread turns its event loop, so that the window keeps painting and its input is seen.
template <typename Work> void runOnWorker(Work &&work)
{
    QEventLoop loop;
    std::thread worker([&] {
        std::forward<Work>(work)();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
}
