#include "PageText.h"

#include "FileSystem.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

#include <string>
#include <string_view>

CString upPrefix(int steps) {
    CString prefix;
    for (int i = 0; i < steps; ++i)
        prefix += "../";
    return prefix;
}

void reportUnknownFailure(const CString& operation) {
    CString message;
    message.Format(loadString(33042), operation.GetString());
    ui::AfxMessageBox(message);
}

CString relativeLink(const CString& fromFolder, const CString& to) {
    CString from = fromFolder;
    CString target = to;
    from.Replace('/', '\\');
    target.Replace('/', '\\');
    CString link = relativePath(from, FILE_ATTRIBUTE_DIRECTORY, target, FILE_ATTRIBUTE_NORMAL);
    link.Replace('\\', '/');
    return link;
}

bool readPageTextLines(const CString& path, std::vector<CString>& lines) {
    lines.clear();
    std::string bytes;
    if (path.IsEmpty() || !platform::readFileBytes(path, bytes))
        return false;
    for (size_t position = 0;;) {
        size_t end = bytes.find('\n', position);
        const bool last = end == std::string::npos;
        if (last)
            end = bytes.size();
        std::string_view line(bytes.data() + position, end - position);
        if (!last && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(std::string(line));
        if (last)
            return true;
        position = end + 1;
    }
}
