#include "CommandDriving.h"

#include "core/engine/names/RowProblems.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/view/ConflictDelegate.h"
#include "desktop/view/NewNamesTextPane.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace {

// Three rows, in this order: a.txt, b.txt, c.dat.
bool listThree(ShellFixture &f)
{
    for (const char *name : {"d/a.txt", "d/b.txt", "d/c.dat"})
        if (!f.tree.createFile(QLatin1String(name), name))
            return false;
    return startListing(f, f.tree.path(u"d"_s));
}

int rowOf(CQuirewellView *view, const QString &loadedName)
{
    const FileRows &rows = view->fileModel().rows();
    for (int row = 0; row < rows.count(); ++row)
        if (rows.rows[size_t(row)].loadedName == loadedName)
            return row;
    return -1;
}

QString newName(CQuirewellView *view, const QString &loadedName)
{
    return view->fileModel().rows().rows[size_t(rowOf(view, loadedName))].newName;
}

RowProblem mark(CQuirewellView *view, const QString &loadedName)
{
    return view->fileModel().rows().problems.kind(size_t(rowOf(view, loadedName)));
}

// The view's own delegate of the "New File Name" column, asked how it shows a cell.
QStyleOptionViewItem shownCell(CQuirewellView *view, int row)
{
    QStyleOptionViewItem option;
    option.initFrom(view);
    auto *delegate =
        qobject_cast<ConflictDelegate *>(view->itemDelegateForColumn(FileListModel::NewName));
    if (delegate)
        delegate->initStyleOption(&option, view->model()->index(row, FileListModel::NewName));
    return option;
}

QString writeFile(ShellFixture &f, const QString &name, const QByteArray &text)
{
    QFile file(f.tree.path(name));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() ? file.fileName()
                                                                              : QString();
}

} // namespace

// New names from a list, as text, and typed into the list.
class NameEditsTest : public QObject
{
    Q_OBJECT
private slots:
    void renameFromListMarksRowsAndRenames()
    {
        ShellFixture f;
        QVERIFY(listThree(f));
        CQuirewellView *view = f.view();
        QVERIFY(ribbonButton(f, Cmd::RenameFromList));

        // A line naming no listed file refuses the whole list, naming the line.
        f.prompts.openFileAnswers << writeFile(f, u"bad.tsv"_s, "a.txt\tx.txt\nmissing\ty\n");
        f.prompts.messages.clear();
        QVERIFY(clickRibbon(f, Cmd::RenameFromList));
        QTRY_COMPARE(f.prompts.messages.size(), 1);
        QVERIFY2(f.prompts.messages[0].text.contains(u"Line 2: \"missing\" is not in the list"_s),
                 qPrintable(f.prompts.messages[0].text));
        QCOMPARE(newName(view, u"a.txt"_s), u"a.txt"_s);

        // A CSV list: b.txt's new name is kept by c.dat, which the list does not rename.
        f.prompts.openFileAnswers << writeFile(f, u"names.csv"_s, "a.txt,x.txt\r\nb.txt,c.dat\r\n");
        QVERIFY(f.run(u"RenameFromList"_s));
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(newName(view, u"a.txt"_s), u"x.txt"_s);
        QVERIFY(view->controller().isNameEdited(rowOf(view, u"a.txt"_s)));
        QVERIFY(!view->fileModel().rows().rows[size_t(rowOf(view, u"c.dat"_s))].checked);
        // An edited name is marked in the list; a row with the rule's name is not.
        const QStyleOptionViewItem edited = shownCell(view, rowOf(view, u"a.txt"_s));
        QVERIFY(edited.font.italic());
        QCOMPARE(edited.text, ConflictDelegate::editedSign() + u"x.txt"_s);
        const QStyleOptionViewItem plain = shownCell(view, rowOf(view, u"c.dat"_s));
        QVERIFY(!plain.font.italic() && plain.text == u"c.dat"_s);
        QTRY_COMPARE(mark(view, u"b.txt"_s), RowProblem::Exists);
        QCOMPARE(mark(view, u"a.txt"_s), RowProblem::None);

        // A good list goes through the usual batch command.
        f.prompts.openFileAnswers << writeFile(f, u"good.tsv"_s, "a.txt\tx.txt\n");
        QVERIFY(f.run(u"RenameFromList"_s));
        QCOMPARE(mark(view, u"b.txt"_s), RowProblem::None);
        QSignalSpy listed(view, &CQuirewellView::loadFinished);
        f.prompts.messageAnswers << Prompts::Answer::Yes;
        QVERIFY(f.run(u"StartRenaming"_s));
        QTRY_COMPARE_WITH_TIMEOUT(listed.size(), 1, 30000);
        QVERIFY(f.tree.exists(u"d/x.txt"_s) && f.tree.exists(u"d/b.txt"_s) &&
                f.tree.exists(u"d/c.dat"_s) && !f.tree.exists(u"d/a.txt"_s));
        QCOMPARE(f.tree.contents(u"d/x.txt"_s), QByteArray("d/a.txt"));
    }

    void textPaneAndCellEditor()
    {
        ShellFixture f;
        QVERIFY(listThree(f));
        CQuirewellView *view = f.view();
        QVERIFY(f.run(u"EditNamesAsText"_s));
        NewNamesTextPane *pane = view->newNamesTextPane();
        QVERIFY(pane && pane->isVisible());
        QCOMPARE(pane->editor()->toPlainText(), u"a.txt\nb.txt\nc.dat"_s);

        // A changed line is that row's name at once, conflicts marked.
        pane->editor()->setPlainText(u"a\\tone.txt\nc.dat\nc.dat"_s);
        pane->applyNow();
        QVERIFY(pane->problem().isEmpty());
        QCOMPARE(newName(view, u"a.txt"_s), u"a\tone.txt"_s);
        QCOMPARE(mark(view, u"b.txt"_s), RowProblem::Exists);
        QVERIFY(view->controller().isNameEdited(rowOf(view, u"b.txt"_s)));
        QVERIFY(!view->controller().isNameEdited(rowOf(view, u"c.dat"_s)));

        // Lines added or removed, or a line that cannot be read: refused, the names stay.
        for (const QString &text : {u"a.txt\nb.txt\nc.dat\nd"_s, u"a.txt\nb.txt"_s,
                                    u"a.txt\nb.txt\nc.dat\n"_s, u"z\\q\nb.txt\nc.dat"_s}) {
            pane->editor()->setPlainText(text);
            pane->applyNow();
            QVERIFY2(!pane->problem().isEmpty(), qPrintable(text));
            QCOMPARE(newName(view, u"a.txt"_s), u"a\tone.txt"_s);
        }
        QVERIFY(pane->problem().contains(u"Line 1: invalid escape"_s));
        // A line back at the rule's name ends that row's edit.
        pane->editor()->setPlainText(u"a.txt\nb.txt\nc.dat"_s);
        pane->applyNow();
        QVERIFY(!view->controller().isNameEdited(rowOf(view, u"a.txt"_s)));
        QCOMPARE(mark(view, u"b.txt"_s), RowProblem::None);

        // The cell editor: Shift+F2's command, Enter keeps, Esc drops.
        view->setCurrentIndex(view->model()->index(rowOf(view, u"c.dat"_s), 1));
        QVERIFY(f.run(u"EditNewName"_s));
        auto *editor = view->findChild<QLineEdit *>(u"new-name-editor"_s);
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->text(), u"c.dat"_s);
        editor->setText(u"typed.dat"_s);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(newName(view, u"c.dat"_s), u"typed.dat"_s);
        QTRY_COMPARE(pane->editor()->toPlainText(), u"a.txt\nb.txt\ntyped.dat"_s);
        view->editNewNameInPlace(rowOf(view, u"a.txt"_s));
        editor = view->findChild<QLineEdit *>(u"new-name-editor"_s);
        QVERIFY(editor);
        editor->setText(u"dropped"_s);
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(newName(view, u"a.txt"_s), u"a.txt"_s);

        // Edits last through a sort, and end when the parameters change.
        view->controller().sortByColumn(FileListModel::LoadedName, true);
        QTRY_COMPARE(newName(view, u"c.dat"_s), u"typed.dat"_s);
        RenameParameters parameters;
        parameters.checkUpperCase = true;
        view->setRenameParameters(parameters);
        QTRY_COMPARE(newName(view, u"c.dat"_s), u"C.DAT"_s);
        QVERIFY(!view->controller().isNameEdited(rowOf(view, u"c.dat"_s)));
        QTRY_COMPARE(pane->editor()->toPlainText(), u"C.DAT\nB.TXT\nA.TXT"_s);
    }
};

QTEST_MAIN(NameEditsTest)
#include "tst_NameEdits.moc"
