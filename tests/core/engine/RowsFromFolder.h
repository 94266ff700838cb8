#pragma once

#include "core/engine/names/FileRows.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Appends one row per entry of folder (no trailing '/'), sorted by name, as a listing would:
// checked, new name equal to the loaded name (decodeFileName of its bytes).
void appendFolderRows(FileRows &rows, const QString &folder);

// Appends a row for name in folder (no trailing '/') whether or not the file exists.
void appendRow(FileRows &rows, const QString &folder, const QByteArray &name);

// Every row's new name, in list order.
QStringList newNames(const FileRows &rows);

// The contents of every regular file directly in folder, sorted: a batch must neither lose
// nor duplicate a file.
QList<QByteArray> folderContents(const QString &folder);
