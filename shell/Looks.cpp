#include "shell/Looks.h"

#include "ui/CommandIds.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

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
};

// Colours chosen after the looks they are named for.
constexpr LookColours kLooks[] = {
    {Cmd::LookWindows2000, "Windows &2000", 0xffd4d0c8, 0xffffffff, 0xffe4e1db, 0xff000000,
     0xff0a246a, 0xffffffff, 0xffffffe1},
    {Cmd::LookOfficeXP, "Office &XP", 0xfff6f5f2, 0xffffffff, 0xffeeede8, 0xff000000, 0xffb6bdd2,
     0xff000000, 0xfffffff0},
    {Cmd::LookWindowsXP, "&Windows XP", 0xffece9d8, 0xffffffff, 0xfff4f3ec, 0xff000000, 0xff316ac5,
     0xffffffff, 0xffffffe1},
    {Cmd::LookOffice2003, "Office 200&3", 0xffc3daf9, 0xffffffff, 0xffdde9fb, 0xff15428b,
     0xfffbd27e, 0xff000000, 0xffe3efff},
    {Cmd::LookVS2005, "Visual Studio.NET 200&5", 0xffe7e6de, 0xffffffff, 0xfff2f1ec, 0xff000000,
     0xff3169c6, 0xffffffff, 0xfffcfcf0},
    {Cmd::LookBlue, "&Blue Style", 0xffbfdbff, 0xffffffff, 0xffdbe8f9, 0xff15428b, 0xffffe08a,
     0xff000000, 0xffe6f0fc},
    {Cmd::LookBlack, "B&lack Style", 0xff535353, 0xff3c3c3c, 0xff474747, 0xffeeeeee, 0xffffc85a,
     0xff000000, 0xff6b6b6b},
    {Cmd::LookSilver, "&Silver Style", 0xffd0d4dd, 0xffffffff, 0xffe6e8ed, 0xff30343c, 0xffffd27a,
     0xff000000, 0xfff0f1f4},
    {Cmd::LookAqua, "&Aqua Style", 0xffc9d7e6, 0xffffffff, 0xffdfe8f1, 0xff1d3c5e, 0xff7fc0e8,
     0xff000000, 0xffe6eef6},
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
    p.setColor(QPalette::Link, dark ? QColor(0x9cc8ff) : QColor(0x0645ad));
    p.setColor(QPalette::Disabled, QPalette::WindowText, window.darker(dark ? 60 : 160));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, window.darker(dark ? 60 : 160));
    p.setColor(QPalette::Disabled, QPalette::Text, window.darker(dark ? 60 : 160));
    return p;
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
    return look ? QString::fromLatin1(look->label) : QString();
}

QPalette palette(int id)
{
    const LookColours *look = find(id);
    return build(look ? *look : *find(g_office2007Look));
}

void apply(int id)
{
    if (id >= Cmd::LookBlue && id <= Cmd::LookAqua)
        g_office2007Look = id;
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(palette(id));
}

} // namespace Looks
