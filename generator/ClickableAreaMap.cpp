#include "ClickableAreaMap.h"

#include "CStringListePlus.h"
#include "DiskLinks.h"
#include "FileSystem.h"
#include "ItemClasses.h"
#include "ItemGenericProcedure.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "TextOutStream.h"
#include "TooltipEntry.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

// A coordinate: a whole number, blanks around it allowed.
bool readCoordinate(CString text, CString& value) {
    text.Trim();
    if (text.IsEmpty())
        return false;
    const char* begin = text.GetString();
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(begin, &end, 10);
    if (*end != '\0' || errno == ERANGE || number < INT_MIN || number > INT_MAX ||
        (begin[0] != '-' && begin[0] != '+' && (begin[0] < '0' || begin[0] > '9')))
        return false;
    value.Format("%ld", number);
    return true;
}

} // namespace

ClickableAreaMap::ClickableAreaMap(ProcessManager& manager, ProcessItem& pageItem, int language,
                                   DiskLinks& pageLinks, int* tooltipCounter, Numbering numbering,
                                   AltPlace altPlace)
    : m_manager(manager), m_pageItem(pageItem), m_language(language), m_pageLinks(pageLinks),
      m_linkBase(manager.getProjectDirectory() + pageItem.getFolder(1, 1)), m_tooltipCounter(tooltipCounter),
      m_numbering(numbering), m_altPlace(altPlace) {
    m_linkBase.Replace('/', '\\');
}

void ClickableAreaMap::readFreeAreaTexts(const CStringListePlus& fields, CString texts[5]) {
    // A text as the area writes it into an attribute.
    auto areaText = [](const CString& stored) {
        CString text = stored;
        text.Replace("\\semicolon", ";");
        text.Trim();
        // A double quote would end the attribute and break the area.
        text.Replace("\"", "&quot;");
        return text;
    };
    const int count = fields.count();
    if (count >= 8)
        for (int e = 0; e < 3; ++e)
            texts[e] = areaText(*fields.at(6 + e));
    if (count >= 9)
        texts[3] = areaText(*fields.at(9));
    if (count >= 10)
        texts[4] = areaText(*fields.at(10));
}

CString ClickableAreaMap::pictureName(const char* name, int language) {
    return CString(name) + (language == 0 ? "" : "L2") + ".png";
}

bool ClickableAreaMap::hasPicture(const CString& pictureName) const {
    const CString path = m_pageItem.getItemFolderFile(pictureName);
    return !path.IsEmpty() && platform::fileExists(path);
}

void ClickableAreaMap::write(TextOutStream& out, const CString& pictureName, const CString& scriptComment) {
    out << "<map name=\"FPMap0\">\n";
    CString script = scriptComment + "<script language=\"JavaScript1.2\"  type=\"text/javascript\">\n";
    std::vector<std::pair<int, CString>> skipped;
    const CString path = m_pageItem.getItemFolderFile(kAreaFileName);
    std::string bytes;
    if (!path.IsEmpty() && platform::readFileBytes(path, bytes)) {
        int number = 0;
        for (size_t position = 0; position < bytes.size();) {
            size_t end = bytes.find('\n', position);
            if (end == std::string::npos)
                end = bytes.size();
            std::string text = bytes.substr(position, end - position);
            position = end + 1;
            ++number;
            if (!text.empty() && text.back() == '\r')
                text.pop_back();
            if (text.empty())
                continue;
            CString area, entry, reason;
            if (!readLine(CString(text), area, entry, reason)) {
                skipped.emplace_back(number, reason + ": " + CString(text));
                continue;
            }
            out << area;
            script += entry;
        }
    }
    out << "</map>\n"
        << script << "</script>\n\n"
        << "<img class=\"schema\" alt=\"\" src=\"" << m_pageLinks.get(pictureName)
        << "\" border=\"0\" usemap=\"#FPMap0\">\n";
    if (skipped.empty())
        return;
    if (TextOutStream* log = m_manager.openLog()) {
        for (const auto& [number, what] : skipped)
            *log << "Clickable area left out of the page of " << m_pageItem.getName() << ", " << path
                 << " line " << number << ", " << what << "\n";
        Project::closeLog(log);
    }
}

bool ClickableAreaMap::readLine(const CString& line, CString& area, CString& entry, CString& reason) {
    CStringListePlus fields;
    fields.split(line, ";", 0);
    const int count = fields.count();
    if (count < 5) {
        reason = "fewer than five fields";
        fields.deleteAll();
        return false;
    }
    const CString key = *fields.at(1);
    CString coordinates[4];
    for (int c = 0; c < 4; ++c) {
        if (!readCoordinate(*fields.at(c + 2), coordinates[c])) {
            reason = "a coordinate that is no whole number";
            fields.deleteAll();
            return false;
        }
    }
    const CString coords =
        coordinates[0] + "," + coordinates[1] + "," + coordinates[2] + "," + coordinates[3];
    // The picture node's texts: three of them from eight fields on, the
    // fourth and fifth with nine and ten.
    CString extra[5];
    readFreeAreaTexts(fields, extra);
    fields.deleteAll();

    if (auto* item = dynamic_cast<ProcessItem*>(m_manager.findItemByUid(key))) {
        const CString href = itemLink(*item);
        const CString number = takeNumber();
        const CString& popup = item->getHtmlDescription(m_language);
        const CString tooltip = popup.IsEmpty() ? CString() : " " + Project::getTooltipAttributes(number);
        if (m_altPlace == AltPlace::AfterLink)
            area = "<area href=\"" + href + "\" alt=\"\" shape=\"rect\" coords=\"" + coords + "\"" + tooltip +
                   ">\n";
        else
            area = "<area href=\"" + href + "\" shape=\"rect\" coords=\"" + coords + "\"" + tooltip +
                   " alt=\"\">\n";
        entry = "Text[" + number + "]=[\"" + escapeScriptString(item->getNameByLanguage(m_language)) +
                "\",\"" + m_manager.toTooltipText(popup, m_language) + "\"];\n";
        return true;
    }
    bool anyText = false;
    for (const CString& text : extra)
        anyText |= !text.IsEmpty();
    if (!anyText) {
        reason = "no item has the uid " + key;
        return false;
    }
    area = "<area href=\"" + (extra[0].IsEmpty() ? CString("#") : m_pageLinks.get(extra[0])) +
           "\" alt=\"\" shape=\"rect\" coords=\"" + coords + "\" ";
    const char* const attributes[] = {nullptr, " onMouseOver=\"", " onMouseOut=\"", " onclick=\"",
                                      " target=\""};
    for (int e = 1; e < 5; ++e)
        if (!extra[e].IsEmpty())
            area += attributes[e] + extra[e] + "\" ";
    area += ">\n";
    return true;
}

CString ClickableAreaMap::itemLink(ProcessItem& item) {
    CString target = m_manager.getItemFilePath(&item, m_language);
    if (const ItemGenericProcedure* procedure =
            item.getClassKind() == kGeneralProcedureClass ? item.getItemGenericProcedure() : nullptr) {
        const CString document = procedure->getProcedure(m_language);
        if (isWebAddress(document))
            return document;
        if (!document.IsEmpty())
            target = m_manager.getProjectDirectory() + item.getFolder(1, 1) + document;
    }
    return m_pageLinks.get(relativeLink(m_linkBase, target));
}

CString ClickableAreaMap::takeNumber() {
    if (m_numbering == Numbering::BeforeUse)
        ++*m_tooltipCounter;
    CString number;
    number.Format("%d", *m_tooltipCounter);
    if (m_numbering == Numbering::AfterUse)
        ++*m_tooltipCounter;
    return number;
}
