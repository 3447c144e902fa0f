#include "CustomActions.h"

#include "ActionDataPacker.h"
#include "MsiDatabase.h"
#include "Wow64FsRedirectionGuard.h"

TARNWICK_EXPORT UINT TestXmlUpdateDataReader(MSIHANDLE install) {
    try {
        Wow64FsRedirectionGuard guard;
        MsiDatabase database(install);
        const std::u16string data =
            ActionDataPacker::packUpdateData(database, install, ActionDataPacker::Mode::Install, nullptr);
        MsiSetPropertyW(install, u"CustomActionData", data.c_str());
        return ERROR_SUCCESS;
    } catch (...) {
        // Only a failed allocation gets here; no error may cross into the installer.
        return ERROR_INSTALL_FAILURE;
    }
}
