#pragma once

#include <QDialog>
#include <QTimer>

class ListController;
class QLabel;
class QPlainTextEdit;

// "Edit New Names as Text": every row's new name as one line of text, escaped as the command
// line prints names (\t, \n, \r, \\, \0, \xHH). What is typed goes into the list as it is
// typed (a changed line becomes that row's edited name, with its conflicts marked); a text
// with lines added or removed, or a line that cannot be read, changes nothing and says why.
class NewNamesTextPane : public QDialog
{
    Q_OBJECT
public:
    NewNamesTextPane(ListController &controller, QWidget *parent);

    // The list's names again, unless the text holds changes not yet taken.
    void refresh();
    // Takes the text now rather than after the short pause that merges keystrokes.
    void applyNow();
    QPlainTextEdit *editor() const { return m_editor; }
    // Why the text is not taken; empty when it is.
    QString problem() const;

private:
    void apply();

    ListController &m_controller;
    QPlainTextEdit *m_editor;
    QLabel *m_problem;
    QTimer m_pause;
    bool m_filling = false;  // the text is being set from the list
    bool m_applying = false; // the list is taking the text's names
};
