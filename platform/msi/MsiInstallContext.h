#pragma once

// What an installation handle stands for: the session, and whether the
// action that holds it runs immediately or from the script (scheduled,
// rollback or commit), with the data the script keeps for it. A script
// action sees only "CustomActionData", "ProductCode" and "UserSID" among
// the properties and has no database, as under the real installer.

#include "MsiHandles.h"
#include "MsiValueSource.h"

#include <string>

class MsiSession;

class MsiInstallContext : public MsiObject, public MsiValueSource {
public:
    enum class Mode { Immediate, Scheduled, Rollback, Commit };

    MsiInstallContext(MsiSession& session, Mode mode, std::u16string customActionData = {})
        : m_session(session), m_mode(mode), m_customActionData(std::move(customActionData)) {}

    MsiSession& session() const { return m_session; }
    Mode mode() const { return m_mode; }
    bool isImmediate() const { return m_mode == Mode::Immediate; }

    std::u16string property(const std::u16string& name) const override;
    int installedState(const std::u16string& component) const override;
    int actionState(const std::u16string& component) const override;

    static const char* modeName(Mode mode);

private:
    MsiSession& m_session;
    Mode m_mode;
    std::u16string m_customActionData;
};
