#include "desktop/shell/about/WebLinks.h"

#include "desktop/ui/ExternalOpener.h"

namespace WebLinks {

namespace {
const char *const kHomeAddress = "http://www.orvalt.example/";
const char *const kDonateAddress = "https://donate.orvalt.example/";
const char *const kShareEndpoint = "http://www.facebook.com/sharer.php";
} // namespace

QString companyName()
{
    return QStringLiteral("Orvalt");
}

QString productName()
{
    return QStringLiteral("Orvalt Quirewell");
}

QString supportAddress()
{
    return QStringLiteral("support@orvalt.example");
}

QString webDomain()
{
    return QStringLiteral("orvalt.example");
}

QUrl homePage()
{
    return QUrl(QString::fromLatin1(kHomeAddress), QUrl::StrictMode);
}

QUrl donatePage()
{
    return QUrl(QString::fromLatin1(kDonateAddress), QUrl::StrictMode);
}

QUrl sharePage()
{
    QUrl https = homePage();
    https.setScheme(QStringLiteral("https"));
    QUrl share(QString::fromLatin1(kShareEndpoint), QUrl::StrictMode);
    // ':' and '/' are valid in a query, so the decoded form keeps the address literal.
    share.setQuery(QStringLiteral("u=") + https.toString(QUrl::FullyEncoded), QUrl::DecodedMode);
    return share;
}

void openHomePage()
{
    ExternalOpener::instance().openUrl(homePage());
}

void openDonatePage()
{
    ExternalOpener::instance().openUrl(donatePage());
}

void openSharePage()
{
    ExternalOpener::instance().openUrl(sharePage());
}

} // namespace WebLinks
