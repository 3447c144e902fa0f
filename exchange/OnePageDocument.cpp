#include "OnePageDocument.h"

#include "ExpandedTreeWalk.h"
#include "ExportFile.h"
#include "ExportRun.h"
#include "HtmlText.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemGenericProcedure.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "TextInStream.h"

#include <algorithm>
#include <functional>
#include <initializer_list>

namespace {

using Step = ExpandedTreeWalk::Step;

// The walk of the tree in which the block of the picked items is open: it
// opens where the walk meets one of them and holds the items deeper than
// it, until an item that is not deeper; an expanded shortcut's branch
// counts at the shortcut's place, so one not deeper ends the block. f is
// told of the opening item itself (opening set) and of every item inside,
// with the effective level of the opening item.
void forEachInBlock(const PageRunTables& tables, std::initializer_list<Item*> openers,
                    const std::function<void(const Step& step, int openingLevel, bool opening)>& f) {
    bool open = false;
    int openingLevel = 0;
    ExpandedTreeWalk::forEach(tables, [&](const Step& step) {
        if (std::find(openers.begin(), openers.end(), step.item) != openers.end()) {
            open = true;
            openingLevel = step.level;
            f(step, openingLevel, true);
            return;
        }
        if (!open)
            return;
        if (step.level <= openingLevel) {
            open = false;
            return;
        }
        f(step, openingLevel, false);
    });
}

// The progress bar of the document: from 8 to 16, back to 0 at the end,
// however the document ends.
class DocumentProgress {
public:
    explicit DocumentProgress(ProcessManager& manager) : m_manager(manager) {
        m_manager.setProgressRange(0, 16);
        m_manager.setProgressStep(1);
        m_manager.setProgressPos(m_position);
    }
    ~DocumentProgress() { m_manager.setProgressPos(0); }
    void step() { m_manager.setProgressPos(++m_position); }

private:
    ProcessManager& m_manager;
    int m_position = 8;
};

} // namespace

OnePageDocument::OnePageDocument(ProcessManager& manager, int language, ProcessItem* workflow,
                                 ProcessItem* discipline)
    : m_manager(manager), m_language(language), m_workflow(workflow), m_discipline(discipline) {}

int OnePageDocument::headingLevel(int depth) {
    return std::clamp(depth, 1, 6);
}

void OnePageDocument::writeHeader(TextOutStream& out) {
    TextInStream header(m_manager.getProjectDirectory() + "tolvane/Templates/Word/WordHeader.htm");
    if (!header.is_open()) {
        out << "<html><head><title>Process</title>\n"
            << "</head>\n\n";
        return;
    }
    // Its lines go out whole, each ended by a line break: a word processor's
    // header holds lines far longer than a fixed buffer, and cutting them
    // would split a tag or a word.
    const CString lines = header.readRest();
    out << lines;
    if (!lines.IsEmpty() && lines[lines.GetLength() - 1] != '\n')
        out << "\n";
}

void OnePageDocument::writePage(TextOutStream& out, Item& item, const CString& path) {
    if (!path.IsEmpty())
        extractPageSections(path, out, &item, m_language);
}

void OnePageDocument::writeHeadedPage(TextOutStream& out, Item& item, int depth, bool withPage) {
    CString heading;
    heading.Format("%d", headingLevel(depth));
    out << "<H" << heading << ">" << escapeHtml(item.getNameByLanguage(m_language)) << "</H" << heading
        << ">\n";
    if (withPage)
        writePage(out, item, m_manager.getItemPagePath(&item, m_language));
}

void OnePageDocument::writeWorkProductPages(TextOutStream& out, const PageRunTables& tables, int classKind,
                                            int depth) {
    if (m_discipline) {
        forEachInBlock(tables, {m_discipline}, [&](const Step& step, int, bool opening) {
            if (!opening && classKindOf(step.item) == classKind)
                writeHeadedPage(out, *step.item, depth);
        });
        return;
    }
    // Without a discipline, the overviews are those outside every discipline.
    ExpandedTreeWalk::forEach(tables, [&](const Step& step) {
        auto* item = dynamic_cast<ProcessItem*>(step.item);
        if (item && item->getClassKind() == classKind &&
            (classKind != kWorkProductOverviewClass || item->getDiscipline().IsEmpty()))
            writeHeadedPage(out, *item, depth);
    });
}

int OnePageDocument::exportOnePageProcess() {
    ExportRun run(m_manager, ExportRun::Links::Refresh);
    DocumentProgress progress(m_manager);
    const PageRunTables& tables = run.getTables();
    const CString fileName = m_language == 0 ? "site.htm" : "siteL2.htm";
    ExportFile file(m_manager, fileName);
    TextOutStream& out = file.getStream();
    writeHeader(out);
    out << "<body>\n";
    progress.step();

    // The introduction: the process formalisms, then the items the document includes.
    out << "<H1>" << m_manager.getLabel(m_language, "Introduction") << "</H1>\n";
    for (ProcessItem* item : run.getItemsOfClass(kProcessFormalismClass))
        writeHeadedPage(out, *item, 2);
    for (Item* listed : tables.getItems()) {
        auto* item = dynamic_cast<ProcessItem*>(listed);
        if (item && item->getKind() == kDual && item->isIncludedInProcessDoc())
            writeHeadedPage(out, *item, 2);
    }
    progress.step();

    forEachInBlock(tables, {m_discipline, m_workflow}, [&](const Step& step, int, bool opening) {
        if (!opening && classKindOf(step.item) == kProcessOverviewClass)
            writeHeadedPage(out, *step.item, 1);
    });
    progress.step();

    // The roles, under the role groups that the walk meets before them.
    int baseLevel = -1;
    ExpandedTreeWalk::forEach(tables, [&](const Step& step) {
        const int kind = classKindOf(step.item);
        if (kind == kRoleGroupClass && classKindOf(step.item->getParent()) == kRoleGroupClass) {
            writeHeadedPage(out, *step.item, step.level - baseLevel + 1, false);
        } else if (kind == kRoleGroupClass) {
            out << "<H1>" << escapeHtml(step.item->getName()) << "</H1>\n";
            writePage(out, *step.item, m_manager.getItemPagePath(step.item, m_language));
            baseLevel = step.level;
        } else if (kind == kRoleClass) {
            writeHeadedPage(out, *step.item, step.level - baseLevel + 1);
        }
    });
    progress.step();

    forEachInBlock(tables, {m_discipline, m_workflow}, [&](const Step& step, int openingLevel, bool opening) {
        auto* item = dynamic_cast<ProcessItem*>(step.item);
        if (!item)
            return;
        if (opening) {
            if (item == m_workflow)
                writeHeadedPage(out, *item, 1);
            return;
        }
        const int kind = item->getClassKind();
        if (kind == kWorkflowClass) {
            writeHeadedPage(out, *item, 1);
        } else if (kind == kActivityClass || kind == kMacroActivityClass || kind == kPhaseClass) {
            writeHeadedPage(out, *item, step.level - openingLevel + (m_workflow ? 1 : 0));
            const ItemActivity* activity = item->getItemActivity();
            if (activity && activity->isSeparatedProcedureText() && activity->getProcedureLink() == 1)
                writePage(out, *item,
                          m_manager.getPathInSite(item->getFolder(1, 0) +
                                                  ItemActivity::getProcedurePageName(m_language)));
        }
    });
    progress.step();

    out << "<H1>" << m_manager.getLabel(m_language, "Artifact") << "</H1>\n";
    writeWorkProductPages(out, tables, kWorkProductOverviewClass, 2);
    progress.step();

    out << "<H2>" << m_manager.getLabel(m_language, "Detail") << "</H2>\n";
    writeWorkProductPages(out, tables, kWorkProductClass, 3);
    progress.step();

    out << "<H1>" << m_manager.getLabel(m_language, "Procedures") << "</H1>\n";
    ExpandedTreeWalk::forEach(tables, [&](const Step& step) {
        auto* item = dynamic_cast<ProcessItem*>(step.item);
        ItemGenericProcedure* procedure = item ? item->getItemGenericProcedure() : nullptr;
        if (!procedure)
            return;
        writeHeadedPage(out, *item, 2, false);
        const CString link = m_language == 0 ? procedure->readProcedure(0) : procedure->readProcedureL2(0);
        // A page of the site is put in; a document, or a page elsewhere on the web, is referred to.
        if (lowerCased(link).Find(".htm") >= 0 && !isWebAddress(link))
            writePage(out, *item, m_manager.getPathInSite(item->getFolder(1, 0) + link));
        else
            out << m_manager.getLabel(m_language, "PleaseReferTo") << " " << escapeHtml(link) << "\n";
    });
    progress.step();

    out << "</body>\n"
        << "</html>\n";
    if (!file.close())
        return 0;
    ExportFile::showMessage(33062, "tmp/" + fileName);
    return 1;
}
