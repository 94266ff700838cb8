#include "desktop/ui/ExternalOpener.h"

#include "core/engine/names/FileNames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>

namespace {

class RealOpener : public ExternalOpener
{
public:
    void openUrl(const QUrl &url) override { QDesktopServices::openUrl(url); }

    void showInFileManager(const QString &filePath) override
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.FileManager1"),
            QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
        const QByteArray path = encodeFileName(filePath);
        call << QStringList{QString::fromLatin1(localFileUrl(path).toEncoded())} << QString();
        const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 3000);
        if (reply.type() != QDBusMessage::ReplyMessage)
            openUrl(localFileUrl(path.left(path.lastIndexOf('/') + 1)));
    }
};

RealOpener g_realOpener;
ExternalOpener *g_opener = nullptr;

} // namespace

ExternalOpener &ExternalOpener::instance()
{
    return g_opener ? *g_opener : g_realOpener;
}

void ExternalOpener::install(ExternalOpener *opener)
{
    g_opener = opener;
}
