#include "ActivitySchema.h"

#include "ActivityStep.h"
#include "CStringListePlus.h"
#include "ClickableAreaMap.h"
#include "FileSystem.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemReference.h"
#include "ItemRole.h"
#include "ItemWorkProduct.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "ProcessOption.h"
#include "StdOption.h"
#include "TextOutStream.h"
#include "TooltipEntry.h"

#include <algorithm>
#include <memory>

namespace {

using settings::decimal;

const char* const kArrow = "images/fleche.gif";

} // namespace

ActivitySchema::ActivitySchema(ActivityPage& page, const ActivityPage::BlockOrder& order)
    : m_page(page), m_order(order), m_manager(page.getManager()), m_item(page.getItem()),
      m_activity(page.getActivity()), m_language(page.getLanguage()),
      m_generic(page.getItem().isGenericProjectKind() != 0) {}

CStringListePlus* ActivitySchema::steps() {
    return m_language == 0 ? m_activity.getSteps(1) : m_activity.getStepsL2(1);
}

void ActivitySchema::write() {
    if (m_activity.getRoles()->count() == 0 && m_activity.getInWorkProducts()->count() == 0 &&
        m_activity.getOutWorkProducts()->count() == 0 && steps()->count() == 0)
        return;
    m_out = &m_page.getOut();
    const bool drawn = ProcessOption::instance().getGenerateActivitySchemaFlag();
    if (!drawn || m_order.schema != "1")
        *m_out << "<H4>" << m_manager.getLabel(m_language, "Hyperlinks") << "<a href=\"#Top\">"
               << "<img alt=\"To top of page\" src=\"" << image("images/top.gif")
               << "\" border=0></a></H4>\n";
    if (drawn)
        writeDrawnSchema();
    else
        writePlainLists();
    writePicture();
}

// Roles and work products ---------------------------------------------------

bool ActivitySchema::RoleGroups::lists(int group, const CString& reference) const {
    const CString responsibility = getReferenceName(reference);
    if (responsibility == names[group])
        return true;
    if (group != 1)
        return false;
    for (size_t g = 1; g < names.size(); ++g)
        if (responsibility.CompareNoCase(names[g]) == 0)
            return false;
    return true;
}

ActivitySchema::RoleGroups ActivitySchema::roleGroups() const {
    CStringListePlus* responsibilities = m_manager.getRoleResponsibilities();
    RoleGroups groups;
    // Entry 0 unused, so that groups are numbered as the responsibilities;
    // without responsibilities group 1 has no name and takes every role.
    const int count = std::max(1, responsibilities->count());
    groups.names.assign(count + 1, CString());
    groups.counts.assign(count + 1, 0);
    for (int r = 1; r <= responsibilities->count(); ++r)
        groups.names[r] = *responsibilities->at(r);
    CStringListePlus* roles = m_activity.getRoles();
    for (int i = 1; i <= roles->count(); ++i) {
        const CString responsibility = getReferenceName(*roles->at(i));
        int group = 1;
        for (int r = 1; r <= responsibilities->count(); ++r)
            if (responsibility.CompareNoCase(groups.names[r]) == 0) {
                group = r;
                break;
            }
        ++groups.counts[group];
    }
    return groups;
}

CString ActivitySchema::caption(ProcessItem& item) {
    return itemCaption(m_manager, item, m_page.getTooltipCounter(), m_language);
}

CString ActivitySchema::pageLinkTo(ProcessItem& item) {
    return m_page.getLinks().get(
        relativeLink(m_page.getActivityFolder(), m_manager.getItemFilePath(&item, m_language)));
}

CString ActivitySchema::workProductLink(ProcessItem& product) {
    return m_page.getLinks().get(product.getRelativeLink(&m_item, "") + "/" +
                                 Item::getOverviewPageName(m_language));
}

CString ActivitySchema::image(const CString& path) {
    return m_page.getLinks().get(m_page.getRootPrefix() + path);
}

CString ActivitySchema::annotations(const CString& reference, ProcessItem& product, bool drawn) {
    CString text;
    const ItemWorkProduct* extension = product.getItemWorkProduct();
    const CString wpName = extension ? extension->getWPName() : CString();
    if (!wpName.IsEmpty() && ProcessOption::instance().getGenerateWPNameOutsideWP())
        text += CString(drawn ? "<br>" : "") + "<font size=\"1\"> (" + wpName + ")</font>";
    auto mark = [&](const CString& shown) {
        text += drawn ? "<br><b><font size=\"0\" color=darkred> (" + shown + ")</font></b>"
                      : "<b><font size=\"1\" color=darkred> (" + shown + ")</font></b><br>";
    };
    const CString state = getWorkProductReferenceStateName(reference, m_language, 0);
    if (!state.IsEmpty())
        mark(state);
    const CString tail = getWorkProductReferenceTail(reference);
    if (!tail.IsEmpty() && tail != "1")
        mark(tail);
    if (m_generic && !product.isGenericProjectKind())
        text +=
            CString(drawn ? "<br>" : "") + "<EM> (" + product.getProjectKinds()->join(", ") + " only) </EM>";
    return text;
}

// Plain lists -------------------------------------------------------------

void ActivitySchema::writePlainLists() {
    if (m_activity.getRoles()->count() > 0)
        writePlainRoles();
    writePlainWorkProducts(m_activity.getOutWorkProducts(), "ProducedWP");
    writePlainWorkProducts(m_activity.getInWorkProducts(), "UsedWP");
}

void ActivitySchema::writePlainRoles() {
    TextOutStream& out = *m_out;
    out << "<p><b>" << m_manager.getLabel(m_language, "Role") << "</b> </p>\n";
    const RoleGroups groups = roleGroups();
    CStringListePlus* roles = m_activity.getRoles();
    for (size_t group = 1; group < groups.names.size(); ++group) {
        if (groups.counts[group] == 0)
            continue;
        const CString& name = groups.names[group];
        if (!name.IsEmpty())
            out << "<B><font color=darkblue>"
                << "&nbsp;&nbsp;&nbsp;"
                << m_manager.writeTermTooltip(m_manager.getLabel(m_language, name),
                                              m_page.getTooltipCounter(),
                                              m_manager.getLabel(m_language, name + "_DESC"), m_language, "")
                << "</font></B>\n";
        out << "<ul>\n";
        for (int i = 1; i <= roles->count(); ++i) {
            const CString& reference = *roles->at(i);
            if (!groups.lists(static_cast<int>(group), reference))
                continue;
            ProcessItem* role = m_manager.findRole(reference);
            if (!role)
                out << "<li> " << getReferenceDisplayName(reference, m_language) << " </li>\n";
            else
                out << "<li><a href=\"" << pageLinkTo(*role) << "\" target=\"main\">" << caption(*role)
                    << "</a></li>\n";
        }
        out << "</ul>\n";
    }
}

void ActivitySchema::writePlainWorkProducts(CStringListePlus* references, const char* labelKey) {
    if (references->count() == 0)
        return;
    TextOutStream& out = *m_out;
    out << "<p><b>" << m_manager.getLabel(m_language, labelKey) << "</b> </p>\n"
        << "<ul>\n";
    for (int i = 1; i <= references->count(); ++i) {
        const CString& reference = *references->at(i);
        ProcessItem* product = m_manager.findWorkProduct(reference);
        const ItemWorkProduct* extension = product ? product->getItemWorkProduct() : nullptr;
        if (!extension) {
            out << "<li> " << reference << " </li>\n";
            continue;
        }
        out << "<li><a href=\"" << pageLinkTo(*product) << "\" target=\"main\">"
            << extension->getDisplayName(m_language) << "</a>" << annotations(reference, *product, false)
            << "</li>\n";
    }
    out << "</ul>\n";
}

// Drawn schema --------------------------------------------------------------

CString ActivitySchema::sideBorder(const char* id, const char* picture, int rows) {
    const CString cell = "<td width=\"12\" rowspan=\"" + decimal(rows) + "\"";
    return cell +
           (m_page.isSeparated() ? " id=\"" + CString(id) + "\">"
                                 : " background=\"" + image(picture) + "\">") +
           "&nbsp;</td>\n";
}

void ActivitySchema::writeBorderRow(const char* left, const char* middle, const char* right,
                                    const char* leftImage, const char* middleImage, const char* rightImage) {
    const bool ids = m_page.isSeparated();
    auto corner = [&](const char* id, const char* picture) {
        return "<td width=\"7\"" +
               (ids ? " id=\"" + CString(id) + "\"" : " background=\"" + image(picture) + "\"") +
               ">&nbsp;</td>\n";
    };
    *m_out << "<tr>\n"
           << "<td width=\"21%\" colspan=\"2\"></td>\n"
           << corner(left, leftImage) << "<td width=\"*\" colspan=\"3\""
           << (ids ? " id=\"" + CString(middle) + "\"" : " background=\"" + image(middleImage) + "\"")
           << ">&nbsp;</td>\n"
           << corner(right, rightImage) << "<td width=\"21%\" colspan=\"2\"></td>\n"
           << "</tr>\n";
}

void ActivitySchema::writeDrawnSchema() {
    TextOutStream& out = *m_out;
    const int rows = std::max({1, m_activity.countInWorkProducts(), m_activity.countOutWorkProducts()});
    out << "<table border=\"0\"  cellspacing=\"0\" cellpadding=\"0\" width=\"100%\">\n";
    writeBorderRow("ltborder", "tborder", "rtborder", "images/bhg.gif", "images/bh.gif", "images/bhd.gif");

    out << "<tr>\n"
        << "<td width=\"21%\" colspan=\"2\">"
        << "&nbsp;"
        << "</td>\n"
        << sideBorder("lborder", "images/bord.gif", rows + 2)
        << "<td align=\"center\" bgcolor=\"#EDEDED\" style=\"border-color: #888888; border-bottom-style: "
           "solid; "
           "border-bottom-width: 1px; border-right-style: solid; border-right-width: 1px\"><img "
           "style=\"vertical-align: middle\" alt=\"\" border=\"0\" src=\""
        << image("images/role2.png") << "\"><b> " << m_manager.getLabel(m_language, "Roles") << "</b></td>\n"
        << "<td align=\"center\" bgcolor=\"#EDEDED\" style=\"border-color: #888888; border-bottom-style: "
           "solid; "
           "border-bottom-width: 1px\"><b><img style=\"vertical-align: middle\" alt=\"\" border=\"0\" src=\""
        << image("images/steps.png") << "\"> " << m_manager.getLabel(m_language, "Steps") << "</b></td>\n"
        << "<td align=\"right\" bgcolor=\"#EDEDED\" style=\"border-color: #888888; border-bottom-style: "
           "solid; "
           "border-bottom-width: 1px\">";
    writeButtons();
    out << "&nbsp;&nbsp;</td>\n"
        << sideBorder("rborder", "images/bord.gif", rows + 2) << "<td width=\"21%\" colspan=\"2\">"
        << "&nbsp;"
        << "</td>\n"
        << "</tr>\n";

    Side used{m_activity.getInWorkProducts(), false};
    Side produced{m_activity.getOutWorkProducts(), true};
    for (int row = 1; row <= rows + 1; ++row) {
        const bool first = row == 1;
        out << "<tr>";
        if (row == 2) {
            out << "<td style=\"vertical-align: top\" rowspan=\"" << decimal(rows)
                << "\" colspan=\"2\" bgcolor=\"#F5F5F5\" >\n";
            writeSteps();
            out << "</td></tr>\n";
            continue;
        }
        out << (first ? "<td rowspan=\"2\">\n" : "<td>\n");
        const bool taken = writeNextEntry(used, first);
        if (!taken)
            out << "&nbsp;";
        out << "</td>\n" << (first ? "<td width=\"30\" rowspan=\"2\">\n" : "<td width=\"30\">");
        if (taken)
            out << "<img alt=\"\" border=\"0\" src=\"" << image(kArrow)
                << "\" hspace=\"2\" vspace=\"10\" ></td>\n";
        else
            out << "&nbsp;"
                << "</td>\n";
        if (first) {
            writeRolesCell(rows + 1);
            out << "</td>\n"
                << "<td bgcolor=\"#F5F5F5\" >\n"
                << "<p align=\"center\">"
                << "</p>\n"
                << "</td><td height=10 bgcolor=\"#F5F5F5\">"
                << "&nbsp;"
                << "</td>\n";
        }
        if (!writeNextEntry(produced, first))
            out << "<td width=\"30\">"
                << "&nbsp;"
                << "</td>\n"
                << "<td>"
                << "&nbsp;"
                << "</td>\n";
        out << "</tr>\n";
    }

    writeBorderRow("lbborder", "bborder", "rbborder", "images/bbg.gif", "images/bb.gif", "images/bbd.gif");
    out << "</table>\n";
}

void ActivitySchema::writeButtons() {
    TextOutStream& out = *m_out;
    CStringListePlus* stepList = steps();
    bool deepSteps = false;
    for (int k = 1; k <= stepList->count(); ++k)
        deepSteps |= ActivityStep(*stepList->at(k)).depth > 0;
    if (ProcessOption::instance().getStepTreeview() && deepSteps)
        out << "<a href=\"javascript:ExpandNodes2(document, RelativePathToImg)\"><img border=\"0\" src=\""
            << image("images/expand.gif") << "\" alt=\"\"></a>\n"
            << "<a href=\"javascript:CollapseNodes2(document, RelativePathToImg)\"><img border=\"0\" src=\""
            << image("images/collapse.gif") << "\" alt=\"\"></a>\n";
    CStringListePlus* procedures = m_activity.getGeneralProcedures();
    for (int i = 1; i <= procedures->count(); ++i) {
        auto* element = dynamic_cast<ProcessItem*>(m_manager.findItemByUid(*procedures->at(i)));
        const int kind = element ? element->getClassKind() : 0;
        if (kind == kMacroActivityClass || kind == kActivityClass)
            out << "<a href=\"" << pageLinkTo(*element) << "\" target=\"main\"><img border=\"0\" src=\""
                << image("images/bmc.gif") << "\"> </a>"
                << "&nbsp;";
    }
    if (!ProcessOption::instance().getShortcutButtonsInActivity())
        return;
    CString tailoring = m_activity.readTailoringGuideline(m_language, 1, 0);
    tailoring.TrimLeft();
    const struct {
        const CString& place;
        bool content;
        const char* anchor;
        const char* picture;
    } buttons[] = {
        {m_order.description, !m_activity.readDescription(m_language, 1, 0, 0).IsEmpty(), "desc",
         "images/btext.gif"},
        {m_order.tailoringGuideline, !tailoring.IsEmpty(), "tailorGuid", "images/btailor.gif"},
        {m_order.templates, m_page.getTemplateList().count() > 0, "template", "images/btemplate.gif"},
        {m_order.procedures, m_page.hasProcedureLink() || procedures->count() > 0, "proc",
         "images/bproc.gif"},
    };
    for (int place = 1; place <= 5; ++place)
        for (const auto& button : buttons)
            if (button.content && button.place == decimal(place))
                out << "<a href=\"#" << button.anchor
                    << "\" target=\"main\"><img border=\"0\" alt=\"\" src=\"" << image(button.picture)
                    << "\"> </a>";
}

CString ActivitySchema::arrowCell(bool firstRow) {
    return CString(firstRow ? "<td width=\"30\" rowspan=\"2\">" : "<td width=\"30\">") +
           "<img alt=\"\" border=\"0\" src=\"" + image(kArrow) + "\" hspace=\"2\" vspace=\"10\" ></td>\n";
}

bool ActivitySchema::writeNextEntry(Side& side, bool firstRow) {
    for (; side.next <= side.references->count(); ++side.next) {
        const CString& reference = *side.references->at(side.next);
        ProcessItem* product = m_manager.findWorkProduct(reference);
        const ItemWorkProduct* extension = product ? product->getItemWorkProduct() : nullptr;
        Item* parent = product ? product->getParent() : nullptr;
        const bool inWorkProduct = classKindOf(parent) == kWorkProductClass;
        auto& shown = side.shownParents;
        // A part whose parent this side shows already is listed under it.
        if (inWorkProduct && std::find(shown.begin(), shown.end(), parent) != shown.end())
            continue;
        ++side.next;
        if (!extension) {
            if (side.right)
                *m_out << arrowCell(false) << "<td><em>" << reference << "</em></td>\n";
            else
                *m_out << "<EM>" << reference << "</EM>\n";
            return true;
        }
        const bool asParent = inWorkProduct && extension->m_viewParentWorkProductInActivity;
        if (asParent) {
            product = static_cast<ProcessItem*>(parent);
            shown.push_back(product);
        }
        if (side.right)
            *m_out << arrowCell(firstRow) << (firstRow ? "<td rowspan=\"2\">\n" : "<td>\n");
        writeEntry(side, reference, *product, asParent);
        if (side.right)
            *m_out << "</p></td>\n";
        return true;
    }
    return false;
}

void ActivitySchema::writeEntry(Side& side, const CString& reference, ProcessItem& product,
                                bool shownAsParent) {
    TextOutStream& out = *m_out;
    const CString link = workProductLink(product);
    const ItemWorkProduct* extension = product.getItemWorkProduct();
    const CString picture = image(extension ? extension->getImagePath() : CString("images/doc2.gif"));
    if (side.right) {
        out << "<p align=\"center\" style=\"margin-bottom: 8pt\"><a href=\"" << link << "\" target=\"main\""
            << "><img alt=\"\" border=\"0\" src=\"" << picture << "\" hspace=\"15\"></a>";
        writeReviewMarks(product);
        out << "\n<br>\n";
    } else {
        out << "<p align=\"center\"  style=\"margin-bottom: 8pt\"><a href=\"" << link << "\" target=\"main\""
            << ">"
            << "<img alt=\"\" border=\"0\" src=\"" << picture << "\" hspace=\"15\"></a><br>\n";
    }
    out << "<a href=\"" << link << "\" target=\"main\"><b><font size=\"1\">" << caption(product)
        << "</font></b></a>\n"
        << annotations(reference, product, true);
    if (shownAsParent) {
        for (int i = 1; i <= side.references->count(); ++i) {
            ProcessItem* part = m_manager.findWorkProduct(*side.references->at(i));
            if (part && part->getParent() == &product)
                out << "<br><font size=\"1\">-"
                    << "<a href=\"" << workProductLink(*part) << "\" target=\"main\">"
                    << part->getNameByLanguage(m_language) << "</a></font>\n";
        }
    }
    if (!side.right)
        out << "</p>\n";
}

void ActivitySchema::writeReviewMarks(ProcessItem& product) {
    TextOutStream& out = *m_out;
    const std::shared_ptr<const PageRunTables> tables = m_manager.pageRunTables();
    for (Item* below : tables->getSubtree(&m_item)) {
        Item* resolved = below->getKind() == kShortcut ? tables->getShortcutTarget(below) : below;
        auto* review =
            classKindOf(resolved) == kActivityClass ? static_cast<ProcessItem*>(resolved) : nullptr;
        ItemActivity* activity = review ? review->getItemActivity() : nullptr;
        if (!activity)
            continue;
        const CString& type = activity->getActivityType();
        const bool peer = type == ItemActivity::getPeerReviewType();
        if (!peer && type != ItemActivity::getFormalReviewType())
            continue;
        CStringListePlus* inputs = activity->getInWorkProducts();
        for (int i = 1; i <= inputs->count(); ++i) {
            if (m_manager.findWorkProduct(*inputs->at(i)) != &product)
                continue;
            const CString description = review->getDescription(m_language);
            CStringListePlus* roles = activity->getRoles();
            const bool tooltip = !description.IsEmpty() || roles->count() > 0;
            if (tooltip) {
                const CString number = takeTooltipNumber(m_page.getTooltipCounter());
                CString body = "<p>";
                if (!description.IsEmpty())
                    body += "<font size=1><b>" +
                            escapeScriptString(m_manager.getLabel(m_language, "Description")) + "<\\/b><br>" +
                            m_manager.toTooltipText(description, m_language) + "<br><br><\\/font>";
                if (roles->count() > 0) {
                    body += "<font size=1><b>" +
                            escapeScriptString(m_manager.getLabel(m_language, "ReviewMember")) +
                            "<\\/b><\\/font><ul>";
                    for (int r = 1; r <= roles->count(); ++r)
                        body += "<li><font size=1>" +
                                escapeScriptString(getReferenceDisplayName(*roles->at(r), m_language)) +
                                "<\\/font><\\/li>";
                    body += "<\\/ul>";
                }
                body += "<\\/p>";
                out << "\n<script language=\"JavaScript1.2\"  type=\"text/javascript\">\nText[" << number
                    << "]=["
                    << "\""
                    << escapeScriptString(
                           m_manager.getLabel(m_language, peer ? "PeerReview" : "FormalReview"))
                    << "\", \"" << body << "\"]\n</script>\n"
                    << "<span " << Project::getTooltipAttributes(number) << ">";
            }
            out << "<img alt=\"\" src=\"" << image("images/reviewed.gif") << "\">\n";
            if (tooltip)
                out << "</span>\n";
        }
    }
}

void ActivitySchema::writeSteps() {
    TextOutStream& out = *m_out;
    const bool tree = ProcessOption::instance().getStepTreeview();
    CStringListePlus* stepList = steps();
    if (tree)
        out << "<table border=\"0\"><tr><td>\n";
    // The depth of the last optional step while the steps below it last.
    int optionalDepth = -1;
    // The depths of the steps whose children are open in the tree, deepest
    // last: a step closes only the levels a step before it opened, so that
    // steps beginning deeper than 0, or going more than one level deeper,
    // leave the schema's table whole.
    std::vector<int> open;
    for (int k = 1; k <= stepList->count(); ++k) {
        const ActivityStep step(*stepList->at(k));
        const int d = step.depth;
        const int next = k < stepList->count() ? ActivityStep(*stepList->at(k + 1)).depth : 0;
        if (optionalDepth >= 0 && d <= optionalDepth)
            optionalDepth = -1;
        const char* style = "a_step";
        if (step.comment) {
            style = "a_step_comment";
        } else if (step.optional) {
            style = "a_step_optional";
            optionalDepth = d;
        } else if (optionalDepth >= 0) {
            style = "a_step_optional";
        }
        if (tree) {
            out << CString('\t', d) << "<table border=\"0\"><tr><td width=\"" << decimal(10 * d)
                << "\"></td><td>";
            if (next > d)
                out << "<a onClick=\"Toggle2(this, RelativePathToImg)\"><IMG src=\""
                    << image("images/plus.gif") << "\" alt=\"\"></a>";
            else if (!step.comment)
                out << "<img alt =\"\" src=\"" << image("images/bullet3.gif") << "\">";
            out << "<span class=\"" << style << "\"> ";
        } else {
            out << "<p style=\"margin-top: 4pt ; margin-bottom: 4pt"
                << (step.prefixed ? "; margin-left: " + decimal(15 * d) + "pt" : CString())
                << "\"><span class=\"" << style << "\"> ";
            if (!step.comment)
                out << "<img border=\"0\" alt =\"\" src=\"" << image("images/bullet3.gif") << "\">";
        }
        // One link: to the step's details on this page when it has some,
        // else to the step on the procedure page when steps link there.
        const CString detailPage =
            m_item.getItemFolderFile(decimal(k - 1) + (m_language == 0 ? "" : "L2") + ".htm");
        bool linked = true;
        if (!detailPage.IsEmpty() && platform::fileExists(detailPage))
            out << "<a href=\"#Step" << decimal(k) << "\">";
        else if (m_activity.hasStepHyperlinks() && m_page.hasProcedureLink())
            out << "<a href=\"" << m_page.getLinks().get(m_page.getProcedureTarget() + "#Step" + decimal(k))
                << "\">";
        else
            linked = false;
        out << m_manager.descriptionToHtml(step.schemaText, m_page.getTooltipCounter(), &m_item, m_language,
                                           next > d ? 1 : 0)
            << (linked ? "</a>" : "") << "</span>";
        if (!tree) {
            out << "</p>\n";
            continue;
        }
        if (next > d) {
            out << "<div style='display:none' >\n";
            open.push_back(d);
            continue;
        }
        out << "<div> </div></td></tr></table>\n";
        for (; !open.empty() && open.back() >= next; open.pop_back())
            out << CString('\t', std::max(d - 1, 0)) << "</div></td></tr></table>\n";
    }
    if (tree)
        out << "</td></tr></table>\n";
}

void ActivitySchema::writeRolesCell(int rows) {
    TextOutStream& out = *m_out;
    out << "<td style=\"border-color: #BBBBBB; vertical-align: top; border-right-style: solid; "
           "border-right-width: 1px\" rowspan=\""
        << decimal(rows) << "\" bgcolor=\"#F5F5F5\" ><br>\n";
    CStringListePlus* roles = m_activity.getRoles();
    if (roles->count() == 0)
        return;
    const RoleGroups groups = roleGroups();
    bool firstGroup = true;
    for (size_t group = 1; group < groups.names.size(); ++group) {
        if (groups.counts[group] == 0)
            continue;
        const CString& name = groups.names[group];
        if (!name.IsEmpty())
            out << (firstGroup ? "<p class=\"a_roleRespFirst\">" : "<p class=\"a_roleResp\">")
                << "&nbsp;&nbsp;"
                << m_manager.writeTermTooltip(m_manager.getLabel(m_language, name),
                                              m_page.getTooltipCounter(),
                                              m_manager.getLabel(m_language, name + "_DESC"), m_language, "")
                << "</p>\n";
        firstGroup = false;
        const bool strong = name == "responsible" || name == "accountable";
        for (int i = 1; i <= roles->count(); ++i) {
            const CString& reference = *roles->at(i);
            if (!groups.lists(static_cast<int>(group), reference))
                continue;
            ProcessItem* role = m_manager.findRole(reference);
            if (!role) {
                out << "<p class=\"a_role\"> " << getReferenceDisplayName(reference, m_language) << " </p>\n";
                continue;
            }
            out << "<p class=\"a_role\">";
            const ItemRole* extension = role->getItemRole();
            if (extension && !extension->getImage().IsEmpty())
                out << "<img alt=\"\" border=\"0\" src=\""
                    << image(role->getFolder(1, 1) + extension->getImage()) << "\">"
                    << "&nbsp;";
            out << "<a href=\"" << pageLinkTo(*role) << "\" target=\"main\""
                << ">" << (strong ? "<b>" : "") << caption(*role) << (strong ? "</b>" : "") << "</a></p>\n";
        }
    }
}

void ActivitySchema::writePicture() {
    ClickableAreaMap map(m_manager, m_item, m_language, m_page.getLinks(), m_page.getTooltipCounter(),
                         ClickableAreaMap::Numbering::BeforeUse);
    const CString picture = ClickableAreaMap::pictureName("wf", m_language);
    if (!map.hasPicture(picture))
        return;
    *m_out << "<br><br>\n";
    map.write(*m_out, picture, "<!-- tooltips on item of the workflow  -->\n");
    // The map's areas move the counter on before taking their numbers, the
    // page's later tooltips take theirs first: moved on once more, the last
    // area keeps its number to itself.
    ++*m_page.getTooltipCounter();
}
