#include "core/listing/FileListModel.h"

#include "core/engine/names/FileNames.h"
#include "core/listing/ListingTexts.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

const std::array<int, FileListModel::ColumnCount> kDefaultWidths{75, 350, 350, 250, 150, 250};

} // namespace

FileListModel::FileListModel(QObject *parent) : QAbstractTableModel(parent) {}

QString FileListModel::headerText(int column)
{
    switch (column) {
    case Sr:
        return tr("Sr");
    case LoadedName:
        return tr("Loaded File Name");
    case NewName:
        return tr("New File Name");
    case LastWriteTime:
        return tr("Last Write Time");
    case Size:
        return tr("Size");
    case Location:
        return tr("Location");
    default:
        return {};
    }
}

int FileListModel::defaultWidth(int column)
{
    if (column < 0 || column >= ColumnCount)
        return 0;
    return kDefaultWidths[size_t(column)];
}

int FileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.count();
}

int FileListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ColumnCount);
}

// Texts are made from the row when asked, so that a row stays small in memory.
QString FileListModel::text(int row, int column) const
{
    if (row < 0 || row >= m_rows.count())
        return {};
    const FileRow &r = m_rows.rows[size_t(row)];
    switch (column) {
    case Sr:
        return QString::number(r.serial);
    case LoadedName:
        return displayedFileName(r.loadedName);
    case NewName:
        return displayedFileName(r.newName);
    case LastWriteTime:
        return r.mtime == kUnknownTime ? QString() : ListingTexts::lastWriteTime(r.mtime);
    case Size:
        return ListingTexts::byteSize(r.size);
    case Location:
        return displayedFileName(m_rows.location(row));
    default:
        return {};
    }
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.count())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::CheckStateRole && index.column() == Sr)
        return m_rows.rows[size_t(index.row())].checked ? Qt::Checked : Qt::Unchecked;
    if (index.column() == NewName && (role == kProblemRole || role == Qt::ToolTipRole ||
                                      role == Qt::AccessibleDescriptionRole)) {
        const size_t row = size_t(index.row());
        const RowProblem problem = m_rows.problems.kind(row);
        if (role == kProblemRole)
            return int(problem);
        if (problem != RowProblem::None)
            return ListingTexts::problemToolTip(problem, m_rows.problems.detail(row));
    }
    return {};
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return headerText(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

Qt::ItemFlags FileListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == Sr)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool FileListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != Sr || role != Qt::CheckStateRole ||
        index.row() >= m_rows.count())
        return false;
    setChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

RowSortKey FileListModel::sortKey(int column, bool natural)
{
    switch (column) {
    case LoadedName:
        return natural ? RowSortKey::NaturalName : RowSortKey::Name;
    case NewName:
        return natural ? RowSortKey::NaturalNewName : RowSortKey::NewName;
    case LastWriteTime:
        return RowSortKey::Modified;
    case Size:
        return RowSortKey::Size;
    case Location:
        return RowSortKey::Location;
    default:
        return RowSortKey::Serial;
    }
}

void FileListModel::reorder(const std::vector<quint32> &order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> placeOf(order.size());
    for (size_t k = 0; k < order.size(); ++k)
        placeOf[order[k]] = int(k);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &i : before)
        after.append(index(placeOf[size_t(i.row())], i.column()));
    reorderRows(m_rows, order);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

FileRows FileListModel::setRows(FileRows &&rows)
{
    beginResetModel();
    FileRows old = std::exchange(m_rows, std::move(rows));
    endResetModel();
    return old;
}

void FileListModel::newNamesChanged()
{
    if (m_rows.count() == 0)
        return;
    emit dataChanged(index(0, NewName), index(m_rows.count() - 1, NewName),
                     {Qt::DisplayRole, Qt::ToolTipRole, kProblemRole});
}

void FileListModel::newNamesChanged(int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, m_rows.count() - 1);
    if (first > last)
        return;
    emit dataChanged(index(first, NewName), index(last, NewName),
                     {Qt::DisplayRole, Qt::ToolTipRole, kProblemRole});
}

void FileListModel::setChecked(int row, bool checked)
{
    if (row < 0 || row >= m_rows.count())
        return;
    FileRow &r = m_rows.rows[size_t(row)];
    if (r.checked == checked)
        return;
    r.checked = checked;
    const QModelIndex cell = index(row, Sr);
    emit dataChanged(cell, cell, {Qt::CheckStateRole});
}

void FileListModel::setAllChecked(bool checked)
{
    if (m_rows.count() == 0)
        return;
    for (FileRow &r : m_rows.rows)
        r.checked = checked;
    emit dataChanged(index(0, Sr), index(m_rows.count() - 1, Sr), {Qt::CheckStateRole});
}

void FileListModel::setChecked(const std::vector<bool> &checked)
{
    if (m_rows.count() == 0 || checked.size() != m_rows.rows.size())
        return;
    for (size_t i = 0; i < checked.size(); ++i)
        m_rows.rows[i].checked = checked[i];
    emit dataChanged(index(0, Sr), index(m_rows.count() - 1, Sr), {Qt::CheckStateRole});
}

void FileListModel::toggle(int row)
{
    if (row >= 0 && row < m_rows.count())
        setChecked(row, !m_rows.rows[size_t(row)].checked);
}

void FileListModel::removeUnchecked()
{
    const auto unchecked = [](const FileRow &r) { return !r.checked; };
    if (std::none_of(m_rows.rows.begin(), m_rows.rows.end(), unchecked))
        return;
    // One reset and one linear pass, whatever the number of rows removed; the marks move
    // with their rows.
    beginResetModel();
    if (!m_rows.problems.isEmpty()) {
        RowProblems kept;
        kept.reset(size_t(m_rows.checkedCount()));
        size_t to = 0;
        for (size_t i = 0; i < m_rows.rows.size(); ++i) {
            if (!m_rows.rows[i].checked)
                continue;
            if (const RowProblem problem = m_rows.problems.kind(i); problem != RowProblem::None)
                kept.set(to, problem, m_rows.problems.detail(i));
            ++to;
        }
        m_rows.problems = std::move(kept);
    }
    std::erase_if(m_rows.rows, unchecked);
    endResetModel();
}

void FileListModel::renameRow(int row, const QString &newName)
{
    if (row < 0 || row >= m_rows.count())
        return;
    FileRow &r = m_rows.rows[size_t(row)];
    r.loadedName = newName;
    r.newName = newName;
    emit dataChanged(index(row, LoadedName), index(row, NewName), {Qt::DisplayRole});
}
