#pragma once

// A key of the current user's registry, open or not. Tarnwick keeps its
// bookkeeping of backups here.

#include <string>

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() { close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens a key below HKEY_CURRENT_USER, creating it (and the keys above
    // it) when asked; on failure the key stays closed.
    bool open(const std::u16string& subkey, bool create);
    void close();
    bool isOpen() const { return m_open; }

    // A text value (REG_SZ, or REG_EXPAND_SZ left unexpanded) without its
    // terminating NUL; false for a missing or empty value or another type.
    bool readString(const std::u16string& name, std::u16string& value) const;
    // Writes a REG_SZ value with its terminating NUL.
    bool writeString(const std::u16string& name, const std::u16string& value) const;
    // False when the key is closed or has no such value.
    bool deleteValue(const std::u16string& name) const;
    // 0 when the key is closed or missing.
    int valueCount() const;
    // Deletes a key below this one, with its values; unless evenWithValues,
    // a subkey that holds values is kept and the answer is still true. A
    // subkey that has keys below it is never deleted.
    bool deleteSubkey(const std::u16string& name, bool evenWithValues) const;

private:
    std::u16string m_path;
    bool m_open = false;
};
