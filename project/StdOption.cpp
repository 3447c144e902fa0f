#include "StdOption.h"

#include "AppProfile.h"
#include "PrivateProfile.h"
#include "Project.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* kSection = "STD_OPTION";

} // namespace

namespace settings {

CString readKey(const char* section, const char* key) {
    const Project* project = Project::getInstance();
    return project ? readKey(project->getSettingsFile(), section, key) : CString();
}

CString readKey(const CString& file, const char* section, const char* key) {
    CString value;
    const DWORD n = GetPrivateProfileStringA(section, key, "", value.GetBuffer(999), 999, file);
    value.ReleaseBuffer(static_cast<int>(n));
    return value;
}

void writeKey(const char* section, const char* key, const CString& value) {
    // A write the platform refuses is lost without a message; the next read
    // returns what the file holds.
    if (const Project* project = Project::getInstance())
        WritePrivateProfileStringA(section, key, value, project->getSettingsFile());
}

bool boolFromText(const CString& text) { return text == "yes"; }

const char* textFromBool(bool value) { return value ? "yes" : "false"; }

int leadingNumber(const CString& text) {
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    long long value = 0;
    while (std::isdigit(static_cast<unsigned char>(*p))) {
        value = value * 10 + (*p++ - '0');
        if (value > 2147483648LL)
            value = 2147483648LL;
    }
    value = negative ? -value : value;
    if (value > 2147483647LL)
        value = 2147483647LL;
    return static_cast<int>(value);
}

CString decimal(int value) {
    CString text;
    text.Format("%d", value);
    return text;
}

} // namespace settings

StdOption& StdOption::instance() {
    static StdOption option;
    return option;
}

bool StdOption::getBool(const char* key) const { return settings::boolFromText(getText(key)); }

void StdOption::setBool(const char* key, bool value) const { setText(key, settings::textFromBool(value)); }

CString StdOption::getText(const char* key) const { return settings::readKey(kSection, key); }

void StdOption::setText(const char* key, const CString& value) const { settings::writeKey(kSection, key, value); }

int StdOption::getInt(const char* key, int defaultValue, int lowest, int highest) const {
    const int value = settings::leadingNumber(getText(key));
    return value == 0 ? defaultValue : std::clamp(value, lowest, highest);
}

void StdOption::setInt(const char* key, int value) const { setText(key, settings::decimal(value)); }

CString StdOption::getHeightText() const { return settings::decimal(getHeight()); }

CString StdOption::getWidthText() const { return settings::decimal(getWidth()); }

CString StdOption::getTreeviewFontSizeText() const { return settings::decimal(getTreeviewFontSize()); }

int StdOption::getTipsActivated() const { return AppProfile::GetProfileInt("Parameters", "TipsActivated", 1); }

void StdOption::setTipsActivated(int value) const { AppProfile::WriteProfileInt("Parameters", "TipsActivated", value); }
