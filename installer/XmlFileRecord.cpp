#include "XmlFileRecord.h"

#include "FileOps.h"
#include "XmlFlags.h"
#include "XmlOutputErrorHandler.h"
#include "XmlTableElementRecord.h"
#include "XmlUpdateModel.h"
#include "XmlWriter.h"

#include <algorithm>

namespace {

constexpr std::u16string_view kSeparators = u".-%^~&_";

} // namespace

std::u16string_view XmlFileRecord::indentCharacter() const {
    return (flags & xmlflags::kFileIndentWithTabs) ? u"\t" : u" ";
}

std::u16string XmlFileRecord::indentation(int count) const {
    std::u16string out;
    for (int i = 0; i < count * (std::max)(indentUnits, 0); ++i)
        out += indentCharacter();
    return out;
}

void XmlFileRecord::writeNewDocument(XmlUpdateModel& model, int mode) const {
    if (!root)
        return;
    XmlWriter writer(&XmlOutputErrorHandler::instance(), fullPath());
    writer.setVersion(version);
    writer.setEncodingByName(encoding);
    writer.setStandalone(flags & xmlflags::kFileStandalone);
    writer.setIndent(indentUnits, indentCharacter());
    writer.writeDeclaration();
    model.writeElement(writer, root, mode);
    // Only for a document that can be written: a refused one leaves nothing.
    files::createFolders(fullPath(), false);
    writer.finish();
}

std::u16string XmlFileRecord::renderElement(XmlUpdateModel& model, XmlTableElementRecord& record, int mode,
                                            const XmlEncoding& target) const {
    // Never opened: the file's name only names the file in an error.
    XmlWriter writer(&XmlOutputErrorHandler::instance(), fullPath());
    writer.setEncoding(target.code());
    writer.setIndent(indentUnits, indentCharacter());
    writer.setDepth(record.depth());
    model.writeElement(writer, &record, mode);
    return writer.buffer();
}

std::u16string XmlFileRecord::fileNamePart(const std::u16string& text) {
    const size_t bar = text.find(u'|');
    return bar == std::u16string::npos ? text : text.substr(bar + 1);
}

bool XmlFileRecord::pathExists(const std::u16string& path) {
    if (path.empty())
        return false;
    const bool absolute = path[0] == u'\\' || path[0] == u'/' || path.find(u':') != std::u16string::npos;
    return absolute && files::exists(path);
}

std::u16string XmlFileRecord::trimSeparator(const std::u16string& text, bool atEnd) {
    if (text.empty())
        return text;
    const char16_t c = atEnd ? text.back() : text.front();
    if (kSeparators.find(c) == std::u16string_view::npos)
        return text;
    return atEnd ? text.substr(0, text.size() - 1) : text.substr(1);
}
