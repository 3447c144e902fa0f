#pragma once

// The base of every object that can stand on a diagram: its rectangle in
// unzoomed diagram units (doubles), its titles in the two content languages,
// its unique name (links refer to entities by it), its group and its
// selection. It draws itself at a zoom, answers hit tests with hit codes,
// handles the object commands and writes and reads itself as one record
// line.
//
// Hit codes: 0 none, 1 body, 2 top-left, 3 top, 4 top-right, 5 bottom-left,
// 6 bottom, 7 bottom-right, 8 left, 9 right.
//
// Record line. An entity keeps the line it writes (recordLine()) until it
// changes, so that undo snapshots and a save share one string per unchanged
// entity. Every setter of a field that the record holds calls touch(); a
// subclass does the same in its own setters and never changes such a field
// but through them.

#include "CPoint.h"
#include "CRect.h"
#include "CSize.h"
#include "CString.h"
#include "DiagramCursor.h"
#include "DiagramMenu.h"
#include "DiagramRecord.h"
#include "KeptRecordLine.h"
#include "WinTypes.h"

#include <cstdint>
#include <memory>

class CDiagramEntityContainer;
class CTokenizer;
class DiagramDC;
class DiagramPropertyDialog;
class EditorWindow;
class Item;

// The object commands an entity handles (its popup menu's ids).
constexpr UINT CMD_CUT = 100;
constexpr UINT CMD_COPY = 101;
constexpr UINT CMD_DUPLICATE = 102;
constexpr UINT CMD_PROPERTIES = 103;
constexpr UINT CMD_UP = 104;
constexpr UINT CMD_DOWN = 105;
constexpr UINT CMD_TO_FRONT = 106;
constexpr UINT CMD_TO_BACK = 107;
constexpr UINT CMD_SELECT_GROUP = 108;
constexpr UINT CMD_LINK_TO_ITEM = 110;
constexpr UINT CMD_GRAPHICAL_PROPERTIES = 111;

// Hit codes.
constexpr int DEHT_NONE = 0;
constexpr int DEHT_BODY = 1;
constexpr int DEHT_TOPLEFT = 2;
constexpr int DEHT_TOPMIDDLE = 3;
constexpr int DEHT_TOPRIGHT = 4;
constexpr int DEHT_BOTTOMLEFT = 5;
constexpr int DEHT_BOTTOMMIDDLE = 6;
constexpr int DEHT_BOTTOMRIGHT = 7;
constexpr int DEHT_LEFTMIDDLE = 8;
constexpr int DEHT_RIGHTMIDDLE = 9;

// The area of the site's image map that an entity leads to, as the
// clickable-area file holds it: the key its line starts with (the uid of
// the item a node is bound to, or a picture node's linked item key), the
// rectangle in diagram units, and, for a picture node, its five texts
// (address, mouse-over, mouse-out and click scripts, target frame).
struct ClickableArea {
    CString key;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    bool freeArea = false; // a picture node's: the five texts follow
    CString texts[5];
};

class CDiagramEntity {
public:
    CDiagramEntity();
    virtual ~CDiagramEntity();
    CDiagramEntity(const CDiagramEntity&) = delete;
    CDiagramEntity& operator=(const CDiagramEntity&) = delete;

    // Life and copying.
    // Rectangle 0, 0, 0, 0 (through setRect), marker 8 x 8, constraints
    // 1 x 1 and none, not selected, no parent, no name.
    virtual void clear();
    // A new object of the entity's own class with the same data; the base
    // keeps the name whatever keepName says.
    virtual std::unique_ptr<CDiagramEntity> clone(BOOL keepName) const;
    // Marker size, constraints, selection, parent, type, title, name,
    // rectangle, group and owner of the other entity (not titleL2).
    virtual void copyFrom(const CDiagramEntity& other);
    // TRUE when the line is a record of this entity's type and its fields
    // read; the entity is left unchanged otherwise.
    virtual BOOL loadFromRecord(const CString& record);
    virtual CString getExportLine(int format) const;
    // The area the site's picture of the diagram links from this entity,
    // measured by its last drawing; false (the base) for an entity that
    // leads nowhere. Nodes bound to items and picture nodes say theirs.
    virtual bool getClickableArea(ClickableArea& area) const;
    // An area over the entity's rectangle, led to by the key.
    ClickableArea areaOverRect(const CString& key) const;
    virtual CString toRecordLine() const;
    virtual void applyDefaultSize();

    // Geometry, unzoomed.
    // The rectangle with each double truncated toward zero.
    virtual CRect getRect() const;
    // Sets the four sides, then applies the minimum and maximum size by
    // moving only right and bottom.
    virtual void setRect(double left, double top, double right, double bottom);
    virtual void setIntRect(CRect rect);
    virtual void moveRect(double dx, double dy);
    virtual void setLeft(double left);
    virtual void setRight(double right);
    virtual void setTop(double top);
    virtual void setBottom(double bottom);
    // Sizes of -1 mean no limit.
    virtual void setMinimumSize(CSize size);
    virtual CSize getMinimumSize() const;
    virtual void setMaximumSize(CSize size);
    virtual CSize getMaximumSize() const;
    virtual void setConstraints(CSize minimum, CSize maximum);

    // Identity, selection and hit tests.
    virtual BOOL isOfType(const CString& type) const;
    // Selecting an entity of a group selects its whole group.
    virtual void select(BOOL selected);
    virtual BOOL isSelected() const;
    virtual BOOL isInsideRect(CRect rect) const;
    virtual int getHitCodeInRect(CPoint point, CRect rect) const;
    virtual int getHitCode(CPoint point) const;

    // Commands and dialogs; answers 1 when the command was handled.
    virtual int handleCommand(UINT command, CDiagramEntity* sender, EditorWindow* window);
    virtual void showProperties(EditorWindow* window, BOOL show, int mode);
    virtual void showGraphicalProperties(EditorWindow* window, BOOL show);
    virtual void showPopupMenu(int x, int y, EditorWindow* window);
    virtual void linkToItem(EditorWindow* window);
    virtual void editGraphicalProperties(EditorWindow* window);

    // Drawing at a zoom: draw() gets the device rectangle; language 0 shows
    // the first-language title, any other the second-language one.
    virtual void draw(DiagramDC& dc, CRect rect, int language);
    virtual DiagramCursor getCursor(int hitCode) const;
    virtual void drawObject(DiagramDC& dc, double zoom, int language);

    virtual CString getTitle() const;
    virtual CString getTitleL2() const;
    virtual void setTitle(const CString& title);
    virtual void setTitleL2(const CString& title);
    virtual CString getName() const;
    virtual void setName(const CString& name);
    virtual int allowsMultipleLinks() const;

    virtual void drawSelectionMarkers(DiagramDC& dc, CRect rect);
    // The marker of a hit code 2-9 centred on its point of the rectangle;
    // the rectangle itself for any other code.
    virtual CRect getSelectionMarkerRect(int hitCode, CRect rect) const;

    // The record without its final ";".
    virtual CString toRecordString() const;
    // The keyword before the first ":" (trimmed); the fields stay in text.
    virtual CString splitRecordType(CString& text) const;
    // Reads the entity's fields; the fields it did not take stay in the text.
    virtual BOOL parseRecordFields(CString& fields);

    // The record line the entity writes now, kept until the entity changes.
    std::shared_ptr<const CString> recordLine() const;
    // Keeps line as the entity's record line when it is the line the entity
    // writes, so that equal lines are one string (a snapshot's, a save's).
    void shareRecordLine(const std::shared_ptr<const CString>& line) const;

    CString getType() const { return m_type; }
    void setType(const CString& type);
    double getLeft() const { return m_left; }
    double getRight() const { return m_right; }
    double getTop() const { return m_top; }
    double getBottom() const { return m_bottom; }
    void setMarkerSize(CSize size) { m_markerSize = size; }
    CSize getMarkerSize() const { return m_markerSize; }
    double getZoom() const { return m_zoom; }
    void setZoom(double zoom) { m_zoom = zoom; }
    int getGroup() const { return m_group; }
    void setGroup(int group);
    void setParent(CDiagramEntityContainer* parent) { m_parent = parent; }
    CDiagramEntityContainer* getParent() const { return m_parent; }
    void setOwner(Item* owner) { m_owner = owner; }
    Item* getOwner() const { return m_owner; }
    // The order of the last select(TRUE) among all entities of the program:
    // a counter, so that of two entities the one selected first is known.
    std::uint64_t getSelectionTime() const { return m_selectionTime; }
    // What undo gives back of a selection: the flag and its order, set
    // without selecting the group.
    void restoreSelection(BOOL selected, std::uint64_t selectionTime);
    // 1: the editor opens the properties of a newly placed entity; 0: it lets
    // the user drag its size.
    int showsPropertiesOnPlacement() const { return m_propertiesOnPlacement; }
    // The template of the modeless property dialog (0: none) and the dialog,
    // made the first time the properties are shown.
    void setPropertyDialogTemplate(UINT templateId) { m_propertyDialogTemplate = templateId; }
    UINT getPropertyDialogTemplate() const { return m_propertyDialogTemplate; }
    DiagramPropertyDialog* getPropertyDialog() const { return m_propertyDialog.get(); }

    // A double truncated toward zero, held within the range of int (0 for
    // what is not a number): how a coordinate becomes whole units.
    static int truncate(double value);

protected:
    // A record of the entity's type begun with its four coordinates.
    DiagramRecord::Writer recordWriter() const;
    // setRect with the coordinates of a record's first four fields.
    void setRectFromRecord(const CTokenizer& parts);
    // The record line changed: the kept line is dropped.
    void touch() { m_recordLine.reset(); }
    void setMultipleLinks(int multiple) { m_multipleLinks = multiple; }
    void setPropertiesOnPlacement(int show) { m_propertiesOnPlacement = show; }
    // The popup menu's object commands, and its tracking by the dialogs
    // service (nothing without one).
    static DiagramMenu objectMenu();
    static void trackPopupMenu(const DiagramMenu& menu, int x, int y, EditorWindow* window);

    // The fields of the base record: left, top, right, bottom, title, name,
    // group and the optional titleL2. read() takes them from the parts
    // (FALSE with fewer than 7) and says how many it consumed; apply() sets
    // the rectangle (so the constraints apply) and the unescaped texts.
    struct BaseFields {
        double left = 0, top = 0, right = 0, bottom = 0;
        CString title, name, titleL2;
        int group = 0;
        int consumed = 0;
        BOOL read(const CTokenizer& parts);
        void apply(CDiagramEntity& entity) const;
    };

private:
    CSize m_markerSize{8, 8};
    std::uint64_t m_selectionTime = 0;
    Item* m_owner = nullptr;
    int m_multipleLinks = 0;
    int m_propertiesOnPlacement = 1;
    double m_left = -1;
    double m_right = -1;
    double m_top = -1;
    double m_bottom = -1;
    CSize m_minimumSize{1, 1};
    CSize m_maximumSize{-1, -1};
    double m_zoom = 1.0;
    BOOL m_selected = FALSE;
    CString m_type = "basic";
    CString m_title;
    CString m_titleL2;
    CString m_name;
    int m_group = 0;
    UINT m_propertyDialogTemplate = 0;
    std::unique_ptr<DiagramPropertyDialog> m_propertyDialog;
    CDiagramEntityContainer* m_parent = nullptr;
    KeptRecordLine m_recordLine;
};

// What each class's createFromRecord does: a new object of the class, kept
// when the record loads into it, else dropped (null).
template <class Entity> std::unique_ptr<CDiagramEntity> createEntityFromRecord(const CString& record) {
    auto entity = std::make_unique<Entity>();
    if (!entity->loadFromRecord(record))
        return nullptr;
    return entity;
}
