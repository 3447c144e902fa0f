#include "BannerPage.h"

#include "CStringListePlus.h"
#include "ClickableAreaMap.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "TextOutStream.h"
#include "TooltipEntry.h"
#include "TooltipScript.h"

#include <vector>

namespace {

// The tooltips of the banner script's buttons, Text[0] to Text[9].
const char* const kButtonTips[] = {
    "Hide the treeview",
    "Show the treeview",
    "Back to the previous page",
    "Show the page address (to send the page address by mail for instance)",
    "Print the page",
    "Bookmark the page",
    "Expand all treeview nodes",
    "Collapse all treeview nodes",
    "First language",
    "Second language",
};

} // namespace

BannerPage::BannerPage(ProcessManager& manager, int language)
    : m_manager(manager), m_language(language), m_folder(manager.getSiteDirectory() + "Home/"),
      m_links(m_folder) {}

CString BannerPage::path() const {
    return m_folder + (m_language == 0 ? "topbanner1.htm" : "topbanner2.htm");
}

bool BannerPage::write() {
    TextOutStream out(path());
    if (!out.is_open())
        return false;
    out << kTransitionalDocType << "\n"
        << "<html>\n"
        << "<head>\n"
        << "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" << m_manager.readCharset()
        << "\">"
        << "<LINK href=\"" << m_links.get("../../css/project.css") << "\" type=text/css rel=stylesheet>\n"
        << "<title>Site banner</title>\n"
        << "<SCRIPT language=\"JavaScript1.2\" type=\"text/javascript\" src=\""
        << m_links.get("../../JScript/tooltip.js") << "\"></SCRIPT>\n"
        << "<SCRIPT language=\"JavaScript1.2\" type=\"text/javascript\" src=\""
        << m_links.get("../../JScript/banner.js") << "\"></SCRIPT>\n"
        << "</head>\n\n"
        << "<body>\n";
    writeTooltipScript(out, 250);
    out << "<SCRIPT language=\"JavaScript1.2\"  type=\"text/javascript\">\n";
    for (int i = 0; i < 10; ++i)
        out << "Text[" << i << "]=[\"\",\"" << kButtonTips[i] << "\"]\n";
    out << "</SCRIPT>\n"
        << "<img border=\"0\" src=\"" << m_links.get(m_language == 0 ? "banner.png" : "bannerL2.png")
        << "\" usemap=\"#FPMap0\" alt=\"\">\n"
        << "<map name=\"FPMap0\">\n";
    CString script = "<!-- tooltips on item of the banner  -->\n"
                     "<script language=\"JavaScript1.2\"  type=\"text/javascript\">\n";
    // Without a clickable-area file the map stays empty.
    std::vector<CString> records;
    if (readPageTextLines(m_folder + "banner.data", records))
        for (const CString& record : records)
            out << area(record, script);
    out << "</map>\n"
        << script << "</script>\n\n"
        << "</body>\n"
        << "</html>\n";
    return out.close();
}

CString BannerPage::area(const CString& record, CString& script) {
    CStringListePlus fields;
    fields.split(record, ";", 0);
    if (fields.count() < 5) {
        fields.deleteAll();
        return CString();
    }
    const CString uid = *fields.at(1);
    const CString coords = *fields.at(2) + "," + *fields.at(3) + "," + *fields.at(4) + "," + *fields.at(5);
    CString texts[5];
    ClickableAreaMap::readFreeAreaTexts(fields, texts);
    fields.deleteAll();
    const CString& target = texts[4];
    const CString targetAttribute = target.IsEmpty() ? CString() : " target=\"" + target + "\" ";

    // An area of an item leads to the item's page with its popup text.
    if (auto* item = dynamic_cast<ProcessItem*>(m_manager.findItemByUid(uid))) {
        CString number;
        number.Format("%d", m_tooltipCounter++);
        const CString& popup = item->getHtmlDescription(m_language);
        script += "Text[" + number + "]=[\"" + escapeScriptString(item->getNameByLanguage(m_language)) +
                  "\",\"" + m_manager.toTooltipText(popup, m_language) + "\"];\n";
        return "<area href=\"" +
               m_links.get(relativeLink(m_folder, m_manager.getItemFilePath(item, m_language))) +
               "\" alt=\"\" shape=\"rect\" coords=\"" + coords + "\" " +
               (popup.IsEmpty() ? CString() : Project::getTooltipAttributes(number)) + targetAttribute +
               ">\n";
    }
    // A free area: its own link and scripts, nothing when it has none.
    bool anyText = false;
    for (const CString& text : texts)
        anyText |= !text.IsEmpty();
    if (!anyText)
        return CString();
    CString area = "<area href=\"" + (texts[0].IsEmpty() ? CString("#") : m_links.get(texts[0])) +
                   "\" alt=\"\" shape=\"rect\" coords=\"" + coords + "\" ";
    if (!texts[1].IsEmpty())
        area += " onMouseOver=\"" + texts[1] + "\" class=\"ToolTip\" ";
    if (!texts[2].IsEmpty())
        area += " onMouseOut=\"" + texts[2] + "\" ";
    if (!texts[3].IsEmpty())
        area += " onclick=\"" + texts[3] + "\" ";
    return area + targetAttribute + ">\n";
}
