#include "MsiHost.h"

#include "MsiSession.h"
#include "MsiText.h"

#include <cstdio>
#include <dlfcn.h>

namespace {

const char* const kKinds[] = {"fatalexit",   "error",      "warning",       "user",
                              "info",        "filesinuse", "resolvesource", "outofdiskspace",
                              "actionstart", "actiondata", "progress",      "commondata"};

const std::map<std::string, int> kAnswers = {
    {"none", 0},        {"ok", IDOK},         {"cancel", IDCANCEL}, {"abort", IDABORT},
    {"retry", IDRETRY}, {"ignore", IDIGNORE}, {"yes", IDYES},       {"no", IDNO},
};

bool parseInteger(const std::string& text, int& value) {
    const auto number = msitext::toInteger(msitext::fromUtf8(text));
    if (number)
        value = *number;
    return number.has_value();
}

bool parseAnswer(const std::string& text, std::map<std::uint32_t, int>& answers) {
    const size_t equals = text.find('=');
    if (equals == std::string::npos)
        return false;
    const std::string kind = text.substr(0, equals);
    const std::string answer = text.substr(equals + 1);
    for (std::uint32_t k = 0; k < std::size(kKinds); ++k) {
        if (kind != kKinds[k])
            continue;
        int value = 0;
        const auto named = kAnswers.find(answer);
        if (named != kAnswers.end())
            value = named->second;
        else if (!parseInteger(answer, value))
            return false;
        answers[k << 24] = value;
        return true;
    }
    return false;
}

void printLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

MsiHost::~MsiHost() {
    if (m_module)
        dlclose(m_module);
}

bool MsiHost::parse(const std::vector<std::string>& arguments, std::string& error) {
    std::vector<std::string> positional;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--answer" || argument == "--component") {
            if (i + 1 == arguments.size()) {
                error = argument + " needs a value";
                return false;
            }
            const std::string value = arguments[++i];
            if (argument == "--answer") {
                if (!parseAnswer(value, m_answers)) {
                    error = "bad answer: " + value;
                    return false;
                }
                continue;
            }
            const size_t equals = value.find('=');
            const size_t comma = value.find(',', equals == std::string::npos ? 0 : equals);
            ComponentState state{};
            if (equals == std::string::npos || comma == std::string::npos ||
                !parseInteger(value.substr(equals + 1, comma - equals - 1), state.installed) ||
                !parseInteger(value.substr(comma + 1), state.action)) {
                error = "bad component state: " + value;
                return false;
            }
            state.name = msitext::fromUtf8(value.substr(0, equals));
            m_components.push_back(state);
        } else if (positional.size() >= 2 && argument.find('=') != std::string::npos) {
            const size_t equals = argument.find('=');
            m_properties.emplace_back(msitext::fromUtf8(argument.substr(0, equals)),
                                      msitext::fromUtf8(argument.substr(equals + 1)));
        } else if (positional.size() < 2 && !argument.starts_with("--")) {
            positional.push_back(argument);
        } else {
            error = "unexpected argument: " + argument;
            return false;
        }
    }
    if (positional.size() != 2) {
        error = "usage: msihost [--answer KIND=ANSWER]... [--component NAME=INSTALLED,ACTION]... PACKAGE "
                "LIBRARY [PROPERTY=VALUE]...";
        return false;
    }
    m_package = positional[0];
    m_library = positional[1];
    return true;
}

MsiHost::Status MsiHost::run() {
    MsiSession session;
    session.setLogSink(printLine);

    m_module = dlopen(m_library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_module) {
        const char* reason = dlerror();
        printLine("Cannot load the library " + m_library + ": " + (reason ? reason : ""));
        return kCannotOpen;
    }
    std::string error;
    if (!session.openPackage(m_package, error)) {
        printLine("Cannot open the package " + m_package + ": " + error);
        return kCannotOpen;
    }

    for (const auto& [name, value] : m_properties)
        session.setProperty(name, value);
    const bool removing = session.property(u"REMOVE") == u"ALL";
    for (const std::u16string& component : session.components()) {
        if (removing)
            session.setComponentState(component, INSTALLSTATE_LOCAL, INSTALLSTATE_ABSENT);
    }
    for (const ComponentState& state : m_components)
        session.setComponentState(state.name, state.installed, state.action);

    session.setMessageHandler([this](std::uint32_t type, const MsiRecord&, const std::u16string&) {
        const auto answer = m_answers.find(type & INSTALLMESSAGE_TYPEMASK);
        return answer != m_answers.end() ? answer->second : MsiSession::defaultAnswer(type);
    });
    session.setActionRunner(
        [this, &session](const MsiSession::CustomAction& action, MSIHANDLE install) -> UINT {
            const std::string entry = msitext::toUtf8(action.target);
            const auto function = reinterpret_cast<CustomActionEntry>(dlsym(m_module, entry.c_str()));
            if (!function) {
                session.log("Entry point not found: " + entry);
                return ERROR_INSTALL_FAILURE;
            }
            return function(install);
        });

    const UINT result = session.runSequence(u"InstallExecuteSequence");
    printLine("Installation result: " + std::to_string(result));
    if (result == ERROR_SUCCESS)
        return kSucceeded;
    return result == ERROR_INSTALL_USEREXIT ? kCancelled : kFailed;
}
