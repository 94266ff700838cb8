#include "ShellFixture.h"

#include "core/engine/settings/AppSettings.h"
#include "core/listing/ListingTexts.h"
#include "desktop/dialogs/WindowPlacement.h"
#include "desktop/shell/CaptionBar.h"
#include "desktop/shell/Looks.h"
#include "desktop/shell/QuirewellDoc.h"
#include "desktop/shell/StatusPanes.h"
#include "desktop/shell/WindowsDialog.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/view/ConflictDelegate.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QMdiArea>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>

class MainFrameTest : public QObject
{
    Q_OBJECT
private:
    static bool checked(CMainFrame *frame, int id)
    {
        const std::optional<CommandUiState> state = frame->routedState(id);
        return state && state->checked;
    }

    // The WCAG contrast ratio of two colours.
    static double contrast(const QColor &a, const QColor &b)
    {
        const auto luminance = [](const QColor &c) {
            const auto channel = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
                   0.0722 * channel(c.blueF());
        };
        const double la = luminance(a);
        const double lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    }

private slots:
    void everyLookIsReadableAndItsOwn()
    {
        using R = QPalette::ColorRole;
        const struct
        {
            R text;
            R background;
        } pairs[] = {{R::WindowText, R::Window},
                     {R::ButtonText, R::Button},
                     {R::Text, R::Base},
                     {R::Text, R::AlternateBase},
                     {R::HighlightedText, R::Highlight},
                     {R::ToolTipText, R::ToolTipBase},
                     {R::Link, R::Window},
                     {R::Link, R::Base},
                     {R::PlaceholderText, R::Base}};
        QList<std::pair<QColor, QColor>> seen;
        for (int id = Cmd::LookFirst; id <= Cmd::LookLast; ++id) {
            const QPalette palette = Looks::palette(id);
            for (const auto &pair : pairs) {
                const double ratio =
                    contrast(palette.color(pair.text), palette.color(pair.background));
                QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("look %1, roles %2 on %3: %4")
                                                      .arg(id)
                                                      .arg(int(pair.text))
                                                      .arg(int(pair.background))
                                                      .arg(ratio)));
            }
            QVERIFY(contrast(Qt::white, Looks::captionColour(id)) >= 4.5);
            // The marked new names read on both row colours, in a colour of their own.
            const QColor warning = ConflictDelegate::warningColour(palette);
            QVERIFY2(contrast(warning, palette.color(R::Base)) >= 4.5 &&
                         contrast(warning, palette.color(R::AlternateBase)) >= 4.5,
                     qPrintable(QString::number(id)));
            QVERIFY2(warning != palette.color(R::Text), qPrintable(QString::number(id)));
            // Each look differs from every other in its window or its caption colour by
            // more than a shade.
            const auto distance = [](const QColor &a, const QColor &b) {
                return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                       std::abs(a.blue() - b.blue());
            };
            const QColor window = palette.color(R::Window);
            const QColor caption = Looks::captionColour(id);
            for (const auto &[otherWindow, otherCaption] : std::as_const(seen))
                QVERIFY2(distance(window, otherWindow) + distance(caption, otherCaption) > 60,
                         qPrintable(QString::number(id)));
            seen.append({window, caption});
        }
    }

    void statusPanesAndCaptionBarAtStart()
    {
        ShellFixture f;
        QVERIFY(f.start());
        StatusPane *left = f.frame()->fileStatsPane();
        StatusPane *right = f.frame()->folderInfoPane();
        QCOMPARE(left->id(), 120);
        QCOMPARE(left->text(), QStringLiteral("File(s) Statistics"));
        QCOMPARE(right->id(), 121);
        QCOMPARE(right->text(), QStringLiteral("Folder(s) Information"));
        const QFontMetrics metrics = left->fontMetrics();
        QVERIFY(left->sizeHint().width() >=
                metrics.horizontalAdvance(QString(93, QLatin1Char('X'))));
        QVERIFY(right->sizeHint().width() >=
                metrics.horizontalAdvance(QString(36, QLatin1Char('X'))));
        QVERIFY(right->sizeHint().width() < left->sizeHint().width() / 2);

        CaptionBar *caption = f.frame()->captionBar();
        QVERIFY(caption->isVisible());
        QCOMPARE(caption->button()->text(), QStringLiteral("Open Folder"));
        QCOMPARE(caption->button()->toolTip(),
                 QStringLiteral("View Folder Contents in Windows Explorer"));
        QVERIFY(
            caption->image()->toolTip().contains(QLatin1String("Information About Files Listed")));
        QCOMPARE(caption->image()->pixmap().size(), QSize(20, 20));
    }

    void closingADocumentWindowHidesTheCaptionBarAndStoresTheWidths()
    {
        ShellFixture f;
        QVERIFY(f.start());
        QTRY_COMPARE(f.prompts.folderStarts.size(), 1);
        QHeaderView *header = f.view()->horizontalHeader();
        const QList<int> widths{40, 120, 410, 90, 60, 333};
        for (int column = 0; column < 6; ++column)
            header->resizeSection(column, widths[column]);

        QVERIFY(checked(f.frame(), Cmd::ViewCaptionBar));
        QPointer<CChildFrame> child = f.frame()->activeChildFrame();
        child->close();
        QTRY_VERIFY(child.isNull());
        QVERIFY(!f.frame()->captionBar()->isVisibleTo(f.frame()));
        QVERIFY(!checked(f.frame(), Cmd::ViewCaptionBar));
        for (int column = 0; column < 6; ++column)
            QCOMPARE(CAppSettings::GetProfileInt(QStringLiteral("Column%1").arg(column), 0),
                     widths[column]);

        // A new window leaves it hidden; Cmd::ViewCaptionBar shows it again.
        QVERIFY(f.run(QStringLiteral("FileNew")));
        QVERIFY(!f.frame()->captionBar()->isVisibleTo(f.frame()));
        QVERIFY(f.run(QStringLiteral("ViewCaptionBar")));
        QVERIFY(f.frame()->captionBar()->isVisibleTo(f.frame()));
        QVERIFY(checked(f.frame(), Cmd::ViewCaptionBar));
    }

    void aRestartRestoresWidthsAndLook()
    {
        ShellFixture f;
        QVERIFY(f.start());
        QVERIFY(f.run(QStringLiteral("LookWindowsXP")));
        f.view()->horizontalHeader()->resizeSection(0, 33);
        f.view()->horizontalHeader()->resizeSection(5, 444);
        f.stop();

        QVERIFY(f.start());
        QCOMPARE(f.frame()->appLook(), int(Cmd::LookWindowsXP));
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 Looks::palette(Cmd::LookWindowsXP).color(QPalette::Window));
        QCOMPARE(f.view()->horizontalHeader()->sectionSize(0), 33);
        QCOMPARE(f.view()->horizontalHeader()->sectionSize(1), 350);
        QCOMPARE(f.view()->horizontalHeader()->sectionSize(5), 444);
    }

    void eachLookIsAppliedStoredAndRadioMarked()
    {
        ShellFixture f;
        QVERIFY(f.start());
        QCoreApplication::processEvents();
        QVERIFY(f.command(QStringLiteral("LookBlack"))->isChecked());
        QList<QColor> windows;
        for (int id = Cmd::LookFirst; id <= Cmd::LookLast; ++id) {
            QVERIFY(f.frame()->dispatch(id));
            QCOMPARE(CAppSettings::applicationLook(), id);
            QCOMPARE(QApplication::palette().color(QPalette::Window),
                     Looks::palette(id).color(QPalette::Window));
            auto *style = qobject_cast<QProxyStyle *>(QApplication::style());
            QVERIFY(style);
            QCOMPARE(style->baseStyle()->name().toLower(), QStringLiteral("fusion"));
            QTRY_VERIFY(f.frame()->commandActions().action(id)->isChecked());
            for (int other = Cmd::LookFirst; other <= Cmd::LookLast; ++other) {
                QCOMPARE(checked(f.frame(), other), other == id);
                QCOMPARE(f.frame()->commandActions().action(other)->isChecked(), other == id);
            }
            QVERIFY(!windows.contains(QApplication::palette().color(QPalette::Window)));
            windows.append(QApplication::palette().color(QPalette::Window));
        }
    }

    void aStoredNumberOutsideTheLooksKeepsTheOffice2007Style()
    {
        ShellFixture f;
        QVERIFY(f.start());
        QVERIFY(f.run(QStringLiteral("LookSilver")));
        f.stop();
        CAppSettings::setApplicationLook(300);

        QVERIFY(f.start());
        QCoreApplication::processEvents();
        QCOMPARE(f.frame()->appLook(), 300);
        QCOMPARE(CAppSettings::applicationLook(), 300);
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 Looks::palette(Cmd::LookSilver).color(QPalette::Window));
        for (int id = Cmd::LookFirst; id <= Cmd::LookLast; ++id) {
            QVERIFY(!checked(f.frame(), id));
            QVERIFY(!f.frame()->commandActions().action(id)->isChecked());
        }
    }

    void postedCommandsRunAfterTheCurrentOne()
    {
        ShellFixture f;
        QVERIFY(f.start());
        QTRY_COMPARE(f.prompts.folderStarts.size(), 1);
        f.frame()->post(Cmd::WindowManager);
        QVERIFY(f.prompts.modalDialogs.isEmpty());
        QTRY_COMPARE(f.prompts.modalDialogs, QStringList{QStringLiteral("windowsDialog")});

        // The caption bar button posts Cmd::SourceFolderInExplorer for the view; with no window
        // open nothing runs.
        f.frame()->activeChildFrame()->close();
        QTRY_COMPARE(f.frame()->childFrames().size(), 0);
        QVERIFY(f.run(QStringLiteral("CaptionOpenFolder")));
        QCoreApplication::processEvents();
        QCOMPARE(f.prompts.folderStarts.size(), 1);
        QVERIFY(f.opener.urls.isEmpty());
    }

    void commandsNobodyHandlesAreDisabled()
    {
        ShellFixture f;
        QVERIFY(f.start());
        for (int id : {int(Cmd::FilePrint), int(Cmd::FilePrintPreview), int(Cmd::EditCopy),
                       int(Cmd::EditPaste), int(Cmd::ViewLargeIcons), 12345}) {
            QVERIFY(!f.frame()->routedState(id));
            QVERIFY(!f.frame()->dispatch(id));
        }
        // View commands exist only while a document window is open.
        QVERIFY(f.frame()->routedState(Cmd::Reload)->enabled);
        f.frame()->activeChildFrame()->close();
        QTRY_COMPARE(f.frame()->childFrames().size(), 0);
        QVERIFY(!f.frame()->routedState(Cmd::Reload));
        QVERIFY(!f.run(QStringLiteral("Reload")));
        QVERIFY(f.frame()->routedState(Cmd::FileNew)->enabled);
        QVERIFY(f.frame()->routedState(Cmd::Donate)->enabled);
    }

    void theWindowsDialogListsTheDocumentWindows()
    {
        ShellFixture f;
        QVERIFY(f.start());
        QVERIFY(f.run(QStringLiteral("FileNew")));
        QStringList listed;
        f.prompts.onModal = [&listed](QDialog *dialog) {
            auto *windows = qobject_cast<WindowsDialog *>(dialog);
            for (int i = 0; windows && i < windows->list()->count(); ++i)
                listed << windows->list()->item(i)->text();
            if (windows) {
                windows->list()->setCurrentRow(0);
                windows->activateSelected();
            }
            return int(QDialog::Accepted);
        };
        QVERIFY(f.run(QStringLiteral("WindowManager")));
        const QList<CChildFrame *> children = f.frame()->childFrames();
        QCOMPARE(listed, (QStringList{children[0]->windowTitle(), children[1]->windowTitle()}));
        QCOMPARE(f.frame()->activeChildFrame(), children[0]);

        // Two windows on one document are numbered, in the list and in the main caption;
        // when one closes, the other carries the title alone again.
        const QString first = children[0]->document()->title();
        QVERIFY(f.run(QStringLiteral("WindowNew")));
        listed.clear();
        QVERIFY(f.run(QStringLiteral("WindowManager")));
        QCOMPARE(listed, (QStringList{first + QStringLiteral(":1"), children[1]->windowTitle(),
                                      first + QStringLiteral(":2")}));
        QCOMPARE(f.frame()->windowTitle(),
                 QStringLiteral("Quirewell by orvalt.example - %1:1").arg(first));
        f.frame()->childFrames().last()->close();
        QTRY_COMPARE(f.frame()->childFrames().size(), 2);
        QCOMPARE(children[0]->windowTitle(), first);
    }

    // With two windows on two folders, the caption bar and both panes show the current
    // window's folder and counts, also after a load in the other one.
    void theBarsFollowTheCurrentWindow()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("one/a.txt")));
        QVERIFY(f.tree.createFile(QStringLiteral("two/b.txt")));
        QVERIFY(f.tree.createFile(QStringLiteral("two/c.txt")));
        const QString one = f.tree.path(QStringLiteral("one"));
        const QString two = f.tree.path(QStringLiteral("two"));
        QVERIFY(f.start({one, two}));
        const QList<CChildFrame *> children = f.frame()->childFrames();
        QCOMPARE(children.size(), 2);
        QVERIFY(waitListed(children[0]->view()));
        QVERIFY(waitListed(children[1]->view()));
        QCoreApplication::processEvents();

        struct Bars
        {
            QString caption, stats, folders;
            bool operator==(const Bars &) const = default;
        };
        const auto shown = [&f] {
            return Bars{f.frame()->captionBar()->text(), f.frame()->fileStatsPane()->text(),
                        f.frame()->folderInfoPane()->text()};
        };
        f.frame()->mdiArea()->setActiveSubWindow(children[1]);
        const Bars ofTwo = shown();
        QCOMPARE(ofTwo.caption, ListingTexts::folderCaption(two));
        QVERIFY2(
            ofTwo.stats.startsWith(QStringLiteral("2 File(s) Listed from Folder [%1]").arg(two)),
            qPrintable(ofTwo.stats));

        f.frame()->mdiArea()->setActiveSubWindow(children[0]);
        const Bars ofOne = shown();
        QCOMPARE(ofOne.caption, ListingTexts::folderCaption(one));
        QVERIFY2(
            ofOne.stats.startsWith(QStringLiteral("1 File(s) Listed from Folder [%1]").arg(one)),
            qPrintable(ofOne.stats));

        // A load in the other window leaves the bars to this one; they show it again later.
        QVERIFY(f.tree.createFile(QStringLiteral("two/e.txt")));
        children[1]->view()->LoadFileList();
        QVERIFY(waitListed(children[1]->view()));
        QCoreApplication::processEvents();
        QCOMPARE(shown(), ofOne);
        f.frame()->mdiArea()->setActiveSubWindow(children[1]);
        QVERIFY2(f.frame()->fileStatsPane()->text().startsWith(
                     QStringLiteral("3 File(s) Listed from Folder [%1]").arg(two)),
                 qPrintable(f.frame()->fileStatsPane()->text()));
        QCOMPARE(f.frame()->captionBar()->text(), ListingTexts::folderCaption(two));
    }

    void closingTheLastDocumentWindowKeepsThePaneTexts()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("a.txt")));
        QVERIFY(f.start({f.tree.root()}));
        QVERIFY(waitListed(f.view()));
        const QString stats = f.frame()->fileStatsPane()->text();
        const QString folders = f.frame()->folderInfoPane()->text();
        QVERIFY(stats != QStringLiteral("File(s) Statistics"));
        QVERIFY(f.run(QStringLiteral("FileClose")));
        QTRY_COMPARE(f.frame()->childFrames().size(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(f.frame()->fileStatsPane()->text(), stats);
        QCOMPARE(f.frame()->folderInfoPane()->text(), folders);
    }

    void theMainWindowReopensWhereItWasClosed()
    {
        ShellFixture f;
        QVERIFY(f.start());
        const QRect normal(60, 70, 700, 500); // on the 800 by 600 test screen
        f.frame()->setGeometry(normal);
        f.frame()->close();
        QVERIFY(f.start());
        QCOMPARE(f.frame()->geometry(), normal);
        QVERIFY(!f.frame()->isMaximized());

        f.frame()->showMaximized();
        QTRY_VERIFY(f.frame()->isMaximized());
        f.frame()->close();
        QVERIFY(f.start());
        QVERIFY(f.frame()->isMaximized());
        f.frame()->showNormal();
        QTRY_COMPARE(f.frame()->geometry(), normal);

        // A placement on no screen (a monitor since removed) is ignored.
        WindowPlacement away;
        away.normalRect = QRect(-30000, -30000, 700, 500);
        CAppSettings::setMainFramePlacement(away.toRecord());
        QVERIFY(f.start());
        QCOMPARE(f.frame()->size(), QSize(1280, 800));

        // One stored at twice the scale comes back no larger than the screen, and on it.
        const QRect available = f.frame()->screen()->availableGeometry();
        WindowPlacement doubled;
        doubled.normalRect = QRect(available.topLeft() + QPoint(30, 20), available.size() * 2);
        CAppSettings::setMainFramePlacement(doubled.toRecord());
        QVERIFY(f.start());
        QCOMPARE(f.frame()->size(), available.size());
        // The platform may push the window by its frame's width off the screen's edge.
        QVERIFY((f.frame()->pos() - available.topLeft()).manhattanLength() <= 8);
    }

    void helpAndDonateOpenTheMakersPages()
    {
        ShellFixture f;
        QVERIFY(f.start());
        f.frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.frame()));
        QTest::keyClick(f.frame(), Qt::Key_F1);
        QCOMPARE(f.opener.urls, QList<QUrl>{QUrl(QStringLiteral("http://www.orvalt.example/"))});
        // Donate works without a document window.
        f.frame()->activeChildFrame()->close();
        QTRY_COMPARE(f.frame()->childFrames().size(), 0);
        QVERIFY(f.run(QStringLiteral("Donate")));
        QCOMPARE(f.opener.urls.size(), 2);
        QCOMPARE(f.opener.urls.last(), QUrl(QStringLiteral("https://donate.orvalt.example/")));
        QVERIFY(f.run(QStringLiteral("AppAbout")));
        QCOMPARE(f.prompts.modalDialogs.size(), 1);
    }

    void theRibbonRunsCommandsThroughTheFrame()
    {
        ShellFixture f;
        QVERIFY(f.start());
        QVERIFY(f.frame()->ribbon());
        QTRY_COMPARE(f.prompts.folderStarts.size(), 1);
        // The ribbon's Home > Edit "Folder Location" reaches the active view.
        f.frame()->refreshCommandStates();
        auto *button = f.frame()->ribbon()->findChild<QAbstractButton *>(
            QStringLiteral("cmd-%1").arg(Cmd::FolderLocation));
        QVERIFY(button && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(f.prompts.folderStarts.size(), 2);
    }

    void statusBarCommandShowsAndHidesIt()
    {
        ShellFixture f;
        QVERIFY(f.start());
        QVERIFY(checked(f.frame(), Cmd::ViewStatusBar));
        QVERIFY(f.run(QStringLiteral("ViewStatusBar")));
        QVERIFY(!f.frame()->statusBar()->isVisibleTo(f.frame()));
        QVERIFY(!checked(f.frame(), Cmd::ViewStatusBar));
    }
};

QTEST_MAIN(MainFrameTest)
#include "tst_MainFrame.moc"
