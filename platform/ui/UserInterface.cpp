#include "UserInterface.h"

#include <cstdio>
#include <mutex>

namespace {

class StderrUserInterface : public UserInterface {
public:
    int messageBox(const CString& text, const CString& caption, UINT style) override {
        std::fprintf(stderr, "[%s] %s\n", caption.GetString(), text.GetString());
        return defaultAnswer(style);
    }
    void beginWaitCursor() override {}
    void endWaitCursor() override {}
    void setProgressRange(int, int) override {}
    void setProgressPos(int) override {}
};

StderrUserInterface g_default;
UserInterface* g_current = &g_default;
// Held by every change of the implementation and by every message posted
// from another thread, so that a post never reaches one that is going away.
std::mutex g_installing;

} // namespace

int UserInterface::buttonCount(UINT style) {
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_YESNO:
    case MB_RETRYCANCEL: return 2;
    case MB_ABORTRETRYIGNORE:
    case MB_YESNOCANCEL: return 3;
    default: return 1;
    }
}

int UserInterface::buttonAnswer(UINT style, int index) {
    static const int kButtons[6][3] = {
        {IDOK, IDOK, IDOK},         {IDOK, IDCANCEL, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE},
        {IDYES, IDNO, IDCANCEL},    {IDYES, IDNO, IDNO},        {IDRETRY, IDCANCEL, IDCANCEL},
    };
    const UINT type = style & MB_TYPEMASK;
    const int row = type < 6 ? static_cast<int>(type) : 0;
    if (index < 0 || index >= buttonCount(style))
        index = 0;
    return kButtons[row][index];
}

int UserInterface::defaultAnswer(UINT style) {
    const int index = static_cast<int>((style & MB_DEFMASK) >> 8);
    return buttonAnswer(style, index < buttonCount(style) ? index : 0);
}

namespace ui {

void install(UserInterface* ui) {
    const std::lock_guard<std::mutex> lock(g_installing);
    g_current = ui ? ui : &g_default;
}

UserInterface& current() { return *g_current; }

int AfxMessageBox(const CString& text, UINT style) { return g_current->messageBox(text, kApplicationTitle, style); }

int MessageBox(const CString& text, const CString& caption, UINT style) {
    return g_current->messageBox(text, caption, style);
}

void postMessageBox(const CString& text, UINT style) {
    const std::lock_guard<std::mutex> lock(g_installing);
    g_current->postMessageBox(text, kApplicationTitle, style);
}

void setProgressRange(int lower, int upper) { g_current->setProgressRange(lower, upper); }

void setProgressPos(int position) { g_current->setProgressPos(position); }

} // namespace ui
