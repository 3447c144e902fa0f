#pragma once

// "Measures": the measures of the project above, the ones that apply to
// the activity below; ">>  Add" and "<< Remove" move them.

#include "ExtendedPropertyPage.h"

class CActivityMeasureMgt;

class CActivityMeasureView : public ExtendedPropertyPage {
public:
    enum ControlId {
        IDC_ADD_MEASURE = 1084,
        IDC_REMOVE_MEASURE = 1085,
        IDC_CHOSEN = 1086,
        IDC_AVAILABLE = 1087,
    };
    CActivityMeasureView(wxWindow* parent, CActivityMeasureMgt& page);

    void OnInitDialog() override;
    void OnOK() override;
    void OnAddMeasure() { addSelectedToList(IDC_AVAILABLE, IDC_CHOSEN, 0, true); }
    void OnRemoveMeasure() { removeSelectedFromList(IDC_CHOSEN); }

private:
    CActivityMeasureMgt& m_measures;
};
