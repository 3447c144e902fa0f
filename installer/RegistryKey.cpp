#include "RegistryKey.h"

#include "Registry.h"

bool RegistryKey::open(const std::u16string& subkey, bool create) {
    close();
    m_open = create ? Registry::createKey(subkey) : Registry::keyExists(subkey);
    if (m_open)
        m_path = subkey;
    return m_open;
}

void RegistryKey::close() {
    m_open = false;
    m_path.clear();
}

bool RegistryKey::readString(const std::u16string& name, std::u16string& value) const {
    DWORD type = REG_NONE;
    std::string data;
    if (!m_open || !Registry::queryValue(m_path, name, type, data) || data.empty() ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    value.clear();
    for (size_t i = 0; i + 1 < data.size(); i += 2)
        value += static_cast<char16_t>(static_cast<unsigned char>(data[i]) |
                                       static_cast<unsigned char>(data[i + 1]) << 8);
    if (!value.empty() && value.back() == 0)
        value.pop_back();
    return true;
}

bool RegistryKey::writeString(const std::u16string& name, const std::u16string& value) const {
    if (!m_open)
        return false;
    std::string data;
    for (const char16_t c : value + char16_t(0)) {
        data += static_cast<char>(c & 0xFF);
        data += static_cast<char>(c >> 8);
    }
    return Registry::setValue(m_path, name, REG_SZ, data);
}

bool RegistryKey::deleteValue(const std::u16string& name) const {
    return m_open && Registry::deleteValue(m_path, name);
}

int RegistryKey::valueCount() const {
    const int count = m_open ? Registry::valueCount(m_path) : 0;
    return count < 0 ? 0 : count;
}

bool RegistryKey::deleteSubkey(const std::u16string& name, bool evenWithValues) const {
    if (!m_open)
        return false;
    const std::u16string path = m_path + u"\\" + name;
    if (!evenWithValues && Registry::valueCount(path) > 0)
        return true;
    return Registry::deleteKey(path);
}
