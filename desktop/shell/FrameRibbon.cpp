#include "desktop/shell/FrameRibbon.h"

#include "desktop/shell/MainFrame.h"
#include "desktop/ui/CommandActions.h"

#include "desktop/shell/ribbon/Ribbon.h"
#include "desktop/shell/ribbon/RibbonIcons.h"
#include "desktop/ui/CommandIds.h"

#include <QIcon>

namespace FrameRibbon {

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

} // namespace FrameRibbon
