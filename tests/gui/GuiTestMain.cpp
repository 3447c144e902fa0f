// Test entry of the GUI suites: starts wxWidgets without a main loop on the
// display the test runner gives (a private Xvfb), turns wx asserts into test
// failures and sends wx logs to standard error, since an assert dialog or a
// log window would hang a headless run. Listing the tests needs no display.

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

namespace {

class TestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

void failOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "wx assert in " << func.utf8_str().data() << ": " << cond.utf8_str().data() << " "
        << msg.utf8_str().data();
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();

    std::string registry = (std::filesystem::temp_directory_path() / "tolvane-registry-XXXXXX").string();
    if (!mkdtemp(registry.data()))
        return 2;
    setenv("TOLVANE_REGISTRY_DIR", registry.c_str(), 1);

    wxApp::SetInstance(new TestApp);
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv)) {
        std::fprintf(stderr, "wxWidgets could not start (is DISPLAY set?)\n");
        return 2;
    }
    wxSetAssertHandler(failOnAssert);
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxInitAllImageHandlers();
    wxTheApp->CallOnInit();

    const int result = RUN_ALL_TESTS();

    wxTheApp->OnExit();
    wxEntryCleanup();
    std::error_code ec;
    std::filesystem::remove_all(registry, ec);
    return result;
}
