// The top banner page of the site.

#include "ProcessManager.h"

#include "BannerPage.h"

void ProcessManager::generateBanner(int language) {
    PageRun run(*this);
    BannerPage page(*this, language);
    // A page that cannot be written is told; the old one stays.
    if (!page.write())
        tellUnwrittenFile(page.path());
}
