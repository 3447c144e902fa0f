#pragma once

// "Attributes" of a work product: its naming rule, location, picture,
// configuration management policy, type, timing and flags, the work
// products it derives from (one that derives already from this one cannot
// be chosen), its description, and its authors: a role and a
// responsibility per row of a grid.

#include "PropertyPageView.h"
#include "ReferenceGrid.h"

#include <memory>

class CWorkProductPPage1;

class CWorkProductPPage1View : public PropertyPageView {
public:
    enum ControlId {
        IDC_TO_ARCHIVE = 1006,
        IDC_VIEW_PARENT = 1007,
        IDC_REQUIREMENT = 1009,
        IDC_DERIVABLE = 1010,
        IDC_DERIVED = 1011,
        IDC_ADD_AUTHOR = 1013,
        IDC_REMOVE_AUTHOR = 1014,
        IDC_DESCRIPTION = 1042,
        IDC_WP_NAME = 1045,
        IDC_LOCATION = 1046,
        IDC_CM_POLICY = 1047,
        IDC_TIMING = 1048,
        IDC_AUTHOR_UP = 1053,
        IDC_AUTHOR_DOWN = 1054,
        IDC_AUTHORS = 1061,
        IDC_ROLES = 1100,
        IDC_RESPONSIBILITIES = 1102,
        IDC_WP_TYPE = 1124,
        IDC_IMAGE = 1129,
        IDC_DERIVED_FROM_1_LABEL = 1196,
        IDC_DERIVED_FROM_2_LABEL = 1197,
        IDC_DERIVED_FROM_1 = 1210,
        IDC_DERIVED_FROM_2 = 1211,
    };
    CWorkProductPPage1View(wxWindow* parent, CWorkProductPPage1& page);

    void OnInitDialog() override;
    void OnDerivedCheck();
    void OnSelchangeDerivedFrom1() { derivedFromChanged(IDC_DERIVED_FROM_1); }
    void OnSelchangeDerivedFrom2() { derivedFromChanged(IDC_DERIVED_FROM_2); }
    void OnAddAuthor();
    void OnRemoveAuthor();
    void OnAuthorUp() { m_authors->moveSelected(-1); }
    void OnAuthorDown() { m_authors->moveSelected(1); }

    ReferenceGrid& authorsGrid() const { return *m_authors; }

private:
    void derivedFromChanged(int id);

    CWorkProductPPage1& m_product;
    std::unique_ptr<ReferenceGrid> m_authors;
};
