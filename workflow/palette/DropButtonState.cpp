#include "DropButtonState.h"

void DropButtonState::opened(bool created) {
    m_popupOpen = created;
    if (!created)
        m_dropped = false;
}

DropButtonState::Outcome DropButtonState::preview(DWORD value) {
    const DWORD old = m_value;
    if (m_popupOpen)
        m_value = value;
    Outcome outcome;
    outcome.notices.push_back({DropButtonNotice::Selected, value});
    addChanged(outcome, old);
    return outcome;
}

DropButtonState::Outcome DropButtonState::choice(DWORD value) {
    return close(value, DropButtonNotice::Selected);
}

DropButtonState::Outcome DropButtonState::cancelled(DWORD value) {
    return close(value, DropButtonNotice::Cancel);
}

DropButtonState::Outcome DropButtonState::closed(DWORD value) {
    return close(value, std::nullopt);
}

DropButtonState::Outcome DropButtonState::customEnded(std::optional<DWORD> chosen) {
    const DWORD old = m_value;
    if (chosen)
        m_value = *chosen;
    Outcome outcome;
    outcome.closePopup = m_popupOpen;
    m_popupOpen = false;
    m_dropped = false;
    outcome.notices.push_back({chosen ? DropButtonNotice::Selected : DropButtonNotice::Cancel, m_value});
    addChanged(outcome, old);
    return outcome;
}

DropButtonState::Outcome DropButtonState::close(DWORD value, std::optional<DropButtonNotice::Kind> notice) {
    const DWORD old = m_value;
    Outcome outcome;
    m_dropped = false;
    if (m_popupOpen) {
        m_value = value;
        m_popupOpen = false;
        outcome.closePopup = true;
    }
    if (notice)
        outcome.notices.push_back({*notice, value});
    addChanged(outcome, old);
    return outcome;
}

void DropButtonState::addChanged(Outcome& outcome, DWORD old) const {
    if (m_value != old)
        outcome.notices.push_back({DropButtonNotice::Changed, m_value});
}
