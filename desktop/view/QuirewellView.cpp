#include "desktop/view/QuirewellView.h"

#include "core/engine/names/FileNames.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/ui/Prompts.h"
#include "desktop/view/ConflictDelegate.h"
#include "desktop/view/NewNamesTextPane.h"
#include "desktop/view/RowContextMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>

namespace {

QString columnSetting(int column)
{
    return QStringLiteral("Column%1").arg(column);
}

} // namespace

CQuirewellView::CQuirewellView(ListingFrame *frame, const CommandActions &commands, QWidget *parent)
    : QTableView(parent), m_controller(frame, this, [this](int id) { postToSelf(id); })
{
    setObjectName(QStringLiteral("fileList"));
    setAccessibleName(tr("File List"));
    setAccessibleDescription(tr("Space checks or unchecks the current row, Shift+F10 opens its "
                                "menu; Alt, H, B sorts the list by a column"));
    registerCommands();
    m_menuPopup = createRowContextMenu(this, commands);
    connect(&m_controller, &ListController::loadFinished, this, &CQuirewellView::fitNumberColumn);
    connect(&m_controller, &ListController::loadFinished, this, &CQuirewellView::loadFinished);
    connect(&m_controller, &ListController::newNamesComputed, this,
            &CQuirewellView::newNamesComputed);
    connect(&m_controller, &ListController::busyChanged, this,
            &CQuirewellView::commandStatesChanged);
    connect(&m_controller, &ListController::undoLookedUp, this,
            &CQuirewellView::commandStatesChanged);
    m_controller.setVisibleRows([this]() -> std::pair<int, int> {
        const int first = rowAt(0);
        if (first < 0)
            return {-1, -1};
        const int last = rowAt(viewport()->height() - 1);
        return {first, last < 0 ? fileModel().rowCount() - 1 : last};
    });
}

CQuirewellView::~CQuirewellView()
{
    OnDestroy();
}

void CQuirewellView::OnInitialUpdate(const QString &initialFolder)
{
    m_controller.reset();
    SetupColumns();
    if (!initialFolder.isEmpty())
        m_controller.requestLoad(initialFolder, AfterLoad::Caption);
    else
        postToSelf(Cmd::FolderLocation);
}

void CQuirewellView::SetupColumns()
{
    if (model() == &fileModel())
        return;
    setModel(&fileModel());
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *names = new ConflictDelegate(this);
    names->setEditedRows([this](int row) { return m_controller.isNameEdited(row); });
    setItemDelegateForColumn(FileListModel::NewName, names);

    // Uniform row heights and no sizing to contents keep 100,000 rows cheap.
    QHeaderView *rowHeader = verticalHeader();
    rowHeader->hide();
    rowHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowHeader->setDefaultSectionSize(fontMetrics().height() + 6);

    QHeaderView *header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < FileListModel::ColumnCount; ++column) {
        const int width =
            CAppSettings::GetProfileInt(columnSetting(column), FileListModel::defaultWidth(column));
        header->resizeSection(column, width);
    }
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false); // until the first click: the listing's order
    connect(header, &QHeaderView::sectionClicked, this, &CQuirewellView::sortByHeader);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CQuirewellView::commandStatesChanged);
}

void CQuirewellView::sortByHeader(int column)
{
    // The header flips its own indicator on a click once it shows one, so the order is
    // kept here.
    const bool descending = column == m_sortColumn && !m_sortDescending;
    QHeaderView *header = horizontalHeader();
    if (m_controller.sortByColumn(column, descending)) {
        m_sortColumn = column;
        m_sortDescending = descending;
    }
    if (m_sortColumn >= 0) {
        header->setSortIndicator(m_sortColumn,
                                 m_sortDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
        header->setSortIndicatorShown(true);
    }
}

void CQuirewellView::fitNumberColumn()
{
    const int rows = fileModel().rowCount();
    if (rows == 0 || model() != &fileModel())
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex last = fileModel().index(rows - 1, FileListModel::Sr);
    const int needed = itemDelegate()->sizeHint(option, last).width() + (showGrid() ? 1 : 0);
    if (horizontalHeader()->sectionSize(FileListModel::Sr) < needed)
        horizontalHeader()->resizeSection(FileListModel::Sr, needed);
}

void CQuirewellView::OnDestroy()
{
    if (model() == &fileModel()) {
        const QHeaderView *header = horizontalHeader();
        for (int column = 0; column < header->count(); ++column)
            CAppSettings::WriteProfileInt(columnSetting(column), header->sectionSize(column));
    }
    delete m_dlgRenameParameters.data();
}

int CQuirewellView::firstSelectedRow() const
{
    if (!selectionModel())
        return -1;
    int first = -1;
    for (const QItemSelectionRange &range : selectionModel()->selection()) {
        if (first < 0 || range.top() < first)
            first = range.top();
    }
    return first;
}

void CQuirewellView::postToSelf(int id)
{
    QMetaObject::invokeMethod(
        this, [this, id] { runCommand(id); }, Qt::QueuedConnection);
}

void CQuirewellView::OnFolderLocation()
{
    const QString chosen = Prompts::instance().pickFolder(this, folder());
    if (!chosen.isEmpty()) {
        // A folder picker answer may end in '/' ("/" itself stays as it is).
        m_controller.requestLoad(withoutTrailingSlashes(chosen), AfterLoad::Caption);
    } else {
        m_controller.UpdateFolderCaption();
    }
}

void CQuirewellView::OnReload()
{
    m_controller.LoadFileList(AfterLoad::CaptionAndNewNames);
}

void CQuirewellView::OnSettings()
{
    emit settingsRequested();
}

void CQuirewellView::onSettingsChanged()
{
    m_controller.LoadListingSettings();
    m_controller.LoadFileList();
}

void CQuirewellView::OnRenameParameters()
{
    emit renameParametersRequested();
}

void CQuirewellView::OnRenameSelectedFile()
{
    const int row = firstSelectedRow();
    if (row < 0) {
        Prompts::instance().message(this, tr("Please select a File to Rename."),
                                    Prompts::Icon::Information);
        return;
    }
    m_controller.finishNewNames();
    const FileRows &rows = fileModel().rows();
    const FileRow &r = rows.rows[size_t(row)];
    emit singleFileRenameRequested({row, rows.fullPath(row), rows.location(row), r.loadedName,
                                    rows.folders[r.folder].rawPath, r.nameBytes()});
}

void CQuirewellView::onSingleFileRenamed(const FileToRename &file, const QString &newName)
{
    // A posted reload may have run inside the modal loop; then the row is not the same file.
    FileListModel &model = fileModel();
    if (file.row < model.rowCount() && model.rows().fullPath(file.row) == file.path)
        model.renameRow(file.row, newName);
    m_controller.lookUpUndoAvailable(); // the rename is journaled and can be undone
}

void CQuirewellView::contextMenuEvent(QContextMenuEvent *event)
{
    // Opens whether or not a row is under the pointer; the items act on the selection.
    if (event->reason() == QContextMenuEvent::Keyboard)
        popupRowMenuAtCurrentRow();
    else
        m_menuPopup->popup(event->globalPos());
    event->accept();
}

void CQuirewellView::popupRowMenuAtCurrentRow()
{
    // From the keyboard the menu opens under the current row, or at the top of the list.
    QPoint at(0, 0);
    if (const QModelIndex current = currentIndex(); current.isValid()) {
        const QRect cell = visualRect(current);
        if (viewport()->rect().intersects(cell))
            at = QPoint(cell.left(), cell.bottom());
    }
    m_menuPopup->popup(viewport()->mapToGlobal(at));
}

bool CQuirewellView::event(QEvent *event)
{
    // The table copies the current cell on the copy keys; here the window's accelerators
    // decide what those keys do (Ctrl+Insert is the Copy command, Ctrl+C nothing).
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy))
        return QWidget::event(event);
    return QTableView::event(event);
}

QModelIndex CQuirewellView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Home and End, with or without Ctrl, go to the first or last row in the current column,
    // so the file names stay in sight.
    if ((action == MoveHome || action == MoveEnd) && model() && model()->rowCount() > 0) {
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        return model()->index(action == MoveHome ? 0 : model()->rowCount() - 1, column);
    }
    return QTableView::moveCursor(action, modifiers);
}

void CQuirewellView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_F10:
        if (event->modifiers() == Qt::ShiftModifier) {
            popupRowMenuAtCurrentRow();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            runCommand(Cmd::Open);
            event->accept();
            return;
        }
        break;
    case Qt::Key_Space:
        if (event->modifiers() == Qt::NoModifier && currentIndex().isValid()) {
            fileModel().toggle(currentIndex().row());
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QTableView::keyPressEvent(event);
}

void CQuirewellView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // A double-click on a "New File Name" cell types a new name there; elsewhere it opens.
    const QModelIndex cell = indexAt(event->position().toPoint());
    if (cell.isValid() && cell.column() == FileListModel::NewName)
        runCommand(Cmd::EditNewName);
    else
        runCommand(Cmd::Open);
}
