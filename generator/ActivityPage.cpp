#include "ActivityPage.h"

#include "ActivitySchema.h"
#include "ActivityStep.h"
#include "CStringListePlus.h"
#include "FileSystem.h"
#include "HtmlText.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemGenericProcedure.h"
#include "ItemWorkProduct.h"
#include "MarkedPage.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "ProcessOption.h"
#include "StdOption.h"
#include "SubtreeQualityCriteria.h"
#include "TextOutStream.h"
#include "TooltipScript.h"
#include "WorkProductDocuments.h"
#include "ui/UserInterface.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <unordered_set>

namespace {

// The work product of a reference, when it is one.
ProcessItem* workProductOf(ProcessManager& manager, const CString& reference) {
    ProcessItem* product = manager.findWorkProduct(reference);
    return product && product->getItemWorkProduct() ? product : nullptr;
}

using settings::decimal;

} // namespace

ActivityPage::BlockOrder ActivityPage::BlockOrder::fromSettings() {
    const ProcessOption& options = ProcessOption::instance();
    return {options.getActivityItemOrderDescription(), options.getActivityItemOrderTailoringGuideline(),
            options.getActivityItemOrderTemplate(),    options.getActivityItemOrderSchema(),
            options.getActivityItemProcedure(),        options.getActivityItemOrderMeasure()};
}

ActivityPage::ActivityPage(ProcessManager& manager, ProcessItem& item, int language)
    : m_manager(manager), m_item(item), m_activity(*item.getItemActivity()), m_language(language),
      m_topPrefix(upPrefix(item.getLevel() + 1)), m_rootPrefix(upPrefix(item.getLevel() + 2)),
      m_links(manager.getProjectDirectory() + item.getFolder(1, 1)),
      m_separated(m_activity.isSeparatedProcedureText() != 0) {
    m_activityFolder = manager.getProjectDirectory() + item.getFolder(1, 1);
    m_activityFolder.Replace('/', '\\');
    prepareTemplateList();
    prepareProcedureLink();
}

ActivityPage::~ActivityPage() {
    m_templateList.removeAll();
}

void ActivityPage::prepareTemplateList() {
    std::unordered_set<const ProcessItem*> listed;
    auto add = [&](ProcessItem* product, bool counts) {
        if (counts && listed.insert(product).second)
            m_templateList.append(product);
    };
    CStringListePlus* inputs = m_activity.getInWorkProducts();
    // Whether the activity also reads the work product: it then only
    // updates it, and lists its examples alone. A reference names a work
    // product by "~" and its uid or, in older data, by its name.
    auto isRead = [inputs](const ProcessItem* product) {
        return inputs->find("~" + product->getUid(), "/") || inputs->find(product->getName(), "/");
    };
    CStringListePlus* outputs = m_activity.getOutWorkProducts();
    for (int r = 1; r <= outputs->count(); ++r) {
        ProcessItem* product = workProductOf(m_manager, *outputs->at(r));
        if (!product)
            continue;
        const bool read = inputs->find(*outputs->at(r), "/") != 0;
        const ItemWorkProduct& extension = *product->getItemWorkProduct();
        add(product, read ? hasFirstFormatExample(extension) : hasFirstFormatDocument(extension));
        if (ProcessItem* parent = parentWorkProduct(*product)) {
            const ItemWorkProduct& parentExtension = *parent->getItemWorkProduct();
            add(parent, isRead(parent) ? hasFirstFormatExample(parentExtension)
                                       : hasFirstFormatDocument(parentExtension));
        }
    }
    for (int r = 1; r <= inputs->count(); ++r) {
        ProcessItem* product = workProductOf(m_manager, *inputs->at(r));
        if (!product)
            continue;
        add(product, hasFirstFormatExample(*product->getItemWorkProduct()));
        if (ProcessItem* parent = parentWorkProduct(*product))
            add(parent, hasFirstFormatExample(*parent->getItemWorkProduct()));
    }
}

void ActivityPage::prepareProcedureLink() {
    if (!m_separated)
        return;
    switch (m_activity.getProcedureLink()) {
    case 1: {
        const CString page = ItemActivity::getProcedurePageName(m_language);
        const CString path = m_item.getItemFolderFile(page);
        m_procedureLink = !path.IsEmpty() && platform::fileExists(path);
        m_procedureTarget = page;
        break;
    }
    case 2:
        m_procedureLink = true;
        m_procedureTarget = m_activity.getProcedureUrl(m_language);
        break;
    default:
        break;
    }
}

void ActivityPage::write(const BlockOrder& order) {
    const CString path = m_manager.getItemPagePath(&m_item, m_language);
    // A page whose url leads out of the project folder is never touched.
    if (path.IsEmpty())
        return;
    MarkedPage page(path);
    bool whole = m_separated;
    bool noKey = false;
    m_out = page.open(whole, &noKey);
    if (noKey) {
        if (m_language == 0) {
            ui::AfxMessageBox("File " + m_item.getName() +
                              "/overview.htm format error (or content.htm if frame on)");
            return;
        }
        // A second-language page without marker is made anew whole.
        whole = true;
        m_out = page.open(whole, &noKey);
    }
    if (!m_out)
        return;
    if (whole) {
        writeWholePageHead();
        if (!m_separated)
            *m_out << MarkedPage::kMarker << "\n";
    }
    writeBlocks(order);
    writeQualityCriteria();
    m_manager.writeParentLinks(&m_item, *m_out, 1, m_language, 1, "");
    *m_out << "</body></html>\n";
    m_out = nullptr;
    // The old page stays whole when the new one could not be put in place.
    if (!page.finish())
        throw std::runtime_error(("File " + platform::shownPath(path) + " writing error").str());
}

void ActivityPage::writeWholePageHead() {
    TextOutStream& out = *m_out;
    const CString name = m_item.getNameByLanguage(m_language);
    auto file = [this](const char* path) { return m_links.get(m_rootPrefix + path); };
    out << wholePageHeadStart(m_manager, m_item, name, m_links, m_rootPrefix)
        << "<link rel=\"stylesheet\" href=\"" << file("css/activity.css")
        << "\" type=\"text/css\">\n"
        // The border cells of the activity's schema.
        << "<style type=\"text/css\">\n"
        << "#lborder { background-image: url(" << file("images/bord.gif")
        << "); background-repeat: repeat-y; }\n"
        << "#rborder { background-image: url(" << file("images/bord.gif")
        << "); background-repeat: repeat-y; }\n"
        << "#tborder  { background-image: url(" << file("images/bh.gif")
        << "); background-repeat: repeat-x; }\n"
        << "#bborder  { background-image: url(" << file("images/bb.gif")
        << "); background-repeat: repeat-x; }\n"
        << "#ltborder { background-image: url(" << file("images/bhg.gif") << ") }\n"
        << "#rtborder { background-image: url(" << file("images/bhd.gif") << ") }\n"
        << "#lbborder { background-image: url(" << file("images/bbg.gif") << ") }\n"
        << "#rbborder { background-image: url(" << file("images/bbd.gif") << ") }\n"
        << "</style>\n"
        << "</head>\n\n"
        << "<body>\n";
    writeTooltipScript(out, 500);
    out << "<script type=\"text/javascript\">\n"
        << "var RelativePathToImg=\"" << m_rootPrefix << "images/\"\n"
        << "</script>\n"
        << m_manager.getPageBanner(name, m_rootPrefix, m_item.getPageHeaderImage(), 1, "", &m_links);
}

void ActivityPage::writeBlocks(const BlockOrder& order) {
    const std::pair<const CString*, std::function<void()>> blocks[] = {
        {&order.description, [this] { writeDescription(); }},
        {&order.tailoringGuideline, [this] { writeTailoringGuideline(); }},
        {&order.templates, [this] { writeTemplates(); }},
        {&order.schema, [this, &order] { ActivitySchema(*this, order).write(); }},
        {&order.procedures, [this] { writeProcedures(); }},
        {&order.measures, [this] { writeMeasures(); }},
    };
    for (int place = 1; place <= 6; ++place)
        for (const auto& [value, writeBlock] : blocks)
            if (*value == decimal(place))
                writeBlock();
}

CString ActivityPage::heading(const CString& anchor, const CString& label, bool wideBlanks) {
    return topOfPageHeading(anchor, label, m_links.get(m_topPrefix + "../images/top.gif"), wideBlanks);
}

CString ActivityPage::headingOfBlock(const char* anchor, const char* labelKey) {
    return heading(anchor, m_manager.getLabel(m_language, labelKey), false);
}

CString ActivityPage::linkTo(const CString& target) {
    return m_links.get(relativeLink(m_activityFolder, target));
}

CString ActivityPage::caption(ProcessItem& item, const CString& popup) {
    const CString name = item.getNameByLanguage(m_language);
    return popup.IsEmpty() ? name
                           : m_manager.writeTermTooltip(name, &m_tooltipCounter, popup, m_language, "");
}

void ActivityPage::writeDescription() {
    TextOutStream& out = *m_out;
    const CString description = m_activity.readDescription(m_language, 1, 0, 0);
    if (!description.IsEmpty())
        out << heading("desc", m_manager.getLabel(m_language, "Description"), true)
            << m_manager.descriptionToHtml(description, &m_tooltipCounter, &m_item, m_language, 0);
    // The steps with a detail page: the page of step k is named after k - 1.
    CStringListePlus* steps = m_language == 0 ? m_activity.getSteps(1) : m_activity.getStepsL2(1);
    for (int k = 1; k <= steps->count(); ++k) {
        const ActivityStep step(*steps->at(k));
        if (step.comment)
            continue;
        const CString detailPage =
            m_item.getItemFolderFile(decimal(k - 1) + (m_language == 0 ? "" : "L2") + ".htm");
        if (detailPage.IsEmpty() || !platform::fileExists(detailPage))
            continue;
        for (int d = 0; d < step.depth; ++d)
            out << "<blockquote>";
        out << heading(
                   "Step" + decimal(k),
                   m_manager.descriptionToHtml(step.detailText, &m_tooltipCounter, &m_item, m_language, 0),
                   true)
            << m_manager.descriptionToHtml(extractPageBody(detailPage, 0), &m_tooltipCounter, &m_item,
                                           m_language, 0);
        for (int d = 0; d < step.depth; ++d)
            out << "</blockquote>";
    }
}

void ActivityPage::writeTailoringGuideline() {
    CString guideline = m_activity.readTailoringGuideline(m_language, 1, 0);
    guideline.TrimLeft();
    if (guideline.IsEmpty())
        return;
    *m_out << headingOfBlock("tailorGuid", "TailoringGuideline")
           << m_manager.descriptionToHtml(guideline, &m_tooltipCounter, &m_item, m_language, 0) << "<br>\n";
}

void ActivityPage::writeTemplates() {
    if (m_templateList.count() == 0)
        return;
    *m_out << headingOfBlock("template", "TemplatesExamples");
    m_manager.writeTemplateTableRows(m_templateList, m_topPrefix, *m_out, &m_item, &m_tooltipCounter,
                                     m_language, 0, 1, &m_links);
    *m_out << "<br>\n";
}

void ActivityPage::writeProcedures() {
    CStringListePlus* procedures = m_activity.getGeneralProcedures();
    if (!m_procedureLink && procedures->count() == 0)
        return;
    TextOutStream& out = *m_out;
    out << headingOfBlock("proc", "Procedures");
    const CString book = m_links.get(m_rootPrefix + "images/book.gif");
    int cells = 0;
    if (m_procedureLink) {
        const CString href =
            m_activity.getProcedureLink() == 1 ? m_links.get(m_procedureTarget) : m_procedureTarget;
        out << gridCellOpening(1) << "<p align=\"center\"><b><a href=\"" << href
            << "\" target=\"main\"><img alt=\"\" border=\"0\" src=\"" << book << "\"></a><br>\n"
            << "<a href=\"" << href << "\">" << m_item.getNameByLanguage(m_language) << "</a></b></p></td>\n";
        cells = 1;
    }
    for (int i = 1; i <= procedures->count(); ++i) {
        auto* procedure = dynamic_cast<ProcessItem*>(m_manager.findItemByUid(*procedures->at(i)));
        if (!procedure)
            continue;
        const int kind = procedure->getClassKind();
        CString href;
        if (const ItemGenericProcedure* general = procedure->getItemGenericProcedure()) {
            const CString document = general->getProcedure(m_language);
            href = isWebAddress(document)
                       ? document
                       : linkTo(m_manager.getProjectDirectory() + procedure->getFolder(1, 1) + document);
        } else {
            href = linkTo(m_manager.getItemFilePath(procedure, m_language));
        }
        out << gridCellOpening(++cells);
        if (cells >= 4)
            out << "<br>";
        const bool workElement = kind == kMacroActivityClass || kind == kActivityClass;
        out << "<p align=\"center\"><a href=\"" << href << "\" target=\"main\">"
            << "<img alt=\"\" border=\"0\" src=\""
            << (workElement ? m_links.get(m_rootPrefix + "images/MCProc.gif") : book) << "\">"
            << "</a><br>\n"
            << "<a href=\"" << href << "\" target=\"main\">"
            << caption(*procedure,
                       kind == kGeneralProcedureClass ? procedure->getHtmlDescription(m_language) : CString())
            << "</a></p></td>\n";
    }
    // The last row is filled up to three cells.
    if (cells > 0)
        out << gridEnd(cells) << "\n";
}

void ActivityPage::writeMeasures() {
    CStringListePlus* measures = m_activity.getMeasures();
    if (measures->count() == 0)
        return;
    TextOutStream& out = *m_out;
    out << headingOfBlock("proc", "Measures") << "<ul>\n";
    for (int i = 1; i <= measures->count(); ++i) {
        auto* measure = dynamic_cast<ProcessItem*>(m_manager.findItemByUid(*measures->at(i)));
        if (!measure)
            continue;
        const bool isMeasure = measure->getClassKind() == kMeasureClass;
        const CString href = isMeasure ? m_links.get(measure->getRelativeLink(&m_item, "") + "/" +
                                                     Item::getOverviewPageName(m_language))
                                       : CString();
        out << "<li><a href=\"" << href << "\" target=\"main\">"
            << caption(*measure, isMeasure ? measure->getHtmlDescription(m_language) : CString())
            << "</a></li>\n";
    }
    out << "</ul>\n";
}

void ActivityPage::writeQualityCriteria() {
    writeSubtreeQualityCriteria(m_manager, m_item, m_language, *m_out,
                                m_links.get(m_topPrefix + "../images/top.gif"));
}
