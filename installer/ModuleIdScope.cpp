#include "ModuleIdScope.h"

#include "InstallerCalls.h"
#include "Text.h"

namespace {

const char16_t* const kModuleIdProperty = u"FW_XML_MODULE_ID";

bool isHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// The form of a class id in braces: 8-4-4-4-12 hexadecimal digits.
bool isGuid(const std::u16string& text) {
    if (text.size() != 38 || text.front() != u'{' || text.back() != u'}')
        return false;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
        if (dash ? text[i] != u'-' : !isHexDigit(text[i]))
            return false;
    }
    return true;
}

} // namespace

ModuleIdScope::ModuleIdScope(MSIHANDLE install)
    : m_install(install), m_moduleId(installer::getProperty(install, u"CustomActionData")) {
    if (m_moduleId.size() != kIdLength)
        m_moduleId.clear();
    MsiSetPropertyW(m_install, kModuleIdProperty, m_moduleId.c_str());
}

ModuleIdScope::~ModuleIdScope() {
    MsiSetPropertyW(m_install, kModuleIdProperty, u"");
}

std::u16string ModuleIdScope::actionName(const std::u16string& base) const {
    if (base.empty() || m_moduleId.empty() || text::endsWith(base, m_moduleId, true))
        return base;
    return base + u"." + m_moduleId;
}

int ModuleIdScope::filterRow(const std::u16string& table, MSIHANDLE, const Row& row, int conditionResult) {
    if (table != u"FW_XmlFile" || conditionResult != MSICONDITION_TRUE)
        return conditionResult;
    const auto found = row.find(u"XmlFile");
    const std::u16string key = found == row.end() ? std::u16string() : found->second;
    if (!m_moduleId.empty())
        return text::endsWith(key, m_moduleId, true) ? conditionResult : MSICONDITION_FALSE;
    return hasModuleSuffix(key) ? MSICONDITION_FALSE : conditionResult;
}

bool ModuleIdScope::hasModuleSuffix(const std::u16string& key) {
    const size_t dot = key.rfind(u'.');
    if (key.size() < kIdLength + 2 || dot == std::u16string::npos || key.size() - dot - 1 != kIdLength)
        return false;
    return isGuid(u"{" + text::replaceAll(key.substr(dot + 1), u"_", u"-") + u"}");
}
