#pragma once

// One control of a dialog built at run time (CDynDialogEx): its window
// class or kind, caption, styles, rectangle in dialog units, id, and the
// variable it exchanges its value with. The kinds are the predefined window
// classes of dialog templates, by number; each becomes the wxWidgets control
// that does the same work.

#include "CString.h"
#include "CTime.h"
#include "WinTypes.h"

class wxWindow;

// Window styles of a dialog's controls, as callers give them.
namespace DynStyle {
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr DWORD BS_CHECKBOX = 0x2;
constexpr DWORD BS_AUTOCHECKBOX = 0x3;
constexpr DWORD BS_RADIOBUTTON = 0x4;
constexpr DWORD BS_3STATE = 0x5;
constexpr DWORD BS_AUTO3STATE = 0x6;
constexpr DWORD BS_GROUPBOX = 0x7;
constexpr DWORD BS_AUTORADIOBUTTON = 0x9;
constexpr DWORD ES_MULTILINE = 0x4;
constexpr DWORD ES_PASSWORD = 0x20;
constexpr DWORD ES_READONLY = 0x800;
constexpr DWORD SS_CENTER = 0x1;
constexpr DWORD SS_RIGHT = 0x2;
constexpr DWORD LBS_SORT = 0x2;
constexpr DWORD CBS_DROPDOWNLIST = 0x3;
constexpr DWORD CBS_SORT = 0x100;
constexpr DWORD SBS_VERT = 0x1;
constexpr DWORD TBS_VERT = 0x2;
constexpr DWORD DTS_TIMEFORMAT = 0x9;
} // namespace DynStyle

// A rectangle in dialog units.
struct DynRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const DynRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

// The variable a control exchanges its value with: a number (radio index,
// check state, scroll or slider position), a text (edit, static), a time
// (date and time pickers), or the place that receives the control itself
// for the kinds that are used as windows (lists, combo boxes...).
struct DynData {
    int* number = nullptr;
    CString* text = nullptr;
    CTime* time = nullptr;
    wxWindow** window = nullptr;
    DynData() = default;
    DynData(std::nullptr_t) {}
    DynData(int* value) : number(value) {}
    DynData(CString* value) : text(value) {}
    DynData(CTime* value) : time(value) {}
    DynData(wxWindow** value) : window(value) {}
    bool isEmpty() const { return !number && !text && !time && !window; }
};

class CDynDialogItemEx {
public:
    enum Kind {
        kNone = 0,
        kButton = 128,
        kEdit,
        kStatic,
        kListBox,
        kScrollBar,
        kComboBox,
        kUpDown,
        kProgress,
        kTrackBar,
        kHotKey,
        kListView,
        kTreeView,
        kTabControl,
        kAnimate,
        kRichEdit,
        kDateTimePick,
        kMonthCalendar,
        kIpAddress,
        kComboBoxEx,
    };

    // Sets the control from a kind or a window class name; both answer the id.
    UINT setFromKind(int kind, const CString& caption, DWORD style, DWORD exStyle, const DynRect& rect,
                     DynData data, UINT id, bool inTemplate);
    UINT setFromClassName(const CString& className, const CString& caption, DWORD style, DWORD exStyle,
                          const DynRect& rect, DynData data, UINT id, bool inTemplate);

    // Creates the control as a child of parent; null when its kind makes
    // none here (a class the program does not know).
    wxWindow* createWindow(wxWindow* parent);
    // The value between the control and its variable.
    void exchange(bool save);

    // Kind -> class name ("" for an unknown kind) and class name -> kind:
    // a name matches a class of the table when it starts with it, so
    // "RICHEDIT20A" is a rich edit; 0 for no match.
    static CString classNameOfKind(int kind);
    static int kindOfClassName(const CString& className);

    const CString& getClassName() const { return m_className; }
    int getKind() const { return m_kind; }
    UINT getId() const { return m_id; }
    DWORD getStyle() const { return m_style; }
    DWORD getExStyle() const { return m_exStyle; }
    const DynRect& getRect() const { return m_rect; }
    const CString& getCaption() const { return m_caption; }
    const DynData& getData() const { return m_data; }
    bool isInTemplate() const { return m_inTemplate; }
    wxWindow* getWindow() const { return m_window; }
    // A push button with id 1 or 2: the dialog's OK or Cancel.
    bool isDialogButton() const;
    // The window id: OK and Cancel take the toolkit's own.
    int windowId() const;

private:
    CString m_className;
    int m_kind = kNone;
    UINT m_id = 0;
    DWORD m_style = 0;
    DWORD m_exStyle = 0;
    DynRect m_rect;
    CString m_caption;
    DynData m_data;
    bool m_inTemplate = false;
    wxWindow* m_window = nullptr;
};
