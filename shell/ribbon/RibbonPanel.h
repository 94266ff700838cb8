#pragma once

#include <QFrame>
#include <QList>

class QHBoxLayout;
class QVBoxLayout;

// A group of elements with its title underneath. Large elements take the panel's full height;
// small ones stack three to a column.
class RibbonPanel : public QFrame
{
    Q_OBJECT
public:
    // The stored title may carry a key tip after a newline ("Window\nw").
    explicit RibbonPanel(const QString &storedTitle, QWidget *parent = nullptr);

    QString title() const { return m_title; }
    void addLarge(QWidget *element);
    void addSmall(QWidget *element);
    const QList<QWidget *> &elements() const { return m_elements; }

private:
    QString m_title;
    QHBoxLayout *m_row;
    QVBoxLayout *m_column = nullptr;
    int m_inColumn = 0;
    QList<QWidget *> m_elements;
};

// One tab of the ribbon: its panels side by side.
class RibbonCategory : public QWidget
{
    Q_OBJECT
public:
    explicit RibbonCategory(const QString &name, QWidget *parent = nullptr);

    QString name() const { return m_name; }
    RibbonPanel *addPanel(const QString &storedTitle);
    const QList<RibbonPanel *> &panels() const { return m_panels; }
    // Every element of every panel, in order.
    QList<QWidget *> elements() const;

private:
    QString m_name;
    QHBoxLayout *m_row;
    QList<RibbonPanel *> m_panels;
};
