#pragma once

// The main window opened on a small process project, with the item sheets
// run through the editing service, and OK pressed on a sheet as its
// button does.

#include "ItemPropertySheet.h"
#include "MainWindowProject.h"
#include "SheetEditing.h"

class SheetsProject : public MainWindowProject {
protected:
    void SetUp() override {
        MainWindowProject::SetUp();
        EditingService::install(&m_editing);
    }
    void TearDown() override {
        EditingService::install(nullptr);
        MainWindowProject::TearDown();
    }
    static int ok(ItemPropertySheet& sheet) {
        sheet.OnOK();
        EXPECT_TRUE(sheet.hasEnded());
        return sheet.GetReturnCode();
    }

    SheetEditing m_editing;
};
