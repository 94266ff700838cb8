#pragma once

#include "core/system/FileSystem.h"

#include <QString>

// A settings file named on a command line is read strictly, unlike the user's own store
// (where a damaged value reads as its default): a typo in its path or a damaged file must not
// quietly give the defaults. Checked before anything else reads it.
namespace SettingsFileCheck {

// Larger files are refused unread; a real settings file is a few hundred bytes.
constexpr qint64 kMaximumSize = 1 << 20;

// Why the INI file at path cannot serve as the settings store, or an empty text when it can:
// it must be a regular file (a link to one is followed unless links is NotFollowed, when a
// link is refused; a FIFO or device is never opened), at
// most kMaximumSize bytes, UTF-8 text in INI syntax, and every value of group "Settings" that the
// table names must be of its kind (a number or flag a whole 32-bit number).
QString problemWith(const QString &path, FileSystem::Links links = FileSystem::Links::Followed);

} // namespace SettingsFileCheck
