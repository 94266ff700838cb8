#pragma once

#include "core/metadata/FileMetadata.h"

#include <QString>

#include <memory>
#include <optional>
#include <span>
#include <vector>

// A name template: text with tokens in braces, such as
// "{photo.taken:%Y-%m-%d_%H%M%S} {photo.model} {counter:3}{ext}", that gives a row its whole
// starting name. A token may carry one option after ':' (a date format, a number of digits,
// or "upper"/"lower" for a text), and alternatives after '|', the last of which may be a
// quoted text: "{photo.taken:%Y|modified:%Y}", "{audio.artist|"Unknown"}". "{{" and "}}" are
// literal braces.

// Where a token's value comes from.
enum class TokenSource : quint8
{
    Name,     // the loaded name
    Title,    // the loaded name before its last '.'
    Ext,      // the last '.' and what follows it; empty when none
    Folder,   // the name of the row's folder
    Parent,   // the name of the folder above it
    Counter,  // 1, 2, 3... in list order
    Modified, // the file's modified time, in local time
    Metadata, // a field the metadata readers fill
};

// Which option a token takes.
enum class TokenOption : quint8
{
    TextCase, // "upper" or "lower"
    Digits,   // a number of digits, 1 to 255
    Date,     // a strftime-style format, default "%Y-%m-%d"
};

struct TemplateTokenInfo
{
    const char *name; // as written between the braces
    TokenSource source;
    TokenOption option;
    std::optional<MetadataField> field; // for the tokens read from the file's content
    const char *description;
};

// Every token, in the order the help lists them; index by tokenInfo().
std::span<const TemplateTokenInfo> templateTokens();

// One alternative of a field: a token with its option, or a quoted text.
struct TemplateChoice
{
    int token = -1; // index into templateTokens(); -1 for the quoted text
    QString text;   // the quoted text, or the date format
    int digits = 0;
    enum class Case : quint8
    {
        AsIs,
        Upper,
        Lower
    } textCase = Case::AsIs;
};

// A piece of the template: literal text, or a field with its alternatives.
struct TemplatePiece
{
    QString literal;
    std::vector<TemplateChoice> choices; // empty for literal text
};

// Where and why a template cannot be used.
struct TemplateError
{
    qsizetype position = 0; // 1-based: the character of the template where the fault is
    QString message;

    // "invalid template at position N: MESSAGE"
    QString text() const;
};

class NameTemplate
{
public:
    // The template, or the first fault in it.
    static std::optional<NameTemplate> parse(const QString &text, TemplateError *error);

    const std::vector<TemplatePiece> &pieces() const { return m_pieces; }
    // The readers any of its tokens need.
    MetadataKinds metadataKinds() const { return m_kinds; }

private:
    std::vector<TemplatePiece> m_pieces;
    MetadataKinds m_kinds = kNoMetadata;
};

// The template of text, parsed once and shared by every thread that asks for the same text
// (null when it is invalid).
std::shared_ptr<const NameTemplate> sharedTemplate(const QString &text);

// The help on the tokens that quirewell-cli --help-tokens prints: one line per token.
QString templateTokensHelp();
