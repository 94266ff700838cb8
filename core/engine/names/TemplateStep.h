#pragma once

#include "core/engine/names/NameTemplate.h"
#include "core/engine/settings/RenameParameters.h"

#include <QString>

#include <cstddef>
#include <memory>
#include <optional>

class FileRows;

// The name template as a step of the new-name rule. It comes first and gives the whole
// starting name, extension included; the other steps then work on that name exactly as they
// work on a loaded name. First, because a template builds a name from scratch: any step
// before it would be thrown away, while the steps after it (numbers, find and replace, case,
// trimming, ASCII) keep their meaning, on the template's name instead of the loaded one.
class TemplateStep
{
public:
    // The step of params: none when the template is off.
    static std::optional<TemplateStep> of(const RenameParameters &params);

    // Whether the template text can be used (when it cannot, every row keeps its name).
    bool isValid() const { return m_template != nullptr; }
    // Whether a token reads the files' metadata.
    bool readsFiles() const { return m_template && m_template->metadataKinds() != kNoMetadata; }
    // The starting name of row i of rows, its counter at i + 1 (list order). None when a
    // token has no value for this row; reason then says which ("no photo.taken"). Reads the
    // file's metadata (through the shared MetadataCache) when a token needs it.
    std::optional<QString> startingName(const FileRows &rows, std::size_t i, QString *reason) const;

private:
    std::shared_ptr<const NameTemplate> m_template;
};

// Why params' template cannot be used, when it is on; none otherwise.
std::optional<TemplateError> templateError(const RenameParameters &params);

// The value token (a whole field such as "{photo.taken:%Y}") gives row i of rows, for the
// examples of a token menu; none when the row has no value for it or token is no field.
std::optional<QString> tokenExample(const FileRows &rows, std::size_t i, const QString &token);
