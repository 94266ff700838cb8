#include "desktop/shell/CaptionBar.h"

#include "core/listing/ListingTexts.h"
#include "desktop/shell/AppIcons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

CaptionBar::CaptionBar(QWidget *parent)
    : QFrame(parent), m_button(new QToolButton(this)), m_text(new QLabel(this)),
      m_image(new QLabel(this))
{
    setObjectName(QStringLiteral("captionBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);

    m_button->setObjectName(QStringLiteral("captionBarButton"));
    m_button->setText(tr("Open Folder"));
    m_button->setToolTip(tr("View Folder Contents in Windows Explorer"));
    m_button->setAutoRaise(false);
    connect(m_button, &QToolButton::clicked, this, &CaptionBar::buttonClicked);

    m_text->setObjectName(QStringLiteral("captionBarText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setForegroundRole(QPalette::ToolTipText);
    SetText(ListingTexts::folderCaption(QString()));

    m_image->setObjectName(QStringLiteral("captionBarImage"));
    m_image->setPixmap(AppIcons::captionImage());
    m_image->setToolTip(tr("<b>Information About Files Listed</b><br>"
                           "This Bar Displays the Folder Location from Which "
                           "Files are Listed."));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(m_button);
    layout->addWidget(m_text);
    layout->addWidget(m_image);
    layout->addStretch(1);
}

void CaptionBar::SetText(const QString &text)
{
    m_strText = text;
    // Caption texts write one ampersand as "&&", as menu labels do.
    QString shown = text;
    m_text->setText(shown.replace(QLatin1String("&&"), QLatin1String("&")));
}

QString CaptionBar::shownText() const
{
    return m_text->text();
}
