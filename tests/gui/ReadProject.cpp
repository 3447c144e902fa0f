// Opens a project as another copy of the program opens it, and prints what
// that copy sees: one line per item of its tree, indented by its level,
// with its uid, url, class, version, state, author and first-language
// description (line ends as "\n"). Used by the tests to show that what one
// copy changed is on disk for the next.

#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "MainWindow.h"
#include "ProcessItem.h"
#include "ProcessItemExtension.h"
#include "ProcessManager.h"

#include <iostream>

namespace {

class NoWindow : public MainWindow {
public:
    void loadIconImages(const CString&) override {}
    void disableProjectButtons() override {}
    void rebuildTree(ItemListePlus*) override {}
    void setWindowTitle(const CString&) override {}
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: read_project <settings file>\n";
        return 2;
    }
    NoWindow window;
    ProcessManager manager(argv[1], &window, 0, 0);
    if (!manager.isTreeLoaded())
        return 1;
    ItemListePlus* items = manager.getItemList();
    for (int i = 1; i <= items->count(); ++i) {
        auto* item = static_cast<ProcessItem*>(items->at(i));
        CString description =
            item->getExtension() ? item->getExtension()->readDescription(0, 0, 0, 0) : CString();
        description.Replace("\r\n", "\\n");
        std::cout << std::string(static_cast<size_t>(item->getLevel()), ' ') << item->getName().str() << "|"
                  << item->getUid().str() << "|" << item->getUrl().str() << "|"
                  << getProcessClassKeyword(item->getClassKind(), 0).str() << "|" << item->getVersion().str()
                  << "|" << item->getStateText().str() << "|" << item->getEditor().str() << "|"
                  << description.str() << "\n";
    }
    return 0;
}
