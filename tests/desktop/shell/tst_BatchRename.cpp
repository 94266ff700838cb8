#include "CommandDriving.h"

#include "core/engine/names/NewNameRule.h"
#include "core/engine/settings/AppSettings.h"
#include "desktop/shell/ribbon/Ribbon.h"
#include "desktop/shell/ribbon/RibbonElements.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/view/BatchRun.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

QString question(int count)
{
    return QStringLiteral("You can Preview New File Name and Current File Name from the List of "
                          "Files.\n\nRename %1 Checked Files from the List Now ?")
        .arg(count);
}

QAbstractButton *applicationButton(ShellFixture &f)
{
    return static_cast<Ribbon *>(f.frame()->ribbon())->applicationButton();
}

// A press on the application button, as the user starts the renaming.
void pressApplicationButton(ShellFixture &f)
{
    QTest::mousePress(applicationButton(f), Qt::LeftButton);
    QTest::mouseRelease(applicationButton(f), Qt::LeftButton);
}

// Lets every posted command run; a reload it starts is waited for.
void settle(ShellFixture &f)
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QVERIFY(waitListed(f.view()));
}

} // namespace

class BatchRenameTest : public QObject
{
    Q_OBJECT
private slots:
    void refusalsComeWithTheWarningIcon()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFolder(QStringLiteral("empty")));
        QVERIFY(f.tree.createFile(QStringLiteral("files/a.txt")));
        QVERIFY(f.tree.createFile(QStringLiteral("files/A.TXT")));
        QVERIFY(f.tree.createFile(QStringLiteral("files/z/b.txt")));
        QVERIFY(startListing(f, f.tree.path(QStringLiteral("empty"))));
        f.prompts.messages.clear(); // "No Files Found ..."

        pressApplicationButton(f);
        QTRY_COMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].text, QStringLiteral("No Files in the List to Rename."));
        QCOMPARE(f.prompts.messages[0].icon, Prompts::Icon::Warning);

        // Names equal but for case stop the batch, an unchecked row and no checked row
        // included; with sub-folders listed the same list passes that check.
        f.prompts.folderAnswers << f.tree.path(QStringLiteral("files"));
        QVERIFY(f.run(QStringLiteral("FolderLocation")));
        QVERIFY(waitListed(f.view()));
        QVERIFY(runMenuItem(f, QStringLiteral("UnCheckAll")));
        QVERIFY(f.run(QStringLiteral("StartRenaming")));
        QCOMPARE(f.prompts.messages.size(), 2);
        QCOMPARE(f.prompts.messages[1].text,
                 QStringLiteral("Could Not Rename Files as New File Names have Duplicate Names."));
        QCOMPARE(f.prompts.messages[1].icon, Prompts::Icon::Warning);

        // The check follows how the rows were listed, not a switch changed since.
        CAppSettings().SetViewFilesInSubFolders(1);
        QVERIFY(f.run(QStringLiteral("StartRenaming")));
        QCOMPARE(f.prompts.messages.size(), 3);
        QCOMPARE(f.prompts.messages[2].text,
                 QStringLiteral("Could Not Rename Files as New File Names have Duplicate Names."));
        f.prompts.messages.clear();
        QVERIFY(f.run(QStringLiteral("Reload")));
        QVERIFY(waitListed(f.view()));
        QVERIFY(runMenuItem(f, QStringLiteral("UnCheckAll")));
        QVERIFY(f.run(QStringLiteral("StartRenaming")));
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].text, QStringLiteral("No Checked Files to Rename."));
        QCOMPARE(f.prompts.messages[0].icon, Prompts::Icon::Warning);
        QCOMPARE(f.tree.entries(),
                 QStringList({u"empty/"_s, u"files/"_s, u"files/A.TXT"_s, u"files/a.txt"_s,
                              u"files/z/"_s, u"files/z/b.txt"_s}));
    }

    void noAndCancelChangeNothing()
    {
        ShellFixture f;
        for (const char *name : {"one.txt", "two.txt", "three.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name)));
        QVERIFY(startListing(f, f.tree.root()));
        CAppSettings().setValue(CAppSettings::Key::CheckUpperCase, 1);
        QVERIFY(f.run(QStringLiteral("DisplayNewNames")));
        const QStringList newNames = columnTexts(f.view(), 2);

        QSignalSpy listed(f.view(), &CQuirewellView::loadFinished);
        f.prompts.messageAnswers << Prompts::Answer::No << Prompts::Answer::Cancel;
        pressApplicationButton(f);
        QTRY_COMPARE(f.prompts.messages.size(), 1);
        pressApplicationButton(f);
        QTRY_COMPARE(f.prompts.messages.size(), 2);
        for (const RecordingPrompts::Message &message : f.prompts.messages) {
            QCOMPARE(message.text, question(3));
            QCOMPARE(message.icon, Prompts::Icon::Question);
            QCOMPARE(message.buttons, Prompts::Buttons::YesNoCancel);
        }
        settle(f);
        QCOMPARE(listed.size(), 0);
        QVERIFY(!f.view()->isLoading());
        QCOMPARE(columnTexts(f.view(), 2), newNames);
        QCOMPARE(f.tree.entries(), QStringList({u"one.txt"_s, u"three.txt"_s, u"two.txt"_s}));
    }

    // However the folder is listed, the new names are those of the stored parameters, and a
    // batch renames to them.
    void everyLoadPreviewsTheStoredParameters_data()
    {
        QTest::addColumn<bool>("folderArgument");
        QTest::newRow("folder argument") << true;
        QTest::newRow("folder picker") << false;
    }
    void everyLoadPreviewsTheStoredParameters()
    {
        QFETCH(bool, folderArgument);
        ShellFixture f;
        for (const char *name : {"one.txt", "two.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name)));
        CAppSettings().setValue(CAppSettings::Key::CheckUpperCase, 1);
        if (folderArgument) {
            QVERIFY(f.start({f.tree.root()}));
            QVERIFY(waitListed(f.view()));
        } else {
            QVERIFY(startListing(f, f.tree.root()));
        }
        settle(f);
        QCOMPARE(columnTexts(f.view(), 2), QStringList({u"ONE.TXT"_s, u"TWO.TXT"_s}));

        QSignalSpy listed(f.view(), &CQuirewellView::loadFinished);
        f.prompts.messageAnswers << Prompts::Answer::Yes;
        pressApplicationButton(f);
        QTRY_COMPARE(listed.size(), 1);
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].text, question(2));
        QCOMPARE(f.tree.entries(), QStringList({u"ONE.TXT"_s, u"TWO.TXT"_s}));
    }

    // While the stored expression cannot be used, the list may show an earlier expression's
    // names: the batch is refused and says why.
    void invalidExpressionRefusesTheBatch()
    {
        ShellFixture f;
        for (const char *name : {"one.txt", "two.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name)));
        CAppSettings settings;
        settings.setValue(CAppSettings::Key::CheckFindAndReplace, 1);
        settings.setValue(CAppSettings::Key::FindRegularExpression, 1);
        settings.setValue(CAppSettings::Key::FindText, u"(o"_s);
        QVERIFY(startListing(f, f.tree.root()));
        settle(f);
        f.prompts.messages.clear();
        pressApplicationButton(f);
        QTRY_COMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].text,
                 u"Nothing is renamed: invalid regular expression at position 2: missing "
                 "closing parenthesis."_s);
        QCOMPARE(f.prompts.messages[0].icon, Prompts::Icon::Warning);
        QCOMPARE(f.tree.entries(), QStringList({u"one.txt"_s, u"two.txt"_s}));
    }

    // A batch in which no checked row would get a new name is not offered: it would ask to
    // rename every checked file and rename none.
    void nothingToRenameIsSaidInsteadOfAsking()
    {
        ShellFixture f;
        for (const char *name : {"ONE.TXT", "two.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name)));
        QVERIFY(startListing(f, f.tree.root()));
        CAppSettings().setValue(CAppSettings::Key::CheckUpperCase, 1);
        QVERIFY(f.run(QStringLiteral("DisplayNewNames")));
        QVERIFY(runMenuItem(f, QStringLiteral("Toggle"), 1)); // two.txt would change: unchecked

        QSignalSpy listed(f.view(), &CQuirewellView::loadFinished);
        pressApplicationButton(f);
        QTRY_COMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].text, BatchRun::nothingToRename());
        QCOMPARE(f.prompts.messages[0].icon, Prompts::Icon::Warning);
        settle(f);
        QCOMPARE(listed.size(), 0);
        QCOMPARE(f.tree.entries(), QStringList({u"ONE.TXT"_s, u"two.txt"_s}));

        // Checked again, the row that changes makes the batch ask as before.
        QVERIFY(runMenuItem(f, QStringLiteral("Toggle"), 1));
        f.prompts.messageAnswers << Prompts::Answer::No;
        pressApplicationButton(f);
        QTRY_COMPARE(f.prompts.messages.size(), 2);
        QCOMPARE(f.prompts.messages[1].text, question(2));
    }

    // A list large enough to get its new names in slices: the names after the loop settles
    // are those of one synchronous run, and a batch asked for at once after a change renames
    // to the new names of that change, not to names of the change before.
    void slicedRecomputeIsCompleteForEveryReader()
    {
        ShellFixture f;
        const int count = ListController::kSlicedFromRows + 500;
        for (int i = 0; i < count; ++i)
            QVERIFY(f.tree.createFile(u"f%1.txt"_s.arg(i, 5, 10, QLatin1Char('0'))));
        QVERIFY(startListing(f, f.tree.root()));
        ListController &controller = f.view()->controller();
        RenameParameters params;
        params.checkFindAndReplace = true;
        params.findText = u"f"_s;
        params.replaceText = u"g"_s;
        params.checkNumberAtEnd = true;
        controller.computeNewNames(params);
        QVERIFY(controller.newNamesPending());
        QTRY_VERIFY_WITH_TIMEOUT(!controller.newNamesPending(), 30000);
        FileRows expected = f.view()->fileModel().rows();
        ComputeNewFileNames(expected, params);
        const FileRows &shown = f.view()->fileModel().rows();
        QCOMPARE(shown.count(), count);
        for (int i = 0; i < count; ++i)
            QCOMPARE(shown.rows[size_t(i)].newName, expected.rows[size_t(i)].newName);

        params.replaceText = u"h"_s;
        controller.computeNewNames(params); // the rows on screen now, the rest later
        QVERIFY(controller.newNamesPending());
        ComputeNewFileNames(expected, params);
        QStringList renamed;
        for (const FileRow &row : expected.rows)
            renamed << row.newName;
        renamed.sort();
        QSignalSpy listed(f.view(), &CQuirewellView::loadFinished);
        f.prompts.messageAnswers << Prompts::Answer::Yes;
        controller.OnStartRenaming();
        QTRY_COMPARE_WITH_TIMEOUT(listed.size(), 1, 60000);
        QStringList entries = f.tree.entries();
        entries.sort();
        QCOMPARE(entries, renamed);
    }

    void yesRenamesTheCheckedRowsAndListsAgain()
    {
        ShellFixture f;
        for (const char *name : {"aab.txt", "ab.txt", "cc.txt", "zz.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name), name));
        QVERIFY(startListing(f, f.tree.root()));
        CAppSettings settings;
        settings.setValue(CAppSettings::Key::CheckRemoveInitialCharacters, 1);
        QVERIFY(f.run(QStringLiteral("DisplayNewNames")));
        // aab.txt's new name is ab.txt's loaded name: that rename fails, the others go on.
        QCOMPARE(columnTexts(f.view(), 2),
                 QStringList({u"ab.txt"_s, u"b.txt"_s, u"c.txt"_s, u"z.txt"_s}));
        f.view()->selectRow(2);
        QTest::keyClick(f.view(), Qt::Key_Space);

        QSignalSpy listed(f.view(), &CQuirewellView::loadFinished);
        f.prompts.messageAnswers << Prompts::Answer::Yes;
        QList<QStringList> failedRows;
        QString summary;
        f.prompts.onModal = [&failedRows, &summary](QDialog *dialog) {
            failedRows = failureRows(dialog);
            summary = failureSummary(dialog);
            return int(QDialog::Accepted);
        };
        pressApplicationButton(f);
        QTRY_COMPARE(listed.size(), 1);
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].text, question(3));
        // The failed row is listed with its reason in a window of its own.
        QCOMPARE(f.prompts.modalDialogs, QStringList({u"CDlgRenameFailures"_s}));
        QCOMPARE(failedRows, QList<QStringList>({{u"aab.txt"_s, u"ab.txt"_s, f.tree.root() + u"/"_s,
                                                  u"File exists"_s}}));
        QCOMPARE(summary, u"2 renamed, 1 could not be renamed"_s);
        QCOMPARE(f.tree.entries(),
                 QStringList({u"aab.txt"_s, u"b.txt"_s, u"cc.txt"_s, u"z.txt"_s}));
        QCOMPARE(f.tree.contents(QStringLiteral("b.txt")), QByteArray("ab.txt"));
        // Listed again: every row checked, the new names computed afresh, numbering anew;
        // a title no longer than the length removed is left whole.
        QCOMPARE(columnTexts(f.view(), 1),
                 QStringList({u"aab.txt"_s, u"b.txt"_s, u"cc.txt"_s, u"z.txt"_s}));
        QCOMPARE(columnTexts(f.view(), 2),
                 QStringList({u"ab.txt"_s, u"b.txt"_s, u"c.txt"_s, u"z.txt"_s}));
        QCOMPARE(columnTexts(f.view(), 0), QStringList({u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
        QCOMPARE(checkMarks(f.view()), QList<bool>({true, true, true, true}));
        // The status bar shows the listing's summary again, not a count of the failures.
        QCOMPARE(f.frame()->statusBar()->currentMessage(), QString());
        QCOMPARE(f.frame()->findChild<QLabel *>(u"pane120"_s)->text(),
                 u"4 File(s) Listed from Folder [%1]"_s.arg(f.tree.root()));
    }

    void storedSwitchRenamesChains()
    {
        ShellFixture f;
        for (const char *name : {"aab.txt", "ab.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name), name));
        QVERIFY(startListing(f, f.tree.root()));
        CAppSettings settings;
        settings.setValue(CAppSettings::Key::CheckRemoveInitialCharacters, 1);
        settings.SetResolveChains(1);
        QVERIFY(f.frame()->dispatch(Cmd::DisplayNewNames));
        QSignalSpy listed(f.view(), &CQuirewellView::loadFinished);
        f.prompts.messageAnswers << Prompts::Answer::Yes;
        pressApplicationButton(f);
        QTRY_COMPARE(listed.size(), 1);
        QCOMPARE(f.prompts.messages[0].text, question(2));
        // ab.txt moves to b.txt first, then aab.txt takes ab.txt.
        QCOMPARE(f.tree.entries(), QStringList({u"ab.txt"_s, u"b.txt"_s}));
        QCOMPARE(f.tree.contents(QStringLiteral("ab.txt")), QByteArray("aab.txt"));
        QCOMPARE(f.frame()->statusBar()->currentMessage(),
                 QStringLiteral("Renaming Done: 2 File(s) Renamed, 0 File(s) Could Not be "
                                "Renamed"));
    }

    void renameAllInTheOpenDialogAsksTheSame()
    {
        ShellFixture f;
        for (const char *name : {"one.txt", "two.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name)));
        QVERIFY(startListing(f, f.tree.root()));
        QVERIFY(clickRibbon(f, Cmd::RenameParameters));
        QWidget *dialog = f.view()->renameParametersDialog();
        QVERIFY(dialog && dialog->isVisible());
        auto *upperCase = dialog->findChild<QCheckBox *>(u"CheckUpperCase"_s);
        QTest::mouseClick(upperCase, Qt::LeftButton, Qt::NoModifier,
                          QPoint(6, upperCase->height() / 2));
        QTRY_COMPARE(f.view()->fileModel().text(1, 2), QStringLiteral("TWO.TXT"));

        f.prompts.messageAnswers << Prompts::Answer::No << Prompts::Answer::Yes;
        auto *renameAll = dialog->findChild<QPushButton *>(u"RenameAll"_s);
        QTest::mouseClick(renameAll, Qt::LeftButton);
        QTRY_COMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].text, question(2));
        QCOMPARE(f.prompts.messages[0].icon, Prompts::Icon::Question);
        QCOMPARE(f.tree.entries(), QStringList({u"one.txt"_s, u"two.txt"_s}));

        QSignalSpy listed(f.view(), &CQuirewellView::loadFinished);
        QTest::mouseClick(renameAll, Qt::LeftButton);
        QTRY_COMPARE(listed.size(), 1);
        QCOMPARE(f.prompts.messages.size(), 2);
        QCOMPARE(f.tree.entries(), QStringList({u"ONE.TXT"_s, u"TWO.TXT"_s}));
        QCOMPARE(columnTexts(f.view(), 1), QStringList({u"ONE.TXT"_s, u"TWO.TXT"_s}));
        QVERIFY(dialog->isVisible());
    }

    void pressAndDoubleClickAskOnce()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("one.txt")));
        CAppSettings().setValue(CAppSettings::Key::CheckUpperCase, 1); // a name to change
        QVERIFY(startListing(f, f.tree.root()));
        // A double click arrives as press, release, double click, release; both presses
        // reach the frame before the first posted command runs.
        QTest::mouseDClick(applicationButton(f), Qt::LeftButton);
        settle(f);
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].text, question(1));
        // The program's own "Start File Renaming process" command asks the same.
        QVERIFY(f.run(QStringLiteral("StartRenaming")));
        QCOMPARE(f.prompts.messages.size(), 2);
        QCOMPARE(f.prompts.messages[1].text, question(1));
    }
};

QTEST_MAIN(BatchRenameTest)
#include "tst_BatchRename.moc"
