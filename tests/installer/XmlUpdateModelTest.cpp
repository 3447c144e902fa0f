#include "XmlUpdateModel.h"
#include "TempDir.h"
#include "XmlFlags.h"
#include "XmlTargetDatabase.h"
#include "XmlTestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using Rows = std::vector<ActionData::Row>;
using namespace xmlflags;

TEST(XmlUpdateModelTest, FlagDecidersReadTheBits) {
    struct ElementCase {
        std::int32_t flags;
        bool both, first, all, update;
    } elements[] = {
        {0x00, false, false, false, false}, {0x08, false, true, false, true},
        {0x10, false, false, true, true},   {0x18, true, false, false, false},
        {0x1E, true, false, false, false},  {0x0A, false, true, false, true},
    };
    for (const ElementCase& c : elements) {
        EXPECT_EQ(isMatchBoth(c.flags), c.both) << c.flags;
        EXPECT_EQ(isMatchFirst(c.flags), c.first) << c.flags;
        EXPECT_EQ(isMatchAll(c.flags), c.all) << c.flags;
        EXPECT_EQ(isMatchUpdate(c.flags), c.update) << c.flags;
    }
    struct AttributeCase {
        std::int32_t flags;
        int operation, passes;
        bool install, uninstall;
    } attributes[] = {
        {0x00, kNoOperation, 0, false, false},      {0x0A, kAddWhenMissing, 1, true, false},
        {0x0C, kRemoveWhenPresent, 1, true, false}, {0x0E, kAddOrOverwrite, 1, true, false},
        {0x16, kAddOrOverwrite, 2, false, true},    {0x1B, kAddWhenMissing, 3, true, true},
        {0x01, kNoOperation, 0, false, false},
    };
    for (const AttributeCase& c : attributes) {
        EXPECT_EQ(attributeOperation(c.flags), c.operation) << c.flags;
        EXPECT_EQ(attributePasses(c.flags), c.passes) << c.flags;
        EXPECT_EQ(takesPartIn(c.flags, kModeInstall), c.install) << c.flags;
        EXPECT_EQ(takesPartIn(c.flags, kModeUninstall), c.uninstall) << c.flags;
    }
}

// The children of r after a run, one word each: the value of a of an i
// element, "-" for an i without it, "c" for a comment.
std::string children(const std::string& file) {
    std::istringstream lines(file);
    std::string line, out;
    while (std::getline(lines, line)) {
        std::string word;
        if (line.find("<!--") != std::string::npos)
            word = "c";
        else if (line.find("<i a=\"") != std::string::npos)
            word = line.substr(line.find("a=\"") + 3, 1);
        else if (line.find("<i/>") != std::string::npos)
            word = "-";
        if (!word.empty())
            out += (out.empty() ? "" : " ") + word;
    }
    return out;
}

TEST(XmlUpdateModelTest, ElementFlagsDecideWhatHappensToTheMatches) {
    const std::string threeMatches = "<r>\r\n  <i a=\"1\"/>\r\n  <i a=\"1\"/>\r\n  <i a=\"1\"/>\r\n</r>\r\n";
    const std::string noMatch = "<r>\r\n</r>\r\n";
    struct Case {
        int mode;
        const char* flags;
        const std::string& document;
        int runs;
        std::string children;
    } cases[] = {
        {kModeInstall, "0", threeMatches, 1, "1 1 1"},
        {kModeInstall, "2", threeMatches, 1, "1 1 1"},
        {kModeInstall, "4", threeMatches, 1, "1 1 1"},
        {kModeInstall, "8", threeMatches, 1, "2 1 1"},
        {kModeInstall, "16", threeMatches, 1, "2 2 2"},
        {kModeInstall, "24", threeMatches, 1, "1 1 1 2"},
        {kModeInstall, "24", threeMatches, 2, "1 1 1 2 2"},
        {kModeInstall, "28", threeMatches, 1, "1 1 1 2"},
        {kModeInstall, "1", threeMatches, 2, "1 1 1 c c"},
        {kModeInstall, "0", noMatch, 1, ""},
        {kModeInstall, "24", noMatch, 1, ""},
        {kModeInstall, "4", noMatch, 1, "2"},
        {kModeInstall, "4", noMatch, 2, "2"},
        {kModeInstall, "12", noMatch, 2, "2"},
        {kModeUninstall, "0", threeMatches, 1, "- - -"},
        {kModeUninstall, "4", threeMatches, 1, "- - -"},
        {kModeUninstall, "8", threeMatches, 1, "- 1 1"},
        {kModeUninstall, "16", threeMatches, 1, "- - -"},
        {kModeUninstall, "24", threeMatches, 1, "- 1 1"},
        {kModeUninstall, "2", threeMatches, 1, ""},
        {kModeUninstall, "10", threeMatches, 1, "1 1"},
        {kModeUninstall, "18", threeMatches, 1, ""},
        {kModeUninstall, "26", threeMatches, 1, "1 1"},
        {kModeUninstall, "1", threeMatches, 1, "1 1 1"},
        {kModeUninstall, "6", noMatch, 1, ""},
    };
    for (const Case& c : cases) {
        const std::u16string flags = wide(c.flags);
        const std::u16string text = flags == u"1" ? u"note" : u""; // a comment row's text
        const Rows elements = {{u"r", u"", u"r", u"0", u"0", u""}, {u"i", u"r", u"i", u"1", flags, text}};
        // At install a takes the value 2; at uninstall it goes.
        const Rows attributes = {{u"a", u"i", u"a", c.mode == kModeInstall ? u"14" : u"20", u"1", u"2"}};
        std::string file = c.document;
        for (int run = 0; run < c.runs; ++run)
            file = patched(file, elements, attributes, c.mode);
        EXPECT_EQ(children(file), c.children) << (c.mode == kModeInstall ? "install" : "uninstall")
                                              << " flags " << c.flags << ", " << c.runs << " run(s)\n"
                                              << file;
    }
}

TEST(XmlUpdateModelTest, ChildRowsOfAnElementLeftAloneAreStillHandled) {
    const std::string result =
        patched("<r>\r\n  <s a=\"1\">\r\n    <t/>\r\n  </s>\r\n</r>",
                {{u"r", u"", u"r", u"0", u"0", u""},
                 {u"s", u"r", u"s", u"1", u"0", u""},
                 {u"t", u"s", u"t", u"1", u"8", u""}},
                {{u"a", u"s", u"a", u"14", u"1", u"2"}, {u"b", u"t", u"b", u"10", u"1", u"1"}}, kModeInstall);
    EXPECT_EQ(result, "<r>\r\n  <s a=\"1\">\r\n    <t b=\"1\"/>\r\n  </s>\r\n</r>");
}

TEST(XmlUpdateModelTest, RecordsDoneForOneFileAreSkippedForTheNextOfTheSameRoot) {
    TempDir dir;
    dir.write("one.xml", "<r><a/></r>");
    dir.write("two.xml", "<r><a/></r>");
    UpdateRows rows;
    rows.files = {{u"one", u"one.xml", wide(dir.path()), u"", u"r", u"0", u"", u"", u"2", u""},
                  {u"two", u"two.xml", wide(dir.path()), u"", u"r", u"0", u"", u"", u"2", u""}};
    rows.elements = {{u"r", u"", u"r", u"0", u"0", u""}, {u"a", u"r", u"a", u"1", u"8", u"x"}};
    XmlUpdateModel model;
    rows.load(model);
    for (const auto& file : model.files()) {
        XmlTargetDatabase database(file->fullPath());
        database.load();
        model.updateDocument(database, *file, kModeInstall);
        database.save();
    }
    EXPECT_EQ(dir.read("one.xml"), "<r><a>x</a></r>");
    EXPECT_EQ(dir.read("two.xml"), "<r><a/></r>");
}

TEST(XmlUpdateModelTest, RowsBecomeLinkedRecords) {
    UpdateRows rows;
    rows.files = {{u"f", u"CONFIG~1.XML|config.xml", u"C:\\App\\", u"Comp", u"r", u"13", u"1.0", u"UTF-8",
                   u"3", u"#.bak"},
                  {u"f", u"other.xml", u"D:\\", u"", u"r", u"0", u"", u"", u"", u""},
                  {u"lost", u"lost.xml", u"D:\\"}};
    rows.elements = {{u"r", u"", u"r", u"0", u"0", u""},          {u"b", u"r", u"b", u"2", u"0", u""},
                     {u"a", u"r", u"a", u"1", u"0", u""},         {u"b1", u"b", u"b1", u"1", u"0", u""},
                     {u"a2", u"a", u"a2", u"2", u"0", u""},       {u"a1", u"a", u"a1", u"1", u"0", u""},
                     {u"orphan", u"none", u"o", u"1", u"0", u""}, {u"x", u"y", u"x", u"1", u"0", u""},
                     {u"y", u"x", u"y", u"1", u"0", u""},         {u"r", u"", u"duplicate", u"0", u"0", u""}};
    rows.attributes = {{u"k2", u"a", u"k", u"10", u"2", u"second"},
                       {u"k1", u"a", u"k", u"10", u"1", u"first"},
                       {u"lost", u"none", u"k", u"10", u"1", u"dropped"}};
    XmlUpdateModel model;
    rows.load(model);

    ASSERT_EQ(model.files().size(), 2u) << "the first row of a key is kept";
    const XmlFileRecord& file = *model.files().front();
    EXPECT_EQ(file.fullPath(), u"C:\\App\\config.xml");
    EXPECT_EQ(file.flags, 13);
    EXPECT_EQ(file.indentUnits, 3);
    EXPECT_EQ(file.backupFileName, u"#.bak");
    ASSERT_NE(file.root, nullptr);
    EXPECT_EQ(file.root->name(), u"r");
    EXPECT_EQ(model.files()[1]->key, u"lost");
    EXPECT_EQ(model.files()[1]->root, nullptr) << "a short row: no root element";
    EXPECT_TRUE(model.fileElements(*model.files()[1]).empty());

    std::string order;
    for (const XmlTableElementRecord* record : model.fileElements(file))
        order += narrow(record->key()) + " ";
    EXPECT_EQ(order, "r a b a1 a2 b1 ") << "level by level, by the orders of the ancestors";
    EXPECT_EQ(model.findElement(u"orphan")->parent(), nullptr);
    EXPECT_EQ(model.findElement(u"a1")->namePath(), u"r/a/a1");
    EXPECT_EQ(model.findElement(u"a1")->depth(), 2);
    // A loop of parent keys is cut rather than followed for ever.
    EXPECT_TRUE(model.findElement(u"x")->parent() == nullptr || model.findElement(u"y")->parent() == nullptr);

    const auto& attributes = model.findElement(u"a")->attributes();
    ASSERT_EQ(attributes.size(), 2u) << "an attribute of no element is dropped";
    EXPECT_EQ(attributes[0].value, u"first");
    EXPECT_EQ(XmlUpdateModel::attributesToWrite(*model.findElement(u"a"), kModeInstall).size(), 1u)
        << "only the first of a name is written";
}

TEST(XmlUpdateModelTest, TestPropertiesTakeThePlaceOfEveryFilesFolderAndName) {
    UpdateRows rows;
    rows.properties = {{u"FW_TEST_XML_FILE_DIRECTORY", u"/tmp/test/"}, {u"FW_TEST_XML_FILE_NAME", u"t.xml"}};
    rows.files = {{u"f", u"a|b.xml", u"C:\\App\\", u"", u"r"}};
    XmlUpdateModel model;
    rows.load(model);
    EXPECT_EQ(model.files().front()->fullPath(), u"/tmp/test/t.xml");
}

TEST(XmlUpdateModelTest, AttributesForMatchingAndForWriting) {
    XmlTableElementRecord element(u"e", u"", u"e", 0, 0, u"");
    const auto add = [&](const char16_t* name, std::int32_t flags, std::int32_t order) {
        element.attributes().push_back({XmlAttributeRecord::kFromTable, name, u"v", flags, order});
    };
    add(u"key", 0x0B, 1);       // key, add, install pass
    add(u"plain", 0x0E, 2);     // add or overwrite, install pass
    add(u"uninstall", 0x13, 3); // key, add, uninstall pass: never matches
    add(u"remove", 0x0D, 4);    // key, but removing: never matches nor is written
    add(u"nothing", 0x19, 5);   // key without an operation
    add(u"both", 0x1A, 6);      // both passes
    const auto names = [](const std::vector<XmlAttributeRecord>& list) {
        std::string out;
        for (const XmlAttributeRecord& a : list)
            out += narrow(a.name) + " ";
        return out;
    };
    EXPECT_EQ(names(XmlUpdateModel::matchAttributes(element, false)), "key ");
    EXPECT_EQ(names(XmlUpdateModel::matchAttributes(element, true)), "key plain ");
    EXPECT_EQ(names(XmlUpdateModel::attributesToWrite(element, kModeInstall)), "key plain both ");
    EXPECT_EQ(names(XmlUpdateModel::attributesToWrite(element, kModeUninstall)), "uninstall both ");
}

TEST(XmlUpdateModelTest, FileNamesAndPaths) {
    EXPECT_EQ(XmlFileRecord::fileNamePart(u"SHORT~1.XML|long name.xml"), u"long name.xml");
    EXPECT_EQ(XmlFileRecord::fileNamePart(u"a|b|c"), u"b|c");
    EXPECT_EQ(XmlFileRecord::fileNamePart(u"plain.xml"), u"plain.xml");
    EXPECT_EQ(XmlFileRecord::trimSeparator(u"web.config.", true), u"web.config");
    EXPECT_EQ(XmlFileRecord::trimSeparator(u"_backup", false), u"backup");
    EXPECT_EQ(XmlFileRecord::trimSeparator(u"backup", true), u"backup");
    EXPECT_EQ(XmlFileRecord::trimSeparator(u"", true), u"");

    TempDir dir;
    dir.write("here.xml", "<r/>");
    EXPECT_TRUE(XmlFileRecord::pathExists(wide(dir / "here.xml")));
    EXPECT_FALSE(XmlFileRecord::pathExists(wide(dir / "missing.xml")));
    EXPECT_FALSE(XmlFileRecord::pathExists(u""));
    EXPECT_FALSE(XmlFileRecord::pathExists(u"here.xml")) << "a relative path never exists";
}

} // namespace
