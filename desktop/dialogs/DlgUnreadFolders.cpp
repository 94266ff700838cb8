#include "desktop/dialogs/DlgUnreadFolders.h"

namespace {

CDlgTextList::Content contentOf(const QList<CDlgUnreadFolders::Folder> &folders)
{
    CDlgTextList::Content content{
        QStringLiteral("Folders Not Read - "),
        QStringLiteral("%1 Sub Folder(s) Could Not be Read: Their Files are Not Listed")
            .arg(folders.size()),
        QStringLiteral("Folders"),
        {QStringLiteral("Folder"), QStringLiteral("Reason")},
        {}};
    for (const CDlgUnreadFolders::Folder &folder : folders)
        content.rows.append({folder.path, folder.reason});
    return content;
}

} // namespace

CDlgUnreadFolders::CDlgUnreadFolders(const QList<Folder> &folders, QWidget *parent)
    : CDlgTextList(contentOf(folders), parent)
{}
