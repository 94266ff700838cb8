#include "shell/FrameRibbon.h"

#include "shell/MainFrame.h"
#include "ui/CommandActions.h"

#ifdef QUIREWELL_HAVE_RIBBON
#include "shell/ribbon/Ribbon.h"
#include "shell/ribbon/RibbonIcons.h"
#include "ui/CommandIds.h"
#endif

#include <QIcon>

namespace FrameRibbon {

#ifdef QUIREWELL_HAVE_RIBBON
CommandActions *createActions(CMainFrame &frame)
{
    return new CommandActions(&frame, &RibbonIcons::forCommand);
}

QWidget *create(CMainFrame &frame)
{
    auto *ribbon = new Ribbon(frame.commandActions(), &frame);
    // The application button starts the renaming after the current event, as a post does.
    QObject::connect(ribbon, &Ribbon::applicationButtonActivated, &frame,
                     [&frame] { frame.post(Cmd::StartRenaming); });
    return ribbon;
}
#else
CommandActions *createActions(CMainFrame &frame)
{
    return new CommandActions(&frame);
}

QWidget *create(CMainFrame &)
{
    return nullptr;
}
#endif

} // namespace FrameRibbon
