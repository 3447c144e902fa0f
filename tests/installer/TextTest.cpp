#include "Text.h"
#include "CodePage.h"

#include <gtest/gtest.h>

namespace {

using Pieces = std::vector<std::u16string>;

TEST(TextTest, SplitKeepsEmptyPieces) {
    struct Case {
        std::u16string text, separator;
        Pieces pieces;
    } cases[] = {
        {u"a\\b\\", u"\\", {u"a", u"b", u""}},
        {u"", u"\\", {}},
        {u"\\", u"\\", {u"", u""}},
        {u"a||b", u"|", {u"a", u"", u"b"}},
        {u"one", u"#", {u"one"}},
        {u"x<>y<>", u"<>", {u"x", u"y", u""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text::split(c.text, c.separator), c.pieces) << codepage::toUtf8(c.text);
}

TEST(TextTest, ReplaceAllGoesOnAfterTheInsertedText) {
    EXPECT_EQ(text::replaceAll(u"1_2_3", u"_", u"-"), u"1-2-3");
    EXPECT_EQ(text::replaceAll(u"123", u"_", u"-"), u"123");
    EXPECT_EQ(text::replaceAll(u"aa", u"a", u"aa"), u"aaaa");
    EXPECT_EQ(text::replaceAll(u"abc", u"", u"x"), u"abc");
    EXPECT_EQ(text::replaceAll(u"", u"a", u"x"), u"");
}

TEST(TextTest, PrefixesSuffixesAndEquality) {
    EXPECT_FALSE(text::endsWith(u"abc", u"", true));
    EXPECT_FALSE(text::startsWith(u"*|", u"*", true));
    EXPECT_TRUE(text::startsWith(u"*|", u"*|C:\\x.back", true));
    EXPECT_TRUE(text::endsWith(u"Settings.ABC", u".abc", false));
    EXPECT_FALSE(text::endsWith(u"Settings.ABC", u".abc", true));
    EXPECT_TRUE(text::startsWith(u"web", u"WEB.config", false));
    EXPECT_FALSE(text::equals(u"Item", u"Items", false));
    EXPECT_TRUE(text::equals(u"Item", u"iTEM", false));
    EXPECT_FALSE(text::equals(u"É", u"é", false)) << "only A to Z fold";
}

TEST(TextTest, TrimDropsTheCharactersOfTheSet) {
    EXPECT_EQ(text::trim(u" \t a b \r\n", u" \t\r\n"), u"a b");
    EXPECT_EQ(text::trimLeft(u"  a ", u" "), u"a ");
    EXPECT_EQ(text::trimRight(u"  a ", u" "), u"  a");
    EXPECT_EQ(text::trim(u" \t ", u" \t"), u"");
}

TEST(TextTest, NumbersAsTextAndBack) {
    EXPECT_EQ(text::toText(-5), u"-5");
    EXPECT_EQ(text::toText(INT32_MIN), u"-2147483648");
    EXPECT_EQ(text::toTextUnsigned(4294967295u), u"4294967295");
    struct Case {
        std::u16string text;
        std::int32_t value;
    } cases[] = {{u"12abc", 12}, {u"", 0},   {u"-7", -7},
                 {u"  +42", 42}, {u"x1", 0}, {u"99999999999", INT32_MAX}};
    for (const Case& c : cases)
        EXPECT_EQ(text::toInt(c.text), c.value) << codepage::toUtf8(c.text);
}

TEST(TextTest, EscapesForAttributesAndCharacterData) {
    const std::u16string raw = u"a<b>&\"c'\t\n\r";
    EXPECT_EQ(text::escapeAttribute(raw), u"a&lt;b&gt;&amp;&quot;c&apos;&#9;&#10;&#13;");
    EXPECT_EQ(text::escapeText(raw), u"a&lt;b&gt;&amp;\"c'\t\n\r");
}

TEST(TextTest, CharactersNoXmlDocumentCanHold) {
    const std::u16string pair = u"\U0001F600";
    for (const std::u16string& text :
         {std::u16string(u"a\t\r\n \ud7ff\ue000\ufffd"), pair, u"x" + pair + u"y"})
        EXPECT_EQ(text::findNonXmlCharacter(text), std::u16string::npos) << codepage::toUtf8(text);
    struct Case {
        std::u16string text;
        size_t at;
    } cases[] = {
        {std::u16string(u"ab\0", 3), 2},
        {u"\u0001", 0},
        {u"a\u001f", 1},
        {u"a\ufffe", 1},
        {u"\uffff", 0},
        {u"a\xd800", 1},
        {u"\xd800"
         u"a",
         0},
        {u"a\xdc00"
         u"b",
         1},
        {u"\xdc00\xd800", 0},
        {pair + u"\xd800", 2},
        {u"\xd800" + pair, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text::findNonXmlCharacter(c.text), c.at) << c.at;
}

TEST(TextTest, Windows1252HasItsOwnMap) {
    EXPECT_EQ(codepage::fromMultiByte("\x80\x9c\xe9\x81", codepage::kWindows1252),
              u"\u20ac\u0153\u00e9\u0081");
    EXPECT_EQ(codepage::fromMultiByte("\x80\xe9", codepage::kLatin1), u"\u0080\u00e9");
    EXPECT_EQ(codepage::toMultiByte(u"\u20ac\u00e9\u4e2d", codepage::kWindows1252), "\x80\xe9?");
    EXPECT_EQ(codepage::toUtf8(u"\u00e9"), "\xc3\xa9");
    EXPECT_EQ(codepage::lowBytes(u"A\u0141"), "A\x41");
    EXPECT_EQ(codepage::toMultiByte(u"x", 932), "") << "a code page the library does not know";
}

} // namespace
