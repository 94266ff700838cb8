#include "desktop/shell/ribbon/RibbonLayout.h"

#include "desktop/shell/ribbon/RibbonElements.h"
#include "desktop/shell/ribbon/RibbonIcons.h"
#include "desktop/shell/ribbon/RibbonPanel.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/ui/CommandTable.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QWidgetAction>

namespace RibbonLayout {

namespace {

RibbonMenu *newMenu(const QString &title, QWidget *parent)
{
    auto *menu = new RibbonMenu(title, parent);
    menu->setAccessibleName(title); // a menu's own name is its window title, which it lacks
    menu->setToolTipsVisible(true);
    RibbonElement::installRichTooltip(menu);
    return menu;
}

// A line of text inside a menu that runs nothing.
void addHeading(QMenu *menu, const QString &text, const QString &objectName, int minimumWidth)
{
    auto *label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setContentsMargins(6, 3, 6, 3);
    label->setMinimumWidth(minimumWidth);
    auto *heading = new QWidgetAction(menu);
    heading->setObjectName(objectName);
    heading->setDefaultWidget(label);
    heading->setText(text); // unseen beside the label; what a screen reader reads
    heading->setEnabled(false);
    menu->addAction(heading);
}

RibbonButton *largeButton(int id, const QString &label, QWidget *parent)
{
    auto *button = new RibbonButton(id, label, RibbonButton::Size::Large, parent);
    button->setIcon(RibbonIcons::forCommand(id));
    return button;
}

RibbonButton *smallButton(int id, const QString &label, QWidget *parent)
{
    auto *button = new RibbonButton(id, label, RibbonButton::Size::Small, parent);
    button->setIcon(RibbonIcons::forCommand(id));
    return button;
}

// A drop-down of the list's columns: choosing one sorts by it as its header's click does.
RibbonButton *sortByButton(QWidget *parent)
{
    auto *button = new RibbonButton(
        -1, QCoreApplication::translate("RibbonLayout", "Sort By") + QStringLiteral("\nb"),
        RibbonButton::Size::Small, parent);
    button->setObjectName(QStringLiteral("sort-by"));
    button->setToolTip(QCoreApplication::translate("RibbonLayout", "Sort the List"));
    button->description = QCoreApplication::translate(
        "RibbonLayout", "Sort the list by one of its columns; choose it again to reverse");
    button->setPopupMode(QToolButton::InstantPopup);
    RibbonMenu *menu = newMenu(QCoreApplication::translate("RibbonLayout", "Sort By"), button);
    menu->setObjectName(QStringLiteral("sort-by-menu"));
    auto *group = new QActionGroup(menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int id = Cmd::SortFirst; id <= Cmd::SortLast; ++id) {
        const CommandInfo *info = CommandTable::find(id);
        group->addAction(RibbonElement::addMenuCommand(menu, id, info ? info->name : QString()));
    }
    button->setMenu(menu);
    return button;
}

} // namespace

QMenu *buildApplicationMenu(QWidget *parent)
{
    using namespace RibbonElement;
    RibbonMenu *menu = newMenu(QCoreApplication::translate("FileMenu", "File"), parent);
    menu->setObjectName(QStringLiteral("file-menu"));
    addMenuCommand(menu, Cmd::FileNew, QCoreApplication::translate("FileMenu", "&New"));
    addMenuCommand(menu, Cmd::FileOpen, QCoreApplication::translate("FileMenu", "&Open..."));
    addMenuCommand(menu, Cmd::FileSave, QCoreApplication::translate("FileMenu", "&Save"));
    addMenuCommand(menu, Cmd::FileSaveAs, QCoreApplication::translate("FileMenu", "Save &As..."));

    RibbonMenu *print = newMenu(QCoreApplication::translate("FileMenu", "Print"), menu);
    print->keyTip = QStringLiteral("w");
    auto *printEntry = new RibbonMenuEntry(RibbonIcons::forCommand(Cmd::FilePrint),
                                           QCoreApplication::translate("FileMenu", "Print"), menu);
    setCommand(printEntry, Cmd::FilePrint);
    printEntry->keyTip = QStringLiteral("p");
    printEntry->setMenu(print);
    addHeading(print, QCoreApplication::translate("FileMenu", "Preview and print the document"),
               QStringLiteral("print-label"), 0);
    addMenuCommand(print, Cmd::FilePrintDirect,
                   QCoreApplication::translate("FileMenu", "&Quick Print"));
    addMenuCommand(print, Cmd::FilePrintPreview,
                   QCoreApplication::translate("FileMenu", "Print Pre&view"));
    addMenuCommand(print, Cmd::FilePageSetup,
                   QCoreApplication::translate("FileMenu", "Print Set&up"));
    menu->addAction(printEntry);

    menu->addSeparator();
    addMenuCommand(menu, Cmd::FileClose, QCoreApplication::translate("FileMenu", "&Close"));
    // The program keeps no recent-file list, so the heading stands alone.
    addHeading(menu, QCoreApplication::translate("FileMenu", "Recent Documents"),
               QStringLiteral("recent-documents"), 300);
    menu->addSeparator();
    addMenuCommand(menu, Cmd::AppExit, QCoreApplication::translate("FileMenu", "E&xit"));
    return menu;
}

RibbonCategory *buildHomeCategory(QWidget *parent)
{
    auto *home = new RibbonCategory(QCoreApplication::translate("HomeCategory", "&Home"), parent);

    RibbonPanel *view = home->addPanel(QCoreApplication::translate("HomeCategory", "View"),
                                       RibbonIcons::forPanel());
    view->addSmall(new RibbonCheckBox(
        Cmd::ViewStatusBar, QCoreApplication::translate("HomeCategory", "Status Bar"), view));
    view->addSmall(new RibbonCheckBox(
        Cmd::ViewCaptionBar, QCoreApplication::translate("HomeCategory", "Caption Bar"), view));
    view->addSmall(new RibbonCheckBox(
        Cmd::FilesInSubFolders,
        QCoreApplication::translate("HomeCategory", "Files in Sub Folder(s)"), view));
    view->addLarge(largeButton(Cmd::SourceFolderInExplorer,
                               QCoreApplication::translate("HomeCategory", "Folder Contents"),
                               view));
    view->addLarge(largeButton(
        Cmd::Reload, QCoreApplication::translate("HomeCategory", "Refresh File List"), view));

    RibbonPanel *edit = home->addPanel(QCoreApplication::translate("HomeCategory", "Edit"),
                                       RibbonIcons::forPanel());
    edit->addSmall(smallButton(
        Cmd::FolderLocation, QCoreApplication::translate("HomeCategory", "Folder Location"), edit));
    edit->addSmall(smallButton(
        Cmd::Settings, QCoreApplication::translate("HomeCategory", "Software Settings"), edit));
    edit->addSmall(smallButton(Cmd::RenameParameters,
                               QCoreApplication::translate("HomeCategory", "Rename Parameters"),
                               edit));
    // Presets: the shell fills the menu each time it opens.
    auto *presets = new RibbonButton(-1, QCoreApplication::translate("HomeCategory", "Presets"),
                                     RibbonButton::Size::Small, edit);
    presets->setObjectName(QStringLiteral("presets-button"));
    presets->setIcon(RibbonIcons::forCommand(Cmd::RenameParameters));
    presets->setToolTip(QCoreApplication::translate("HomeCategory", "Rename Parameter Presets"));
    presets->description = QCoreApplication::translate(
        "HomeCategory", "Apply a saved preset of rename parameters, or save the current ones");
    presets->setPopupMode(QToolButton::InstantPopup);
    RibbonMenu *presetsMenu = newMenu(QString(), presets);
    presetsMenu->setObjectName(QStringLiteral("presets-menu"));
    presets->setMenu(presetsMenu);
    presetsMenu->setAccessibleName(presets->text());
    edit->addSmall(presets);
    edit->addSmall(sortByButton(edit));

    RibbonPanel *rename = home->addPanel(QCoreApplication::translate("HomeCategory", "Rename"),
                                         RibbonIcons::forPanel());
    rename->addLarge(largeButton(Cmd::RenameSelectedFile,
                                 QCoreApplication::translate("HomeCategory", "Selected File"),
                                 rename));
    rename->addLarge(largeButton(
        Cmd::UndoRename, QCoreApplication::translate("HomeCategory", "Undo Rename\nu"), rename));
    // New names from a list, as text, or typed into the list.
    rename->addSmall(smallButton(
        Cmd::RenameFromList, QCoreApplication::translate("HomeCategory", "From List..."), rename));
    rename->addSmall(smallButton(Cmd::EditNamesAsText,
                                 QCoreApplication::translate("HomeCategory", "Names as Text"),
                                 rename));
    rename->addSmall(smallButton(
        Cmd::EditNewName, QCoreApplication::translate("HomeCategory", "Edit New Name"), rename));

    RibbonPanel *window = home->addPanel(QCoreApplication::translate("HomeCategory", "Window\nw"),
                                         RibbonIcons::forPanel());
    RibbonButton *windows = largeButton(
        Cmd::WindowManager, QCoreApplication::translate("HomeCategory", "Windows\ni"), window);
    QMenu *windowsMenu = newMenu(QString(), windows);
    windowsMenu->setObjectName(QStringLiteral("windows-menu"));
    RibbonElement::addMenuCommand(windowsMenu, Cmd::WindowNew,
                                  QCoreApplication::translate("HomeCategory", "&New Window"));
    windows->setMenu(windowsMenu);
    windowsMenu->setAccessibleName(windows->text());
    windows->setPopupMode(QToolButton::MenuButtonPopup);
    window->addLarge(windows);
    return home;
}

QList<QWidget *> buildTabRow(QWidget *parent)
{
    auto *donate =
        smallButton(Cmd::Donate, QCoreApplication::translate("TabRow", "Donate"), parent);

    auto *style = new RibbonButton(-1, QCoreApplication::translate("TabRow", "Style"),
                                   RibbonButton::Size::Small, parent);
    style->setObjectName(QStringLiteral("style-menu"));
    style->setToolTip(QCoreApplication::translate("TabRow", "Modify Visual Style"));
    style->description =
        QCoreApplication::translate("TabRow", "Choose one of the Office 2007 themes");
    style->setToolButtonStyle(Qt::ToolButtonTextOnly);
    style->setPopupMode(QToolButton::InstantPopup);
    auto *looks = new RightAlignedMenu(style, style);
    looks->setObjectName(QStringLiteral("style-looks"));
    looks->setToolTipsVisible(true);
    RibbonElement::installRichTooltip(looks);
    auto *group = new QActionGroup(looks);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    const QString labels[] = {QCoreApplication::translate("TabRow", "Office 2007 (&Blue Style)"),
                              QCoreApplication::translate("TabRow", "Office 2007 (B&lack Style)"),
                              QCoreApplication::translate("TabRow", "Office 2007 (&Silver Style)"),
                              QCoreApplication::translate("TabRow", "Office 2007 (&Aqua Style)")};
    int id = Cmd::LookBlue;
    for (const QString &label : labels)
        group->addAction(RibbonElement::addMenuCommand(looks, id++, label));
    style->setMenu(looks);
    looks->setAccessibleName(style->text());

    auto *share = smallButton(Cmd::ShareOnFacebook, QStringLiteral("\na"), parent);
    share->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto *about = smallButton(Cmd::AppAbout, QStringLiteral("\na"), parent);
    about->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return {donate, style, share, about};
}

const QList<int> &neverEnabledCommands()
{
    static const QList<int> ids = {Cmd::FilePrint, Cmd::FilePrintDirect, Cmd::FilePrintPreview,
                                   Cmd::FilePageSetup};
    return ids;
}

} // namespace RibbonLayout
