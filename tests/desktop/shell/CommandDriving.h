#pragma once

// Reaching commands the way a user does: ribbon elements, the row context menu, keys.

#include "ShellFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QWindow>

// Starts the program and answers its folder picker with folder; false when the listing
// did not come.
inline bool startListing(ShellFixture &f, const QString &folder)
{
    f.prompts.folderAnswers << folder;
    if (!f.start()) {
        qWarning("the program did not start");
        return false;
    }
    if (!QTest::qWaitFor([&f] { return f.prompts.folderStarts.size() == 1; })) {
        qWarning("no folder picker");
        return false;
    }
    if (!waitListed(f.view()) || f.view()->folder() != folder) {
        qWarning("not listed: %s", qPrintable(f.view()->folder()));
        return false;
    }
    return true;
}

// Makes the main window the active one, for window-wide keys.
inline bool activateFrame(ShellFixture &f)
{
    f.frame()->activateWindow();
    return QTest::qWaitForWindowActive(f.frame());
}

// The ribbon element of a command: a button or check box, or an entry of a menu.
inline QAbstractButton *ribbonButton(ShellFixture &f, int id)
{
    return f.frame()->ribbon()->findChild<QAbstractButton *>(QStringLiteral("cmd-%1").arg(id));
}

// Clicks the command's ribbon button; false when there is none or it is disabled.
inline bool clickRibbon(ShellFixture &f, int id)
{
    QApplication::processEvents(); // the states are refreshed after the current event
    QAbstractButton *button = ribbonButton(f, id);
    if (!button || !button->isEnabled())
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

// Right-clicks the list at the given row (-1: just below the last row) and clicks the item of
// the context menu for the named command. False, with a warning, when the menu did not open,
// lacks the item or stayed open.
inline bool runMenuItem(ShellFixture &f, const QString &name, int row = -1)
{
    CQuirewellView *view = f.view();
    const int rows = view->fileModel().rowCount();
    QPoint at(view->columnViewportPosition(1) + 20, view->verticalHeader()->defaultSectionSize());
    if (row >= 0)
        at = view->visualRect(view->model()->index(row, 1)).center();
    else if (rows > 0)
        at.setY(view->visualRect(view->model()->index(rows - 1, 1)).bottom() + 12);
    QMenu *menu = view->contextMenu();
    // Through the window, as the platform delivers it: that is where a right press becomes
    // a context menu request.
    QWindow *window = view->window()->windowHandle();
    const QPoint inWindow = view->viewport()->mapTo(view->window(), at);
    QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, inWindow);
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); })) {
        qWarning("the context menu did not open");
        return false;
    }
    QAction *item = f.command(name);
    if (!item || !menu->actions().contains(item)) {
        qWarning("no item for %s", qPrintable(name));
        return false;
    }
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
    if (!QTest::qWaitFor([menu] { return !menu->isVisible(); })) {
        qWarning("the context menu stayed open");
        return false;
    }
    return true;
}

// The rows' texts of one column, top to bottom.
inline QStringList columnTexts(const CQuirewellView *view, int column)
{
    QStringList texts;
    for (int row = 0; row < view->fileModel().rowCount(); ++row)
        texts.append(view->fileModel().text(row, column));
    return texts;
}

inline QList<bool> checkMarks(const CQuirewellView *view)
{
    QList<bool> marks;
    for (const FileRow &row : view->fileModel().rows().rows)
        marks.append(row.checked);
    return marks;
}

// The line above the failure window's list: "N renamed, M could not be renamed".
inline QString failureSummary(const QDialog *dialog)
{
    const auto *summary = dialog->findChild<QLabel *>(QStringLiteral("Summary"));
    return summary ? summary->text() : QString();
}

// The rows of the failure window (CDlgRenameFailures), one list of texts per row.
inline QList<QStringList> failureRows(const QDialog *dialog)
{
    QList<QStringList> rows;
    const auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("Failures"));
    for (int row = 0; table && row < table->rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < table->columnCount(); ++column)
            texts.append(table->item(row, column)->text());
        rows.append(texts);
    }
    return rows;
}
