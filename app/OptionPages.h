#pragma once

// The pages of the "Options" sheet as values: each reads its settings when
// it is made (STD_OPTION, PROCESS_OPTION and the tip-of-the-day switch of
// the application profile) and writes them back when asked. Numbers are
// kept as the texts of their edits; the standard page's view checks their
// ranges before the sheet may close.

#include "CString.h"
#include "PropertyPage.h"

#include <vector>

class ProcessManager;

// A number field of the standard page: its control, key and range.
struct OptionNumber {
    int controlId;
    const char* key;
    int lowest;
    int highest;
};

class COption1DialogMgt : public PropertyPage {
public:
    enum ControlId {
        IDC_STANDARD_TREE = 1162,
        IDC_OTHER_TREE = 1163,
        IDC_JAVA = 1003,
        IDC_JAVA_SCRIPT = 1117,
        IDC_USE_FRAME = 1006,
        IDC_TWO_LANGUAGES = 1007,
        IDC_MULTI_USERS = 1008,
        IDC_PAGE_HEADER_IMAGE = 1020,
        IDC_HEIGHT = 1190,
        IDC_WIDTH = 1191,
        IDC_IPFS = 1192,
        IDC_FONT_SIZE = 1193,
        IDC_SITE_NAME = 1194,
        IDC_SITE_NAME_L2 = 1195,
        IDC_CHARSET = 1197,
        IDC_LANGUAGE = 1011,
        IDC_LANGUAGE2 = 1012,
        IDC_TIPS = 1082,
        IDC_EDIT_TRANSLATION = 1013,
        IDC_EDIT_STYLE_SHEETS = 1015,
    };
    // The number fields, in the order they are written.
    static const std::vector<OptionNumber>& numbers();

    COption1DialogMgt();

    // The text of a number field, by its control id.
    CString& numberText(int controlId);
    const CString& numberText(int controlId) const;
    // The languages offered in both language lists, in stored order.
    std::vector<CString> availableLanguages() const;

    // Writes the page's keys (all but PageHeaderImage, written last by the
    // sheet); the question of switching two languages on comes first.
    void writeSettings(ProcessManager& project) const;
    void writePageHeaderImage() const;

    int m_useStdTreeComponent = 0;
    int m_otherTreeComponent = 0;
    int m_java = 0;
    int m_javaScriptTreeview = 0;
    int m_useFrame = 0;
    int m_twoLanguages = 0;
    int m_multiUsers = 0;
    int m_pageHeaderImage = 0;
    CString m_height, m_width, m_ipfs, m_treeviewFontSize;
    CString m_siteName, m_siteNameL2, m_charset, m_generationLang, m_generationLang2;
    int m_tipsActivated = 1;
    // TwoLanguages as it was when the page was made.
    bool m_wasTwoLanguages = false;
};

// A check box of a process page and the PROCESS_OPTION key it holds.
struct OptionCheck {
    int controlId;
    const char* key;
    const char* caption;
};

class CProcessOption1DialogMgt : public PropertyPage {
public:
    enum ControlId {
        IDC_TEMPLATE_ACTIVITY = 1166,
        IDC_ORDER_DESCRIPTION = 1042,
        IDC_ORDER_TAILORING = 1178,
        IDC_ORDER_TEMPLATE = 1043,
        IDC_ORDER_SCHEMA = 1045,
        IDC_ORDER_PROCEDURE = 1046,
        IDC_ORDER_MEASURE = 1086,
        IDC_SEPARATED_YES = 1170,
        IDC_SEPARATED_NO = 1171,
        IDC_SEPARATED_ASK = 1172,
    };
    // The check boxes, in the order their keys are written.
    static const std::vector<OptionCheck>& checks();
    // The order combo boxes: control, key, label; in the order written.
    static const std::vector<OptionCheck>& orders();

    explicit CProcessOption1DialogMgt(ProcessManager* project);

    // The activity templates offered: every file of "tolvane\templates\activity"
    // named "*.txt", in search order.
    std::vector<CString> activityTemplates() const;
    void writeSettings() const;

    // By control id: the check boxes' states and the order combos' texts.
    std::vector<int> m_checks;
    std::vector<CString> m_orders;
    CString m_templateActivity;
    // 0 "no", 1 "yes", 2 "ask": the radio checked.
    int m_separatedPage = 2;

private:
    ProcessManager* m_project;
};

class CProcessOption2DialogMgt : public PropertyPage {
public:
    // The check boxes, in the order their keys are written.
    static const std::vector<OptionCheck>& checks();

    explicit CProcessOption2DialogMgt(ProcessManager* project);
    void writeSettings() const;

    std::vector<int> m_checks;
};

// Writes back what the pages of the sheet hold after OK, in the program's
// order; a page that was not created (null) writes none of its keys. The
// project's links are then marked for refresh.
void writeOptionSheet(ProcessManager& project, const COption1DialogMgt* standard,
                      const CProcessOption1DialogMgt* generation, const CProcessOption2DialogMgt* popup);
