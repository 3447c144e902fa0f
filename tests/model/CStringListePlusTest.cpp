#include "CStringListePlus.h"
#include "ListTexts.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

void fill(CStringListePlus& list, const std::vector<std::string>& texts) {
    for (const auto& t : texts)
        list.append(new CString(t.c_str()));
}

struct JoinCase {
    std::vector<std::string> texts;
    const char* joined;
};

const JoinCase kJoinCases[] = {
    {{"a", ""}, "a,"},
    {{"", "a"}, "a"}, // a leading empty string is lost
    {{"a", "", "b"}, "a,,b"},
    {{}, ""},
    {{"x"}, "x"},
};

TEST(CStringListePlusTest, JoinTable) {
    for (const auto& c : kJoinCases) {
        CStringListePlus list;
        fill(list, c.texts);
        EXPECT_EQ(list.join(","), c.joined);
        list.deleteAll();
    }
    CStringListePlus multi;
    fill(multi, {"a", "b"});
    EXPECT_EQ(multi.join("<br>"), "a<br>b");
    multi.deleteAll();
}

struct SplitCase {
    const char* text;
    const char* separator;
    int skip;
    std::vector<std::string> pieces;
};

const SplitCase kSplitCases[] = {
    {"a,,b", ",", 0, {"a", "", "b"}},
    {"a,", ",", 0, {"a"}},
    {",a", ",", 0, {"", "a"}},
    {"", ",", 0, {""}},
    {"x,y,z", ",", 1, {"y", "z"}},
    {"x,y,z", ",", 5, {}},
    {"1<->2<->", "<->", 0, {"1", "2"}},
    {"aXbxc", "x", 0, {"aXb", "c"}}, // the separator is matched case included
    {"12/05/2024", "/", 0, {"12", "05", "2024"}},
};

TEST(CStringListePlusTest, SplitTable) {
    for (const auto& c : kSplitCases) {
        CStringListePlus list;
        EXPECT_EQ(list.split(c.text, c.separator, c.skip), 1);
        EXPECT_EQ(texts(&list), c.pieces) << "text: " << c.text << " skip " << c.skip;
        list.deleteAll();
    }
    CStringListePlus odd;
    odd.split("abc", "", 0); // outside the contract: must end, one piece
    EXPECT_EQ(texts(&odd), (std::vector<std::string>{"abc"}));
    odd.deleteAll();
}

TEST(CStringListePlusTest, FindWithAndWithoutSeparator) {
    CStringListePlus list;
    fill(list, {"~n1/author", "abc/2", "ABC", "plain"});
    EXPECT_EQ(list.find("Abc/1", "/"), 2);
    EXPECT_EQ(list.find("abc", ""), 3);
    EXPECT_EQ(list.find("abc", "/"), 2); // both cut: "abc" equals "abc"
    EXPECT_EQ(list.find("~N1/validated by", "/"), 1);
    EXPECT_EQ(list.find("plain/x", "/"), 4); // a stored text without separator stays whole
    EXPECT_EQ(list.find("none", ""), 0);
    EXPECT_EQ(list.find("\xC9TAT", ""), 0);
    list.append(new CString("\xE9tat"));
    EXPECT_EQ(list.find("\xC9TAT", ""), 5); // accented capitals fold too
    list.deleteAll();
}

TEST(CStringListePlusTest, AddMissingTakesTheVeryStringsOnce) {
    CStringListePlus target;
    fill(target, {"B"});
    CStringListePlus other;
    fill(other, {"A", "a", "b"});
    CString* firstA = other.at(1);
    target.addMissing(&other);
    EXPECT_EQ(texts(&target), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(target.at(2), firstA); // the object itself, not a copy
    EXPECT_EQ(target.countCommon(&other), 3);
    // The moved string belongs to target now: free the rest of other only.
    other.remove(firstA);
    other.deleteAll();
    target.deleteAll();
}

TEST(CStringListePlusTest, CopyFromMakesNewStrings) {
    CStringListePlus source;
    fill(source, {"x", "y"});
    CStringListePlus copy;
    copy.copyFrom(&source);
    EXPECT_EQ(texts(&copy), texts(&source));
    EXPECT_NE(copy.at(1), source.at(1));
    source.deleteAll();
    copy.deleteAll();
}

} // namespace
