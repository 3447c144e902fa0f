#include "OptionPages.h"

#include "FileFinder.h"
#include "Item.h"
#include "ItemListePlus.h"
#include "ProcessManager.h"
#include "ProcessOption.h"
#include "StdOption.h"
#include "StringTable.h"
#include "UserInterface.h"
#include "WinTypes.h"

#include <functional>
#include <utility>

namespace {

int flag(bool value) {
    return value ? 1 : 0;
}

// A popup switch of page "Description popup content": its key is read and
// written through the option facade, which keeps what generation reads.
struct PopupKey {
    OptionCheck check;
    std::function<bool()> get;
    std::function<void(bool)> set;
};

#define TOLVANE_POPUP(id, key, caption)                                                                      \
    PopupKey {                                                                                               \
        {id, #key, caption}, [] { return ProcessOption::instance().get##key(); },                            \
            [](bool value) { ProcessOption::instance().set##key(value); }                                    \
    }

// In the order the keys are written.
const std::vector<PopupKey>& popupKeys() {
    static const std::vector<PopupKey> keys = {
        TOLVANE_POPUP(1006, AP_Desc, "Description"),
        TOLVANE_POPUP(1007, AP_IWP, "In work products"),
        TOLVANE_POPUP(1008, AP_OWP, "Out work products"),
        TOLVANE_POPUP(1010, AP_Roles, "Roles"),
        TOLVANE_POPUP(1009, AP_Steps, "Main steps"),
        TOLVANE_POPUP(1014, GP_Desc, "Description"),
        TOLVANE_POPUP(1011, MAP_Desc, "Description"),
        TOLVANE_POPUP(1016, MAP_outWP, "Out work products"),
        TOLVANE_POPUP(1017, MAP_childrenActivities, "Children activities"),
        TOLVANE_POPUP(1018, MAP_Tailoring_Guideline, "Tailoring guideline"),
        TOLVANE_POPUP(1013, WPP_Aut, "Author"),
        TOLVANE_POPUP(1012, WPP_Desc, "Description"),
        TOLVANE_POPUP(1015, RP_Desc, "Description"),
    };
    return keys;
}
#undef TOLVANE_POPUP

} // namespace

// ----- Standard -----

const std::vector<OptionNumber>& COption1DialogMgt::numbers() {
    static const std::vector<OptionNumber> numbers = {
        {IDC_HEIGHT, "Height", 100, 1000},
        {IDC_WIDTH, "Width", 50, 500},
        {IDC_IPFS, "IPFS", 0, 100},
        {IDC_FONT_SIZE, "TreeviewFontSize", 8, 14},
    };
    return numbers;
}

COption1DialogMgt::COption1DialogMgt() : PropertyPage(176, "Standard") {
    const StdOption& options = StdOption::instance();
    m_useStdTreeComponent = flag(options.getUseStdTreeComponent());
    m_otherTreeComponent = 1 - m_useStdTreeComponent;
    m_useFrame = flag(options.getUseFrame());
    m_twoLanguages = flag(options.getTwoLanguages());
    m_wasTwoLanguages = options.getTwoLanguages();
    m_multiUsers = flag(options.getMultiUsers());
    m_pageHeaderImage = flag(options.getPageHeaderImage());
    // Values out of their range are brought to the nearest bound as they
    // are read: a hidden field the user cannot correct never blocks OK.
    m_height = settings::decimal(options.getHeight());
    m_width = settings::decimal(options.getWidth());
    m_ipfs = settings::decimal(options.getIPFS());
    m_treeviewFontSize = settings::decimal(options.getTreeviewFontSize());
    m_siteName = options.getSiteName();
    m_siteNameL2 = options.getSiteNameL2();
    m_charset = options.getCharset();
    m_generationLang = options.getGenerationLang();
    m_generationLang2 = options.getGenerationLang2();
    m_javaScriptTreeview = flag(options.getJavaScriptTreeview());
    m_java = 1 - m_javaScriptTreeview;
    m_tipsActivated = options.getTipsActivated();
}

CString& COption1DialogMgt::numberText(int controlId) {
    return const_cast<CString&>(std::as_const(*this).numberText(controlId));
}

const CString& COption1DialogMgt::numberText(int controlId) const {
    switch (controlId) {
    case IDC_HEIGHT:
        return m_height;
    case IDC_WIDTH:
        return m_width;
    case IDC_IPFS:
        return m_ipfs;
    default:
        return m_treeviewFontSize;
    }
}

std::vector<CString> COption1DialogMgt::availableLanguages() const {
    std::vector<CString> languages;
    const CString text = StdOption::instance().getAvailableLanguages();
    if (text.IsEmpty())
        return languages;
    int start = 0;
    for (;;) {
        const int comma = text.Find(',', start);
        if (comma < 0) {
            languages.push_back(text.Mid(start));
            return languages;
        }
        languages.push_back(text.Mid(start, comma - start));
        start = comma + 1;
    }
}

void COption1DialogMgt::writeSettings(ProcessManager& project) const {
    const StdOption& options = StdOption::instance();
    options.setUseStdTreeComponent(m_useStdTreeComponent != 0);
    options.setUseFrame(m_useFrame != 0);
    if (!m_wasTwoLanguages && m_twoLanguages) {
        if (ui::AfxMessageBox(loadString(33039), MB_YESNO | MB_ICONQUESTION) == IDYES) {
            options.setTwoLanguages(true);
            project.createSecondLanguagePages();
        }
    } else {
        options.setTwoLanguages(m_twoLanguages != 0);
    }
    options.setMultiUsers(m_multiUsers != 0);
    for (const OptionNumber& number : numbers())
        options.setInt(number.key, settings::leadingNumber(numberText(number.controlId)));
    options.setSiteName(m_siteName);
    options.setSiteNameL2(m_siteNameL2);
    options.setJavaScriptTreeview(m_javaScriptTreeview != 0);
    options.setGenerationLang(m_generationLang);
    project.setGenerationLanguage(m_generationLang);
    options.setGenerationLang2(m_generationLang2);
    project.setGenerationLanguage2(m_generationLang2);
    options.setCharset(m_charset);
    options.setTipsActivated(m_tipsActivated);
}

void COption1DialogMgt::writePageHeaderImage() const {
    StdOption::instance().setPageHeaderImage(m_pageHeaderImage != 0);
}

// ----- Process generation feature -----

const std::vector<OptionCheck>& CProcessOption1DialogMgt::checks() {
    static const std::vector<OptionCheck> checks = {
        {1013, "TemplatesIn2Languages", "Templates in 2 languages"},
        {1018, "GenerateActivitySchemaFlag", "Generate activity schema (if not create only hyperlinks)"},
        {1014, "UseAlternativeLinks", "Use alternative links to templates/procedure if available"},
        {1019, "GenerateWPNameOutsideWP", "Add work product naming rule/instance name under wp hyperlink"},
        {1015, "ViewChildrenWPInWPOverview", "View children work products"},
        {1016, "GenerateActivitiesOnRoleGroup", "activity links related to children roles "},
        {1020, "ShortcutButtonsInActivity", "Generate shortcut buttons in activity page?"},
        {1022, "StepTreeview", "Use treeview for hierarchical steps"},
        {1017, "GenerateWBSNumber", "Generate WBS number (1.1.1)"},
        {1026, "View_WPO_Author", "Show author column"},
        {1023, "View_WPO_CMPolicy", "Show CM policy column"},
        {1028, "View_WPO_Location", "Show location column"},
        {1024, "View_WPO_Naming_Rules", "Show naming rules column"},
        {1027, "View_WPO_Timing", "Show timing column"},
        {1025, "View_WPO_Traceability", "Show traceability column"},
        {1033, "View_WPO_Tailoring_Guideline", "Show tailoring guideline column"},
        {1031, "View_WPO_Recipient", "Show recipient column"},
        {1029, "View_WPO_RewievedBy", "Show reviewed by column"},
        {1032, "View_WPO_Sent", "Show sent for information column"},
        {1030, "View_WPO_ValidatedBy", "Show validated by column"},
        {1021, "IncludeNoDomain", "Item with no domain appears in items overview of all domains"},
    };
    return checks;
}

const std::vector<OptionCheck>& CProcessOption1DialogMgt::orders() {
    static const std::vector<OptionCheck> orders = {
        {IDC_ORDER_DESCRIPTION, "ActivityItemOrderDescription", "Description"},
        {IDC_ORDER_TAILORING, "ActivityItemOrderTailoringGuideline", "Tailoring guideline"},
        {IDC_ORDER_TEMPLATE, "ActivityItemOrderTemplate", "Template"},
        {IDC_ORDER_SCHEMA, "ActivityItemOrderSchema", "Schema"},
        {IDC_ORDER_PROCEDURE, "ActivityItemProcedure", "Procedure"},
        {IDC_ORDER_MEASURE, "ActivityItemOrderMeasure", "Measure"},
    };
    return orders;
}

CProcessOption1DialogMgt::CProcessOption1DialogMgt(ProcessManager* project)
    : PropertyPage(175, "Process generation feature"), m_project(project) {
    const ProcessOption& options = ProcessOption::instance();
    for (const OptionCheck& check : checks())
        m_checks.push_back(flag(options.getBool(check.key)));
    // An empty order takes the block's default place.
    const char* const defaults[] = {"1", "2", "3", "4", "5", "6"};
    for (size_t i = 0; i < orders().size(); ++i) {
        const CString value = options.getText(orders()[i].key);
        m_orders.push_back(value.IsEmpty() ? CString(defaults[i]) : value);
    }
    m_templateActivity = options.getTemplateActivity();
    m_separatedPage = options.getActivityProcedureInSeparatedPage();
}

std::vector<CString> CProcessOption1DialogMgt::activityTemplates() const {
    std::vector<CString> names;
    if (!m_project)
        return names;
    forEachFolderEntry(m_project->getProjectDirectory() + "tolvane/templates/activity",
                       [&names](const CString& name, DWORD attributes) {
                           if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) && matchesFileMask(name, "*.txt"))
                               names.push_back(name);
                           return true;
                       });
    return names;
}

void CProcessOption1DialogMgt::writeSettings() const {
    const ProcessOption& options = ProcessOption::instance();
    for (size_t i = 0; i < checks().size(); ++i)
        options.setBool(checks()[i].key, m_checks[i] != 0);
    options.setTemplateActivity(m_templateActivity);
    for (size_t i = 0; i < orders().size(); ++i)
        options.setText(orders()[i].key, m_orders[i]);
    options.setActivityProcedureInSeparatedPage(m_separatedPage);
}

// ----- Description popup content -----

const std::vector<OptionCheck>& CProcessOption2DialogMgt::checks() {
    static const std::vector<OptionCheck> checks = [] {
        std::vector<OptionCheck> list;
        for (const PopupKey& key : popupKeys())
            list.push_back(key.check);
        return list;
    }();
    return checks;
}

CProcessOption2DialogMgt::CProcessOption2DialogMgt(ProcessManager*)
    : PropertyPage(224, "Description popup content") {
    for (const PopupKey& key : popupKeys())
        m_checks.push_back(flag(key.get()));
}

void CProcessOption2DialogMgt::writeSettings() const {
    for (size_t i = 0; i < popupKeys().size(); ++i)
        popupKeys()[i].set(m_checks[i] != 0);
}

void writeOptionSheet(ProcessManager& project, const COption1DialogMgt* standard,
                      const CProcessOption1DialogMgt* generation, const CProcessOption2DialogMgt* popup) {
    if (standard)
        standard->writeSettings(project);
    if (generation)
        generation->writeSettings();
    if (popup)
        popup->writeSettings();
    if (standard)
        standard->writePageHeaderImage();
    project.setLinksNeedRefresh();
}
