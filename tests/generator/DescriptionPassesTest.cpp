#include "DescriptionReference.h"
#include "GlossaryTerms.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"
#include "TooltipEntry.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Terms that overlap ("Role model plan" holds "Role", "model" and "plan"),
// a term whose tooltip title is not its name (its quotes are escaped there),
// a term used in another term's tooltip ("Workflow" in "model"), activities
// whose tooltips hold terms, one whose name holds a term and a reference,
// and a plain page without tooltip.
class DescriptionPassesTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir.write("proj/site.tvx",
                    "[STD_OPTION]\r\nGenerationLang=EN\r\n[PROCESS_OPTION]\r\nAP_Desc=yes\r\n");
        m_dir.write("proj/tolvane/trad.ini", "[TRAD]\r\nDescription_EN=Description\r\n");
        std::string tree = "\r\n";
        const struct {
            const char* level;
            const char* uid;
            const char* name;
            const char* folder;
            const char* kind;
            const char* description;
        } items[] = {
            {"0", "N1", "Process", "Process", "NOPROCESSCLASS", ""},
            {"1", "N2", "Design", "Process/Design", "ACTIVITY", "Draw the Role model plan, Types"},
            {"1", "N3", "Plain", "Process/Plain", "NOPROCESSCLASS", ""},
            {"1", "N4", "Role [@N2] gate", "Process/Gate", "ACTIVITY", "Pass the Workflow"},
            {"0", "N10", "Glossary", "Glossary", "GLOSSARY", ""},
            {"1", "N11", "Role model plan", "Glossary/RMP", "GLOSSARYENTRY", "The plan of [@N2]"},
            {"1", "N17", "Go \"x\" model now", "Glossary/Go", "GLOSSARYENTRY", "Quoted"},
            {"1", "N12", "Role", "Glossary/Role", "GLOSSARYENTRY", "Who does the work"},
            {"1", "N13", "model", "Glossary/Model", "GLOSSARYENTRY", "A Workflow drawn"},
            {"1", "N14", "Type", "Glossary/Type", "GLOSSARYENTRY", "A kind"},
            {"1", "N15", "Workflow", "Glossary/Workflow", "GLOSSARYENTRY", "A chain of steps"},
            {"1", "N16", "plan", "Glossary/Plan", "GLOSSARYENTRY", "What comes"},
        };
        for (const auto& item : items) {
            const std::string folder = std::string("proj/site/") + item.folder + "/";
            tree += std::string(item.level) + "*" + item.uid + "*" + item.name + "*../site/" + item.folder +
                    "/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n";
            m_dir.write(folder + "process.data", std::string("[PROCESSUS]\r\nClass=") + item.kind + "\r\n");
            const std::string kind = item.kind;
            if (kind == "ACTIVITY")
                m_dir.write(folder + "ActivityDescription.txt", std::string(item.description) + "\r\n");
            else if (kind == "GLOSSARYENTRY")
                m_dir.write(folder + "GADescription.txt", std::string(item.description) + "\r\n");
        }
        m_dir.write("proj/tolvane/MenuTreeV2.dat", tree);
        m_manager = std::make_unique<ProcessManager>((m_dir / "proj/site.tvx").c_str(), nullptr, 0, 0);
        for (const char* uid : {"N2", "N4"})
            static_cast<ProcessItem*>(m_manager->findItemByUid(uid))->buildHtmlDescription(0);
        m_terms = std::make_unique<GlossaryTerms>(*m_manager, 0);
    }

    // The conversion and the number of tooltips it wrote, done both ways.
    void expectSameAsPassByPass(const std::string& text) {
        Item* page = m_manager->findItemByUid("N3");
        int counter = 3;
        const std::string out = m_manager->descriptionToHtml(text.c_str(), &counter, page, 0, 0).str();
        int slowCounter = 3;
        const std::string slow = passByPass(text, &slowCounter, page);
        EXPECT_EQ(out, slow) << "text: " << text;
        EXPECT_EQ(counter, slowCounter) << "text: " << text;
    }

    std::string passByPass(const std::string& text, int* counter, Item* page);
    std::string markWholeText(std::string text, int* counter) const;

    TempDir m_dir;
    RecordingUserInterface m_ui;
    std::unique_ptr<ProcessManager> m_manager;
    std::unique_ptr<GlossaryTerms> m_terms;
};

std::string lowerCase(const std::string& text) {
    CString lower(text);
    lower.MakeLower();
    return lower.str();
}

bool isSeparator(char c) {
    return c != '\0' && std::string(" \t,;:!.?\r\n").find(c) != std::string::npos;
}

// The regions of a lower-cased text, found afresh from its start: 'T' for
// text, 'M' for tags, comments and style sheets, 'S' for scripts.
std::string regionsOf(const std::string& lower) {
    const size_t n = lower.size();
    std::string regions(n, 'T');
    auto fill = [&](size_t from, size_t to, char region) {
        std::fill(regions.begin() + from, regions.begin() + std::min(to, n), region);
    };
    size_t i = 0;
    while (i < n) {
        const char next = i + 1 < n ? lower[i + 1] : '\0';
        if (lower[i] != '<' || !((next >= 'a' && next <= 'z') || next == '/' || next == '!' || next == '?')) {
            ++i;
            continue;
        }
        if (lower.compare(i, 4, "<!--") == 0) {
            const size_t close = lower.find("-->", i + 4);
            const size_t end = close == std::string::npos ? n : close + 3;
            fill(i, end, 'M');
            i = end;
            continue;
        }
        size_t j = i + 1;
        while (j < n && lower[j] != '>') {
            if (lower[j++] != '=')
                continue;
            while (j < n && std::string(" \t\n\r\f").find(lower[j]) != std::string::npos)
                ++j;
            if (j < n && (lower[j] == '"' || lower[j] == '\'')) {
                const size_t quote = lower.find(lower[j], j + 1);
                j = quote == std::string::npos ? n : quote + 1;
            }
        }
        const size_t end = j < n ? j + 1 : n;
        fill(i, end, 'M');
        const std::string name = lower.substr(i + 1, lower.find_first_of(" \t\n\r\f/>=", i + 1) - i - 1);
        i = end;
        if (name != "script" && name != "style")
            continue;
        // The closing tag: "</" + name before a blank, '/' or '>'.
        size_t close = lower.find("</" + name, end);
        while (close != std::string::npos && close + 2 + name.size() < n &&
               std::string(" \t\n\r\f/>").find(lower[close + 2 + name.size()]) == std::string::npos)
            close = lower.find("</" + name, close + 1);
        if (close != std::string::npos && close + 2 + name.size() >= n)
            close = std::string::npos;
        const size_t closeEnd = close == std::string::npos ? std::string::npos : lower.find('>', close);
        const size_t rawEnd = closeEnd == std::string::npos ? n : closeEnd + 1;
        fill(end, rawEnd, name == "script" ? 'S' : 'M');
        i = rawEnd;
    }
    return regions;
}

// One glossary pass over the whole text, marks inserted as they are made.
std::string DescriptionPassesTest::markWholeText(std::string text, int* counter) const {
    std::string lower = lowerCase(text);
    std::string scripts;
    for (const GlossaryTerms::Term& term : m_terms->terms()) {
        const std::string& name = term.lowerName.str();
        if (name.empty())
            continue;
        const std::string regions = regionsOf(lower);
        size_t at = std::string::npos;
        for (size_t x = lower.find(name); x != std::string::npos && regions[x] != 'S';
             x = lower.find(name, x + 1))
            if (regions.compare(x, name.size(), std::string(name.size(), 'T')) == 0) {
                at = x;
                break;
            }
        if (at == std::string::npos)
            continue;
        const size_t end = at + name.size();
        if ((at > 0 && !isSeparator(lower[at - 1])) ||
            (end < lower.size() && !isSeparator(lower[end]) && lower[end] != 's'))
            continue;
        const CString number = takeTooltipNumber(counter);
        scripts += tooltipEntry(number, term.title, term.content).str();
        const std::string opening = tooltipSpanOpening(number).str();
        text.insert(end, "</span>");
        text.insert(at, opening);
        lower.insert(end, "</span>");
        lower.insert(at, lowerCase(opening));
    }
    return scripts + text;
}

// The conversion as one pass per reference over everything converted so far.
std::string DescriptionPassesTest::passByPass(const std::string& text, int* counter, Item* page) {
    CString rest(text);
    int from = 0;
    for (;;) {
        const int at = rest.Find("[@", from);
        CString before = at < 0 ? rest : rest.Left(at);
        CString inserted;
        CString remainder;
        if (at >= 0) {
            rest.Delete(at, 2);
            const int close = rest.Find(']', at);
            remainder = close < 0 ? rest.Mid(at) : rest.Mid(close + 1);
            if (close >= 0)
                if (Item* item = m_manager->findItemByUid(rest.Mid(at, close - at)))
                    inserted = referenceToLink(*m_manager, *item, page, 0, counter);
        }
        before = CString(markWholeText(before.str(), counter));
        rest = before + inserted + remainder;
        if (at < 0)
            break;
        from = before.GetLength() + inserted.GetLength();
    }
    std::string out = rest.str();
    out.erase(std::remove(out.begin(), out.end(), '\r'), out.end());
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

TEST_F(DescriptionPassesTest, ConvertsAsPassByPass) {
    const char* const texts[] = {
        "Roles, then [@N2] and the role.",
        // "Role model plan" is in Design's tooltip: marked in front of it only.
        "a Role model plan [@N2] a Role model plan",
        "[@N2] a Role model plan, and a Role",
        // A marked term split by a word marked inside it gives way to its next use.
        "x Role model plan, [@N3] the Role model plan. [@N3] Role model plan",
        "a Go \"x\" model now, [@N3] b Go \"x\" model now. [@N3] c Go \"x\" model now",
        "Workflow [@N4] Workflow [@N2] plans",
        "the model [@N99] Role x [@N3] model",
        // A word closed up by a vanished reference, and a word ending the text so far.
        "Ro[@N99]le here",
        "the Role[@N3] x Role",
        "unclosed [@N2 Role [@N3] x Role",
        "tail [@",
        "[@N4][@N4] Role",
        "Type: <img alt=\"Type\"> [@N2] Type",
        "<script>var Role;</script> Role [@N3] Role",
        "<script> Role [@N3] x </script> Role",
        "<!-- Role [@N3] --> Role",
        "<a title=\"Role [@N2] model\">plan</a> plan",
        "<b>Role</b> [@N3] <p title='a > b'> model",
        "x <scr[@N99]ipt> Role </script> Role",
        "Role\r\n[@N2]\r\nmodel\r\n",
        "&amp; &nbsp; [@N3] plan&nbsp;",
    };
    for (const char* text : texts)
        expectSameAsPassByPass(text);
}

// Texts made at random from pieces that matter to the passes.
TEST_F(DescriptionPassesTest, ConvertsRandomTextsAsPassByPass) {
    const char* const pieces[] = {
        "Role",      "roles",    "Role model plan",
        "model",     "Type",     "Workflow",
        "plan",      "s",        " ",
        ", ",        ".",        "x",
        "\r\n",      "<b>",      "</b>",
        "<",         ">",        "=",
        "\"",        "'",        "<img alt=\"Role\">",
        "<!--",      "-->",      "<script>",
        "</script>", "<scr",     "ipt>",
        "<style>",   "</style>", "[@N2]",
        "[@N3]",     "[@N4]",    "[@N99]",
        "[@",        "]",        "&nbsp;",
    };
    std::mt19937 random(20240611);
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        for (int count = 1 + random() % 30; count > 0; --count)
            text += pieces[random() % std::size(pieces)];
        expectSameAsPassByPass(text);
        if (HasFailure())
            return;
    }
}

} // namespace
