#pragma once

#include "RecordingPrompts.h"

#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

// The control of dialog with the given object name; fails the test when it is missing.
template <typename T> T *control(const QWidget *dialog, const char *name)
{
    T *widget = dialog->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no control named %s", name);
    return widget;
}

// Clicks a check box on its indicator, as the user does.
inline void clickBox(QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
}
