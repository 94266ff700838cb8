#include "desktop/shell/Looks.h"

#include "desktop/shell/LookStyle.h"
#include "desktop/ui/CommandIds.h"

#include <QApplication>

namespace {

struct LookColours
{
    int id;
    const char *label;
    QRgb window;    // frames, bars, buttons
    QRgb base;      // the list
    QRgb alternate; // header and panes
    QRgb text;      // text on window colours
    QRgb highlight;
    QRgb highlightedText;
    QRgb tooltip; // the caption bar
    QRgb caption; // the active document window's caption, under white text
};

// Colours chosen after the looks they are named for, each pair of text and background at a
// contrast of at least 4.5:1, and each look told apart by its window and caption colours.
constexpr LookColours kLooks[] = {
    {Cmd::LookWindows2000, QT_TRANSLATE_NOOP("Looks", "Windows &2000"), 0xffd4d0c8, 0xffffffff,
     0xffe4e1db, 0xff000000, 0xff0a246a, 0xffffffff, 0xffffffe1, 0xff0a246a},
    {Cmd::LookOfficeXP, QT_TRANSLATE_NOOP("Looks", "Office &XP"), 0xfff6f5f2, 0xffffffff,
     0xffeeede8, 0xff000000, 0xffb6bdd2, 0xff000000, 0xfffffff0, 0xff5b6b8c},
    {Cmd::LookWindowsXP, QT_TRANSLATE_NOOP("Looks", "&Windows XP"), 0xffece9d8, 0xffffffff,
     0xfff4f3ec, 0xff000000, 0xff316ac5, 0xffffffff, 0xffffffe1, 0xff0054e3},
    {Cmd::LookOffice2003, QT_TRANSLATE_NOOP("Looks", "Office 200&3"), 0xffa8c6f0, 0xffffffff,
     0xffd2e2f8, 0xff0b2d66, 0xfffbd27e, 0xff000000, 0xffe3efff, 0xff15428b},
    {Cmd::LookVS2005, QT_TRANSLATE_NOOP("Looks", "Visual Studio.NET 200&5"), 0xffe2e3ea, 0xffffffff,
     0xfff0f0f4, 0xff000000, 0xffc1d2ee, 0xff000000, 0xfff7f7fa, 0xff4b4b7a},
    {Cmd::LookBlue, QT_TRANSLATE_NOOP("Looks", "&Blue Style"), 0xffd5e4f7, 0xffffffff, 0xffe8f0fb,
     0xff15428b, 0xffffe08a, 0xff000000, 0xffeef4fc, 0xff2b5797},
    {Cmd::LookBlack, QT_TRANSLATE_NOOP("Looks", "B&lack Style"), 0xff535353, 0xff3c3c3c, 0xff474747,
     0xffeeeeee, 0xffffc85a, 0xff000000, 0xff6b6b6b, 0xff1e1e1e},
    {Cmd::LookSilver, QT_TRANSLATE_NOOP("Looks", "&Silver Style"), 0xffd0d4dd, 0xffffffff,
     0xffe6e8ed, 0xff30343c, 0xffffd27a, 0xff000000, 0xfff0f1f4, 0xff4d5562},
    {Cmd::LookAqua, QT_TRANSLATE_NOOP("Looks", "&Aqua Style"), 0xffc9d7e6, 0xffffffff, 0xffdfe8f1,
     0xff1d3c5e, 0xff7fc0e8, 0xff000000, 0xffe6eef6, 0xff1d5f8a},
};

const LookColours *find(int id)
{
    for (const LookColours &look : kLooks) {
        if (look.id == id)
            return &look;
    }
    return nullptr;
}

// The Office 2007 colour style chosen last; a number outside the looks reuses it.
int g_office2007Look = Cmd::LookBlue;

QPalette build(const LookColours &look)
{
    const QColor window(look.window);
    const QColor text(look.text);
    const bool dark = window.lightness() < 128;
    QPalette p(window);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(look.base));
    p.setColor(QPalette::AlternateBase, QColor(look.alternate));
    p.setColor(QPalette::Text, dark ? QColor(0xeeeeee) : QColor(Qt::black));
    p.setColor(QPalette::Button, window.lighter(dark ? 120 : 104));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(look.highlight));
    p.setColor(QPalette::HighlightedText, QColor(look.highlightedText));
    p.setColor(QPalette::ToolTipBase, QColor(look.tooltip));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, text.darker(dark ? 60 : 150));
    p.setColor(QPalette::Link, dark ? QColor(0xa8d0ff) : QColor(0x0645ad));
    p.setColor(QPalette::Disabled, QPalette::WindowText, window.darker(dark ? 60 : 160));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, window.darker(dark ? 60 : 160));
    p.setColor(QPalette::Disabled, QPalette::Text, window.darker(dark ? 60 : 160));
    return p;
}

const LookColours &chosen(int id)
{
    const LookColours *look = find(id);
    return look ? *look : *find(g_office2007Look);
}

} // namespace

namespace Looks {

bool isLook(int id)
{
    return find(id) != nullptr;
}

QString menuLabel(int id)
{
    const LookColours *look = find(id);
    return look ? QCoreApplication::translate("Looks", look->label) : QString();
}

QPalette palette(int id)
{
    return build(chosen(id));
}

QColor captionColour(int id)
{
    return QColor(chosen(id).caption);
}

void apply(int id)
{
    if (id >= Cmd::LookBlue && id <= Cmd::LookAqua)
        g_office2007Look = id;
    auto *style = qobject_cast<LookStyle *>(QApplication::style());
    if (!style) {
        style = new LookStyle;
        QApplication::setStyle(style);
    }
    style->setCaptionColour(captionColour(id));
    QApplication::setPalette(palette(id));
}

} // namespace Looks
