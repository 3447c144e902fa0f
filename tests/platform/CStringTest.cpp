#include "CString.h"

#include <clocale>
#include <compare>
#include <gtest/gtest.h>
#include <map>
#include <utility>

namespace {

struct ExtractCase {
    const char* text;
    int first;
    int count;
    const char* mid;
    const char* left;
    const char* right;
};

// Out-of-range arguments are clamped, never an error.
const ExtractCase kExtractCases[] = {
    {"abcdef", 2, 3, "cde", "ab", "def"},
    {"abcdef", 0, 0, "", "", ""},
    {"abcdef", -3, 2, "ab", "", "ef"},
    {"abcdef", 4, 10, "ef", "abcd", "abcdef"},
    {"abcdef", 6, 1, "", "abcdef", "f"},
    {"abcdef", 9, -1, "", "abcdef", ""},
    {"", 0, 5, "", "", ""},
};

TEST(CStringTest, ExtractionClampsItsArguments) {
    for (const auto& c : kExtractCases) {
        const CString s(c.text);
        EXPECT_STREQ(s.Mid(c.first, c.count), c.mid) << c.text << " " << c.first << "," << c.count;
        EXPECT_STREQ(s.Left(c.first), c.left) << c.text << " left " << c.first;
        EXPECT_STREQ(s.Right(c.count), c.right) << c.text << " right " << c.count;
    }
    EXPECT_STREQ(CString("abcdef").Mid(2), "cdef");
}

TEST(CStringTest, FindsFromAStartAndFromTheEnd) {
    const CString s("a/b\\c/d");
    EXPECT_EQ(s.Find('/'), 1);
    EXPECT_EQ(s.Find('/', 2), 5);
    EXPECT_EQ(s.Find('/', 7), -1);
    EXPECT_EQ(s.Find("c/"), 4);
    EXPECT_EQ(s.Find("", 3), 3);
    EXPECT_EQ(s.Find("x"), -1);
    EXPECT_EQ(s.ReverseFind('/'), 5);
    EXPECT_EQ(s.ReverseFind('x'), -1);
    EXPECT_EQ(s.FindOneOf("\\d"), 3);
}

TEST(CStringTest, ChangesInPlaceReturnTheirCounts) {
    CString s("N12 N123 N12");
    EXPECT_EQ(s.Replace("N12", "X"), 3);
    EXPECT_STREQ(s, "X X3 X");
    EXPECT_EQ(s.Replace("", "y"), 0);
    EXPECT_EQ(s.Remove(' '), 2);
    EXPECT_STREQ(s, "XX3X");
    EXPECT_EQ(s.Insert(1, "ab"), 6);
    EXPECT_EQ(s.Insert(99, '!'), 7);
    EXPECT_STREQ(s, "XabX3X!");
    EXPECT_EQ(s.Delete(1, 2), 5);
    EXPECT_EQ(s.Delete(4, 10), 4);
    EXPECT_EQ(s.Delete(9, 1), 4);
    EXPECT_STREQ(s, "XX3X");
}

TEST(CStringTest, TrimsBlanksOrGivenCharacters) {
    CString s(" \t\r\n text \r\n");
    s.TrimRight();
    EXPECT_STREQ(s, " \t\r\n text");
    s.TrimLeft();
    EXPECT_STREQ(s, "text");
    CString q("\"quoted\"");
    q.Trim('"');
    EXPECT_STREQ(q, "quoted");
    CString all("xxx");
    all.TrimLeft("x");
    EXPECT_TRUE(all.IsEmpty());
}

TEST(CStringTest, CaseFoldingCoversTheCodePageLetters) {
    CString s("\xC9t\xE9 \xC7"
              "A \x8A\x9F"); // "Été ÇA ŠŸ"
    s.MakeLower();
    EXPECT_STREQ(s, "\xE9t\xE9 \xE7"
                    "a \x9A\xFF");
    s.MakeUpper();
    EXPECT_STREQ(s, "\xC9T\xC9 \xC7"
                    "A \x8A\x9F");
    EXPECT_EQ(CString("\xC9TAT").CompareNoCase("\xE9tat"), 0);
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
    EXPECT_GT(CString("b").Compare("a"), 0);
    CString times("\xD7\xF7"); // multiplication and division signs have no case
    times.MakeLower();
    EXPECT_STREQ(times, "\xD7\xF7");
}

TEST(CStringTest, FormatUsesTheCLocaleWhateverTheUsersLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    const char* commaLocales[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE.utf8", "fr_FR.utf8"};
    bool switched = false;
    for (const char* name : commaLocales)
        if (std::setlocale(LC_ALL, name)) {
            switched = true;
            break;
        }
    CString s;
    s.Format("%f;%g;%d;%s", 10.0, -1.5, 42, "x");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_STREQ(s, "10.000000;-1.5;42;x");
    if (!switched)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
}

TEST(CStringTest, FormatGrowsPastItsFirstBuffer) {
    const std::string longText(1000, 'z');
    CString s;
    s.Format("[%s]", longText.c_str());
    EXPECT_EQ(s.GetLength(), 1002);
}

TEST(CStringTest, BufferAccessTakesTheLengthFromTheWrittenText) {
    CString s("old");
    char* buffer = s.GetBuffer(10);
    std::snprintf(buffer, 10, "%s", "fresh");
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "fresh");
    EXPECT_EQ(s.GetLength(), 5);
}

TEST(CStringTest, ConcatenationAndComparison) {
    const CString a("ab");
    EXPECT_EQ(a + "c", CString("abc"));
    EXPECT_EQ("x" + a, "xab");
    EXPECT_EQ(a + '!', "ab!");
    EXPECT_TRUE(a == "ab");
    EXPECT_TRUE(a != "AB");
    EXPECT_TRUE(CString("a") < CString("b"));
    const CString nullText(static_cast<const char*>(nullptr));
    EXPECT_TRUE(nullText.IsEmpty());
    EXPECT_EQ(a[1], 'b');
    EXPECT_EQ(a[5], '\0');
}

} // namespace

// A pair or tuple of texts compares the texts, never where they lie in
// memory: without its own three-way comparison the conversion to a pointer
// would be taken, and maps keyed on pairs of texts would lose their keys.
TEST(CStringTest, PairsOfTextsCompareByTheirContent) {
    const std::pair<CString, CString> pairs[2] = {{"b", "z"}, {"a", "z"}};
    EXPECT_TRUE(pairs[1] < pairs[0]);
    EXPECT_FALSE(pairs[0] < pairs[1]);
    std::map<std::pair<CString, CString>, int> byPair;
    byPair[{CString("b"), CString("1")}] = 1;
    byPair[{CString("a"), CString("2")}] = 2;
    EXPECT_EQ(byPair.begin()->first.first, "a");
    EXPECT_EQ(byPair.count({CString("b"), CString("1")}), 1u);
    EXPECT_EQ(CString("a") <=> CString("b"), std::strong_ordering::less);
    EXPECT_EQ(CString("b") <=> "a", std::strong_ordering::greater);
}
