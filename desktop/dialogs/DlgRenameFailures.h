#pragma once

#include "desktop/ui/FailedRenames.h"

#include <QDialog>
#include <QList>
#include <QString>

class QTableWidget;

// The window shown after a batch in which renames failed: how many files were renamed and how
// many were not, one line per failed row (loaded name, new name, location, reason) and a
// button that copies the list as text.
class CDlgRenameFailures : public QDialog
{
    Q_OBJECT

public:
    using Failure = FailedRename;

    // renamed: the files the batch did rename.
    CDlgRenameFailures(int renamed, const QList<Failure> &failures, QWidget *parent = nullptr);

    // The list as copied: a header line, then one line per failure, fields separated by tabs
    // (a tab or line break inside a field is written as a space).
    QString text() const;
    void copyToClipboard() const;

private:
    QList<Failure> m_failures;
    QTableWidget *m_table;
};
