#pragma once

#include <QColor>
#include <QProxyStyle>

// The Fusion style as the looks need it: check boxes drawn with a frame and a tick that stand
// out in every palette (Fusion derives both from the window colour, which leaves them faint
// on dark looks), and document window captions in the look's own caption colour (Fusion
// writes active captions white on the highlight colour, inactive ones black on the window
// colour, whatever the palette).
class LookStyle : public QProxyStyle
{
    Q_OBJECT
public:
    LookStyle();

    // The active caption's background; white text goes on it.
    void setCaptionColour(const QColor &colour) { m_caption = colour; }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;

private:
    QColor m_caption = QColor(0x0a246a);
};
