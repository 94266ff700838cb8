#include "desktop/dialogs/DlgSettings.h"

#include "core/engine/settings/AppSettings.h"
#include "desktop/dialogs/DialogLook.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CDlgSettings::CDlgSettings(QWidget *parent)
    : QDialog(parent), m_buttonOk(new QPushButton(tr("OK"), this)),
      m_buttonCancel(new QPushButton(tr("Cancel"), this)),
      m_checkListHidden(new QCheckBox(tr("List Hidden File(s)"), this)),
      m_checkListReadOnly(new QCheckBox(tr("List Read Only File(s)"), this)),
      m_checkResolveChains(
          new QCheckBox(tr("Rename chains and swaps through temporary names"), this)),
      m_checkNaturalNameOrder(
          new QCheckBox(tr("Sort names in natural order (file2 before file10)"), this))
{
    m_buttonOk->setObjectName(QStringLiteral("Ok"));
    m_buttonCancel->setObjectName(QStringLiteral("Cancel"));
    m_checkListHidden->setObjectName(QStringLiteral("DisplayHiddenFiles"));
    m_checkListReadOnly->setObjectName(QStringLiteral("DisplayReadOnlyFiles"));
    m_checkResolveChains->setObjectName(QStringLiteral("ResolveChains"));
    m_checkNaturalNameOrder->setObjectName(QStringLiteral("NaturalNameOrder"));
    m_buttonOk->setDefault(true);
    const QSize buttonSize = fromDialogUnits(this, 86, 37);
    m_buttonOk->setMinimumSize(buttonSize);
    m_buttonCancel->setMinimumSize(buttonSize);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_buttonOk);
    buttons->addWidget(m_buttonCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_checkListHidden);
    layout->addWidget(m_checkListReadOnly);
    layout->addWidget(m_checkResolveChains);
    layout->addWidget(m_checkNaturalNameOrder);
    layout->addStretch();
    layout->addLayout(buttons);

    setTabOrder(m_buttonOk, m_buttonCancel);
    setTabOrder(m_buttonCancel, m_checkListHidden);
    setTabOrder(m_checkListHidden, m_checkListReadOnly);
    setTabOrder(m_checkListReadOnly, m_checkResolveChains);
    setTabOrder(m_checkResolveChains, m_checkNaturalNameOrder);
    connect(m_buttonOk, &QPushButton::clicked, this, &CDlgSettings::accept);
    connect(m_buttonCancel, &QPushButton::clicked, this, &CDlgSettings::reject);

    const CAppSettings settings;
    m_listHidden = settings.GetDisplayHiddenFiles();
    m_listReadOnly = settings.GetDisplayReadOnlyFiles();
    m_checkListHidden->setChecked(m_listHidden != 0);
    m_resolveChains = settings.GetResolveChains();
    m_checkListReadOnly->setChecked(m_listReadOnly != 0);
    m_checkResolveChains->setChecked(m_resolveChains != 0);
    m_naturalNameOrder = settings.intValue(CAppSettings::Key::NaturalNameOrder);
    m_checkNaturalNameOrder->setChecked(m_naturalNameOrder != 0);

    const QIcon icon = applicationIcon();
    if (!icon.isNull())
        setWindowIcon(icon);
    m_caption = captionWithTitle(tr("Settings - "));
    setWindowTitle(m_caption);
    resize(fromDialogUnits(this, 316, 183));
    m_buttonOk->setFocus();
}

void CDlgSettings::takeControls()
{
    m_listHidden = m_checkListHidden->isChecked() ? 1 : 0;
    m_listReadOnly = m_checkListReadOnly->isChecked() ? 1 : 0;
    m_resolveChains = m_checkResolveChains->isChecked() ? 1 : 0;
    m_naturalNameOrder = m_checkNaturalNameOrder->isChecked() ? 1 : 0;
}

void CDlgSettings::accept()
{
    takeControls();
    CAppSettings settings;
    settings.SetDisplayHiddenFiles(m_listHidden);
    settings.SetDisplayReadOnlyFiles(m_listReadOnly);
    settings.SetResolveChains(m_resolveChains);
    settings.setValue(CAppSettings::Key::NaturalNameOrder, m_naturalNameOrder);
    QDialog::accept();
}
