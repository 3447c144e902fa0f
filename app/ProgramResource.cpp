#include "ProgramResource.h"

#include "FileSystem.h"

#include <cstddef>
#include <cstring>

// Made at build time from the program's data (data/Tips.tip).
extern const char kTipsResource[];
extern const std::size_t kTipsResourceSize;

std::string_view findProgramResource(UINT id, const char* type) {
    if (id == kTipsResourceId && type && CString(type).CompareNoCase(kTipsResourceType) == 0)
        return std::string_view(kTipsResource, kTipsResourceSize);
    return std::string_view();
}

DWORD writeResourceToFile(UINT id, const char* type, const char* fileName, const char* folder,
                          BOOL overwrite) {
    if (id == 0 || !fileName || !*fileName || !type || !*type)
        return 0;
    CString path = fileName;
    if (folder && *folder) {
        CString base = folder;
        base.TrimRight(' ');
        if (base.Right(1) != "\\" && base.Right(1) != "/")
            base += "\\";
        path = base + fileName;
    }
    if (!overwrite && platform::pathExists(path))
        return 0;
    const std::string_view bytes = findProgramResource(id, type);
    if (bytes.empty() || !platform::writeFileReplacing(path, bytes))
        return 0;
    return static_cast<DWORD>(bytes.size());
}
