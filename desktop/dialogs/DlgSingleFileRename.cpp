#include "desktop/dialogs/DlgSingleFileRename.h"

#include "core/engine/journal/BatchJournal.h"
#include "core/engine/names/FileNames.h"
#include "core/engine/rename/RenameOperation.h"
#include "desktop/dialogs/DialogLook.h"
#include "desktop/ui/Prompts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CDlgSingleFileRename::CDlgSingleFileRename(QWidget *parent)
    : QDialog(parent), m_editNewFileName(new QLineEdit(this)),
      m_editFileToRename(new QLineEdit(this)), m_buttonOk(new QPushButton(tr("OK"), this)),
      m_buttonCancel(new QPushButton(tr("Cancel"), this))
{
    m_editNewFileName->setObjectName(QStringLiteral("NewFileName"));
    m_editFileToRename->setObjectName(QStringLiteral("FileToRename"));
    m_editFileToRename->setReadOnly(true);
    m_buttonOk->setObjectName(QStringLiteral("Ok"));
    m_buttonCancel->setObjectName(QStringLiteral("Cancel"));
    m_buttonOk->setDefault(true);

    auto *newNameLabel = new QLabel(tr("&New File Name :"), this);
    newNameLabel->setBuddy(m_editNewFileName);
    auto *oldNameLabel = new QLabel(tr("&File to Rename :"), this);
    oldNameLabel->setBuddy(m_editFileToRename);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_buttonOk);
    buttons->addWidget(m_buttonCancel);
    const int iconSize = fromDialogUnits(this, 20, 0).width();
    auto *grid = new QGridLayout(this);
    grid->addWidget(makeIconLabel(iconSize, this), 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(oldNameLabel, 0, 1);
    grid->addWidget(m_editFileToRename, 0, 2);
    grid->addWidget(newNameLabel, 1, 1);
    grid->addWidget(m_editNewFileName, 1, 2);
    grid->setRowStretch(2, 1);
    grid->addLayout(buttons, 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    setTabOrder(m_editNewFileName, m_buttonOk);
    setTabOrder(m_buttonOk, m_buttonCancel);
    setTabOrder(m_buttonCancel, m_editFileToRename);
    connect(m_buttonOk, &QPushButton::clicked, this, &CDlgSingleFileRename::accept);
    connect(m_buttonCancel, &QPushButton::clicked, this, &CDlgSingleFileRename::reject);

    const QIcon icon = applicationIcon();
    if (!icon.isNull())
        setWindowIcon(icon);
    setWindowTitle(captionWithTitle(tr("Rename Single File - ")));
    resize(fromDialogUnits(this, 316, 114));
    m_editNewFileName->setFocus();
}

void CDlgSingleFileRename::setFile(const QString &location, const QString &fileName,
                                   const QByteArray &locationBytes, const QByteArray &nameBytes)
{
    m_strLocation = location;
    m_strFileToRename = fileName;
    m_strNewFileName = fileName;
    m_locationBytes = locationBytes.isEmpty() ? encodeFileName(location) : locationBytes;
    m_nameBytes = nameBytes.isEmpty() ? encodeFileName(fileName) : nameBytes;
    m_editFileToRename->setText(m_strFileToRename);
    m_editNewFileName->setText(m_strNewFileName);
}

void CDlgSingleFileRename::takeControls()
{
    m_strFileToRename = m_editFileToRename->text();
    m_strNewFileName = m_editNewFileName->text();
}

bool CDlgSingleFileRename::renameFile(QString &error) const
{
    // The new name stays inside the file's own folder: a name with '/' is refused rather
    // than taken as a path.
    error = refusedNameReason(m_strNewFileName);
    if (!error.isEmpty())
        return false;
    return renameSingleFile(m_locationBytes, m_nameBytes, m_strNewFileName, error);
}

void CDlgSingleFileRename::accept()
{
    takeControls();
    if (m_strNewFileName.isEmpty()) {
        Prompts::instance().message(this, tr("New File Name Cannot be Left Empty."),
                                    Prompts::Icon::Error);
        return;
    }
    if (m_strNewFileName == m_strFileToRename) {
        QDialog::accept();
        return;
    }
    QString error;
    if (renameFile(error)) {
        QDialog::accept();
        return;
    }
    m_strMessage = tr("Could Not Rename File.\n\n") + error;
    Prompts::instance().message(this, m_strMessage, Prompts::Icon::Error);
}
