#include "MenuTreeRecord.h"

#include "Item.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

std::vector<CString> splitFields(const CString& line) {
    std::vector<CString> fields;
    const char* text = line;
    const int length = line.GetLength();
    int start = 0;
    for (int i = 0; i <= length; ++i) {
        if (i < length && text[i] != '*')
            continue;
        if (i > start)
            fields.push_back(line.Mid(start, i - start));
        start = i + 1;
    }
    return fields;
}

// Every character counts as a digit, as the original accumulated them.
int levelOf(const CString& field) {
    long long value = 0;
    for (int i = 0; i < field.GetLength(); ++i) {
        value = value * 10 + (field[i] - '0');
        if (value > INT_MAX || value < INT_MIN)
            return value > 0 ? INT_MAX : INT_MIN;
    }
    return static_cast<int>(value);
}

// The reader skips empty pieces, so empty fields are written as a single
// blank to keep the later fields in place; a blank reads back as empty.
CString fieldOrBlank(const CString& value) {
    return value.IsEmpty() ? CString(" ") : value;
}
CString blankAsEmpty(const CString& field) {
    return field == " " ? CString() : field;
}

// Where each field lies in a record line, counted from 1 (the level); 0
// for a field that the format does not have.
struct Layout {
    size_t uid, name, url, target, icon, openIcon, visible, frame, nameL2, referencedUid;
};
constexpr Layout kLayout{2, 3, 4, 5, 6, 7, 9, 10, 11, 12};
// The tree files of version 0.13: level, name, url, target, icon, open icon.
constexpr Layout kLayout013{0, 2, 3, 4, 5, 6, 0, 0, 0, 0};

bool readRecord(const CString& line, const Layout& layout, MenuTreeRecord& record) {
    CString text = line;
    text.TrimLeft();
    if (text.IsEmpty() || text[0] < '0' || text[0] > '9')
        return false;
    const std::vector<CString> f = splitFields(text);
    auto field = [&f](size_t n) { return n >= 1 && n <= f.size() ? f[n - 1] : CString(); };
    record = MenuTreeRecord();
    record.level = levelOf(field(1));
    record.uid = blankAsEmpty(field(layout.uid));
    record.name = MenuTreeRecord::unescapeName(blankAsEmpty(field(layout.name)));
    const CString url = field(layout.url);
    record.url = (url == "empty" || url == " ") ? CString() : url;
    record.blankTarget = field(layout.target) == "_blank";
    record.icon = blankAsEmpty(field(layout.icon));
    record.openIcon = blankAsEmpty(field(layout.openIcon));
    record.visible = field(layout.visible) != "false";
    record.frame = layout.frame != 0 && field(layout.frame) != "false";
    record.nameL2 = MenuTreeRecord::unescapeName(blankAsEmpty(field(layout.nameL2)));
    record.referencedUid = blankAsEmpty(field(layout.referencedUid));
    record.hasReferencedField = f.size() >= layout.referencedUid;
    return true;
}

} // namespace

bool MenuTreeRecord::parse(const CString& line, MenuTreeRecord& record) {
    return readRecord(line, kLayout, record);
}

bool MenuTreeRecord::isWhole(const CString& line) {
    constexpr int kFieldsOfEveryRecord = 10;
    const char* text = line;
    const int length = line.GetLength();
    if (length == 0 || text[length - 1] != '*')
        return false;
    // Fields as the reader counts them: runs between separators, empty ones aside.
    int fields = 0;
    for (int i = 0; i < length; ++i)
        if (text[i] == '*' && i > 0 && text[i - 1] != '*')
            ++fields;
    return fields >= kFieldsOfEveryRecord;
}

bool MenuTreeRecord::parse013(const CString& line, MenuTreeRecord& record) {
    return readRecord(line, kLayout013, record);
}

int MenuTreeRecord::placedLevel(int level, int previousLevel) {
    return std::clamp(level, 0, std::min(previousLevel + 1, kMaxLevel));
}

MenuTreeRecord MenuTreeRecord::fromItem(const Item& item) {
    MenuTreeRecord record;
    record.level = item.getLevel();
    record.uid = item.getUid();
    record.name = item.getName();
    record.url = item.getUrl();
    record.blankTarget = item.isBlankTarget();
    record.icon = item.getIcon();
    record.openIcon = item.getOpenIcon();
    record.visible = item.isVisible();
    record.frame = item.isFrame();
    record.nameL2 = item.getNameL2();
    return record;
}

CString MenuTreeRecord::format() const {
    CString line;
    line.Format("%d", level);
    line += "*" + fieldOrBlank(uid) + "*" + fieldOrBlank(escapeName(name)) + "*" +
            (url.IsEmpty() ? CString("empty") : url) + "*";
    line += blankTarget ? "_blank" : " ";
    line += "*" + fieldOrBlank(icon) + "*" + fieldOrBlank(openIcon) + "*f*";
    line += visible ? "true*" : "false*";
    line += frame ? "true*" : "false*";
    line += fieldOrBlank(escapeName(nameL2)) + "*";
    if (hasReferencedField)
        line += fieldOrBlank(referencedUid) + "*";
    return line;
}

CString MenuTreeRecord::escapeName(const CString& name) {
    CString text = name;
    text.Replace(",", "\\comma");
    text.Replace("*", "\\star");
    return text;
}

CString MenuTreeRecord::unescapeName(const CString& text) {
    CString name = text;
    name.Replace("\\comma", ",");
    name.Replace("\\star", "*");
    return name;
}
