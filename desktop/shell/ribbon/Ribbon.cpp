#include "desktop/shell/ribbon/Ribbon.h"

#include "desktop/shell/ribbon/KeyTips.h"
#include "desktop/shell/ribbon/RibbonAccessible.h"
#include "desktop/shell/ribbon/RibbonElements.h"
#include "desktop/shell/ribbon/RibbonLayout.h"
#include "desktop/shell/ribbon/RibbonPanel.h"
#include "desktop/ui/CommandActions.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QStackedWidget>
#include <QTabBar>

namespace {

const QString kCategoryScope = QStringLiteral("category:");
// A collapsed panel's drop-down: "panel:<category>:<panel>".
const QString kPanelScope = QStringLiteral("panel:");

QString explicitKeyTip(const QWidget *element)
{
    return RibbonElement::keyTip(element);
}

// What a key tip does to a button: a drop-down without a command of its own opens its menu
// (without waiting for it to close), any other button is clicked.
void activateByKeyTip(QAbstractButton *button)
{
    auto *tool = qobject_cast<QToolButton *>(button);
    if (tool && tool->menu() && RibbonElement::command(tool) < 0)
        RibbonElement::popupBelow(tool, tool->menu());
    else
        button->click();
}

} // namespace

Ribbon::Ribbon(const CommandActions &commands, QWidget *parent)
    // The ribbon's accessible interfaces come first: a widget's first change already asks
    // for its interface.
    : QWidget(parent), m_appButton((RibbonAccessible::install(), new ApplicationButton(this))),
      m_appMenu(RibbonLayout::buildApplicationMenu(this)), m_tabs(new QTabBar(this)),
      m_pages(new QStackedWidget(this)),
      m_keyTips(new KeyTipController(
          this, [this](const QString &scope) { return keyTipsFor(scope); },
          [this](const QString &scope) { return keyTipsBack(scope); },
          [this](const QWidget *window) { return dropDownScope(window); }))
{
    setObjectName(QStringLiteral("ribbon"));
    m_tabs->setObjectName(QStringLiteral("category-tabs"));
    m_tabs->setDrawBase(false);
    m_tabs->setFocusPolicy(Qt::NoFocus);

    m_categories.append(RibbonLayout::buildHomeCategory(m_pages));
    for (RibbonCategory *category : std::as_const(m_categories)) {
        m_tabs->addTab(category->name());
        m_pages->addWidget(category);
    }
    connect(m_tabs, &QTabBar::currentChanged, m_pages, &QStackedWidget::setCurrentIndex);
    m_tabRow = RibbonLayout::buildTabRow(this);

    auto *top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(m_appButton, 0, Qt::AlignTop);
    top->addWidget(m_tabs, 0, Qt::AlignBottom);
    top->addStretch();
    for (QWidget *element : std::as_const(m_tabRow))
        top->addWidget(element, 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addLayout(top);
    layout->addWidget(m_pages);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    connect(m_appButton, &ApplicationButton::activated, this, &Ribbon::applicationButtonActivated);
    connectElements(commands);
}

void Ribbon::connectElements(const CommandActions &commands)
{
    const QList<int> &neverEnabled = RibbonLayout::neverEnabledCommands();
    const QList<QObject *> all = findChildren<QObject *>();
    for (QObject *element : all) {
        const int id = RibbonElement::command(element);
        if (id < 0)
            continue;
        QAction *command = commands.action(id);
        if (!command || neverEnabled.contains(id))
            RibbonElement::setEnabled(element, false);
        else
            RibbonElement::bind(element, command);
    }
}

void Ribbon::openApplicationMenu()
{
    RibbonElement::popupBelow(m_appButton, m_appMenu);
}

QList<KeyTip> Ribbon::keyTipsFor(const QString &scope)
{
    if (scope == KeyTipController::kRootScope)
        return rootKeyTips();
    if (scope.startsWith(kCategoryScope))
        return categoryKeyTips(scope.mid(kCategoryScope.size()).toInt());
    if (scope.startsWith(kPanelScope)) {
        const QStringList indexes = scope.mid(kPanelScope.size()).split(u':');
        return panelKeyTips(indexes.value(0).toInt(),
                            indexes.value(1, QStringLiteral("-1")).toInt());
    }
    return {};
}

QString Ribbon::keyTipsBack(const QString &scope)
{
    // From a drop-down back to its category's tips; from anywhere else the tips go away.
    if (!scope.startsWith(kPanelScope))
        return {};
    const QStringList indexes = scope.mid(kPanelScope.size()).split(u':');
    const int category = indexes.value(0).toInt();
    const int panel = indexes.value(1, QStringLiteral("-1")).toInt();
    if (category < 0 || category >= m_categories.size())
        return {};
    const QList<RibbonPanel *> &panels = m_categories.at(category)->panels();
    if (panel >= 0 && panel < panels.size())
        panels.at(panel)->hideDropDown();
    return kCategoryScope + QString::number(category);
}

QString Ribbon::dropDownScope(const QWidget *window) const
{
    for (qsizetype c = 0; c < m_categories.size(); ++c) {
        const QList<RibbonPanel *> &panels = m_categories.at(c)->panels();
        for (qsizetype p = 0; p < panels.size(); ++p) {
            if (panels.at(p)->isDroppedDownIn(window))
                return kPanelScope + QString::number(c) + u':' + QString::number(p);
        }
    }
    return {};
}

QList<KeyTip> Ribbon::rootKeyTips()
{
    // The application button, then the category tabs, then the tab row, each claiming its
    // own letters before the elements without one get theirs.
    QStringList labels{QString()};
    QStringList explicitTips{explicitKeyTip(m_appButton)};
    for (int i = 0; i < m_tabs->count(); ++i) {
        labels.append(m_tabs->tabText(i));
        explicitTips.append(QString());
    }
    for (const QWidget *element : std::as_const(m_tabRow)) {
        labels.append(qobject_cast<const QAbstractButton *>(element)->text());
        explicitTips.append(explicitKeyTip(element));
    }
    const QStringList tips = assignKeyTips(labels, explicitTips);

    QList<KeyTip> result;
    result.append({m_appButton, tips.at(0), [this] {
                       openApplicationMenu();
                       return QString();
                   }});
    for (int i = 0; i < m_tabs->count(); ++i) {
        result.append({m_tabs, tips.at(1 + i),
                       [this, i] {
                           m_tabs->setCurrentIndex(i);
                           return kCategoryScope + QString::number(i);
                       },
                       m_tabs->tabRect(i)});
    }
    for (qsizetype i = 0; i < m_tabRow.size(); ++i) {
        auto *button = qobject_cast<QToolButton *>(m_tabRow.at(i));
        result.append({button, tips.at(1 + m_tabs->count() + i), [button] {
                           activateByKeyTip(button);
                           return QString();
                       }});
    }
    return result;
}

QList<KeyTip> Ribbon::categoryKeyTips(int index)
{
    if (index < 0 || index >= m_categories.size())
        return {};
    // The elements of each panel, or the panel's button when it is collapsed.
    QList<QAbstractButton *> anchors;
    QList<int> droppedBy; // the collapsed panel's index, or -1 for an element
    QStringList labels;
    QStringList explicitTips;
    const QList<RibbonPanel *> &panels = m_categories.at(index)->panels();
    for (qsizetype p = 0; p < panels.size(); ++p) {
        RibbonPanel *panel = panels.at(p);
        if (panel->isCollapsed()) {
            anchors.append(panel->collapsedButton());
            droppedBy.append(int(p));
            labels.append(panel->title());
            explicitTips.append(panel->keyTip);
            continue;
        }
        for (QWidget *element : panel->elements()) {
            anchors.append(qobject_cast<QAbstractButton *>(element));
            droppedBy.append(-1);
            labels.append(anchors.last()->text());
            explicitTips.append(explicitKeyTip(element));
        }
    }
    const QStringList tips = assignKeyTips(labels, explicitTips);
    QList<KeyTip> result;
    for (qsizetype i = 0; i < anchors.size(); ++i) {
        QAbstractButton *button = anchors.at(i);
        const int p = droppedBy.at(i);
        RibbonPanel *panel = p < 0 ? nullptr : panels.at(p);
        result.append({button, tips.at(i), [button, panel, index, p] {
                           if (!panel) {
                               activateByKeyTip(button);
                               return QString();
                           }
                           // The drop-down's elements get key tips of their own.
                           panel->showDropDown();
                           return kPanelScope + QString::number(index) + u':' + QString::number(p);
                       }});
    }
    return result;
}

QList<KeyTip> Ribbon::panelKeyTips(int category, int panel)
{
    if (category < 0 || category >= m_categories.size())
        return {};
    const QList<RibbonPanel *> &panels = m_categories.at(category)->panels();
    if (panel < 0 || panel >= panels.size() || !panels.at(panel)->isCollapsed())
        return {};
    QStringList labels;
    QStringList explicitTips;
    const QList<QWidget *> &elements = panels.at(panel)->elements();
    for (const QWidget *element : elements) {
        labels.append(qobject_cast<const QAbstractButton *>(element)->text());
        explicitTips.append(explicitKeyTip(element));
    }
    const QStringList tips = assignKeyTips(labels, explicitTips);
    QList<KeyTip> result;
    for (qsizetype i = 0; i < elements.size(); ++i) {
        auto *button = qobject_cast<QAbstractButton *>(elements.at(i));
        result.append({button, tips.at(i), [button] {
                           activateByKeyTip(button); // closes the drop-down
                           return QString();
                       }});
    }
    return result;
}
