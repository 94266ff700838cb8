#include "listing/view/QuirewellView.h"

#include "engine/FileNames.h"
#include "engine/NewNameRule.h"
#include "listing/ListingTexts.h"
#include "listing/presence/FolderPresence.h"
#include "listing/view/ListingFrame.h"
#include "listing/view/ListingJob.h"
#include "listing/view/RowContextMenu.h"
#include "listing/view/WaitCursor.h"
#include "ui/CommandIds.h"
#include "ui/Prompts.h"

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
    : QTableView(parent), m_frame(frame)
{
    setObjectName(QStringLiteral("fileList"));
    registerCommands();
    m_menuPopup = createRowContextMenu(this, commands);
    m_progressTimer.setInterval(100);
    connect(&m_progressTimer, &QTimer::timeout, this, &CQuirewellView::showLoadProgress);
}

CQuirewellView::~CQuirewellView()
{
    OnDestroy();
}

void CQuirewellView::OnInitialUpdate(const QString &initialFolder)
{
    m_strFolder.clear();
    SetupColumns();
    LoadListingSettings();
    if (!initialFolder.isEmpty())
        requestLoad({initialFolder, AfterLoad::Caption});
    else
        postToSelf(Cmd::FolderLocation);
}

void CQuirewellView::SetupColumns()
{
    if (model() == &m_model) {
        m_model.setRows({});
        m_presence.reset();
        return;
    }
    setModel(&m_model);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);

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
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CQuirewellView::commandStatesChanged);
}

void CQuirewellView::OnDestroy()
{
    if (model() == &m_model) {
        const QHeaderView *header = horizontalHeader();
        for (int column = 0; column < header->count(); ++column)
            CAppSettings::WriteProfileInt(columnSetting(column), header->sectionSize(column));
    }
    delete m_dlgRenameParameters.data();
}

void CQuirewellView::LoadListingSettings()
{
    m_bDisplayHidden = m_settings.GetDisplayHiddenFiles() != 0;
    m_bDisplayReadOnly = m_settings.GetDisplayReadOnlyFiles() != 0;
}

void CQuirewellView::LoadFileList(AfterLoad then)
{
    requestLoad({std::nullopt, then});
}

void CQuirewellView::requestLoad(LoadRequest request)
{
    m_pendingLoads.push_back(std::move(request));
    if (!m_job)
        startNextLoad();
}

void CQuirewellView::startNextLoad()
{
    while (!m_job && !m_pendingLoads.empty()) {
        LoadRequest request = std::move(m_pendingLoads.front());
        m_pendingLoads.pop_front();
        if (request.folder)
            m_strFolder = *request.folder;
        if (m_strFolder.isEmpty()) {
            runAfterLoad(request.then);
            emit loadFinished();
            continue;
        }
        ListingJob::Request job;
        job.folder = m_strFolder;
        job.recurse = m_settings.GetViewFilesInSubFolders() != 0;
        job.displayHidden = m_bDisplayHidden;
        job.displayReadOnly = m_bDisplayReadOnly;
        m_job = std::make_unique<ListingJob>(std::move(job));
        m_jobThen = request.then;
        connect(m_job.get(), &ListingJob::finished, this, &CQuirewellView::onLoadFinished);
        m_job->start();
        showLoadProgress();
        m_progressTimer.start();
        emit commandStatesChanged();
    }
}

void CQuirewellView::showLoadProgress()
{
    if (m_frame && m_job)
        m_frame->showProgress(QStringLiteral("Listing Files from [%1]: %2 File(s) Found")
                                  .arg(m_job->request().folder)
                                  .arg(m_job->rowsSoFar()));
}

void CQuirewellView::onLoadFinished()
{
    std::unique_ptr<ListingJob> job = std::move(m_job);
    m_progressTimer.stop();
    if (m_frame)
        m_frame->showProgress(m_strAfterBatchReload);
    m_strAfterBatchReload.clear();

    const FileListLoader::Result &result = job->result();
    const QString folder = job->request().folder;
    if (result.status == FileListLoader::Status::CannotList) {
        Prompts::instance().message(this, ListingTexts::couldNotList(folder),
                                    Prompts::Icon::Information);
        m_strFolder.clear();
    } else if (result.status == FileListLoader::Status::Listed) {
        m_model.setRows(job->takeRows());
        m_presence = job->takePresence();
        m_bHiddenSeen = result.hiddenSeen;
        m_bReadOnlySeen = result.readOnlySeen;
        m_bSubFoldersListed = job->request().recurse;
        UpdateStatusSummary(result.foldersRecorded);
        if (m_model.rowCount() == 0)
            Prompts::instance().message(this, ListingTexts::noFilesFound(folder),
                                        Prompts::Icon::Information);
    }
    runAfterLoad(m_jobThen);
    emit commandStatesChanged();
    emit loadFinished();
    startNextLoad();
}

void CQuirewellView::runAfterLoad(AfterLoad then)
{
    if (then != AfterLoad::Nothing)
        UpdateFolderCaption();
    // A recompute asked for during the loads runs after the last of them, as it would have
    // if they had been done before it was asked for.
    const bool computeAsked = m_bComputeAfterLoads && m_pendingLoads.empty();
    if (computeAsked)
        m_bComputeAfterLoads = false;
    if (then == AfterLoad::CaptionAndNewNames || computeAsked)
        ComputeNewNames();
}

void CQuirewellView::UpdateFolderCaption()
{
    if (m_frame)
        m_frame->setCaptionText(ListingTexts::folderCaption(m_strFolder));
}

void CQuirewellView::UpdateStatusSummary(std::optional<int> foldersRecorded)
{
    if (!m_frame)
        return;
    const bool hiddenIgnored = m_bHiddenSeen && m_settings.GetDisplayHiddenFiles() == 0;
    const bool readOnlyIgnored = m_bReadOnlySeen && m_settings.GetDisplayReadOnlyFiles() == 0;
    m_frame->setFileStatistics(ListingTexts::fileStatistics(m_model.rowCount(), m_strFolder,
                                                            hiddenIgnored, readOnlyIgnored));
    if (foldersRecorded)
        m_frame->setFolderInformation(ListingTexts::folderInformation(*foldersRecorded));
}

void CQuirewellView::ComputeNewNames()
{
    ComputeNewNames(RenameParameters::fromSettings(m_settings));
}

void CQuirewellView::setRenameParameters(const RenameParameters &parameters)
{
    m_handedParameters = parameters;
    if (m_bHandedComputePosted)
        return;
    m_bHandedComputePosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_bHandedComputePosted = false;
            // As Cmd::DisplayNewNames: nothing while a batch renames; rows being listed get
            // their new names once they are in.
            if (m_bRenaming)
                return;
            if (isLoading())
                m_bComputeAfterLoads = true;
            else
                ComputeNewNames(m_handedParameters);
        },
        Qt::QueuedConnection);
}

void CQuirewellView::ComputeNewNames(const RenameParameters &params)
{
    WaitCursor wait;
    if (m_presence) {
        // Only the rows of folders changed since the load are looked up; the names are the
        // same as with a look-up of every row.
        const std::vector<std::uint8_t> present = m_presence->presence(m_model.rows());
        ComputeNewFileNames(m_model.mutableRows(), params, &present);
    } else {
        ComputeNewFileNames(m_model.mutableRows(), params);
    }
    m_model.newNamesChanged();
    emit newNamesComputed();
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
    const QString chosen = Prompts::instance().pickFolder(this, m_strFolder);
    if (!chosen.isEmpty()) {
        // A folder picker answer may end in '/' ("/" itself stays as it is).
        requestLoad({withoutTrailingSlashes(chosen), AfterLoad::Caption});
    } else {
        UpdateFolderCaption();
    }
}

void CQuirewellView::OnReload()
{
    LoadFileList(AfterLoad::CaptionAndNewNames);
}

void CQuirewellView::OnSettings()
{
    emit settingsRequested();
}

void CQuirewellView::OnSettingsChanged()
{
    LoadListingSettings();
    LoadFileList();
}

void CQuirewellView::OnRenameParameters()
{
    emit renameParametersRequested();
}

void CQuirewellView::OnRenameSelectedFile()
{
    const int row = firstSelectedRow();
    if (row < 0) {
        Prompts::instance().message(this, QStringLiteral("Please select a File to Rename."),
                                    Prompts::Icon::Information);
        return;
    }
    const FileRows &rows = m_model.rows();
    const FileRow &r = rows.rows[size_t(row)];
    emit singleFileRenameRequested({row, rows.fullPath(row), rows.location(row), r.loadedName,
                                    rows.folders[r.folder].rawPath, r.nameBytes()});
}

void CQuirewellView::OnSingleFileRenamed(const FileToRename &file, const QString &newName)
{
    // A posted reload may have run inside the modal loop; then the row is not the same file.
    if (file.row < m_model.rowCount() && m_model.rows().fullPath(file.row) == file.path)
        m_model.renameRow(file.row, newName);
}

void CQuirewellView::contextMenuEvent(QContextMenuEvent *event)
{
    // Opens whether or not a row is under the pointer; the items act on the selection.
    m_menuPopup->popup(event->globalPos());
    event->accept();
}

void CQuirewellView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
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
            m_model.toggle(currentIndex().row());
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
    if (event->button() == Qt::LeftButton)
        runCommand(Cmd::Open);
}
