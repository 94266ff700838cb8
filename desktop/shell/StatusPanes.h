#pragma once

#include <QLabel>

class QStatusBar;

// One text pane of the status bar. Its width comes from a sizing text: a pane that yields is
// as wide as that text when there is room and narrower when the window is; the other one
// keeps its width.
class StatusPane : public QLabel
{
    Q_OBJECT
public:
    enum class Width
    {
        Yields,
        Kept
    };
    StatusPane(int id, const QString &label, int sizingChars, Width width,
               QWidget *parent = nullptr);

    int id() const { return m_id; }
    const QString &label() const { return m_label; }
    void SetText(const QString &text) { setText(text); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int m_id;
    QString m_label;
    int m_sizingChars;
    Width m_width;
};

// The two panes: "File(s) Statistics" (left) and "Folder(s) Information" (right).
struct StatusPanes
{
    StatusPane *fileStats = nullptr;
    StatusPane *folderInfo = nullptr;

    static StatusPanes addTo(QStatusBar *bar);
};
