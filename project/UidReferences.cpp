#include "UidReferences.h"

#include "FileFinder.h"
#include "FileSystem.h"
#include "PrivateProfile.h"
#include "ProfileFile.h"

#include <string>
#include <vector>

namespace {

enum class KeyKind { Other, ItemReferences, WorkProductReferences, UidList, Uid };

// How a key of "process.data" names other items.
KeyKind keyKind(const CString& key) {
    struct Known {
        const char* key;
        KeyKind kind;
    };
    static const Known kKnown[] = {
        {"Roles", KeyKind::ItemReferences},
        {"Author", KeyKind::ItemReferences},
        {"InWorkProducts", KeyKind::WorkProductReferences},
        {"OutWorkProducts", KeyKind::WorkProductReferences},
        {"GProc", KeyKind::UidList},
        {"Measures", KeyKind::UidList},
        {"Targets", KeyKind::UidList},
        {"traceabilityLinks", KeyKind::UidList},
        {"DerivedFrom", KeyKind::Uid},
        {"DerivedFrom2", KeyKind::Uid},
    };
    for (const Known& known : kKnown)
        if (key.CompareNoCase(known.key) == 0)
            return known.kind;
    return KeyKind::Other;
}

std::vector<CString> splitKeepingEmpty(const CString& text, char separator) {
    std::vector<CString> parts;
    int start = 0;
    for (int i = 0; i <= text.GetLength(); ++i) {
        if (i < text.GetLength() && text[i] != separator)
            continue;
        parts.push_back(text.Mid(start, i - start));
        start = i + 1;
    }
    return parts;
}

CString join(const std::vector<CString>& parts, char separator) {
    CString text;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            text += separator;
        text += parts[i];
    }
    return text;
}

bool endsWithNoCase(const CString& name, const char* suffix) {
    const int length = static_cast<int>(std::string(suffix).size());
    return name.GetLength() >= length && name.Right(length).CompareNoCase(suffix) == 0;
}

// The files of an item folder whose texts may hold "[@uid]" references.
bool isReferencingText(const CString& name) {
    return endsWithNoCase(name, ".txt") || endsWithNoCase(name, ".htm") || endsWithNoCase(name, ".html");
}

CString withoutSeparator(const CString& folder) {
    return folder.Left(folder.GetLength() - 1);
}

bool isAreaFile(const CString& name) {
    return name.CompareNoCase("map.data") == 0 || name.CompareNoCase("banner.data") == 0;
}

bool isDiagramFile(const CString& name) {
    return name.CompareNoCase("workflow.ar") == 0 || name.CompareNoCase("banner.ar") == 0;
}

// The field (counted after the record's ":") that holds the item key in the
// records of the nodes bound to items.
struct DiagramKeyField {
    const char* type;
    int field;
};
const DiagramKeyField kDiagramKeyFields[] = {
    {"Activity", 6}, {"WorkProduct", 6}, {"role", 6}, {"swimlane", 23}, {"Image", 9},
};

} // namespace

void UidReferences::add(const CString& oldUid, const CString& newUid) {
    CString key = oldUid;
    key.MakeUpper();
    m_renames[key] = newUid;
}

CString UidReferences::renamed(const CString& uid) const {
    CString key = uid;
    key.Trim();
    key.MakeUpper();
    const auto hit = m_renames.find(key);
    return hit == m_renames.end() ? CString() : hit->second;
}

CString UidReferences::relinkPiece(const CString& piece, bool headIsUid, bool stateIsUid) const {
    std::vector<CString> parts = splitKeepingEmpty(piece, '/');
    bool changed = false;
    CString& head = parts[0];
    const bool marked = head.GetLength() > 0 && head[0] == '~';
    if (marked || headIsUid) {
        const CString uid = renamed(marked ? head.Mid(1) : head);
        if (!uid.IsEmpty()) {
            head = (marked ? "~" : "") + uid;
            changed = true;
        }
    }
    if (stateIsUid && parts.size() > 1) {
        const CString uid = renamed(parts[1]);
        if (!uid.IsEmpty()) {
            parts[1] = uid;
            changed = true;
        }
    }
    return changed ? join(parts, '/') : piece;
}

CString UidReferences::relinkDataValue(const CString& key, const CString& value) const {
    CString text = relinkText(value);
    const KeyKind kind = keyKind(key);
    if (kind == KeyKind::Other || text.IsEmpty())
        return text;
    if (kind == KeyKind::Uid) {
        const CString uid = renamed(text);
        return uid.IsEmpty() ? text : uid;
    }
    // Lists are joined with ","; a comma inside an element is written "\comma".
    std::vector<CString> pieces = splitKeepingEmpty(text, ',');
    for (CString& piece : pieces)
        piece = relinkPiece(piece, kind == KeyKind::UidList, kind == KeyKind::WorkProductReferences);
    return join(pieces, ',');
}

CString UidReferences::relinkText(const CString& text) const {
    if (text.Find("[@") < 0)
        return text;
    CString result;
    int from = 0;
    for (int open = text.Find("[@"); open >= 0; open = text.Find("[@", from)) {
        const int close = text.Find(']', open + 2);
        if (close < 0)
            break;
        const CString uid = renamed(text.Mid(open + 2, close - open - 2));
        if (uid.IsEmpty()) {
            result += text.Mid(from, open + 2 - from);
            from = open + 2;
            continue;
        }
        result += text.Mid(from, open - from) + "[@" + uid + "]";
        from = close + 1;
    }
    return result + text.Mid(from);
}

CString UidReferences::relinkAreaFile(const CString& text) const {
    std::vector<CString> lines = splitKeepingEmpty(text, '\n');
    for (CString& line : lines) {
        const int cut = line.Find(';');
        if (cut <= 0)
            continue;
        const CString uid = renamed(line.Left(cut));
        if (!uid.IsEmpty())
            line = uid + line.Mid(cut);
    }
    return join(lines, '\n');
}

CString UidReferences::relinkDiagramFile(const CString& text) const {
    std::vector<CString> lines = splitKeepingEmpty(text, '\n');
    for (CString& line : lines) {
        const int colon = line.Find(':');
        if (colon <= 0)
            continue;
        CString type = line.Left(colon);
        type.Trim();
        int keyField = -1;
        for (const DiagramKeyField& known : kDiagramKeyFields)
            if (type == known.type)
                keyField = known.field;
        if (keyField < 0)
            continue;
        // The key is written as it stands: the fields are cut at "," only,
        // and the last one ends before the record's ";" (and a CR).
        int start = colon + 1;
        for (int field = 0; field < keyField && start >= 0; ++field) {
            const int comma = line.Find(',', start);
            start = comma < 0 ? -1 : comma + 1;
        }
        if (start < 0)
            continue;
        int end = line.Find(',', start);
        if (end < 0) {
            end = line.GetLength();
            while (end > start && (line[end - 1] == '\r' || line[end - 1] == ';'))
                --end;
        }
        const CString uid = renamed(line.Mid(start, end - start));
        if (!uid.IsEmpty())
            line = line.Left(start) + uid + line.Mid(end);
    }
    return join(lines, '\n');
}

bool UidReferences::forEachFile(const CString& folder,
                                const std::function<bool(const CString&, const CString&)>& f) {
    if (folder.IsEmpty())
        return true;
    const CString base = folder.Right(1) == "/" || folder.Right(1) == "\\" ? folder : folder + "\\";
    bool ok = true;
    // Only plain files of the folder itself: a link may lead anywhere. An
    // item without folder names nothing.
    forEachFolderEntry(withoutSeparator(base), [&](const CString& name, DWORD attributes) {
        if (!(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
            ok &= f(base + name, name);
        return true;
    });
    return ok;
}

namespace {

// Replaces the file's text by what rewrite makes of it, when that differs;
// false when the new text could not be written (the path is added to failed).
bool rewriteText(const CString& path, const std::function<CString(const CString&)>& rewrite,
                 CString& failed) {
    std::string bytes;
    if (!platform::readFileBytes(path, bytes))
        return true;
    const CString text(bytes.c_str(), static_cast<int>(bytes.size()));
    const CString rewritten = rewrite(text);
    if (rewritten == text || platform::writeFileReplacing(path, rewritten.str()))
        return true;
    failed += path + "\n";
    return false;
}

} // namespace

bool UidReferences::relinkFolder(const CString& folder, CString& failed) const {
    if (isEmpty())
        return true;
    return forEachFile(folder, [&](const CString& path, const CString& name) {
        if (name.CompareNoCase("process.data") == 0) {
            const bool written = platform::updateProfile(path, [this](ProfileFile& file) {
                bool changed = false;
                const std::string section = "PROCESSUS";
                for (const std::string& key : file.keyNames(section)) {
                    const auto value = file.get(section, key);
                    if (!value)
                        continue;
                    const CString relinked = relinkDataValue(key.c_str(), value->c_str());
                    if (relinked != CString(value->c_str()))
                        changed |= file.set(section, key, relinked.str());
                }
                return changed;
            });
            if (!written)
                failed += path + "\n";
            return written;
        }
        if (isAreaFile(name))
            return rewriteText(
                path, [this](const CString& text) { return relinkAreaFile(text); }, failed);
        if (isDiagramFile(name))
            return rewriteText(
                path, [this](const CString& text) { return relinkDiagramFile(text); }, failed);
        if (isReferencingText(name))
            return rewriteText(
                path, [this](const CString& text) { return relinkText(text); }, failed);
        return true;
    });
}

CString UidReferences::relinkPageIdentity(const CString& page, const CString& oldUid, const CString& newUid) {
    if (oldUid.IsEmpty())
        return page;
    // As the page writers put them: the meta tag's content, and the footer's
    // label, ": " and the uid, ended by the font or by " - " and a version.
    const CString meta = "<meta name=\"DC.Identifier\" Content=\"";
    const CString footer = "<font size=\"0\" color=\"#006600\">";
    CString text = page;
    text.Replace(meta + oldUid + "\"", meta + newUid + "\"");
    for (int at = text.Find(footer); at >= 0; at = text.Find(footer, at + footer.GetLength())) {
        const int close = text.Find("</font>", at);
        const int colon = text.Find(": ", at);
        if (close < 0 || colon < 0 || colon > close)
            continue;
        const int start = colon + 2;
        const int end = start + oldUid.GetLength();
        if (text.Mid(start, oldUid.GetLength()) != oldUid ||
            (text.Mid(end, 7) != "</font>" && text.Mid(end, 3) != " - "))
            continue;
        text = text.Left(start) + newUid + text.Mid(end);
    }
    return text;
}

bool UidReferences::relinkOwnPages(const CString& folder, const CString& oldUid, const CString& newUid,
                                   CString& failed) {
    return forEachFile(folder, [&](const CString& path, const CString& name) {
        if (!endsWithNoCase(name, ".htm") && !endsWithNoCase(name, ".html"))
            return true;
        return rewriteText(
            path, [&](const CString& text) { return relinkPageIdentity(text, oldUid, newUid); }, failed);
    });
}
