#include "shell/FrameRibbon.h"

#include "shell/MainFrame.h"

#ifdef QUIREWELL_HAVE_RIBBON
#include "listing/CommandIds.h"
#include "shell/ribbon/Ribbon.h"
#endif

namespace FrameRibbon {

#ifdef QUIREWELL_HAVE_RIBBON
QWidget *create(CMainFrame &frame)
{
    auto *ribbon = new Ribbon(&frame);
    QObject::connect(ribbon, &Ribbon::commandTriggered, &frame,
                     [&frame](int id) { frame.dispatch(id); });
    // The application button starts the renaming after the current event, as a post does.
    QObject::connect(ribbon, &Ribbon::applicationButtonActivated, &frame,
                     [&frame] { frame.post(Cmd::StartRenaming); });
    return ribbon;
}

void refresh(QWidget *ribbon, const CMainFrame &frame)
{
    static_cast<Ribbon *>(ribbon)->refreshStates(
        [&frame](int id, CommandUiState &state) { return frame.commandState(id, state); });
}
#else
QWidget *create(CMainFrame &)
{
    return nullptr;
}

void refresh(QWidget *, const CMainFrame &) {}
#endif

} // namespace FrameRibbon
