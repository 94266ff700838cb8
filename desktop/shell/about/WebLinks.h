#pragma once

#include <QString>
#include <QUrl>

// The maker's details and web addresses, kept in this one place. Every opening goes through
// ExternalOpener and is not checked: a missing browser leaves the program as it was.
namespace WebLinks {

QString companyName();    // "Orvalt"
QString productName();    // "Orvalt Quirewell"
QString supportAddress(); // the support e-mail address
QString webDomain();      // the domain the About box links to

QUrl homePage();   // the web site's root, http
QUrl donatePage(); // the donation site's root, http
// Facebook's share endpoint carrying the home page in its "u" parameter. The value is the
// https form of the home page, written into the query as it is, not percent-encoded.
QUrl sharePage();

void openHomePage();
void openDonatePage();
void openSharePage();

} // namespace WebLinks
