#pragma once

// The page editor: a modal dialog in which the user edits one HTML page of
// the site in place, or only looks at it. It hosts the editing surface
// (CHtmlEditor), a toolbar of formatting, table, separator, picture, file
// and hyperlink commands, a font-name box, a font-size box and a "Source"
// toggle; on OK it cleans the page and writes it back into its file.
//
// Callers build it on the stack for one page file and run DoModal:
//   editing an item's page        viewOnly 0, linkMode 1, "Edit " + item name
//   viewing an item's page        viewOnly 1, linkMode 0, "View " + item name
//   an activity's procedure page  viewOnly 0, linkMode 1, "edit procedure of " + activity name
//   an activity's step page       viewOnly 0, linkMode 0, "Edit step " + step + " of activity " + name
// pageDirectory (the project folder followed by the item's folder) is
// where inserted pictures are copied. Everything the dialog changes is on
// disk: the page file, and the pictures and documents copied beside it.

#include "CString.h"
#include "TolvaneDialog.h"

#include <functional>
#include <wx/timer.h>

class CHtmlEditor;
class ProcessItem;
class ProcessManager;
class wxChoice;
class wxComboBox;
class wxToggleButton;

class CDHtmlEditDlg : public TolvaneDialog {
public:
    enum ControlId { IDC_FONT_NAME = 1018, IDC_FONT_SIZE = 1030, IDC_SOURCE = 1037, IDC_PLACEHOLDER = 1040 };
    // The toolbar's commands.
    enum Command {
        ID_INSERT_TABLE = 1001,
        ID_ROW_ABOVE = 1002,
        ID_ROW_BELOW = 1004,
        ID_CELL_COLOR = 1007,
        ID_TABLE_PROPERTIES = 1008,
        ID_DELETE_ROW = 1010,
        ID_DELETE_COLUMN = 1012,
        ID_SEPARATOR = 1013,
        ID_SEPARATOR_PROPERTIES = 1014,
        ID_COLUMN_LEFT = 1015,
        ID_TEXT_COLOR = 1016,
        ID_BACK_COLOR = 1017,
        ID_BOLD = 1020,
        ID_ITALIC = 1021,
        ID_UNDERLINE = 1022,
        ID_ALIGN_LEFT = 1023,
        ID_ALIGN_CENTER = 1024,
        ID_BULLETS = 1025,
        ID_ALIGN_RIGHT = 1026,
        ID_NUMBERING = 1027,
        ID_IMAGE = 1028,
        ID_HYPERLINK = 1029,
        ID_COLUMN_RIGHT = 1031,
        ID_MERGE = 1032,
        ID_SPLIT = 1033,
        ID_INDENT = 32783,
        ID_OUTDENT = 32785,
        ID_FILE = 32786,
    };
    static constexpr int kFontSizeTimer = 107;
    static constexpr int kDesignTimer = 108;
    // The main window's standard toolbar id, as the original's.
    static constexpr int kToolbarId = wxID_ANY;

    CDHtmlEditDlg(ProcessManager* manager, ProcessItem* item, int viewOnly, const CString& pagePath,
                  const CString& title, const CString& pageDirectory, int linkMode, int language,
                  wxWindow* parent);
    ~CDHtmlEditDlg() override;

    // DoModal answers IDOK after OK, IDCANCEL after Cancel or the close box,
    // 0 when the editor cannot be created (OnInitDialog fails).
    bool OnInitDialog() override;
    // A toolbar or colour menu command; its result (0 after the general message).
    int OnToolbarCommand(int id);
    void OnEditorNotify(int code);
    void OnTimer(int id);
    void OnFontName();
    void OnFontSizeChange();
    // Cleans and saves the page; a save that fails keeps the dialog open.
    void OnOK() override;
    void OnCancel() override;

    // The commands that need more than one browser command.
    int insertImage();
    // Copies the picture beside the page and inserts it; nothing is inserted
    // when the copy fails or another file of that name is there.
    int insertImageFile(const CString& path);
    int addFile();
    int insertHyperlink();
    void editSeparator();
    void editTableProperties();
    void showColorMenu(int buttonIndex, int base);

    // The tooltip text of a command, empty for none.
    static CString getToolTipText(int id);

    CHtmlEditor* getEditor() const { return m_editor; }
    int isDesignReady() const { return m_designReady; }
    wxWindow* getToolBar() const { return m_toolBar; }

private:
    void buildToolBar();
    // What the user does while the editor waits for the browser is done after.
    void whenIdle(std::function<void()> work);
    // A properties dialog on the element that find gives at the selection:
    // filled from it, written back on OK; the missing message without one.
    template <class Wrapper, class Dialog, class Find>
    void editElement(Dialog& dialog, Find find, const char* missing);
    void refreshFontBoxes();
    void reportInvalidSelection(bool general);

    ProcessManager* m_manager;
    ProcessItem* m_item;
    int m_viewOnly;
    CString m_pagePath;
    CString m_title;
    CString m_pageDirectory;
    int m_linkMode;
    int m_language;
    CHtmlEditor* m_editor = nullptr;
    int m_designReady = 0;
    CString m_lastFontName;
    CString m_lastFontSize;
    wxWindow* m_toolBar = nullptr;
    wxChoice* m_fontName = nullptr;
    wxComboBox* m_fontSize = nullptr;
    wxToggleButton* m_source = nullptr;
    wxWindow* m_placeholder = nullptr;
    wxTimer m_fontSizeTimer;
    wxTimer m_designTimer;
};
