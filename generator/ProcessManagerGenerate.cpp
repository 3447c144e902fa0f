// The site generation: link refresh, site frames, popup texts, then per
// site language the page families in their fixed order, each switched on
// by its PROCESS_OPTION key.

#include "ProcessManager.h"

#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "ProcessOption.h"
#include "ReadPass.h"
#include "StdOption.h"

namespace {

struct PageFamily {
    const char* key;
    void (ProcessManager::*writer)(int language);
};

// The page families, in the order of a pass.
const PageFamily kPageFamilies[] = {
    {"GenerateActivityAccessByStateByMA", &ProcessManager::generateActivityAccessByState},
    {"GenerateActivitiesByRoleByMA", &ProcessManager::generateActivitiesByRole},
    {"GenerateProcessOverview", &ProcessManager::generateProcessOverview},
    {"GenerateRole", &ProcessManager::generateRole},
    {"GenerateTemplateAccessByMA", &ProcessManager::generateTemplateAccess},
    {"GenerateWorkProduct", &ProcessManager::generateWorkProduct},
    {"GenerateActivities", &ProcessManager::generateActivity},
    {"GenerateMacroActivities", &ProcessManager::generateMacroActivity},
    {"GenerateGenericProcedure", &ProcessManager::generateGenericProcedure},
    {"GenerateHeader", &ProcessManager::createHeaders},
    {"SynthesisOnWPGroup", &ProcessManager::generateSynthesisOnWPGroup},
    {"GenerateWPOverview", &ProcessManager::generateWPOverview},
    {"GenerateMeasure", &ProcessManager::generateMeasure},
    {"GenerateBanner", &ProcessManager::generateBanner},
};

} // namespace

void ProcessManager::generate() {
    // The run reads the project as it stood when it began: each folder is
    // listed and each data file looked at once, and what the run itself
    // writes is added to what it knows, never looked at again.
    ReadPass pass;
    // The glossary is read once per language for the whole run.
    PageRun run(*this);
    guarded(
        "generate", [this] { generatePages(); }, true);
    setProgressPos(0);
}

void ProcessManager::generatePages() {
    m_linksNeedRefresh = 1;
    // Every item reads its data file again.
    updateLinks(1, 1);
    const int languages = StdOption::instance().getTwoLanguages() ? 2 : 1;

    createSiteFrames();

    // The page writers take the items' popup texts for their tooltips.
    ItemIterateur* it = getItemIterator();
    for (; !it->isAtEnd(); it->next()) {
        if (auto* item = dynamic_cast<ProcessItem*>(it->current())) {
            item->buildHtmlDescription(0);
            if (languages == 2)
                item->buildHtmlDescription(1);
        }
    }
    delete it;

    const ProcessOption& options = ProcessOption::instance();
    int families = 0;
    for (const PageFamily& family : kPageFamilies)
        if (options.getBool(family.key))
            ++families;
    int count = (families + 1) * languages;
    setProgressRange(0, 2 * count);
    setProgressStep(1);
    setProgressPos(count);

    for (int pass = 1; pass <= languages; ++pass) {
        const int language = pass != 1 ? 1 : 0;
        for (const PageFamily& family : kPageFamilies) {
            if (!options.getBool(family.key))
                continue;
            (this->*family.writer)(language);
            setProgressPos(++count);
        }
        createGlossary(language);
        createSiteMap(language);
        setProgressPos(++count);
    }
}
