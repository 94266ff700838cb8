// What a screen reader and a keyboard user get: the accessible tree of the main window with a
// folder listed and of every dialog (names, roles, the rows' check marks), the Tab order of
// the dialogs, sorting from the keyboard and a focus that shows in every look.
#include "AccessibleTree.h"
#include "CommandDriving.h"

#include "desktop/dialogs/DlgRenameFailures.h"
#include "desktop/dialogs/DlgRenameParameters.h"
#include "desktop/dialogs/DlgSettings.h"
#include "desktop/dialogs/DlgSingleFileRename.h"
#include "desktop/dialogs/DlgUnreadFolders.h"
#include "desktop/shell/about/AboutDlg.h"
#include "desktop/shell/WindowsDialog.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/view/BatchInputGuard.h"
#include "desktop/view/NewNamesTextPane.h"

#include <QAccessibleInterface>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>

#include <algorithm>
#include <climits>
#include <functional>
#include <memory>

namespace {

using MakeDialog = std::function<std::unique_ptr<QDialog>(ShellFixture &)>;

struct DialogCase
{
    const char *name;
    MakeDialog make;
};

const QList<DialogCase> &dialogCases()
{
    static const QList<DialogCase> cases = {
        {"settings", [](ShellFixture &) { return std::make_unique<CDlgSettings>(); }},
        {"single file rename",
         [](ShellFixture &f) {
             auto dialog = std::make_unique<CDlgSingleFileRename>();
             dialog->setFile(f.tree.root() + u'/', QStringLiteral("a.txt"));
             return dialog;
         }},
        {"rename parameters",
         [](ShellFixture &) { return std::make_unique<CDlgRenameParameters>(); }},
        {"about", [](ShellFixture &) { return std::make_unique<CAboutDlg>(); }},
        {"rename failures",
         [](ShellFixture &) {
             return std::make_unique<CDlgRenameFailures>(
                 1, QList<CDlgRenameFailures::Failure>{
                        {QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("/tmp/"),
                         QStringLiteral("File exists")}});
         }},
        {"unread folders",
         [](ShellFixture &) {
             return std::make_unique<CDlgUnreadFolders>(QList<CDlgUnreadFolders::Folder>{
                 {QStringLiteral("/tmp/x/"), QStringLiteral("Permission denied")}});
         }},
        {"windows",
         [](ShellFixture &f) { return std::make_unique<WindowsDialog>(*f.frame()->mdiArea()); }},
        {"new names as text",
         [](ShellFixture &f) {
             return std::make_unique<NewNamesTextPane>(f.view()->controller(), nullptr);
         }},
    };
    return cases;
}

// The size column's values top to bottom, as numbers of bytes.
QList<qint64> sizes(const CQuirewellView *view)
{
    QList<qint64> out;
    for (const FileRow &row : view->fileModel().rows().rows)
        out.append(qint64(row.size));
    return out;
}

// The key tip shown for anchor: the badge nearest to it, after Alt and the tab's letter.
QString keyTipOver(QWidget *window, const QWidget *anchor)
{
    const QRect area(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    QString nearest;
    int best = INT_MAX;
    for (const QLabel *badge : window->findChildren<QLabel *>(QStringLiteral("keytip"))) {
        if (!badge->isVisible())
            continue;
        const QPoint centre = badge->mapToGlobal(badge->rect().center());
        const int dx = std::max({area.left() - centre.x(), 0, centre.x() - area.right()});
        const int dy = std::max({area.top() - centre.y(), 0, centre.y() - area.bottom()});
        if (dx + dy < best) {
            best = dx + dy;
            nearest = badge->text().toLower();
        }
    }
    return nearest;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    // A listed folder of three files of different sizes, the second row unchecked.
    static Ribbon *ribbonOf(ShellFixture &f) { return qobject_cast<Ribbon *>(f.frame()->ribbon()); }

    static bool listThreeFiles(ShellFixture &f)
    {
        if (!f.tree.createFile(QStringLiteral("b.txt"), QByteArray(300, 'x')) ||
            !f.tree.createFile(QStringLiteral("a.txt"), QByteArray(20, 'x')) ||
            !f.tree.createFile(QStringLiteral("c.txt"), QByteArray(100, 'x')))
            return false;
        if (!startListing(f, f.tree.root()))
            return false;
        f.view()->fileModel().setChecked(1, false);
        return true;
    }

private slots:
    void mainWindowReadsWhole()
    {
        ShellFixture f;
        QVERIFY(listThreeFiles(f));
        QVERIFY(QTest::qWaitForWindowExposed(f.frame()));
        const QStringList problems = AccessibleTree::problemsOf(f.frame());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));

        // The panels and the list are there by name, the list's first column carries the
        // rows' check marks.
        QAccessibleInterface *ribbon = QAccessible::queryAccessibleInterface(f.frame()->ribbon());
        QCOMPARE(ribbon->role(), QAccessible::ToolBar);
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(f.view());
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("File List"));
        QAccessibleTableInterface *table = list->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 3);
        for (int row = 0; row < 3; ++row) {
            QAccessibleInterface *mark = table->cellAt(row, FileListModel::Sr);
            QVERIFY(mark);
            QVERIFY(mark->state().checkable);
            QCOMPARE(bool(mark->state().checked), row != 1);
            QAccessibleInterface *name = table->cellAt(row, FileListModel::LoadedName);
            QCOMPARE(name->text(QAccessible::Name), f.view()->fileModel().text(row, 1));
        }
        QCOMPARE(table->columnDescription(FileListModel::NewName), QStringLiteral("New File Name"));

        // The application button starts the renaming on its press action and opens its menu
        // on the other, as its mouse press and its key tip do.
        QAccessibleInterface *application =
            QAccessible::queryAccessibleInterface(ribbonOf(f)->applicationButton());
        QVERIFY(!application->text(QAccessible::Name).isEmpty());
        QSignalSpy started(ribbonOf(f), &Ribbon::applicationButtonActivated);
        application->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(started.size(), 1);
        application->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        QTRY_VERIFY(ribbonOf(f)->applicationMenu()->isVisible());
        ribbonOf(f)->applicationMenu()->hide();

        // The status panes read with their labels; the Cancel button, shown while work runs,
        // by its name.
        const auto *pane = f.frame()->findChild<StatusPane *>(QStringLiteral("pane121"));
        QVERIFY(pane);
        QVERIFY(QAccessible::queryAccessibleInterface(const_cast<StatusPane *>(pane))
                    ->text(QAccessible::Name)
                    .startsWith(pane->label()));
        auto *cancel = f.frame()->findChild<QToolButton *>(BatchInputGuard::cancelControlName());
        QVERIFY(cancel);
        QAccessibleInterface *cancelButton = QAccessible::queryAccessibleInterface(cancel);
        QCOMPARE(cancelButton->role(), QAccessible::Button);
        QVERIFY(cancelButton->text(QAccessible::Name).startsWith(QStringLiteral("Cancel")));
    }

    // Shift+F10 opens the row menu from the keyboard; its entries read by name, and Space
    // checks the current row, which its cell reports.
    void rowMenuAndCheckMarksFromTheKeyboard()
    {
        ShellFixture f;
        QVERIFY(listThreeFiles(f));
        QVERIFY(activateFrame(f));
        CQuirewellView *view = f.view();
        view->setFocus();
        view->setCurrentIndex(view->model()->index(1, FileListModel::LoadedName));
        QTest::keyClick(view, Qt::Key_Space);
        QAccessibleTableInterface *table =
            QAccessible::queryAccessibleInterface(view)->tableInterface();
        QVERIFY(table->cellAt(1, FileListModel::Sr)->state().checked);
        QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
        QMenu *menu = view->contextMenu();
        QTRY_VERIFY(menu->isVisible());
        const QStringList problems = AccessibleTree::problemsOf(menu);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QAccessibleInterface *entries = QAccessible::queryAccessibleInterface(menu);
        QVERIFY(entries->childCount() > 3);
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
    }

    // Every menu of the ribbon has a name and named entries (the presets menu has none while no
    // preset is stored), shown or not.
    void ribbonMenusRead()
    {
        ShellFixture f;
        QVERIFY(listThreeFiles(f));
        const QList<QMenu *> menus = ribbonOf(f)->findChildren<QMenu *>();
        QVERIFY(menus.size() >= 5);
        for (QMenu *menu : menus) {
            QAccessibleInterface *read = QAccessible::queryAccessibleInterface(menu);
            QVERIFY2(!read->text(QAccessible::Name).isEmpty(), qPrintable(menu->objectName()));
            const QStringList problems = AccessibleTree::problemsOf(menu);
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        }
    }

    void collapsedPanelsAndTheirDropDownsRead()
    {
        ShellFixture f;
        QVERIFY(listThreeFiles(f));
        f.frame()->resize(420, f.frame()->height());
        QVERIFY(QTest::qWaitFor([&f] {
            const QList<RibbonPanel *> panels = ribbonOf(f)->categories().at(0)->panels();
            return panels.last()->isCollapsed();
        }));
        RibbonPanel *panel = ribbonOf(f)->categories().at(0)->panels().last();
        QAccessibleInterface *button =
            QAccessible::queryAccessibleInterface(panel->collapsedButton());
        QCOMPARE(button->role(), QAccessible::ButtonDropDown);
        QCOMPARE(button->text(QAccessible::Name), panel->title());
        QVERIFY(button->state().collapsed);
        QAccessibleInterface *group = QAccessible::queryAccessibleInterface(panel);
        QVERIFY(group->state().collapsed);
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(panel->isDroppedDown());
        QVERIFY(button->state().expanded);
        const QStringList problems = AccessibleTree::problemsOf(f.frame());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        panel->hideDropDown();
    }

    void everyDialogReadsWholeInTabOrder_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < dialogCases().size(); ++i)
            QTest::newRow(dialogCases()[i].name) << i;
    }
    void everyDialogReadsWholeInTabOrder()
    {
        QFETCH(int, index);
        ShellFixture f;
        QVERIFY(listThreeFiles(f));
        std::unique_ptr<QDialog> dialog = dialogCases()[index].make(f);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        const QStringList problems = AccessibleTree::problemsOf(dialog.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        for (QMenu *menu : dialog->findChildren<QMenu *>()) {
            QAccessibleInterface *read = QAccessible::queryAccessibleInterface(menu);
            QVERIFY2(!read->text(QAccessible::Name).isEmpty(), qPrintable(menu->objectName()));
            const QStringList inMenu = AccessibleTree::problemsOf(menu);
            QVERIFY2(inMenu.isEmpty(), qPrintable(inMenu.join(u'\n')));
        }
        QVERIFY(AccessibleTree::tabChain(dialog.get()).size() >= 1);
        const QStringList order = AccessibleTree::tabOrderProblems(dialog.get());
        QVERIFY2(order.isEmpty(), qPrintable(order.join(u'\n')));
    }

    // A batch and its undo by keys alone: the parameters window from its key tip, a switch and
    // two texts typed there, Rename All by its access key, then Ctrl+Z in the list.
    void aBatchAndItsUndoByKeysAlone()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("one.txt")));
        QVERIFY(f.tree.createFile(QStringLiteral("two.txt")));
        QVERIFY(startListing(f, f.tree.root()));
        QVERIFY(activateFrame(f));
        QTRY_VERIFY(f.command(QStringLiteral("RenameParameters"))->isEnabled());
        Ribbon *ribbon = ribbonOf(f);
        QTest::keyClick(ribbon, Qt::Key_Alt);
        QTest::keyClick(ribbon, 'h');
        const QString tip = keyTipOver(f.frame(), ribbonButton(f, Cmd::RenameParameters));
        QVERIFY(!tip.isEmpty());
        for (const QChar c : tip)
            QTest::keyClick(ribbon, c.toLatin1());
        QWidget *dialog = nullptr;
        QTRY_VERIFY((dialog = f.view()->renameParametersDialog()) && dialog->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto *findAndReplace =
            dialog->findChild<QCheckBox *>(QStringLiteral("CheckFindAndReplace"));
        QTRY_COMPARE(QApplication::focusWidget(), findAndReplace);
        QTest::keyClick(findAndReplace, Qt::Key_Space);
        QVERIFY(findAndReplace->isChecked());
        QTest::keyClick(findAndReplace, Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("one"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("uno"));
        QTRY_COMPARE(columnTexts(f.view(), FileListModel::NewName),
                     QStringList({QStringLiteral("uno.txt"), QStringLiteral("two.txt")}));

        f.prompts.messageAnswers << Prompts::Answer::Yes;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(f.tree.entries(),
                     QStringList({QStringLiteral("two.txt"), QStringLiteral("uno.txt")}));
        QVERIFY(waitListed(f.view()));
        QTRY_VERIFY(ListController::undoAvailable());

        QVERIFY(activateFrame(f));
        f.view()->setFocus();
        f.prompts.messageAnswers << Prompts::Answer::Yes;
        QTRY_VERIFY(f.command(QStringLiteral("UndoRename"))->isEnabled());
        QTest::keyClick(f.view(), Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE(f.tree.entries(),
                     QStringList({QStringLiteral("one.txt"), QStringLiteral("two.txt")}));
    }

    // Alt, H (the Home tab), B (Sort By), then a column's letter: the list sorts by it, and
    // the same keys again reverse it; the menu's mark follows.
    void sortFromTheKeyboard()
    {
        ShellFixture f;
        QVERIFY(listThreeFiles(f));
        QVERIFY(activateFrame(f));
        QMenu *menu = f.frame()->ribbon()->findChild<QMenu *>(QStringLiteral("sort-by-menu"));
        QVERIFY(menu);
        Ribbon *ribbon = ribbonOf(f);
        for (const bool descending : {false, true}) {
            // The command states follow the listing after the current event.
            QTRY_VERIFY(f.command(QStringLiteral("SortBySize"))->isEnabled());
            QTest::keyClick(ribbon, Qt::Key_Alt);
            QTest::keyClick(ribbon, 'h');
            QTest::keyClick(ribbon, 'b');
            QTRY_VERIFY(menu->isVisible());
            QTest::keyClick(menu, 'z');
            QTRY_VERIFY(!menu->isVisible());
            QList<qint64> expected =
                descending ? QList<qint64>{300, 100, 20} : QList<qint64>{20, 100, 300};
            QTRY_COMPARE(sizes(f.view()), expected);
            QTRY_VERIFY(f.command(QStringLiteral("SortBySize"))->isChecked());
            QVERIFY(!f.command(QStringLiteral("SortByLoadedName"))->isChecked());
        }
        // The numbers follow the new order, as after a header click.
        QCOMPARE(f.view()->horizontalHeader()->sortIndicatorSection(), int(FileListModel::Size));
        QCOMPARE(f.view()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    // The control with the focus looks different from the same control without it, in every
    // look: a ribbon button, a check box and the list's current row.
    void focusShowsInEveryLook()
    {
        ShellFixture f;
        QVERIFY(listThreeFiles(f));
        QVERIFY(activateFrame(f));
        QWidget *controls[] = {ribbonButton(f, Cmd::Reload), ribbonButton(f, Cmd::ViewStatusBar),
                               f.view()};
        f.view()->setCurrentIndex(f.view()->model()->index(0, FileListModel::LoadedName));
        // As a Tab key does: the focus is shown from now on.
        f.frame()->setAttribute(Qt::WA_KeyboardFocusChange);
        for (int id = Cmd::LookFirst; id <= Cmd::LookLast; ++id) {
            QVERIFY(f.frame()->commandActions().action(id));
            f.frame()->commandActions().action(id)->trigger();
            QApplication::processEvents();
            for (QWidget *control : controls) {
                QVERIFY(control);
                f.frame()->ribbon()->setFocus();
                QTRY_VERIFY(!control->hasFocus());
                const QImage without = control->grab().toImage();
                control->setFocus(Qt::TabFocusReason);
                QTRY_VERIFY(control->hasFocus());
                const QImage with = control->grab().toImage();
                QVERIFY2(
                    with != without,
                    qPrintable(QStringLiteral("look %1, %2").arg(id).arg(control->objectName())));
            }
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_Accessibility.moc"
