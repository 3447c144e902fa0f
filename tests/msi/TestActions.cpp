// Custom actions for the tests of msihost: they schedule script actions,
// report what a script action sees, fail, and ask the user.

#include "Msi.h"

#include <string>
#include <vector>

#define TEST_ACTION extern "C" __attribute__((visibility("default"))) UINT

namespace {

std::u16string property(MSIHANDLE install, const char16_t* name) {
    char16_t buffer[1024];
    DWORD length = 1024;
    return MsiGetPropertyW(install, name, buffer, &length) == ERROR_SUCCESS ? std::u16string(buffer, length)
                                                                            : u"(failed)";
}

int message(MSIHANDLE install, std::uint32_t type, const std::u16string& text) {
    const MSIHANDLE record = MsiCreateRecord(1);
    MsiRecordSetStringW(record, 0, u"[1]");
    MsiRecordSetStringW(record, 1, text.c_str());
    const int answer = MsiProcessMessage(install, static_cast<INSTALLMESSAGE>(type), record);
    MsiCloseHandle(record);
    return answer;
}

} // namespace

// Schedules the actions named in TO_SCHEDULE (separated by ";"), each with
// the data "data of NAME".
TEST_ACTION Schedule(MSIHANDLE install) {
    const std::u16string list = property(install, u"TO_SCHEDULE");
    size_t start = 0;
    while (start < list.size()) {
        size_t end = list.find(u';', start);
        if (end == std::u16string::npos)
            end = list.size();
        const std::u16string name = list.substr(start, end - start);
        start = end + 1;
        MsiSetPropertyW(install, name.c_str(), (u"data of " + name).c_str());
        const UINT result = MsiDoActionW(install, name.c_str());
        MsiSetPropertyW(install, name.c_str(), u"");
        if (result != ERROR_SUCCESS)
            return ERROR_INSTALL_FAILURE;
    }
    return ERROR_SUCCESS;
}

// Tells what the action sees of the installation.
TEST_ACTION Echo(MSIHANDLE install) {
    const std::u16string data = property(install, u"CustomActionData");
    const std::u16string productCode = property(install, u"ProductCode");
    const std::u16string secret = property(install, u"SECRET");
    const MSIHANDLE database = MsiGetActiveDatabase(install);
    MsiCloseHandle(database);
    const bool set = MsiSetPropertyW(install, u"SECRET", u"changed") == ERROR_SUCCESS;
    message(install, INSTALLMESSAGE_INFO,
            u"Echo " + data + u"; ProductCode=" + productCode + u"; SECRET=" + secret + u"; database=" +
                (database ? u"yes" : u"no") + u"; set=" + (set ? u"yes" : u"no"));
    return ERROR_SUCCESS;
}

TEST_ACTION Fail(MSIHANDLE) {
    return ERROR_INSTALL_FAILURE;
}

// Asks whether to go on; Cancel ends the installation.
TEST_ACTION AskUser(MSIHANDLE install) {
    const int answer = message(install, INSTALLMESSAGE_ERROR | MB_OKCANCEL | MB_ICONWARNING, u"Go on?");
    return answer == IDCANCEL ? ERROR_INSTALL_USEREXIT : ERROR_SUCCESS;
}
