#pragma once

#include <QList>

class CMainFrame;
class QAction;
class QMenu;

// The frame's keys and look actions. Every key is a window-wide shortcut whose command is
// looked up in the accelerator tables when pressed (the document's table first while a
// document window is active) and sent through the frame's dispatch. F1 is the help request.
class CommandActions
{
public:
    explicit CommandActions(CMainFrame &frame);

    // "&Application Look" with the nine looks, radio-marked from the frame's state.
    QMenu *lookMenu() const { return m_lookMenu; }
    QAction *lookAction(int id) const;
    QAction *helpAction() const { return m_help; }
    const QList<QAction *> &keyActions() const { return m_keys; }

    // Takes the enabled and checked states from the frame's routing.
    void refresh();

private:
    void addKeys();

    CMainFrame &m_frame;
    QMenu *m_lookMenu;
    QList<QAction *> m_looks;
    QList<QAction *> m_keys;
    QAction *m_help;
};
