#include "CommandDriving.h"

#include "core/engine/settings/AppSettings.h"
#include "desktop/ui/CommandIds.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QLineEdit *edit(QDialog *dialog, const QString &name)
{
    return dialog->findChild<QLineEdit *>(name);
}

// Types name into the new-name edit and presses OK; the dialog's result, 0 while it is open.
int typeAndConfirm(QDialog *dialog, const QString &name)
{
    QLineEdit *newName = edit(dialog, u"NewFileName"_s);
    newName->selectAll();
    QTest::keyClick(newName, Qt::Key_Backspace);
    QTest::keyClicks(newName, name);
    QTest::mouseClick(dialog->findChild<QPushButton *>(u"Ok"_s), Qt::LeftButton);
    return dialog->result();
}

QStringList rowTexts(const CQuirewellView *view, int row)
{
    QStringList texts;
    for (int column = 0; column < FileListModel::ColumnCount; ++column)
        texts << view->fileModel().text(row, column);
    return texts;
}

} // namespace

class SingleFileRenameTest : public QObject
{
    Q_OBJECT
private slots:
    void withoutASelectionItSaysSo()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("a.txt")));
        QVERIFY(startListing(f, f.tree.root()));
        QVERIFY(activateFrame(f));
        f.view()->clearSelection();
        QTest::keyClick(f.view(), Qt::Key_F2);
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].text, QStringLiteral("Please select a File to Rename."));
        QCOMPARE(f.prompts.messages[0].icon, Prompts::Icon::Information);
        QVERIFY(f.prompts.modalDialogs.isEmpty());
    }

    void f2RenamesTheTopmostSelectedRowAlone()
    {
        ShellFixture f;
        for (const char *name : {"a.txt", "b.txt", "c.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name), name));
        QVERIFY(startListing(f, f.tree.root()));
        CAppSettings().setValue(CAppSettings::Key::CheckUpperCase, 1);
        QVERIFY(f.run(QStringLiteral("DisplayNewNames")));
        CQuirewellView *view = f.view();
        view->selectRow(2);
        view->selectionModel()->select(view->model()->index(1, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(view, Qt::Key_Space); // row 2 unchecked: the check box stays so
        const QStringList before0 = rowTexts(view, 0);
        QStringList before1 = rowTexts(view, 1);
        const QStringList before2 = rowTexts(view, 2);

        // Cheap changes of the store after the preview must not reach the other rows.
        CAppSettings().setValue(CAppSettings::Key::CheckUpperCase, 0);
        f.prompts.onModal = [](QDialog *dialog) {
            if (dialog->windowTitle() != u"Rename Single File - Quirewell by orvalt.example"_s ||
                edit(dialog, u"FileToRename"_s)->text() != u"b.txt"_s ||
                !edit(dialog, u"FileToRename"_s)->isReadOnly() ||
                edit(dialog, u"NewFileName"_s)->text() != u"b.txt"_s)
                return int(QDialog::Rejected);
            QStringList labels;
            for (const QLabel *label : dialog->findChildren<QLabel *>())
                labels << label->text();
            if (!labels.contains(u"&New File Name :"_s) || !labels.contains(u"&File to Rename :"_s))
                return int(QDialog::Rejected);
            return typeAndConfirm(dialog, u"renamed.md"_s);
        };
        QVERIFY(activateFrame(f));
        QTest::keyClick(view, Qt::Key_F2);
        QCOMPARE(f.prompts.modalDialogs, QStringList(u"CDlgSingleFileRename"_s));
        QVERIFY(f.prompts.messages.isEmpty());
        QCOMPARE(f.tree.entries(), QStringList({u"a.txt"_s, u"c.txt"_s, u"renamed.md"_s}));
        QCOMPARE(f.tree.contents(u"renamed.md"_s), QByteArray("b.txt"));
        before1[1] = before1[2] = u"renamed.md"_s;
        QCOMPARE(rowTexts(view, 0), before0);
        QCOMPARE(rowTexts(view, 1), before1);
        QCOMPARE(rowTexts(view, 2), before2);
        QCOMPARE(checkMarks(view), QList<bool>({true, true, false}));
    }

    void refusalsAndFailuresKeepTheDialogOpen()
    {
        ShellFixture f;
        for (const char *name : {"a.txt", "b.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name), name));
        QVERIFY(startListing(f, f.tree.root()));
        f.view()->selectRow(0);
        QList<qsizetype> finishedAfter; // the dialog's finished() count after each OK
        f.prompts.onModal = [&finishedAfter](QDialog *dialog) {
            QSignalSpy finished(dialog, &QDialog::finished);
            typeAndConfirm(dialog, QString());
            finishedAfter << finished.size();
            typeAndConfirm(dialog, u"b.txt"_s);
            finishedAfter << finished.size();
            if (edit(dialog, u"NewFileName"_s)->text() != u"b.txt"_s)
                finishedAfter << -1;
            QTest::mouseClick(dialog->findChild<QPushButton *>(u"Cancel"_s), Qt::LeftButton);
            return dialog->result();
        };
        QVERIFY(clickRibbon(f, Cmd::RenameSelectedFile));
        QCOMPARE(finishedAfter, QList<qsizetype>({0, 0}));
        QCOMPARE(f.prompts.messages.size(), 2);
        QCOMPARE(f.prompts.messages[0].text, QStringLiteral("New File Name Cannot be Left Empty."));
        QCOMPARE(f.prompts.messages[0].icon, Prompts::Icon::Error);
        QCOMPARE(f.prompts.messages[1].text,
                 QStringLiteral("Could Not Rename File.\n\nFile exists"));
        QCOMPARE(f.prompts.messages[1].icon, Prompts::Icon::Error);
        QCOMPARE(columnTexts(f.view(), 1), QStringList({u"a.txt"_s, u"b.txt"_s}));
        QCOMPARE(f.tree.contents(u"b.txt"_s), QByteArray("b.txt"));
    }

    void unchangedClosesAndCaseAloneRenames()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("Note.txt")));
        QVERIFY(startListing(f, f.tree.root()));
        QList<int> results;
        f.prompts.onModal = [&results](QDialog *dialog) {
            results << typeAndConfirm(dialog, u"Note.txt"_s);
            return dialog->result();
        };
        QVERIFY(runMenuItem(f, QStringLiteral("RenameSelectedFile"), 0));
        QCOMPARE(results, QList<int>({int(QDialog::Accepted)}));
        QCOMPARE(f.tree.entries(), QStringList(u"Note.txt"_s));

        f.prompts.onModal = [](QDialog *dialog) { return typeAndConfirm(dialog, u"note.TXT"_s); };
        QVERIFY(runMenuItem(f, QStringLiteral("RenameSelectedFile"), 0));
        QCOMPARE(f.tree.entries(), QStringList(u"note.TXT"_s));
        QCOMPARE(columnTexts(f.view(), 1), QStringList(u"note.TXT"_s));
        QCOMPARE(columnTexts(f.view(), 2), QStringList(u"note.TXT"_s));
        QVERIFY(f.prompts.messages.isEmpty());
    }

    void aNameThatIsNotUtf8IsRenamedExactly()
    {
        ShellFixture f;
        QVERIFY(f.tree.createRawFile(QByteArray("caf\xe9.txt"), "latin-1"));
        QVERIFY(f.tree.createFile(QStringLiteral("caf\ufffd.txt"), "decoy"));
        QVERIFY(startListing(f, f.tree.root()));
        QCOMPARE(f.view()->fileModel().rowCount(), 2);
        f.prompts.onModal = [](QDialog *dialog) { return typeAndConfirm(dialog, u"fixed.txt"_s); };
        for (int row = 0; row < 2; ++row) {
            if (f.view()->fileModel().rows().rows[size_t(row)].nameBytes() == "caf\xe9.txt")
                f.view()->selectRow(row);
        }
        QVERIFY(f.run(QStringLiteral("RenameSelectedFile")));
        QCOMPARE(f.tree.contents(u"fixed.txt"_s), QByteArray("latin-1"));
        QCOMPARE(f.tree.contents(u"caf\ufffd.txt"_s), QByteArray("decoy"));
    }
};

QTEST_MAIN(SingleFileRenameTest)
#include "tst_SingleFileRename.moc"
