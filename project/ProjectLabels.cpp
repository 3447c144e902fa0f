// Labels of generated pages: "trad.ini" in the folder "tolvane", section
// TRAD, keys suffixed "_" + language code, each read at most once per opened
// project.

#include "Project.h"
#include "StdOption.h"

CString Project::getLabel(int secondLanguage, const CString& key) {
    return translateLabel(secondLanguage ? m_generationLanguage2 : m_generationLanguage, key);
}

CString Project::translateLabel(const CString& language, const CString& key) {
    CString fullKey = language.IsEmpty() ? key : key + "_" + language;
    const auto cached = m_labelCache.find(fullKey);
    if (cached != m_labelCache.end())
        return cached->second;
    const CString file = m_projectFolder + "tolvane" + "/trad.ini";
    CString label = settings::readKey(file, "TRAD", fullKey);
    // Only a project whose first language is not English falls back to the
    // plain key, whatever language was asked for.
    if (label.IsEmpty() && !m_generationLanguage.IsEmpty() && m_generationLanguage != "EN") {
        fullKey = key;
        label = settings::readKey(file, "TRAD", fullKey);
    }
    m_labelCache[fullKey] = label;
    return label;
}
