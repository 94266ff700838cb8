#include "Screenshot.h"

#include "TextFit.h"

#include "desktop/shell/ChildFrame.h"
#include "desktop/shell/MainFrame.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/view/QuirewellView.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

#include <cstdio>

namespace {

// Time for windows shown by a scene to be mapped and painted by the X server.
constexpr int kSettleMs = 700;

// A rectangle of a widget in the pixels of the main window's picture.
QRect inPicture(const QWidget *widget, const QRect &rect, const CMainFrame &frame, qreal scale)
{
    const QRect logical(widget->mapTo(&frame, rect.topLeft()), rect.size());
    return QRect(qRound(logical.x() * scale), qRound(logical.y() * scale),
                 qRound(logical.width() * scale), qRound(logical.height() * scale));
}

QString line(const char *kind, const QRect &r)
{
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(QLatin1String(kind))
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

// The texts on plain backgrounds (labels, check box texts, the first row's cells) and the
// check boxes of the main window.
bool writeRegions(const CMainFrame &frame, CQuirewellView *view, const QString &file, qreal scale)
{
    QStringList lines;
    for (const QLabel *label : frame.findChildren<QLabel *>()) {
        if (label->isVisible() && !label->text().isEmpty() && label->pixmap().isNull() &&
            label->objectName() != QLatin1String("keytip"))
            lines << line("text", inPicture(label, label->contentsRect(), frame, scale));
    }
    for (const QCheckBox *box : frame.findChildren<QCheckBox *>()) {
        if (!box->isVisible())
            continue;
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect indicator =
            box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        const QRect text = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        lines << line("check", inPicture(box, indicator, frame, scale)) +
                     (box->isChecked() ? QStringLiteral(" checked") : QStringLiteral(" unchecked"));
        lines << line("text", inPicture(box, text, frame, scale));
    }
    if (view && view->model()->rowCount() > 1) {
        for (int column = 1; column < view->model()->columnCount(); ++column) {
            // The second row: the first is current and carries a focus frame.
            const QRect cell = view->visualRect(view->model()->index(1, column));
            if (view->viewport()->rect().contains(cell))
                lines << line(
                    "text", inPicture(view->viewport(), cell.adjusted(2, 2, -2, -2), frame, scale));
        }
    }
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    out.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return true;
}

// The texts of the main window and of each dialog shown, window by window, with the room
// each has and needs, for scripts/check-fit.py.
bool writeFits(CMainFrame &frame, const QString &file, qreal scale)
{
    QString text =
        QStringLiteral("window main\n") + TextFit::describe(TextFit::boxesOf(&frame), scale);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog *>(window) && window->isVisible())
            text += QStringLiteral("window %1\n")
                        .arg(window->objectName().isEmpty()
                                 ? QString::fromLatin1(window->metaObject()->className())
                                 : window->objectName()) +
                    TextFit::describe(TextFit::boxesOf(window), scale);
    }
    QFile out(file);
    return out.open(QIODevice::WriteOnly | QIODevice::Text) && out.write(text.toUtf8()) >= 0;
}

void save(CMainFrame &frame, const QString &file, bool wholeScreen, const QString &regions = {},
          const QString &fits = {})
{
    // Pop-up menus and dialogs are windows of their own: the screen shows them all.
    const QPixmap picture = wholeScreen ? frame.screen()->grabWindow(0) : frame.grab();
    bool written = picture.save(file, "PNG");
    if (written && !regions.isEmpty())
        written = writeRegions(frame, frame.activeView(), regions, picture.devicePixelRatio());
    if (written && !fits.isEmpty())
        written = writeFits(frame, fits, picture.devicePixelRatio());
    if (!written)
        std::fprintf(stderr, "quirewell: could not write %s\n", qPrintable(file));
    // Leaves every event loop, a dialog's modal one included.
    QCoreApplication::exit(written ? 0 : 1);
}

void saveLater(CMainFrame &frame, const QString &file, int delayMs, bool wholeScreen,
               const QString &fits)
{
    CMainFrame *target = &frame;
    QTimer::singleShot(delayMs, target, [target, file, wholeScreen, fits] {
        save(*target, file, wholeScreen, {}, fits);
    });
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

void runScene(CMainFrame &frame, CQuirewellView *view, const ScreenshotOptions &options)
{
    const QString &file = options.file;
    const QString &scene = options.scene;
    if (scene.isEmpty()) {
        CMainFrame *target = &frame;
        QTimer::singleShot(0, target, [target, options] {
            save(*target, options.file, false, options.regions, options.fits);
        });
    } else if (scene == QLatin1String("context-menu")) {
        selectRow(view, 1);
        const QRect row = view->visualRect(view->model()->index(1, 1));
        view->contextMenu()->popup(view->viewport()->mapToGlobal(row.center()));
        saveLater(frame, file, kSettleMs, true, options.fits);
    } else if (scene == QLatin1String("single-rename")) {
        selectRow(view, 1);
        // The dialog's modal loop runs the timer.
        saveLater(frame, file, kSettleMs, true, options.fits);
        frame.dispatch(Cmd::RenameSelectedFile);
    } else if (scene == QLatin1String("about")) {
        saveLater(frame, file, kSettleMs, true, options.fits);
        frame.dispatch(Cmd::AppAbout);
    } else if (scene == QLatin1String("parameters")) {
        setUpParameters(frame, view);
        saveLater(frame, file, kSettleMs, true, options.fits);
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
        } else if (argument == QLatin1String("--regions") && hasValue) {
            options.regions = arguments[++i];
        } else if (argument == QLatin1String("--fits") && hasValue) {
            options.fits = arguments[++i];
        } else if (argument == QLatin1String("--width") && hasValue) {
            bool ok = false;
            options.width = arguments[++i].toInt(&ok);
            if (!ok || options.width <= 0)
                options.error = QStringLiteral("--width needs a number of pixels");
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
        "                             [--scene context-menu|single-rename|about|parameters]\n"
        "                             [--width PIXELS] [--regions FILE] [--fits FILE]\n");
}

namespace Screenshot {

bool isKnownScene(const QString &scene)
{
    static const QStringList scenes{QString(), QStringLiteral("context-menu"),
                                    QStringLiteral("single-rename"), QStringLiteral("about"),
                                    QStringLiteral("parameters")};
    return scenes.contains(scene);
}

void takeWhenListed(CMainFrame &frame, CChildFrame *child, const ScreenshotOptions &options)
{
    CMainFrame *target = &frame;
    if (options.width > 0) {
        frame.showNormal();
        frame.resize(options.width, frame.height());
    }
    if (!child || (child->view()->folder().isEmpty() && !child->view()->isLoading())) {
        QTimer::singleShot(0, target, [target, options] {
            save(*target, options.file, false, options.regions, options.fits);
        });
        return;
    }
    CQuirewellView *view = child->view();
    QObject::connect(
        view, &CQuirewellView::loadFinished, target,
        [target, view, options] {
            // Let the new rows and texts be laid out before the scene is set up.
            QTimer::singleShot(0, target,
                               [target, view, options] { runScene(*target, view, options); });
        },
        Qt::SingleShotConnection);
}

} // namespace Screenshot
