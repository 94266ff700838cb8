#pragma once

#include <QByteArray>
#include <QList>

#include "tests/support/RemoveTree.h"

// Fast builders for trees too big or too deep for path-based helpers. They work through
// folder descriptors, so no path they touch is ever longer than one name.

// Creates a chain of depth folders, each named folderName, below root, with a file named
// "f" in every folder whose depth is a multiple of fileEvery, and in the deepest one.
// Returns the relative paths of the files, or an empty list on failure.
QList<QByteArray> createFolderChain(const QByteArray &root, int depth, const QByteArray &folderName,
                                    int fileEvery);

// Creates count empty files named prefix + a zero-padded number in folder.
bool createManyFiles(const QByteArray &folder, int count, const QByteArray &prefix);
