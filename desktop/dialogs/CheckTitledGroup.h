#pragma once

#include <QStyleOptionFrame>
#include <QWidget>

class QCheckBox;
class QGridLayout;

// A group frame whose title is a check box sitting on the frame's top edge, the line running
// through the middle of the title. Unlike a checkable QGroupBox, it leaves its contents
// enabled whatever the check box says.
class CheckTitledGroup : public QWidget
{
public:
    explicit CheckTitledGroup(QWidget *parent) : QWidget(parent) {}

    // Takes the check box as the title and returns the layout for the contents under it.
    QGridLayout *setTitle(QCheckBox *title);
    QCheckBox *title() const { return m_title; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QStyleOptionFrame frameOption() const;
    // How far below its rectangle's top the style draws a group frame's top line.
    int topLineOffset(QStyleOptionFrame frame) const;

    QCheckBox *m_title = nullptr;
};
