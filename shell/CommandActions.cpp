#include "shell/CommandActions.h"

#include "listing/CommandIds.h"
#include "shell/Looks.h"
#include "shell/MainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#ifdef QUIREWELL_HAVE_RIBBON
#include "shell/ribbon/CommandTable.h"
#endif

CommandActions::CommandActions(CMainFrame &frame)
    : m_frame(frame), m_lookMenu(new QMenu(QStringLiteral("&Application Look"), &frame)),
      m_help(new QAction(QStringLiteral("Help"), &frame))
{
    auto *group = new QActionGroup(&frame);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (int id = Cmd::LookFirst; id <= Cmd::LookLast; ++id) {
        if (id == Cmd::LookBlue)
            m_lookMenu->addSeparator();
        auto *action = new QAction(Looks::menuLabel(id), group);
        action->setObjectName(QStringLiteral("command%1").arg(id));
        action->setCheckable(true);
        QObject::connect(action, &QAction::triggered, &frame, [&frame, id] { frame.dispatch(id); });
        m_lookMenu->addAction(action);
        m_looks.append(action);
    }

    m_help->setObjectName(QStringLiteral("help"));
    m_help->setShortcut(QKeySequence(Qt::Key_F1));
    m_help->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(m_help, &QAction::triggered, &frame, [&frame] { frame.requestHelp(); });
    frame.addAction(m_help);
    addKeys();
}

void CommandActions::addKeys()
{
#ifdef QUIREWELL_HAVE_RIBBON
    QList<QKeySequence> seen;
    for (const Accelerator &accelerator : CommandTable::accelerators()) {
        if (seen.contains(accelerator.keys))
            continue;
        seen.append(accelerator.keys);
        const QKeySequence keys = accelerator.keys;
        auto *action = new QAction(keys.toString(), &m_frame);
        action->setObjectName(QStringLiteral("keys ") + keys.toString());
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        CMainFrame *frame = &m_frame;
        QObject::connect(action, &QAction::triggered, frame, [frame, keys] {
            const int id = CommandTable::commandForKeys(keys, frame->activeChildFrame());
            if (id != 0)
                frame->dispatch(id);
        });
        m_frame.addAction(action);
        m_keys.append(action);
    }
#endif
}

QAction *CommandActions::lookAction(int id) const
{
    const int index = id - Cmd::LookFirst;
    return index >= 0 && index < m_looks.size() ? m_looks[index] : nullptr;
}

void CommandActions::refresh()
{
    for (int i = 0; i < m_looks.size(); ++i) {
        CommandUiState state;
        const bool handled = m_frame.commandState(Cmd::LookFirst + i, state);
        m_looks[i]->setEnabled(handled && state.enabled);
        m_looks[i]->setChecked(handled && state.checked);
    }
}
