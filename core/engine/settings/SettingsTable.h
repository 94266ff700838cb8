#pragma once

// Every value of group "Settings" that has a key, each listed once, in key order. A row
// gives the value's name (its CAppSettings::Key and its name in the store), its kind and
// the default of a flag or number (a text's default is empty). A rename parameter's row
// also names its field in RenameParameters, the flag without which a change of it is not
// previewed (Always: every change is), and its quirewell-cli option:
// CliOption("--name", "help text", Flag) gives the parameter for one run and switches Flag
// on (a text or number option takes a TEXT or N argument, a flag's option none);
// CliValueOption("--name", "help text") gives the parameter and switches nothing on (a
// setting of an operation that has its own option); CliChoice("--name", "help text",
// "a|b|c"): a number stored as the index of the word given; NoCliOption: the parameter has no
// option of its own.
//
// The key enum, the store's names and defaults, the parameters' fields and quirewell-cli's
// options all expand this table; each user defines what a VALUE row and a PARAMETER row
// become. A new value goes at the end, so the keys already there keep their numbers.
#define QUIREWELL_SETTINGS(VALUE, PARAMETER)                                                       \
    VALUE(DisplayHiddenFiles, Flag, 0)                                                             \
    VALUE(DisplayReadOnlyFiles, Flag, 0)                                                           \
    VALUE(ViewFilesInSubFolders, Flag, 0)                                                          \
    PARAMETER(CheckFindAndReplace, Flag, 0, checkFindAndReplace, Always, NoCliOption)              \
    PARAMETER(FindText, Text, 0, findText, CheckFindAndReplace,                                    \
              CliOption("--find", "find and replace: the text to find", CheckFindAndReplace))      \
    PARAMETER(ReplaceText, Text, 0, replaceText, CheckFindAndReplace,                              \
              CliOption("--replace", "find and replace: the text put in its place",                \
                        CheckFindAndReplace))                                                      \
    PARAMETER(CheckNumberAtStart, Flag, 0, checkNumberAtStart, Always, NoCliOption)                \
    PARAMETER(NumberAtStart, Number, 1, numberAtStart, Always,                                     \
              CliOption("--number-start", "put a running number, from N, before each name",        \
                        CheckNumberAtStart))                                                       \
    PARAMETER(CheckNumberAtEnd, Flag, 0, checkNumberAtEnd, Always, NoCliOption)                    \
    PARAMETER(NumberAtEnd, Number, 1, numberAtEnd, Always,                                         \
              CliOption("--number-end", "put a running number, from N, at the end of each title",  \
                        CheckNumberAtEnd))                                                         \
    PARAMETER(CheckNewFileName, Flag, 0, checkNewFileName, Always, NoCliOption)                    \
    PARAMETER(NewFileName, Text, 0, newFileName, CheckNewFileName,                                 \
              CliOption("--new-name", "replace the title by TEXT", CheckNewFileName))              \
    PARAMETER(CheckRemoveInitialCharacters, Flag, 0, checkRemoveInitialCharacters, Always,         \
              NoCliOption)                                                                         \
    PARAMETER(RemoveInitialCharactersLength, Number, 1, removeInitialCharactersLength,             \
              CheckRemoveInitialCharacters,                                                        \
              CliOption("--remove", "remove the first N characters of each title",                 \
                        CheckRemoveInitialCharacters))                                             \
    PARAMETER(CheckUpperCase, Flag, 0, checkUpperCase, Always,                                     \
              CliOption("--upper", "whole new name in upper case", CheckUpperCase))                \
    PARAMETER(CheckLowerCase, Flag, 0, checkLowerCase, Always,                                     \
              CliOption("--lower", "whole new name in lower case", CheckLowerCase))                \
    VALUE(ResolveChains, Flag, 0) /* rename chains and swaps through temporary names */            \
    PARAMETER(PadNumberAtStart, Number, 0, padNumberAtStart, CheckNumberAtStart,                   \
              CliValueOption("--pad-start",                                                        \
                             "the number before each name has at least N digits (0 to 255)"))      \
    PARAMETER(StepNumberAtStart, Number, 1, stepNumberAtStart, CheckNumberAtStart,                 \
              CliValueOption("--step-start", "the number before each name grows by N per row\n"    \
                                             "(default 1; negative counts down)"))                 \
    PARAMETER(                                                                                     \
        PadNumberAtEnd, Number, 0, padNumberAtEnd, CheckNumberAtEnd,                               \
        CliValueOption("--pad-end", "the number at the end of each title has at least N digits"))  \
    PARAMETER(StepNumberAtEnd, Number, 1, stepNumberAtEnd, CheckNumberAtEnd,                       \
              CliValueOption("--step-end", "the number at the end grows by N per row"))            \
    PARAMETER(RestartNumbersEachFolder, Flag, 0, restartNumbersEachFolder, Always,                 \
              CliOption("--restart-each-folder",                                                   \
                        "both running numbers start again in every folder",                        \
                        RestartNumbersEachFolder))                                                 \
    PARAMETER(CheckPadNumbers, Flag, 0, checkPadNumbers, Always, NoCliOption)                      \
    PARAMETER(PadNumbersDigits, Number, 3, padNumbersDigits, CheckPadNumbers,                      \
              CliOption("--pad-numbers",                                                           \
                        "pad every run of digits in each new title to at least N digits",          \
                        CheckPadNumbers))                                                          \
    VALUE(NaturalNameOrder, Flag, 0) /* name columns sort runs of digits by value */               \
    PARAMETER(FindRegularExpression, Flag, 0, findRegularExpression, CheckFindAndReplace,          \
              CliOption("--regex",                                                                 \
                        "find and replace: the text to find is a regular expression;\n"            \
                        "the replacement may hold $0, $1..$99, ${name} and $$ (a $)",              \
                        FindRegularExpression))                                                    \
    PARAMETER(                                                                                     \
        FindIgnoreCase, Flag, 0, findIgnoreCase, CheckFindAndReplace,                              \
        CliOption("--ignore-case", "find and replace: ignore case when finding", FindIgnoreCase))  \
    PARAMETER(FindFirstOnly, Flag, 0, findFirstOnly, CheckFindAndReplace,                          \
              CliOption("--first-only", "find and replace: replace the first match only",          \
                        FindFirstOnly))                                                            \
    PARAMETER(CheckTitleCase, Flag, 0, checkTitleCase, Always,                                     \
              CliOption("--title-case",                                                            \
                        "each word of the title: first letter upper, the rest lower",              \
                        CheckTitleCase))                                                           \
    PARAMETER(CheckSentenceCase, Flag, 0, checkSentenceCase, Always,                               \
              CliOption("--sentence-case", "first letter of the title upper, the rest lower",      \
                        CheckSentenceCase))                                                        \
    PARAMETER(CheckTrimSpaces, Flag, 0, checkTrimSpaces, Always,                                   \
              CliOption("--trim-spaces",                                                           \
                        "drop spaces around the title, runs of spaces become one",                 \
                        CheckTrimSpaces))                                                          \
    PARAMETER(                                                                                     \
        CheckAscii, Flag, 0, checkAscii, Always,                                                   \
        CliOption("--ascii", "spell letters of other scripts and accents in ASCII", CheckAscii))   \
    PARAMETER(CheckLowerExtension, Flag, 0, checkLowerExtension, Always,                           \
              CliOption("--lower-extension", "extension in lower case", CheckLowerExtension))      \
    PARAMETER(ApplyTo, Number, 0, applyTo, Always,                                                 \
              CliChoice("--apply-to",                                                              \
                        "what find and replace and the case steps change: the\n"                   \
                        "whole name (default), the title or the extension",                        \
                        "name|title|extension"))                                                   \
    /* The name template: the whole starting name built from tokens. */                            \
    PARAMETER(CheckNameTemplate, Flag, 0, checkNameTemplate, Always, NoCliOption)                  \
    PARAMETER(NameTemplate, Text, 0, nameTemplate, CheckNameTemplate,                              \
              CliOption("--template",                                                              \
                        "build each whole name from TEXT, such as\n"                               \
                        "'{photo.taken:%Y-%m-%d} {counter:3}{ext}' (see --help-tokens)",           \
                        CheckNameTemplate))                                                        \
    /* new rows here */

// How a value is stored: a flag as 0 or 1, a number as a 32-bit integer, a text as a string.
enum class SettingKind
{
    Flag,
    Number,
    Text,
};
