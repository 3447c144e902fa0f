#pragma once

// The files an EPF plug-in pair lays out beside the method library, and
// the rewriting of the page texts that refer to them: the folder tree of
// the pair, the fixed pictures, the pictures of an item's page copied into
// a resources folder under the item's uid, and the links to item pages
// replaced through the GUID map by the pages of a published library.
//
// The pair's folders carry the plug-in's name as the importing tool reads
// it, with no character that could lead out of the export folder, and are
// numbered where two plug-ins' names give the same folder; every copy
// stays below the export folder, whatever the stored file names hold, and
// reads only from the project's folder.

#include "CString.h"

#include <vector>

class EpfLibrary;
class Item;

class EpfResources {
public:
    // folderName: the library's folder name of the pair.
    EpfResources(EpfLibrary& library, const CString& folderName);

    // "<folder name> - main" and "<folder name> - work products and roles":
    // the pair's folders below the export folder, without separator.
    const CString& getMainFolder() const { return m_mainFolder; }
    const CString& getCompanionFolder() const { return m_companionFolder; }

    // The pair's folder tree, then its fixed pictures ("doc2.gif" for the
    // work products, "top.gif" for the guidelines). Folders that exist or
    // cannot be made, and copies that fail, are passed over.
    void createFolders();
    // Copies a file of the item's folder (a name that may hold a subfolder)
    // to a path below the export folder, replacing what is there. Passed
    // over when the copy fails, when the source lies outside the project
    // or the target outside the export folder.
    void copyItemFile(const Item& item, const CString& fileName, const CString& target);

    // The name under which a file of the item's folder is copied into a
    // resources folder: the item's uid, "_" and the name, so that files of
    // one name of several items of the pair keep a copy each.
    static CString copyName(const Item& item, const CString& fileName);

    // The names of the pictures of the item's folder: "*.jpg", then "*.png",
    // files only, sorted by name.
    std::vector<CString> listPictures(const Item& item) const;
    // Copies each picture into "<main>/guidances/<kind>/resources/" as
    // uid + "_" + name, and makes each reference to it in the text (its
    // whole name, alone or after "./") read "resources/" + that name.
    void copyPictures(CString& text, const Item& item, const std::vector<CString>& pictures,
                      const char* kind);
    // The body of the item's page in the language, cut at the generated
    // sections when asked.
    CString pageBody(Item& item, int language, bool cut) const;
    // Removes the frame targets "main" of a page's links.
    static void removeMainTargets(CString& text);
    // Each link to an item's overview page becomes the page the GUID map
    // gives for the item: looked up first under "DP" + the item's uid, its
    // parent's and the workflow's (when a workflow is given and the item
    // has a parent), then under the item's uid. Other links stay.
    void rewriteLinks(CString& text, const Item& page, const Item* workflow) const;

    // The whole-name rewriting of copyPictures, on the text alone.
    static CString rewritePicture(const CString& text, const CString& picture, const CString& replacement);

private:
    void copyFile(const CString& source, const CString& target) const;

    EpfLibrary& m_library;
    CString m_mainFolder;
    CString m_companionFolder;
};

// The path that link designates read from the folder base: each ".." of
// the link removes the last named piece of the base; "/" separates, "\"
// counting as "/".
CString getRelativePath(CString base, CString link);
// The current local date and time as "YYYY-MM-DDTHH:MM:SS".
CString getCurrentDateText();
