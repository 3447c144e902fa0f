#pragma once

// The pages of a work product's example library, published as a small
// browsable site: a page for the library and one for each of its
// subfolders, each a grid of folder and document icons three wide.

#include "CString.h"

class CStringListe;
class DiskLinks;
class ProcessItem;
class ProcessManager;
class TextOutStream;
class TwoStringListe;

class ProcessAssetLibraryPage {
public:
    // The library page of a work product whose archive is not empty, in
    // the "ar" folder of its site folder, and the pages of its subfolders.
    static void writeLibraryPage(ProcessManager& manager, ProcessItem& product, int language);
    // The page "overview.htm" of one library folder (the same name in both
    // languages) and, in turn, of its subfolders; stylePrefix leads from the
    // folder to the project folder, icon is the documents' picture.
    static void writeFolderPage(ProcessManager& manager, const CString& folder, const CString& title,
                                const CString& stylePrefix, const CString& icon, int language);

private:
    // The grid of a page: subfolders first, then files. subfolderHref gives
    // a subfolder's link and writes its page when it has one of its own.
    static void writeGrid(TextOutStream& out, DiskLinks& links, TwoStringListe& subfolders,
                          CStringListe& files, const CString& stylePrefix, const CString& icon,
                          const CString& hrefPrefix, const CString& folder, const CString& title,
                          ProcessManager& manager, int language);
};
