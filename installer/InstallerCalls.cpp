#include "InstallerCalls.h"

#include "MsiHandle.h"

#include <vector>

namespace installer {

namespace {

// Calls read(buffer, length) once with an empty buffer and, when the value
// does not fit, again with room for length + 1 characters.
template <class Read> std::u16string readWhole(Read&& read) {
    char16_t empty[1] = {0};
    DWORD length = 0;
    UINT result = read(empty, &length);
    if (result != ERROR_MORE_DATA) // even an empty value needs room for its NUL
        return {};
    std::vector<char16_t> buffer(static_cast<size_t>(length) + 1);
    length = static_cast<DWORD>(buffer.size());
    result = read(buffer.data(), &length);
    if (result != ERROR_SUCCESS)
        return {};
    return std::u16string(buffer.data(), length);
}

} // namespace

std::u16string getProperty(MSIHANDLE install, const std::u16string& name) {
    return readWhole([&](char16_t* buffer, DWORD* length) {
        return MsiGetPropertyW(install, name.c_str(), buffer, length);
    });
}

std::u16string formatText(MSIHANDLE install, const std::u16string& text) {
    if (text.empty())
        return {};
    MsiHandle record(MsiCreateRecord(1));
    if (record.get() == 0 || MsiRecordSetStringW(record.get(), 0, text.c_str()) != ERROR_SUCCESS)
        return {};
    return readWhole([&](char16_t* buffer, DWORD* length) {
        return MsiFormatRecordW(install, record.get(), buffer, length);
    });
}

std::u16string recordString(MSIHANDLE record, UINT field) {
    return readWhole(
        [&](char16_t* buffer, DWORD* length) { return MsiRecordGetStringW(record, field, buffer, length); });
}

} // namespace installer
