// Labels of generated pages: "trad.ini" in the folder "tolvane", section
// TRAD, keys suffixed "_" + language code, each read at most once per opened
// project.

#include "PrivateProfile.h"
#include "Project.h"

namespace {

CString readLabel(const CString& file, const CString& key) {
    char buffer[999];
    const DWORD n = GetPrivateProfileStringA("TRAD", key, "", buffer, sizeof buffer, file);
    return CString(buffer, static_cast<int>(n));
}

} // namespace

CString Project::getLabel(int secondLanguage, const CString& key) {
    return translateLabel(secondLanguage ? m_generationLanguage2 : m_generationLanguage, key);
}

CString Project::translateLabel(const CString& language, const CString& key) {
    CString fullKey = language.IsEmpty() ? key : key + "_" + language;
    const auto cached = m_labelCache.find(fullKey);
    if (cached != m_labelCache.end())
        return cached->second;
    const CString file = m_projectFolder + "tolvane" + "/trad.ini";
    CString label = readLabel(file, fullKey);
    // Only a project whose first language is not English falls back to the
    // plain key, whatever language was asked for.
    if (label.IsEmpty() && !m_generationLanguage.IsEmpty() && m_generationLanguage != "EN") {
        fullKey = key;
        label = readLabel(file, fullKey);
    }
    m_labelCache[fullKey] = label;
    return label;
}
