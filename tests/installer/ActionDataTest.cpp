#include "ActionData.h"
#include "XmlUpdateDataReader.h"

#include <gtest/gtest.h>

namespace {

using Section = ActionData::Section;

struct RoundTripCase {
    const char* what;
    std::vector<Section> sections;
};

const std::u16string kLong(100000, u'x');

// Rows keep their fields whatever the values hold. (A row of one empty
// field reads back as a row without fields, which every reader takes as
// the same: a field past a row's end is empty.)
const RoundTripCase kRoundTrips[] = {
    {"plain", {{{u"ProductCode", u"{1234}"}}, {{u"f1", u"a.xml|b.xml", u"/opt/"}, {u"f2", u"c.xml", u""}}}},
    {"separators in values",
     {{{u"a\u0001b", u"c\u0002d\u0003e"}, {u"escape \u0004 and \u00041", u"\u0001"}},
      {{u"\u0003", u"\u0002"}}}},
    {"empty fields", {{{u"", u"after an empty first"}, {u"k", u"", u"", u""}}, {{u"x", u""}}}},
    {"empty sections", {{{u"p", u"v"}}, {}, {}, {}}},
    {"long and non-ASCII", {{{u"k", kLong}, {u"名前", u"é€ \U0001F600"}}}},
    {"markup characters", {{{u"k", u"<a b=\"c\">&amp;</a>", u"[PROP]", u"\\\\server\\share"}}}},
};

TEST(ActionDataTest, PackedDataUnpacksToTheSameSectionsRowsAndFields) {
    for (const RoundTripCase& c : kRoundTrips)
        EXPECT_EQ(ActionData::unpack(ActionData::pack(c.sections)), c.sections) << c.what;
}

TEST(ActionDataTest, OrdinaryValuesArePackedAsTheyAre) {
    EXPECT_EQ(ActionData::pack({{{u"p", u"v"}, {u"q", u""}}, {{u"f1", u"x"}}, {}}),
              u"p\u0001v\u0002q\u0001\u0003f1\u0001x\u0003");
}

TEST(ActionDataTest, UnpackingKeepsEmptyPiecesButAnEmptyPieceHasNone) {
    EXPECT_EQ(ActionData::unpack(u""), std::vector<Section>{});
    EXPECT_EQ(ActionData::unpack(u"\u0003"), (std::vector<Section>{{}, {}}));
    EXPECT_EQ(ActionData::unpack(u"a\u0001\u0001"), (std::vector<Section>{{{u"a", u"", u""}}}));
    EXPECT_EQ(ActionData::unpack(u"a\u0002\u0002b"), (std::vector<Section>{{{u"a"}, {}, {u"b"}}}));
    EXPECT_EQ(ActionData::unescape(u"\u0004x\u0004"), u"\u0004x\u0004") << "a stray escape stays";
}

TEST(ActionDataTest, TheReaderLooksUpPropertiesByExactName) {
    XmlUpdateDataReader reader(
        ActionData::pack({{{u"ProductCode", u"{1}"}, {u"REMOVE", u"ALL"}, {u"Short"}}, {}}));
    ASSERT_TRUE(reader.unpack());
    EXPECT_EQ(reader.sections().size(), 2u);
    EXPECT_EQ(reader.property(u"ProductCode"), u"{1}");
    EXPECT_EQ(reader.property(u"productcode"), u"");
    EXPECT_EQ(reader.property(u"Short"), u"") << "no value field";
    EXPECT_EQ(reader.property(u"Missing"), u"");
    EXPECT_TRUE(reader.section(1).empty());
    EXPECT_TRUE(reader.section(7).empty());
    EXPECT_EQ(XmlUpdateDataReader::field({u"a"}, 3), u"");

    XmlUpdateDataReader empty(std::u16string{});
    EXPECT_FALSE(empty.unpack());
    EXPECT_TRUE(empty.sections().empty());
}

} // namespace
