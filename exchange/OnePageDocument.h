#pragma once

// The whole process of the project as one HTML document ("site.htm", or
// "siteL2.htm" for the second language) that a word processor opens and
// saves as a document: the introduction, the process overviews, the roles,
// the activities, the work products and the procedures, each page's body
// under a heading made of the item's name. A picked workflow or discipline
// limits the overviews, the activities and the work products to its block.

#include "CString.h"

class Item;
class PageRunTables;
class ProcessItem;
class ProcessManager;
class TextOutStream;

class OnePageDocument {
public:
    OnePageDocument(ProcessManager& manager, int language, ProcessItem* workflow, ProcessItem* discipline);

    // Writes the document, moving the progress bar from 8 to 16; 1 when it
    // was written.
    int exportOnePageProcess();

    // HTML knows headings from H1 to H6.
    static int headingLevel(int depth);

private:
    void writeHeader(TextOutStream& out);
    // "<Hn>" name "</Hn>", then the body of the item's page. Names, like
    // every stored text the document shows, are escaped: a "<" or "&" in
    // one reads as itself, never as a tag or an entity.
    void writeHeadedPage(TextOutStream& out, Item& item, int depth, bool withPage = true);
    void writePage(TextOutStream& out, Item& item, const CString& path);
    // The work products, or their overviews, of the picked discipline's
    // block; without a discipline those of the whole tree.
    void writeWorkProductPages(TextOutStream& out, const PageRunTables& tables, int classKind, int depth);

    ProcessManager& m_manager;
    int m_language;
    ProcessItem* m_workflow;
    ProcessItem* m_discipline;
};
