#pragma once

// The schema block of an activity page: who does the activity and with
// what, followed by the activity's workflow picture with its clickable
// areas. Drawn (the settings' GenerateActivitySchemaFlag), it is a table:
// the used work products on the left, the roles by responsibility and the
// steps in a framed middle, the produced work products on the right, joined
// by arrows; otherwise it is three lists: roles by responsibility, produced
// and used work products. The page writes it at the block's place in the
// page's order, given what it prepared for the activity (prefixes, folder,
// procedure link, template list, tooltip counter).
//
// The block is left out when the activity has no role, no work product and
// no step.

#include "ActivityPage.h"
#include "CString.h"

#include <vector>

class CStringListePlus;
class ItemActivity;
class ItemWorkProduct;
class ProcessItem;
class TextOutStream;

class ActivitySchema {
public:
    ActivitySchema(ActivityPage& page, const ActivityPage::BlockOrder& order);

    void write();

private:
    // The roles of the activity by responsibility group: the group of each
    // role reference, numbered from 1 as the project's responsibilities
    // are (group 1 also takes the references whose responsibility is none
    // of them).
    struct RoleGroups {
        std::vector<CString> names;
        std::vector<int> counts;
        // The group whose roles list the reference: its responsibility
        // exactly, or group 1 for one that matches no group.
        bool lists(int group, const CString& reference) const;
    };
    RoleGroups roleGroups() const;

    // One side of the drawn schema: its references in order, the next one
    // to take and the parents already shown in place of their parts.
    struct Side {
        CStringListePlus* references = nullptr;
        bool right = false;
        int next = 1;
        std::vector<ProcessItem*> shownParents = {};
    };

    void writePlainLists();
    void writePlainRoles();
    void writePlainWorkProducts(CStringListePlus* references, const char* labelKey);
    void writeDrawnSchema();
    void writeBorderRow(const char* left, const char* middle, const char* right, const char* leftImage,
                        const char* middleImage, const char* rightImage);
    CString sideBorder(const char* id, const char* image, int rows);
    void writeButtons();
    // Takes the next reference of the side for the row and writes its
    // entry; false when none is left.
    bool writeNextEntry(Side& side, bool firstRow);
    void writeEntry(Side& side, const CString& reference, ProcessItem& product, bool shownAsParent);
    void writeReviewMarks(ProcessItem& product);
    void writeSteps();
    void writeRolesCell(int rows);
    void writePicture();

    // The annotations of a work product entry: naming rule, state,
    // multiplicity, project kinds; drawn or plain.
    CString annotations(const CString& reference, ProcessItem& product, bool drawn);
    // The item's name, with a tooltip of its popup text when it has one.
    CString caption(ProcessItem& item);
    // The link from the activity's folder to the item's page.
    CString pageLinkTo(ProcessItem& item);
    // The link to a work product's page, through the folders of both items.
    CString workProductLink(ProcessItem& product);
    CString image(const CString& path);
    CString arrowCell(bool firstRow);
    CStringListePlus* steps();

    ActivityPage& m_page;
    const ActivityPage::BlockOrder& m_order;
    ProcessManager& m_manager;
    ProcessItem& m_item;
    ItemActivity& m_activity;
    int m_language;
    TextOutStream* m_out = nullptr;
    bool m_generic;
};
