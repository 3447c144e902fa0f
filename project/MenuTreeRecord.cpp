#include "MenuTreeRecord.h"

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

} // namespace

bool MenuTreeRecord::parse(const CString& line, MenuTreeRecord& record) {
    CString text = line;
    text.TrimLeft();
    if (text.IsEmpty() || text[0] < '0' || text[0] > '9')
        return false;
    const std::vector<CString> f = splitFields(text);
    auto field = [&f](size_t n) { return n <= f.size() ? f[n - 1] : CString(); };
    record = MenuTreeRecord();
    record.level = levelOf(field(1));
    record.uid = blankAsEmpty(field(2));
    record.name = unescapeName(blankAsEmpty(field(3)));
    const CString url = field(4);
    record.url = (url == "empty" || url == " ") ? CString() : url;
    record.blankTarget = field(5) == "_blank";
    record.icon = blankAsEmpty(field(6));
    record.openIcon = blankAsEmpty(field(7));
    record.visible = field(9) != "false";
    record.frame = field(10) != "false";
    record.nameL2 = unescapeName(blankAsEmpty(field(11)));
    record.referencedUid = blankAsEmpty(field(12));
    record.hasReferencedField = f.size() >= 12;
    return true;
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
