#pragma once

#include <QString>

// The part of a name a step changes. The extension runs from the last '.' to the end, the dot
// included; the title is what stands before it (the whole name when it has no '.').
enum class NamePart
{
    Name = 0,
    Title = 1,
    Extension = 2,
};

// The stored value as a part; a value out of range is the whole name.
NamePart namePartFrom(int stored);

// Where part lies in name: [from, from + size).
struct NameSpan
{
    qsizetype from = 0;
    qsizetype size = 0;
};
NameSpan spanOf(QStringView name, NamePart part);

// Runs step(QString &) on part of name alone and puts its result back in that part's place; the
// rest of name is kept as it is. The whole name is handed over as it is, without a copy.
template <typename Step> void applyToPart(QString &name, NamePart part, const Step &step)
{
    if (part == NamePart::Name) {
        step(name);
        return;
    }
    const NameSpan span = spanOf(name, part);
    QString piece = name.mid(span.from, span.size);
    step(piece);
    name.replace(span.from, span.size, piece);
}
