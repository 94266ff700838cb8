#include "desktop/shell/ribbon/RibbonPanel.h"

#include "desktop/shell/ribbon/RibbonElements.h"
#include "desktop/ui/CommandTable.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QResizeEvent>

namespace {
const int kSmallPerColumn = 3;
}

RibbonPanel::RibbonPanel(const QString &storedTitle, const QIcon &icon, QWidget *parent)
    : QFrame(parent), m_title(RibbonElement::labelText(storedTitle)), m_body(new QWidget(this)),
      m_button(new QToolButton(this)), m_row(new QHBoxLayout)
{
    setObjectName(QStringLiteral("panel-") + m_title);
    keyTip = RibbonElement::labelKeyTip(storedTitle);
    setFrameShape(QFrame::StyledPanel);
    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_body);
    outer->addWidget(m_button);

    auto *layout = new QVBoxLayout(m_body);
    layout->setContentsMargins(3, 3, 3, 1);
    layout->setSpacing(1);
    m_row->setSpacing(2);
    layout->addLayout(m_row, 1);
    auto *caption = new QLabel(m_title, m_body);
    caption->setObjectName(QStringLiteral("panel-title"));
    caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(caption);

    m_button->setObjectName(QStringLiteral("collapsed-") + m_title);
    m_button->setText(m_title);
    m_button->setIcon(icon);
    m_button->setIconSize(QSize(32, 32));
    m_button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_button->setAutoRaise(true);
    m_button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    m_button->hide();
    connect(m_button, &QToolButton::clicked, this, &RibbonPanel::showDropDown);
}

void RibbonPanel::addLarge(QWidget *element)
{
    m_column = nullptr;
    m_row->addWidget(element);
    m_elements.append(element);
}

void RibbonPanel::addSmall(QWidget *element)
{
    if (!m_column || m_inColumn == kSmallPerColumn) {
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

int RibbonPanel::expandedWidth() const
{
    return m_body->sizeHint().width() + 2 * frameWidth();
}

int RibbonPanel::collapsedWidth() const
{
    return m_button->sizeHint().width() + 2 * frameWidth();
}

void RibbonPanel::setCollapsed(bool collapsed)
{
    if (collapsed == m_collapsed)
        return;
    m_collapsed = collapsed;
    hideDropDown();
    m_body->setVisible(!collapsed);
    m_button->setVisible(collapsed);
}

void RibbonPanel::showDropDown()
{
    if (!m_collapsed)
        return;
    if (!m_dropDown) {
        m_dropDown = new QFrame(this, Qt::Popup);
        m_dropDown->setObjectName(QStringLiteral("dropdown-") + m_title);
        m_dropDown->setFrameShape(QFrame::StyledPanel);
        m_dropDown->installEventFilter(this);
        auto *layout = new QHBoxLayout(m_dropDown);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    m_dropDown->layout()->addWidget(m_body);
    m_body->show();
    m_dropDown->adjustSize();
    m_dropDown->move(m_button->mapToGlobal(QPoint(0, m_button->height())));
    m_dropDown->show();
    // A click on an element runs its command and closes the drop-down.
    for (QWidget *element : std::as_const(m_elements)) {
        if (auto *button = qobject_cast<QAbstractButton *>(element))
            connect(button, &QAbstractButton::clicked, m_dropDown, &QWidget::hide,
                    Qt::UniqueConnection);
    }
    if (!m_elements.isEmpty())
        m_elements.first()->setFocus(Qt::PopupFocusReason);
}

void RibbonPanel::hideDropDown()
{
    if (m_dropDown)
        m_dropDown->hide(); // gives the contents back
}

bool RibbonPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_dropDown && event->type() == QEvent::Hide)
        takeBackContents();
    return QFrame::eventFilter(watched, event);
}

void RibbonPanel::takeBackContents()
{
    if (m_body->parentWidget() == this)
        return;
    m_body->setParent(this);
    layout()->removeWidget(m_button);
    static_cast<QHBoxLayout *>(layout())->insertWidget(0, m_body);
    static_cast<QHBoxLayout *>(layout())->addWidget(m_button);
    m_body->setVisible(!m_collapsed);
}

RibbonCategory::RibbonCategory(const QString &name, QWidget *parent)
    : QWidget(parent), m_name(name), m_row(new QHBoxLayout(this))
{
    setObjectName(QStringLiteral("category-") + CommandTable::withoutAccessCharacters(name));
    m_row->setContentsMargins(2, 2, 2, 2);
    m_row->setSpacing(3);
    m_row->addStretch();
}

RibbonPanel *RibbonCategory::addPanel(const QString &storedTitle, const QIcon &icon)
{
    auto *panel = new RibbonPanel(storedTitle, icon, this);
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

QSize RibbonCategory::minimumSizeHint() const
{
    // Every panel collapsed.
    const QMargins margins = m_row->contentsMargins();
    int width = margins.left() + margins.right();
    for (const RibbonPanel *panel : m_panels)
        width += panel->collapsedWidth() + m_row->spacing();
    return {width, QWidget::minimumSizeHint().height()};
}

void RibbonCategory::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitPanels(event->size().width());
}

void RibbonCategory::fitPanels(int width)
{
    const QMargins margins = m_row->contentsMargins();
    int needed = margins.left() + margins.right();
    for (const RibbonPanel *panel : std::as_const(m_panels))
        needed += panel->expandedWidth() + m_row->spacing();
    // The rightmost panels give way first; a panel is either whole or a button, so no
    // label is ever cut short.
    QList<bool> collapse(m_panels.size(), false);
    for (qsizetype i = m_panels.size() - 1; i >= 0 && needed > width; --i) {
        collapse[i] = true;
        needed -= m_panels.at(i)->expandedWidth() - m_panels.at(i)->collapsedWidth();
    }
    for (qsizetype i = 0; i < m_panels.size(); ++i)
        m_panels.at(i)->setCollapsed(collapse.at(i));
}
