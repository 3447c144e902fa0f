#pragma once

// A main window for tests: records what the project asks of it.

#include "ItemListePlus.h"
#include "MainWindow.h"

#include <string>
#include <vector>

class RecordingMainWindow : public MainWindow {
public:
    void loadIconImages(const CString& folder) override { calls.push_back("loadIconImages " + folder.str()); }
    void disableProjectButtons() override { calls.push_back("disableProjectButtons"); }
    void rebuildTree(ItemListePlus* list) override {
        calls.push_back("rebuildTree " + std::to_string(list->count()));
    }
    void setWindowTitle(const CString& title) override { calls.push_back("setWindowTitle " + title.str()); }

    std::vector<std::string> calls;
};
