#include "MacroActivityPage.h"

#include "CStringListePlus.h"
#include "ClickableAreaMap.h"
#include "FileSystem.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "MarkedPage.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "SubtreeQualityCriteria.h"
#include "TextOutStream.h"
#include "TooltipScript.h"
#include "WorkflowItemExtension.h"
#include "ui/UserInterface.h"

#include <stdexcept>
#include <unordered_set>
#include <vector>

MacroActivityPage::MacroActivityPage(ProcessManager& manager, const PageRunTables& tables, ProcessItem& item,
                                     int language)
    : m_manager(manager), m_tables(tables), m_item(item), m_language(language),
      m_whole(isFullyGenerated(item)), m_topPrefix(upPrefix(item.getLevel() + 1)),
      m_rootPrefix(upPrefix(item.getLevel() + 2)),
      m_linkBase(manager.getProjectDirectory() + item.getFolder(1, 1)), m_links(m_linkBase) {
    m_linkBase.Replace('/', '\\');
}

bool MacroActivityPage::isFullyGenerated(const ProcessItem& item) {
    const int kind = item.getClassKind();
    const bool workElement = kind == kMacroActivityClass || kind == kPhaseClass || kind == kWorkflowClass;
    const auto* extension =
        workElement ? dynamic_cast<const WorkflowItemExtension*>(item.getExtension()) : nullptr;
    return extension && extension->isFullyGenerated();
}

void MacroActivityPage::write() {
    const CString path = m_manager.getItemPagePath(&m_item, m_language);
    // A page whose url leads out of the project folder is never touched.
    if (path.IsEmpty())
        return;
    MarkedPage page(path);
    bool noKey = false;
    TextOutStream* out = page.open(m_whole, &noKey);
    if (noKey)
        ui::AfxMessageBox("File " + m_item.getNameByLanguage(m_language) +
                          "/overview.htm format error (or content.htm if frame on)");
    if (!out)
        return;
    if (m_whole)
        writeWholePageHead(*out);
    else
        writeMarkedSectionHead(*out);
    writePicture(*out);
    // The picture's numbers end here, whatever it took.
    ++m_tooltipCounter;
    writeDescription(*out);
    writeWorkTable(*out);
    writeSubtreeQualityCriteria(m_manager, m_item, m_language, *out,
                                m_links.get(m_topPrefix + "../images/top.gif"));
    m_manager.writeParentLinks(&m_item, *out, 1, m_language, 0, "");
    // The page ends with its closing tags: the new page replaces the old
    // one whole, so no NUL bytes are written to mark where the old one is
    // cut, which would make text tools take the page for a binary file.
    *out << "</body></html>\n";
    // The old page stays whole when the new one could not be put in place.
    if (!page.finish())
        throw std::runtime_error(("File " + platform::shownPath(path) + " writing error").str());
}

void MacroActivityPage::writeWholePageHead(TextOutStream& out) {
    const CString name = m_item.getNameByLanguage(m_language);
    out << wholePageHeadStart(m_manager, m_item, name, m_links, m_rootPrefix) << "</head>\n\n"
        << "<body>\n";
    writeTooltipScript(out, 500);
    out << "<script language=\"JavaScript1.2\"  type=\"text/javascript\">\n"
        << "var RelativePathToImg=\"" << m_rootPrefix << "images/\"\n"
        << "</script>\n"
        << m_manager.getPageBanner(name, m_rootPrefix, m_item.getPageHeaderImage(), 0, "", &m_links);
}

void MacroActivityPage::writeMarkedSectionHead(TextOutStream& out) {
    writeTooltipScript(out, 500);
    out << "<script type=\"text/javascript\">\n"
        << "var RelativePathToImg=\"" << m_rootPrefix << "images/\"\n"
        << "</script>\n"
        << "<script language=\"JavaScript1.2\" src=\"" << m_links.get(m_rootPrefix + "JScript/TreeMgt.js")
        << "\" type=\"text/javascript\"></script>\n";
}

void MacroActivityPage::writePicture(TextOutStream& out) {
    if (m_whole) {
        ClickableAreaMap map(m_manager, m_item, m_language, m_links, &m_tooltipCounter,
                             ClickableAreaMap::Numbering::BeforeUse);
        const CString picture = ClickableAreaMap::pictureName("wf", m_language);
        if (map.hasPicture(picture))
            map.write(out, picture, "<!-- tooltips on item of the workflow  -->\n");
        return;
    }
    // The author's own picture of the workflow.
    for (const char* name : {"workflow_ai.gif", "workflow_ai.jpg", "workflow_ai.png"}) {
        const CString path = m_item.getItemFolderFile(name);
        if (!path.IsEmpty() && platform::fileExists(path)) {
            out << "<img alt=\"\" src=\"" << m_links.get(name) << "\" border=0>\n";
            return;
        }
    }
}

void MacroActivityPage::writeDescription(TextOutStream& out) {
    ProcessItemExtension* extension = m_item.getExtension();
    const CString description = extension ? extension->readDescription(m_language, 1, 0, 0) : CString();
    if (description.IsEmpty())
        return;
    out << topOfPageHeading("desc", m_manager.getLabel(m_language, "Description"),
                            m_links.get(m_topPrefix + "../images/top.gif"), true)
        << m_manager.descriptionToHtml(description, &m_tooltipCounter, &m_item, m_language, 0);
}

void MacroActivityPage::writeWorkTable(TextOutStream& out) {
    out << "<br><br><table border=\"0\" width=\"100%\">\n"
        << "<thead>\n"
        << "<tr>\n";
    for (const char* label : {"Activities", "ProducedWP"})
        out << "<td width=\"50%\" class=\"activitiesAndWorkProductTables\" align=\"center\">\n"
            << m_manager.getLabel(m_language, label) << "</td>\n";
    out << "</tr>\n"
        << "</thead>\n<tbody>\n";

    // What the activities below the item produce, each work product once,
    // a part of a work product counted as the outermost work product.
    std::vector<ProcessItem*> produced;
    std::unordered_set<const ProcessItem*> met;
    m_manager.forEachProducedWorkProduct(&m_item,
                                         [&](const ItemActivity&, const CString&, ProcessItem* product) {
                                             while (classKindOf(product->getParent()) == kWorkProductClass)
                                                 product = static_cast<ProcessItem*>(product->getParent());
                                             if (met.insert(product).second)
                                                 produced.push_back(product);
                                         });

    out << "<tr><td width=\"50%\" valign=\"top\"><ul>\n";
    for (Item* child : m_tables.getChildren(&m_item)) {
        Item* element = child->getKind() == kShortcut ? m_tables.getShortcutTarget(child) : child;
        const int kind = classKindOf(element);
        if (element && (kind == kMacroActivityClass || kind == kPhaseClass || kind == kActivityClass))
            out << listLine(*static_cast<ProcessItem*>(element));
    }
    out << "</ul></td>\n"
        << "<td width=\"50%\" valign=\"top\">\n";
    if (!produced.empty()) {
        out << "<ul>\n";
        for (ProcessItem* product : produced)
            out << listLine(*product);
        out << "</ul>\n";
    }
    out << "</td></tr></tbody></table>\n";
}

CString MacroActivityPage::listLine(ProcessItem& target) {
    const CString caption = itemCaption(m_manager, target, &m_tooltipCounter, m_language);
    return "<li><a href=\"" +
           m_links.get(relativeLink(m_linkBase, m_manager.getItemFilePath(&target, m_language))) +
           "\" target=\"main\">" + caption + "</a></li>\n";
}
