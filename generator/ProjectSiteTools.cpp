// Tools on the whole site that the user starts from the main window, the
// Tools and Options sheets, or that the generation runs for the site-map
// items: url prefix replacement, the log, the label file and folders opened
// in outside programs, the site map page, the page of an item's child links,
// and the second-language pages.

#include "DiskLinks.h"
#include "FileSystem.h"
#include "ItemListePlus.h"
#include "PageText.h"
#include "ProcessRunner.h"
#include "Project.h"
#include "StringTable.h"
#include "TextOutStream.h"
#include "VisibleTree.h"
#include "ui/UserInterface.h"

#include <cstdio>
#include <string>

namespace {

// The pages these tools write: the document type, the head with the
// project's meta lines, the title and the style sheet (reached over
// rootPrefix), then the page banner.
void writeToolPageStart(Project& project, Item& item, TextOutStream& page, DiskLinks& links,
                        const CString& rootPrefix, int language) {
    const CString name = item.getNameByLanguage(language);
    page << kTransitionalDocType << "\n"
         << "<html>\n"
         << "<head>\n"
         << project.writeHeadMetaTags() << "<title>" << name << "</title>\n"
         << "<link rel=\"stylesheet\" href=\"" << links.get(rootPrefix + "css/project.css")
         << "\" type=\"text/css\">\n"
         << "</head>\n\n"
         << "<body>\n"
         << project.getPageBanner(name, rootPrefix, item.getPageHeaderImage(), 1, "", &links);
}

// The end of those pages; false, and told, when the page could not be
// written (the old page then stays as it was).
bool endToolPage(Project& project, Item& item, TextOutStream& page, const CString& path, int language) {
    project.writePageUidFooter(&item, page, language, "");
    page << "</body>\n</html>\n";
    if (page.is_open() && page.close())
        return true;
    ui::AfxMessageBox("File " + platform::shownPath(path) + " writing error");
    return false;
}

} // namespace

void Project::replaceUrlPrefix(const CString& oldPrefix, const CString& newPrefix) {
    // An empty prefix begins every url: it would put the new prefix before
    // the address of every item of the site.
    if (oldPrefix.IsEmpty()) {
        ui::AfxMessageBox("The address prefix to replace is empty: no address was changed.");
        return;
    }
    // The addresses are changed in the tree as another copy of the program
    // may have saved it meanwhile.
    const bool shared = changesSharedTree();
    if (shared && !beginSharedChange({}))
        return;
    int count = 0;
    ItemIterateur* it = getItemIterator();
    for (; !it->isAtEnd(); it->next()) {
        Item* item = it->current();
        if (item->getUrl().Left(oldPrefix.GetLength()) == oldPrefix) {
            item->setUrl(newPrefix + item->getUrl().Mid(oldPrefix.GetLength()));
            ++count;
        }
    }
    delete it;
    if (count > 0)
        saveMenuTree();
    if (shared)
        endSharedChange(true);
    CString message;
    message.Format(loadString(32981), std::to_string(count).c_str());
    ui::AfxMessageBox(message);
}

void Project::viewLogFile() {
    std::fflush(nullptr);
    process::openInTextEditor(m_siteRoot + getLogFileName());
}

void Project::editTranslationFile() {
    std::fflush(nullptr);
    process::openInTextEditor(m_projectFolder + "tolvane/trad.ini");
}

void Project::writeSiteMapPage(Item* item, int language) {
    const CString path = getItemPagePath(item, language);
    const CString rootPrefix = upPrefix(item->getLevel() + 2);
    const CString sitePrefix = upPrefix(item->getLevel() + 1);
    DiskLinks links(m_projectFolder + item->getFolder(1, 1));
    TextOutStream page(path);
    writeToolPageStart(*this, *item, page, links, rootPrefix, language);
    for (Item* shown : visibleTree().getShownItems()) {
        if (shown->getKind() != kDual)
            continue;
        for (int level = 0; level < shown->getLevel(); ++level)
            page << "&nbsp;&nbsp;&nbsp;&nbsp;\n";
        page << "<img src=\"" << links.get(rootPrefix + "applet/IconImages/" + shown->getIcon())
             << "\" alt=\"\">&nbsp;<a href=\"" << links.get(sitePrefix + shown->getOverviewUrl(language))
             << "\">" << shown->getNameByLanguage(language) << "</a><BR>\n";
    }
    endToolPage(*this, *item, page, path, language);
}

void Project::generateDualChildLinks(Item* item, int language) {
    const CString path = getItemPagePath(item, language);
    const CString rootPrefix = upPrefix(item->getLevel() + 2);
    DiskLinks links(m_projectFolder + item->getFolder(1, 1));
    TextOutStream page(path);
    writeToolPageStart(*this, *item, page, links, rootPrefix, language);
    // The entries after the item that are deeper than it are its subtree;
    // its direct children are one level deeper.
    for (int position = m_itemList->indexOf(item) + 1;
         position > 1 && position <= m_itemList->count() &&
         m_itemList->at(position)->getLevel() > item->getLevel();
         ++position) {
        Item* child = m_itemList->at(position);
        if (child->getLevel() != item->getLevel() + 1 || !child->isVisible())
            continue;
        const char* target = child->isBlankTarget() ? " target=\"_blank\"" : " target=\"main\"";
        const CString href =
            child->getKind() == kExternal
                ? child->getUrl()
                : links.get(child->getRelativeLink(item, "") + "/" + Item::getOverviewPageName(language));
        page << "<img src=\"" << links.get(rootPrefix + "applet/IconImages/" + child->getIcon())
             << "\" alt=\"\">&nbsp;<a href=\"" << href << "\"" << target << ">"
             << child->getNameByLanguage(language) << "</a><br>\n";
    }
    endToolPage(*this, *item, page, path, language);
}

void Project::createSecondLanguagePages() {
    // One log block for the whole run; an existing page is kept and logged.
    TextOutStream* log = openLog();
    ItemIterateur* it = getItemIterator();
    for (; !it->isAtEnd(); it->next())
        if (it->current()->getKind() == kDual)
            createItemPage(it->current(), 0, log, 0, it->current()->isFrame(), 1);
    delete it;
    closeLog(log);
}
