#include "SiteImageExport.h"

#include "CFlowchartEditor.h"
#include "CFlowchartEntityContainer.h"
#include "DiagramDC.h"
#include "DiagramPicture.h"
#include "FileSystem.h"
#include "FlowchartLinkPainter.h"
#include "Item.h"
#include "Project.h"
#include "StringTable.h"
#include "UserInterface.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// Hides the selection of every entity and link for the time of one
// drawing, and gives it back as it was, order of selection included; the
// entities' zoom of their last drawing comes back too.
class HiddenSelection {
public:
    explicit HiddenSelection(CDiagramEntityContainer& container) : m_container(container) {
        for (int i = 0; i < container.getSize(); ++i) {
            CDiagramEntity* entity = container.getAt(i);
            m_entities.push_back({entity->isSelected(), entity->getSelectionTime(), entity->getZoom()});
            entity->restoreSelection(FALSE, entity->getSelectionTime());
        }
        if (auto* flowchart = dynamic_cast<CFlowchartEntityContainer*>(&container))
            for (int i = 0; i < flowchart->getLinkCount(); ++i) {
                CFlowchartLink* link = flowchart->getLinkAt(i);
                m_links.push_back(
                    {link->isSelected(), link->isFirstPointSelected(), link->isSecondPointSelected()});
                link->setSelected(FALSE);
                link->setFirstPointSelected(FALSE);
                link->setSecondPointSelected(FALSE);
            }
    }
    ~HiddenSelection() {
        for (int i = 0; i < m_container.getSize() && i < int(m_entities.size()); ++i) {
            CDiagramEntity* entity = m_container.getAt(i);
            entity->restoreSelection(m_entities[size_t(i)].selected, m_entities[size_t(i)].time);
            entity->setZoom(m_entities[size_t(i)].zoom);
        }
        if (auto* flowchart = dynamic_cast<CFlowchartEntityContainer*>(&m_container))
            for (int i = 0; i < flowchart->getLinkCount() && i < int(m_links.size()); ++i) {
                CFlowchartLink* link = flowchart->getLinkAt(i);
                link->setSelected(m_links[size_t(i)].selected);
                link->setFirstPointSelected(m_links[size_t(i)].first);
                link->setSecondPointSelected(m_links[size_t(i)].second);
            }
    }
    HiddenSelection(const HiddenSelection&) = delete;
    HiddenSelection& operator=(const HiddenSelection&) = delete;

private:
    struct EntityState {
        BOOL selected;
        std::uint64_t time;
        double zoom;
    };
    struct LinkState {
        BOOL selected;
        BOOL first;
        BOOL second;
    };
    CDiagramEntityContainer& m_container;
    std::vector<EntityState> m_entities;
    std::vector<LinkState> m_links;
};

// A picture node's text as the area file holds it: ";" written
// "\semicolon", an empty text a single blank (the reader drops empty fields).
CString areaText(const CString& text, bool escape) {
    if (text.IsEmpty())
        return " ";
    CString written = text;
    if (escape)
        written.Replace(";", "\\semicolon");
    return written;
}

// A coordinate relative to the crop, truncated toward zero; never negative.
CString relative(double value, int origin) {
    CString text;
    text.Format("%d", std::max(0, CDiagramEntity::truncate(value - origin)));
    return text;
}

void tell(UINT id, const CString& path) {
    CString text;
    text.Format(loadString(id), path.GetString(), platform::lastErrorText().GetString());
    ui::AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

SiteImageExport::SiteImageExport(CFlowchartEditor& editor) : m_editor(editor) {}

CString SiteImageExport::pictureName(BOOL wpMap, BOOL roles, BOOL banner, int language) {
    const char* name = wpMap ? "wpMap" : roles ? "roles" : banner ? "banner" : "wf";
    return CString(name) + (language ? "L2" : "") + ".png";
}

CString SiteImageExport::areaFileName(BOOL banner) {
    return banner ? "banner.data" : "map.data";
}

SiteImageExport::Crop SiteImageExport::crop(DiagramDC& measuring) const {
    Crop crop;
    CDiagramEntityContainer* objs = m_editor.getDiagramEntityContainer();
    if (!objs)
        return crop;
    double minX = std::numeric_limits<double>::max(), minY = minX;
    double maxX = std::numeric_limits<double>::lowest(), maxY = maxX;
    auto take = [&](double x, double y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
        crop.empty = false;
    };
    for (int i = 0; i < objs->getSize(); ++i) {
        const CDiagramEntity* entity = objs->getAt(i);
        take(entity->getLeft(), entity->getTop());
        take(entity->getRight(), entity->getBottom());
    }
    if (CFlowchartEntityContainer* flowchart = m_editor.getFlowchartContainer()) {
        for (int i = 0; i < flowchart->getLinkCount(); ++i) {
            const CFlowchartLink* link = flowchart->getLinkAt(i);
            for (int p = 0; p < link->getPointCount(); ++p)
                take(link->getIntermediaryPoint(p).x, link->getIntermediaryPoint(p).y);
        }
        // What the links paint, in pixels at zoom 1: the last pixel counts.
        const CRect painted =
            FlowchartLinkPainter(*flowchart, 1.0, m_editor.getMarkerSize().cx, 0).linksExtent(measuring);
        const CRect paintedL2 =
            FlowchartLinkPainter(*flowchart, 1.0, m_editor.getMarkerSize().cx, 1).linksExtent(measuring);
        for (const CRect& rect : {painted, paintedL2})
            if (!rect.IsRectEmpty()) {
                take(rect.left, rect.top);
                take(rect.right - 1, rect.bottom - 1);
            }
    }
    if (crop.empty)
        return crop;
    // The pixel holding the largest coordinate is in.
    maxX += 1;
    maxY += 1;
    crop.left = CDiagramEntity::truncate(std::floor(minX));
    crop.top = CDiagramEntity::truncate(std::floor(minY));
    crop.size = CSize(std::max(1, CDiagramEntity::truncate(maxX - crop.left)),
                      std::max(1, CDiagramEntity::truncate(maxY - crop.top)));
    return crop;
}

BOOL SiteImageExport::render(CWebImageDC& image, const Crop& crop, int language) const {
    const COLORREF paper = m_editor.getBackgroundColor();
    if (crop.empty)
        return image.create(CSize(1, 1), paper);
    if (!image.create(crop.size, paper))
        return FALSE;
    DiagramDC& dc = *image.dc();
    dc.SetWindowOrg(crop.left, crop.top);
    m_editor.drawBackground(dc, CRect(crop.left, crop.top, crop.left + crop.size.cx, crop.top + crop.size.cy),
                            1.0);
    CDiagramEntityContainer* objs = m_editor.getDiagramEntityContainer();
    if (!objs)
        return TRUE;
    HiddenSelection hidden(*objs);
    if (CFlowchartEntityContainer* flowchart = m_editor.getFlowchartContainer())
        FlowchartLinkPainter(*flowchart, 1.0, m_editor.getMarkerSize().cx, language).drawObjects(dc);
    else
        for (int i = 0; i < objs->getSize(); ++i)
            objs->getAt(i)->drawObject(dc, 1.0, language);
    dc.flush();
    return TRUE;
}

CString SiteImageExport::areaLine(const ClickableArea& area, const Crop& crop) {
    if (!area.freeArea && area.key.IsEmpty())
        return CString();
    if (area.freeArea && area.key.IsEmpty() &&
        std::all_of(std::begin(area.texts), std::end(area.texts),
                    [](const CString& t) { return t.IsEmpty(); }))
        return CString();
    CString line = (area.freeArea ? areaText(area.key, false) : area.key) + ";" +
                   relative(area.left, crop.left) + ";" + relative(area.top, crop.top) + ";" +
                   relative(area.right, crop.left) + ";" + relative(area.bottom, crop.top);
    if (area.freeArea)
        for (const CString& text : area.texts)
            line += ";" + areaText(text, true);
    return line;
}

std::string SiteImageExport::areaFileBytes(const Crop& crop) const {
    std::string bytes;
    CDiagramEntityContainer* objs = m_editor.getDiagramEntityContainer();
    if (!objs || crop.empty)
        return bytes;
    for (int i = 0; i < objs->getSize(); ++i) {
        ClickableArea area;
        if (!objs->getAt(i)->getClickableArea(area))
            continue;
        const CString line = areaLine(area, crop);
        if (!line.IsEmpty())
            bytes += line.str() + "\r\n";
    }
    return bytes;
}

BOOL SiteImageExport::exportSiteImage(int language) {
    Project* project = m_editor.getProject();
    Item* item = m_editor.getItem();
    if (!project || !item)
        return FALSE;
    return exportTo(project->getProjectDirectory() + item->getFolder(1, 1), language);
}

BOOL SiteImageExport::exportTo(const CString& folder, int language) {
    Crop area;
    {
        DiagramPicture none;
        DiagramDC measuring(none);
        area = crop(measuring);
    }
    CWebImageDC image;
    if (m_clock)
        image.setClock(m_clock);
    BOOL done = TRUE;
    const CString picturePath = folder + pictureName(m_editor.isWorkProductMap(), m_editor.isRolesMap(),
                                                     m_editor.isBanner(), language);
    if (!render(image, area, language) || !image.saveAsPng(picturePath, TRUE, FALSE, RGB(255, 255, 255))) {
        tell(kPictureNotWritten, picturePath);
        done = FALSE;
    }
    if (language != 0)
        return done;
    // The render measured the lanes' headers the areas use.
    const CString areaPath = folder + areaFileName(m_editor.isBanner());
    if (!platform::writeFileReplacing(areaPath, areaFileBytes(area))) {
        tell(kAreasNotWritten, areaPath);
        done = FALSE;
    }
    return done;
}
