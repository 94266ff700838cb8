// Sub-folders that a listing met but could not read: the status bar says how many, and a
// window the user opens from it lists each with the reason.
#include "CommandDriving.h"

#include "core/engine/settings/AppSettings.h"
#include "desktop/dialogs/DlgUnreadFolders.h"
#include "desktop/shell/StatusPanes.h"
#include "desktop/ui/CommandIds.h"

#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// Files enough for the walk's first progress report to come while the root folder's files
// are reported, before its sub-folders ("zz...", sorted after the files) are entered.
constexpr int kRootFiles = 4096;

} // namespace

class UnreadFoldersTest : public QObject
{
    Q_OBJECT
private slots:
    void unreadSubFoldersAreCountedAndListed()
    {
        ShellFixture f;
        for (int i = 0; i < kRootFiles; ++i)
            QVERIFY(f.tree.createFile(u"f%1.txt"_s.arg(i, 4, 10, QChar(u'0'))));
        for (const QString &name : {u"zz1/a.txt"_s, u"zz2/b.txt"_s, u"zz3/c.txt"_s})
            QVERIFY(f.tree.createFile(name));
        CAppSettings().SetViewFilesInSubFolders(1);
        QVERIFY(startListing(f, f.tree.root()));
        QCOMPARE(f.view()->fileModel().rowCount(), kRootFiles + 3);
        QCOMPARE(f.frame()->folderInfoPane()->text(), u"3 Folder(s) Searched"_s);
        QVERIFY(!f.run(u"UnreadFolders"_s));

        // Tests run as root, whom permissions do not stop: two sub-folders become unreadable
        // by going away after the walk has met them and before it enters them.
        ListController &controller = f.view()->controller();
        controller.setLoadCheckpoint([&f](int rowsSoFar) {
            if (rowsSoFar == kRootFiles) {
                f.tree.remove(u"zz1"_s);
                f.tree.remove(u"zz3"_s);
            }
        });
        QVERIFY(f.run(u"Reload"_s));
        QVERIFY(waitListed(f.view()));
        controller.setLoadCheckpoint({});
        // The rows of the other folders are listed as usual.
        QCOMPARE(f.view()->fileModel().rowCount(), kRootFiles + 1);
        QCOMPARE(f.frame()->folderInfoPane()->text(), u"3 Folder(s) Searched, 2 Not Read"_s);

        // The status bar offers the list while there is one to show.
        f.frame()->refreshCommandStates();
        auto *control = f.frame()->findChild<QToolButton *>(u"UnreadFoldersControl"_s);
        QVERIFY(control);
        QVERIFY(control->isVisibleTo(f.frame()));
        QList<QStringList> listed;
        QString summary;
        f.prompts.onModal = [&listed, &summary](QDialog *dialog) {
            const auto *table = dialog->findChild<QTableWidget *>(u"Folders"_s);
            for (int row = 0; table && row < table->rowCount(); ++row)
                listed.append({table->item(row, 0)->text(), table->item(row, 1)->text()});
            summary = failureSummary(dialog);
            return int(QDialog::Accepted);
        };
        QTest::mouseClick(control, Qt::LeftButton);
        QCOMPARE(f.prompts.modalDialogs, QStringList{u"CDlgUnreadFolders"_s});
        QCOMPARE(summary, u"2 Sub Folder(s) Could Not be Read: Their Files are Not Listed"_s);
        QCOMPARE(listed,
                 (QList<QStringList>{{f.tree.path(u"zz1"_s), u"No such file or directory"_s},
                                     {f.tree.path(u"zz3"_s), u"No such file or directory"_s}}));

        // A listing that reads every folder takes the count and the list away.
        QVERIFY(f.tree.createFile(u"zz1/a.txt"_s) && f.tree.createFile(u"zz3/c.txt"_s));
        QVERIFY(f.run(u"Reload"_s));
        QVERIFY(waitListed(f.view()));
        QCOMPARE(f.frame()->folderInfoPane()->text(), u"3 Folder(s) Searched"_s);
        f.frame()->refreshCommandStates();
        QVERIFY(!control->isVisibleTo(f.frame()));
        QVERIFY(!f.run(u"UnreadFolders"_s));
    }

    // The window copies its list as text, a line per folder.
    void theListIsCopiedAsText()
    {
        CDlgUnreadFolders dialog({{u"/a/b"_s, u"Permission denied"_s}, {u"/a/c\td"_s, u"gone"_s}});
        QCOMPARE(dialog.text(), u"Folder\tReason\n/a/b\tPermission denied\n/a/c d\tgone\n"_s);
    }
};

QTEST_MAIN(UnreadFoldersTest)
#include "tst_UnreadFolders.moc"
