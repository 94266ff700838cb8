#include "core/engine/names/FindExpression.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/names/FindReplace.h"
#include "core/engine/settings/RenameParameters.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <memory>
#include <mutex>
#include <vector>

namespace {

// A name is at most 255 bytes, so an honest expression needs far less than this; a
// catastrophic one (nested repeats that backtrack exponentially) reaches it in milliseconds.
constexpr uint32_t kMatchLimit = 200000;
constexpr uint32_t kDepthLimit = 5000;
constexpr PCRE2_SIZE kHeapLimitKiB = 16 * 1024;
constexpr PCRE2_SIZE kJitStackMax = 512 * 1024;

// Escaped bytes are lone surrogates, which are not UTF-16. Each stands in the text PCRE2
// sees for one private-use character of its own (one code unit for one, so every offset
// holds in both texts), so '.' matches it as one character and an escaped byte in the
// expression matches that byte only. Any other lone surrogate reads as U+FFFD.
constexpr char16_t kStandInBase = 0xF700;

bool needsStandIns(QStringView text)
{
    for (QChar c : text)
        if (c.isSurrogate())
            return true;
    return false;
}

// text with every lone surrogate replaced as described above; pairs are kept.
QString withStandIns(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    char16_t *to = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        const bool pairHigh =
            QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pairHigh) {
            to[i] = u;
            to[i + 1] = text[i + 1].unicode();
            ++i;
        } else if (isEscapedByte(u)) {
            to[i] = char16_t(kStandInBase + (u - 0xDC00));
        } else {
            to[i] = QChar::isSurrogate(u) ? char16_t(0xFFFD) : u;
        }
    }
    return out;
}

qsizetype charactersIn(QStringView text)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++n)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    return n;
}

PCRE2_SPTR16 units(const QString &text)
{
    return reinterpret_cast<PCRE2_SPTR16>(text.utf16());
}

QString errorMessage(int code)
{
    PCRE2_UCHAR16 buffer[256];
    const int length = pcre2_get_error_message(code, buffer, std::size(buffer));
    return length < 0 ? QStringLiteral("error %1").arg(code)
                      : QString::fromUtf16(reinterpret_cast<const char16_t *>(buffer), length);
}

// One piece of the replacement: literal text, or the text of a group. A name that several
// groups share (with (?J)) lists each; the first that took part in the match gives the text.
struct Piece
{
    QString literal;
    std::vector<uint32_t> groups;
};

// A compiled expression and its parsed replacement, shared by every thread.
struct Compiled
{
    QString pattern;
    QString replacement;
    bool ignoreCase = false;
    pcre2_code *code = nullptr;
    std::vector<Piece> pieces;
    std::optional<FindPatternError> error;

    Compiled() = default;
    Compiled(const Compiled &) = delete;
    Compiled &operator=(const Compiled &) = delete;
    ~Compiled() { pcre2_code_free(code); }

    bool isFor(const RenameParameters &p) const
    {
        return ignoreCase == p.findIgnoreCase && pattern == p.findText &&
               replacement == p.replaceText;
    }
};

std::optional<FindPatternError> replacementFault(qsizetype at, const QString &replacement,
                                                 const QString &message)
{
    return FindPatternError{true, charactersIn(QStringView(replacement).first(at)), message};
}

// The groups a reference names ("12" or "name"), or a fault.
std::optional<FindPatternError> groupsOf(const Compiled &c, QStringView reference, qsizetype at,
                                         std::vector<uint32_t> &groups)
{
    uint32_t count = 0;
    pcre2_pattern_info(c.code, PCRE2_INFO_CAPTURECOUNT, &count);
    bool isNumber = false;
    const uint number = reference.toUInt(&isNumber);
    if (isNumber && reference.front().isDigit()) {
        if (number > count)
            return replacementFault(at, c.replacement,
                                    QStringLiteral("the expression has no group %1").arg(number));
        groups.push_back(number);
        return std::nullopt;
    }
    const QString name = withStandIns(reference);
    PCRE2_SPTR first = nullptr;
    PCRE2_SPTR last = nullptr;
    const int size = pcre2_substring_nametable_scan(c.code, units(name), &first, &last);
    if (size < 0)
        return replacementFault(
            at, c.replacement,
            QStringLiteral("the expression has no group named \"%1\"").arg(reference));
    for (PCRE2_SPTR entry = first; entry <= last; entry += size)
        groups.push_back(entry[0]); // each entry starts with its group's number
    return std::nullopt;
}

// Splits the replacement into pieces: "$$" is a dollar, "$N" and "${N}" (N up to 99) and
// "${name}" a group, any other '$' itself.
std::optional<FindPatternError> parseReplacement(Compiled &c)
{
    const QString &r = c.replacement;
    Piece literal;
    const auto flush = [&] {
        if (!literal.literal.isEmpty())
            c.pieces.push_back(std::exchange(literal, Piece{}));
    };
    for (qsizetype i = 0; i < r.size(); ++i) {
        if (r[i] != u'$' || i + 1 == r.size()) {
            literal.literal += r[i];
            continue;
        }
        const QChar next = r[i + 1];
        if (next == u'$') {
            literal.literal += u'$';
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        QStringView reference;
        if (next.isDigit() && next.unicode() < 0x80) {
            while (end < r.size() && end < i + 3 && r[end].unicode() >= u'0' &&
                   r[end].unicode() <= u'9')
                ++end;
            reference = QStringView(r).sliced(i + 1, end - i - 1);
        } else if (next == u'{') {
            const qsizetype close = r.indexOf(u'}', i + 2);
            if (close < 0)
                return replacementFault(i, r, QStringLiteral("\"${\" without its \"}\""));
            reference = QStringView(r).sliced(i + 2, close - i - 2);
            end = close + 1;
            if (reference.isEmpty())
                return replacementFault(i, r, QStringLiteral("\"${}\" names no group"));
        } else {
            literal.literal += u'$';
            continue;
        }
        Piece group;
        if (auto fault = groupsOf(c, reference, i, group.groups))
            return fault;
        flush();
        c.pieces.push_back(std::move(group));
        i = end - 1;
    }
    flush();
    return std::nullopt;
}

std::shared_ptr<Compiled> compile(const RenameParameters &p)
{
    auto c = std::make_shared<Compiled>();
    c->pattern = p.findText;
    c->replacement = p.replaceText;
    c->ignoreCase = p.findIgnoreCase;
    const QString pattern = withStandIns(p.findText);
    uint32_t options = PCRE2_UTF | PCRE2_UCP | PCRE2_NEVER_BACKSLASH_C;
    if (p.findIgnoreCase)
        options |= PCRE2_CASELESS;
    int code = 0;
    PCRE2_SIZE offset = 0;
    c->code =
        pcre2_compile(units(pattern), PCRE2_SIZE(pattern.size()), options, &code, &offset, nullptr);
    if (!c->code) {
        const qsizetype at = std::min(qsizetype(offset), pattern.size());
        c->error = FindPatternError{false, charactersIn(QStringView(pattern).first(at)),
                                    errorMessage(code)};
        return c;
    }
    pcre2_jit_compile(c->code, PCRE2_JIT_COMPLETE); // without JIT, the interpreter matches
    c->error = parseReplacement(*c);
    return c;
}

// The last parameters' compiled expression: every thread of a run asks for the same one.
std::shared_ptr<const Compiled> compiledFor(const RenameParameters &p)
{
    static std::mutex lock;
    static std::shared_ptr<const Compiled> last;
    const std::lock_guard guard(lock);
    if (!last || !last->isFor(p))
        last = compile(p);
    return last;
}

// What one thread needs to match: its own match data, limits and JIT stack.
class Matcher
{
public:
    Matcher()
    {
        m_context = pcre2_match_context_create(nullptr);
        pcre2_set_match_limit(m_context, kMatchLimit);
        pcre2_set_depth_limit(m_context, kDepthLimit);
        pcre2_set_heap_limit(m_context, kHeapLimitKiB);
        m_stack = pcre2_jit_stack_create(32 * 1024, kJitStackMax, nullptr);
        pcre2_jit_stack_assign(m_context, nullptr, m_stack);
    }
    Matcher(const Matcher &) = delete;
    Matcher &operator=(const Matcher &) = delete;
    ~Matcher()
    {
        pcre2_match_data_free(m_data);
        pcre2_jit_stack_free(m_stack);
        pcre2_match_context_free(m_context);
    }

    const Compiled &use(const RenameParameters &p)
    {
        if (!m_compiled || !m_compiled->isFor(p)) {
            m_compiled = compiledFor(p);
            pcre2_match_data_free(m_data);
            m_data = m_compiled->code
                         ? pcre2_match_data_create_from_pattern(m_compiled->code, nullptr)
                         : nullptr;
        }
        return *m_compiled;
    }

    // The next match at or after start: > 0 found, PCRE2_ERROR_NOMATCH, or another error.
    int match(const QString &subject, qsizetype start, uint32_t options)
    {
        return pcre2_match(m_compiled->code, units(subject), PCRE2_SIZE(subject.size()),
                           PCRE2_SIZE(start), options | PCRE2_NO_UTF_CHECK, m_data, m_context);
    }
    const PCRE2_SIZE *offsets() const { return pcre2_get_ovector_pointer(m_data); }

private:
    std::shared_ptr<const Compiled> m_compiled;
    pcre2_match_data *m_data = nullptr;
    pcre2_match_context *m_context = nullptr;
    pcre2_jit_stack *m_stack = nullptr;
};

// Each thread that computes names matches with its own.
thread_local Matcher g_threadMatcher;

void appendReplacement(const Compiled &c, const QString &text, const PCRE2_SIZE *offsets,
                       QString &out)
{
    for (const Piece &piece : c.pieces) {
        if (piece.groups.empty()) {
            out += piece.literal;
            continue;
        }
        for (uint32_t group : piece.groups) {
            const PCRE2_SIZE from = offsets[2 * group];
            if (from == PCRE2_UNSET)
                continue; // the group took no part in the match
            out +=
                QStringView(text).sliced(qsizetype(from), qsizetype(offsets[2 * group + 1] - from));
            break;
        }
    }
}

QString failureText(int code)
{
    switch (code) {
    case PCRE2_ERROR_MATCHLIMIT:
    case PCRE2_ERROR_DEPTHLIMIT:
    case PCRE2_ERROR_HEAPLIMIT:
    case PCRE2_ERROR_JIT_STACKLIMIT:
        return QStringLiteral("the regular expression needs too much work on this name");
    default:
        return QStringLiteral("the regular expression failed on this name: %1")
            .arg(errorMessage(code));
    }
}

} // namespace

namespace FindExpression {

std::optional<FindPatternError> error(const RenameParameters &params)
{
    return compiledFor(params)->error;
}

bool replace(const RenameParameters &params, QString &text, QString &why)
{
    const Compiled &c = g_threadMatcher.use(params);
    if (c.error) {
        why = c.error->text();
        return false;
    }
    const QString mapped = needsStandIns(text) ? withStandIns(text) : QString();
    const QString &subject = mapped.isNull() ? text : mapped;
    QString out;
    qsizetype copied = 0; // text before this is in out
    qsizetype start = 0;
    uint32_t options = 0;
    bool matched = false;
    while (start <= subject.size()) {
        const int rc = g_threadMatcher.match(subject, start, options);
        if (rc == PCRE2_ERROR_NOMATCH)
            break;
        if (rc < 0) {
            why = failureText(rc);
            return false;
        }
        const PCRE2_SIZE *offsets = g_threadMatcher.offsets();
        const auto from = qsizetype(offsets[0]);
        const auto to = qsizetype(offsets[1]);
        if (to < from) { // \K in a lookaround can end a match before its start
            why = QStringLiteral("the regular expression ends a match before its start");
            return false;
        }
        matched = true;
        out += QStringView(text).sliced(copied, from - copied);
        appendReplacement(c, text, offsets, out);
        copied = to;
        if (params.findFirstOnly)
            break;
        // After an empty match, the next one must not be empty at the same place.
        start = to;
        options = from == to ? PCRE2_NOTEMPTY_ATSTART : 0;
    }
    if (matched) {
        out += QStringView(text).sliced(copied);
        text = std::move(out);
    }
    return true;
}

} // namespace FindExpression
