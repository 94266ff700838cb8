#pragma once

// Every value of group "Settings" that has a key, each listed once, in key order. A row
// gives the value's name (its CAppSettings::Key and its name in the store), its kind and
// the default of a flag or number (a text's default is empty). A rename parameter's row
// also names its field in RenameParameters and the flag without which a change of it is
// not previewed (Always: every change is).
//
// The key enum, the store's names and defaults and the parameters' fields all expand this
// table; each user defines what a VALUE row and a PARAMETER row become. A new value goes at
// the end, so the keys already there keep their numbers.
#define QUIREWELL_SETTINGS(VALUE, PARAMETER)                                                       \
    VALUE(DisplayHiddenFiles, Flag, 0)                                                             \
    VALUE(DisplayReadOnlyFiles, Flag, 0)                                                           \
    VALUE(ViewFilesInSubFolders, Flag, 0)                                                          \
    PARAMETER(CheckFindAndReplace, Flag, 0, checkFindAndReplace, Always)                           \
    PARAMETER(FindText, Text, 0, findText, CheckFindAndReplace)                                    \
    PARAMETER(ReplaceText, Text, 0, replaceText, CheckFindAndReplace)                              \
    PARAMETER(CheckNumberAtStart, Flag, 0, checkNumberAtStart, Always)                             \
    PARAMETER(NumberAtStart, Number, 1, numberAtStart, Always)                                     \
    PARAMETER(CheckNumberAtEnd, Flag, 0, checkNumberAtEnd, Always)                                 \
    PARAMETER(NumberAtEnd, Number, 1, numberAtEnd, Always)                                         \
    PARAMETER(CheckNewFileName, Flag, 0, checkNewFileName, Always)                                 \
    PARAMETER(NewFileName, Text, 0, newFileName, CheckNewFileName)                                 \
    PARAMETER(CheckRemoveInitialCharacters, Flag, 0, checkRemoveInitialCharacters, Always)         \
    PARAMETER(RemoveInitialCharactersLength, Number, 1, removeInitialCharactersLength,             \
              CheckRemoveInitialCharacters)                                                        \
    PARAMETER(CheckUpperCase, Flag, 0, checkUpperCase, Always)                                     \
    PARAMETER(CheckLowerCase, Flag, 0, checkLowerCase, Always)                                     \
    VALUE(ResolveChains, Flag, 0) /* rename chains and swaps through temporary names */            \
    /* new rows here */

// How a value is stored: a flag as 0 or 1, a number as a 32-bit integer, a text as a string.
enum class SettingKind
{
    Flag,
    Number,
    Text,
};
