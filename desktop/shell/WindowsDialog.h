#pragma once

#include <QDialog>

class QListWidget;
class QMdiArea;

// The Windows dialog (Cmd::WindowManager): the document windows of the frame, in the order they
// were opened; the chosen one can be activated or closed.
class WindowsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit WindowsDialog(QMdiArea &area, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    void activateSelected();
    void closeSelected();

private:
    void fill();

    QMdiArea &m_area;
    QListWidget *m_list;
};
