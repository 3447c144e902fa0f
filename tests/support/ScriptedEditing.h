#pragma once

// Plays the user of the property sheets that items open: records each
// sheet's title and page captions and answers as the script says (filling
// pages first, then IDOK or IDCANCEL). It installs itself for its lifetime.

#include "EditingService.h"
#include "PropertySheet.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class ScriptedEditing : public EditingService {
public:
    explicit ScriptedEditing(std::function<int(PropertySheet&)> script) : m_script(std::move(script)) {
        install(this);
    }
    ~ScriptedEditing() override { install(nullptr); }
    int runSheet(PropertySheet& sheet) override {
        title = sheet.getTitle().str();
        titles.push_back(title);
        captions.clear();
        for (PropertyPage* page : sheet.getPages())
            captions.push_back(page->getCaption().str());
        return m_script(sheet);
    }

    // The last sheet's title and captions, and every title in order.
    std::string title;
    std::vector<std::string> captions;
    std::vector<std::string> titles;

private:
    std::function<int(PropertySheet&)> m_script;
};

// The sheet's page of a type; null when it has none.
template <typename Page> Page* pageOf(PropertySheet& sheet) {
    for (PropertyPage* page : sheet.getPages())
        if (auto* typed = dynamic_cast<Page*>(page))
            return typed;
    return nullptr;
}
