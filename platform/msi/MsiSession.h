#pragma once

// One installation run by the stand-in: the package, its properties (first
// those of its Property table), the states of its components, the messages
// to the user and the installation script. Actions are rows of the
// CustomAction table; a function of a library (base type 1) runs through
// the action runner that the host installs, and a set-property action (base
// type 51) gives the property named by its Source its Target, formatted, at
// once (an empty result removes the property). Immediate actions run when
// they are called; deferred, rollback and commit actions (type bits 0x400
// with 0x100 or 0x200) are written into the script with the value of the
// property bearing their name as their "CustomActionData". After the
// immediate actions, the script runs: the scheduled actions in order, each
// rollback action kept as it is met; a failing scheduled action ends the
// script and runs the rollback actions kept so far, last first; when every
// scheduled action succeeded, the commit actions run in order.

#include "Msi.h"
#include "MsiInstallContext.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class MsiPackage;
class MsiRecord;

class MsiSession {
public:
    using Mode = MsiInstallContext::Mode;

    struct CustomAction {
        std::u16string name;
        int type = 0;
        std::u16string source;
        std::u16string target; // the function's name, for a library action
    };
    struct ScriptEntry {
        CustomAction action;
        Mode mode = Mode::Scheduled;
        std::u16string customActionData;
    };
    struct ComponentState {
        int installed = INSTALLSTATE_ABSENT;
        int action = INSTALLSTATE_LOCAL;
    };
    // The state of the progress bar that progress messages drive.
    struct Progress {
        long long total = 0;
        long long position = 0;
        bool backward = false;
        long long ticksPerActionData = 0;
        bool actionDataMoves = false;
    };

    // Answers a message: its kind and style, the record and its text.
    using MessageHandler =
        std::function<int(std::uint32_t type, const MsiRecord& record, const std::u16string& text)>;
    // Runs a library action with the handle it is given.
    using ActionRunner = std::function<UINT(const CustomAction& action, MSIHANDLE install)>;
    // Receives every line of the log (UTF-8).
    using LogSink = std::function<void(const std::string& line)>;

    MsiSession();
    ~MsiSession();
    MsiSession(const MsiSession&) = delete;
    MsiSession& operator=(const MsiSession&) = delete;

    // Opens the package and takes its properties and components (installed
    // absent, to be installed locally). False with the reason in error.
    bool openPackage(const std::string& path, std::string& error);
    std::shared_ptr<MsiPackage> package() const { return m_package; }

    // The handle of the running installation, as immediate actions get it.
    MSIHANDLE handle() const { return m_handle; }

    std::u16string property(const std::u16string& name) const;
    // An empty value removes the property. Each change is logged.
    void setProperty(const std::u16string& name, const std::u16string& value);
    const std::map<std::u16string, std::u16string>& properties() const { return m_properties; }

    std::vector<std::u16string> components() const;
    void setComponentState(const std::u16string& component, int installed, int action);
    int installedState(const std::u16string& component) const;
    int actionState(const std::u16string& component) const;

    void setMessageHandler(MessageHandler handler) { m_messageHandler = std::move(handler); }
    void setActionRunner(ActionRunner runner) { m_actionRunner = std::move(runner); }
    void setLogSink(LogSink sink) { m_logSink = std::move(sink); }
    void log(const std::string& line) const;

    // The text of a message: its template, or for an error, warning or
    // user message without one the Error table's text of the number in
    // field 1, or else "1: [1] 2: [2] ...", formatted as the context sees it.
    std::u16string messageText(std::uint32_t type, const MsiRecord& record,
                               const MsiValueSource* source) const;
    // Logs the message, moves the progress bar and answers it (the
    // handler's answer; without a handler a box gives its default button
    // and any other message 0).
    int processMessage(std::uint32_t type, const MsiRecord& record, const MsiValueSource* source);
    static int defaultAnswer(std::uint32_t type);
    const Progress& progress() const { return m_progress; }

    std::optional<CustomAction> customAction(const std::u16string& name) const;
    // Runs an immediate action or writes a script action into the script.
    // ERROR_FUNCTION_NOT_CALLED for an action that the package lacks or of
    // a kind the stand-in does not run.
    UINT doAction(const std::u16string& name);
    const std::vector<ScriptEntry>& script() const { return m_script; }

    // Runs the actions of a sequence table in the order of their numbers
    // (numbers below 1 are left out) when their conditions hold, then the
    // script. The result is the installation's: 0, ERROR_INSTALL_USEREXIT or
    // ERROR_INSTALL_FAILURE.
    UINT runSequence(const std::u16string& table);
    UINT runScript();

private:
    static constexpr int kBaseTypeMask = 0x3F;

    void setPropertyAction(const CustomAction& action);
    UINT runAction(const CustomAction& action, Mode mode, const std::u16string& customActionData);
    static bool succeeded(UINT result) {
        return result == ERROR_SUCCESS || result == ERROR_FUNCTION_NOT_CALLED ||
               result == ERROR_NO_MORE_ITEMS;
    }

    std::shared_ptr<MsiPackage> m_package;
    std::map<std::u16string, std::u16string> m_properties;
    std::map<std::u16string, ComponentState> m_components;
    std::vector<ScriptEntry> m_script;
    Progress m_progress;
    MessageHandler m_messageHandler;
    ActionRunner m_actionRunner;
    LogSink m_logSink;
    MSIHANDLE m_handle = 0;
};
