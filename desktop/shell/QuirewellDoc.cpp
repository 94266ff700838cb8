#include "desktop/shell/QuirewellDoc.h"

#include "desktop/ui/CommandIds.h"
#include "desktop/ui/Prompts.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

namespace {
int g_untitledCount = 0;
const QString kExtension = QStringLiteral(".kvx");
} // namespace

CQuirewellDoc::CQuirewellDoc(QObject *parent)
    : QObject(parent), m_title(QStringLiteral("OrvaltRenamer%1").arg(++g_untitledCount))
{
    registerCommands();
}

CQuirewellDoc::CQuirewellDoc(const QString &path, QObject *parent)
    : QObject(parent), m_path(QFileInfo(path).absoluteFilePath()),
      m_title(QFileInfo(path).fileName())
{
    registerCommands();
}

QString CQuirewellDoc::fileFilter()
{
    return tr("Orvalt Quirewell Files (*.kvx)");
}

QString CQuirewellDoc::openFailure(const QString &path)
{
    // Not opened to find out: a named pipe would block until someone writes to it.
    const QFileInfo info(path);
    if (info.isFile() && info.isReadable())
        return {};
    if (!info.exists())
        return tr("%1\nCannot find this file.\nPlease verify that the correct path "
                  "and file name are given.")
            .arg(QFileInfo(path).absoluteFilePath());
    return tr("Failed to open document.");
}

bool CQuirewellDoc::saveDocument(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.close();
    m_path = QFileInfo(path).absoluteFilePath();
    m_title = QFileInfo(path).fileName();
    emit titleChanged(m_title);
    return true;
}

QWidget *CQuirewellDoc::promptParent() const
{
    return QApplication::activeWindow();
}

void CQuirewellDoc::onFileSave()
{
    if (m_path.isEmpty()) {
        onFileSaveAs();
        return;
    }
    if (!saveDocument(m_path))
        Prompts::instance().message(promptParent(), tr("Failed to save document."),
                                    Prompts::Icon::Error);
}

void CQuirewellDoc::onFileSaveAs()
{
    const QString suggested = m_path.isEmpty() ? m_title + kExtension : m_path;
    QString path = Prompts::instance().pickSaveFile(promptParent(), suggested, fileFilter());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += kExtension;
    if (!saveDocument(path))
        Prompts::instance().message(promptParent(), tr("Failed to save document."),
                                    Prompts::Icon::Error);
}

void CQuirewellDoc::registerCommands()
{
    registerCommand(Cmd::FileSave, [this] { onFileSave(); });
    registerCommand(Cmd::FileSaveAs, [this] { onFileSaveAs(); });
    registerCommand(Cmd::FileClose, [this] { emit closeRequested(); });
}
