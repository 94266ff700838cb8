#include "shell/StatusPanes.h"

#include "listing/ListingTexts.h"

#include <QStatusBar>

StatusPane::StatusPane(int id, const QString &label, int sizingChars, QWidget *parent)
    : QLabel(label, parent), m_id(id), m_label(label), m_sizingChars(sizingChars)
{
    setObjectName(QStringLiteral("pane%1").arg(id));
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize StatusPane::sizeHint() const
{
    const int width = fontMetrics().horizontalAdvance(QString(m_sizingChars, QLatin1Char('X')));
    return {width + 2 * margin() + 4, QLabel::sizeHint().height()};
}

QSize StatusPane::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

StatusPanes StatusPanes::addTo(QStatusBar *bar)
{
    StatusPanes panes;
    panes.fileStats = new StatusPane(120, ListingTexts::fileStatisticsLabel(), 93, bar);
    panes.folderInfo = new StatusPane(121, ListingTexts::folderInformationLabel(), 36, bar);
    bar->addWidget(panes.fileStats);
    bar->addPermanentWidget(panes.folderInfo);
    return panes;
}
