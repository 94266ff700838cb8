#include "core/engine/names/TemplateStep.h"

#include "core/engine/names/FileRows.h"
#include "core/engine/names/TemplateValues.h"
#include "core/metadata/MetadataCache.h"

std::optional<TemplateStep> TemplateStep::of(const RenameParameters &params)
{
    if (!params.checkNameTemplate)
        return std::nullopt;
    TemplateStep step;
    step.m_template = sharedTemplate(params.nameTemplate);
    return step;
}

std::optional<QString> TemplateStep::startingName(const FileRows &rows, std::size_t i,
                                                  QString *reason) const
{
    if (!m_template) {
        if (reason)
            *reason = QStringLiteral("the name template is invalid");
        return std::nullopt;
    }
    const FileRow &row = rows.rows[i];
    FileMetadata metadata;
    TemplateRow values;
    values.loadedName = row.loadedName;
    values.location = rows.location(int(i));
    values.modifiedKnown = row.mtime != kUnknownTime;
    values.modified = row.mtime;
    values.counter = qint64(i) + 1;
    if (m_template->metadataKinds() != kNoMetadata) {
        metadata =
            MetadataCache::shared().read(rows.fullPathBytes(int(i)), m_template->metadataKinds());
        values.metadata = &metadata;
    }
    return evaluateTemplate(*m_template, values, reason);
}

std::optional<TemplateError> templateError(const RenameParameters &params)
{
    if (!params.checkNameTemplate)
        return std::nullopt;
    TemplateError error;
    if (NameTemplate::parse(params.nameTemplate, &error))
        return std::nullopt;
    return error;
}

std::optional<QString> tokenExample(const FileRows &rows, std::size_t i, const QString &token)
{
    if (i >= rows.rows.size())
        return std::nullopt;
    RenameParameters params;
    params.checkNameTemplate = true;
    params.nameTemplate = token;
    const std::optional<TemplateStep> step = TemplateStep::of(params);
    return step->startingName(rows, i, nullptr);
}
