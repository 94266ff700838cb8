#include "listing/view/ViewDialogs.h"

namespace {
ViewDialogs *g_dialogs = nullptr;
}

ViewDialogs *ViewDialogs::instance()
{
    return g_dialogs;
}

void ViewDialogs::install(ViewDialogs *dialogs)
{
    g_dialogs = dialogs;
}
