#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QWidget;

// Where the texts of a window lie and whether each has the room it needs: for the layout
// checks of every language (scripts/check-fit.py over the screenshots, and the tests).
struct TextBox
{
    QString kind;   // "label", "button", "check", "tab", "group", "combo"
    QString text;   // as shown, without accelerator marks
    QString owner;  // object name of the widget (or of its closest named ancestor)
    QRect rect;     // in the window's coordinates
    int needed = 0; // width the text needs, margins and icons included
    int neededHeight = 0;
    QWidget *parent = nullptr; // widgets of one parent are the ones that must not overlap
};

namespace TextFit {

// Every visible text of window and of its visible descendants.
QList<TextBox> boxesOf(QWidget *window);
// The texts cut short and the overlapping pairs, one line each; empty when all fit.
QStringList faultsOf(const QList<TextBox> &boxes);
// One line per box: "fit KIND X Y W H NEEDED_W NEEDED_H PARENT_ID TEXT", scaled by scale
// (the device pixel ratio of a screenshot).
QString describe(const QList<TextBox> &boxes, qreal scale);

} // namespace TextFit
