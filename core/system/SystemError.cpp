#include "core/system/SystemError.h"

#include <cstring>

namespace {

// strerror_r is the GNU variant (returns the text) or the XSI one (fills the buffer and
// returns 0); overloads pick whichever the C library declares.
[[maybe_unused]] const char *errorTextOf(const char *text, const char *)
{
    return text;
}
[[maybe_unused]] const char *errorTextOf(int result, const char *buffer)
{
    return result == 0 ? buffer : nullptr;
}

} // namespace

QString systemErrorText(int errnoValue)
{
    char buffer[256] = {};
    const char *text = errorTextOf(::strerror_r(errnoValue, buffer, sizeof buffer), buffer);
    QString message =
        text ? QString::fromLocal8Bit(text) : QStringLiteral("Unknown error %1").arg(errnoValue);
    while (message.endsWith(QLatin1Char('\n')) || message.endsWith(QLatin1Char('\r')))
        message.chop(1);
    return message;
}
