#include "desktop/view/BatchInputGuard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

BatchInputGuard::BatchInputGuard(std::function<void()> onCancel) : m_onCancel(std::move(onCancel))
{
    QCoreApplication::instance()->installEventFilter(this);
}

BatchInputGuard::~BatchInputGuard()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

QString BatchInputGuard::cancelControlName()
{
    return QStringLiteral("cancelWorkButton");
}

bool BatchInputGuard::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && m_onCancel)
            m_onCancel();
        return true;
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const auto *widget = qobject_cast<QWidget *>(watched);
        return !widget || widget->objectName() != cancelControlName();
    }
    default:
        return false;
    }
}
