#pragma once

// "Select icon": the icons of the project's icon folder, each small picture
// beside its file name, from which the add and modify dialogs take an
// item's icon. The list shows the pictures of the image list it is given
// (the main window's) and never frees them.

#include "TolvaneDialog.h"

class ImageIndexListe;
class wxImageList;
class wxListCtrl;
class wxListEvent;

class CSelectIcon : public TolvaneDialog {
public:
    enum ControlId { IDC_ICON_LIST = 1073 };

    CSelectIcon(wxImageList* imageList, ImageIndexListe* iconList, wxWindow* parent);

    // One entry per icon of the list, in its order; none selected.
    bool OnInitDialog() override;
    // Without a selected entry: 33056 and the dialog stays open.
    void OnOK() override;

    CString getIconName() const { return m_iconName; }
    wxListCtrl* getList() const { return m_list; }

private:
    wxImageList* m_imageList;
    ImageIndexListe* m_iconList;
    wxListCtrl* m_list;
    CString m_iconName;
};
