#include "XmlDocumentElementRecord.h"

#include <algorithm>

bool XmlDocumentElementRecord::hasAttributes(const std::vector<XmlAttributeRecord>& list) const {
    if (attributes().size() < list.size())
        return false;
    return std::all_of(list.begin(), list.end(), [&](const XmlAttributeRecord& wanted) {
        return std::any_of(attributes().begin(), attributes().end(), [&](const XmlAttributeRecord& have) {
            return have.name == wanted.name && have.value == wanted.value;
        });
    });
}
