#include "desktop/shell/WebPages.h"

#ifdef QUIREWELL_HAVE_ABOUT
#include "desktop/shell/about/WebLinks.h"
#endif

namespace WebPages {

void openHomePage()
{
#ifdef QUIREWELL_HAVE_ABOUT
    WebLinks::openHomePage();
#endif
}

void openDonatePage()
{
#ifdef QUIREWELL_HAVE_ABOUT
    WebLinks::openDonatePage();
#endif
}

} // namespace WebPages
