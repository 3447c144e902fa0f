#include "PageText.h"

#include "DiskLinks.h"
#include "FileSystem.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "StringTable.h"
#include "TextOutStream.h"
#include "ui/UserInterface.h"

#include <string>
#include <string_view>

PageOpening openItemPage(ProcessManager& manager, Item& item, int language, TextOutStream& out) {
    const CString path = manager.getItemPagePath(&item, language);
    if (path.IsEmpty())
        return PageOpening::NoPage;
    return out.open(path) ? PageOpening::Opened : PageOpening::Failed;
}

CString upPrefix(int steps) {
    CString prefix;
    for (int i = 0; i < steps; ++i)
        prefix += "../";
    return prefix;
}

void reportUnknownFailure(const CString& operation) {
    CString message;
    message.Format(loadString(33042), operation.GetString());
    ui::AfxMessageBox(message);
}

CString relativeLink(const CString& fromFolder, const CString& to) {
    CString from = fromFolder;
    CString target = to;
    from.Replace('/', '\\');
    target.Replace('/', '\\');
    CString link = relativePath(from, FILE_ATTRIBUTE_DIRECTORY, target, FILE_ATTRIBUTE_NORMAL);
    link.Replace('\\', '/');
    return link;
}

CString wholePageHeadStart(ProcessManager& manager, Item& item, const CString& title, DiskLinks& pageLinks,
                           const CString& rootPrefix) {
    auto file = [&](const char* path) { return pageLinks.get(rootPrefix + path); };
    return CString(kTransitionalDocType) + "\n" + "<html>\n" + "<head>\n" + manager.writeMetaTags(&item) +
           "<title>" + title + "</title>\n" + "<script language=\"JavaScript1.2\" src=\"" +
           file("JScript/Tooltip.js") + "\" type=\"text/javascript\"></script>\n" +
           "<script language=\"JavaScript1.2\" src=\"" + file("JScript/TreeMgt.js") +
           "\" type=\"text/javascript\"></script>\n" + "<link rel=\"stylesheet\" href=\"" +
           file("css/project.css") + "\" type=\"text/css\">\n";
}

CString styledPageHeadStart(ProcessManager& manager, Item* item, const CString& title, DiskLinks& pageLinks,
                            const CString& rootPrefix) {
    return CString(kTransitionalDocType) + "\n" + "<html>\n" + "<head>\n" +
           (item ? manager.writeMetaTags(item) : manager.writeHeadMetaTags()) + "<title>" + title +
           "</title>\n" + "<link rel=\"stylesheet\" href=\"" + pageLinks.get(rootPrefix + "css/project.css") +
           "\" type=\"text/css\">\n";
}

CString itemCaption(ProcessManager& manager, ProcessItem& item, int* tooltipCounter, int language) {
    const CString name = item.getNameByLanguage(language);
    const CString& popup = item.getHtmlDescription(language);
    return popup.IsEmpty() ? name : manager.writeTermTooltip(name, tooltipCounter, popup, language, "");
}

CString topOfPageHeading(const CString& anchor, const CString& label, const CString& topPicture,
                         bool wideBlanks) {
    const char* blank = wideBlanks ? "  " : " ";
    return "<H4><a name=\"" + anchor + "\">" + label + "</a> <a href=\"#Top\"><IMG" + blank +
           "alt=\"To top of page\" src=\"" + topPicture + "\"" + blank + "border=0></a></H4>\n";
}

CString gridCellOpening(int cell) {
    if (cell == 1)
        return "<table border=\"0\" width=\"100%\"><tr><td width=\"33%\">";
    return cell % 3 == 1   ? "</tr><tr><td width=\"33%\">"
           : cell % 3 == 2 ? "<td width=\"34%\">"
                           : "<td width=\"33%\">";
}

CString gridEnd(int cells) {
    if (cells == 0)
        return CString();
    CString end;
    if (cells % 3 == 1)
        end = "<td width=\"34%\">&nbsp;</td><td width=\"33%\">&nbsp;</td>";
    else if (cells % 3 == 2)
        end = "<td width=\"33%\">&nbsp;</td>";
    return end + "</tr></table>";
}

bool isWebAddress(const CString& link) {
    CString lower = link;
    lower.MakeLower();
    return lower.Find("http") >= 0 || lower.Find("ftp") >= 0;
}

bool readPageTextLines(const CString& path, std::vector<CString>& lines) {
    lines.clear();
    std::string bytes;
    if (path.IsEmpty() || !platform::readFileBytes(path, bytes))
        return false;
    for (size_t position = 0;;) {
        size_t end = bytes.find('\n', position);
        const bool last = end == std::string::npos;
        if (last)
            end = bytes.size();
        std::string_view line(bytes.data() + position, end - position);
        if (!last && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(std::string(line));
        if (last)
            return true;
        position = end + 1;
    }
}

CString authorPageText(ProcessItem& item, int language) {
    std::vector<CString> lines;
    CString text;
    if (readPageTextLines(item.getItemFolderFile(language == 0 ? "add.htm" : "addL2.htm"), lines))
        for (size_t i = 0; i < lines.size(); ++i)
            if (i > 0 || !lines[i].IsEmpty())
                text += lines[i] + "\n";
    return text;
}

CString shownClassName(ProcessManager& manager, const CString& name, int classKind, int language) {
    return name.IsEmpty() ? name : manager.getNameInLanguage(name, classKind, language, name);
}

CString filteredTitle(ProcessManager& manager, const CString& title, const CString& domain,
                      const CString& discipline, int language) {
    if (domain.IsEmpty() && discipline.IsEmpty())
        return title;
    return title + "<br><font size=\"2\">" + manager.getLabel(language, "Filter") + " " + domain +
           (!domain.IsEmpty() && !discipline.IsEmpty() ? ", " : "") + discipline + "</font>";
}

std::vector<ProcessItem*> workflowPageItems(ProcessManager& manager) {
    std::vector<ProcessItem*> items;
    bool inWorkflow = false;
    int workflowLevel = 0;
    ItemIterateur* it = manager.getItemList()->ItemListe::createIterator();
    for (; !it->isAtEnd(); it->next()) {
        auto* item = dynamic_cast<ProcessItem*>(it->current());
        if (!item)
            continue;
        if (item->getClassKind() == kWorkflowClass) {
            workflowLevel = item->getLevel();
            items.push_back(item);
            inWorkflow = true;
        } else if (inWorkflow) {
            if (item->getLevel() == workflowLevel)
                inWorkflow = false;
            else if (item->getClassKind() != kActivityClass && item->getKind() == kDual)
                items.push_back(item);
        }
    }
    delete it;
    return items;
}
