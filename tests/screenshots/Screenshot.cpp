#include "Screenshot.h"

#include "listing/view/QuirewellView.h"
#include "shell/ChildFrame.h"
#include "shell/MainFrame.h"
#include "ui/CommandIds.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

// Time for windows shown by a scene to be mapped and painted by the X server.
constexpr int kSettleMs = 700;

void save(CMainFrame &frame, const QString &file, bool wholeScreen)
{
    // Pop-up menus and dialogs are windows of their own: the screen shows them all.
    const QPixmap picture = wholeScreen ? frame.screen()->grabWindow(0) : frame.grab();
    const bool written = picture.save(file, "PNG");
    if (!written)
        std::fprintf(stderr, "quirewell: could not write %s\n", qPrintable(file));
    // Leaves every event loop, a dialog's modal one included.
    QCoreApplication::exit(written ? 0 : 1);
}

void saveLater(CMainFrame &frame, const QString &file, int delayMs, bool wholeScreen)
{
    CMainFrame *target = &frame;
    QTimer::singleShot(delayMs, target,
                       [target, file, wholeScreen] { save(*target, file, wholeScreen); });
}

void selectRow(CQuirewellView *view, int row)
{
    if (row < view->fileModel().rowCount()) {
        view->selectRow(row);
        view->setFocus();
    }
}

void setUpParameters(CMainFrame &frame, CQuirewellView *view)
{
    frame.dispatch(Cmd::RenameParameters);
    QWidget *dialog = view->renameParametersDialog();
    if (!dialog)
        return;
    dialog->move(frame.frameGeometry().right() + 8, frame.geometry().top());
    if (auto *find = dialog->findChild<QLineEdit *>(QStringLiteral("FindText")))
        find->setText(QStringLiteral("IMG_"));
    if (auto *replace = dialog->findChild<QLineEdit *>(QStringLiteral("ReplaceText")))
        replace->setText(QStringLiteral("Holiday "));
    // As a user's clicks: each stores its box and asks for the new names again.
    for (const char *name : {"CheckFindAndReplace", "CheckNumberAtStart"}) {
        auto *box = dialog->findChild<QCheckBox *>(QLatin1String(name));
        if (box && !box->isChecked())
            box->click();
    }
}

void runScene(CMainFrame &frame, CQuirewellView *view, const QString &file, const QString &scene)
{
    if (scene.isEmpty()) {
        saveLater(frame, file, 0, false);
    } else if (scene == QLatin1String("context-menu")) {
        selectRow(view, 1);
        const QRect row = view->visualRect(view->model()->index(1, 1));
        view->contextMenu()->popup(view->viewport()->mapToGlobal(row.center()));
        saveLater(frame, file, kSettleMs, true);
    } else if (scene == QLatin1String("single-rename")) {
        selectRow(view, 1);
        // The dialog's modal loop runs the timer.
        saveLater(frame, file, kSettleMs, true);
        frame.dispatch(Cmd::RenameSelectedFile);
    } else if (scene == QLatin1String("about")) {
        saveLater(frame, file, kSettleMs, true);
        frame.dispatch(Cmd::AppAbout);
    } else if (scene == QLatin1String("parameters")) {
        setUpParameters(frame, view);
        saveLater(frame, file, kSettleMs, true);
    }
}

} // namespace

ScreenshotOptions ScreenshotOptions::parse(const QStringList &arguments)
{
    ScreenshotOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--screenshot") && hasValue) {
            options.file = arguments[++i];
        } else if (argument == QLatin1String("--scene") && hasValue) {
            options.scene = arguments[++i];
        } else if (argument == QLatin1String("--folder") && hasValue) {
            options.folder = arguments[++i];
        } else if (argument == QLatin1String("--look") && hasValue) {
            bool ok = false;
            options.look = arguments[++i].toInt(&ok);
            if (!ok)
                options.error = QStringLiteral("--look needs a number");
        } else {
            options.error = QStringLiteral("unexpected argument: ") + argument;
        }
    }
    if (options.error.isEmpty() && options.file.isEmpty())
        options.error = QStringLiteral("--screenshot FILE is missing");
    else if (options.error.isEmpty() && !Screenshot::isKnownScene(options.scene))
        options.error = QStringLiteral("unknown scene: ") + options.scene;
    return options;
}

QString ScreenshotOptions::usage()
{
    return QStringLiteral(
        "Usage: quirewell-screenshots --screenshot FILE.png [--look N] [--folder FOLDER]\n"
        "                             [--scene context-menu|single-rename|about|parameters]\n");
}

namespace Screenshot {

bool isKnownScene(const QString &scene)
{
    static const QStringList scenes{QString(), QStringLiteral("context-menu"),
                                    QStringLiteral("single-rename"), QStringLiteral("about"),
                                    QStringLiteral("parameters")};
    return scenes.contains(scene);
}

void takeWhenListed(CMainFrame &frame, CChildFrame *child, const QString &file,
                    const QString &scene)
{
    CMainFrame *target = &frame;
    if (!child || (child->view()->folder().isEmpty() && !child->view()->isLoading())) {
        QTimer::singleShot(0, target, [target, file] { save(*target, file, false); });
        return;
    }
    CQuirewellView *view = child->view();
    QObject::connect(
        view, &CQuirewellView::loadFinished, target,
        [target, view, file, scene] {
            // Let the new rows and texts be laid out before the scene is set up.
            QTimer::singleShot(
                0, target, [target, view, file, scene] { runScene(*target, view, file, scene); });
        },
        Qt::SingleShotConnection);
}

} // namespace Screenshot
