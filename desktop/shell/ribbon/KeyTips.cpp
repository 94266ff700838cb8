#include "desktop/shell/ribbon/KeyTips.h"

#include "desktop/ui/CommandTable.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>

QStringList assignKeyTips(const QStringList &labels, const QStringList &explicitTips)
{
    QStringList tips;
    for (const QString &tip : explicitTips)
        tips.append(tip.toLower());
    // Elements that were given the same tip are numbered in order ("a1", "a2"), so that
    // each one can be reached.
    const QStringList given = tips;
    QHash<QString, int> numbered;
    for (QString &tip : tips) {
        if (!tip.isEmpty() && given.count(tip) > 1)
            tip += QString::number(++numbered[tip]);
    }
    QStringList taken;
    for (const QString &tip : std::as_const(tips)) {
        if (!tip.isEmpty())
            taken.append(tip);
    }
    const auto isFree = [&taken](const QString &candidate) {
        for (const QString &other : taken) {
            // A tip that starts another could never be typed on its own.
            if (other.startsWith(candidate) || candidate.startsWith(other))
                return false;
        }
        return true;
    };
    for (qsizetype i = 0; i < tips.size(); ++i) {
        if (!tips.at(i).isEmpty())
            continue;
        QString chosen;
        const QString label = CommandTable::withoutAccessCharacters(labels.value(i)).toLower();
        for (const QChar c : label) {
            if (c.isLetterOrNumber() && isFree(QString(c))) {
                chosen = c;
                break;
            }
        }
        for (int n = 1; chosen.isEmpty() && n < 100; ++n) {
            if (isFree(QString::number(n)))
                chosen = QString::number(n);
        }
        tips[i] = chosen;
        taken.append(chosen);
    }
    return tips;
}

KeyTipController::KeyTipController(QWidget *host, Provider provider, Back back,
                                   DropDownScope dropDownScope)
    : QObject(host), m_host(host), m_provider(std::move(provider)), m_back(std::move(back)),
      m_dropDownScope(std::move(dropDownScope))
{
    qApp->installEventFilter(this);
}

KeyTipController::~KeyTipController()
{
    qApp->removeEventFilter(this);
    clearBadges();
}

void KeyTipController::show(const QString &scope)
{
    clearBadges();
    m_tips.clear();
    m_typed.clear();
    for (const KeyTip &tip : m_provider(scope)) {
        if (!tip.anchor || !tip.anchor->isVisible() || tip.keys.isEmpty())
            continue;
        m_tips.append(tip);
        // The anchor's own window: the host's, or a drop-down the host opened.
        QWidget *window = tip.anchor->window();
        auto *badge = new QLabel(tip.keys.toUpper(), window);
        badge->setObjectName(QStringLiteral("keytip"));
        badge->setEnabled(tip.anchor->isEnabled());
        badge->setAlignment(Qt::AlignCenter);
        badge->setStyleSheet(QStringLiteral("QLabel { background: #fbfbe0; color: #202020; "
                                            "border: 1px solid #707070; padding: 0 3px; }"
                                            "QLabel:disabled { color: #a0a0a0; }"));
        badge->adjustSize();
        const QRect area = tip.area.isEmpty() ? tip.anchor->rect() : tip.area;
        // Large elements get the badge under their middle, small ones beside their icon.
        const bool large = area.height() >= 40;
        QPoint at = large ? tip.anchor->mapTo(window, QPoint(area.center().x(), area.bottom()))
                          : tip.anchor->mapTo(window, QPoint(area.left() + 12, area.center().y()));
        at -= QPoint(badge->width() / 2, large ? badge->height() * 3 / 4 : 0);
        at.setX(std::clamp(at.x(), 0, std::max(0, window->width() - badge->width())));
        at.setY(std::clamp(at.y(), 0, std::max(0, window->height() - badge->height())));
        badge->move(at);
        badge->show();
        badge->raise();
        m_badges.append(badge);
    }
    m_scope = scope;
    m_active = true;
}

void KeyTipController::hide()
{
    clearBadges();
    m_tips.clear();
    m_typed.clear();
    m_scope.clear();
    m_active = false;
}

void KeyTipController::clearBadges()
{
    for (const QPointer<QLabel> &badge : std::as_const(m_badges))
        delete badge.data();
    m_badges.clear();
}

bool KeyTipController::inHostWindow(QObject *watched) const
{
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    const QWidget *window = widget->window();
    if (window == m_host->window())
        return true;
    // A drop-down whose elements carry the badges shown.
    for (const KeyTip &tip : m_tips) {
        if (tip.anchor && tip.anchor->window() == window)
            return true;
    }
    // A drop-down opened with the mouse, before any badge is shown.
    return m_dropDownScope && !m_dropDownScope(window).isEmpty();
}

QString KeyTipController::scopeForAlt(QObject *watched) const
{
    const QWidget *window = static_cast<QWidget *>(watched)->window();
    if (window == m_host->window() || !m_dropDownScope)
        return kRootScope;
    const QString scope = m_dropDownScope(window);
    return scope.isEmpty() ? kRootScope : scope;
}

bool KeyTipController::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // While badges are up, typed letters belong to them and not to shortcuts.
        if (m_active && inHostWindow(watched)) {
            event->accept();
            return true;
        }
        return false;
    case QEvent::KeyPress: {
        if (!inHostWindow(watched))
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Alt) {
            if (!key->isAutoRepeat())
                m_altAlone = (key->modifiers() & ~Qt::AltModifier) == Qt::NoModifier;
            return m_active;
        }
        m_altAlone = false;
        if (!m_active)
            return false;
        handleKey(key);
        return true;
    }
    case QEvent::KeyRelease: {
        if (!inHostWindow(watched))
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Alt && m_altAlone && !key->isAutoRepeat()) {
            m_altAlone = false;
            if (m_active)
                hide();
            else
                show(scopeForAlt(watched));
            return true;
        }
        return m_active;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_altAlone = false;
        if (m_active)
            hide();
        return false;
    case QEvent::Hide:
        if (m_active && watched == m_host)
            hide();
        return false;
    default:
        return false;
    }
}

void KeyTipController::handleKey(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        const QString previous = m_back ? m_back(m_scope) : QString();
        if (previous.isEmpty())
            hide();
        else
            show(previous);
        return;
    }
    const QString text = event->text().toLower();
    if (text.size() != 1 || !text.at(0).isLetterOrNumber())
        return;
    m_typed += text;
    bool partial = false;
    for (const KeyTip &tip : std::as_const(m_tips)) {
        if (tip.keys.compare(m_typed, Qt::CaseInsensitive) == 0) {
            if (!tip.anchor || !tip.anchor->isEnabled())
                continue;
            const std::function<QString()> activate = tip.activate;
            hide();
            const QString next = activate ? activate() : QString();
            if (!next.isEmpty())
                show(next);
            return;
        }
        if (tip.keys.startsWith(m_typed, Qt::CaseInsensitive))
            partial = true;
    }
    if (!partial)
        m_typed.clear();
}
