#include "core/engine/settings/RenameParameters.h"

#include <optional>
#include <type_traits>
#include <variant>

namespace {

using Key = CAppSettings::Key;
using Member =
    std::variant<bool RenameParameters::*, int RenameParameters::*, QString RenameParameters::*>;

struct Field
{
    Key key;
    Member member;
    std::optional<Key> onlyWhile;
};

template <typename Value> constexpr SettingKind kindOf()
{
    if constexpr (std::is_same_v<Value, bool>)
        return SettingKind::Flag;
    else if constexpr (std::is_same_v<Value, int>)
        return SettingKind::Number;
    else {
        static_assert(std::is_same_v<Value, QString>, "a parameter is a flag, number or text");
        return SettingKind::Text;
    }
}

// Names a parameter's previewing flag as the table writes it: a key, or Always.
namespace PreviewedWhile {
using enum CAppSettings::Key;
// Named like the keys beside it in the table, not as a constant.
constexpr std::optional<CAppSettings::Key> Always; // NOLINT(readability-identifier-naming)
} // namespace PreviewedWhile

#define QUIREWELL_NO_FIELD(...)
#define QUIREWELL_FIELD_KIND(NAME, KIND, DEFAULT, FIELD, ONLY_WHILE, ...)                          \
    static_assert(kindOf<decltype(RenameParameters::FIELD)>() == SettingKind::KIND,                \
                  "the field of " #NAME " holds a value of another kind");
QUIREWELL_SETTINGS(QUIREWELL_NO_FIELD, QUIREWELL_FIELD_KIND)
#undef QUIREWELL_FIELD_KIND

// Which field each stored parameter fills; flags are stored as 0 or 1.
#define QUIREWELL_FIELD(NAME, KIND, DEFAULT, FIELD, ONLY_WHILE, ...)                               \
    {Key::NAME, &RenameParameters::FIELD, PreviewedWhile::ONLY_WHILE},
const Field kFields[] = {QUIREWELL_SETTINGS(QUIREWELL_NO_FIELD, QUIREWELL_FIELD)};
#undef QUIREWELL_FIELD
#undef QUIREWELL_NO_FIELD

const Field *fieldFor(Key key)
{
    for (const Field &field : kFields) {
        if (field.key == key)
            return &field;
    }
    return nullptr;
}

} // namespace

RenameParameters RenameParameters::fromSettings(const CAppSettings &settings)
{
    RenameParameters p;
    for (const Field &field : kFields)
        p.setValue(field.key, CAppSettings::isText(field.key)
                                  ? QVariant(settings.textValue(field.key))
                                  : QVariant(settings.intValue(field.key)));
    return p;
}

bool RenameParameters::isParameter(Key key)
{
    return fieldFor(key) != nullptr;
}

std::optional<Key> RenameParameters::previewedOnlyWhile(Key key)
{
    const Field *field = fieldFor(key);
    return field ? field->onlyWhile : std::nullopt;
}

QVariant RenameParameters::value(Key key) const
{
    const Field *field = fieldFor(key);
    if (!field)
        return {};
    return std::visit(
        [this](auto member) -> QVariant {
            using Value = std::remove_cvref_t<decltype(this->*member)>;
            if constexpr (std::is_same_v<Value, bool>)
                return (this->*member) ? 1 : 0;
            else
                return this->*member;
        },
        field->member);
}

void RenameParameters::setValue(Key key, const QVariant &value)
{
    const Field *field = fieldFor(key);
    if (!field)
        return;
    std::visit(
        [this, &value](auto member) {
            using Value = std::remove_cvref_t<decltype(this->*member)>;
            if constexpr (std::is_same_v<Value, bool>)
                this->*member = value.toInt() != 0;
            else
                this->*member = value.value<Value>();
        },
        field->member);
}

void RenameParameters::store(Key key, CAppSettings &settings) const
{
    const QVariant v = value(key);
    if (!v.isValid())
        return;
    if (CAppSettings::isText(key))
        settings.setValue(key, v.toString());
    else
        settings.setValue(key, v.toInt());
}

QString RenameParameters::problemWithNumber(Key key, qint64 value)
{
    const bool padding =
        key == Key::PadNumberAtStart || key == Key::PadNumberAtEnd || key == Key::PadNumbersDigits;
    if (padding && (value < 0 || value > kMaximumPadding))
        return QStringLiteral("a number of digits from 0 to %1, not %2")
            .arg(kMaximumPadding)
            .arg(value);
    return {};
}
