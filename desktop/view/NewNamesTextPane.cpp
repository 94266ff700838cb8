#include "desktop/view/NewNamesTextPane.h"

#include "core/engine/rename/NameMapping.h"
#include "desktop/view/ListController.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

// Problems shown at once; the count says how many more there are.
constexpr int kShownProblems = 5;

} // namespace

NewNamesTextPane::NewNamesTextPane(ListController &controller, QWidget *parent)
    : QDialog(parent), m_controller(controller), m_editor(new QPlainTextEdit(this)),
      m_problem(new QLabel(this))
{
    setWindowTitle(tr("Edit New Names as Text"));
    setObjectName(QStringLiteral("new-names-text"));
    auto *layout = new QVBoxLayout(this);
    auto *hint = new QLabel(tr("One line per row of the list, in its order. A changed line "
                               "becomes that row's new name at once; lines cannot be added or "
                               "removed. Write \\t, \\n, \\r, \\\\ and \\0 for a tab, a line "
                               "feed, a carriage return, a backslash and a NUL, \\xHH for a "
                               "byte that is not UTF-8."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_editor->setAccessibleName(tr("New file names, one per line"));
    hint->setBuddy(m_editor);
    layout->addWidget(m_editor, 1);
    m_problem->setWordWrap(true);
    m_problem->setObjectName(QStringLiteral("new-names-problem"));
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->hide();
    layout->addWidget(m_problem);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 480);

    m_pause.setSingleShot(true);
    m_pause.setInterval(200);
    connect(&m_pause, &QTimer::timeout, this, &NewNamesTextPane::apply);
    connect(m_editor, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_filling)
            m_pause.start();
    });
    // The rule's names changed (new parameters, a sort) or the rows did (a load, a removal).
    connect(&controller, &ListController::newNamesComputed, this, &NewNamesTextPane::refresh);
    connect(&controller, &ListController::newNamesEdited, this, [this] {
        if (!m_applying)
            refresh();
    });
    connect(&controller.fileModel(), &QAbstractItemModel::modelReset, this,
            &NewNamesTextPane::refresh);
    connect(&controller.fileModel(), &QAbstractItemModel::layoutChanged, this,
            &NewNamesTextPane::refresh);
    refresh();
}

void NewNamesTextPane::refresh()
{
    if (m_pause.isActive())
        return; // the typed text comes first; it is read against the rows as they are
    m_controller.finishNewNames();
    QByteArray text;
    for (const FileRow &row : m_controller.fileModel().rows().rows) {
        if (!text.isEmpty())
            text += '\n';
        text += NameMapping::escaped(row.newName);
    }
    const QString shown = QString::fromUtf8(text);
    if (shown == m_editor->toPlainText())
        return;
    m_filling = true;
    m_editor->setPlainText(shown);
    m_filling = false;
    m_problem->hide();
    m_problem->clear();
}

void NewNamesTextPane::applyNow()
{
    m_pause.stop();
    apply();
}

QString NewNamesTextPane::problem() const
{
    return m_problem->isVisible() ? m_problem->text() : QString();
}

void NewNamesTextPane::apply()
{
    m_controller.finishNewNames();
    const FileRows &rows = m_controller.fileModel().rows();
    // Each line counts, the last one too when it is empty.
    const NameMapping::NameLines lines =
        NameMapping::parseNameLines(m_editor->toPlainText().toUtf8() + '\n');
    QString problem;
    if (lines.names.size() != rows.rows.size() && lines.problems.empty()) {
        problem = tr("The text has %1 lines for the %2 rows of the list: lines cannot be added "
                     "or removed (Ctrl+Z takes back a change). The list keeps its names until "
                     "there is one line per row.")
                      .arg(lines.names.size())
                      .arg(rows.rows.size());
    } else if (!lines.problems.empty()) {
        QStringList texts;
        for (size_t i = 0; i < lines.problems.size() && i < size_t(kShownProblems); ++i)
            texts << tr("Line %1: %2").arg(lines.problems[i].line).arg(lines.problems[i].reason);
        if (lines.problems.size() > size_t(kShownProblems))
            texts << tr("and %n more", nullptr, int(lines.problems.size()) - kShownProblems);
        problem = tr("The list keeps its names until these lines can be read:") +
                  QLatin1Char('\n') + texts.join(QLatin1Char('\n'));
    }
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    if (!problem.isEmpty())
        return;
    std::vector<std::pair<int, QString>> changed;
    for (size_t i = 0; i < lines.names.size(); ++i)
        if (lines.names[i] != rows.rows[i].newName)
            changed.emplace_back(int(i), lines.names[i]);
    if (!changed.empty()) {
        // The text stays as typed ("\x41" is not turned into "A" under the cursor).
        m_applying = true;
        m_controller.setEditedNames(changed);
        m_applying = false;
    }
}
