#include "desktop/dialogs/PresetPrompts.h"

#include "core/engine/settings/PresetStore.h"
#include "desktop/ui/Prompts.h"

#include <QCoreApplication>
#include <QDir>

namespace PresetPrompts {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PresetPrompts", text);
}

QString fileFilter()
{
    return tr("Presets (*.conf);;All Files (*)");
}

// A failure: what was being done, then the store's reason as a sentence of its own.
void tell(QWidget *parent, const QString &what, QString reason)
{
    if (!reason.isEmpty()) {
        reason[0] = reason[0].toUpper();
        reason += QLatin1Char('.');
    }
    Prompts::instance().message(parent, what + QLatin1Char('\n') + reason, Prompts::Icon::Error);
}

// Whether name may be written: it is free, or the user agrees to replace it.
bool mayReplace(QWidget *parent, const PresetStore &store, const QString &name)
{
    if (!store.contains(name))
        return true;
    return Prompts::instance().message(
               parent, tr("A preset named \"%1\" exists already. Replace it?").arg(name),
               Prompts::Icon::Question, Prompts::Buttons::YesNoCancel) == Prompts::Answer::Yes;
}

// Asks for a name until one that can name a preset is given; nothing when cancelled.
std::optional<QString> askName(QWidget *parent, const QString &label, QString initial)
{
    for (;;) {
        const std::optional<QString> answer = Prompts::instance().askText(parent, label, initial);
        if (!answer)
            return std::nullopt;
        const QString name = answer->trimmed();
        const QString problem = PresetStore::problemWithName(name);
        if (problem.isEmpty())
            return name;
        tell(parent, tr("This name cannot be used."), problem);
        initial = *answer;
    }
}

} // namespace

std::optional<RenameParameters> load(QWidget *parent, const QString &name)
{
    const PresetStore::Result<RenameParameters> loaded = PresetStore().load(name);
    if (!loaded)
        tell(parent, tr("The preset \"%1\" could not be applied; nothing was changed.").arg(name),
             loaded.error);
    return loaded.value;
}

std::optional<QString> saveAs(QWidget *parent, const RenameParameters &params,
                              const QString &suggestedName)
{
    const PresetStore store;
    const std::optional<QString> name =
        askName(parent, tr("Save the current rename parameters as the preset:"), suggestedName);
    if (!name || !mayReplace(parent, store, *name))
        return std::nullopt;
    if (const QString error = store.save(*name, params); !error.isEmpty()) {
        tell(parent, tr("The preset \"%1\" could not be saved.").arg(*name), error);
        return std::nullopt;
    }
    return name;
}

std::optional<QString> rename(QWidget *parent, const QString &name)
{
    const std::optional<QString> to =
        askName(parent, tr("New name of the preset \"%1\":").arg(name), name);
    if (!to || *to == name)
        return std::nullopt;
    if (const QString error = PresetStore().rename(name, *to); !error.isEmpty()) {
        tell(parent, tr("The preset \"%1\" could not be renamed.").arg(name), error);
        return std::nullopt;
    }
    return to;
}

bool remove(QWidget *parent, const QString &name)
{
    if (Prompts::instance().message(parent, tr("Delete the preset \"%1\"?").arg(name),
                                    Prompts::Icon::Question,
                                    Prompts::Buttons::YesNoCancel) != Prompts::Answer::Yes)
        return false;
    if (const QString error = PresetStore().remove(name); !error.isEmpty()) {
        tell(parent, tr("The preset \"%1\" could not be deleted.").arg(name), error);
        return false;
    }
    return true;
}

std::optional<QString> importFile(QWidget *parent)
{
    const QString path = Prompts::instance().pickOpenFile(parent, fileFilter());
    if (path.isEmpty())
        return std::nullopt;
    const PresetStore store;
    QString name = PresetStore::suggestedName(path);
    if (!PresetStore::problemWithName(name).isEmpty()) {
        const std::optional<QString> asked =
            askName(parent, tr("Import the preset file as the preset:"), name);
        if (!asked)
            return std::nullopt;
        name = *asked;
    }
    // The file is checked before anyone is asked about replacing a preset with it.
    if (const auto read = PresetStore::readFile(path); !read) {
        tell(parent, tr("The preset file could not be imported; nothing was changed."), read.error);
        return std::nullopt;
    }
    if (!mayReplace(parent, store, name))
        return std::nullopt;
    if (const QString error = store.importFile(path, name, true); !error.isEmpty()) {
        tell(parent, tr("The preset file could not be imported; nothing was changed."), error);
        return std::nullopt;
    }
    return name;
}

bool exportFile(QWidget *parent, const QString &name)
{
    const QString path = Prompts::instance().pickSaveFile(
        parent, QDir::homePath() + QLatin1Char('/') + name + QStringLiteral(".conf"), fileFilter());
    if (path.isEmpty())
        return false;
    if (const QString error = PresetStore().exportTo(name, path); !error.isEmpty()) {
        tell(parent, tr("The preset \"%1\" could not be exported.").arg(name), error);
        return false;
    }
    return true;
}

} // namespace PresetPrompts
