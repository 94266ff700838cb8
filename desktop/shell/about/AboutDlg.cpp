#include "desktop/shell/about/AboutDlg.h"

#include "desktop/shell/about/WebLinks.h"
#include "desktop/ui/Prompts.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("about-box"));
    setWindowTitle(tr("About %1").arg(WebLinks::productName()));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("about-icon"));
    const QIcon appIcon = QApplication::windowIcon();
    if (!appIcon.isNull())
        icon->setPixmap(appIcon.pixmap(32, 32));
    icon->setFixedSize(32, 32);

    auto *version = new QLabel(
        tr("%1, Version %2").arg(WebLinks::productName(), QStringLiteral(QUIREWELL_VERSION)), this);
    version->setObjectName(QStringLiteral("about-version"));
    version->setTextFormat(Qt::PlainText);

    auto *contact = new QLabel(tr("Contact : %1").arg(WebLinks::supportAddress()), this);
    contact->setObjectName(QStringLiteral("about-contact"));
    contact->setTextFormat(Qt::PlainText);

    auto *licence = new QLabel(
        tr("Free software under the GNU General Public License, version 3 or later."), this);
    licence->setObjectName(QStringLiteral("about-licence"));
    licence->setTextFormat(Qt::PlainText);

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("about-ok"));
    ok->setDefault(true);
    ok->setMinimumSize(100, 40);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // Links are reachable by mouse only: a keyboard activation of the link opens nothing.
    auto *link = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>")
                                .arg(WebLinks::homePage().toString(QUrl::FullyEncoded),
                                     WebLinks::webDomain().toHtmlEscaped()),
                            this);
    link->setObjectName(QStringLiteral("about-link"));
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    link->setFocusPolicy(Qt::TabFocus);
    link->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(link, &QLabel::linkActivated, this, &CAboutDlg::onClickHomeLink);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(14, 14, 10, 10);
    layout->setHorizontalSpacing(20);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(contact, 1, 1);
    layout->addWidget(licence, 2, 1, 1, 2);
    layout->addWidget(link, 3, 0, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
    layout->addWidget(ok, 3, 2, Qt::AlignRight | Qt::AlignBottom);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    setTabOrder(ok, link);
    // A fixed dialog frame: it can be neither resized nor maximised.
    setFixedSize(sizeHint().expandedTo(QSize(357, 177)));
}

void CAboutDlg::onClickHomeLink()
{
    WebLinks::openHomePage();
}

void showAboutBox(QWidget *parent)
{
    CAboutDlg box(parent);
    Prompts::instance().runModal(&box);
}
