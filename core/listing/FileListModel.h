#pragma once

#include "core/engine/names/FileRows.h"
#include "core/engine/names/RowOrder.h"

#include <QAbstractTableModel>

// The six-column checkable file list as a Qt item model over FileRows. Lives in QtCore so
// that the desktop view shows it unchanged and tests need no display. The check box is on
// column 0 (Qt::CheckStateRole).
class FileListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        Sr,
        LoadedName,
        NewName,
        LastWriteTime,
        Size,
        Location,
        ColumnCount
    };

    // The "New File Name" cell's RowProblem, as an int; the cell's tooltip says what it means.
    static constexpr int kProblemRole = Qt::UserRole + 1;

    explicit FileListModel(QObject *parent = nullptr);

    static QString headerText(int column);
    static int defaultWidth(int column); // 75, 350, 350, 250, 150, 250

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // The cell text, exactly as the list shows it.
    QString text(int row, int column) const;

    const FileRows &rows() const { return m_rows; }
    // What a click on a column's header sorts by; natural: names in natural order.
    static RowSortKey sortKey(int column, bool natural);
    // Puts row order[i] at position i (see sortedRowOrder); selections follow their rows.
    void reorder(const std::vector<quint32> &order);

    // Replaces every row (a load); returns the rows replaced, for the caller to free.
    FileRows setRows(FileRows &&rows);
    // After the new names (or their marks) were computed in place through mutableRows().
    FileRows &mutableRows() { return m_rows; }
    void newNamesChanged();
    // Rows first to last (inclusive) only.
    void newNamesChanged(int first, int last);

    void setChecked(int row, bool checked);
    void setAllChecked(bool checked);
    // Every row's check box at once: checked[i] for row i (one change for the whole list).
    void setChecked(const std::vector<bool> &checked);
    void toggle(int row);
    // Drops every unchecked row; the others keep their serial numbers.
    void removeUnchecked();
    // After a single-file rename: columns 1 and 2 become newName.
    void renameRow(int row, const QString &newName);

private:
    FileRows m_rows;
};
