#include "desktop/shell/FrameRibbon.h"

#include "core/engine/settings/PresetStore.h"
#include "desktop/dialogs/PresetPrompts.h"
#include "desktop/shell/MainFrame.h"
#include "desktop/shell/ShellViewDialogs.h"
#include "desktop/ui/CommandActions.h"

#include "desktop/shell/ribbon/Ribbon.h"
#include "desktop/shell/ribbon/RibbonIcons.h"
#include "desktop/ui/CommandIds.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMenu>

namespace FrameRibbon {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FrameRibbon", text);
}

// The presets menu as it opens: one entry per preset, applied to the active view's
// parameters, then saving the current ones, importing a file and the parameters window.
void fillPresetsMenu(QMenu *menu, CMainFrame &frame)
{
    menu->clear();
    CQuirewellView *view = frame.activeView();
    const PresetStore::Result<QStringList> names = PresetStore().names();
    for (const QString &name : names.value.value_or(QStringList())) {
        QAction *entry = menu->addAction(QString(name).replace(u'&', QStringLiteral("&&")));
        entry->setObjectName(QStringLiteral("preset:") + name);
        entry->setEnabled(view != nullptr);
        QObject::connect(entry, &QAction::triggered, &frame, [&frame, name] {
            if (CQuirewellView *active = frame.activeView())
                ShellViewDialogs::applyPreset(*active, frame, name);
        });
    }
    if (menu->isEmpty())
        menu->addAction(names ? tr("(No Presets Saved)") : names.error)->setEnabled(false);
    menu->addSeparator();
    QAction *save = menu->addAction(tr("&Save Current Parameters as Preset..."));
    save->setObjectName(QStringLiteral("preset-save"));
    save->setEnabled(view != nullptr);
    QObject::connect(save, &QAction::triggered, &frame, [&frame] {
        if (CQuirewellView *active = frame.activeView())
            ShellViewDialogs::savePreset(*active, frame);
    });
    QAction *import = menu->addAction(tr("&Import Preset..."));
    import->setObjectName(QStringLiteral("preset-import"));
    QObject::connect(import, &QAction::triggered, &frame,
                     [&frame] { PresetPrompts::importFile(&frame); });
    QAction *manage = menu->addAction(tr("&Manage Presets..."));
    manage->setObjectName(QStringLiteral("preset-manage"));
    manage->setEnabled(view != nullptr);
    QObject::connect(manage, &QAction::triggered, &frame,
                     [&frame] { frame.post(Cmd::RenameParameters); });
}

} // namespace

CommandActions *createActions(CMainFrame &frame)
{
    return new CommandActions(&frame, &RibbonIcons::forCommand);
}

QWidget *create(CMainFrame &frame)
{
    auto *ribbon = new Ribbon(frame.commandActions(), &frame);
    // The application button starts the renaming after the current event, as a post does.
    QObject::connect(ribbon, &Ribbon::applicationButtonActivated, &frame,
                     [&frame] { frame.post(Cmd::StartRenaming); });
    if (auto *presets = ribbon->findChild<QMenu *>(QStringLiteral("presets-menu")))
        QObject::connect(presets, &QMenu::aboutToShow, &frame,
                         [presets, &frame] { fillPresetsMenu(presets, frame); });
    return ribbon;
}

} // namespace FrameRibbon
