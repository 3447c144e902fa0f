#include "CustomActions.h"

#include "ActionDataPacker.h"
#include "ModuleIdScope.h"
#include "MsiDatabase.h"
#include "TableDescriptor.h"
#include "Wow64FsRedirectionGuard.h"
#include "XmlFlags.h"
#include "XmlLocatorManager.h"
#include "XmlManager.h"
#include "XmlUpdateDataReader.h"

#include <initializer_list>

namespace {

// No error may cross into the installer; only a failed allocation gets
// past the handlers of the files, and it counts as a failure.
template <class Action> UINT guarded(Action&& action) {
    try {
        return action();
    } catch (...) {
        return ERROR_INSTALL_FAILURE;
    }
}

// Packs the update data and schedules the actions that receive it: each
// action gets the data through the property that bears its name, emptied
// again once the action is in the script.
UINT schedule(MSIHANDLE install, ActionDataPacker::Mode mode, std::initializer_list<const char16_t*> names) {
    ModuleIdScope scope(install);
    MsiDatabase database(install);
    const std::u16string data = ActionDataPacker::packUpdateData(database, install, mode, &scope);
    for (const char16_t* base : names) {
        const std::u16string name = scope.actionName(base);
        if (MsiSetPropertyW(install, name.c_str(), data.c_str()) != ERROR_SUCCESS ||
            MsiDoActionW(install, name.c_str()) != ERROR_SUCCESS ||
            MsiSetPropertyW(install, name.c_str(), u"") != ERROR_SUCCESS)
            return ERROR_INSTALL_FAILURE;
    }
    return ERROR_SUCCESS;
}

// Runs a deferred, rollback or commit action on the data it was scheduled with.
template <class Work> UINT runScheduled(MSIHANDLE install, Work&& work) {
    Wow64FsRedirectionGuard guard;
    XmlUpdateDataReader data(install);
    data.unpack();
    XmlManager manager(install);
    manager.load(data);
    return work(manager);
}

// Rolls the run back or commits it; failures are ignored.
void finishRun(MSIHANDLE install, void (XmlManager::*step)()) {
    guarded([&] {
        return runScheduled(install, [step](XmlManager& manager) {
            (manager.*step)();
            return ERROR_SUCCESS;
        });
    });
}

} // namespace

TARNWICK_EXPORT UINT OnXmlInstall(MSIHANDLE install) {
    return guarded([&] {
        return schedule(install, ActionDataPacker::Mode::Install,
                        {u"FW_XmlRollback", u"FW_XmlCommit", u"FW_XmlConfig"});
    });
}

TARNWICK_EXPORT UINT OnXmlUninstall(MSIHANDLE install) {
    return guarded([&] { return schedule(install, ActionDataPacker::Mode::Uninstall, {u"FW_XmlRemove"}); });
}

TARNWICK_EXPORT UINT OnXmlConfig(MSIHANDLE install) {
    return guarded([&] {
        return runScheduled(install, [](XmlManager& manager) { return manager.run(xmlflags::kModeInstall); });
    });
}

TARNWICK_EXPORT UINT OnXmlRemove(MSIHANDLE install) {
    guarded([&] {
        return runScheduled(install,
                            [](XmlManager& manager) { return manager.run(xmlflags::kModeUninstall); });
    });
    return ERROR_SUCCESS;
}

TARNWICK_EXPORT UINT OnXmlRollback(MSIHANDLE install) {
    finishRun(install, &XmlManager::rollback);
    return ERROR_SUCCESS;
}

TARNWICK_EXPORT UINT OnXmlCommit(MSIHANDLE install) {
    finishRun(install, &XmlManager::commit);
    return ERROR_SUCCESS;
}

TARNWICK_EXPORT UINT OnXmlLocator(MSIHANDLE install) {
    guarded([&] {
        Wow64FsRedirectionGuard guard;
        MsiDatabase database(install);
        XmlUpdateDataReader data(ActionDataPacker::packTables(
            database, install, TableDescriptor::locatorTables(), ActionDataPacker::Mode::Uninstall, nullptr));
        data.unpack();
        XmlLocatorManager manager(install);
        manager.load(data);
        return manager.run();
    });
    return ERROR_SUCCESS;
}

TARNWICK_EXPORT UINT TestXmlUpdateDataReader(MSIHANDLE install) {
    guarded([&] {
        Wow64FsRedirectionGuard guard;
        MsiDatabase database(install);
        const std::u16string data =
            ActionDataPacker::packUpdateData(database, install, ActionDataPacker::Mode::Install, nullptr);
        MsiSetPropertyW(install, u"CustomActionData", data.c_str());
        return ERROR_SUCCESS;
    });
    return ERROR_SUCCESS;
}
