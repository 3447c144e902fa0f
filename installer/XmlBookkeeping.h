#pragma once

// What the runs of one product (or one merge module of it) remember of the
// target files, under HKEY_CURRENT_USER "Software\Dulvarn\Fernwise\XML
// Config\" + the key name: one text value per target file, named by the
// file's full path, listing entries joined by "|". An entry is the full path
// of a backup of the file, or "*": the file did not exist and an
// installation created it.
//
// The entries that the runs of an installation add are also kept under the
// name "Pending|" + the file's path until the installation is rolled back
// or committed ("|" never occurs in a path of the installer's folders);
// two runs of one action in one installation add to one list. Rollback
// and commit so work on the installation's entries only: a repair that
// fails puts back only what it changed, from its own first backup, and
// leaves alone the files and the entries of the installation before it.
//
// Every call fails silently: a key or value that cannot be opened, read or
// written is skipped.

#include <string>
#include <vector>

class XmlBookkeeping {
public:
    static constexpr char16_t kCreated[] = u"*";

    explicit XmlBookkeeping(std::u16string keyName);

    const std::u16string& keyPath() const { return m_keyPath; }

    // Appends an entry for the file, to its value and to the installation's entries.
    void recordEntry(const std::u16string& entry, const std::u16string& path) const;
    // The entry that tells how the file came: "*" for a file that an
    // installation created and no later run backed up, else its first
    // backup; empty when nothing is recorded.
    std::u16string lookupEntry(const std::u16string& path) const;
    // The entries that the runs of this installation added for the file, in order.
    std::vector<std::u16string> runEntries(const std::u16string& path) const;
    // Removes the last occurrence of the entry from the file's value; a
    // value left without entries is deleted.
    void removeEntry(const std::u16string& entry, const std::u16string& path) const;
    // Ends the installation's hold on the file: its entries become part of
    // the record like those of earlier installations.
    void forgetRun(const std::u16string& path) const;

    // Deletes the key with its values, then "XML Config" when no other key
    // is left in it, and the maker's keys above it when they hold nothing.
    void deleteBookkeepingKey() const;
    // The same, only when the key holds no value any more.
    void deleteKeyWhenEmpty() const;

private:
    static std::u16string runValueName(const std::u16string& path) { return u"Pending|" + path; }
    std::vector<std::u16string> entries(const std::u16string& valueName) const;
    void writeEntries(const std::u16string& valueName, const std::vector<std::u16string>& entries) const;
    void appendEntry(const std::u16string& valueName, const std::u16string& entry) const;

    std::u16string m_keyName;
    std::u16string m_keyPath;
};
