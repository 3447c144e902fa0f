#pragma once

// How the headless diagram model opens dialogs and popup menus: through a
// service that the GUI installs at start-up. Without one nothing opens: a
// modal dialog answers IDCANCEL (the entity is left as it was), no modeless
// dialog is made and a popup menu chooses nothing.

#include "LinkProperties.h"
#include "WinTypes.h"

#include <memory>

class CDiagramLine;
class CFlowchartEntityCondition;
class CFlowchartGeometricForm;
class DiagramMenu;
class DiagramPropertyDialog;
class EditorWindow;

// Templates of the entities' modeless property dialogs.
constexpr UINT kPropertyDialogTemplate = 136;      // titles in both languages
constexpr UINT kLabelPropertyDialogTemplate = 142; // a label's texts, font, colour, alignment, frame

class DiagramDialogs {
public:
    virtual ~DiagramDialogs() = default;

    // The modal property dialogs of the shapes, run with no parent: on OK the
    // values are stored into the entity, the window is redrawn whole and the
    // answer is IDOK; else IDCANCEL and nothing changed.
    virtual int editLineProperties(CDiagramLine& line, EditorWindow* window) = 0; // "Line Property"
    virtual int editBoxProperties(CFlowchartGeometricForm& shape, EditorWindow* window) = 0; // "Box Property"
    virtual int editGatewayProperties(CFlowchartEntityCondition& condition, EditorWindow* window) = 0;

    // The modal "Link properties" dialog over the window with the link's
    // values: IDOK with the values the user chose, else IDCANCEL. Without a
    // GUI dialog the answer is IDCANCEL.
    virtual int editLinkProperties(LinkProperties& properties, EditorWindow* window) {
        (void)properties;
        (void)window;
        return IDCANCEL;
    }

    // A new modeless property dialog of a template, without its window yet;
    // null when the GUI has none for it.
    virtual std::unique_ptr<DiagramPropertyDialog> createPropertyDialog(UINT templateId) = 0;

    // Tracks the popup menu at a screen point with the right button; the
    // chosen command goes to the window, as the platform's menus send it.
    // Answers the command, 0 when none was chosen.
    virtual UINT trackPopupMenu(const DiagramMenu& menu, int x, int y, EditorWindow* window) = 0;

    // Installs the service used from now on (null: none); the caller keeps it.
    static void install(DiagramDialogs* service);
    static DiagramDialogs* current();
};
