#include "DiskLinks.h"

#include "FileSystem.h"

namespace {

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

} // namespace

DiskLinks::DiskLinks(const CString& folder) : m_absolute(!folder.IsEmpty() && isSeparator(folder[0])) {
    int start = 0;
    for (int i = 0; i <= folder.GetLength(); ++i) {
        if (i < folder.GetLength() && !isSeparator(folder[i]))
            continue;
        const CString name = folder.Mid(start, i - start);
        if (name == "..") {
            if (!m_folder.empty() && m_folder.back() != "..")
                m_folder.pop_back();
            else if (!m_absolute)
                m_folder.push_back(name);
        } else if (!name.IsEmpty() && name != ".") {
            m_folder.push_back(name);
        }
        start = i + 1;
    }
}

CString DiskLinks::get(const CString& link) {
    const auto known = m_known.find(link);
    if (known != m_known.end())
        return known->second;
    const CString spelled = resolve(link);
    m_known.emplace(link, spelled);
    return spelled;
}

CString DiskLinks::resolve(const CString& link) const {
    if (link.IsEmpty() || isSeparator(link[0]) || link.Find(':') >= 0)
        return link;
    const int suffixStart = link.FindOneOf("#?");
    const CString path = suffixStart < 0 ? link : link.Left(suffixStart);

    // The leading "." and ".." steps climb from the folder; the names after
    // them are the target's, which a later ".." would make another path.
    size_t up = 0;
    int namesStart = 0;
    bool inNames = false;
    for (int start = 0, i = 0; i <= path.GetLength(); ++i) {
        if (i < path.GetLength() && !isSeparator(path[i]))
            continue;
        const CString step = path.Mid(start, i - start);
        if (step == "..") {
            if (inNames)
                return link;
            ++up;
        } else if (!inNames && step != ".") {
            inNames = true;
            namesStart = start;
        }
        start = i + 1;
    }
    if (!inNames || up > m_folder.size())
        return link;

    CString target = m_absolute ? "/" : "";
    for (size_t n = 0; n + up < m_folder.size(); ++n)
        target += m_folder[n] + "/";
    CString names = path.Mid(namesStart);
    names.Replace('\\', '/');
    target += names;

    const CString onDisk = platform::fromDiskName(platform::diskPath(target.str()));
    // The same text: the target exists as written, or nothing like it does.
    // A name in another case is only taken when the whole target is there.
    if (onDisk == target || onDisk.GetLength() != target.GetLength() || !platform::pathExists(onDisk))
        return link;
    CString spelled = path;
    const CString diskNames = onDisk.Right(names.GetLength());
    for (int i = 0; i < diskNames.GetLength(); ++i)
        if (!isSeparator(path[namesStart + i]))
            spelled.SetAt(namesStart + i, diskNames[i]);
    return spelled + link.Mid(path.GetLength());
}
