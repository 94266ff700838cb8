#include "engine/RenameParameters.h"

#include "engine/SettingsStore.h"

#include <variant>

namespace {

using Key = CAppSettings::Key;
using Member =
    std::variant<bool RenameParameters::*, int RenameParameters::*, QString RenameParameters::*>;

struct Field
{
    Key key;
    Member member;
};

// Which field each stored parameter fills; flags are stored as 0 or 1.
const Field kFields[] = {
    {Key::CheckFindAndReplace, &RenameParameters::checkFindAndReplace},
    {Key::FindText, &RenameParameters::findText},
    {Key::ReplaceText, &RenameParameters::replaceText},
    {Key::CheckNumberAtStart, &RenameParameters::checkNumberAtStart},
    {Key::NumberAtStart, &RenameParameters::numberAtStart},
    {Key::CheckNumberAtEnd, &RenameParameters::checkNumberAtEnd},
    {Key::NumberAtEnd, &RenameParameters::numberAtEnd},
    {Key::CheckNewFileName, &RenameParameters::checkNewFileName},
    {Key::NewFileName, &RenameParameters::newFileName},
    {Key::CheckRemoveInitialCharacters, &RenameParameters::checkRemoveInitialCharacters},
    {Key::RemoveInitialCharactersLength, &RenameParameters::removeInitialCharactersLength},
    {Key::CheckUpperCase, &RenameParameters::checkUpperCase},
    {Key::CheckLowerCase, &RenameParameters::checkLowerCase},
};

const Field *fieldFor(Key key)
{
    for (const Field &field : kFields) {
        if (field.key == key)
            return &field;
    }
    return nullptr;
}

} // namespace

RenameParameters RenameParameters::fromSettings(const CAppSettings &)
{
    return fromStore(SettingsStore::instance());
}

RenameParameters RenameParameters::fromStore(const SettingsStore &store)
{
    RenameParameters p;
    for (const Field &field : kFields)
        p.setValue(field.key, CAppSettings::isText(field.key) ? QVariant(store.getString(field.key))
                                                              : QVariant(store.getInt(field.key)));
    return p;
}

bool RenameParameters::isParameter(Key key)
{
    return fieldFor(key) != nullptr;
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

void RenameParameters::store(Key key, SettingsStore &store) const
{
    const QVariant v = value(key);
    if (!v.isValid())
        return;
    if (CAppSettings::isText(key))
        store.set(key, v.toString());
    else
        store.set(key, v.toInt());
}
