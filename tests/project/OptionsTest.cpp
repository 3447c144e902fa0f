#include "PrivateProfile.h"
#include "ProcessOption.h"
#include "Project.h"
#include "StdOption.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

// A project opened on a settings file of a temporary folder.
class OptionsTest : public testing::Test {
protected:
    void SetUp() override { open(""); }

    void open(const std::string& settings) {
        m_dir.write("proj/site.tvx", settings);
        m_project.reset(); // one project at a time
        m_project = std::make_unique<Project>((m_dir / "proj/site.tvx").c_str(), nullptr, 0);
    }

    std::string stored(const char* section, const char* key) {
        char buffer[999];
        const DWORD n = GetPrivateProfileStringA(section, key, "<absent>", buffer, sizeof buffer,
                                                 (m_dir / "proj/site.tvx").c_str());
        return std::string(buffer, n);
    }

    void write(const char* section, const char* key, const char* value) {
        WritePrivateProfileStringA(section, key, value, (m_dir / "proj/site.tvx").c_str());
    }

    TempDir m_dir;
    std::unique_ptr<Project> m_project;
};

using StdBoolGet = bool (StdOption::*)() const;
using StdBoolSet = void (StdOption::*)(bool) const;
using ProcBoolGet = bool (ProcessOption::*)() const;
using ProcBoolSet = void (ProcessOption::*)(bool) const;

struct StdBoolKey {
    const char* key;
    StdBoolGet get;
    StdBoolSet set;
};

const StdBoolKey kStdBools[] = {
    {"UseStdTreeComponent", &StdOption::getUseStdTreeComponent, &StdOption::setUseStdTreeComponent},
    {"JavaScriptTreeview", &StdOption::getJavaScriptTreeview, &StdOption::setJavaScriptTreeview},
    {"UseFrame", &StdOption::getUseFrame, &StdOption::setUseFrame},
    {"TwoLanguages", &StdOption::getTwoLanguages, &StdOption::setTwoLanguages},
    {"MultiUsers", &StdOption::getMultiUsers, &StdOption::setMultiUsers},
    {"PageHeaderImage", &StdOption::getPageHeaderImage, &StdOption::setPageHeaderImage},
};

struct ProcBoolKey {
    const char* key;
    ProcBoolGet get;
    ProcBoolSet set; // null for the page-family switches, which have no setter
};

const ProcBoolKey kProcessBools[] = {
    {"View_WPO_Author", &ProcessOption::getView_WPO_Author, &ProcessOption::setView_WPO_Author},
    {"View_WPO_CMPolicy", &ProcessOption::getView_WPO_CMPolicy, &ProcessOption::setView_WPO_CMPolicy},
    {"View_WPO_Location", &ProcessOption::getView_WPO_Location, &ProcessOption::setView_WPO_Location},
    {"View_WPO_Naming_Rules", &ProcessOption::getView_WPO_Naming_Rules, &ProcessOption::setView_WPO_Naming_Rules},
    {"View_WPO_Timing", &ProcessOption::getView_WPO_Timing, &ProcessOption::setView_WPO_Timing},
    {"View_WPO_Traceability", &ProcessOption::getView_WPO_Traceability, &ProcessOption::setView_WPO_Traceability},
    {"View_WPO_Tailoring_Guideline", &ProcessOption::getView_WPO_Tailoring_Guideline,
     &ProcessOption::setView_WPO_Tailoring_Guideline},
    {"View_WPO_Recipient", &ProcessOption::getView_WPO_Recipient, &ProcessOption::setView_WPO_Recipient},
    {"View_WPO_RewievedBy", &ProcessOption::getView_WPO_RewievedBy, &ProcessOption::setView_WPO_RewievedBy},
    {"View_WPO_Sent", &ProcessOption::getView_WPO_Sent, &ProcessOption::setView_WPO_Sent},
    {"View_WPO_ValidatedBy", &ProcessOption::getView_WPO_ValidatedBy, &ProcessOption::setView_WPO_ValidatedBy},
    {"TemplatesIn2Languages", &ProcessOption::getTemplatesIn2Languages, &ProcessOption::setTemplatesIn2Languages},
    {"UseAlternativeLinks", &ProcessOption::getUseAlternativeLinks, &ProcessOption::setUseAlternativeLinks},
    {"GenerateActivitySchemaFlag", &ProcessOption::getGenerateActivitySchemaFlag,
     &ProcessOption::setGenerateActivitySchemaFlag},
    {"GenerateWPNameOutsideWP", &ProcessOption::getGenerateWPNameOutsideWP,
     &ProcessOption::setGenerateWPNameOutsideWP},
    {"ViewChildrenWPInWPOverview", &ProcessOption::getViewChildrenWPInWPOverview,
     &ProcessOption::setViewChildrenWPInWPOverview},
    {"GenerateActivitiesOnRoleGroup", &ProcessOption::getGenerateActivitiesOnRoleGroup,
     &ProcessOption::setGenerateActivitiesOnRoleGroup},
    {"IncludeNoDomain", &ProcessOption::getIncludeNoDomain, &ProcessOption::setIncludeNoDomain},
    {"StepTreeview", &ProcessOption::getStepTreeview, &ProcessOption::setStepTreeview},
    {"GenerateWBSNumber", &ProcessOption::getGenerateWBSNumber, &ProcessOption::setGenerateWBSNumber},
    {"ShortcutButtonsInActivity", &ProcessOption::getShortcutButtonsInActivity,
     &ProcessOption::setShortcutButtonsInActivity},
    {"GenerateActivityAccessByStateByMA", &ProcessOption::getGenerateActivityAccessByStateByMA, nullptr},
    {"GenerateActivitiesByRoleByMA", &ProcessOption::getGenerateActivitiesByRoleByMA, nullptr},
    {"GenerateProcessOverview", &ProcessOption::getGenerateProcessOverview, nullptr},
    {"GenerateRole", &ProcessOption::getGenerateRole, nullptr},
    {"GenerateTemplateAccessByMA", &ProcessOption::getGenerateTemplateAccessByMA, nullptr},
    {"GenerateWorkProduct", &ProcessOption::getGenerateWorkProduct, nullptr},
    {"GenerateActivities", &ProcessOption::getGenerateActivities, nullptr},
    {"GenerateMacroActivities", &ProcessOption::getGenerateMacroActivities, nullptr},
    {"GenerateGenericProcedure", &ProcessOption::getGenerateGenericProcedure, nullptr},
    {"GenerateHeader", &ProcessOption::getGenerateHeader, nullptr},
    {"SynthesisOnWPGroup", &ProcessOption::getSynthesisOnWPGroup, nullptr},
    {"GenerateWPOverview", &ProcessOption::getGenerateWPOverview, nullptr},
    {"GenerateMeasure", &ProcessOption::getGenerateMeasure, nullptr},
    {"GenerateBanner", &ProcessOption::getGenerateBanner, nullptr},
    {"GenerateRoleGroup", &ProcessOption::getGenerateRoleGroup, nullptr},
};

TEST_F(OptionsTest, BooleansAreYesOrFalse) {
    const StdOption& std = StdOption::instance();
    for (const auto& k : kStdBools) {
        EXPECT_FALSE((std.*k.get)()) << k.key << " absent";
        write("STD_OPTION", k.key, "Yes");
        EXPECT_FALSE((std.*k.get)()) << k.key << " Yes";
        write("STD_OPTION", k.key, "yes");
        EXPECT_TRUE((std.*k.get)()) << k.key << " yes";
        (std.*k.set)(false);
        EXPECT_EQ(stored("STD_OPTION", k.key), "false") << k.key;
        (std.*k.set)(true);
        EXPECT_EQ(stored("STD_OPTION", k.key), "yes") << k.key;
    }
    const ProcessOption& proc = ProcessOption::instance();
    for (const auto& k : kProcessBools) {
        EXPECT_FALSE((proc.*k.get)()) << k.key << " absent";
        write("PROCESS_OPTION", k.key, "true");
        EXPECT_FALSE((proc.*k.get)()) << k.key << " true";
        write("PROCESS_OPTION", k.key, "yes");
        EXPECT_TRUE((proc.*k.get)()) << k.key << " yes";
        if (k.set) {
            (proc.*k.set)(false);
            EXPECT_EQ(stored("PROCESS_OPTION", k.key), "false") << k.key;
        }
    }
}

TEST_F(OptionsTest, IntegersWhoseZeroMeansDefaultStayInTheirRange) {
    struct {
        const char* key;
        int (StdOption::*get)() const;
        void (StdOption::*set)(int) const;
        int defaultValue;
        int lowest;
        int highest;
    } keys[] = {
        {"Height", &StdOption::getHeight, &StdOption::setHeight, 450, 100, 1000},
        {"Width", &StdOption::getWidth, &StdOption::setWidth, 200, 50, 500},
        {"BannerHeight", &StdOption::getBannerHeight, &StdOption::setBannerHeight, 80, 20, 4000},
        {"IPFS", &StdOption::getIPFS, &StdOption::setIPFS, 0, 0, 100},
        {"TreeviewFontSize", &StdOption::getTreeviewFontSize, &StdOption::setTreeviewFontSize, 12, 8, 14},
    };
    const StdOption& std = StdOption::instance();
    for (const auto& k : keys) {
        EXPECT_EQ((std.*k.get)(), k.defaultValue) << k.key << " absent";
        for (const char* zero : {"", "0", "abc", "+", " -0"}) {
            write("STD_OPTION", k.key, zero);
            EXPECT_EQ((std.*k.get)(), k.defaultValue) << k.key << " '" << zero << "'";
        }
        // Inside the range a value reads as it is stored.
        for (const int value : {k.lowest, k.highest, k.highest - 1})
            if (value != 0) {
                write("STD_OPTION", k.key, (" " + std::to_string(value) + "px").c_str());
                EXPECT_EQ((std.*k.get)(), value) << k.key;
            }
        // Outside it, as a damaged file may hold, the nearest bound.
        const std::pair<std::string, int> outside[] = {
            {"-5", k.lowest},
            {std::to_string(k.lowest - 1), k.lowest},
            {std::to_string(k.highest + 1), k.highest},
            {"-2147483648", k.lowest},
            {"2147483647", k.highest},
            {"99999999999999999999", k.highest},
        };
        for (const auto& [text, value] : outside) {
            write("STD_OPTION", k.key, text.c_str());
            EXPECT_EQ((std.*k.get)(), value) << k.key << " " << text;
        }
        (std.*k.set)(-7);
        EXPECT_EQ(stored("STD_OPTION", k.key), "-7") << k.key << " written as given";
    }
    for (const char* key : {"Width", "Height", "TreeviewFontSize"})
        write("STD_OPTION", key, "0");
    EXPECT_EQ(std.getWidthText(), "200");
    EXPECT_EQ(std.getHeightText(), "450");
    EXPECT_EQ(std.getTreeviewFontSizeText(), "12");
    write("STD_OPTION", "Height", "-2147483648");
    EXPECT_EQ(std.getHeightText(), "100");
}

TEST_F(OptionsTest, TextsAreEmptyWhenAbsentAndWrittenUnchanged) {
    struct {
        const char* key;
        CString (StdOption::*get)() const;
        void (StdOption::*set)(const CString&) const;
    } keys[] = {
        {"SiteName", &StdOption::getSiteName, &StdOption::setSiteName},
        {"SiteNameL2", &StdOption::getSiteNameL2, &StdOption::setSiteNameL2},
        {"GenerationLang", &StdOption::getGenerationLang, &StdOption::setGenerationLang},
        {"GenerationLang2", &StdOption::getGenerationLang2, &StdOption::setGenerationLang2},
        {"Charset", &StdOption::getCharset, &StdOption::setCharset},
        {"DataVersion", &StdOption::getDataVersion, &StdOption::setDataVersion},
    };
    const StdOption& std = StdOption::instance();
    for (const auto& k : keys) {
        EXPECT_EQ((std.*k.get)(), "") << k.key;
        (std.*k.set)("Qualit\xE9 site");
        EXPECT_EQ((std.*k.get)(), "Qualit\xE9 site") << k.key;
        (std.*k.set)("");
        EXPECT_EQ(stored("STD_OPTION", k.key), "") << k.key << " stays, empty";
    }
    write("STD_OPTION", "AvailableLanguages", "EN,FR");
    EXPECT_EQ(std.getAvailableLanguages(), "EN,FR");
    const ProcessOption& proc = ProcessOption::instance();
    EXPECT_EQ(proc.getTemplateActivity(), "");
    proc.setTemplateActivity("standard.txt");
    EXPECT_EQ(stored("PROCESS_OPTION", "TemplateActivity"), "standard.txt");
}

TEST_F(OptionsTest, ActivityBlockOrders) {
    struct {
        const char* key;
        CString (ProcessOption::*get)() const;
        void (ProcessOption::*set)(const CString&) const;
        const char* defaultDigit;
    } keys[] = {
        {"ActivityItemOrderDescription", &ProcessOption::getActivityItemOrderDescription,
         &ProcessOption::setActivityItemOrderDescription, "1"},
        {"ActivityItemOrderTailoringGuideline", &ProcessOption::getActivityItemOrderTailoringGuideline,
         &ProcessOption::setActivityItemOrderTailoringGuideline, "2"},
        {"ActivityItemOrderTemplate", &ProcessOption::getActivityItemOrderTemplate,
         &ProcessOption::setActivityItemOrderTemplate, "3"},
        {"ActivityItemOrderSchema", &ProcessOption::getActivityItemOrderSchema,
         &ProcessOption::setActivityItemOrderSchema, "4"},
        {"ActivityItemProcedure", &ProcessOption::getActivityItemProcedure, &ProcessOption::setActivityItemProcedure,
         "5"},
        {"ActivityItemOrderMeasure", &ProcessOption::getActivityItemOrderMeasure,
         &ProcessOption::setActivityItemOrderMeasure, "6"},
    };
    const ProcessOption& proc = ProcessOption::instance();
    for (const auto& k : keys) {
        EXPECT_EQ((proc.*k.get)(), k.defaultDigit) << k.key;
        (proc.*k.set)("Exclude");
        EXPECT_EQ((proc.*k.get)(), "Exclude") << k.key;
        (proc.*k.set)("");
        EXPECT_EQ((proc.*k.get)(), k.defaultDigit) << k.key;
    }
}

TEST_F(OptionsTest, ActivityProcedureInSeparatedPageIsTriState) {
    ProcessOption& proc = ProcessOption::instance();
    EXPECT_EQ(proc.getActivityProcedureInSeparatedPage(), 2);
    for (const auto& [text, value] : {std::pair{"no", 0}, {"yes", 1}, {"YES", 2}, {"ask", 2}, {"x", 2}}) {
        write("PROCESS_OPTION", "ActivityProcedureInSeparatedPage", text);
        EXPECT_EQ(proc.getActivityProcedureInSeparatedPage(), value) << text;
    }
    proc.setActivityProcedureInSeparatedPage(0);
    EXPECT_EQ(stored("PROCESS_OPTION", "ActivityProcedureInSeparatedPage"), "no");
    proc.setActivityProcedureInSeparatedPage(2);
    EXPECT_EQ(stored("PROCESS_OPTION", "ActivityProcedureInSeparatedPage"), "ask");
    proc.setActivityProcedureInSeparatedPage(3);
    EXPECT_EQ(stored("PROCESS_OPTION", "ActivityProcedureInSeparatedPage"), "ask");
}

TEST_F(OptionsTest, PopupValuesAreRememberedUntilAnotherProjectOpens) {
    struct {
        const char* key;
        bool (ProcessOption::*get)() const;
        void (ProcessOption::*set)(bool);
    } keys[] = {
        {"AP_Desc", &ProcessOption::getAP_Desc, &ProcessOption::setAP_Desc},
        {"AP_IWP", &ProcessOption::getAP_IWP, &ProcessOption::setAP_IWP},
        {"AP_OWP", &ProcessOption::getAP_OWP, &ProcessOption::setAP_OWP},
        {"AP_Roles", &ProcessOption::getAP_Roles, &ProcessOption::setAP_Roles},
        {"AP_Steps", &ProcessOption::getAP_Steps, &ProcessOption::setAP_Steps},
        {"GP_Desc", &ProcessOption::getGP_Desc, &ProcessOption::setGP_Desc},
        {"MAP_Desc", &ProcessOption::getMAP_Desc, &ProcessOption::setMAP_Desc},
        {"MAP_outWP", &ProcessOption::getMAP_outWP, &ProcessOption::setMAP_outWP},
        {"MAP_childrenActivities", &ProcessOption::getMAP_childrenActivities,
         &ProcessOption::setMAP_childrenActivities},
        {"MAP_Tailoring_Guideline", &ProcessOption::getMAP_Tailoring_Guideline,
         &ProcessOption::setMAP_Tailoring_Guideline},
        {"WPP_Aut", &ProcessOption::getWPP_Aut, &ProcessOption::setWPP_Aut},
        {"WPP_Desc", &ProcessOption::getWPP_Desc, &ProcessOption::setWPP_Desc},
        {"RP_Desc", &ProcessOption::getRP_Desc, &ProcessOption::setRP_Desc},
    };
    ProcessOption& proc = ProcessOption::instance();
    for (const auto& k : keys) {
        write("PROCESS_OPTION", k.key, "yes");
        EXPECT_TRUE((proc.*k.get)()) << k.key << " read from the file";
        (proc.*k.set)(false);
        EXPECT_EQ(stored("PROCESS_OPTION", k.key), "false") << k.key;
        write("PROCESS_OPTION", k.key, "yes"); // changed behind the facade's back
        EXPECT_FALSE((proc.*k.get)()) << k.key << " remembered";
    }
    // Another project whose file says "yes" everywhere.
    std::string settings = "[PROCESS_OPTION]\r\n";
    for (const auto& k : keys)
        settings += std::string(k.key) + "=yes\r\n";
    open(settings);
    for (const auto& k : keys)
        EXPECT_TRUE((proc.*k.get)()) << k.key << " after another project opened";
}

TEST_F(OptionsTest, LongValuesAreCutToTheBuffer) {
    write("STD_OPTION", "SiteName", std::string(1200, 's').c_str());
    EXPECT_EQ(StdOption::instance().getSiteName(), CString(std::string(998, 's')));
}

TEST_F(OptionsTest, TipsLiveInTheApplicationProfile) {
    const StdOption& std = StdOption::instance();
    EXPECT_EQ(std.getTipsActivated(), 1);
    std.setTipsActivated(0);
    EXPECT_EQ(std.getTipsActivated(), 0);
    EXPECT_EQ(stored("STD_OPTION", "TipsActivated"), "<absent>");
    std.setTipsActivated(1);
}

TEST(OptionsWithoutProjectTest, SettingsFileDefaultsToAdministratorIni) {
    Project project("", nullptr, 0);
    EXPECT_EQ(project.getSettingsFile(), "tolvane/administrator.ini");
    Project layout("/p/proj/tolvane/administrator.ini", nullptr, 1);
    EXPECT_EQ(layout.getProjectDirectory(), "/p/proj/");
    EXPECT_EQ(layout.getSiteDirectory(), "/p/proj/site/");
    Project plain("C:/p/proj/site.tvx", nullptr, 0);
    EXPECT_EQ(plain.getProjectDirectory(), "C:/p/proj/");
    EXPECT_EQ(plain.getSiteDirectory(), "C:/p/proj/site/");
}

} // namespace
