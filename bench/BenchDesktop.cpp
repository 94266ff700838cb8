#include "bench/BenchDesktop.h"

#include "bench/BenchSupport.h"
#include "core/engine/settings/AppSettings.h"
#include "desktop/shell/MainFrame.h"
#include "desktop/shell/QuirewellApp.h"
#include "desktop/view/QuirewellView.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>

#include <algorithm>

namespace bench {

GapMeter::GapMeter()
{
    m_ticker.setInterval(0);
    connect(&m_ticker, &QTimer::timeout, this,
            [this] { m_longest = std::max(m_longest, m_since.restart()); });
}

void GapMeter::start()
{
    m_longest = 0;
    m_since.start();
    m_ticker.start();
}

qint64 GapMeter::stop()
{
    m_ticker.stop();
    return std::max(m_longest, m_since.elapsed());
}

Desktop::Desktop(const QByteArray &settingsFile, bool recurse)
{
    CAppSettings::useStoreFile(QFile::decodeName(settingsFile));
    CAppSettings settings;
    settings.SetDisplayHiddenFiles(1);
    settings.SetDisplayReadOnlyFiles(1);
    settings.SetViewFilesInSubFolders(recurse ? 1 : 0);
    ::Prompts::install(&prompts);
    app = std::make_unique<CQuirewellApp>();
    app->InitInstance({});
    QApplication::processEvents();
}

Desktop::~Desktop()
{
    app.reset();
    ::Prompts::install(nullptr);
}

CQuirewellView *Desktop::view() const
{
    return app->mainFrame()->activeView();
}

double Desktop::load(const QByteArray &folder)
{
    CQuirewellView *v = view();
    QSignalSpy finished(v, &CQuirewellView::loadFinished);
    const double start = nowMs();
    v->controller().requestLoad(QFile::decodeName(folder), ListController::AfterLoad::Caption);
    while (v->isLoading())
        finished.wait(60000);
    return nowMs() - start;
}

} // namespace bench
