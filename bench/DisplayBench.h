#pragma once

// For the benchmarks that need a display (windows, the browser): the toolkit
// started as the program starts it, without a window of its own, around the
// benchmark's steps. Run them under scripts/with-xvfb.

#include <cstdio>
#include <wx/app.h>
#include <wx/init.h>

// Runs the steps with the toolkit started; 2, with a message naming the
// benchmark, when there is no display.
template <typename Steps> int runOnDisplay(char* program, const char* name, Steps steps) {
    class BenchApp : public wxApp {
    public:
        bool OnInit() override { return true; }
    };
    wxApp::SetInstance(new BenchApp);
    int argc = 1;
    char* argv[] = {program, nullptr};
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "%s needs a display: run it under scripts/with-xvfb\n", name);
        return 2;
    }
    wxTheApp->CallOnInit();
    steps();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
