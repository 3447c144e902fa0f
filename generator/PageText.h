#pragma once

// Pieces that every writer of the site's pages uses.

#include "CString.h"

#include <vector>

class DiskLinks;
class Item;
class ProcessItem;
class ProcessManager;

constexpr const char* kTransitionalDocType =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
    "\"http://www.w3.org/TR/html4/loose.dtd\">";
constexpr const char* kFramesetDocType = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\" "
                                         "\"http://www.w3.org/TR/html4/frameset.dtd\">";

class TextOutStream;

// Opens the item's page of the language to be written whole. Opened: out
// writes it; NoPage: the item has no page there and nothing is written;
// Failed: the page cannot be written, the old one stays as it was.
enum class PageOpening { Opened, NoPage, Failed };
PageOpening openItemPage(ProcessManager& manager, Item& item, int language, TextOutStream& out);

// "../" repeated: the way up from a page's folder, steps folders high. A
// page of an item at level n reaches the site's shared folders with n + 2.
CString upPrefix(int steps);

// Message 33042: an operation ended on a failure of unknown kind.
void reportUnknownFailure(const CString& operation);

// The link from a folder to a file or folder, as the pages write it:
// computed between the two paths with '\' separators, written with '/'.
CString relativeLink(const CString& fromFolder, const CString& to);

// The first lines of an item page written whole: the document type, and
// the head with the item's meta lines, the title, the scripts of the
// tooltips and of the trees and the project's style sheet, reached from the
// page's folder (pageLinks) over rootPrefix.
CString wholePageHeadStart(ProcessManager& manager, Item& item, const CString& title, DiskLinks& pageLinks,
                           const CString& rootPrefix);

// The first lines of a page written whole with the project's style sheet
// alone: the document type, the head with the meta lines (the item's, or
// the project's for no item), the title and the style sheet, reached from
// the page's folder over rootPrefix. The caller adds its scripts and ends
// the head.
CString styledPageHeadStart(ProcessManager& manager, Item* item, const CString& title, DiskLinks& pageLinks,
                            const CString& rootPrefix);

// An item's name in the language as a page shows it: with a tooltip of the
// item's popup text when it has one, numbered from *tooltipCounter.
CString itemCaption(ProcessManager& manager, ProcessItem& item, int* tooltipCounter, int language);

// A block heading of an item page: the label under its anchor and the
// picture that leads back to the top of the page. The description and
// step headings keep the two blanks they always had around the picture's
// attributes (wideBlanks).
CString topOfPageHeading(const CString& anchor, const CString& label, const CString& topPicture,
                         bool wideBlanks);

// The items that get the pages of a workflow's span, in tree order: every
// workflow, and every plain item inside a workflow's span that is no
// activity. A span ends at the next item of the workflow's level (an item
// at a smaller level does not end it).
std::vector<ProcessItem*> workflowPageItems(ProcessManager& manager);

// A grid of cells three to a row, 33, 34 and 33 percent wide, as the pages
// lay out procedures and role-group members. What opens the cell-th cell
// (from 1): the table with the first, a new row with every fourth.
CString gridCellOpening(int cell);
// What fills the last row of a grid of cells cells up to three and closes
// the table; nothing for an empty grid.
CString gridEnd(int cells);

// Whether a procedure's document link is an address to link to as it is:
// it holds "http" or "ftp", in any case.
bool isWebAddress(const CString& link);

// The lines of a text that an author supplies for a page (an introduction,
// "add.htm"), as the page writers read them: each line whole, however
// long (a line cut in pieces would get a break inside a sentence or a
// tag), one last empty line after a final line break, one empty line for
// an empty file. False when the file cannot be read; it is never created.
bool readPageTextLines(const CString& path, std::vector<CString>& lines);

// The author's own part of an item page, "add.htm" ("addL2.htm" in the
// second language) in the item's folder, as the page copies it: each line
// followed by a line end, an empty first line left out; empty when there
// is no such file.
CString authorPageText(ProcessItem& item, int language);

// A domain or discipline name as the pages of a language show it: in the
// second language the second-language name of the item of that name and
// class (DOMAIN or DISCIPLINE), the name itself when no item has it.
CString shownClassName(ProcessManager& manager, const CString& name, int classKind, int language);

// A banner title with the filter that chose what the page lists: the
// title, then the label "Filter", the domain and the discipline in small
// type, when either is not empty.
CString filteredTitle(ProcessManager& manager, const CString& title, const CString& domain,
                      const CString& discipline, int language);
