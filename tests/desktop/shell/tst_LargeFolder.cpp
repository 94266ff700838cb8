#include "CommandDriving.h"
#include "ShellFixture.h"

#include "core/engine/settings/AppSettings.h"
#include "desktop/shell/StatusPanes.h"
#include "desktop/ui/CommandIds.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include <utility>

#include <fcntl.h>
#include <unistd.h>

// A folder of 100,000 files is listed on a worker: the window keeps handling events while
// the load runs and shows its progress in the status bar.
class LargeFolderTest : public QObject
{
    Q_OBJECT
private slots:
    void aHugeFolderLoadsWithoutFreezingTheWindow()
    {
        ShellFixture f;
        const QByteArray folder = QFile::encodeName(f.tree.path(QStringLiteral("big")));
        QVERIFY(f.tree.createFolder(QStringLiteral("big")));
        constexpr int kFiles = 100000;
        for (int i = 0; i < kFiles; ++i) {
            const QByteArray path = folder + "/file" + QByteArray::number(i) + ".txt";
            const int fd = ::open(path.constData(), O_CREAT | O_WRONLY, 0644);
            QVERIFY(fd >= 0);
            ::close(fd);
        }
        QVERIFY(f.start());
        QTRY_COMPARE(f.prompts.folderStarts.size(), 1);
        CQuirewellView *view = f.view();
        ListController &controller = view->controller();

        // The load's worker is held at its first progress report until the window's thread
        // has handled an event of its own: the window turns its event loop while the load runs.
        bool handledWhileLoading = false;
        bool held = false; // touched by the worker only
        controller.setLoadCheckpoint([&](int rowsSoFar) {
            if (held || rowsSoFar == 0 || rowsSoFar == kFiles)
                return;
            held = true;
            QMetaObject::invokeMethod(
                view, [&] { handledWhileLoading = view->isLoading(); },
                Qt::BlockingQueuedConnection);
        });

        f.view()->LoadFileList(); // nothing: no folder yet
        f.prompts.folderAnswers << f.tree.path(QStringLiteral("big"));
        QVERIFY(f.run(QStringLiteral("FolderLocation")));
        QVERIFY(f.view()->isLoading());
        QVERIFY(f.frame()->statusBar()->currentMessage().startsWith(
            QStringLiteral("Listing Files from [%1]").arg(f.tree.path(QStringLiteral("big")))));
        // A recompute asked for meanwhile waits for the rows.
        CAppSettings().setValue(CAppSettings::Key::CheckUpperCase, 1);
        QVERIFY(f.run(QStringLiteral("DisplayNewNames")));
        QCOMPARE(f.view()->fileModel().rowCount(), 0);

        // Count event-loop turns and the longest gap between them while the load runs, for
        // the log: how many there are depends on the machine.
        int turns = 0;
        qint64 longestGap = 0;
        QElapsedTimer load;
        QElapsedTimer sinceLastTurn;
        load.start();
        sinceLastTurn.start();
        QTimer ticker;
        ticker.setInterval(0);
        connect(&ticker, &QTimer::timeout, this, [&] {
            if (!f.view()->isLoading())
                return;
            ++turns;
            longestGap = qMax(longestGap, sinceLastTurn.restart());
        });
        ticker.start();
        QVERIFY(waitListed(f.view(), 120000));
        const qint64 loadMs = load.elapsed();
        ticker.stop();
        controller.setLoadCheckpoint({});

        QVERIFY(handledWhileLoading);
        QCOMPARE(f.view()->fileModel().rowCount(), kFiles);
        QCOMPARE(f.view()->fileModel().text(kFiles - 1, 0), QString::number(kFiles));
        // The rows beyond the screen get their new names in later turns of the event loop.
        QTRY_COMPARE_WITH_TIMEOUT(f.view()->fileModel().text(kFiles - 1, 2),
                                  f.view()->fileModel().text(kFiles - 1, 1).toUpper(), 30000);
        QCOMPARE(f.frame()->fileStatsPane()->text(),
                 QStringLiteral("%1 File(s) Listed from Folder [%2]")
                     .arg(kFiles)
                     .arg(f.tree.path(QStringLiteral("big"))));
        QVERIFY(f.frame()->statusBar()->currentMessage().isEmpty());
        qInfo("load of %d files: %lld ms, %d event-loop turns, longest gap %lld ms", kFiles, loadMs,
              turns, longestGap);

        // Recomputing the names of every row after the load.
        QElapsedTimer compute;
        compute.start();
        QVERIFY(f.run(QStringLiteral("DisplayNewNames")));
        qInfo("new names of %d rows: %lld ms", kFiles, compute.elapsed());

        // Esc while the folder is listed again: the rows found so far stay, and the summary
        // says that the list is partial. The load's worker waits at its first progress report
        // until Esc has been handled.
        QSemaphore escHandled;
        controller.setLoadCheckpoint([&escHandled](int rowsSoFar) {
            if (rowsSoFar < kFiles)
                escHandled.tryAcquire(1, 60000);
        });
        auto *cancel = f.frame()->findChild<QToolButton *>(QStringLiteral("cancelWorkButton"));
        QVERIFY(cancel && !cancel->isVisible());
        QVERIFY(f.run(QStringLiteral("Reload")));
        controller.setLoadCheckpoint({});  // the next loads run freely
        f.frame()->refreshCommandStates(); // as the next turn of the event loop would
        QVERIFY(cancel->isVisible());
        QTest::keyClick(f.view(), Qt::Key_Escape);
        escHandled.release(kFiles); // every report the worker still makes
        QVERIFY(waitListed(f.view(), 120000));
        QVERIFY(f.view()->fileModel().rowCount() < kFiles);
        QVERIFY2(f.frame()->fileStatsPane()->text().endsWith(
                     QStringLiteral("] (Listing Cancelled: the List is Partial)")),
                 qPrintable(f.frame()->fileStatsPane()->text()));

        // The status bar's cancel control stops a batch after the rename under way; the
        // summary says how many files were left, also when a rename failed before the stop
        // (a folder holds the first file's new name).
        QVERIFY(f.run(QStringLiteral("Reload")));
        f.frame()->refreshCommandStates(); // as the next turn of the event loop would
        QVERIFY(cancel->isVisible());
        QVERIFY(waitListed(f.view(), 120000));
        QCOMPARE(f.view()->fileModel().rowCount(), kFiles);
        QTRY_VERIFY(!cancel->isVisible());
        QVERIFY(f.run(QStringLiteral("DisplayNewNames")));
        QVERIFY(f.tree.createFolder(QStringLiteral("big/FILE0.TXT")));
        f.prompts.messageAnswers << Prompts::Answer::Yes;
        QList<QStringList> failedRows;
        f.prompts.onModal = [&failedRows](QDialog *dialog) {
            failedRows = failureRows(dialog);
            return int(QDialog::Accepted);
        };
        // The batch's worker waits at its first progress report until the control has been
        // clicked on the window's thread, so the click lands while files are renamed.
        bool clickedWhileRenaming = false;
        bool clicked = false; // touched by the worker only
        controller.setBatchCheckpoint([&](int) {
            if (std::exchange(clicked, true))
                return;
            QMetaObject::invokeMethod(
                cancel,
                [&] {
                    f.frame()->refreshCommandStates(); // as the next turn of the event loop would
                    clickedWhileRenaming = view->isRenaming() && cancel->isVisible();
                    QTest::mouseClick(cancel, Qt::LeftButton);
                },
                Qt::BlockingQueuedConnection);
        });
        QVERIFY(f.run(QStringLiteral("StartRenaming")));
        controller.setBatchCheckpoint({});
        QVERIFY(clickedWhileRenaming);
        // The summary comes once the reload posted by the batch is done.
        QTRY_VERIFY_WITH_TIMEOUT(
            f.frame()->statusBar()->currentMessage().startsWith(QStringLiteral("Renaming Done")),
            120000);
        int renamed = 0;
        for (int row = 0; row < kFiles; ++row)
            renamed += f.view()->fileModel().text(row, 1).startsWith(QStringLiteral("FILE"));
        QVERIFY2(renamed > 0 && renamed < kFiles - 1, qPrintable(QString::number(renamed)));
        QCOMPARE(f.frame()->statusBar()->currentMessage(),
                 QStringLiteral("Renaming Done: %1 File(s) Renamed, 1 File(s) Could Not be "
                                "Renamed, Cancelled Before %2 File(s)")
                     .arg(renamed)
                     .arg(kFiles - 1 - renamed));
        QCOMPARE(f.prompts.modalDialogs, QStringList({QStringLiteral("CDlgRenameFailures")}));
        QCOMPARE(failedRows.size(), 1);
        QCOMPARE(failedRows[0].mid(0, 2),
                 QStringList({QStringLiteral("file0.txt"), QStringLiteral("FILE0.TXT")}));
    }
};

QTEST_MAIN(LargeFolderTest)
#include "tst_LargeFolder.moc"
