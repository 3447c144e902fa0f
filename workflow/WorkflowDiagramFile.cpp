#include "WorkflowDiagramFile.h"

#include "CActivityBox.h"
#include "CFlowchartEntityContainer.h"
#include "CFlowchartLink.h"
#include "DiagramEntityFactory.h"
#include "Item.h"
#include "ItemClasses.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TextOutStream.h"
#include "ui/UserInterface.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <unordered_set>

namespace {

bool isWorkElementClass(int kind) {
    return kind == kActivityClass || kind == kMacroActivityClass || kind == kPhaseClass;
}

// Every activity box of the container, in its order.
template <class F> void forEachActivityBox(CFlowchartEntityContainer& container, F f) {
    for (int i = 0; CDiagramEntity* entity = container.getAt(i); ++i)
        if (auto* box = dynamic_cast<CActivityBox*>(entity))
            f(*box);
}

CString format(UINT id, const CString& first, const CString& second = CString()) {
    CString text;
    text.Format(loadString(id), first.GetString(), second.GetString());
    return text;
}

} // namespace

WorkflowDiagramFile::WorkflowDiagramFile(Project* project, Item* item, int banner)
    : m_project(project), m_item(item), m_banner(banner) {}

CString WorkflowDiagramFile::getPath() const {
    const CString folder =
        m_project && m_item ? m_project->getProjectDirectory() + m_item->getFolder(1, 1) : CString();
    return folder + (m_banner ? kBannerFileName : kWorkflowFileName);
}

void WorkflowDiagramFile::loadDiagram(CFlowchartEntityContainer& container) {
    const CString path = getPath();
    m_keptLines.clear();
    m_unreadable = false;
    m_stamp = platform::fileStamp(path);
    m_stampKnown = true;
    std::string bytes;
    if (m_stamp.exists && !platform::readFileBytes(path, bytes)) {
        // Reading on would open an empty diagram that the next save writes over the file.
        m_unreadable = true;
        ui::AfxMessageBox(format(33560, platform::shownPath(path), platform::lastErrorText()));
    } else if (m_stamp.exists) {
        container.clearLinks();
        container.clearAll();
        int entities = 0;
        int links = 0;
        size_t start = 0;
        while (start < bytes.size()) {
            size_t end = bytes.find('\n', start);
            const size_t next = end == std::string::npos ? bytes.size() : end + 1;
            if (end == std::string::npos)
                end = bytes.size();
            if (end > start && bytes[end - 1] == '\r')
                --end;
            const CString line(bytes.substr(start, end - start));
            start = next;
            if (container.parsePaperRecord(line))
                continue;
            if (std::unique_ptr<CDiagramEntity> entity = createDiagramEntityFromRecord(line, m_item)) {
                if (auto* box = dynamic_cast<CActivityBox*>(entity.get()))
                    box->setParentItem(m_item);
                container.add(std::move(entity));
                ++entities;
                continue;
            }
            auto link = std::make_unique<CFlowchartLink>();
            if (link->loadFromRecord(line)) {
                container.addLink(std::move(link));
                ++links;
                continue;
            }
            m_keptLines.push_back({line, entities, links});
        }
        logUnreadLines();
    }
    if (!m_banner)
        addBoxesForChildren(container);
    container.setModified(TRUE);
}

void WorkflowDiagramFile::logUnreadLines() const {
    if (m_keptLines.empty() || !m_project)
        return;
    if (TextOutStream* log = m_project->openLog()) {
        *log << "Diagram file " << platform::shownPath(getPath()) << ": "
             << static_cast<int>(m_keptLines.size())
             << " line(s) that no diagram object reads, kept as they are:\n";
        for (const KeptLine& kept : m_keptLines)
            *log << kept.line << "\n";
        Project::closeLog(log);
    }
}

std::vector<CString> WorkflowDiagramFile::unreadLines() const {
    std::vector<CString> lines;
    for (const KeptLine& kept : m_keptLines)
        lines.push_back(kept.line);
    return lines;
}

int WorkflowDiagramFile::addBoxesForChildren(CFlowchartEntityContainer& container) {
    auto* manager = dynamic_cast<ProcessManager*>(m_project);
    if (!manager || !m_item)
        return 0;
    std::unordered_set<const Item*> shown;
    forEachActivityBox(container, [&](CActivityBox& box) {
        if (box.getBoundItem())
            shown.insert(box.getBoundItem());
    });
    ProcessItemListe children;
    manager->getChildWorkElements(m_item, &children, 1);
    int offset = 0;
    int added = 0;
    for (int i = 1; i <= children.count(); ++i) {
        Item* child = children.at(i);
        if (!isWorkElementClass(classKindOf(child)) || !shown.insert(child).second)
            continue;
        offset += 50;
        container.add(std::make_unique<CActivityBox>(m_project, child, offset, offset, m_item));
        ++added;
    }
    children.removeAll();
    return added;
}

std::string WorkflowDiagramFile::toFileBytes(CFlowchartEntityContainer& container) const {
    std::string out = container.toPaperRecord().str() + "\r\n";
    size_t kept = 0;
    auto keptLinesUpTo = [&](int entities, int links) {
        while (kept < m_keptLines.size() && m_keptLines[kept].entitiesBefore <= entities &&
               m_keptLines[kept].linksBefore <= links) {
            out += m_keptLines[kept].line.str() + "\r\n";
            ++kept;
        }
    };
    int entities = 0;
    for (; CDiagramEntity* entity = container.getAt(entities); ++entities) {
        keptLinesUpTo(entities, 0);
        if (auto* box = dynamic_cast<CActivityBox*>(entity))
            box->refreshBinding();
        out += entity->recordLine()->str() + "\r\n";
    }
    for (int i = 0; i < container.getLinkCount(); ++i) {
        keptLinesUpTo(entities, i);
        if (CFlowchartLink* link = container.getLinkAt(i))
            out += link->toRecordString().str() + "\r\n";
    }
    // The rest: lines that stood after more objects than the diagram holds now.
    keptLinesUpTo(INT_MAX, INT_MAX);
    return out;
}

BOOL WorkflowDiagramFile::saveDiagram(CFlowchartEntityContainer& container,
                                      const std::function<void(int language)>& exportPictures) {
    const CString path = getPath();
    const CString shown = platform::shownPath(path);
    if (m_unreadable && ui::AfxMessageBox(format(33561, shown), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    if (!m_unreadable && m_stampKnown && StdOption::instance().getMultiUsers() &&
        !(platform::fileStamp(path) == m_stamp) &&
        ui::AfxMessageBox(format(33562, shown), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
        return FALSE;
    if (!platform::writeFileReplacing(path, toFileBytes(container))) {
        ui::AfxMessageBox(format(33563, shown, platform::lastErrorText()));
        return FALSE;
    }
    m_unreadable = false;
    m_stamp = platform::fileStamp(path);
    m_stampKnown = true;
    container.setModified(FALSE);
    if (m_banner)
        StdOption::instance().setBannerHeight(container.getVirtualSize().cy);
    if (exportPictures) {
        exportPictures(0);
        if (StdOption::instance().getTwoLanguages())
            exportPictures(1);
    }
    if (!m_banner)
        synchronizeActivities(container);
    return TRUE;
}

void WorkflowDiagramFile::synchronizeActivities(CFlowchartEntityContainer& container) {
    auto* manager = dynamic_cast<ProcessManager*>(m_project);
    if (!manager || !m_item)
        return;
    Item* item = m_item;
    manager->changeTreeAsOne(item, [&](Item* anchor) {
        // The reload of a shared tree may have given the diagram's item another object.
        m_item = anchor;
        std::unordered_set<const Item*> bound;
        forEachActivityBox(container, [&](CActivityBox& box) {
            box.refreshBinding();
            if (box.getBoundItem())
                bound.insert(box.getBoundItem());
        });

        // Boxes to children: a shortcut for each bound item that is no child.
        std::unordered_set<const Item*> children;
        ProcessItemListe listed;
        manager->getChildWorkElements(anchor, &listed, 1);
        for (int i = 1; i <= listed.count(); ++i) {
            Item* child = listed.at(i);
            children.insert(child->getKind() == kShortcut ? manager->findShortcutTarget(child) : child);
        }
        listed.removeAll();
        forEachActivityBox(container, [&](CActivityBox& box) {
            Item* d = box.getBoundItem();
            // Two boxes of one item make one shortcut.
            if (!d || !children.insert(d).second)
                return;
            manager->addProcessItem(anchor, shortcutPrefix() + d->getName(), 0, d->getIcon(),
                                    d->getOpenIcon(), 2, "", "", 1, 1, d->isFrame(), 1,
                                    shortcutPrefix() + d->getNameByLanguage(1), 1, "", d);
        });

        // Children to boxes: a shortcut to a work element that no box shows goes.
        manager->getChildWorkElements(anchor, &listed, 0);
        std::vector<Item*> unshown;
        for (int i = 1; i <= listed.count(); ++i) {
            Item* child = listed.at(i);
            if (child->getKind() != kShortcut)
                continue;
            Item* target = manager->findShortcutTarget(child);
            if (target && isWorkElementClass(classKindOf(target)) && !bound.count(target))
                unshown.push_back(child);
        }
        listed.removeAll();
        for (Item* shortcut : unshown)
            manager->deleteItem(shortcut, 1, 0, 1, 1, 1);
    });
}
