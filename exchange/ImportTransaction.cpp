#include "ImportTransaction.h"

#include "FileSystem.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"

bool ImportTransaction::keep(ProcessItem* item, const std::vector<CString>& fileNames) {
    if (!m_kept.insert(item).second)
        return true;
    m_items.push_back(item);
    std::vector<CString> paths{item->getDataFilePath()};
    for (const CString& name : fileNames)
        paths.push_back(item->getItemFolderFile(name));
    for (const CString& path : paths) {
        if (path.IsEmpty())
            continue;
        std::string bytes;
        if (!platform::fileExists(path))
            m_files.emplace_back(path, std::nullopt);
        else if (platform::readFileBytes(path, bytes))
            m_files.emplace_back(path, std::move(bytes));
        else
            return false;
    }
    return true;
}

bool ImportTransaction::rollBack() {
    bool restored = true;
    for (const auto& [path, bytes] : m_files) {
        if (bytes)
            restored = platform::writeFileReplacing(path, *bytes) && restored;
        else if (platform::fileExists(path))
            restored = platform::deleteTree(path) && restored;
    }
    // What the items hold comes from their files again.
    platform::clearProfileCache();
    for (ProcessItem* item : m_items)
        item->load(1);
    return restored;
}
