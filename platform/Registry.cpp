#include "Registry.h"

#include "AppProfile.h"
#include "AtomicFileWriter.h"
#include "Encoding.h"
#include "FileSystem.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kValuesFile = "%values";

struct Value {
    std::u16string name;
    DWORD type = REG_NONE;
    std::string data;
};

std::u16string folded(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out) {
        if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
            c = static_cast<char16_t>(c - 0x20);
    }
    return out;
}

std::string folderName(std::u16string_view key) {
    std::string out;
    const std::string name = encoding::utf16ToUtf8(key);
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '/')
            out += "%2F";
        else if (name[i] == '%')
            out += "%25";
        else if (name[i] == '.' && i == 0)
            out += "%2E";
        else
            out += name[i];
    }
    return out;
}

// The byte of two hexadecimal digits at pos; -1 when they are not.
int hexByte(std::string_view text, size_t pos) {
    if (pos + 1 >= text.size())
        return -1;
    const int high = encoding::hexDigit(text[pos]);
    const int low = encoding::hexDigit(text[pos + 1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

std::u16string keyName(const std::string& folder) {
    std::string out;
    for (size_t i = 0; i < folder.size(); ++i) {
        if (const int byte = folder[i] == '%' ? hexByte(folder, i + 1) : -1; byte >= 0) {
            out += static_cast<char>(byte);
            i += 2;
        } else {
            out += folder[i];
        }
    }
    return encoding::utf8ToUtf16(out);
}

std::vector<std::u16string> keyNames(std::u16string_view path) {
    std::vector<std::u16string> names;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t end = std::min(path.find(u'\\', start), path.size());
        if (end > start)
            names.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

// The folder of a key: each name matched to an existing folder ignoring
// case; none when a key is missing, unless create makes it.
std::optional<fs::path> keyFolder(std::u16string_view path, bool create) {
    fs::path folder = fs::path(AppProfile::registryDiskFolder()) / "HKEY_CURRENT_USER";
    std::error_code ec;
    if (create)
        fs::create_directories(folder, ec);
    for (const std::u16string& name : keyNames(path)) {
        std::optional<fs::path> found;
        const std::u16string wanted = folded(name);
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            if (it->is_directory(ec) && folded(keyName(it->path().filename().string())) == wanted) {
                found = it->path();
                break;
            }
        }
        if (!found) {
            if (!create)
                return std::nullopt;
            found = folder / folderName(name);
            if (!fs::create_directory(*found, ec) && ec)
                return std::nullopt;
        }
        folder = *found;
    }
    if (!fs::is_directory(folder, ec))
        return std::nullopt;
    return folder;
}

// Lines of the values file: name, type and data as hexadecimal, tab-separated;
// the name with "\" escapes for backslash, tab, line feed and carriage return.
std::string escape(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string unescape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return out;
}

std::vector<Value> readValues(const fs::path& folder) {
    std::vector<Value> values;
    std::string bytes;
    if (!platform::readDiskFileBytes((folder / kValuesFile).string(), bytes))
        return values;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = std::min(bytes.find('\n', start), bytes.size());
        const std::string_view line(bytes.data() + start, end - start);
        start = end + 1;
        const size_t tab1 = line.find('\t');
        const size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos)
            continue;
        Value value;
        value.name = encoding::utf8ToUtf16(unescape(line.substr(0, tab1)));
        const std::string_view type = line.substr(tab1 + 1, tab2 - tab1 - 1);
        if (type.empty() || type.size() > 9 || type.find_first_not_of("0123456789") != std::string_view::npos)
            continue; // a damaged line
        value.type = static_cast<DWORD>(std::stoul(std::string(type)));
        const std::string_view hex = line.substr(tab2 + 1);
        bool sound = hex.size() % 2 == 0;
        for (size_t i = 0; sound && i < hex.size(); i += 2) {
            const int byte = hexByte(hex, i);
            sound = byte >= 0;
            value.data += static_cast<char>(byte);
        }
        if (sound)
            values.push_back(std::move(value));
    }
    return values;
}

bool writeValues(const fs::path& folder, const std::vector<Value>& values) {
    static const char kHex[] = "0123456789abcdef";
    std::string bytes;
    for (const Value& value : values) {
        bytes += escape(encoding::utf16ToUtf8(value.name)) + '\t' + std::to_string(value.type) + '\t';
        for (unsigned char c : value.data) {
            bytes += kHex[c >> 4];
            bytes += kHex[c & 15];
        }
        bytes += '\n';
    }
    AtomicFileWriter writer((folder / kValuesFile).string());
    return writer.isOpen() && writer.write(bytes) && writer.commit();
}

// A value by its name, ignoring case.
std::vector<Value>::iterator findValue(std::vector<Value>& values, std::u16string_view name) {
    const std::u16string wanted = folded(name);
    return std::find_if(values.begin(), values.end(),
                        [&](const Value& v) { return folded(v.name) == wanted; });
}

// Reads the values of an existing key, lets change edit them and writes
// them back whole; false when the key is missing, change refuses or the
// values cannot be written.
template <class Change> bool changeValues(std::u16string_view path, Change&& change) {
    const auto folder = keyFolder(path, false);
    if (!folder)
        return false;
    std::vector<Value> values = readValues(*folder);
    return change(values) && writeValues(*folder, values);
}

} // namespace

bool Registry::createKey(std::u16string_view path) {
    return keyFolder(path, true).has_value();
}

bool Registry::keyExists(std::u16string_view path) {
    return keyFolder(path, false).has_value();
}

bool Registry::queryValue(std::u16string_view path, std::u16string_view name, DWORD& type,
                          std::string& data) {
    const auto folder = keyFolder(path, false);
    if (!folder)
        return false;
    const std::u16string wanted = folded(name);
    for (Value& value : readValues(*folder)) {
        if (folded(value.name) == wanted) {
            type = value.type;
            data = std::move(value.data);
            return true;
        }
    }
    return false;
}

bool Registry::setValue(std::u16string_view path, std::u16string_view name, DWORD type,
                        std::string_view data) {
    return changeValues(path, [&](std::vector<Value>& values) {
        const auto it = findValue(values, name);
        if (it == values.end())
            values.push_back({std::u16string(name), type, std::string(data)});
        else
            *it = {it->name, type, std::string(data)};
        return true;
    });
}

bool Registry::deleteValue(std::u16string_view path, std::u16string_view name) {
    return changeValues(path, [&](std::vector<Value>& values) {
        const auto it = findValue(values, name);
        if (it == values.end())
            return false;
        values.erase(it);
        return true;
    });
}

int Registry::valueCount(std::u16string_view path) {
    const auto folder = keyFolder(path, false);
    return folder ? static_cast<int>(readValues(*folder).size()) : -1;
}

bool Registry::deleteKey(std::u16string_view path) {
    if (keyNames(path).empty())
        return false;
    const auto folder = keyFolder(path, false);
    if (!folder)
        return false;
    std::error_code ec;
    for (fs::directory_iterator it(*folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec))
            return false;
    }
    fs::remove(*folder / kValuesFile, ec);
    return fs::remove(*folder, ec);
}
