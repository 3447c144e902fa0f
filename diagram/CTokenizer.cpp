#include "CTokenizer.h"

#include "DiagramRecord.h"

void CTokenizer::init(const CString& text, char separator) {
    m_parts.clear();
    m_separator = separator;
    const std::string& s = text.str();
    size_t start = 0;
    for (size_t hit = s.find(separator); hit != std::string::npos; hit = s.find(separator, start)) {
        m_parts.emplace_back(s.substr(start, hit - start));
        start = hit + 1;
    }
    m_parts.emplace_back(s.substr(start));
}

void CTokenizer::getAtInt(int index, int& out) const {
    out = index >= 0 && index < getSize() ? DiagramRecord::readInt(m_parts[index]) : 0;
}

void CTokenizer::getAtDouble(int index, double& out) const {
    out = index >= 0 && index < getSize() ? DiagramRecord::readDouble(m_parts[index]) : 0.0;
}

CString CTokenizer::getElement(int index) const {
    return index >= 0 && index < getSize() ? m_parts[index] : CString();
}

CString CTokenizer::joinFrom(int index) const {
    std::string joined;
    const int first = index < 0 ? 0 : index;
    for (int i = first; i < getSize(); ++i) {
        if (i > first)
            joined += m_separator;
        joined += m_parts[i].str();
    }
    return joined;
}
