#include "MsiSession.h"
#include "MsiText.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct FormatCase {
    std::u16string templ;
    std::vector<std::u16string> fields; // fields 1..n; "#n" sets an integer
    std::u16string result;
};

// Properties: INSTALLDIR = "/opt/app/", NAME = "demo", POINTER = "NAME".
const FormatCase kCases[] = {
    {u"[1]", {u"abc"}, u"abc"},
    {u"[2] and [1]", {u"A", u"B"}, u"B and A"},
    {u"[1]", {u"#42"}, u"42"},
    {u"[3]", {u"A"}, u""},
    {u"[INSTALLDIR]config.xml", {}, u"/opt/app/config.xml"},
    {u"[UNSET]x", {}, u"x"},
    {u"[%TOLVANE_MSI_FORMAT]", {}, u"yes"},
    {u"[\\[]NAME[\\]]", {}, u"[NAME]"},
    {u"a[~]b", {}, std::u16string(u"a\0b", 3)},
    {u"[[POINTER]]", {}, u"demo"},
    {u"{[NAME] is set}", {}, u"demo is set"},
    {u"{[UNSET] is set}", {}, u""},
    {u"{[NAME] and [UNSET]}x", {}, u"x"},
    {u"{12345678-ABCD-1234-ABCD-1234567890AB}", {}, u"{12345678-ABCD-1234-ABCD-1234567890AB}"},
    {u"[]", {}, u"[]"},
    {u"[NAME", {}, u"[NAME"},
    {u"NAME]", {}, u"NAME]"},
    {u"{open", {}, u"{open"},
    {u"[#file.xml]|[$Component]", {}, u"|"},
    {u"plain text", {}, u"plain text"},
};

// Formats through the installer call, reading the length first as callers do.
std::u16string formatRecord(MSIHANDLE install, MSIHANDLE record) {
    char16_t empty[1] = {0};
    DWORD length = 0;
    EXPECT_EQ(MsiFormatRecordW(install, record, empty, &length), ERROR_MORE_DATA);
    std::u16string text(length + 1, u'?');
    DWORD room = length + 1;
    EXPECT_EQ(MsiFormatRecordW(install, record, text.data(), &room), ERROR_SUCCESS);
    EXPECT_EQ(room, length);
    text.resize(length);
    return text;
}

TEST(MsiFormatTest, FormatsRecordsAsTheInstallerDoes) {
    setenv("TOLVANE_MSI_FORMAT", "yes", 1);
    MsiSession session;
    session.setProperty(u"INSTALLDIR", u"/opt/app/");
    session.setProperty(u"NAME", u"demo");
    session.setProperty(u"POINTER", u"NAME");
    for (const FormatCase& c : kCases) {
        const MSIHANDLE record = MsiCreateRecord(static_cast<UINT>(c.fields.size()));
        MsiRecordSetStringW(record, 0, c.templ.c_str());
        for (UINT i = 0; i < c.fields.size(); ++i) {
            if (c.fields[i].starts_with(u"#"))
                MsiRecordSetInteger(record, i + 1, *msitext::toInteger(c.fields[i].substr(1)));
            else
                MsiRecordSetStringW(record, i + 1, c.fields[i].c_str());
        }
        EXPECT_EQ(msitext::forLog(formatRecord(session.handle(), record)), msitext::forLog(c.result))
            << msitext::toUtf8(c.templ);
        MsiCloseHandle(record);
    }
}

TEST(MsiFormatTest, ARecordWithoutTemplateListsItsFields) {
    const MSIHANDLE record = MsiCreateRecord(2);
    MsiRecordSetStringW(record, 1, u"a");
    MsiRecordSetInteger(record, 2, 7);
    EXPECT_EQ(formatRecord(0, record), u"1: a 2: 7 ");
    MsiCloseHandle(record);
}

TEST(MsiFormatTest, WithoutAnInstallationOnlyFieldsAreFilledIn) {
    const MSIHANDLE record = MsiCreateRecord(1);
    MsiRecordSetStringW(record, 0, u"[1]-[NAME]");
    MsiRecordSetStringW(record, 1, u"one");
    EXPECT_EQ(formatRecord(0, record), u"one-");
    MsiCloseHandle(record);
}

TEST(MsiFormatTest, ABufferTooSmallGetsWhatFitsAndTheLength) {
    MsiSession session;
    const MSIHANDLE record = MsiCreateRecord(0);
    MsiRecordSetStringW(record, 0, u"abcdef");
    char16_t buffer[4];
    DWORD length = 4;
    EXPECT_EQ(MsiFormatRecordW(session.handle(), record, buffer, &length), ERROR_MORE_DATA);
    EXPECT_EQ(length, 6u);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(MsiFormatRecordW(session.handle(), 0, buffer, &length), ERROR_INVALID_HANDLE);
    MsiCloseHandle(record);
}

} // namespace
