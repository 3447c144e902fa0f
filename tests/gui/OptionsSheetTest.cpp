// The "Options" sheet opened from the main window's "Parameters" on the
// small process project: its pages, what OK writes into the settings file
// (only the keys of the pages that were shown), the range of the number
// fields, the question before two languages, and Cancel.

#include "DialogLook.h"
#include "ItemPropertySheet.h"
#include "MainWindowProject.h"
#include "ModalScript.h"
#include "OptionPageViews.h"
#include "OptionPages.h"
#include "PrivateProfile.h"
#include "StringTable.h"
#include "WinTypes.h"
#include "WxText.h"

#include <filesystem>
#include <wx/combobox.h>

namespace {

class OptionsSheetTest : public MainWindowProject {
protected:
    std::string settingsPath() const { return m_dir / "proj/site.tvx"; }
    std::string key(const char* section, const char* name) const {
        char value[1000] = "";
        GetPrivateProfileStringA(section, name, "", value, sizeof value, settingsPath().c_str());
        return value;
    }
    void setKey(const char* section, const char* name, const char* value) const {
        WritePrivateProfileStringA(section, name, value, settingsPath().c_str());
    }
    // Runs "Parameters"; the step plays the user in the sheet and answers
    // how the sheet ended (Cancel when it stayed open).
    void runOptions(const std::function<void(ItemPropertySheet&)>& drive) {
        ModalScript script;
        script.then<ItemPropertySheet>([&](ItemPropertySheet& sheet) {
            drive(sheet);
            return sheet.hasEnded() ? sheet.GetReturnCode() : static_cast<int>(wxID_CANCEL);
        });
        m_main->OnParameters();
    }
};

TEST_F(OptionsSheetTest, OkWritesOnlyThePagesThatWereShown) {
    runOptions([](ItemPropertySheet& sheet) {
        EXPECT_EQ(sheet.getCaptions(), (std::vector<CString>{"Standard", "Process generation feature",
                                                             "Description popup content"}));
        auto* standard = sheet.findView<COption1DialogView>();
        standard->setText(COption1DialogMgt::IDC_WIDTH, "300");
        standard->setChecked(COption1DialogMgt::IDC_USE_FRAME, true);
        standard->setText(COption1DialogMgt::IDC_SITE_NAME, "Renamed");
        sheet.OnOK();
    });
    EXPECT_EQ(key("STD_OPTION", "Width"), "300");
    EXPECT_EQ(key("STD_OPTION", "UseFrame"), "yes");
    EXPECT_EQ(key("STD_OPTION", "SiteName"), "Renamed");
    EXPECT_EQ(key("STD_OPTION", "Height"), "450");
    // The process pages were never shown: their keys are not touched.
    for (const char* name : {"ActivityItemOrderSchema", "AP_Desc", "GenerateWBSNumber", "IncludeNoDomain"})
        EXPECT_EQ(key("PROCESS_OPTION", name), "") << name;
    EXPECT_TRUE(messages().empty());
}

TEST_F(OptionsSheetTest, TheProcessPagesWriteWhatTheyShow) {
    setKey("PROCESS_OPTION", "AP_OWP", "yes");
    runOptions([](ItemPropertySheet& sheet) {
        ASSERT_TRUE(sheet.setActivePage(1));
        auto* generation = sheet.findView<CProcessOption1DialogView>();
        // An absent order shows the block's default place.
        EXPECT_EQ(generation->getText(CProcessOption1DialogMgt::IDC_ORDER_SCHEMA), "4");
        EXPECT_EQ(fromWx(generation->FindWindow(1013)->GetToolTipText()), loadString(33098));
        generation->setText(CProcessOption1DialogMgt::IDC_ORDER_SCHEMA, "Exclude");
        generation->setChecked(1017, true);
        ASSERT_TRUE(sheet.setActivePage(2));
        auto* popup = sheet.findView<CProcessOption2DialogView>();
        EXPECT_TRUE(popup->isChecked(1008));
        popup->setChecked(1006, true);
        popup->setChecked(1008, false);
        sheet.OnOK();
    });
    EXPECT_EQ(key("PROCESS_OPTION", "ActivityItemOrderSchema"), "Exclude");
    EXPECT_EQ(key("PROCESS_OPTION", "ActivityItemOrderDescription"), "1");
    EXPECT_EQ(key("PROCESS_OPTION", "GenerateWBSNumber"), "yes");
    EXPECT_EQ(key("PROCESS_OPTION", "StepTreeview"), "false");
    EXPECT_EQ(key("PROCESS_OPTION", "ActivityProcedureInSeparatedPage"), "ask");
    EXPECT_EQ(key("PROCESS_OPTION", "AP_Desc"), "yes");
    EXPECT_EQ(key("PROCESS_OPTION", "AP_OWP"), "false");
}

TEST_F(OptionsSheetTest, ANumberOutsideItsRangeKeepsTheSheetOpen) {
    struct Case {
        const char* width;
        bool accepted;
    };
    const Case cases[] = {{"49", false}, {"501", false},  {"50", true},
                          {"500", true}, {"wide", false}, {"", false}};
    for (const Case& c : cases) {
        bool ended = false;
        runOptions([&](ItemPropertySheet& sheet) {
            sheet.findView<COption1DialogView>()->setText(COption1DialogMgt::IDC_WIDTH, c.width);
            sheet.OnOK();
            ended = sheet.hasEnded();
        });
        EXPECT_EQ(ended, c.accepted) << c.width;
        const std::vector<std::string> shown = messages();
        if (c.accepted) {
            EXPECT_EQ(key("STD_OPTION", "Width"), c.width);
            EXPECT_TRUE(shown.empty()) << c.width;
        } else {
            EXPECT_EQ(shown, std::vector<std::string>{"Please enter an integer between 50 and 500."})
                << c.width;
        }
    }
}

// The fields the page keeps hidden cannot be corrected by the user: values
// out of their range are brought to the nearest bound, and OK goes through.
TEST_F(OptionsSheetTest, HiddenValuesOutOfRangeNeverBlockOk) {
    setKey("STD_OPTION", "Height", "5000");
    setKey("STD_OPTION", "TreeviewFontSize", "3");
    bool ended = false;
    runOptions([&](ItemPropertySheet& sheet) {
        auto* standard = sheet.findView<COption1DialogView>();
        EXPECT_FALSE(standard->FindWindow(COption1DialogMgt::IDC_HEIGHT)->IsShown());
        sheet.OnOK();
        ended = sheet.hasEnded();
    });
    EXPECT_TRUE(ended);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(key("STD_OPTION", "Height"), "1000");
    EXPECT_EQ(key("STD_OPTION", "TreeviewFontSize"), "8");
}

TEST_F(OptionsSheetTest, SwitchingTwoLanguagesOnAsksFirst) {
    setKey("STD_OPTION", "TwoLanguages", "false");
    const std::string page = "site/Products/Plan/overviewL2.htm";
    std::filesystem::remove(m_dir / ("proj/" + page));
    auto switchOn = [this] {
        runOptions([](ItemPropertySheet& sheet) {
            sheet.findView<COption1DialogView>()->setChecked(COption1DialogMgt::IDC_TWO_LANGUAGES, true);
            sheet.OnOK();
        });
    };
    m_ui.answers.push_back(IDNO);
    switchOn();
    EXPECT_EQ(messages(), std::vector<std::string>{loadString(33039).str()});
    EXPECT_EQ(key("STD_OPTION", "TwoLanguages"), "false");
    EXPECT_FALSE(exists(page));

    m_ui.answers.push_back(IDYES);
    switchOn();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(key("STD_OPTION", "TwoLanguages"), "yes");
    EXPECT_TRUE(exists(page));

    // Switching off never asks.
    runOptions([](ItemPropertySheet& sheet) {
        sheet.findView<COption1DialogView>()->setChecked(COption1DialogMgt::IDC_TWO_LANGUAGES, false);
        sheet.OnOK();
    });
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(key("STD_OPTION", "TwoLanguages"), "false");
}

TEST_F(OptionsSheetTest, CancelLeavesTheSettingsAsTheyWere) {
    const std::string before = read("site.tvx");
    runOptions([](ItemPropertySheet& sheet) {
        sheet.findView<COption1DialogView>()->setText(COption1DialogMgt::IDC_WIDTH, "300");
        sheet.setActivePage(1);
        sheet.OnCancel();
    });
    EXPECT_EQ(read("site.tvx"), before);
}

TEST_F(OptionsSheetTest, TheLanguageListsOfferTheAvailableLanguages) {
    for (const auto& [available, offered] :
         {std::pair<const char*, std::vector<std::string>>{"EN,FR,DE", {"EN", "FR", "DE"}},
          std::pair<const char*, std::vector<std::string>>{"", {}}}) {
        setKey("STD_OPTION", "AvailableLanguages", available);
        runOptions([&](ItemPropertySheet& sheet) {
            auto* standard = sheet.findView<COption1DialogView>();
            for (int id : {COption1DialogMgt::IDC_LANGUAGE, COption1DialogMgt::IDC_LANGUAGE2}) {
                auto* combo = static_cast<wxComboBox*>(standard->FindWindow(id));
                std::vector<std::string> listed;
                for (unsigned i = 0; i < combo->GetCount(); ++i)
                    listed.push_back(combo->GetString(i).utf8_string());
                EXPECT_EQ(listed, offered) << available;
            }
            // The fields keep the project's languages.
            EXPECT_EQ(standard->getText(COption1DialogMgt::IDC_LANGUAGE), "EN");
            EXPECT_EQ(standard->getText(COption1DialogMgt::IDC_LANGUAGE2), "FR");
            standard->setText(COption1DialogMgt::IDC_LANGUAGE2, "IT");
            sheet.OnOK();
        });
        EXPECT_EQ(key("STD_OPTION", "GenerationLang2"), "IT");
        setKey("STD_OPTION", "GenerationLang2", "FR");
    }
}

TEST_F(OptionsSheetTest, APlainSiteHasOnePageAndWritesNoProcessKey) {
    m_main.reset();
    setKey("APPLICATION_KIND", "Tolvane", "no");
    m_main = std::make_unique<CMenuCreatorDlg>(settingsPath().c_str(), nullptr);
    m_main->OnInitDialog();
    messages();
    runOptions([](ItemPropertySheet& sheet) {
        EXPECT_EQ(sheet.getCaptions(), std::vector<CString>{"Standard"});
        sheet.OnOK();
    });
    for (const char* name : {"ActivityItemOrderSchema", "AP_Desc", "TemplateActivity"})
        EXPECT_EQ(key("PROCESS_OPTION", name), "") << name;
}

TEST_F(OptionsSheetTest, EachPageIsSeen) {
    runOptions([this](ItemPropertySheet& sheet) {
        for (int page = 0; page < sheet.getPageCount(); ++page) {
            ASSERT_TRUE(sheet.setActivePage(page));
            checkDialogLook(sheet, "options-" + std::to_string(page), m_dir.path());
        }
        sheet.OnCancel();
    });
}

} // namespace
