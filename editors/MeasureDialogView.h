#pragma once

// "Measure attributes": the statistics calculated over the measure's data,
// its description, unit, hyperlink and picture. "Get" copies the chosen
// picture into the measure's folder at once, asking first before it
// replaces a file of the same name.

#include "PropertyPageView.h"

class MeasureDialogMgt;

class MeasureDialogView : public PropertyPageView {
public:
    enum ControlId {
        IDC_DESCRIPTION = 1042,
        IDC_GET_PICTURE = 1088,
        IDC_AVERAGE = 1174,
        IDC_MEDIAN = 1175,
        IDC_STANDARD_DEVIATION = 1176,
        IDC_UNIT = 1177,
        IDC_INCLUDE_PLANNED_VALUE = 1178,
        IDC_PICTURE = 1179,
        IDC_HYPERLINK = 1180,
    };
    MeasureDialogView(wxWindow* parent, MeasureDialogMgt& page);

    // Asks for a file and copies it into the measure's folder.
    void OnGetPicture();
    // The copy of a chosen file, and its name shown.
    void getPicture(const CString& path);

private:
    MeasureDialogMgt& m_measure;
};
