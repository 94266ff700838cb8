#include "desktop/shell/CommandLine.h"

#include "core/engine/names/FileNames.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>
#include <QUrl>

#include <filesystem>
#include <system_error>

namespace {

bool isThisMachine(const QString &host)
{
    return host.isEmpty() || host == QLatin1String("localhost") ||
           host.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) == 0;
}

// The local path of a "file:" URL, its percent-encoded bytes kept exactly (a byte that is not
// part of UTF-8 as an escaped byte, as in file names); a NUL can be in no path.
QString pathOfFileUrl(const QString &argument, QString &error)
{
    const QUrl url(argument);
    const QByteArray bytes =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (!url.isValid() || !isThisMachine(url.host()) || !bytes.startsWith('/')) {
        error = QStringLiteral("not a local file or folder: ") + argument;
        return {};
    }
    if (bytes.contains('\0')) {
        error = QStringLiteral("the path of this URL holds a NUL byte: ") + argument;
        return {};
    }
    return decodeFileName(bytes);
}

// A path, or the path of a "file:" URL. Other URLs cannot be listed.
QString localPath(const QString &argument, QString &error)
{
    if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return pathOfFileUrl(argument, error);
    static const QRegularExpression otherUrl(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    if (otherUrl.match(argument).hasMatch() && !QFileInfo::exists(argument))
        error = QStringLiteral("not a local file or folder: ") + argument;
    return argument;
}

} // namespace

bool CommandLine::isHelpOption(const QString &argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--version")) {
            line.version = true;
        } else if (isHelpOption(argument)) {
            line.help = true;
        } else if (argument.startsWith(QLatin1String("--"))) {
            line.error = QStringLiteral("unexpected argument: ") + argument;
        } else {
            line.openPaths << localPath(argument, line.error);
        }
    }
    return line;
}

QString CommandLine::absolutePath(const QString &path)
{
    // QFileInfo would take the path through UTF-8 and lose its escaped bytes.
    const QString absolute =
        path.startsWith(QLatin1Char('/')) ? path : QDir::currentPath() + QLatin1Char('/') + path;
    return QDir::cleanPath(absolute);
}

bool CommandLine::isFolder(const QString &path)
{
    std::error_code error;
    return std::filesystem::is_directory(encodeFileName(path).constData(), error);
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "Usage: quirewell [FOLDER | FILE.kvx | file:// URL]...\n"
        "       quirewell --help | --version\n"
        "\n"
        "Opens one window per argument: a folder is listed at once, a .kvx document opens\n"
        "as a new list that asks for its folder. Without arguments one such window opens.\n"
        "\n"
        "  -h, --help     show this text and exit\n"
        "  --version      print the version and exit\n"
        "\n"
        "quirewell-cli lists and renames from a terminal (quirewell-cli --help).\n");
}
