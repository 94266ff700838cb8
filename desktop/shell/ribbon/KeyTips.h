#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class QKeyEvent;
class QLabel;
class QWidget;

// One key tip on screen: the keys to type and what typing them does. activate returns the
// scope whose key tips come next (a category's elements), or an empty string to leave.
struct KeyTip
{
    QPointer<QWidget> anchor;
    QString keys;
    std::function<QString()> activate;
    QRect area = {}; // the part of the anchor the badge marks; empty: the whole anchor
};

// Gives every element without a key tip of its own one letter of its label that no other
// element of the same row uses; digits when the letters run out. Explicit tips are kept;
// an explicit tip given to several elements is numbered in their order ("a1", "a2").
// labels and explicitTips have the same length.
QStringList assignKeyTips(const QStringList &labels, const QStringList &explicitTips);

// Pressing and releasing Alt alone in the host's window shows the badges of the root scope;
// typing a badge's keys runs it; Alt or a mouse press hides them. Escape goes back to the
// scope back names, or hides the badges when it names none. Badges of elements in a drop-down
// of the host sit in that drop-down, and keys typed there reach the badges. In a drop-down
// opened with the mouse, Alt shows the badges of the scope the drop-down stands for.
class KeyTipController : public QObject
{
    Q_OBJECT
public:
    using Provider = std::function<QList<KeyTip>(const QString &scope)>;
    // Leaves a scope: the scope to show instead, or an empty string to hide the badges.
    using Back = std::function<QString(const QString &scope)>;
    // The scope of a drop-down window of the host, or an empty string for any other window.
    using DropDownScope = std::function<QString(const QWidget *window)>;
    static inline const QString kRootScope = QStringLiteral("root");

    KeyTipController(QWidget *host, Provider provider, Back back = {},
                     DropDownScope dropDownScope = {});
    ~KeyTipController() override;

    bool isActive() const { return m_active; }
    QString scope() const { return m_scope; }
    void show(const QString &scope);
    void hide();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool inHostWindow(QObject *watched) const;
    // The scope Alt shows in the window of watched: the root in the host's window.
    QString scopeForAlt(QObject *watched) const;
    void handleKey(QKeyEvent *event);
    void clearBadges();

    QWidget *m_host;
    Provider m_provider;
    Back m_back;
    DropDownScope m_dropDownScope;
    QList<KeyTip> m_tips;
    QList<QPointer<QLabel>> m_badges;
    QString m_scope;
    QString m_typed;
    bool m_active = false;
    bool m_altAlone = false;
};
