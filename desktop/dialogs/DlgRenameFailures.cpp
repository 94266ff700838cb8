#include "desktop/dialogs/DlgRenameFailures.h"

namespace {

CDlgTextList::Content contentOf(int renamed, const QList<FailedRename> &failures)
{
    CDlgTextList::Content content{
        QStringLiteral("Files Not Renamed - "),
        QStringLiteral("%1 renamed, %2 could not be renamed").arg(renamed).arg(failures.size()),
        QStringLiteral("Failures"),
        {QStringLiteral("Loaded File Name"), QStringLiteral("New File Name"),
         QStringLiteral("Location"), QStringLiteral("Reason")},
        {}};
    for (const FailedRename &f : failures)
        content.rows.append({f.loadedName, f.newName, f.location, f.reason});
    return content;
}

} // namespace

CDlgRenameFailures::CDlgRenameFailures(int renamed, const QList<Failure> &failures, QWidget *parent)
    : CDlgTextList(contentOf(renamed, failures), parent)
{}
