#pragma once

#include "core/engine/settings/RenameParameters.h"

#include <QString>

#include <optional>

class QWidget;

// The questions and messages around presets, through the prompt seam: a name asked for, a
// replacement or deletion confirmed, a file picked, a failure told with the file and the
// reason. Each returns what it did; nothing is changed when the user cancels.
namespace PresetPrompts {

// The parameters of preset name; a message box says why not when there are none.
std::optional<RenameParameters> load(QWidget *parent, const QString &name);
// Asks for a name (confirming a replacement) and saves params under it: the name, or nothing.
std::optional<QString> saveAs(QWidget *parent, const RenameParameters &params,
                              const QString &suggestedName = {});
// Asks for the new name of preset name: the new name, or nothing.
std::optional<QString> rename(QWidget *parent, const QString &name);
// Asks, then deletes preset name; whether it was deleted.
bool remove(QWidget *parent, const QString &name);
// Picks a preset file, saves it under its own name (confirming a replacement): the name, or
// nothing.
std::optional<QString> importFile(QWidget *parent);
// Picks a file and writes preset name there; whether it was written.
bool exportFile(QWidget *parent, const QString &name);

} // namespace PresetPrompts
