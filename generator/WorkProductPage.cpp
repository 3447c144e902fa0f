#include "WorkProductPage.h"

#include "CStringListePlus.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemListe.h"
#include "ItemQualityCriteria.h"
#include "ItemReference.h"
#include "ItemWorkProduct.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessAssetLibraryPage.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "TextOutStream.h"
#include "TooltipScript.h"
#include "WorkProductDocuments.h"

#include <memory>

namespace {

// The responsibilities of the roles named by a work product, in the order
// the page lists them; an author entry without responsibility is an author.
struct Responsibility {
    const char* tail;
    const char* labelKey;
    bool blankWhenNone;
};
const Responsibility kResponsibilities[] = {
    {"author", "Author", true},
    {"reviewed by", "ReviewedBy", false},
    {"validated by", "ValidatedBy", false},
    {"recipient", "Recipient", false},
    {"sent for information", "SentForInformation", false},
};

bool isReview(const CString& type) {
    return type == ItemActivity::getMilestoneReviewType() || type == ItemActivity::getPeerReviewType() ||
           type == ItemActivity::getFormalReviewType();
}

CString trimmedLeft(CString text) {
    text.TrimLeft();
    return text;
}

} // namespace

WorkProductPage::WorkProductPage(ProcessManager& manager, const PageRunTables& tables, ProcessItem& item,
                                 int language)
    : m_manager(manager), m_tables(tables), m_item(item), m_language(language),
      m_rootPrefix(upPrefix(item.getLevel() + 2)),
      m_linkBase(manager.getProjectDirectory() + item.getFolder(1, 1)), m_links(m_linkBase) {
    m_linkBase.Replace('/', '\\');
}

CString WorkProductPage::label(const CString& key) {
    return m_manager.getLabel(m_language, key);
}

CString WorkProductPage::image(const CString& path) {
    return m_links.get(m_rootPrefix + path);
}

CString WorkProductPage::caption(ProcessItem& item) {
    return itemCaption(m_manager, item, &m_tooltipCounter, m_language);
}

CString WorkProductPage::linkToPage(ProcessItem& item) {
    return m_links.get(relativeLink(m_linkBase, m_manager.getItemFilePath(&item, m_language)));
}

CString WorkProductPage::linkToOverview(ProcessItem& item) {
    return m_links.get(item.getRelativeLink(&m_item, "") + "/" + Item::getOverviewPageName(m_language));
}

bool WorkProductPage::write() {
    TextOutStream out;
    if (const PageOpening opening = openItemPage(m_manager, m_item, m_language, out);
        opening != PageOpening::Opened)
        return opening == PageOpening::NoPage;
    writeHead(out);
    writeDescriptionAndResponsibilities(out);
    writeAttributes(out);
    writeQualityCriteria(out);
    writeActivities(out);
    m_manager.writePageFooter(&m_item, out, 0, m_language, 0, "");
    out << "</body>\n</html>\n";
    const bool written = out.close();
    if (!m_item.getItemWorkProduct()->isArchiveEmpty())
        ProcessAssetLibraryPage::writeLibraryPage(m_manager, m_item, m_language);
    return written;
}

void WorkProductPage::writeHead(TextOutStream& out) {
    const CString name = m_item.getNameByLanguage(m_language);
    out << styledPageHeadStart(m_manager, &m_item, name, m_links, m_rootPrefix)
        << "<link rel=\"stylesheet\" href=\"" << image("css/template.css") << "\" type=\"text/css\">\n"
        << "<script language=\"JavaScript1.2\" src=\"" << image("JScript/Tooltip.js")
        << "\" type=\"text/javascript\"></script>\n"
        << "</head>\n\n"
        << "<body>\n";
    writeTooltipScript(out, 500);
    out << m_manager.getPageBanner(name, m_rootPrefix, m_item.getPageHeaderImage(), 1, "", &m_links);
}

void WorkProductPage::writeDescriptionAndResponsibilities(TextOutStream& out) {
    ItemWorkProduct& product = *m_item.getItemWorkProduct();
    out << "<table border=\"1\" width=\"100%\" cellspacing=\"0\">\n"
        << "<tr>\n"
        << "<td width=\"60%\">\n"
        << "<p><b>Description:</b></p>\n";
    std::vector<CString> lines;
    if (readPageTextLines(m_item.getItemFolderFile(product.getDescriptionFileName(m_language)), lines))
        for (const CString& line : lines)
            out << m_manager.descriptionToHtml(line, &m_tooltipCounter, &m_item, m_language, 0) << "<br>\n";
    out << "</td>\n"
        << "<td width=\"40%\">\n";
    for (const Responsibility& responsibility : kResponsibilities) {
        CString text;
        for (int i = 1; i <= product.m_authors->count(); ++i) {
            const CString& entry = *product.m_authors->at(i);
            const CString tail = getReferenceName(entry);
            if (tail != responsibility.tail && !(responsibility.blankWhenNone && tail.IsEmpty()))
                continue;
            auto* role = dynamic_cast<ProcessItem*>(findReferencedItem(entry));
            if (!role)
                continue;
            if (!text.IsEmpty())
                text += ", ";
            text += "<a href=\"" + linkToPage(*role) + "\" target=\"main\">" + caption(*role) + "</a>\n";
        }
        if (!text.IsEmpty())
            out << "<p><b>" << label(responsibility.labelKey) << ": " << text << " </b></p>\n\n";
        else if (responsibility.blankWhenNone)
            out << "&nbsp;";
    }
    out << "</td>\n"
        << "</tr>\n"
        << "</table>\n"
        << "<br>\n";
}

void WorkProductPage::writeAttributes(TextOutStream& out) {
    ItemWorkProduct& product = *m_item.getItemWorkProduct();
    // The type itself is a key of the label file.
    if (!product.getWPType().IsEmpty())
        out << "<p><b>" << label("Type") << " " << label(toFileName(product.getWPType(), 1)) << "</b></p>\n";
    if (!product.getWPName().IsEmpty())
        out << "<p><b>" << label("WPName") << ": " << product.getWPName() << "</b></p>\n";
    if (ProcessItem* parent = parentWorkProduct(m_item))
        out << "<p><b>" << label("ElementOfWP") << "</b> "
            << "<a href=\"" << m_links.get("../" + Item::getOverviewPageName(m_language))
            << "\" target=\"main\">" << parent->getNameByLanguage(m_language) << "</a></p>\n";
    writeElements(out);
    if (!product.getCMPolicy().IsEmpty())
        out << "<p><b>" << label("CMPolicy") << ": " << product.getCMPolicy() << "</b></p>\n";
    if (!product.getLocation().IsEmpty())
        out << "<p><b>" << label("WPLocation") << ": </b>" << product.getLocation() << "</p>\n";
    writeRequirements(out);
    const CString tailoring = trimmedLeft(product.readTailoringGuideline(m_language, 1, 0));
    if (!tailoring.IsEmpty())
        out << "<p><b>" << label("TailoringGuideline") << ":</b></p>\n"
            << m_manager.descriptionToHtml(tailoring, &m_tooltipCounter, &m_item, m_language, 0) << "<br>\n";
    writeTemplates(out);
}

void WorkProductPage::writeElements(TextOutStream& out) {
    bool any = false;
    for (Item* child : m_tables.getChildren(&m_item)) {
        Item* element = child->getKind() == kShortcut ? m_tables.getShortcutTarget(child) : child;
        if (!element || classKindOf(element) != kWorkProductClass)
            continue;
        auto& product = *static_cast<ProcessItem*>(element);
        if (!any)
            out << "<p><b>" << label("ComposedOfWP") << "</b></p><ul> ";
        any = true;
        const CString name = product.getNameByLanguage(m_language);
        const CString description = product.getDescription(m_language);
        out << "<li><a href=\"" << linkToOverview(product) << "\" target=\"main\" >"
            << (description.IsEmpty()
                    ? name
                    : m_manager.writeTermTooltip(name, &m_tooltipCounter, description, m_language, ""))
            << "</a></li>\n";
    }
    if (any)
        out << "</ul>\n";
}

void WorkProductPage::writeRequirements(TextOutStream& out) {
    ItemWorkProduct& product = *m_item.getItemWorkProduct();
    const char* const listStart = "</b><ul style=\"margin-top: 0; margin-bottom: 0\">";
    auto entry = [&](ProcessItem& other) {
        out << "<li><a href=\"" << linkToOverview(other) << "\" target=\"main\">" << other.getName()
            << "</a></li> ";
    };
    // The work products that implement this one, as their own traceability
    // links say.
    if (product.m_isARequirementToImplement) {
        const std::vector<ProcessItem*>& implementing = m_tables.getWorkProductsTracing(m_item.getUid());
        if (!implementing.empty()) {
            out << "<p><b>" << label("ImplementedBy") << listStart;
            for (ProcessItem* other : implementing)
                entry(*other);
            out << "</ul></p>";
        }
    }
    const CStringListePlus& links = *product.getTraceabilityLinks();
    if (links.count() == 0)
        return;
    out << "<p><b>" << label("ImplementWPRequirements") << listStart;
    for (int i = 1; i <= links.count(); ++i)
        if (auto* required = dynamic_cast<ProcessItem*>(m_manager.findItemByUid(*links.at(i))))
            entry(*required);
    out << "</ul></p>";
}

void WorkProductPage::writeTemplates(TextOutStream& out) {
    const ItemWorkProduct& product = *m_item.getItemWorkProduct();
    if (product.getTemplateNameL1F1().IsEmpty() && product.getTemplateNameL2F1().IsEmpty() &&
        product.getExampleNameL1F1().IsEmpty() && product.getExampleNameL2F1().IsEmpty() &&
        product.isArchiveEmpty())
        return;
    ItemListe list;
    list.append(&m_item);
    out << "<br>\n";
    m_manager.writeTemplateTableRows(list, upPrefix(m_item.getLevel() + 1), out, &m_item, &m_tooltipCounter,
                                     m_language, 0, 0, &m_links);
    out << "<br><br>\n";
}

void WorkProductPage::writeQualityCriteria(TextOutStream& out) {
    std::unique_ptr<ProcessItemListe> criteria(m_manager.getQualityCriteria(&m_item));
    if (criteria->count() == 0)
        return;
    // The same table on the page and on the criteria page beside it.
    const CString title = label("QualityCriteria") + ": " + m_item.getNameByLanguage(m_language);
    const CString path = m_manager.getPathInSite(m_item.getFolder(1, 0) +
                                                 ItemQualityCriteria::getCriteriaPageName(m_language));
    TextOutStream page(path);
    page << kTransitionalDocType << "\n"
         << "<html>\n"
         << "<head>\n"
         << m_manager.writeMetaTags(&m_item) << "<link rel=\"stylesheet\" href=\"" << image("css/project.css")
         << "\" type=\"text/css\">\n"
         << "<title>" << title << "</title>\n"
         << "</head>\n\n"
         << "<body>\n"
         << m_manager.getPageBanner(title, m_rootPrefix, m_item.getPageHeaderImage(), 1, "", &m_links);
    CString table = "<table width=\"100%\"><tr><td width=\"10%\" bgcolor=\"#E4E4E4\">" + label("ID") +
                    "</td><td width=\"60%\" bgcolor=\"#E4E4E4\">" + label("QualityCriteria") +
                    "</td><td width=\"30%\" bgcolor=\"#E4E4E4\">" + label("Applicability") + "</td></tr>";
    for (int i = 1; i <= criteria->count(); ++i) {
        ProcessItem& criterion = *criteria->at(i);
        ProcessItemExtension* extension = criterion.getExtension();
        table += "<tr><td width=\"10%\"><font size=\"1\">" + criterion.getNameByLanguage(m_language) +
                 "</font></td>\n<td width=\"60%\"><font size=\"1\">" + criterion.getDescription(m_language) +
                 "</font></td>\n<td width=\"30%\"><font size=\"1\">" +
                 (extension ? extension->readTailoringGuideline(m_language, 1, 0) : CString()) +
                 "</font></td>\n</tr>\n";
    }
    table += "</table>\n<br><br>\n\n";
    out << table;
    page << table << "</body>\n</html>\n";
    // A criteria page that cannot be written is told; the work product's
    // own page still shows the criteria.
    if (!path.IsEmpty() && !page.close())
        m_manager.tellUnwrittenFile(path);
}

std::vector<ProcessItem*> WorkProductPage::activitiesOfKind(bool users, const CString& kind) const {
    const ItemWorkProduct& product = *m_item.getItemWorkProduct();
    ItemListe* list = users ? product.getUsingActivities() : product.getProducingActivities();
    std::vector<ProcessItem*> activities;
    for (int i = 1; i <= list->count(); ++i) {
        auto* activity = dynamic_cast<ProcessItem*>(list->at(i));
        if (activity && activity->getItemActivity() && activity->getProjectKinds()->find(kind, "") != 0)
            activities.push_back(activity);
    }
    return activities;
}

void WorkProductPage::writeActivities(TextOutStream& out) {
    // The states of the work product, then the work product itself.
    std::vector<ProcessItem*> states;
    for (Item* child : m_tables.getChildren(&m_item))
        if (classKindOf(child) == kWorkProductStateClass)
            states.push_back(static_cast<ProcessItem*>(child));
    const bool withStates = !states.empty();
    states.push_back(nullptr);

    const CString productName = m_item.getName();
    CStringListePlus* kinds = m_manager.getProjectKinds();
    for (int k = 1; k <= kinds->count(); ++k) {
        const CString& kind = *kinds->at(k);
        const std::vector<ProcessItem*> users = activitiesOfKind(true, kind);
        const std::vector<ProcessItem*> producers = activitiesOfKind(false, kind);
        int milestones = 0, peerReviews = 0, formalReviews = 0;
        for (ProcessItem* state : states) {
            const CString stateName = state ? state->getName() : CString();
            auto counts = [&](ProcessItem* activity, int input) {
                return !withStates || m_tables.isUsedByActivity(activity, productName, stateName, input);
            };
            std::vector<ProcessItem*> reading, creating;
            int total = 0;
            for (ProcessItem* activity : users) {
                if (!counts(activity, 1))
                    continue;
                ++total;
                const CString& type = activity->getItemActivity()->getActivityType();
                if (type == ItemActivity::getMilestoneReviewType())
                    ++milestones;
                else if (type == ItemActivity::getPeerReviewType())
                    ++peerReviews;
                else if (type == ItemActivity::getFormalReviewType())
                    ++formalReviews;
                else
                    reading.push_back(activity);
            }
            for (ProcessItem* activity : producers) {
                if (!counts(activity, 0))
                    continue;
                ++total;
                creating.push_back(activity);
            }
            if (total > 0)
                writeDiagram(out, kind, state, !creating.empty(), !reading.empty(), creating, reading);
        }
        if (peerReviews + formalReviews > 0) {
            std::vector<ProcessItem*> reviews;
            for (ProcessItem* activity : users) {
                const CString& type = activity->getItemActivity()->getActivityType();
                if (type == ItemActivity::getPeerReviewType() || type == ItemActivity::getFormalReviewType())
                    reviews.push_back(activity);
            }
            writeReviews(out, reviews);
        }
        if (milestones > 0) {
            std::vector<ProcessItem*> checks;
            for (ProcessItem* activity : users)
                if (activity->getItemActivity()->getActivityType() == ItemActivity::getMilestoneReviewType())
                    checks.push_back(activity);
            writeMilestones(out, checks);
        }
    }
}

void WorkProductPage::writeDiagram(TextOutStream& out, const CString& kind, ProcessItem* state, bool creating,
                                   bool reading, const std::vector<ProcessItem*>& producers,
                                   const std::vector<ProcessItem*>& users) {
    if (m_manager.getProjectKinds()->count() > 1)
        out << "<br><HR><B><EM>" << kind << ":</EM></B><br>\n";
    out << "<table border=\"0\" width=\"100%\">\n"
        << "<tr>\n"
        << "<td width=\"45%\" colspan=\"2\">\n"
        << "<td width=\"10%\"><p align=\"center\">\n"
        << "<img alt=\"\" border=\"0\" src=\"" << image(m_item.getItemWorkProduct()->getImagePath())
        << "\" align=\"middle\">";
    if (state)
        out << "<br><b><font color=darkred> " << state->getNameByLanguage(m_language) << "</font></b>";
    out << "</p></td>\n"
        << "<td width=\"45%\" colspan=\"2\"></td>\n"
        << "</tr>\n"
        << "<tr>\n"
        << "<td width=\"35%\">\n";
    if (creating)
        out << "<p align=\"center\"><b>" << label("CreatingActivities") << "</b></td>\n"
            << "<td width=\"7%\"><img alt=\"\" border=\"0\" src=\"" << image("images/flecheMD.gif")
            << "\"></td>\n";
    else
        out << "&nbsp;"
            << "</td>\n"
            << "<td width=\"7%\">"
            << "&nbsp;"
            << "</td>\n";
    out << "<td width=\"10%\"></td>\n";
    if (reading)
        out << "<td width=\"7%\"><img alt=\"\" border=\"0\" src=\"" << image("images/flecheDD.gif")
            << "\"></td>\n"
            << "<td width=\"35%\"><p align=\"left\"><b>" << label("ReadingActivities") << "</b></td>\n";
    else
        out << "<td width=\"7%\">"
            << "&nbsp;"
            << "</td>\n"
            << "<td width=\"35%\">"
            << "&nbsp;"
            << "</td>\n";
    out << "</tr>\n";
    // Review activities are told apart below the diagram.
    auto list = [&](bool shown, const std::vector<ProcessItem*>& activities) {
        if (!shown) {
            out << "&nbsp;";
            return;
        }
        out << "<ul>\n";
        for (ProcessItem* activity : activities)
            if (!isReview(activity->getItemActivity()->getActivityType()))
                out << "<li><a href=\"" << linkToPage(*activity) << "\" target=\"main\">"
                    << caption(*activity) << "</a></li>\n";
        out << "</ul>\n<br>\n";
    };
    out << "<tr><td width=\"45%\" colspan=\"2\">\n";
    list(creating, producers);
    out << "</td><td width=\"10%\"></td>\n"
        << "<td width=\"45%\" colspan=\"2\">\n";
    list(reading, users);
    out << "</td></tr>\n"
        << "</table><br>\n";
}

CString WorkProductPage::phasesText(ProcessItem& activity) {
    CString text;
    CStringListePlus* phases = activity.getPhaseList();
    for (int p = 1; p <= phases->count(); ++p)
        text += (p > 1 ? ", " : "") + m_manager.getPhaseName(*phases->at(p), m_language);
    return text;
}

CString WorkProductPage::reviewersText(ProcessItem& activity) {
    // Those responsible first, in bold; those only informed left out.
    CString responsible, others;
    CStringListePlus* roles = activity.getItemActivity()->getRoles();
    for (int r = 1; r <= roles->count(); ++r) {
        const CString& reference = *roles->at(r);
        const CString name = getReferenceDisplayName(reference, m_language);
        if (name.IsEmpty())
            continue;
        const CString tail = getReferenceName(reference);
        if (tail == "responsible")
            responsible = "<b>" + name + "</b>" + ", " + responsible;
        else if (tail != "informed")
            others += (others.IsEmpty() ? "" : ", ") + name;
    }
    return responsible + others;
}

void WorkProductPage::writeReviews(TextOutStream& out, const std::vector<ProcessItem*>& reviews) {
    out << "<p align=\"center\"><img alt=\"\" border=\"0\" src=\"" << image("images/eye.gif") << "\" ><b><br>"
        << label("ReviewPerformedOnArtifact") << "</b></p>\n"
        << "<table border=\"1\" cellspacing=\"0\" width=\"700\">\n"
        << "<tr>\n"
        << "<td width=\"30%\" align=\"center\"><b>" << label("Phase") << "</b></td>\n"
        << "<td width=\"15%\" align=\"center\"><b>" << label("ReviewKind") << "</b></td>\n"
        << "<td width=\"55%\" align=\"center\"><b>" << label("RecommendedReviewers") << "</b></td>\n"
        << "</tr>\n";
    for (ProcessItem* review : reviews) {
        const CString phases = phasesText(*review);
        const CString reviewers = reviewersText(*review);
        const bool peer = review->getItemActivity()->getActivityType() == ItemActivity::getPeerReviewType();
        out << "<tr>"
            << "<td width=\"30%\">" << (phases.IsEmpty() ? CString("&nbsp;") : phases) << "</td>\n"
            << "<td width=\"15%\">" << label(peer ? "PeerReview" : "FormalReview") << "</td>\n"
            << "<td width=\"55%\">" << (reviewers.IsEmpty() ? CString("&nbsp;") : reviewers) << "</td>\n"
            << "</tr>\n";
    }
    out << "</table><br>\n";
}

void WorkProductPage::writeMilestones(TextOutStream& out, const std::vector<ProcessItem*>& milestones) {
    out << "<br><p align=\"center\"><img alt=\"\" border=\"0\" src=\"" << image("images/check.gif")
        << "\" ><b><br>" << label("CheckDuringMilestone") << "</b></p>\n"
        << "<ul>\n";
    for (ProcessItem* milestone : milestones) {
        const CString phases = phasesText(*milestone);
        out << "<li>";
        if (!phases.IsEmpty())
            out << label("Phase") << " " << phases << ": ";
        out << "<a href=\"" << linkToPage(*milestone) << "\" target=\"main\">"
            << milestone->getNameByLanguage(m_language) << "</a></li>\n";
    }
    out << "</ul>\n<br>\n";
}
