#include "MsiInstallContext.h"

#include "MsiSession.h"

std::u16string MsiInstallContext::property(const std::u16string& name) const {
    if (isImmediate())
        return m_session.property(name);
    if (name == u"CustomActionData")
        return m_customActionData;
    if (name == u"ProductCode")
        return m_session.property(name);
    return {};
}

int MsiInstallContext::installedState(const std::u16string& component) const {
    return isImmediate() ? m_session.installedState(component) : INSTALLSTATE_UNKNOWN;
}

int MsiInstallContext::actionState(const std::u16string& component) const {
    return isImmediate() ? m_session.actionState(component) : INSTALLSTATE_UNKNOWN;
}

const char* MsiInstallContext::modeName(Mode mode) {
    switch (mode) {
    case Mode::Scheduled:
        return "scheduled";
    case Mode::Rollback:
        return "rollback";
    case Mode::Commit:
        return "commit";
    default:
        return "immediate";
    }
}
