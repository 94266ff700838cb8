#include "desktop/dialogs/CheckTitledGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QImage>
#include <QPainter>

QGridLayout *CheckTitledGroup::setTitle(QCheckBox *title)
{
    m_title = title;
    title->setParent(this);
    title->setBackgroundRole(QPalette::Window);
    title->setAutoFillBackground(true); // hides the frame line behind the title
    auto *layout = new QGridLayout(this);
    const QSize size = title->sizeHint();
    layout->setContentsMargins(9, size.height() + 3, 9, 9);
    setMinimumWidth(size.width() + 24);
    return layout;
}

void CheckTitledGroup::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_title)
        m_title->setGeometry(QRect(QPoint(8, 0), m_title->sizeHint()));
}

void CheckTitledGroup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionFrame frame = frameOption();
    // A style may draw the top line below the rectangle's top, leaving room for a group box's
    // own title above it (Fusion does): the rectangle is raised by as much, so that the line
    // runs through the middle of the check box.
    const int middle = m_title ? m_title->sizeHint().height() / 2 : 0;
    frame.rect = rect().adjusted(0, middle - topLineOffset(frame), 0, 0);
    style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &painter, this);
}

QStyleOptionFrame CheckTitledGroup::frameOption() const
{
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = 1;
    frame.midLineWidth = 0;
    return frame;
}

int CheckTitledGroup::topLineOffset(QStyleOptionFrame frame) const
{
    // Found by drawing a frame into an empty image: the first row the style paints.
    QImage image(64, 160, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    frame.rect = image.rect();
    {
        QPainter painter(&image);
        style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &painter, this);
    }
    const int column = image.width() / 2;
    for (int y = 0; y < image.height() / 2; ++y) {
        if (qAlpha(image.pixel(column, y)) > 0)
            return y;
    }
    return 0;
}
