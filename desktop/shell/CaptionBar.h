#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

// The message bar under the ribbon: an "Open Folder" button, the text that names the listed
// folder and an information image, all left-aligned.
class CaptionBar : public QFrame
{
    Q_OBJECT
public:
    explicit CaptionBar(QWidget *parent = nullptr);

    void SetText(const QString &text);
    // The text as set, and as shown.
    const QString &text() const { return m_strText; }
    QString shownText() const;
    QToolButton *button() const { return m_button; }
    QLabel *image() const { return m_image; }

signals:
    void buttonClicked();

private:
    QToolButton *m_button;
    QLabel *m_text;
    QLabel *m_image;
    QString m_strText;
};
