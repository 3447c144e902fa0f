#pragma once

// What the bits of the Flags columns decide, and the two modes of a run.
//
// FW_XmlElement.Flags: 0x01 the row is a comment; 0x02 uninstall removes
// the matches; 0x04 install inserts when nothing matches; 0x08 alone the
// first match only, 0x10 alone every match, both at install a new element
// although matches exist (at uninstall the first match only); neither
// leaves matches alone at install and takes every match at uninstall.
//
// FW_XmlAttribute.Flags: 0x01 key attribute (used to match); 0x02
// add-when-missing, 0x04 remove-when-present, both add-or-overwrite; 0x08
// takes part in the install pass, 0x10 in the uninstall pass (and is then
// never used to match).
//
// FW_XmlFile.Flags read by the writer: 0x01 standalone="yes", 0x04 indent
// with tabs.

#include <cstdint>

namespace xmlflags {

constexpr int kModeInstall = 1;
constexpr int kModeUninstall = 2;

constexpr std::int32_t kElementComment = 0x01;
constexpr std::int32_t kElementRemove = 0x02;
constexpr std::int32_t kElementInsertMissing = 0x04;
constexpr std::int32_t kElementFirst = 0x08;
constexpr std::int32_t kElementAll = 0x10;

constexpr std::int32_t kAttributeKey = 0x01;
constexpr std::int32_t kAttributeInstallPass = 0x08;
constexpr std::int32_t kAttributeUninstallPass = 0x10;

constexpr std::int32_t kFileStandalone = 0x01;
constexpr std::int32_t kFileIndentWithTabs = 0x04;

enum AttributeOperation {
    kNoOperation = -1,
    kAddWhenMissing = 0,
    kRemoveWhenPresent = 1,
    kAddOrOverwrite = 2
};

inline bool isMatchBoth(std::int32_t flags) {
    return (flags & kElementFirst) && (flags & kElementAll);
}
inline bool isMatchFirst(std::int32_t flags) {
    return (flags & kElementFirst) && !(flags & kElementAll);
}
inline bool isMatchAll(std::int32_t flags) {
    return (flags & kElementAll) && !(flags & kElementFirst);
}
inline bool isMatchUpdate(std::int32_t flags) {
    return isMatchFirst(flags) || isMatchAll(flags);
}

inline int attributeOperation(std::int32_t flags) {
    const bool add = flags & 0x02;
    const bool remove = flags & 0x04;
    if (add && remove)
        return kAddOrOverwrite;
    if (add)
        return kAddWhenMissing;
    if (remove)
        return kRemoveWhenPresent;
    return kNoOperation;
}

// Bit 0 for the install pass, bit 1 for the uninstall pass.
inline int attributePasses(std::int32_t flags) {
    return ((flags & kAttributeInstallPass) ? 1 : 0) | ((flags & kAttributeUninstallPass) ? 2 : 0);
}
inline bool takesPartIn(std::int32_t flags, int mode) {
    return (attributePasses(flags) & mode) == mode;
}

} // namespace xmlflags
