#include "shell/ribbon/Ribbon.h"

#include "shell/ribbon/KeyTips.h"
#include "shell/ribbon/RibbonElements.h"
#include "shell/ribbon/RibbonLayout.h"
#include "shell/ribbon/RibbonPanel.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QStackedWidget>
#include <QTabBar>

namespace {

const char *const StateProperty = "ribbonChecked";
const QString CategoryScope = QStringLiteral("category:");

QString explicitKeyTip(const QWidget *element)
{
    return RibbonElement::keyTip(element);
}

} // namespace

Ribbon::Ribbon(QWidget *parent)
    : QWidget(parent), m_appButton(new ApplicationButton(this)),
      m_appMenu(RibbonLayout::buildApplicationMenu(this)), m_tabs(new QTabBar(this)),
      m_pages(new QStackedWidget(this)),
      m_keyTips(
          new KeyTipController(this, [this](const QString &scope) { return keyTipsFor(scope); }))
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
    connectElements();
    for (int id : RibbonLayout::neverEnabledCommands()) {
        for (QObject *element : std::as_const(m_elements)) {
            if (RibbonElement::command(element) == id)
                element->setProperty("enabled", false);
        }
    }
}

void Ribbon::connectElements()
{
    const QList<QObject *> all = findChildren<QObject *>();
    for (QObject *element : all) {
        if (RibbonElement::command(element) < 0)
            continue;
        m_elements.append(element);
        if (auto *button = qobject_cast<QAbstractButton *>(element)) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, button] { runElement(button); });
        } else if (auto *action = qobject_cast<QAction *>(element); action && !action->menu()) {
            connect(action, &QAction::triggered, this, [this, action] { runElement(action); });
        }
    }
}

void Ribbon::runElement(QObject *element)
{
    if (!element->property("enabled").toBool())
        return;
    // A menu entry toggles its own mark when chosen (and an exclusive group moves it); put
    // back what the routing last said.
    if (auto *action = qobject_cast<QAction *>(element)) {
        const QList<QAction *> marked =
            action->actionGroup() ? action->actionGroup()->actions() : QList<QAction *>{action};
        for (const bool checked : {false, true}) {
            for (QAction *entry : marked) {
                if (entry->property(StateProperty).toBool() == checked)
                    entry->setChecked(checked);
            }
        }
    }
    emit commandTriggered(RibbonElement::command(element));
}

void Ribbon::refreshStates(const StateQuery &query)
{
    const QList<int> &neverEnabled = RibbonLayout::neverEnabledCommands();
    for (QObject *element : std::as_const(m_elements)) {
        const int id = RibbonElement::command(element);
        CommandUiState state;
        const bool handled = !neverEnabled.contains(id) && query(id, state);
        const bool checkable = handled && state.checkable;
        const bool checked = checkable && state.checked;
        element->setProperty("enabled", handled && state.enabled);
        element->setProperty(StateProperty, checked);
        if (auto *action = qobject_cast<QAction *>(element)) {
            action->setCheckable(checkable);
            action->setChecked(checked);
        } else if (auto *box = qobject_cast<QCheckBox *>(element)) {
            box->setChecked(checked);
        } else if (auto *button = qobject_cast<QAbstractButton *>(element)) {
            button->setCheckable(checkable);
            button->setChecked(checked);
        }
    }
}

void Ribbon::openApplicationMenu()
{
    RibbonElement::popupBelow(m_appButton, m_appMenu);
}

QList<KeyTip> Ribbon::keyTipsFor(const QString &scope)
{
    if (scope == KeyTipController::RootScope)
        return rootKeyTips();
    if (scope.startsWith(CategoryScope))
        return categoryKeyTips(scope.mid(CategoryScope.size()).toInt());
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
                           return CategoryScope + QString::number(i);
                       },
                       m_tabs->tabRect(i)});
    }
    for (qsizetype i = 0; i < m_tabRow.size(); ++i) {
        auto *button = qobject_cast<QToolButton *>(m_tabRow.at(i));
        result.append({button, tips.at(1 + m_tabs->count() + i), [button] {
                           // A drop-down without a command of its own opens its menu.
                           if (button->menu() && RibbonElement::command(button) < 0)
                               RibbonElement::popupBelow(button, button->menu());
                           else
                               button->click();
                           return QString();
                       }});
    }
    return result;
}

QList<KeyTip> Ribbon::categoryKeyTips(int index)
{
    if (index < 0 || index >= m_categories.size())
        return {};
    const QList<QWidget *> elements = m_categories.at(index)->elements();
    QStringList labels;
    QStringList explicitTips;
    for (const QWidget *element : elements) {
        labels.append(qobject_cast<const QAbstractButton *>(element)->text());
        explicitTips.append(explicitKeyTip(element));
    }
    const QStringList tips = assignKeyTips(labels, explicitTips);
    QList<KeyTip> result;
    for (qsizetype i = 0; i < elements.size(); ++i) {
        auto *button = qobject_cast<QAbstractButton *>(elements.at(i));
        result.append({button, tips.at(i), [button] {
                           button->click();
                           return QString();
                       }});
    }
    return result;
}
