#include "MsiSession.h"

#include "MsiCondition.h"
#include "MsiFormatter.h"
#include "MsiPackage.h"
#include "MsiRecord.h"
#include "MsiText.h"
#include "UserInterface.h"

#include <algorithm>
#include <cstdio>
#include <glib.h>

namespace {

const char* kindName(std::uint32_t type) {
    static const char* const kNames[] = {"FATALEXIT",   "ERROR",      "WARNING",       "USER",
                                         "INFO",        "FILESINUSE", "RESOLVESOURCE", "OUTOFDISKSPACE",
                                         "ACTIONSTART", "ACTIONDATA", "PROGRESS",      "COMMONDATA"};
    const std::uint32_t kind = (type & INSTALLMESSAGE_TYPEMASK) >> 24;
    return kind < std::size(kNames) ? kNames[kind] : "UNKNOWN";
}

// Messages that the user answers in a message box.
bool isBox(std::uint32_t type) {
    switch (type & INSTALLMESSAGE_TYPEMASK) {
    case INSTALLMESSAGE_FATALEXIT:
    case INSTALLMESSAGE_ERROR:
    case INSTALLMESSAGE_WARNING:
    case INSTALLMESSAGE_USER:
    case INSTALLMESSAGE_FILESINUSE:
    case INSTALLMESSAGE_RESOLVESOURCE:
    case INSTALLMESSAGE_OUTOFDISKSPACE:
        return true;
    default:
        return false;
    }
}

// Messages whose number in field 1 names a row of the Error table.
bool takesErrorText(std::uint32_t type) {
    switch (type & INSTALLMESSAGE_TYPEMASK) {
    case INSTALLMESSAGE_FATALEXIT:
    case INSTALLMESSAGE_ERROR:
    case INSTALLMESSAGE_WARNING:
    case INSTALLMESSAGE_USER:
    case INSTALLMESSAGE_INFO:
    case INSTALLMESSAGE_OUTOFDISKSPACE:
        return true;
    default:
        return false;
    }
}

std::string number(long long value) {
    return std::to_string(value);
}

// The session whose log takes the warnings of the package library (a
// missing table, for one): the last one made.
MsiSession* g_logging = nullptr;

void libraryMessage(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer data) {
    if (g_logging) {
        std::string text = message ? message : "";
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        g_logging->log("Package library: " + text);
    } else
        g_log_default_handler(domain, level, message, data);
}

} // namespace

MsiSession::MsiSession() {
    static const bool routed = (g_log_set_default_handler(libraryMessage, nullptr), true);
    (void)routed;
    g_logging = this;
    m_handle = MsiHandles::add(std::make_shared<MsiInstallContext>(*this, Mode::Immediate));
}

MsiSession::~MsiSession() {
    if (g_logging == this)
        g_logging = nullptr;
    MsiHandles::close(m_handle);
}

bool MsiSession::openPackage(const std::string& path, std::string& error) {
    m_package = MsiPackage::open(path, error);
    if (!m_package)
        return false;
    for (const auto& row : m_package->select(u"SELECT `Property`, `Value` FROM `Property`"))
        m_properties[row->string(1).value_or(u"")] = row->string(2).value_or(u"");
    for (const auto& row : m_package->select(u"SELECT `Component` FROM `Component`"))
        m_components[row->string(1).value_or(u"")] = ComponentState{};
    log("Package opened: " + path);
    return true;
}

std::u16string MsiSession::property(const std::u16string& name) const {
    const auto it = m_properties.find(name);
    return it == m_properties.end() ? std::u16string() : it->second;
}

void MsiSession::setProperty(const std::u16string& name, const std::u16string& value) {
    if (name.empty())
        return;
    if (value.empty()) {
        if (m_properties.erase(name))
            log("Property removed: " + msitext::forLog(name));
        return;
    }
    m_properties[name] = value;
    log("Property set: " + msitext::forLog(name) + " = '" + msitext::forLog(value) + "'");
}

std::vector<std::u16string> MsiSession::components() const {
    std::vector<std::u16string> names;
    for (const auto& [name, state] : m_components)
        names.push_back(name);
    return names;
}

void MsiSession::setComponentState(const std::u16string& component, int installed, int action) {
    m_components[component] = ComponentState{installed, action};
}

int MsiSession::installedState(const std::u16string& component) const {
    const auto it = m_components.find(component);
    return it == m_components.end() ? INSTALLSTATE_UNKNOWN : it->second.installed;
}

int MsiSession::actionState(const std::u16string& component) const {
    const auto it = m_components.find(component);
    return it == m_components.end() ? INSTALLSTATE_UNKNOWN : it->second.action;
}

void MsiSession::log(const std::string& line) const {
    if (m_logSink)
        m_logSink(line);
}

std::u16string MsiSession::messageText(std::uint32_t type, const MsiRecord& record,
                                       const MsiValueSource* source) const {
    MsiRecord message = record;
    if (record.isNull(0)) {
        std::u16string templ;
        const int code = record.integer(1);
        if (m_package && takesErrorText(type) && code != MSI_NULL_INTEGER) {
            const auto rows = m_package->select(u"SELECT `Message` FROM `Error` WHERE `Error` = " +
                                                msitext::fromUtf8(number(code)));
            if (!rows.empty())
                templ = rows.front()->string(1).value_or(u"");
        }
        message.setString(0, templ.empty() ? MsiFormatter::defaultTemplate(record) : templ);
    }
    return MsiFormatter::format(message, source);
}

int MsiSession::defaultAnswer(std::uint32_t type) {
    return isBox(type) ? UserInterface::defaultAnswer(type & ~INSTALLMESSAGE_TYPEMASK) : 0;
}

int MsiSession::processMessage(std::uint32_t type, const MsiRecord& record, const MsiValueSource* source) {
    const std::u16string text = messageText(type, record, source);
    const std::uint32_t kind = type & INSTALLMESSAGE_TYPEMASK;
    bool moved = false;
    if (kind == INSTALLMESSAGE_PROGRESS) {
        const int field2 = record.integer(2) == MSI_NULL_INTEGER ? 0 : record.integer(2);
        switch (record.integer(1)) {
        case 0: // reset: total, direction
            m_progress.total = field2;
            m_progress.backward = record.integer(3) == 1;
            m_progress.position = m_progress.backward ? m_progress.total : 0;
            break;
        case 1: // ticks that each action data message moves
            m_progress.ticksPerActionData = field2;
            m_progress.actionDataMoves = record.integer(3) == 1;
            break;
        case 2:
            m_progress.position += m_progress.backward ? -field2 : field2;
            break;
        case 3:
            m_progress.total += field2;
            break;
        default:
            break;
        }
        moved = true;
    } else if (kind == INSTALLMESSAGE_ACTIONDATA && m_progress.actionDataMoves) {
        m_progress.position +=
            m_progress.backward ? -m_progress.ticksPerActionData : m_progress.ticksPerActionData;
        moved = true;
    }
    const int answer = m_messageHandler ? m_messageHandler(type, record, text) : defaultAnswer(type);
    char style[16];
    std::snprintf(style, sizeof style, "0x%08X", static_cast<unsigned>(type));
    log(std::string("Message ") + kindName(type) + " [" + style + "]: " + msitext::forLog(text) + " -> " +
        number(answer));
    if (moved)
        log("Progress: " + number(m_progress.position) + " of " + number(m_progress.total));
    return answer;
}

std::optional<MsiSession::CustomAction> MsiSession::customAction(const std::u16string& name) const {
    if (!m_package || name.find(u'\'') != std::u16string::npos)
        return std::nullopt;
    const auto rows =
        m_package->select(u"SELECT `Action`, `Type`, `Source`, `Target` FROM `CustomAction` WHERE "
                          u"`Action` = '" +
                          name + u"'");
    if (rows.empty())
        return std::nullopt;
    const MsiRecord& row = *rows.front();
    return CustomAction{row.string(1).value_or(u""), row.integer(2), row.string(3).value_or(u""),
                        row.string(4).value_or(u"")};
}

UINT MsiSession::doAction(const std::u16string& name) {
    const auto action = customAction(name);
    if (!action) {
        log("Action not found: " + msitext::forLog(name));
        return ERROR_FUNCTION_NOT_CALLED;
    }
    if ((action->type & kBaseTypeMask) == (msidbCustomActionTypeTextData | msidbCustomActionTypeProperty)) {
        setPropertyAction(*action);
        return ERROR_SUCCESS;
    }
    if (!(action->type & msidbCustomActionTypeInScript))
        return runAction(*action, Mode::Immediate, {});
    const Mode mode = (action->type & msidbCustomActionTypeRollback) ? Mode::Rollback
                      : (action->type & msidbCustomActionTypeCommit) ? Mode::Commit
                                                                     : Mode::Scheduled;
    m_script.push_back({*action, mode, property(name)});
    log(std::string("Action scheduled: ") + msitext::forLog(name) + " (" + MsiInstallContext::modeName(mode) +
        ")");
    return ERROR_SUCCESS;
}

void MsiSession::setPropertyAction(const CustomAction& action) {
    const std::string name = msitext::forLog(action.name);
    log("Action start: " + name + " (immediate)");
    MsiRecord record(0);
    record.setString(0, action.target);
    const MsiInstallContext immediate(*this, Mode::Immediate);
    setProperty(action.source, MsiFormatter::format(record, &immediate));
    log("Action ended: " + name + ", result 0");
}

UINT MsiSession::runAction(const CustomAction& action, Mode mode, const std::u16string& customActionData) {
    const std::string name = msitext::forLog(action.name);
    log("Action start: " + name + " (" + MsiInstallContext::modeName(mode) + ")");
    UINT result = ERROR_FUNCTION_NOT_CALLED;
    if ((action.type & kBaseTypeMask) != msidbCustomActionTypeDll || !m_actionRunner) {
        log("Action not run: " + name + " is of type " + number(action.type));
    } else if (mode == Mode::Immediate) {
        result = m_actionRunner(action, m_handle);
    } else {
        const MSIHANDLE handle =
            MsiHandles::add(std::make_shared<MsiInstallContext>(*this, mode, customActionData));
        result = m_actionRunner(action, handle);
        MsiHandles::close(handle);
    }
    log("Action ended: " + name + ", result " + number(result));
    return (action.type & msidbCustomActionTypeContinue) ? ERROR_SUCCESS : result;
}

UINT MsiSession::runScript() {
    std::vector<const ScriptEntry*> rollback;
    std::vector<const ScriptEntry*> commit;
    const std::vector<ScriptEntry> script = m_script;
    for (const ScriptEntry& entry : script) {
        if (entry.mode == Mode::Rollback) {
            rollback.push_back(&entry);
            continue;
        }
        if (entry.mode == Mode::Commit) {
            commit.push_back(&entry);
            continue;
        }
        const UINT result = runAction(entry.action, entry.mode, entry.customActionData);
        if (!succeeded(result)) {
            log("Script failed: rolling back");
            for (auto it = rollback.rbegin(); it != rollback.rend(); ++it)
                runAction((*it)->action, Mode::Rollback, (*it)->customActionData);
            return result == ERROR_INSTALL_USEREXIT ? ERROR_INSTALL_USEREXIT : ERROR_INSTALL_FAILURE;
        }
    }
    for (const ScriptEntry* entry : commit)
        runAction(entry->action, Mode::Commit, entry->customActionData);
    return ERROR_SUCCESS;
}

UINT MsiSession::runSequence(const std::u16string& table) {
    struct Step {
        int sequence;
        std::u16string action;
        std::u16string condition;
    };
    std::vector<Step> steps;
    if (m_package) {
        for (const auto& row :
             m_package->select(u"SELECT `Action`, `Condition`, `Sequence` FROM `" + table + u"`")) {
            const int sequence = row->integer(3);
            if (sequence != MSI_NULL_INTEGER && sequence > 0)
                steps.push_back({sequence, row->string(1).value_or(u""), row->string(2).value_or(u"")});
        }
    }
    std::stable_sort(steps.begin(), steps.end(),
                     [](const Step& a, const Step& b) { return a.sequence < b.sequence; });
    const MsiInstallContext immediate(*this, Mode::Immediate);
    for (const Step& step : steps) {
        const std::string name = msitext::forLog(step.action);
        const MSICONDITION condition = MsiCondition::evaluate(step.condition, immediate);
        if (condition == MSICONDITION_ERROR) {
            log("Condition of " + name + " cannot be evaluated: " + msitext::forLog(step.condition));
            return ERROR_INSTALL_FAILURE;
        }
        if (condition == MSICONDITION_FALSE) {
            log("Action skipped: " + name + " (condition false)");
            continue;
        }
        if (!customAction(step.action)) {
            log("Action skipped: " + name + " (not a custom action)");
            continue;
        }
        const UINT result = doAction(step.action);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (!succeeded(result))
            return result == ERROR_INSTALL_USEREXIT ? ERROR_INSTALL_USEREXIT : ERROR_INSTALL_FAILURE;
    }
    return runScript();
}
