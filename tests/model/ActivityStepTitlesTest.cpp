// Step titles as the steps page reads them: their level, made of the
// second character after "#", and one line for a title typed on several.

#include "ActivityStepsDialogMgt.h"

#include <gtest/gtest.h>

namespace {

struct LevelCase {
    const char* title;
    int level;
};

TEST(ActivityStepTitlesTest, LevelIsTheDigitAfterTheHashOfALongerTitle) {
    const LevelCase cases[] = {
        {"Write the code", 0}, {"#1 Review", 1}, {"#2C a comment", 2}, {"#1", 0}, {"#10 steps", 1},
        {"#0O optional", 0},   {"", 0},          {"1# late hash", 0},
    };
    for (const LevelCase& c : cases)
        EXPECT_EQ(ActivityStepsDialogMgt::stepLevel(c.title), c.level) << c.title;
}

TEST(ActivityStepTitlesTest, LineBreaksBecomeSpaces) {
    EXPECT_EQ(ActivityStepsDialogMgt::removeLineBreaks("Write\r\nthe\ncode\r"), "Write  the code ");
    EXPECT_EQ(ActivityStepsDialogMgt::removeLineBreaks("one line"), "one line");
}

} // namespace
