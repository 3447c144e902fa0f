#include "PageViews.h"

#include "ActivityPages.h"
#include "ActivityRolesWPsDialogView.h"
#include "ActivityStepsDialogView.h"
#include "CActivityAttrDialogView.h"
#include "CActivityInformationsView.h"
#include "CActivityMeasureView.h"
#include "CEditContentView.h"
#include "CGeneralProcedureGroupDialogView.h"
#include "CGlossaryEntryDlgView.h"
#include "CIdentificationDialogMgt.h"
#include "CIdentificationDialogView.h"
#include "CProcedureDialogView.h"
#include "CProcessOverviewDialogView.h"
#include "CQCDescDialogView.h"
#include "CWorkProductPPage1View.h"
#include "CWorkProductPPage3View.h"
#include "CWorkflowEditorStarterDlgView.h"
#include "ClassPages.h"
#include "DescDialogView.h"
#include "DescriptionPages.h"
#include "DualAttrDlgView.h"
#include "MeasureDialogView.h"
#include "PendingPageView.h"
#include "Role1DialogView.h"
#include "RolePages.h"
#include "TGDialogView.h"
#include "WorkProductFilePages.h"
#include "WorkProductPages.h"

#include <vector>

namespace {

std::vector<PageViews::Factory>& registered() {
    static std::vector<PageViews::Factory> factories;
    return factories;
}

// The views of the shared pages, the identification page, the pages of the
// activity and work product sheets, and the pages of the classes whose
// sheets hold nothing else.
void addStandardViews() {
    using namespace PageViews;
    add<DescL1DialogMgt, DescDialogView>();
    add<TGDialogMgt, TGDialogView>();
    add<DualAttrDlgMgt, DualAttrDlgView>();
    add<CEditContent, CEditContentView>();
    add<CWorkflowEditorStarterDlgMgt, CWorkflowEditorStarterDlgView>();
    add<CIdentificationDialogMgt, CIdentificationDialogView>();
    add<ActivityRolesWPsDialogMgt, ActivityRolesWPsDialogView>();
    add<ActivityStepsDialogMgt, ActivityStepsDialogView>();
    add<CActivityAttrDialogMgt, CActivityAttrDialogView>();
    add<CActivityMeasureMgt, CActivityMeasureView>();
    add<CActivityInformationsDialogMgt, CActivityInformationsView>();
    add<CWorkProductPPage1, CWorkProductPPage1View>();
    add<CWorkProductPPage2, CWorkProductPPage2View>();
    add<CWorkProductPPage4, CWorkProductPPage4View>();
    add<CWorkProductPPage3, CWorkProductPPage3View>();
    add<Role1DialogMgt, Role1DialogView>();
    add<CProcedureDialogMgt, CProcedureDialogView>();
    add<CGeneralProcedureGroupDialogMgt, CGeneralProcedureGroupDialogView>();
    add<CProcessOverviewDialogMgt, CProcessOverviewDialogView>();
    add<MeasureDialogMgt, MeasureDialogView>();
    add<CGlossaryEntryL1DlgMgt, CGlossaryEntryDlgView>();
    add([](wxWindow* parent, PropertyPage& page) -> PropertyPageView* {
        auto* criterion = dynamic_cast<CQCDescDialogMgt*>(&page);
        return criterion
                   ? new CQCDescDialogView(parent, *criterion, !dynamic_cast<CQCDescL2DialogMgt*>(&page))
                   : nullptr;
    });
}

} // namespace

void PageViews::add(Factory factory) {
    registered().push_back(std::move(factory));
}

PropertyPageView* PageViews::create(wxWindow* parent, PropertyPage& page) {
    static const bool standard = (addStandardViews(), true);
    (void)standard;
    const auto& factories = registered();
    for (auto factory = factories.rbegin(); factory != factories.rend(); ++factory)
        if (PropertyPageView* view = (*factory)(parent, page))
            return view;
    return new PendingPageView(parent, page);
}
