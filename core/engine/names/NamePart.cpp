#include "core/engine/names/NamePart.h"

NamePart namePartFrom(int stored)
{
    switch (stored) {
    case int(NamePart::Title):
        return NamePart::Title;
    case int(NamePart::Extension):
        return NamePart::Extension;
    default:
        return NamePart::Name;
    }
}

NameSpan spanOf(QStringView name, NamePart part)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    const qsizetype titleSize = dot < 0 ? name.size() : dot;
    switch (part) {
    case NamePart::Title:
        return {0, titleSize};
    case NamePart::Extension:
        return {titleSize, name.size() - titleSize};
    case NamePart::Name:
        break;
    }
    return {0, name.size()};
}
