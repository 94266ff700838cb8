#include "core/engine/names/NameTemplate.h"

#include "core/engine/names/TemplateValues.h"

#include <mutex>

namespace {

using enum TokenSource;
using enum TokenOption;
using Field = MetadataField;

const TemplateTokenInfo kTokens[] = {
    {"name", Name, TextCase, {}, "the loaded name, extension included"},
    {"title", Title, TextCase, {}, "the loaded name before its last '.'"},
    {"ext", Ext, TextCase, {}, "the extension with its dot; empty when none"},
    {"folder", Folder, TextCase, {}, "the name of the file's folder"},
    {"parent", Parent, TextCase, {}, "the name of the folder above it"},
    {"counter", Counter, Digits, {}, "1, 2, 3... in list order; :N gives N digits"},
    {"modified", Modified, Date, {}, "the file's modified time, local time"},
    {"photo.taken", Metadata, Date, Field::PhotoTaken, "when the photo was taken"},
    {"photo.digitized", Metadata, Date, Field::PhotoDigitized, "when the photo was digitized"},
    {"photo.make", Metadata, TextCase, Field::PhotoMake, "the camera's make"},
    {"photo.model", Metadata, TextCase, Field::PhotoModel, "the camera's model"},
    {"photo.lens", Metadata, TextCase, Field::PhotoLens, "the lens"},
    {"photo.width", Metadata, Digits, Field::PhotoWidth, "the width in pixels"},
    {"photo.height", Metadata, Digits, Field::PhotoHeight, "the height in pixels"},
    {"photo.orientation", Metadata, Digits, Field::PhotoOrientation,
     "the EXIF orientation, 1 to 8"},
    {"audio.artist", Metadata, TextCase, Field::AudioArtist, "the artist"},
    {"audio.albumartist", Metadata, TextCase, Field::AudioAlbumArtist, "the album's artist"},
    {"audio.album", Metadata, TextCase, Field::AudioAlbum, "the album"},
    {"audio.title", Metadata, TextCase, Field::AudioTitle, "the song's title"},
    {"audio.track", Metadata, Digits, Field::AudioTrack, "the track number; :N gives N digits"},
    {"audio.disc", Metadata, Digits, Field::AudioDisc, "the disc number; :N gives N digits"},
    {"audio.year", Metadata, Digits, Field::AudioYear, "the year"},
    {"audio.genre", Metadata, TextCase, Field::AudioGenre, "the genre"},
    {"video.duration", Metadata, TextCase, Field::VideoDuration,
     "the duration, as 1h02m03s, 2m03s or 3s"},
    {"video.created", Metadata, Date, Field::VideoCreated, "when the video was made, local time"},
};

constexpr int kMostDigits = 255;

class Parser
{
public:
    Parser(const QString &text, TemplateError *error) : m_text(text), m_error(error) {}

    std::optional<std::vector<TemplatePiece>> run()
    {
        std::vector<TemplatePiece> pieces;
        QString literal;
        for (qsizetype i = 0; i < m_text.size();) {
            const QChar c = m_text[i];
            if (c == u'{' && i + 1 < m_text.size() && m_text[i + 1] == u'{') {
                literal += u'{';
                i += 2;
            } else if (c == u'}' && i + 1 < m_text.size() && m_text[i + 1] == u'}') {
                literal += u'}';
                i += 2;
            } else if (c == u'}') {
                return fail(i, QStringLiteral("a '}' that closes nothing (write '}}' for one)"));
            } else if (c == u'{') {
                if (!literal.isEmpty())
                    pieces.push_back({std::exchange(literal, {}), {}});
                TemplatePiece field;
                if (!parseField(i, field.choices))
                    return std::nullopt;
                pieces.push_back(std::move(field));
            } else {
                literal += c;
                ++i;
            }
        }
        if (!literal.isEmpty())
            pieces.push_back({literal, {}});
        return pieces;
    }

private:
    std::nullopt_t fail(qsizetype index, const QString &message)
    {
        if (m_error)
            *m_error = {index + 1, message};
        return std::nullopt;
    }

    // The field whose '{' is at i; i moves past its '}'.
    bool parseField(qsizetype &i, std::vector<TemplateChoice> &choices)
    {
        const qsizetype open = i++;
        for (;;) {
            if (i >= m_text.size())
                return fail(open, QStringLiteral("a '{' that is never closed")), false;
            TemplateChoice choice;
            if (m_text[i] == u'"') {
                const qsizetype close = m_text.indexOf(u'"', i + 1);
                if (close < 0)
                    return fail(i, QStringLiteral("a quoted text that is never closed")), false;
                choice.text = m_text.sliced(i + 1, close - i - 1);
                choices.push_back(choice);
                i = close + 1;
                if (i >= m_text.size())
                    return fail(open, QStringLiteral("a '{' that is never closed")), false;
                if (m_text[i] != u'}')
                    return fail(i, QStringLiteral("a quoted text must be the last alternative")),
                           false;
                ++i;
                return true;
            }
            if (!parseToken(i, open, choice))
                return false;
            choices.push_back(choice);
            if (m_text[i] == u'}') {
                ++i;
                return true;
            }
            ++i; // past '|'
        }
    }

    // A token and its option from i, up to the '|' or '}' that ends it.
    bool parseToken(qsizetype &i, qsizetype open, TemplateChoice &choice)
    {
        const qsizetype start = i;
        while (i < m_text.size() && m_text[i] != u':' && m_text[i] != u'|' && m_text[i] != u'}')
            ++i;
        if (i >= m_text.size())
            return fail(open, QStringLiteral("a '{' that is never closed")), false;
        const QString name = m_text.sliced(start, i - start);
        if (name.isEmpty())
            return fail(start, QStringLiteral("a token is missing")), false;
        const std::span<const TemplateTokenInfo> tokens = templateTokens();
        for (size_t t = 0; t < tokens.size(); ++t) {
            if (name == QLatin1String(tokens[t].name))
                choice.token = int(t);
        }
        if (choice.token < 0)
            return fail(start, QStringLiteral("unknown token '%1'").arg(name)), false;
        const TemplateTokenInfo &info = tokens[size_t(choice.token)];
        if (info.option == Date)
            choice.text = QStringLiteral("%Y-%m-%d");
        if (m_text[i] != u':')
            return true;
        const qsizetype optionStart = ++i;
        while (i < m_text.size() && m_text[i] != u'|' && m_text[i] != u'}')
            ++i;
        if (i >= m_text.size())
            return fail(open, QStringLiteral("a '{' that is never closed")), false;
        return parseOption(m_text.sliced(optionStart, i - optionStart), optionStart, info, choice);
    }

    bool parseOption(const QString &option, qsizetype at, const TemplateTokenInfo &info,
                     TemplateChoice &choice)
    {
        if (option.isEmpty())
            return fail(at, QStringLiteral("an empty option after ':'")), false;
        switch (info.option) {
        case TextCase:
            if (option == QLatin1String("upper"))
                choice.textCase = TemplateChoice::Case::Upper;
            else if (option == QLatin1String("lower"))
                choice.textCase = TemplateChoice::Case::Lower;
            else
                return fail(at, QStringLiteral("unknown option '%1' of %2 (upper or lower)")
                                    .arg(option, QLatin1String(info.name))),
                       false;
            return true;
        case Digits: {
            bool ok = false;
            const int digits = option.toInt(&ok);
            if (!ok || digits < 1 || digits > kMostDigits)
                return fail(at, QStringLiteral("'%1' is not a number of digits (1 to %2)")
                                    .arg(option)
                                    .arg(kMostDigits)),
                       false;
            choice.digits = digits;
            return true;
        }
        case Date: {
            const qsizetype bad = invalidDateConversion(option);
            if (bad >= 0)
                return fail(at + bad,
                            QStringLiteral("unknown date conversion '%1'").arg(option.mid(bad, 2))),
                       false;
            choice.text = option;
            return true;
        }
        }
        return true;
    }

    const QString &m_text;
    TemplateError *m_error;
};

} // namespace

std::span<const TemplateTokenInfo> templateTokens()
{
    return kTokens;
}

QString TemplateError::text() const
{
    return QStringLiteral("invalid template at position %1: %2").arg(position).arg(message);
}

std::optional<NameTemplate> NameTemplate::parse(const QString &text, TemplateError *error)
{
    std::optional<std::vector<TemplatePiece>> pieces = Parser(text, error).run();
    if (!pieces)
        return std::nullopt;
    NameTemplate parsed;
    parsed.m_pieces = std::move(*pieces);
    for (const TemplatePiece &piece : parsed.m_pieces) {
        for (const TemplateChoice &choice : piece.choices) {
            if (choice.token >= 0 && kTokens[choice.token].field)
                parsed.m_kinds |= metadataKindOf(*kTokens[choice.token].field);
        }
    }
    return parsed;
}

std::shared_ptr<const NameTemplate> sharedTemplate(const QString &text)
{
    static std::mutex lock;
    static QString lastText;
    static std::shared_ptr<const NameTemplate> last;
    const std::lock_guard guard(lock);
    if (!last || lastText != text) {
        std::optional<NameTemplate> parsed = NameTemplate::parse(text, nullptr);
        last = parsed ? std::make_shared<const NameTemplate>(std::move(*parsed)) : nullptr;
        lastText = text;
        if (!last)
            return nullptr;
    }
    return last;
}

QString templateTokensHelp()
{
    QString help = QStringLiteral(
        "Tokens of --template TEXT (the template gives the whole starting name, extension\n"
        "included; the other operations then apply to it):\n");
    for (const TemplateTokenInfo &info : kTokens) {
        QString usage = QStringLiteral("{%1}").arg(QLatin1String(info.name));
        if (info.option == Digits)
            usage = QStringLiteral("{%1:N}").arg(QLatin1String(info.name));
        else if (info.option == Date)
            usage = QStringLiteral("{%1:FMT}").arg(QLatin1String(info.name));
        help += QStringLiteral("  %1 %2\n").arg(usage, -24).arg(QLatin1String(info.description));
    }
    help += QStringLiteral(
        "Options: :N pads a number to N digits; :FMT is a date format of strftime's\n"
        "conversions (%Y %y %m %d %e %H %I %M %S %p %j %b %B %a %A %F %T %%), default\n"
        "%Y-%m-%d; photo dates as the camera recorded them, file and video times in local\n"
        "time; :upper or :lower changes the case of a text.\n"
        "Alternatives: {photo.taken:%Y|modified:%Y} uses the first that has a value; a quoted\n"
        "text may come last: {audio.artist|\"Unknown\"}. {{ and }} are literal braces.\n"
        "A file without a value for its token keeps its name and is reported (\"no TOKEN\").\n"
        "Values lose '/' (becomes '_'), control characters (become spaces), surrounding\n"
        "spaces and leading dots; a name over 255 bytes is shortened before its extension.\n");
    return help;
}
