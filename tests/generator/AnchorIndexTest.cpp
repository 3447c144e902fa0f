#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"
#include "TextOutStream.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Discipline {
    std::string name;
    std::string nameL2;
    std::string domain;
};

// A project of disciplines, each under its domain item when it has one.
class AnchorIndexTest : public testing::Test {
protected:
    void open(const std::vector<Discipline>& disciplines) {
        m_dir.write("proj/site.tvx", "[STD_OPTION]\r\nTwoLanguages=yes\r\nDataVersion=v2.4.5\r\n");
        std::string tree;
        int uid = 1;
        for (const Discipline& d : disciplines) {
            std::string folder = "site/";
            int level = 0;
            if (!d.domain.empty()) {
                folder += d.domain + std::to_string(uid) + "/";
                tree += "\r\n0*N" + std::to_string(uid++) + "*" + d.domain + "*../" + folder +
                        "overview.htm* *b.gif*b.gif*f*true*false* * *";
                m_dir.write("proj/" + folder + "process.data", "[PROCESSUS]\r\nClass=DOMAIN\r\n");
                level = 1;
            }
            folder += "D" + std::to_string(uid) + "/";
            tree += "\r\n" + std::to_string(level) + "*N" + std::to_string(uid++) + "*" + d.name + "*../" +
                    folder + "overview.htm* *b.gif*b.gif*f*true*false*" +
                    (d.nameL2.empty() ? " " : d.nameL2) + "* *";
            m_dir.write("proj/" + folder + "process.data", "[PROCESSUS]\r\nClass=DISCIPLINE\r\n");
        }
        m_dir.write("proj/tolvane/MenuTreeV2.dat", tree + "\r\n");
        m_manager = std::make_unique<ProcessManager>((m_dir / "proj/site.tvx").c_str(), nullptr, 0, 0);
    }
    std::string index(const char* domain, int language) {
        {
            TextOutStream out((m_dir / "index.htm").c_str());
            m_manager->writeAnchorIndexTable(domain, out, language);
        }
        std::string text = m_dir.read("index.htm");
        for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
            text.erase(at, 1);
        return text;
    }
    static std::string cell(const char* width, const std::string& anchor, const std::string& text) {
        return std::string("<td width=\"") + width +
               "%\" bgcolor=\"#E4E4E4\" align=\"center\">\n<font size=\"1\">\n" + "<a href=\"#" + anchor +
               "\">" + text + "</a>\n</font>\n</td>\n";
    }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    std::unique_ptr<ProcessManager> m_manager;
};

const std::string kOpen = "<table border=\"1\" width=\"100%\" cellspacing=\"4\">\n";
const std::string kClose = "</tr></table>\n";

TEST_F(AnchorIndexTest, OneCellPerDisciplineAtMostFourToARow) {
    open({{"Design", "Conception", ""}, {"Test", "", ""}});
    EXPECT_EQ(index("", 0),
              kOpen + "<tr>" + cell("50", "Design", "Design") + cell("50", "Test", "Test") + kClose);
    // The second language shows the second-language names, an empty one as it is.
    EXPECT_EQ(index("", 1),
              kOpen + "<tr>" + cell("50", "Design", "Conception") + cell("50", "Test", "") + kClose);

    open({{"A", "", ""}, {"B", "", ""}, {"C", "", ""}, {"D", "", ""}, {"E", "", ""}});
    EXPECT_EQ(index("", 0), kOpen + "<tr>" + cell("25", "A", "A") + cell("25", "B", "B") +
                                cell("25", "C", "C") + cell("25", "D", "D") + "</tr><tr>" +
                                cell("25", "E", "E") + kClose);
}

TEST_F(AnchorIndexTest, OneDisciplineOrNoneGivesNoIndex) {
    open({{"Design", "", ""}});
    EXPECT_EQ(index("", 0), "");
    // Names differing only in case are one discipline.
    open({{"Design", "", ""}, {"DESIGN", "", ""}});
    EXPECT_EQ(index("", 0), "");
    open({});
    EXPECT_EQ(index("", 0), "");
}

TEST_F(AnchorIndexTest, DisciplinesOfTheDomainOnlyAndNeverAll) {
    open({{"ALL", "", ""}, {"Design", "", ""}});
    EXPECT_EQ(index("", 0), kOpen + "<tr>" + cell("50", "Design", "Design") + kClose);

    open({{"Design", "", "Software"}, {"Test", "", "Software"}, {"Wiring", "", "Hardware"}});
    EXPECT_EQ(index("Software", 0),
              kOpen + "<tr>" + cell("50", "Design", "Design") + cell("50", "Test", "Test") + kClose);
    EXPECT_EQ(index("Hardware", 0), "");
    std::unique_ptr<ProcessItemListe> all(m_manager->getDisciplinesOfDomain(""));
    EXPECT_EQ(all->count(), 3);
    all->removeAll();
}

} // namespace
