#pragma once

#include "desktop/shell/ribbon/RibbonElements.h"

#include <QFrame>
#include <QList>

class QHBoxLayout;
class QToolButton;
class QVBoxLayout;

// A group of elements with its title underneath. Large elements take the panel's full height;
// small ones stack three to a column. When the ribbon is too narrow the panel collapses to
// one button with its icon and title; clicking it drops the panel's contents down.
class RibbonPanel : public QFrame, public RibbonElementData
{
    Q_OBJECT
public:
    // The stored title may carry a key tip after a newline ("Window\nw"). icon: shown on the
    // collapsed panel's button (may be null).
    explicit RibbonPanel(const QString &storedTitle, const QIcon &icon = {},
                         QWidget *parent = nullptr);

    QString title() const { return m_title; }
    void addLarge(QWidget *element);
    void addSmall(QWidget *element);
    const QList<QWidget *> &elements() const { return m_elements; }

    bool isCollapsed() const { return m_collapsed; }
    void setCollapsed(bool collapsed);
    QToolButton *collapsedButton() const { return m_button; }
    // The widths the panel needs with its contents shown and collapsed to its button.
    int expandedWidth() const;
    int collapsedWidth() const;
    // Drops the contents down under the collapsed panel's button.
    void showDropDown();
    void hideDropDown();
    bool isDroppedDown() const { return m_dropDown && m_dropDown->isVisible(); }
    // Whether window is this panel's drop-down, shown.
    bool isDroppedDownIn(const QWidget *window) const
    {
        return window && window == m_dropDown && m_dropDown->isVisible();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void takeBackContents();

    QString m_title;
    QWidget *m_body;
    QToolButton *m_button;
    QFrame *m_dropDown = nullptr;
    QHBoxLayout *m_row;
    QVBoxLayout *m_column = nullptr;
    int m_inColumn = 0;
    bool m_collapsed = false;
    QList<QWidget *> m_elements;
};

// One tab of the ribbon: its panels side by side. Panels that do not fit collapse, the
// rightmost first.
class RibbonCategory : public QWidget
{
    Q_OBJECT
public:
    explicit RibbonCategory(const QString &name, QWidget *parent = nullptr);

    QString name() const { return m_name; }
    RibbonPanel *addPanel(const QString &storedTitle, const QIcon &icon);
    const QList<RibbonPanel *> &panels() const { return m_panels; }
    // Every element of every panel, in order.
    QList<QWidget *> elements() const;

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitPanels(int width);

    QString m_name;
    QHBoxLayout *m_row;
    QList<RibbonPanel *> m_panels;
};
