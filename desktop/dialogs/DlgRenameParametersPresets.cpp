// The presets of the rename parameters window: a list of the presets, choosing one applies it,
// and a menu button under it for saving, renaming, deleting, importing and exporting.
#include "core/engine/settings/PresetStore.h"
#include "desktop/dialogs/DlgRenameParameters.h"
#include "desktop/dialogs/PresetPrompts.h"
#include "desktop/ui/Prompts.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

QLayout *CDlgRenameParameters::buildPresetRows()
{
    m_presets = new QComboBox(this);
    m_presets->setObjectName(QStringLiteral("Presets"));
    m_presets->setPlaceholderText(tr("(none chosen)"));
    m_presets->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_presets->setMinimumContentsLength(8);
    m_presets->setToolTip(tr("Choose a preset to put its rename parameters in this window"));
    connect(m_presets, &QComboBox::activated, this,
            [this](int index) { applyPreset(m_presets->itemText(index)); });

    auto *label = new QLabel(tr("Appl&y Preset :"), this);
    label->setBuddy(m_presets);

    auto *menuButton = new QToolButton(this);
    menuButton->setObjectName(QStringLiteral("PresetMenu"));
    menuButton->setText(tr("Mana&ge Presets"));
    menuButton->setPopupMode(QToolButton::InstantPopup);
    menuButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    menuButton->setFocusPolicy(Qt::StrongFocus);
    auto *menu = new QMenu(menuButton);
    menu->setObjectName(QStringLiteral("PresetActions"));
    const auto add = [menu](const QString &text, const char *name, auto handler) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        QObject::connect(action, &QAction::triggered, menu, handler);
        return action;
    };
    add(tr("&Save Current Parameters as Preset..."), "PresetSave", [this] { savePreset(); });
    QAction *renameAction = add(tr("&Rename Preset..."), "PresetRename", [this] {
        if (const auto to = PresetPrompts::rename(this, currentPreset()))
            refreshPresets(*to);
    });
    QAction *deleteAction = add(tr("&Delete Preset"), "PresetDelete", [this] {
        if (PresetPrompts::remove(this, currentPreset()))
            refreshPresets();
    });
    menu->addSeparator();
    add(tr("&Import Preset..."), "PresetImport", [this] {
        if (const auto name = PresetPrompts::importFile(this))
            refreshPresets(*name);
    });
    QAction *exportAction = add(tr("&Export Preset..."), "PresetExport",
                                [this] { PresetPrompts::exportFile(this, currentPreset()); });
    // What acts on the chosen preset waits for one to be chosen.
    connect(menu, &QMenu::aboutToShow, this, [this, renameAction, deleteAction, exportAction] {
        const bool chosen = !currentPreset().isEmpty();
        for (QAction *action : {renameAction, deleteAction, exportAction})
            action->setEnabled(chosen);
    });
    menuButton->setMenu(menu);

    // The list beside its label, the menu button under the list.
    auto *rows = new QGridLayout;
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(label, 0, 0);
    rows->addWidget(m_presets, 0, 1);
    rows->addWidget(menuButton, 1, 1, Qt::AlignRight);
    return rows;
}

void CDlgRenameParameters::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_initialised)
        refreshPresets(currentPreset());
}

QString CDlgRenameParameters::currentPreset() const
{
    return m_presets->currentIndex() < 0 ? QString() : m_presets->currentText();
}

void CDlgRenameParameters::refreshPresets(const QString &current)
{
    const PresetStore::Result<QStringList> names = PresetStore().names();
    m_presets->clear();
    if (names)
        m_presets->addItems(*names.value);
    m_presets->setCurrentIndex(current.isEmpty() ? -1 : m_presets->findText(current));
}

void CDlgRenameParameters::applyPreset(const QString &name)
{
    if (!m_initialised)
        initialise();
    const std::optional<RenameParameters> preset = PresetPrompts::load(this, name);
    if (!preset) {
        refreshPresets();
        return;
    }
    m_parameters = *preset;
    m_stored = *preset;
    CAppSettings settings;
    for (int k = 0; k < CAppSettings::kKeyCount; ++k)
        m_stored.store(Key(k), settings); // a value that is no parameter is not stored
    putControls();
    refreshPresets(name);
    // An expression of the preset that cannot be used is told beside its field, as if typed.
    if (updateFindMessage())
        emit parametersEdited(m_stored);
}

void CDlgRenameParameters::savePreset()
{
    if (!m_initialised)
        initialise();
    if (const auto name = PresetPrompts::saveAs(this, m_stored, currentPreset()))
        refreshPresets(*name);
}
