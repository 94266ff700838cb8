#pragma once

// The plain C program that quirewell-cli list is compared with: the same walk (each folder's
// names sorted case-insensitively, ties case-sensitively, sub-folders entered where they are
// met, links never entered) printing the same six tab-separated columns with the same texts.

#include <cstdio>

namespace cbase {

// Prints every file below folder (no trailing '/') as quirewell-cli list prints it, every
// file listed (hidden and read-only ones too); recurse walks the sub-folders. Returns the
// number of rows.
long listSixColumns(const char *folder, bool recurse, std::FILE *out);

} // namespace cbase
