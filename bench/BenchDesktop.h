#pragma once

// The desktop program inside a benchmark's process, on the offscreen platform, and a meter of
// the longest time its event loop did not turn.

#include "bench/BenchPrompts.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>

class CQuirewellApp;
class CQuirewellView;

namespace bench {

// The longest time between two turns of the event loop while it is running.
class GapMeter : public QObject
{
public:
    GapMeter();
    void start();
    qint64 stop();

private:
    QTimer m_ticker;
    QElapsedTimer m_since;
    qint64 m_longest = 0;
};

// The desktop program on a settings file of its own, every file listed (hidden and read-only
// ones too), every question answered Yes.
struct Desktop
{
    Prompts prompts{Prompts::Answer::Yes};
    std::unique_ptr<CQuirewellApp> app;

    Desktop(const QByteArray &settingsFile, bool recurse);
    ~Desktop();
    CQuirewellView *view() const;
    // Lists folder and waits for the last row; returns the milliseconds.
    double load(const QByteArray &folder);
};

} // namespace bench
