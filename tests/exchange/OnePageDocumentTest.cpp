#include "ExportsProject.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(OnePageDocumentTest, TheDocumentOfAWorkflowAndADisciplineIsItsGoldenCopy) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    for (int language = 0; language <= 1; ++language) {
        manager.exportOnePageProcess(language, project.item("N19"), project.item("N9"));
        const std::string name = language == 0 ? "site.htm" : "siteL2.htm";
        EXPECT_EQ(compareWithGolden(project.read("tmp/" + name), "exports/" + name), "");
        EXPECT_TRUE(project.lastMessage().starts_with("Generation of <site root>/tmp/" + name + ".\n\nUse"))
            << project.lastMessage();
    }
    // The progress bar went from 8 to 16 and back to 0.
    const std::vector<int>& positions = project.ui.progressPositions;
    ASSERT_GE(positions.size(), 10u);
    EXPECT_EQ(std::vector<int>(positions.end() - 10, positions.end()),
              (std::vector<int>{8, 9, 10, 11, 12, 13, 14, 15, 16, 0}));
}

TEST(OnePageDocumentTest, APickedDisciplineLimitsTheWorkProductsAndAWorkflowTheActivities) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    manager.exportOnePageProcess(0, nullptr, project.item("N9"));
    std::string document = project.read("tmp/site.htm");
    // The discipline's block holds no activity and no overview; its work
    // products are the details.
    EXPECT_EQ(document.find("Design the system"), std::string::npos);
    EXPECT_EQ(document.find("Engineering products"), std::string::npos);
    EXPECT_NE(document.find("<H3>Test plan</H3>"), std::string::npos);
    EXPECT_NE(document.find("<H3>Metrics; monthly</H3>"), std::string::npos);
    EXPECT_EQ(document.find("<H3>Design model</H3>"), std::string::npos);

    // A workflow alone: every work product, and the overviews outside any discipline.
    manager.exportOnePageProcess(0, project.item("N19"), nullptr);
    document = project.read("tmp/site.htm");
    const size_t overview = document.find("<H2>Engineering products</H2>\r\n");
    ASSERT_NE(overview, std::string::npos) << document;
    EXPECT_LT(document.find("<p>Every product of engineering.</p>", overview),
              document.find("<H2>Details</H2>"));
    EXPECT_NE(document.find("<H3>Design model</H3>"), std::string::npos);
    EXPECT_NE(document.find("<H1>Delivery</H1>"), std::string::npos);
    EXPECT_NE(document.find("<H3>Design the system</H3>"), std::string::npos);
}

TEST(OnePageDocumentTest, HeadingsStayBetweenH1AndH6) {
    ExportsProject project;
    project.write(
        "tolvane/MenuTreeV2.dat",
        "0*N1*Top*../site/Top/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
        "1*N2*Inner*../site/Top/Inner/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
        "2*N3*Deep group*../site/Top/Inner/G/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
        "0*N4*Lone role*../site/Lone/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
        "0*N5*G0*../site/G0/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
        "1*N6*G1*../site/G0/G1/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
        "2*N7*G2*../site/G0/G1/G2/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
        "3*N8*G3*../site/G0/G1/G2/G3/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
        "4*N9*G4*../site/G0/G1/G2/G3/G4/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
        "5*N10*G5*../site/G0/G1/G2/G3/G4/G5/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
        "6*N11*G6*../site/G0/G1/G2/G3/G4/G5/G6/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
        "7*N12*Deep role*../site/G0/G1/G2/G3/G4/G5/G6/R/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n");
    const char* const groups[] = {"Top/Inner/G",
                                  "G0",
                                  "G0/G1",
                                  "G0/G1/G2",
                                  "G0/G1/G2/G3",
                                  "G0/G1/G2/G3/G4",
                                  "G0/G1/G2/G3/G4/G5",
                                  "G0/G1/G2/G3/G4/G5/G6"};
    for (const char* group : groups)
        project.write(std::string("site/") + group + "/process.data", "[PROCESSUS]\r\nClass=ROLEGROUP\r\n");
    for (const char* role : {"Lone", "G0/G1/G2/G3/G4/G5/G6/R"})
        project.write(std::string("site/") + role + "/process.data", "[PROCESSUS]\r\nClass=PROCESSROLE\r\n");
    project.open().exportOnePageProcess(0, nullptr, nullptr);
    const std::string document = project.read("tmp/site.htm");
    for (const char* heading :
         {"<H1>Lone role</H1>", "<H2>G1</H2>", "<H6>G5</H6>", "<H6>G6</H6>", "<H6>Deep role</H6>"})
        EXPECT_NE(document.find(heading), std::string::npos) << heading << "\n" << document;
    for (const char* wrong : {"<H0>", "<H-", "<H7>", "<H8>"})
        EXPECT_EQ(document.find(wrong), std::string::npos) << wrong;
}

TEST(OnePageDocumentTest, WithoutTheHeaderTemplateTheDocumentHasAHeadOfItsOwn) {
    ExportsProject project;
    std::filesystem::remove(project.path("tolvane/Templates/Word/WordHeader.htm"));
    project.open().exportOnePageProcess(0, project.item("N19"), nullptr);
    const std::string document = project.read("tmp/site.htm");
    EXPECT_TRUE(document.starts_with("<html><head><title>Process</title>\r\n</head>\r\n\r\n<body>\r\n"))
        << document;
    EXPECT_TRUE(document.ends_with("</body>\r\n</html>\r\n"));
}

TEST(OnePageDocumentTest, TheHeaderTemplateIsCopiedWithItsLongLinesWhole) {
    ExportsProject project;
    // A header saved by a word processor holds lines far longer than one
    // read of the original's buffer; cut, a tag or a word would be split.
    const std::string longLine = "<meta name=keywords content=\"" + std::string(1500, 'k') + "\">";
    project.write("tolvane/Templates/Word/WordHeader.htm",
                  "<html>\r\n<head>\r\n" + longLine + "\r\n<title>Process</title>\r\n</head>");
    project.open().exportOnePageProcess(0, project.item("N19"), nullptr);
    const std::string document = project.read("tmp/site.htm");
    EXPECT_TRUE(document.starts_with("<html>\r\n<head>\r\n" + longLine +
                                     "\r\n<title>Process</title>\r\n</head>\r\n<body>\r\n"))
        << document.substr(0, 200);
}

TEST(OnePageDocumentTest, NamesAndReferredDocumentsAreTextOfThePage) {
    // A name holding "<" or "&" reads as the name, never as a tag or an
    // entity, in every section of the document and in both languages.
    struct Renamed {
        const char* stored;
        const char* renamed;
        const char* heading;
    };
    const Renamed renames[] = {
        {"*Roles*", "*Roles <all> & more*", "<H1>Roles &lt;all&gt; &amp; more</H1>"},
        {"*Architect*", "*Architect <b>lead</b>*", "<H2>Architect &lt;b&gt;lead&lt;/b&gt;</H2>"},
        {"*Delivery*", "*Delivery <i>*", "<H1>Delivery &lt;i&gt;</H1>"},
        {"*Plan the tests*", "*Plan & test*", "<H2>Plan &amp; test</H2>"},
        {"*Test plan*", "*Test plan </H3>*", "<H3>Test plan &lt;/H3&gt;</H3>"},
        {"*Coding rules*", "*Coding <rules>*", "<H2>Coding &lt;rules&gt;</H2>"},
        {"*Architecte*", "*Architecte <chef> & co*", "<H2>Architecte &lt;chef&gt; &amp; co</H2>"},
    };
    ExportsProject project;
    std::string tree = project.read("tolvane/MenuTreeV2.dat");
    for (const Renamed& r : renames) {
        const size_t at = tree.find(r.stored);
        ASSERT_NE(at, std::string::npos) << r.stored;
        tree.replace(at, std::strlen(r.stored), r.renamed);
    }
    project.write("tolvane/MenuTreeV2.dat", tree);
    project.write("site/Procedures/Coding_rules/process.data",
                  "[PROCESSUS]\r\nClass=GENERALPROCEDURE\r\nProcedure=R&D <v2>.pdf\r\n");
    ProcessManager& manager = project.open();
    for (int language = 0; language <= 1; ++language)
        manager.exportOnePageProcess(language, project.item("N19"), project.item("N9"));
    const std::string first = project.read("tmp/site.htm");
    const std::string second = project.read("tmp/siteL2.htm");
    for (const Renamed& r : renames) {
        const std::string& document = std::string(r.renamed).starts_with("*Architecte") ? second : first;
        EXPECT_NE(document.find(r.heading), std::string::npos) << r.heading << "\n" << document;
    }
    EXPECT_NE(first.find("Please refer to R&amp;D &lt;v2&gt;.pdf\r\n"), std::string::npos) << first;
    for (const std::string* document : {&first, &second})
        for (const char* raw :
             {"<all>", "<b>lead", "Delivery <i>", "Plan & test", "plan </H3>", "<rules>", "<chef>", "<v2>"})
            EXPECT_EQ(document->find(raw), std::string::npos) << raw;
}
