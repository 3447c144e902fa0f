#include "ProcessOption.h"

namespace {

constexpr const char* kSection = "PROCESS_OPTION";
constexpr const char* kKeyActivityProcedureInSeparatedPage = "ActivityProcedureInSeparatedPage";

} // namespace

ProcessOption& ProcessOption::instance() {
    static ProcessOption option;
    return option;
}

bool ProcessOption::getBool(const char* key) const { return settings::boolFromText(getText(key)); }

void ProcessOption::setBool(const char* key, bool value) const { setText(key, settings::textFromBool(value)); }

CString ProcessOption::getText(const char* key) const { return settings::readKey(kSection, key); }

void ProcessOption::setText(const char* key, const CString& value) const {
    settings::writeKey(kSection, key, value);
}

bool ProcessOption::getPopup(const char* key, int index) const {
    return m_popupSet[index] ? m_popupValue[index] : getBool(key);
}

void ProcessOption::setPopup(const char* key, int index, bool value) {
    setBool(key, value);
    m_popupSet[index] = true;
    m_popupValue[index] = value;
}

CString ProcessOption::getOrder(const char* key, const char* defaultDigit) const {
    const CString value = getText(key);
    return value.IsEmpty() ? CString(defaultDigit) : value;
}

int ProcessOption::getActivityProcedureInSeparatedPage() const {
    const CString value = getText(kKeyActivityProcedureInSeparatedPage);
    if (value == "no")
        return 0;
    if (value == "yes")
        return 1;
    return 2;
}

void ProcessOption::setActivityProcedureInSeparatedPage(int value) const {
    static const char* const kTexts[] = {"no", "yes", "ask"};
    if (value >= 0 && value <= 2)
        setText(kKeyActivityProcedureInSeparatedPage, kTexts[value]);
}

void ProcessOption::resetPopupCache() {
    for (int i = 0; i < kPopupKeys; ++i)
        m_popupSet[i] = m_popupValue[i] = false;
}
