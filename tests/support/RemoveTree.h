#pragma once

#include <QByteArray>

// Removes folder and everything below it, however deep: each name relative to its open folder,
// by its bytes.
bool removeTree(const QByteArray &folder);
