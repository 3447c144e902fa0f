#include "InstallerMessages.h"

#include "MsiHandle.h"

namespace messages {

void report(const Exception& error, MSIHANDLE install) {
    if (install == 0)
        return;
    if (error.number() != 0) {
        const auto& arguments = error.arguments();
        MsiHandle record(MsiCreateRecord(static_cast<UINT>(arguments.size() + 1)));
        MsiRecordSetInteger(record.get(), 1, error.number());
        for (size_t i = 0; i < arguments.size(); ++i)
            MsiRecordSetStringW(record.get(), static_cast<UINT>(i + 2), arguments[i].c_str());
        MsiProcessMessage(install, static_cast<INSTALLMESSAGE>(INSTALLMESSAGE_ERROR | MB_ICONERROR),
                          record.get());
        return;
    }
    MsiHandle record(MsiCreateRecord(2));
    MsiRecordSetStringW(record.get(), 0, u"[1]");
    MsiRecordSetStringW(record.get(), 1, error.text().c_str());
    MsiProcessMessage(install, static_cast<INSTALLMESSAGE>(INSTALLMESSAGE_WARNING | MB_ICONWARNING),
                      record.get());
}

UINT sendActionData(MSIHANDLE install, const std::u16string& text) {
    MsiHandle record(MsiCreateRecord(1));
    if (record.get() == 0 || MsiRecordSetStringW(record.get(), 1, text.c_str()) != ERROR_SUCCESS)
        return ERROR_INSTALL_FAILURE;
    const int answer = MsiProcessMessage(install, INSTALLMESSAGE_ACTIONDATA, record.get());
    return answer == IDCANCEL || answer == IDABORT ? ERROR_INSTALL_USEREXIT : ERROR_SUCCESS;
}

} // namespace messages
