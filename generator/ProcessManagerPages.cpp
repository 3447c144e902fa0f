// The page fragments of the process manager: an item's header frameset,
// its head meta lines, the page footer and the navigation bar.

#include "DiskLinks.h"
#include "ItemClasses.h"
#include "ItemListe.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TextOutStream.h"
#include "ui/UserInterface.h"

#include <exception>

void ProcessManager::createItemHeader(Item* item, int language) {
    try {
        // An item whose folder lies outside the project folder gets no header.
        const CString folder = getPathInSite(item->getFolder(1, 0));
        if (folder.IsEmpty())
            return;
        DiskLinks pageLinks(folder);
        const CString name = item->getNameByLanguage(language);
        const CString contentPage = pageLinks.get(getContentPageName(language));
        CString links;
        CString status;
        headerTrail(item, language, pageLinks, links, status);
        links += name;
        status += name;

        TextOutStream header(folder + getHeaderFileName(language));
        header << kTransitionalDocType << "\n"
               << "<html><head>\n"
               << writeMetaTags(item) << "<title>" << name << "</title></head>\n"
               << "<body><p style=\"margin-left: 0pt; margin-top: 0pt\"><b><font size=\"1\">\n";
        if (classKindOf(item) == kGlossaryClass) {
            header << "<map name=\"FPMap0\">\n";
            for (int k = 0; k < 26; ++k) {
                CString area;
                area.Format("<area href=\"%s#%c\" target=\"c\" alt=\"\" shape=\"rect\" coords=\"%d, 5,%d,19\">\n",
                            contentPage.GetString(), 'A' + k, 18 * k, 18 * k + 17);
                header << area;
            }
            header << "</map>\n"
                   << "<img alt=\"\" border=\"0\" src=\""
                   << pageLinks.get(upPrefix(item->getLevel() + 2) + "images/alphabet.gif")
                   << "\" usemap=\"#FPMap0\">\n";
        } else {
            header << links << "\n";
        }
        header << "</font></b></body></html>\n";
        header.close();

        writeHeaderFrameset(item, language, status, kTransitionalDocType);
    } catch (const std::exception& error) {
        ui::AfxMessageBox(error.what());
    } catch (...) {
        reportUnknownFailure("ProcessManager::createItemHeader");
    }
}

CString ProcessManager::writeMetaTags(Item* item) {
    return writeHeadMetaTags() + "<meta name=\"DC.Identifier\" Content=\"" + item->getUid() + "\">\n" +
           "<meta name=\"DC.Title\" Content=\"" + item->getName() + "\">\n\n";
}

void ProcessManager::writePageFooter(Item* item, TextOutStream& out, int, int language, int withVersion,
                                     const CString& uidPrefix) {
    out << "<p align=\"center\"><font size=\"0\" color=\"#006600\">" << getLabel(language, "PageUid") << ": "
        << uidPrefix << item->getUid();
    if (withVersion) {
        const auto* processItem = dynamic_cast<const ProcessItem*>(item);
        const CString version = processItem ? processItem->getVersion() : CString();
        out << " - " << getLabel(language, "Version") << " " << (version.IsEmpty() ? CString("0") : version) << "."
            << (processItem ? processItem->getVersionMinor() : CString());
    }
    out << "</font></p>\n";
}

void ProcessManager::writeParentLinks(Item* item, TextOutStream& out, int withNavigation, int language,
                                      int withVersion, const CString& uidPrefix) {
    if (withNavigation) {
        // The shortcuts to the item and its neighbours, from the page run's tables.
        const std::shared_ptr<const PageRunTables> tables = pageRunTables();
        const CString root = upPrefix(item->getLevel() + 2);
        const CString pageFolder = m_projectFolder + item->getFolder(1, 1);
        DiskLinks pageLinks(pageFolder);
        auto link = [&](Item* target) {
            return pageLinks.get(target->getRelativeLink(item, "") + "/" +
                                 Item::getOverviewPageName(language));
        };
        auto image = [&](const char* file) { return pageLinks.get(root + file); };
        out << "<br><br><table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"100%\" bgcolor=\"#E8E6E1\">\n"
            << "<tr><td width=\"85%\" bgcolor=\"#DDDDDD\">" << "&nbsp;" << "\n";
        if (Item* parent = item->getParent()) {
            out << "<table border=\"0\"><tr><td>\n"
                << "<table border=\"0\"><tr><td width=\"0\"></td><td><a onClick=\"Toggle(this, "
                   "RelativePathToImg)\"> "
                   "<img border=\"0\" src=\""
                << image("images/plus.gif") << "\" alt=\"\"><b>&nbsp;<font size=\"1\">\n"
                << getLabel(language, "ParentLinks") << "</font>"
                << "&nbsp;"
                << "&nbsp;"
                << "<img border=\"0\" src=\"" << image("images/alt.png")
                << "\" alt=\"\"></b></a><div style='display:none'>\n"
                << "<table border=\"0\"><tr><td width=\"10\"></td><td>\n"
                << "<ul><li>" << writeBreadcrumb(parent, item, pageFolder, language) << "</li>";
            for (Item* shortcut : tables->getItemsReferring(item->getUid()))
                out << "<li>"
                    << (shortcut->getParent()
                            ? writeBreadcrumb(shortcut->getParent(), item, pageFolder, language)
                            : CString())
                    << "</li>";
            out << "</ul><div> </div></td></tr></table>\n"
                << "</div></td></tr></table></td></tr></table>";
        }
        out << "</td>\n"
            << "<td width=\"15%\" bgcolor=\"#DDDDDD\"><div align=\"right\">\n";
        auto arrow = [&](Item* target, const char* file) {
            if (target)
                out << "<a href=\"" << link(target) << "\" target=\"main\"><img border=\"0\" src=\""
                    << image(file) << "\" alt=\"\"></a>\n";
        };
        arrow(tables->getPreviousItem(item), "images/al.png");
        arrow(item->getParent(), "images/at.png");
        arrow(tables->getNextItem(item), "images/ar.png");
        out << "</div></td>\n"
            << "</table>\n"
            << "<br>\n";
    }
    writePageFooter(item, out, withNavigation, language, withVersion, uidPrefix);
}

int ProcessManager::compareDoubles(const void* a, const void* b) {
    const double x = *static_cast<const double*>(a);
    const double y = *static_cast<const double*>(b);
    return x == y ? 0 : (x < y ? -1 : 1);
}
