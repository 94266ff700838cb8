#include "desktop/shell/StatusPanes.h"

#include "core/listing/ListingTexts.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QStatusBar>

namespace {

// A pane reads as its label and what it shows now ("Folder(s) Information: 3 Folder(s)").
class StatusPaneAccessible : public QAccessibleWidget
{
public:
    explicit StatusPaneAccessible(StatusPane *pane)
        : QAccessibleWidget(pane, QAccessible::StaticText)
    {}
    QString text(QAccessible::Text t) const override
    {
        const auto *pane = static_cast<const StatusPane *>(object());
        if (t != QAccessible::Name || !pane->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const QString shown = pane->text();
        if (shown.isEmpty() || shown == pane->label())
            return pane->label();
        return QCoreApplication::translate("StatusPane", "%1: %2").arg(pane->label(), shown);
    }
};

QAccessibleInterface *statusPaneFactory(const QString &, QObject *object)
{
    if (auto *pane = qobject_cast<StatusPane *>(object))
        return new StatusPaneAccessible(pane);
    return nullptr;
}

} // namespace

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
    static const bool kFactoryInstalled = [] {
        QAccessible::installFactory(statusPaneFactory);
        return true;
    }();
    Q_UNUSED(kFactoryInstalled);
    if (bar->accessibleName().isEmpty())
        bar->setAccessibleName(QCoreApplication::translate("StatusPane", "Status Bar"));
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
