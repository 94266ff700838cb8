#include "desktop/shell/StatusPanes.h"

#include "core/listing/ListingTexts.h"

#include <QStatusBar>

StatusPane::StatusPane(int id, const QString &label, int sizingChars, Width width, QWidget *parent)
    : QLabel(label, parent), m_id(id), m_label(label), m_sizingChars(sizingChars), m_width(width)
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
    if (m_width == Width::Kept)
        return sizeHint();
    return {0, QLabel::minimumSizeHint().height()};
}

StatusPanes StatusPanes::addTo(QStatusBar *bar)
{
    StatusPanes panes;
    // In a narrow window the long left pane gives way, so the right one stays readable.
    panes.fileStats = new StatusPane(120, ListingTexts::fileStatisticsLabel(), 93,
                                     StatusPane::Width::Yields, bar);
    panes.folderInfo = new StatusPane(121, ListingTexts::folderInformationLabel(), 36,
                                      StatusPane::Width::Kept, bar);
    bar->addWidget(panes.fileStats);
    bar->addPermanentWidget(panes.folderInfo);
    return panes;
}
