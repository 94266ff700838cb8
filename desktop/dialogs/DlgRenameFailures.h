#pragma once

#include "desktop/dialogs/DlgTextList.h"
#include "desktop/ui/FailedRenames.h"

#include <QList>

// The window shown after a batch in which renames failed: how many files were renamed and how
// many were not, one line per failed row (loaded name, new name, location, reason) and a
// button that copies the list as text.
class CDlgRenameFailures : public CDlgTextList
{
    Q_OBJECT

public:
    using Failure = FailedRename;

    // renamed: the files the batch did rename.
    CDlgRenameFailures(int renamed, const QList<Failure> &failures, QWidget *parent = nullptr);
};
