#include "XmlBookkeeping.h"

#include "RegistryKey.h"
#include "Text.h"

namespace {

const std::u16string kMaker = u"Software\\Dulvarn";
const std::u16string kProduct = kMaker + u"\\Fernwise";
const std::u16string kConfig = kProduct + u"\\XML Config";

} // namespace

XmlBookkeeping::XmlBookkeeping(std::u16string keyName)
    : m_keyName(std::move(keyName)), m_keyPath(kConfig + u"\\" + m_keyName) {}

// The entries of a value, without the empty pieces that a value ending
// with "|" holds.
std::vector<std::u16string> XmlBookkeeping::entries(const std::u16string& valueName) const {
    RegistryKey key;
    std::u16string value;
    if (!key.open(keyPath(), false) || !key.readString(valueName, value))
        return {};
    std::vector<std::u16string> out;
    for (std::u16string& piece : text::split(value, u"|")) {
        if (!piece.empty())
            out.push_back(std::move(piece));
    }
    return out;
}

void XmlBookkeeping::writeEntries(const std::u16string& valueName,
                                  const std::vector<std::u16string>& entries) const {
    RegistryKey key;
    if (!key.open(keyPath(), true))
        return;
    if (entries.empty()) {
        key.deleteValue(valueName);
        return;
    }
    std::u16string value;
    for (const std::u16string& entry : entries)
        value += (value.empty() ? u"" : u"|") + entry;
    key.writeString(valueName, value);
}

void XmlBookkeeping::appendEntry(const std::u16string& valueName, const std::u16string& entry) const {
    RegistryKey key;
    if (!key.open(keyPath(), true))
        return;
    std::u16string value;
    key.readString(valueName, value);
    if (value.empty())
        value = entry;
    else
        value += (text::endsWith(value, u"|", true) ? u"" : u"|") + entry;
    key.writeString(valueName, value);
}

void XmlBookkeeping::recordEntry(const std::u16string& entry, const std::u16string& path) const {
    appendEntry(path, entry);
    appendEntry(runValueName(path), entry);
}

std::u16string XmlBookkeeping::lookupEntry(const std::u16string& path) const {
    const std::vector<std::u16string> list = entries(path);
    if (list.empty())
        return {};
    // A file created by an installation and backed up by a later run is
    // restored from that backup.
    if (list.size() >= 2 && list[0] == kCreated)
        return list[1];
    return list[0];
}

std::vector<std::u16string> XmlBookkeeping::runEntries(const std::u16string& path) const {
    return entries(runValueName(path));
}

void XmlBookkeeping::removeEntry(const std::u16string& entry, const std::u16string& path) const {
    std::vector<std::u16string> list = entries(path);
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if (*it == entry) {
            list.erase(std::next(it).base());
            writeEntries(path, list);
            return;
        }
    }
}

void XmlBookkeeping::forgetRun(const std::u16string& path) const {
    RegistryKey key;
    if (key.open(keyPath(), false))
        key.deleteValue(runValueName(path));
}

void XmlBookkeeping::deleteBookkeepingKey() const {
    RegistryKey product;
    if (!product.open(keyPath(), false))
        return;
    product.close();
    RegistryKey parent;
    if (parent.open(kConfig, true))
        parent.deleteSubkey(m_keyName, true);
    if (parent.open(kProduct, true))
        parent.deleteSubkey(u"XML Config", true);
    if (parent.open(kMaker, true))
        parent.deleteSubkey(u"Fernwise", false);
    if (parent.open(u"Software", true))
        parent.deleteSubkey(u"Dulvarn", false);
}

void XmlBookkeeping::deleteKeyWhenEmpty() const {
    RegistryKey key;
    if (key.open(keyPath(), false) && key.valueCount() == 0) {
        key.close();
        deleteBookkeepingKey();
    }
}
