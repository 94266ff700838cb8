#pragma once

#include "core/engine/rename/BatchRename.h"

class FileRows;

// Renames every checked row to its new name like RenameCheckedFiles, but in an order that
// lets a row take a name another listed row is leaving. Per folder, a row whose new name
// is another moving row's old name waits for that row; chains start at their free end and
// each cycle (a swap, a rotation) first parks one file under a temporary name no entry of
// the folder has. Names are matched byte for byte, and on a file system that folds case
// also by the file they reach. Every step is a never-replacing renameInFolder.
//
// A row whose new name is taken by a file outside the plan fails as in RenameCheckedFiles;
// rows waiting for a row that failed fail with a reason that names the file still there.
// When a step inside a cycle fails, the cycle's finished steps are moved back, so no file
// is left under a temporary name. Progress counts rows and temporary steps. A stop is seen
// between folders: a folder's chains and cycles are never left half done.
BatchResult renameCheckedFilesInChains(const FileRows &rows, const BatchProgress &progress = {},
                                       const BatchStop *stop = nullptr);

// The undo of the journal entry undoes: renames every checked row like
// renameCheckedFilesInChains, journaled as that entry's undo, and moves a row only while its
// loaded name still holds the file of the row's inode on its folder's device (a row that is
// not fails with changedFileText()). A stop is seen between folders, as above.
BatchResult renameRowsBack(const FileRows &rows, const QString &undoes,
                           const BatchProgress &progress = {}, const BatchStop *stop = nullptr);

QString changedFileText();
// The reason given to a row whose new name is still held by blocker's file.
QString blockedByText(const QString &blocker);
