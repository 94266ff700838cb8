#include "desktop/dialogs/DlgUnreadFolders.h"

#include <QCoreApplication>

namespace {

CDlgTextList::Content contentOf(const QList<CDlgUnreadFolders::Folder> &folders)
{
    CDlgTextList::Content content{
        QCoreApplication::translate("CDlgUnreadFolders", "Folders Not Read - "),
        QCoreApplication::translate(
            "CDlgUnreadFolders", "%n Sub Folder(s) Could Not be Read: Their Files are Not Listed",
            nullptr, int(folders.size())),
        QCoreApplication::translate("CDlgUnreadFolders", "Folders"),
        {QCoreApplication::translate("CDlgUnreadFolders", "Folder"),
         QCoreApplication::translate("CDlgUnreadFolders", "Reason")},
        {}};
    for (const CDlgUnreadFolders::Folder &folder : folders)
        content.rows.append({folder.path, folder.reason});
    return content;
}

} // namespace

CDlgUnreadFolders::CDlgUnreadFolders(const QList<Folder> &folders, QWidget *parent)
    : CDlgTextList(contentOf(folders), parent)
{}
