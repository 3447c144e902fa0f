// Pieces of HTML that every page writer shares: page paths, the banner, the
// header framesets of items shown in frames, the head lines, the trail of
// parent links, the uid footer and the tooltip machinery.

#include "DiskLinks.h"
#include "FileSystem.h"
#include "ItemListePlus.h"
#include "PageText.h"
#include "Project.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TextOutStream.h"
#include "ui/UserInterface.h"

#include <exception>
#include <vector>

CString Project::getItemFilePath(Item* item, int language) {
    return m_siteRoot + item->getOverviewUrl(language);
}

CString Project::getPageBanner(const CString& title, const CString& rootPath, const CString& headerImage,
                               int addBreak, const CString& image, DiskLinks* links) {
    CString banner = "<h1 class=\"banner\">";
    if (!image.IsEmpty())
        banner += "<img alt=\"\" border=\"0\" src=\"" + image + "\" align=\"left\">";
    else if (StdOption::instance().getPageHeaderImage() && !headerImage.IsEmpty() &&
             headerImage != "empty.gif") {
        const CString picture = rootPath + "images/PageHeader/" + headerImage;
        banner += "<img alt=\"\" border=\"0\" src=\"" + (links ? links->get(picture) : picture) +
                  "\" align=\"left\">";
    }
    banner += title + "</h1>\n";
    if (addBreak)
        banner += "<BR>\n";
    return banner;
}

void Project::createHeaders(int language) {
    try {
        ItemIterateur* it = getItemIterator();
        std::vector<Item*> framed;
        for (; !it->isAtEnd(); it->next())
            if (it->current()->getKind() == kDual && it->current()->isFrame())
                framed.push_back(it->current());
        delete it;
        for (Item* item : framed)
            createItemHeader(item, language);
    } catch (const std::exception& error) {
        ui::AfxMessageBox(error.what());
    } catch (...) {
        reportUnknownFailure("Project::createHeaders");
    }
}

void Project::headerTrail(Item* item, int language, DiskLinks& pageLinks, CString& links, CString& status) {
    links.Empty();
    status.Empty();
    int steps = 1;
    for (Item* ancestor = item->getParent(); ancestor; ancestor = ancestor->getParent(), ++steps) {
        links = "<a href=\"" + pageLinks.get(upPrefix(steps) + Item::getOverviewPageName(language)) +
                "\" target=\"main\">" + ancestor->getNameByLanguage(language) + "</a> / " + links;
        status = ancestor->getNameByLanguage(language) + " / " + status;
    }
}

void Project::writeHeaderFrameset(Item* item, int language, const CString& status, const char* docType) {
    const int rows = item->hasStandardHeader() ? StdOption::instance().getIPFS() : 7;
    const CString folder = getPathInSite(item->getFolder(1, 0));
    if (folder.IsEmpty())
        return;
    DiskLinks pageLinks(folder);
    TextOutStream frameset(folder + Item::getOverviewPageName(language));
    if (docType)
        frameset << docType << "\n";
    frameset << "<html>\n"
             << "<head>\n"
             << "<title>" << item->getNameByLanguage(language) << "</title>\n"
             << "<script LANGUAGE=\"JavaScript\" type=\"text/javascript\">\n"
             << "window.status = \"" << status << "\"\n"
             << "</script>\n"
             << "</head>\n"
             << "<frameset rows=\"" << rows << "%," << 100 - rows
             << "%\" framespacing=\"0\" border=\"0\" frameborder=\"0\">\n"
             << "<frame name=\"t\" src=\""
             << pageLinks.get(language == 0 ? kHeaderPageName : kHeaderPageNameL2)
             << "\" scrolling=\"no\" frameborder=\"0\" marginwidth=\"0\"  marginheight=\"0\">\n"
             << "<frame name=\"c\" src=\"" << pageLinks.get(getContentPageName(language))
             << "\" scrolling=\"yes\" frameborder=\"0\" marginwidth=\"0\"  marginheight=\"0\">\n"
             << "</frameset>\n"
             << "</html>\n";
    frameset.close();
}

void Project::createItemHeader(Item* item, int language) {
    try {
        // An item whose folder lies outside the project folder gets no header.
        const CString folder = getPathInSite(item->getFolder(1, 0));
        if (folder.IsEmpty())
            return;
        DiskLinks pageLinks(folder);
        CString trail;
        CString status;
        headerTrail(item, language, pageLinks, trail, status);
        trail += "</font>" + item->getNameByLanguage(language);
        status += item->getNameByLanguage(language);

        TextOutStream header(folder + (language == 0 ? kHeaderPageName : kHeaderPageNameL2));
        header << "<HTML><HEAD><TITLE>" << item->getName() << "</TITLE></HEAD>\n"
               << "<BODY><p style=\"margin-left: 0; margin-top: -10\"><b><font size=\"2\">\n"
               << trail << "\n"
               << "</body></html>\n";
        header.close();
        writeHeaderFrameset(item, language, status, nullptr);
    } catch (const std::exception& error) {
        ui::AfxMessageBox(error.what());
    } catch (...) {
        reportUnknownFailure("Project::createItemHeader");
    }
}

CString Project::writeHeadMetaTags() {
    return "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" + readCharset() + "\">\n" +
           "<meta name=\"Generator\" Content=\"Tolvane\">\n" + "<meta name=\"Robots\" Content=\"All\">\n";
}

CString Project::writeBreadcrumb(Item* start, Item* page, const CString& pageFile, int language) {
    CString from = pageFile;
    from.Replace('/', '\\');
    // Links start from the page's folder: pageFile itself when it ends with a separator.
    const int cut = from.ReverseFind('\\');
    DiskLinks pageLinks(cut < 0 ? CString() : from.Left(cut + 1));
    const CString root = upPrefix(page->getLevel() + 2);
    CString trail;
    for (Item* item = start; item; item = item->getParent()) {
        CString target = getItemFilePath(item, language);
        target.Replace('/', '\\');
        CString link = relativePath(from, FILE_ATTRIBUTE_NORMAL, target, FILE_ATTRIBUTE_NORMAL);
        link.Replace('\\', '/');
        trail = "<img alt=\"\" border=\"0\" src=\"" +
                pageLinks.get(root + "applet/IconImages/" + item->getIcon()) + "\">" + "&nbsp;" +
                "<a href=\"" + pageLinks.get(link) + "\" target=\"main\"><font size=\"1\">" +
                item->getNameByLanguage(language) + "</font></a> / " + trail;
    }
    return trail;
}

void Project::writePageUidFooter(Item* item, TextOutStream& out, int language, const CString& text) {
    out << "<p align=\"center\"><font size=\"0\" color=\"#006600\">" << getLabel(language, "PageUid") << ": "
        << text << item->getUid() << "</font></p>\n";
}

CString Project::getTooltipAttributes(const CString& index) {
    return " onMouseover=\"ShowTip(Text[" + index + "])\" onMouseout=\"HideTip(event)\" ";
}

Item* Project::getPreviousItem(Item* item) const {
    const int position = item ? m_itemList->indexOf(item) : 0;
    Item* previous = position > 1 ? m_itemList->at(position - 1) : nullptr;
    return previous && previous->getLevel() == item->getLevel() ? previous : nullptr;
}

Item* Project::getNextItem(Item* item) const {
    const int position = item ? m_itemList->indexOf(item) : 0;
    Item* next = position > 0 ? m_itemList->at(position + 1) : nullptr;
    return next && next->getLevel() == item->getLevel() ? next : nullptr;
}
