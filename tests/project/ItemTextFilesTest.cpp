#include "ItemWorkProduct.h"
#include "ProcessProjectFixture.h"
#include "PropertyPage.h"
#include "PropertySheet.h"
#include "ScriptedEditing.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Longer than any line limit the readers of these files ever had.
const std::string kLongLine(60000, 'x');

const char* const kBlueprintFiles[] = {"ArtefactDescription.txt", "ArtefactDescriptionL2.txt",
                                       "Tailoring.txt", "TailoringL2.txt", "notes.txt"};

class ItemTextFilesTest : public testing::Test {
protected:
    void SetUp() override { f.open(); }
    void writeAll(const std::string& bytes) {
        for (const char* name : kBlueprintFiles)
            f.write(std::string("site/Products/Blueprint/") + name, bytes);
    }
    std::string blueprintFile(const char* name) {
        return f.read(std::string("site/Products/Blueprint/") + name);
    }
    ProcessProjectFixture f;
};

TEST_F(ItemTextFilesTest, LongLinesAreReadWhole) {
    const std::string bytes = "Head\r\n" + kLongLine + "\r\nTail";
    writeAll(bytes);
    ProcessItem* blueprint = f.item("N10");
    blueprint->load(1);
    ProcessItemExtension* extension = blueprint->getExtension();
    EXPECT_EQ(blueprint->Item::getDescription(0), bytes);
    EXPECT_EQ(extension->readDescription(1, 0, 0, 0), bytes);
    EXPECT_EQ(extension->readDescription(0, 1, 0, 0), "Head<br>\n" + kLongLine + "<br>\nTail");
    EXPECT_EQ(extension->readDescription(0, 0, 1, 0), bytes);
    EXPECT_EQ(extension->readTailoringGuideline(0, 0, 0), bytes);
    EXPECT_EQ(extension->readTailoringGuideline(1, 1, 0), "Head\r<br>\n" + kLongLine + "\r<br>\nTail");
    EXPECT_EQ(blueprint->readNotes(), bytes);
    EXPECT_EQ(blueprint->getDescriptionForCsv(0), "\"Head \n" + kLongLine + " \nTail\"");
}

TEST_F(ItemTextFilesTest, ASheetClosedWithoutEditsLeavesTheTextFilesAsTheyWere) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"a long line", "Head\r\n" + kLongLine + "\r\nTail\r\n"},
        {"a long last line", kLongLine},
        {"line feeds alone", "one\ntwo\n"},
        {"empty lines first", "\n\r\nthree"},
        {"empty", ""},
    };
    ProcessItem* blueprint = f.item("N10");
    ScriptedEditing editing([](PropertySheet&) { return IDOK; });
    for (const auto& c : cases) {
        writeAll(c.bytes);
        blueprint->load(1);
        blueprint->edit(); // saves the item and writes all five files
        for (const char* name : kBlueprintFiles)
            EXPECT_EQ(blueprintFile(name), c.bytes) << c.name << ": " << name;
        ASSERT_EQ(blueprint->save(), 1);
        EXPECT_EQ(blueprintFile("ArtefactDescription.txt"), c.bytes) << c.name << ", saved again";
    }
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST_F(ItemTextFilesTest, EditedTextsAreWrittenAsTheyAre) {
    writeAll("one\r\ntwo\r\n");
    ProcessItem* blueprint = f.item("N10");
    blueprint->load(1);
    blueprint->setDescription(0, kLongLine + "\r\n!");
    ASSERT_EQ(blueprint->save(), 1);
    EXPECT_EQ(blueprintFile("ArtefactDescription.txt"), kLongLine + "\r\n!");
    // The same lines with other line ends are a change of the file's bytes.
    ASSERT_EQ(blueprint->writeNotes("one\ntwo\n"), 1);
    EXPECT_EQ(blueprintFile("notes.txt"), "one\ntwo\n");
    blueprint->getExtension()->writeTailoringGuideline("", 0);
    EXPECT_EQ(blueprintFile("Tailoring.txt"), "");
}

} // namespace
