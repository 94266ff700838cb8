// quirewell-cli's argument parser on any argument list: a usage error or options, never a
// crash; parsed options applied to the rule stay within what the rule accepts.
#include "cli/CliOptions.h"
#include "core/engine/names/NewNameRule.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Arguments are separated by NUL bytes, as the system passes them.
    QStringList arguments;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QByteArray &piece : bytes.split('\0')) {
        if (arguments.size() == 64)
            break;
        arguments << QString::fromUtf8(piece);
    }
    CliOptions options;
    const QString error = parseArguments(arguments, options);
    if (!error.isEmpty())
        return 0;
    RenameParameters params;
    options.applyTo(params);
    RenameCounters counters = RenameCounters::from(params);
    (void)computeNewName(params, QStringLiteral("file.txt"), true, counters);
    return 0;
}
