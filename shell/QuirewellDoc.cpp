#include "shell/QuirewellDoc.h"

#include "listing/CommandIds.h"
#include "listing/view/Prompts.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

namespace {
int g_untitledCount = 0;
const QString kExtension = QStringLiteral(".kvx");
} // namespace

CQuirewellDoc::CQuirewellDoc(QObject *parent)
    : QObject(parent), m_title(QStringLiteral("OrvaltRenamer%1").arg(++g_untitledCount))
{}

CQuirewellDoc::CQuirewellDoc(const QString &path, QObject *parent)
    : QObject(parent), m_path(QFileInfo(path).absoluteFilePath()),
      m_title(QFileInfo(path).fileName())
{}

QString CQuirewellDoc::fileFilter()
{
    return QStringLiteral("Orvalt Quirewell Files (*.kvx)");
}

bool CQuirewellDoc::OnSaveDocument(const QString &path)
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

void CQuirewellDoc::OnFileSave()
{
    if (m_path.isEmpty()) {
        OnFileSaveAs();
        return;
    }
    if (!OnSaveDocument(m_path))
        Prompts::instance().message(promptParent(), QStringLiteral("Failed to save document."),
                                    Prompts::Icon::Error);
}

void CQuirewellDoc::OnFileSaveAs()
{
    const QString suggested = m_path.isEmpty() ? m_title + kExtension : m_path;
    QString path = Prompts::instance().pickSaveFile(promptParent(), suggested, fileFilter());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += kExtension;
    if (!OnSaveDocument(path))
        Prompts::instance().message(promptParent(), QStringLiteral("Failed to save document."),
                                    Prompts::Icon::Error);
}

bool CQuirewellDoc::onCommand(int id)
{
    switch (id) {
    case Cmd::FileSave:
        OnFileSave();
        return true;
    case Cmd::FileSaveAs:
        OnFileSaveAs();
        return true;
    case Cmd::FileClose:
        emit closeRequested();
        return true;
    default:
        return false;
    }
}

bool CQuirewellDoc::commandState(int id, CommandUiState &state) const
{
    switch (id) {
    case Cmd::FileSave:
    case Cmd::FileSaveAs:
    case Cmd::FileClose:
        state.enabled = true;
        return true;
    default:
        return false;
    }
}
