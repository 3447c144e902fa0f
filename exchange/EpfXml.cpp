#include "EpfXml.h"

#include "EpfResources.h"
#include "XmlText.h"

#include <cstring>
#include <string>

namespace {

// A reference line travels as this mark, its number among the references
// written, the end mark and the line. Both marks are characters that no
// XML text may hold, and that every value put into the library loses, so
// no text can imitate them.
constexpr char kReferenceMark = '\x02';
constexpr char kReferenceEnd = '\x03';

// The elements that references are written in.
bool ownsReferences(const char* name) {
    for (const char* owner :
         {"ContentElement", "ContentCategory", "Process", "BreakdownElement", "MethodPlugin"})
        if (std::strcmp(name, owner) == 0)
            return true;
    return false;
}

} // namespace

CString EpfXml::startTag(int indent, const char* name, const std::vector<Attribute>& attributes,
                         Ending ending) {
    CString tag = CString(' ', indent) + "<" + name;
    Owner owner{name, CString()};
    for (const Attribute& attribute : attributes) {
        const CString value = attributeValue(attribute.value);
        tag += CString(" ") + attribute.name + "=\"" + value + "\"";
        const CString attributeName = CString(attribute.name).Trim();
        if (attributeName == "id") {
            m_ids.insert(value);
            owner.id = value;
        } else if (attributeName == "xsi:type") {
            owner.type = value;
        }
    }
    if (ownsReferences(name)) {
        m_owners.push_back(owner);
        m_owner = static_cast<int>(m_owners.size()) - 1;
    }
    tag += ending == Closed ? "/>\n" : ">\n";
    return tag;
}

CString EpfXml::namedTag(int indent, const char* element, const CString& type, const CString& name,
                         const CString& id, const CString& presentationName, Ending ending) {
    return startTag(indent, element,
                    {{"xsi:type", type},
                     {"name", name},
                     {"briefDescription", ""},
                     {"id", id},
                     {"orderingGuide", ""},
                     {"suppressed", "false"},
                     {"presentationName", presentationName},
                     {"variabilityType", "na"}},
                    ending);
}

CString EpfXml::guidanceTag(int indent, const CString& type, const CString& name, const CString& id) {
    return startTag(indent, "ContentElement",
                    {{"xsi:type", type},
                     {"name", name},
                     {"briefDescription", ""},
                     {"id", id},
                     {"orderingGuide", ""},
                     {"presentationName", name},
                     {"suppressed", "false"},
                     {"isAbstract", "false"},
                     {"variabilityType", "na"}});
}

CString EpfXml::pluginTag(const CString& name, const CString& id, const CString& changeDescription,
                          bool dated) {
    std::vector<Attribute> attributes = {{"name", name},        {"briefDescription", ""}, {"id", id},
                                         {"orderingGuide", ""}, {"suppressed", "false"},  {"authors", ""}};
    if (dated)
        attributes.push_back({"changeDate", getCurrentDateText()});
    attributes.insert(
        attributes.end(),
        {{"changeDescription", changeDescription}, {"version", ""}, {"userChangeable", "true"}});
    return startTag(2, "MethodPlugin", attributes);
}

CString EpfXml::contentPackage(int indent, const CString& name, const CString& id) {
    return startTag(indent, "MethodPackage",
                    {{"xsi:type", "uma:ContentPackage"},
                     {"name", name},
                     {"briefDescription", ""},
                     {"id", id},
                     {"orderingGuide", ""},
                     {"suppressed", "false"},
                     {"global", "false"}});
}

CString EpfXml::categoryPresentation(int indent, const CString& name, const CString& id) {
    return startTag(indent, "Presentation",
                    {{"name", name},
                     {"briefDescription", ""},
                     {"id", id},
                     {"orderingGuide", ""},
                     {"suppressed", "false"},
                     {"authors", ""},
                     {"changeDate", getCurrentDateText()},
                     {"changeDescription", ""},
                     {"version", ""},
                     {"externalId", ""}});
}

CString EpfXml::elementPresentation(int indent, const char* typeName, const CString& type,
                                    const CString& name, const CString& id, const CString& changeDescription,
                                    const CString& version) {
    std::vector<Attribute> attributes;
    if (typeName)
        attributes.push_back({typeName, type});
    attributes.insert(attributes.end(), {{"name", name},
                                         {"briefDescription", ""},
                                         {"id", id},
                                         {"orderingGuide", ""},
                                         {"suppressed", "false"},
                                         {"authors", ""},
                                         {" changeDate", getCurrentDateText()},
                                         {" changeDescription", changeDescription},
                                         {"version", version},
                                         {"externalId", ""}});
    return startTag(indent, "Presentation", attributes);
}

CString EpfXml::guidancePresentation(int indent, const CString& name, const CString& id,
                                     const CString& changeDescription) {
    return startTag(indent, "Presentation",
                    {{"name", name},
                     {"briefDescription", ""},
                     {"id", id},
                     {"orderingGuide", ""},
                     {"presentationName", ""},
                     {"suppressed", "false"},
                     {"authors", ""},
                     {"changeDate", getCurrentDateText()},
                     {"changeDescription", changeDescription},
                     {"version", ""},
                     {"externalId", ""}});
}

CString EpfXml::reference(int indent, const char* name, const CString& id) {
    return CString(' ', indent) + markedLine(name, id, m_owner) + "\n";
}

CString EpfXml::configurationLine(const char* name, const CString& id) {
    return markedLine(name, id, -1);
}

CString EpfXml::markedLine(const char* name, const CString& id, int owner) {
    const CString value = stored(id);
    m_references.push_back({name, value, owner});
    CString number;
    number.Format("%d", static_cast<int>(m_references.size()) - 1);
    return CString(kReferenceMark) + number + CString(kReferenceEnd) + "<" + name + ">" + value + "</" +
           name + ">";
}

CString EpfXml::resolve(const CString& document, std::vector<Dropped>* dropped) const {
    const std::string& text = document.str();
    std::string result;
    result.reserve(text.size());
    size_t from = 0;
    for (size_t mark = text.find(kReferenceMark); mark != std::string::npos;
         mark = text.find(kReferenceMark, from)) {
        const size_t numberEnd = text.find(kReferenceEnd, mark);
        if (numberEnd == std::string::npos)
            break;
        // The reference runs to its line end, which a configuration line
        // shares with the line after it: the line end stays in both cases.
        const size_t lineEnd = text.find('>', text.find("</", numberEnd));
        result.append(text, from, mark - from);
        const Reference& reference = m_references[std::stoul(text.substr(mark + 1, numberEnd - mark - 1))];
        if (m_ids.count(reference.id)) {
            result.append(text, numberEnd + 1, lineEnd + 1 - (numberEnd + 1));
            from = lineEnd + 1;
            continue;
        }
        if (dropped) {
            const Owner owner = reference.owner < 0 ? Owner() : m_owners[reference.owner];
            dropped->push_back({reference.element, reference.id, owner.type, owner.id});
        }
        if (lineEnd + 1 < text.size() && text[lineEnd + 1] == '\n') {
            // A dropped line takes its indentation and line end with it.
            while (!result.empty() && result.back() == ' ')
                result.pop_back();
            from = lineEnd + 2;
            continue;
        }
        from = lineEnd + 1;
    }
    result.append(text, from, std::string::npos);
    return CString(std::move(result));
}

CString EpfXml::attributeValue(const CString& value) {
    CString fit = XmlText::content(XmlText::withoutForbidden(value));
    fit.Replace("\"", "&quot;");
    return fit;
}

CString EpfXml::stored(const CString& value) {
    CString escaped = XmlText::escape(XmlText::withoutForbidden(value));
    escaped.Replace("\"", "&quot;");
    return escaped;
}

CString EpfXml::content(const CString& markup) {
    return XmlText::content(XmlText::withoutForbidden(markup));
}

CString EpfXml::characterData(const CString& text) {
    return XmlText::characterData(XmlText::withoutForbidden(text));
}
