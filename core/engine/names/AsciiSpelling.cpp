#include "core/engine/names/AsciiSpelling.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace {

// Any script to Latin, Latin to ASCII, then the '/' that the second may write ("½") made '-'.
constexpr char16_t kRules[] = u"::Any-Latin; ::Latin-ASCII; '/' > '-';";

struct Prototype
{
    Prototype()
    {
        UParseError parseError{};
        UErrorCode status = U_ZERO_ERROR;
        transliterator.reset(icu::Transliterator::createFromRules(
            icu::UnicodeString(u"Quirewell-ASCII"), icu::UnicodeString(kRules), UTRANS_FORWARD,
            parseError, status));
        if (U_FAILURE(status) || !transliterator) {
            transliterator.reset();
            error = QStringLiteral("ASCII spelling is not available (ICU: %1)")
                        .arg(QString::fromLatin1(u_errorName(status)));
        }
    }

    std::unique_ptr<icu::Transliterator> transliterator;
    QString error;
    std::mutex cloning; // clone() of one transliterator from several threads at once
};

Prototype &prototype()
{
    static Prototype built; // built once, on first use, by whichever thread comes first
    return built;
}

// This thread's copy of the transforms; null when ICU could not build them.
icu::Transliterator *threadTransliterator(QString *error)
{
    thread_local std::unique_ptr<icu::Transliterator> own;
    if (!own) {
        Prototype &p = prototype();
        if (!p.transliterator) {
            if (error)
                *error = p.error;
            return nullptr;
        }
        const std::lock_guard lock(p.cloning);
        own.reset(p.transliterator->clone());
    }
    return own.get();
}

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// A unit the transforms never see: an escaped byte or another lone surrogate, or a '/'.
bool keptAsItIs(QStringView text, qsizetype i)
{
    const QChar c = text[i];
    if (c == u'/')
        return true;
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text[i + 1].isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text[i - 1].isHighSurrogate();
    return false;
}

void appendSpelled(QString &out, QStringView piece, icu::Transliterator &transliterator)
{
    if (isAscii(piece)) {
        out += piece;
        return;
    }
    icu::UnicodeString text(piece.utf16(), int32_t(piece.size()));
    transliterator.transliterate(text);
    out += QStringView(text.getBuffer(), text.length());
}

} // namespace

bool spellInAscii(QString &name, QString *error)
{
    if (isAscii(name))
        return true;
    icu::Transliterator *transliterator = threadTransliterator(error);
    if (!transliterator)
        return false;
    const QStringView text(name);
    QString out;
    out.reserve(name.size());
    qsizetype from = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !keptAsItIs(text, i))
            continue;
        appendSpelled(out, text.sliced(from, i - from), *transliterator);
        if (i < text.size())
            out += text[i];
        from = i + 1;
    }
    name = out;
    return true;
}
