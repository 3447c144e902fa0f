// The disciplines of a domain, and the grid of links to their sections that
// the pages grouped by discipline show near their top.

#include "ProcessManager.h"

#include "ItemClasses.h"
#include "PageRunTables.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "TextOutStream.h"

#include <algorithm>

std::vector<ProcessItem*> ProcessManager::disciplineList(const CString& domain) {
    updateLinks(0, 0);
    return pageRunTables()->getDisciplinesOfDomain(domain);
}

ProcessItemListe* ProcessManager::getDisciplinesOfDomain(const CString& domain) {
    auto* list = new ProcessItemListe;
    for (ProcessItem* discipline : disciplineList(domain))
        list->append(discipline);
    return list;
}

void ProcessManager::writeAnchorIndexTable(const CString& domain, TextOutStream& out, int language) {
    const std::vector<ProcessItem*> disciplines = disciplineList(domain);
    // A page with a single discipline needs no index.
    if (disciplines.size() <= 1)
        return;
    const int columns = std::min(static_cast<int>(disciplines.size()), 4);
    CString width;
    width.Format("%d", 100 / columns);
    out << "<table border=\"1\" width=\"100%\" cellspacing=\"4\">\n";
    int column = 0;
    bool firstRow = true;
    for (ProcessItem* discipline : disciplines) {
        const CString& name = discipline->getDiscipline();
        if (name == "ALL" || name.IsEmpty())
            continue;
        if (++column > columns)
            column = 1;
        if (column == 1) {
            if (!firstRow)
                out << "</tr>";
            out << "<tr>";
        }
        // The anchor is always the first-language name.
        const CString shown = getNameInLanguage(name, kDisciplineClass, language, name);
        out << "<td width=\"" << width << "%\" bgcolor=\""
            << "#E4E4E4"
            << "\" align=\"center\">\n"
            << "<font size=\"1\">\n"
            << "<a href=\"#" << name << "\">" << shown << "</a>\n"
            << "</font>\n"
            << "</td>\n";
        firstRow = false;
    }
    out << "</tr>"
        << "</table>\n";
}
