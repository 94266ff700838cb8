#include "desktop/shell/WindowsDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kWindowRole = Qt::UserRole + 1;

QMdiSubWindow *windowOf(const QListWidgetItem *item)
{
    return item ? qobject_cast<QMdiSubWindow *>(item->data(kWindowRole).value<QObject *>())
                : nullptr;
}
} // namespace

WindowsDialog::WindowsDialog(QMdiArea &area, QWidget *parent)
    : QDialog(parent), m_area(area), m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("windowsDialog"));
    setWindowTitle(tr("Windows"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setAccessibleName(tr("Document Windows"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *activate = buttons->addButton(tr("&Activate"), QDialogButtonBox::AcceptRole);
    QPushButton *close = buttons->addButton(tr("&Close Window(s)"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Ok);
    connect(activate, &QPushButton::clicked, this, &WindowsDialog::activateSelected);
    connect(close, &QPushButton::clicked, this, &WindowsDialog::closeSelected);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &WindowsDialog::activateSelected);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    fill();
}

void WindowsDialog::fill()
{
    m_list->clear();
    QMdiSubWindow *active = m_area.activeSubWindow();
    for (QMdiSubWindow *window : m_area.subWindowList(QMdiArea::CreationOrder)) {
        auto *item = new QListWidgetItem(window->windowTitle(), m_list);
        item->setData(kWindowRole, QVariant::fromValue<QObject *>(window));
        if (window == active)
            m_list->setCurrentItem(item);
    }
}

void WindowsDialog::activateSelected()
{
    if (QMdiSubWindow *window = windowOf(m_list->currentItem()))
        m_area.setActiveSubWindow(window);
    accept();
}

void WindowsDialog::closeSelected()
{
    QList<QPointer<QMdiSubWindow>> chosen;
    for (const QListWidgetItem *item : m_list->selectedItems())
        chosen.append(windowOf(item));
    for (const QPointer<QMdiSubWindow> &window : chosen) {
        if (window)
            window->close();
    }
    fill();
}
