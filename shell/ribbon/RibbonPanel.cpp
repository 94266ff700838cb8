#include "shell/ribbon/RibbonPanel.h"

#include "shell/ribbon/RibbonElements.h"
#include "ui/CommandTable.h"

#include <QBoxLayout>
#include <QLabel>

namespace {
const int SmallPerColumn = 3;
}

RibbonPanel::RibbonPanel(const QString &storedTitle, QWidget *parent)
    : QFrame(parent), m_title(RibbonElement::labelText(storedTitle)), m_row(new QHBoxLayout)
{
    setObjectName(QStringLiteral("panel-") + m_title);
    RibbonElement::setKeyTip(this, RibbonElement::labelKeyTip(storedTitle));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 1);
    layout->setSpacing(1);
    m_row->setSpacing(2);
    layout->addLayout(m_row, 1);
    auto *caption = new QLabel(m_title, this);
    caption->setAlignment(Qt::AlignCenter);
    caption->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(caption);
}

void RibbonPanel::addLarge(QWidget *element)
{
    m_column = nullptr;
    m_row->addWidget(element);
    m_elements.append(element);
}

void RibbonPanel::addSmall(QWidget *element)
{
    if (!m_column || m_inColumn == SmallPerColumn) {
        m_column = new QVBoxLayout;
        m_column->setSpacing(0);
        m_column->addStretch();
        m_row->addLayout(m_column);
        m_inColumn = 0;
    }
    // Keep the trailing stretch last so that the column fills from the top.
    m_column->insertWidget(m_column->count() - 1, element);
    ++m_inColumn;
    m_elements.append(element);
}

RibbonCategory::RibbonCategory(const QString &name, QWidget *parent)
    : QWidget(parent), m_name(name), m_row(new QHBoxLayout(this))
{
    setObjectName(QStringLiteral("category-") + CommandTable::withoutAccessCharacters(name));
    m_row->setContentsMargins(2, 2, 2, 2);
    m_row->setSpacing(3);
    m_row->addStretch();
}

RibbonPanel *RibbonCategory::addPanel(const QString &storedTitle)
{
    auto *panel = new RibbonPanel(storedTitle, this);
    m_row->insertWidget(m_row->count() - 1, panel);
    m_panels.append(panel);
    return panel;
}

QList<QWidget *> RibbonCategory::elements() const
{
    QList<QWidget *> all;
    for (const RibbonPanel *panel : m_panels)
        all.append(panel->elements());
    return all;
}
