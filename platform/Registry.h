#pragma once

// Registry keys of the current user, kept as folders below
// "<registry folder>/HKEY_CURRENT_USER": one folder per key, named after it
// ("/" and "%" written as %2F and %25, a leading "." as %2E), and the
// values of a key in its file "%values", which no key name can take. Key
// and value names compare ignoring case, as in the registry; a key keeps
// the letter case it was created with. Key paths use "\" between names.
// Every change of values replaces the values file whole.

#include "WinTypes.h"

#include <string>
#include <string_view>

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;

class Registry {
public:
    // Creates the key and every missing key above it.
    static bool createKey(std::u16string_view path);
    static bool keyExists(std::u16string_view path);
    // A value's type and data bytes; false when the key or the value is missing.
    static bool queryValue(std::u16string_view path, std::u16string_view name, DWORD& type,
                           std::string& data);
    // False when the key is missing or the values cannot be written.
    static bool setValue(std::u16string_view path, std::u16string_view name, DWORD type,
                         std::string_view data);
    // False when the key or the value is missing or the values cannot be written.
    static bool deleteValue(std::u16string_view path, std::u16string_view name);
    // The number of values; -1 when the key is missing.
    static int valueCount(std::u16string_view path);
    // Deletes a key with its values; refused for a missing key and for a key
    // that has keys below it.
    static bool deleteKey(std::u16string_view path);
};
