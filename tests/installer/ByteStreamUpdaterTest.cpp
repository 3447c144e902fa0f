#include "ByteStreamUpdater.h"
#include "Exception.h"
#include "TempDir.h"
#include "XmlTestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

namespace {

// Keeps every edit it is told of.
class EditRecorder : public ByteStreamListener {
public:
    void removed(BytePosition start, BytePosition end) override {
        edits.push_back("removed " + std::to_string(start) + "-" + std::to_string(end));
    }
    void inserted(BytePosition position, BytePosition length) override {
        edits.push_back("inserted " + std::to_string(length) + "@" + std::to_string(position));
    }
    std::vector<std::string> edits;
};

struct Loaded {
    TempDir dir;
    EditRecorder listener;
    ByteStreamUpdater updater{&listener};

    explicit Loaded(const std::string& bytes) {
        dir.write("file.xml", bytes);
        updater.load(wide(dir / "file.xml"));
    }
};

TEST(ByteStreamUpdaterTest, EditsTellTheListenerAndEmptyOnesChangeNothing) {
    Loaded file("<a>text</a>");
    file.updater.remove(3, 3);
    file.updater.remove(-1, 4);
    file.updater.insert(u"", 2);
    EXPECT_TRUE(file.listener.edits.empty());
    EXPECT_FALSE(file.updater.modified());

    file.updater.replace(3, 7, u"new text");
    EXPECT_EQ(file.updater.bytes(), "<a>new text</a>");
    EXPECT_EQ(file.listener.edits, (std::vector<std::string>{"removed 3-7", "inserted 8@3"}));
    EXPECT_TRUE(file.updater.modified());

    // A range past the end stops at the end; nothing is left of it.
    file.updater.remove(0, 1000);
    EXPECT_EQ(file.updater.bytes(), "");
    EXPECT_THROW(file.updater.insert(u"x", 1), std::out_of_range);
}

TEST(ByteStreamUpdaterTest, UnitsAreReadInTheFormOfTheFile) {
    struct Case {
        const char* what;
        Form form;
        int unitSize;
        std::string inserted; // "a" inserted after the "<"
    } cases[] = {
        {"UTF-8", Form::Utf8, 1, "a"},
        {"UTF-16 little-endian", Form::Utf16LeBom, 2, std::string("a\0", 2)},
        {"UTF-16 little-endian without mark", Form::Utf16Le, 2, std::string("a\0", 2)},
        {"UTF-16 big-endian", Form::Utf16BeBom, 2, std::string("\0a", 2)},
    };
    for (const Case& c : cases) {
        const std::string bytes = encode(u"<r/>", c.form);
        Loaded file(bytes);
        EXPECT_EQ(file.updater.unitSize(), c.unitSize) << c.what;
        const BytePosition first = bytes.size() - 4 * c.unitSize; // after the byte order mark
        EXPECT_EQ(file.updater.unitAt(first), u'<') << c.what;
        EXPECT_EQ(file.updater.unitAt(first + c.unitSize), u'r') << c.what;
        EXPECT_EQ(file.updater.unitAt(-1), -1) << c.what;
        EXPECT_EQ(file.updater.unitAt(file.updater.size()), -1) << c.what;
        file.updater.insert(u"a", first + c.unitSize);
        EXPECT_EQ(file.updater.bytes(),
                  bytes.substr(0, first + c.unitSize) + c.inserted + bytes.substr(first + c.unitSize))
            << c.what;
    }
}

TEST(ByteStreamUpdaterTest, TextIsEncodedAsTheDeclarationSaysAndMissingCharactersBecomeReferences) {
    struct Case {
        int code;
        std::u16string text;
        std::string bytes;
    } cases[] = {
        {XmlEncoding::kUtf8, u"\u00e9", "\xC3\xA9"},
        {XmlEncoding::kWindows1252, u"\u00e9\u20ac", "\xE9\x80"},
        {XmlEncoding::kWindows1252, u"\u4e2d", "&#20013;"},
        {XmlEncoding::kIso88591, u"\u00e9\u0080", "\xE9\x80"},
        {XmlEncoding::kIso88591, u"\u20ac", "&#8364;"},
        {XmlEncoding::kUsAscii, u"a\u00e9\u0100", "a&#233;&#256;"},
        {XmlEncoding::kUsAscii, u"\U0001F600", "&#128512;"},
    };
    for (const Case& c : cases) {
        Loaded file("<r/>");
        file.updater.setEncoding(c.code);
        EXPECT_EQ(file.updater.encodedLength(c.text), static_cast<BytePosition>(c.bytes.size()));
        file.updater.insert(c.text, 0);
        EXPECT_EQ(file.updater.bytes(), c.bytes + "<r/>") << narrow(c.text) << " in " << c.code;
    }
    Loaded file(encode(u"<r/>", Form::Utf16BeBom));
    file.updater.setEncoding(XmlEncoding::kUtf16);
    EXPECT_TRUE(file.updater.encoding().bigEndian()) << "the byte order stays";
    EXPECT_EQ(file.updater.encodedLength(u"\u00e9"), 2);
}

TEST(ByteStreamUpdaterTest, TheFormComesFromTheFirstBytes) {
    struct Case {
        std::string bytes;
        int code;
        bool bigEndian;
    } cases[] = {
        {"\xFF\xFE<\0", XmlEncoding::kUtf16, false},
        {"\xFE\xFF\0<", XmlEncoding::kUtf16, true},
        {std::string("<\0r\0", 4), XmlEncoding::kUtf16, false},
        {std::string("\0<\0r", 4), XmlEncoding::kUtf16, true},
        {"\xEF\xBB\xBF<r/>", XmlEncoding::kUtf8, false},
        {"<r/>", XmlEncoding::kUtf8, false},
        {"", XmlEncoding::kUtf8, false},
    };
    for (const Case& c : cases) {
        const XmlEncoding form = XmlEncoding::detect(c.bytes);
        EXPECT_EQ(form.code(), c.code) << c.bytes;
        EXPECT_EQ(form.bigEndian(), c.bigEndian) << c.bytes;
    }
}

TEST(ByteStreamUpdaterTest, FailuresNameTheirFile) {
    TempDir dir;
    ByteStreamUpdater updater(nullptr);
    const auto number = [](auto&& action) {
        try {
            action();
        } catch (const Exception& error) {
            return error.number();
        }
        return 0;
    };
    EXPECT_EQ(number([&] { updater.setEncoding(-1); }), 4114);
    EXPECT_EQ(number([&] { updater.load(wide(dir / "missing.xml")); }), 4111);
    EXPECT_EQ(number([&] { updater.save(wide(dir / "no/folder.xml")); }), 4115);

    dir.write("file.xml", "<old/>");
    updater.load(wide(dir / "file.xml"));
    updater.replace(1, 4, u"new");
    updater.save(wide(dir / "file.xml"));
    EXPECT_EQ(dir.read("file.xml"), "<new/>");
    EXPECT_EQ(dir.entries().size(), 1u) << "no temporary file is left";
}

// Edits of a file larger than the blocks it is read in, near and across
// their edges, give the bytes that the same edits of a string give.
TEST(ByteStreamUpdaterTest, EditsOfALargeFileGiveTheBytesOfTheSameEditsOfAString) {
    std::string expected;
    for (int i = 0; expected.size() < 200000; ++i)
        expected += "<i n=\"" + std::to_string(i) + "\"/>\r\n";
    Loaded file(expected);
    struct Edit {
        BytePosition start, end;
        const char16_t* text;
    } edits[] = {
        {65530, 65540, u"across"}, {0, 0, u"<?x?>"},         {131071, 131073, u""}, {70000, 70000, u"ab"},
        {65534, 65536, u"Z"},      {199990, 300000, u"end"}, {10, 65600, u"short"},
    };
    for (const Edit& edit : edits) {
        file.updater.replace(edit.start, edit.end, edit.text);
        const size_t end = std::min<size_t>(edit.end, expected.size());
        if (edit.start < static_cast<BytePosition>(end))
            expected.erase(edit.start, end - edit.start);
        expected.insert(edit.start, narrow(edit.text));
        ASSERT_EQ(file.updater.size(), static_cast<BytePosition>(expected.size()));
        ASSERT_EQ(file.updater.bytes(), expected);
    }
    for (const BytePosition pos : {0, 9, 10, 14, 65535, 65536, 130000}) {
        EXPECT_EQ(file.updater.unitAt(pos), static_cast<unsigned char>(expected[pos])) << pos;
    }
    file.updater.save(wide(file.dir / "file.xml"));
    EXPECT_EQ(file.dir.read("file.xml"), expected);
}

// Once the bytes have been looked at, edits that leave one stretch of the
// file, not from its start, still give the byte now at each position.
TEST(ByteStreamUpdaterTest, EveryPositionReadsTheByteNowThereAfterEditsOfItsStart) {
    const std::string large = std::string(70000, 'a') + "bcd";
    struct Edit {
        BytePosition start, end;
        const char16_t* text;
    };
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<Edit> edits;
        std::string after;
    } cases[] = {
        {"the first byte removed", "abc", {{0, 1, u""}}, "bc"},
        {"an insertion, then a removal through it", "abc", {{0, 0, u"x"}, {0, 2, u""}}, "bc"},
        {"the start replaced by less", "abcdef", {{0, 3, u"z"}}, "zdef"},
        {"a prefix of a file of several blocks", large, {{0, 65540, u""}}, large.substr(65540)},
    };
    for (const Case& c : cases) {
        Loaded file(c.bytes);
        for (BytePosition pos = 0; pos < file.updater.size(); pos += 997)
            file.updater.unitAt(pos); // the blocks are read as they were
        for (const Edit& edit : c.edits)
            file.updater.replace(edit.start, edit.end, edit.text);
        ASSERT_EQ(file.updater.bytes(), c.after) << c.what;
        for (BytePosition pos = 0; pos < file.updater.size(); ++pos) {
            ASSERT_EQ(file.updater.unitAt(pos), static_cast<unsigned char>(c.after[pos]))
                << c.what << " at " << pos;
        }
    }
}

// The file is read where it is looked at: one that lost its end after it
// was loaded is a read error, and the file is not written.
TEST(ByteStreamUpdaterTest, AFileCutShortAfterLoadingIsAReadError) {
    Loaded file(std::string(100000, 'x'));
    file.updater.insert(u"y", 0);
    std::filesystem::resize_file(file.dir / "file.xml", 5);
    try {
        file.updater.save(wide(file.dir / "out.xml"));
        FAIL() << "saved";
    } catch (const Exception& error) {
        EXPECT_EQ(error.number(), 4112);
    }
    EXPECT_FALSE(file.dir.exists("out.xml"));
}

} // namespace
