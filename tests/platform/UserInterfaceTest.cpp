#include "RecordingUserInterface.h"

#include <gtest/gtest.h>

namespace {

TEST(UserInterfaceTest, DefaultButtonOfEachStyle) {
    struct {
        UINT style;
        int answer;
    } cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_YESNO | MB_DEFBUTTON3, IDYES}, // no third button: the first
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
        {MB_RETRYCANCEL, IDRETRY},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UserInterface::defaultAnswer(c.style), c.answer) << std::hex << c.style;
}

TEST(UserInterfaceTest, RecorderKeepsMessagesAndAnswersFromItsQueue) {
    RecordingUserInterface recorder;
    recorder.answers = {IDNO};
    EXPECT_EQ(ui::AfxMessageBox("Delete?", MB_YESNO), IDNO);
    EXPECT_EQ(ui::AfxMessageBox("Again?", MB_YESNO | MB_DEFBUTTON2), IDNO); // queue empty: default
    EXPECT_EQ(ui::MessageBox("Saved", "Caption"), IDOK);
    ASSERT_EQ(recorder.messages.size(), 3u);
    EXPECT_EQ(recorder.messages[0].text, "Delete?");
    EXPECT_EQ(recorder.messages[0].caption, "Tolvane");
    EXPECT_EQ(recorder.messages[2].caption, "Caption");
    {
        ui::WaitCursor wait;
        EXPECT_EQ(recorder.waitCursorDepth, 1);
        ui::setProgressRange(0, 10);
        ui::setProgressPos(3);
    }
    EXPECT_EQ(recorder.waitCursorDepth, 0);
    EXPECT_EQ(recorder.progressRanges.front(), std::make_pair(0, 10));
    EXPECT_EQ(recorder.progressPositions, std::vector<int>{3});
}

TEST(UserInterfaceTest, WithoutAnImplementationMessagesGoToStandardError) {
    testing::internal::CaptureStderr();
    const int answer = ui::AfxMessageBox("Error saving tree structure", MB_OKCANCEL | MB_DEFBUTTON2);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_NE(err.find("Error saving tree structure"), std::string::npos);
}

} // namespace
