#pragma once

#include <QLabel>

class QStatusBar;

// One text pane of the status bar. Its width comes from a sizing text, as wide as that text
// when there is room, narrower when the window is.
class StatusPane : public QLabel
{
    Q_OBJECT
public:
    StatusPane(int id, const QString &label, int sizingChars, QWidget *parent = nullptr);

    int id() const { return m_id; }
    const QString &label() const { return m_label; }
    void SetText(const QString &text) { setText(text); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int m_id;
    QString m_label;
    int m_sizingChars;
};

// The two panes: "File(s) Statistics" (left) and "Folder(s) Information" (right).
struct StatusPanes
{
    StatusPane *fileStats = nullptr;
    StatusPane *folderInfo = nullptr;

    static StatusPanes addTo(QStatusBar *bar);
};
