#pragma once

#include <QList>
#include <QString>

class FileRows;
struct BatchResult;

// One rename that failed, as the failure window lists it.
struct FailedRename
{
    QString loadedName;
    QString newName;
    QString location;
    QString reason;
};

// The failures of a batch over rows, in list order.
QList<FailedRename> failedRenamesOf(const FileRows &rows, const BatchResult &result);
