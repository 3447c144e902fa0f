#include "InstallerMessages.h"
#include "MsiRecord.h"
#include "MsiSession.h"
#include "XmlOutputErrorHandler.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace {

// A message as the installer received it: its type and its fields 0..n.
struct Received {
    std::uint32_t type;
    std::vector<std::u16string> fields;
};

class InstallerMessagesTest : public testing::Test {
protected:
    void SetUp() override {
        m_session.setMessageHandler(
            [this](std::uint32_t type, const MsiRecord& record, const std::u16string&) {
                Received message{type, {}};
                for (unsigned field = 0; field <= record.fieldCount(); ++field)
                    message.fields.push_back(record.string(field).value_or(u"(stream)"));
                m_received.push_back(message);
                return m_answer;
            });
    }

    MsiSession m_session;
    std::vector<Received> m_received;
    int m_answer = IDOK;
};

TEST_F(InstallerMessagesTest, AnErrorSendsItsNumberAndEveryArgument) {
    struct Case {
        int number;
        std::vector<std::u16string> arguments;
        std::vector<std::u16string> fields;
    } cases[] = {
        {4111, {u"/etc/app.xml"}, {u"", u"4111", u"/etc/app.xml"}},
        // An empty first argument keeps its place and the path after it.
        {4117, {u"", u"/etc/app.xml"}, {u"", u"4117", u"", u"/etc/app.xml"}},
        {4113,
         {u"/x.xml", u"3", u"7", u"syntax error"},
         {u"", u"4113", u"/x.xml", u"3", u"7", u"syntax error"}},
        {4110, {}, {u"", u"4110"}},
    };
    for (const Case& c : cases) {
        m_received.clear();
        messages::report(Exception(u"os\\XmlReader", 101, c.number, c.arguments), m_session.handle());
        ASSERT_EQ(m_received.size(), 1u);
        EXPECT_EQ(m_received[0].type, 0x01000010u);
        EXPECT_EQ(m_received[0].fields, c.fields) << c.number;
    }
}

TEST_F(InstallerMessagesTest, ATextIsSentAsAWarning) {
    messages::report(Exception(u"xml\\XmlManager", 370, u"Unexpected exception."), m_session.handle());
    ASSERT_EQ(m_received.size(), 1u);
    EXPECT_EQ(m_received[0].type, 0x02000030u);
    EXPECT_EQ(m_received[0].fields, (std::vector<std::u16string>{u"[1]", u"Unexpected exception.", u""}));
}

TEST_F(InstallerMessagesTest, NothingIsSentWithoutAnInstallation) {
    messages::report(Exception(u"os\\XmlReader", 55, 4111, {u"/x"}), 0);
    EXPECT_TRUE(m_received.empty());
}

TEST_F(InstallerMessagesTest, ActionDataAnnouncesTheFileAndCancelStops) {
    EXPECT_EQ(messages::sendActionData(m_session.handle(), u"/etc/app.xml"), ERROR_SUCCESS);
    ASSERT_EQ(m_received.size(), 1u);
    EXPECT_EQ(m_received[0].type, 0x09000000u);
    EXPECT_EQ(m_received[0].fields, (std::vector<std::u16string>{u"", u"/etc/app.xml"}));
    m_answer = IDCANCEL;
    EXPECT_EQ(messages::sendActionData(m_session.handle(), u"/etc/app.xml"), ERROR_INSTALL_USEREXIT);
    m_answer = IDABORT;
    EXPECT_EQ(messages::sendActionData(m_session.handle(), u"/etc/app.xml"), ERROR_INSTALL_USEREXIT);
}

TEST_F(InstallerMessagesTest, AGuardedUnitReportsOnlyItsOwnErrors) {
    EXPECT_TRUE(messages::runGuarded(m_session.handle(), [] {}));
    EXPECT_FALSE(messages::runGuarded(m_session.handle(), [] { throw std::bad_alloc(); }));
    EXPECT_FALSE(messages::runGuarded(m_session.handle(), [] { throw 42; }));
    EXPECT_TRUE(m_received.empty());
    EXPECT_FALSE(messages::runGuarded(m_session.handle(), [] { throw Exception(u"x", 1, 4112, {u"/f"}); }));
    ASSERT_EQ(m_received.size(), 1u);
    EXPECT_EQ(m_received[0].fields[1], u"4112");
}

TEST(XmlOutputErrorHandlerTest, EachKindRaisesItsMessage) {
    struct Case {
        int kind;
        int number;
        std::vector<std::u16string> arguments;
    } cases[] = {{0, 4114, {}}, {1, 4115, {u"/out.xml"}}, {2, 4116, {u"/out.xml"}}};
    for (const Case& c : cases) {
        try {
            XmlOutputErrorHandler::instance().onError(u"os\\XmlOutput", 12, c.kind, u"/out.xml", u"");
            ADD_FAILURE() << "kind " << c.kind << " raised nothing";
        } catch (const Exception& error) {
            EXPECT_EQ(error.number(), c.number);
            EXPECT_EQ(error.arguments(), c.arguments);
            EXPECT_EQ(error.source(), u"os\\XmlOutput");
            EXPECT_EQ(error.line(), 12);
        }
    }
    EXPECT_NO_THROW(XmlOutputErrorHandler::instance().onError(u"os\\XmlOutput", 12, 3, u"/out.xml", u""));
}

} // namespace
