#pragma once

// The pages of a work product's example library, published as a small
// browsable site: a page for the library and one for each of its
// subfolders, each a grid of folder and document icons three wide.
//
// The pages lie in the "ar" folder of the work product's site folder and
// below it, whatever folder the library is listed from: its own "ar"
// folder, where each page sits beside what it lists, or a folder named by
// the work product's library path, whose subfolders get their pages in
// folders of the same names below "ar" while its documents are linked
// where they are. A library walk writes nothing outside "ar": a subfolder
// gets a page of its own only when it lies inside the listed library, and
// only once, however many links lead to it, so that a link to a folder
// above it, or a loop, ends the walk instead of writing pages elsewhere.

#include "CString.h"

#include <unordered_map>

class CStringListe;
class DiskLinks;
class ProcessItem;
class ProcessManager;
class TextOutStream;
class TwoStringElement;
class TwoStringListe;

class ProcessAssetLibraryPage {
public:
    // The library page of a work product whose archive is not empty, in
    // the "ar" folder of its site folder, and the pages of its subfolders.
    static void writeLibraryPage(ProcessManager& manager, ProcessItem& product, int language);

private:
    // One folder of the library: where it is listed from and where its page
    // goes, both with a closing separator.
    struct Folder {
        CString listed;
        CString pages;
        // From the library's folder to this one ("" for the library's own).
        CString relative;
        CString title;
        // From the page's folder to the project folder.
        CString stylePrefix;
        // The documents' picture, reached from the page's folder.
        CString icon;
    };

    ProcessAssetLibraryPage(ProcessManager& manager, ProcessItem& product, int language);

    void writeLibraryPage();
    // The page "overview.htm" of one subfolder (the same name in both
    // languages) and, in turn, of its subfolders.
    void writeFolderPage(const Folder& folder);
    // The grid of a page: subfolders first, then files.
    void writeGrid(TextOutStream& out, DiskLinks& links, TwoStringListe& subfolders, CStringListe& files,
                   const Folder& folder);
    // The link of a subfolder's cell, after its page is written when it is
    // the first to reach a folder of the library.
    CString subfolderLink(const Folder& folder, const TwoStringElement& record);
    // Whether a page may go into the folder: one inside the library's "ar"
    // folder, made first when the library is listed elsewhere.
    bool canHoldPage(const CString& folder);
    // Closes a page; one that could not be written is told.
    void finish(TextOutStream& out, const CString& path);

    ProcessManager& m_manager;
    ProcessItem& m_product;
    int m_language;
    // The library's folders: its "ar" folder and the folder it is listed from.
    CString m_pageFolder;
    CString m_listedFolder;
    // Where symbolic links met in listings may lead.
    CString m_within;
    // The documents of a library listed elsewhere are linked there.
    bool m_listedElsewhere;
    CString m_documentPrefix;
    // Resolved: the "ar" folder, and the listed folder.
    CString m_resolvedPages;
    CString m_resolvedListed;
    // The page written for each folder met, by its resolved path.
    std::unordered_map<CString, CString> m_pages;
};
