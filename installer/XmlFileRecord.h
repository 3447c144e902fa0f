#pragma once

// One row of FW_XmlFile: a target file, where it lies, its root element
// record and how a new one is written (declaration, encoding, indentation).

#include "XmlEncoding.h"

#include <cstdint>
#include <string>
#include <string_view>

class XmlTableElementRecord;
class XmlUpdateModel;

struct XmlFileRecord {
    std::u16string key;
    std::u16string fileName;
    std::u16string directory; // ends with a separator, as the installer's folders do
    std::u16string rootKey;
    std::int32_t flags = 0;
    std::u16string version;
    std::u16string encoding;
    std::int32_t indentUnits = 0;
    std::u16string backupFileName;
    // The element record whose key is rootKey; null when there is none.
    XmlTableElementRecord* root = nullptr;

    // directory followed directly by fileName.
    std::u16string fullPath() const { return directory + fileName; }
    bool exists() const { return pathExists(fullPath()); }
    // count indentation levels: each is indentUnits tabs (flag 0x04) or
    // spaces.
    std::u16string indentation(int count) const;
    // A tab (flag 0x04) or a space.
    std::u16string_view indentCharacter() const;

    // Writes the missing file whole from the root record down, creating
    // its folders; an encoding outside the table fails (4114) before
    // anything is made.
    void writeNewDocument(XmlUpdateModel& model, int mode) const;
    // The text of record with its subtree, indented for its depth, every
    // line ended by CR LF, for insertion into the existing file whose
    // encoding is given; every record written is marked done.
    std::u16string renderElement(XmlUpdateModel& model, XmlTableElementRecord& record, int mode,
                                 const XmlEncoding& target) const;

    // The text after the first "|" (the long name of "short|long"), or the whole text.
    static std::u16string fileNamePart(const std::u16string& text);
    // False for an empty or relative path; otherwise whether it exists.
    static bool pathExists(const std::u16string& path);
    // The text without one of ".-%^~&_" at its end (atEnd) or start.
    static std::u16string trimSeparator(const std::u16string& text, bool atEnd);
};
