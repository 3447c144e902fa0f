#include "EpfResources.h"

#include "CTime.h"
#include "EpfLibrary.h"
#include "FileFinder.h"
#include "FileSystem.h"
#include "HtmlText.h"
#include "Item.h"
#include "ProcessManager.h"

#include <cctype>

namespace {

// The folders of each half of a pair, below the half's own folder.
const char* const kMainFolders[] = {
    "/guidances",
    "/guidances/supportingmaterials",
    "/guidances/supportingmaterials/resources",
    "/guidances/whitepapers",
    "/guidances/whitepapers/resources",
    "/guidances/guidelines",
    "/guidances/guidelines/resources",
};
const char* const kCompanionFolders[] = {
    "/guidances",
    "/guidances/templates",
    "/guidances/templates/resources",
    "/guidances/examples",
    "/guidances/examples/resources",
    "/workproducts",
    "/workproducts/resources",
};

// A character that can belong to a file name as pages write it.
bool isNameCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return std::isalnum(byte) || byte >= 0x80 || c == '.' || c == '_' || c == '-' || c == '~' || c == '%' ||
           c == '+';
}

// What may stand right before a reference to a file of the page's own
// folder: nothing, or a character that no name or path holds.
bool beginsName(const std::string& text, size_t at) {
    return at == 0 || !(isNameCharacter(text[at - 1]) || text[at - 1] == '/' || text[at - 1] == '\\');
}

// Finds what in text from `from` on, ignoring case.
size_t findNoCase(const std::string& text, const char* what, size_t from) {
    const size_t length = std::char_traits<char>::length(what);
    for (size_t at = from; at + length <= text.size(); ++at) {
        size_t i = 0;
        while (i < length && std::tolower(static_cast<unsigned char>(text[at + i])) ==
                                 std::tolower(static_cast<unsigned char>(what[i])))
            ++i;
        if (i == length)
            return at;
    }
    return std::string::npos;
}

// Cut at every "/": empty inner pieces kept, nothing after a trailing
// one, one empty piece for an empty text.
std::vector<CString> splitPath(const CString& path) {
    std::vector<CString> pieces;
    const std::string& text = path.str();
    size_t from = 0;
    while (true) {
        const size_t cut = text.find('/', from);
        if (cut == std::string::npos) {
            if (from < text.size() || pieces.empty())
                pieces.emplace_back(text.substr(from));
            return pieces;
        }
        pieces.emplace_back(text.substr(from, cut - from));
        from = cut + 1;
    }
}

} // namespace

EpfResources::EpfResources(EpfLibrary& library, const CString& folderName)
    : m_library(library), m_mainFolder(folderName + " - main"),
      m_companionFolder(folderName + " - work products and roles") {}

void EpfResources::createFolders() {
    const CString& exportFolder = m_library.getExportFolder();
    CreateDirectoryA(exportFolder + m_mainFolder, nullptr);
    for (const char* folder : kMainFolders)
        CreateDirectoryA(exportFolder + m_mainFolder + folder, nullptr);
    CreateDirectoryA(exportFolder + m_companionFolder, nullptr);
    for (const char* folder : kCompanionFolders)
        CreateDirectoryA(exportFolder + m_companionFolder + folder, nullptr);
    const CString project = m_library.getManager().getProjectDirectory();
    copyFile(project + "images/doc2.gif", m_companionFolder + "/workproducts/resources/doc2.gif");
    copyFile(project + "images/top.gif", m_mainFolder + "/guidances/guidelines/resources/top.gif");
}

void EpfResources::copyItemFile(const Item& item, const CString& fileName, const CString& target) {
    copyFile(m_library.getManager().getPathInSite(item.getFolder(1, 0) + fileName), target);
}

void EpfResources::copyFile(const CString& source, const CString& target) const {
    if (source.IsEmpty() || !Project::staysInProjectFolder(target))
        return;
    CopyFileA(source, m_library.getExportFolder() + target, FALSE);
}

CString EpfResources::copyName(const Item& item, const CString& fileName) {
    return item.getUid() + "_" + fileName;
}

std::vector<CString> EpfResources::listPictures(const Item& item) const {
    std::vector<CString> pictures;
    const CString folder = m_library.getManager().getPathInSite(item.getFolder(1, 0));
    if (folder.IsEmpty())
        return pictures;
    for (const char* mask : {"*.jpg", "*.png"})
        forEachFolderEntry(folder, [&](const CString& name, DWORD attributes) {
            if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) && matchesFileMask(name, mask))
                pictures.push_back(name);
            return true;
        });
    return pictures;
}

void EpfResources::copyPictures(CString& text, const Item& item, const std::vector<CString>& pictures,
                                const char* kind) {
    for (const CString& picture : pictures) {
        const CString copy = copyName(item, picture);
        copyItemFile(item, picture, m_mainFolder + "/guidances/" + kind + "/resources/" + copy);
        text = rewritePicture(text, picture, "resources/" + copy);
    }
}

CString EpfResources::rewritePicture(const CString& text, const CString& picture,
                                     const CString& replacement) {
    const std::string& source = text.str();
    const std::string& name = picture.str();
    if (name.empty())
        return text;
    std::string result;
    result.reserve(source.size());
    size_t from = 0;
    for (size_t at = source.find(name); at != std::string::npos; at = source.find(name, at + name.size())) {
        const size_t end = at + name.size();
        const bool endsName = end == source.size() || !isNameCharacter(source[end]);
        const bool afterDotSlash =
            at >= 2 && source.compare(at - 2, 2, "./") == 0 && beginsName(source, at - 2);
        if (!endsName || (!afterDotSlash && !beginsName(source, at)))
            continue;
        const size_t start = afterDotSlash ? at - 2 : at;
        result.append(source, from, start - from);
        result += replacement.str();
        from = end;
    }
    result.append(source, from, std::string::npos);
    return CString(std::move(result));
}

CString EpfResources::pageBody(Item& item, int language, bool cut) const {
    return extractPageBody(m_library.getManager().getItemPagePath(&item, language), cut ? 1 : 0);
}

void EpfResources::removeMainTargets(CString& text) {
    for (const char* target : {"target=\"main\"", "TARGET=\"main\"", "target=main", "TARGET=main"})
        text.Replace(target, "");
}

void EpfResources::rewriteLinks(CString& text, const Item& page, const Item* workflow) const {
    const std::string& source = text.str();
    const EpfLibrary::GuidMap& map = m_library.getGuidMap();
    std::string result;
    result.reserve(source.size());
    size_t from = 0;
    for (size_t at = findNoCase(source, "href=\"", 0); at != std::string::npos;) {
        const size_t start = at + 6;
        const size_t end = source.find('"', start);
        if (end == std::string::npos)
            break;
        const CString link(source.substr(start, end - start));
        const CString* value = nullptr;
        if (link.Find(kOverviewPageName) >= 0 || link.Find(kOverviewPageNameL2) >= 0) {
            CString resolved = getRelativePath(page.getFolder(0, 0), link);
            resolved.Replace(kOverviewPageNameL2, kOverviewPageName);
            if (const Item* target = m_library.findItemByUrl(resolved)) {
                const Item* parent = target->getParent();
                if (parent && workflow) {
                    const auto hit =
                        map.find("DP" + target->getUid() + parent->getUid() + workflow->getUid());
                    if (hit != map.end())
                        value = &hit->second;
                }
                if (!value) {
                    const auto hit = map.find(target->getUid());
                    if (hit != map.end())
                        value = &hit->second;
                }
            }
        }
        if (value) {
            result.append(source, from, start - from);
            result += value->str();
            from = end;
        }
        at = findNoCase(source, "href=\"", end + 1);
    }
    result.append(source, from, std::string::npos);
    text = CString(std::move(result));
}

CString getRelativePath(CString base, CString link) {
    base.Replace('\\', '/');
    link.Replace('\\', '/');
    std::vector<CString> pieces = splitPath(base);
    for (const CString& piece : splitPath(link)) {
        if (piece != "..")
            pieces.push_back(piece);
        else if (pieces.empty() || pieces.back() == "..")
            pieces.emplace_back("..");
        else if (pieces.back() == ".")
            pieces.back() = "..";
        else
            pieces.pop_back();
    }
    CString path;
    for (const CString& piece : pieces)
        path = path.IsEmpty() ? piece : path + "/" + piece;
    return path;
}

CString getCurrentDateText() {
    return CTime::GetCurrentTime().Format("%Y-%m-%dT%H:%M:%S");
}
