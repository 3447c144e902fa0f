#include "Role1DialogView.h"

#include "RolePages.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

Role1DialogView::Role1DialogView(wxWindow* parent, Role1DialogMgt& page) : PropertyPageView(parent, page) {
    auto* images = controls::newForm();
    addFormRow(images, wxID_ANY, "Small image appearing in activity", newEdit(IDC_IMAGE));
    addFormRow(images, wxID_ANY, "Image appearing in role and role group", newEdit(IDC_IMAGE_ROLE_GROUP));
    auto* urls = controls::newForm();
    addFormRow(urls, wxID_ANY, "Language 1", newEdit(IDC_URL_L1, 0, 40));
    addFormRow(urls, wxID_ANY, "Language 2", newEdit(IDC_URL_L2, 0, 40));

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(newTextGroup(IDC_DESCRIPTION, "Description", false, 8), 1, wxEXPAND);
    content->Add(new wxCheckBox(this, IDC_ACTING_ROLE_GROUP, "Acting role group or generic role"), 0, wxTOP,
                 10);
    content->Add(
        new wxStaticText(this, wxID_ANY,
                         "(You have to add sub roles or sub roles shortcut to create the group or to derived "
                         "roles\nfrom generic role)"),
        0, wxLEFT | wxTOP, 4);
    content->Add(newGroup(wxID_ANY, "Images ", images), 0, wxEXPAND | wxTOP, 10);
    content->Add(newGroup(wxID_ANY, "URL to role detailed description (html page or document)", urls), 0,
                 wxEXPAND | wxTOP, 10);
    finishLayout(content);

    exchangeText(IDC_DESCRIPTION, &page.m_description);
    exchangeText(IDC_IMAGE, &page.m_image);
    exchangeCheck(IDC_ACTING_ROLE_GROUP, &page.m_actingRoleGroup);
    exchangeText(IDC_URL_L1, &page.m_detailedDescriptionUrlL1);
    exchangeText(IDC_URL_L2, &page.m_detailedDescriptionUrlL2);
    exchangeText(IDC_IMAGE_ROLE_GROUP, &page.m_imageRoleGroup);
}
