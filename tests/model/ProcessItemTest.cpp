#include "CTime.h"
#include "ItemActivity.h"
#include "ListTexts.h"
#include "ProcessFixture.h"
#include "RecordingUserInterface.h"
#include "ScopedTimeZone.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

namespace {

class ProcessItemTest : public testing::Test {
protected:
    ScopedTimeZone m_zone;
    ProcessFixture m_fixture{"process-items"};
    RecordingUserInterface m_ui;
};

TEST_F(ProcessItemTest, LoadsEveryKeyAsTheOriginalWroteIt) {
    m_fixture.item("N1")->load(0); // items load in tree order, parents first
    ProcessItem* design = m_fixture.item("N2");
    design->load(0);
    EXPECT_EQ(design->getClassKind(), 4);
    EXPECT_NE(design->getItemActivity(), nullptr);
    EXPECT_EQ(design->getState(), 2); // "approved" in lower case
    EXPECT_EQ(design->getStateKeywordRead(), "approved");
    EXPECT_EQ(design->getVersion(), "2");
    EXPECT_EQ(design->getVersionMinor(), "7");
    EXPECT_FALSE(design->isGlossaryEntry()); // "True" is not "true"
    EXPECT_FALSE(design->isDoNotGenerate()); // "YES" is not "yes"
    EXPECT_TRUE(design->isIncludedInProcessDoc());
    EXPECT_EQ(design->getEditor(), "Ren\xE9");
    EXPECT_EQ(design->getAppro(1), "Approved");
    EXPECT_EQ(design->getApproDate(1), "07/03/2008");
    EXPECT_EQ(design->getPageHeaderImage(), "design.gif");
    EXPECT_EQ(texts(design->getExtension()->getTraceabilityLinks()), (std::vector<std::string>{"n10", "n11,2"}));
    // No ProjectKind of its own: the parent's, in order.
    EXPECT_EQ(texts(design->getProjectKinds()), (std::vector<std::string>{"generic", "large,risky"}));
    EXPECT_FALSE(design->isGenericProjectKind());
    // Read as bytes: the CR of an empty CR LF line is no empty line, so the
    // leading empty lines of this file show as line breaks.
    EXPECT_EQ(design->getDescription(0), "<br>\n<br>\nDesign the &quot;system&quot; &amp; its parts.<br>\n<br>\n"
                                         "Second paragraph<br><br>end");
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(ProcessItemTest, MissingDataFileGivesTheDefaults) {
    std::filesystem::remove(m_fixture.dir / "proj/site/Process/Plain_page/process.data");
    m_fixture.item("N1")->load(0);
    ProcessItem* plain = m_fixture.item("N3");
    plain->load(0);
    EXPECT_EQ(plain->getClassKind(), 1);
    EXPECT_EQ(plain->getExtension(), nullptr);
    EXPECT_EQ(plain->getStateText(), "DRAFT");
    EXPECT_EQ(plain->getVersionMinor(), "1");
    EXPECT_EQ(texts(plain->getProjectKinds()), (std::vector<std::string>{"generic", "large,risky"}));
    EXPECT_EQ(plain->hasHtmlPage(), 1);
    EXPECT_EQ(plain->hasDiagram(), 0);
    EXPECT_EQ(plain->getTailoringGuideline(0), "");
    ProcessItem* top = m_fixture.item("N4");
    std::filesystem::remove(m_fixture.dir / "proj/site/Glossary/process.data");
    top->load(0);
    EXPECT_EQ(texts(top->getProjectKinds()), (std::vector<std::string>{"generic"}));
    EXPECT_TRUE(top->isGenericProjectKind());
}

TEST_F(ProcessItemTest, SavingKeepsKeyOrderAndUnknownKeysAndWritesOnce) {
    ProcessItem* design = m_fixture.item("N2");
    design->load(0);
    design->setVersion("3");
    ASSERT_EQ(design->save(), 1);
    EXPECT_EQ(design->getVersionMinor(), "8");
    const std::string saved = m_fixture.read("site/Process/Design/process.data");
    EXPECT_EQ(saved, "[PROCESSUS]\r\n"
                     "Class=ACTIVITY\r\n"
                     "State=APPROVED\r\n"
                     "Version=3\r\n"
                     "isGlossaryEntry=false\r\n"
                     "VersionMinor=8\r\n"
                     "includeInProcessDoc=yes\r\n"
                     "traceabilityLinks=n10,n11\\comma2\r\n"
                     "Editor=Ren\xE9\r\n"
                     "Appro1=Approved\r\n"
                     "Appro2=To approve\r\n"
                     "Appro3=\r\n"
                     "Appro4=\r\n"
                     "Appro5=\r\n"
                     "Appro6=Refused\r\n"
                     "Appro1Date=07/03/2008\r\n"
                     "Appro2Date=\r\n"
                     "Appro3Date=\r\n"
                     "Appro4Date=\r\n"
                     "Appro5Date=\r\n"
                     "Appro6Date=1/2/1975\r\n"
                     "doNotGenerate=YES\r\n"
                     "CustomKey=kept as it is\r\n"
                     "; a comment the author wrote\r\n"
                     "PageHeaderImage=design.gif\r\n"
                     // The activity's own keys, new to this file, follow in their order.
                     "ProjectKind=generic\r\n"
                     "InWorkProducts=\r\n"
                     "OutWorkProducts=\r\n"
                     "Step=\r\n"
                     "StepL2=\r\n"
                     "Roles=\r\n"
                     "ActivityType=\r\n"
                     "GProc=\r\n"
                     "Measures=\r\n"
                     "SeparatedProcedureText=no\r\n"
                     "StepHyperlinks=no\r\n"
                     "ProcedureLink=NOPROCEDURE\r\n"
                     "ProcedureURL=\r\n"
                     "ProcedureURLL2=\r\n"
                     "Derivable=no\r\n"
                     "Derived=no\r\n"
                     "DerivedFrom=\r\n");
    design->load(1); // reads back what it wrote
    EXPECT_EQ(design->getVersion(), "3");
    EXPECT_EQ(design->getVersionMinor(), "8");
}

TEST_F(ProcessItemTest, WritingTheValuesKeysHoldLeavesTheDataFileUntouched) {
    const std::string path = "site/Process/Design/process.data";
    const std::string original = m_fixture.read(path);
    // The same bytes written anew would still show as a change to version control.
    auto identity = [&] {
        struct stat st {};
        stat((m_fixture.dir / ("proj/" + path)).c_str(), &st);
        return std::tuple(st.st_ino, st.st_mtim.tv_sec, st.st_mtim.tv_nsec, m_fixture.read(path));
    };
    const auto before = identity();
    ProcessItem* design = m_fixture.item("N2");
    EXPECT_EQ(design->writeValue("Version", "2"), 1);
    EXPECT_EQ(design->writeTogether([&] {
        return design->writeValue("State", "approved") & design->writeValue("Editor", "Ren\xE9") &
               design->writeValue("customkey", "kept as it is");
    }),
              1);
    EXPECT_EQ(identity(), before);
    // One changed key among them rewrites its own line only.
    EXPECT_EQ(design->writeTogether([&] {
        return design->writeValue("State", "approved") & design->writeValue("Version", "3");
    }),
              1);
    std::string expected = original;
    expected.replace(expected.find("Version=2\r\n"), 11, "Version=3\r\n");
    EXPECT_EQ(m_fixture.read(path), expected);
}

TEST_F(ProcessItemTest, SavingKeepsTheDataFilesOwnEncoding) {
    const std::string path = "site/Process/Plain_page/process.data";
    const std::string kept = "[PROCESSUS]\r\nCustomKey=\u65e5\u672c\u8a9e \u03a9\r\n";
    m_fixture.write(path, "\xEF\xBB\xBF" + kept + "Editor=x\r\n");
    ProcessItem* plain = m_fixture.item("N3");
    plain->load(0);
    plain->setEditor("Ren\xE9");
    ASSERT_EQ(plain->save(), 1);
    const std::string saved = m_fixture.read(path);
    EXPECT_EQ(saved.substr(0, 3 + kept.size()), "\xEF\xBB\xBF" + kept);
    EXPECT_NE(saved.find("\r\nEditor=Ren\u00e9\r\n"), std::string::npos); // UTF-8, as the file is
    EXPECT_NE(saved.find("\r\nVersionMinor=2\r\n"), std::string::npos);
    plain->load(1);
    EXPECT_EQ(plain->getEditor(), "Ren\xE9");
}

TEST_F(ProcessItemTest, MinorVersionRisesByOneOnEverySave) {
    ProcessItem* plain = m_fixture.item("N3");
    plain->load(0);
    for (const auto& [stored, saved] : {std::pair{"", "2"}, {"7", "8"}, {"abc", "1"}, {"12x", "13"}}) {
        plain->setVersionMinor(stored);
        ASSERT_EQ(plain->save(), 1);
        EXPECT_EQ(plain->getVersionMinor(), saved) << stored;
    }
    EXPECT_NE(m_fixture.read("site/Process/Plain_page/process.data").find("VersionMinor=13\r\n"), std::string::npos);
    // The number is an int: at its top, or beyond it in a damaged file, the
    // version stays at the top rather than wrapping round to a negative one.
    for (const auto& [stored, saved] : {std::pair<std::string, std::string>{"2147483646", "2147483647"},
                                        {"2147483647", "2147483647"},
                                        {"99999999999999999999", "2147483647"},
                                        {"-2147483648", "-2147483647"},
                                        {"-99999999999999999999", "-2147483647"}}) {
        plain->setVersionMinor(stored.c_str());
        ASSERT_EQ(plain->save(), 1);
        EXPECT_EQ(plain->getVersionMinor().str(), saved) << stored;
        plain->load(1); // and reads back what it wrote
        EXPECT_EQ(plain->getVersionMinor().str(), saved) << stored;
    }
    // Without extension: the common keys without traceability links.
    EXPECT_EQ(m_fixture.read("site/Process/Plain_page/process.data").find("traceabilityLinks"), std::string::npos);
}

TEST_F(ProcessItemTest, ListsAreEscapedAndReadWhole) {
    ProcessItem* plain = m_fixture.item("N3");
    CStringListePlus list;
    list.append(new CString("a,b"));
    list.append(new CString("c=d"));
    list.append(new CString("e;f"));
    ASSERT_TRUE(plain->writeList("Things", &list, ","));
    EXPECT_EQ(plain->readValue("Things"), "a\\commab,c\\equald,e\\semicolonf");
    CStringListePlus back;
    plain->readList("Things", &back, ",", 0);
    EXPECT_EQ(texts(&back), (std::vector<std::string>{"a,b", "c=d", "e;f"}));
    // Empty tokens vanish; lower-casing comes before unescaping.
    plain->writeValue("Raw", "x,,y,");
    plain->readList("Raw", &back, ",", 0);
    EXPECT_EQ(texts(&back), (std::vector<std::string>{"x", "y"}));
    plain->writeValue("Raw", "A,B;C");
    plain->readList("Raw", &back, ",;", 1);
    EXPECT_EQ(texts(&back), (std::vector<std::string>{"a", "b", "c"}));
    // A long list is read whole and written back whole.
    CStringListePlus longList;
    for (int i = 0; i < 6000; ++i)
        longList.append(new CString("element" + std::to_string(i)));
    ASSERT_TRUE(plain->writeList("Long", &longList, ","));
    plain->readList("Long", &back, ",", 0);
    EXPECT_EQ(back.count(), 6000);
    EXPECT_EQ(*back.at(6000), "element5999");
    EXPECT_EQ(plain->readValue("Long").GetLength(), 998); // a scalar read is cut
    for (CStringListe* l : {static_cast<CStringListe*>(&list), static_cast<CStringListe*>(&back),
                            static_cast<CStringListe*>(&longList)})
        l->deleteAll();
    // An empty leading element is lost by the join; a later one leaves two separators.
    CStringListePlus gaps;
    for (const char* t : {"", "x", "", "y"})
        gaps.append(new CString(t));
    plain->writeList("Gaps", &gaps, ",");
    EXPECT_EQ(plain->readValue("Gaps"), "x,,y");
    gaps.deleteAll();
}

TEST_F(ProcessItemTest, AListElementHoldingANulByteStaysOneElement) {
    // Only the separators given cut a list; a NUL byte read from a file is
    // a character of its element like any other.
    struct NulCase {
        std::string stored;
        const char* separators;
        std::vector<std::string> elements;
    };
    const NulCase cases[] = {
        {std::string("Arch\0itect,Tester", 17), ",", {std::string("Arch\0itect", 10), "Tester"}},
        {std::string("\0", 1), ",", {std::string("\0", 1)}},
        {std::string("a\0b;c", 5), ",;", {std::string("a\0b", 3), "c"}},
    };
    ProcessItem* plain = m_fixture.item("N3");
    for (const auto& c : cases) {
        ASSERT_TRUE(plain->writeValue("Roles", CString(c.stored.data(), static_cast<int>(c.stored.size()))));
        CStringListePlus back;
        plain->readList("Roles", &back, c.separators, 0);
        EXPECT_EQ(texts(&back), c.elements) << "separators " << c.separators;
        back.deleteAll();
    }
}

TEST_F(ProcessItemTest, StateKeywords) {
    ProcessItem* plain = m_fixture.item("N3");
    for (const auto& [text, state] : {std::pair{"approved", 2}, {"FOR_APPROVAL", 1}, {"pending", 0},
                                      {"FINAL", 0}, {"Approved_Reference_Version_In_Work", 3}}) {
        plain->setStateFromText(text);
        EXPECT_EQ(plain->getState(), state) << text;
    }
    EXPECT_EQ(plain->getStateText(), "APPROVED_REFERENCE_VERSION_IN_WORK");
    plain->setStateFromText("review");
    EXPECT_EQ(plain->getStateText(), "DRAFT");
}

TEST_F(ProcessItemTest, ApprovalDates) {
    CTime::setClockForTests(1700000000);
    EXPECT_EQ(parseDayMonthYear("7/3/2008").GetTime(), CTime(2008, 3, 7, 0, 0, 0).GetTime());
    for (const char* bad : {"07/03/1979", "7-3-2008", "", "a/b/c", "7/3"})
        EXPECT_EQ(parseDayMonthYear(bad).GetTime(), 1700000000) << bad;
    EXPECT_EQ(formatIsoDate("07/03/2008"), "2008-3-7");
    ProcessItem* design = m_fixture.item("N2");
    design->load(0);
    design->setApproDateFromTime(2, CTime(2024, 1, 5, 13, 0, 0));
    EXPECT_EQ(design->getApproDate(2), "05/01/2024");
    EXPECT_EQ(design->getApproDateIso(2), "2024-1-5");
    EXPECT_EQ(design->getApproDateTime(6).GetTime(), 1700000000); // 1975 is too early
}

TEST_F(ProcessItemTest, NotesFollowTheLineRule) {
    ProcessItem* design = m_fixture.item("N2");
    EXPECT_EQ(design->readNotes(), "first note\r\nsecond note\r\n"); // the empty first line is dropped
    ASSERT_EQ(design->writeNotes("a\nb\n"), 1);
    EXPECT_EQ(m_fixture.read("site/Process/Design/notes.txt"), "a\nb\n"); // written unchanged
    EXPECT_EQ(design->readNotes(), "a\r\nb\r\n");
    design->writeNotes("x\r\ny");
    EXPECT_EQ(design->readNotes(), "x\r\ny"); // a line ending with CR gets LF alone
    ProcessItem* plain = m_fixture.item("N3");
    EXPECT_EQ(plain->readNotes(), "");
    std::filesystem::remove_all(m_fixture.dir / "proj/site/Process/Plain_page");
    EXPECT_EQ(plain->writeNotes("lost?"), 0);
    ASSERT_EQ(m_ui.messages.size(), 1u); // a failed write is reported
    EXPECT_NE(m_ui.messages[0].text.Find("notes.txt creation failed"), -1);
}

TEST_F(ProcessItemTest, DescriptionReadingModes) {
    ProcessItem* design = m_fixture.item("N2");
    design->load(0);
    ProcessItemExtension* ext = design->getExtension();
    m_fixture.write("site/Process/Design/ActivityDescription.txt", "a\n\nb");
    EXPECT_EQ(ext->readDescription(0, 1, 0, 0), "a<br>\n<br>\nb");
    EXPECT_EQ(ext->readDescription(0, 0, 0, 0), "a\r\n\r\nb");
    m_fixture.write("site/Process/Design/ActivityDescription.txt", "a\n\nb\n");
    EXPECT_EQ(ext->readDescription(0, 1, 0, 0), "a<br>\n<br>\nb<br>\n");
    m_fixture.write("site/Process/Design/ActivityDescription.txt", "a\r\nb \"q\"\r\n");
    EXPECT_EQ(ext->readDescription(0, 0, 1, 0), "a\r\nb \"q\"\r\n"); // keeps its CRs, adds none
    EXPECT_EQ(ext->readDescription(0, 1, 0, 0), "a<br>\nb &quot;q&quot;<br>\n");
    EXPECT_EQ(ext->readDescription(0, 0, 0, 1), "a\r\nb 'q'\r\n");
    EXPECT_EQ(ext->readDescription(1, 0, 0, 0), "Concevoir le syst\xE8me.\r\n");
    EXPECT_EQ(ext->readTailoringGuideline(0, 1, 0), "Skip for small projects.\r<br>\nKeep reviews.\r<br>\n");

    m_fixture.write("site/Process/Design/ActivityDescription.txt", "a;b\r\nc");
    EXPECT_EQ(design->getDescriptionForCsv(0), "\"a.b \nc\"");
    m_fixture.write("site/Process/Design/ActivityDescription.txt", "one \"line\"");
    EXPECT_EQ(design->getDescriptionForCsv(0), "one 'line'");

    // The plain popup text of a class without one of its own.
    ProcessItem* domain = m_fixture.item("N3");
    domain->createExtension(22);
    m_fixture.write("site/Process/Plain_page/Description.txt", "x<br><br>y\nz");
    domain->buildHtmlDescription(0);
    EXPECT_EQ(domain->getHtmlDescription(0), "x<br>y\nz");
}

TEST_F(ProcessItemTest, DescriptionWritesAndTheirFailures) {
    ProcessItem* design = m_fixture.item("N2");
    design->load(0);
    design->getExtension()->writeDescription("new\r\ntext", 1);
    EXPECT_EQ(m_fixture.read("site/Process/Design/ActivityDescriptionL2.txt"), "new\r\ntext");
    EXPECT_EQ(design->Item::getDescription(1), "new\r\ntext");
    design->getExtension()->writeTailoringGuideline("tg", 0);
    EXPECT_EQ(m_fixture.read("site/Process/Design/Tailoring.txt"), "tg");
    EXPECT_EQ(design->getTailoringGuideline(0), "tg");
    EXPECT_TRUE(m_ui.messages.empty());
    // A class without description file writes nothing and says nothing.
    ProcessItem* plain = m_fixture.item("N3");
    plain->createExtension(10);
    plain->getExtension()->writeDescription("ignored", 0);
    EXPECT_TRUE(m_ui.messages.empty());
    std::filesystem::remove_all(m_fixture.dir / "proj/site/Process/Design");
    design->getExtension()->writeDescription("lost?", 0);
    EXPECT_EQ(m_ui.messages.size(), 1u);
}

TEST_F(ProcessItemTest, ParentsPassOnDisciplineDomainAndImage) {
    ProcessItem* process = m_fixture.item("N1");
    ProcessItem* design = m_fixture.item("N2");
    process->setDiscipline("Engineering");
    process->setDomain("Systems");
    process->setDefaultWorkProductImage("doc.gif");
    design->load(0);
    EXPECT_EQ(design->getDiscipline(), "Engineering");
    EXPECT_EQ(design->getDomain(), "Systems");
    EXPECT_EQ(design->getDefaultWorkProductImage(), "doc.gif");
    process->setDomain("Changed");
    design->load(0); // every load, even when not forced
    EXPECT_EQ(design->getDomain(), "Changed");
}

TEST_F(ProcessItemTest, CapabilitiesFollowKindsAndShortcuts) {
    ProcessItem* process = m_fixture.item("N1");
    process->load(0);
    EXPECT_EQ(process->hasDiagram(), 1);   // a workflow
    EXPECT_EQ(process->hasHtmlPage(), 0);
    EXPECT_EQ(process->hasStandardHeader(), 1);
    ProcessItem* glossary = m_fixture.item("N4");
    glossary->load(0);
    EXPECT_EQ(glossary->hasStandardHeader(), 0);
    auto* shortcut = static_cast<ProcessItem*>(m_fixture.project->createItem(
        nullptr, "-> Process", "../site/Process/overview.htm", 0, "", "", 0, 0, ""));
    m_fixture.project->getItemList()->append(shortcut);
    EXPECT_EQ(shortcut->hasDiagram(), 1);
    auto* external = static_cast<ProcessItem*>(
        m_fixture.project->createItem(nullptr, "Web", "http://example.org", 0, "", "", 0, 0, ""));
    m_fixture.project->getItemList()->append(external);
    external->createExtension(4);
    EXPECT_EQ(external->hasDiagram(), 0);
    EXPECT_EQ(external->hasHtmlPage(), 0);
    auto* dangling = static_cast<ProcessItem*>(
        m_fixture.project->createItem(nullptr, "-> None", "../site/None/overview.htm", 0, "", "", 0, 0, ""));
    m_fixture.project->getItemList()->append(dangling);
    EXPECT_EQ(dangling->hasDiagram(), 0);
    EXPECT_EQ(dangling->hasHtmlPage(), 0);
}

TEST_F(ProcessItemTest, APlainPageHasAnHtmlPageWhateverItsDataFileSays) {
    // The class named by the data file, and whether the item's page is one
    // the user edits: a plain page always is; classes whose pages the
    // generator writes whole are not.
    struct PageCase {
        const char* storedClass;
        int hasHtmlPage;
    };
    const PageCase cases[] = {
        {"NOPROCESSCLASS", 1},   {"", 1},         {"UNKNOWN", 1},  {"DISCIPLINE", 1},
        {"PROCESSFORMALISM", 0}, {"GLOSSARY", 0}, {"SITEMAP", 0},  {"ACTIVITY", 0},
    };
    m_fixture.item("N1")->load(0);
    ProcessItem* plain = m_fixture.item("N3");
    for (const PageCase& c : cases) {
        plain->changeClass(c.storedClass);
        EXPECT_EQ(plain->hasHtmlPage(), c.hasHtmlPage) << "Class=" << c.storedClass;
    }
    // A shortcut to the plain page answers for it.
    plain->changeClass("NOPROCESSCLASS");
    auto* shortcut = static_cast<ProcessItem*>(
        m_fixture.project->createItem(nullptr, "-> Plain page", plain->getUrl(), 0, "", "", 0, 0, ""));
    m_fixture.project->getItemList()->append(shortcut);
    EXPECT_EQ(shortcut->hasHtmlPage(), 1);
}

TEST_F(ProcessItemTest, FullyGeneratedComesFromTheStoredClass) {
    ProcessItem* design = m_fixture.item("N2");
    design->load(0);
    EXPECT_EQ(design->isFullyGenerated(), 0);
    design->getItemActivity()->setSeparatedProcedureText(1);
    EXPECT_EQ(design->isFullyGenerated(), 1);
    m_fixture.write("site/Process/Design/process.data", "[PROCESSUS]\r\nClass=PROCESSROLE\r\n");
    EXPECT_EQ(design->isFullyGenerated(), 1); // the file says role, whatever memory says
    m_fixture.write("site/Process/Design/process.data", "[PROCESSUS]\r\nClass=DOMAIN\r\n");
    EXPECT_EQ(design->isFullyGenerated(), 0);
}

} // namespace
