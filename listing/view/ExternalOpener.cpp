#include "listing/view/ExternalOpener.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>

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
        call << QStringList{QUrl::fromLocalFile(filePath).toString()} << QString();
        const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 3000);
        if (reply.type() != QDBusMessage::ReplyMessage)
            openUrl(QUrl::fromLocalFile(QFileInfo(filePath).absolutePath()));
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
