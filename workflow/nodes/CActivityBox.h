#pragma once

// The node of keyword "Activity": one step of a workflow, drawn as a UML
// activity, one of the BPMN tasks and sub-processes, a coloured plaque or
// triangle with its caption below, or a picture of the user's. It is usually
// bound by uid to an activity, macro-activity, phase or workflow item: a
// bound box shows its item's name, and saving the diagram keeps the diagram
// item's children in step with its boxes (WorkflowDiagramFile).
//
// Record (after "Activity:"): left, top, right, bottom, title, name, item
// key, group, notation kind, style, second-language title, task type,
// custom bitmap, the six markers, event trigger, text red, green, blue,
// font size, font name, bold. Records of the older layout stop after the
// second-language title; they read with a black, not bold, 12-pixel
// "Arial" caption.

#include "CFlowchartEntity.h"
#include "DiagramPicture.h"

#include <memory>

class Item;
class Project;

class CActivityBox : public CFlowchartEntity {
public:
    // Notation kinds.
    enum Notation {
        kArtistic = 0,
        kUmlActivity = 1,
        kTriangle = 2,
        kTask = 3,
        kTransaction = 4,
        kSubProcess = 5,
        kCallActivity = 6,
        kCustomBitmap = 7,
        kEventSubProcess = 8,
    };
    // Task types 0-7 (0 abstract, no icon) and event triggers 0-16.
    static constexpr int kLastTaskType = 7;
    static constexpr int kLastEventTrigger = 16;

    // A box as the toolbar makes it: UML activity in colour scheme 10,
    // titled "title", unbound. A null project is the open process manager's.
    explicit CActivityBox(Project* project = nullptr, Item* parentItem = nullptr);
    // A box bound to the item (none when null) at (x, y): artistic plaque 0,
    // 38 x 50, titled with the item's name.
    CActivityBox(Project* project, Item* item, int x, int y, Item* parentItem);

    // The factory's reader: a box over the open process manager without a
    // parent item, or null when the line is no activity record.
    static std::unique_ptr<CDiagramEntity> createFromRecord(const CString& record);

    std::unique_ptr<CDiagramEntity> clone(BOOL keepName) const override;
    // 90 x 36 from the top-left corner where the box was placed.
    void applyDefaultSize() override;
    void showProperties(EditorWindow* window, BOOL show, int mode) override;
    void showGraphicalProperties(EditorWindow* window, BOOL show) override;
    void showPopupMenu(int x, int y, EditorWindow* window) override;
    void linkToItem(EditorWindow* window) override;
    void editGraphicalProperties(EditorWindow* window) override;
    void draw(DiagramDC& dc, CRect rect, int language) override;
    int allowsMultipleLinks() const override;
    CRect getSelectionMarkerRect(int hitCode, CRect rect) const override;
    CString toRecordString() const override;
    BOOL parseRecordFields(CString& fields) override;
    CPoint getLinkPosition(int side, int towardX = -1, int towardY = -1) const override;

    // The popup menu as it is tracked.
    DiagramMenu popupMenu() const;

    // Binding.
    // The create-or-select dialog: "Create" has the main window add an
    // activity under the parent item, "Select" binds the chosen item. The
    // bound item afterwards (the earlier one, or null).
    Item* selectOrCreateItem(EditorWindow* window);
    // The bound item's property sheet; the title follows its name.
    void editBoundItem(EditorWindow* window);
    Item* getBoundItem() const { return m_boundItem; }
    // Binds the box to the item: key, item and first-language title.
    void bindTo(Item* item);
    const CString& getItemKey() const { return m_itemKey; }
    // Before the box is written: the key follows the bound item's uid (Set
    // UID may have changed it), and an item whose uid became "0" (another
    // user removed it) is let go, key and all.
    void refreshBinding();
    Item* getParentItem() const;
    void setParentItem(Item* item) { m_parentItem = item; }
    Project* getProject() const { return m_project; }

    // Look.
    int getNotationKind() const { return m_notationKind; }
    // Also sets the minimum size: 38 x 50 for the plaque, 38 x 24 otherwise.
    void setNotationKind(int kind);
    int getStyle() const { return m_style; }
    // Also picks the plaque of styles 0-4.
    void setStyle(int style);
    int getPictureResource() const { return m_pictureResource; }
    int getTaskType() const { return m_taskType; }
    void setTaskType(int type);
    CString getCustomBitmap() const { return m_customBitmap; }
    void setCustomBitmap(const CString& name);
    int getLoop() const { return m_loop; }
    int getCompensation() const { return m_compensation; }
    int getAdHoc() const { return m_adHoc; }
    int getParallelMultiInstance() const { return m_parallelMultiInstance; }
    int getSequentialMultiInstance() const { return m_sequentialMultiInstance; }
    int getCollapsed() const { return m_collapsed; }
    // The six markers in the record's order: loop, compensation, ad hoc,
    // parallel and sequential multi-instance, collapsed.
    void setMarkers(int loop, int compensation, int adHoc, int parallel, int sequential, int collapsed);
    int getEventTrigger() const { return m_eventTrigger; }
    void setEventTrigger(int trigger);
    COLORREF getTextColor() const { return RGB(m_textRed, m_textGreen, m_textBlue); }
    void setTextColor(int red, int green, int blue);
    int getFontSize() const { return m_fontSize; }
    void setFontSize(int size);
    CString getFontName() const { return m_fontName; }
    void setFontName(const CString& name);
    int getBold() const { return m_bold; }
    void setBold(int bold);

    // The project folder + the owner item's folder, where a custom bitmap
    // lies; empty without an owner item.
    CString getOwnerFolderPath() const;
    // Half the width rounded down to a multiple of 6: where links attach on
    // the top and bottom sides.
    int getHalfWidthOnGrid() const;

    // Whether a custom bitmap's name can name a file of the diagram's folder:
    // a name with a separator, a drive or ".." never does, and counts as missing.
    static bool isUsableBitmapName(const CString& name);
    // The custom bitmap, read once per path, size and time; null when
    // missing or unreadable.
    std::shared_ptr<const DiagramPicture> loadCustomBitmap() const;
    // The caption: the bound item's name in the language, else the title
    // of the language.
    CString getCaption(int language) const;

private:
    void drawRounded(DiagramDC& dc, CRect rect, const CString& caption);
    // How far above the bottom the marker row sits.
    int markerRise() const;
    void copyLookFrom(const CActivityBox& other);

    int m_pictureResource = 0;
    CString m_itemKey;
    Item* m_boundItem = nullptr;
    Item* m_parentItem = nullptr;
    Project* m_project = nullptr;
    int m_notationKind = kUmlActivity;
    int m_style = 10;
    int m_taskType = 0;
    CString m_customBitmap;
    int m_loop = 0;
    int m_compensation = 0;
    int m_adHoc = 0;
    int m_parallelMultiInstance = 0;
    int m_sequentialMultiInstance = 0;
    int m_collapsed = 0;
    int m_eventTrigger = 0;
    int m_textRed = 0;
    int m_textGreen = 0;
    int m_textBlue = 0;
    int m_fontSize = 14;
    CString m_fontName = "Arial";
    int m_bold = 1;
};
