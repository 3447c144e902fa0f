#pragma once

// Section PROCESS_OPTION of the open project's settings file, read and
// written one key per call by the rules of StdOption. The thirteen popup
// keys are also remembered once set, because the generator asks them for
// every item; what is remembered is forgotten when another project opens.

#include "CString.h"
#include "StdOption.h"

#define TOLVANE_PROCESS_BOOL_KEYS(X)                                                                             \
    X(View_WPO_Author)                                                                                           \
    X(View_WPO_CMPolicy)                                                                                         \
    X(View_WPO_Location)                                                                                         \
    X(View_WPO_Naming_Rules)                                                                                     \
    X(View_WPO_Timing)                                                                                           \
    X(View_WPO_Traceability)                                                                                     \
    X(View_WPO_Tailoring_Guideline)                                                                              \
    X(View_WPO_Recipient)                                                                                        \
    X(View_WPO_RewievedBy)                                                                                       \
    X(View_WPO_Sent)                                                                                             \
    X(View_WPO_ValidatedBy)                                                                                      \
    X(TemplatesIn2Languages)                                                                                     \
    X(UseAlternativeLinks)                                                                                       \
    X(GenerateActivitySchemaFlag)                                                                                \
    X(GenerateWPNameOutsideWP)                                                                                   \
    X(ViewChildrenWPInWPOverview)                                                                                \
    X(GenerateActivitiesOnRoleGroup)                                                                             \
    X(IncludeNoDomain)                                                                                           \
    X(StepTreeview)                                                                                              \
    X(GenerateWBSNumber)                                                                                         \
    X(ShortcutButtonsInActivity)

// The popup keys, with their index in the cache.
#define TOLVANE_PROCESS_POPUP_KEYS(X)                                                                            \
    X(AP_Desc, 0)                                                                                                \
    X(AP_IWP, 1)                                                                                                 \
    X(AP_OWP, 2)                                                                                                 \
    X(AP_Roles, 3)                                                                                               \
    X(AP_Steps, 4)                                                                                               \
    X(GP_Desc, 5)                                                                                                \
    X(MAP_Desc, 6)                                                                                               \
    X(MAP_outWP, 7)                                                                                              \
    X(MAP_childrenActivities, 8)                                                                                 \
    X(MAP_Tailoring_Guideline, 9)                                                                                \
    X(WPP_Aut, 10)                                                                                               \
    X(WPP_Desc, 11)                                                                                              \
    X(RP_Desc, 12)

// The page-family switches: no operation writes them.
#define TOLVANE_PROCESS_FAMILY_KEYS(X)                                                                           \
    X(GenerateActivityAccessByStateByMA)                                                                         \
    X(GenerateActivitiesByRoleByMA)                                                                              \
    X(GenerateProcessOverview)                                                                                   \
    X(GenerateRole)                                                                                              \
    X(GenerateTemplateAccessByMA)                                                                                \
    X(GenerateWorkProduct)                                                                                       \
    X(GenerateActivities)                                                                                        \
    X(GenerateMacroActivities)                                                                                   \
    X(GenerateGenericProcedure)                                                                                  \
    X(GenerateHeader)                                                                                            \
    X(SynthesisOnWPGroup)                                                                                        \
    X(GenerateWPOverview)                                                                                        \
    X(GenerateMeasure)                                                                                           \
    X(GenerateBanner)                                                                                            \
    X(GenerateRoleGroup)

// Positions of the blocks of an activity page: key, default digit.
#define TOLVANE_PROCESS_ORDER_KEYS(X)                                                                            \
    X(ActivityItemOrderDescription, "1")                                                                         \
    X(ActivityItemOrderTailoringGuideline, "2")                                                                  \
    X(ActivityItemOrderTemplate, "3")                                                                            \
    X(ActivityItemOrderSchema, "4")                                                                              \
    X(ActivityItemProcedure, "5")                                                                                \
    X(ActivityItemOrderMeasure, "6")

class ProcessOption {
public:
    static ProcessOption& instance();

    bool getBool(const char* key) const;
    void setBool(const char* key, bool value) const;
    CString getText(const char* key) const;
    void setText(const char* key, const CString& value) const;

#define TOLVANE_DECLARE_BOOL(key)                                                                                \
    bool get##key() const { return getBool(#key); }                                                              \
    void set##key(bool value) const { setBool(#key, value); }
    TOLVANE_PROCESS_BOOL_KEYS(TOLVANE_DECLARE_BOOL)
#undef TOLVANE_DECLARE_BOOL

#define TOLVANE_DECLARE_POPUP(key, index)                                                                        \
    bool get##key() const { return getPopup(#key, index); }                                                      \
    void set##key(bool value) { setPopup(#key, index, value); }
    TOLVANE_PROCESS_POPUP_KEYS(TOLVANE_DECLARE_POPUP)
#undef TOLVANE_DECLARE_POPUP

#define TOLVANE_DECLARE_FAMILY(key)                                                                              \
    bool get##key() const { return getBool(#key); }
    TOLVANE_PROCESS_FAMILY_KEYS(TOLVANE_DECLARE_FAMILY)
#undef TOLVANE_DECLARE_FAMILY

#define TOLVANE_DECLARE_ORDER(key, defaultDigit)                                                                 \
    CString get##key() const { return getOrder(#key, defaultDigit); }                                            \
    void set##key(const CString& value) const { setText(#key, value); }
    TOLVANE_PROCESS_ORDER_KEYS(TOLVANE_DECLARE_ORDER)
#undef TOLVANE_DECLARE_ORDER

    CString getTemplateActivity() const { return getText("TemplateActivity"); }
    void setTemplateActivity(const CString& value) const { setText("TemplateActivity", value); }

    // 0 "no", 1 "yes", 2 ask (anything else, absent included).
    int getActivityProcedureInSeparatedPage() const;
    // Writes "no", "yes" or "ask" for 0, 1, 2; nothing for other values.
    void setActivityProcedureInSeparatedPage(int value) const;

    // Forgets the popup values set so far (a project opens).
    void resetPopupCache();

private:
    ProcessOption() = default;
    bool getPopup(const char* key, int index) const;
    void setPopup(const char* key, int index, bool value);
    CString getOrder(const char* key, const char* defaultDigit) const;

    static constexpr int kPopupKeys = 13;
    bool m_popupSet[kPopupKeys] = {};
    bool m_popupValue[kPopupKeys] = {};
};
