#pragma once

// One record of the menu-tree file (and of the item exchange files): a line
// of fields, each followed by '*'. The reader splits at '*' and skips empty
// pieces, so empty fields are written as markers (a blank, or "empty" for
// the url) to keep the later fields in place.

#include "CString.h"

class Item;

class MenuTreeRecord {
public:
    // The deepest level a record can have: the reader keeps a parent for
    // each level from 0 to this one.
    static constexpr int kMaxLevel = 99;

    int level = 0;
    CString uid;
    CString name;
    CString url;
    int blankTarget = 0;
    CString icon;
    CString openIcon;
    int visible = 1;
    int frame = 0;
    CString nameL2;
    CString referencedUid;
    // Whether the record has its twelfth field (a shortcut without target
    // and without referenced uid ends after the eleventh).
    bool hasReferencedField = true;

    // False when the line is no record (empty, or not starting with a digit
    // after leading blanks).
    static bool parse(const CString& line, MenuTreeRecord& record);
    // Whether a record line is whole: every record the program writes ends
    // with the separator of its last field and has at least the ten fields
    // up to the frame flag. A record cut short (a file cut while it was
    // written, or truncated since) lacks one or the other.
    static bool isWhole(const CString& line);
    // The same for a record of the tree files of version 0.13: level, name,
    // url, target, icon and open icon; no uid, no flags, no second name.
    static bool parse013(const CString& line, MenuTreeRecord& record);
    // The level a record of that level takes after a record of previousLevel
    // (-1 for the first): at most one deeper, and never beyond kMaxLevel, so
    // that it always has a parent of its own.
    static int placedLevel(int level, int previousLevel);
    // The record of an item: its fields up to the second-language name;
    // the referenced uid, which the tree file and the exchange files fill
    // each their own way, is left empty.
    static MenuTreeRecord fromItem(const Item& item);
    // The record's line, without line break.
    CString format() const;

    // "," becomes "\comma", then "*" becomes "\star"; and back.
    static CString escapeName(const CString& name);
    static CString unescapeName(const CString& text);
};
