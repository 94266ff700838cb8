// The list view's ways of giving rows new names other than by the rule: from a list file, as
// text, or typed into the "New File Name" cell.
#include "desktop/ui/Prompts.h"
#include "desktop/view/NewNamesTextPane.h"
#include "desktop/view/QuirewellView.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace {

// Problems listed in the message at most; the count says how many more there are.
constexpr int kListedProblems = 20;

// The line editor over a "New File Name" cell: Enter or leaving it keeps the text, Esc
// drops it.
class NameCellEditor : public QLineEdit
{
public:
    NameCellEditor(QWidget *parent, std::function<void(bool keep)> finish)
        : QLineEdit(parent), m_finish(std::move(finish))
    {}
    void end(bool keep)
    {
        if (!m_finish)
            return;
        const auto finish = std::exchange(m_finish, {});
        finish(keep);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape) {
            end(false);
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            end(true);
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        QLineEdit::focusOutEvent(event);
        end(true);
    }

private:
    std::function<void(bool keep)> m_finish;
};

} // namespace

void CQuirewellView::onRenameFromList()
{
    if (fileModel().rowCount() == 0) {
        Prompts::instance().message(this, tr("List a folder first: the list file names its files."),
                                    Prompts::Icon::Information);
        return;
    }
    const QString path =
        Prompts::instance().pickOpenFile(this, tr("Name lists (*.tsv *.txt *.csv);;All files (*)"));
    if (!path.isEmpty())
        renameFromList(path);
}

bool CQuirewellView::renameFromList(const QString &path)
{
    const std::vector<MappingProblem> problems = m_controller.loadNamesFromList(path);
    if (problems.empty())
        return true;
    QStringList lines;
    for (size_t i = 0; i < problems.size() && i < size_t(kListedProblems); ++i)
        lines << (problems[i].line > 0
                      ? tr("Line %1: %2").arg(problems[i].line).arg(problems[i].reason)
                      : problems[i].reason);
    if (problems.size() > size_t(kListedProblems))
        lines << tr("and %n more", nullptr, int(problems.size()) - kListedProblems);
    Prompts::instance().message(this,
                                tr("The list %1 cannot be used; the new names are as they "
                                   "were.\n\n%2")
                                    .arg(path, lines.join(QLatin1Char('\n'))),
                                Prompts::Icon::Warning);
    return false;
}

NewNamesTextPane *CQuirewellView::newNamesTextPane() const
{
    return m_namesText;
}

void CQuirewellView::onEditNamesAsText()
{
    if (!m_namesText)
        m_namesText = new NewNamesTextPane(m_controller, this);
    m_namesText->refresh();
    m_namesText->show();
    m_namesText->raise();
    m_namesText->activateWindow();
}

void CQuirewellView::onEditNewName()
{
    const QModelIndex current = currentIndex();
    const int row = current.isValid() ? current.row() : firstSelectedRow();
    if (row < 0) {
        Prompts::instance().message(this, tr("Please select a File to give a New File Name."),
                                    Prompts::Icon::Information);
        return;
    }
    editNewNameInPlace(row);
}

void CQuirewellView::editNewNameInPlace(int row)
{
    if (row < 0 || row >= fileModel().rowCount() || isRenaming())
        return;
    if (m_nameEditor)
        static_cast<NameCellEditor *>(m_nameEditor.data())->end(true);
    m_controller.finishNewNames();
    const QModelIndex cell = model()->index(row, FileListModel::NewName);
    scrollTo(cell);
    const qint32 serial = fileModel().rows().rows[size_t(row)].serial;
    auto *editor = new NameCellEditor(viewport(), [this, row, serial](bool keep) {
        QLineEdit *ended = m_nameEditor;
        m_nameEditor = nullptr;
        if (!ended)
            return;
        const QString name = ended->text();
        ended->hide();
        ended->deleteLater();
        setFocus();
        // The row may have gone meanwhile (a load): then the name has no row.
        const FileRows &rows = fileModel().rows();
        if (keep && row < rows.count() && rows.rows[size_t(row)].serial == serial &&
            name != rows.rows[size_t(row)].newName)
            m_controller.setEditedName(row, name);
    });
    editor->setObjectName(QStringLiteral("new-name-editor"));
    editor->setAccessibleName(tr("New File Name"));
    editor->setText(fileModel().rows().rows[size_t(row)].newName);
    editor->setGeometry(visualRect(cell));
    m_nameEditor = editor;
    // Scrolling moves the cell away: the name typed so far is kept.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, editor,
            [editor] { editor->end(true); });
    editor->show();
    editor->selectAll();
    editor->setFocus();
}
