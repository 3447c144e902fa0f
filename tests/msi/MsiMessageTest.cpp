// Messages to the user and progress, as custom actions send them.

#include "MsiRecord.h"
#include "MsiSession.h"
#include "MsiText.h"
#include "PackageBuilder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

struct Sent {
    std::uint32_t type;
    std::u16string text;
};

class MsiMessageTest : public testing::Test {
protected:
    void SetUp() override {
        const std::string package = m_dir / "messages.msi";
        ASSERT_EQ(PackageBuilder()
                      .properties({{"ProductName", "Demo"}})
                      .errors({{"4111", "Cannot open the file [2] of [ProductName]."}})
                      .build(package),
                  "");
        std::string error;
        ASSERT_TRUE(m_session.openPackage(package, error)) << error;
        m_session.setMessageHandler([this](std::uint32_t type, const MsiRecord&, const std::u16string& text) {
            m_sent.push_back({type, text});
            return m_answer;
        });
        m_session.setLogSink([this](const std::string& line) { m_log.push_back(line); });
    }

    int send(std::uint32_t type, const std::vector<std::u16string>& fields,
             const std::u16string& templ = u"") {
        const MSIHANDLE record = MsiCreateRecord(static_cast<UINT>(fields.size()));
        MsiRecordSetStringW(record, 0, templ.c_str());
        for (UINT i = 0; i < fields.size(); ++i) {
            if (const auto number = msitext::toInteger(fields[i]))
                MsiRecordSetInteger(record, i + 1, *number);
            else
                MsiRecordSetStringW(record, i + 1, fields[i].c_str());
        }
        const int answer = MsiProcessMessage(m_session.handle(), static_cast<INSTALLMESSAGE>(type), record);
        MsiCloseHandle(record);
        return answer;
    }

    TempDir m_dir;
    MsiSession m_session;
    std::vector<Sent> m_sent;
    std::vector<std::string> m_log;
    int m_answer = IDOK;
};

TEST_F(MsiMessageTest, AnErrorNumberTakesItsTextFromTheErrorTable) {
    EXPECT_EQ(send(INSTALLMESSAGE_ERROR | MB_ICONERROR, {u"4111", u"/etc/app.xml"}), IDOK);
    ASSERT_EQ(m_sent.size(), 1u);
    EXPECT_EQ(m_sent[0].type, 0x01000010u);
    EXPECT_EQ(m_sent[0].text, u"Cannot open the file /etc/app.xml of Demo.");
    ASSERT_FALSE(m_log.empty());
    EXPECT_EQ(m_log.back(), "Message ERROR [0x01000010]: Cannot open the file /etc/app.xml of Demo. -> 1");
}

TEST_F(MsiMessageTest, AMessageWithoutTemplateOrErrorTextListsItsFields) {
    send(INSTALLMESSAGE_ERROR, {u"4999", u"x"});
    send(INSTALLMESSAGE_WARNING | MB_ICONWARNING, {u"it went wrong"}, u"[1]");
    ASSERT_EQ(m_sent.size(), 2u);
    EXPECT_EQ(m_sent[0].text, u"1: 4999 2: x ");
    EXPECT_EQ(m_sent[1].text, u"it went wrong");
}

TEST_F(MsiMessageTest, TheAnswerIsTheUsersOrTheDefaultButton) {
    m_answer = IDCANCEL;
    EXPECT_EQ(send(INSTALLMESSAGE_ACTIONDATA, {u"/etc/app.xml"}), IDCANCEL);

    m_session.setMessageHandler(nullptr);
    EXPECT_EQ(send(INSTALLMESSAGE_ERROR | MB_OKCANCEL | MB_DEFBUTTON2, {u"x"}, u"[1]"), IDCANCEL);
    EXPECT_EQ(send(INSTALLMESSAGE_USER | MB_YESNO, {u"x"}, u"[1]"), IDYES);
    EXPECT_EQ(send(INSTALLMESSAGE_ACTIONDATA, {u"x"}), 0) << "not a message box";
    EXPECT_EQ(MsiProcessMessage(m_session.handle(), INSTALLMESSAGE_INFO, 0), -1) << "no record";
    EXPECT_EQ(MsiProcessMessage(0, INSTALLMESSAGE_INFO, MsiCreateRecord(0)), -1) << "no installation";
}

TEST_F(MsiMessageTest, ProgressMessagesMoveTheBar) {
    send(INSTALLMESSAGE_PROGRESS, {u"0", u"100", u"0", u"0"}); // reset to 100 ticks, forward
    send(INSTALLMESSAGE_PROGRESS, {u"1", u"10", u"1"});        // each action data moves 10
    send(INSTALLMESSAGE_ACTIONDATA, {u"a"});
    send(INSTALLMESSAGE_ACTIONDATA, {u"b"});
    send(INSTALLMESSAGE_PROGRESS, {u"2", u"5"});  // 5 more
    send(INSTALLMESSAGE_PROGRESS, {u"3", u"50"}); // 50 more to do
    EXPECT_EQ(m_session.progress().position, 25);
    EXPECT_EQ(m_session.progress().total, 150);
    EXPECT_EQ(m_log.back(), "Progress: 25 of 150");
}

TEST_F(MsiMessageTest, PropertyChangesAreLoggedAndAnEmptyValueRemoves) {
    EXPECT_EQ(MsiSetPropertyW(m_session.handle(), u"DATA", u"a\u0001b"), ERROR_SUCCESS);
    EXPECT_EQ(MsiSetPropertyW(m_session.handle(), u"DATA", u""), ERROR_SUCCESS);
    EXPECT_EQ(MsiSetPropertyW(m_session.handle(), u"", u"x"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(m_log,
              (std::vector<std::string>{"Property set: DATA = 'a<U+0001>b'", "Property removed: DATA"}));
    EXPECT_FALSE(m_session.properties().count(u"DATA"));
}

} // namespace
