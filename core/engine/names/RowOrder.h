#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <optional>
#include <vector>

class FileRows;

// What the list can be ordered by. Names compare case-insensitively (case-folded UTF-16,
// each byte that is not UTF-8 kept as its own unit), as each folder's entries are listed.
// Natural order compares runs of ASCII digits by their value ("file2" before "file10").
enum class RowSortKey
{
    Serial, // the listing's order
    Name,
    NaturalName,
    NewName,
    NaturalNewName,
    Modified,
    Size,
    Location,
};

// The key a quirewell-cli --sort word stands for ("name", "natural", "modified", "size").
std::optional<RowSortKey> rowSortKeyFromWord(const QString &word);

// The rows' indices in the order key gives, ascending or descending. Rows that compare equal
// keep the listing's order (by serial) either way, so the order is the same on every run.
std::vector<quint32> sortedRowOrder(const FileRows &rows, RowSortKey key, bool descending);

// Puts row order[i] at position i. The rows' marks are cleared: they belong to names the
// new order computes again.
void reorderRows(FileRows &rows, const std::vector<quint32> &order);
