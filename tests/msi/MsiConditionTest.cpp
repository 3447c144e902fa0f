#include "MsiSession.h"
#include "MsiText.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct ConditionCase {
    const char16_t* condition;
    MSICONDITION result;
};

// Properties: A = "x", PATH = "/opt/app/", VERSION = "600", FLAGS = "6",
// TEXT = "abc", NOTE = "1"; UNSET is not set. Components: New (absent, to be
// installed), Gone (installed, to be removed), Kept (installed, reinstalled).
const ConditionCase kCases[] = {
    {u"", MSICONDITION_NONE},
    {u"  ", MSICONDITION_NONE},
    // A property is true when it is set.
    {u"A", MSICONDITION_TRUE},
    {u"UNSET", MSICONDITION_FALSE},
    {u"NOT UNSET", MSICONDITION_TRUE},
    {u"not UNSET", MSICONDITION_TRUE},
    {u"NOTE", MSICONDITION_TRUE},
    // Texts compare exactly, or ignoring case after ~.
    {u"A = \"x\"", MSICONDITION_TRUE},
    {u"A = \"X\"", MSICONDITION_FALSE},
    {u"A ~= \"X\"", MSICONDITION_TRUE},
    {u"UNSET = \"\"", MSICONDITION_TRUE},
    {u"A <> \"y\"", MSICONDITION_TRUE},
    {u"TEXT < \"abd\"", MSICONDITION_TRUE},
    // Contains, starts with, ends with.
    {u"PATH >< \"app\"", MSICONDITION_TRUE},
    {u"PATH << \"/opt\"", MSICONDITION_TRUE},
    {u"PATH >> \"/\"", MSICONDITION_TRUE},
    {u"PATH << \"/OPT\"", MSICONDITION_FALSE},
    {u"PATH ~<< \"/OPT\"", MSICONDITION_TRUE},
    // A property that holds an integer compares with an integer as one.
    {u"VERSION >= 500", MSICONDITION_TRUE},
    {u"VERSION < 500", MSICONDITION_FALSE},
    {u"-5 < 0", MSICONDITION_TRUE},
    // A text that is no integer is only unequal to one.
    {u"TEXT = 5", MSICONDITION_FALSE},
    {u"TEXT < 5", MSICONDITION_FALSE},
    {u"TEXT <> 5", MSICONDITION_TRUE},
    // Between integers >< is a bitwise and, << the high word, >> the low word.
    {u"FLAGS >< 4", MSICONDITION_TRUE},
    {u"FLAGS >< 8", MSICONDITION_FALSE},
    {u"65537 << 1", MSICONDITION_TRUE},
    {u"65537 >> 1", MSICONDITION_TRUE},
    // Precedence: NOT, AND, OR, XOR, EQV, IMP.
    {u"1 OR 0 AND 0", MSICONDITION_TRUE},
    {u"(1 OR 0) AND 0", MSICONDITION_FALSE},
    {u"NOT 1 OR 1", MSICONDITION_TRUE},
    {u"1 XOR 1", MSICONDITION_FALSE},
    {u"1 XOR 0 OR 1", MSICONDITION_FALSE},
    {u"0 EQV 0", MSICONDITION_TRUE},
    {u"1 IMP 0", MSICONDITION_FALSE},
    {u"0 IMP 0", MSICONDITION_TRUE},
    // Component states, with the conditions that select rows to install and to remove.
    {u"?New = 2 AND $New = 3", MSICONDITION_TRUE},
    {u"((?New=2) AND ($New=3)) OR (?New = $New)", MSICONDITION_TRUE},
    {u"((?Gone=2) AND ($Gone=3)) OR (?Gone = $Gone)", MSICONDITION_FALSE},
    {u"((?Kept=2) AND ($Kept=3)) OR (?Kept = $Kept)", MSICONDITION_TRUE},
    {u"((?Gone=3) AND ($Gone=2))", MSICONDITION_TRUE},
    {u"((?New=3) AND ($New=2))", MSICONDITION_FALSE},
    {u"$Missing = -1", MSICONDITION_TRUE},
    // An environment variable.
    {u"%TOLVANE_MSI_CONDITION = \"yes\"", MSICONDITION_TRUE},
    // What does not parse.
    {u"((?=2) AND ($=3)) OR (? = $)", MSICONDITION_ERROR},
    {u"A =", MSICONDITION_ERROR},
    {u"(A", MSICONDITION_ERROR},
    {u"A)", MSICONDITION_ERROR},
    {u"A = \"open", MSICONDITION_ERROR},
    {u"A ~ B", MSICONDITION_ERROR},
    {u"A AND", MSICONDITION_ERROR},
    {u"A # B", MSICONDITION_ERROR},
};

TEST(MsiConditionTest, EvaluatesAsTheInstallerDoes) {
    setenv("TOLVANE_MSI_CONDITION", "yes", 1);
    MsiSession session;
    for (const auto& [name, value] :
         std::vector<std::pair<std::u16string, std::u16string>>{{u"A", u"x"},
                                                                {u"PATH", u"/opt/app/"},
                                                                {u"VERSION", u"600"},
                                                                {u"FLAGS", u"6"},
                                                                {u"TEXT", u"abc"},
                                                                {u"NOTE", u"1"}})
        session.setProperty(name, value);
    session.setComponentState(u"New", INSTALLSTATE_ABSENT, INSTALLSTATE_LOCAL);
    session.setComponentState(u"Gone", INSTALLSTATE_LOCAL, INSTALLSTATE_ABSENT);
    session.setComponentState(u"Kept", INSTALLSTATE_LOCAL, INSTALLSTATE_LOCAL);
    for (const ConditionCase& c : kCases) {
        EXPECT_EQ(MsiEvaluateConditionW(session.handle(), c.condition), c.result)
            << msitext::toUtf8(c.condition);
    }
}

TEST(MsiConditionTest, ABadHandleIsAnError) {
    EXPECT_EQ(MsiEvaluateConditionW(0, u"1"), MSICONDITION_ERROR);
}

} // namespace
