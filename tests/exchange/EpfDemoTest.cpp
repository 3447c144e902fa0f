// The demo project exported whole: its domain, each of its disciplines as a
// plug-in of its own, and the generic pair.

#include "EpfLibraryCheck.h"
#include "FileSystem.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

TEST(EpfDemoTest, TheDemoExportsWholeToASoundLibrary) {
    TempDir dir;
    RecordingUserInterface ui;
    dir.write("bin/xdg-open", "#!/bin/sh\nexit 0\n");
    std::filesystem::permissions(dir / "bin/xdg-open", std::filesystem::perms::owner_all);
    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (dir / "bin:" + oldPath).c_str(), 1);
    ASSERT_TRUE(platform::copyTree(TOLVANE_DEMO_DIR, (dir / "Demo").c_str()));
    {
        ProcessManager manager((dir / "Demo/Demo.tvx").c_str(), nullptr, 0, 0);
        manager.updateLinks(0, 0);
        ProcessItemListe selection;
        const char* const plugins[] = {"N17653000010", "N17653000060", "N17653000064", "N17653000068"};
        for (const char* uid : plugins)
            selection.append(static_cast<ProcessItem*>(manager.findItemByUid(uid)));
        manager.exportXMLforEPF(&selection, "");
        selection.removeAll();
    }
    setenv("PATH", oldPath.c_str(), 1);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text.Left(16), "exportForEPF.xml");
    const EpfLibraryCheck check = checkEpfLibrary(dir / "Demo/tmp/EPFexport/exportForEPF.xml");
    EXPECT_EQ(check.xmllint, "");
    EXPECT_EQ(check.parseError, "");
    EXPECT_EQ(check.duplicateIds, std::vector<std::string>());
    EXPECT_EQ(check.unresolved, std::vector<std::string>());
    // Each element's children in the schema's order: a task's performer
    // before its work products, a work product's guidance before its
    // templates.
    EXPECT_EQ(check.misordered, std::vector<std::string>());
    // Every activity of the demo is a task, every work product an artifact.
    const std::string library = dir.read("Demo/tmp/EPFexport/exportForEPF.xml");
    size_t tasks = 0;
    size_t artifacts = 0;
    for (size_t at = library.find("xsi:type=\"uma:Task\""); at != std::string::npos;
         at = library.find("xsi:type=\"uma:Task\"", at + 1))
        ++tasks;
    for (size_t at = library.find("xsi:type=\"uma:Artifact\""); at != std::string::npos;
         at = library.find("xsi:type=\"uma:Artifact\"", at + 1))
        ++artifacts;
    EXPECT_EQ(tasks, 6u);
    EXPECT_EQ(artifacts, 6u);
    EXPECT_TRUE(dir.exists("Demo/tmp/EPFexport/Generic - main/guidances/supportingmaterials/resources"));
    // Both procedures attach a document named "procedure.htm": each
    // whitepaper has a copy of its own, named after its item.
    const std::pair<const char*, const char*> procedures[] = {{"N17653000021", "Test_procedure"},
                                                              {"N17653000022", "Review_procedure"}};
    for (const auto& [uid, folder] : procedures) {
        const std::string copy = std::string(uid) + "_procedure.htm";
        EXPECT_NE(library.find("<Attachment><![CDATA[resources/" + copy + "]]></Attachment>"),
                  std::string::npos)
            << uid;
        EXPECT_EQ(dir.read("Demo/tmp/EPFexport/Generic - main/guidances/whitepapers/resources/" + copy),
                  dir.read(std::string("Demo/site/Procedures/") + folder + "/procedure.htm"))
            << uid;
    }
}
