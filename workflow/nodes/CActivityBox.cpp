#include "CActivityBox.h"

#include "ActivitySymbols.h"
#include "CGradient.h"
#include "CTokenizer.h"
#include "DiagramDC.h"
#include "DiagramDialogs.h"
#include "DiagramRecord.h"
#include "Item.h"
#include "ItemClasses.h"
#include "MainWindow.h"
#include "NodePictures.h"
#include "NotationColors.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "WorkflowDialogs.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <tuple>

namespace {

// The plaque pictures of styles 0-4.
constexpr int kPictureResources[] = {139, 172, 173, 174, 175};

// A link end slides along a side toward where it heads, but never within
// this many pixels of a corner, and keeps the middle when it heads within
// this many pixels of it.
constexpr int kSlideMargin = 10;

int slide(int middle, int hint, int low, int high) {
    if (hint == -1 || (hint >= middle - kSlideMargin && hint <= middle + kSlideMargin))
        return middle;
    if (hint > middle)
        return std::min(hint, high - kSlideMargin);
    return std::max(hint, low + kSlideMargin);
}

void redraw(EditorWindow* window) {
    if (WorkflowDialogs* dialogs = WorkflowDialogs::current())
        dialogs->redraw(window);
}

} // namespace

CActivityBox::CActivityBox(Project* project, Item* parentItem)
    : m_parentItem(parentItem), m_project(project ? project : ProcessManager::getInstance()) {
    setType("Activity");
    setTitle("title");
    setMarkerSize(CSize(6, 6));
    setConstraints(CSize(38, 24), CSize(-1, -1));
    setNotationKind(kUmlActivity);
    setStyle(10);
}

CActivityBox::CActivityBox(Project* project, Item* item, int x, int y, Item* parentItem)
    : CActivityBox(project, parentItem) {
    setNotationKind(kArtistic);
    setStyle(0);
    if (item)
        bindTo(item);
    setRect(x, y, x + 38, y + 50);
}

std::unique_ptr<CDiagramEntity> CActivityBox::createFromRecord(const CString& record) {
    return createEntityFromRecord<CActivityBox>(record);
}

void CActivityBox::copyLookFrom(const CActivityBox& other) {
    setNotationKind(other.m_notationKind);
    setStyle(other.m_style);
    setTitleL2(other.getTitleL2());
    setTaskType(other.m_taskType);
    setCustomBitmap(other.m_customBitmap);
    setMarkers(other.m_loop, other.m_compensation, other.m_adHoc, other.m_parallelMultiInstance,
               other.m_sequentialMultiInstance, other.m_collapsed);
    setEventTrigger(other.m_eventTrigger);
    setTextColor(other.m_textRed, other.m_textGreen, other.m_textBlue);
    setFontSize(other.m_fontSize);
    setFontName(other.m_fontName);
    setBold(other.m_bold);
}

// An undo snapshot keeps the binding; a duplicate is a new, unbound step.
std::unique_ptr<CDiagramEntity> CActivityBox::clone(BOOL keepName) const {
    auto copy = std::make_unique<CActivityBox>(m_project, m_parentItem);
    copy->copyFrom(*this);
    if (keepName) {
        copy->m_boundItem = m_boundItem;
        copy->m_itemKey = m_itemKey;
        copy->setTitle(getTitle());
    } else {
        copy->setTitle("copy of " + getTitle());
        copy->setName(makeUniqueEntityName());
    }
    copy->copyLookFrom(*this);
    // The look's minimum size may have moved the corner copyFrom set.
    copy->setRect(getLeft(), getTop(), getRight(), getBottom());
    return copy;
}

void CActivityBox::applyDefaultSize() {
    setRight(getLeft() + 90);
    setBottom(getTop() + 36);
}

void CActivityBox::showProperties(EditorWindow* window, BOOL show, int mode) {
    if (!show)
        return;
    WorkflowDialogs* dialogs = WorkflowDialogs::current();
    const int doubleClickMode = dialogs ? dialogs->doubleClickMode(window) : 1;
    if (mode && doubleClickMode)
        editGraphicalProperties(window);
    else if (m_boundItem)
        editBoundItem(window);
    else
        selectOrCreateItem(window);
}

void CActivityBox::showGraphicalProperties(EditorWindow* window, BOOL /*show*/) {
    editGraphicalProperties(window);
}

DiagramMenu CActivityBox::popupMenu() const {
    DiagramMenu menu;
    if (m_boundItem)
        menu.append(CMD_PROPERTIES, "Edit object attributes");
    else
        menu.append(CMD_LINK_TO_ITEM, "Create / link to activity item");
    menu.append(CMD_GRAPHICAL_PROPERTIES, "Edit name and graphical properties");
    // Then the object commands of every entity, after their "Properties".
    const DiagramMenu common = objectMenu();
    for (size_t i = 1; i < common.items().size(); ++i) {
        const DiagramMenuItem& item = common.items()[i];
        if (item.isSeparator())
            menu.appendSeparator();
        else
            menu.append(item.id, item.text);
    }
    menu.appendSeparator();
    menu.append(CMD_LINK, "Link");
    return menu;
}

void CActivityBox::showPopupMenu(int x, int y, EditorWindow* window) {
    trackPopupMenu(popupMenu(), x, y, window);
}

void CActivityBox::linkToItem(EditorWindow* window) {
    selectOrCreateItem(window);
}

Item* CActivityBox::getParentItem() const {
    // A box rebuilt from its line (undo, paste) knows the diagram's item as its owner.
    return m_parentItem ? m_parentItem : getOwner();
}

Item* CActivityBox::selectOrCreateItem(EditorWindow* window) {
    WorkflowDialogs* dialogs = WorkflowDialogs::current();
    if (!dialogs)
        return m_boundItem;
    const ItemChoice choice = dialogs->selectOrCreateItem(m_project, kActivityClass);
    if (choice.result != IDOK)
        return m_boundItem;
    if (choice.create) {
        Item* parent = getParentItem();
        MainWindow* mainWindow = m_project ? m_project->getMainWindow() : nullptr;
        if (parent && mainWindow) {
            if (Item* created = mainWindow->addItem(parent, 2, kActivityClass, getTitle()))
                bindTo(created);
        }
        redraw(window);
    } else if (choice.selected) {
        bindTo(choice.selected);
        redraw(window);
    }
    return m_boundItem;
}

void CActivityBox::editBoundItem(EditorWindow* window) {
    if (!m_boundItem)
        return;
    if (auto* processItem = dynamic_cast<ProcessItem*>(m_boundItem))
        processItem->edit();
    setTitle(m_boundItem->getName());
    redraw(window);
}

void CActivityBox::editGraphicalProperties(EditorWindow* window) {
    WorkflowDialogs* dialogs = WorkflowDialogs::current();
    if (dialogs && dialogs->editActivityGraphicalProperties(*this, window) == IDOK)
        dialogs->redraw(window);
}

void CActivityBox::bindTo(Item* item) {
    m_boundItem = item;
    m_itemKey = item->getUid();
    setTitle(item->getName());
    touch();
}

int CActivityBox::allowsMultipleLinks() const {
    switch (m_notationKind) {
    case kTask:
    case kTransaction:
    case kSubProcess:
    case kCallActivity:
    case kEventSubProcess:
        return 1;
    default:
        return 0;
    }
}

int CActivityBox::getHalfWidthOnGrid() const {
    const CRect rect = getRect();
    return ((rect.right - rect.left) / 2) / 6 * 6;
}

CPoint CActivityBox::getLinkPosition(int side, int towardX, int towardY) const {
    const CRect r = getRect();
    const int plaqueMargin = (r.right - r.left - 38) / 2;
    const int halfHeight = ((r.bottom - r.top) / 2) / 6 * 6;
    switch (side) {
    case LINK_LEFT:
    case LINK_RIGHT: {
        CPoint p;
        if (m_notationKind == kArtistic)
            p = side == LINK_LEFT ? CPoint(r.left + plaqueMargin, r.top + 12)
                                  : CPoint(r.right - plaqueMargin, r.top + 12);
        else
            p = CPoint(side == LINK_LEFT ? r.left : r.right, r.top + halfHeight);
        p.y = slide(p.y, towardY, r.top, r.bottom);
        return p;
    }
    case LINK_TOP:
    case LINK_BOTTOM: {
        CPoint p(r.left + getHalfWidthOnGrid(), side == LINK_TOP ? r.top : r.bottom);
        p.x = slide(p.x, towardX, r.left, r.right);
        return p;
    }
    default:
        return CPoint(-1, -1);
    }
}

// The top and bottom markers sit where links attach, on the half width
// snapped to the grid (taken from the rectangle drawn, so at every zoom).
CRect CActivityBox::getSelectionMarkerRect(int hitCode, CRect rect) const {
    CRect marker = CFlowchartEntity::getSelectionMarkerRect(hitCode, rect);
    if (hitCode == DEHT_TOPMIDDLE || hitCode == DEHT_BOTTOMMIDDLE) {
        const int x = rect.left + ((rect.right - rect.left) / 2) / 6 * 6;
        const int width = marker.Width();
        marker.left = x - width / 2;
        marker.right = marker.left + width;
    }
    return marker;
}

void CActivityBox::refreshBinding() {
    if (!m_boundItem)
        return;
    // An item another user removed has the uid "0": the box lets it go.
    const CString uid = m_boundItem->getUid();
    if (uid == "0") {
        m_boundItem = nullptr;
        m_itemKey.Empty();
        touch();
    } else if (uid != m_itemKey) {
        m_itemKey = uid;
        touch();
    }
}

CString CActivityBox::toRecordString() const {
    return recordWriter()
        .text(getTitle())
        .text(getName())
        .plain(m_itemKey)
        .integer(getGroup())
        .integer(m_notationKind)
        .integer(m_style)
        .text(getTitleL2())
        .integer(m_taskType)
        .plain(m_customBitmap)
        .integer(m_loop)
        .integer(m_compensation)
        .integer(m_adHoc)
        .integer(m_parallelMultiInstance)
        .integer(m_sequentialMultiInstance)
        .integer(m_collapsed)
        .integer(m_eventTrigger)
        .integer(m_textRed)
        .integer(m_textGreen)
        .integer(m_textBlue)
        .integer(m_fontSize)
        .plain(m_fontName)
        .integer(m_bold)
        .str();
}

BOOL CActivityBox::parseRecordFields(CString& fields) {
    DiagramRecord::dropFinalSemicolon(fields);
    const CTokenizer parts(fields, ',');
    if (parts.getSize() < 7)
        return FALSE;
    auto number = [&](int i) { return DiagramRecord::readInt(parts.getElement(i)); };
    m_itemKey = parts.getElement(6);
    const int group = number(7);
    const int kind = number(8);
    const int style = number(9);
    const CString titleL2 = parts.getElement(10);
    int next = 11;
    if (parts.getSize() < 12) {
        setTaskType(0);
        setCustomBitmap("");
        setMarkers(0, 0, 0, 0, 0, 0);
        setEventTrigger(0);
        setTextColor(0, 0, 0);
        setFontSize(12);
        setFontName("Arial");
        setBold(0);
    } else {
        setTaskType(number(11));
        setCustomBitmap(parts.getElement(12));
        setMarkers(number(13), number(14), number(15), number(16), number(17), number(18));
        setEventTrigger(number(19));
        setTextColor(number(20), number(21), number(22));
        setFontSize(number(23));
        setFontName(parts.getElement(24));
        setBold(number(25));
        next = 26;
    }
    setNotationKind(kind);
    setRectFromRecord(parts);
    setStyle(style);
    setTitle(DiagramRecord::unescape(parts.getElement(4)));
    setTitleL2(DiagramRecord::unescape(titleL2));
    setName(DiagramRecord::unescape(parts.getElement(5)));
    m_boundItem = nullptr;
    if (Item* item = m_project && !m_itemKey.IsEmpty() ? m_project->findItemByUid(m_itemKey) : nullptr) {
        m_boundItem = item;
        setTitle(item->getName());
        setTitleL2(item->getNameByLanguage(1));
    }
    setGroup(group);
    fields = parts.joinFrom(next);
    touch();
    return TRUE;
}

void CActivityBox::setNotationKind(int kind) {
    m_notationKind = kind;
    setMinimumSize(kind == kArtistic ? CSize(38, 50) : CSize(38, 24));
    setMaximumSize(CSize(-1, -1));
    touch();
}

void CActivityBox::setStyle(int style) {
    m_style = style;
    if (style >= 0 && style < static_cast<int>(std::size(kPictureResources)))
        m_pictureResource = kPictureResources[style];
    touch();
}

void CActivityBox::setTaskType(int type) {
    m_taskType = type;
    touch();
}

void CActivityBox::setCustomBitmap(const CString& name) {
    m_customBitmap = name;
    touch();
}

void CActivityBox::setMarkers(int loop, int compensation, int adHoc, int parallel, int sequential,
                              int collapsed) {
    m_loop = loop;
    m_compensation = compensation;
    m_adHoc = adHoc;
    m_parallelMultiInstance = parallel;
    m_sequentialMultiInstance = sequential;
    m_collapsed = collapsed;
    touch();
}

void CActivityBox::setEventTrigger(int trigger) {
    m_eventTrigger = trigger;
    touch();
}

void CActivityBox::setTextColor(int red, int green, int blue) {
    m_textRed = red;
    m_textGreen = green;
    m_textBlue = blue;
    touch();
}

void CActivityBox::setFontSize(int size) {
    m_fontSize = size;
    touch();
}

void CActivityBox::setFontName(const CString& name) {
    m_fontName = name;
    touch();
}

void CActivityBox::setBold(int bold) {
    m_bold = bold;
    touch();
}

CString CActivityBox::getOwnerFolderPath() const {
    Item* owner = getOwner();
    if (!owner)
        return CString();
    Project* project = m_project ? m_project : owner->getProject();
    return (project ? project->getProjectDirectory() : CString()) + owner->getFolder(1, 1);
}

bool CActivityBox::isUsableBitmapName(const CString& name) {
    // The name is a file of the diagram's own folder: a path that leads
    // elsewhere reads as a missing file.
    return !name.IsEmpty() && name.Find('/') < 0 && name.Find('\\') < 0 && name.Find("..") < 0 &&
           name.Find(':') < 0;
}

std::shared_ptr<const DiagramPicture> CActivityBox::loadCustomBitmap() const {
    if (!isUsableBitmapName(m_customBitmap))
        return nullptr;
    const CString folder = getOwnerFolderPath();
    if (folder.IsEmpty())
        return nullptr;
    return DiagramPicture::load(folder + m_customBitmap);
}

CString CActivityBox::getCaption(int language) const {
    if (m_boundItem)
        return m_boundItem->getNameByLanguage(language);
    return language == 1 ? getTitleL2() : getTitle();
}

void CActivityBox::draw(DiagramDC& dc, CRect rect, int language) {
    const int saved = dc.SaveDC();
    const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    dc.SelectStockObject(BLACK_PEN);
    dc.SelectStockObject(WHITE_BRUSH);
    const CString caption = getCaption(language);
    dc.SelectObject(CFont{.height = m_fontSize, .weight = m_bold ? FW_BOLD : FW_NORMAL, .face = m_fontName});
    // Captions below a picture show the selection: white on grey.
    auto selectionLook = [&](bool ownColor) {
        if (isSelected()) {
            dc.SetBkMode(OPAQUE);
            dc.SetBkColor(RGB(128, 128, 128));
            dc.SetTextColor(RGB(255, 255, 255));
        } else {
            dc.SetBkMode(TRANSPARENT);
            if (ownColor)
                dc.SetTextColor(getTextColor());
        }
    };
    const UINT centred = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;

    const bool customNamed = m_notationKind == kCustomBitmap && !m_customBitmap.IsEmpty();
    if (customNamed) {
        // A picture that does not load leaves the box invisible but for its markers.
        if (const auto picture = loadCustomBitmap()) {
            const int w = picture->width(), h = picture->height();
            dc.DrawPicture(l + (r - l - w) / 2, t, *picture);
            setMinimumSize(CSize(w, h + 14));
            selectionLook(false);
            dc.DrawText(caption, CRect(l, t + h + 2, r, b), centred);
        }
        dc.RestoreDC(saved);
        return;
    }

    if (m_notationKind == kArtistic) {
        // The picture the style chose last (styles beyond 4 keep it).
        const int* resource =
            std::find(std::begin(kPictureResources), std::end(kPictureResources), m_pictureResource);
        const DiagramPicture& plaque =
            NodePictures::activityPlaque(static_cast<int>(resource - std::begin(kPictureResources)));
        if (!plaque.isNull())
            dc.DrawPicture(CRect(l + (r - l - 38) / 2, t, l + (r - l - 38) / 2 + 38, t + 24), plaque);
    } else if (m_notationKind == kTriangle) {
        COLORREF fill = RGB(255, 255, 255);
        COLORREF outline = RGB(0, 0, 0);
        switch (m_style) {
        case 0:
            fill = RGB(200, 50, 50);
            outline = RGB(100, 0, 0);
            break;
        case 1:
            fill = RGB(25, 25, 200);
            break;
        case 2:
            fill = RGB(25, 150, 25);
            break;
        case 9:
            fill = RGB(0, 0, 0);
            break;
        default:
            break;
        }
        dc.SelectObject(CPen(PS_SOLID, 1, outline));
        dc.SelectObject(CBrush(fill));
        const CPoint corners[] = {{(l + r) / 2, t}, {(l + r - 24) / 2, t + 24}, {(l + r + 24) / 2, t + 24}};
        dc.Polygon(corners, 3);
        dc.SelectStockObject(BLACK_PEN);
        dc.SelectStockObject(WHITE_BRUSH);
    } else {
        drawRounded(dc, rect, caption);
    }

    if (m_notationKind == kArtistic && isSelected()) {
        const int d = (r - l - 38) / 2;
        dc.SelectObject(CBrush(RGB(255, 255, 128)));
        dc.Rectangle(l + d - 3, t + 9, l + d + 3, t + 15);
        dc.Rectangle(r - d - 3, t + 9, r - d + 3, t + 15);
    }
    if (m_notationKind == kArtistic || m_notationKind == kTriangle) {
        selectionLook(true);
        dc.DrawText(caption, CRect(l, t + 26, r, b), centred);
    }
    dc.RestoreDC(saved);
}

// The frame of a rounded notation, whose pixels depend only on the kind, the
// scheme and the size: the gradient, the border and the shadow, in the
// rectangle (l, t, r, b).
static void drawRoundedFrame(DiagramDC& dc, CRect rect, int kind, const NotationScheme& scheme) {
    const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    const CRect outer(l + 2, t, r, b - 2);
    const CRect inner(l + 4, t + 2, r - 2, b - 4);
    CGradient().drawGradient(dc, kind == CActivityBox::kTransaction ? inner : outer, scheme.dark,
                             scheme.light, 0, 0.4);

    dc.SelectStockObject(NULL_BRUSH);
    const COLORREF border = kind == CActivityBox::kUmlActivity ? scheme.outline : RGB(0, 0, 0);
    dc.SelectObject(CPen(kind == CActivityBox::kEventSubProcess ? PS_DOT : PS_SOLID, 1, border));
    dc.RoundRect(outer, CPoint(6, 6));
    if (kind == CActivityBox::kCallActivity)
        dc.RoundRect(CRect(l + 3, t + 1, r - 1, b - 3), CPoint(6, 6));
    if (kind == CActivityBox::kTransaction)
        dc.RoundRect(inner, CPoint(6, 6));

    const int L = l + 2, B = b - 2;
    auto polyline = [&](COLORREF color, std::initializer_list<CPoint> points) {
        dc.SelectObject(CPen(PS_SOLID, 1, color));
        auto p = points.begin();
        dc.MoveTo(*p);
        for (++p; p != points.end(); ++p)
            dc.LineTo(*p);
    };
    polyline(RGB(150, 150, 150), {{L - 1, t + 3}, {L - 1, B - 3}, {L + 2, B}, {r - 3, B}});
    polyline(RGB(225, 225, 225), {{L - 2, t + 4}, {L - 2, B - 3}, {L + 2, B + 1}, {r - 4, B + 1}});
    polyline(RGB(240, 240, 240), {{L - 1, B - 1}, {L + 1, B + 1}});
    polyline(RGB(240, 240, 240), {{L - 2, B - 3}, {L - 2, B - 2}});
    polyline(RGB(240, 240, 240), {{L + 2, B + 1}, {L + 3, B + 1}});
    dc.SelectStockObject(BLACK_PEN);
}

// Frames drawn once per kind, scheme and size and kept, as the gradients
// are: a repaint composites them.
static const DiagramPicture* roundedFrameTile(int width, int height, int kind, int style) {
    constexpr size_t kMaxTiles = 1024;
    constexpr long kMaxPixels = 512L * 512L;
    if (width < 1 || height < 1 || static_cast<long>(width) * height > kMaxPixels)
        return nullptr;
    static std::map<std::tuple<int, int, int, int>, std::unique_ptr<DiagramPicture>> kept;
    const auto key = std::make_tuple(width, height, kind, NotationColors::isScheme(style) ? style : -1);
    if (auto hit = kept.find(key); hit != kept.end())
        return hit->second.get();
    if (kept.size() >= kMaxTiles)
        kept.clear();
    auto tile = std::make_unique<DiagramPicture>(width, height);
    {
        DiagramDC dc(*tile);
        drawRoundedFrame(dc, CRect(0, 0, width - 1, height - 1), kind, NotationColors::scheme(style));
    }
    return kept.emplace(key, std::move(tile)).first->second.get();
}

// The UML and BPMN boxes: gradient, border, shadow, icons, markers, caption.
void CActivityBox::drawRounded(DiagramDC& dc, CRect rect, const CString& caption) {
    const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    // The frame covers l..r and t..b (the right and bottom of the rectangle included).
    if (const DiagramPicture* tile = roundedFrameTile(r - l + 1, b - t + 1, m_notationKind, m_style))
        dc.DrawPicture(l, t, *tile);
    else
        drawRoundedFrame(dc, rect, m_notationKind, NotationColors::scheme(m_style));

    if (m_notationKind == kEventSubProcess && m_collapsed && m_eventTrigger >= 1 &&
        m_eventTrigger <= kLastEventTrigger)
        dc.DrawPicture(l + 6, t + 4, ActivitySymbols::eventTrigger(m_eventTrigger));
    const bool taskIcon = m_notationKind == kTask || m_notationKind == kCallActivity;
    if (taskIcon && m_taskType >= 1 && m_taskType <= kLastTaskType)
        dc.DrawPicture(l + 6, t + 4, ActivitySymbols::taskIcon(m_taskType));

    int markers = 0;
    if (m_notationKind != kUmlActivity) {
        const std::pair<int, ActivitySymbols::Marker> order[] = {
            {m_collapsed, ActivitySymbols::kCollapsed},
            {m_loop, ActivitySymbols::kLoop},
            {m_sequentialMultiInstance, ActivitySymbols::kSequential},
            {m_parallelMultiInstance, ActivitySymbols::kParallel},
            {m_adHoc, ActivitySymbols::kAdHoc},
            {m_compensation, ActivitySymbols::kCompensation},
        };
        for (const auto& [set, marker] : order)
            markers += set ? 1 : 0;
        if (markers > 0) {
            int x = (l + r + 2) / 2 + (2 - 2 * markers) / 2 - 13 * markers / 2;
            const int y = b - markerRise();
            for (const auto& [set, marker] : order) {
                if (!set)
                    continue;
                dc.DrawPicture(x, y, ActivitySymbols::marker(marker));
                x += 15;
            }
        }
    }

    CRect c(l + 5, t + 5, r - 5, b - 5);
    if ((taskIcon && m_taskType != 0) || (m_notationKind == kEventSubProcess && m_collapsed))
        c.left += 24;
    if (markers > 0)
        c.bottom -= 13;
    const bool expanded = !m_collapsed && (m_notationKind == kTransaction || m_notationKind == kSubProcess ||
                                           m_notationKind == kEventSubProcess);
    const bool leftAligned =
        !m_collapsed && (m_notationKind == kTransaction || m_notationKind == kSubProcess);
    const UINT format = (leftAligned ? DT_LEFT : DT_CENTER) | DT_WORDBREAK | DT_NOPREFIX;
    if (!expanded) {
        CRect measured = c;
        dc.DrawText(caption, measured, format | DT_CALCRECT);
        if (measured.Height() < c.Height())
            c.top += (c.Height() - measured.Height()) / 2;
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(getTextColor());
    dc.DrawText(caption, c, format);
}

int CActivityBox::markerRise() const {
    switch (m_notationKind) {
    case kTask:
    case kSubProcess:
    case kEventSubProcess:
        return 17;
    case kCallActivity:
        return 18;
    case kTransaction:
        return 19;
    default:
        return 15;
    }
}
