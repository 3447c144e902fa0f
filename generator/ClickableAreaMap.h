#pragma once

// The HTML image map of a diagram picture, made from the clickable-area file
// that the diagram export writes beside it ("map.data" in the item's
// folder). Each line of the file is an area: the uid of the item a node
// stands for and the node's rectangle (left, top, right, bottom, in pixels
// of the picture), or, for a picture node, its first text, its rectangle
// and its five other texts (link address, mouse-over, mouse-out and click
// scripts, target frame; ";" written "\semicolon", an empty text " ").
//
// An item's area links to the item's page (a general procedure's to its
// document) and shows the item's popup text as its tooltip; every item
// area adds an entry to the page's tooltip array. A picture node's area
// takes its link and scripts as the author gave them.
//
// A line that gives no sound area is left out and told in the project log,
// one log line each: fewer than five fields, a coordinate that is no whole
// number, or a first field that no item has as uid on a line without any
// text of a picture node.

#include "CString.h"

#include <vector>

class CStringListePlus;
class DiskLinks;
class ProcessItem;
class ProcessManager;
class TextOutStream;

class ClickableAreaMap {
public:
    static constexpr const char* kAreaFileName = "map.data";

    // How an item's area takes its tooltip number from the page's counter:
    // the counter moves on before the number is taken, or after.
    enum class Numbering { BeforeUse, AfterUse };
    // Where an item's area puts its empty alt attribute: right after its
    // link, or last (the work product overview's map).
    enum class AltPlace { AfterLink, Last };

    // The map of a picture in the page item's folder; links start from that
    // folder and are spelt through pageLinks, made for it.
    ClickableAreaMap(ProcessManager& manager, ProcessItem& pageItem, int language, DiskLinks& pageLinks,
                     int* tooltipCounter, Numbering numbering, AltPlace altPlace = AltPlace::AfterLink);

    // Whether the picture lies in the page item's folder.
    bool hasPicture(const CString& pictureName) const;
    // Writes the map element with the areas of the item folder's area file
    // (none when there is no such file), the script of their tooltips,
    // opened by scriptComment, and the picture element that uses the map.
    void write(TextOutStream& out, const CString& pictureName, const CString& scriptComment);

    // A language's picture: name for the first, name + "L2" for the second
    // ("wf" gives "wf.png" and "wfL2.png").
    static CString pictureName(const char* name, int language);
    // The five texts of a free area from the fields of its line (counted
    // from 1): link, mouse-over, mouse-out (fields 6 to 8, read from eight
    // fields on), click script (9) and target frame (10), each as the area
    // writes it into an attribute: every "\semicolon" a ";", blanks around
    // it trimmed, double quotes escaped. Texts of missing fields stay empty.
    static void readFreeAreaTexts(const CStringListePlus& fields, CString texts[5]);

private:
    // The area of one line, and its tooltip entry; false, with the reason,
    // when the line gives no area.
    bool readLine(const CString& line, CString& area, CString& entry, CString& reason);
    CString itemLink(ProcessItem& item);
    CString takeNumber();

    ProcessManager& m_manager;
    ProcessItem& m_pageItem;
    int m_language;
    DiskLinks& m_pageLinks;
    CString m_linkBase;
    int* m_tooltipCounter;
    Numbering m_numbering;
    AltPlace m_altPlace;
};
