#include "ProcessOverviewPage.h"

#include "ActivityStep.h"
#include "CStringListePlus.h"
#include "FileSystem.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ItemProcessOverview.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "ProcessOption.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TextOutStream.h"
#include "TooltipScript.h"
#include "ui/UserInterface.h"

namespace {

constexpr const char* kIndentation = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";

// The bullet of a line of the outline; null for an item that gets no line.
const char* bulletOf(ProcessItem& item) {
    switch (item.getClassKind()) {
    case kPhaseClass:
        return "images/PhaseBullet.gif";
    case kMacroActivityClass:
        return "images/MacroActivityBullet.gif";
    case kActivityClass:
        return item.getItemActivity() &&
                       item.getItemActivity()->getActivityType() == ItemActivity::getMilestoneReviewType()
                   ? "images/MilestoneBullet.gif"
                   : "images/ActivityBullet.gif";
    default:
        return nullptr;
    }
}

using settings::decimal;

CString margin(int depth) {
    return "<p style=\"margin-left: " + decimal(depth * 30) + "pt; margin-top: 0pt; margin-bottom: 0pt\">";
}

} // namespace

ProcessOverviewPage::ProcessOverviewPage(ProcessManager& manager, const PageRunTables& tables,
                                         ProcessItem& overview, int language)
    : m_manager(manager), m_tables(tables), m_item(overview), m_language(language),
      m_rootPrefix(upPrefix(overview.getLevel() + 2)), m_sitePrefix(upPrefix(overview.getLevel() + 1)),
      m_links(manager.getProjectDirectory() + overview.getFolder(1, 1)),
      m_numbered(ProcessOption::instance().getGenerateWBSNumber()) {}

Item* ProcessOverviewPage::targetWorkflow() {
    const ItemProcessOverview* overview = m_item.getItemProcessOverview();
    const CString target = overview ? overview->getTargetWorkflow() : CString();
    CString message;
    if (target.IsEmpty()) {
        message.Format(loadString(33060), m_item.getName().GetString());
        ui::AfxMessageBox(message);
        return nullptr;
    }
    Item* workflow = findItemByUrl(m_manager.getItemList(), target);
    if (!workflow) {
        message.Format(loadString(33061), platform::shownPath(target).GetString());
        ui::AfxMessageBox(message);
    }
    return workflow;
}

CString ProcessOverviewPage::number(int depth, bool deeper) {
    if (depth < 1)
        return CString();
    if (static_cast<int>(m_counters.size()) <= depth)
        m_counters.resize(depth + 1, 0);
    m_counters[depth] = deeper ? 1 : m_counters[depth] + 1;
    CString text;
    for (int d = 1; d <= depth; ++d)
        text += decimal(m_counters[d]) + ".";
    return text;
}

bool ProcessOverviewPage::write(Item& workflow) {
    const CString path = m_manager.getItemPagePath(&m_item, m_language);
    if (path.IsEmpty())
        return true;
    TextOutStream out(path);
    if (!out.is_open())
        return false;
    auto file = [&](const char* relative) { return m_links.get(m_rootPrefix + relative); };
    const CString name = m_item.getNameByLanguage(m_language);
    out << styledPageHeadStart(m_manager, &m_item, name, m_links, m_rootPrefix)
        << "<script language=\"JavaScript1.2\" src=\"" << file("JScript/Tooltip.js")
        << "\" type=\"text/javascript\"></script>\n"
        << "</head>\n\n"
        << "<body>\n";
    writeTooltipScript(out, 500);
    out << m_manager.getPageBanner(name, m_rootPrefix, m_item.getPageHeaderImage(), 1, "", &m_links);

    out << "<table border=\"1\" width=\"100%\">&nbsp;\n"
        << "<tr><td width=\"100%\">\n";
    const struct {
        const char* key;
        const char* bullet;
    } legend[] = {{"Phase", "images/PhaseBullet.gif"},
                  {"MacroActivity", "images/MacroActivityBullet.gif"},
                  {"Activity", "images/ActivityBullet.gif"},
                  {"Step", "images/StepBullet.gif"},
                  {"Milestone", "images/MilestoneBullet.gif"}};
    for (const auto& entry : legend)
        out << "<img alt=\"\" border=\"0\" src=\"" << file(entry.bullet) << "\">&nbsp;"
            << m_manager.getLabel(m_language, entry.key) << kIndentation << "\n";
    out << "</td></tr></table><br>\n";

    // The outline: every item below the workflow, a shortcut by its
    // target and the target's subtree.
    const int base = workflow.getLevel();
    int previousDepth = -1;
    m_tables.forEachBelowAtDepth(&workflow, [&](Item* reached, bool, int depth) {
        auto* item = dynamic_cast<ProcessItem*>(reached);
        if (!item)
            return;
        Item* target = item->getKind() == kShortcut ? m_tables.getShortcutTarget(item) : nullptr;
        auto* subject = target ? static_cast<ProcessItem*>(target) : item;
        const int relative = depth - base;
        if (const char* bullet = bulletOf(*subject)) {
            out << margin(relative) << " <img alt=\"\" border=\"0\" src=\"" << file(bullet) << "\">&nbsp;";
            if (m_numbered)
                out << number(relative, depth > previousDepth) << "&nbsp;";
            out << "<a href=\"" << m_links.get(m_sitePrefix + item->getOverviewUrl(m_language))
                << "\" target=\"main\">" << subject->getNameByLanguage(m_language) << "</a></p>\n";
        }
        const int kind = subject->getClassKind();
        if (item->getClassKind() == kActivityClass && subject->getItemActivity()) {
            writeSteps(out, *subject, relative);
            const CStringListePlus* steps = subject->getItemActivity()->getSteps(1);
            previousDepth = steps && steps->count() > 0 ? depth + 1 : depth;
        } else if (kind == kMacroActivityClass || kind == kPhaseClass) {
            previousDepth = depth;
        }
    });

    m_manager.writePageFooter(&m_item, out, 0, m_language, 0, "");
    out << "</body>\n</html>\n";
    return out.close();
}

void ProcessOverviewPage::writeSteps(TextOutStream& out, ProcessItem& activity, int depth) {
    ItemActivity& details = *activity.getItemActivity();
    const CStringListePlus* steps = m_language == 0 ? details.getSteps(1) : details.getStepsL2(1);
    if (!steps)
        return;
    int optionalLevel = -1;
    int previousLevel = -1;
    for (int i = 1; i <= steps->count(); ++i) {
        const CString& stored = *steps->at(i);
        const ActivityStep step(stored);
        // A marker is "#" and a level digit; any other text is a step of level 0, whole.
        const bool marked = step.prefixed && stored[1] >= '0' && stored[1] <= '9';
        const int level = marked ? step.depth : 0;
        const bool comment = marked && step.comment;
        const bool optional = marked && step.optional;
        const CString text = marked ? step.schemaText : stored;
        bool grey = false;
        if (optional) {
            optionalLevel = level;
            grey = true;
        } else if (level <= optionalLevel) {
            optionalLevel = -1;
        } else {
            grey = optionalLevel != -1;
        }
        out << "\n" << margin(depth + level + 1) << "<font size=\"2\">";
        if (comment) {
            out << m_manager.descriptionToHtml("<i>" + text + "</i>", &m_tooltipCounter, &m_item, m_language,
                                               0)
                << "</font></p>\n";
            continue;
        }
        out << "<img alt=\"\" border=\"0\" src=\"" << m_links.get(m_rootPrefix + "images/StepBullet.gif")
            << "\">&nbsp;";
        if (m_numbered)
            out << number(depth + level + 1, level > previousLevel) << "&nbsp;";
        if (grey)
            out << "<font color=\"#666666\">";
        out << m_manager.descriptionToHtml(text, &m_tooltipCounter, &m_item, m_language, 0);
        if (grey)
            out << "</font>";
        out << "</font></p>\n";
        previousLevel = level;
    }
}
