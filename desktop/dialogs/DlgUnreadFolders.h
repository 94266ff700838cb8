#pragma once

#include "desktop/dialogs/DlgTextList.h"

#include <QList>
#include <QString>

// The sub-folders a listing met but could not read (no permission, removed meanwhile), each
// with the reason: the rows of the list are those of the other folders.
class CDlgUnreadFolders : public CDlgTextList
{
    Q_OBJECT

public:
    struct Folder
    {
        QString path; // as shown in the list's "Location" column
        QString reason;
    };

    explicit CDlgUnreadFolders(const QList<Folder> &folders, QWidget *parent = nullptr);
};
