#include "desktop/dialogs/DlgRenameFailures.h"

#include <QCoreApplication>

namespace {

CDlgTextList::Content contentOf(int renamed, const QList<FailedRename> &failures)
{
    CDlgTextList::Content content{
        QCoreApplication::translate("CDlgRenameFailures", "Files Not Renamed - "),
        QCoreApplication::translate("CDlgRenameFailures", "%1, %2")
            .arg(QCoreApplication::translate("CDlgRenameFailures", "%n renamed", nullptr, renamed),
                 QCoreApplication::translate("CDlgRenameFailures", "%n could not be renamed",
                                             nullptr, int(failures.size()))),
        QCoreApplication::translate("CDlgRenameFailures", "Failures"),
        {QCoreApplication::translate("CDlgRenameFailures", "Loaded File Name"),
         QCoreApplication::translate("CDlgRenameFailures", "New File Name"),
         QCoreApplication::translate("CDlgRenameFailures", "Location"),
         QCoreApplication::translate("CDlgRenameFailures", "Reason")},
        {}};
    for (const FailedRename &f : failures)
        content.rows.append({f.loadedName, f.newName, f.location, f.reason});
    return content;
}

} // namespace

CDlgRenameFailures::CDlgRenameFailures(int renamed, const QList<Failure> &failures, QWidget *parent)
    : CDlgTextList(contentOf(renamed, failures), parent)
{}
