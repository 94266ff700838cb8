#include "shell/Screenshot.h"

#include "listing/view/QuirewellView.h"
#include "shell/ChildFrame.h"
#include "shell/MainFrame.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace {

void save(CMainFrame &frame, const QString &file)
{
    const bool written = frame.grab().save(file, "PNG");
    if (!written)
        std::fprintf(stderr, "quirewell: could not write %s\n", qPrintable(file));
    QCoreApplication::exit(written ? 0 : 1);
}

} // namespace

namespace Screenshot {

void takeWhenListed(CMainFrame &frame, CChildFrame *child, const QString &file)
{
    CMainFrame *target = &frame;
    if (!child || (child->view()->folder().isEmpty() && !child->view()->isLoading())) {
        QTimer::singleShot(0, target, [target, file] { save(*target, file); });
        return;
    }
    QObject::connect(child->view(), &CQuirewellView::loadFinished, target, [target, file] {
        // Let the new rows and texts be laid out before the picture is taken.
        QTimer::singleShot(0, target, [target, file] { save(*target, file); });
    });
}

} // namespace Screenshot
